import QtQuick
import QtTest
import Tessaval
import "qrc:/Tessaval/qml/components/range_editor.js" as Logic

TestCase {
    id: testCase
    name: "RangeEditor"
    width: 600
    height: 700
    visible: true
    when: windowShown

    Theme { id: tokens }
    Component { id: editorComponent; RangeEditor { x: 10; y: 10; width: 520; theme: tokens } }

    property var emitted: []

    function make(props) {
        const e = createTemporaryObject(editorComponent, testCase, props || {})
        emitted = []
        e.rangeChanged.connect(function (t) { emitted.push(t) })
        return e
    }
    function countOf(e) { return Number(findChild(e, "handCount").text.match(/\d+/)[0]) }

    // size: labels in the map; count: the hands shown (weight above 0).
    function test_parse_data() {
        return [
            { tag: "empty", text: "", size: 0, count: 0, check: {} },
            { tag: "blank", text: "  \t ", size: 0, count: 0, check: {} },
            { tag: "half of everything", text: "50%", size: 169, count: 169, check: { "AA": 0.5, "72o": 0.5, "T9s": 0.5 } },
            { tag: "zero percent", text: "0%", size: 169, count: 0, check: { "AA": 0 } },
            { tag: "not clamped", text: "150%", size: 169, count: 169, check: { "KQo": 1.5 } },
            { tag: "decimal percent, space", text: "12.5 %", size: 169, count: 169, check: { "22": 0.125 } },
            { tag: "leading space is no percentage", text: " 50%", size: 1, count: 1, check: { "50%": 1 } },
            { tag: "two ranks", text: "AK", size: 2, count: 2, check: { "AKs": 1, "AKo": 1 } },
            { tag: "pairs plus", text: "QQ+", size: 3, count: 3, check: { "AA": 1, "KK": 1, "QQ": 1 } },
            { tag: "all pairs", text: "22+", size: 13, count: 13, check: { "22": 1, "77": 1 } },
            { tag: "weights", text: "AA:0.5, KK", size: 2, count: 2, check: { "AA": 0.5, "KK": 1 } },
            { tag: "later wins", text: "AA, AA:0.3", size: 1, count: 1, check: { "AA": 0.3 } },
            { tag: "single characters dropped", text: "A, K,QQ", size: 1, count: 1, check: { "QQ": 1 } },
            { tag: "unreadable weight", text: "AA:x, KK", size: 2, count: 1, check: { "KK": 1 } },
            { tag: "lower-case pairs plus", text: "tt+", size: 5, count: 5, check: { "AA": 1, "TT": 1 } },
            { tag: "three characters", text: "kqS, AKO", size: 2, count: 2, check: { "KQs": 1, "AKo": 1 } },
            { tag: "labels that name no cell", text: "KA AhKh T9s-65s XX+ AK+ A9s+", size: 7, count: 7,
              check: { "KAo": 1, "AhKh": 1, "T9s-65s": 1, "XX+": 1, "AK+": 1, "A9s+": 1 } }
        ]
    }
    function test_parse(data) {
        const e = make({ rangeText: data.text })
        compare(Object.keys(e.weights).length, data.size)
        for (const k in data.check)
            fuzzyCompare(e.weights[k], data.check[k], 1e-12)
        compare(countOf(e), data.count)
    }

    function test_matrixClick_data() {
        const digits = ["22", "33", "44", "55", "66", "77", "88", "99"]
        const others = Logic.allClasses().filter(function (h) { return h !== "AA" && !/^\d+$/.test(h) })
        return [
            { tag: "remove from a percentage", text: "50%", hand: "AA", w: 0.5, expect: digits.concat(others).join(", ") },
            { tag: "digit pair joins in order", text: "AA, 99, AKs", hand: "55", w: 0, expect: "55, 99, AA, AKs" },
            { tag: "other label goes last", text: "AA, 99, AKs", hand: "KQo", w: 0, expect: "99, AA, AKs, KQo" },
            { tag: "weights are dropped", text: "AA:0.5, KK:0.25", hand: "QQ", w: 0, expect: "AA, KK, QQ" },
            { tag: "removing the last hand", text: "AA", hand: "AA", w: 1, expect: "" }
        ]
    }
    function test_matrixClick(data) {
        const e = make({ rangeText: data.text })
        e.handleMatrixClick(data.hand, data.w)
        compare(emitted, [data.expect])
        compare(e.rangeText, data.text)
    }

    function test_presetsAndTyping() {
        const e = make({ rangeText: "AA" })
        for (const name of ["preset_100%", "preset_50%", "preset_25%", "preset_"])
            mouseClick(findChild(e, name))
        compare(emitted, ["100%", "50%", "25%", ""])
        emitted = []
        const field = findChild(e, "rangeField")
        mouseClick(field)
        keyClick(Qt.Key_Backspace)
        keyClick("K")
        compare(emitted, ["A", "AK"])
        e.rangeText = "QQ+"
        compare([field.text, countOf(e)], ["QQ+", 3])
    }

    function paint(e, hands) {
        const m = findChild(e, "matrix")
        let p
        for (let i = 0; i < hands.length; ++i) {
            const c = findChild(m, "cell_" + hands[i])
            p = c.mapToItem(e, c.width / 2, c.height / 2)
            if (i === 0)
                mousePress(e, p.x, p.y)
            else
                mouseMove(e, p.x, p.y, -1, Qt.LeftButton)
        }
        mouseRelease(e, p.x, p.y)
    }

    // An owner that writes each text back sees a stroke add up; one that does
    // not sees each text carry only the latest cell.
    function test_paint_data() {
        return [
            { tag: "write back, add", text: "AA", writeBack: true, path: ["KK", "AKs", "AA", "AQs"], result: "AA, KK, AKs, AQs" },
            { tag: "write back, remove", text: "AA, KK, AKs", writeBack: true, path: ["AKs", "KK", "QQ"], result: "AA" },
            { tag: "no write back", text: "AA", writeBack: false, path: ["KK", "AKs"], emitted: ["AA, KK", "AA, AKs"] },
            // A class whose weight does not read shows empty, and painting turns it on.
            { tag: "unreadable weight", text: "KK:x, QQ", writeBack: true, path: ["KK"], result: "KK, QQ" }
        ]
    }
    function test_paint(data) {
        const e = make({ rangeText: data.text })
        if (data.writeBack)
            e.rangeChanged.connect(function (t) { e.rangeText = t })
        paint(e, data.path)
        if (data.writeBack)
            compare(e.rangeText, data.result)
        else
            compare(emitted, data.emitted)
    }
}
