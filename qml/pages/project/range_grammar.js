.pragma library
// The solver's range grammar, read exactly as the engine reads a range item
// ("QQ+", "T9s+", "A5s-A2s", "T9s-65s", "K9s-QTs", "AhKs", each with an
// optional ":weight"), so that the set-up page's matrices light the hands a
// solve will use. Patterns here count ranks as the engine does: 0 is the
// deuce and 12 the ace. Every reader returns null for what the engine
// refuses; nothing throws.

var _RANKS_LOWER = "23456789tjqka"
var _SUITS_LOWER = "cdhs"
var LABEL_RANKS = "23456789TJQKA"

var ANY = 0
var SUITED = 1
var OFFSUIT = 2
var EXACT = 3

var RANK_COUNT = 13

function _indexIn(alphabet, c) {
    if (typeof c !== "string" || c.length !== 1)
        return -1
    return alphabet.indexOf(c.toLowerCase())
}

function rankOf(c) {
    return _indexIn(_RANKS_LOWER, c)
}

function suitOf(c) {
    return _indexIn(_SUITS_LOWER, c)
}

function _isLetter(c) {
    return /^[A-Za-z]$/.test(c)
}

function _pattern(hi, lo, kind, s1, s2) {
    return { hi: hi, lo: lo, kind: kind, s1: s1 || 0, s2: s2 || 0 }
}

function _withRanks(p, hi, lo) {
    return _pattern(hi, lo, p.kind, p.s1, p.s2)
}

// One combo pattern: "AA", "AK", "AKs", "AKo" (ranks and suffix in either
// case) or an exact combo "AhKs" (the higher rank first).
function parsePattern(text) {
    const t = String(text)
    if (t.length === 0)
        return null
    if (t.length === 4 && _isLetter(t.charAt(1)) && _isLetter(t.charAt(3))) {
        const hi = rankOf(t.charAt(0)), s1 = suitOf(t.charAt(1))
        const lo = rankOf(t.charAt(2)), s2 = suitOf(t.charAt(3))
        if (hi < 0 || s1 < 0 || lo < 0 || s2 < 0 || hi < lo || (hi === lo && s1 === s2))
            return null
        return _pattern(hi, lo, EXACT, s1, s2)
    }
    if (t.length !== 2 && t.length !== 3)
        return null
    const hi = rankOf(t.charAt(0))
    const lo = rankOf(t.charAt(1))
    if (hi < 0 || lo < 0)
        return null
    let kind = ANY
    if (t.length === 3) {
        const suffix = t.charAt(2).toLowerCase()
        if (suffix === "s")
            kind = SUITED
        else if (suffix === "o")
            kind = OFFSUIT
        else
            return null
    }
    if (hi < lo || (hi === lo && kind !== ANY))
        return null
    return _pattern(hi, lo, kind)
}

// "A5s+" raises the kicker under a fixed high rank; "T9s+" and "22+" raise
// both ranks together up to the ace. Pairs are listed from the aces down.
function _plus(item) {
    if (item.length < 2)
        return null
    const base = parsePattern(item.slice(0, -1))
    if (base === null)
        return null
    const out = []
    if (base.hi - base.lo > 1) {
        for (let l = base.lo; l < base.hi; ++l)
            out.push(_withRanks(base, base.hi, l))
        return out
    }
    for (let step = 0; base.hi + step < RANK_COUNT; ++step)
        out.push(_withRanks(base, base.hi + step, base.lo + step))
    return base.hi === base.lo ? out.reverse() : out
}

// "22-55", "T9s-65s", "A2s-A5s" and the block "K9s-QTs", in either
// direction; listed from the left end to the right one.
function _span(item) {
    const dash = item.indexOf("-")
    const left = parsePattern(item.slice(0, dash))
    const right = parsePattern(item.slice(dash + 1))
    if (left === null || right === null || left.kind !== right.kind)
        return null
    const h1 = left.hi, l1 = left.lo, h2 = right.hi, l2 = right.lo
    const gap1 = h1 - l1, gap2 = h2 - l2
    const out = []
    if (gap1 === gap2) {
        for (let h = Math.min(h1, h2); h <= Math.max(h1, h2); ++h)
            out.push(_withRanks(left, h, h - gap1))
        return h1 > h2 ? out.reverse() : out
    }
    if (h1 === h2) {
        for (let l = Math.min(l1, l2); l <= Math.max(l1, l2); ++l)
            out.push(_withRanks(left, h1, l))
        return l1 > l2 ? out.reverse() : out
    }
    if (gap1 === 0 || gap2 === 0 || (left.kind !== SUITED && left.kind !== OFFSUIT))
        return null
    for (let h = Math.min(h1, h2); h <= Math.max(h1, h2); ++h) {
        for (let l = Math.min(l1, l2); l <= Math.max(l1, l2) && l < h; ++l)
            out.push(_withRanks(left, h, l))
    }
    return out
}

// The patterns of one expression (an item without its weight), or null.
function parseExpression(expression) {
    const e = String(expression)
    if (e.length === 0)
        return null
    if (e.indexOf("-") >= 0)
        return _span(e)
    if (e.charAt(e.length - 1) === "+")
        return _plus(e)
    const p = parsePattern(e)
    return p === null ? null : [p]
}

var _FLT_MAX = 3.4028234663852886e38

