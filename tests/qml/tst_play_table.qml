import QtQuick
import QtTest
import Tessaval
import TestSupport
import "practice_fixture.js" as Fixture

// The play view: the table in its states and roles, its geometry on the
// painted picture, the hand log and the played hand's details.
TestCase {
    id: testCase
    name: "PlayTable"
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
            playMode: true
        }
    }

    function init() {
        fake.tree = Fixture.tree()
        fake.resultIterations = 100
        fake.clearCalls()
    }

    function makePage(props, tree) {
        if (tree)
            fake.tree = tree
        const p = createTemporaryObject(pageComponent, testCase, { random: Fixture.sequence([0, 0, 0.2]) })
        for (const k in (props || {}))
            p[k] = props[k]
        const image = findChild(p, "playModeTableImage")
        tryCompare(image, "status", Image.Ready)
        return p
    }

    // Runs the pending steps; a card the hand waits for is dealt from the
    // table's board by "Random", as a user would.
    function steps(p) {
        for (let round = 0; round < 4; ++round) {
            for (let i = 0; i < 100 && p.playTickTimer.running; ++i) {
                p.playTickTimer.stop()
                p.playTick()
            }
            if (!p.playAwaitingChanceCard)
                break
            p.practiceEngine.chooseCardFromBoard(p.playBoardText.length >= 8 ? 4 : 3)
            p.chooseChanceCardRandom()
        }
        waitForRendering(p)
    }

    function item(p, name) {
        const found = findChild(p, name)
        verify(found, name)
        return found
    }

    function faceUp(p, seatName) {
        const cards = []
        const row = findChild(item(p, seatName), "seatCards")
        for (let i = 0; i < row.children.length; ++i) {
            if (row.children[i].objectName === "seatCard")
                cards.push(!row.children[i].faceDown)
        }
        return cards
    }

    function centreX(it) { return it.x + it.width / 2 }
    function centreY(it) { return it.y + it.height / 2 }

    // ---- Before a session ----

    // A wide, short window: the picture leaves bands at the sides, and the
    // role buttons sit on the picture's edges.
    function test_roleButtonsOnThePicture() {
        const p = makePage({ height: 560 })
        const area = item(p, "tableArea")
        const r = area.paintedRect
        verify(r.x > 20, "bands at the sides: " + JSON.stringify(r))
        fuzzyCompare(r.width / r.height, 1600 / 1000, 0.01)   // the drawing's own shape
        const oop = item(p, "playAsOopButton")
        const ip = item(p, "playAsIpButton")
        const both = item(p, "playAsBothButton")
        verify(oop.visible && ip.visible && both.visible)
        verify(!item(p, "playOverlay").visible)
        fuzzyCompare(centreX(oop), r.x + r.width / 2, 1)
        fuzzyCompare(oop.y, r.y + 10, 1)
        fuzzyCompare(ip.y + ip.height, r.y + r.height - 10, 1)
        fuzzyCompare(centreX(both), area.width / 2, 1)
        fuzzyCompare(centreY(both), area.height / 2, 1)
        compare(item(p, "playRoleStatus").text, "Choose a role to start")

        mouseClick(ip)
        compare([p.playSessionStarted, p.playRole], [true, "IP"])
        compare(item(p, "playRoleStatus").text, "Role: IP")
        verify(!ip.visible && item(p, "playOverlay").visible)
    }

    // ---- Roles ----

    function test_roles_data() {
        return [
            // OOP checks, IP checks by itself, the turn comes: OOP acts again.
            { tag: "OOP", role: "OOP", userActs: 1, oop: [true, true], ip: [false, false], bubble: "IP", prompt: "oopSeatGroup" },
            // OOP checks by itself: IP is asked.
            { tag: "IP", role: "IP", userActs: 0, oop: [false, false], ip: [true, true], bubble: "OOP", prompt: "ipSeatGroup" },
            { tag: "both", role: "BOTH", userActs: 2, oop: [true, true], ip: [true, true], bubble: "", prompt: "oopSeatGroup" }
        ]
    }
    function test_roles(data) {
        const p = makePage({ playStopOnSuboptimalAction: false })
        p.startPlaySession(data.role)
        steps(p)
        for (let i = 0; i < data.userActs; ++i) {
            p.practiceEngine._handleUserPlayAction(0)
            steps(p)
        }
        verify(p.playAwaitingUserAction)
        compare([faceUp(p, "oopSeatGroup"), faceUp(p, "ipSeatGroup")], [data.oop, data.ip])

        const bubble = item(p, "oppActionBubble")
        compare(bubble.visible, data.bubble.length > 0)
        if (bubble.visible) {
            const pos = item(p, data.bubble === "OOP" ? "oopSeatPos" : "ipSeatPos")
            compare(findChild(bubble, "pillText").text, "Check")
            fuzzyCompare(centreX(bubble), pos.x + 140, 1)
            fuzzyCompare(centreY(bubble), pos.y, 1)
        }
        const prompt = item(p, "actionPrompt")
        const seat = item(p, data.prompt)
        verify(prompt.visible)
        fuzzyCompare(centreY(prompt), centreY(seat), 1)
        verify(prompt.width <= 380)

        // The dealer button sits right of IP's seat; the prompt beside IP
        // starts past it instead of covering it.
        const dealer = item(p, "dealerButton")
        fuzzyCompare(centreX(dealer), item(p, "ipSeatPos").x + 86, 1)
        fuzzyCompare(prompt.x, data.prompt === "ipSeatGroup" ? dealer.x + dealer.width + 8
                                                             : seat.x + seat.width + 14, 0.5)
    }

    function test_ipSeatOffset_data() {
        return [
            { tag: "short table", height: 700, extra: 18 },
            { tag: "tall table", height: 1300, extra: 8 }
        ]
    }
    function test_ipSeatOffset(data) {
        const p = makePage({ height: data.height })
        p.startPlaySession("OOP")
        steps(p)
        const overlay = item(p, "playOverlay")
        compare(overlay.height < 520, data.extra === 18, "table height " + overlay.height)
        fuzzyCompare(item(p, "oopSeatPos").y, overlay.height / 2 - 0.26 * overlay.height, 1e-6)
        fuzzyCompare(item(p, "ipSeatPos").y, overlay.height / 2 + 0.26 * overlay.height + data.extra, 1e-6)
        const seat = item(p, "ipSeatGroup")
        fuzzyCompare(centreY(seat), item(p, "ipSeatPos").y, 1)
    }

    // ---- States ----

    function test_handComplete() {
        const p = makePage()
        p.startPlaySession("OOP")
        steps(p)
        p.oopCard1 = "Qh"
        p.oopCard2 = "Qd"
        p.ipCard1 = "8h"
        p.ipCard2 = "8d"
        verify(item(p, "drillButton").visible)
        compare(item(p, "resultsTitle").text, "Play vs. Solution")
        p.practiceEngine._handleUserPlayAction(1)           // a mistake
        waitForRendering(p)
        verify(p.playHandComplete)
        verify(!item(p, "actionPrompt").visible)
        verify(!item(p, "playBoardHint").visible)
        verify(!item(p, "drillButton").visible)
        const again = item(p, "anotherHandButton")
        const board = item(p, "playBoardDisplay")
        verify(again.visible)
        fuzzyCompare(again.x + again.width, board.x - 12, 1)
        fuzzyCompare(centreY(again), centreY(board), 1)
        verify(!board.editable)

        mouseClick(again)
        steps(p)
        compare([p.playHandComplete, p.playAwaitingUserAction, p.playHandLog.count], [false, true, 1])
        verify(item(p, "actionPrompt").visible)
    }

    // A drill at IP's decision while the user plays OOP shows IP's cards
    // face up while it runs, with the feedback on the picture's left edge.
    function test_drill() {
        const p = makePage()
        p.startPlaySession("OOP")
        steps(p)
        p.playStopOnSuboptimalAction = false
        p.practiceEngine._handleUserPlayAction(0)            // to IP's node 1
        p.playTickTimer.stop()
        waitForRendering(p)
        const button = item(p, "drillButton")
        verify(button.enabled)
        compare(button.text, "Drill spot")
        const r = item(p, "tableArea").paintedRect
        fuzzyCompare(button.x, r.x + 10, 1)
        fuzzyCompare(button.y + button.height, r.y + r.height - 10, 1)

        mouseClick(button)
        compare([p.playDrillMode, p.playDrillActor], [true, "IP"])
        compare(button.text, "Stop drill")
        compare(faceUp(p, "ipSeatGroup"), [true, true])
        verify(!item(p, "playBoardDisplay").editable)
        const context = item(p, "drillContextBubble")
        verify(context.visible)
        compare(findChild(context, "pillText").text, "OOP action: Check")

        p.practiceEngine._handleUserPlayAction(0)
        const toast = item(p, "drillFeedbackToast")
        verify(toast.visible)
        compare(findChild(toast, "pillText").text, "Correct")
        fuzzyCompare(toast.x, r.x + 10, 1)
        fuzzyCompare(toast.y + toast.height, r.y + r.height - 58, 1)

        mouseClick(button)
        verify(!p.playDrillMode && !toast.visible && !context.visible)
        compare(faceUp(p, "ipSeatGroup"), [false, false])
    }

    function test_drillButtonDisabledAtTerminal() {
        const p = makePage()
        p.startPlaySession("OOP")
        steps(p)
        p.playNodeIndex = 12
        verify(!item(p, "drillButton").enabled)
    }

    function test_missingAmounts() {
        const t = Fixture.tree()
        delete t["0"].meta.pot
        delete t["0"].meta.investedIp
        const p = makePage({}, t)
        p.startPlaySession("OOP")
        steps(p)
        compare(findChild(item(p, "potPill"), "pillText").text, "Pot: \u2014")
        compare(findChild(item(p, "ipSeatGroup"), "pillText").text, "Stack: \u2014")
        compare(findChild(item(p, "oopSeatGroup"), "pillText").text, "Stack: 95.00")
    }

    // Once the hand has dealt the turn, the board says it can be changed and
    // a click on the turn slot opens the picker; before, nothing can change
    // and the board says nothing.
    function test_turnClickOpensPicker() {
        const p = makePage()
        p.startPlaySession("BOTH")
        steps(p)
        const hint = item(p, "playBoardHint")
        verify(!hint.visible)
        p.playStopOnSuboptimalAction = false
        for (let i = 0; i < 2; ++i) {
            p.practiceEngine._handleUserPlayAction(0)
            steps(p)
        }
        compare(p.currentNodeIndex, 5)
        verify(hint.visible)
        compare(hint.text, "Click Turn/River to change")
        mouseClick(findChild(item(p, "playBoardDisplay"), "slot3"))
        verify(p.chancePicker.visible)
        compare(p.chancePickerTitle, "Choose Turn Card")
    }

    // ---- Hand log and details ----

    function logHands(p, entries) {
        for (const e of entries) {
            p.playBoardText = e.board
            p.playRole = e.role
            p.oopCard1 = "Qh"; p.oopCard2 = "Qd"; p.ipCard1 = "8h"; p.ipCard2 = "8d"
            p.playActionLine = e.line
            p._logPlayHand(e.extra)
        }
        waitForRendering(p)
    }

    function rows(p) {
        const list = item(p, "handLogList")
        const out = []
        for (let i = 0; i < list.contentItem.children.length; ++i) {
            const r = list.contentItem.children[i]
            if (r.objectName === "handLogRow")
                out[r.index] = r
        }
        return out
    }

    function test_handLog() {
        const p = makePage()
        compare(item(p, "handCount").text, "")
        verify(!item(p, "playHandDetailsPanel").visible)
        logHands(p, [
            { board: "AsKs2h", role: "IP", line: "OOP: Check \u2192 IP: Fold" },
            { board: "AsKs2h7d", role: "OOP", line: "OOP: All-In", extra: { mistakeAction: "All-In", correctAction: "Check", evLoss: 0.25 } },
            { board: "AsKs2h7d9c", role: "BOTH", line: "OOP: Check \u2192 IP: Check \u2192 Chance: 7d \u2192 Chance: 9c" }
        ])
        compare(item(p, "handCount").text, "3 hands")
        const r = rows(p)
        compare(r.length, 3)
        compare(r.map(function (row) { return findChild(row, "outcomeText").text }), ["Perfect", "EV -0.250", "Perfect"])
        compare(r.map(function (row) { return Qt.colorEqual(row.border.color, tokens.danger) }), [false, true, false])
        compare(r.map(function (row) { return Qt.colorEqual(row.border.color, tokens.success) }), [true, false, true])
        compare(r.map(function (row) { return row.selected }), [true, false, false])
        // The user's cards: OOP's for "BOTH" and "OOP", IP's for "IP".
        compare(r.map(function (row) { return row._cards.join("") }), ["QhQd", "QhQd", "8h8d"])

        mouseClick(r[1])
        compare([p.playSelectedLogIndex, p.playFollowLatestHandDetails], [1, false])
        compare([r[0].selected, r[1].selected, r[1].border.width > r[0].border.width], [false, true, true])
    }

    function test_details_data() {
        return [
            { tag: "a fold on the flop", line: "OOP: Check \u2192 IP: Bet 50% \u2192 OOP: Fold", board: "AsKs2h", extra: undefined,
              flop: 3, turn: 0, river: 0, winner: "Winner: IP", mistake: false, correct: false },
            { tag: "a mistake on the turn", line: "OOP: Check \u2192 IP: Check \u2192 Chance: 7d \u2192 OOP: Bet 50%", board: "AsKs2h7d",
              extra: { mistakeAction: "Bet 50%", correctAction: "Check", evLoss: 2 },
              flop: 2, turn: 1, river: 0, winner: "Winner: \u2014", mistake: true, correct: true },
            { tag: "a mistake without a known best", line: "OOP: All-In", board: "AsKs2h",
              extra: { mistakeAction: "All-In", evLoss: 1 }, flop: 1, turn: 0, river: 0, winner: "Winner: \u2014", mistake: true, correct: false }
        ]
    }
    function test_details(data) {
        const p = makePage()
        logHands(p, [{ board: data.board, role: "OOP", line: data.line, extra: data.extra }])
        const panel = item(p, "playHandDetailsPanel")
        verify(panel.visible)
        const counts = ["flopColumn", "turnColumn", "riverColumn"].map(function (name) {
            const col = item(panel, name)
            return findChild(col, "noSteps").visible ? 0 : col.steps.length
        })
        compare(counts, [data.flop, data.turn, data.river])
        compare(item(panel, "winnerText").text, data.winner)
        compare([item(panel, "evLostText").visible, item(panel, "incorrectText").visible, item(panel, "correctText").visible],
                [data.mistake, data.mistake, data.correct])
        // The table gives the panel its room and keeps the rest.
        const area = item(p, "tableArea")
        verify(panel.height >= 120 && panel.height <= Math.max(140, Math.min(360, 0.55 * area.height)) + 0.5)
        fuzzyCompare(area.height + 10 + panel.height, item(p, "playTableColumn").height, 0.5)
        // The summary is in view, not clipped off the panel's right edge.
        const summary = item(panel, "summaryColumn")
        verify(summary.mapToItem(panel, summary.width, 0).x <= panel.width - 10 + 0.5)
    }

    Component {
        id: translatorComponent
        TestTranslator { contexts: ["ResultsPage"] }
    }

    // A language whose word for the summary is long: the word keeps its one
    // line, and the summary stays in view on a laptop-wide page.
    function test_longSummaryWordWhole() {
        createTemporaryObject(translatorComponent, testCase, {
            language: Qt.locale().name.split("_")[0], prefix: "Zusammenfassungs", active: true })
        const p = makePage({ width: 1000 })
        logHands(p, [{ board: "AsKs2h", role: "OOP", line: "OOP: Check \u2192 IP: Bet 50% \u2192 OOP: Fold" }])
        const panel = item(p, "playHandDetailsPanel")
        const title = item(panel, "summaryTitle")
        compare([title.text, title.lineCount], ["ZusammenfassungsSummary", 1])
        const summary = item(panel, "summaryColumn")
        verify(summary.mapToItem(panel, summary.width, 0).x <= panel.width - 10 + 0.5)
    }
}
