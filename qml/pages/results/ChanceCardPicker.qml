// The chance-card picker: the 52 cards in four suit rows, those offered
// for the pending chance level available, a "Random" choice and a close
// button. It keeps its state on the page (chancePicker* properties) and
// carries out the page's openChancePicker, chooseChanceCard and
// chooseChanceCardRandom.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "results_cards.js" as Cards
import "results_tree.js" as Tree

Popup {
    id: picker

    property var page
    property var theme

    readonly property int _contentWidth: 22 + 6 + 13 * 32 + 12 * 3
    readonly property real _maxW: Math.max(240, Math.min(640, (page ? page.width : 0) - 40))
    readonly property real _maxH: Math.max(240, Math.min(520, (page ? page.height : 0) - 40))

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    // The level of a deal the tree does not hold: the turn or river of an
    // all-in runout, dealt by the practice hand itself.
    readonly property int freeDealLevel: -2

    // Offers the cards of the chance node of level `levelIndex` and opens.
    function prepareAndOpen(levelIndex, nodeIndex) {
        const p = page
        _show(Tree.chancePickerSetup(p._levelsArray(), levelIndex, nodeIndex, p._tree,
                                     p.chanceCardDisplayOverrideByNode, p.boardText,
                                     p.practiceEngine.blockedChanceCards(), _classesOf(nodeIndex)),
              levelIndex)
    }

    // Offers every card on neither the board nor the user's hand, for the
    // practice hand's runout.
    function prepareFreeDealAndOpen(boardText) {
        _show(Tree.freeDealSetup(boardText, page.practiceEngine.blockedChanceCards()), freeDealLevel)
    }

    // Why the last card clicked was not dealt; empty when it was.
    property string refusal: ""

    function _show(s, levelIndex) {
        const p = page
        refusal = ""
        p.chancePickerTitle = s.title
        p.chancePickerActions = s.actions
        p.chancePickerBoardText = s.boardText
        p.chancePickerIndexByCard = s.indexByCard
        p.chancePickerAvailableCardIndices = s.available
        p.chancePickerLevelIndex = levelIndex
        open()
    }

    // The solver's class of every live card at the node, or null (a result
    // opened from a file holds none: the page's own rule stands in).
    function _classesOf(nodeIndex) {
        const c = page.controller
        if (!c || typeof c.nodeChanceCardClasses !== "function")
            return null
        const r = c.nodeChanceCardClasses(nodeIndex)
        return r && r.ok && r.classes ? r.classes : null
    }

    // Takes action `actionIndex` at the pending level, remembering the card
    // as the user saw it; in a practice hand, the hand goes on from there.
    function choose(actionIndex, displayCardText) {
        const p = page
        const level = p.chancePickerLevelIndex
        if (level === -1)
            return
        const levels = p._levelsArray()
        const row = levels[level]
        const wasLastLevel = level === levels.length - 1
        let shown = displayCardText === undefined || displayCardText === null ? "" : String(displayCardText)
        if (shown.length !== 2 && level !== freeDealLevel) {
            const a = Tree.actionAt(p.chancePickerActions, actionIndex)
            shown = a ? String(a.name) : ""
        }
        const inPlay = p.playMode && p.playSessionStarted
        // In a hand, a card the opponent holds deals it another hand; the
        // card is refused when none is left.
        const hand = inPlay ? p.practiceEngine.opponentHandAround(shown, level) : null
        if (inPlay && !hand) {
            refusal = qsTranslate("ResultsPage",
                                  "%1 cannot be dealt: the opponent holds it in every hand that gets here. Choose another card.")
                      .arg(Cards.normalizeCardText(shown))
            return
        }
        if (level === freeDealLevel) {
            p.practiceEngine.runoutCardChosen(shown, hand)
            close()
            return
        }
        if (row && shown.length === 2) {
            const overrides = Object.assign({}, p.chanceCardDisplayOverrideByNode)
            overrides[String(row.nodeIndex)] = shown
            p.chanceCardDisplayOverrideByNode = overrides
        }
        if (inPlay) {
            p.playTickTimer.stop()
            p.playAwaitingUserAction = false
            p._jumpToLevelForReselect(level)
            p._rebuildPlayBoardFromTree()
        }
        p.selectActionAtLevel(level, actionIndex)
        close()
        p.chancePickerLevelIndex = -1
        p.chancePickerActions = []
        if (inPlay) {
            const a = Tree.actionAt(p._actionsForNode(row ? row.nodeIndex : -1), actionIndex)
            if (a)
                p.practiceEngine.chanceCardChosen(levels, level, wasLastLevel, Cards.normalizeCardText(
                    Tree.shownChanceCard(p.chanceCardDisplayOverrideByNode, row.nodeIndex, a.name)), hand)
            p._rebuildPlayBoardFromTree()
            // The hand goes on at the card's node, also when that node ends
            // the hand (the tree view stays at the deal then).
            const child = a ? Number(a.childIndex) : NaN
            p.playNodeIndex = isFinite(child) && child >= 0 ? child : p.currentNodeIndex
            p._schedulePlayTick(0)
        }
    }

    // One real card, each live card equally likely, shown in its own suit
    // and dealt as the solver's card of its class.
    // In a practice hand the opponent's cards, offered so as not to give
    // them away, are not drawn.
    function chooseRandom() {
        const p = page
        const pick = Tree.drawLiveCard(Tree.liveChanceCards(p.chancePickerIndexByCard, p.chancePickerBoardText,
                                                            p.practiceEngine.opponentCards()),
                                       p.random())
        if (pick)
            choose(pick.index, pick.card)
    }

    parent: page
    modal: true
    focus: true
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    padding: 14
    width: Math.min(_maxW, _contentWidth + 2 * 14 + 28)
    height: Math.min(_maxH, column.implicitHeight + 2 * 14)
    x: page ? Math.round((page.width - width) / 2) : 0
    y: page ? Math.round((page.height - height) / 2) : 0

    // A close without a pick leaves nothing pending.
    onClosed: if (page) page.chancePickerLevelIndex = -1

    background: Rectangle {
        radius: picker._tok("radiusSm", 8)
        color: picker._tok("surface", "#1C2128")
        border.width: 1
        border.color: picker._tok("stroke", "#30363D")
    }

    contentItem: ColumnLayout {
        id: column
        spacing: 10

        RowLayout {
            id: headerRow
            Layout.fillWidth: true
            spacing: 10
            Text {
                objectName: "chancePickerTitle"
                text: picker.page ? picker.page.chancePickerTitle : ""
                color: picker._tok("text", "#F0F6FC")
                font.family: picker._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 14
                font.bold: true
            }
            Item { Layout.fillWidth: true }
            SecondaryButton {
                objectName: "chanceRandomButton"
                theme: picker.theme
                text: qsTranslate("ResultsPage", "Random")
                Layout.preferredWidth: 90
                onClicked: picker.page.chooseChanceCardRandom()
            }
            SecondaryButton {
                objectName: "chanceCloseButton"
                theme: picker.theme
                text: "\u2715"
                Layout.preferredWidth: 28
                Layout.preferredHeight: 28
                padding: 0
                onClicked: picker.close()
            }
        }

        Text {
            objectName: "chancePickerRefusal"
            visible: picker.refusal.length > 0
            text: picker.refusal
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            color: picker._tok("gold", "#F0B429")
            font.family: picker._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
        }

        Flickable {
            id: body
            objectName: "chancePickerBody"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(contentHeight,
                                             Math.max(120, picker._maxH - headerRow.implicitHeight - 2 * 14 - 20))
            clip: true
            contentWidth: grid.width
            contentHeight: grid.height + 8
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
            ScrollBar.horizontal: ScrollBar { policy: ScrollBar.AsNeeded }

            Column {
                id: grid
                width: Math.max(picker._contentWidth + 10, body.width)
                spacing: 10

                Repeater {
                    model: Cards.SUIT_ORDER
                    delegate: Row {
                        id: suitRow
                        required property string modelData
                        spacing: 6

                        Rectangle {
                            width: 22
                            height: 22
                            radius: 6
                            anchors.verticalCenter: parent.verticalCenter
                            color: picker._tok("surface2", "#21262D")
                            border.width: 1
                            border.color: picker._tok("stroke", "#30363D")
                            Text {
                                anchors.centerIn: parent
                                text: Cards.suitSymbol(suitRow.modelData)
                                font.pixelSize: 14
                                font.bold: true
                                color: !picker.theme ? "#F0F6FC"
                                       : suitRow.modelData === "s" && picker.theme.dark ? picker.theme.text
                                       : picker.theme.suitColor(suitRow.modelData)
                            }
                        }

                        Row {
                            spacing: 3
                            Repeater {
                                model: Cards.RANK_ORDER
                                delegate: Item {
                                    id: cell
                                    required property string modelData
                                    readonly property string card: modelData + suitRow.modelData
                                    // Follows what an opening offers; a closed
                                    // picker's cells are left as they were.
                                    readonly property int actionIndex: picker.page
                                                                       ? picker.page._chanceCardIndexForSelection(card) : -1
                                    objectName: "chanceCard_" + card
                                    width: 32
                                    height: 44
                                    PlayingCard {
                                        anchors.fill: parent
                                        theme: picker.theme
                                        mini: true
                                        rank: cell.modelData
                                        suit: suitRow.modelData
                                        disabled: cell.actionIndex < 0
                                        hoverable: cell.actionIndex >= 0
                                        enableHoverScale: false
                                        onClicked: {
                                            if (cell.actionIndex >= 0)
                                                picker.page.chooseChanceCard(cell.actionIndex, cell.card)
                                        }
                                    }
                                }
                            }
                        }
                        Item { width: 10; height: 1 }
                    }
                }
            }
        }
    }
}
