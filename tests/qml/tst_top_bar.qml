import QtQuick
import QtTest
import Tessaval
import TestSupport

TestCase {
    id: testCase
    name: "TopBar"
    width: 1200
    height: 300
    visible: true
    when: windowShown

    Theme { id: darkTheme }
    Component { id: fakeComponent; FakeController {} }
    Component {
        id: barComponent
        TopBar {
            width: testCase.width
            theme: darkTheme
            maxIterations: 400
            targetExploitability: 0.5
        }
    }

    property var fake
    property var bar

    function init() {
        fake = createTemporaryObject(fakeComponent, testCase)
        bar = createTemporaryObject(barComponent, testCase, { controller: fake })
        mouseMove(testCase, 1190, 290)
    }

    function tab(i) { return findChild(bar, "tab" + i) }
    function tabsEnabled() { return [0, 1, 2, 3, 4].map(function (i) { return tab(i).enabled }) }
    function chipWord() { return findChild(bar, "statusWord").text }
    function chipPercent() {
        const p = findChild(bar, "statusPercent")
        return p.visible ? p.text : null
    }
    function chipLit() { return Qt.colorEqual(findChild(bar, "statusChip").border.color, darkTheme.success) }

    function test_tabEnabling_data() {
        // Enabled: Home, Setup, Solve, Results, Settings.
        return [
            { tag: "blank", project: false, solvable: false, results: 0, page: 0, running: false,
              expect: [true, false, false, false, true] },
            { tag: "project", project: true, solvable: false, results: 0, page: 1, running: false,
              expect: [true, true, false, false, true] },
            { tag: "solvable", project: true, solvable: true, results: 0, page: 1, running: false,
              expect: [true, true, true, false, true] },
            { tag: "results", project: true, solvable: true, results: 10, page: 0, running: false,
              expect: [true, true, true, true, true] },
            { tag: "solving, solve page", project: true, solvable: true, results: 10, page: 2, running: true,
              expect: [false, false, true, false, false] },
            { tag: "solving, home page", project: true, solvable: true, results: 0, page: 0, running: true,
              expect: [true, true, true, false, true] }
        ]
    }

    function test_tabEnabling(data) {
        bar.projectEnabled = data.project
        bar.canSolve = data.solvable
        bar.currentPage = data.page
        fake.resultIterations = data.results
        fake.running = data.running
        compare(tabsEnabled(), data.expect)

        const asked = []
        bar.navigate.connect(function (i) { asked.push(i) })
        for (let i = 0; i < 5; ++i)
            mouseClick(tab(i))
        compare(asked, [0, 1, 2, 3, 4].filter(function (i) { return data.expect[i] }))
        compare(bar.currentPage, data.page)
    }

    function test_tooltips_data() {
        const setup = "Start a new project (or load one) from Home to enable Project"
        const running = "A solve is running: the other pages open when it ends or is cancelled"
        return [
            { tag: "setup", tab: 1, lock: false, text: setup },
            { tag: "solve", tab: 2, lock: false, text: "Fill board, ranges, and sizings to enable Solve" },
            { tag: "results", tab: 3, lock: false, text: "Run a solve to enable Results" },
            { tag: "solve, with its reason", tab: 2, lock: false, reason: "Give OOP a range.",
              text: "Give OOP a range." },
            { tag: "setup, locked", tab: 1, lock: true, text: running },
            { tag: "home, locked", tab: 0, lock: true, text: running }
        ]
    }

    function test_tooltips(data) {
        bar.projectEnabled = data.lock
        bar.canSolve = data.lock
        bar.solveBlockText = data.reason || ""
        if (data.lock) {
            bar.currentPage = 2
            fake.running = true
        }
        const t = tab(data.tab)
        verify(!t.enabled)
        const tip = findChild(t.parent, "tabToolTip")
        verify(!tip.visible)
        mouseMove(t, t.width / 2, t.height / 2)
        if (data.text === "") {
            wait(100)
            verify(!tip.visible)
        } else {
            tryCompare(tip, "visible", true)
            compare(tip.text, data.text)
        }
        mouseMove(testCase, 1190, 290)
        tryCompare(tip, "visible", false)
    }

    // A whole solve as the controller reports it.
    function test_solveSequence() {
        bar.canSolve = true
        const steps = [
            { running: false, text: "Ready", word: "Ready", percent: null, iteration: 0 },
            { running: true, text: "Starting...", word: "Starting", percent: "0%", iteration: 0 },
            { running: true, text: "Init: building game object...", word: "Initializing", percent: "0%", iteration: 0 },
            { running: true, text: "Iter 100 | exploitability≈12.3400", progress: 0.25,
              word: "Solving", percent: "50%", iteration: 100 },
            { running: true, text: "Iter 180 | exploitability≈8.0000", progress: 0.45,
              word: "Solving", percent: "90%", iteration: 180 },
            { running: true, text: "Cancelling...", progress: 0.25, word: "Solving", percent: "50%", iteration: 100 },
            { running: true, text: "Finalizing: computing results...", progress: 0.45,
              word: "Finalizing", percent: "90%", iteration: 180 },
            { running: true, text: "Done", progress: 1, results: 180, word: "Solving", percent: "100%", iteration: 400 },
            { running: false, text: "Done", word: "Ready", percent: null, iteration: 180 },
            // The next solve holds nothing of this one.
            { running: true, text: "Starting...", progress: 1, word: "Starting", percent: "100%", iteration: 400 },
            { running: true, text: "Finalizing: computing results...", progress: 0.25,
              word: "Finalizing", percent: "50%", iteration: 100 }
        ]
        for (let i = 0; i < steps.length; ++i) {
            const s = steps[i]
            if (s.progress !== undefined)
                fake.progress = s.progress
            if (s.results !== undefined)
                fake.resultIterations = s.results
            fake.statusText = s.text
            fake.running = s.running
            const at = "step " + i + " (" + s.text + ")"
            compare(chipWord(), s.word, at)
            compare(chipPercent(), s.percent, at)
            compare(bar.currentIteration, s.iteration, at)
            verify(chipLit(), at)
        }
    }

    function test_chipColouring_data() {
        return [
            { tag: "idle, ready spot", running: false, solvable: true, lit: true, word: "Ready" },
            { tag: "idle, no spot", running: false, solvable: false, lit: false, word: "Ready" },
            { tag: "running, no spot", running: true, solvable: false, lit: true, word: "Starting" }
        ]
    }

    // "Starting..." reads "Starting" only while a solve runs.
    function test_chipColouring(data) {
        bar.canSolve = data.solvable
        fake.statusText = "Starting..."
        fake.running = data.running
        compare([chipLit(), chipWord(), chipPercent() !== null], [data.lit, data.word, data.running])
    }

    function test_withoutController() {
        bar.controller = null
        bar.canSolve = false
        compare([chipWord(), chipLit(), chipPercent()], ["Ready", false, null])
        compare([bar.currentIteration, bar.progressWheelValue], [0, 0])
        compare(tabsEnabled(), [true, true, false, false, true])
    }
}
