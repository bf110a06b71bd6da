// The game-settings card of the set-up page: starting pot, effective stack,
// rake, rake cap and target exploitability (percent of the pot), with three
// target presets. Each committed edit assigns one page property.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

Card {
    id: card

    // The set-up page whose properties the fields show and assign.
    property var page
    property real inputWidth: 60
    readonly property alias targetField: targetField

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    // Sets the target from a preset; the field shows it at once, focused
    // or not.
    function _applyTargetPreset(v) {
        page.targetExploitability = v
        targetField.showValue(v)
    }

    padding: 12

    component FieldLabel: Text {
        Layout.fillWidth: true
        font.family: card._family
        font.pixelSize: 12
        color: card.theme ? card.theme.textMuted : "#8B949E"
        elide: Text.ElideRight
    }

    component Field: SetupNumberField {
        theme: card.theme
        Layout.preferredWidth: card.inputWidth
        Layout.minimumWidth: card.inputWidth
        Layout.maximumWidth: card.inputWidth
    }

    component PresetButton: Button {
        id: preset
        property real target: 0
        implicitWidth: 52
        implicitHeight: 24
        focusPolicy: Qt.NoFocus
        hoverEnabled: true
        font.family: card._family
        font.pixelSize: 10
        font.weight: Font.DemiBold
        contentItem: Text {
            text: preset.text
            font: preset.font
            color: card.theme ? card.theme.textMuted : "#8B949E"
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            radius: 6
            color: preset.down ? (card.theme ? card.theme.surface3 : "#2D333B")
                               : (card.theme ? card.theme.surface2 : "#21262D")
            border.width: 1
            border.color: card.theme ? card.theme.stroke : "#30363D"
        }
        HoverHandler {
            cursorShape: Qt.PointingHandCursor
        }
        onClicked: card._applyTargetPreset(target)
    }

    ColumnLayout {
        width: parent.width
        spacing: 8

        RowLayout {
            spacing: 8

            Icon {
                name: "chips"
                size: 16
                color: card.theme ? card.theme.accent : "#3FB950"
            }
            Text {
                text: qsTranslate("ProjectPage", "Game Settings")
                font.family: card._family
                font.pixelSize: 15
                font.bold: true
                color: card.theme ? card.theme.text : "#F0F6FC"
            }
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 12
            rowSpacing: 8

            FieldLabel {
                text: qsTranslate("ProjectPage", "Starting Pot")
            }
            Field {
                objectName: "startingPotField"
                Accessible.name: qsTranslate("ProjectPage", "Starting Pot")
                placeholderText: qsTranslate("ProjectPage", "e.g., 100.0")
                value: card.page.startingPot
                minimum: 0.01
                maximum: 100000.0
                decimals: 2
                fallback: 100.0
                onValueCommitted: function (v) { card.page.startingPot = v }
            }

            FieldLabel {
                text: qsTranslate("ProjectPage", "Effective Stack")
            }
            Field {
                objectName: "effectiveStackField"
                Accessible.name: qsTranslate("ProjectPage", "Effective Stack")
                placeholderText: qsTranslate("ProjectPage", "e.g., 100.0")
                value: card.page.effectiveStack
                minimum: 0.01
                maximum: 100000.0
                decimals: 2
                fallback: 100.0
                onValueCommitted: function (v) { card.page.effectiveStack = v }
            }

            FieldLabel {
                text: qsTranslate("ProjectPage", "Rake (%)")
            }
            Field {
                objectName: "rakePercentField"
                Accessible.name: qsTranslate("ProjectPage", "Rake (%)")
                placeholderText: qsTranslate("ProjectPage", "e.g., 5.0")
                value: card.page.rakePercent
                minimum: 0.0
                maximum: 100.0
                decimals: 3
                fallback: 0.0
                onValueCommitted: function (v) { card.page.rakePercent = v }
            }

            FieldLabel {
                text: qsTranslate("ProjectPage", "Rake Cap")
            }
            Field {
                objectName: "rakeCapField"
                Accessible.name: qsTranslate("ProjectPage", "Rake Cap")
                placeholderText: qsTranslate("ProjectPage", "e.g., 0")
                value: card.page.rakeCap
                minimum: 0
                maximum: 1000000
                wholeNumber: true
                fallback: 0
                onValueCommitted: function (v) { card.page.rakeCap = v }
            }

            FieldLabel {
                text: qsTranslate("ProjectPage", "Target Exploitability (%)")
            }
            Field {
                id: targetField
                objectName: "targetExploitabilityField"
                Accessible.name: qsTranslate("ProjectPage", "Target Exploitability (%)")
                placeholderText: qsTranslate("ProjectPage", "e.g., 0.10")
                value: card.page.targetExploitability
                minimum: 0.0
                maximum: 100.0
                decimals: 6
                fallback: 0.10
                onValueCommitted: function (v) { card.page.targetExploitability = v }
            }

            RowLayout {
                Layout.columnSpan: 2
                Layout.alignment: Qt.AlignHCenter
                spacing: 6

                PresetButton {
                    objectName: "targetPreset1"
                    text: "1%"
                    target: 1.0
                }
                PresetButton {
                    objectName: "targetPreset05"
                    text: "0.5%"
                    target: 0.5
                }
                PresetButton {
                    objectName: "targetPreset01"
                    text: "0.1%"
                    target: 0.1
                }
            }
        }
    }
}
