// One row of a range panel's library list: a folder or a range, indented
// by its depth, with its icon and shown name (on more lines when long). A
// click is reported; the panel selects the row and opens the folder or
// takes the range.
import QtQuick
import QtQuick.Layouts
import Tessaval

Rectangle {
    id: row

    property var theme: null
    // The list row: {id, kind, name, displayName, value, depth, parentFolderId}.
    property var entry: ({})
    property bool selected: false
    property bool open: false

    readonly property bool isFolder: entry && entry.kind === "folder"
    readonly property bool hovered: mouse.containsMouse
    readonly property string shownName: entry && entry.displayName ? String(entry.displayName)
                                                                    : (entry && entry.name ? String(entry.name) : "")

    signal clicked()

    implicitHeight: Math.max(26, nameText.implicitHeight + 10)
    radius: theme ? theme.radiusSm : 8
    color: selected ? (theme ? theme.surface3 : "#2D333B")
         : hovered ? (theme ? theme.surfaceHover : "#30363D")
         : (theme ? theme.surface2 : "#21262D")
    border.width: 1
    border.color: selected ? (theme ? theme.strokeFocus : "#58A6FF") : (theme ? theme.stroke : "#30363D")

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 10 + 14 * (row.entry && row.entry.depth ? row.entry.depth : 0)
        anchors.rightMargin: 10
        spacing: 6

        Icon {
            name: row.isFolder ? "folder-open" : "file-text"
            size: 14
            color: row.theme ? row.theme.textMuted : "#8B949E"
            iconOpacity: row.isFolder && row.open ? 1.0 : 0.75
            Layout.preferredWidth: 14
            Layout.preferredHeight: 14
            Layout.alignment: Qt.AlignVCenter
        }
        Text {
            id: nameText
            objectName: "rowName"
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
            text: row.shownName
            font.family: row.theme ? row.theme.fontFamilyResolved : "sans-serif"
            font.pixelSize: 11
            color: row.theme ? row.theme.text : "#F0F6FC"
            wrapMode: Text.Wrap
        }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: row.clicked()
    }
}
