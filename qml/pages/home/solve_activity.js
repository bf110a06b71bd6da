// The "Solve Activity" calendar grid: one column per week, one row per
// weekday; cell sizes, month labels, the colour steps by solves and the
// per-cell tooltip.
.pragma library

.import "home_stats.js" as Stats

var MIN_CELL = 14

function weekCount(cells) {
    var n = cells ? cells.length : 0
    return Math.max(1, Math.floor(n / 7))
}

// How many of `weeks` whole weeks a view `viewWidth` wide shows: all of them
// while each gets at least MIN_CELL pixels, else as many as fit (at least
// one). The card keeps the newest of them.
function shownWeeks(viewWidth, weeks) {
    var w = Number(viewWidth)
    if (!isFinite(w))
        w = 0
    var n = Math.max(0, Math.floor(Number(weeks) || 0))
    return Math.min(n, Math.max(1, Math.floor(w / MIN_CELL)))
}

function cellWidth(viewWidth, weeks) {
    var w = Number(viewWidth)
    if (!isFinite(w))
        w = 0
    return Math.max(MIN_CELL, Math.floor(w / Math.max(1, weeks)))
}

// The index of the month (0 to 11) that begins in week `weekIndex`, or -1.
function monthIndexForWeek(cells, weekIndex) {
    if (!cells)
        return -1
    for (var k = 0; k < 7; ++k) {
        var cell = cells[weekIndex * 7 + k]
        if (!cell || cell.isPadding === true || cell.date === undefined || cell.date === null)
            continue
        var day = Stats.parseIsoDate(cell.date)
        if (!day)
            continue
        if (day.getDate() === 1)
            return day.getMonth()
    }
    return -1
}

// The label above week `weekIndex`: the month that begins in it, else empty.
// `monthNames` holds the twelve (translated) short names.
function monthLabelForWeek(cells, weekIndex, monthNames) {
    var m = monthIndexForWeek(cells, weekIndex)
    return m >= 0 && monthNames && m < monthNames.length ? monthNames[m] : ""
}

function isPadding(cell) {
    return !!cell && cell.isPadding === true
}

function solvesOf(cell) {
    return cell ? Stats.wholeCount(cell.solves) : 0
}

// The colour step of a day: 0 (none), 1, 2, or 3 for three solves or more.
function level(solves) {
    var n = Stats.wholeCount(solves)
    return Math.min(3, n)
}

function cellColor(solves, theme) {
    switch (level(solves)) {
    case 1:
        return theme ? theme.withOpacity(theme.accent, 0.55) : "#0E4429"
    case 2:
        return theme ? theme.accentMuted : "#26A641"
    case 3:
        return theme ? theme.accent : "#39D353"
    }
    return theme ? theme.surface2 : "#21262D"
}

// Fill, border and opacity of one cell.
function cellStyle(cell, theme) {
    if (isPadding(cell))
        return { fill: "transparent", borderWidth: 0, border: "transparent", opacity: 1.0 }
    var solves = solvesOf(cell)
    var future = !!cell && cell.isFuture === true
    var border = solves > 0 ? (theme ? theme.darken(theme.accent, 0.35) : "#2EA043")
                            : (theme ? theme.stroke : "#30363D")
    return { fill: cellColor(solves, theme), borderWidth: 1, border: border, opacity: future ? 0.45 : 1.0 }
}

// The four tooltip lines of a day cell; `formats` carries the translated
// patterns (`date` "%1%2", `future` " (future)", `solves` "Solves: %1",
// `iterations` "Avg iters: %1", `exploitability` "Avg expl: %1").
function tooltipText(cell, formats) {
    if (!cell || isPadding(cell))
        return ""
    var f = formats || {}
    var date = cell.date === undefined || cell.date === null ? "" : String(cell.date)
    var iters = Number(cell.avgIterations === undefined ? 0 : cell.avgIterations)
    var expl = Number(cell.avgExploitability === undefined ? 0 : cell.avgExploitability)
    var lines = [
        _fill(f.date || "%1%2", [date, cell.isFuture === true ? (f.future || " (future)") : ""]),
        _fill(f.solves || "Solves: %1", [solvesOf(cell)]),
        _fill(f.iterations || "Avg iters: %1", [isFinite(iters) ? Math.round(iters) : 0]),
        _fill(f.exploitability || "Avg expl: %1", [(isFinite(expl) ? expl : 0).toFixed(4)])
    ]
    return lines.join("\n")
}

function _fill(format, values) {
    return String(format).replace(/%(\d)/g, function (match, digit) {
        var k = Number(digit) - 1
        return k >= 0 && k < values.length ? String(values[k]) : match
    })
}
