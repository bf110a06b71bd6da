.pragma library
// The solve page's rules: the map sent to the controller, the configuration
// summary, the thread choice, and the status line, badge, ring, bar and
// metrics of a running solve. Translated texts come in from the page, so
// every function here is plain data in, data out.
.import "../../components/project_state.js" as ProjectState
.import "../../components/solve_gating.js" as Gating
.import "../../components/solve_progress.js" as Progress

// ---- Numbers -------------------------------------------------------------

// The shortest text that reads back as the same number: 100 reads "100",
// 0.5 reads "0.5".
function plainNumber(v) {
    return String(Number(v))
}

function _finite(v) {
    return typeof v === "number" ? isFinite(v) : v !== null && v !== undefined && v !== "" && isFinite(Number(v))
}

// ---- The solve map -------------------------------------------------------

// The target exploitability in chips.
function targetExploitabilityAmount(startingPot, targetPct) {
    return Gating.targetExploitabilityAmount(startingPot, targetPct)
}

// The 36-key map of a fresh solve, from an object holding the project-state
// properties (the page itself).
function solveConfigMap(holder) {
    return Gating.solveConfigMap(ProjectState.exportState(holder))
}

// ---- Configuration summary -----------------------------------------------

// The option flags in the order they are listed; `text` names the entry of
// the page's option texts, `pct` the percentage that fills its %1.
var OPTION_FLAGS = [
    { flag: "oopFlopDontDonk", text: "oopFlopDontDonk" },
    { flag: "oopTurnDontDonk", text: "oopTurnDontDonk" },
    { flag: "oopRiverDontDonk", text: "oopRiverDontDonk" },
    { flag: "oopFlopAddAllIn", text: "oopFlopAddAllIn" },
    { flag: "oopTurnAddAllIn", text: "oopTurnAddAllIn" },
    { flag: "oopRiverAddAllIn", text: "oopRiverAddAllIn" },
    { flag: "ipFlopAddAllIn", text: "ipFlopAddAllIn" },
    { flag: "ipTurnAddAllIn", text: "ipTurnAddAllIn" },
    { flag: "ipRiverAddAllIn", text: "ipRiverAddAllIn" },
    { flag: "oopAddAllInIfJamLtEnabled", text: "oopJam", pct: "oopAddAllInIfJamLtPct" },
    { flag: "ipAddAllInIfJamLtEnabled", text: "ipJam", pct: "ipAddAllInIfJamLtPct" }
]

// One line per option that is on, from the flags of `holder` and the
// page's texts (the jam lines hold a %1 for their percentage).
function enabledOptionLines(holder, texts) {
    const out = []
    for (let i = 0; i < OPTION_FLAGS.length; ++i) {
        const o = OPTION_FLAGS[i]
        if (!holder[o.flag])
            continue
        let line = String(texts[o.text])
        if (o.pct !== undefined)
            line = line.replace("%1", plainNumber(holder[o.pct]))
        out.push(line)
    }
    return out
}

function _sizeOrDash(text) {
    const t = text === undefined || text === null ? "" : String(text)
    return t.length > 0 ? t : "—"
}

// The six bet-size texts as the "%1/%2 … %6" arguments: OOP flop, IP flop,
// OOP turn, IP turn, OOP river, IP river; an empty one reads "—".
function betSizeParts(holder) {
    return [holder.oopFlopBetSizesText, holder.ipFlopBetSizesText,
            holder.oopTurnBetSizesText, holder.ipTurnBetSizesText,
            holder.oopRiverBetSizesText, holder.ipRiverBetSizesText].map(_sizeOrDash)
}

// Fills %1, %2, … of `template` with `args` in one pass, so that an
// argument holding "%2" is not filled again.
function fill(template, args) {
    return String(template).replace(/%(\d+)/g, function (whole, n) {
        const i = Number(n) - 1
        return i >= 0 && i < args.length ? String(args[i]) : whole
    })
}

// The chips part of the "Target" row: always two decimals.
function targetChipsText(startingPot, targetPct) {
    return targetExploitabilityAmount(startingPot, targetPct).toFixed(2)
}

// ---- Thread choice -------------------------------------------------------

var THREAD_STEPS = [1, 2, 4, 8, 16, 32, 64, 128]

