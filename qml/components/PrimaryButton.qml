// The accent button for the main action of a card or page; a spinner stands
// in front of the label while work runs.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

Button {
    id: button

    property var theme: null
    property bool loading: false
    property string iconText: ""
    property string iconName: ""
    readonly property color _contentColor: enabled ? "white" : (theme ? theme.text : "#F0F6FC")

    readonly property real _contentOpacity: enabled ? 1.0 : 0.85
    readonly property color _accent: theme ? theme.accent : "#3FB950"
    readonly property color _accentMuted: theme ? theme.accentMuted : "#238636"
    readonly property color _topColor: !enabled ? (theme ? theme.surface3 : "#2D333B")
                                      : down ? Qt.darker(_accent, 1.1)
                                      : hovered ? Qt.lighter(_accent, 1.1) : _accent
    readonly property color _bottomColor: !enabled ? (theme ? theme.surface2 : "#21262D")
                                         : down ? Qt.darker(_accentMuted, 1.1) : _accentMuted

    hoverEnabled: true
    font.family: theme ? theme.fontFamilyResolved : "sans-serif"
    font.pixelSize: 14
    font.weight: Font.DemiBold

    scale: hovered && enabled ? 1.02 : 1.0
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

            Item {
                id: spinner
                objectName: "spinner"
                visible: button.loading
                Layout.preferredWidth: 16
                Layout.preferredHeight: 16
                Layout.alignment: Qt.AlignVCenter

                Rectangle {
                    anchors.centerIn: parent
                    width: 14
                    height: 14
                    radius: 7
                    color: "transparent"
                    border.width: 2
                    border.color: button._contentColor
                    opacity: 0.3
                }
                Rectangle {
                    anchors.centerIn: parent
                    width: 14
                    height: 14
                    radius: 7
                    color: "transparent"
                    border.width: 2
                    border.color: button._contentColor

                    // Hides a quarter of the ring, so that it reads as an arc:
                    // the colour of the face behind it.
                    Rectangle {
                        width: 7
                        height: 7
                        color: Qt.tint(button._bottomColor, Qt.rgba(button._topColor.r, button._topColor.g,
                                                                    button._topColor.b, 0.5))
                    }
                }

                RotationAnimator on rotation {
                    objectName: "spinnerAnimation"
                    from: 0
                    to: 360
                    duration: 1000
                    loops: Animation.Infinite
                    running: button.loading
                }
            }

            Icon {
                objectName: "buttonIcon"
                visible: button.iconName !== "" && !button.loading
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
                visible: button.iconText !== "" && button.iconName === "" && !button.loading
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
        implicitWidth: 100
        implicitHeight: 40
        radius: button.theme ? button.theme.radiusSm : 8
        gradient: Gradient {
            GradientStop { position: 0.0; color: button._topColor }
            GradientStop { position: 1.0; color: button._bottomColor }
        }

        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            color: "transparent"
            border.width: 1
            border.color: Qt.rgba(1, 1, 1, 0.1)
        }
        FocusRing {
            theme: button.theme
            faceRadius: parent.radius
            shown: button.visualFocus
        }
    }
}
