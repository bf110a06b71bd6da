// The "Play vs. Solution" card: hands, accuracy and average EV loss of the
// practice mode, today and in total, with the button that clears them.
import QtQuick
import QtQuick.Layouts
import Tessaval
import "home_stats.js" as Stats

Card {
    id: card

    property var stats: ({})

    signal clearClicked()

    readonly property string handsText: Stats.handsText(stats)
    readonly property string accuracyText: Stats.accuracyText(stats)
    readonly property string evLossText: Stats.evLossText(stats)
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    // The three figures share one width where the card has room for the
    // widest value in each; narrower, each keeps its own value whole.
    readonly property real _statSharedWidth: Math.max(handsStat.leastWidth, accuracyStat.leastWidth,
                                                      evLossStat.leastWidth)
    // The least width of the card: its header, or the figures at their least.
    readonly property real leastWidth: leftPadding + rightPadding + Math.max(
        header.implicitWidth, handsStat.leastWidth + accuracyStat.leastWidth + evLossStat.leastWidth
                              + 2 * figures.spacing)

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 16

        RowLayout {
            id: header
            Layout.fillWidth: true
            spacing: 8

            Icon {
                name: "gamepad"
                size: 18
                color: card.theme ? card.theme.accent : "#3FB950"
            }

            Text {
                text: qsTranslate("HomePage", "Play vs. Solution")
                font.family: card._family
                font.pixelSize: 16
                font.bold: true
                color: card.theme ? card.theme.text : "#F0F6FC"
            }

            Item {
                Layout.fillWidth: true
            }

            SecondaryButton {
                objectName: "clearPracticeButton"
                theme: card.theme
                danger: true
                text: qsTranslate("HomePage", "Clear")
                font.pixelSize: 11
                Layout.preferredWidth: Math.max(80, implicitContentWidth + leftPadding + rightPadding)
                Layout.preferredHeight: 28
                onClicked: card.clearClicked()
            }
        }

        RowLayout {
            id: figures
            Layout.fillWidth: true
            spacing: 16

            StatCard {
                id: handsStat
                objectName: "practiceHands"
                Layout.fillWidth: true
                Layout.preferredWidth: card._statSharedWidth
                Layout.minimumWidth: leastWidth
                theme: card.theme
                label: qsTranslate("HomePage", "Hands (Today / Total)")
                value: card.handsText
            }

            StatCard {
                id: accuracyStat
                objectName: "practiceAccuracy"
                Layout.fillWidth: true
                Layout.preferredWidth: card._statSharedWidth
                Layout.minimumWidth: leastWidth
                theme: card.theme
                label: qsTranslate("HomePage", "Accuracy (Today / Total)")
                value: card.accuracyText
                unit: qsTranslate("HomePage", "%")
            }

            StatCard {
                id: evLossStat
                objectName: "practiceEvLoss"
                Layout.fillWidth: true
                Layout.preferredWidth: card._statSharedWidth
                Layout.minimumWidth: leastWidth
                theme: card.theme
                label: qsTranslate("HomePage", "Avg EV Loss (Today / Total)")
                value: card.evLossText
                unit: qsTranslate("HomePage", "EV")
            }
        }
    }
}
