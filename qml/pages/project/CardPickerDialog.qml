// The dialog that edits one board slot: the 52 cards with those on the board
// disabled, "Clear card" for this slot and every later one, and "Cancel".
// It reports the choice; the page writes the board.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "board_entry.js" as Board

SetupDialog {
    id: dialog

    property int editingCardIndex: -1
    property var usedCards: []
    readonly property alias picker: picker

    signal cardChosen(string card)
    signal clearClicked()

    title: qsTranslate("ProjectPage", "Select card")
    modal: false

    function _caption(index) {
        const street = Board.slotStreet(index)
        if (street === "flop")
            return qsTranslate("ProjectPage", "Flop card")
        return street === "turn" ? qsTranslate("ProjectPage", "Turn card")
                                 : qsTranslate("ProjectPage", "River card")
    }

    contentItem: Item {
        implicitWidth: Math.max(360, picker.implicitWidth + 28)
        implicitHeight: column.implicitHeight + 28

        ColumnLayout {
            id: column
            anchors.fill: parent
            anchors.margins: 14
            spacing: 10

            Text {
                objectName: "pickerCaption"
                text: dialog._caption(dialog.editingCardIndex)
                font.family: dialog._family
                font.pixelSize: 12
                color: dialog.theme ? dialog.theme.textMuted : "#8B949E"
            }

            CardPicker {
                id: picker
                objectName: "picker"
                Layout.fillWidth: true
                theme: dialog.theme
                usedCards: dialog.usedCards
                onCardSelected: function (card) {
                    dialog.cardChosen(card)
                    dialog.close()
                }
            }
        }
    }

    footer: Item {
        implicitWidth: 360
        implicitHeight: footerRow.implicitHeight + 28

        RowLayout {
            id: footerRow
            anchors.fill: parent
            anchors.margins: 14
            spacing: 10

            Item {
                Layout.fillWidth: true
            }

            SetupNeutralButton {
                objectName: "clearCardButton"
                theme: dialog.theme
                text: qsTranslate("ProjectPage", "Clear card")
                enabled: dialog.editingCardIndex >= 0
                Layout.preferredWidth: 110
                Layout.preferredHeight: 32
                onClicked: {
                    dialog.clearClicked()
                    dialog.close()
                }
            }

            SetupNeutralButton {
                objectName: "cancelCardButton"
                theme: dialog.theme
                text: qsTranslate("ProjectPage", "Cancel")
                Layout.preferredWidth: 90
                Layout.preferredHeight: 32
                onClicked: dialog.close()
            }
        }
    }
}
