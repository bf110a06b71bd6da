// One combo of the hand list: its two cards, the EV of each action
// relative to folding (one line per action, in the action's colour) and its
// strategy as a frequency bar.
import QtQuick
import Tessaval
import "results_hands.js" as Hands
import "results_frame.js" as Frame

Rectangle {
    id: row

    // The combo row of the controller (c1, c2, ev, actionEvs, actionProbs).
    property var combo: ({})
    property var page
    property var theme

    readonly property real _scale: page ? page.uiScale : 1
    readonly property var _defs: page ? page._loadedHandActionDefs : []
    readonly property var evLines: Hands.evColumnLines(combo, _defs)

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    objectName: "handComboRow"
    height: content.implicitHeight + 12
    radius: _tok("radiusXs", 4)
    color: _tok("surface2", "#21262D")
    border.width: 1
    border.color: _tok("stroke", "#30363D")

    // Placed by hand rather than by a layout: rows take another combo's
    // texts at every node, and a layout per row would be arranged again
    // each time.
    Item {
        id: content
        readonly property real gap: Frame.scaled(8, 6, row._scale)
        anchors.fill: parent
        anchors.margins: 6
        implicitHeight: Math.max(cards.implicitHeight, evLabel.implicitHeight, evColumn.implicitHeight, bar.height)

        Row {
            id: cards
            anchors.verticalCenter: parent.verticalCenter
            spacing: 4
            Repeater {
                model: 2
                delegate: PlayingCard {
                    required property int index
                    readonly property string cardText: String((index === 0 ? row.combo.c1 : row.combo.c2) || "")
                    theme: row.theme
                    mini: true
                    sizeScale: row._scale
                    hoverable: false
                    enableHoverScale: false
                    rank: cardText.charAt(0)
                    suit: cardText.charAt(1)
                }
            }
        }
        Text {
            id: evLabel
            x: cards.width + content.gap
            anchors.verticalCenter: parent.verticalCenter
            text: qsTranslate("ResultsPage", "EV:")
            // Never narrower than the label (some languages put a space
            // before the colon).
            width: Math.max(Frame.scaled(26, 22, row._scale), Math.ceil(implicitWidth))
            color: row._tok("textMuted", "#8B949E")
            font.family: row._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
            font.weight: Font.DemiBold
        }
        Column {
            id: evColumn
            objectName: "evColumn"
            x: evLabel.x + evLabel.width + content.gap
            width: Math.min(implicitWidth, Frame.scaled(80, 60, row._scale))
            anchors.verticalCenter: parent.verticalCenter
            // One line per action: another row's lines are taken in place.
            Repeater {
                model: row.evLines.length
                delegate: Text {
                    required property int index
                    readonly property var line: row.evLines[index] || ({ text: "", colorKey: "" })
                    objectName: "evLine"
                    text: line.text
                    color: row.theme ? row.theme.actionColor(line.colorKey) : "#8B949E"
                    font.family: row._tok("fontFamilyResolved", "sans-serif")
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                }
            }
        }
        ActionBar {
            id: bar
            objectName: "comboBar"
            x: evColumn.x + evColumn.width + content.gap
            width: Math.max(0, content.width - x)
            height: Frame.scaled(16, 14, row._scale)
            anchors.verticalCenter: parent.verticalCenter
            theme: row.theme
            showLabels: false
            actions: Hands.handActionsForProbs(row._defs, row.combo ? row.combo.actionProbs : [])
        }
    }
}
