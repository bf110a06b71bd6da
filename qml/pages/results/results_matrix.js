.pragma library
// The "Strategy by Hand" column of the results page: the five matrix inputs
// built from the controller's per-class summaries (with the node's lock
// edits previewed), the legend's entries and the node figures.
.import "results_actions.js" as Actions

// An action shows in the legend only above this frequency.
var LEGEND_MIN_FREQUENCY = 0.05

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _finite(v) {
    return typeof v === "number" && isFinite(v)
}

function _isMap(v) {
    return v !== null && v !== undefined && typeof v === "object" && !Array.isArray(v)
}

function _mapOr(v) {
    return _isMap(v) ? v : {}
}

function _listOr(v) {
    return v && v.length !== undefined && typeof v !== "string" ? v : []
}

function _has(map, key) {
    return _isMap(map) && Object.prototype.hasOwnProperty.call(map, key)
}

function _copyMap(map) {
    const out = {}
    for (const k in map)
        out[k] = map[k]
    return out
}

// A lock's probabilities as the solve will use them: values that are not
// finite or not above 0 count 0, then shares of the sum (all equal when the
// sum is not above 0).
function normalizedProbs(list, count) {
    const out = []
    let sum = 0
    for (let i = 0; i < count; ++i) {
        const v = Number(list[i])
        const x = isFinite(v) && v > 0 ? v : 0
        out.push(x)
        sum += x
    }
    for (let i = 0; i < count; ++i)
        out[i] = sum > 0 ? out[i] / sum : 1 / count
    return out
}

// The probabilities with the node's lock entry shown in place of the solved
// ones: only classes whose locked list has one value per action.
function previewLocks(probs, lockEntry, actionCount) {
    if (!_isMap(lockEntry) || !(actionCount > 0))
        return probs
    const out = _copyMap(probs)
    for (const cls in lockEntry) {
        const lock = lockEntry[cls]
        const list = lock ? _listOr(lock.actionProbs) : []
        if (list.length === actionCount)
            out[cls] = normalizedProbs(list, actionCount)
    }
    return out
}

// The number of actions the split segments are drawn for.
function actionCountFor(defs, probs, typeList) {
    if (defs.length > 0)
        return defs.length
    for (const cls in probs) {
        const first = _listOr(probs[cls])
        if (first.length > 0)
            return first.length
        break
    }
    return typeList.length
}

// Index of the largest finite value among the first `count` (ties keep the
// earlier index; 0 when none is finite).
function _argMax(list, count) {
    let best = 0
    let bestValue = -Infinity
    for (let i = 0; i < count; ++i) {
        const v = Number(list[i])
        if (isFinite(v) && v > bestValue) {
            bestValue = v
            best = i
        }
    }
    return best
}

// The colour keys of the node's actions, exactly `count` of them.
function colorKeysFor(defs, typeList, count) {
    const out = []
    for (let i = 0; i < count; ++i) {
        if (i < defs.length)
            out.push(Actions.colorKey(defs[i]))
        else if (i < typeList.length)
            out.push(_text(typeList[i]))
        else
            out.push("none")
    }
    return out
}

// The five matrix inputs of a node. `o`:
//   strategy   the node's per-class strategy map (weights, dominantActionTypes,
//              actionTypeList, actionProbs)
//   reach      the reach-weighted per-class map (weights, actionProbs), or null
//   defs       the node's action definitions, coloured
//   lockEntry  the page's lock edits of the node (class -> {actionProbs}), or null
//   actionColor  the theme's colour of a colour key, or null without a theme
//   mutedColor   the colour of a class without a known action
// Returns {weights, dominant, colors, typeList, probs}.
function matrixInputs(o) {
    const s = _mapOr(o.strategy)
    const dominant = _mapOr(s.dominantActionTypes)
    const typeList = _listOr(s.actionTypeList)
    let probs = _mapOr(s.actionProbs)
    let weights = _mapOr(s.weights)
    const reach = _mapOr(o.reach)
    if (_has(reach, "weights"))
        weights = _mapOr(reach.weights)
    if (_has(reach, "actionProbs"))
        probs = _mapOr(reach.actionProbs)
    const defs = _listOr(o.defs)
    const count = actionCountFor(defs, probs, typeList)
    probs = previewLocks(probs, o.lockEntry, count)

    const colorOf = typeof o.actionColor === "function" ? o.actionColor : null
    const colors = {}
    for (const cls in weights) {
        let c = o.mutedColor
        const list = _listOr(probs[cls])
        if (list.length > 0 && defs.length > 0) {
            const d = defs[_argMax(list, Math.min(list.length, defs.length))]
            const name = _text(d.name)
            if (d.color !== undefined && d.color !== null && _text(d.color).length > 0)
                c = d.color
            else if (colorOf)
                c = colorOf(name.length > 0 ? name : _text(d.actionType))
        } else if (_has(dominant, cls) && colorOf) {
            c = colorOf(dominant[cls])
        }
        colors[cls] = c
    }
    return {
        weights: weights,
        dominant: dominant,
        colors: colors,
        typeList: colorKeysFor(defs, typeList, count),
        probs: probs
    }
}

