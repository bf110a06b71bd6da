import QtQuick
import QtTest
import Tessaval
import TestSupport
import "practice_fixture.js" as Fixture

// The practice mode against a fake controller: dealing, the opponent, the
// judging of the user's decisions, chance cards, the end of a hand and its
// log entry, the drill, and the statistics report.
TestCase {
    id: testCase
    name: "PracticeEngine"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Theme { id: tokens }
    FakeController { id: fake }

    Component {
        id: pageComponent
        ResultsPage {
            width: testCase.width
            height: testCase.height
            theme: tokens
            controller: fake
            boardText: Fixture.BOARD
            playStepDelayMs: 0
        }
    }

    function init() {
        fake.tree = Fixture.tree()
        fake.resultIterations = 100
        fake.showdownAnswer = "UNKNOWN"
        fake.clearCalls()
    }

    // A page in the play view with a session in `role`; every random
    // choice answers `random`.
    function session(role, random, tree) {
        if (tree)
            fake.tree = tree
        const p = createTemporaryObject(pageComponent, testCase, { random: random, playMode: true })
        p.startPlaySession(role)
        return p
    }

    // Runs the pending steps at once until the hand waits for the user (a
    // decision or a card to deal) or has ended.
    function waitForUser(p) {
        for (let i = 0; i < 100 && p.playTickTimer.running; ++i) {
            p.playTickTimer.stop()
            p.playTick()
        }
        verify(p.playAwaitingUserAction || p.playAwaitingChanceCard || p.playHandComplete,
               "the hand is stuck at node " + p.playNodeIndex)
    }

    // The card the hand waits for, dealt from the table's board: `card`, or
    // the picker's "Random".
    function dealFromBoard(p, card) {
        verify(p.playAwaitingChanceCard, "the hand waits for a card at node " + p.playNodeIndex)
        p.practiceEngine.chooseCardFromBoard(p.playBoardText.length >= 8 ? 4 : 3)
        verify(p.chancePicker.visible)
        if (card)
            p.chooseChanceCard(p._chanceCardIndexForSelection(card), card)
        else
            p.chooseChanceCardRandom()
    }

    function setCards(p, oop, ip) {
        p.oopCard1 = oop.substr(0, 2)
        p.oopCard2 = oop.substr(2, 2)
        p.ipCard1 = ip.substr(0, 2)
        p.ipCard2 = ip.substr(2, 2)
    }

    function tableCards(p) {
        const board = p.playBoardText
        const cards = [p.oopCard1, p.oopCard2, p.ipCard1, p.ipCard2]
        for (let i = 0; i + 1 < board.length; i += 2)
            cards.push(board.substr(i, 2))
        return cards.filter(function (c) { return c.length === 2 })
    }

    function verifyNoCardTwice(p, where) {
        const cards = tableCards(p)
        const seen = {}
        for (const c of cards) {
            verify(!seen[c], where + ": " + c + " twice in " + cards.join(" "))
            seen[c] = true
        }
    }

    function records() {
        return fake.callsOf("recordPlayVsSolutionHand")
    }

    // ---- Dealing ----

    function test_deal_data() {
        return [
            { tag: "first combos", u: [0, 0], oop: "7d7h", ip: "QhJh" },
            { tag: "IP avoids OOP's cards", u: [0.3, 0], oop: "QhQd", ip: "8h8d" },
            { tag: "a weight of 0 is never dealt", u: [0.99, 0.99], oop: "3s3d", ip: "9d9h" }
        ]
    }
    function test_deal(data) {
        for (const role of ["OOP", "BOTH", "IP"]) {
            const p = session(role, Fixture.sequence(data.u.concat([0.3])))
            compare([p.oopCard1 + p.oopCard2, p.ipCard1 + p.ipCard2], [data.oop, data.ip], role)
            compare([p.playRole, p.playBoardText, p.playActionLine], [role, Fixture.BOARD, ""])
        }
    }

    // A seat that cannot be dealt: the hand ends at once, unplayed and
    // uncounted, and says why; "Another hand" deals again.
    function test_aSeatWithoutCardsStartsNoHand() {
        const t = Fixture.tree()
        t["0"].seatCombos = { OOP: Fixture.oopSeatCombos(), IP: [] }
        const p = session("OOP", Fixture.sequence([0, 0, 0.2]), t)
        compare([p.oopCard1, p.ipCard1, p.playHandComplete, p.playDealFailed], ["", "", true, true])
        verify(!p.playTickTimer.running)
        p.playTick()
        p.practiceEngine._handleUserPlayAction(1)
        compare([p.currentNodeIndex, p.playHandLog.count, records().length], [0, 0, 0])
        verify(findChild(p, "dealFailedPill").visible)
        verify(findChild(p, "anotherHandButton").visible)
    }

    function test_unknownRoleDealsNothing() {
        const p = session("ALL", Fixture.sequence([0]))
        compare(tableCards(p), ["As", "Ks", "2h"])
    }

    // ---- Steps ----

    function test_firstStep_data() {
        return [
            { tag: "OOP waits at the root", role: "OOP", u: 0.2, node: 0, line: "", bubble: ["", ""] },
            { tag: "both waits at the root", role: "BOTH", u: 0.2, node: 0, line: "", bubble: ["", ""] },
            { tag: "IP: OOP checks", role: "IP", u: 0.2, node: 1, line: "OOP: Check", bubble: ["OOP", "Check"] },
            { tag: "IP: OOP jams", role: "IP", u: 0.8, node: 2, line: "OOP: All-In", bubble: ["OOP", "All-In"] }
        ]
    }
    function test_firstStep(data) {
        const p = session(data.role, Fixture.sequence([0, 0, data.u]))
        waitForUser(p)
        compare([p.currentNodeIndex, p.playNodeIndex, p.playActionLine], [data.node, data.node, data.line])
        compare([p.playLastActionActor, p.playLastActionText], data.bubble)
        compare(p.treeLevels.count, data.node === 0 ? 1 : 2)
        verify(!p.playHandComplete)
    }

    // The opponent plays by the node's frequencies; at the turn and the
    // river the hand waits until the user deals, however long it waits.
    function test_autoPlayToShowdown() {
        const p = session("OOP", Fixture.sequence([0, 0, 0.9]))
        waitForUser(p)
        setCards(p, "7d7h", "QhJh")
        p.practiceEngine._handleUserPlayAction(1)            // All-In: the best for 7d7h
        for (const street of [3, 4]) {
            waitForUser(p)
            wait(50)
            p.playTick()
            compare(p.playBoardText.length, 2 * street, "no card is dealt by itself")
            dealFromBoard(p)
        }
        tryVerify(function () { return p.playHandComplete })
        const steps = p.playActionLine.split(" \u2192 ")
        compare(steps.slice(0, 2), ["OOP: All-In", "IP: Call"])
        verify(/^Chance: ..$/.test(steps[2]) && /^Chance: ..$/.test(steps[3]))
        compare(p.playBoardText, Fixture.BOARD + steps[2].substr(8) + steps[3].substr(8))
        compare(p.playNodeIndex, 14)
        verifyNoCardTwice(p, "runout")
        compare(p.playHandLog.count, 1)
        compare(records(), [[false, NaN]])
    }

    // ---- Judging ----

    function test_userDecision_data() {
        return [
            { tag: "the best action", cards: "QhQd", action: 0, mistake: false },
            { tag: "a mistake", cards: "QhQd", action: 1, mistake: true, loss: 1.0, correct: "Check" },
            { tag: "a mistake, the other way", cards: "7d7h", action: 0, mistake: true, loss: 1.5, correct: "All-In" },
            { tag: "no hand EV: the range average", cards: "JdTc", action: 1, mistake: true, loss: 1.0, correct: "Check" },
            { tag: "another action's EV missing", cards: "3s3d", action: 1, mistake: false },
            { tag: "no cards dealt: not judged", cards: "", action: 1, ignored: true },
            { tag: "judging off", cards: "QhQd", action: 1, mistake: false, judgingOff: true }
        ]
    }
    function test_userDecision(data) {
        const p = session("OOP", Fixture.sequence([0, 0, 0.2]))
        waitForUser(p)
        setCards(p, data.cards, "8h8d")
        p.playStopOnSuboptimalAction = !data.judgingOff
        p.practiceEngine._handleUserPlayAction(data.action)
        if (data.ignored) {
            compare([p.playAwaitingUserAction, p.currentNodeIndex, p.playHandLog.count, records().length],
                    [true, 0, 0, 0])
            return
        }
        verify(!p.playAwaitingUserAction)
        if (!data.mistake) {
            compare(p.currentNodeIndex, data.action === 0 ? 1 : 2)
            compare(p.playHandLog.count, 0)
            return
        }
        // The action is not applied; the hand ends at the decision.
        compare([p.currentNodeIndex, p.playHandComplete, p.playTickTimer.running], [0, true, false])
        compare(p.playHandLog.count, 1)
        const e = p.playHandLog.get(0)
        compare([e.line, e.mistakeAction, e.correctAction, e.isMistake], ["OOP: " + ["Check", "All-In"][data.action],
                                                                         ["Check", "All-In"][data.action], data.correct, true])
        fuzzyCompare(e.evLoss, data.loss, 1e-9)
        compare([e.pot, e.investedOop, e.investedIp, e.board, e.oop, e.ip], [10, 5, 5, Fixture.BOARD, data.cards, "8h8d"])
        compare(records().length, 1)
        compare(records()[0][0], true)
        fuzzyCompare(records()[0][1], data.loss, 1e-9)
        // Nothing moves the finished hand on.
        p.playTick()
        compare(p.playHandLog.count, 1)
    }

    // A hand EV that is missing for the chosen action is asked of the
    // controller's pocket EVs; the node's combo list is read once.
    function test_evSources() {
        const p = session("OOP", Fixture.sequence([0, 0, 0.2]))
        waitForUser(p)
        setCards(p, "QhQd", "8h8d")
        p._playHandComboEvCache = { "0": { QhQd: [NaN, 4.0] } }
        compare(p._suboptimalEvInfoAtNode(0, "OOP", 0), { ok: true, chosenEv: 5, bestEv: 5, evLoss: 0, bestIndex: 0 })
        compare(fake.callsOf("nodePocketActionEvs"), [[0, "OOP", "Qh", "Qd"]])
        compare(p._suboptimalEvInfoAtNode(0, "OOP", 1).evLoss, 0)
        p._playHandComboEvCache = {}
        p._suboptimalEvInfoAtNode(0, "OOP", 0)
        p._suboptimalEvInfoAtNode(0, "OOP", 1)
        compare(fake.callsOf("nodeHandCombos"), [[0]])
        compare(p._suboptimalEvInfoAtNode(0, "Chance", 0), { ok: false })
    }

    // ---- Chance cards ----

    // The turn is replaced from the table's board by another card of its
    // class: the line is cut back to that card, and the hand's cards are
    // judged in the solver's suits from then on.
    function test_replaceDealtCard() {
        const p = session("BOTH", Fixture.sequence([0.3, 0, 0]))
        waitForUser(p)
        setCards(p, "9c8c", "5s5d")
        p.playStopOnSuboptimalAction = false
        p.practiceEngine._handleUserPlayAction(0)
        waitForUser(p)
        p.practiceEngine._handleUserPlayAction(0)            // IP checks; the user deals 7d
        waitForUser(p)
        dealFromBoard(p, "7d")
        waitForUser(p)
        compare(p.playActionLine, "OOP: Check \u2192 IP: Check \u2192 Chance: 7d")
        p.practiceEngine._handleUserPlayAction(0)
        waitForUser(p)
        p.practiceEngine._handleUserPlayAction(0)            // the river waits
        waitForUser(p)
        compare(p.currentNodeIndex, 7)
        dealFromBoard(p, "7h")
        waitForUser(p)
        compare(p.currentNodeIndex, 8)

        p.practiceEngine.chooseCardFromBoard(3)
        verify(p.chancePicker.visible)
        verify(!p.playTickTimer.running)
        for (const held of ["9c", "8c", "5s", "5d"])
            compare(p._chanceCardIndexForSelection(held), -1, held)
        p.chooseChanceCard(p._chanceCardIndexForSelection("7c"), "7c")
        compare(p.playActionLine, "OOP: Check \u2192 IP: Check \u2192 Chance: 7c")
        compare(p.playBoardText, Fixture.BOARD + "7c")
        waitForUser(p)
        compare(p.currentNodeIndex, 5)

        // Shown 9c8c with the turn shown as 7c is the solver's 9d8d.
        p.playStopOnSuboptimalAction = true
        p.practiceEngine._handleUserPlayAction(0)
        compare(p.playHandLog.get(0).correctAction, "Bet 50%")
        fuzzyCompare(p.playHandLog.get(0).evLoss, 2.0, 1e-9)
    }

    // Closing the picker without a card leaves the hand waiting for it.
    function test_pickerClosedKeepsWaiting() {
        const p = session("IP", Fixture.sequence([0, 0, 0.2, 0]))
        waitForUser(p)
        p.practiceEngine._handleUserPlayAction(0)            // IP checks: the turn waits
        waitForUser(p)
        compare(p.currentNodeIndex, 4)
        p.practiceEngine.chooseCardFromBoard(3)
        verify(p.chancePicker.visible)
        p.chancePicker.close()
        waitForUser(p)
        verify(p.playAwaitingChanceCard)
        compare([p.currentNodeIndex, p.playBoardText.length], [4, 6])
    }

    function test_boardClicksIgnored_data() {
        return [
            { tag: "the turn before the hand reaches it", slot: 3 },
            { tag: "the river before the turn", slot: 4 },
            { tag: "a flop card", slot: 1 }
        ]
    }
    function test_boardClicksIgnored(data) {
        const p = session("OOP", Fixture.sequence([0]))
        waitForUser(p)
        p.practiceEngine.chooseCardFromBoard(data.slot)
        verify(!p.chancePicker.visible)
        compare(p.chancePickerLevelIndex, -1)
    }

    // "Random" deals a real card: never a held one, whatever an earlier
    // hand chose at the node, shown in its own suit.
    function test_randomDealIgnoresEarlierChoice() {
        const p = session("BOTH", Fixture.sequence([0]))
        p.playStopOnSuboptimalAction = false
        p.chanceCardDisplayOverrideByNode = { "4": "7c" }
        setCards(p, "7c7h", "3s8d")
        for (let i = 0; i < 2; ++i) {
            waitForUser(p)
            p.practiceEngine._handleUserPlayAction(0)
        }
        waitForUser(p)
        dealFromBoard(p)
        // Spades first, aces down: the first spade this tree deals is 5s (3s is held).
        compare(p.playBoardText, Fixture.BOARD + "5s")
        verifyNoCardTwice(p, "turn")
    }

    // After a turn chosen in another suit of its class, the river is dealt
    // and shown in the suits the user sees.
    function test_dealInShownSuits() {
        const p = session("BOTH", Fixture.sequence([0]))
        p.playStopOnSuboptimalAction = false
        setCards(p, "Qc7h", "8h8d")
        for (let i = 0; i < 2; ++i) {
            waitForUser(p)
            p.practiceEngine._handleUserPlayAction(0)
        }
        waitForUser(p)
        dealFromBoard(p, "7c")
        for (let i = 0; i < 2; ++i) {
            waitForUser(p)
            p.practiceEngine._handleUserPlayAction(0)
        }
        waitForUser(p)
        // The solver's 9d is the shown 9c once its 7d was shown as 7c.
        dealFromBoard(p, "9c")
        waitForUser(p)
        compare(p.playBoardText, Fixture.BOARD + "7c9c")
        compare(p.playActionLine.split(" \u2192 ").slice(-3), ["OOP: Check", "IP: Check", "Chance: 9c"])
    }

    // Many seeded hands, with cards replaced from the board now and then:
    // no card is ever on the table twice, and every hand is logged and
    // reported once.
    function test_noCardDealtTwice() {
        const rnd = Fixture.seeded(20240611)
        const p = session("BOTH", rnd)
        p.playStopOnSuboptimalAction = false
        let hands = 0
        while (hands < 60) {
            waitForUser(p)
            verifyNoCardTwice(p, "hand " + hands)
            if (p.playHandComplete) {
                hands += 1
                p._resetToRootAndRestartHand()
                continue
            }
            if (p.playAwaitingChanceCard) {
                dealFromBoard(p)
                continue
            }
            const turnShown = p.playBoardText.length >= 8
            if (turnShown && rnd() < 0.3) {
                p.practiceEngine.chooseCardFromBoard(rnd() < 0.5 ? 3 : 4)
                if (p.chancePicker.visible)
                    p.chooseChanceCardRandom()
                continue
            }
            const actions = p._actionListAtPlayNode()
            p.practiceEngine._handleUserPlayAction(Math.floor(rnd() * actions.length))
        }
        compare(p.playHandLog.count, hands)
        compare(records().length, hands)
    }

    // ---- Drill ----

    function test_drill() {
        const p = session("OOP", Fixture.sequence([0, 0, 0.3]))
        waitForUser(p)
        p.startDrillSpot()
        compare([p.playDrillMode, p.playDrillNodeIndex, p.playDrillActor, p.playAwaitingUserAction], [true, 0, "OOP", true])
        setCards(p, "QhQd", "8h8d")
        p.practiceEngine._handleUserPlayAction(1)
        compare([p.playDrillFeedbackWrong, p.playDrillFeedbackText], [true, "Wrong \u2014 best: Check (EV -1.000)"])
        verify(!p.playAwaitingUserAction)
        tryCompare(p, "playAwaitingUserAction", true, 1000)   // the next hand, 450 ms on
        verify(p.playDrillFeedbackText.length > 0)
        tryCompare(p, "playDrillFeedbackText", "", 1000)
        setCards(p, "QhQd", "8h8d")
        p.practiceEngine._handleUserPlayAction(0)
        compare([p.playDrillFeedbackWrong, p.playDrillFeedbackText], [false, "Correct"])
        // The tree and the hand stay where they were; nothing is logged.
        compare([p.currentNodeIndex, p.playNodeIndex, p.playHandLog.count, records().length], [0, 0, 0, 0])

        p.stopDrillSpot()
        compare([p.playDrillMode, p.playDrillNodeIndex, p.playDrillActor, p.playDrillFeedbackText], [false, -1, "", ""])
        tryCompare(p, "playAwaitingUserAction", true)
        compare([p.oopCard1, p.oopCard2], ["Qh", "Qd"])
    }

    function test_drillOnlyAtDecisions() {
        const p = session("OOP", Fixture.sequence([0]))
        waitForUser(p)
        p.playNodeIndex = 10                                 // a terminal node
        p.startDrillSpot()
        verify(!p.playDrillMode)
    }

    // A seat that has no hand at the drilled node keeps its cards, and the
    // other seat is dealt around them.
    function test_drillDealAroundKeptCards() {
        const t = Fixture.tree()
        t["1"].seatCombos = { OOP: [], IP: [Fixture.seat("7d", "6d", 100), Fixture.seat("8h", "8d", 1)] }
        const p = session("OOP", Fixture.seeded(7), t)
        waitForUser(p)
        setCards(p, "7d7h", "QhJh")
        p.playStopOnSuboptimalAction = false
        p.practiceEngine._handleUserPlayAction(0)            // to IP's node 1
        compare(p.currentNodeIndex, 1)
        p.playTickTimer.stop()
        p.startDrillSpot()
        compare(p.playDrillActor, "IP")
        for (let i = 0; i < 20; ++i) {
            p._dealDrillHand()
            compare([p.oopCard1 + p.oopCard2, p.ipCard1 + p.ipCard2], ["7d7h", "8h8d"])
        }
    }

    function test_leavingPlayViewEndsDrill() {
        const p = session("OOP", Fixture.sequence([0]))
        waitForUser(p)
        p.startDrillSpot()
        p.playMode = false
        p.playMode = true
        compare([p.playDrillMode, p.playSessionStarted, p.playRole], [false, false, ""])
        verify(!p.practiceEngine.drillNextTimer.running)
    }

    // ---- Log and selection ----

    function logHand(p, line) {
        p.playActionLine = line
        p._logPlayHand()
    }

    function test_selection() {
        const p = session("OOP", Fixture.sequence([0]))
        waitForUser(p)
        p.playTickTimer.stop()
        logHand(p, "OOP: Fold")
        compare([p.playSelectedLogIndex, p.playSelectedDetails.winner], [0, "IP"])
        logHand(p, "IP: Fold")
        logHand(p, "OOP: Check")
        compare(p.playSelectedLog.line, "OOP: Check")

        p.userSelectPlayLog(2)                               // the oldest: pinned
        verify(!p.playFollowLatestHandDetails)
        const pinned = p.playSelectedDetails
        logHand(p, "OOP: Bet 50%")
        compare([p.playSelectedLogIndex, p.playSelectedLog.line], [3, "OOP: Fold"])
        verify(p.playSelectedDetails === pinned)

        p.userSelectPlayLog(0)
        compare([p.playFollowLatestHandDetails, p.playSelectedLog.line], [true, "OOP: Bet 50%"])

        // A new session follows again and keeps the log.
        p.userSelectPlayLog(1)
        p.playMode = false
        p.playMode = true
        compare([p.playFollowLatestHandDetails, p.playHandLog.count, p.playSelectedLogIndex], [true, 4, 1])

        p.selectPlayLog(4)
        compare([p.playSelectedLogIndex, p.playSelectedDetails], [-1, {}])
        p.userSelectPlayLog("x")
        compare([p.playFollowLatestHandDetails, p.playSelectedLogIndex], [false, -1])
        compare(records().length, 4)
    }

    // The details of a hand that went to showdown ask the controller for the
    // winner with the final board and both hands.
    function test_showdownDetails() {
        const p = session("BOTH", Fixture.sequence([0]))
        p.playTickTimer.stop()
        fake.showdownAnswer = "IP"
        p.playBoardText = "AsKs2h7dQd"
        setCards(p, "QhQd", "8h8d")
        p.playNodeIndex = 12
        p.rakePercent = 5
        p.rakeCap = 3
        p.playTick()
        compare(fake.callsOf("showdownWinner"), [["AsKs2h7dQd", "QhQd", "8h8d"]])
        compare([p.playSelectedDetails.winner, p.playSelectedDetails.wonAmount, p.playSelectedDetails.rakeTaken], ["IP", 5, 0.5])
    }
}
