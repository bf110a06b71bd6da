// Texts and colours of one game-tree tile: the action's label (the action
// verbs are translated here, once, in the tile's context), its colour, the
// tinted background and the text colours that read on it.
.pragma library

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _sized(verb, rest) {
    if (verb === "Bet")
        return qsTranslate("TreeNode", "Bet %1").arg(rest)
    return qsTranslate("TreeNode", "Raise %1").arg(rest)
}

function _plain(verb) {
    switch (verb) {
    case "Check": return qsTranslate("TreeNode", "Check")
    case "Call": return qsTranslate("TreeNode", "Call")
    case "Fold": return qsTranslate("TreeNode", "Fold")
    case "All-in": return qsTranslate("TreeNode", "All-in")
    case "Bet": return qsTranslate("TreeNode", "Bet")
    case "Raise": return qsTranslate("TreeNode", "Raise")
    }
    return verb
}

// A bet or raise: the size from the engine's label, else from the type text,
// else the bare verb.
function _betOrRaise(verb, raw, t) {
    if (raw.indexOf(verb) === 0) {
        const rest = raw.substring(verb.length).trim()
        if (rest.length > 0)
            return _sized(verb, rest)
    }
    const prefix = verb.toLowerCase() + " "
    if (t.indexOf(prefix) === 0) {
        const rest = t.substring(prefix.length).trim()
        if (rest.length > 0)
            return _sized(verb, rest)
    }
    return _plain(verb)
}

// The chip's text from the engine's label and the action type.
function displayActionLabel(action, actionType) {
    const raw = _text(action)
    const t = _text(actionType).trim().toLowerCase()
    const kind = t.length > 0 ? t.split(/\s+/)[0] : ""
    switch (kind) {
    case "check": return _plain("Check")
    case "call": return _plain("Call")
    case "fold": return _plain("Fold")
    case "allin": return _plain("All-in")
    case "bet": return _betOrRaise("Bet", raw, t)
    case "raise": return _betOrRaise("Raise", raw, t)
    }
    if (raw.indexOf("Bet ") === 0)
        return _sized("Bet", raw.substring(4).trim())
    if (raw.indexOf("Raise ") === 0)
        return _sized("Raise", raw.substring(6).trim())
    switch (raw) {
    case "Bet": return _plain("Bet")
    case "Raise": return _plain("Raise")
    case "Check": return _plain("Check")
    case "Call": return _plain("Call")
    case "Fold": return _plain("Fold")
    case "All-In":
    case "All-in": return _plain("All-in")
    }
    return raw
}

// The key handed to the theme's action colour: the sized label for a bet or
// raise whose label carries a percentage, else the type text.
function actionColorKey(action, actionType) {
    const t = _text(actionType).toLowerCase()
    const raw = _text(action)
    if ((t === "bet" || t === "raise") && raw.length > 0 && raw.indexOf("%") >= 0)
        return raw
    return t
}

function actionColor(theme, action, actionType) {
    if (!theme)
        return "#888888"
    return theme.actionColor(actionColorKey(action, actionType))
}

function _color(c) {
    return typeof c === "string" ? Qt.color(c) : c
}

// a x (1 - t) + b x t per channel, t clamped to [0, 1], opaque.
function mix(a, b, t) {
    const ca = _color(a)
    const cb = _color(b)
    const k = Math.max(0, Math.min(1, Number(t)))
    return Qt.rgba(ca.r * (1 - k) + cb.r * k, ca.g * (1 - k) + cb.g * k, ca.b * (1 - k) + cb.b * k, 1)
}

function luma(c) {
    if (c === undefined || c === null || c === "")
        return 0
    const v = _color(c)
    return 0.2126 * v.r + 0.7152 * v.g + 0.0722 * v.b
}

function fgOn(theme, bg) {
    if (luma(bg) >= 0.62)
        return "#0B0F14"
    return theme ? theme.text : "#F0F6FC"
}

function mutedOn(theme, bg) {
    if (luma(bg) >= 0.62)
        return "#2D333B"
    return theme ? theme.textMuted : "#8B949E"
}

function bgColor(theme, nodeType, actionColorValue) {
    if (nodeType === "terminal")
        return theme ? theme.surface3 : "#2D333B"
    if (!theme)
        return "#21262D"
    if (nodeType === "chance")
        return mix(theme.surface2, theme.gold, 0.22)
    return mix(theme.surface2, actionColorValue, 0.28)
}

function dotColor(theme, nodeType, player) {
    if (nodeType === "terminal")
        return theme ? theme.textFaint : "#6E7681"
    if (nodeType === "chance")
        return theme ? theme.gold : "#F0B429"
    if (player === "OOP")
        return theme ? theme.actionBet : "#A371F7"
    return theme ? theme.info : "#58A6FF"
}

function playerLabel(nodeType, player) {
    const p = _text(player)
    if (nodeType === "chance")
        return p.length > 0 ? p : qsTranslate("TreeNode", "Deal")
    if (nodeType === "terminal")
        return qsTranslate("TreeNode", "Terminal")
    return p
}

// Halves away from zero.
function _roundAway(v) {
    return v < 0 ? -Math.floor(-v + 0.5) : Math.floor(v + 0.5)
}

function potText(pot) {
    return qsTranslate("TreeNode", "Pot: %1").arg(String(_roundAway(Number(pot))))
}

function frequencyText(frequency) {
    const f = Math.max(0, Math.min(1, Number(frequency)))
    return qsTranslate("TreeNode", "Freq: %1%").arg(String(Math.floor(f * 100 + 0.5)))
}

function evText(ev) {
    const v = Number(ev)
    return qsTranslate("TreeNode", "EV: %1%2").arg(v >= 0 ? "+" : "").arg(v.toFixed(2))
}

function secondRowVisible(pot, ev, frequency) {
    return pot > 0 || ev !== 0 || frequency >= 0
}
