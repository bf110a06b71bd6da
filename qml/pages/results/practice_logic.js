.pragma library
// The rules of the practice mode: dealing hole cards by reach weight,
// weighted choices of actions, the action line, judging a decision by the
// EV it gives up, the drill's feedback and the hand-log entry.
//
// Random numbers come in as arguments (`u`, uniform in [0, 1)), so every
// rule here is deterministic for a given draw.
.import "results_cards.js" as Cards
.import "results_tree.js" as Tree

var STEP_SEPARATOR = " \u2192 "
var SEATS = ["OOP", "IP"]
var ROLES = ["OOP", "BOTH", "IP"]

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _finite(v) {
    return typeof v === "number" && isFinite(v)
}

function _num(v) {
    if (v === undefined || v === null || v === "" || typeof v === "boolean")
        return NaN
    return Number(v)
}

function isSeat(seat) {
    return SEATS.indexOf(seat) >= 0
}

function isRole(role) {
    return ROLES.indexOf(role) >= 0
}

// True when `seat` is played by the user in `role`.
function isHeroSeat(role, seat) {
    const r = _text(role)
    return r === "BOTH" || (r.length > 0 && r === seat)
}

// ---- Cards ---------------------------------------------------------------

// A set of normalised card texts, from any number of lists.
function usedCardMap() {
    const used = {}
    for (let a = 0; a < arguments.length; ++a) {
        const list = arguments[a] || []
        for (let i = 0; i < list.length; ++i) {
            const c = Cards.normalizeCardText(list[i])
            if (c.length === 2)
                used[c] = true
        }
    }
    return used
}

// Both seats hold two distinct cards: a hand can be played, judged and
// counted only then.
function bothSeatsDealt(oop1, oop2, ip1, ip2) {
    const cards = [oop1, oop2, ip1, ip2].map(Cards.normalizeCardText)
    for (let i = 0; i < cards.length; ++i) {
        if (cards[i].length !== 2 || cards.indexOf(cards[i]) !== i)
            return false
    }
    return true
}

// A terminal node that ends in a showdown (both seats put in the same) on a
// board of fewer than five cards: an all-in whose runout is still to come.
function needsRunout(meta, boardCardCount) {
    const m = meta || {}
    if (_text(m.nodeType) !== "terminal" || !(boardCardCount < 5))
        return false
    const a = _num(m.investedOop)
    const b = _num(m.investedIp)
    return isFinite(a) && isFinite(b) && Math.abs(a - b) < 1e-9
}

// The kind of node a hand in play stands at, as the table tells it: its
// end once the hand is over (a mistake ends it at a decision), a deal while
// it waits for a card (an all-in's runout waits at its showdown node); else
// the node's own kind.
function handNodeType(nodeType, handComplete, awaitingCard) {
    return handComplete ? "terminal" : awaitingCard ? "chance" : _text(nodeType)
}

// The action probabilities of the hand c1 c2 in combo rows ({c1, c2,
// actionProbs}, in the same suits), or null when no row holds it.
function handProbabilities(rows, c1, c2) {
    const probs = comboFieldMap(rows, "actionProbs")[Cards.normalizeCardText(c1) + Cards.normalizeCardText(c2)]
    return probs ? Array.prototype.slice.call(probs) : null
}

// A choice among `count` actions by the probabilities `probs`; -1 when none
// has a probability above 0.
function pickByProbabilities(probs, count, u) {
    const weights = []
    for (let i = 0; i < count; ++i) {
        const p = _num(probs ? probs[i] : NaN)
        weights.push(isFinite(p) && p > 0 ? p : 0)
    }
    return _weightedIndex(weights, u)
}

// The inverse of a suit map: display suit -> the solver's suit.
function invertSuitMap(map) {
    return Tree.invertSuitMap(map)
}

// A card as the user sees it (display suits) in the solver's suits.
function toSolverCard(cardText, displayMap) {
    const c = Cards.normalizeCardText(cardText)
    return c.length === 2 ? Tree.applySuitDisplayMap(c, invertSuitMap(displayMap || {})) : ""
}

// The combos that may be dealt, as {c1, c2, weight}: both cards present and
// distinct, neither used, a finite weight above 0. `displayMap`, when
// given, turns the solver's suits into the ones the user sees first.
function eligibleCombosForDeal(combos, used, displayMap) {
    const pool = []
    const list = combos || []
    for (let i = 0; i < list.length; ++i) {
        const row = list[i]
        if (!row)
            continue
        let c1 = Cards.normalizeCardText(row.c1)
        let c2 = Cards.normalizeCardText(row.c2)
        if (displayMap) {
            c1 = Tree.applySuitDisplayMap(c1, displayMap)
            c2 = Tree.applySuitDisplayMap(c2, displayMap)
        }
        if (c1 === "" || c2 === "" || c1 === c2)
            continue
        if (used && (used[c1] || used[c2]))
            continue
        const w = _num(row.weight)
        if (!isFinite(w) || !(w > 0))
            continue
        pool.push({ c1: c1, c2: c2, weight: w })
    }
    return pool
}

