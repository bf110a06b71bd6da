import QtQuick
import QtTest
import Tessaval
import TestSupport
import "shown_texts.js" as ShownTexts

// The set-up page inside the shell: its recommended width, edits that
// restart the memory-estimate wait, the street of a loaded project, the card
// picker's Escape, and a typed spot solved with F5 by the real controller.
TestCase {
    id: testCase
    name: "ProjectPageInShell"
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
    Component {
        id: translatorComponent
        TestTranslator {}
    }

    property var shell
    property var fake
    property var page
    property var estimateTimes: []

    Connections {
        target: testCase.fake ? testCase.fake : null
        ignoreUnknownSignals: true
        function onCallsChanged() {
            const calls = testCase.fake.calls
            if (calls.length > 0 && calls[calls.length - 1].method === "requestSolveMemoryEstimate")
                testCase.estimateTimes.push(Date.now())
        }
    }

    function init() {
        fake = createTemporaryObject(fakeComponent, testCase)
        fake.solveRequiredMemoryBytes = 1e9
        fake.systemAvailableMemoryBytes = 8e9
        shell = createTemporaryObject(shellComponent, testCase, { controller: fake })
        verify(shell)
        page = findChild(shell, "projectPage")
        estimateTimes = []
    }

    function cleanup() {
        languageManager.setLanguage("system")
    }

    function item(name) {
        const found = findChild(page, name)
        verify(found, name)
        return found
    }

    function typeInto(name, text) {
        const f = item(name)
        f.forceActiveFocus()
        f.selectAll()
        keyClick(Qt.Key_Delete)
        for (let i = 0; i < text.length; ++i)
            keyClick(text.charAt(i))
        keyClick(Qt.Key_Return)
    }

    // The shell takes the page's figure only at the page's full scale: a
    // narrower window scales the page down and it asks for less than it needs.
    function test_recommendedWidthReachesShell() {
        shell.resetToNewProject()
        shell.navIndex = 1
        tryCompare(page, "width", testCase.width)
        const wide = page.recommendedWindowWidth
        verify(wide > 1100)
        compare(shell.projectRecommendedWidth, wide)
        shell.width = 1100
        tryVerify(function () { return page.recommendedWindowWidth < wide })
        compare(shell.projectRecommendedWidth, wide)
        shell.width = testCase.width
        tryCompare(page, "recommendedWindowWidth", wide)
        compare(shell.projectRecommendedWidth, wide)
    }

    // The language switched before the page was ever shown (on the settings
    // page, say): shown, the page lays its rows out for the new texts.
    function test_firstShownAfterALanguageSwitch() {
        createTemporaryObject(translatorComponent, testCase, { language: "de", prefix: "[xx-long] ", active: true })
        waitForRendering(shell)
        languageManager.setLanguage("de")
        shell.hasProject = true
        shell.navIndex = 1
        waitForRendering(shell)
        compare(item("continueToSolveButton").text.indexOf("[xx-long] "), 0)
        tryVerify(function () { return ShownTexts.cut(page).length === 0 }, 2000,
                  "texts laid out for the new language")
    }

    // Each edit restarts the shell's wait: one estimate, 450 ms after the
    // last edit, with every edited value.
    function test_editsRestartEstimateWait_data() {
        return [
            { tag: "stack field", second: "field", name: "effectiveStackField", typed: "40",
              key: "effective_stack", value: 40 },
            { tag: "sizing text", second: "field", name: "ipTurnRaiseField2", typed: "3x, a",
              key: "ip_turn_raise_sizes", value: "3x, a" },
            { tag: "switch", second: "switch", name: "oopRiverDontDonkSwitch",
              key: "oop_river_dont_donk", value: true },
            { tag: "board pick", second: "board", key: "board", value: "KsQd7h2c" }
        ]
    }

    function test_editsRestartEstimateWait(data) {
        shell.resetToDefaults()
        shell.navIndex = 1
        verify(shell.canSolve)
        // The preset's own estimate goes out first.
        tryVerify(function () { return estimateTimes.length >= 1 }, 3000)
        wait(500)
        fake.clearCalls()
        estimateTimes = []

        typeInto("startingPotField", "80")
        compare(shell.startingPot, 80)
        const firstEditDone = Date.now()
        wait(250)

        // Taken before the last edit restarts the wait, so the estimate comes
        // at least 450 ms after it, however slow the machine.
        const beforeLast = Date.now()
        if (data.second === "field") {
            typeInto(data.name, data.typed)
        } else if (data.second === "switch") {
            mouseClick(item(data.name))
        } else {
            page.boardText = "KsQd7h"
            page.setBoardCardAt(3, "2c")
        }
        tryVerify(function () { return estimateTimes.length >= 1 }, 3000)
        const latest = estimateTimes[estimateTimes.length - 1]
        verify(latest - beforeLast >= 450, "estimate " + (latest - beforeLast) + " ms after the last edit")
        wait(600)
        const calls = fake.callsOf("requestSolveMemoryEstimate")
        // Only a machine too slow to make the second edit within 450 ms of
        // the first sees the first edit's estimate too.
        compare(calls.length, beforeLast - firstEditDone < 450 ? 1 : calls.length)
        verify(calls.length <= 2)
        const cfg = calls[calls.length - 1][0]
        compare(cfg.starting_pot, 80)
        compare(cfg[data.key], data.value)
    }

    // A loaded project's street never contradicts its board.
    function test_loadedStreetFollowsBoard_data() {
        return [
            { tag: "river on a flop", board: "AhKsQd", street: "river", expect: "flop" },
            { tag: "flop on a turn", board: "AhKsQd2c", street: "flop", expect: "turn" },
            { tag: "agreeing", board: "AhKsQd2c9h", street: "river", expect: "river" }
        ]
    }

    function test_loadedStreetFollowsBoard(data) {
        findChild(shell, "homePage").projectLoaded({ boardText: data.board, startingStreet: data.street }, false)
        compare(shell.boardText, data.board)
        compare(shell.startingStreet, data.expect)
        compare(page.startingStreet, data.expect)
        compare(shell.exportProjectState().startingStreet, data.expect)
    }

    // The shell's Escape (cancel a solve) leaves the picker's Escape alone.
    function test_escapeClosesPickerInShell() {
        shell.resetToNewProject()
        shell.navIndex = 1
        tryVerify(function () { return page.visible && page.width > 0 })
        waitForRendering(page)
        mouseClick(findChild(page.boardDisplay, "slot0"))
        const dialog = item("cardPickerDialog")
        tryCompare(dialog, "opened", true)
        keyClick(Qt.Key_Escape)
        tryCompare(dialog, "visible", false)
        compare(fake.callsOf("cancelSolve").length, 0)
    }

    Component {
        id: realShellComponent
        AppShell {
            width: testCase.width
            height: testCase.height
            controller: appController
        }
    }

    function test_f5SolvesTheTypedSpot() {
        // One shell at a time: two would make every shortcut ambiguous.
        testCase.shell.destroy()
        wait(0)
        const shell = createTemporaryObject(realShellComponent, testCase)
        findChild(shell, "homePage").newProject()
        page = findChild(shell, "projectPage")
        const board = ["Ks", "Qd", "7h", "4c", "2s"]
        for (let i = 0; i < board.length; ++i)
            page.setBoardCardAt(i, board[i])
        const fields = { startingPotField: "10", effectiveStackField: "20", rakePercentField: "5", rakeCapField: "1",
                         targetExploitabilityField: "0.5" }
        const typed = {}
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"]) {
                const name = seat + street + "%1Field" + (seat === "ip" ? "2" : "")
                const key = seat + "_" + street.toLowerCase() + "_%1_sizes"
                fields[name.arg("Bet")] = typed[key.arg("bet")] = street === "River" ? "50,  100 " : "75"
                fields[name.arg("Raise")] = typed[key.arg("raise")] = "a"
            }
        for (const name in fields)
            typeInto(name, fields[name])
        mouseClick(item("ipRiverAddAllInSwitch"))
        mouseClick(item("oopJamSwitch"))
        typeInto("oopJamThresholdField", "30")
        // The ranges, the iteration limit and the threads have no field here.
        page.oopRangeText = "AA, KK, QQ, 77, AK, KQ, QJs"
        page.ipRangeText = "KK, QQ, JJ, AK, AQ, 98s"
        page.maxIterations = 30
        shell.threadCount = 2

        tryVerify(function () { return shell.canSolve }, 30000, "the estimate arrives")
        keyClick(Qt.Key_F5)
        compare(shell.navIndex, 2)
        tryVerify(function () { return !appController.running && appController.resultIterations > 0 }, 60000)
        compare(appController.statusText, "Done")
        // The project file keeps the map the solve was started with.
        const url = testFolderUrl + "/typed-spot.tessavalproj"
        verify(appController.saveProject(url, shell.exportProjectState()))
        const cfg = JSON.parse(appController.readTextFile(url).text).lastUiCfg
        appController.clearResults()
        compare([cfg.board, cfg.starting_street], ["KsQd7h4c2s", "river"])
        compare([cfg.starting_pot, cfg.effective_stack, cfg.rake_percent, cfg.rake_cap], [10, 20, 5, 1])
        fuzzyCompare(cfg.target_exploitability, 0.05, 1e-12)
        for (const key in typed)
            compare(cfg[key], typed[key], key)
        compare([cfg.ip_river_add_all_in, cfg.oop_river_add_all_in, cfg.ip_flop_add_all_in], [true, false, false])
        compare([cfg.oop_add_all_in_jam_threshold_enabled, cfg.oop_add_all_in_jam_threshold_pct], [true, 30])
        compare([cfg.ip_add_all_in_jam_threshold_enabled, cfg.max_iterations, cfg.thread_count], [false, 30, 2])
        compare(cfg.oop_range, "AA, KK, QQ, 77, AK, KQ, QJs")
    }
}