// The actions the legend lists: those played more often than the threshold.
function legendEntries(actions) {
    return _listOr(actions).filter(function (a) {
        const f = a ? Number(a.frequency) : 0
        return isFinite(f) && f > LEGEND_MIN_FREQUENCY
    })
}

// ---- Node figures -----------------------------------------------------------

function _field(meta, key) {
    const v = meta ? meta[key] : undefined
    return _finite(v) ? v : 0
}

function seatIndexFromPlayer(p) {
    return _text(p) === "OOP" ? 0 : 1
}

function _actorSeat(meta) {
    const p = _text(meta ? meta.player : "")
    return p === "OOP" || p === "IP" ? seatIndexFromPlayer(p) : -1
}

function potSize(meta) {
    return _field(meta, "pot")
}

function effectiveStack(meta) {
    return _field(meta, "effectiveStack")
}

function investedFor(meta, seatIndex) {
    return _field(meta, seatIndex === 0 ? "investedOop" : "investedIp")
}

function toCallAmount(meta) {
    const seat = _actorSeat(meta)
    if (seat < 0)
        return 0
    const most = Math.max(investedFor(meta, 0), investedFor(meta, 1))
    return Math.max(0, most - investedFor(meta, seat))
}

// The actor's stack behind; at a node with no actor (a deal, the end of a
// hand) the stack both players still cover.
function stackRemaining(meta) {
    const seat = _actorSeat(meta)
    const invested = seat < 0 ? Math.max(investedFor(meta, 0), investedFor(meta, 1)) : investedFor(meta, seat)
    return Math.max(0, effectiveStack(meta) - invested)
}

// Whose turn the node is: "%1 to act" at a decision, else the deal or the
// end of the hand. `texts`: toAct (with %1), deal, over.
function actorText(meta, selectedPlayer, texts) {
    const type = _text(meta ? meta.nodeType : "")
    if (type === "chance")
        return texts.deal
    if (type === "terminal")
        return texts.over
    return texts.toAct.arg(_text(selectedPlayer))
}

// The rake of the node's pot: a percentage, capped when a positive cap is set.
function rakeTaken(meta, rakePercent, rakeCap) {
    const pot = potSize(meta)
    const pct = Number(rakePercent)
    if (!(isFinite(pct) && pct > 0) || !(pot > 0))
        return 0
    const raw = pot * pct / 100
    const capValue = Number(rakeCap)
    const cap = isFinite(capValue) && capValue > 0 ? capValue : raw
    return Math.max(0, Math.min(raw, cap))
}

function spr(meta) {
    const pot = potSize(meta)
    const stack = stackRemaining(meta)
    if (!(pot > 0) || !isFinite(stack) || stack < 0)
        return NaN
    return stack / pot
}

// The call's share of the pot after calling.
function potOdds(meta) {
    const pot = potSize(meta)
    const call = toCallAmount(meta)
    if (!(pot > 0) || !(call > 0))
        return NaN
    return call / (pot + call)
}

function fmtAmt2(x, dash) {
    return _finite(x) ? x.toFixed(2) : dash
}

function potOddsText(x, dash) {
    return _finite(x) ? (x * 100).toFixed(1) + "%" : dash
}
