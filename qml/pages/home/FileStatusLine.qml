// One line over the foot of the home page that tells how a project save or
// open went: a failure with its reason stays until it is put away or the
// next file operation succeeds; a success says so briefly and goes by
// itself. It blocks nothing and moves nothing.
import QtQuick
import QtQuick.Layouts

Rectangle {
    id: line

    property var theme
    property string message: ""
    property bool success: false
    // How long a success stays, in milliseconds.
    property int successDuration: 4000

    signal dismissed()

    readonly property color _tone: success ? (theme ? theme.accent : "#3FB950")
                                           : (theme ? theme.danger : "#F85149")
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    implicitHeight: Math.max(36, row.implicitHeight + 16)
    radius: theme ? theme.radiusSm : 8
    // Opaque: the page under it does not show through.
    color: Qt.tint(theme ? theme.surface : "#1C2128", Qt.rgba(_tone.r, _tone.g, _tone.b, 0.12))
    border.width: 1
    border.color: Qt.rgba(_tone.r, _tone.g, _tone.b, 0.6)

    onMessageChanged: {
        if (success && message.length > 0)
            successTimer.restart()
        else
            successTimer.stop()
    }

    Timer {
        id: successTimer
        interval: line.successDuration
        onTriggered: line.dismissed()
    }

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 8
        spacing: 8

        Text {
            objectName: "fileStatusText"
            Layout.fillWidth: true
            text: line.message
            font.family: line._family
            font.pixelSize: 13
            color: line.success && line.theme ? line.theme.text : line._tone
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
        }

        Text {
            objectName: "fileStatusDismiss"
            text: qsTranslate("HomePage", "×")
            font.family: line._family
            font.pixelSize: 16
            font.bold: true
            color: line._tone
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
