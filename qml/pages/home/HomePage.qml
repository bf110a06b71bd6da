// The home page. (Its panels are built page by page; this frame carries the
// properties and signals the shell binds and handles.)
import QtQuick
import QtQuick.Controls

Item {
    id: page

    property var theme
    property var type
    property var projectStateProvider

    signal newProject()
    signal quickSolve()
    signal importRange()
    signal projectLoaded(var projectState, bool hasResults)

    Label {
        anchors.centerIn: parent
        text: qsTr("Home")
        color: page.theme ? page.theme.textMuted : "#8B949E"
        font.pixelSize: 20
    }
}
