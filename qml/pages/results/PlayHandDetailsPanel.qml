// The selected played hand street by street: the flop, turn and river with
// the steps taken on each, both players' hole cards, and a summary with the
// winner, the amount won, the rake and, for a mistake, the EV lost with the
// wrong and the right action.
import QtQuick
import QtQuick.Controls
import Tessaval
import "hand_details.js" as Details

Rectangle {
    id: panel

    property var page
    property var theme

    readonly property var details: page ? page.playSelectedDetails : ({})
    readonly property var entry: page ? page.playSelectedLog : ({})
    // The tallest column: the panel's height follows it.
    readonly property real contentHeight: Math.max(flop.implicitHeight, turn.implicitHeight, river.implicitHeight,
                                                   hands.implicitHeight, summary.implicitHeight)
    readonly property real _columnWidth: Details.detailsColumnFit(width - 20)
    // The summary is as wide as its title needs, so that a long word is not
    // broken.
    readonly property real _summaryWidth: Math.max(_columnWidth, Math.ceil(summaryTitle.implicitWidth) + 20)
    // The turn and river hold one card each: when five even columns do not
    // fit, they give way first, down to 90, so that the summary stays in view.
    readonly property real _cardColumnWidth: Math.max(_cardColumnMin, Math.min(_columnWidth,
                                                                   Math.floor((width - 20 - 4 - 2 * _columnWidth
                                                                               - _summaryWidth) / 2)))
    // The least width that shows the five columns side by side.
    readonly property real leastWidth: 20 + 4 + 2 * Details.DETAILS_COLUMN_MIN + 2 * _cardColumnMin
                                       + Math.max(Details.DETAILS_COLUMN_MIN, Math.ceil(summaryTitle.implicitWidth) + 20)
    readonly property real _cardColumnMin: 90
    readonly property real _loss: entry && typeof entry.evLoss === "number" ? entry.evLoss : NaN
    readonly property bool _mistake: isFinite(_loss) && _loss > 0

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    function _card(text, at) {
        return String(text || "").substr(at, 2)
    }

    radius: _tok("radiusMd", 12)
    color: _tok("surface2", "#21262D")
    border.width: 1
    border.color: _tok("stroke", "#30363D")
    clip: true

    component Rule: Rectangle {
        width: 1
        height: row.height
        color: panel._tok("stroke", "#30363D")
        opacity: 0.9
    }

    component InfoText: Text {
        color: panel._tok("text", "#F0F6FC")
        font.family: panel._tok("fontFamilyResolved", "sans-serif")
        font.pixelSize: 12
    }

    component SeatCards: Row {
        id: seatRow
        property string seat: ""
        property string cards: ""
        spacing: 8
        InfoText {
            width: 30
            anchors.verticalCenter: parent.verticalCenter
            text: seatRow.seat
            color: panel._tok("textMuted", "#8B949E")
        }
        Row {
            spacing: 6
            Repeater {
                model: [panel._card(seatRow.cards, 0), panel._card(seatRow.cards, 2)]
                delegate: PlayingCard {
                    required property var modelData
                    theme: panel.theme
                    mini: true
                    hoverable: false
                    enableHoverScale: false
                    rank: panel.page ? panel.page._cardRank(modelData) : ""
                    suit: panel.page ? panel.page._cardSuit(modelData) : ""
                }
            }
        }
    }

    // Sideways scrolling only when the panel is too narrow for five columns,
    // and up and down when the table above leaves it less than its columns
    // need.
    Flickable {
        id: columns
        objectName: "detailsColumns"
        x: 10
        y: 10
        width: parent.width - 20
        height: parent.height - 20
        contentWidth: row.width
        contentHeight: row.height
        clip: true
        interactive: contentWidth > width || contentHeight > height
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.horizontal: ScrollBar { policy: ScrollBar.AsNeeded }
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

        Row {
            id: row
            height: Math.max(columns.height, panel.contentHeight)

            Item {
                width: panel._columnWidth
                height: row.height
                PlayHandStreetColumn {
                    id: flop
                    objectName: "flopColumn"
                    x: 10
                    width: parent.width - 20
                    theme: panel.theme
                    title: qsTranslate("ResultsPage", "Flop")
                    boardText: panel.details.flopBoard || ""
                    steps: panel.details.flopActions || []
                }
            }
            Rule {}
            Item {
                width: panel._cardColumnWidth
                height: row.height
                PlayHandStreetColumn {
                    id: turn
                    objectName: "turnColumn"
                    x: 10
                    width: parent.width - 20
                    theme: panel.theme
                    title: qsTranslate("ResultsPage", "Turn")
                    // Only the turn card, in its own slot.
                    boardText: panel.details.turnCard ? "______" + panel.details.turnCard : ""
                    steps: panel.details.turnActions || []
                }
            }
            Rule {}
            Item {
                width: panel._cardColumnWidth
                height: row.height
                PlayHandStreetColumn {
                    id: river
                    objectName: "riverColumn"
                    x: 10
                    width: parent.width - 20
                    theme: panel.theme
                    title: qsTranslate("ResultsPage", "River")
                    boardText: panel.details.riverCard ? "________" + panel.details.riverCard : ""
                    steps: panel.details.riverActions || []
                }
            }
            Rule {}
            Item {
                width: panel._columnWidth
                height: row.height
                Column {
                    id: hands
                    objectName: "handsColumn"
                    x: 10
                    width: parent.width - 20
                    spacing: 10
                    InfoText {
                        width: parent.width
                        wrapMode: Text.Wrap
                        text: qsTranslate("ResultsPage", "Hands")
                        font.weight: Font.DemiBold
                    }
                    SeatCards {
                        objectName: "ipCards"
                        seat: "IP"
                        cards: panel.details.ipText || ""
                    }
                    SeatCards {
                        objectName: "oopCards"
                        seat: "OOP"
                        cards: panel.details.oopText || ""
                    }
                }
            }
            Rule {}
            Item {
                width: panel._summaryWidth
                height: row.height
                Column {
                    id: summary
                    objectName: "summaryColumn"
                    x: 10
                    width: parent.width - 20
                    spacing: 10
                    InfoText {
                        id: summaryTitle
                        objectName: "summaryTitle"
                        width: parent.width
                        wrapMode: Text.Wrap
                        text: qsTranslate("ResultsPage", "Summary")
                        font.weight: Font.DemiBold
                    }
                    InfoText {
                        objectName: "winnerText"
                        width: parent.width
                        wrapMode: Text.WordWrap
                        text: qsTranslate("ResultsPage", "Winner: %1").arg(
                                  panel.details.winner === "TIE" ? qsTranslate("ResultsPage", "TIE")
                                                                 : panel.details.winner || "\u2014")
                    }
                    InfoText {
                        objectName: "amountsText"
                        width: parent.width
                        wrapMode: Text.WordWrap
                        color: panel._tok("textMuted", "#8B949E")
                        text: qsTranslate("ResultsPage", "Won: %1   Rake: %2")
                              .arg(Details.chipsOrDash(panel.details.wonAmount)).arg(Details.chipsOrDash(panel.details.rakeTaken))
                    }
                    InfoText {
                        objectName: "evLostText"
                        visible: panel._mistake
                        width: parent.width
                        wrapMode: Text.WordWrap
                        text: qsTranslate("ResultsPage", "EV lost: %1").arg(panel._mistake ? panel._loss.toFixed(3) : "")
                        color: panel._tok("danger", "#F85149")
                        font.weight: Font.DemiBold
                    }
                    InfoText {
                        objectName: "incorrectText"
                        visible: panel._mistake
                        width: parent.width
                        wrapMode: Text.WordWrap
                        text: qsTranslate("ResultsPage", "Incorrect: %1").arg(panel.entry.mistakeAction || "\u2014")
                        color: panel._tok("danger", "#F85149")
                        font.pixelSize: 11
                        font.weight: Font.DemiBold
                    }
                    InfoText {
                        objectName: "correctText"
                        visible: panel._mistake && String(panel.entry.correctAction || "").length > 0
                        width: parent.width
                        wrapMode: Text.WordWrap
                        text: qsTranslate("ResultsPage", "Correct: %1").arg(panel.entry.correctAction || "")
                        color: panel._tok("success", "#3FB950")
                        font.pixelSize: 11
                        font.weight: Font.DemiBold
                    }
                }
            }
        }
    }
}
