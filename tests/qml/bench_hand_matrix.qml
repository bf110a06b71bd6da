import QtQuick
import QtTest
import Tessaval
import "qrc:/Tessaval/qml/components/hand_matrix.js" as Logic

// Run by hand (not part of ctest):
//   QT_QPA_PLATFORM=offscreen <build>/tests/qml/qml_tests -input tests/qml/bench_hand_matrix.qml
// Times one full repaint of the 13 x 13 grid with mixed action segments in
// every cell: new weights and action probabilities for all 169 classes, the
// bindings that follow, and the frame rendered from them (grabbed, and through
// the window's render loop); also one drag-paint step, and node switches
// between nodes with different numbers of actions.
TestCase {
    id: testCase
    name: "HandMatrixBench"
    width: 620
    height: 620
    visible: true
    when: windowShown

    Theme { id: tokens }

    HandMatrix {
        id: matrix
        theme: tokens
        width: 600
        height: 600
        autoFitToWidth: true
        cellSize: 34
        weightDisplayMode: "verticalFill"
        actionTypes: ["check", "Bet 33%", "Bet 75%", "allin"]
        selectable: true
    }

    // Two data sets that differ in every cell, so each switch repaints all.
    function dataSet(seed) {
        const weights = {}
        const probs = {}
        for (let i = 0; i < 169; ++i) {
            const h = Logic.LABELS[i]
            const a = ((i * 37 + seed * 11) % 100) / 100
            const b = ((i * 53 + seed * 7) % 100) / 100
            weights[h] = 0.3 + 0.7 * ((i + seed) % 10) / 10
            const p = [a, (1 - a) * b, (1 - a) * (1 - b) * 0.5, 0]
            p[3] = Math.max(0, 1 - p[0] - p[1] - p[2])
            probs[h] = p
        }
        return { weights: weights, probs: probs }
    }

    function median(values) {
        const v = values.slice().sort(function (x, y) { return x - y })
        return v[Math.floor(v.length / 2)]
    }

    function test_fullRepaint() {
        const sets = [dataSet(1), dataSet(2)]
        const rounds = 60
        // Warm up: create every segment once.
        for (let k = 0; k < 4; ++k) {
            matrix.weights = sets[k % 2].weights
            matrix.actionProbs = sets[k % 2].probs
            grabImage(matrix)
        }
        const bindings = []
        const frames = []
        for (let k = 0; k < rounds; ++k) {
            const s = sets[k % 2]
            const t0 = Date.now()
            matrix.weights = s.weights
            matrix.actionProbs = s.probs
            const t1 = Date.now()
            grabImage(matrix)
            const t2 = Date.now()
            bindings.push(t1 - t0)
            frames.push(t2 - t0)
        }
        const idle = []
        for (let k = 0; k < 20; ++k) {
            const t0 = Date.now()
            grabImage(matrix)
            idle.push(Date.now() - t0)
        }
        console.log("grab without changes: median " + median(idle) + " ms")
        let mixed = 0
        for (let i = 0; i < 169; ++i)
            if (findChild(matrix, "cell_" + Logic.LABELS[i]).mixed)
                ++mixed
        compare(mixed, 169)
        console.log("hand matrix full repaint, " + rounds + " rounds: bindings median "
                    + median(bindings) + " ms (max " + Math.max.apply(null, bindings) + "), "
                    + "bindings + rendered frame median " + median(frames) + " ms (max "
                    + Math.max.apply(null, frames) + ")")
    }

    // The same full change through the window's own render loop: from the
    // assignment to the swap of the frame that shows it.
    property real _swappedAt: 0
    function test_windowFrame() {
        const sets = [dataSet(4), dataSet(5)]
        const win = matrix.Window.window
        win.frameSwapped.connect(function () { testCase._swappedAt = Date.now() })
        const frames = []
        for (let k = 0; k < 40; ++k) {
            wait(20)
            _swappedAt = 0
            const t0 = Date.now()
            matrix.weights = sets[k % 2].weights
            matrix.actionProbs = sets[k % 2].probs
            tryVerify(function () { return testCase._swappedAt > 0 }, 2000)
            frames.push(_swappedAt - t0)
        }
        console.log("hand matrix full repaint to frame swap (window render loop), 40 rounds: median "
                    + median(frames) + " ms (max " + Math.max.apply(null, frames) + ")")
    }

    // A results-tree node switch: the strategy grid gets the new node's
    // weights, colours, action keys and probabilities as the strategy panel
    // hands them over (keys and probabilities together). Consecutive nodes
    // have 2, 3 and 5 actions, so the number of actions changes on every
    // switch.
    function nodeSet(types, seed) {
        const n = types.length
        const weights = {}
        const colors = {}
        const probs = {}
        for (let i = 0; i < 169; ++i) {
            const h = Logic.LABELS[i]
            weights[h] = 0.3 + 0.7 * ((i + seed) % 10) / 10
            colors[h] = tokens.actionColor(types[(i + seed) % n])
            const p = []
            let rest = 1
            for (let k = 0; k < n - 1; ++k) {
                const x = rest * (((i * (37 + 16 * k) + seed * 11) % 100) / 100)
                p.push(x)
                rest -= x
            }
            p.push(rest)
            probs[h] = p
        }
        return { types: types, weights: weights, colors: colors, probs: probs }
    }

    function showNode(s) {
        matrix.weights = s.weights
        matrix.colors = s.colors
        matrix._holdActions = true
        matrix.actionTypes = s.types
        matrix.actionProbs = s.probs
        matrix._holdActions = false
    }

    function test_nodeSwitch() {
        const nodes = [nodeSet(["check", "Bet 75%"], 1),
                       nodeSet(["fold", "call", "Raise 100%"], 2),
                       nodeSet(["check", "Bet 33%", "Bet 75%", "Bet 150%", "allin"], 3)]
        const rounds = 60
        for (let k = 0; k < 6; ++k) {
            showNode(nodes[k % 3])
            grabImage(matrix)
        }
        const bindings = []
        const frames = []
        for (let k = 0; k < rounds; ++k) {
            const s = nodes[k % 3]
            const t0 = Date.now()
            showNode(s)
            const t1 = Date.now()
            grabImage(matrix)
            const t2 = Date.now()
            bindings.push(t1 - t0)
            frames.push(t2 - t0)
        }
        let mixed = 0
        for (let i = 0; i < 169; ++i)
            if (findChild(matrix, "cell_" + Logic.LABELS[i]).mixed)
                ++mixed
        compare(mixed, 169)
        console.log("hand matrix node switch (2, 3, 5 actions), " + rounds + " rounds: bindings median "
                    + median(bindings) + " ms (max " + Math.max.apply(null, bindings) + "), "
                    + "bindings + rendered frame median " + median(frames) + " ms (max "
                    + Math.max.apply(null, frames) + ")")
    }

    // A drag-paint step changes one class: the map is replaced as the range
    // panels do, so every cell re-reads its weight.
    function test_paintStep() {
        const base = dataSet(3)
        matrix.actionProbs = ({})
        const rounds = 100
        const steps = []
        let w = base.weights
        for (let k = 0; k < rounds; ++k) {
            const next = {}
            for (const key in w)
                next[key] = w[key]
            next[Logic.LABELS[k % 169]] = k % 2 ? 1 : 0
            const t0 = Date.now()
            matrix.weights = next
            grabImage(matrix)
            steps.push(Date.now() - t0)
            w = next
        }
        console.log("hand matrix paint step (new weight map + frame), " + rounds + " rounds: median "
                    + median(steps) + " ms (max " + Math.max.apply(null, steps) + ")")
    }
}
