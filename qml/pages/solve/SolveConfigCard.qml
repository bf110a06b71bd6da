// The solve page's Configuration card: the board, the spot's figures, the
// options that are on, and the start, cancel and results buttons. It shows
// what the page gives it and reports clicks; the page decides.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

Card {
    id: card

    property string boardText: ""
    property string streetText: ""
    property string potStackText: ""
    property string targetText: ""
    property string rakeText: ""
    property string betSizesText: ""
    property var optionLines: []
    property bool running: false
    property bool startEnabled: false
    // Why a start is not possible, on the disabled start button.
    property string blockText: ""
    property bool cancelEnabled: false
    property bool viewResultsEnabled: false

    signal startClicked()
    signal cancelClicked()
    signal viewResultsClicked()

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    function _color(token, fallback) {
        return theme ? theme[token] : fallback
    }

    component GridLabel: Text {
        Layout.alignment: Qt.AlignTop
        font.family: card._family
        font.pixelSize: 13
        color: card._color("textMuted", "#8B949E")
    }

    // One line, as wide as it needs; the page makes room for it.
    component GridValue: Text {
        Layout.fillWidth: true
        Layout.minimumWidth: implicitWidth
        elide: Text.ElideRight
        font.family: card._family
        font.pixelSize: 13
        font.weight: Font.DemiBold
        color: card._color("text", "#F0F6FC")
    }

    ColumnLayout {
        width: parent.width
        spacing: 14

        Text {
            text: qsTranslate("SolvePage", "Configuration")
            font.family: card._family
            font.pixelSize: 16
            font.bold: true
            color: card._color("text", "#F0F6FC")
        }

        BoardDisplay {
            objectName: "configBoard"
            Layout.alignment: Qt.AlignHCenter
            theme: card.theme
            boardText: card.boardText
            compact: true
            cardScale: 1.8
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: card._color("stroke", "#30363D")
            opacity: 0.5
        }

        RowLayout {
            id: summaryRow
            Layout.fillWidth: true
            spacing: 16

            GridLayout {
                id: grid
                objectName: "configGrid"
                Layout.fillWidth: true
                Layout.alignment: Qt.AlignTop
                columns: 2
                columnSpacing: 12
                rowSpacing: 8

                GridLabel { text: qsTranslate("SolvePage", "Street") }
                GridValue { objectName: "streetValue"; text: card.streetText }
                GridLabel { text: qsTranslate("SolvePage", "Pot / Stack") }
                GridValue { objectName: "potStackValue"; text: card.potStackText }
                GridLabel { text: qsTranslate("SolvePage", "Target") }
                GridValue { objectName: "targetValue"; text: card.targetText }
                GridLabel { text: qsTranslate("SolvePage", "Rake") }
                GridValue { objectName: "rakeValue"; text: card.rakeText }
                GridLabel { text: qsTranslate("SolvePage", "Bet sizes") }
                // Sizes of every street: on more lines where the column is narrow.
                WrappedText {
                    objectName: "betSizesValue"
                    text: card.betSizesText
                    font.family: card._family
                    font.pixelSize: 13
                    font.weight: Font.DemiBold
                    color: card._color("text", "#F0F6FC")
                }
            }

            Rectangle {
                id: optionsPanel
                objectName: "optionsPanel"
                // 180 where the row is as narrow as it can be, up to 200
                // where it has room to spare.
                Layout.fillWidth: true
                Layout.preferredWidth: 180
                Layout.minimumWidth: 180
                Layout.maximumWidth: 200
                Layout.alignment: Qt.AlignTop
                implicitHeight: optionsColumn.implicitHeight + 20
                radius: card._color("radiusSm", 8)
                color: card._color("surface2", "#21262D")
                border.width: 1
                border.color: card._color("stroke", "#30363D")

                ColumnLayout {
                    id: optionsColumn
                    x: 10
                    y: 10
                    width: parent.width - 20
                    spacing: 4

                    WrappedText {
                        text: qsTranslate("SolvePage", "Options enabled")
                        font.family: card._family
                        font.pixelSize: 12
                        font.weight: Font.DemiBold
                        color: card._color("text", "#F0F6FC")
                    }

                    Text {
                        objectName: "noOptions"
                        visible: card.optionLines.length === 0
                        Layout.fillWidth: true
                        text: qsTranslate("SolvePage", "None")
                        font.family: card._family
                        font.pixelSize: 12
                        color: card._color("textFaint", "#6E7681")
                    }

                    // Counted, not keyed by text: new translations of the
                    // same lines keep these rows in place.
                    Repeater {
                        model: card.optionLines.length

                        delegate: WrappedText {
                            required property int index

                            objectName: "optionLine"
                            text: "• " + (card.optionLines[index] || "")
                            font.family: card._family
                            font.pixelSize: 12
                            color: card._color("textMuted", "#8B949E")
                        }
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
            text: qsTranslate("SolvePage", "Controls")
            font.family: card._family
            font.pixelSize: 16
            font.bold: true
            color: card._color("text", "#F0F6FC")
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            // A disabled button takes no pointer events: its box watches
            // the pointer for the tooltip that says what blocks the start.
            Item {
                Layout.fillWidth: true
                implicitHeight: startButton.implicitHeight
                implicitWidth: startButton.implicitWidth

                PrimaryButton {
                    id: startButton
                    objectName: "startButton"
                    anchors.fill: parent
                    theme: card.theme
                    text: card.running ? qsTranslate("SolvePage", "Solving...") : qsTranslate("SolvePage", "Start Solve")
                    iconText: card.running ? "" : "▶"
                    loading: card.running
                    enabled: card.startEnabled
                    // A click leaves the focus where it is: the start commits
                    // the field being edited first.
                    focusPolicy: Qt.TabFocus
                    onClicked: card.startClicked()
                }
                HoverHandler {
                    id: startHover
                }
                ToolTip {
                    objectName: "startToolTip"
                    text: card.blockText
                    visible: startHover.hovered && !card.startEnabled && !card.running && text.length > 0
                }
            }

            SecondaryButton {
                id: cancelButton
                objectName: "cancelButton"
                // As wide as its label needs, 100 at least.
                Layout.preferredWidth: Math.max(100, implicitContentWidth + leftPadding + rightPadding)
                theme: card.theme
                text: qsTranslate("SolvePage", "Cancel")
                iconName: "stop"
                danger: enabled
                enabled: card.cancelEnabled
                onClicked: card.cancelClicked()
            }
        }

        SecondaryButton {
            id: viewResultsButton
            objectName: "viewResultsButton"
            Layout.fillWidth: true
            theme: card.theme
            text: qsTranslate("SolvePage", "View Results →")
            iconName: "trend-up"
            enabled: card.viewResultsEnabled
            onClicked: card.viewResultsClicked()
        }
    }
}
