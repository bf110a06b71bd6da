// An on/off switch without text: a pill track with a sliding thumb. The
// owner binds `checked` and writes its value back in onToggled.
import QtQuick
import QtQuick.Controls

Switch {
    id: toggle

    property var theme: null

    readonly property int _duration: theme ? theme.durationFast : 100

    implicitWidth: 44
    implicitHeight: 24
    padding: 0
    spacing: 0
    text: ""
    contentItem: Item {}

    indicator: Item {
        objectName: "switchIndicator"
        // The drawing keeps the switch's own size whatever size it is given.
        width: 44
        height: 24
        x: Math.round((toggle.width - width) / 2)
        y: Math.round((toggle.height - height) / 2)

        Rectangle {
            objectName: "switchFocusRing"
            anchors.centerIn: track
            width: track.width + 6
            height: track.height + 6
            radius: height / 2
            color: "transparent"
            border.width: toggle.activeFocus || toggle.visualFocus ? 2 : 0
            border.color: toggle.theme ? toggle.theme.strokeFocus : "#58A6FF"
            visible: border.width > 0
            opacity: toggle.enabled ? 0.9 : 0
        }

        Rectangle {
            id: track
            objectName: "switchTrack"
            anchors.centerIn: parent
            width: 44
            height: 18
            radius: 9
            border.width: 1
            color: toggle.checked ? (toggle.theme ? toggle.theme.accent : "#3FB950")
                                  : (toggle.theme ? toggle.theme.surface3 : "#2D333B")
            border.color: toggle.checked ? (toggle.theme ? toggle.theme.accentMuted : "#238636")
                                         : (toggle.theme ? toggle.theme.stroke : "#30363D")
            opacity: toggle.enabled ? 1.0 : 0.45

            Behavior on color {
                ColorAnimation { duration: toggle._duration }
            }
            Behavior on border.color {
                ColorAnimation { duration: toggle._duration }
            }
            Behavior on opacity {
                NumberAnimation { duration: toggle._duration }
            }
        }

        Rectangle {
            objectName: "switchThumb"
            x: toggle.checked ? 44 - 3 - 14 : 3
            y: 5
            width: 14
            height: 14
            radius: 7
            color: toggle.theme ? toggle.theme.text : "#F0F6FC"
            border.width: 1
            border.color: toggle.theme ? toggle.theme.strokeLight : "#21262D"
            opacity: toggle.enabled ? 1.0 : 0.6

            Behavior on x {
                NumberAnimation { duration: toggle._duration; easing.type: Easing.OutCubic }
            }
            Behavior on opacity {
                NumberAnimation { duration: toggle._duration }
            }
        }
    }
}
