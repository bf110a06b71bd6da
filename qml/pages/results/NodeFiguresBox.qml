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

    // The two columns share the width equally; the box is never narrower
    // than twice its widest line, so that no label or value is cut.
    readonly property real _lineNeed: Math.max(pot.need, stack.need, toCall.need, rake.need, spr.need, potOdds.need)
    readonly property real minimumWidth: 2 * Math.ceil(_lineNeed) + columns.spacing * 2 + 1 + 20

    implicitHeight: columns.implicitHeight + 20
    implicitWidth: minimumWidth
    color: _tok("surface2", "#21262D")
    border.width: 1
    border.color: _tok("stroke", "#30363D")
    radius: _tok("radiusSm", 8)

    // One figure: the muted label on the left, the value on the right. The
    // six lines are fixed items whose texts follow the node, so that a node
    // change only changes texts and never rebuilds the layout's items. The
    // value always shows whole; the box is made wide enough for the label.
    component FigureLine: Item {
        id: line
        property string label
        property string valueText
        // The width the label and the value take side by side.
        readonly property real need: Math.ceil(labelText.implicitWidth) + 6 + Math.ceil(valueLabel.implicitWidth)
        Layout.fillWidth: true
        implicitWidth: need
        implicitHeight: Math.max(labelText.implicitHeight, valueLabel.implicitHeight)
        Text {
            id: labelText
            anchors.left: parent.left
            anchors.verticalCenter: parent.verticalCenter
            width: Math.max(0, parent.width - 6 - Math.ceil(valueLabel.implicitWidth))
            text: line.label
            color: box._tok("textMuted", "#8B949E")
            font.family: box._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
            elide: Text.ElideRight
        }
        Text {
            id: valueLabel
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            text: line.valueText
            color: box._tok("text", "#F0F6FC")
            font.family: box._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
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
                id: pot
                objectName: "figure_pot"
                label: qsTranslate("ResultsPage", "Pot")
                valueText: box.page ? box.page._fmtAmt2(box.page._potSize()) : box._dash
            }
            FigureLine {
                id: stack
                objectName: "figure_stack"
                label: box.page && box.page.currentMeta.nodeType === "decision"
                       ? qsTranslate("ResultsPage", "Stack (%1)").arg(box.page.selectedPlayer)
                       : qsTranslate("ResultsPage", "Stack")
                valueText: box.page ? box.page._fmtAmt2(box.page._stackRemaining()) : box._dash
            }
            FigureLine {
                id: toCall
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
                id: rake
                objectName: "figure_rake"
                label: qsTranslate("ResultsPage", "Rake taken")
                valueText: box.page ? box.page._fmtAmt2(box.page._rakeTaken()) : box._dash
            }
            FigureLine {
                id: spr
                objectName: "figure_spr"
                label: qsTranslate("ResultsPage", "SPR")
                valueText: box.page ? box.page._fmtAmt2(box.page._spr()) : box._dash
            }
            FigureLine {
                id: potOdds
                objectName: "figure_potOdds"
                label: qsTranslate("ResultsPage", "Pot odds")
                valueText: box.page ? Matrix.potOddsText(box.page._potOdds(), box._dash) : box._dash
            }
        }
    }
}
