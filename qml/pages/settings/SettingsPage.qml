// The settings page. (Its panels are built page by page; this frame carries
// the properties and functions the shell binds and calls.)
import QtQuick
import QtQuick.Controls

Item {
    id: page

    property var theme
    property var type
    property bool darkMode: false

    Label {
        anchors.centerIn: parent
        text: qsTr("Settings")
        color: page.theme ? page.theme.textMuted : "#8B949E"
        font.pixelSize: 20
    }
}
