// One range edited three ways at once: preset buttons, a paintable hand
// matrix and a text field, with the count of selected classes. Every edit
// leaves through rangeChanged; the owner writes the text back.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "range_editor.js" as Logic

Item {
    id: editor

    property var theme
    property var type
    property string rangeText: ""
    property string label: qsTr("Range")
    property var weights: parseRangeText(rangeText)

    signal rangeChanged(string newRange)

    function parseRangeText(text) { return Logic.parseRangeText(text) }
    function expandHand(hand) { return Logic.expandHand(hand) }
    function weightsToText(w) { return Logic.weightsToText(w) }

    function handleMatrixClick(hand, currentWeight) {
        rangeChanged(Logic.weightsToText(Logic.toggled(weights, hand, currentWeight)))
    }

    function applyPreset(preset) {
        rangeChanged(preset)
    }

    readonly property real _radius: theme ? theme.radiusSm : 8
    readonly property color _stroke: theme ? theme.stroke : "#30363D"
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"

    implicitWidth: 480
    implicitHeight: column.implicitHeight

    ColumnLayout {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: editor.theme ? editor.theme.spaceMd : 12

        RowLayout {
            Layout.fillWidth: true
            spacing: editor.theme ? editor.theme.spaceSm : 8

            Text {
                text: editor.label
                color: editor.theme ? editor.theme.text : "#F0F6FC"
                font.pixelSize: 14
                font.bold: true
            }
            Item { Layout.fillWidth: true }
            Repeater {
                // Keyed by range only: the translated label is read in the
                // delegate, so a language switch leaves the buttons in place.
                model: ["100%", "50%", "25%", ""]
                delegate: Button {
                    id: presetButton
                    required property var modelData
                    objectName: "preset_" + modelData
                    implicitWidth: 48
                    implicitHeight: 26
                    text: modelData.length > 0 ? modelData : qsTr("Clear")
                    font.pixelSize: 11
                    font.weight: Font.DemiBold
                    background: Rectangle {
                        radius: editor._radius
                        color: parent.down ? (editor.theme ? editor.theme.surface3 : "#2D333B")
                                           : (editor.theme ? editor.theme.surface2 : "#21262D")
                        border.width: 1
                        border.color: editor._stroke

                        FocusRing {
                            theme: editor.theme
                            faceRadius: parent.radius
                            shown: presetButton.visualFocus
                        }
                    }
                    contentItem: Text {
                        text: parent.text
                        font: parent.font
                        color: editor._muted
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                    onClicked: editor.applyPreset(modelData)
                }
            }
        }

        HandMatrix {
            objectName: "matrix"
            Layout.alignment: Qt.AlignHCenter
            theme: editor.theme
            weights: editor.weights
            editable: true
            cellSize: 30
            onHandPainted: function (hand, desiredOn, currentWeight) {
                if (Logic.paintChanges(desiredOn, currentWeight))
                    editor.handleMatrixClick(hand, currentWeight)
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: editor.theme ? editor.theme.spaceSm : 8

            TextField {
                id: field
                objectName: "rangeField"
                Layout.fillWidth: true
                text: editor.rangeText
                placeholderText: qsTr("e.g., AA, KK, AKs, QQ+ or 50%")
                color: editor.theme ? editor.theme.text : "#F0F6FC"
                placeholderTextColor: editor.theme ? editor.theme.textFaint : "#6E7681"
                font.family: editor.theme ? editor.theme.fontMonoResolved : "JetBrains Mono"
                font.pixelSize: 13
                background: Rectangle {
                    radius: editor._radius
                    color: editor.theme ? editor.theme.surface : "#1C2128"
                    border.width: field.activeFocus ? 2 : 1
                    border.color: field.activeFocus ? (editor.theme ? editor.theme.strokeFocus : "#58A6FF")
                                                    : editor._stroke
                }
                onTextEdited: editor.rangeChanged(text)
            }

            Rectangle {
                Layout.preferredWidth: 64
                Layout.preferredHeight: field.height
                radius: editor._radius
                color: editor.theme ? editor.theme.surface2 : "#21262D"
                border.width: 1
                border.color: editor._stroke
                Text {
                    objectName: "handCount"
                    anchors.centerIn: parent
                    text: qsTr("%1 hands").arg(Logic.countHands(editor.weights))
                    color: editor._muted
                    font.pixelSize: 11
                }
            }
        }
    }
}
