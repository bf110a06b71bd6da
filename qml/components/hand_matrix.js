// Geometry and data rules of the 13 x 13 hand matrix: class labels, weights,
// cell sizes, the hit test and the fill and segment rectangles of a cell.
.pragma library

const RANKS = ["A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"]

// Pairs on the diagonal, suited classes above it, offsuit below; the higher
// rank always first.
function handAt(row, col) {
    if (row === col)
        return RANKS[row] + RANKS[col]
    if (row < col)
        return RANKS[row] + RANKS[col] + "s"
    return RANKS[col] + RANKS[row] + "o"
}

// The 169 labels by cell index, built once.
const LABELS = (function () {
    const out = []
    for (let i = 0; i < 169; ++i)
        out.push(handAt(Math.floor(i / 13), i % 13))
    return out
})()

function _has(map, key) {
    return map !== null && map !== undefined && typeof map === "object"
            && Object.prototype.hasOwnProperty.call(map, key)
}

// The stored weight of a class, unchanged; 0 when the map lacks it.
function weightFor(weights, hand) {
    return _has(weights, hand) ? weights[hand] : 0
}

function clamp01(v) {
    const n = Number(v)
    if (!isFinite(n))
        return 0
    return Math.max(0, Math.min(1, n))
}

// A class is on when its weight reads as a number above 0.
function isOn(weight) {
    return Number(weight) > 0
}

function probsFor(actionProbs, hand) {
    return _has(actionProbs, hand) ? actionProbs[hand] : []
}

// Sum of the non-negative finite probabilities before index idx; not capped.
function cumProb(probs, idx) {
    if (!probs)
        return 0
    let sum = 0
    for (let i = 0; i < idx && i < probs.length; ++i) {
        const p = Number(probs[i])
        if (isFinite(p))
            sum += Math.max(0, p)
    }
    return sum
}

function _count(list) {
    return list && list.length !== undefined ? Number(list.length) : 0
}

// Mixed: one probability per action and something to fill.
function isMixed(actionTypes, probs, weight01) {
    const n = _count(actionTypes)
    return n > 0 && _count(probs) === n && weight01 > 0
}

function effectiveCellSize(autoFit, width, cellSize, cellSpacing, minCell, maxCell) {
    if (!autoFit)
        return cellSize
    const w = Math.max(0, Number(width))
    const c = Math.floor((w - 12 * cellSpacing) / 13)
    if (!isFinite(c))
        return cellSize
    return Math.max(minCell, Math.min(maxCell, c))
}

function matrixSize(cell, spacing) {
    return 13 * cell + 12 * spacing
}

// The cell under a point in grid coordinates, or -1 (outside, or in the gap
// after a cell). A point on a cell's right or bottom edge belongs to it.
function indexAt(x, y, cell, spacing) {
    const step = cell + spacing
    if (!isFinite(x) || !isFinite(y) || x < 0 || y < 0 || !(step > 0))
        return -1
    const col = Math.floor(x / step)
    const row = Math.floor(y / step)
    if (col < 0 || col > 12 || row < 0 || row > 12)
        return -1
    if (x - col * step > cell || y - row * step > cell)
        return -1
    return row * 13 + col
}

// Left edge and width of each action's segment across a fill of width W; the
// last action takes whatever remains.
function segments(probs, count, W) {
    const out = []
    for (let i = 0; i < count; ++i) {
        const left = W * cumProb(probs, i)
        let width
        if (i === count - 1)
            width = Math.max(0, W - left)
        else
            width = W * clamp01(probs[i])
        out.push({ "x": left, "width": width })
    }
    return out
}

// Every segment's left edge and width as drawn, in one flat list
// [x0, w0, x1, w1, ...]: cut to the fill area [0, W] (what lies beyond the fill
// is not shown). Cut geometry instead of a clipping item, and one pass per
// cell, keep a full repaint of the grid cheap.
function drawnSpans(probs, count, W) {
    const out = new Array(2 * count)
    let cum = 0
    for (let i = 0; i < count; ++i) {
        const left = Math.min(W, Math.max(0, W * cum))
        let right
        if (i === count - 1) {
            right = W
        } else {
            const p = Number(probs[i])
            right = Math.min(W, W * cum + W * (isFinite(p) ? Math.max(0, Math.min(1, p)) : 0))
        }
        out[2 * i] = left
        out[2 * i + 1] = Math.max(0, right - left)
        const q = Number(probs[i])
        if (isFinite(q))
            cum += Math.max(0, q)
    }
    return out
}

// The colour of a class's plain fill: its own colour when given, else the
// accent at alpha weight x 0.8 (transparent for no weight).
function colorFor(colors, theme, hand, weight) {
    if (_has(colors, hand))
        return colors[hand]
    if (!(weight > 0))
        return "transparent"
    if (theme) {
        const a = theme.accent
        return Qt.rgba(a.r, a.g, a.b, weight * 0.8)
    }
    return Qt.rgba(0.247, 0.725, 0.314, weight * 0.8)
}

