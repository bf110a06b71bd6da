// A confirming button of the set-up page's dialogs: filled with the accent
// colour and a white label. Pressed, it takes the muted accent, or the
// accent darkened by `pressedDarkerFactor` when that is set; disabled, a
// neutral fill at `disabledOpacity` with a faded label in the text colour.
import QtQuick
import QtQuick.Controls
import Tessaval

Button {
    id: button

    property var theme: null
    property real disabledOpacity: 0.6
    // 0: the theme's muted accent while pressed.
    property real pressedDarkerFactor: 0

    readonly property color _accent: theme ? theme.accent : "#3FB950"
    readonly property color _pressed: pressedDarkerFactor > 0 ? Qt.darker(_accent, pressedDarkerFactor)
                                      : theme ? theme.accentMuted : Qt.darker("#3FB950", 1.6)

    hoverEnabled: true
    font.family: theme ? theme.fontFamilyResolved : "sans-serif"
    font.pixelSize: 12
    font.weight: Font.DemiBold

    contentItem: Text {
        text: button.text
        font: button.font
        // White on the accent; a disabled one sits on the neutral fill, where
        // the light theme needs its dark text to stay readable.
        color: button.enabled || !button.theme ? "white" : button.theme.text
        opacity: button.enabled ? 1.0 : 0.7
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: button.theme ? button.theme.radiusSm : 8
        color: !button.enabled ? (button.theme ? button.theme.surface3 : "#2D333B")
             : button.down ? button._pressed
             : button._accent
        border.width: 1
        border.color: Qt.rgba(1, 1, 1, 0.10)
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