// A weight as the C library reads the whole text into a float: decimal or
// hexadecimal, with an exponent; null when it is no number or not in [0, 1].
function parseWeight(text) {
    const t = String(text)
    let v = NaN
    const dec = /^[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?$/
    const hex = /^([+-]?)0[xX]([0-9a-fA-F]*)(?:\.([0-9a-fA-F]*))?(?:[pP]([+-]?\d+))?$/
    if (dec.test(t)) {
        v = Number(t)
    } else {
        const m = hex.exec(t)
        if (m !== null) {
            const whole = m[2] || "", frac = m[3] || ""
            if (whole.length + frac.length > 0) {
                const digits = whole + frac
                v = 0
                for (let i = 0; i < digits.length; ++i)
                    v = v * 16 + parseInt(digits.charAt(i), 16)
                v = v * Math.pow(2, (m[4] ? Number(m[4]) : 0) - 4 * frac.length)
                if (m[1] === "-")
                    v = -v
            }
        }
    }
    if (!isFinite(v) || Math.abs(v) > _FLT_MAX)
        return null
    const f = Math.fround(v)
    return f >= 0 && f <= 1 ? f : null
}

// One comma-separated item without white space: {patterns, weight}, or null
// when the engine would refuse it.
function parseItem(item) {
    const s = String(item)
    let expression = s
    let weight = 1
    const colon = s.indexOf(":")
    if (colon >= 0) {
        expression = s.slice(0, colon)
        const rest = s.slice(colon + 1)
        if (rest.length === 0)
            return null
        weight = parseWeight(rest)
        if (weight === null)
            return null
    }
    const patterns = parseExpression(expression)
    return patterns === null ? null : { patterns: patterns, weight: weight }
}

// ---- Hand classes -----------------------------------------------------

// The 169-class label of a pattern's class: "AA", "AKs", "AKo"; for an
// exact combo the class it belongs to.
function _classOf(hi, lo, type) {
    return LABEL_RANKS.charAt(hi) + LABEL_RANKS.charAt(lo) + type
}

// The classes a pattern touches, in order.
function patternClasses(p) {
    if (p.hi === p.lo)
        return [_classOf(p.hi, p.lo, "")]
    if (p.kind === SUITED)
        return [_classOf(p.hi, p.lo, "s")]
    if (p.kind === OFFSUIT)
        return [_classOf(p.hi, p.lo, "o")]
    if (p.kind === EXACT)
        return [_classOf(p.hi, p.lo, p.s1 === p.s2 ? "s" : "o")]
    return [_classOf(p.hi, p.lo, "s"), _classOf(p.hi, p.lo, "o")]
}

// The class labels an expression touches, each once, or null.
function expressionClasses(expression) {
    const patterns = parseExpression(expression)
    if (patterns === null)
        return null
    const out = []
    for (let i = 0; i < patterns.length; ++i) {
        const labels = patternClasses(patterns[i])
        for (let j = 0; j < labels.length; ++j) {
            if (out.indexOf(labels[j]) < 0)
                out.push(labels[j])
        }
    }
    return out
}

// Combo weights per class: a pair has 6 combos, a suited class 4 and an
// offsuit class 12. A class's shown weight is the mean of its combos, so
// an exact combo fills its class in part.
function ComboTable() {
    this.classes = {}
    this.order = []
}

ComboTable.prototype._slots = function (label, count) {
    let slots = this.classes[label]
    if (slots === undefined) {
        slots = []
        for (let i = 0; i < count; ++i)
            slots.push(0)
        this.classes[label] = slots
        this.order.push(label)
    }
    return slots
}

ComboTable.prototype._fill = function (label, count, weight, index) {
    const slots = this._slots(label, count)
    if (index === undefined) {
        for (let i = 0; i < count; ++i)
            slots[i] = weight
    } else {
        slots[index] = weight
    }
}

// Index of the unordered suit pair {a, b}, a != b, among the six.
function _pairSlot(a, b) {
    const x = Math.min(a, b), y = Math.max(a, b)
    return [[-1, 0, 1, 2], [0, -1, 3, 4], [1, 3, -1, 5], [2, 4, 5, -1]][x][y]
}

ComboTable.prototype.assign = function (p, weight) {
    if (p.hi === p.lo) {
        const label = _classOf(p.hi, p.lo, "")
        if (p.kind === EXACT)
            this._fill(label, 6, weight, _pairSlot(p.s1, p.s2))
        else
            this._fill(label, 6, weight)
        return
    }
    if (p.kind === EXACT) {
        if (p.s1 === p.s2)
            this._fill(_classOf(p.hi, p.lo, "s"), 4, weight, p.s1)
        else
            this._fill(_classOf(p.hi, p.lo, "o"), 12, weight, p.s1 * 3 + (p.s2 < p.s1 ? p.s2 : p.s2 - 1))
        return
    }
    if (p.kind !== OFFSUIT)
        this._fill(_classOf(p.hi, p.lo, "s"), 4, weight)
    if (p.kind !== SUITED)
        this._fill(_classOf(p.hi, p.lo, "o"), 12, weight)
}

// {label: mean weight} of every class an item touched.
ComboTable.prototype.weights = function () {
    const out = {}
    for (let i = 0; i < this.order.length; ++i) {
        const slots = this.classes[this.order[i]]
        let sum = 0
        for (let j = 0; j < slots.length; ++j)
            sum += slots[j]
        out[this.order[i]] = sum / slots.length
    }
    return out
}
