.pragma library
// Node-lock edits of the results page: the mixed-frequency inputs (one text
// per action, kept adding up to 1 as the user edits them), the strategy a
// click locks, and the page's per-node lock map.

function _validCount(n) {
    return typeof n === "number" && isFinite(n) && n > 0
}

function _hundredths(x) {
    // The small nudge keeps values such as 0.125 from rounding down through
    // their binary representation.
    return Math.round(x * 100 + 1e-9) / 100
}

function nodeKey(nodeIndex) {
    return String(nodeIndex)
}

// n equal shares written with two decimals (they need not add up to 1).
function initMixedInputs(n) {
    if (!_validCount(n))
        return []
    const out = []
    for (let i = 0; i < n; ++i)
        out.push((1 / n).toFixed(2))
    return out
}

// A field's text as a number: blanks around it ignored, empty as 0; NaN
// when it is not a number.
function _fieldNumber(text) {
    const t = text === undefined || text === null ? "" : String(text).trim()
    if (t.length === 0)
        return 0
    const v = Number(t)
    return isFinite(v) ? v : NaN
}

// The inputs after field `editedIndex` was set to `editedValue`: the other
// actions keep their values except the sink (the last action, or the one
// before it when the last was edited), which takes what is left of 1.
// Returns null when the edit changes nothing (a bad count, index or number).
function applyMixedEdit(n, texts, editedIndex, editedValue) {
    if (!_validCount(n) || !(editedIndex >= 0 && editedIndex < n) || Math.floor(editedIndex) !== editedIndex)
        return null
    let v = _fieldNumber(editedValue)
    if (isNaN(v))
        return null
    v = Math.max(0, Math.min(1, v))
    const values = []
    for (let i = 0; i < n; ++i) {
        const x = texts && i < texts.length ? Number(texts[i]) : 0
        values.push(isFinite(x) && x > 0 ? x : 0)
    }
    if (n === 1) {
        values[0] = 1
    } else {
        const sink = editedIndex === n - 1 ? n - 2 : n - 1
        let fixedSum = 0
        for (let i = 0; i < n; ++i) {
            if (i !== editedIndex && i !== sink)
                fixedSum += values[i]
        }
        v = Math.max(0, Math.min(Math.max(0, 1 - fixedSum), v))
        values[editedIndex] = _hundredths(v)
        values[sink] = _hundredths(Math.max(0, 1 - fixedSum - values[editedIndex]))
    }
    return values.map(function (x) { return x.toFixed(2) })
}

// The strategy the inputs describe: shares of their sum (equal shares when
// nothing positive was typed).
function mixedProbsFromInputs(n, texts) {
    if (!_validCount(n))
        return []
    const out = []
    let sum = 0
    for (let i = 0; i < n; ++i) {
        const x = texts && i < texts.length ? Number(texts[i]) : NaN
        const v = isFinite(x) && x > 0 ? x : 0
        out.push(v)
        sum += v
    }
    for (let i = 0; i < n; ++i)
        out[i] = sum > 0 ? out[i] / sum : 1 / n
    return out
}

// Probability 1 for the chosen action, 0 for the others.
function singleActionProbs(n, index) {
    const out = []
    for (let i = 0; i < n; ++i)
        out.push(i === index ? 1.0 : 0.0)
    return out
}

// A new lock map with the class locked to `probs` at the node (an earlier
// lock of the class replaced).
function withLock(locksByNode, key, hand, probs) {
    const out = Object.assign({}, locksByNode || {})
    const node = Object.assign({}, out[key] || {})
    node[hand] = { actionProbs: probs }
    out[key] = node
    return out
}

// A new lock map in which the node holds no lock.
function withoutNodeLocks(locksByNode, key) {
    const out = Object.assign({}, locksByNode || {})
    out[key] = {}
    return out
}
