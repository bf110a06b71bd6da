// The community cards of a board text: a street label over one row of the
// flop (on a panel), the turn and the river. In editable mode the slots are
// buttons and report which one was clicked; the board text is the owner's.
import QtQuick
import Tessaval
import "board_display.js" as Logic

Item {
    id: board

    property var theme
    property string boardText: ""
    property bool editable: false
    property var clickableIndices: null
    property bool compact: false
    property real cardScale: 1.0
    property int horizontalPadding: compact ? 0 : 10
    // The street label's colour; a board on a coloured surface sets its own.
    property color labelColor: theme ? theme.textFaint : "#6E7681"

    readonly property var cards: Logic.parseBoard(boardText)
    readonly property string streetLabel: Logic.streetLabel(cards)
    readonly property real _spaceXs: theme ? theme.spaceXs : 4
    // Which slots are shown. The size is worked out from these, not from the
    // slots' effective visibility, so that a board inside a hidden page (a
    // page stack's other pages) reports the size it has when shown.
    readonly property bool _flopShown: Logic.flopVisible(cards, editable)
    readonly property bool _turnShown: Logic.laterSlotVisible(cards, 3, compact, editable)
    readonly property bool _riverShown: Logic.laterSlotVisible(cards, 4, compact, editable)

    signal cardClicked(int index)

    function _streetText(street) {
        switch (street) {
        case "River": return qsTranslate("BoardDisplay", "River")
        case "Turn": return qsTranslate("BoardDisplay", "Turn")
        case "Flop": return qsTranslate("BoardDisplay", "Flop")
        default: return qsTranslate("BoardDisplay", "Preflop")
        }
    }

    function _isClickable(i) {
        return Logic.isClickable(editable, clickableIndices, i)
    }

    function _slotClicked(i) {
        if (_isClickable(i))
            cardClicked(i)
    }

    implicitWidth: cardRow.implicitWidth
    implicitHeight: cardRow.implicitHeight + (compact ? 0 : label.implicitHeight + _spaceXs)

    Column {
        anchors.fill: parent
        spacing: board._spaceXs

        Text {
            id: label
            objectName: "streetLabel"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: !board.compact
            text: board._streetText(board.streetLabel)
            color: board.labelColor
            opacity: 0.8
            font.pixelSize: 11
            font.weight: Font.DemiBold
            font.capitalization: Font.AllUppercase
            font.letterSpacing: 1
        }

        Item {
            id: cardRow
            objectName: "cardRow"
            anchors.horizontalCenter: parent.horizontalCenter

            // pad, flop panel, turn, river, pad
            readonly property var _layout: Logic.layoutRow(
                [board.horizontalPadding, flopPanel.implicitWidth, turnCard.implicitWidth,
                 riverCard.implicitWidth, board.horizontalPadding],
                [true, board._flopShown, board._turnShown, board._riverShown, true],
                board.compact ? 4 : 8)

            implicitWidth: _layout.width
            implicitHeight: Math.max(1, board._flopShown ? flopPanel.implicitHeight : 0,
                                     board._turnShown ? turnCard.implicitHeight : 0,
                                     board._riverShown ? riverCard.implicitHeight : 0)
            width: implicitWidth
            height: implicitHeight

            Rectangle {
                id: flopPanel
                objectName: "flopPanel"
                visible: board._flopShown
                x: cardRow._layout.xs[1]
                anchors.verticalCenter: parent.verticalCenter
                implicitWidth: flopRow.implicitWidth + (board.compact ? 8 : 16)
                implicitHeight: flopRow.implicitHeight + (board.compact ? 8 : 12)
                width: implicitWidth
                height: implicitHeight
                radius: board.theme ? board.theme.radiusMd : 12
                color: board.theme ? board.theme.surface2 : "#21262D"
                border.width: 1
                border.color: board.theme ? board.theme.strokeLight : "#21262D"

                Row {
                    id: flopRow
                    anchors.centerIn: parent
                    spacing: board.compact ? 2 : 4
                    Repeater {
                        model: 3
                        delegate: PlayingCard {
                            required property int index
                            objectName: "slot" + index
                            theme: board.theme
                            rank: board.cards[index].rank
                            suit: board.cards[index].suit
                            mini: board.compact
                            sizeScale: board.cardScale
                            hoverable: board._isClickable(index)
                            enableHoverScale: false
                            onClicked: board._slotClicked(index)
                        }
                    }
                }
            }

            PlayingCard {
                id: turnCard
                objectName: "slot3"
                visible: board._turnShown
                x: cardRow._layout.xs[2]
                anchors.verticalCenter: parent.verticalCenter
                theme: board.theme
                rank: board.cards[3].rank
                suit: board.cards[3].suit
                mini: board.compact
                sizeScale: board.cardScale
                hoverable: board._isClickable(3)
                enableHoverScale: false
                onClicked: board._slotClicked(3)
            }

            PlayingCard {
                id: riverCard
                objectName: "slot4"
                visible: board._riverShown
                disabled: Logic.riverDisabled(board.cards, board.editable)
                x: cardRow._layout.xs[3]
                anchors.verticalCenter: parent.verticalCenter
                theme: board.theme
                rank: board.cards[4].rank
                suit: board.cards[4].suit
                mini: board.compact
                sizeScale: board.cardScale
                hoverable: board._isClickable(4)
                enableHoverScale: false
                onClicked: board._slotClicked(4)
            }
        }
    }
}
