// The node figures under the strategy matrix: pot, the actor's remaining
// stack and amount to call on the left; rake taken, stack-to-pot ratio and
// pot odds on the right.
import QtQuick
import QtQuick.Layouts
import "results_matrix.js" as Matrix

Rectangle {
    id: box

    property var page
    property var theme

    readonly property string _dash: qsTranslate("ResultsPage", "\u2014")

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    implicitHeight: columns.implicitHeight + 20
    implicitWidth: columns.implicitWidth + 20
    color: _tok("surface2", "#21262D")
    border.width: 1
    border.color: _tok("stroke", "#30363D")
    radius: _tok("radiusSm", 8)

    // One figure: the muted label on the left, the value on the right. The
    // six lines are fixed items whose texts follow the node, so that a node
    // change only changes texts and never rebuilds the layout's items.
    component FigureLine: RowLayout {
        property string label
        property string valueText
        Layout.fillWidth: true
        spacing: 6
        Text {
            text: parent.label
            color: box._tok("textMuted", "#8B949E")
            font.family: box._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
            elide: Text.ElideRight
            Layout.fillWidth: true
            Layout.minimumWidth: 20
        }
        Text {
            text: parent.valueText
            color: box._tok("text", "#F0F6FC")
            font.family: box._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
            horizontalAlignment: Text.AlignRight
        }
    }

    RowLayout {
        id: columns
        anchors.fill: parent
        anchors.margins: 10
        spacing: 12

        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            Layout.alignment: Qt.AlignTop
            spacing: 8
            FigureLine {
                objectName: "figure_pot"
                label: qsTranslate("ResultsPage", "Pot")
                valueText: box.page ? box.page._fmtAmt2(box.page._potSize()) : box._dash
            }
            FigureLine {
                objectName: "figure_stack"
                label: box.page && box.page.currentMeta.nodeType === "decision"
                       ? qsTranslate("ResultsPage", "Stack (%1)").arg(box.page.selectedPlayer)
                       : qsTranslate("ResultsPage", "Stack")
                valueText: box.page ? box.page._fmtAmt2(box.page._stackRemaining()) : box._dash
            }
            FigureLine {
                objectName: "figure_toCall"
                label: qsTranslate("ResultsPage", "To call")
                valueText: box.page ? box.page._fmtAmt2(box.page._toCallAmount()) : box._dash
            }
        }
        Rectangle {
            Layout.preferredWidth: 1
            Layout.fillHeight: true
            color: box._tok("stroke", "#30363D")
            opacity: 0.5
        }
        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            Layout.alignment: Qt.AlignTop
            spacing: 8
            FigureLine {
                objectName: "figure_rake"
                label: qsTranslate("ResultsPage", "Rake taken")
                valueText: box.page ? box.page._fmtAmt2(box.page._rakeTaken()) : box._dash
            }
            FigureLine {
                objectName: "figure_spr"
                label: qsTranslate("ResultsPage", "SPR")
                valueText: box.page ? box.page._fmtAmt2(box.page._spr()) : box._dash
            }
            FigureLine {
                objectName: "figure_potOdds"
                label: qsTranslate("ResultsPage", "Pot odds")
                valueText: box.page ? Matrix.potOddsText(box.page._potOdds(), box._dash) : box._dash
            }
        }
    }
}
