// The "Strategy by Hand" column of the range view: the 13 x 13 strategy
// matrix of the player to act, its legend, the node figures and the mode
// switch. The page calls refresh() whenever the matrix inputs are due.
import QtQuick
import QtQuick.Layouts

ColumnLayout {
    id: panel

    property var page
    property var theme

    spacing: 12

    // Recomputes the matrix inputs of the page's current node.
    function refresh() {
    }

    Text {
        text: qsTranslate("ResultsPage", "Strategy by Hand")
        color: panel.theme ? panel.theme.text : "#F0F6FC"
        font.family: panel.theme ? panel.theme.fontFamilyResolved : "sans-serif"
        font.pixelSize: 14
        font.bold: true
    }
}
