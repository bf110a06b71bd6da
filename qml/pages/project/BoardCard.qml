// The board card of the set-up page: the board display in editable mode. A
// click on a slot is reported; the page opens the card picker for it.
import QtQuick
import QtQuick.Layouts
import Tessaval

Card {
    id: card

    property string boardText: ""
    property real cardScale: 1.25
    readonly property alias boardDisplay: display

    signal slotClicked(int index)

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    padding: 12

    ColumnLayout {
        width: parent.width
        spacing: 8

        RowLayout {
            spacing: 8

            Icon {
                name: "cards"
                size: 16
                color: card.theme ? card.theme.accent : "#3FB950"
            }
            Text {
                text: qsTranslate("ProjectPage", "Board")
                font.family: card._family
                font.pixelSize: 15
                font.bold: true
                color: card.theme ? card.theme.text : "#F0F6FC"
            }
            Item {
                Layout.fillWidth: true
            }
        }

        BoardDisplay {
            id: display
            objectName: "boardDisplay"
            Layout.alignment: Qt.AlignHCenter
            theme: card.theme
            boardText: card.boardText
            editable: true
            horizontalPadding: 0
            cardScale: card.cardScale
            onCardClicked: function (index) { card.slotClicked(index) }
        }
    }
}
