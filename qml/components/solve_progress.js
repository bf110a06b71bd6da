// How far a running solve has come, read from the controller's status text,
// progress fraction and the solve's limits: shared by the top bar's status
// chip and the solve page's progress ring, so that both show the same
// percentage.
.pragma library

// The iteration number of a status text ("Iter 180 | exploitability≈…"),
// 0 when the text names none.
function iterationFromStatus(text) {
    if (text === undefined || text === null)
        return 0
    const match = /Iter\s+(\d+)/.exec(String(text))
    if (!match)
        return 0
    const n = Number(match[1])
    return isFinite(n) && n > 0 ? Math.floor(n) : 0
}

// The exploitability an iteration text carries ("…exploitability≈12.3400"),
// as it stands there (the engine's unit, hundredths of a chip); NaN when the
// text carries none or the figure does not begin with a digit.
function exploitabilityFromStatus(text) {
    if (text === undefined || text === null)
        return NaN
    const match = /exploitability≈(\d+(?:\.\d+)?)/.exec(String(text))
    return match ? Number(match[1]) : NaN
}

function _startsWith(text, prefix) {
    return typeof text === "string" && text.length > 0 && text.indexOf(prefix) === 0
}

// The phase a running solve is in: "finalizing", "starting", "initializing"
// or "solving"; "ready" when no solve runs. The solver's initialisation
// texts begin with "Init:". The controller's own "Starting..." reaches us in
// the interface language: `startingText` is that translation.
function phase(running, statusText, startingText) {
    if (!running)
        return "ready"
    if (_startsWith(statusText, "Finalizing:"))
        return "finalizing"
    if (_startsWith(statusText, "Starting") || (startingText && statusText === startingText))
        return "starting"
    if (_startsWith(statusText, "Init:") || _startsWith(statusText, "Initializing:"))
        return "initializing"
    return "solving"
}

// The iteration counted as reached. `s` holds: hasController, running,
// statusText, lastIteration (the last one read during this solve), progress,
// maxIterations and resultIterations.
function currentIteration(s) {
    if (!s.hasController)
        return 0
    if (s.running) {
        if (phase(true, s.statusText) === "finalizing" && s.lastIteration > 0)
            return s.lastIteration
        const parsed = iterationFromStatus(s.statusText)
        if (parsed > 0)
            return parsed
        const p = Number(s.progress)
        const fraction = isFinite(p) ? p : 0
        return Math.max(0, Math.floor(fraction * Math.max(1, s.maxIterations)))
    }
    const done = Number(s.resultIterations)
    return isFinite(done) ? done : 0
}

// The iterations that count as 100 %: a looser target (a percentage of the
// pot) is reached sooner, so fewer iterations fill the wheel.
function totalIterations(maxIterations, targetExploitability) {
    const maxIt = Math.max(1, isFinite(maxIterations) ? Math.floor(maxIterations) : 1)
    const t = Number(targetExploitability)
    if (!isFinite(t) || t <= 0)
        return maxIt
    if (t >= 1.0)
        return Math.min(maxIt, 150)
    if (t >= 0.5)
        return Math.min(maxIt, 200)
    if (t >= 0.1)
        return Math.min(maxIt, 300)
    return maxIt
}

// The fraction shown, 0 to 1.
function wheelValue(hasController, running, iteration, total, resultIterations) {
    if (!hasController)
        return 0
    if (running)
        return Math.max(0, Math.min(1, Math.max(0, iteration) / Math.max(1, total)))
    return resultIterations > 0 ? 1.0 : 0.0
}
