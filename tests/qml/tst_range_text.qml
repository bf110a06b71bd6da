import QtQuick
import QtTest
import Tessaval
import "qrc:/Tessaval/qml/pages/project/range_text.js" as RangeText

// The set-up page's range text: what the matrix shows for a text, what a
// painted cell does to it, how weights are written, how an imported file
// is cleaned, and that the page lights exactly what the engine solves.
TestCase {
    id: testCase
    name: "RangeText"

    Component {
        id: pageComponent
        ProjectPage { width: 1540; height: 900; appControllerObject: null }
    }

    readonly property var pairsDown: ["99", "88", "77", "66", "55", "44", "33", "22"]

    function lit(map) {
        const out = {}
        for (let i = 0; i < RangeText.LABELS.length; ++i) {
            const label = RangeText.LABELS[i]
            const w = Object.prototype.hasOwnProperty.call(map, label) ? Number(map[label]) : 0
            if (w > 0)
                out[label] = w
        }
        return out
    }

    function all(w) {
        const out = {}
        RangeText.LABELS.forEach(function (l) { out[l] = w })
        return out
    }

    function each(labels, w) {
        const out = {}
        labels.forEach(function (l) { out[l] = w })
        return out
    }

    function compareWeights(actual, expected, what) {
        compare(Object.keys(actual).sort(), Object.keys(expected).sort(), what)
        for (const k in expected)
            fuzzyCompare(actual[k], expected[k], 1e-6, what + " " + k)
    }

    // Cells lit per text: what the engine solves ("T9s+", blocks such as
    // "A5s-K2s", "AK+", exact combos, a percentage with blanks around it),
    // and nothing for a text the engine refuses in any item.
    function test_display_data() {
        return [
            { tag: "AK", text: "AK", lit: each(["AKs", "AKo"], 1) },
            { tag: "lower case", text: "ak", lit: each(["AKs", "AKo"], 1) },
            { tag: "lower rank first", text: "KA", lit: {} },
            { tag: "pairs down", text: "99-22", lit: each(pairsDown, 1) },
            { tag: "pairs up", text: "22-99", lit: each(pairsDown, 1) },
            { tag: "kicker span", text: "A5s-A2s", lit: each(["A5s", "A4s", "A3s", "A2s"], 1) },
            { tag: "block span (engine)", text: "A5s-K2s",
              lit: each(["A5s", "A4s", "A3s", "A2s", "K5s", "K4s", "K3s", "K2s"], 1) },
            { tag: "connector span (engine)", text: "T9s-65s", lit: each(["T9s", "98s", "87s", "76s", "65s"], 1) },
            { tag: "pairs plus", text: "JJ+", lit: each(["AA", "KK", "QQ", "JJ"], 1) },
            { tag: "kicker plus", text: "A8s+", lit: each(["A8s", "A9s", "ATs", "AJs", "AQs", "AKs"], 1) },
            { tag: "top connector plus", text: "AKs+", lit: each(["AKs"], 1) },
            { tag: "connector plus (engine)", text: "T9s+", lit: each(["T9s", "JTs", "QJs", "KQs", "AKs"], 1) },
            { tag: "any-suit plus (engine)", text: "AK+", lit: each(["AKs", "AKo"], 1) },
            { tag: "higher kicker plus", text: "8As+", lit: {} },
            { tag: "last mention wins", text: "AA:0.5, AA", lit: { "AA": 1 } },
            { tag: "later weight", text: "AA, AA:0.5", lit: { "AA": 0.5 } },
            { tag: "weight over a plus", text: "QQ+:0.5, AA", lit: { "AA": 1, "KK": 0.5, "QQ": 0.5 } },
            { tag: "weight above 1", text: "AA:2", lit: {} },
            { tag: "negative weight", text: "AA:-1", lit: {} },
            { tag: "weight no number", text: "AA:abc", lit: {} },
            { tag: "weight with tail", text: "AA:0.5x", lit: {} },
            { tag: "weight to next colon", text: "AA:0.5:0.3", lit: {} },
            { tag: "blank after colon (engine)", text: "AA: 0.5", lit: { "AA": 0.5 } },
            { tag: "blank-separated", text: "QQ+ AK", lit: {} },
            { tag: "50%", text: "50%", lit: all(0.5) },
            { tag: "100%", text: "100%", lit: all(1) },
            { tag: "blank before %", text: "50 %", lit: {} },
            { tag: "above 100%", text: "150%", lit: {} },
            { tag: "blank around % (engine)", text: " 50%", lit: all(0.5) },
            { tag: "0%", text: "0%", lit: {} },
            { tag: "percentage among hands", text: "AA, 50%", lit: {} },
            { tag: "exact combo (engine)", text: "AhKs", lit: { "AKo": 1 / 12 } },
            { tag: "no-break space after a comma", text: "QQ+,\u00a0AK", lit: {} },
            { tag: "one refused item refuses all", text: "AA, KA", lit: {} },
            { tag: "weight 0", text: "AA:0, KK", lit: { "KK": 1 } },
            { tag: "empty", text: "", lit: {} },
            { tag: "blanks", text: "   ", lit: {} },
            { tag: "missing", text: undefined, lit: {} }
        ]
    }

    function test_display(data) {
        compareWeights(lit(RangeText.parseRangeWeights(data.text)), data.lit, data.tag)
    }

    function test_pageFunctionsDelegate() {
        const page = createTemporaryObject(pageComponent, testCase)
        compareWeights(lit(page.parseRangeWeights("JJ+")), each(["AA", "KK", "QQ", "JJ"], 1), "page")
        compare(page.expandHand("AK"), ["AKs", "AKo"])
        compare(page.toggleHand("QQ", "AKs", 0, 0.5), "QQ, AKs:0.5")
        compare(page.normalizeImportedRangeText("AA KK:0.5"), "AA, KK:0.5")
        verify(page._hasAnyHand("50%"))
        verify(!page._hasAnyHand("0%"))
    }

    function test_expandHand_data() {
        return [
            { tag: "pairs down", token: "99-22", labels: pairsDown },
            { tag: "pairs up", token: "22-99", labels: pairsDown.slice().reverse() },
            { tag: "pairs plus", token: "JJ+", labels: ["AA", "KK", "QQ", "JJ"] },
            { tag: "kicker plus", token: "K9o+", labels: ["K9o", "KTo", "KJo", "KQo"] },
            { tag: "two ranks", token: "AK", labels: ["AKs", "AKo"] },
            { tag: "case", token: "akS", labels: ["AKs"] },
            { tag: "exact combo", token: "AhKs", labels: ["AKo"] },
            { tag: "no hand", token: "KA", labels: ["KA"] }
        ]
    }

    function test_expandHand(data) {
        compare(RangeText.expandHand(data.token), data.labels)
    }

    // One painted cell: current weight above 0 turns it off.
    function test_paint_data() {
        return [
            { tag: "append bare", text: "QQ+ AK", hand: "A5s", current: 0, add: 1, result: "QQ+, AK, A5s" },
            { tag: "remove with token", text: "QQ+, AK", hand: "AKo", current: 1, add: 1, result: "QQ+" },
            { tag: "third", text: "QQ+", hand: "A5s", current: 0, add: 0.3333, result: "QQ+, A5s:0.333" },
            { tag: "weight 0", text: "QQ+", hand: "A5s", current: 0, add: 0, result: "QQ+, A5s:0" },
            { tag: "half", text: "QQ", hand: "AKs", current: 0, add: 0.5, result: "QQ, AKs:0.5" },
            { tag: "near full", text: "QQ", hand: "AKs", current: 0, add: 0.9995, result: "QQ, AKs" },
            { tag: "no number", text: "QQ", hand: "AKs", current: 0, add: NaN, result: "QQ, AKs" },
            { tag: "AK off", text: "AK, QQ", hand: "AKs", current: 1, add: 1, result: "QQ" },
            { tag: "span off", text: "99-22", hand: "55", current: 1, add: 1, result: "" },
            { tag: "weighted span off", text: "A5s-A2s:0.5, KK", hand: "A3s", current: 0.5, add: 1, result: "KK" },
            { tag: "connector plus off", text: "T9s+, 22", hand: "QJs", current: 1, add: 1, result: "22" },
            { tag: "exact combo off", text: "AhKs, QQ", hand: "AKo", current: 1 / 12, add: 1, result: "QQ" },
            { tag: "blanks inside a token", text: "A5s - A2s, KK", hand: "A3s", current: 1, add: 1, result: "KK" },
            { tag: "no de-duplication", text: "AA:0", hand: "AA", current: 0, add: 1, result: "AA:0, AA" },
            { tag: "separators rewritten", text: "AA KK\tQQ,,", hand: "JJ", current: 0, add: 1, result: "AA, KK, QQ, JJ" },
            { tag: "percentage off", text: "50%", hand: "72o", current: 0.5, add: 1, result: "" },
            { tag: "percentage 25 off", text: "25%", hand: "AA", current: 0.25, add: 1, result: "" },
            { tag: "0% on", text: "0%", hand: "A5s", current: 0, add: 1, result: "A5s" },
            { tag: "0% on weighted", text: "0%", hand: "A5s", current: 0, add: 0.5, result: "A5s:0.5" }
        ]
    }

    function test_paint(data) {
        compare(RangeText.toggleHand(data.text, data.hand, data.current, data.add), data.result)
    }

    // Three decimals without trailing zeros; from 0.999 up no weight.
    function test_writtenWeight_data() {
        return [
            { tag: "half", w: 0.5, token: "AA:0.5" },
            { tag: "eighth", w: 0.125, token: "AA:0.125" },
            { tag: "zero", w: 0, token: "AA:0" },
            { tag: "third", w: 1 / 3, token: "AA:0.333" },
            { tag: "rounds", w: 0.6666, token: "AA:0.667" },
            { tag: "below 0", w: -1, token: "AA:0" },
            { tag: "above 1", w: 2, token: "AA" },
            { tag: "no number", w: NaN, token: "AA" },
            { tag: "0.999", w: 0.999, token: "AA" },
            { tag: "0.9989", w: 0.9989, token: "AA:0.999" }
        ]
    }

    function test_writtenWeight(data) {
        compare(RangeText.tokenWithWeight("AA", data.w), data.token)
    }

    // An imported file keeps every item as the engine reads it, or is
    // refused with the reason and gives no text.
    function test_importReading_data() {
        const notText = "Import failed: the file is not a text file."
        const none = "Import failed: file contained no recognizable hands."
        const notItem = function (t) { return "Import failed: \u201C" + t + "\u201D is not a range item." }
        return [
            { tag: "exact combos and weights kept", raw: "AhKs, AdKd:0.5, QQ", text: "AhKs, AdKd:0.5, QQ" },
            { tag: "blank after the colon", raw: "KK: 0.5", text: "KK:0.5" },
            { tag: "each item its own weight", raw: "AA KK QQ:0.5 JJ", text: "AA, KK, QQ:0.5, JJ" },
            { tag: "windows lines", raw: "AA, KK:0.5\r\nQQ", text: "AA, KK:0.5, QQ" },
            { tag: "weight 0 kept", raw: "AA:0", text: "AA:0" },
            { tag: "kept as written", raw: "A5s-A2s:0.5 qq JJ+ T9s-65s", text: "A5s-A2s:0.5, qq, JJ+, T9s-65s" },
            { tag: "byte-order mark", raw: "\ufeffAA,KK", text: "AA, KK" },
            { tag: "whole-file percentage", raw: " 50%\n", text: "50%" },
            { tag: "percentage above 100", raw: "150%", error: notItem("150%") },
            { tag: "weight above 1", raw: "AA:2", error: notItem("AA:2") },
            { tag: "weight not a number", raw: "QQ, KK:x", error: notItem("KK:x") },
            { tag: "two rank letters are a hand", raw: "AA at", text: "AA, at" },
            { tag: "a word", raw: "AA and KK", error: notItem("and") },
            { tag: "a readme", raw: "# Tessaval\nA desktop solver: stack, rake", error: notItem("#") },
            { tag: "long junk is shortened", raw: "AA 1540x1140x24xxxxxxxxxxxxxxxx",
              error: notItem("1540x1140x24xxxxxxxxxxxx\u2026") },
            { tag: "binary", raw: "\u0089PNG\r\n\u001a\n\u0000\u0000", error: notText },
            { tag: "undecodable bytes", raw: "AA, K\ufffd", error: notText },
            { tag: "empty", raw: "  \n", error: none },
            { tag: "missing", raw: undefined, error: none }
        ]
    }

    function test_importReading(data) {
        const read = RangeText.readImportedRange(data.raw)
        compare(read.text, data.text || "")
        compare(read.error, data.error || "")
        compare(RangeText.normalizeImportedRangeText(data.raw), read.text)
    }

    // The fixture holds, per text, the mean combo weight of every class the
    // engine's parser gives weight to; it is written by the engine and
    // checked against it by the session tests.
    function test_engineAgreement() {
        const file = appController.readTextFile(Qt.resolvedUrl("data/range_class_weights.json"))
        verify(file.ok, file.error)
        const entries = JSON.parse(file.text)
        verify(entries.length > 50)
        for (let i = 0; i < entries.length; ++i)
            compareWeights(lit(RangeText.parseRangeWeights(entries[i].text)), entries[i].weights,
                           "'" + entries[i].text + "'")
    }
}
