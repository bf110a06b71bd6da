import QtQuick
import QtTest
import "qrc:/Tessaval/qml/components/solve_progress.js" as Progress

// The solve's progress read from the controller's figures. (The top bar's
// tests drive the rest through a controller's status sequence.)
TestCase {
    name: "SolveProgress"

    // The controller's own texts arrive translated; the engine's stay English.
    function test_phaseInAnyLanguage_data() {
        return [
            { tag: "stopped", running: false, text: "Starting...", tr: "", expect: "ready" },
            { tag: "English start", running: true, text: "Starting...", tr: "Starting...", expect: "starting" },
            { tag: "German start", running: true, text: "Starte...", tr: "Starte...", expect: "starting" },
            { tag: "init", running: true, text: "Init: starting solver...", tr: "Starte...", expect: "initializing" },
            { tag: "finalizing", running: true, text: "Finalizing: computing results...", tr: "Starte...", expect: "finalizing" },
            { tag: "iterations", running: true, text: "Iter 3 | exploitability\u22481.0", tr: "Starte...", expect: "solving" }
        ]
    }

    function test_phaseInAnyLanguage(data) {
        compare(Progress.phase(data.running, data.text, data.tr), data.expect)
    }

    function test_iterationFromStatus_data() {
        return [
            { tag: "iteration text", text: "Iter 100 | exploitability≈12.3400", expect: 100 },
            { tag: "not anchored", text: "x Iter  7", expect: 7 },
            { tag: "first match", text: "Iter 3 Iter 9", expect: 3 },
            { tag: "finalising", text: "Finalizing: computing results...", expect: 0 },
            { tag: "zero", text: "Iter 0", expect: 0 },
            { tag: "null", text: null, expect: 0 }
        ]
    }

    function test_iterationFromStatus(data) {
        compare(Progress.iterationFromStatus(data.text), data.expect)
    }

    function test_exploitabilityFromStatus_data() {
        return [
            { tag: "iteration text", text: "Iter 100 | exploitability≈12.3400", expect: 12.34 },
            { tag: "whole number", text: "exploitability≈7 left", expect: 7 },
            { tag: "ends at a second point", text: "exploitability≈1.5.2", expect: 1.5 },
            { tag: "point without digits", text: "exploitability≈3.", expect: 3 },
            { tag: "negative", text: "exploitability≈-1.0000", expect: NaN },
            { tag: "not a number", text: "exploitability≈inf", expect: NaN },
            { tag: "equals sign", text: "exploitability=1.0000", expect: NaN },
            { tag: "null", text: null, expect: NaN }
        ]
    }

    function test_exploitabilityFromStatus(data) {
        const v = Progress.exploitabilityFromStatus(data.text)
        if (isNaN(data.expect))
            verify(isNaN(v), String(v))
        else
            compare(v, data.expect)
    }

    function test_totalIterations_data() {
        return [
            { tag: "0.5 of 400", maxIt: 400, t: 0.5, expect: 200 },
            { tag: "limit below 150", maxIt: 120, t: 1.0, expect: 120 },
            { tag: "loose target", maxIt: 2000, t: 1.5, expect: 150 },
            { tag: "exactly 0.1", maxIt: 1000, t: 0.1, expect: 300 },
            { tag: "just below 0.1", maxIt: 1000, t: 0.0999, expect: 1000 },
            { tag: "just below 0.5", maxIt: 1000, t: 0.4999, expect: 300 },
            { tag: "no target", maxIt: 2000, t: 0, expect: 2000 },
            { tag: "not a number", maxIt: 2000, t: NaN, expect: 2000 },
            { tag: "no limit", maxIt: 0, t: 0.5, expect: 1 }
        ]
    }

    function test_totalIterations(data) {
        compare(Progress.totalIterations(data.maxIt, data.t), data.expect)
    }
}
