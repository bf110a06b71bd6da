import QtQuick
import QtTest
import Tessaval
import "qrc:/Tessaval/qml/pages/results/results_tree.js" as Tree
import "qrc:/Tessaval/qml/pages/results/results_cards.js" as Cards
import "practice_fixture.js" as Fixture

// The results page on a real result: a tiny turn spot solved through the
// controller, walked down to the river deal and past it.
TestCase {
    id: testCase
    name: "ResultsPageWithController"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Theme { id: tokens }
    Component {
        id: pageComponent
        ResultsPage {
            width: testCase.width
            height: testCase.height
            theme: tokens
            controller: appController
            boardText: "KsQd7h4c"
            random: function () { return 0.25 }
        }
    }

    function spot() {
        const s = { board: "KsQd7h4c", starting_pot: 10, effective_stack: 20, starting_street: "turn",
                    max_iterations: 20, target_exploitability: 0, thread_count: 2,
                    oop_range: "AA, KK, QQ, 77, AK, KQ, QJs", ip_range: "KK, QQ, JJ, AK, AQ, 98s" }
        for (const seat of ["oop", "ip"])
            for (const street of ["flop", "turn", "river"]) {
                s[seat + "_" + street + "_bet_sizes"] = "50"
                s[seat + "_" + street + "_raise_sizes"] = "a"
            }
        return s
    }

    function test_walkToRiver() {
        const p = createTemporaryObject(pageComponent, testCase)
        appController.startSolveWithConfig(spot())
        tryVerify(function () { return !appController.running }, 60000)
        compare(appController.statusText, "Done")

        // The root as the result left it.
        compare(p.treeLevels.count, 1)
        compare(p.currentMeta.nodeType, "decision")
        compare(p.selectedPlayer, "OOP")
        compare(findChild(p, "evOopStat").value,
                (appController.resultEvOop + appController.resultStartingPot / 2).toFixed(3))
        const rootActions = p.currentActions
        verify(rootActions.length >= 2)
        verify(rootActions.every(function (a) { return isFinite(a.ev) }))
        // The engine's bets ("bet 50%") take the page's bet colours.
        verify(rootActions.some(function (a) { return a.name === "Bet 50%" }))
        verify(rootActions.every(function (a) { return a.name.indexOf("Bet ") === 0 === (a.color !== undefined) }))
        tryCompare(p, "_handCombosLoading", false)
        verify(p.currentHandCombos.length > 0)
        verify(p.currentHandBuckets.length > 0)

        // Check, check: the river deal.
        const check = rootActions.findIndex(function (a) { return a.actionType === "check" })
        p.selectActionAtLevel(0, check)
        compare(p.selectedPlayer, "IP")
        p.selectActionAtLevel(1, p.currentActions.findIndex(function (a) { return a.actionType === "check" }))
        compare(p.currentMeta.nodeType, "chance")
        compare(p.currentMeta.chanceDeal, "river")
        compare(p.currentActions.map(function (a) { return a.name }), ["Random river card"])

        // Every suit is on the board: each listed card is offered as it is.
        p.openChancePicker(2, p.currentNodeIndex)
        compare(p.chancePickerTitle, "Choose River Card")
        const cards = p._actionsForNode(p.currentNodeIndex).map(function (a) { return a.name })
        compare(p.chancePickerAvailableCardIndices.length, cards.length)
        compare(p._chanceCardIndexForSelection("Ks"), -1)
        // "Random" draws a real card, each live card alike.
        const live = Tree.liveChanceCards(p.chancePickerIndexByCard, p.chancePickerBoardText)
        compare(live.length, 48)
        const picked = live[Math.floor(0.25 * live.length)].card
        p.chooseChanceCardRandom()
        compare(p.treeBoardText, "KsQd7h4c" + picked)
        compare(p.currentMeta.nodeType, "decision")
        compare(p.selectedPlayer, "OOP")

        // The river decision shows its hands with one EV line per action.
        tryCompare(p, "_handCombosLoading", false)
        verify(p.visibleHandCombos.length > 0)
        const defs = p._loadedHandActionDefs
        compare(defs.length, p.currentActions.length)
        compare(p.visibleHandCombos[0].actionEvs.length, defs.length)
        p.handSearchText = p.visibleHandCombos[0].c1 + p.visibleHandCombos[0].c2
        compare(p.visibleHandCombos.length, 1)
    }

    // On a paired board the solver folds spades onto hearts, suits that are
    // on the board: every live card can still be picked, a spade deals as the
    // heart of its rank, "Random" draws every suit, and a picked spade is
    // shown with the hands in its suits.
    function test_pairedBoardDealsEveryLiveCard() {
        const s = spot()
        s.board = "AsAh7d2c"
        const p = createTemporaryObject(pageComponent, testCase, { boardText: "AsAh7d2c" })
        appController.startSolveWithConfig(s)
        tryVerify(function () { return !appController.running }, 60000)
        compare(appController.statusText, "Done")
        const pick = function (type) { return p.currentActions.findIndex(function (a) { return a.actionType === type }) }
        p.selectActionAtLevel(0, pick("check"))
        p.selectActionAtLevel(1, pick("check"))
        compare(p.currentMeta.chanceDeal, "river")
        const listed = p._actionsForNode(p.currentNodeIndex).map(function (a) { return a.name })
        verify(listed.length < 48 && listed.indexOf("Ks") < 0, "the solver folds the spades")
        p.openChancePicker(2, p.currentNodeIndex)
        const live = Tree.liveChanceCards(p.chancePickerIndexByCard, p.chancePickerBoardText)
        compare(live.length, 48)
        compare(p._chanceCardIndexForSelection("Ks"), p._chanceCardIndexForSelection("Kh"))
        compare(p._chanceCardIndexForSelection("As"), -1)
        const suits = { s: 0, h: 0, d: 0, c: 0 }
        const u = Fixture.seeded(17)
        for (let i = 0; i < 400; ++i)
            suits[Tree.drawLiveCard(live, u()).card.charAt(1)] += 1
        for (const suit in suits)
            verify(suits[suit] > 60, JSON.stringify(suits))
        mouseClick(findChild(p.chancePicker.contentItem, "chanceCard_Ks"))
        compare(p.treeBoardText, "AsAh7d2cKs")
        tryCompare(p, "_handCombosLoading", false)
        verify(p.visibleHandCombos.length > 0)
        verify(p.visibleHandCombos.every(function (r) { return r.c1 !== "Ks" && r.c2 !== "Ks" }), "no row holds the river")
    }

    // On a two-suited turn the solver deals clubs for diamonds: a river shown
    // as a diamond it lists as a club turns every hand the page writes into
    // the shown suits, so a search for a shown hand finds it, no row holds
    // the shown river, and a row shows its own hand's EVs.
    function test_handsInTheShownSuits() {
        const s = spot()
        s.board = "KsQs7h4h"
        s.oop_range = "99, 88, AK, KQ"
        s.ip_range = "TT, 99, AQ"
        const p = createTemporaryObject(pageComponent, testCase, { boardText: "KsQs7h4h" })
        appController.startSolveWithConfig(s)
        tryVerify(function () { return !appController.running }, 60000)
        compare(appController.statusText, "Done")
        const pick = function (type) { return p.currentActions.findIndex(function (a) { return a.actionType === type }) }
        p.selectActionAtLevel(0, pick("check"))
        p.selectActionAtLevel(1, pick("check"))
        compare(p.currentMeta.chanceDeal, "river")
        const listed = p._actionsForNode(p.currentNodeIndex).map(function (a) { return a.name })
        const solverCard = listed.indexOf("9c") >= 0 ? "9c" : "9d"
        const shownCard = solverCard === "9c" ? "9d" : "9c"
        verify(listed.indexOf(shownCard) < 0, "one card of the class is listed")
        p.openChancePicker(2, p.currentNodeIndex)
        p.chooseChanceCard(p._chanceCardIndexForSelection(shownCard), shownCard)
        compare(p.treeBoardText, "KsQs7h4h" + shownCard)
        tryCompare(p, "_handCombosLoading", false)
        const rows = p.visibleHandCombos
        verify(rows.length > 0)
        verify(rows.every(function (r) { return r.c1 !== shownCard && r.c2 !== shownCard }), "no listed row holds the river")
        // The shown live 9x9h is the solver's 9y9h.
        const liveShown = solverCard + "9h"
        p.handSearchText = liveShown
        compare(p.visibleHandCombos.length, 1)
        const engineRows = appController.nodeHandCombos(p.currentNodeIndex)
        const engine = engineRows.find(function (r) {
            return (r.c1 + r.c2 === shownCard + "9h") || (r.c1 + r.c2 === "9h" + shownCard)
        })
        verify(engine, "the solver names it " + shownCard + "9h")
        compare(p.visibleHandCombos[0].actionEvs, engine.actionEvs)
        p.handSearchText = ""
    }

    // On a monotone flop the solver folds the three other suits. A turn
    // shown in another suit than the one it lists, then a river shown in a
    // suit that turn moved: every hand the solver weighs is listed in the
    // shown suits, and no listed hand holds a card of the board (nor do
    // those a later card blocks, which the solver keeps at weight 0).
    function test_monotoneFlopListsHandsInTheShownSuits() {
        const s = spot()
        s.board = "Ks9s5s"
        s.starting_street = "flop"
        s.max_iterations = 10
        s.oop_range = "AA, 44, 33, QJ"
        s.ip_range = "KK, 43s, JT"
        const p = createTemporaryObject(pageComponent, testCase, { boardText: "Ks9s5s" })
        appController.startSolveWithConfig(s)
        tryVerify(function () { return !appController.running }, 60000)
        compare(appController.statusText, "Done")
        const pick = function (type) { return p.currentActions.findIndex(function (a) { return a.actionType === type }) }
        const listed = function () { return p._actionsForNode(p.currentNodeIndex).map(function (a) { return a.name }) }
        // `card` is shown where the solver deals `solverCard`.
        const dealShown = function (level, card, solverCard) {
            p.selectActionAtLevel(level - 2, pick("check"))
            p.selectActionAtLevel(level - 1, pick("check"))
            const cards = listed()
            p.openChancePicker(level, p.currentNodeIndex)
            mouseClick(findChild(p.chancePicker.contentItem, "chanceCard_" + card))
            compare(cards[p.treeLevels.get(level).selectedActionIndex], solverCard)
            tryCompare(p, "_handCombosLoading", false)
            const board = Cards.boardCards(p.treeBoardText)
            const rows = p.currentHandCombos
            verify(rows.every(function (r) { return board.indexOf(r.c1) < 0 && board.indexOf(r.c2) < 0 }),
                   "a listed hand holds a card of " + p.treeBoardText)
            const weighed = function (list) { return list.filter(function (r) { return r.weight > 0 }).length }
            compare(weighed(rows), weighed(appController.nodeHandCombos(p.currentNodeIndex)))
        }
        dealShown(2, "3h", "3c")
        // The shown 4c is the solver's 4h (hearts are shown as clubs).
        dealShown(5, "4c", "4d")
        compare(p.treeBoardText, "Ks9s5s3h4c")
    }
}
