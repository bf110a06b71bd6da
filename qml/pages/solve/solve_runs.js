.pragma library
// The solve page's list of recent runs: rows newest first in a list model
// (anything with count, get, insert, remove and setProperty), at most
// MAX_RUNS of them, and how a run's row reads when the run ends.

var MAX_RUNS = 10

var RUNNING = "Running"
var COMPLETED = "Completed"
var CANCELLED = "Cancelled"
var FAILED = "Failed"

function pad2(n) {
    const s = String(n)
    return s.length < 2 ? "0" + s : s
}

// "HH:MM:SS" of a date, local time.
function timeStamp(date) {
    return pad2(date.getHours()) + ":" + pad2(date.getMinutes()) + ":" + pad2(date.getSeconds())
}

// The summary of a run from its template ("Iterations %1 • Target %2% (≈ %3)
// • Threads %4") and the values sent: the iterations with digit grouping,
// the target in percent and in chips and the threads as plain numbers.
function summary(template, maxIterations, targetPct, targetChips, threadCount, locale) {
    const its = Number(maxIterations).toLocaleString(locale, "f", 0)
    const args = [its, String(Number(targetPct)), String(Number(targetChips)), String(Number(threadCount))]
    return String(template).replace(/%(\d)/g, function (whole, n) {
        const i = Number(n) - 1
        return i >= 0 && i < args.length ? args[i] : whole
    })
}

// A row's summary in the language of `template`; the stored text when the
// row keeps no values.
function rowSummary(template, row, locale) {
    if (!isFinite(row.maxIterations))
        return _text(row.summary)
    return summary(template, row.maxIterations, row.targetPct, row.targetChips, row.threadCount, locale)
}

function findRunIndexById(model, runId) {
    for (let i = 0; i < model.count; ++i) {
        if (model.get(i).runId === runId)
            return i
    }
    return -1
}

// Puts a new running row on top and drops the oldest beyond the limit. The
// row keeps the values of its summary (`figures`: maxIterations, targetPct,
// targetChips, threadCount), so that the summary can be written again in
// another language.
function appendRun(model, runId, startedAt, summaryText, figures) {
    const f = figures || {}
    const num = function (v) { return v === undefined || v === null ? NaN : Number(v) }
    model.insert(0, { runId: runId, startedAt: startedAt, status: RUNNING, summary: summaryText,
                      maxIterations: num(f.maxIterations), targetPct: num(f.targetPct),
                      targetChips: num(f.targetChips), threadCount: num(f.threadCount) })
    while (model.count > MAX_RUNS)
        model.remove(model.count - 1)
}

// False when no row has that id.
function setRunStatus(model, runId, status) {
    const i = findRunIndexById(model, runId)
    if (i < 0)
        return false
    model.setProperty(i, "status", status)
    return true
}

function _text(t) {
    return t === undefined || t === null ? "" : String(t)
}

// The status a run's row takes when the controller stops running, given the
// row's status and the controller's final status text: a row already
// settled keeps its status; an error reads "Failed", a cancel "Cancelled",
// anything else "Completed".
function endStatus(rowStatus, finalStatusText) {
    if (rowStatus !== RUNNING)
        return rowStatus
    const st = _text(finalStatusText)
    if (st.indexOf("Error: ") === 0)
        return FAILED
    if (st.trim() === CANCELLED)
        return CANCELLED
    return COMPLETED
}

// A status text that tells of a cancel under way (the page's own, or one
// asked for elsewhere). The controller's "Cancelling..." reaches us in the
// interface language: `cancellingText` is that translation.
function isCancelling(statusText, cancellingText) {
    const st = _text(statusText)
    return st.indexOf("Cancelling") === 0 || (!!cancellingText && st === cancellingText)
}

// The theme tokens of a status pill: fill (taken at alpha 0.18) and border.
function pillToken(status) {
    switch (status) {
    case RUNNING:
        return "success"
    case COMPLETED:
        return "info"
    }
    return "danger"
}
