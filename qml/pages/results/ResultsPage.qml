// The results page. (Its panels are built page by page; this frame carries
// the properties and signals the shell binds and handles.)
import QtQuick
import QtQuick.Controls

Item {
    id: page

    property var theme
    property var type
    property var controller
    property string boardText: ""
    property real rakePercent: 0.0
    property int rakeCap: 0

    signal goToSolve()

    Label {
        anchors.centerIn: parent
        text: qsTr("Results")
        color: page.theme ? page.theme.textMuted : "#8B949E"
        font.pixelSize: 20
    }
}