// The machine's thread count as the page uses it: at least 1.
function maxThreads(systemThreadCount) {
    const n = Number(systemThreadCount)
    return isFinite(n) && n >= 1 ? Math.floor(n) : 1
}

// "Max", then the powers of two up to the machine's count and that count
// itself, ascending.
function threadChoices(maxThreadCount) {
    const maxT = Math.max(1, maxThreads(maxThreadCount))
    const numbers = THREAD_STEPS.filter(function (n) { return n <= maxT })
    if (numbers.indexOf(maxT) < 0)
        numbers.push(maxT)
    numbers.sort(function (a, b) { return a - b })
    return ["Max"].concat(numbers.map(String))
}

// The thread count after a rebuild of the list: one that is not a usable
// count on this machine becomes the machine's count.
function clampedThreadCount(threadCount, maxThreadCount) {
    const maxT = Math.max(1, maxThreads(maxThreadCount))
    const t = Number(threadCount)
    return !isFinite(t) || t < 1 || t > maxT ? maxT : threadCount
}

// The text of a thread entry. `texts`: maxOne, maxMany, one, many.
function threadEntryText(entry, maxThreadCount, texts) {
    const maxT = Math.max(1, maxThreads(maxThreadCount))
    if (entry === "Max")
        return maxT === 1 ? texts.maxOne : fill(texts.maxMany, [maxT])
    const n = Number(entry)
    if (entry === undefined || entry === null || String(entry).trim() === "" || !isFinite(n))
        return entry === undefined || entry === null ? "" : String(entry)
    const whole = Math.trunc(n)
    return whole === 1 ? texts.one : fill(texts.many, [whole])
}

// The entry shown for a thread count: "Max" for the machine's count and for
// counts the list does not hold.
function threadChoiceIndex(choices, threadCount, maxThreadCount) {
    const maxT = Math.max(1, maxThreads(maxThreadCount))
    const raw = Math.trunc(Number(threadCount))
    const t = Math.max(1, isFinite(raw) ? raw : 1)
    if (t === maxT)
        return 0
    for (let i = 1; i < choices.length; ++i) {
        if (Number(choices[i]) === t)
            return i
    }
    return 0
}

// The thread count a chosen entry sets.
function threadCountForChoice(entry, maxThreadCount) {
    return entry === "Max" ? maxThreadCount : Number(entry)
}

// ---- Reading the status text ---------------------------------------------

// The iteration a status text names, 0 when none.
function parseIteration(t) {
    return Progress.iterationFromStatus(t)
}

// The exploitability a status text carries, as it stands (hundredths of a
// chip); NaN when none.
function parseExploitability(t) {
    return Progress.exploitabilityFromStatus(t)
}

// Hundredths of a chip, as the iteration texts carry them, to chips.
function toChips(hundredths) {
    const v = Number(hundredths)
    return isFinite(v) ? v / 100 : NaN
}

// The solver measures every 50 iterations: before its first measurement
// there is no figure.
var FIRST_MEASUREMENT = 50

function _beforeFirstMeasurement(iteration) {
    const it = Number(iteration)
    return isFinite(it) && it > 0 && it <= FIRST_MEASUREMENT
}

// The figure of the status line: "—" while none was measured yet.
function formatExploitability(iteration, e) {
    if (_beforeFirstMeasurement(iteration))
        return "—"
    const v = Number(e)
    if (e !== null && e !== undefined && isFinite(v))
        return v.toFixed(2)
    return "—"
}

// The exploitability shown: NaN without a controller; while running the
// value of the status text in chips (none before the first measurement);
// while idle the result's, when above 0.
function currentExploitability(hasController, running, statusText, resultExploitability) {
    if (!hasController)
        return NaN
    if (running)
        return _beforeFirstMeasurement(parseIteration(statusText)) ? NaN : toChips(parseExploitability(statusText))
    const r = Number(resultExploitability)
    return resultExploitability !== null && resultExploitability !== undefined && isFinite(r) && r > 0 ? r : NaN
}

// The position within the bar's window of 10 iterations: 1 to 10, 0 before
// the first iteration.
function iterationWindowValue(iteration, windowSize) {
    const it = Number(iteration)
    const size = windowSize > 0 ? windowSize : 10
    if (!isFinite(it) || it <= 0)
        return 0
    return ((Math.floor(it) - 1) % size) + 1
}

