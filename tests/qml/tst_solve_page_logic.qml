import QtQuick
import QtTest
import "qrc:/Tessaval/qml/pages/solve/solve_page.js" as Logic
import "qrc:/Tessaval/qml/pages/solve/solve_runs.js" as Runs

// The solve page's rules as plain functions, where the page's own tests do
// not reach every case: the thread list, the status line, the timer
// arithmetic and the run list.
TestCase {
    name: "SolvePageLogic"

    readonly property var threadTexts: ({
        maxOne: "Max, 1 thread", maxMany: "Max, %1 threads", one: "1 thread", many: "%1 threads"
    })
    readonly property var lineTexts: ({
        readyToSolve: "Ready to solve", done: "Done", starting: "Starting solver…",
        initializing: "Initializing…", finalizing: "Finalizing…",
        iteration: "Iteration %1 | exploitability=%2"
    })

    ListModel { id: runs }

    function test_threadChoices_data() {
        return [
            { tag: "12", maxT: 12, expect: ["Max", "1", "2", "4", "8", "12"] },
            { tag: "1", maxT: 1, expect: ["Max", "1"] },
            { tag: "16", maxT: 16, expect: ["Max", "1", "2", "4", "8", "16"] },
            { tag: "256", maxT: 256, expect: ["Max", "1", "2", "4", "8", "16", "32", "64", "128", "256"] },
            { tag: "none", maxT: 0, expect: ["Max", "1"] }
        ]
    }

    function test_threadChoices(data) {
        compare(Logic.threadChoices(data.maxT), data.expect)
    }

    function test_threadEntries_data() {
        return [
            { tag: "Max of 1", entry: "Max", maxT: 1, text: "Max, 1 thread" },
            { tag: "Max of 12", entry: "Max", maxT: 12, text: "Max, 12 threads" },
            { tag: "one", entry: "1", maxT: 12, text: "1 thread" },
            { tag: "whole part", entry: "4.7", maxT: 12, text: "4 threads" },
            { tag: "not a number", entry: "auto", maxT: 12, text: "auto" }
        ]
    }

    function test_threadEntries(data) {
        compare(Logic.threadEntryText(data.entry, data.maxT, threadTexts), data.text)
    }





    function test_exploitabilityText_data() {
        return [
            { tag: "iteration 50", it: 50, e: 0, expect: "—" },
            { tag: "iteration 51", it: 51, e: 0.008123, expect: "0.01" }
        ]
    }

    function test_exploitabilityText(data) {
        compare(Logic.formatExploitability(data.it, data.e), data.expect)
    }



    // What a whole run's sequence on the page does not pass through.
    function test_statusLine_data() {
        return [
            { tag: "idle, empty", running: false, text: "", expect: "Ready to solve" },
            { tag: "idle, done with blanks", running: false, text: " Done ", expect: "Done" },
            { tag: "idle, refusal", running: false, text: "Not ready: enter a valid board first",
              expect: "Not ready: enter a valid board first" },
            { tag: "iteration text, no iteration", running: true, text: "Iter 0 | exploitability≈x7",
              expect: "Iteration 0 | exploitability=x7" },
            { tag: "unknown text", running: true, text: "Warming up", expect: "Warming up" }
        ]
    }

    function test_statusLine(data) {
        const line = Logic.statusLine({
            hasController: data.c !== false, running: data.running, statusText: data.text,
            phase: data.running ? (data.text.indexOf("Init:") === 0 ? "initializing" : "solving") : "ready",
            iteration: 0, exploitability: NaN
        }, lineTexts)
        compare(line, data.expect)
    }





    function test_tick_data() {
        return [
            { tag: "61 ticks", seconds: 60, it: 0, elapsed: "01:01", speed: 0, remaining: "--:--" },
            { tag: "6000 ticks", seconds: 5999, it: 0, elapsed: "100:00", speed: 0, remaining: "--:--" },
            { tag: "10 ticks at 100", seconds: 9, it: 100, elapsed: "00:10", speed: 10, remaining: "03:10" },
            { tag: "past the limit", seconds: 9, it: 2100, elapsed: "00:10", speed: 210, remaining: "00:00" }
        ]
    }

    function test_tick(data) {
        const next = Logic.tick({ seconds: data.seconds, iteration: data.it, maxIterations: 2000,
                                  iterationsPerSec: 0, estimatedRemaining: "--:--" })
        compare([next.seconds, next.elapsedTime, next.iterationsPerSec, next.estimatedRemaining],
                [data.seconds + 1, data.elapsed, data.speed, data.remaining])
    }

    function test_endStatus_data() {
        return [
            { tag: "cleared", row: "Running", text: "Ready", expect: "Completed" },
            { tag: "error word inside", row: "Running", text: "Done (Error: none)", expect: "Completed" },
            { tag: "settled row keeps", row: "Cancelled", text: "Error: late", expect: "Cancelled" }
        ]
    }

    function test_endStatus(data) {
        compare(Runs.endStatus(data.row, data.text), data.expect)
    }

    // A failed run is drawn like a cancelled one.
    function test_cancellingInAnyLanguage() {
        verify(Runs.isCancelling("Cancelling...", ""))
        verify(Runs.isCancelling("Abbrechen...", "Abbrechen..."))
        verify(!Runs.isCancelling("Abbrechen...", ""))
        verify(!Runs.isCancelling("Iter 3", "Abbrechen..."))
    }

    function test_pillTokens() {
        compare(["Running", "Completed", "Cancelled", "Failed"].map(Runs.pillToken),
                ["success", "info", "danger", "danger"])
    }

    function test_runList() {
        runs.clear()
        for (let id = 1; id <= 12; ++id)
            Runs.appendRun(runs, id, "10:00:0" + (id % 10), "run " + id)
        compare(runs.count, 10)
        compare([runs.get(0).runId, runs.get(9).runId], [12, 3])
        compare(Runs.findRunIndexById(runs, 5), 7)
        compare(Runs.findRunIndexById(runs, 2), -1)
        verify(Runs.setRunStatus(runs, 5, "Cancelled"))
        verify(!Runs.setRunStatus(runs, 2, "Cancelled"))
        compare(runs.get(7).status, "Cancelled")
    }

    function test_timeStamp() {
        compare(Runs.timeStamp(new Date(2024, 0, 5, 7, 3, 9)), "07:03:09")
        compare(Runs.timeStamp(new Date(2024, 0, 5, 23, 59, 0)), "23:59:00")
    }
}
