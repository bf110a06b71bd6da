import QtQuick
import QtQuick.Controls
import QtTest
import Tessaval
import TestSupport
import "results_fixture.js" as Fixture
import "qrc:/Tessaval/qml/pages/results/results_actions.js" as Actions

// The results page against a fake controller holding a small solved tree on
// the flop AsKs2h: the result life cycle, the header, tree navigation, the
// chance picker's suit mapping, the action lists, buckets and the hand list.
TestCase {
    id: testCase
    name: "ResultsPage"
    width: 1540
    height: 1000
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

    function init() {
        tokens.dark = true
        fake.running = false
        fake.refuseStarts = false
        fake.resultStartingPot = 10
        fake.resultEvOop = 0
        fake.resultEvIp = 0
        fake.tree = Fixture.tree()
        fake.resultIterations = 100
        fake.clearCalls()
    }

    function makePage(props) {
        const p = createTemporaryObject(pageComponent, testCase, Object.assign({ controller: fake }, props || {}))
        goToSolveSpy.clear()
        goToSolveSpy.target = p
        return p
    }

    // Every visible item below `item` named `name`, in tree order, once the
    // lists have laid out their rows.
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

    function levels(p) {
        const out = []
        for (let i = 0; i < p.treeLevels.count; ++i)
            out.push([p.treeLevels.get(i).nodeIndex, p.treeLevels.get(i).selectedActionIndex])
        return out
    }

    // Root, Check, Check: the turn's chance node is current (level 2).
    function walkToTurn(p) {
        p.selectActionAtLevel(0, 0)
        p.selectActionAtLevel(1, 0)
        compare(p.currentNodeIndex, 4)
    }

    function setLockEditState(p) {
        p.nodeLockMode = true
        p.nodeLockSelectedActionIndex = 1
        p.nodeLocksByNode = { "0": { "AA": { actionProbs: [1, 0, 0] } } }
    }

    // ---- Frame ----

    function test_uiScale_data() {
        return [
            { tag: "floor", width: 770, scale: 0.75, treeWidth: 240 },
            { tag: "between", width: 1155, scale: 0.75, treeWidth: 240 },
            { tag: "baseline", width: 1540, scale: 1.0, treeWidth: 320 },
            { tag: "wider", width: 2000, scale: 1.0, treeWidth: 320 }
        ]
    }
    function test_uiScale(data) {
        const p = makePage()
        p.width = data.width
        compare(p.uiScale, data.scale)
        compare(findChild(p, "treePanel").SplitView.preferredWidth, data.treeWidth)
    }

    // The narrowest window the shell allows leaves the page about 1070 px:
    // the header still fits its card, and no statistic collapses.
    function test_headerFitsNarrowPage() {
        const p = makePage()
        p.width = 1068
        waitForRendering(p)
        const header = findChild(p, "resultsHeader")
        verify(header.width <= header.parent.width, header.width + " > " + header.parent.width)
        const stat = findChild(p, "exploitabilityStat")
        verify(stat.width >= header._statMinWidth && stat.x + stat.width <= header.width)
    }

    function test_headerStatistics_data() {
        return [
            { tag: "result", controller: true, evOop: -1.5, evIp: 2.25, expl: 0.012345, texts: ["3.500", "7.250", "0.0123"] },
            { tag: "no result", controller: true, evOop: 0, evIp: 0, expl: 0, pot: 0, texts: ["0.000", "0.000", "0.0000"] },
            { tag: "no controller", controller: false, texts: ["\u2014", "\u2014", "\u2014"] }
        ]
    }
    function test_headerStatistics(data) {
        if (data.controller) {
            fake.resultEvOop = data.evOop
            fake.resultEvIp = data.evIp
            fake.resultExploitability = data.expl
            fake.resultStartingPot = data.pot === undefined ? 10 : data.pot
        }
        const p = makePage({ controller: data.controller ? fake : null })
        compare([findChild(p, "evOopStat").value, findChild(p, "evIpStat").value,
                 findChild(p, "exploitabilityStat").value], data.texts)
        compare(findChild(p, "distributionsButton").enabled, data.controller)
    }

    function test_playerBadgeFollowsNavigation() {
        const p = makePage()
        compare(findChild(p, "playerBadgeText").text, "OOP to act")
        p.selectActionAtLevel(0, 0)
        compare(findChild(p, "playerBadgeText").text, "IP to act")
        p.selectActionAtLevel(1, 0)             // a chance node names no player: kept
        compare(p.selectedPlayer, "IP")
    }

    // ---- Result life cycle ----

    function test_newResultRefreshesTheSameNode() {
        const p = makePage()
        compare(p.currentMeta.pot, 10)
        compare(p.currentActions.length, 3)
        const t = Fixture.tree()
        t["0"].meta.pot = 12
        t["0"].actionStats = [{ name: "Check", actionType: "check", frequency: 1, combos: 1, equity: 0.5, ev: 0 }]
        fake.tree = t                            // a new result; node 0 stays current
        compare(p.currentNodeIndex, 0)
        compare(p.currentMeta.pot, 12)
        compare(p.currentActions.map(function (a) { return a.name }), ["Check"])
    }

    function test_newResultResetsTreeAndReloadsHands() {
        const p = makePage()
        walkToTurn(p)
        verify(findChild(p, "bucketsNotHere").visible, "a deal says why it has no buckets")
        p.openChancePicker(2, 4)
        p.chooseChanceCard(0, "7c")
        tryCompare(p, "_handCombosLoading", false)
        fake.clearCalls()
        fake.emitResultsChanged()
        compare(levels(p), [[0, -1]])
        compare(p.treeBoardText, "AsKs2h")
        compare(p.chanceCardDisplayOverrideByNode, {})
        verify(p._handCombosLoading)
        tryCompare(p, "_handCombosLoading", false)
        compare(fake.callsOf("nodeHandCombos"), [[0]])
    }

    function test_solveStartLeavesPlayView() {
        const p = makePage()
        p.playMode = true
        p.selectActionAtLevel(0, 1)
        fake.resultIterations = 0                 // the controller clears, then starts
        fake.running = true
        verify(!p.playMode)
        compare(levels(p), [[0, -1]])
        compare(p.currentNodeIndex, 0)
    }

    // How solve starts, refusals and results meet the page's lock edits.
    function test_lockEditStateLifeCycle_data() {
        return [
            { tag: "ordinary start", steps: ["locks", "start"], kept: false },
            { tag: "re-solve", steps: ["locks", "resolve"], kept: true, starts: 1 },
            { tag: "re-solve refused", steps: ["locks", "refuse", "resolve"], kept: true, starts: 0 },
            { tag: "ordinary start after a refused re-solve",
              steps: ["locks", "refuse", "resolve", "allow", "start"], kept: false },
            { tag: "re-solve while running", steps: ["running", "locks", "resolve", "done", "start"], kept: false },
            { tag: "results cleared", steps: ["locks", "clear"], kept: false },
            { tag: "a solve's result arrives", steps: ["running", "locks", "done"], kept: true },
            { tag: "a project is opened", steps: ["locks", "result"], kept: false }
        ]
    }
    function test_lockEditStateLifeCycle(data) {
        const p = makePage()
        for (const step of data.steps) {
            switch (step) {
            case "locks": setLockEditState(p); p.refreshHandMatrix(); break
            case "start": fake.resultIterations = 0; fake.running = true; break
            case "resolve": p._startNodeLockReSolve(); break
            case "refuse": fake.refuseStarts = true; break
            case "allow": fake.refuseStarts = false; break
            case "running": fake.running = true; break
            case "done": fake.running = false; fake.resultIterations = 50; break
            case "clear": fake.resultIterations = 0; break
            case "result": fake.resultIterations = 250; break
            }
            if (step === "resolve") {
                verify(!p._startingSolveWithNodeLocks, "the flag is consumed or reset at once")
                compare(goToSolveSpy.count, 1)
                if (data.starts !== undefined)
                    compare(fake.running, data.starts === 1)
            }
        }
        compare(p.nodeLockMode, data.kept)
        compare(Object.keys(p.nodeLocksByNode).length, data.kept ? 1 : 0)
        compare(p.nodeLockSelectedActionIndex, data.kept ? 1 : -1)
        // Dropped lock edits colour nothing.
        if (!data.kept)
            verify(JSON.stringify(p.handActionProbs.AA) !== "[1,0,0]", JSON.stringify(p.handActionProbs.AA))
    }

    // The action chosen for locking belongs to its node.
    function test_lockChoiceStaysWithItsNode() {
        const p = makePage()
        setLockEditState(p)
        p.selectActionAtLevel(0, 0)
        compare([p.nodeLockMode, p.nodeLockSelectedActionIndex], [true, -1])
    }

    function test_clearedResultLeavesEmptyRoot() {
        const p = makePage()
        p.selectActionAtLevel(0, 0)
        fake.tree = {}
        fake.resultIterations = 0
        compare(levels(p), [[0, -1]])
        compare(p.currentMeta, {})
        compare(itemsNamed(findChild(p, "treePanel"), "actionTile").length, 0)
    }

    function test_withoutController() {
        const p = makePage({ controller: null })
        compare(p._metaForNode(0), {})
        compare(p._actionsForNode(0), [])
        compare(p.currentActions, [])
        compare(p.currentHandBuckets, [])
        compare(levels(p), [[0, -1]])
        compare(itemsNamed(findChild(p, "treePanel"), "actionTile").length, 0)
    }

    // ---- Tree navigation ----

    function test_navigation() {
        const p = makePage()
        p.selectActionAtLevel(0, 2)               // Bet 33% -> node 2
        compare(levels(p), [[0, 2], [2, -1]])
        compare([p.currentNodeIndex, p.selectedPlayer], [2, "IP"])
        p.selectActionAtLevel(0, 0)               // an earlier level: ignored
        compare(p.currentNodeIndex, 2)
        p.selectActionAtLevel(1, 7)               // no such action
        compare(levels(p), [[0, 2], [2, -1]])
        p.selectActionAtLevel(1, 0)               // Fold: terminal, stays selected
        compare(levels(p), [[0, 2], [2, 0]])
        compare(p.currentNodeIndex, 2)
        p.selectActionAtLevel(1, 1)               // already decided
        compare(levels(p), [[0, 2], [2, 0]])
        p.navigateToBreadcrumb(1)
        p.selectActionAtLevel(1, 3)               // child outside the tree
        compare(levels(p), [[0, 2], [2, 3]])
        compare(p.currentNodeIndex, 2)
        p.navigateToBreadcrumb(-1)
        compare(levels(p), [[0, -1]])
        compare(p.selectedPlayer, "OOP")
    }

    function test_pathQueries() {
        const p = makePage()
        walkToTurn(p)
        p.openChancePicker(2, 4)
        p.chooseChanceCard(0, "7c")
        p.selectActionAtLevel(3, 1)               // OOP bets 50% on the turn
        compare(p._lastSelectedActionNameForActor("OOP"), "Bet 50%")
        compare(p._lastSelectedActionNameForActor("IP"), "Check")
        compare([p._findChanceLevel("turn"), p._findChanceLevel("river")], [2, -1])
        compare(p._boardFromTreeSelectionsUpTo(2), "AsKs2h")
    }

    // A lock held by the controller or edited on the page marks the node's
    // tiles and the tiles leading to it.
    function test_lockMarkers() {
        const t = Fixture.tree()
        t["1"].locks = [{ hand: "AA", actionProbs: [1, 0], actionIndex: -1, actionProb: 1 }]
        fake.tree = t
        const p = makePage()
        const locked = function () {
            return itemsNamed(findChild(p, "treePanel"), "actionTile").map(function (tile) { return tile.locked })
        }
        compare(locked(), [true, false, false])
        p.nodeLocksByNode = { "3": { "KK": { actionProbs: [0, 1] } } }
        compare(locked(), [true, true, false])
        p.selectActionAtLevel(0, 0)
        compare(itemsNamed(findChild(p, "treePanel"), "bannerLockIcon").length, 1)
    }

    function test_tileClicks() {
        const p = makePage()
        const panel = findChild(p, "treePanel")
        let tiles = itemsNamed(panel, "actionTile")
        compare(tiles.length, 3)
        verify(itemsNamed(panel, "availableActionsBanner").length === 1)
        mouseClick(tiles[2])                      // Bet 33%
        tryCompare(p, "currentNodeIndex", 2)
        tiles = itemsNamed(panel, "actionTile")
        compare(tiles.map(function (t) { return t.action }), ["Bet 33%", "Fold", "Call", "Raise 60%", "Raise 120%"])
        mouseClick(tiles[0])                      // the earlier level: back to it
        tryCompare(p, "currentNodeIndex", 0)
        compare(itemsNamed(panel, "actionTile").length, 3)
    }

    // Going to another node and back, the rows and tiles shown take the new
    // data in place rather than being built again; a node without buckets
    // keeps the bucket rows for the next.
    function test_rowsAndTilesKept() {
        const p = makePage()
        tryCompare(p, "_handCombosLoading", false)
        const tree = findChild(p, "treePanel"), list = findChild(p, "handComboList")
        const tiles = itemsNamed(tree, "actionTile")
        const row = itemsNamed(list, "handComboRow")[0]
        const bucket = findChild(p, "bucketRow_Overpair")
        p.selectActionAtLevel(0, 2)               // Bet 33%: one combo, no buckets
        tryCompare(p, "_handCombosLoading", false)
        verify(itemsNamed(list, "handComboRow")[0] === row)
        compare(itemsNamed(row, "evLine").map(function (l) { return l.text }), ["0.00", "1.50", "2.50", "\u2014"])
        p.navigateToBreadcrumb(0)
        tryCompare(p, "_handCombosLoading", false)
        const again = itemsNamed(tree, "actionTile")
        verify(again.length === 3 && again.every(function (t, i) { return t === tiles[i] }))
        verify(findChild(p, "bucketRow_Overpair") === bucket)
        verify(itemsNamed(list, "handComboRow")[0] === row)
    }

    function test_playViewDisablesTiles() {
        const p = makePage({ playMode: true })
        const tiles = itemsNamed(findChild(p, "treePanel"), "actionTile")
        verify(tiles.length > 0 && !tiles[0].enabled)
        mouseClick(tiles[0])
        compare(p.currentNodeIndex, 0)
    }

    // ---- Chance cards ----

    // On AsKs2h clubs and diamonds are absent: 7c stands for the listed 7d.
    function test_turnPicker_data() {
        return [
            { tag: "listed card", card: "7d", index: 0 },
            { tag: "absent suit, same rank listed", card: "7c", index: 0 },
            { tag: "present suit not listed", card: "7h", index: -1 },
            { tag: "listed in a present suit", card: "Qh", index: 1 },
            { tag: "absent suit, rank listed only in a present suit", card: "Qd", index: -1 },
            { tag: "on the board", card: "As", index: -1 },
            { tag: "other absent suit of a club card", card: "9d", index: 2 }
        ]
    }
    function test_turnPicker(data) {
        const p = makePage()
        walkToTurn(p)
        p.openChancePicker(2, 4)
        compare(p.chancePickerTitle, "Choose Turn Card")
        compare(p._chanceCardIndexForSelection(data.card), data.index)
        const cell = findChild(p.chancePicker.contentItem, "chanceCard_" + data.card)
        compare(cell.actionIndex, data.index)
    }

    // Choosing 7c for the solver's 7d exchanges clubs and diamonds later on.
    function test_suitMappingCarriesToRiver_data() {
        return [
            { tag: "other suit", turn: "7c", board: "AsKs2h7c", riverPick: "9c",
              river: { "9c": 0, "9d": 1, "7d": 2, "7c": -1, "Qh": 3, "Ah": 4 } },
            { tag: "listed suit", turn: "7d", board: "AsKs2h7d", riverPick: "9d",
              river: { "9d": 0, "9c": 1, "7c": 2, "7d": -1, "Qh": 3, "Ah": 4 } }
        ]
    }
    function test_suitMappingCarriesToRiver(data) {
        const p = makePage()
        walkToTurn(p)
        p.openChancePicker(2, 4)
        mouseClick(findChild(p.chancePicker.contentItem, "chanceCard_" + data.turn))
        tryCompare(p.chancePicker, "visible", false)
        compare(p.treeBoardText, data.board)
        compare(findChild(p, "headerBoard").boardText, data.board)
        compare(itemsNamed(findChild(p, "treePanel"), "chanceTile")[0].action, data.turn)
        p.selectActionAtLevel(3, 0)               // Check -> river
        compare(p.currentNodeIndex, 13)
        p.openChancePicker(4, 13)
        compare(p.chancePickerTitle, "Choose River Card")
        for (const card in data.river)
            compare(p._chanceCardIndexForSelection(card), data.river[card], card)
        p.chooseChanceCard(0, data.riverPick)     // the solver's 9d, as the grid shows it
        compare(p.treeBoardText, data.board + data.riverPick)
    }

    function test_overrideOfAnotherRankIgnored() {
        const p = makePage()
        walkToTurn(p)
        p.chanceCardDisplayOverrideByNode = { "4": "8c" }
        p.selectActionAtLevel(2, 0)
        compare(p.treeBoardText, "AsKs2h7d")
        compare(p._suitDisplayMapFromOverridesUpTo(3), { s: "s", h: "h", d: "d", c: "c" })
    }

    function test_randomAndClose() {
        const p = makePage({ random: function () { return 0.99 } })
        walkToTurn(p)
        p.openChancePicker(2, 4)
        keyClick(Qt.Key_Escape)
        tryCompare(p.chancePicker, "visible", false)
        compare(levels(p), [[0, 0], [1, 0], [4, -1]])
        p.chooseChanceCard(0, "7c")               // nothing pending any more
        compare(p.currentNodeIndex, 4)
        p.openChancePicker(2, 4)
        mouseClick(findChild(p.chancePicker.contentItem, "chanceRandomButton"))
        compare(p.treeBoardText, "AsKs2h7c")      // the last live card, shown in its own suit
        const node = p.currentNodeIndex
        p.chancePickerIndexByCard = ({})
        p.chancePickerLevelIndex = 2
        p.chooseChanceCardRandom()                 // no card left to deal
        compare(p.currentNodeIndex, node)
    }

    function test_pickInPlayViewContinuesTheHand() {
        const p = makePage({ playMode: true })
        walkToTurn(p)
        p.playSessionStarted = true
        p.playBoardText = "AsKs2h"
        p.playActionLine = "OOP: Check \u2192 IP: Check"
        p.openChancePicker(2, 4)
        p.chooseChanceCard(0, "7c")
        compare(p.playActionLine, "OOP: Check \u2192 IP: Check \u2192 Chance: 7c")
        compare(p.playBoardText, "AsKs2h7c")
        compare([p.playNodeIndex, p.currentNodeIndex], [9, 9])
        verify(p.playTickTimer.running)
        compare(p.playTickTimer.interval, 0)
    }

    // ---- Actions ----

    function test_currentActions_data() {
        return [
            { tag: "root, dark", dark: true, path: [], names: ["Check", "Bet 75%", "Bet 33%"],
              colors: [undefined, "#A78BFA", "#818CF8"], evs: [1.2, 1.1, 1.5] },
            { tag: "facing a bet, light", dark: false, path: [2], names: ["Fold", "Call", "Raise 60%", "Raise 120%"],
              colors: [undefined, undefined, "#F59E0B", "#F97316"], evs: [0, 1.75, 2.5, NaN] },
            { tag: "turn deal", dark: true, path: [0, 0], names: ["Random turn card"], colors: [undefined], evs: [NaN] },
            { tag: "plain actions without statistics", dark: true, path: [0], names: ["Check", "Bet 50%"],
              colors: [undefined, "#818CF8"], evs: [undefined, undefined] }
        ]
    }
    function test_currentActions(data) {
        tokens.dark = data.dark
        const p = makePage()
        for (let i = 0; i < data.path.length; ++i)
            p.selectActionAtLevel(i, data.path[i])
        const shown = p.actionFrequenciesActions
        compare(shown.map(function (a) { return a.name }), data.names)
        for (let i = 0; i < shown.length; ++i) {
            compare(shown[i].color, data.colors[i], data.names[i])
            if (data.evs[i] === undefined)
                compare(shown[i].ev, undefined)
            else if (isNaN(data.evs[i]))
                verify(isNaN(shown[i].ev))
            else
                fuzzyCompare(shown[i].ev, data.evs[i], 1e-9)
        }
        compare(findChild(p, "actionFrequencyBar").actions, shown)
    }

    // Hidden panels ask nothing: the play view walks the tree without them.
    function test_playViewAsksNoRangeQueries() {
        const p = makePage({ playMode: true })
        fake.clearCalls()
        p.selectActionAtLevel(0, 2)
        wait(120)
        compare(fake.callsOf("nodeActionStats").length + fake.callsOf("nodeHandBuckets").length
                + fake.callsOf("nodeHandCombos").length, 0)
        p.playMode = false
        tryCompare(p, "_handCombosLoading", false)
        compare(fake.callsOf("nodeHandCombos"), [[0]])
    }

    // ---- Buckets and hand list ----

    function test_debouncedLoad() {
        const p = makePage()
        tryCompare(p, "_handCombosLoading", false)
        waitForRendering(p)
        fake.clearCalls()
        p.selectActionAtLevel(0, 0)               // three changes well inside the 60 ms debounce
        wait(10)
        p.navigateToBreadcrumb(0)
        wait(10)
        p.selectActionAtLevel(0, 2)
        compare(fake.callsOf("nodeHandCombos"), [])
        verify(p._handCombosLoading)
        verify(findChild(p, "handCombosLoading").visible)
        tryCompare(p, "_handCombosLoading", false)
        compare(fake.callsOf("nodeHandCombos"), [[2]])
        compare(p.currentHandCombos.length, 1)
    }

    function test_filters_data() {
        return [
            { tag: "none", board: "AsKs2h", count: 7 },
            { tag: "search jj, AKs", search: "jj, AKs", board: "AsKs2h", count: 3 },
            { tag: "search KA", search: "KA", board: "AsKs2h", count: 2 },
            { tag: "search jcjd", search: "jdjc", board: "AsKs2h", count: 1 },
            { tag: "search AAs", search: "AAs", board: "AsKs2h", count: 0, noMatch: true },
            { tag: "class AKs and search QQ", search: "QQ", cls: "AKs", board: "AsKs2h", count: 0, noMatch: true },
            { tag: "class", cls: "JJ", board: "AsKs2h", count: 2 },
            { tag: "bucket", bucket: "Overpair", board: "AsKs2h", count: 3 },
            { tag: "noise cut on a turn board", board: "AsKs2h7d", noise: true, count: 8 },
            { tag: "no noise cut on a flop board", board: "AsKs2h", noise: true, count: 9 }
        ]
    }
    function test_filters(data) {
        if (data.noise) {
            // Largest weight 0.8: 8e-7 is noise, 9e-7 is not.
            const t = Fixture.tree()
            t["0"].combos.forEach(function (r) { r.weight = Math.min(r.weight, 0.8) })
            for (const w of [0.0000009, 0.0000008])
                t["0"].combos.push({ c1: "4c", c2: w > 0.00000085 ? "3c" : "3d", weight: w, ev: -1,
                                     actionEvs: [-1, -1, -1], buckets: [], actionProbs: [1, 0, 0] })
            fake.tree = t
        }
        const p = makePage({ boardText: data.board })
        tryCompare(p, "_handCombosLoading", false)
        if (data.cls)
            p.toggleHandFilter(data.cls)
        if (data.bucket)
            p.toggleBucketFilter(data.bucket)
        if (data.search)
            findChild(p, "handSearch").text = data.search
        compare(p.visibleHandCombos.length, data.count)
        compare(findChild(p, "noMatchingCombos").visible, !!data.noMatch)
        compare(findChild(p, "classFilterRow").visible, !!data.cls)
    }

    function test_filtersClearedOnNodeChange() {
        const p = makePage()
        p.toggleHandFilter("JJ")
        p.toggleBucketFilter("Set")
        p.handSearchText = "AK"
        p.selectActionAtLevel(0, 0)
        compare([p.selectedHandClass, p.selectedBucket, p.handSearchText, findChild(p, "handSearch").text],
                ["", "", "", ""])
    }

    function test_bucketRowsToggleFilter() {
        const p = makePage()
        compare(findChild(p, "bucketCount").text, "3 shown")
        waitForRendering(p)
        const row = findChild(p, "bucketRow_Overpair")
        compare(findChild(row, "bucketCombos").text, "2.3 combos")
        compare(findChild(row, "bucketBar").actions.map(function (a) { return a.frequency }), [0.95, 0.05, 0])
        mouseClick(row)
        compare(p.selectedBucket, "Overpair")
        mouseClick(row)
        compare(p.selectedBucket, "")
    }

    // Bucket names come translated from the controller: a language switch
    // asks for them again.
    function test_bucketsFollowTheLanguage() {
        const p = makePage()
        const asked = fake.callsOf("nodeHandBuckets").length
        languageManager.setLanguage("de")
        languageManager.setLanguage("system")
        verify(fake.callsOf("nodeHandBuckets").length > asked)
        compare(findChild(p, "bucketCount").text, "3 shown")
    }

    function test_evColumnOfRows() {
        const p = makePage()
        p.selectActionAtLevel(0, 2)               // Fold, Call, Raise 60%, Raise 120%
        tryCompare(p, "_handCombosLoading", false)
        const row = itemsNamed(findChild(p, "handComboList"), "handComboRow")[0]
        const lines = itemsNamed(row, "evLine")
        compare(lines.map(function (l) { return l.text }), ["0.00", "1.50", "2.50", "\u2014"])
        // Sized raises take the theme's hue of their name, others of their type.
        compare(String(lines[2].color), String(tokens.actionColor("Raise 60%")))
        compare(String(lines[1].color), String(tokens.actionColor("call")))

        // The rows' bars follow a change of theme.
        const bar = findChild(row, "comboBar")
        tokens.dark = false
        compare(bar.actions[2].color, Actions.colorizeBetRaiseActions(fake.nodeActionStats(2), false)[2].color)
        verify(bar.actions[2].color !== Actions.colorizeBetRaiseActions(fake.nodeActionStats(2), true)[2].color)
    }
}
