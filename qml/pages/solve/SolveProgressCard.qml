// The solve page's Progress card: the ring, the status line, the note of the
// finalising phase, the bar that cycles with the iterations, and the four
// metrics. Every figure comes from the page as it should be shown.
import QtQuick
import QtQuick.Layouts
import Tessaval

Card {
    id: card

    property real ringValue: 0
    property bool indeterminate: false
    property string statusLine: ""
    property bool finalizing: false
    property int windowSize: 10
    property int windowValue: 0
    property string windowLabel: ""
    property string elapsedText: ""
    property string remainingText: ""
    property string speedText: ""
    property string exploitabilityText: ""

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    function _color(token, fallback) {
        return theme ? theme[token] : fallback
    }

    ColumnLayout {
        width: parent.width
        spacing: 14

        Text {
            text: qsTranslate("SolvePage", "Progress")
            font.family: card._family
            font.pixelSize: 16
            font.bold: true
            color: card._color("text", "#F0F6FC")
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 32

            ProgressRing {
                id: ring
                objectName: "progressRing"
                theme: card.theme
                Layout.preferredWidth: 140
                Layout.preferredHeight: 140
                strokeWidth: 10
                value: card.ringValue
                indeterminate: card.indeterminate
            }

            ColumnLayout {
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignVCenter
                spacing: 16

                WrappedText {
                    objectName: "statusLine"
                    text: card.statusLine
                    font.family: card._family
                    font.pixelSize: 16
                    font.weight: Font.DemiBold
                    color: card._color("text", "#F0F6FC")
                }

                WrappedText {
                    objectName: "finalizingNote"
                    visible: card.finalizing
                    text: qsTranslate("SolvePage", "Solver converged — finalizing results…")
                    font.family: card._family
                    font.pixelSize: 12
                    color: card._color("textMuted", "#8B949E")
                }

                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 6

                    Rectangle {
                        id: track
                        objectName: "windowTrack"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 8
                        radius: 4
                        color: card._color("surface3", "#2D333B")

                        Rectangle {
                            objectName: "windowFill"
                            height: parent.height
                            radius: 4
                            width: parent.width * Math.max(0, Math.min(1, card.windowValue / Math.max(1, card.windowSize)))
                            gradient: Gradient {
                                orientation: Gradient.Horizontal
                                GradientStop { position: 0.0; color: card._color("accent", "#3FB950") }
                                GradientStop { position: 1.0; color: card._color("accentMuted", "#238636") }
                            }

                            Behavior on width {
                                NumberAnimation { duration: 200 }
                            }
                        }
                    }

                    Text {
                        objectName: "windowLabel"
                        Layout.fillWidth: true
                        text: card.windowLabel
                        font.family: card._family
                        font.pixelSize: 12
                        color: card._color("textMuted", "#8B949E")
                    }
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: card._color("stroke", "#30363D")
            opacity: 0.5
        }

        Text {
            text: qsTranslate("SolvePage", "Metrics")
            font.family: card._family
            font.pixelSize: 16
            font.bold: true
            color: card._color("text", "#F0F6FC")
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 4
            columnSpacing: 12
            rowSpacing: 12

            StatCard {
                objectName: "elapsedMetric"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: card.theme
                compact: true
                label: qsTranslate("SolvePage", "Elapsed")
                value: card.elapsedText
            }

            StatCard {
                objectName: "remainingMetric"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: card.theme
                compact: true
                label: qsTranslate("SolvePage", "Remaining")
                value: card.remainingText
            }

            StatCard {
                objectName: "speedMetric"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: card.theme
                compact: true
                label: qsTranslate("SolvePage", "Speed")
                value: card.speedText
                unit: qsTranslate("SolvePage", "it/s")
            }

            StatCard {
                objectName: "exploitabilityMetric"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: card.theme
                compact: true
                label: qsTranslate("SolvePage", "Exploitability")
                value: card.exploitabilityText
                accentColor: card._color("gold", "#F0B429")
            }
        }
    }
}
