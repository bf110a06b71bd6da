// A plain button of the set-up page (dialog footers, "Copy OOP settings",
// the range panels' library buttons): neutral surface, hover and press
// shades, 12-pixel label unless set; a disabled one is drawn faded. A label
// longer than the button is wide goes on to a second line where the
// button's height leaves room for one, and is elided where it does not.
import QtQuick
import QtQuick.Controls
import Tessaval

Button {
    id: button

    property var theme: null

    hoverEnabled: true
    font.family: theme ? theme.fontFamilyResolved : "sans-serif"
    font.pixelSize: 12
    font.weight: Font.DemiBold

    contentItem: Text {
        text: button.text
        font: button.font
        color: button.theme ? button.theme.text : "#F0F6FC"
        opacity: button.enabled ? 1.0 : 0.7
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: button.theme ? button.theme.radiusSm : 8
        color: button.down ? (button.theme ? button.theme.surface3 : "#2D333B")
             : button.hovered ? (button.theme ? button.theme.surfaceHover : "#30363D")
             : (button.theme ? button.theme.surface2 : "#21262D")
        border.width: 1
        border.color: button.theme ? button.theme.stroke : "#30363D"
        opacity: button.enabled ? 1.0 : 0.55

        FocusRing {
            theme: button.theme
            faceRadius: parent.radius
            shown: button.visualFocus
        }
    }

    HoverHandler {
        cursorShape: Qt.PointingHandCursor
    }
}
