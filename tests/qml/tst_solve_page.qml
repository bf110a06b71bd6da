import QtQuick
import QtTest
import Tessaval
import TestSupport
import "qrc:/Tessaval/qml/components/project_state.js" as ProjectState
import "shown_texts.js" as ShownTexts

// The solve page driven by a stand-in controller: the map it sends, the
// thread box, the configuration summary, what it shows through a whole
// solve, and the list of recent runs.
TestCase {
    id: testCase
    name: "SolvePage"
    width: 1400
    height: 1100
    visible: true
    when: windowShown

    Theme { id: darkTheme }
    Component { id: fakeComponent; FakeController {} }
    Component {
        id: pageComponent
        SolvePage {
            width: testCase.width
            height: testCase.height
            theme: darkTheme
            // Every report shown at once; the sampling has its own test.
            _reportSampleMs: 0
        }
    }
    Component {
        id: shellComponent
        AppShell {
            width: testCase.width
            height: testCase.height
        }
    }

    property var fake
    property var page

    // A spot the controller would take, on every key of the state.
    function spot() {
        const s = {
            boardText: "QsJh2h", oopRangeText: "AA, KK", ipRangeText: "QQ, JJ", betSizesText: "52",
            maxIterations: 400, startingPot: 40, effectiveStack: 95, threadCount: 4,
            startingStreet: "flop", targetExploitability: 0.1, rakePercent: 5, rakeCap: 3,
            oopAddAllInIfJamLtEnabled: true, oopAddAllInIfJamLtPct: 15,
            ipAddAllInIfJamLtEnabled: false, ipAddAllInIfJamLtPct: 20
        }
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"]) {
                s[seat + street + "BetSizesText"] = seat + street + "B"
                s[seat + street + "RaiseSizesText"] = seat + street + "R"
                s[seat + street + "AddAllIn"] = street === "Turn"
                if (seat === "oop")
                    s[seat + street + "DontDonk"] = street === "River"
            }
        return s
    }

    function init() {
        fake = createTemporaryObject(fakeComponent, testCase)
        fake.systemThreadCount = 12
        page = createTemporaryObject(pageComponent, testCase, { controller: fake })
        verify(page)
    }

    function child(name) {
        return findChild(page, name)
    }

    function applySpot(extra) {
        const s = spot()
        for (const k in extra)
            s[k] = extra[k]
        ProjectState.applyState(page, s)
        return s
    }

    function clickStart() {
        mouseClick(child("startButton"))
    }

    function sentMaps() {
        return fake.callsOf("startSolveWithConfig").map(function (args) { return args[0] })
    }

    function rows() {
        const out = []
        for (let i = 0; i < page.runHistoryModel.count; ++i) {
            const r = page.runHistoryModel.get(i)
            out.push(r.runId + ":" + r.status)
        }
        return out
    }

    // The controller ends the run with a final status text.
    function finish(finalText) {
        fake.statusText = finalText
        fake.running = false
    }

    function test_solveMap_data() {
        return [
            { tag: "pot 40, 0.1 %", pot: 40, target: 0.1, chips: 0.04 },
            { tag: "pot 100, 0.5 %", pot: 100, target: 0.5, chips: 0.5 },
            { tag: "no pot", pot: 0, target: 0.5, chips: 0 },
            { tag: "target not a number", pot: 100, target: NaN, chips: 0 }
        ]
    }

    function test_solveMap(data) {
        const s = applySpot({})
        page.startingPot = data.pot
        page.targetExploitability = data.target
        clickStart()
        const maps = sentMaps()
        compare(maps.length, 1)
        const map = maps[0]
        const expectedKeys = ProjectState.KEYS.filter(function (k) { return k.mapKey !== "" })
                                              .map(function (k) { return k.mapKey }).sort()
        compare(Object.keys(map).sort(), expectedKeys)
        compare(expectedKeys.length, 36)
        verify(Math.abs(map.target_exploitability - data.chips) < 1e-12, String(map.target_exploitability))
        for (const key of ProjectState.KEYS) {
            if (key.mapKey === "" || key.mapKey === "target_exploitability")
                continue
            const want = key.name === "startingPot" ? data.pot : s[key.name]
            compare(map[key.mapKey], want, key.mapKey)
        }
        compare(child("targetValue").text.split("= ")[1], data.chips.toFixed(2) + ")")
    }

    function test_startGuards_data() {
        return [
            { tag: "cannot solve", canSolve: false, controller: true, running: false },
            { tag: "no controller", canSolve: true, controller: false, running: false },
            { tag: "already running", canSolve: true, controller: true, running: true }
        ]
    }

    // A start that cannot happen records no run and sends nothing, also
    // when the handler is reached past the disabled button.
    function test_startGuards(data) {
        applySpot({})
        page.canSolve = data.canSolve
        fake.running = data.running
        if (!data.controller)
            page.controller = null
        verify(!child("startButton").enabled)
        page._startSolve()
        compare(page.runHistoryModel.count, 0)
        compare(fake.callsOf("startSolveWithConfig").length, 0)
    }

    function test_threadBox_data() {
        return [
            { tag: "machine count", threads: 12, shown: "Max, 12 threads", pick: -1, after: 12 },
            { tag: "count the list lacks", threads: 3, shown: "Max, 12 threads", pick: -1, after: 3 },
            { tag: "later count above the machine", threads: 64, shown: "Max, 12 threads", pick: -1, after: 64 },
            { tag: "pick 4", threads: 12, shown: "Max, 12 threads", pick: 3, after: 4 },
            { tag: "pick 1", threads: 8, shown: "8 threads", pick: 1, after: 1 },
            { tag: "pick Max", threads: 2, shown: "2 threads", pick: 0, after: 12 }
        ]
    }

    function test_threadBox(data) {
        const box = child("threadBox")
        compare(page._threadChoiceModel, ["Max", "1", "2", "4", "8", "12"])
        applySpot({ threadCount: data.threads })
        compare(box.displayText, data.shown)
        if (data.pick >= 0) {
            box.currentIndex = data.pick
            box.activated(data.pick)
        }
        compare(page.threadCount, data.after)
        clickStart()
        compare(sentMaps()[0].thread_count, data.after)
    }

    function test_threadCountRepairedOnRebuild_data() {
        return [
            { tag: "zero", start: 0, machine: 12, expect: 12 },
            { tag: "above the machine", start: 20, machine: 12, expect: 12 },
            { tag: "usable", start: 3, machine: 12, expect: 3 },
            { tag: "machine shrinks", start: 12, machine: 6, expect: 6 }
        ]
    }

    function test_threadCountRepairedOnRebuild(data) {
        const p = createTemporaryObject(pageComponent, testCase, { controller: fake, threadCount: data.start })
        fake.systemThreadCount = data.machine
        compare(p.threadCount, data.expect)
        compare(p._threadChoiceModel[p._threadChoiceModel.length - 1], String(data.machine))
    }

    // The shell and the page keep one thread count, whichever side changes it.
    function test_threadCountFollowsTheShell() {
        fake.solveRequiredMemoryBytes = 1e9
        fake.systemAvailableMemoryBytes = 8e9
        const shell = createTemporaryObject(shellComponent, testCase, { controller: fake })
        const solve = findChild(shell, "solvePage")
        findChild(shell, "homePage").quickSolve()
        const box = findChild(solve, "threadBox")
        box.currentIndex = 3
        box.activated(3)
        compare([solve.threadCount, shell.threadCount], [4, 4])
        const project = shell.exportProjectState()
        project.threadCount = 8
        findChild(shell, "homePage").projectLoaded(project, false)
        compare([solve.threadCount, box.displayText], [8, "8 threads"])
        shell.forceActiveFocus()
        keyClick(Qt.Key_F5)
        compare(sentMaps()[0].thread_count, 8)
    }

    function test_optionsPanel_data() {
        const all = {}
        for (const f of ["oopFlopDontDonk", "oopTurnDontDonk", "oopRiverDontDonk", "oopFlopAddAllIn",
                         "oopTurnAddAllIn", "oopRiverAddAllIn", "ipFlopAddAllIn", "ipTurnAddAllIn",
                         "ipRiverAddAllIn", "oopAddAllInIfJamLtEnabled", "ipAddAllInIfJamLtEnabled"])
            all[f] = true
        all.oopAddAllInIfJamLtPct = 12.5
        all.ipAddAllInIfJamLtPct = 100
        return [
            { tag: "none", flags: {}, lines: [] },
            { tag: "OOP jam at 15", flags: { oopAddAllInIfJamLtEnabled: true, oopAddAllInIfJamLtPct: 15 },
              lines: ["OOP: add all-in if jam < 15% pot"] },
            { tag: "all, in order", flags: all, lines: [
                  "OOP: don't donk on flop", "OOP: don't donk on turn", "OOP: don't donk on river",
                  "OOP: add all-in on flop", "OOP: add all-in on turn", "OOP: add all-in on river",
                  "IP: add all-in on flop", "IP: add all-in on turn", "IP: add all-in on river",
                  "OOP: add all-in if jam < 12.5% pot", "IP: add all-in if jam < 100% pot"] }
        ]
    }

    function test_optionsPanel(data) {
        ProjectState.applyState(page, data.flags)
        compare(child("configCard").optionLines, data.lines)
        compare(child("noOptions").visible, data.lines.length === 0)
    }

    function test_configurationRows() {
        applySpot({ ipFlopBetSizesText: "", startingStreet: "turn", startingPot: 12.5, effectiveStack: 100,
                    targetExploitability: 0.4, rakePercent: 2.5, rakeCap: 0 })
        compare(child("streetValue").text, "TURN")
        compare(child("potStackValue").text, "12.5 / 100")
        compare(child("targetValue").text, "0.4% (= 0.05)")
        compare(child("rakeValue").text, "2.5% (cap 0)")
        compare(child("betSizesValue").text, "F oopFlopB/— • T oopTurnB/ipTurnB • R oopRiverB/ipRiverB")
    }

    // One whole run as the controller reports it, with what every part of
    // the page shows. Exploitability figures are in chips: the iteration
    // texts carry hundredths of a chip.
    function test_statusSequence() {
        applySpot({ maxIterations: 2000, targetExploitability: 0.5 })
        fake.progress = 1
        const steps = [
            { text: "Ready", line: "Ready", badge: "Ready", ring: 0, spin: false, win: 0,
              label: "Iterations: 0", metric: "—", note: false },
            // Before the first report the previous run's progress still shows.
            { running: true, text: "Starting...", line: "Starting solver…", badge: "Running", ring: 1,
              spin: false, win: 10, label: "Window 10/10", metric: "Measuring...", note: false },
            { progress: 0, text: "Init: building game object...", line: "Initializing…", badge: "Running",
              ring: 0, spin: true, win: 0, label: "Window 0/10", metric: "Measuring...", note: false },
            { text: "Iter 0 | exploitability≈250.0000", line: "Iteration 0 | exploitability=2.50",
              badge: "Running", ring: 0, spin: true, win: 0, label: "Window 0/10", metric: "2.5000", note: false },
            // No measurement before iteration 50: no figure yet.
            { progress: 0.0185, text: "Iter 37 | exploitability≈0.0000", line: "Iteration 37 | exploitability=—",
              badge: "Running", ring: 37 / 200, spin: false, win: 7, label: "Window 7/10", metric: "Measuring...",
              note: false },
            { progress: 0.0255, text: "Iter 51 | exploitability≈81.2300", line: "Iteration 51 | exploitability=0.81",
              badge: "Running", ring: 51 / 200, spin: false, win: 1, label: "Window 1/10", metric: "0.8123",
              note: false },
            { progress: 0.2, text: "Cancelling...", line: "Iteration 400 | exploitability=—", badge: "Running",
              ring: 1, spin: false, win: 10, label: "Window 10/10", metric: "Measuring...", note: false },
            { progress: 0.37, text: "Iter 740 | exploitability≈40.0000", line: "Iteration 740 | exploitability=0.40",
              badge: "Running", ring: 1, spin: false, win: 10, label: "Window 10/10", metric: "0.4000", note: false },
            { text: "Finalizing: computing results...", line: "Finalizing…", badge: "Finalizing", ring: 1,
              spin: false, win: 10, label: "Window 10/10", metric: "Measuring...", note: true },
            { results: 740, expl: 0.4123, running: false, progress: 1, text: "Done", line: "Done", badge: "Ready",
              ring: 1, spin: false, win: 0, label: "Iterations: 740", metric: "0.4123", note: false },
            { running: true, progress: 0, text: "Starting...", results: 0, expl: 0, line: "Starting solver…",
              badge: "Running", ring: 0, spin: true, win: 0, label: "Window 0/10", metric: "Measuring...",
              note: false },
            { running: false, text: "Error: Board must include at least a flop",
              line: "Error: Board must include at least a flop", badge: "Ready", ring: 0, spin: false, win: 0,
              label: "Iterations: 0", metric: "—", note: false }
        ]
        for (let i = 0; i < steps.length; ++i) {
            const s = steps[i]
            if (s.progress !== undefined)
                fake.progress = s.progress
            if (s.results !== undefined)
                fake.resultIterations = s.results
            if (s.expl !== undefined)
                fake.resultExploitability = s.expl
            fake.statusText = s.text
            if (s.running !== undefined)
                fake.running = s.running
            const at = "step " + i + " (" + s.text + ")"
            compare(child("statusLine").text, s.line, at)
            compare(child("solveHeader").badge, s.badge, at)
            verify(Math.abs(page.progressWheelValue - s.ring) < 1e-9, at + ": ring " + page.progressWheelValue)
            compare(child("progressRing").indeterminate, s.spin, at)
            compare(child("windowLabel").text, s.label, at)
            compare(child("progressCard").windowValue, s.win, at)
            compare(child("exploitabilityMetric").value, s.metric, at)
            compare(child("finalizingNote").visible, s.note, at)
        }
    }

    // Reports that arrive faster than the page samples them: the first is
    // shown at once, the burst after it once at the end of the sample time,
    // and what must not be missed (the iteration held through the
    // finalising phase, a cancel asked for elsewhere) is taken from every
    // report all the same.
    function test_reportsAreSampled() {
        applySpot({ maxIterations: 2000, targetExploitability: 0.5 })
        page._reportSampleMs = 200
        clickStart()
        const report = function (i) {
            fake.progress = i / 2000
            fake.statusText = "Iter " + i + " | exploitability≈1.0000"
        }
        report(1)
        compare(page.currentIteration, 1)
        for (let i = 2; i <= 80; ++i)
            report(i)
        fake.statusText = "Cancelling..."
        report(81)
        compare(page.currentIteration, 1)
        compare(rows(), ["1:Cancelled"])
        tryCompare(page, "currentIteration", 81)
        compare(child("statusLine").text, "Iteration 81 | exploitability=0.01")
        report(82)
        fake.statusText = "Finalizing: computing results..."
        tryCompare(child("statusLine"), "text", "Finalizing…")
        compare(page.currentIteration, 82)
        report(83)
        fake.statusText = "Cancelled"
        fake.running = false
        compare([child("statusLine").text, page.currentIteration, rows()[0]], ["Cancelled", 0, "1:Cancelled"])
    }

    function test_withoutController() {
        page.controller = null
        compare([child("statusLine").text, child("solveHeader").badge, child("windowLabel").text],
                ["Ready to solve", "Ready", "—"])
        compare([child("startButton").enabled, child("cancelButton").enabled,
                 child("viewResultsButton").enabled], [false, false, false])
        compare(page.currentIteration, 0)
        verify(isNaN(page.currentExploitabilityValue))
    }

    function test_viewResults_data() {
        return [
            { tag: "results, idle", results: 10, running: false, enabled: true },
            { tag: "results, running", results: 10, running: true, enabled: false },
            { tag: "no results", results: 0, running: false, enabled: false }
        ]
    }

    function test_viewResults(data) {
        fake.resultIterations = data.results
        fake.running = data.running
        const button = child("viewResultsButton")
        compare(button.enabled, data.enabled)
        let asked = 0
        page.goToResults.connect(function () { ++asked })
        page._viewResults()
        compare(asked, data.enabled ? 1 : 0)
    }

    // The timer runs with the controller; its figures stay until the next
    // run ticks, while the estimate reads 00:00 at once.
    function test_elapsedTimerFollowsTheRun() {
        applySpot({ maxIterations: 2000 })
        const timer = child("elapsedTimer")
        fake.running = true
        verify(timer.running)
        fake.statusText = "Iter 100 | exploitability≈1.0000"
        for (let i = 0; i < 10; ++i)
            page._onElapsedTick()
        compare([page.elapsedTime, child("speedMetric").value, page.estimatedRemaining], ["00:10", "10", "03:10"])
        fake.running = false
        verify(!timer.running)
        compare([timer.seconds, page.elapsedTime, page.estimatedRemaining], [0, "00:10", "00:00"])
        compare(child("speedMetric").value, "10")
    }

    // ---- Recent runs ----------------------------------------------------

    function test_runEndings_data() {
        return [
            { tag: "done", how: "done", expect: "Completed" },
            { tag: "error", how: "error", expect: "Failed" },
            { tag: "page cancel", how: "cancel", expect: "Cancelled" },
            { tag: "Escape cancel", how: "escape", expect: "Cancelled" },
            { tag: "refused", how: "refused", expect: "Failed" },
            { tag: "already running", how: "stopsAtOnce", expect: "Failed" }
        ]
    }

    function test_runEndings(data) {
        applySpot({})
        fake.refuseStarts = data.how === "refused"
        fake.stopsAtOnce = data.how === "stopsAtOnce"
        clickStart()
        fake.stopsAtOnce = false
        if (data.how === "refused" || data.how === "stopsAtOnce") {
            compare(rows(), ["1:Failed"])
            compare(page._activeRunId, -1)
            // A solve started elsewhere (F5) while no row is followed
            // leaves the list as it is.
            fake.running = true
            finish("Done")
            compare(rows(), ["1:Failed"])
            return
        }
        compare(rows(), ["1:Running"])
        fake.statusText = "Iter 12 | exploitability≈3.0000"
        if (data.how === "cancel") {
            mouseClick(child("cancelButton"))
            compare(fake.callsOf("cancelSolve").length, 1)
            compare(rows(), ["1:Cancelled"])
            finish("Cancelled")
        } else if (data.how === "escape") {
            fake.cancelSolve()
            compare(rows(), ["1:Cancelled"])
            finish("Cancelled")
        } else {
            finish(data.how === "error" ? "Error: Out of memory" : "Done")
        }
        compare(rows(), ["1:" + data.expect])
        compare(page._activeRunId, -1)
    }

    function test_eleventhRunDropsTheOldest() {
        applySpot({})
        for (let i = 0; i < 11; ++i) {
            clickStart()
            finish("Done")
        }
        compare(page.runHistoryModel.count, 10)
        compare(page.runHistoryModel.get(0).runId, 11)
        compare(page.runHistoryModel.get(9).runId, 2)
        tryCompare(findChild(page, "runsBox"), "height", 180)
    }

    function test_rowContents() {
        applySpot({ maxIterations: 2000, startingPot: 100, targetExploitability: 0.25, threadCount: 8 })
        clickStart()
        const row = page.runHistoryModel.get(0)
        compare(row.summary, "Iterations " + Number(2000).toLocaleString(Qt.locale(), "f", 0)
                + " • Target 0.25% (≈ 0.25) • Threads 8")
        verify(/^\d\d:\d\d:\d\d$/.test(row.startedAt), row.startedAt)
        compare(row.runId, 1)
    }

    function test_clearDuringARun() {
        applySpot({})
        clickStart()
        verify(child("clearRunsButton").enabled)
        mouseClick(child("clearRunsButton"))
        compare(page.runHistoryModel.count, 0)
        verify(child("noRunsText").visible)
        finish("Done")
        compare([page.runHistoryModel.count, page._activeRunId, page._nextRunId], [0, -1, 2])
    }

    // ---- Longer languages ----

    Component {
        id: translatorComponent
        TestTranslator { contexts: ["SolvePage"]; prefix: "Übersetzt " }
    }

    // Texts far longer than the English ones: every button holds its label,
    // every value shows whole, and each run's pill holds its word.
    function test_longTextsFit() {
        const translator = createTemporaryObject(translatorComponent, testCase,
                                                 { language: Qt.locale().name.split("_")[0], active: true })
        page = createTemporaryObject(pageComponent, testCase, { controller: fake })
        applySpot({})
        for (const status of ["Failed", "Cancelled", "Completed", "Running"]) {
            page._appendRun(page._runSummary(), page._runFigures())
            page._setRunStatus(page._activeRunId, status)
        }
        waitForRendering(page)
        compare(ShownTexts.cut(page), [])
        const list = child("runsList")
        const pills = []
        for (let i = 0; i < list.contentItem.children.length; ++i) {
            const row = list.contentItem.children[i]
            if (row.objectName !== "runRow")
                continue
            const pill = findChild(row, "runPill")
            const word = findChild(pill, "runStatus")
            verify(word.text.indexOf("Übersetzt ") === 0, word.text)
            verify(word.x >= 0 && word.x + word.width <= pill.width, word.text + " in " + pill.width)
            pills.push(pill)
        }
        compare(pills.length, 4)
        // One width for all, so that the times line up.
        verify(pills.every(function (p) { return p.width === pills[0].width }))
        translator.active = false
    }
}
