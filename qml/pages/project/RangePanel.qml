// One player's range card in the second row of the set-up page: the title
// with the player's dot over the hand matrix, the range library sidebar and
// the weight and range-text fields.
import QtQuick
import QtQuick.Layouts
import Tessaval

Card {
    id: panel

    // The set-up page whose range state the panel shows and edits.
    property var page
    property string player: "oop"
    // The panel's hand matrix; the page reads its implicit width for the
    // width the range row needs. None while the panel has no matrix.
    readonly property Item matrix: null

    readonly property bool _isOop: player === "oop"
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    padding: 16

    ColumnLayout {
        width: parent.width
        spacing: 12

        RowLayout {
            spacing: 8

            Rectangle {
                implicitWidth: 10
                implicitHeight: 10
                radius: 5
                color: panel._isOop ? (panel.theme ? panel.theme.actionBet : "#A371F7")
                                    : (panel.theme ? panel.theme.info : "#58A6FF")
            }
            Text {
                text: panel._isOop ? qsTranslate("ProjectPage", "OOP Range") : qsTranslate("ProjectPage", "IP Range")
                font.family: panel._family
                font.pixelSize: 15
                font.bold: true
                color: panel.theme ? panel.theme.text : "#F0F6FC"
            }
            Item {
                Layout.fillWidth: true
            }
        }
    }
}
