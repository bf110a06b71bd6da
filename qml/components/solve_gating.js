.pragma library
// When a spot may be solved: the completeness tests, the memory test, the
// target in chips and the solve configuration map.
.import "project_state.js" as ProjectState

var RANKS = "AKQJT98765432"
var SUITS = "shdc"

// Card pairs of `s` with blanks removed, rank upper-cased and suit
// lower-cased; a pair that is no card is skipped, a last single character dropped.
function normalizeBoardText(s) {
    const raw = String(s === undefined || s === null ? "" : s).replace(/\s/g, "")
    let out = ""
    for (let i = 0; i + 1 < raw.length; i += 2) {
        const rank = raw.charAt(i).toUpperCase()
        const suit = raw.charAt(i + 1).toLowerCase()
        if (RANKS.indexOf(rank) >= 0 && SUITS.indexOf(suit) >= 0)
            out += rank + suit
    }
    return out
}

// A whole flop, turn or river board with nothing skipped.
function isStrictBoardReady(boardText) {
    const raw = String(boardText === undefined || boardText === null ? "" : boardText).replace(/\s/g, "")
    const norm = normalizeBoardText(raw)
    return norm.length === raw.length && (raw.length === 6 || raw.length === 8 || raw.length === 10)
}

// Holds at least one hand: two ranks in a row, or the whole deck at a
// weight above zero ("100%", "50%"), as the engine reads a text that is one
// percentage.
function hasAnyHand(text) {
    const t = String(text === undefined || text === null ? "" : text).trim()
    if (t.length === 0)
        return false
    if (/[AKQJT98765432][AKQJT98765432]/i.test(t))
        return true
    const whole = /^([0-9.]+)%$/.exec(t)
    return whole !== null && Number(whole[1]) > 0
}

function hasSizingFilled(state) {
    return ProjectState.SIZING_KEYS.every(function (k) {
        return String(state[k] === undefined || state[k] === null ? "" : state[k]).trim().length > 0
    })
}

function canSolveBase(state) {
    return isStrictBoardReady(state.boardText) && hasSizingFilled(state)
            && hasAnyHand(state.oopRangeText) && hasAnyHand(state.ipRangeText)
}

function _figure(v) {
    return v === undefined || v === null ? 0 : Number(v)
}

function hasEnoughRam(controller) {
    if (!controller)
        return false
    const req = _figure(controller.solveRequiredMemoryBytes)
    const avail = _figure(controller.systemAvailableMemoryBytes)
    const reclaim = _figure(controller.resultsReclaimableMemoryBytes)
    if (!isFinite(req) || !isFinite(avail) || req <= 0 || avail <= 0)
        return false
    const effective = avail + (isFinite(reclaim) && reclaim > 0 ? reclaim : 0)
    return effective > req
}

// The target exploitability in chips: a percentage of the starting pot.
function targetExploitabilityAmount(startingPot, targetPct) {
    const pot = Number(startingPot)
    const pct = Number(targetPct)
    if (!isFinite(pot) || !isFinite(pct) || pot <= 0)
        return 0.0
    return pot * (pct / 100)
}

// The 36-key map the controller reads, from the project state.
function solveConfigMap(state) {
    const map = {}
    const keys = ProjectState.KEYS
    for (let i = 0; i < keys.length; ++i) {
        const k = keys[i]
        if (k.mapKey.length > 0)
            map[k.mapKey] = state[k.name]
    }
    map.target_exploitability = targetExploitabilityAmount(state.startingPot, state.targetExploitability)
    return map
}

// The properties whose change asks for a new memory estimate.
var ESTIMATE_KEYS = ProjectState.KEYS.map(function (k) { return k.name }).filter(function (n) {
    return n !== "betSizesText" && n !== "maxIterations" && n !== "targetExploitability"
})
