// One line that tells why a project file could not be saved or opened, with
// a button that puts it away. It blocks nothing.
import QtQuick
import QtQuick.Layouts

Rectangle {
    id: line

    property var theme
    property string message: ""

    signal dismissed()

    readonly property color _danger: theme ? theme.danger : "#F85149"
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    implicitHeight: Math.max(36, row.implicitHeight + 16)
    radius: theme ? theme.radiusSm : 8
    color: Qt.rgba(_danger.r, _danger.g, _danger.b, 0.12)
    border.width: 1
    border.color: Qt.rgba(_danger.r, _danger.g, _danger.b, 0.6)

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 8
        spacing: 8

        Text {
            objectName: "fileErrorText"
            Layout.fillWidth: true
            text: line.message
            font.family: line._family
            font.pixelSize: 13
            color: line._danger
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
        }

        Text {
            objectName: "fileErrorDismiss"
            text: qsTranslate("HomePage", "×")
            font.family: line._family
            font.pixelSize: 16
            font.bold: true
            color: line._danger
            Layout.alignment: Qt.AlignVCenter

            MouseArea {
                anchors.fill: parent
                anchors.margins: -6
                cursorShape: Qt.PointingHandCursor
                onClicked: line.dismissed()
            }
        }
    }
}
