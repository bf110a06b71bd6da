// The series, geometry and read-out of the "Solves over time" chart: the
// running total of solves and the running average run time per solve, one
// point per day of the solve history.
.pragma library

var DASH = "\u2014"

function _number(value) {
    if (value === undefined || value === null || typeof value === "boolean")
        return NaN
    return Number(value)
}

// Whole and not below 0; NaN stays NaN.
function _whole(n) {
    return Math.max(0, Math.round(n))
}

function days(history) {
    return history ? history : []
}

function cumulativeSolves(history) {
    var list = days(history)
    var out = []
    var sum = 0
    for (var i = 0; i < list.length; ++i) {
        var day = list[i] || {}
        var n = day.solves === undefined ? 0 : _number(day.solves)
        if (isFinite(n))
            sum += _whole(n)
        out.push(sum)
    }
    return out
}

// Seconds per solve over every day so far; NaN until a solve with a run
// time has been counted.
function cumulativeAvgRuntimeSec(history) {
    var list = days(history)
    var out = []
    var solves = 0
    var runtimeMs = 0
    for (var i = 0; i < list.length; ++i) {
        var day = list[i] || {}
        var n = _number(day.solves)
        if (isFinite(n) && n > 0)
            solves += _whole(n)
        var rt = _number(day.runtimeMsSum)
        if (isFinite(rt) && rt > 0)
            runtimeMs += _whole(rt)
        out.push(solves > 0 && runtimeMs > 0 ? runtimeMs / 1000 / solves : NaN)
    }
    return out
}

function maxCumulativeSolves(cumulative) {
    if (!cumulative || cumulative.length === 0)
        return 1
    var last = Math.round(Number(cumulative[cumulative.length - 1]))
    return isFinite(last) ? Math.max(1, last) : 1
}

function maxAvgRuntimeSec(series) {
    var best = 0
    if (series) {
        for (var i = 0; i < series.length; ++i) {
            var v = Number(series[i])
            if (isFinite(v) && v > best)
                best = v
        }
    }
    return best > 0 ? best : 1
}

// ---- Geometry ----------------------------------------------------------------

// g: {padL, padT, plotW, plotH, n, maxY, maxRuntime}
function stepX(g) {
    return g.n <= 1 ? 0 : g.plotW / (g.n - 1)
}

// A single day stands in the middle of the plot, where its bar is seen
// (on the left axis it would hide behind it).
function xOf(g, i) {
    if (g.n === 1)
        return g.padL + g.plotW / 2
    return g.padL + i * stepX(g)
}

function yOf(g, value) {
    var scale = g.maxY > 0 ? g.plotH / g.maxY : 0
    return g.padT + g.plotH - value * scale
}

// The run-time point is scaled so that the largest run time meets the top.
function runtimeYOf(g, runtime) {
    return yOf(g, runtime / g.maxRuntime * g.maxY)
}

// The bar that shows a single day, whose lines would be single points: from
// the baseline up to its running total, BAR_WIDTH wide around its x.
var BAR_WIDTH = 10

function singleDayBar(g, value) {
    var top = yOf(g, value)
    return { x: xOf(g, 0) - BAR_WIDTH / 2, y: top, width: BAR_WIDTH, height: g.padT + g.plotH - top }
}

// The day under the pointer's x, or -1 without days.
function hoverIndex(mouseX, n, padL, plotW) {
    if (!(n > 0))
        return -1
    var w = Math.max(1, plotW)
    var xx = Math.max(0, Math.min(w, mouseX - padL))
    var index = n === 1 ? 0 : Math.round(xx / w * (n - 1))
    return Math.max(0, Math.min(n - 1, index))
}

function _validRuntime(r) {
    return typeof r === "number" && isFinite(r) && r > 0
}

// The points of both lines: the solves line through every day, the run-time
// line through the days that have a run time (gaps are bridged).
function solvesPoints(g, cumulative) {
    var out = []
    for (var i = 0; i < cumulative.length; ++i)
        out.push({ x: xOf(g, i), y: yOf(g, cumulative[i]) })
    return out
}

function runtimePoints(g, runtimes) {
    var out = []
    for (var i = 0; i < runtimes.length; ++i) {
        var r = runtimes[i]
        if (_validRuntime(r))
            out.push({ x: xOf(g, i), y: runtimeYOf(g, r) })
    }
    return out
}

// ---- Read-out ---------------------------------------------------------------

// Fills %1, %2, ... in one pass, so a value holding "%2" stays as it is.
function fill(format, values) {
    return String(format).replace(/%(\d)/g, function (match, digit) {
        var k = Number(digit) - 1
        return k >= 0 && k < values.length ? String(values[k]) : match
    })
}

// The four values of the hover read-out, or null outside the days.
// `secondsFormat` is the translated "%1s".
function readout(history, cumulative, runtimes, index, secondsFormat) {
    var list = days(history)
    if (!(index >= 0) || index >= list.length)
        return null
    var day = list[index] || {}
    var n = _number(day.solves)
    var total = Number(cumulative[index])
    var r = runtimes[index]
    return {
        date: day.date === undefined || day.date === null ? "" : String(day.date),
        daily: isFinite(n) ? _whole(n) : 0,
        total: isFinite(total) ? _whole(total) : 0,
        runtime: _validRuntime(r) ? fill(secondsFormat || "%1s", [r.toFixed(1)]) : DASH
    }
}

// The tooltip text; `formats` carries the translated four-line pattern
// (`tooltip`) and "%1s" (`seconds`).
function tooltipText(history, cumulative, runtimes, index, formats) {
    var f = formats || {}
    var values = readout(history, cumulative, runtimes, index, f.seconds)
    if (!values)
        return ""
    return fill(f.tooltip || "%1\nDaily: %2\nTotal: %3\nAvg runtime: %4",
                [values.date, values.daily, values.total, values.runtime])
}
