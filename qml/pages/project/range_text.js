.pragma library
// The set-up page's range text: reading it into a weight per hand class for
// the hand matrices, writing a painted cell back into it, and cleaning the
// text of an imported range file.
//
// Reading is the solver's: the engine removes white space, splits at commas
// and reads every item, and a text it refuses in any item is no range at
// all. So the matrices light exactly the combos a solve will use, and a text
// the engine refuses lights nothing.
.import "range_grammar.js" as Grammar

var RANKS = "AKQJT98765432"

// The 169 labels in grid order.
var LABELS = (function () {
    const out = []
    for (let r = 0; r < 13; ++r) {
        for (let c = 0; c < 13; ++c) {
            if (r === c)
                out.push(RANKS.charAt(r) + RANKS.charAt(c))
            else if (r < c)
                out.push(RANKS.charAt(r) + RANKS.charAt(c) + "s")
            else
                out.push(RANKS.charAt(c) + RANKS.charAt(r) + "o")
        }
    }
    return out
})()

var FULL_WEIGHT = 0.999

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _clamp01(v) {
    return Math.max(0, Math.min(1, v))
}

// A weight clamped into [0, 1]; 1 when it is no finite number.
function clampWeight(w) {
    const n = Number(w)
    if (w === null || w === undefined || w === "" || !isFinite(n))
        return 1
    return _clamp01(n)
}

// The weight as written after a colon: three decimals without trailing
// zeros (0.5, 0.333, 0).
function weightText(w) {
    return clampWeight(w).toFixed(3).replace(/0+$/, "").replace(/\.$/, "")
}

// A class with its weight, bare from 0.999 up.
function tokenWithWeight(token, w) {
    const c = clampWeight(w)
    return c >= FULL_WEIGHT ? token : token + ":" + weightText(c)
}

// The white space the engine removes (its C library's, not Unicode's: a
// no-break space stays and makes the item unreadable).
var _ENGINE_SPACE = /[ \t\n\v\f\r]/g

function _engineTrim(t) {
    return t.replace(/^[ \t\n\v\f\r]+|[ \t\n\v\f\r]+$/g, "")
}

// The whole text as one percentage of every hand, as the engine reads it
// ("50%", " 12.5% "): the percentage, or null when the text is not of that
// form. The engine reads the longest leading number with one point at most.
function percentOf(text) {
    const t = _engineTrim(_text(text))
    if (t.length < 2 || !/^[0-9.]*%$/.test(t))
        return null
    const lead = /^\d*\.?\d*/.exec(t)[0]
    return /\d/.test(lead) ? Number(lead) : null
}

// A whole-deck weight the engine takes: in [0, 1] as a float.
function _deckWeight(pct) {
    const w = Math.fround(pct / 100)
    return w >= 0 && w <= 1 ? w : null
}

// The text as the engine reads it: {deck: weight} for a whole-deck
// percentage, {items: [{patterns, weight}]} for a list of items, or null
// when the engine refuses it.
function readRange(text) {
    const t = _text(text)
    if (_engineTrim(t).length >= 2 && /^[0-9.]*%$/.test(_engineTrim(t))) {
        const pct = percentOf(t)
        const w = pct === null ? null : _deckWeight(pct)
        return w === null ? null : { deck: w }
    }
    const items = []
    const parts = t.replace(_ENGINE_SPACE, "").split(",")
    for (let i = 0; i < parts.length; ++i) {
        if (parts[i].length === 0)
            continue
        const item = Grammar.parseItem(parts[i])
        if (item === null)
            return null
        items.push(item)
    }
    return { items: items }
}

// Tokens of a range text: a comma-separated item the engine accepts is one
// token (white space removed); any other item gives its fragments between
// white space. Each token is {text, item}, item being the accepted reading
// or null.
function tokens(text) {
    const out = []
    const items = _text(text).split(",")
    for (let i = 0; i < items.length; ++i) {
        const compact = items[i].replace(/\s+/g, "")
        if (compact.length === 0)
            continue
        const item = Grammar.parseItem(compact)
        if (item !== null) {
            out.push({ text: compact, item: item })
            continue
        }
        const fragments = items[i].split(/\s+/)
        for (let j = 0; j < fragments.length; ++j) {
            if (fragments[j].length > 0)
                out.push({ text: fragments[j], item: null })
        }
    }
    return out
}

