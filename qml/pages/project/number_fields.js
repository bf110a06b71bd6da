.pragma library
// Numbers typed into the set-up page's fields: read and shown in the C
// locale whatever the interface language (a decimal point, an optional
// thousands comma in whole groups of three), clamped into a field's range
// when committed, with a fixed value for a text that reads as no number.

// Sign, whole part (plain digits or comma-grouped), fraction, exponent.
var _DECIMAL = /^([+-]?)((?:\d{1,3}(?:,\d{3})+)|\d*)(?:\.(\d*))?(?:[eE]([+-]?\d+))?$/
var _WHOLE = /^([+-]?)((?:\d{1,3}(?:,\d{3})+)|\d+)$/

function _text(s) {
    return String(s === undefined || s === null ? "" : s).trim()
}

// The number a whole text stands for, NaN when it is not one. "250,5" is no
// number in the C locale: it never reads as 250.
function parseDecimal(s) {
    const m = _DECIMAL.exec(_text(s))
    if (m === null)
        return NaN
    const whole = m[2].replace(/,/g, "")
    const fraction = m[3] === undefined ? "" : m[3]
    if (whole.length === 0 && fraction.length === 0)
        return NaN
    const exponent = m[4] === undefined ? "" : "e" + m[4]
    return Number(m[1] + (whole.length > 0 ? whole : "0") + "." + (fraction.length > 0 ? fraction : "0")
                  + exponent)
}

// The whole number a text stands for, NaN when it is not one.
function parseWhole(s) {
    const m = _WHOLE.exec(_text(s))
    if (m === null)
        return NaN
    return Number(m[1] + m[2].replace(/,/g, ""))
}

function clamp(v, lo, hi) {
    return Math.max(lo, Math.min(hi, v))
}

// The value a committed text gives a field: the number clamped into
// [lo, hi], or the fallback when the text reads as no finite number.
function commitValue(s, lo, hi, fallback, whole) {
    const n = whole ? parseWhole(s) : parseDecimal(s)
    if (!isFinite(n))
        return fallback
    return whole ? Math.round(clamp(n, lo, hi)) : clamp(n, lo, hi)
}

// The value of a text while it is still being typed, or null when it gives
// none yet (the validator's verdict `acceptable` comes with it).
function liveValue(s, acceptable, whole) {
    if (!acceptable)
        return null
    const n = whole ? parseWhole(s) : parseDecimal(s)
    return isFinite(n) ? n : null
}

// The shortest text that reads back as the same number: 100 as "100", 0.1
// as "0.1"; a value that is no finite number shows as nothing.
function display(v) {
    const n = Number(v)
    if (v === undefined || v === null || !isFinite(n))
        return ""
    return n === 0 ? "0" : String(n)
}