// Walks `weights` subtracting each from u × total; the first index where
// the rest is at most 0, else the last. A weight of 0 is never chosen. -1
// for an empty list or a total not above 0.
function _weightedIndex(weights, u) {
    let total = 0
    for (let i = 0; i < weights.length; ++i)
        total += weights[i]
    if (weights.length === 0 || !(total > 0))
        return -1
    let r = Number(u) * total
    let last = -1
    for (let i = 0; i < weights.length; ++i) {
        if (!(weights[i] > 0))
            continue
        r -= weights[i]
        last = i
        if (r <= 0)
            return i
    }
    return last
}

function pickWeightedCombo(pool, u) {
    const list = pool || []
    const k = _weightedIndex(list.map(function (row) { return row.weight }), u)
    return k < 0 ? null : list[k]
}

// Both seats' hands at once, as a pair that shares no card: each pair comes
// with the product of its two reach weights (`oopPool`, `ipPool`: rows of
// eligibleCombosForDeal). {oop, ip} rows, or null when no such pair exists.
// `u`, `v`: uniform in [0, 1), for OOP's hand and then IP's.
function pickWeightedPair(oopPool, ipPool, u, v) {
    const oop = oopPool || []
    const ip = ipPool || []
    // What IP's weight loses to each card, and to each exact hand.
    let total = 0
    const byCard = {}
    const byHand = {}
    for (let i = 0; i < ip.length; ++i) {
        const r = ip[i]
        total += r.weight
        byCard[r.c1] = (byCard[r.c1] || 0) + r.weight
        byCard[r.c2] = (byCard[r.c2] || 0) + r.weight
        byHand[_handKey(r.c1, r.c2)] = (byHand[_handKey(r.c1, r.c2)] || 0) + r.weight
    }
    const weights = oop.map(function (r) {
        const left = total - (byCard[r.c1] || 0) - (byCard[r.c2] || 0) + (byHand[_handKey(r.c1, r.c2)] || 0)
        // Sums of floats leave crumbs where every IP hand is blocked.
        return left > 1e-9 * total ? r.weight * left : 0
    })
    const k = _weightedIndex(weights, u)
    if (k < 0)
        return null
    const mine = oop[k]
    const rest = ip.filter(function (r) {
        return r.c1 !== mine.c1 && r.c1 !== mine.c2 && r.c2 !== mine.c1 && r.c2 !== mine.c2
    })
    const theirs = pickWeightedCombo(rest, v)
    return theirs ? { oop: mine, ip: theirs } : null
}

function _handKey(a, b) {
    return a < b ? a + b : b + a
}

// A weighted choice among the actions by their frequencies; an action named
// by a card in `used` is left out. Returns the action's index or -1.
function pickWeightedActionIndex(actions, used, u) {
    const list = actions || []
    const indices = []
    const weights = []
    for (let i = 0; i < list.length; ++i) {
        const a = list[i]
        if (!a)
            continue
        const name = _text(a.name)
        if (used && name.length === 2 && used[Cards.normalizeCardText(name)])
            continue
        const f = _num(a.frequency)
        if (!isFinite(f) || !(f > 0))
            continue
        indices.push(i)
        weights.push(f)
    }
    const k = _weightedIndex(weights, u)
    return k < 0 ? -1 : indices[k]
}

// ---- Action line -----------------------------------------------------------

function stepText(actor, actionName) {
    const a = _text(actor)
    const name = _text(actionName)
    return a.length > 0 ? a + ": " + name : name
}

function appendStep(line, actor, actionName) {
    const step = stepText(actor, actionName)
    const l = _text(line)
    return l.length > 0 ? l + STEP_SEPARATOR + step : step
}

function splitSteps(line) {
    const l = _text(line)
    return l.length > 0 ? l.split(STEP_SEPARATOR) : []
}

function isChanceStep(step) {
    return _text(step).trim().indexOf("Chance:") === 0
}

// The line without the `fromEnd`-th chance step counted from its end and
// every step after it (fromEnd 1 is the last chance step). A line with
// fewer chance steps is emptied: all it holds came after that card.
function cutBeforeChanceStep(line, fromEnd) {
    const steps = splitSteps(line)
    let seen = 0
    for (let i = steps.length - 1; i >= 0; --i) {
        if (!isChanceStep(steps[i]))
            continue
        seen += 1
        if (seen === fromEnd)
            return steps.slice(0, i).join(STEP_SEPARATOR)
    }
    return ""
}

// Chance levels with a chosen card from `levelIndex` to the end of the path.
function chanceSelectionsFrom(levels, levelIndex, tree) {
    let n = 0
    for (let i = Math.max(0, levelIndex); i < levels.length; ++i) {
        if (levels[i].selectedActionIndex >= 0 && _text(tree.meta(levels[i].nodeIndex).nodeType) === "chance")
            n += 1
    }
    return n
}

// ---- Judging -------------------------------------------------------------

