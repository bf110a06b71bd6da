// One hand of the hand log: its board and the user's hole cards, and
// "Perfect" or the EV the hand's mistake lost; green or red by outcome,
// highlighted while selected. A click selects the hand.
import QtQuick
import Tessaval
import "hand_details.js" as Details

Rectangle {
    id: row

    required property int index
    required property string board
    required property string role
    required property string oop
    required property string ip
    required property real evLoss
    required property bool isMistake
    property var page
    property var theme

    readonly property bool selected: !!page && page.playSelectedLogIndex === index
    readonly property bool mistake: Details.entryIsMistake({ isMistake: isMistake, evLoss: evLoss })
    readonly property color _base: mistake ? _tok("danger", "#F85149") : _tok("success", "#3FB950")
    readonly property var _cards: Details.userCards({ role: role, oop: oop, ip: ip })
    // The size of the row's cards, from the log (see fittingCardScale).
    property real cardScale: 1

    // The card size at which a row `rowWidth` wide holds this row's line
    // of cards; asked of a row at full size. Only the cards shrink, the
    // gaps between them keep their width.
    function fittingCardScale(rowWidth) {
        const cardCount = Math.floor(board.length / 2) + _cards.length
        const cardsWidth = cardCount * (holeCards.count > 0 ? holeCards.itemAt(0).implicitWidth : 0)
        if (!(cardsWidth > 0))
            return 1
        const gaps = cardLine.implicitWidth - cardsWidth
        return Math.max(0.3, Math.min(1, (rowWidth - 2 * content.x - gaps) / cardsWidth))
    }

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    objectName: "handLogRow"
    height: content.implicitHeight + 12
    radius: _tok("radiusSm", 10)
    color: theme ? theme.withOpacity(_base, selected ? 0.18 : 0.12) : _base
    border.width: selected ? 2 : 1
    border.color: _base

    Column {
        id: content
        x: 8
        y: 6
        width: parent.width - 16
        spacing: 8

        Row {
            id: cardLine
            spacing: 10
            BoardDisplay {
                objectName: "logBoard"
                anchors.verticalCenter: parent.verticalCenter
                theme: row.theme
                compact: true
                cardScale: row.cardScale
                boardText: row.board
                width: implicitWidth
                height: implicitHeight
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: "|"
                color: row._tok("textMuted", "#8B949E")
                font.pixelSize: 14
                font.bold: true
            }
            Row {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 6
                Repeater {
                    id: holeCards
                    model: row._cards
                    delegate: PlayingCard {
                        required property var modelData
                        objectName: "logHoleCard"
                        theme: row.theme
                        mini: true
                        sizeScale: row.cardScale
                        hoverable: false
                        enableHoverScale: false
                        rank: String(modelData).charAt(0)
                        suit: String(modelData).charAt(1)
                    }
                }
            }
        }

        Text {
            objectName: "outcomeText"
            width: parent.width
            horizontalAlignment: Text.AlignRight
            text: row.mistake ? Details.lossText({ evLoss: row.evLoss }) : qsTranslate("ResultsPage", "Perfect")
            color: row.mistake ? row._tok("text", "#F0F6FC") : row._tok("textMuted", "#8B949E")
            font.family: row._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 11
            font.weight: Font.DemiBold
        }
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: if (row.page) row.page.userSelectPlayLog(row.index)
    }
}
