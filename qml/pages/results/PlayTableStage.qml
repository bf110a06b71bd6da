// The table of the play view: the table picture, the role buttons before a
// session, and during one the board, pot, seats, dealer button, the
// opponent's last action, the user's action prompt, "Another hand" and the
// drill controls. Everything shown is the page's practice state; every
// button calls a page operation.
import QtQuick
import Tessaval
import "play_table.js" as Table
import "practice_logic.js" as Practice

Item {
    id: stage

    property var page
    property var theme

    readonly property bool _session: !!page && page.playSessionStarted
    readonly property bool _complete: !!page && page.playHandComplete
    readonly property string _role: page ? page.playRole : ""
    readonly property var _playMeta: page ? page._metaForNode(page.playNodeIndex >= 0 ? page.playNodeIndex
                                                                                        : page.currentNodeIndex) : ({})
    // Where the picture is painted: the role buttons and drill controls sit
    // on it, not on the bands an aspect fit leaves.
    readonly property var paintedRect: Table.paintedRect(width, height,
                                                         picture.status === Image.Ready ? picture.paintedWidth : 0,
                                                         picture.status === Image.Ready ? picture.paintedHeight : 0)
    readonly property var _anchors: Table.seatAnchors(overlay.width, overlay.height)
    // The least height that holds the table's parts clear of each other.
    readonly property real leastHeight: Table.tableLeastHeight(prompt.height)
    // The cards' size on a short table, against their full size: OOP's seat
    // and the board share the room from OOP's anchor down to the centre
    // (0.26 of the height). Half of each takes 72 px of cards at full size,
    // and 37 px of stack, street label and gaps that keep their size.
    readonly property real cardFit: Math.max(0.5, Math.min(1, (0.26 * overlay.height - 37) / 72))
    // The pot and the hint go under the board, or beside it when IP's seat
    // leaves no room there for two pills of one line.
    readonly property bool pillsBesideBoard: ipSeat.y < board.y + board.height + 6 + 2 * potPill.height + 8
    // A turn or river this hand dealt can be dealt again from the board; the
    // spot's own cards cannot.
    readonly property bool _dealtCardChangeable: {
        if (!page || !board.editable)
            return false
        void page.playBoardText
        void page.treeLevels.count
        return page._findChanceLevel("turn") >= 0 || page._findChanceLevel("river") >= 0
    }

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    Image {
        id: picture
        objectName: "playModeTableImage"
        anchors.fill: parent
        source: Qt.resolvedUrl("../../assets/poker_table.svg")
        sourceSize: Qt.size(1600, 1000)
        asynchronous: true
        smooth: true
        mipmap: true
        fillMode: Image.PreserveAspectFit
    }

    // ---- Before a session: the three roles --------------------------------

    SecondaryButton {
        objectName: "playAsOopButton"
        visible: !stage._session
        theme: stage.theme
        text: qsTranslate("ResultsPage", "Play as OOP")
        x: Math.round(stage.paintedRect.x + (stage.paintedRect.width - width) / 2)
        y: Math.round(stage.paintedRect.y + 10)
        onClicked: stage.page.startPlaySession("OOP")
    }

    SecondaryButton {
        objectName: "playAsBothButton"
        visible: !stage._session
        theme: stage.theme
        text: qsTranslate("ResultsPage", "Play as both")
        anchors.centerIn: parent
        onClicked: stage.page.startPlaySession("BOTH")
    }

    SecondaryButton {
        objectName: "playAsIpButton"
        visible: !stage._session
        theme: stage.theme
        text: qsTranslate("ResultsPage", "Play as IP")
        x: Math.round(stage.paintedRect.x + (stage.paintedRect.width - width) / 2)
        y: Math.round(stage.paintedRect.y + stage.paintedRect.height - 10 - height)
        onClicked: stage.page.startPlaySession("IP")
    }

    // ---- A session --------------------------------------------------------------

    Item {
        id: overlay
        objectName: "playOverlay"
        anchors.fill: parent
        visible: stage._session

        Item {
            id: oopSeatPos
            objectName: "oopSeatPos"
            x: stage._anchors.oop.x
            y: stage._anchors.oop.y
        }

        Item {
            id: ipSeatPos
            objectName: "ipSeatPos"
            x: stage._anchors.ip.x
            y: stage._anchors.ip.y
        }

        BoardDisplay {
            id: board
            objectName: "playBoardDisplay"
            anchors.centerIn: parent
            width: implicitWidth
            height: implicitHeight
            theme: stage.theme
            boardText: stage.page ? stage.page.playBoardText : ""
            cardScale: 1.05 * stage.cardFit
            // Light on the felt, in either theme.
            labelColor: "#E6EDF3"
            editable: !!stage.page && Table.boardEditable(stage.page.playMode, stage._session, stage._complete,
                                                          stage.page.playDrillMode)
            clickableIndices: [3, 4]
            onCardClicked: function (index) { stage.page.practiceEngine.chooseCardFromBoard(index) }
        }

        PlayTablePill {
            id: hint
            objectName: "playBoardHint"
            visible: !stage._complete && (stage._dealtCardChangeable || (!!stage.page && stage.page.playAwaitingChanceCard))
            theme: stage.theme
            // Waiting for a card: which one to deal, and where.
            text: !stage.page || !stage.page.playAwaitingChanceCard
                  ? qsTranslate("ResultsPage", "Click Turn/River to change")
                  : (stage._playMeta.nodeType === "terminal" ? stage.page.playBoardText.length >= 8
                                                              : stage._playMeta.chanceDeal === "river")
                    ? qsTranslate("ResultsPage", "Deal the river: click its place on the board")
                    : qsTranslate("ResultsPage", "Deal the turn: click its place on the board")
            pixelSize: 11
            verticalPadding: 4
            opacity: 0.95
            // Beside the board it wraps within what the stage leaves.
            maximumWidth: stage.pillsBesideBoard ? Math.max(120, overlay.width - board.x - board.width - 14) : 0
            x: stage.pillsBesideBoard ? Math.round(board.x + board.width + 10)
                                      : Math.round(board.x + (board.width - width) / 2)
            y: stage.pillsBesideBoard ? Math.round(board.y + board.height / 2 + 2)
                                      : Math.round(board.y + board.height + 6)
        }

        PlayTablePill {
            id: potPill
            objectName: "potPill"
            // Above the seats, should IP's cards still come close.
            z: 1
            theme: stage.theme
            verticalPadding: 4
            text: qsTranslate("ResultsPage", "Pot: %1").arg(Practice.amountText("", stage._playMeta.pot))
            opacity: 0.92
            x: stage.pillsBesideBoard ? Math.round(board.x + board.width + 10)
                                      : Math.round(board.x + (board.width - width) / 2)
            y: stage.pillsBesideBoard ? Math.round(board.y + board.height / 2 - 2 - height)
                                      : Math.round(hint.y + hint.height + 4)
        }

        PlayTableSeat {
            id: oopSeat
            objectName: "oopSeatGroup"
            theme: stage.theme
            x: Math.round(oopSeatPos.x - width / 2)
            y: Math.round(oopSeatPos.y - height / 2)
            card1: stage.page ? stage.page.oopCard1 : ""
            card2: stage.page ? stage.page.oopCard2 : ""
            faceUp: !!stage.page && Table.cardsFaceUp(stage._role, "OOP", stage.page.playDrillMode, stage.page.playDrillActor)
            stackText: qsTranslate("ResultsPage", "Stack: %1").arg(Practice.amountText("", Practice.stackLeft(stage._playMeta, "OOP")))
            cardScale: stage.cardFit
        }

        PlayTableSeat {
            id: ipSeat
            objectName: "ipSeatGroup"
            theme: stage.theme
            x: Math.round(ipSeatPos.x - width / 2)
            y: Math.round(ipSeatPos.y - height / 2)
            card1: stage.page ? stage.page.ipCard1 : ""
            card2: stage.page ? stage.page.ipCard2 : ""
            faceUp: !!stage.page && Table.cardsFaceUp(stage._role, "IP", stage.page.playDrillMode, stage.page.playDrillActor)
            stackText: qsTranslate("ResultsPage", "Stack: %1").arg(Practice.amountText("", Practice.stackLeft(stage._playMeta, "IP")))
            cardScale: stage.cardFit
        }

        // IP is the dealer.
        Rectangle {
            id: dealerButton
            objectName: "dealerButton"
            width: 26
            height: 26
            radius: 13
            x: Math.round(ipSeatPos.x + 86 - width / 2)
            y: Math.round(ipSeatPos.y - height / 2)
            color: stage._tok("surface3", "#2D333B")
            border.width: 1
            border.color: stage._tok("strokeFocus", "#58A6FF")
            Text {
                anchors.centerIn: parent
                text: qsTranslate("ResultsPage", "D")
                color: stage._tok("text", "#F0F6FC")
                font.family: stage._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 12
                font.bold: true
            }
        }

        PlayTablePill {
            readonly property var _seatPos: stage.page && stage.page.playLastActionActor === "OOP" ? oopSeatPos : ipSeatPos
            objectName: "oppActionBubble"
            visible: !!stage.page && Table.showsOpponentBubble(stage._role, stage.page.playLastActionActor,
                                                               stage.page.playLastActionText)
            theme: stage.theme
            text: stage.page ? stage.page.playLastActionText : ""
            radius: 10
            color: stage._tok("surface3", "#2D333B")
            x: Math.round(_seatPos.x + 140 - width / 2)
            y: Math.round(_seatPos.y - height / 2)
        }

        PlayTablePill {
            objectName: "dealFailedPill"
            visible: !!stage.page && stage.page.playDealFailed
            theme: stage.theme
            text: qsTranslate("ResultsPage", "No hand could be dealt here: the ranges leave no cards for both players.")
            textColor: stage._tok("gold", "#F0B429")
            maximumWidth: Math.max(160, overlay.width - 40)
            x: Math.round(board.x + (board.width - width) / 2)
            y: Math.round(board.y - 12 - height)
        }

        SecondaryButton {
            objectName: "anotherHandButton"
            visible: stage._complete
            theme: stage.theme
            text: qsTranslate("ResultsPage", "Another hand")
            x: Math.round(board.x - 12 - width)
            y: Math.round(board.y + (board.height - height) / 2)
            onClicked: stage.page._resetToRootAndRestartHand()
        }

        SecondaryButton {
            objectName: "drillButton"
            visible: !stage._complete
            enabled: Table.drillAvailable(stage._playMeta)
            theme: stage.theme
            text: stage.page && stage.page.playDrillMode ? qsTranslate("ResultsPage", "Stop drill")
                                                         : qsTranslate("ResultsPage", "Drill spot")
            x: Math.round(stage.paintedRect.x + 10)
            y: Math.round(stage.paintedRect.y + stage.paintedRect.height - 10 - height)
            onClicked: {
                if (stage.page.playDrillMode)
                    stage.page.stopDrillSpot()
                else
                    stage.page.startDrillSpot()
            }
        }

        PlayTablePill {
            readonly property color _tint: stage.page && stage.page.playDrillFeedbackWrong
                                           ? stage._tok("danger", "#F85149") : stage._tok("success", "#3FB950")
            objectName: "drillFeedbackToast"
            visible: !!stage.page && stage.page.playDrillMode && stage.page.playDrillFeedbackText.length > 0
            theme: stage.theme
            text: stage.page ? stage.page.playDrillFeedbackText : ""
            textColor: _tint
            border.color: _tint
            x: Math.round(stage.paintedRect.x + 10)
            y: Math.round(stage.paintedRect.y + stage.paintedRect.height - 58 - height)
        }

        PlayTablePill {
            objectName: "drillContextBubble"
            visible: !!stage.page && stage.page.playDrillMode && stage.page.playDrillActor === "IP"
            theme: stage.theme
            pixelSize: 11
            text: {
                const p = stage.page
                const name = p && p.playDrillMode ? p._lastSelectedActionNameForActor("OOP") : ""
                return "OOP action: " + (name.length > 0 ? name : "\u2014")
            }
            x: oopSeat.x + oopSeat.width + 14
            y: Math.round(oopSeat.y + (oopSeat.height - height) / 2)
        }

        // The user's decision: one button per action of the play node,
        // beside the seat that acts.
        Flow {
            id: prompt
            readonly property bool _oop: stage._playMeta.player === "OOP"
            readonly property var _seat: _oop ? oopSeat : ipSeat
            objectName: "actionPrompt"
            visible: !!stage.page && stage.page.playAwaitingUserAction && !stage._complete
            // Within the table's right edge; beside IP's seat it starts past
            // the dealer button, which it would otherwise cover.
            width: Math.min(Table.promptWidth(overlay.width), overlay.width - x)
            spacing: 6
            x: _oop ? _seat.x + _seat.width + 14
                    : Math.max(_seat.x + _seat.width + 14, dealerButton.x + dealerButton.width + 8)
            y: Math.round(Table.promptY(_seat.y + _seat.height / 2, height, board.y, board.y + board.height,
                                        overlay.height, _oop))

            Repeater {
                model: stage.page && stage._session ? stage.page._actionListAtPlayNode() : []
                delegate: SecondaryButton {
                    required property var modelData
                    required property int index
                    objectName: "promptAction"
                    theme: stage.theme
                    text: String(modelData.name)
                    font.pixelSize: 13
                    onClicked: stage.page.practiceEngine._handleUserPlayAction(index)
                }
            }
        }
    }
}
