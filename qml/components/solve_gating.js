.pragma library
// When a spot may be solved: the completeness tests, what blocks a solve
// and why, the memory test, the target in chips and the solve
// configuration map.
.import "project_state.js" as ProjectState
.import "../pages/project/range_text.js" as RangeText

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

// Holds at least one hand at a weight above 0, as the engine reads the
// text ("100%" and "50%" do, "0%", "AA:0" and a text it refuses do not).
function hasAnyHand(text) {
    return RangeText.holdsAnyHand(text)
}

// The first street the board leaves to play: 0 flop, 1 turn, 2 river.
function firstStreet(boardText) {
    const n = String(boardText === undefined || boardText === null ? "" : boardText).replace(/\s/g, "").length
    return n >= 10 ? 2 : n >= 8 ? 1 : 0
}

// The sizing keys of the streets the spot plays, in the map's order.
function playedSizingKeys(boardText) {
    const first = firstStreet(boardText)
    return ProjectState.SIZING_KEYS.filter(function (k) {
        const street = k.indexOf("Flop") > 0 ? 0 : k.indexOf("Turn") > 0 ? 1 : 2
        return street >= first
    })
}

// Every sizing text of the streets the spot plays is filled.
function hasSizingFilled(state) {
    return playedSizingKeys(state.boardText).every(function (k) {
        return String(state[k] === undefined || state[k] === null ? "" : state[k]).trim().length > 0
    })
}

function canSolveBase(state) {
    return isStrictBoardReady(state.boardText) && hasSizingFilled(state)
            && hasAnyHand(state.oopRangeText) && hasAnyHand(state.ipRangeText)
}

// The solve map's key of a project-state sizing key: "oopFlopBetSizesText"
// is "oop_flop_bet_sizes".
function sizingMapKey(key) {
    return key.replace(/SizesText$/, "_sizes").replace(/([A-Z])/g, function (c) { return "_" + c.toLowerCase() })
}

// "OOP flop bet sizes": the name of a sizing field for messages.
function sizingName(key) {
    const seat = key.indexOf("oop") === 0 ? "OOP" : "IP"
    const street = key.indexOf("Flop") > 0 ? qsTranslate("AppShell", "flop")
                 : key.indexOf("Turn") > 0 ? qsTranslate("AppShell", "turn")
                 : qsTranslate("AppShell", "river")
    return key.indexOf("Bet") > 0 ? qsTranslate("AppShell", "%1 %2 bet sizes").arg(seat).arg(street)
                                  : qsTranslate("AppShell", "%1 %2 raise sizes").arg(seat).arg(street)
}

// What keeps the spot from being solved, the first of board, ranges,
// sizing and memory: {kind, key, text}, kind "" when nothing does. `errors`
// holds the engine's message per solve-map key for each text it refuses;
// `memory` the controller's figures and texts. A memory need that is not
// known blocks nothing: the solve then says what went wrong.
function solveBlock(state, errors, memory) {
    const e = errors || {}
    const block = function (kind, key, text) { return { kind: kind, key: key, text: text } }
    if (!isStrictBoardReady(state.boardText))
        return block("board", "boardText", qsTranslate("AppShell", "Pick the board: a flop, a turn or a river."))
    if (e.board)
        return block("board", "boardText", qsTranslate("AppShell", "Board: %1").arg(e.board))
    const seats = [["oop", "OOP", "oopRangeText"], ["ip", "IP", "ipRangeText"]]
    for (let i = 0; i < seats.length; ++i) {
        const text = String(state[seats[i][2]] === undefined || state[seats[i][2]] === null ? "" : state[seats[i][2]])
        if (text.trim().length === 0)
            return block("range", seats[i][2], qsTranslate("AppShell", "Give %1 a range.").arg(seats[i][1]))
        const error = e[seats[i][0] + "_range"]
        if (error)
            return block("range", seats[i][2], qsTranslate("AppShell", "%1 range: %2").arg(seats[i][1]).arg(error))
        if (!hasAnyHand(text))
            return block("range", seats[i][2], qsTranslate("AppShell", "The %1 range holds no hand.").arg(seats[i][1]))
    }
    const keys = playedSizingKeys(state.boardText)
    for (let i = 0; i < keys.length; ++i) {
        const value = String(state[keys[i]] === undefined || state[keys[i]] === null ? "" : state[keys[i]])
        if (value.trim().length === 0)
            return block("sizing", keys[i], qsTranslate("AppShell", "Fill in the %1.").arg(sizingName(keys[i])))
        const error = e[sizingMapKey(keys[i])]
        if (error)
            return block("sizing", keys[i], qsTranslate("AppShell", "%1: %2").arg(sizingName(keys[i])).arg(error))
    }
    if (memory && !hasEnoughRam(memory))
        return block("memory", "", qsTranslate("AppShell", "Not enough memory: the solve needs %1, %2 are available.")
                     .arg(memory.solveRequiredMemoryText).arg(memory.effectiveAvailableMemoryText))
    return block("", "", "")
}

function _figure(v) {
    return v === undefined || v === null ? 0 : Number(v)
}

// The memory a solve needs is there, or not known: an unknown need or an
// unknown free memory (0, absent or no finite number) refuses nothing.
function hasEnoughRam(controller) {
    if (!controller)
        return false
    const req = _figure(controller.solveRequiredMemoryBytes)
    const avail = _figure(controller.systemAvailableMemoryBytes)
    const reclaim = _figure(controller.resultsReclaimableMemoryBytes)
    if (!isFinite(req) || !isFinite(avail) || req <= 0 || avail <= 0)
        return true
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
