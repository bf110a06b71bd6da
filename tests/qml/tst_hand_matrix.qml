import QtQuick
import QtTest
import Tessaval
import "qrc:/Tessaval/qml/components/hand_matrix.js" as Logic

// Geometry, fills, mixed segments and labels of the hand matrix.
TestCase {
    id: testCase
    name: "HandMatrix"
    width: 1000
    height: 700
    visible: true
    when: windowShown

    Theme { id: tokens }
    Component { id: matrixComponent; HandMatrix { theme: tokens } }

    function make(props) { return createTemporaryObject(matrixComponent, testCase, props || {}) }
    function cell(m, hand) { return findChild(m, "cell_" + hand) }
    function sameHue(a, b) { return Qt.colorEqual(Qt.rgba(a.r, a.g, a.b, 1), Qt.rgba(b.r, b.g, b.b, 1)) }

    function test_effectiveCellSize_data() {
        return [
            { tag: "fixed", fit: false, width: 900, expect: 36 },
            { tag: "fit 600", fit: true, width: 600, expect: 44 },
            { tag: "fit rounds down", fit: true, width: 608, expect: 44 },
            { tag: "fit zero width", fit: true, width: 0, expect: 28 },
            { tag: "fit negative width", fit: true, width: -50, expect: 28 },
            { tag: "fit very wide", fit: true, width: 5000, expect: 64 },
            { tag: "fit unreadable width", fit: true, width: NaN, expect: 36 },
            { tag: "fit infinite width", fit: true, width: Infinity, expect: 36 }
        ]
    }
    function test_effectiveCellSize(data) {
        compare(Logic.effectiveCellSize(data.fit, data.width, 36, 2, 28, 64), data.expect)
    }

    function test_sizes() {
        const fixed = make({ cellSize: 30 })
        compare([fixed.implicitWidth, fixed.implicitHeight, fixed.effectiveMatrixSize], [414, 414, 414])
        const fitted = make({ autoFitToWidth: true, cellSize: 30, width: 600, height: 700 })
        compare([fitted.effectiveCellSize, fitted.effectiveMatrixSize], [44, 13 * 44 + 24])
        // The implicit width stays on the baseline, so a layout cannot feed back.
        compare([fitted.implicitWidth, fitted.implicitHeight], [414, fitted.effectiveMatrixSize])
        const wide = make({ autoFitToWidth: true, width: 2000, height: 1000 })
        const grid = findChild(wide, "grid")
        compare([grid.x, grid.y], [(2000 - wide.effectiveMatrixSize) / 2, (1000 - wide.effectiveMatrixSize) / 2])
        const last = cell(wide, "22")
        compare(last.x + last.width, wide.effectiveMatrixSize)
        compare([cell(wide, "AKs").col, cell(wide, "AKo").row, cell(wide, "J2o").col], [1, 1, 3])
    }

    function test_indexAt_data() { // cell 30, spacing 2: step 32
        return [
            { tag: "origin", x: 0, y: 0, expect: 0 },
            { tag: "right edge of a cell", x: 30, y: 5, expect: 0 },
            { tag: "bottom edge of a cell", x: 5, y: 30, expect: 0 },
            { tag: "gap after a cell", x: 31, y: 5, expect: -1 },
            { tag: "gap below a cell", x: 5, y: 31.5, expect: -1 },
            { tag: "second column", x: 32, y: 0, expect: 1 },
            { tag: "second row", x: 0, y: 32, expect: 13 },
            { tag: "last cell far edge", x: 12 * 32 + 30, y: 12 * 32 + 30, expect: 168 },
            { tag: "past the grid", x: 13 * 32 + 1, y: 5, expect: -1 },
            { tag: "negative", x: -1, y: 5, expect: -1 },
            { tag: "not a number", x: NaN, y: 5, expect: -1 },
            { tag: "infinite", x: 5, y: Infinity, expect: -1 }
        ]
    }
    function test_indexAt(data) {
        compare(make({ cellSize: 30 }).indexAt(data.x, data.y), data.expect)
    }

    // xs/ws: the segment rules; dx/dw: as drawn, cut to the fill width W.
    function test_segmentGeometry_data() {
        return [
            { tag: "short of one", probs: [0.2, 0.3], W: 100, xs: [0, 20], ws: [20, 80], dx: [0, 20], dw: [20, 80] },
            { tag: "exact", probs: [0.5, 0.25, 0.25], W: 40, xs: [0, 20, 30], ws: [20, 10, 10], dx: [0, 20, 30], dw: [20, 10, 10] },
            { tag: "last squeezed out", probs: [0.8, 0.5, 0.3], W: 100, xs: [0, 80, 130], ws: [80, 50, 0], dx: [0, 80, 100], dw: [80, 20, 0] },
            { tag: "bad entries are zero", probs: [NaN, -1, 0.5], W: 10, xs: [0, 0, 0], ws: [0, 0, 10], dx: [0, 0, 0], dw: [0, 0, 10] },
            { tag: "one entry over one", probs: [1.5, 0.2], W: 10, xs: [0, 15], ws: [10, 0], dx: [0, 10], dw: [10, 0] }
        ]
    }
    function test_segmentGeometry(data) {
        const n = data.probs.length
        const segs = Logic.segments(data.probs, n, data.W)
        const drawn = Logic.drawnSpans(data.probs, n, data.W)
        for (let i = 0; i < n; ++i) {
            fuzzyCompare(segs[i].x, data.xs[i], 1e-9)
            fuzzyCompare(segs[i].width, data.ws[i], 1e-9)
            fuzzyCompare(drawn[2 * i], data.dx[i], 1e-9)
            fuzzyCompare(drawn[2 * i + 1], data.dw[i], 1e-9)
        }
        compare(Logic.cumProb(undefined, 2), 0)
    }

    // area: fill width and height as fractions of the cell; xs/ws: segments.
    function test_fills_data() {
        return [
            { tag: "span half", mode: "horizontalSpan", w: 0.5, probs: null, area: [0.5, 1] },
            { tag: "vertical quarter", mode: "verticalFill", w: 0.25, probs: null, area: [1, 0.25] },
            { tag: "unknown mode is span", mode: "diagonal", w: 0.25, probs: null, area: [0.25, 1] },
            { tag: "above one fills the cell", mode: "horizontalSpan", w: 1.7, probs: null, area: [1, 1] },
            { tag: "text weight", mode: "horizontalSpan", w: "0.5", probs: null, area: [0.5, 1] },
            { tag: "negative draws nothing", mode: "horizontalSpan", w: -0.4, probs: null, area: null },
            { tag: "unreadable draws nothing", mode: "horizontalSpan", w: NaN, probs: null, area: null },
            { tag: "mixed span", mode: "horizontalSpan", w: 1, probs: [0.2, 0.3], area: [1, 1], xs: [0, 0.2], ws: [0.2, 0.8] },
            { tag: "mixed half span", mode: "horizontalSpan", w: 0.5, probs: [0.5, 0.5], area: [0.5, 1], xs: [0, 0.25], ws: [0.25, 0.25] },
            { tag: "mixed vertical", mode: "verticalFill", w: 0.25, probs: [0.25, 0.75], area: [1, 0.25], xs: [0, 0.25], ws: [0.25, 0.75] },
            { tag: "mixed cut at the fill", mode: "horizontalSpan", w: 0.5, probs: [1.2, 0.5], area: [0.5, 1], xs: [0, 0.5], ws: [0.5, 0] },
            { tag: "list too short is plain", mode: "horizontalSpan", w: 1, probs: [1], area: [1, 1] },
            { tag: "list too long is plain", mode: "horizontalSpan", w: 1, probs: [0.2, 0.3, 0.5], area: [1, 1] },
            { tag: "mixed without weight", mode: "horizontalSpan", w: 0, probs: [0.2, 0.8], area: null }
        ]
    }
    function test_fills(data) {
        const types = ["check", "Bet 75%"]
        const m = make({ cellSize: 40, weightDisplayMode: data.mode, weights: { "QJs": data.w, "QJo": 1 },
                         actionTypes: types, actionProbs: data.probs ? { "QJs": data.probs } : {},
                         colors: { "QJs": "#102030" } })
        const c = cell(m, "QJs")
        const fill = findChild(c, "fill"), holder = findChild(c, "segments")
        const mixed = data.xs !== undefined
        compare([c.mixed, holder.visible, fill.visible], [mixed, mixed, !mixed && data.area !== null])
        if (data.area === null)
            return
        const area = mixed ? holder : fill
        fuzzyCompare(area.width, c.width * data.area[0], 1e-9)
        fuzzyCompare(area.height, c.height * data.area[1], 1e-9)
        fuzzyCompare(area.y + area.height, c.height, 1e-9)
        compare(area.x, 0)
        if (!mixed) {
            verify(Qt.colorEqual(fill.color, "#102030"))
            // Without a colour of its own: the accent at the full-weight alpha, whatever the weight.
            const plain = findChild(cell(m, "QJo"), "fill").color
            verify(sameHue(plain, tokens.accent) && Math.abs(plain.a - m.colorFor("x", 1).a) < 0.01)
            return
        }
        // The drawn segments: the cell keeps hidden spare ones.
        const rects = []
        for (let i = 0; i < holder.children.length; ++i)
            if (holder.children[i].color !== undefined && holder.children[i].visible)
                rects.push(holder.children[i])
        compare(rects.length, types.length)
        for (let i = 0; i < rects.length; ++i) {
            fuzzyCompare(rects[i].x, c.width * data.xs[i], 1e-9)
            fuzzyCompare(rects[i].width, c.width * data.ws[i], 1e-9)
            compare(rects[i].height, holder.height)
            verify(sameHue(rects[i].color, tokens.actionColor(types[i])), "segment colour " + i)
        }
        // New actions redraw by binding.
        m.actionTypes = ["fold", "call", "raise"]
        verify(!c.mixed)
        m.actionProbs = { "QJs": [0.1, 0.2, 0.7] }
        verify(c.mixed)
    }

    // Nodes with another number of actions, handed over as the strategy panel
    // does (keys and probabilities together): the cell keeps its segment
    // items, stays mixed throughout and draws exactly the new node's segments.
    function test_actionCountChange() {
        const nodes = [
            { types: ["check", "Bet 75%"], probs: [0.5, 0.5] },
            { types: ["fold", "call", "Raise 100%", "allin", "Bet 33%"], probs: [0.2, 0.2, 0.2, 0.2, 0.2] },
            { types: ["fold", "call", "Raise 100%"], probs: [0.4, 0.3, 0.3] },
            { types: ["check", "Bet 75%"], probs: [0.5, 0.5] }
        ]
        const m = make({ cellSize: 60, weights: { "AA": 1 } })
        const c = cell(m, "AA"), holder = findChild(c, "segments")
        let items = null, drops = 0
        c.mixedChanged.connect(function () { if (!c.mixed) ++drops })
        for (let k = 0; k < nodes.length; ++k) {
            const n = nodes[k]
            m._holdActions = true
            m.actionTypes = n.types
            m.actionProbs = { "AA": n.probs }
            m._holdActions = false
            verify(c.mixed, "node " + k)
            const now = []
            for (let i = 0; i < holder.children.length; ++i)
                now.push(holder.children[i])
            if (items === null)
                items = now
            compare(now, items, "segment items kept, node " + k)
            const image = grabImage(m)
            let left = 0
            for (let i = 0; i < n.types.length; ++i) {
                const p = c.mapToItem(m, c.width * (left + n.probs[i] / 2), 6)
                const got = image.pixel(Math.floor(p.x), Math.floor(p.y))
                const a = tokens.actionColor(n.types[i]), bg = tokens.surface3
                const want = [0.85 * a.r + 0.15 * bg.r, 0.85 * a.g + 0.15 * bg.g, 0.85 * a.b + 0.15 * bg.b]
                verify(Math.abs(got.r - want[0]) < 0.02 && Math.abs(got.g - want[1]) < 0.02
                       && Math.abs(got.b - want[2]) < 0.02, "node " + k + ", segment " + i + ": " + got)
                left += n.probs[i]
            }
        }
        compare(drops, 0)
    }

    // A deal's actions (its cards) come without probabilities: no class can
    // draw them, so the cells keep their segment items as they are.
    function test_actionsWithoutProbabilities() {
        const m = make({ cellSize: 40, weights: { "AA": 1 }, actionTypes: ["check", "Bet 75%"],
                         actionProbs: { "AA": [0.5, 0.5] } })
        const c = cell(m, "AA"), holder = findChild(c, "segments")
        const items = holder.children.length
        const cards = []
        for (let i = 0; i < 45; ++i)
            cards.push("chance")
        m._holdActions = true
        m.actionTypes = cards
        m.actionProbs = {}
        m._holdActions = false
        verify(!c.mixed)
        compare(holder.children.length, items)
    }

    function test_labels_data() {
        return [
            { tag: "labels on, no weight", show: true, w: 0, visible: true, dim: true },
            { tag: "labels on, weight", show: true, w: 0.3, visible: true, dim: false },
            { tag: "labels off, no weight", show: false, w: 0, visible: false, dim: true },
            { tag: "labels off, weight", show: false, w: 0.3, visible: true, dim: false },
            { tag: "labels off, negative", show: false, w: -1, visible: false, dim: true }
        ]
    }
    function test_labels(data) {
        const label = findChild(cell(make({ showLabels: data.show, weights: { "K9o": data.w } }), "K9o"), "label")
        compare([label.text, label.visible, label.opacity < 1, label.font.bold], ["K9o", data.visible, data.dim, false])
        compare(label.font.family, tokens.fontMonoResolved)
        verify(label.font.pointSize > findChild(cell(make({ cellSize: 28 }), "AA"), "label").font.pointSize)
    }
}
