import QtQuick
import QtTest
import Tessaval
import "qrc:/Tessaval/qml/pages/home/solve_trend.js" as Trend

// The "Solves over time" chart: its series, scale, hover index and read-out,
// and what the canvas draws.
TestCase {
    id: testCase
    name: "SolveTrend"
    width: 800
    height: 500
    visible: true
    when: windowShown

    Theme {
        id: appTheme
    }

    Component {
        id: cardComponent
        SolveTrendCard {
            width: 680
            height: 360
            theme: appTheme
        }
    }

    function test_series_data() {
        return [
            { tag: "no days", days: [], solves: [], runtimes: [], maxY: 1, maxRt: 1 },
            { tag: "one day", days: [{ date: "2026-03-01", solves: 2, runtimeMsSum: 3000 }],
              solves: [2], runtimes: [1.5], maxY: 2, maxRt: 1.5 },
            { tag: "running averages",
              days: [{ solves: 1, runtimeMsSum: 4000 }, { solves: 0, runtimeMsSum: 0 },
                     { solves: 3, runtimeMsSum: 2000 }],
              solves: [1, 1, 4], runtimes: [4, 4, 1.5], maxY: 4, maxRt: 4 },
            { tag: "no run time yet",
              days: [{ solves: 2 }, { solves: 1, runtimeMsSum: 6000 }],
              solves: [2, 3], runtimes: [NaN, 2], maxY: 3, maxRt: 2 },
            { tag: "bad values",
              days: [{ solves: -3, runtimeMsSum: -5 }, { solves: "x" }, {}, { solves: 1.6, runtimeMsSum: 999.6 }],
              solves: [0, 0, 0, 2], runtimes: [NaN, NaN, NaN, 0.5], maxY: 2, maxRt: 0.5 },
            { tag: "nothing solved", days: [{ solves: 0 }, { solves: 0 }],
              solves: [0, 0], runtimes: [NaN, NaN], maxY: 1, maxRt: 1 }
        ]
    }

    function test_series(data) {
        const cumulative = Trend.cumulativeSolves(data.days)
        const runtimes = Trend.cumulativeAvgRuntimeSec(data.days)
        compare(cumulative, data.solves)
        compare(runtimes.length, data.runtimes.length)
        for (let i = 0; i < runtimes.length; ++i) {
            if (isNaN(data.runtimes[i]))
                verify(isNaN(runtimes[i]), "day " + i + " has no run time")
            else
                fuzzyCompare(runtimes[i], data.runtimes[i], 1e-9)
        }
        compare(Trend.maxCumulativeSolves(cumulative), data.maxY)
        fuzzyCompare(Trend.maxAvgRuntimeSec(runtimes), data.maxRt, 1e-9)
    }

    // padL 30 and a plot 100 wide: five days sit 25 apart from x = 30.
    function test_hoverIndex_data() {
        return [
            { tag: "no days", x: 50, n: 0, expect: -1 },
            { tag: "one day anywhere", x: 400, n: 1, expect: 0 },
            { tag: "left padding", x: 5, n: 5, expect: 0 },
            { tag: "beyond the right end", x: 500, n: 5, expect: 4 },
            { tag: "nearer the earlier day", x: 30 + 25 + 12, n: 5, expect: 1 },
            { tag: "exactly halfway takes the later", x: 30 + 25 + 12.5, n: 5, expect: 2 }
        ]
    }

    function test_hoverIndex(data) {
        compare(Trend.hoverIndex(data.x, data.n, 30, 100), data.expect)
    }

    function test_geometry() {
        const g = { padL: 30, padT: 8, plotW: 200, plotH: 100, n: 3, maxY: 4, maxRuntime: 2 }
        const solves = Trend.solvesPoints(g, [1, 2, 4])
        compare(solves.map(function (p) { return p.x }), [30, 130, 230])
        compare(solves.map(function (p) { return p.y }), [83, 58, 8])
        // The largest run time meets the top; a day without one is bridged.
        const rt = Trend.runtimePoints(g, [NaN, 2, 1])
        compare(rt, [{ x: 130, y: 8 }, { x: 230, y: 58 }])
        // One day: both lines are one point, in the middle of the plot.
        const one = { padL: 30, padT: 8, plotW: 200, plotH: 100, n: 1, maxY: 1, maxRuntime: 1 }
        compare(Trend.solvesPoints(one, [1]), [{ x: 130, y: 8 }])
    }

    function test_tooltipText_data() {
        const days = [{ date: "2026-03-01", solves: 2, runtimeMsSum: 3000 }, { date: "2026-03-02", solves: 0 },
                      { solves: 1, runtimeMsSum: 1500 }]
        return [
            { tag: "first day", days: days, index: 0,
              expect: "2026-03-01\nDaily: 2\nTotal: 2\nAvg runtime: 1.5s" },
            { tag: "a day without solves", days: days, index: 1,
              expect: "2026-03-02\nDaily: 0\nTotal: 2\nAvg runtime: 1.5s" },
            { tag: "missing date", days: days, index: 2,
              expect: "\nDaily: 1\nTotal: 3\nAvg runtime: 1.5s" },
            { tag: "no run time", days: [{ date: "d", solves: 4 }], index: 0,
              expect: "d\nDaily: 4\nTotal: 4\nAvg runtime: —" },
            { tag: "outside the days", days: days, index: 3, expect: "" },
            { tag: "no hover", days: days, index: -1, expect: "" }
        ]
    }

    function test_tooltipText(data) {
        compare(Trend.tooltipText(data.days, Trend.cumulativeSolves(data.days),
                                  Trend.cumulativeAvgRuntimeSec(data.days), data.index), data.expect)
    }

    // ---- The card --------------------------------------------------------

    function near(c, target, tolerance) {
        return Math.abs(c.r - target.r) <= tolerance && Math.abs(c.g - target.g) <= tolerance
               && Math.abs(c.b - target.b) <= tolerance
    }

    // The whole window: the test case fills it from its origin. (A grab of
    // an item is cut at its position in its parent, not in the window.)
    function grabCanvas(canvas) {
        return { image: grabImage(testCase), item: canvas }
    }

    function pixelAt(shot, x, y) {
        const p = shot.item.mapToItem(testCase, x, y)
        return shot.image.pixel(Math.round(p.x), Math.round(p.y))
    }

    // Whether a pixel of colour `target` lies within 2 pixels of (x, y).
    function hasColorNear(shot, x, y, target) {
        for (let dx = -2; dx <= 2; ++dx)
            for (let dy = -2; dy <= 2; ++dy)
                if (near(pixelAt(shot, x + dx, y + dy), target, 0.08))
                    return true
        return false
    }

    function countNear(shot, x, y, target) {
        let count = 0
        for (let dx = -4; dx <= 4; ++dx)
            for (let dy = -4; dy <= 4; ++dy)
                if (near(pixelAt(shot, x + dx, y + dy), target, 0.15))
                    ++count
        return count
    }

    function makeCard(history) {
        const card = createTemporaryObject(cardComponent, testCase, { solveHistoryDaily: history })
        verify(card)
        const plot = findChild(card, "solveTrendPlot")
        tryVerify(function () { return plot.width > 100 && plot.height > 100 })
        return card
    }

    function test_emptyChart() {
        const card = makeCard([])
        const plot = findChild(card, "solveTrendPlot")
        verify(findChild(card, "noSolvesNotice").visible)
        compare(findChild(card, "scaleTopLabel").text, "1")
        compare(findChild(card, "firstDateLabel").text, "")
        compare(findChild(card, "lastDateLabel").text, "")
        mouseMove(plot, plot.width / 2, plot.height / 2)
        compare(plot.hoverIndex, -1)
        wait(250)
        verify(!findChild(card, "solveTrendToolTip").visible)
        // The axes are drawn; no line.
        const canvas = findChild(card, "solveTrendCanvas")
        let image
        tryVerify(function () {
            image = grabCanvas(canvas)
            return hasColorNear(image, plot.padL, plot.padT + plot.plotH / 2, appTheme.stroke)
        }, 3000, "the vertical axis")
        verify(!hasColorNear(image, plot.padL + plot.plotW, plot.padT, appTheme.accent))
    }

    function test_chartDrawsAndHovers() {
        const history = [
            { date: "2026-03-01", solves: 1, runtimeMsSum: 8000 },
            { date: "2026-03-02", solves: 0, runtimeMsSum: 0 },
            { date: "2026-03-03", solves: 3, runtimeMsSum: 4000 }
        ]
        const card = makeCard(history)
        const plot = findChild(card, "solveTrendPlot")
        const canvas = findChild(card, "solveTrendCanvas")
        verify(!findChild(card, "noSolvesNotice").visible)
        compare(findChild(card, "scaleTopLabel").text, "4")
        compare(findChild(card, "firstDateLabel").text, "2026-03-01")
        compare(findChild(card, "lastDateLabel").text, "2026-03-03")

        // The solves line ends in the top right corner; the run-time line
        // starts at the top (its largest value) on the left axis.
        let image
        tryVerify(function () {
            image = grabCanvas(canvas)
            return hasColorNear(image, plot.padL + plot.plotW - 2, plot.padT + 2, appTheme.accent)
        }, 3000, "the solves line reaches the top right corner")
        verify(hasColorNear(image, plot.padL + 2, plot.padT + 1, appTheme.accentMuted), "the run-time line")

        // Hover over the middle day: its marker and read-out.
        const midX = plot.padL + plot.plotW / 2
        const midY = plot.padT + plot.plotH - 1 * plot.plotH / 4
        const before = countNear(image, midX, midY, appTheme.accent)
        mouseMove(plot, midX + 3, plot.height / 2)
        compare(plot.hoverIndex, 1)
        const tip = findChild(card, "solveTrendToolTip")
        tryVerify(function () { return tip.visible })
        compare(tip.text, "2026-03-02\nDaily: 0\nTotal: 1\nAvg runtime: 8.0s")
        // The marker's disc is wider than the line through it.
        tryVerify(function () {
            return countNear(grabCanvas(canvas), midX, midY, appTheme.accent) >= before + 6
        }, 3000, "the marker is drawn")

        // Leaving the plot clears the hover.
        mouseMove(card, 2, 2)
        compare(plot.hoverIndex, -1)
        tryVerify(function () { return !tip.visible })
    }

    // A single day is drawn as a bar with its figure, not left an empty frame.
    function test_singleDayIsShown() {
        const card = makeCard([{ date: "2026-03-04", solves: 3, runtimeMsSum: 9000 }])
        const plot = findChild(card, "solveTrendPlot")
        const canvas = findChild(card, "solveTrendCanvas")
        const midX = plot.padL + plot.plotW / 2
        tryVerify(function () {
            return hasColorNear(grabCanvas(canvas), midX, plot.padT + plot.plotH / 2, appTheme.accent)
        }, 3000, "the day's bar")
        const figure = findChild(card, "singleDayFigure")
        verify(figure.visible)
        compare(figure.text, "3")
        const r = figure.mapToItem(plot, 0, 0, figure.width, figure.height)
        verify(r.x > midX && r.x + r.width <= plot.width && r.y >= 0 && r.y + r.height <= plot.height)
    }

    function test_newHistoryRepaints() {
        const card = makeCard([])
        const plot = findChild(card, "solveTrendPlot")
        const canvas = findChild(card, "solveTrendCanvas")
        card.solveHistoryDaily = [{ date: "a", solves: 1 }, { date: "b", solves: 1 }]
        tryVerify(function () {
            return hasColorNear(grabCanvas(canvas), plot.padL + plot.plotW - 2, plot.padT + 2, appTheme.accent)
        }, 3000)
        verify(!findChild(card, "noSolvesNotice").visible)
    }
}
