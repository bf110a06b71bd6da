import QtQuick
import QtQuick.Controls
import QtTest
import Tessaval
import TestSupport
import "results_fixture.js" as Fixture

// The distributions dialog against a fake controller: asking when it opens,
// the pending state and the ready announcement, announcements that are
// stale or arrive while closed, errors, the metric switch, the hover
// tooltip, and the plot's pixels.
TestCase {
    id: testCase
    name: "ResultsDistributions"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Theme { id: tokens }
    FakeController { id: fake }

    Component {
        id: pageComponent
        ResultsPage {
            width: testCase.width
            height: testCase.height
            theme: tokens
            boardText: "AsKs2h"
        }
    }

    function payload(fields) {
        return Object.assign({ ok: true, pending: false, error: "", oopHands: [], ipHands: [],
                               equityOop: [], equityIp: [], evOop: [], evIp: [] }, fields)
    }
    function pending() {
        return payload({ ok: false, pending: true, error: "Computing\u2026" })
    }
    // OOP's line flat at equity one half, IP's at one quarter; both at an EV of 3.
    function flat() {
        return payload({ oopHands: ["AhAd", "KhKd", "QhQd"], equityOop: [0.5, 0.5, 0.5], evOop: [3, 3, 3],
                         ipHands: ["JhJd", "TcTd"], equityIp: [0.25, 0.25], evIp: [3, 3] })
    }
    function ranked() {
        return payload({ oopHands: ["QhQd", "AhAd", "KhKd"], equityOop: [0.1, 0.9, 0.5], evOop: [-2, 4, 1],
                         ipHands: ["TcTd", "JhJd"], equityIp: [0.3, 0.7], evIp: [-1, 2] })
    }

    function init() {
        tokens.dark = true
        fake.tree = Fixture.tree()
        fake.resultIterations = 100
        fake.distributionsAnswer = pending()
        fake.clearCalls()
    }

    function makePage(props) {
        const p = createTemporaryObject(pageComponent, testCase, Object.assign({ controller: fake }, props || {}))
        waitForRendering(p)
        return p
    }

    function part(p, name) { return findChild(p.distDialog.contentItem, name) }
    function asks() { return fake.callsOf("nodeHandDistributions169") }
    function canvasOf(p) { return part(p, "distCanvas") }

    function openDialog(p) {
        mouseClick(findChild(p, "distributionsButton"))
        tryCompare(p.distDialog, "opened", true)
        waitForRendering(p.distDialog.contentItem)
    }

    // The colour of a canvas pixel once the painted frame is shown. The
    // window is grabbed (a popup's items grab at the window's corner).
    function pixelAt(canvas, x, y) {
        waitForRendering(canvas)
        wait(50)
        const q = canvas.mapToItem(testCase, Math.floor(x), Math.floor(y))
        return grabImage(testCase).pixel(Math.round(q.x), Math.round(q.y))
    }
    function near(a, b) {
        const c = Qt.color(b)
        return Math.abs(a.r - c.r) < 0.03 && Math.abs(a.g - c.g) < 0.03 && Math.abs(a.b - c.b) < 0.03
    }
    // Where a value sits in the plot of a canvas (the fixed paddings: 52,
    // 16, 14, 34).
    function yAt(canvas, value, min, max) {
        const ph = canvas.height - 48
        return 14 + ph - (value - min) / (max - min) * ph
    }
    function xAt(canvas, t) {
        return 52 + (canvas.width - 68) * t
    }

    // Pending at opening; the announcement of the node shown draws the plot
    // without any pointer movement; one of another node changes nothing.
    function test_pendingThenReady() {
        const p = makePage()
        openDialog(p)
        compare(asks(), [[0]])
        verify(part(p, "distComputingText").visible)
        verify(!part(p, "distErrorText").visible)
        compare(part(p, "distHeading").text, "Equity by hand")
        const c = canvasOf(p)
        verify(!near(pixelAt(c, xAt(c, 0.5), yAt(c, 0.5, 0, 1)), tokens.actionBet))

        fake.distributionsAnswer = flat()
        fake.emitHandDistributions169Ready(7)
        compare(asks(), [[0]], "another node's data are not asked for")
        verify(part(p, "distComputingText").visible)

        fake.emitHandDistributions169Ready(0)
        compare(asks(), [[0], [0]])
        verify(!part(p, "distComputingText").visible)
        waitForRendering(c)                       // the plot grows into the pending line's place
        verify(near(pixelAt(c, xAt(c, 0.5), yAt(c, 0.5, 0, 1)), tokens.actionBet))
        verify(near(pixelAt(c, xAt(c, 0.5), yAt(c, 0.25, 0, 1)), tokens.info))
    }

    // Ready while closed: nothing is asked until the next opening, which
    // draws at once.
    function test_readyWhileClosed() {
        const p = makePage()
        openDialog(p)
        mouseClick(part(p, "distCloseButton"))
        tryCompare(p.distDialog, "visible", false)
        fake.distributionsAnswer = flat()
        fake.emitHandDistributions169Ready(0)
        compare(asks(), [[0]])
        openDialog(p)
        compare(asks(), [[0], [0]])
        const c = canvasOf(p)
        verify(near(pixelAt(c, xAt(c, 0.3), yAt(c, 0.5, 0, 1)), tokens.actionBet))
    }

    // The dialog keeps the node it was opened for: after the tree moves on,
    // that node's announcement is stale, the new node's is read.
    function test_staleAnnouncement() {
        const p = makePage()
        openDialog(p)
        p.selectActionAtLevel(0, 2)
        compare(p.currentNodeIndex, 2)
        fake.distributionsAnswer = flat()
        fake.emitHandDistributions169Ready(0)
        compare(asks(), [[0]])
        verify(part(p, "distComputingText").visible)
        fake.emitHandDistributions169Ready(2)
        compare(asks(), [[0], [2]])
        verify(!part(p, "distComputingText").visible)
    }

    function test_states_data() {
        return [
            { tag: "no controller", controller: false, error: "Unavailable", computing: false },
            { tag: "controller error", answer: payload({ ok: false, error: "Distributions unavailable (no live solve state)." }),
              error: "Distributions unavailable (no live solve state).", computing: false },
            { tag: "failure without a message", answer: payload({ ok: false }), error: "Distributions unavailable.", computing: false },
            { tag: "one entry per seat", answer: payload({ oopHands: ["AhAd"], equityOop: [0.5], ipHands: ["KhKd", ""],
                                                          equityIp: [0.25, 0.5] }), error: "", computing: false },
            { tag: "one seat with one entry still plots the other",
              answer: payload({ oopHands: ["AhAd"], equityOop: [0.9], ipHands: ["KhKd", "QhQd"], equityIp: [0.25, 0.25] }),
              error: "", computing: false, ipLine: true },
            { tag: "pending", answer: pending(), error: "", computing: true }
        ]
    }
    function test_states(data) {
        if (data.answer)
            fake.distributionsAnswer = data.answer
        const p = makePage({ controller: data.controller === false ? null : fake })
        p.distDialog.open()                        // the header button is disabled without a controller
        tryCompare(p.distDialog, "opened", true)
        compare(part(p, "distErrorText").visible, data.error.length > 0)
        if (data.error.length > 0)
            compare(part(p, "distErrorText").text, data.error)
        compare(part(p, "distComputingText").visible, data.computing)
        const c = canvasOf(p)
        waitForRendering(c)
        compare(near(pixelAt(c, xAt(c, 0.5), yAt(c, 0.25, 0, 1)), tokens.info), !!data.ipLine)
    }

    // EV values that are all equal are drawn in the middle of a scale from
    // one below to one above them, IP over OOP.
    function test_equalEvValues() {
        fake.distributionsAnswer = flat()
        const p = makePage()
        openDialog(p)
        mouseClick(part(p, "distMetricSwitch"))
        compare(p._distMetricEquity, false)
        compare(part(p, "distHeading").text, "EV by hand")
        const c = canvasOf(p)
        verify(near(pixelAt(c, xAt(c, 0.5), yAt(c, 3, 2, 4)), tokens.info))
    }

    // The tooltip reads both seats at the pointer's relative rank; the
    // metric switch keeps it in place; leaving the plot hides it; each
    // opening starts with equity.
    function test_hoverAndMetric() {
        fake.distributionsAnswer = ranked()
        const p = makePage()
        openDialog(p)
        const c = canvasOf(p)
        const tip = part(p, "distTooltip")
        verify(!tip.visible)
        const x = xAt(c, 0.6)
        const yFree = 14 + (c.height - 48) / 8
        const background = pixelAt(c, x, yFree)
        mouseMove(c, x - 3, yFree)
        mouseMove(c, x, yFree)
        fuzzyCompare(p._distHoverT, 0.6, 0.01)
        verify(tip.visible)
        compare([findChild(tip, "distTooltipHands").text, findChild(tip, "distTooltipOop").text,
                 findChild(tip, "distTooltipIp").text], ["OOP: KhKd    IP: TcTd", "OOP: 50.0%", "IP: 30.0%"])
        verify(!near(pixelAt(c, x, yFree), background), "the hover line is drawn")

        mouseClick(part(p, "distMetricSwitch"))
        fuzzyCompare(p._distHoverT, 0.6, 0.01)
        compare([findChild(tip, "distTooltipOop").text, findChild(tip, "distTooltipIp").text], ["OOP: 1.00", "IP: -1.00"])

        mouseMove(testCase, 5, 5)                 // off the plot
        tryCompare(p, "_distHoverT", -1.0)
        verify(!tip.visible)
        verify(near(pixelAt(c, x, yFree), background))

        p.distDialog.close()
        tryCompare(p.distDialog, "visible", false)
        openDialog(p)
        compare(p._distMetricEquity, true)
        compare(part(p, "distHeading").text, "Equity by hand")
    }
}
