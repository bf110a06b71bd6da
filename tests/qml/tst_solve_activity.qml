import QtQuick
import QtTest
import Tessaval
import "qrc:/Tessaval/qml/pages/home/solve_activity.js" as Activity

// The "Solve Activity" calendar: cell sizes, month labels, colour steps,
// tooltips, and what the grid draws.
TestCase {
    id: testCase
    name: "SolveActivity"
    width: 1000
    height: 500
    visible: true
    when: windowShown

    Theme {
        id: appTheme
    }

    Component {
        id: cardComponent
        SolveActivityCard {
            width: 800
            height: 320
            theme: appTheme
        }
    }

    Component {
        id: homeComponent
        HomePage {
            height: 1000
            theme: appTheme
        }
    }

    function cleanup() {
        appTheme.dark = true
    }

    function iso(d) {
        const pad = function (n) { return (n < 10 ? "0" : "") + n }
        return d.getFullYear() + "-" + pad(d.getMonth() + 1) + "-" + pad(d.getDate())
    }

    // 26 whole weeks of day cells from the Monday `first`, as the controller
    // gives them; `solves` maps ISO dates to counts, days after `today` are future.
    function makeGrid(first, today, solves) {
        const cells = []
        for (let i = 0; i < 182; ++i) {
            const d = new Date(first.getFullYear(), first.getMonth(), first.getDate() + i)
            const date = iso(d)
            const n = solves && solves[date] !== undefined ? solves[date] : 0
            cells.push({ isPadding: false, date: date, isFuture: d > today, solves: n,
                         avgIterations: n > 0 ? 412.6 : 0, avgExploitability: n > 0 ? 0.123456 : 0,
                         runtimeMsSum: n * 1000 })
        }
        return cells
    }

    function test_sizes_data() {
        return [
            { tag: "no cells", cells: 0, width: 500, weeks: 1, cell: 500, shown: 0 },
            { tag: "26 weeks", cells: 182, width: 700, weeks: 26, cell: 26, shown: 26 },
            { tag: "rounded down", cells: 182, width: 727, weeks: 26, cell: 27, shown: 26 },
            { tag: "narrow keeps the floor", cells: 182, width: 200, weeks: 26, cell: 14, shown: 14 },
            { tag: "narrower than a cell", cells: 182, width: 9, weeks: 26, cell: 14, shown: 1 },
            { tag: "a part week is not a week", cells: 17, width: 100, weeks: 2, cell: 50, shown: 2 }
        ]
    }

    function test_sizes(data) {
        const cells = new Array(data.cells).fill({ isPadding: true })
        const weeks = Activity.weekCount(cells)
        compare(weeks, data.weeks)
        compare(Activity.cellWidth(data.width, weeks), data.cell)
        compare(Activity.shownWeeks(data.width, Math.floor(data.cells / 7)), data.shown)
    }

    function test_monthLabels_data() {
        const names = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
        // Monday 2 February 2026 onwards: 1 March 2026 is a Sunday.
        const grid = makeGrid(new Date(2026, 1, 2), new Date(2026, 6, 1))
        return [
            { tag: "week without a 1st", grid: grid, names: names, week: 0, expect: "" },
            { tag: "1st on a Sunday labels the week ending with it", grid: grid, names: names, week: 3,
              expect: "Mar" },
            { tag: "the week after a Sunday 1st", grid: grid, names: names, week: 4, expect: "" },
            { tag: "1st in mid-week", grid: grid, names: names, week: 8, expect: "Apr" },
            { tag: "past the cells", grid: grid, names: names, week: 30, expect: "" },
            { tag: "padding and bad dates are skipped",
              grid: [{ isPadding: true, date: "2026-05-01" }, { date: "x-y" }, {}, { date: "2026-06-01" }],
              names: names, week: 0, expect: "Jun" },
            { tag: "translated names", grid: grid, names: ["1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
                                                          "11", "12"], week: 3, expect: "3" }
        ]
    }

    function test_monthLabels(data) {
        compare(Activity.monthLabelForWeek(data.grid, data.week, data.names), data.expect)
    }

    function test_colorSteps_data() {
        return [
            { tag: "none", a: 0, b: -2, same: true },
            { tag: "not a number is none", a: NaN, b: 0, same: true },
            { tag: "one differs from none", a: 1, b: 0, same: false },
            { tag: "two differs from one", a: 2, b: 1, same: false },
            { tag: "three differs from two", a: 3, b: 2, same: false },
            { tag: "three and thirty alike", a: 3, b: 30, same: true },
            { tag: "rounded counts", a: 1.4, b: 1, same: true }
        ]
    }

    function test_colorSteps(data) {
        for (const theme of [appTheme, null]) {
            const a = Activity.cellColor(data.a, theme)
            const b = Activity.cellColor(data.b, theme)
            compare(Qt.colorEqual(a, b), data.same, theme ? "with a theme" : "without a theme")
        }
    }

    function test_tooltipText_data() {
        return [
            { tag: "past day", cell: { date: "2026-03-04", solves: 2.4, avgIterations: 412.6,
                                      avgExploitability: 0.123456 },
              expect: "2026-03-04\nSolves: 2\nAvg iters: 413\nAvg expl: 0.1235" },
            { tag: "future day", cell: { date: "2026-03-09", isFuture: true, solves: 0, avgIterations: 0,
                                        avgExploitability: 0 },
              expect: "2026-03-09 (future)\nSolves: 0\nAvg iters: 0\nAvg expl: 0.0000" },
            { tag: "missing figures", cell: { date: "2026-03-04" },
              expect: "2026-03-04\nSolves: 0\nAvg iters: 0\nAvg expl: 0.0000" },
            { tag: "padding has none", cell: { isPadding: true }, expect: "" }
        ]
    }

    function test_tooltipText(data) {
        compare(Activity.tooltipText(data.cell), data.expect)
    }

    // ---- The card --------------------------------------------------------

    function near(c, target, tolerance) {
        return Math.abs(c.r - target.r) <= tolerance && Math.abs(c.g - target.g) <= tolerance
               && Math.abs(c.b - target.b) <= tolerance
    }

    // The centre pixel of a cell's square, from a grab of the whole window
    // (a grab of an item is cut at its position in its parent).
    function cellPixel(image, cell) {
        const p = cell.mapToItem(testCase, cell.width / 2, cell.height / 2)
        return image.pixel(Math.round(p.x), Math.round(p.y))
    }

    function blend(over, under, alpha) {
        return Qt.rgba(over.r * alpha + under.r * (1 - alpha), over.g * alpha + under.g * (1 - alpha),
                       over.b * alpha + under.b * (1 - alpha), 1)
    }

    // A card with its layout and its grid's delegates in place.
    function makeCard(properties) {
        const card = createTemporaryObject(cardComponent, testCase, properties)
        verify(card)
        const view = findChild(card, "activityGrid")
        tryVerify(function () { return view.width > 0 && view.height === 7 * view.cellHeight })
        waitForRendering(card)
        return card
    }

    function test_gridDrawsTheSteps() {
        const today = new Date(2026, 2, 4)  // a Wednesday: the last four days are future
        const first = new Date(2025, 8, 8)  // Monday, 26 weeks before
        const grid = makeGrid(first, today, { "2026-03-02": 1, "2026-03-03": 2, "2026-03-04": 3,
                                              "2026-02-23": 30, "2026-03-06": 3 })
        const card = makeCard({ solveActivityGrid: grid })
        const view = findChild(card, "activityGrid")
        compare(view.cellWidth, Math.floor(view.width / 26))
        compare(view.height, 7 * view.cellWidth)
        const cell = function (date) { return findChild(card, "activityDay_" + date) }
        tryVerify(function () { return cell("2026-03-04") !== null })
        // The last column is this week, Monday at the top.
        compare(cell("2026-03-02").x, 25 * view.cellWidth)
        compare(cell("2026-03-02").y, 0)
        compare(cell("2026-03-08").y, 6 * view.cellHeight)

        const image = grabImage(testCase)
        const surface = appTheme.surface
        const pix = function (date) { return cellPixel(image, cell(date)) }
        verify(near(pix("2026-03-01"), appTheme.surface2, 0.02), "no solves")
        verify(near(pix("2026-03-02"), blend(appTheme.accent, surface, 0.55), 0.04), "one solve")
        verify(near(pix("2026-03-03"), appTheme.accentMuted, 0.02), "two solves")
        verify(near(pix("2026-03-04"), appTheme.accent, 0.02), "three solves")
        verify(near(pix("2026-02-23"), pix("2026-03-04"), 0.02), "thirty look like three")
        // A future day is faded.
        verify(near(pix("2026-03-06"), blend(appTheme.accent, surface, 0.45), 0.04), "faded future day")
    }

    // Whether `item` lies within the card's padding.
    function inside(card, item) {
        const r = item.mapToItem(card, 0, 0, item.width, item.height)
        return r.x >= card.leftPadding - 0.5 && r.y >= card.topPadding - 0.5
               && r.x + r.width <= card.width - card.rightPadding + 0.5
               && r.y + r.height <= card.height - card.bottomPadding + 0.5
    }

    // On the home page at every width it can have, the header, the month
    // labels, the weekday labels and the drawn weeks lie inside the card,
    // the newest week among them.
    function test_insideTheCardOnTheHomePage_data() {
        return [
            { tag: "900", width: 900, allWeeks: true },
            { tag: "1030", width: 1030, allWeeks: true },
            { tag: "1540", width: 1540, allWeeks: true }
        ]
    }

    function test_insideTheCardOnTheHomePage(data) {
        const grid = makeGrid(new Date(2025, 8, 8), new Date(2026, 2, 4))
        const page = createTemporaryObject(homeComponent, testCase, { width: data.width })
        verify(page)
        page.solveActivityGrid = grid
        const card = findChild(page, "solveActivityCard")
        const view = findChild(card, "activityGrid")
        tryVerify(function () { return view.width > 0 && view.height === 7 * view.cellHeight })
        waitForRendering(page)
        for (const name of ["activityTitle", "activityPeriod", "monthHeader", "weekdayLabels", "activityGrid"])
            verify(inside(card, findChild(card, name)), name)
        const newest = findChild(card, "activityDay_" + grid[grid.length - 1].date)
        verify(newest, "the newest day is shown")
        verify(newest.x - view.contentX + newest.width <= view.width, "the newest week is drawn whole")
        compare(view.count === grid.length, data.allWeeks)
        verify(view.cellWidth >= 14)
        // Each month label stands above the shown week that holds its 1st.
        const row = findChild(card, "monthRow")
        let labels = 0
        for (let i = 0; i < row.children.length; ++i) {
            const slot = row.children[i]
            if (slot.children.length === 0 || !slot.children[0].visible)
                continue
            const week = Math.round(slot.x / view.cellWidth)
            const dates = view.model.slice(7 * week, 7 * week + 7).map(function (c) { return c.date })
            verify(dates.some(function (d) { return /-01$/.test(d) }), slot.children[0].text)
            ++labels
        }
        verify(labels > 0)
    }

    function test_monthRowAndTooltips() {
        const today = new Date(2026, 2, 4)
        const grid = makeGrid(new Date(2025, 8, 8), today, { "2026-03-03": 2 })
        const card = makeCard({ solveActivityGrid: grid })
        const labels = []
        const row = findChild(card, "monthRow")
        for (let i = 0; i < row.children.length; ++i) {
            const slot = row.children[i]
            if (slot.children.length > 0 && slot.children[0].visible)
                labels.push(slot.children[0].text + "@" + Math.round(slot.x))
        }
        const w = findChild(card, "activityGrid").cellWidth
        // 8 September 2025 onwards: October begins in week 3, November (a
        // Saturday) in week 7, March 2026 (a Sunday) in week 24.
        compare(labels, ["Oct@" + 3 * w, "Nov@" + 7 * w, "Dec@" + 12 * w, "Jan@" + 16 * w,
                         "Feb@" + 20 * w, "Mar@" + 24 * w])

        const tip = findChild(card, "activityToolTip")
        const day = findChild(card, "activityDay_2026-03-03")
        mouseMove(day, day.width / 2, day.height / 2)
        tryVerify(function () { return tip.visible })
        compare(tip.text, "2026-03-03\nSolves: 2\nAvg iters: 413\nAvg expl: 0.1235")
        const future = findChild(card, "activityDay_2026-03-07")
        mouseMove(future, future.width / 2, future.height / 2)
        tryCompare(tip, "text", "2026-03-07 (future)\nSolves: 0\nAvg iters: 0\nAvg expl: 0.0000")
        mouseMove(card, 1, 1)
        tryVerify(function () { return !tip.visible })
    }

    // The tooltip box: the theme's surface, stroke and text in both themes,
    // as wide as its longest line.
    function test_tooltipIsThemed_data() {
        return [{ tag: "dark", dark: true }, { tag: "light", dark: false }]
    }

    function test_tooltipIsThemed(data) {
        appTheme.dark = data.dark
        const grid = makeGrid(new Date(2025, 8, 8), new Date(2026, 2, 4), { "2026-03-03": 2 })
        const card = makeCard({ solveActivityGrid: grid })
        const tip = findChild(card, "activityToolTip")
        const day = findChild(card, "activityDay_2026-03-03")
        mouseMove(day, day.width / 2, day.height / 2)
        tryVerify(function () { return tip.opened })
        verify(tip.width <= tip.contentItem.implicitWidth + tip.leftPadding + tip.rightPadding + 1,
               "width " + tip.width)
        // The whole window holds the pop-up.
        const image = grabImage(testCase)
        const box = tip.background.mapToItem(testCase, 0, 0, tip.background.width, tip.background.height)
        const at = function (x, y) { return image.pixel(Math.round(box.x + x), Math.round(box.y + y)) }
        verify(near(at(4, box.height / 2), appTheme.surface, 0.02), "surface " + at(4, box.height / 2))
        verify(near(at(box.width / 2, 0), appTheme.stroke, 0.03), "stroke " + at(box.width / 2, 0))
        // The glyph pixel of the first line farthest from the surface carries
        // the text colour.
        const distance = function (c) {
            return Math.abs(c.r - appTheme.surface.r) + Math.abs(c.g - appTheme.surface.g)
                   + Math.abs(c.b - appTheme.surface.b)
        }
        let ink = appTheme.surface
        for (let x = tip.leftPadding; x < box.width - tip.rightPadding; ++x) {
            for (let y = tip.topPadding; y < tip.topPadding + 14; ++y) {
                const c = at(x, y)
                if (distance(c) > distance(ink))
                    ink = c
            }
        }
        verify(near(ink, appTheme.text, 0.05), "text " + ink)
        mouseMove(card, 1, 1)
    }

    function test_paddingCellsShowNothing() {
        const grid = [{ isPadding: true }, { isPadding: true }].concat(
                    makeGrid(new Date(2026, 0, 7), new Date(2026, 6, 1)).slice(0, 180))
        const card = makeCard({ solveActivityGrid: grid })
        const pad = findChild(card, "activityPadding")
        const image = grabImage(testCase)
        verify(near(cellPixel(image, pad), appTheme.surface, 0.02), "the card shows through")
        const tip = findChild(card, "activityToolTip")
        mouseMove(pad, pad.width / 2, pad.height / 2)
        wait(250)
        verify(!tip.visible)
    }

    function test_narrowViewClips() {
        const grid = makeGrid(new Date(2025, 8, 8), new Date(2026, 2, 4))
        const card = makeCard({ solveActivityGrid: grid, width: 300 })
        const view = findChild(card, "activityGrid")
        verify(view.width < 26 * 14)
        compare(view.cellWidth, 14)
        verify(view.clip)
        compare(view.contentX, 0)
    }
}
