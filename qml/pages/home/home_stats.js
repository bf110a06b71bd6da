// Dates, durations and the figures of the home page's statistics cards:
// the practice figures, the solve-history figures over the activity grid,
// and the system figures.
.pragma library

var DASH = "\u2014"

// A count from the statistics: whole, never negative; anything that is not a
// finite number counts nothing.
function wholeCount(value) {
    if (value === undefined || value === null || typeof value === "boolean")
        return 0
    var n = Number(value)
    if (!isFinite(n))
        return 0
    return Math.max(0, Math.round(n))
}

function finiteOr(value, fallback) {
    if (value === undefined || value === null || typeof value === "boolean")
        return fallback
    var n = Number(value)
    return isFinite(n) ? n : fallback
}

// "2026-03-01" as the local date at 00:00; null for anything that is not
// three dash-separated parts each starting with digits.
function parseIsoDate(s) {
    if (s === undefined || s === null)
        return null
    var text = String(s)
    if (text.length === 0)
        return null
    var parts = text.split("-")
    if (parts.length !== 3)
        return null
    var numbers = []
    for (var i = 0; i < 3; ++i) {
        var m = /^\d+/.exec(parts[i])
        if (!m)
            return null
        numbers.push(parseInt(m[0], 10))
    }
    var d = new Date(2000, 0, 1, 0, 0, 0, 0)
    d.setFullYear(numbers[0], numbers[1] - 1, numbers[2])
    d.setHours(0, 0, 0, 0)
    return d
}

function startOfDay(dt) {
    var d = new Date(dt.getTime())
    d.setHours(0, 0, 0, 0)
    return d
}

// The Monday of the week (Monday to Sunday) that holds `dt`, at 00:00.
function startOfWeekMonday(dt) {
    var d = startOfDay(dt)
    var weekday = d.getDay()  // 0 is Sunday
    var back = weekday === 0 ? 6 : weekday - 1
    d.setDate(d.getDate() - back)
    return d
}

// "42.3s", "2m", "1m 15s"; a dash for no time. `formats` carries the
// translated patterns (seconds "%1s", minutes "%1m", minutesSeconds "%1m %2s").
function formatDurationSeconds(sec, formats) {
    var f = formats || {}
    var secondsFormat = f.seconds || "%1s"
    var minutesFormat = f.minutes || "%1m"
    var minutesSecondsFormat = f.minutesSeconds || "%1m %2s"
    if (sec === undefined || sec === null || typeof sec === "boolean")
        return DASH
    var s = Number(sec)
    if (!isFinite(s) || s <= 0)
        return DASH
    if (s < 60)
        return secondsFormat.replace("%1", s.toFixed(1))
    var m = Math.floor(s / 60)
    var r = Math.round(s - m * 60)
    if (r === 0)
        return minutesFormat.replace("%1", String(m))
    if (r >= 60)
        return minutesFormat.replace("%1", String(m + 1))
    return minutesSecondsFormat.replace("%1", String(m)).replace("%2", String(r))
}

// The day cells of the grid up to today: padding and future days left out.
function pastDayCells(grid) {
    var out = []
    if (!grid)
        return out
    for (var i = 0; i < grid.length; ++i) {
        var cell = grid[i]
        if (!cell || cell.isPadding === true || cell.isFuture === true)
            continue
        out.push(cell)
    }
    return out
}

function totalSolves(grid) {
    var cells = pastDayCells(grid)
    var sum = 0
    for (var i = 0; i < cells.length; ++i)
        sum += wholeCount(cells[i].solves)
    return sum
}

// The solves from this week's Monday through `now`'s day, both included.
function solvesThisWeek(grid, now) {
    var today = startOfDay(now)
    var monday = startOfWeekMonday(today)
    var cells = pastDayCells(grid)
    var sum = 0
    for (var i = 0; i < cells.length; ++i) {
        var day = parseIsoDate(cells[i].date)
        if (!day)
            continue
        if (day.getTime() >= monday.getTime() && day.getTime() <= today.getTime())
            sum += wholeCount(cells[i].solves)
    }
    return sum
}

// The average run time per solve in seconds over the days that have a run
// time; NaN when there is none.
function averageRuntimeSeconds(grid) {
    var cells = pastDayCells(grid)
    var runtimeMs = 0
    var solves = 0
    for (var i = 0; i < cells.length; ++i) {
        var rt = finiteOr(cells[i].runtimeMsSum, 0)
        if (rt <= 0)
            continue
        runtimeMs += Math.max(0, Math.round(rt))
        var n = finiteOr(cells[i].solves, 0)
        if (n > 0)
            solves += wholeCount(n)
    }
    if (runtimeMs <= 0 || solves <= 0)
        return NaN
    return runtimeMs / 1000 / solves
}

function averageRuntimeText(grid, formats) {
    return formatDurationSeconds(averageRuntimeSeconds(grid), formats)
}

// ---- Practice figures ------------------------------------------------------

// A figure of the practice map: `missing` when the key is absent, else the
// value as a number (NaN when it is none).
function _figure(s, key, missing) {
    var v = s[key]
    if (v === undefined || v === null)
        return missing
    if (typeof v === "boolean")
        return NaN
    return Number(v)
}

function _side(stats, period) {
    var s = stats || {}
    return {
        hands: wholeCount(s[period + "Hands"]),
        accuracy: _figure(s, period + "AccuracyPct", 0),
        evLoss: _figure(s, period + "AvgEvLoss", NaN)
    }
}

function handsText(stats) {
    return _side(stats, "today").hands + " / " + _side(stats, "total").hands
}

function _accuracySide(side) {
    if (side.hands <= 0 || !isFinite(side.accuracy))
        return DASH
    return String(Math.floor(side.accuracy + 0.5))
}

function accuracyText(stats) {
    return _accuracySide(_side(stats, "today")) + " / " + _accuracySide(_side(stats, "total"))
}

function _evLossSide(side) {
    if (side.hands <= 0 || !isFinite(side.evLoss))
        return DASH
    return side.evLoss.toFixed(3)
}

function evLossText(stats) {
    return _evLossSide(_side(stats, "today")) + " / " + _evLossSide(_side(stats, "total"))
}

// ---- System figures --------------------------------------------------------

// The thread count, or 0 when there is no controller or no count.
function threadCount(controller) {
    if (!controller)
        return 0
    return wholeCount(controller.systemThreadCount)
}

// A memory text of the controller, or a dash when there is none.
function memoryPart(text) {
    if (text === undefined || text === null)
        return DASH
    var s = String(text)
    return s.length > 0 ? s : DASH
}
