import QtQuick
import QtTest
import "qrc:/Tessaval/qml/pages/home/home_stats.js" as Stats

// Dates, durations and the figures of the home page's statistics cards.
TestCase {
    name: "HomeStats"

    function iso(d) {
        const pad = function (n) { return (n < 10 ? "0" : "") + n }
        return d.getFullYear() + "-" + pad(d.getMonth() + 1) + "-" + pad(d.getDate())
    }

    function day(y, m, d) {
        return new Date(y, m - 1, d, 0, 0, 0, 0)
    }

    function test_parseIsoDate_data() {
        return [
            { tag: "plain", text: "2026-03-01", expect: [2026, 2, 1] },
            { tag: "leading digits only", text: "2026-3x-07abc", expect: [2026, 2, 7] },
            { tag: "empty", text: "", expect: null },
            { tag: "missing", text: undefined, expect: null },
            { tag: "two parts", text: "2026-03", expect: null },
            { tag: "four parts", text: "2026-03-01-02", expect: null },
            { tag: "part without digits", text: "2026-xx-01", expect: null },
            { tag: "slashes", text: "2026/03/01", expect: null }
        ]
    }

    function test_parseIsoDate(data) {
        const d = Stats.parseIsoDate(data.text)
        if (data.expect === null) {
            compare(d, null)
            return
        }
        compare([d.getFullYear(), d.getMonth(), d.getDate(), d.getHours(), d.getMinutes()],
                data.expect.concat([0, 0]))
    }

    function test_startOfWeekMonday_data() {
        return [
            { tag: "Monday stays", date: day(2026, 3, 2), expect: "2026-03-02" },
            { tag: "Wednesday", date: day(2026, 3, 4), expect: "2026-03-02" },
            { tag: "Sunday goes back six days", date: day(2026, 3, 8), expect: "2026-03-02" },
            { tag: "across a month", date: new Date(2026, 2, 1, 17, 45), expect: "2026-02-23" },
            { tag: "across a year", date: day(2026, 1, 1), expect: "2025-12-29" }
        ]
    }

    function test_startOfWeekMonday(data) {
        const m = Stats.startOfWeekMonday(data.date)
        compare(iso(m), data.expect)
        compare(m.getHours(), 0)
        compare(m.getDay(), 1)
    }

    function test_formatDurationSeconds_data() {
        return [
            { tag: "0.05 s", sec: 0.05, expect: "0.1s" },
            { tag: "42.3 s", sec: 42.3, expect: "42.3s" },
            { tag: "59.94 s", sec: 59.94, expect: "59.9s" },
            { tag: "59.96 s", sec: 59.96, expect: "60.0s" },
            { tag: "60 s", sec: 60, expect: "1m" },
            { tag: "75.4 s", sec: 75.4, expect: "1m 15s" },
            { tag: "119.6 s", sec: 119.6, expect: "2m" },
            { tag: "3600 s", sec: 3600, expect: "60m" },
            { tag: "zero", sec: 0, expect: "—" },
            { tag: "negative", sec: -3, expect: "—" },
            { tag: "not a number", sec: NaN, expect: "—" },
            { tag: "infinite", sec: Infinity, expect: "—" },
            { tag: "missing", sec: undefined, expect: "—" }
        ]
    }

    function test_formatDurationSeconds(data) {
        compare(Stats.formatDurationSeconds(data.sec), data.expect)
    }

    function test_durationPatternsAreUsed() {
        const f = { seconds: "%1 s", minutes: "%1 min", minutesSeconds: "%1 min %2 s" }
        compare(Stats.formatDurationSeconds(3.24, f), "3.2 s")
        compare(Stats.formatDurationSeconds(120, f), "2 min")
        compare(Stats.formatDurationSeconds(61, f), "1 min 1 s")
    }

    function test_practiceTexts_data() {
        return [
            { tag: "nothing recorded", stats: {}, hands: "0 / 0", acc: "— / —", ev: "— / —" },
            { tag: "earlier days only",
              stats: { todayHands: 0, totalHands: 120, todayAccuracyPct: 0, totalAccuracyPct: 80.5,
                       todayAvgEvLoss: 0, totalAvgEvLoss: 0.0421 },
              hands: "0 / 120", acc: "— / 81", ev: "— / 0.042" },
            { tag: "every hand right",
              stats: { todayHands: 3, totalHands: 3, todayAccuracyPct: 100, totalAccuracyPct: 100,
                       todayAvgEvLoss: 0, totalAvgEvLoss: 0 },
              hands: "3 / 3", acc: "100 / 100", ev: "0.000 / 0.000" },
            { tag: "halves round up",
              stats: { todayHands: 2, totalHands: 8, todayAccuracyPct: 66.5, totalAccuracyPct: 87.49,
                       todayAvgEvLoss: 0.125, totalAvgEvLoss: 1.5 },
              hands: "2 / 8", acc: "67 / 87", ev: "0.125 / 1.500" },
            { tag: "missing EV loss", stats: { todayHands: 1, totalHands: 1, todayAccuracyPct: 0,
                                              totalAccuracyPct: 0 },
              hands: "1 / 1", acc: "0 / 0", ev: "— / —" },
            { tag: "non-finite figures", stats: { todayHands: 4, totalHands: 4, todayAccuracyPct: NaN,
                                                 totalAccuracyPct: 50, todayAvgEvLoss: Infinity,
                                                 totalAvgEvLoss: 0.2 },
              hands: "4 / 4", acc: "— / 50", ev: "— / 0.200" }
        ]
    }

    function test_practiceTexts(data) {
        compare(Stats.handsText(data.stats), data.hands)
        compare(Stats.accuracyText(data.stats), data.acc)
        compare(Stats.evLossText(data.stats), data.ev)
    }

    // A grid around "now" (a Wednesday): padding, past days, today, future.
    function grid(cells) {
        return [{ isPadding: true }].concat(cells).concat([{ isPadding: true }])
    }

    function test_solveHistoryFigures_data() {
        const now = new Date(2026, 2, 4, 15, 30)  // Wednesday 4 March 2026
        return [
            { tag: "empty grid", now: now, cells: [], total: 0, week: 0, avg: "—" },
            { tag: "future days are left out", now: now,
              cells: [{ date: "2026-03-04", solves: 2, runtimeMsSum: 4000 },
                      { date: "2026-03-05", isFuture: true, solves: 9, runtimeMsSum: 900000 }],
              total: 2, week: 2, avg: "2.0s" },
            { tag: "last week counts in the total only", now: now,
              cells: [{ date: "2026-03-01", solves: 3, runtimeMsSum: 30000 },
                      { date: "2026-03-02", solves: 1, runtimeMsSum: 90000 }],
              total: 4, week: 1, avg: "30.0s" },
            { tag: "bad counts count nothing", now: now,
              cells: [{ date: "2026-03-02", solves: -4 }, { date: "2026-03-03", solves: "x" },
                      { date: "2026-03-04", solves: 2.6 }, { date: "2026-03-04", solves: NaN }],
              total: 3, week: 3, avg: "—" },
            { tag: "an unparsable date leaves only this week", now: now,
              cells: [{ date: "03/03/2026", solves: 5, runtimeMsSum: 5000 }],
              total: 5, week: 0, avg: "1.0s" },
            { tag: "run time without solves", now: now,
              cells: [{ date: "2026-03-03", solves: 0, runtimeMsSum: 5000 }],
              total: 0, week: 0, avg: "—" },
            { tag: "non-positive run time counts nothing", now: now,
              cells: [{ date: "2026-03-03", solves: 2, runtimeMsSum: -100 },
                      { date: "2026-03-04", solves: 1, runtimeMsSum: 75400 }],
              total: 3, week: 3, avg: "1m 15s" },
            { tag: "on a Sunday the whole week", now: new Date(2026, 2, 8, 23, 0),
              cells: [{ date: "2026-03-01", solves: 7 }, { date: "2026-03-02", solves: 1 },
                      { date: "2026-03-08", solves: 1 }],
              total: 9, week: 2, avg: "—" },
            { tag: "on a Monday that day only", now: new Date(2026, 2, 2, 8, 0),
              cells: [{ date: "2026-03-01", solves: 7 }, { date: "2026-03-02", solves: 1 }],
              total: 8, week: 1, avg: "—" }
        ]
    }

    function test_solveHistoryFigures(data) {
        const g = grid(data.cells)
        compare(Stats.totalSolves(g), data.total)
        compare(Stats.solvesThisWeek(g, data.now), data.week)
        compare(Stats.averageRuntimeText(g), data.avg)
    }

    function test_systemFigures() {
        compare(Stats.threadCount(null), 0)
        compare(Stats.threadCount({ systemThreadCount: 0 }), 0)
        compare(Stats.threadCount({ systemThreadCount: 12 }), 12)
        compare(Stats.memoryPart(""), "—")
        compare(Stats.memoryPart(undefined), "—")
        compare(Stats.memoryPart("7.8 GB"), "7.8 GB")
    }
}
