.pragma library
// The actions of a node as the results page shows them: the colours of
// sized bets and raises (ranked by size within the node), EVs told relative
// to folding, the pseudo action of a chance node, colour keys and labels.

var BET_COLORS_DARK = ["#818CF8", "#A78BFA", "#C084FC", "#E879F9", "#F0ABFC"]
var RAISE_COLORS_DARK = ["#FDBA74", "#FB923C", "#F97316", "#EA580C", "#C2410C"]
var BET_COLORS_LIGHT = ["#4F46E5", "#7C3AED", "#9333EA", "#C026D3", "#BE185D"]
var RAISE_COLORS_LIGHT = ["#F59E0B", "#F97316", "#EA580C", "#C2410C", "#9A3412"]

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _finite(v) {
    return typeof v === "number" && isFinite(v)
}

function _copy(entry) {
    const out = {}
    if (entry) {
        for (const k in entry)
            out[k] = entry[k]
    }
    return out
}

// The kind of an action from its type: the type's first word, lower-cased.
// The engine writes sized bets and raises with their size ("bet 33%").
function actionKind(entry) {
    const t = _text(entry ? entry.actionType : "").trim().toLowerCase()
    return t.length > 0 ? t.split(/\s+/)[0] : ""
}

// The size in percent written in an action's name ("Bet 33%" gives 33,
// "Raise 12.5 %" 12.5), else NaN.
function parsePctFromActionName(actionName) {
    const m = /(\d+(?:\.\d+)?)\s*%/.exec(_text(actionName))
    return m ? parseFloat(m[1]) : NaN
}

// A copy of the list with "color" on every sized bet and raise: the k-th
// smallest of a node's bets takes bet colour k mod 5, raises likewise.
// Equal sizes keep their order in the list.
function colorizeBetRaiseActions(actionList, dark) {
    if (!actionList || actionList.length === 0)
        return []
    const out = []
    const bets = []
    const raises = []
    for (let i = 0; i < actionList.length; ++i) {
        const entry = actionList[i]
        out.push(_copy(entry))
        const type = actionKind(entry)
        const size = parsePctFromActionName(entry ? entry.name : "")
        if (isNaN(size))
            continue
        if (type === "bet")
            bets.push({ index: i, size: size })
        else if (type === "raise")
            raises.push({ index: i, size: size })
    }
    const bySize = function (a, b) { return a.size - b.size || a.index - b.index }
    bets.sort(bySize)
    raises.sort(bySize)
    const betColors = dark ? BET_COLORS_DARK : BET_COLORS_LIGHT
    const raiseColors = dark ? RAISE_COLORS_DARK : RAISE_COLORS_LIGHT
    for (let k = 0; k < bets.length; ++k)
        out[bets[k].index].color = betColors[k % betColors.length]
    for (let k = 0; k < raises.length; ++k)
        out[raises[k].index].color = raiseColors[k % raiseColors.length]
    return out
}

function isFoldAction(entry) {
    if (!entry)
        return false
    const name = _text(entry.name).trim().toLowerCase()
    return actionKind(entry) === "fold" || name.indexOf("fold") >= 0
}

// A copy with every finite "ev" told relative to the first fold's EV (the
// fold itself 0); unchanged without a fold of finite EV.
function normalizeActionEvsAroundFold(defs) {
    if (!defs || defs.length === 0)
        return []
    let foldIndex = -1
    for (let i = 0; i < defs.length; ++i) {
        if (isFoldAction(defs[i])) {
            foldIndex = i
            break
        }
    }
    const foldEv = foldIndex >= 0 && _finite(defs[foldIndex].ev) ? defs[foldIndex].ev : NaN
    const out = []
    for (let i = 0; i < defs.length; ++i) {
        const copy = _copy(defs[i])
        if (!isNaN(foldEv) && _finite(copy.ev))
            copy.ev = i === foldIndex ? 0.0 : copy.ev - foldEv
        out.push(copy)
    }
    return out
}

// The single entry a chance node shows ("Random turn card").
function chancePseudoAction(meta) {
    const deal = _text(meta ? meta.chanceDeal : "")
    return {
        name: "Random " + (deal.length > 0 ? deal : "card") + " card",
        actionType: "chance",
        frequency: 1.0,
        combos: NaN,
        equity: NaN,
        ev: NaN
    }
}

// The key handed to the theme's action colour: the name of a bet or raise
// that carries a percentage (each size its own hue), else the type.
function colorKey(entry) {
    if (!entry)
        return ""
    const type = _text(entry.actionType)
    const name = _text(entry.name)
    const kind = actionKind(entry)
    if ((kind === "bet" || kind === "raise") && name.indexOf("%") >= 0)
        return name
    return type.length > 0 ? type : name
}

// An engine label in the wording of the tree tiles ("TreeNode" context).
function nodeActionNameTranslated(rawName) {
    const raw = _text(rawName).trim()
    if (raw.length === 0)
        return ""
    const sized = /^(bet|raise)\s+(.+)$/i.exec(raw)
    if (sized) {
        const rest = sized[2].trim()
        return sized[1].toLowerCase() === "bet" ? qsTranslate("TreeNode", "Bet %1").arg(rest)
                                                : qsTranslate("TreeNode", "Raise %1").arg(rest)
    }
    let word = raw.charAt(0).toUpperCase() + raw.substring(1)
    if (word === "All-In")
        word = "All-in"
    switch (word) {
    case "Bet": return qsTranslate("TreeNode", "Bet")
    case "Raise": return qsTranslate("TreeNode", "Raise")
    case "Check": return qsTranslate("TreeNode", "Check")
    case "Call": return qsTranslate("TreeNode", "Call")
    case "Fold": return qsTranslate("TreeNode", "Fold")
    case "All-in": return qsTranslate("TreeNode", "All-in")
    }
    return raw
}
