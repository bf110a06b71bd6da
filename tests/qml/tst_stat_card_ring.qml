import QtQuick
import QtTest
import Tessaval
import "qrc:/Tessaval/qml/components/progress_ring.js" as Ring

// The stat card and the progress ring.
TestCase {
    id: testCase
    name: "StatCardAndRing"
    width: 400
    height: 300
    visible: true
    when: windowShown

    Theme { id: darkTheme }
    Component { id: cardComponent; StatCard { theme: darkTheme; label: "Hands played"; value: "128" } }
    Component {
        id: ringComponent
        Rectangle {
            property alias ring: ring
            width: 140; height: 140; color: "black"
            ProgressRing {
                id: ring
                anchors.fill: parent
                strokeWidth: 10
                trackColor: "#0000FF"
                progressColor: "#FF0000"
            }
        }
    }

    function test_cardForms_data() {
        return [
            { tag: "full, no trend", compact: false, trend: "", w: 160, h: 80, dot: true, arrow: null },
            { tag: "compact, up", compact: true, trend: "up", w: 120, h: 64, dot: false, arrow: "↑" },
            { tag: "down", compact: false, trend: "down", w: 160, h: 80, dot: true, arrow: "↓" },
            { tag: "other trend", compact: false, trend: "flat", w: 160, h: 80, dot: true, arrow: "" }
        ]
    }

    function test_cardForms(data) {
        const card = createTemporaryObject(cardComponent, testCase, { compact: data.compact, trend: data.trend })
        compare([card.implicitWidth, card.implicitHeight], [data.w, data.h])
        compare(findChild(card, "statDot").visible, data.dot)
        const arrow = findChild(card, "statTrend")
        compare(arrow.visible ? arrow.text : null, data.arrow)
        if (data.trend === "down")
            verify(Qt.colorEqual(arrow.color, darkTheme.danger))
        const value = findChild(card, "statValue")
        waitForItemPolished(value.parent)
        verify(value.y + value.height <= card.height, "the value fits")
        verify(!findChild(card, "statUnit").visible)
        card.unit = "%"
        verify(findChild(card, "statUnit").visible)
    }

    function test_percentText_data() {
        return [
            { tag: "half", value: 0.5, expect: "50%" },
            { tag: "half a percent up", value: 0.125, expect: "13%" },
            { tag: "binary rounding", value: 0.145, expect: "15%" },
            { tag: "almost done", value: 0.999, expect: "100%" }
        ]
    }

    function test_percentText(data) {
        compare(Ring.percentText(data.value), data.expect)
    }

    function test_radiusAndAngles() {
        compare(Ring.radius(300, 100, 8), 46, "wider than high: from the height")
        compare(Ring.arcAngles(-0.3).end, Ring.arcAngles(-0.3).start)
    }

    function near(c, r, g, b) {
        return Math.abs(c.r - r) < 0.1 && Math.abs(c.g - g) < 0.1 && Math.abs(c.b - b) < 0.1
    }

    // Half: the arc runs from twelve o'clock clockwise to six; the left is
    // track. The text follows the value at once, the arc sweeps after it.
    function test_ringArc() {
        const box = createTemporaryObject(ringComponent, testCase)
        const arc = findChild(box.ring, "ringArc")
        const percent = findChild(box.ring, "ringPercent")
        box.ring.value = 0.5
        compare(percent.text, "50%")
        verify(arc.animatedValue < 0.5)
        tryCompare(arc, "animatedValue", 0.5, 2000)
        waitForRendering(box)
        const img = grabImage(box)
        verify(near(img.pixel(135, 70), 1, 0, 0), "three o'clock is on the arc")
        verify(near(img.pixel(70, 134), 1, 0, 0), "six o'clock, round cap")
        verify(near(img.pixel(5, 70), 0, 0, 1), "nine o'clock is track")
        verify(near(img.pixel(40, 40), 0, 0, 0), "inside the ring")
        compare(percent.font.pixelSize, 31)
        // New colours (a theme switch) show at once, not at the next resize.
        box.ring.progressColor = "#00FF00"
        box.ring.trackColor = "#FFFFFF"
        tryVerify(function () { const i = grabImage(box)
            return near(i.pixel(135, 70), 0, 1, 0) && near(i.pixel(5, 70), 1, 1, 1) }, 1000)
        box.ring.showPercentage = false
        verify(!percent.visible && !findChild(box.ring, "ringIndeterminate").visible)
    }

    // Indeterminate: the arc shrinks away and turns; back, it regrows upright.
    function test_ringIndeterminate() {
        const box = createTemporaryObject(ringComponent, testCase)
        const arc = findChild(box.ring, "ringArc")
        box.ring.value = 0.4
        tryCompare(arc, "animatedValue", 0.4, 2000)
        box.ring.indeterminate = true
        verify(findChild(box.ring, "ringSpin").running)
        verify(findChild(box.ring, "ringIndeterminate").visible && !findChild(box.ring, "ringPercent").visible)
        tryCompare(arc, "animatedValue", 0, 2000)
        box.ring.indeterminate = false
        verify(!findChild(box.ring, "ringSpin").running)
        compare(arc.rotation, 0)
        tryCompare(arc, "animatedValue", 0.4, 2000)
    }
}
