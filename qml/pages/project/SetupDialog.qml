// The frame of the set-up page's dialogs: placed in window coordinates,
// themed background, the title over the content, no standard buttons. The
// owner gives the content and the footer.
import QtQuick
import QtQuick.Controls

Dialog {
    id: dialog

    property var theme: null

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    parent: Overlay.overlay
    padding: 0
    topPadding: 0
    bottomPadding: 0
    standardButtons: Dialog.NoButton
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside

    background: Rectangle {
        objectName: "dialogBackground"
        radius: dialog.theme ? dialog.theme.radiusSm : 10
        color: dialog.theme ? dialog.theme.surface : "#1C2128"
        border.width: 1
        border.color: dialog.theme ? dialog.theme.stroke : "#30363D"
    }

    header: Label {
        objectName: "dialogTitle"
        text: dialog.title
        visible: dialog.title.length > 0
        leftPadding: 14
        rightPadding: 14
        topPadding: 14
        font.family: dialog._family
        font.pixelSize: 14
        font.weight: Font.DemiBold
        color: dialog.theme ? dialog.theme.text : "#F0F6FC"
        elide: Text.ElideRight
    }
}
