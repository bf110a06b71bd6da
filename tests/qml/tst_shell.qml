import QtQuick
import QtTest
import Tessaval
import TestSupport

TestCase {
    id: testCase
    name: "Shell"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Component {
        id: shellComponent
        AppShell {
            width: testCase.width
            height: testCase.height
        }
    }
    Component {
        id: fakeComponent
        FakeController {}
    }

    property var shell
    property var fake

    function init() {
        fake = createTemporaryObject(fakeComponent, testCase)
        fake.solveRequiredMemoryBytes = 1e9
        fake.systemAvailableMemoryBytes = 8e9
        shell = createTemporaryObject(shellComponent, testCase, { controller: fake })
        verify(shell)
        shell.forceActiveFocus()
    }

    function child(name) {
        return findChild(shell, name)
    }

    // A complete spot with a memory figure: the solve may start.
    function makeSolvable() {
        child("homePage").quickSolve()
        verify(shell.canSolve)
    }

    function test_startupState() {
        const s = shell.exportProjectState()
        compare(Object.keys(s).length, 37)
        compare([s.boardText, s.oopRangeText, s.oopFlopBetSizesText, s.startingStreet],
                ["", "", "", "flop"])
        compare([s.maxIterations, s.startingPot, s.effectiveStack, s.rakeCap, s.rakePercent],
                [0, 0, 0, 0, 0])
        compare(s.threadCount, 8)
        compare(shell.navIndex, 0)
        verify(!shell.hasProject)
        verify(!shell.canSolve)
        compare(fake.callsOf("clearResults").length, 1)
    }

    function test_navigationGuards_data() {
        return [
            { tag: "results before any solve", setup: "none", target: 3, expect: 0 },
            { tag: "setup without project", setup: "none", target: 1, expect: 0 },
            { tag: "solve without spot", setup: "none", target: 2, expect: 0 },
            { tag: "settings always", setup: "none", target: 4, expect: 4 },
            { tag: "setup with project", setup: "project", target: 1, expect: 1 },
            { tag: "solve when solvable", setup: "solvable", target: 2, expect: 2 },
            { tag: "results with results", setup: "results", target: 3, expect: 3 },
            { tag: "home while solving", setup: "running", target: 0, expect: 2 },
            { tag: "settings while solving", setup: "running", target: 4, expect: 2 },
            { tag: "solve while solving", setup: "running", target: 2, expect: 2 }
        ]
    }

    function arrange(setup) {
        if (setup === "project") {
            child("homePage").newProject()
            shell.navIndex = 0
        } else if (setup === "solvable") {
            makeSolvable()
            shell.navIndex = 0
        } else if (setup === "results") {
            fake.resultIterations = 10
        } else if (setup === "running") {
            makeSolvable()
            shell.navIndex = 2
            fake.running = true
        }
    }

    function test_navigationGuards(data) {
        arrange(data.setup)
        child("topBar").navigate(data.target)
        compare(shell.navIndex, data.expect)
    }

    function test_shortcuts_data() {
        return [
            { tag: "Ctrl+1", key: Qt.Key_1, setup: "results", from: 4, expect: 0 },
            { tag: "Ctrl+2 without project", key: Qt.Key_2, setup: "none", from: 0, expect: 0 },
            { tag: "Ctrl+2", key: Qt.Key_2, setup: "project", from: 0, expect: 1 },
            { tag: "Ctrl+3 unsolvable", key: Qt.Key_3, setup: "project", from: 0, expect: 0 },
            { tag: "Ctrl+3", key: Qt.Key_3, setup: "solvable", from: 0, expect: 2 },
            { tag: "Ctrl+4 without results", key: Qt.Key_4, setup: "none", from: 0, expect: 0 },
            { tag: "Ctrl+4", key: Qt.Key_4, setup: "results", from: 0, expect: 3 },
            { tag: "Ctrl+,", key: Qt.Key_Comma, setup: "none", from: 0, expect: 4 },
            { tag: "Ctrl+1 locked", key: Qt.Key_1, setup: "running", from: 2, expect: 2 },
            { tag: "Ctrl+, locked", key: Qt.Key_Comma, setup: "running", from: 2, expect: 2 }
        ]
    }

    function test_shortcuts(data) {
        arrange(data.setup)
        shell.navIndex = data.from
        keyClick(data.key, Qt.ControlModifier)
        compare(shell.navIndex, data.expect)
    }

    function test_f5StartsWithTheWholeMap() {
        makeSolvable()
        fake.clearCalls()
        keyClick(Qt.Key_F5)
        compare(shell.navIndex, 2)
        const starts = fake.callsOf("startSolveWithConfig")
        compare(starts.length, 1)
        const map = starts[0][0]
        compare(Object.keys(map).length, 36)
        compare(map.board, "AdJd8s")
        compare(map.target_exploitability, 0.09)
        compare(map.thread_count, 8)
        verify(!("apply_node_locks" in map))
        // Running: a second F5 does nothing; Escape cancels.
        keyClick(Qt.Key_F5)
        compare(fake.callsOf("startSolveWithConfig").length, 1)
        keyClick(Qt.Key_Escape)
        compare(fake.callsOf("cancelSolve").length, 1)
    }

    function test_f5Refusals_data() {
        return [
            { tag: "no spot", arrange: function (t) {} },
            { tag: "too little memory", arrange: function (t) {
                t.makeSolvable(); t.fake.systemAvailableMemoryBytes = 5e8 } },
            { tag: "already running", arrange: function (t) {
                t.makeSolvable(); t.fake.running = true } }
        ]
    }

    // No estimate yet blocks nothing: the solve says what went wrong, if anything.
    function test_f5StartsBeforeAnyEstimate() {
        makeSolvable()
        fake.solveRequiredMemoryBytes = 0
        shell.navIndex = 0
        fake.clearCalls()
        keyClick(Qt.Key_F5)
        compare(fake.callsOf("startSolveWithConfig").length, 1)
        compare(shell.navIndex, 2)
    }

    // A close asked while a solve runs: Escape answers the question and
    // leaves the solve running.
    function test_escapeAnswersTheCloseQuestion() {
        fake.resultIterations = 30
        fake.running = true
        const home = child("homePage")
        home.appControllerObject = fake
        home._resultsUnsaved = true
        let closed = 0
        verify(!shell.closeRequested(function () { closed += 1 }))
        const confirm = findChild(home, "discardResultsDialog")
        tryCompare(confirm, "opened", true)
        fake.clearCalls()
        keyClick(Qt.Key_Escape)
        tryCompare(confirm, "visible", false)
        compare([fake.callsOf("cancelSolve").length, closed], [0, 0])
    }

    function test_f5Refusals(data) {
        data.arrange(testCase)
        shell.navIndex = 0
        fake.clearCalls()
        keyClick(Qt.Key_F5)
        compare(fake.callsOf("startSolveWithConfig").length, 0)
        compare(shell.navIndex, 0)
        keyClick(Qt.Key_Escape)
        compare(fake.callsOf("cancelSolve").length, fake.running ? 1 : 0)
    }

    function test_pageSignals() {
        child("homePage").newProject()
        compare(shell.navIndex, 1)
        verify(shell.hasProject)
        compare(shell.startingPot, 18)
        compare(shell.boardText, "")

        // Import keeps an existing project.
        shell.boardText = "AhKsQd"
        shell.navIndex = 0
        child("homePage").importRange()
        compare(shell.navIndex, 1)
        compare(shell.boardText, "AhKsQd")

        // The way on is gated as every start: not while the spot is unsolvable.
        child("projectPage").goToSolve()
        compare(shell.navIndex, 1)
        makeSolvable()
        child("projectPage").goToSolve()
        compare(shell.navIndex, 2)
        child("solvePage").goToResults()
        compare(shell.navIndex, 3)
        child("resultsPage").goToSolve()
        compare(shell.navIndex, 2)

        // A loaded project: applied over the state, no reset, results shown.
        fake.clearCalls()
        child("homePage").projectLoaded({ boardText: "KsQd7h", maxIterations: 77 }, true)
        compare(shell.navIndex, 3)
        compare(shell.boardText, "KsQd7h")
        compare(shell.maxIterations, 77)
        compare(shell.startingPot, 18)
        compare(fake.callsOf("clearResults").length, 0)
        child("homePage").projectLoaded({ boardText: "2c3c4c" }, false)
        compare(shell.navIndex, 1)
    }

    function test_importWithoutProjectStartsOne() {
        shell.boardText = "AhKsQd"
        child("homePage").importRange()
        verify(shell.hasProject)
        compare(shell.navIndex, 1)
        compare(shell.boardText, "")
        compare(shell.rakeCap, 3)
    }

    // A page that wrote its property lost the binding; every wholesale
    // change binds it again, so the page shows the shell's state.
    function test_pagesFollowWholesaleChanges() {
        const project = child("projectPage")
        const solve = child("solvePage")
        child("homePage").newProject()
        project.boardText = "AhKsQd"
        compare(shell.boardText, "AhKsQd")  // copied back
        solve.threadCount = 4
        compare(shell.threadCount, 4)
        compare(shell.exportProjectState().threadCount, 4)
        child("homePage").newProject()
        compare(project.boardText, "")
        compare(solve.boardText, "")
        shell.startingPot = 55
        compare(project.startingPot, 55)
        child("homePage").projectLoaded({ threadCount: 6, boardText: "2c3c4c" }, false)
        compare(solve.threadCount, 6)
        compare(project.boardText, "2c3c4c")
    }

    function test_applyNeverThrows() {
        child("homePage").quickSolve()
        shell.applyProjectState({ maxIterations: null, startingPot: "abc", rakeCap: {},
                                  threadCount: 2.6, oopFlopAddAllIn: "yes", boardText: 7 })
        compare(shell.maxIterations, 400)
        compare(shell.startingPot, 18)
        compare(shell.rakeCap, 3)
        compare(shell.threadCount, 3)
        compare(shell.oopFlopAddAllIn, true)
        compare(shell.boardText, "7")
        shell.applyProjectState(null)
        compare(shell.maxIterations, 400)
    }

    function test_presetsFollowDeveloperMode() {
        compare(shell.quickSolvePreset().boardText, "AdJd8s")
        const s = shell.quickSolvePreset()
        compare(s.oopRangeText.indexOf("42s"), -1)
    }

    // A burst of edits asks for one estimate, 450 ms after the last edit;
    // the iteration limit and the target ask for none.
    function test_estimateIsDebounced() {
        makeSolvable()
        wait(600)
        fake.clearCalls()
        const editTimes = []
        for (let i = 0; i < 10; ++i) {
            editTimes.push(Date.now())
            shell.oopRangeText = "AA,KK:0." + (i + 1)
            wait(100)
        }
        tryVerify(function () { return fake.callsOf("requestSolveMemoryEstimate").length >= 1 }, 2000)
        wait(100)
        const requests = fake.callsOf("requestSolveMemoryEstimate")
        // One request, with the last edit's text; only a machine so slow that
        // two edits lay more than 450 ms apart may have sent one in between.
        let longGaps = 0
        for (let i = 1; i < editTimes.length; ++i)
            longGaps += editTimes[i] - editTimes[i - 1] >= 450 ? 1 : 0
        verify(requests.length >= 1 && requests.length <= 1 + longGaps, requests.length + " requests")
        const map = requests[requests.length - 1][0]
        compare(map.oop_range, "AA,KK:0.10")
        compare(Object.keys(map).length, 36)
        const sent = fake.calls.filter(function (c) { return c.method === "requestSolveMemoryEstimate" })
        verify(sent[sent.length - 1].time - editTimes[9] >= 450, "too early")

        fake.clearCalls()
        shell.maxIterations = 900
        shell.targetExploitability = 0.3
        wait(700)
        compare(fake.callsOf("requestSolveMemoryEstimate").length, 0)

        // An incomplete spot asks for nothing and drops the last figure.
        shell.boardText = "AhKs"
        wait(700)
        compare(fake.callsOf("requestSolveMemoryEstimate").length, 0)
        compare(fake.callsOf("clearSolveMemoryEstimate").length, 1)
    }

    function test_themeFromSettingsPage() {
        const settings = child("settingsPage")
        compare(settings.darkMode, shell.theme.dark)
        settings.darkMode = false
        verify(!shell.theme.dark)
    }
}