// The whole status text of an iteration report: its two parts, or null.
var ITER_LINE = /^Iter\s+(\d+)\s+.*exploitability[=≈](\S+).*$/

// The status line. `s`: hasController, running, statusText, phase (of the
// progress library), iteration, exploitability (chips). `texts`: readyToSolve,
// done, starting, initializing, finalizing, iteration (with %1 and %2).
function statusLine(s, texts) {
    if (!s.hasController)
        return texts.readyToSolve
    const st = s.statusText === undefined || s.statusText === null ? "" : String(s.statusText)
    if (!s.running) {
        if (st.trim() === "Done")
            return texts.done
        return st.length > 0 ? st : texts.readyToSolve
    }
    if (s.phase === "starting")
        return texts.starting
    if (s.phase === "initializing")
        return texts.initializing
    if (s.phase === "finalizing")
        return texts.finalizing
    const it = Number(s.iteration)
    if (isFinite(it) && it > 0)
        return fill(texts.iteration, [Math.floor(it), formatExploitability(it, s.exploitability)])
    const m = ITER_LINE.exec(st)
    if (m) {
        // The figure is shown in chips like every other, when it is one.
        const v = /^\d+(\.\d+)?$/.test(m[2]) ? formatExploitability(0, toChips(Number(m[2]))) : m[2]
        return fill(texts.iteration, [m[1], v])
    }
    return st
}

// The header badge: "finalizing", "running" or "ready".
function badgeKind(hasController, running, phase) {
    if (!hasController || !running)
        return "ready"
    return phase === "finalizing" ? "finalizing" : "running"
}

// The "Exploitability" metric. `texts`: measuring, none.
function exploitabilityMetric(value, running, texts) {
    const v = Number(value)
    if (value !== null && value !== undefined && isFinite(v))
        return v.toFixed(4)
    return running ? texts.measuring : texts.none
}

// The "Speed" metric: a whole number while there is one.
function speedText(iterationsPerSec) {
    const v = Number(iterationsPerSec)
    return isFinite(v) && v > 0 ? String(Math.round(v)) : "—"
}

// ---- Elapsed timer -------------------------------------------------------

function pad2(n) {
    const s = String(n)
    return s.length < 2 ? "0" + s : s
}

// Minutes and seconds, each with at least two digits; minutes uncapped.
function minutesSeconds(totalSeconds) {
    return pad2(Math.floor(totalSeconds / 60)) + ":" + pad2(Math.floor(totalSeconds % 60))
}

// One tick of the elapsed timer. `s`: seconds (before the tick), iteration,
// maxIterations, iterationsPerSec, estimatedRemaining. Returns the new
// seconds, elapsedTime, iterationsPerSec and estimatedRemaining; before the
// first iteration the speed and the estimate keep their values.
function tick(s) {
    const seconds = s.seconds + 1
    const out = {
        seconds: seconds,
        elapsedTime: minutesSeconds(seconds),
        iterationsPerSec: s.iterationsPerSec,
        estimatedRemaining: s.estimatedRemaining
    }
    const it = Number(s.iteration)
    if (isFinite(it) && it > 0) {
        out.iterationsPerSec = it / seconds
        const remaining = (s.maxIterations - it) / out.iterationsPerSec
        out.estimatedRemaining = isFinite(remaining) ? minutesSeconds(Math.max(0, remaining)) : s.estimatedRemaining
    }
    return out
}

// ---- Layout ----------------------------------------------------------------

var COLUMN_GAP = 20

// The body's two columns, COLUMN_GAP apart: the left one 40 % of the rest,
// the right one the other 60 %.
function leftColumnWidth(bodyWidth) {
    return Math.floor(Math.max(0, bodyWidth - COLUMN_GAP) * 0.4)
}

function rightColumnWidth(bodyWidth) {
    const inner = Math.max(0, bodyWidth - COLUMN_GAP)
    return Math.floor(inner - inner * 0.4)
}

// The least whole body width whose left column is at least `left` wide and
// whose right column is at least `right` wide.
function bodyRequiredWidth(left, right) {
    let w = COLUMN_GAP + Math.ceil(Math.max(left / 0.4, right / 0.6))
    // At most a pixel or two of rounding.
    while (leftColumnWidth(w) < left || rightColumnWidth(w) < right)
        ++w
    return w
}
