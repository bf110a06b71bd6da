// Shares, segment geometry, hit test and label texts of the action bar.
.pragma library
.import "tree_node.js" as TreeNode

function count(actions) {
    return actions && actions.length !== undefined ? Number(actions.length) : 0
}

// An entry's frequency as a number; missing, negative or not finite gives 0.
function rawFreq(a) {
    if (a === undefined || a === null || a.frequency === undefined || a.frequency === null)
        return 0
    const v = Number(a.frequency)
    if (!isFinite(v))
        return 0
    return Math.max(0, v)
}

function totalFreq(actions) {
    let sum = 0
    const n = count(actions)
    for (let i = 0; i < n; ++i)
        sum += rawFreq(actions[i])
    return sum
}

function normFreq(a, total) {
    if (!isFinite(total) || total <= 0)
        return 0
    return Math.min(1, rawFreq(a) / total)
}

function shares(actions) {
    const total = totalFreq(actions)
    const out = []
    const n = count(actions)
    for (let i = 0; i < n; ++i)
        out.push(normFreq(actions[i], total))
    return out
}

// The first and last segments that take the rounded ends: those at least a
// pixel wide, else any with a positive share; null when nothing is drawn.
function visibleEnds(f, width) {
    let first = -1
    let last = -1
    for (let i = 0; i < f.length; ++i) {
        if (f[i] > 0 && f[i] * width >= 1.0) {
            if (first < 0)
                first = i
            last = i
        }
    }
    if (first < 0) {
        for (let i = 0; i < f.length; ++i) {
            if (f[i] > 0) {
                if (first < 0)
                    first = i
                last = i
            }
        }
    }
    return first < 0 ? null : { "first": first, "last": last }
}

// Every drawn segment: x, width, corner radius and which ends are rounded.
function segmentLayout(f, width, height, radius) {
    const ends = visibleEnds(f, width)
    const out = []
    if (!ends || !(width > 0) || !(height > 0))
        return out
    const rMax = Math.min(radius, height / 2)
    let x = 0
    for (let i = 0; i < f.length; ++i) {
        if (!(f[i] > 0))
            continue
        const w = f[i] * width
        out.push({ "index": i, "x": x, "width": w, "radius": Math.min(rMax, w / 2),
                   "roundLeft": i === ends.first, "roundRight": i === ends.last })
        x += w
    }
    return out
}

// The share text drawn inside a segment, or "" when the segment is too narrow.
function percentText(share, w) {
    if (!(w > 35))
        return ""
    const pct = Math.floor(share * 100 + 0.5)
    return pct > 0 ? pct + "%" : ""
}

// A path of a rectangle with the chosen ends rounded.
function tracePath(ctx, x, y, w, h, r, roundLeft, roundRight) {
    const rl = roundLeft ? r : 0
    const rr = roundRight ? r : 0
    ctx.beginPath()
    ctx.moveTo(x + rl, y)
    ctx.lineTo(x + w - rr, y)
    if (rr > 0)
        ctx.arcTo(x + w, y, x + w, y + rr, rr)
    ctx.lineTo(x + w, y + h - rr)
    if (rr > 0)
        ctx.arcTo(x + w, y + h, x + w - rr, y + h, rr)
    ctx.lineTo(x + rl, y + h)
    if (rl > 0)
        ctx.arcTo(x, y + h, x, y + h - rl, rl)
    ctx.lineTo(x, y + rl)
    if (rl > 0)
        ctx.arcTo(x, y, x + rl, y, rl)
    ctx.closePath()
}

// The entry under a horizontal position; the last entry when none matches;
// -1 for no entries or no width.
function entryAt(actions, px, width) {
    const n = count(actions)
    if (n === 0 || !(width > 0))
        return -1
    const f = shares(actions)
    let x = 0
    for (let i = 0; i < n; ++i) {
        const w = f[i] * width
        if (x <= px && px < x + w)
            return i
        x += w
    }
    return n - 1
}

function _has(a, key) {
    return a !== undefined && a !== null && a[key] !== undefined
}

// Segment colour: the entry's own colour, else the theme's colour of its type
// (even an empty one), else of its name.
function segmentColor(theme, a) {
    if (a === undefined || a === null)
        return theme ? theme.surface2 : "#21262D"
    if (a.color !== undefined && a.color !== null)
        return a.color
    if (!theme)
        return "#888888"
    return theme.actionColor(_has(a, "actionType") ? a.actionType : a.name)
}

// Swatch colour: like the segment, but an empty colour or type is passed over.
function swatchColor(theme, a) {
    if (a !== undefined && a !== null && a.color !== undefined && a.color !== null
            && String(a.color) !== "")
        return a.color
    if (!theme)
        return "#888888"
    if (a && a.actionType !== undefined && a.actionType !== null && String(a.actionType) !== "")
        return theme.actionColor(a.actionType)
    return theme.actionColor(a ? a.name : undefined)
}

function _number(a, key) {
    if (a === undefined || a === null || a[key] === undefined || a[key] === null)
        return NaN
    return Number(a[key])
}

function nameText(a) {
    return a && a.name !== undefined && a.name !== null ? String(a.name) : ""
}

// The action's name as the user reads it: the action verbs in the
// interface language, as on the game tree.
function labelText(a) {
    const name = nameText(a)
    return name.length > 0 ? TreeNode.displayActionLabel(name, a.actionType) : ""
}

function shareText(share) {
    return Math.floor(share * 100 + 0.5) + "%"
}

function combosText(a) {
    const c = _number(a, "combos")
    if (!isFinite(c))
        return qsTranslate("ActionBar", "\u2014")
    const whole = Math.round(c)
    const shown = Math.abs(c - whole) <= 1e-6 ? String(whole) : c.toFixed(1)
    return qsTranslate("ActionBar", "%1 combos").arg(shown)
}

function equityText(a) {
    const e = _number(a, "equity")
    if (!isFinite(e))
        return qsTranslate("ActionBar", "\u2014")
    return qsTranslate("ActionBar", "%1% equity").arg((e * 100).toFixed(1))
}

function evText(a) {
    const v = _number(a, "ev")
    if (!isFinite(v))
        return qsTranslate("ActionBar", "\u2014")
    return qsTranslate("ActionBar", "%1 EV").arg(v.toFixed(2))
}
