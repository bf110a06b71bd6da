import QtQuick
import QtTest
import Tessaval
import TestSupport
import "qrc:/Tessaval/qml/components/action_bar.js" as Logic

TestCase {
    id: testCase
    name: "ActionBar"
    width: 500
    height: 300
    visible: true
    when: windowShown

    Theme { id: tokens }

    // Presses that the bar lets through land here.
    MouseArea {
        id: beneath
        anchors.fill: parent
        property int presses: 0
        onPressed: presses += 1
    }

    Component { id: barComponent; ActionBar { x: 20; y: 20; width: 300; theme: tokens } }

    function make(props) {
        beneath.presses = 0
        return createTemporaryObject(barComponent, testCase, props || {})
    }
    function block(b, i, name) { return findChild(findChild(b, "block" + i), name) }
    function near(p, c, tol) { return Math.abs(p.r - c.r) < tol && Math.abs(p.g - c.g) < tol && Math.abs(p.b - c.b) < tol }

    function test_shares_data() {
        return [
            { tag: "normalised", freqs: [2, 2], shares: [0.5, 0.5] },
            { tag: "negative counts as zero", freqs: [-1, 1, 3], shares: [0, 0.25, 0.75] },
            { tag: "missing or not finite count as zero", freqs: [undefined, NaN, Infinity, 1], shares: [0, 0, 0, 1] },
            { tag: "text is read as a number", freqs: ["1", "3"], shares: [0.25, 0.75] },
            { tag: "all zero", freqs: [0, 0], shares: [0, 0] }
        ]
    }
    function test_shares(data) {
        const b = make({ actions: data.freqs.map(function (f) { return f === undefined ? {} : { frequency: f } }) })
        for (let i = 0; i < data.freqs.length; ++i) {
            fuzzyCompare(b._normFreq(b.actions[i]), data.shares[i], 1e-12)
            compare(block(b, i, "share").text, Math.round(data.shares[i] * 100) + "%")
        }
    }

    // first/last: the segments with the rounded ends.
    function test_segmentLayout_data() {
        return [
            { tag: "sliver passed over", f: [0.001, 0.5, 0.499], ends: [1, 2] },
            { tag: "single pill", f: [0, 1, 0], ends: [1, 1] },
            { tag: "only slivers", f: [0.001, 0.002, 0], ends: [0, 1] },
            { tag: "trailing sliver", f: [0.6, 0.399, 0.001], ends: [0, 1] },
            { tag: "nothing drawn", f: [0, 0], ends: null }
        ]
    }
    function test_segmentLayout(data) {
        const segs = Logic.segmentLayout(data.f, 300, 20, 8)
        if (data.ends === null) {
            compare(segs.length, 0)
            return
        }
        let x = 0
        for (const s of segs) {
            fuzzyCompare(s.x, x, 1e-9)
            x += s.width
            compare([s.roundLeft, s.roundRight], [s.index === data.ends[0], s.index === data.ends[1]])
            verify(s.radius <= Math.min(10, s.width / 2))
        }
        fuzzyCompare(x, 300 * data.f.reduce(function (a, v) { return a + v }, 0), 1e-9)
    }

    function test_entryAt_data() {
        const two = [{ frequency: 1 }, { frequency: 1 }]
        return [
            { tag: "no entries", actions: [], px: 10, width: 300, idx: -1 },
            { tag: "no width", actions: two, px: 10, width: 0, idx: -1 },
            { tag: "left edge", actions: two, px: 0, width: 300, idx: 0 },
            { tag: "boundary belongs right", actions: two, px: 150, width: 300, idx: 1 },
            { tag: "right edge falls to last", actions: two, px: 300, width: 300, idx: 1 },
            { tag: "zero share skipped", actions: [{ frequency: 0 }, { frequency: 1 }], px: 0, width: 300, idx: 1 }
        ]
    }
    function test_entryAt(data) { compare(Logic.entryAt(data.actions, data.px, data.width), data.idx) }

    // "t:x" is the theme's colour of x.
    function test_colours_data() {
        return [
            { tag: "own colour", entry: { color: "#123456", actionType: "fold" }, seg: "#123456", swatch: "#123456" },
            { tag: "type over name", entry: { actionType: "call", name: "Fold" }, seg: "t:call", swatch: "t:call" },
            { tag: "name", entry: { name: "Raise 75%" }, seg: "t:Raise 75%", swatch: "t:Raise 75%" },
            { tag: "empty type", entry: { actionType: "", name: "Check" }, seg: "t:", swatch: "t:Check" },
            { tag: "empty colour", entry: { color: "", actionType: "fold" }, seg: "", swatch: "t:fold" },
            { tag: "no entry", entry: null, seg: "surface2", swatch: "t:" }
        ]
    }
    function test_colours(data) {
        function resolve(spec) {
            return spec === "surface2" ? tokens.surface2 : spec.indexOf("t:") === 0 ? tokens.actionColor(spec.substring(2)) : spec
        }
        const seg = Logic.segmentColor(tokens, data.entry)
        verify(data.seg === "" ? seg === "" : Qt.colorEqual(seg, resolve(data.seg)), "segment")
        verify(Qt.colorEqual(Logic.swatchColor(tokens, data.entry), resolve(data.swatch)), "swatch")
    }

    function test_labelTexts_data() {
        return [
            { tag: "whole combos", entry: { combos: 12 }, key: "combos", text: "12 combos" },
            { tag: "fractional combos", entry: { combos: 12.4 }, key: "combos", text: "12.4 combos" },
            { tag: "no combos", entry: {}, key: "combos", text: "\u2014" },
            { tag: "combos not a number", entry: { combos: "many" }, key: "combos", text: "\u2014" },
            { tag: "equity", entry: { equity: 0.4567 }, key: "equity", text: "45.7% equity" },
            { tag: "negative ev", entry: { ev: -0.5 }, key: "ev", text: "-0.50 EV" },
            { tag: "no ev", entry: {}, key: "ev", text: "\u2014" },
            { tag: "name", entry: { name: "Bet 33%" }, key: "name", text: "Bet 33%" }
        ]
    }
    function test_labelTexts(data) { compare(block(make({ actions: [data.entry] }), 0, data.key).text, data.text) }

    // The action's name reads in the interface language, as on the tree.
    TestTranslator { id: translator; contexts: ["TreeNode"]; prefix: "T:" }
    function test_nameInTheInterfaceLanguage() {
        translator.language = Qt.locale().name.split("_")[0]
        translator.active = true
        const b = make({ actions: [{ name: "Bet 33%", actionType: "bet 33%" }, { name: "Check", actionType: "check" }] })
        compare([block(b, 0, "name").text, block(b, 1, "name").text], ["T:Bet 33%", "T:Check"])
        translator.active = false
    }

    // Blocks that wrap make the bar taller, so a layout does not draw over them.
    function test_labelBlocksLayout() {
        const entries = [0, 1, 2].map(function (i) { return { name: "Bet " + i, frequency: 1, combos: 10, equity: 0.5, ev: 1 } })
        const one = make({ actions: [entries[0]], width: 1000 })
        const wide = make({ actions: entries, width: 1000 })
        const narrow = make({ actions: entries, width: 300 })
        for (const b of [one, wide, narrow])
            tryVerify(function () { return !isPolishScheduled(findChild(b, "labels")) })
        compare(wide.implicitHeight, one.implicitHeight)
        verify(findChild(narrow, "block2").mapToItem(narrow, 0, 0).y > 0)
        verify(narrow.implicitHeight >= findChild(narrow, "labels").y + findChild(narrow, "labels").implicitHeight)
        narrow.showLabels = false
        verify(!findChild(narrow, "labels").visible && narrow.implicitHeight < one.implicitHeight)
        compare(findChild(narrow, "bar").height, narrow.height)
        verify(!findChild(make({ actions: 5 }), "block0"))
    }

    function test_hoverAndClick_data() {
        const a = [{ name: "Check", frequency: 0.25 }, { name: "Bet", frequency: 0.75 }]
        return [
            { tag: "first, not interactive", actions: a, interactive: false, x: 30, idx: 0, name: "Check", share: 0.25 },
            { tag: "second", actions: a, interactive: true, x: 200, idx: 1, name: "Bet", share: 0.75 },
            { tag: "all zero gives last", actions: [{ name: "A", frequency: 0 }, { name: "B", frequency: 0 }],
              interactive: true, x: 10, idx: 1, name: "B", share: 0 },
            { tag: "nameless", actions: [{ frequency: 1 }], interactive: true, x: 10, idx: 0, name: "", share: 1 },
            { tag: "empty list", actions: [], interactive: true, x: 10, idx: -1 }
        ]
    }
    function test_hoverAndClick(data) {
        const b = make({ actions: data.actions, interactive: data.interactive })
        const hovers = [], clicks = []
        b.actionHovered.connect(function (i, n, f) { hovers.push([i, n, Math.round(f * 100)]) })
        b.actionClicked.connect(function (i, n) { clicks.push([i, n]) })
        const bar = findChild(b, "bar")
        compare(findChild(b, "barMouse").cursorShape, data.interactive ? Qt.PointingHandCursor : Qt.ArrowCursor)
        mouseMove(bar, data.x, 10)
        mouseMove(bar, data.x + 1, 10)
        mouseClick(bar, data.x, 10)
        // Every movement reports, entering included; the bar takes the press either way.
        const hover = [data.idx, data.name, Math.round(data.share * 100)]
        compare(hovers, data.idx < 0 ? [] : [hover, hover])
        compare(clicks, data.interactive && data.idx >= 0 ? [[data.idx, data.name]] : [])
        compare(beneath.presses, 0)
    }

    // (Pixels are grabbed from the bar component, whose bar sits at its top left.)
    function test_canvasSegments() {
        const b = make({ showLabels: false, height: 24,
                         actions: [{ actionType: "check", frequency: 0.5 }, { actionType: "fold", frequency: 0.5 }] })
        tryVerify(function () { return near(grabImage(b).pixel(40, 12), tokens.actionCheck, 0.03) })
        const img = grabImage(b)
        verify(near(img.pixel(260, 12), tokens.actionFold, 0.03))
        let light = 0
        for (let x = 60; x < 90; ++x)
            for (let y = 6; y < 18; ++y)
                if (img.pixel(x, y).r > 0.85 && img.pixel(x, y).g > 0.85)
                    ++light
        verify(light > 5, "percentage text pixels " + light)
        // Rounded outer ends, a square join.
        verify(!near(img.pixel(0, 0), tokens.actionCheck, 0.1))
        verify(near(img.pixel(149, 0), tokens.actionCheck, 0.05) && near(img.pixel(151, 0), tokens.actionFold, 0.05))
        // Replacing the list repaints; with nothing positive only the background shows.
        b.actions = [{ actionType: "call", frequency: 1 }]
        tryVerify(function () { return near(grabImage(b).pixel(260, 12), tokens.actionCall, 0.03) })
        b.actions = [{ actionType: "call", frequency: 0 }]
        tryVerify(function () { return near(grabImage(b).pixel(150, 12), tokens.surface2, 0.03) })
        // A sub-pixel sliver does not take the rounded end.
        b.actions = [{ actionType: "fold", frequency: 0.001 }, { actionType: "check", frequency: 0.5 }, { actionType: "call", frequency: 0.499 }]
        tryVerify(function () { return near(grabImage(b).pixel(100, 12), tokens.actionCheck, 0.05) })
        verify(!near(grabImage(b).pixel(1, 0), tokens.actionCheck, 0.1))
        // Each share is written inside its segment where it fits, and only there.
        const shown = findAllShares(b).filter(function (t) { return t.visible })
        compare(shown.map(function (t) { return t.text }), ["50%", "50%"])
        for (const t of shown)
            verify(t.x > 0 && t.x + t.width < b.width)
    }

    function findAllShares(item) {
        let out = item.objectName === "segmentShare" ? [item] : []
        for (let i = 0; i < item.children.length; ++i)
            out = out.concat(findAllShares(item.children[i]))
        return out
    }
}
