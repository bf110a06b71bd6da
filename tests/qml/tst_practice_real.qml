import QtQuick
import QtTest
import Tessaval
import "practice_fixture.js" as Fixture

// Practice hands on real results: a river spot and a turn spot solved
// through the controller, hands played to their end, logged and counted in
// the controller's practice statistics.
TestCase {
    id: testCase
    name: "PracticeWithController"
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
            playStepDelayMs: 0
            playMode: true
        }
    }

    function solve(board, street, stack, iterations, ranges) {
        const s = { board: board, starting_pot: 10, effective_stack: stack || 20, starting_street: street,
                    max_iterations: iterations || 25, target_exploitability: 0, thread_count: 2,
                    oop_range: ranges ? ranges[0] : "AA, KK, QQ, 77, AK, KQ, QJs, 98s",
                    ip_range: ranges ? ranges[1] : "KK, QQ, JJ, AK, AQ, 98s, 65s" }
        for (const seat of ["oop", "ip"])
            for (const st of ["flop", "turn", "river"]) {
                s[seat + "_" + st + "_bet_sizes"] = "50"
                s[seat + "_" + st + "_raise_sizes"] = "a"
            }
        appController.startSolveWithConfig(s)
        tryVerify(function () { return !appController.running }, 120000)
        compare(appController.statusText, "Done")
    }

    function runSteps(p) {
        for (let i = 0; i < 100 && p.playTickTimer.running; ++i) {
            p.playTickTimer.stop()
            p.playTick()
        }
        verify(p.playAwaitingUserAction || p.playAwaitingChanceCard || p.playHandComplete,
               "stuck at node " + p.playNodeIndex)
    }

    function noCardTwice(p) {
        const cards = [p.oopCard1, p.oopCard2, p.ipCard1, p.ipCard2]
        for (let i = 0; i + 1 < p.playBoardText.length; i += 2)
            cards.push(p.playBoardText.substr(i, 2))
        compare(new Set(cards).size, cards.length, cards.join(" "))
        verify(cards.every(function (c) { return c.length === 2 }), cards.join(" "))
    }

    // Plays hands as both seats; `choose` picks the action at each decision.
    function playHands(p, count, choose) {
        for (let hand = 0; hand < count; ++hand) {
            if (hand > 0)
                p._resetToRootAndRestartHand()
            runSteps(p)
            while (!p.playHandComplete) {
                noCardTwice(p)
                p.practiceEngine._handleUserPlayAction(choose(p))
                runSteps(p)
            }
            noCardTwice(p)
        }
    }

    function bestAction(p) {
        const node = p.playNodeIndex
        const info = p._suboptimalEvInfoAtNode(node, p._metaForNode(node).player, 0)
        verify(info.ok)
        return info.bestIndex
    }

    // Checks and calls: every hand goes to showdown.
    function passiveAction(p) {
        const kinds = p._actionListAtPlayNode().map(function (a) { return String(a.actionType).split(" ")[0] })
        const i = kinds.indexOf("check")
        return i >= 0 ? i : kinds.indexOf("call")
    }

    function test_riverSpot() {
        solve("KsQd7h4c2s", "river")
        const before = appController.playVsSolutionStats()
        const p = createTemporaryObject(pageComponent, testCase, { boardText: "KsQd7h4c2s", random: Fixture.seeded(11) })
        p.startPlaySession("BOTH")
        playHands(p, 10, bestAction)
        for (let i = 0; i < 10; ++i) {
            const e = p.playHandLog.get(i)
            compare(e.isMistake, false, e.line)
            verify(e.line.length > 0 && e.oop.length === 4 && e.ip.length === 4)
            p.selectPlayLog(i)
            compare(p.playSelectedDetails.riverActions.length, e.line.split(" \u2192 ").length)
        }

        p.playStopOnSuboptimalAction = false
        p._resetToRootAndRestartHand()
        playHands(p, 6, passiveAction)
        compare(p.playHandLog.count, 16)
        for (let i = 0; i < 6; ++i) {
            const e = p.playHandLog.get(i)
            compare(e.line.indexOf("Fold"), -1)
            p.selectPlayLog(i)
            const d = p.playSelectedDetails
            const winner = appController.showdownWinner(e.board, e.oop, e.ip).winner
            verify(["OOP", "IP", "TIE"].indexOf(winner) >= 0, winner)
            compare(d.winner, winner)
            compare(d.wonAmount, winner === "TIE" ? 0 : e.pot - (winner === "OOP" ? e.investedOop : e.investedIp))
        }
        const after = appController.playVsSolutionStats()
        compare([after.totalHands - before.totalHands, after.totalMistakes - before.totalMistakes], [16, 0])

        // A drill at the root answers and logs nothing.
        p._resetToRootAndRestartHand()
        runSteps(p)
        p.startDrillSpot()
        for (let i = 0; i < 5; ++i) {
            p.practiceEngine._handleUserPlayAction(0)
            verify(p.playDrillFeedbackText === "Correct" || p.playDrillFeedbackText.indexOf("Wrong") === 0)
            p.practiceEngine._dealDrillHand()
            p.playAwaitingUserAction = true
            noCardTwice(p)
        }
        p.stopDrillSpot()
        compare(appController.playVsSolutionStats().totalHands, after.totalHands)

        // A drill below the root deals only hands that can be there: OOP,
        // facing a bet after checking, gets no hand it never checks.
        p._resetToRootAndRestartHand()
        runSteps(p)
        p.practiceEngine._handleUserPlayAction(passiveAction(p))   // OOP checks
        runSteps(p)
        const bet = p._actionListAtPlayNode().findIndex(function (a) { return String(a.actionType).indexOf("bet") === 0 })
        verify(bet >= 0)
        p.practiceEngine._handleUserPlayAction(bet)                // IP bets: OOP's decision
        runSteps(p)
        p.startDrillSpot()
        const node = p.playDrillNodeIndex
        compare(p.playDrillActor, "OOP")
        const reach = {}
        for (const r of appController.nodeHandCombos(node))
            reach[r.c1 + r.c2] = reach[r.c2 + r.c1] = r.weight
        verify(Object.keys(reach).some(function (k) { return !(reach[k] > 0) }), "some hands never get here")
        for (let i = 0; i < 40; ++i) {
            p.practiceEngine._dealDrillHand()
            verify(reach[p.oopCard1 + p.oopCard2] > 0, p.oopCard1 + p.oopCard2)
        }
        p.stopDrillSpot()
    }

    // The shown buttons of the action prompt.
    function promptButtons(p) {
        waitForRendering(p)
        const out = []
        const walk = function (node) {
            for (let i = 0; i < node.children.length; ++i) {
                const kid = node.children[i]
                if (!kid.visible)
                    continue
                if (kid.objectName === "promptAction")
                    out.push(kid)
                walk(kid)
            }
        }
        walk(p)
        return out
    }

    function clickAction(p, prefix) {
        const button = promptButtons(p).find(function (b) { return b.text.indexOf(prefix) === 0 })
        verify(button, prefix + " among " + promptButtons(p).map(function (b) { return b.text }))
        mouseClick(button)
        runSteps(p)
    }

    // The opponent plays its own hand: facing a river bet, every action it
    // takes is one its hand plays; most hands never take some action.
    function test_opponentPlaysItsOwnCards() {
        solve("KsQd7h4c2s", "river", 20, 300)
        const p = createTemporaryObject(pageComponent, testCase, { boardText: "KsQd7h4c2s", random: Fixture.seeded(3) })
        p.playStopOnSuboptimalAction = false
        p.startPlaySession("OOP")
        const facing = appController.nodeActions(0).find(function (a) { return a.name.indexOf("Bet") === 0 }).childIndex
        const names = appController.nodeActions(facing).map(function (a) { return a.name })
        const strategy = {}
        for (const row of appController.nodeHandCombos(facing))
            strategy[row.c1 + row.c2] = strategy[row.c2 + row.c1] = row.actionProbs
        let pure = 0
        for (let hand = 0; hand < 30; ++hand) {
            if (hand > 0)
                p._resetToRootAndRestartHand()
            runSteps(p)
            clickAction(p, "Bet")
            const steps = p.playActionLine.split(" \u2192 ")
            verify(steps.length >= 2 && steps[1].indexOf("IP: ") === 0, p.playActionLine)
            const probs = strategy[p.ipCard1 + p.ipCard2]
            verify(probs, p.ipCard1 + p.ipCard2)
            const taken = names.indexOf(steps[1].substr(4))
            verify(probs[taken] > 0, p.ipCard1 + p.ipCard2 + " " + steps[1] + " " + JSON.stringify(probs))
            if (probs.some(function (x) { return x < 1e-4 }))
                pure += 1
        }
        verify(pure >= 15, "hands that never take some action: " + pure)
    }

    // An all-in on the turn is dealt out from the table's board, any card but
    // the user's (the opponent's too, which deals it another hand), to a
    // showdown with a winner and the amounts.
    function test_turnAllInIsDealtOutAndTheRiverShowsNothing() {
        solve("KsQd7h4c", "turn", 5)
        const p = createTemporaryObject(pageComponent, testCase, { boardText: "KsQd7h4c", random: Fixture.seeded(9) })
        p.playStopOnSuboptimalAction = false
        p.startPlaySession("OOP")
        let shown = 0
        for (let hand = 0; hand < 12 && shown < 3; ++hand) {
            if (hand > 0)
                p._resetToRootAndRestartHand()
            runSteps(p)
            clickAction(p, "All-In")
            if (p.playHandComplete)
                continue  // IP folded
            verify(p.playAwaitingChanceCard, p.playActionLine)
            compare(p.playBoardText.length, 8)
            p.practiceEngine.chooseCardFromBoard(4)
            tryCompare(p.chancePicker, "opened", true)
            compare(p._chanceCardIndexForSelection(p.oopCard1), -1)
            verify(p._chanceCardIndexForSelection(p.ipCard1) >= 0, "the opponent's card is offered")
            const card = p.ipCard1
            const cell = findChild(p.chancePicker.contentItem, "chanceCard_" + card)
            mouseClick(cell)
            tryCompare(p, "playHandComplete", true)
            compare(p.playBoardText, "KsQd7h4c" + card)
            noCardTwice(p)
            const d = p.playSelectedDetails
            verify(["OOP", "IP", "TIE"].indexOf(d.winner) >= 0, d.winner)
            compare(d.winner, appController.showdownWinner(p.playBoardText, p.oopCard1 + p.oopCard2,
                                                           p.ipCard1 + p.ipCard2).winner)
            verify(isFinite(d.wonAmount))
            shown += 1
        }
        verify(shown > 0, "IP never called the all-in")

        // Checked through to the river, the picker greys only the user's
        // cards and the board; the opponent's card, once chosen, is dealt
        // and the opponent holds another hand that gets here.
        let dealt = false
        for (let hand = 0; hand < 12 && !dealt; ++hand) {
            p._resetToRootAndRestartHand()
            runSteps(p)
            clickAction(p, "Check")
            if (!p.playAwaitingChanceCard || p._metaForNode(p.playNodeIndex).nodeType !== "chance")
                continue  // IP went all in
            const chance = p.playNodeIndex
            p.practiceEngine.chooseCardFromBoard(4)
            tryCompare(p.chancePicker, "opened", true)
            compare([p._chanceCardIndexForSelection(p.oopCard1), p._chanceCardIndexForSelection(p.oopCard2)], [-1, -1])
            const card = p.ipCard2
            verify(p._chanceCardIndexForSelection(card) >= 0, "the opponent's card is offered")
            mouseClick(findChild(p.chancePicker.contentItem, "chanceCard_" + card))
            tryCompare(p.chancePicker, "visible", false)
            compare(p.playBoardText, "KsQd7h4c" + card)
            noCardTwice(p)
            const reach = appController.nodeSeatHandCombos(chance, "IP").find(function (r) {
                return (r.c1 + r.c2 === p.ipCard1 + p.ipCard2) || (r.c2 + r.c1 === p.ipCard1 + p.ipCard2)
            })
            verify(reach && reach.weight > 0, p.ipCard1 + p.ipCard2)
            dealt = true
        }
        verify(dealt, "IP never checked back")
    }

    // On a two-suited turn the hand waits at the river until the user deals
    // it; "Random" deals every real card alike, so the two suits the solver
    // folds into one come as often as each other, and no card comes twice.
    function test_turnSpotWaitsAndDealsFairly() {
        solve("KsQs7h4h", "turn")
        const p = createTemporaryObject(pageComponent, testCase,
                                        { boardText: "KsQs7h4h", random: Fixture.seeded(5) })
        p.playStopOnSuboptimalAction = false
        p.startPlaySession("BOTH")
        const suits = { s: 0, h: 0, d: 0, c: 0 }
        let rivers = 0
        for (let hand = 0; hand < 120; ++hand) {
            if (hand > 0)
                p._resetToRootAndRestartHand()
            runSteps(p)
            while (!p.playHandComplete) {
                noCardTwice(p)
                if (p.playAwaitingChanceCard) {
                    p.playTick()
                    compare(p.playBoardText.length, 8, "the river waits for the user")
                    p.practiceEngine.chooseCardFromBoard(4)
                    p.chooseChanceCardRandom()
                    suits[p.playBoardText.charAt(9)] += 1
                    rivers += 1
                } else {
                    p.practiceEngine._handleUserPlayAction(passiveAction(p))
                }
                runSteps(p)
            }
            noCardTwice(p)
        }
        compare(rivers, 120)
        // 11 live spades and hearts and 13 diamonds and clubs, less the hands' cards.
        for (const suit of ["d", "c"])
            verify(suits[suit] > 0.17 * rivers && suits[suit] < 0.43 * rivers, JSON.stringify(suits))
        const flushing = (suits.s + suits.h) / rivers
        verify(flushing > 0.33 && flushing < 0.62, JSON.stringify(suits))
    }

    // Aces against two hands that both hold the ace of hearts: half of
    // OOP's aces leave IP nothing, so the seats are dealt as a pair.
    readonly property var acesAgainstAceHigh: ["AA", "AhQh, AhJh"]

    function clickItem(p, name) {
        waitForRendering(p)
        const found = findChild(p, name)
        verify(found && found.visible, name)
        mouseClick(found)
    }

    // Deals the turn (3) or river (4) from the table's board: the picker
    // opens with `title`; the ace of hearts, which the opponent holds in
    // every hand that gets here, is refused with the reason and changes
    // nothing; `card` is dealt.
    function dealRefusingAh(p, slot, title, card) {
        const board = p.playBoardText
        const ip = p.ipCard1 + p.ipCard2
        verify(ip.indexOf("Ah") >= 0, ip)
        mouseClick(findChild(findChild(p, "playBoardDisplay"), "slot" + slot))
        tryCompare(p.chancePicker, "opened", true)
        compare(findChild(p.chancePicker.contentItem, "chancePickerTitle").text, title)
        mouseClick(findChild(p.chancePicker.contentItem, "chanceCard_Ah"))
        const line = findChild(p.chancePicker.contentItem, "chancePickerRefusal")
        verify(line.visible)
        compare(line.text, "Ah cannot be dealt: the opponent holds it in every hand that gets here. Choose another card.")
        compare([p.chancePicker.visible, p.playBoardText, p.ipCard1 + p.ipCard2], [true, board, ip])
        mouseClick(findChild(p.chancePicker.contentItem, "chanceCard_" + card))
        tryCompare(p.chancePicker, "visible", false)
        compare(p.playBoardText, board + card)
        noCardTwice(p)
    }

    function badge(p) {
        return findChild(p, "playerBadgeText").text
    }

    // The seats are dealt on every try. Checked to the river, the ace of
    // hearts is refused there and another card is dealt.
    function test_narrowSpotDealsAndRefusesAHeldCard() {
        solve("Kh9d4c8c", "turn", 20, 25, acesAgainstAceHigh)
        const p = createTemporaryObject(pageComponent, testCase, { boardText: "Kh9d4c8c", random: Fixture.seeded(4) })
        clickItem(p, "playAsOopButton")
        for (let hand = 0; hand < 30; ++hand) {
            if (hand > 0)
                p._resetToRootAndRestartHand()
            verify(!p.playDealFailed, "hand " + hand)
            noCardTwice(p)
        }
        runSteps(p)
        clickAction(p, "Check")
        // IP checks behind with both hands.
        verify(p.playAwaitingChanceCard, p.playActionLine)
        dealRefusingAh(p, 4, "Choose River Card", "2s")
        runSteps(p)
        verify(p.playAwaitingUserAction)
    }

    // A flop all-in is dealt out card by card: the table waits for a card
    // to deal, the turn's picker is the turn's, the ace of hearts that IP
    // holds is refused at both cards, and the hand is over at the showdown.
    // A mistake ends the hand too.
    function test_flopAllInRunoutAndMistake() {
        solve("Kh9h4c", "flop", 1, 25, acesAgainstAceHigh)
        const p = createTemporaryObject(pageComponent, testCase, { boardText: "Kh9h4c", random: Fixture.seeded(6) })
        clickItem(p, "playAsOopButton")
        runSteps(p)
        compare(badge(p), "OOP to act")
        clickAction(p, "All-In")
        // IP calls with both hands.
        verify(p.playAwaitingChanceCard, p.playActionLine)
        compare(badge(p), "Card to deal")
        dealRefusingAh(p, 3, "Choose Turn Card", "2s")
        runSteps(p)
        compare(badge(p), "Card to deal")
        dealRefusingAh(p, 4, "Choose River Card", "3s")
        runSteps(p)
        verify(p.playHandComplete)
        compare(badge(p), "Hand over")

        // Check, IP shoves, and OOP folds its aces.
        clickItem(p, "anotherHandButton")
        runSteps(p)
        clickAction(p, "Check")
        compare(badge(p), "OOP to act")
        clickAction(p, "Fold")
        verify(p.playHandComplete)
        verify(p.playHandLog.get(0).isMistake)
        compare(badge(p), "Hand over")
    }
}
