// Geometry and data rules of the 13 x 13 hand matrix: class labels, weights,
// cell sizes, the hit test, the cells under a stroke and the fill and segment
// rectangles of a cell.
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

// The length of a list; 0 for anything else.
function count(list) {
    return list && list.length !== undefined ? Number(list.length) : 0
}

// A class's probabilities when there is one per action, else null; its cell
// is mixed when this is a list and it has something to fill. `actions` holds
// the action keys (types) and the probability map (probs).
function alignedProbs(actions, hand) {
    const n = count(actions.types)
    if (n === 0)
        return null
    const probs = probsFor(actions.probs, hand)
    return count(probs) === n ? probs : null
}

// Whether some class has a probability per action, so that its cell can
// draw segments.
function anyAligned(actions) {
    const n = count(actions.types)
    if (n === 0 || !actions.probs || typeof actions.probs !== "object")
        return false
    for (const hand in actions.probs) {
        if (count(actions.probs[hand]) === n)
            return true
    }
    return false
}

// Two lists with the same entries.
function sameList(a, b) {
    const n = count(a)
    if (n !== count(b))
        return false
    for (let i = 0; i < n; ++i) {
        if (a[i] !== b[i])
            return false
    }
    return true
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

// Where the stroke from (px, py) along (dx, dy), at t from 0 to 1, first
// meets the closed square with top-left corner (left, top): that t, or -1 when
// it misses the square.
function _strokeEntry(px, py, dx, dy, left, top, side) {
    let t0 = 0
    let t1 = 1
    // Each side of the square as p * t <= q (left, right, top, bottom).
    const p = [-dx, dx, -dy, dy]
    const q = [px - left, left + side - px, py - top, top + side - py]
    for (let i = 0; i < 4; ++i) {
        if (p[i] === 0) {
            if (q[i] < 0)
                return -1
            continue
        }
        const r = q[i] / p[i]
        if (p[i] < 0)
            t0 = Math.max(t0, r)
        else
            t1 = Math.min(t1, r)
        if (t0 > t1)
            return -1
    }
    return t0
}

// The cells that a straight stroke from (x0, y0) to (x1, y1), in grid
// coordinates, passes over, in the order it reaches them; a stroke that only
// runs through the gaps between two cells touches neither. The cells of the
// rows and columns the stroke spans are each clipped against it, so that a
// fast move, reported as one long step, still covers every cell in between.
function cellsOnStroke(x0, y0, x1, y1, cell, spacing) {
    const step = cell + spacing
    if (!isFinite(x0) || !isFinite(y0) || !isFinite(x1) || !isFinite(y1) || !(step > 0))
        return []
    const colFirst = Math.max(0, Math.floor(Math.min(x0, x1) / step))
    const colLast = Math.min(12, Math.floor(Math.max(x0, x1) / step))
    const rowFirst = Math.max(0, Math.floor(Math.min(y0, y1) / step))
    const rowLast = Math.min(12, Math.floor(Math.max(y0, y1) / step))
    const hits = []
    for (let row = rowFirst; row <= rowLast; ++row) {
        for (let col = colFirst; col <= colLast; ++col) {
            const t = _strokeEntry(x0, y0, x1 - x0, y1 - y0, col * step, row * step, cell)
            if (t >= 0)
                hits.push({ "t": t, "index": row * 13 + col })
        }
    }
    hits.sort(function (a, b) { return a.t - b.t || a.index - b.index })
    return hits.map(function (h) { return h.index })
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