function _expressionOf(token) {
    const colon = token.indexOf(":")
    return colon >= 0 ? token.slice(0, colon) : token
}

// The weight per hand class that a range text gives the solve. A whole-deck
// percentage gives every class that weight; otherwise later items
// overwrite earlier ones, combo by combo, and a class shows the mean of its
// combos. A text the engine refuses gives nothing.
function parseRangeWeights(text) {
    const range = readRange(text)
    if (range === null)
        return {}
    if (range.deck !== undefined) {
        const all = {}
        if (range.deck > 0) {
            for (let i = 0; i < LABELS.length; ++i)
                all[LABELS[i]] = range.deck
        }
        return all
    }
    const table = new Grammar.ComboTable()
    for (let i = 0; i < range.items.length; ++i) {
        const item = range.items[i]
        for (let j = 0; j < item.patterns.length; ++j)
            table.assign(item.patterns[j], item.weight)
    }
    return table.weights()
}

// Some hand has a weight above 0 in the range the engine reads.
function holdsAnyHand(text) {
    const w = parseRangeWeights(text)
    for (const k in w) {
        if (w[k] > 0)
            return true
    }
    return false
}

// The class labels one hand expression (without its weight) covers, as the
// engine expands it; an expression that names no hands gives itself.
function expandHand(token) {
    const t = _text(token)
    const classes = Grammar.expressionClasses(t.replace(/\s+/g, ""))
    return classes === null ? [t] : classes
}

function _shares(a, b) {
    for (let i = 0; i < a.length; ++i) {
        if (b.indexOf(a[i]) >= 0)
            return true
    }
    return false
}

// The range text after one painted cell. Turning a cell off (its current
// weight above 0) removes every token that covers the class, with all its
// other classes; turning it on appends the class with the weight to add.
// A whole-text percentage is cleared by any cell turned off and replaced by
// the class turned on. Tokens are joined with ", ".
function toggleHand(rangeText, hand, currentWeight, addWeight) {
    const add = tokenWithWeight(_text(hand), addWeight)
    const on = Number(currentWeight) > 0
    if (percentOf(rangeText) !== null)
        return on ? "" : add
    const list = tokens(rangeText).map(function (t) { return t.text })
    if (on) {
        const target = expandHand(hand)
        return list.filter(function (t) {
            return !_shares(expandHand(_expressionOf(t)), target)
        }).join(", ")
    }
    list.push(add)
    return list.join(", ")
}

// A range file read with the engine's grammar: {text, error}. Commas,
// blanks and line breaks separate the items, blanks around ":" belong to
// the item ("KK: 0.5" is KK at a half), and every item keeps its meaning
// ("AhKs", "A5s-A2s:0.5"); a whole-file percentage such as "50%" is read as
// the engine reads it. A file that is not text, or holds anything that is
// not a range item, is refused: the text is empty and the error says why.
function readImportedRange(rawText) {
    const raw = _text(rawText).replace(/^\ufeff/, "")
    const refuse = function (error) { return { text: "", error: error } }
    if (/[\u0000-\u0008\u000e-\u001f\u007f\ufffd]/.test(raw))
        return refuse(qsTranslate("ProjectPage", "Import failed: the file is not a text file."))
    const whole = raw.trim()
    if (/^(?:\d+\.?\d*|\.\d+)%$/.test(whole) && Number(whole.slice(0, -1)) <= 100)
        return { text: whole, error: "" }
    const items = raw.replace(/\s*:\s*/g, ":").split(/[\s,]+/).filter(function (t) { return t.length > 0 })
    for (let i = 0; i < items.length; ++i) {
        if (Grammar.parseItem(items[i]) === null) {
            const shown = items[i].length > 24 ? items[i].slice(0, 24) + "\u2026" : items[i]
            return refuse(qsTranslate("ProjectPage", "Import failed: \u201C%1\u201D is not a range item.").arg(shown))
        }
    }
    if (items.length === 0)
        return refuse(qsTranslate("ProjectPage", "Import failed: file contained no recognizable hands."))
    return { text: items.join(", "), error: "" }
}

// The text of an imported range file as range text; "" when it holds none.
function normalizeImportedRangeText(rawText) {
    return readImportedRange(rawText).text
}