// The EVs of a node's actions for one hand: {ok:false} unless entry `i` is
// finite; else the chosen and the best EV (the first of equal best), the
// loss and the best action's index.
function evInfoFromList(list, i) {
    if (!list || typeof list.length !== "number")
        return { ok: false }
    const idx = Number(i)
    if (!(idx >= 0 && idx < list.length && Math.floor(idx) === idx))
        return { ok: false }
    const chosen = _num(list[idx])
    if (!isFinite(chosen))
        return { ok: false }
    let best = -1e100
    let bestIndex = -1
    for (let k = 0; k < list.length; ++k) {
        const v = _num(list[k])
        if (isFinite(v) && v > best) {
            best = v
            bestIndex = k
        }
    }
    return { ok: true, chosenEv: chosen, bestEv: best, evLoss: Math.max(0, best - chosen), bestIndex: bestIndex }
}

// Per-combo EV lists of a node by card pair, both orders: "AcKd" and "KdAc".
function comboEvMap(rows) {
    return comboFieldMap(rows, "actionEvs")
}

// Each combo row's `field` by its card pair, both orders.
function comboFieldMap(rows, field) {
    const map = {}
    const list = rows || []
    for (let i = 0; i < list.length; ++i) {
        const row = list[i]
        if (!row)
            continue
        const c1 = Cards.normalizeCardText(row.c1)
        const c2 = Cards.normalizeCardText(row.c2)
        if (c1 === "" || c2 === "")
            continue
        map[c1 + c2] = row[field]
        map[c2 + c1] = row[field]
    }
    return map
}

// The EV a decision may give up unnoticed: an absolute floor, or a share of
// the larger EV magnitude. Settings that are not finite count as 0.
function mistakeTolerance(bestEv, chosenEv, epsilon, relativeTol) {
    const e = _num(epsilon)
    const r = _num(relativeTol)
    const a = isFinite(e) ? Math.max(0, e) : 0
    const b = isFinite(r) ? Math.max(0, r) : 0
    return Math.max(a, b * Math.max(Math.abs(bestEv), Math.abs(chosenEv), 1e-9))
}

function isMistake(info, epsilon, relativeTol) {
    if (!info || !info.ok || !_finite(info.evLoss))
        return false
    return info.evLoss > mistakeTolerance(info.bestEv, info.chosenEv, epsilon, relativeTol)
}

// The drill's answer to a decision: {wrong, text}.
function drillFeedback(info, bestName, epsilon, relativeTol) {
    if (!isMistake(info, epsilon, relativeTol))
        return { wrong: false, text: "Correct" }
    const name = _text(bestName)
    return {
        wrong: true,
        text: "Wrong \u2014 best: " + (name.length > 0 ? name : "\u2014") + " (EV -" + info.evLoss.toFixed(3) + ")"
    }
}

// ---- Hand log --------------------------------------------------------------

var LOG_FIELDS = ["board", "role", "oop", "ip", "line", "mistakeAction", "correctAction", "evLoss",
                  "pot", "investedOop", "investedIp", "isMistake"]

function _finiteOr0(v) {
    const n = _num(v)
    return isFinite(n) ? n : 0
}

// A log entry with every field: the hand as it stands (`hand`: board,
// role, oop, ip, line), the amounts of the node where it ended (`meta`),
// and `extra` over the defaults.
function handLogEntry(hand, meta, extra) {
    const m = meta || {}
    const entry = {
        board: _text(hand.board),
        role: _text(hand.role),
        oop: _text(hand.oop),
        ip: _text(hand.ip),
        line: _text(hand.line),
        mistakeAction: "",
        correctAction: "",
        evLoss: NaN,
        pot: _finiteOr0(m.pot),
        investedOop: _finiteOr0(m.investedOop),
        investedIp: _finiteOr0(m.investedIp),
        isMistake: false
    }
    if (extra) {
        for (const k in extra)
            entry[k] = extra[k]
    }
    entry.evLoss = _num(entry.evLoss)
    entry.isMistake = isFinite(entry.evLoss) && entry.evLoss > 0
    return entry
}

// A plain copy of a log row (a list model's row or a map).
function copyEntry(row) {
    const out = {}
    if (!row)
        return out
    for (let i = 0; i < LOG_FIELDS.length; ++i)
        out[LOG_FIELDS[i]] = row[LOG_FIELDS[i]]
    return out
}

// ---- Table -----------------------------------------------------------------

function amountText(label, v) {
    const n = _num(v)
    return label + (isFinite(n) ? n.toFixed(2) : "\u2014")
}

// What a seat has left behind the stack pill: the effective stack less what
// the seat has put in, never below 0; NaN when either is unknown.
function stackLeft(meta, seat) {
    const m = meta || {}
    const stack = _num(m.effectiveStack)
    const invested = _num(seat === "IP" ? m.investedIp : m.investedOop)
    return isFinite(stack) && isFinite(invested) ? Math.max(0, stack - invested) : NaN
}

// The delay of a step: whole milliseconds, at least 0; 0 when not finite.
function stepDelay(ms) {
    const n = _num(ms)
    return isFinite(n) ? Math.max(0, Math.round(n)) : 0
}
