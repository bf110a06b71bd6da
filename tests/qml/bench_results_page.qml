import QtQuick
import QtTest
import Tessaval

// Run by hand (not part of ctest), with the info lines off as the program
// runs without logging:
//   QT_LOGGING_RULES='*.info=false' QT_QPA_PLATFORM=offscreen \
//       <build>/tests/qml/qml_tests -input tests/qml/bench_results_page.qml
// Solves a realistic flop spot (about half a million nodes) with the real
// controller, then walks the results page down the tree and back: for each
// step the time from the click to the node's data drawn (the tree, header,
// action bar and buckets in the next frame; the hand list after its 60 ms
// debounce), on the first visit of the node and on a later one. It also
// times the controller's node queries one by one on fresh nodes.
TestCase {
    id: bench
    name: "ResultsPageBench"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Theme { id: tokens }

    ResultsPage {
        id: page
        width: bench.width
        height: bench.height
        theme: tokens
        boardText: "QsJh2h"
        random: function () { return 0.5 }
    }

    property int _frames: 0
    Connections {
        target: bench.Window.window
        function onFrameSwapped() { ++bench._frames }
    }

    function spot() {
        const s = {
            board: "QsJh2h", starting_pot: 10, effective_stack: 95, starting_street: "flop",
            max_iterations: 4, target_exploitability: 0, thread_count: 8,
            oop_range: "AA-22, AKs-A2s, KQs-K9s, QJs-Q9s, JTs-J9s, T9s, 98s, 87s, AKo-ATo, KQo-KJo",
            ip_range: "JJ-22, AQs-A2s, KQs-K8s, QJs-Q8s, JTs-J8s, T9s-T8s, 98s, 87s, 76s, AQo-AJo, KQo"
        }
        for (const seat of ["oop", "ip"])
            for (const street of ["flop", "turn", "river"]) {
                s[seat + "_" + street + "_bet_sizes"] = "33, 75"
                s[seat + "_" + street + "_raise_sizes"] = "60"
                s[seat + "_" + street + "_add_all_in"] = true
            }
        return s
    }

    // The next frame drawn (one is asked for: an unchanged window draws none).
    function waitFrame() {
        const f = _frames
        bench.Window.window.update()
        tryVerify(function () { return bench._frames > f }, 5000)
    }

    // One navigation step: {sync, frame, list} in ms from the call.
    function step(label, action) {
        waitFrame()
        const t0 = Date.now()
        action()
        const sync = Date.now() - t0
        waitFrame()
        const frame = Date.now() - t0
        tryVerify(function () { return !page._handCombosLoading }, 10000)
        const loaded = Date.now() - t0
        waitFrame()
        const list = Date.now() - t0
        console.log(label + ": call " + sync + " ms, drawn " + frame + " ms, hand list loaded " + loaded
                    + " ms, drawn " + list + " ms (debounce 60 ms included); node " + page.currentNodeIndex
                    + ", " + page.currentHandCombos.length + " combos, " + page.currentHandBuckets.length + " buckets")
        return { sync: sync, frame: frame, list: list }
    }

    function timeQuery(label, f) {
        const t0 = Date.now()
        f()
        return label + " " + (Date.now() - t0) + " ms"
    }

    function test_navigation() {
        const t0 = Date.now()
        appController.startSolveWithConfig(spot())
        tryVerify(function () { return !appController.running }, 600000)
        compare(appController.statusText, "Done")
        console.log("solved in " + (Date.now() - t0) + " ms, " + appController.treeNodeCount() + " nodes")

        // Where the time of a first visit goes, query by query, on nodes not
        // asked before: a flop decision facing a bet, a turn and a river one.
        const flopNode = appController.nodeActions(0)[1].childIndex
        console.log("flop node " + flopNode + ": " + queries(flopNode))

        // The result arrives: the page shows the root.
        const first = []
        first.push(step("result arrives, root", function () {
            page.controller = appController
            page._onResultsChanged()
        }))

        // Down: OOP check, IP bet 33%, OOP call, the turn; then the turn's
        // first decision and a river.
        first.push(step("first visit, OOP checks", function () { page.selectActionAtLevel(0, 0) }))
        first.push(step("first visit, IP bets", function () { page.selectActionAtLevel(1, 1) }))
        first.push(step("first visit, OOP calls", function () { page.selectActionAtLevel(2, 1) }))
        verify(page.currentMeta.nodeType === "chance")
        page.openChancePicker(3, page.currentNodeIndex)
        first.push(step("first visit, turn card", function () { page.chooseChanceCardRandom() }))
        first.push(step("first visit, turn check", function () { page.selectActionAtLevel(4, 0) }))
        first.push(step("first visit, turn check back", function () { page.selectActionAtLevel(5, 0) }))
        page.openChancePicker(6, page.currentNodeIndex)
        first.push(step("first visit, river card", function () { page.chooseChanceCardRandom() }))
        const riverNode = page.currentNodeIndex

        // Back up to the root and down again: every node is now cached.
        const again = []
        const clicked = []
        again.push(step("again, root", function () { page.navigateToBreadcrumb(0) }))
        again.push(step("again, OOP checks", function () { page.selectActionAtLevel(0, 0) }))
        again.push(step("again, IP bets", function () { page.selectActionAtLevel(1, 1) }))
        again.push(step("again, back to OOP", function () { page.navigateToBreadcrumb(1) }))

        // A mouse click on a tile of the current level (a node not seen yet).
        const tiles = []
        const collect = function (item) {
            for (let i = 0; i < item.children.length; ++i) {
                const kid = item.children[i]
                if (kid.objectName === "actionTile" && kid.visible && kid.enabled)
                    tiles.push(kid)
                collect(kid)
            }
        }
        collect(findChild(page, "treePanel"))
        clicked.push(step("first visit by a click on the last tile", function () { mouseClick(tiles[tiles.length - 1]) }))

        const worst = function (list, key) { return Math.max.apply(null, list.map(function (r) { return r[key] })) }
        const firsts = first.concat(clicked)
        console.log("first visits: worst drawn " + worst(firsts, "frame") + " ms, worst hand list drawn "
                    + worst(firsts, "list") + " ms")
        console.log("cached visits: worst drawn " + worst(again, "frame") + " ms, worst hand list drawn "
                    + worst(again, "list") + " ms")

        const fresh = appController.nodeActions(riverNode).map(function (a) { return a.childIndex })
        const n = fresh.find(function (i) { return appController.nodeMeta(i).nodeType === "decision" })
        console.log("river node " + n + ": " + queries(n))
    }

    function queries(n) {
        return [
            timeQuery("nodeMeta", function () { appController.nodeMeta(n) }),
            timeQuery("nodeActions", function () { appController.nodeActions(n) }),
            timeQuery("nodeActionStats", function () { appController.nodeActionStats(n) }),
            timeQuery("nodeHandBuckets", function () { appController.nodeHandBuckets(n) }),
            timeQuery("nodeHandCombos", function () { appController.nodeHandCombos(n) }),
            timeQuery("nodeHandStrategy", function () { appController.nodeHandStrategy(n) }),
            timeQuery("nodeHandStrategyReach169", function () { appController.nodeHandStrategyReach169(n, "") }),
            timeQuery("nodeHandStrategyReach169 again", function () { appController.nodeHandStrategyReach169(n, "") })
        ].join(", ")
    }
}
