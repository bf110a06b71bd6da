.pragma library
// The hand list of the results page: search tokens, the filters over the
// combo rows (search, class, bucket, reach-weight noise) and the texts of a
// row's EV column.
.import "results_cards.js" as Cards
.import "results_actions.js" as Actions

// Rows scanned for the largest reach weight of the noise cut.
var NOISE_SAMPLE_ROWS = 96

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _finite(v) {
    return typeof v === "number" && isFinite(v)
}

// Commas count as blanks; empty pieces are dropped.
function parseHandSearchTokens(text) {
    return _text(text).replace(/,/g, " ").split(/\s+/).filter(function (t) { return t.length > 0 })
}

// Two ranks, higher first, or null when either is not a rank.
function _orderedRanks(a, b) {
    const r1 = a.toUpperCase()
    const r2 = b.toUpperCase()
    const i1 = Cards.RANK_ORDER.indexOf(r1)
    const i2 = Cards.RANK_ORDER.indexOf(r2)
    if (i1 < 0 || i2 < 0)
        return null
    return i1 <= i2 ? [r1, r2] : [r2, r1]
}

function matchSearchTokenToCombo(token, c1, c2) {
    const t = _text(token).trim()
    const a = Cards.normalizeCardText(c1)
    const b = Cards.normalizeCardText(c2)
    if (t.length === 4) {
        const x = Cards.normalizeCardText(t.substr(0, 2))
        const y = Cards.normalizeCardText(t.substr(2, 2))
        return (x === a && y === b) || (x === b && y === a)
    }
    if (t.length !== 2 && t.length !== 3)
        return false
    const ranks = _orderedRanks(t.charAt(0), t.charAt(1))
    if (!ranks)
        return false
    const cls = Cards.handClassFromCards(a, b)
    if (t.length === 2) {
        if (ranks[0] === ranks[1])
            return cls === ranks[0] + ranks[1]
        return cls === ranks[0] + ranks[1] + "s" || cls === ranks[0] + ranks[1] + "o"
    }
    const letter = t.charAt(2).toLowerCase()
    if (ranks[0] === ranks[1] || (letter !== "s" && letter !== "o"))
        return false
    return cls === ranks[0] + ranks[1] + letter
}

// The reach weight at or below which a row is engine noise, or -1 when the
// cut does not apply (a board of fewer than four cards).
function noiseCutoff(rows, boardCardCount) {
    if (!(boardCardCount >= 4))
        return -1
    let maxW = 0
    const n = Math.min(rows.length, NOISE_SAMPLE_ROWS)
    for (let i = 0; i < n; ++i) {
        const w = rows[i] ? rows[i].weight : NaN
        if (_finite(w) && w > maxW)
            maxW = w
    }
    return Math.max(1e-10, maxW * 1e-6)
}

// The rows that pass the search, the class filter, the bucket filter and the
// noise cut, in their order. `f`: {searchText, handClass, bucket,
// boardCardCount}. Without any filter the list itself is returned.
function visibleHandCombos(rows, f) {
    if (!rows)
        return []
    const tokens = parseHandSearchTokens(f.searchText)
    const handClass = _text(f.handClass)
    const bucket = _text(f.bucket)
    const cutoff = noiseCutoff(rows, f.boardCardCount)
    if (tokens.length === 0 && handClass === "" && bucket === "" && cutoff < 0)
        return rows
    const out = []
    for (let i = 0; i < rows.length; ++i) {
        const r = rows[i]
        if (!r)
            continue
        if (cutoff >= 0 && !(_finite(r.weight) && r.weight > cutoff))
            continue
        if (handClass !== "" && Cards.handClassFromCards(r.c1, r.c2) !== handClass)
            continue
        if (bucket !== "" && !(r.buckets || []).some(function (b) { return _text(b) === bucket }))
            continue
        if (tokens.length > 0 && !tokens.some(function (t) { return matchSearchTokenToCombo(t, r.c1, r.c2) }))
            continue
        out.push(r)
    }
    return out
}

// Frequency-bar entries of a probability list against the node's actions.
function handActionsForProbs(actions, probs) {
    const defs = actions || []
    const p = probs || []
    const n = Math.min(defs.length, p.length)
    const out = []
    for (let i = 0; i < n; ++i) {
        const a = defs[i] || {}
        const entry = { name: _text(a.name), actionType: _text(a.actionType), frequency: Number(p[i]) }
        if (a.color !== undefined)
            entry.color = a.color
        out.push(entry)
    }
    return out
}

function _fixed2(v) {
    return _finite(v) ? v.toFixed(2) : "\u2014"
}

// The lines of a row's EV column: one per action, EVs relative to the fold
// when the node has one, each with the colour key of its action; the row's
// own EV alone when there are no per-action EVs.
function evColumnLines(row, defs) {
    const evs = row && row.actionEvs ? row.actionEvs : []
    const d = defs || []
    const n = Math.min(evs.length, d.length)
    if (n === 0)
        return [{ text: _fixed2(row ? row.ev : NaN), colorKey: "" }]
    let foldIndex = -1
    for (let i = 0; i < n; ++i) {
        if (Actions.isFoldAction(d[i])) {
            foldIndex = i
            break
        }
    }
    const foldEv = foldIndex >= 0 && _finite(evs[foldIndex]) ? evs[foldIndex] : NaN
    const lines = []
    for (let i = 0; i < n; ++i) {
        const ev = evs[i]
        let text
        if (!_finite(ev))
            text = "\u2014"
        else if (i === foldIndex)
            text = "0.00"
        else
            text = (isNaN(foldEv) ? ev : ev - foldEv).toFixed(2)
        lines.push({ text: text, colorKey: Actions.colorKey(d[i]) })
    }
    return lines
}

// The count of a bucket row with one decimal, "" when it is not a number.
function bucketCombosNumber(combos) {
    return _finite(combos) ? combos.toFixed(1) : ""
}
