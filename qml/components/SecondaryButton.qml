// The neutral outlined button; `danger` draws it in the danger colour.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

Button {
    id: button

    property var theme: null
    property string iconText: ""
    property string iconName: ""
    property bool danger: false

    readonly property color _contentColor: danger ? (theme ? theme.danger : "#F85149")
                                                  : (theme ? theme.text : "#F0F6FC")
    readonly property real _contentOpacity: enabled ? 1.0 : 0.5
    // A disabled button shows no hover, whatever the pointer does.
    readonly property bool _hovered: hovered && enabled

    hoverEnabled: true
    font.family: theme ? theme.fontFamilyResolved : "sans-serif"
    font.pixelSize: 14
    font.weight: Font.DemiBold

    scale: _hovered ? 1.02 : 1.0
    Behavior on scale {
        NumberAnimation { duration: 100; easing.type: Easing.OutCubic }
    }

    contentItem: Item {
        implicitWidth: row.implicitWidth
        implicitHeight: row.implicitHeight

        RowLayout {
            id: row
            anchors.centerIn: parent
            width: Math.min(parent.width, implicitWidth)
            spacing: 8

            Icon {
                objectName: "buttonIcon"
                visible: button.iconName !== ""
                name: button.iconName
                size: 16
                color: button._contentColor
                iconOpacity: button._contentOpacity
                Layout.preferredWidth: 16
                Layout.preferredHeight: 16
                Layout.alignment: Qt.AlignVCenter
            }

            Text {
                objectName: "buttonGlyph"
                visible: button.iconText !== "" && button.iconName === ""
                text: button.iconText
                font.family: button.font.family
                font.pixelSize: 14
                color: button._contentColor
                opacity: button._contentOpacity
                Layout.alignment: Qt.AlignVCenter
            }

            Text {
                objectName: "buttonLabel"
                text: button.text
                font: button.font
                color: button._contentColor
                opacity: button._contentOpacity
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                // Whole pixels: the layout rounds down, which would cut a
                // label that just fits.
                Layout.fillWidth: true
                Layout.preferredWidth: Math.ceil(implicitWidth)
                Layout.maximumWidth: Math.ceil(implicitWidth)
                Layout.alignment: Qt.AlignVCenter
            }
        }
    }

    background: Rectangle {
        objectName: "buttonFace"
        implicitWidth: 100
        implicitHeight: 40
        radius: button.theme ? button.theme.radiusSm : 8
        color: button.down ? (button.theme ? button.theme.surface3 : "#2D333B")
             : button._hovered ? (button.theme ? button.theme.surfaceHover : "#30363D")
             : (button.theme ? button.theme.surface : "#1C2128")
        border.width: 1
        border.color: button.danger ? (button.theme ? button.theme.danger : "#F85149")
                    : button._hovered ? (button.theme ? button.theme.strokeFocus : "#58A6FF")
                    : (button.theme ? button.theme.stroke : "#30363D")

        Behavior on color {
            ColorAnimation { duration: 100 }
        }
        Behavior on border.color {
            ColorAnimation { duration: 100 }
        }

        FocusRing {
            theme: button.theme
            faceRadius: parent.radius
            shown: button.visualFocus
        }
    }
}
