import QtQuick
import QtQuick.Controls
import QtTest
import Tessaval
import TestSupport
import "results_fixture.js" as Fixture

// The strategy column of the results page against a fake controller: the
// matrix inputs and when they are rebuilt, the legend, the node figures,
// the mode buttons and the node-lock editor (clicks, drags, mixed inputs,
// reset, re-solve, tree markers).
TestCase {
    id: testCase
    name: "ResultsStrategy"
    width: 1540
    height: 1200
    visible: true
    when: windowShown

    Theme { id: tokens }
    FakeController { id: fake }
    SignalSpy { id: goToSolveSpy; signalName: "goToSolve" }

    Component {
        id: pageComponent
        ResultsPage {
            width: testCase.width
            height: testCase.height
            theme: tokens
            boardText: "AsKs2h"
        }
    }

    // The fixture with per-class strategies at the root (OOP: Check, Bet 75%,
    // Bet 33%) and at node 2 (IP facing a bet: Fold, Call, Raise 60%, Raise 120%).
    function strategyTree() {
        const t = Fixture.tree()
        t["0"].handStrategy = {
            weights: { AA: 1, KK: 0.5, QQ: 1, "72o": 1 },
            dominantActionTypes: { AA: "bet", KK: "check", QQ: "check", "72o": "check" },
            actionTypeList: ["check", "bet", "bet"],
            actionProbs: { AA: [0.2, 0.5, 0.3], KK: [1, 0, 0], QQ: [1, 0, 0], "72o": [1, 0, 0] }
        }
        t["0"].reach169 = {
            "": { weights: { AA: 0.75, KK: 0.5, QQ: 1, JJ: 0.65, AKs: 1, AQs: 0.5 },
                  actionProbs: { AA: [0.5, 0.5, 0], KK: [0, 0, 1], QQ: [0.9, 0.1, 0], JJ: [0.9, 0.1, 0],
                                 AKs: [0.3, 0.7, 0], AQs: [0.2, 0.2, 0.6] } },
            "overpair": { weights: { QQ: 1, JJ: 0.65 }, actionProbs: { QQ: [0.9, 0.1, 0], JJ: [0.9, 0.1, 0] } }
        }
        t["2"].handStrategy = { weights: { TT: 1 }, actionTypeList: ["fold", "call", "raise", "raise"],
                                actionProbs: { TT: [0.1, 0.6, 0.3, 0] } }
        return t
    }

    function init() {
        tokens.dark = true
        fake.running = false
        fake.refuseStarts = false
        fake.resultStartingPot = 10
        fake.tree = strategyTree()
        fake.resultIterations = 100
        fake.clearCalls()
    }

    function makePage(props) {
        const p = createTemporaryObject(pageComponent, testCase, Object.assign({ controller: fake }, props || {}))
        goToSolveSpy.clear()
        goToSolveSpy.target = p
        waitForRendering(p)
        return p
    }

    function itemsNamed(item, name) {
        waitForRendering(item)
        return _itemsNamed(item, name)
    }
    function _itemsNamed(item, name) {
        let out = []
        for (let i = 0; i < item.children.length; ++i) {
            const kid = item.children[i]
            if (kid.objectName === name && kid.visible)
                out.push(kid)
            out = out.concat(_itemsNamed(kid, name))
        }
        return out
    }

    function matrixOf(p) { return findChild(p, "strategyHandMatrix") }
    function cellCenter(m, hand) {
        const c = findChild(m, "cell_" + hand)
        return c.mapToItem(m, c.width / 2, c.height / 2)
    }
    function clickCell(p, hand) {
        const m = matrixOf(p)
        const q = cellCenter(m, hand)
        mouseClick(m, q.x, q.y)
    }
    function lockButtons(p) { return itemsNamed(p.nodeLockPanel, "lockActionButton") }
    function mixedFields(p) { return itemsNamed(p.nodeLockPanel, "mixedFreqField") }
    function same(a, b) { return Qt.colorEqual(a, b) }

    function typeInto(field, text) {
        field.forceActiveFocus()
        field.selectAll()
        if (text.length === 0)
            keyClick(Qt.Key_Delete)
        for (const ch of text)
            keyClick(ch)
        keyClick(Qt.Key_Return)
    }

    // The visible items under `card` that reach past its right edge, by name.
    function pastRightEdge(card, item, out) {
        item = item || card
        out = out || []
        for (let i = 0; i < item.children.length; ++i) {
            const kid = item.children[i]
            if (!kid.visible || kid.width <= 0)
                continue
            const right = kid.mapToItem(card, kid.width, 0).x
            if (right > card.width + 0.5)
                out.push((kid.objectName || String(kid)) + " ends at " + Math.round(right) + " of "
                         + Math.round(card.width))
            else
                pastRightEdge(card, kid, out)
        }
        return out
    }

    // On a laptop-wide window the strategy column, the buckets and the hand
    // details share the card, each holding its content (the search field
    // goes under the title).
    function test_columnsHoldTheirContentOnALaptop() {
        const p = makePage()
        p.width = 1297
        p.height = 729
        waitForRendering(p)
        const row = findChild(p, "rangeViewRow")
        for (const name of ["strategyScroll", "bucketsCard", "handDetailsCard"]) {
            const column = findChild(p, name)
            verify(column.mapToItem(row, column.width, 0).x <= row.width + 0.5, name)
            compare(pastRightEdge(column), [], name)
        }
        const search = findChild(p, "handSearch")
        verify(search.width >= 120, "the search field keeps a usable width")
    }

    // ---- Matrix inputs ----

    function test_matrixInputs_data() {
        return [
            { tag: "root: per-class reach summaries", path: [],
              weights: { AA: 0.75, KK: 0.5, QQ: 1, JJ: 0.65, AKs: 1, AQs: 0.5 },
              keys: ["check", "Bet 75%", "Bet 33%"], colors: { KK: "#818CF8", AKs: "#A78BFA" },
              strategyArgs: [0], reachArgs: [0, ""] },
            { tag: "bucket filter", path: [], bucket: "Overpair",
              weights: { QQ: 1, JJ: 0.65 }, keys: ["check", "Bet 75%", "Bet 33%"], colors: {},
              strategyArgs: [0], reachArgs: [0, "Overpair"] },
            { tag: "facing a bet: the node's own actions", path: [2],
              weights: { TT: 1 }, keys: ["fold", "call", "Raise 60%", "Raise 120%"], colors: { TT: tokens.actionColor("Call") },
              strategyArgs: [2], reachArgs: [2, ""] },
            { tag: "no statistics: the action list", path: [0],
              weights: {}, keys: ["check", "Bet 50%"], colors: {}, strategyArgs: [1], reachArgs: [1, ""] }
        ]
    }
    function test_matrixInputs(data) {
        const p = makePage()
        for (let i = 0; i < data.path.length; ++i)
            p.selectActionAtLevel(i, data.path[i])
        fake.clearCalls()
        if (data.bucket)
            p.selectedBucket = data.bucket
        else
            p.refreshHandMatrix()
        compare(p.handWeights, data.weights)
        compare(p.handActionTypeList, data.keys)
        for (const cls in data.colors)
            verify(same(p.handColors[cls], data.colors[cls]), cls + ": " + p.handColors[cls])
        compare(Object.keys(p.handColors).sort(), Object.keys(data.weights).sort())
        compare(fake.callsOf("nodeHandStrategy"), [data.strategyArgs])
        compare(fake.callsOf("nodeHandStrategyReach169"), [data.reachArgs])
        const m = matrixOf(p)
        compare(m.weights, p.handWeights)
        compare(m.actionTypes, p.handActionTypeList)
        compare(m.actionProbs, p.handActionProbs)
        compare(m.colors, p.handColors)
    }

    // The matrix takes new inputs on exactly the events that call for them.
    function test_refreshEvents() {
        const p = makePage()
        fake.clearCalls()
        p.selectActionAtLevel(0, 2)
        compare(fake.callsOf("nodeHandStrategy"), [[2]])
        compare(p.handWeights, { TT: 1 })

        const t = strategyTree()
        t["0"].reach169[""].weights = { KK: 0.25 }
        fake.tree = t                             // a new result: back at the root
        compare(p.currentNodeIndex, 0)
        compare(p.handWeights, { KK: 0.25 })

        fake.clearCalls()
        p.playMode = true                         // hidden: nothing asked
        p.selectActionAtLevel(0, 2)
        compare(fake.callsOf("nodeHandStrategy"), [])
        p.playMode = false
        compare(p.currentNodeIndex, 0)
        compare(fake.callsOf("nodeHandStrategy"), [[0]])

        tokens.dark = false                       // colours follow the theme
        verify(same(p.handColors.KK, "#4F46E5"), String(p.handColors.KK))
    }

    function test_withoutController() {
        const p = makePage({ controller: null })
        compare([p.handWeights, p.handActionTypes, p.handColors, p.handActionProbs, p.handActionTypeList],
                [{}, {}, {}, {}, []])
        const labels = itemsNamed(matrixOf(p), "label")
        compare(labels.length, 169)
        verify(labels.every(function (l) { return l.opacity < 1 }))
    }

    // ---- Legend ----

    function test_legend_data() {
        return [
            { tag: "root", path: [], freqs: null, names: ["Check", "Bet 75%", "Bet 33%"] },
            { tag: "threshold", path: [], freqs: [0.05, 0.051, 0.899], names: ["Bet 75%", "Bet 33%"] },
            { tag: "chance node", path: [0, 0], freqs: null, names: ["Random turn card"] }
        ]
    }
    function test_legend(data) {
        if (data.freqs) {
            const t = strategyTree()
            t["0"].actionStats.forEach(function (a, i) { a.frequency = data.freqs[i] })
            fake.tree = t
        }
        const p = makePage()
        for (let i = 0; i < data.path.length; ++i)
            p.selectActionAtLevel(i, data.path[i])
        const legend = findChild(p, "strategyLegend")
        compare(itemsNamed(legend, "legendLabel").map(function (l) { return l.text }), data.names)
        const swatches = itemsNamed(legend, "legendSwatch")
        const shown = p.currentActions.filter(function (a) { return data.names.indexOf(a.name) >= 0 })
        for (let i = 0; i < shown.length; ++i)
            verify(same(swatches[i].color, shown[i].color || tokens.actionColor(shown[i].actionType)), shown[i].name)
    }

    // ---- Node figures ----

    function test_nodeFigures_data() {
        return [
            { tag: "facing a bet", meta: { player: "OOP", pot: 10, investedOop: 2.5, investedIp: 7.5, effectiveStack: 100 },
              rake: 5, cap: 3, texts: { pot: "10.00", stack: "97.50", toCall: "5.00", rake: "0.50", spr: "9.75", potOdds: "33.3%" } },
            { tag: "rake capped", meta: { player: "OOP", pot: 100, investedOop: 50, investedIp: 50, effectiveStack: 100 },
              rake: 5, cap: 3, texts: { pot: "100.00", stack: "50.00", toCall: "0.00", rake: "3.00", spr: "0.50", potOdds: "\u2014" } },
            { tag: "no pot", meta: { player: "OOP", pot: 0, effectiveStack: 100 },
              rake: 5, cap: 0, texts: { pot: "0.00", stack: "100.00", toCall: "0.00", rake: "0.00", spr: "\u2014", potOdds: "\u2014" } }
        ]
    }
    function test_nodeFigures(data) {
        const t = strategyTree()
        t["0"].meta = Object.assign({ nodeType: "decision", hasChildren: true }, data.meta)
        fake.tree = t
        const p = makePage({ rakePercent: data.rake, rakeCap: data.cap })
        const box = findChild(p, "nodeFiguresBox")
        for (const key in data.texts)
            compare(findChild(box, "figure_" + key).valueText, data.texts[key], key)
        p.rakePercent = 0                         // the figures are bindings
        compare(findChild(box, "figure_rake").valueText, "0.00")
    }

    // The stack line names the player shown in the header.
    function test_stackLabelNamesSelectedPlayer() {
        const p = makePage()
        p.selectActionAtLevel(0, 0)
        verify(itemsNamed(findChild(p, "nodeFiguresBox"), "figure_stack").length === 1)
        compare(findChild(p, "figure_stack").children[0].text, "Stack (IP)")
    }

    // ---- Mode buttons ----

    function test_standardMode_data() {
        return [
            { tag: "already in standard mode", lockMode: false },
            { tag: "from node-lock mode", lockMode: true }
        ]
    }
    function test_standardMode(data) {
        const p = makePage()
        p.nodeLockMode = data.lockMode
        p.nodeLockSelectedActionIndex = 1
        p.nodeLocksByNode = { "0": { AA: { actionProbs: [1, 0, 0] } }, "3": { KK: { actionProbs: [0, 1] } } }
        p.refreshHandMatrix()
        compare(p.handActionProbs.AA, [1, 0, 0])
        fake.clearCalls()
        mouseClick(findChild(p, "standardModeButton"))
        compare(fake.callsOf("clearNodeLocks"), [[0]])
        compare(p.nodeLocksByNode, { "0": {}, "3": { KK: { actionProbs: [0, 1] } } })
        compare([p.nodeLockMode, p.nodeLockSelectedActionIndex], [false, -1])
        compare(p.handActionProbs.AA, [0.5, 0.5, 0], "the matrix shows the solved strategy again")
    }

    function test_nodeLockModeButton() {
        const p = makePage()
        p.nodeLockSelectedActionIndex = 2
        verify(!p.nodeLockPanel.visible)
        verify(!matrixOf(p).dragSelectable)
        mouseClick(findChild(p, "nodeLockModeButton"))
        compare([p.nodeLockMode, p.nodeLockSelectedActionIndex], [true, -1])
        verify(p.nodeLockPanel.visible)
        verify(matrixOf(p).dragSelectable)
        compare(findChild(p, "nodeLockModeButton").iconText, "\u2713")
        compare(findChild(p, "standardModeButton").iconText, "")
    }

    // However many lines the action bar's labels take, the strategy row
    // starts below them.
    function test_actionBarMakesRoomForItsLabels() {
        const p = makePage()
        p.width = 1068
        const bar = findChild(p, "actionFrequencyBar")
        const many = []
        for (let i = 0; i < 9; ++i)
            many.push({ name: "Bet " + (10 * i + 10) + "%", actionType: "bet", frequency: 0.1, combos: 12.5,
                        equity: 0.5, ev: 1.25 })
        bar.actions = many
        tryVerify(function () { return bar.implicitHeight > 90 })    // five lines of labels
        waitForRendering(p)
        const row = findChild(p, "rangeViewRow")
        verify(bar.mapToItem(p, 0, bar.height).y <= row.mapToItem(p, 0, 0).y, bar.height + " / " + bar.implicitHeight)
    }

    // Every lock button shows its whole label with the check mark; the
    // buttons stay of one width and take a second line rather than cut one.
    function test_lockButtonsKeepTheirLabels_data() {
        return [{ tag: "root, wide", width: 1540, path: [], count: 4, wraps: false },
                { tag: "facing a bet, narrow", width: 1068, path: [2], count: 5, wraps: true }]
    }
    function test_lockButtonsKeepTheirLabels(data) {
        const p = makePage()
        p.width = data.width
        p.nodeLockMode = true
        for (let i = 0; i < data.path.length; ++i)
            p.selectActionAtLevel(i, data.path[i])  // node 2: Fold, Call, Raise 60%, Raise 120%
        const buttons = lockButtons(p).concat([findChild(p, "lockMixedButton")])
        compare(buttons.length, data.count)
        const ys = {}
        for (let i = 0; i < buttons.length; ++i) {
            mouseClick(buttons[i])
            waitForRendering(buttons[i])
            verify(!findChild(buttons[i], "buttonLabel").truncated, buttons[i].text)
            compare(buttons[i].width, buttons[0].width)
            ys[buttons[i].y] = true
        }
        compare(Object.keys(ys).length > 1, data.wraps)
    }

    // With the lock panel open the column scrolls, so that "Re-solve" can be
    // brought into view; without it the matrix is wholly in view again.
    function test_strategyColumnScrolls() {
        const p = makePage()
        p.height = 900
        mouseClick(findChild(p, "nodeLockModeButton"))
        mouseClick(findChild(p, "lockMixedButton"))
        const f = findChild(p, "strategyScroll")
        tryVerify(function () { return f.contentHeight > f.height + 50 })
        f.contentY = f.contentHeight - f.height
        const button = findChild(p, "reSolveButton")
        const q = button.mapToItem(f, 0, 0)
        verify(q.y >= 0 && q.y + button.height <= f.height, "Re-solve at " + q.y)
        p.nodeLockMode = false
        tryVerify(function () { return f.contentHeight <= f.height })
        compare(f.contentY, 0)
        verify(f.contentWidth <= f.width + 1)
        // On the narrowest page the matrix keeps legible cells and the
        // column scrolls sideways instead.
        p.width = 1068
        tryVerify(function () { return f.contentWidth > f.width + 1 })
        verify(matrixOf(p).effectiveCellSize >= 24)
        verify(findChild(p, "resultsHeader").width <= findChild(p, "strategyCard").width)
    }

    // ---- Node locks ----

    function test_matrixClick_data() {
        return [
            { tag: "standard mode filters", lockMode: false, filter: "AA", calls: [] },
            { tag: "lock mode, no action chosen", lockMode: true, filter: "", calls: [] },
            { tag: "lock mode, Bet 33%", lockMode: true, pick: 2, filter: "", calls: [[0, "AA", [0, 0, 1]]],
              probs: [0, 0, 1], color: "#818CF8" },
            { tag: "lock mode, mixed thirds", lockMode: true, mixed: true, filter: "", calls: [[0, "AA", [1 / 3, 1 / 3, 1 / 3]]],
              probs: [1 / 3, 1 / 3, 1 / 3], color: tokens.actionColor("Check") },
            { tag: "chance node", lockMode: true, path: [0, 0], pick: 0, filter: "", calls: [] }
        ]
    }
    function test_matrixClick(data) {
        const p = makePage()
        for (let i = 0; i < (data.path || []).length; ++i)
            p.selectActionAtLevel(i, data.path[i])
        if (data.lockMode)
            mouseClick(findChild(p, "nodeLockModeButton"))
        if (data.pick !== undefined && lockButtons(p).length > 0)
            mouseClick(lockButtons(p)[data.pick])
        if (data.pick !== undefined && data.path)
            p.nodeLockSelectedActionIndex = data.pick   // no buttons on a chance node
        if (data.mixed)
            mouseClick(findChild(p, "lockMixedButton"))
        waitForRendering(p)
        fake.clearCalls()
        clickCell(p, "AA")
        compare(p.selectedHandClass, data.filter)
        const calls = fake.callsOf("setNodeLockProbs")
        compare(calls.length, data.calls.length)
        for (let i = 0; i < calls.length; ++i) {
            compare(calls[i][0], data.calls[i][0])
            compare(calls[i][1], data.calls[i][1])
            for (let k = 0; k < data.calls[i][2].length; ++k)
                fuzzyCompare(calls[i][2][k], data.calls[i][2][k], 1e-9)
        }
        if (data.probs) {
            for (let k = 0; k < data.probs.length; ++k)
                fuzzyCompare(p.handActionProbs.AA[k], data.probs[k], 1e-9)
            verify(same(p.handColors.AA, data.color), String(p.handColors.AA))
            compare(p.handWeights.AA, 0.75, "a lock changes no weight")
        }
    }

    function test_notLockableNode() {
        const p = makePage()
        p.nodeLockMode = true
        verify(!findChild(p, "notLockableText").visible)
        p.selectActionAtLevel(0, 0)
        p.selectActionAtLevel(1, 0)               // the turn deal
        verify(findChild(p, "notLockableText").visible)
        verify(!findChild(p, "lockActionRow").visible)
        verify(!findChild(p, "resetLocksButton").visible)
    }

    // One press and a drag over ten cells lock ten classes at "Check".
    function test_dragLocksTenCells() {
        const p = makePage()
        mouseClick(findChild(p, "nodeLockModeButton"))
        mouseClick(lockButtons(p)[0])
        compare(lockButtons(p)[0].iconText, "\u2713")
        fake.clearCalls()
        const m = matrixOf(p)
        const row = ["AA", "AKs", "AQs", "AJs", "ATs", "A9s", "A8s", "A7s", "A6s", "A5s"]
        let q = cellCenter(m, row[0])
        mouseMove(m, q.x, q.y)
        mousePress(m, q.x, q.y)
        for (let i = 1; i < row.length; ++i) {
            q = cellCenter(m, row[i])
            mouseMove(m, q.x, q.y, -1, Qt.LeftButton)
        }
        mouseRelease(m, q.x, q.y)
        const calls = fake.callsOf("setNodeLockProbs")
        compare(calls.map(function (c) { return c[1] }), row)
        verify(calls.every(function (c) { return c[0] === 0 && String(c[2]) === String([1, 0, 0]) }))
        compare(p.selectedHandClass, "", "the drag is no click")
        compare(Object.keys(p.nodeLocksByNode["0"]).sort(), row.slice().sort())
        // The weighted cells turn wholly into the check colour.
        for (const cls of ["AA", "AKs", "AQs"]) {
            compare(p.handActionProbs[cls], [1, 0, 0], cls)
            const cell = findChild(m, "cell_" + cls)
            compare(cell.segmentSpans[1], cell.fillWidth, cls)
            verify(same(p.handColors[cls], tokens.actionColor("Check")), cls)
        }
        compare(p.handWeights.AJs, undefined, "no weight without reach")
    }

    // Mixed inputs typed in the panel, kept adding up to 1.
    function test_mixedFields() {
        const p = makePage()
        mouseClick(findChild(p, "nodeLockModeButton"))
        mouseClick(lockButtons(p)[1])
        mouseClick(findChild(p, "lockMixedButton"))
        compare(p.nodeLockSelectedActionIndex, -1)
        compare(p.nodeLockMixedFreqTexts, ["0.33", "0.33", "0.33"])
        let fields = mixedFields(p)
        compare(fields.map(function (f) { return f.text }), ["0.33", "0.33", "0.33"])
        typeInto(fields[0], "0.5")
        compare(p.nodeLockMixedFreqTexts, ["0.50", "0.33", "0.17"])
        typeInto(fields[2], "0.5")
        compare(p.nodeLockMixedFreqTexts, ["0.50", "0.00", "0.50"])
        typeInto(fields[1], "abc")                 // ignored, and the stored value shown again
        compare(p.nodeLockMixedFreqTexts, ["0.50", "0.00", "0.50"])
        fields = mixedFields(p)
        compare(fields.map(function (f) { return f.text }), ["0.50", "0.00", "0.50"])
        compare(findChild(p, "lockTip").text.indexOf("enter frequencies") >= 0, true)

        mouseClick(lockButtons(p)[0])             // back to one action: the inputs stay
        compare([p.nodeLockMixedMode, p.nodeLockSelectedActionIndex], [false, 0])
        mouseClick(findChild(p, "lockMixedButton"))
        compare(p.nodeLockMixedFreqTexts, ["0.50", "0.00", "0.50"])
    }

    // The inputs follow the action count of the node shown.
    function test_mixedInputsFollowNode() {
        const p = makePage()
        p.nodeLockMode = true
        p.selectActionAtLevel(0, 0)               // IP: Check, Bet 50%
        mouseClick(findChild(p, "lockMixedButton"))
        compare(p.nodeLockMixedFreqTexts, ["0.50", "0.50"])
        typeInto(mixedFields(p)[0], "0.3")
        compare(p.nodeLockMixedFreqTexts, ["0.30", "0.70"])
        p.selectActionAtLevel(1, 1)               // OOP: Fold, Call -- same count, kept
        compare(p.currentNodeIndex, 5)
        compare(p.nodeLockMixedFreqTexts, ["0.30", "0.70"])
        p.navigateToBreadcrumb(0)                 // three actions
        compare(p.nodeLockMixedFreqTexts, ["0.33", "0.33", "0.33"])
        p.selectActionAtLevel(0, 0)
        p.selectActionAtLevel(1, 0)               // the turn deal: one card per class
        p.openChancePicker(2, 4)
        p.chooseChanceCard(1, "Qh")               // a node with a single action
        compare(p.currentNodeIndex, 10)
        compare(p.nodeLockMixedFreqTexts, ["1.00"])
        typeInto(mixedFields(p)[0], "0.3")
        compare(p.nodeLockMixedFreqTexts, ["1.00"])
    }

    // "Reset locks" drops the node's locks, on the page and in the
    // controller, and with them its tree markers; other nodes keep theirs.
    function test_resetLocksAndMarkers() {
        const t = strategyTree()
        t["0"].locks = [{ hand: "QQ", actionProbs: [1, 0, 0], actionIndex: -1, actionProb: 1 }]
        fake.tree = t
        const p = makePage()
        const locked = function () {
            return itemsNamed(findChild(p, "treePanel"), "actionTile").map(function (tile) { return tile.locked })
        }
        compare(locked(), [true, true, true])
        mouseClick(findChild(p, "nodeLockModeButton"))
        mouseClick(lockButtons(p)[0])
        clickCell(p, "AA")
        p.nodeLocksByNode = Object.assign({ "3": { KK: { actionProbs: [0, 1] } } }, p.nodeLocksByNode)
        fake.clearCalls()
        mouseClick(findChild(p, "resetLocksButton"))
        compare(fake.callsOf("clearNodeLocks"), [[0]])
        compare(p.nodeLocksByNode["0"], {})
        compare(locked(), [false, true, false])
        compare([p.nodeLockMode, p.nodeLockSelectedActionIndex, p.nodeLockMixedMode], [true, -1, false])
        compare(p.handActionProbs.AA, [0.5, 0.5, 0])
    }

    function test_reSolveButton() {
        const p = makePage()
        mouseClick(findChild(p, "nodeLockModeButton"))
        mouseClick(lockButtons(p)[2])
        clickCell(p, "KK")
        fake.clearCalls()
        const button = findChild(p, "reSolveButton")
        verify(button.enabled)
        mouseClick(button)
        compare(goToSolveSpy.count, 1)
        compare(fake.callsOf("reSolveWithNodeLocks").length, 1)
        verify(fake.running)
        // A re-solve keeps the edits: the locked node keeps its marker.
        compare(p.nodeLocksByNode["0"].KK, { actionProbs: [0, 0, 1] })
        verify(p._nodeHasLocks(0))
    }
}
