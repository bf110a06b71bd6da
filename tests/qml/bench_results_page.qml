import QtQuick
import QtTest
import Tessaval
import TestSupport

// Run by hand (not part of ctest), with the info lines off as the program
// runs without logging:
//   QT_LOGGING_RULES='*.info=false' QT_QPA_PLATFORM=offscreen \
//       <build>/tests/qml/qml_tests -input tests/qml/bench_results_page.qml
// BENCH_THREADS (default 8) and BENCH_ITERATIONS (default 3) set the solve;
// BENCH_ANIMATIONS=1 leaves the items' animated changes (hover and selection
// effects) on; they are turned off otherwise, so that the frames counted
// are those the click's changes draw.
// Under callgrind (valgrind --tool=callgrind --instr-atstart=no
// --collect-atstart=no ...) every click is written out as its own part,
// named after it, with the instructions of every thread from the click
// until the page has settled.
//
// Solves a wide flop spot (about 2.2 GB of solver arrays) with the real
// controller, then clicks through the results page with the mouse as a
// user does: the root's actions, the in-position player's, back to an
// earlier level, a deal, the picker's cards. For each click, until nothing
// has been drawn for 400 ms: the GUI thread's processor time besides
// drawing and drawing, the frames drawn and the time from the click to the
// end of the last of them.
// The first visits of nodes and the later ones are told apart. A table per
// kind of click ends the run; the query-by-query times of three fresh
// nodes come first.
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
        boardText: "Kh9d4c"
        random: function () { return 0.5 }
    }

    BenchProbe {
        id: probe
        window: bench.Window.window
    }

    // Flop Kh9d4c, pot 20, stack 100; OOP plays 782 combos (59 %), IP 898
    // (68 %); flop bets 33 % and 75 % and a 100 % raise, turn and river a
    // 75 % bet and a 100 % raise, all-ins everywhere.
    function spot() {
        const env = function (name, fallback) {
            const v = Number(probe.env(name))
            return probe.env(name) !== "" && isFinite(v) && v > 0 ? v : fallback
        }
        const s = {
            board: "Kh9d4c", starting_pot: 20, effective_stack: 100, starting_street: "flop",
            max_iterations: env("BENCH_ITERATIONS", 3), target_exploitability: 0,
            thread_count: env("BENCH_THREADS", 8),
            oop_range: "22+, A2s+, K2s+, Q2s+, J5s+, T6s+, 96s+, 85s+, 75s+, 64s+, 53s+, 43s, "
                       + "A2o+, K2o+, Q5o+, J7o+, T7o+, 97o+, 87o",
            ip_range: "22+, A2s+, K2s+, Q2s+, J2s+, T2s+, 92s+, 84s+, 74s+, 63s+, 53s+, 43s, "
                      + "A2o+, K2o+, Q5o+, J6o+, T6o+, 96o+, 86o+, 76o"
        }
        for (const seat of ["oop", "ip"])
            for (const street of ["flop", "turn", "river"]) {
                s[seat + "_" + street + "_bet_sizes"] = street === "flop" ? "33, 75" : "75"
                s[seat + "_" + street + "_raise_sizes"] = "100"
                s[seat + "_" + street + "_add_all_in"] = true
            }
        return s
    }

    // ---- Clicks -----------------------------------------------------------

    property var records: []
    property var seenNodes: ({})

    function _collect(item, name, out) {
        for (let i = 0; i < item.children.length; ++i) {
            const kid = item.children[i]
            if (kid.objectName === name && kid.visible && kid.enabled)
                out.push(kid)
            _collect(kid, name, out)
        }
        return out
    }

    // The action tiles of a level of the tree, in their order.
    function tiles(level) {
        return _collect(findChild(page, "treePanel"), "actionTile", []).filter(function (t) {
            return t.depth === level
        })
    }

    // The tile whose action's name starts with `name` ("Raise" for any raise).
    function tileNamed(level, name) {
        const all = tiles(level)
        const t = all.find(function (x) { return x.action.indexOf(name) === 0 })
        verify(t !== undefined, "no tile " + name + " at level " + level + ": "
               + all.map(function (x) { return x.action }).join(", "))
        return t
    }

    function chanceTile(level) {
        const t = _collect(findChild(page, "treePanel"), "chanceTile", []).find(function (x) {
            return x.depth === level
        })
        verify(t !== undefined, "no deal at level " + level)
        return t
    }

    // The picker's cell of a card (it must be offered).
    function pickerCard(card) {
        const cell = findChild(page.chancePicker.contentItem, "chanceCard_" + card)
        verify(cell !== null && cell.actionIndex >= 0, card + " is not offered")
        return cell
    }

    // One click, measured from the press until the page has settled:
    // nothing drawn for 400 ms. The pointer comes to the target first, as a
    // user's does, and whatever that hover animates ends before the click.
    function click(kind, label, target, atOnce) {
        if (typeof target !== "function")
            mouseMove(target)
        if (!atOnce)
            probe.settle(300, 5000)

        const nodeBefore = page.currentNodeIndex
        const f0 = probe.frames
        const still0 = probe.stillCpuMs()
        const draw0 = probe.drawCpuMs()
        const cpu0 = probe.threadCpuMs()
        const all0 = probe.processCpuMs()
        const t0 = probe.nowMs()
        if (probe.underCallgrind)
            probe.callgrindStart()
        if (typeof target === "function")
            target()
        else
            mouseClick(target)
        const sync = probe.nowMs() - t0
        const lastFrame = probe.settle(400, 10000)
        if (probe.underCallgrind)
            probe.callgrindStop(kind + ": " + label)
        const node = page.currentNodeIndex
        const first = !seenNodes[node]
        seenNodes[node] = true
        const draw = probe.drawCpuMs() - draw0
        const r = {
            kind: kind, label: label, node: node, first: first,
            sync: sync,
            work: probe.threadCpuMs() - cpu0 - draw - (probe.stillCpuMs() - still0),
            draw: draw,
            frames: probe.frames - f0,
            settled: Math.max(sync, lastFrame - t0),
            allCpu: probe.processCpuMs() - all0
        }
        records.push(r)
        console.log(kind + " (" + label + (first ? ", first visit" : "") + "): node " + node
                    + ": GUI thread " + r.work.toFixed(1) + " ms CPU besides drawing, "
                    + r.draw.toFixed(1) + " ms drawing; " + r.frames + " frames, the last ended "
                    + r.settled.toFixed(0) + " ms after the click (the click's own handling "
                    + r.sync.toFixed(0) + " ms); all threads " + r.allCpu.toFixed(0) + " ms CPU; frames at "
                    + probe.frameEndsSince(t0).map(function (t) { return (t - t0).toFixed(0) }).join(" "))
        return r
    }

    // Down a line from the node of `level` (whose actions are shown): the
    // acting player's action, the other's, the deal and the picker's card;
    // twice, to the river.
    // With `atOnce`, the second click comes as soon as its tile is drawn
    // after the first (which is not measured), before what the first started
    // computing ahead can be done.
    function line(level, flopActions, turnCard, riverCard, atOnce) {
        if (atOnce) {
            mouseClick(tileNamed(level, flopActions[0]))
            tryVerify(function () { return tiles(level + 1).length > 0 }, 5000)
            click("IP → OOP facing a bet, clicked at once", flopActions[1], tileNamed(level + 1, flopActions[1]), true)
        } else {
            click("root → IP node", flopActions[0], tileNamed(level, flopActions[0]))
            click("IP → OOP facing a bet", flopActions[1], tileNamed(level + 1, flopActions[1]))
        }
        click("back", "to level " + (level + 1), tileNamed(level + 1, flopActions[1]))
        click("→ turn chance node", flopActions[2], tileNamed(level + 1, flopActions[2]))
        click("open the picker", "turn", chanceTile(level + 2))
        click("turn pick", turnCard, pickerCard(turnCard))
        click("→ IP node", "Check", tileNamed(level + 3, "Check"))
        click("→ river chance node", "Check", tileNamed(level + 4, "Check"))
        click("open the picker", "river", chanceTile(level + 5))
        click("river pick", riverCard, pickerCard(riverCard))
    }

    function test_clicks() {
        page.controller = null
        const t0 = Date.now()
        const s = spot()
        appController.startSolveWithConfig(s)
        tryVerify(function () { return !appController.running }, 3600000, "the solve ends")
        compare(appController.statusText, "Done")
        console.log("solved in " + (Date.now() - t0) + " ms, " + appController.treeNodeCount() + " nodes, "
                    + s.max_iterations + " iterations on " + s.thread_count + " threads")

        // Where the time of a first visit goes, query by query, on nodes no
        // click will reach: the flop decision facing an all-in, a turn and a
        // river decision.
        queryTimes()

        // Frames are counted where nothing animates: the items' animated
        // changes (hover and selection effects) are turned off, unless
        // BENCH_ANIMATIONS is set.
        if (probe.env("BENCH_ANIMATIONS") === "")
            probe.stillBehaviors()

        click("result arrives", "root", function () {
            page.controller = appController
            page._onResultsChanged()
        })

        // Three lines on first visits, then the first again (every node
        // seen), then turn and river cards not picked before.
        line(0, ["Check", "Bet 75%", "Check"], "2s", "3d")
        click("back", "to the root", tileNamed(0, "Check"))
        line(0, ["Bet 33%", "Raise", "Call"], "7h", "Jc", true)
        click("back", "to the root", tileNamed(0, "Bet 33%"))
        line(0, ["Bet 75%", "Raise", "Call"], "Qs", "5d")
        for (let round = 0; round < 3; ++round) {
            click("back", "to the root", tiles(0)[0])
            line(0, ["Check", "Bet 75%", "Check"], "2s", "3d")
        }
        for (const card of ["8d", "Td", "6h"]) {
            click("back", "to the turn deal", chanceTile(2))
            click("open the picker", "turn", chanceTile(2))
            click("turn pick", card, pickerCard(card))
        }
        click("→ IP node", "Check", tileNamed(3, "Check"))
        click("→ river chance node", "Check", tileNamed(4, "Check"))
        click("open the picker", "river", chanceTile(5))
        click("river pick", "3d", pickerCard("3d"))
        for (const card of ["2c", "Ah", "7s"]) {
            click("back", "to the river deal", chanceTile(5))
            click("open the picker", "river", chanceTile(5))
            click("river pick", card, pickerCard(card))
        }
        report()
    }

    // ---- Figures ------------------------------------------------------------

    function _stats(list, key) {
        const v = list.map(function (r) { return r[key] }).sort(function (a, b) { return a - b })
        if (v.length === 0)
            return "—"
        const med = v[Math.floor((v.length - 1) / 2)]
        return v[0].toFixed(0) + " / " + med.toFixed(0) + " / " + v[v.length - 1].toFixed(0)
    }

    function report() {
        const kinds = []
        for (const r of records)
            if (kinds.indexOf(r.kind) < 0)
                kinds.push(r.kind)
        const lines = ["", "Per kind of click (min / median / max over the clicks): the GUI thread's processor time "
                       + "besides drawing and drawing (ms), the frames drawn, and the time from the click to the end "
                       + "of the last frame (ms):",
                       "| click | visits | n | GUI work | drawing | frames | settled |",
                       "|---|---|---|---|---|---|---|"]
        let worstWork = 0, worstSettled = 0
        for (const kind of kinds) {
            for (const first of [true, false]) {
                const list = records.filter(function (r) { return r.kind === kind && r.first === first })
                if (list.length === 0)
                    continue
                for (const r of list) {
                    worstWork = Math.max(worstWork, r.work)
                    worstSettled = Math.max(worstSettled, r.settled)
                }
                lines.push("| " + kind + " | " + (first ? "first" : "again") + " | " + list.length + " | "
                           + _stats(list, "work") + " | "
                           + _stats(list, "draw") + " | " + _stats(list, "frames") + " | "
                           + _stats(list, "settled") + " |")
            }
        }
        lines.push("", "Worst click: GUI work " + worstWork.toFixed(0) + " ms, settled after "
                   + worstSettled.toFixed(0) + " ms")
        console.log(lines.join("\n"))
    }

    function timeQuery(label, f) {
        const t0 = probe.nowMs()
        f()
        return label + " " + (probe.nowMs() - t0).toFixed(1) + " ms"
    }

    function queryTimes() {
        const childOf = function (n, name) {
            const a = appController.nodeActions(n).find(function (x) { return x.name === name })
            return a ? a.childIndex : -1
        }
        const ipAfterCheck = childOf(0, "Check")
        const deal = childOf(childOf(ipAfterCheck, "Bet 33%"), "Call")
        const turn = appController.nodeActions(deal)[0].childIndex
        const riverDeal = childOf(childOf(turn, "Check"), "Check")
        const river = appController.nodeActions(riverDeal)[0].childIndex
        for (const n of [childOf(0, "All-In"), turn, river]) {
            if (n >= 0)
                console.log("node " + n + " (" + appController.nodeMeta(n).nodeType + "): " + queries(n))
        }
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
            timeQuery("nodeHandCombos again", function () { appController.nodeHandCombos(n) }),
            timeQuery("nodeActionStats again", function () { appController.nodeActionStats(n) })
        ].join(", ")
    }
}
