import QtQuick
import QtTest
import Tessaval

// The hand matrix's pointer gestures, driven with the mouse.
TestCase {
    id: testCase
    name: "HandMatrixGestures"
    width: 700
    height: 700
    visible: true
    when: windowShown

    Theme { id: tokens }

    // A press that the matrix does not take lands here.
    MouseArea {
        id: beneath
        anchors.fill: parent
        property int presses: 0
        onPressed: presses += 1
    }

    Component { id: matrixComponent; HandMatrix { x: 20; y: 20; theme: tokens; cellSize: 30 } }

    property var log: []

    function make(props) {
        const m = createTemporaryObject(matrixComponent, testCase, props || {})
        log = []
        beneath.presses = 0
        m.handPainted.connect(function (h, on, w) { log.push("painted " + h + " " + on + " " + w) })
        m.handDragged.connect(function (h, w) { log.push("dragged " + h + " " + w) })
        m.handClicked.connect(function (h, w) { log.push("clicked " + h + " " + w) })
        m.handHovered.connect(function (h, w) { log.push("hovered " + h + " " + w) })
        return m
    }

    // The centre of a class's cell, or a point in the gap right of it ("gap:AA").
    function point(m, target) {
        const gap = target.indexOf("gap:") === 0
        const c = findChild(m, "cell_" + (gap ? target.substring(4) : target))
        const step = m.effectiveCellSize + m.cellSpacing
        const x = c.col * step + (gap ? m.effectiveCellSize + m.cellSpacing / 2 : m.effectiveCellSize / 2)
        return findChild(m, "grid").mapToItem(m, x, c.row * step + m.effectiveCellSize / 2)
    }

    // Come in from outside, press on the first point, move through the others
    // with the button down, release on the last.
    function drag(m, path) {
        let p = point(m, path[0])
        mouseMove(testCase, 1, testCase.height - 1)
        mouseMove(m, p.x, p.y)
        mousePress(m, p.x, p.y)
        for (let i = 1; i < path.length; ++i) {
            p = point(m, path[i])
            mouseMove(m, p.x, p.y, -1, Qt.LeftButton)
        }
        mouseRelease(m, p.x, p.y)
    }

    function test_gestures_data() {
        const weights = { "AA": 1, "AKo": 0.5, "KK": 0.2 }
        const all = ["painted", "dragged", "clicked"]
        return [
            { tag: "paint off from an on cell", mode: { editable: true }, weights: weights, path: ["AA", "AKs", "AKo"],
              kinds: all, expect: ["painted AA false 1", "painted AKo false 0.5"] },
            { tag: "paint on an empty grid", mode: { editable: true }, weights: {}, path: ["QQ"],
              kinds: all, expect: ["painted QQ true 0"] },
            { tag: "paint on skips cells already on", mode: { editable: true }, weights: weights, path: ["AKs", "AA", "AQo"],
              kinds: all, expect: ["painted AKs true 0", "painted AQo true 0"] },
            { tag: "gap and back emits nothing more", mode: { editable: true }, weights: {}, path: ["AA", "gap:AA", "AA"],
              kinds: all, expect: ["painted AA true 0"] },
            { tag: "editable wins over selectable", mode: { editable: true, selectable: true, dragSelectable: true },
              weights: {}, path: ["AA", "AKs"], kinds: all, expect: ["painted AA true 0", "painted AKs true 0"] },
            { tag: "drag select each entered cell", mode: { selectable: true, dragSelectable: true }, weights: weights,
              path: ["AA", "AKs", "gap:AKs", "AKs", "AQs"], kinds: all, expect: ["dragged AA 1", "dragged AKs 0", "dragged AQs 0"] },
            { tag: "drag select single click", mode: { selectable: true, dragSelectable: true }, weights: weights,
              path: ["KK"], kinds: all, expect: ["dragged KK 0.2"] },
            { tag: "drag select needs selectable", mode: { dragSelectable: true }, weights: weights, path: ["AA", "AKs"],
              kinds: all, expect: [] },
            { tag: "click picks the release cell", mode: { selectable: true }, weights: weights, path: ["AA", "AKo", "KK"],
              kinds: all, expect: ["clicked KK 0.2"] },
            { tag: "release in a gap picks nothing", mode: { selectable: true }, weights: weights, path: ["AA", "gap:AA"],
              kinds: all, expect: [] },
            { tag: "press in a gap starts nothing", mode: { editable: true }, weights: {}, path: ["gap:AA", "AKs", "AQs"],
              kinds: all, expect: [] },
            { tag: "hover on entering, pressing and moving", mode: { selectable: true }, weights: weights,
              path: ["AA", "gap:AA", "AKs"], kinds: ["hovered"], expect: ["hovered AA 1", "hovered AA 1", "hovered AKs 0"] }
        ]
    }
    function test_gestures(data) {
        const props = { weights: data.weights }
        for (const k in data.mode)
            props[k] = data.mode[k]
        const m = make(props)
        drag(m, data.path)
        compare(log.filter(function (e) { return data.kinds.indexOf(e.split(" ")[0]) >= 0 }), data.expect)
        verify(!m._dragActive && !m._dragSelectActive)
    }

    // A fast move arrives as one long step: the stroke still paints (or, in
    // a drag-select, reports) every cell on the straight way there, once, and
    // none it only passes by in the gaps (the diagonal misses AQs and KK).
    function test_fastStrokePaintsCellsInBetween_data() {
        const paint = { editable: true }
        const select = { selectable: true, dragSelectable: true }
        return [
            { tag: "paint along a row", mode: paint, path: ["AA", "AQs"], expect: ["AA", "AKs", "AQs"] },
            { tag: "paint diagonal", mode: paint, path: ["AA", "KJs"], expect: ["AA", "AKs", "KQs", "KJs"] },
            { tag: "select along a row", mode: select, path: ["AA", "AQs"], expect: ["AA", "AKs", "AQs"] }
        ]
    }
    function test_fastStrokePaintsCellsInBetween(data) {
        const m = make(data.mode)
        drag(m, data.path)
        const kind = data.mode.editable ? "painted " : "dragged "
        compare(log.filter(function (e) { return e.indexOf(kind) === 0 }).map(function (e) { return e.split(" ")[1] }),
                data.expect)
    }

    function test_buttonTakenOnlyWhenInteractive_data() {
        return [
            { tag: "display only", mode: {}, taken: false },
            { tag: "editable", mode: { editable: true }, taken: true },
            { tag: "selectable", mode: { selectable: true }, taken: true }
        ]
    }
    function test_buttonTakenOnlyWhenInteractive(data) {
        const m = make(data.mode)
        compare(findChild(m, "matrixMouse").cursorShape, data.taken ? Qt.PointingHandCursor : Qt.ArrowCursor)
        const p = point(m, "AA")
        mouseClick(m, p.x, p.y)
        compare(beneath.presses, data.taken ? 0 : 1)
        // Hover works in every mode (the test pointer's first move after a click is not delivered).
        const q = point(m, "KK")
        mouseMove(m, q.x, q.y)
        mouseMove(m, q.x + 1, q.y)
        compare(m._hoverIndex, 14)
        const c = findChild(m, "cell_KK")
        tryCompare(c, "scale", 1.1)
        compare(c.z, 1)
        const g = point(m, "gap:KK")
        mouseMove(m, g.x, g.y)
        compare(m._hoverIndex, -1)
        mouseMove(m, q.x, q.y)
        mouseMove(testCase, 5, 690)
        compare(m._hoverIndex, -1)
    }

    Component {
        id: flickComponent
        Flickable {
            width: 500; height: 300; contentWidth: 500; contentHeight: 1200
            property alias matrix: inner
            HandMatrix { id: inner; theme: tokens; cellSize: 30; editable: true }
        }
    }

    // An enclosing scroll view may not take over a paint stroke.
    function test_scrollViewDoesNotStealStroke() {
        const f = createTemporaryObject(flickComponent, testCase)
        const painted = []
        f.matrix.handPainted.connect(function (h) { painted.push(h) })
        mousePress(f, 16, 16)
        for (let r = 1; r < 8; ++r)
            mouseMove(f, 16, r * 32 + 16, 10, Qt.LeftButton)
        mouseRelease(f, 16, 7 * 32 + 16)
        compare(f.contentY, 0)
        compare(painted, ["AA", "AKo", "AQo", "AJo", "ATo", "A9o", "A8o", "A7o"])
    }
}
