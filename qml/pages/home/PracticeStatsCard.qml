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

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 16

        RowLayout {
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
            Layout.fillWidth: true
            spacing: 16

            StatCard {
                objectName: "practiceHands"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: card.theme
                label: qsTranslate("HomePage", "Hands (Today / Total)")
                value: card.handsText
            }

            StatCard {
                objectName: "practiceAccuracy"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: card.theme
                label: qsTranslate("HomePage", "Accuracy (Today / Total)")
                value: card.accuracyText
                unit: qsTranslate("HomePage", "%")
            }

            StatCard {
                objectName: "practiceEvLoss"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: card.theme
                label: qsTranslate("HomePage", "Avg EV Loss (Today / Total)")
                value: card.evLossText
                unit: qsTranslate("HomePage", "EV")
            }
        }
    }
}
