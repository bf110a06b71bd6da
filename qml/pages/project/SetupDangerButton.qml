// A destructive button of the set-up page: filled with the danger colour
// and a white label, or, with `outlined`, the neutral surface with a
// danger border and label. A disabled one is drawn faded. Its label wraps
// as a plain button's does.
import QtQuick
import QtQuick.Controls
import Tessaval

Button {
    id: button

    property var theme: null
    property bool outlined: false
    property real disabledOpacity: 0.55

    readonly property color _danger: theme ? theme.danger : "#F85149"

    hoverEnabled: true
    font.family: theme ? theme.fontFamilyResolved : "sans-serif"
    font.pixelSize: 12
    font.weight: Font.DemiBold

    contentItem: Text {
        text: button.text
        font: button.font
        color: button.outlined ? button._danger : "white"
        opacity: button.enabled ? 1.0 : 0.7
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: button.theme ? button.theme.radiusSm : 8
        color: button.outlined
               ? (button.down ? (button.theme ? button.theme.surface3 : "#2D333B")
                  : button.hovered ? (button.theme ? button.theme.surfaceHover : "#30363D")
                  : (button.theme ? button.theme.surface2 : "#21262D"))
               : (button.down ? Qt.darker(button._danger, 1.05) : button._danger)
        border.width: 1
        border.color: !button.outlined ? Qt.rgba(1, 1, 1, 0.10)
                    : button.enabled ? button._danger
                    : (button.theme ? button.theme.stroke : "#30363D")
        opacity: button.enabled ? 1.0 : button.disabledOpacity

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
