import QtQuick
import QtTest
import "qrc:/Tessaval/qml/pages/results/results_matrix.js" as Matrix
import "qrc:/Tessaval/qml/pages/results/results_locks.js" as Locks
import "qrc:/Tessaval/qml/pages/results/results_distributions.js" as Dist

// The rules behind the strategy matrix (inputs, lock preview, colours, node
// figures, legend), the node-lock inputs and the distributions plot.
TestCase {
    name: "ResultsStrategyLogic"

    function def(name, type, color) {
        const d = { name: name, actionType: type }
        if (color !== undefined)
            d.color = color
        return d
    }
    // A colour function that tells which key it was asked for.
    function keyColor(key) { return "key:" + key }

    // ---- Matrix inputs ----

    function test_matrixInputs_data() {
        const defs = [def("Check", "check"), def("Bet 33%", "bet", "#b1"), def("Bet 75%", "bet", "#b2")]
        return [
            { tag: "reach answer replaces the node strategy",
              strategy: { weights: { AA: 1, KK: 1 }, actionProbs: { AA: [1, 0, 0] } },
              reach: { weights: { AA: 0.75 }, actionProbs: { AA: [0, 0.2, 0.8] } }, defs: defs,
              weights: { AA: 0.75 }, keys: ["check", "Bet 33%", "Bet 75%"], colors: { AA: "#b2" } },
            { tag: "reach answer without the keys keeps the node strategy",
              strategy: { weights: { AA: 1 }, actionProbs: { AA: [0, 1, 0] } }, reach: {}, defs: defs,
              weights: { AA: 1 }, keys: ["check", "Bet 33%", "Bet 75%"], colors: { AA: "#b1" } },
            { tag: "a tie keeps the earlier action; a plain action takes its name's colour",
              strategy: { weights: { AA: 1 }, actionProbs: { AA: [0.5, 0.5, 0] } }, defs: defs,
              weights: { AA: 1 }, keys: ["check", "Bet 33%", "Bet 75%"], colors: { AA: "key:Check" } },
            { tag: "non-finite values are passed over",
              strategy: { weights: { AA: 1 }, actionProbs: { AA: [NaN, 0.1, 0.05] } }, defs: defs,
              weights: { AA: 1 }, keys: ["check", "Bet 33%", "Bet 75%"], colors: { AA: "#b1" } },
            { tag: "engine codes: the sized name is the key",
              strategy: { weights: {} },
              defs: [def("Check", "check"), def("Bet 50%", "bet 50%", "#c1"), def("All-In", "allin")],
              weights: {}, keys: ["check", "Bet 50%", "allin"], colors: {} },
            { tag: "without definitions: count from the probabilities, keys from the type list",
              strategy: { weights: { AA: 1, KK: 0 }, actionTypeList: ["check"], dominantActionTypes: { AA: "bet", KK: "check" },
                          actionProbs: { AA: [0.4, 0.6] } }, defs: [],
              weights: { AA: 1, KK: 0 }, keys: ["check", "none"], colors: { AA: "key:bet", KK: "key:check" } },
            { tag: "without definitions or probabilities: the type list",
              strategy: { weights: { AA: 1 }, actionTypeList: ["check", "bet"] }, defs: [],
              weights: { AA: 1 }, keys: ["check", "bet"], colors: { AA: "muted" } },
            { tag: "a weighted class without any strategy stays muted",
              strategy: { weights: { QQ: 0.5 } }, defs: defs,
              weights: { QQ: 0.5 }, keys: ["check", "Bet 33%", "Bet 75%"], colors: { QQ: "muted" } }
        ]
    }
    function test_matrixInputs(data) {
        const r = Matrix.matrixInputs({ strategy: data.strategy, reach: data.reach, defs: data.defs,
                                        lockEntry: null, actionColor: keyColor, mutedColor: "muted" })
        compare(r.weights, data.weights)
        compare(r.typeList, data.keys)
        compare(r.colors, data.colors)
    }

    function test_lockPreview_data() {
        return [
            { tag: "locked lists normalised", lock: { AA: { actionProbs: [2, 0, 2] } }, cls: "AA", probs: [0.5, 0, 0.5] },
            { tag: "nothing positive gives equal shares", lock: { AA: { actionProbs: [0, -1, NaN] } }, cls: "AA",
              probs: [1 / 3, 1 / 3, 1 / 3] },
            { tag: "a list of another length is ignored", lock: { AA: { actionProbs: [1, 0] } }, cls: "AA", probs: [0.2, 0.3, 0.5] },
            { tag: "a locked class without weight gains none", lock: { "72o": { actionProbs: [1, 0, 0] } }, cls: "72o",
              probs: [1, 0, 0], weight: undefined }
        ]
    }
    function test_lockPreview(data) {
        const strategy = { weights: { AA: 0.5 }, actionProbs: { AA: [0.2, 0.3, 0.5] } }
        const defs = [def("Check", "check"), def("Bet 33%", "bet"), def("Bet 75%", "bet")]
        const r = Matrix.matrixInputs({ strategy: strategy, defs: defs, lockEntry: data.lock,
                                        actionColor: keyColor, mutedColor: "muted" })
        compare(r.probs[data.cls].length, data.probs.length)
        for (let i = 0; i < data.probs.length; ++i)
            fuzzyCompare(r.probs[data.cls][i], data.probs[i], 1e-9)
        compare(r.weights, { AA: 0.5 })
        compare(strategy.actionProbs.AA, [0.2, 0.3, 0.5], "the controller's answer is not changed")
    }

    function test_legendThreshold() {
        const shown = Matrix.legendEntries([{ name: "a", frequency: 0.05 }, { name: "b", frequency: 0.051 },
                                            { name: "c" }, { name: "d", frequency: 0.9 }])
        compare(shown.map(function (a) { return a.name }), ["b", "d"])
    }

    // ---- Node figures ----

    function test_nodeFigures_data() {
        return [
            { tag: "facing a bet", meta: { player: "OOP", pot: 10, investedOop: 2.5, investedIp: 7.5, effectiveStack: 100 },
              toCall: "5.00", potOdds: "33.3%", stack: "97.50", spr: "9.75" },
            { tag: "stack and SPR", meta: { player: "OOP", pot: 60, investedOop: 30, investedIp: 30, effectiveStack: 100 },
              toCall: "0.00", potOdds: "\u2014", stack: "70.00", spr: "1.17" },
            { tag: "IP to act", meta: { player: "IP", pot: 20, investedOop: 15, investedIp: 5, effectiveStack: 50 },
              toCall: "10.00", potOdds: "33.3%", stack: "45.00", spr: "2.25" },
            { tag: "no pot", meta: { player: "OOP", pot: 0, effectiveStack: 100 },
              toCall: "0.00", potOdds: "\u2014", stack: "100.00", spr: "\u2014" },
            // A deal has no actor: the stack both still cover, and its SPR.
            { tag: "chance node", meta: { nodeType: "chance", player: "", pot: 10, investedOop: 5, investedIp: 5, effectiveStack: 100 },
              toCall: "0.00", potOdds: "\u2014", stack: "95.00", spr: "9.50" },
            { tag: "fields that are not numbers count 0", meta: { player: "OOP", pot: "10", investedOop: null, effectiveStack: NaN },
              toCall: "0.00", potOdds: "\u2014", stack: "0.00", spr: "\u2014" }
        ]
    }
    function test_actorText() {
        const texts = { toAct: "%1 to act", deal: "Card to deal", over: "Hand over" }
        compare([Matrix.actorText({ nodeType: "decision" }, "IP", texts), Matrix.actorText({ nodeType: "chance" }, "IP", texts),
                 Matrix.actorText({ nodeType: "terminal" }, "OOP", texts)], ["IP to act", "Card to deal", "Hand over"])
    }

    function test_nodeFigures(data) {
        const m = data.meta
        compare([Matrix.fmtAmt2(Matrix.toCallAmount(m), "\u2014"), Matrix.potOddsText(Matrix.potOdds(m), "\u2014"),
                 Matrix.fmtAmt2(Matrix.stackRemaining(m), "\u2014"), Matrix.fmtAmt2(Matrix.spr(m), "\u2014")],
                [data.toCall, data.potOdds, data.stack, data.spr])
    }

    function test_rakeTaken_data() {
        return [
            { tag: "capped", pot: 100, pct: 5, cap: 3, rake: 3 },
            { tag: "no cap", pot: 100, pct: 5, cap: 0, rake: 5 },
            { tag: "negative cap means none", pot: 100, pct: 5, cap: -2, rake: 5 },
            { tag: "cap above the raw rake", pot: 40, pct: 5, cap: 3, rake: 2 },
            { tag: "no rake", pot: 100, pct: 0, cap: 3, rake: 0 },
            { tag: "no pot", pot: 0, pct: 5, cap: 3, rake: 0 },
            { tag: "rate not a number", pot: 100, pct: NaN, cap: 3, rake: 0 }
        ]
    }
    function test_rakeTaken(data) {
        fuzzyCompare(Matrix.rakeTaken({ pot: data.pot }, data.pct, data.cap), data.rake, 1e-12)
    }

    // ---- Node-lock inputs ----

    function test_initMixedInputs_data() {
        return [
            { tag: "three", n: 3, texts: ["0.33", "0.33", "0.33"] },
            { tag: "six", n: 6, texts: ["0.17", "0.17", "0.17", "0.17", "0.17", "0.17"] },
            { tag: "one", n: 1, texts: ["1.00"] },
            { tag: "none", n: 0, texts: [] },
            { tag: "not a number", n: NaN, texts: [] }
        ]
    }
    function test_initMixedInputs(data) {
        compare(Locks.initMixedInputs(data.n), data.texts)
    }

    function test_applyMixedEdit_data() {
        const thirds = ["0.33", "0.33", "0.33"]
        const halves = ["0.50", "0.00", "0.50"]
        return [
            { tag: "first of three", texts: thirds, index: 0, value: "0.5", out: ["0.50", "0.33", "0.17"] },
            { tag: "last of three moves the one before", texts: ["0.50", "0.33", "0.17"], index: 2, value: "0.5",
              out: ["0.50", "0.00", "0.50"] },
            { tag: "first again", texts: halves, index: 0, value: "0.9", out: ["0.90", "0.00", "0.10"] },
            { tag: "above what the others leave", texts: halves, index: 1, value: "1.5", out: ["0.50", "0.50", "0.00"] },
            { tag: "two actions stay complementary", texts: ["0.50", "0.50"], index: 1, value: " 0.3 ", out: ["0.70", "0.30"] },
            { tag: "single action", texts: ["0.40"], index: 0, value: "0.2", out: ["1.00"] },
            { tag: "empty counts 0", texts: thirds, index: 0, value: "", out: ["0.00", "0.33", "0.67"] },
            { tag: "negative clamped to 0", texts: thirds, index: 1, value: "-2", out: ["0.33", "0.00", "0.67"] },
            { tag: "more decimals shortened", texts: thirds, index: 0, value: "0.123", out: ["0.12", "0.33", "0.55"] },
            { tag: "bad stored values count 0", texts: ["x", "-1"], index: 0, value: "0.25", out: ["0.25", "0.75"] },
            { tag: "missing entries count 0", texts: [], index: 0, value: "0.25", n: 3, out: ["0.25", "0.00", "0.75"] },
            { tag: "four actions: only the sink moves", texts: ["0.25", "0.25", "0.25", "0.25"], index: 1, value: "0.4",
              out: ["0.25", "0.40", "0.25", "0.10"] },
            { tag: "not a number", texts: thirds, index: 0, value: "abc", out: null },
            { tag: "index outside", texts: thirds, index: 3, value: "0.5", out: null },
            { tag: "no actions", texts: [], index: 0, value: "0.5", n: 0, out: null }
        ]
    }
    function test_applyMixedEdit(data) {
        const n = data.n !== undefined ? data.n : data.texts.length
        compare(Locks.applyMixedEdit(n, data.texts, data.index, data.value), data.out)
    }

    function test_mixedProbs_data() {
        return [
            { tag: "thirds", texts: ["0.33", "0.33", "0.33"], probs: [1 / 3, 1 / 3, 1 / 3] },
            { tag: "shares of the sum", texts: ["0.2", "0.6"], probs: [0.25, 0.75] },
            { tag: "bad values count 0", texts: ["x", "-1", "2"], probs: [0, 0, 1] },
            { tag: "nothing positive", texts: ["0", ""], probs: [0.5, 0.5] },
            { tag: "missing entries", texts: ["1"], n: 2, probs: [1, 0] }
        ]
    }
    function test_mixedProbs(data) {
        const n = data.n !== undefined ? data.n : data.texts.length
        const probs = Locks.mixedProbsFromInputs(n, data.texts)
        compare(probs.length, data.probs.length)
        for (let i = 0; i < probs.length; ++i)
            fuzzyCompare(probs[i], data.probs[i], 1e-12)
    }

    function test_lockMap() {
        const before = { "1": { KK: { actionProbs: [1, 0] } } }
        let m = Locks.withLock(before, "0", "AA", [1, 0, 0])
        m = Locks.withLock(m, "0", "AA", [0, 1, 0])
        compare(m, { "0": { AA: { actionProbs: [0, 1, 0] } }, "1": { KK: { actionProbs: [1, 0] } } })
        compare(Locks.withoutNodeLocks(m, "0"), { "0": {}, "1": { KK: { actionProbs: [1, 0] } } })
        compare(before, { "1": { KK: { actionProbs: [1, 0] } } }, "a new map each time")
    }

    // ---- Distributions ----

    function test_series_data() {
        return [
            { tag: "sorted best first, ties by hand text",
              payload: { ok: true, oopHands: ["KhKd", "AhAd", "QhQd", "AcAd"], equityOop: [0.5, 0.9, 0.5, 0.9],
                         ipHands: ["JhJd"], equityIp: [0.3] },
              equity: true, oopHands: ["AcAd", "AhAd", "KhKd", "QhQd"], oop: [0.9, 0.9, 0.5, 0.5], nIp: 1, nMax: 4 },
            { tag: "empty hands and non-finite values left out",
              payload: { oopHands: ["", "AhAd", "KhKd", "QhQd"], evOop: [5, NaN, 2, Infinity] },
              equity: false, oopHands: ["KhKd"], oop: [2], nIp: 0, nMax: 1 },
            { tag: "a shorter value list leaves the extra hands out",
              payload: { oopHands: ["AhAd", "KhKd", "QhQd"], evOop: [1, 3], equityOop: [0.1, 0.2, 0.3] },
              equity: false, oopHands: ["KhKd", "AhAd"], oop: [3, 1], nIp: 0, nMax: 2 },
            { tag: "missing lists", payload: {}, equity: true, oopHands: [], oop: [], nIp: 0, nMax: 0 }
        ]
    }
    function test_series(data) {
        const s = Dist.seriesSortedSeparate(data.payload, data.equity)
        compare(s.oopHands, data.oopHands)
        compare(s.oop, data.oop)
        compare([s.nOop, s.nIp, s.nMax], [data.oop.length, data.nIp, data.nMax])
    }

    function test_valueRange_data() {
        return [
            { tag: "equity", oop: [5, 9], ip: [], equity: true, min: 0, max: 1 },
            { tag: "EV with margins", oop: [-1, 3], ip: [1], equity: false, min: -1.32, max: 3.32 },
            { tag: "EV all equal", oop: [2.5, 2.5], ip: [2.5], equity: false, min: 1.5, max: 3.5 },
            { tag: "EV without values", oop: [], ip: [], equity: false, min: 0, max: 1 }
        ]
    }
    function test_valueRange(data) {
        const r = Dist.valueRange({ oop: data.oop, ip: data.ip }, data.equity)
        fuzzyCompare(r.min, data.min, 1e-9)
        fuzzyCompare(r.max, data.max, 1e-9)
    }

    function test_gridLabels() {
        const labels = function (range, equity) {
            return [0, 1, 2, 3, 4].map(function (k) { return Dist.gridLabel(k, range, equity) })
        }
        compare(labels({ min: 0, max: 1 }, true), ["100%", "75%", "50%", "25%", "0%"])
        compare(labels({ min: -2, max: 2 }, false), ["2.00", "1.00", "0.00", "-1.00", "-2.00"])
    }

    function test_plotGeometry() {
        const a = Dist.plotArea(500, 300)
        compare([a.x0, a.y0, a.pw, a.ph], [52, 14, 432, 252])
        compare(Dist.plotArea(10, 10).pw, 1)
        const range = { min: 0, max: 1 }
        compare(Dist.yOf(1, a, range), 14)
        compare(Dist.yOf(0, a, range), 266)
        compare(Dist.xOf(3, 4, a), 52 + 432)
        compare([Dist.hoverFraction(0, a), Dist.hoverFraction(52 + 216, a), Dist.hoverFraction(900, a)], [0, 0.5, 1])
    }

    function test_indexAtFraction_data() {
        return [
            { tag: "left", t: 0, n: 5, i: 0 },
            { tag: "right", t: 1, n: 5, i: 4 },
            { tag: "half rounds up", t: 0.125, n: 5, i: 1 },
            { tag: "below half rounds down", t: 0.12, n: 5, i: 0 },
            { tag: "single entry everywhere", t: 0.7, n: 1, i: 0 },
            { tag: "no entries", t: 0.5, n: 0, i: -1 },
            { tag: "outside clamped", t: 3, n: 5, i: 4 }
        ]
    }
    function test_indexAtFraction(data) {
        compare(Dist.indexAtFraction(data.t, data.n), data.i)
    }

    function test_tooltipLines() {
        const tr = { hands: "OOP: %1    IP: %2", oopPct: "OOP: %1%", oopEv: "OOP: %1", oopNone: "OOP: \u2014",
                     ipPct: "IP: %1%", ipEv: "IP: %1", ipNone: "IP: \u2014", dash: "\u2014" }
        const s = { oopHands: ["AhAd", "KhKd", "2c2d"], oop: [0.91, 0.5, 0.125], nOop: 3, ipHands: [], ip: [], nIp: 0 }
        compare(Dist.tooltipLines(s, 1, true, tr), { hands: "OOP: 2c2d    IP: \u2014", oop: "OOP: 12.5%", ip: "IP: \u2014" })
        compare(Dist.tooltipLines(s, 0, false, tr).oop, "OOP: 0.91")
    }
}
