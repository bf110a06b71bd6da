// What the page says where an opened project file cannot show a result: a
// message, and the "Re-solve" that brings the whole solution back. As a
// warning (no button) it says that a re-solve came out different.
import QtQuick
import QtQuick.Layouts
import Tessaval

Rectangle {
    id: notice

    property var page
    property var theme
    property string message: ""
    property bool offerReSolve: true
    property bool warning: false

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    readonly property color _tint: warning ? _tok("gold", "#F0B429") : _tok("info", "#58A6FF")

    implicitHeight: column.implicitHeight + 28
    radius: _tok("radiusMd", 12)
    color: Qt.rgba(_tint.r, _tint.g, _tint.b, 0.10)
    border.width: 1
    border.color: Qt.rgba(_tint.r, _tint.g, _tint.b, 0.6)

    ColumnLayout {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.margins: 14
        spacing: 12

        Text {
            objectName: "fileResultsMessage"
            Layout.fillWidth: true
            text: notice.message
            color: notice._tok("text", "#F0F6FC")
            font.family: notice._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 13
            wrapMode: Text.Wrap
        }

        PrimaryButton {
            objectName: "fileReSolveButton"
            visible: notice.offerReSolve
            theme: notice.theme
            text: qsTranslate("ResultsPage", "Re-solve")
            enabled: !!notice.page && !!notice.page.controller && !notice.page.controller.running
            focusPolicy: Qt.TabFocus
            onClicked: notice.page._startNodeLockReSolve()
        }
    }
}
