import QtQuick
import QtTest
import Tessaval

// Run by hand (not part of ctest), with the info lines off as the program
// runs without logging:
//   QT_LOGGING_RULES='*.info=false' QT_QPA_PLATFORM=offscreen \
//       <build>/tests/qml/qml_tests -input tests/qml/bench_solve_page.qml
// Solves two spots from the solve page inside the shell (top bar included)
// with the real controller and reports the longest gap between the ticks
// of a 1 ms timer: how long the event loop was kept from turning while the
// progress reports and the result were applied. A fast river spot sends
// thousands of reports a second; a flop spot sends few, each after real work.
//
// The solves run before the test function, in the runner's own event loop:
// the waits of a test function sleep between turns of the loop, which
// would hide the gaps this measures.
Item {
    id: bench
    width: 1540
    height: 1000

    property var spots: [
        spot("river spot", {
            boardText: "KsQd7h4c2s", startingStreet: "river", startingPot: 10, effectiveStack: 20,
            maxIterations: 3000, threadCount: 2, bets: "50, 100", raises: "a",
            oopRangeText: "AA, KK, QQ, 77, AK, KQ, QJs", ipRangeText: "KK, QQ, JJ, AK, AQ, 98s"
        }),
        spot("flop spot", {
            boardText: "QsJh2h", startingPot: 10, effectiveStack: 95, maxIterations: 100, threadCount: 8,
            bets: "33, 75", raises: "60",
            oopRangeText: "AA-88, AKs-ATs, KQs-KTs, QJs, JTs, T9s, 98s, AKo-AJo, KQo",
            ipRangeText: "TT-22, AQs-A9s, KJs-K9s, QTs+, J9s+, T8s+, 98s, 87s, AQo-ATo, KJo+"
        })
    ]
    property int current: -1
    property string stage: ""
    property var results: []
    property bool finished: false

    property real _last: 0
    property real _longest: 0
    property int _ticks: 0
    property int _reports: 0
    property real _started: 0
    property real _doneAt: 0
    property var _longGaps: []

    function spot(label, base) {
        const s = { label: label, startingStreet: "flop", rakePercent: 0, rakeCap: 0, targetExploitability: 0 }
        for (const k in base)
            s[k] = base[k]
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"]) {
                s[seat + street + "BetSizesText"] = base.bets
                s[seat + street + "RaiseSizesText"] = base.raises
            }
        return s
    }

    AppShell {
        id: shell
        anchors.fill: parent
        controller: appController
    }

    Connections {
        target: appController
        function onStatusTextChanged() {
            if (probe.running)
                ++bench._reports
        }
    }

    Timer {
        id: probe
        interval: 1
        repeat: true
        onTriggered: {
            const now = Date.now()
            if (bench._last > 0) {
                const gap = now - bench._last
                bench._longest = Math.max(bench._longest, gap)
                if (gap > 30)
                    bench._longGaps.push(gap + " ms, " + (now - bench._started) + " ms after the start, before \""
                                         + appController.statusText + "\"")
            }
            bench._last = now
            ++bench._ticks
        }
    }

    // Moves through the stages of each spot: the memory estimate, a pause,
    // the solve, and a short stretch after it while the result is taken in.
    Timer {
        id: driver
        interval: 20
        repeat: true
        running: true
        onTriggered: bench._step()
    }

    function _step() {
        if (stage === "") {
            if (current + 1 >= spots.length) {
                driver.stop()
                finished = true
                return
            }
            ++current
            findChild(shell, "homePage").newProject()
            shell.applyProjectState(spots[current])
            stage = "estimate"
        } else if (stage === "estimate") {
            if (shell.canSolve) {
                shell.navIndex = 2
                stage = "pause"
                _started = Date.now()
            }
        } else if (stage === "pause") {
            if (Date.now() - _started < 300)
                return
            _last = 0
            _longest = 0
            _ticks = 0
            _reports = 0
            _longGaps = []
            probe.start()
            _started = Date.now()
            findChild(shell, "solvePage")._startSolve()
            stage = "solve"
        } else if (stage === "solve") {
            if (appController.running || appController.statusText !== "Done")
                return
            _doneAt = Date.now()
            stage = "after"
        } else if (stage === "after") {
            if (Date.now() - _doneAt < 500)
                return
            probe.stop()
            const page = findChild(shell, "solvePage")
            results.push(spots[current].label + ": " + appController.resultIterations + " iterations in "
                         + (_doneAt - _started) + " ms, " + _reports + " status texts, longest event-loop gap "
                         + _longest + " ms (" + _ticks + " ticks of the 1 ms timer); the page shows \""
                         + findChild(page, "statusLine").text + "\", the run reads "
                         + page.runHistoryModel.get(0).status)
            // The longest first.
            const longest = _longGaps.slice().sort(function (a, b) { return parseInt(b) - parseInt(a) })
            results.push.apply(results, longest.slice(0, 8).map(function (g) { return "  gap " + g }))
            stage = ""
        }
    }

    function findChild(item, name) {
        if (item.objectName === name)
            return item
        for (let i = 0; i < item.children.length; ++i) {
            const found = findChild(item.children[i], name)
            if (found)
                return found
        }
        return null
    }

    TestCase {
        name: "SolvePageBench"
        when: bench.finished

        function test_report() {
            for (const line of bench.results)
                console.log(line)
        }
    }
}
