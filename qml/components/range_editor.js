// The range editor's own small range grammar: hand classes, pairs with "+",
// one whole-range percentage and ":weight" suffixes; written back as class
// labels without weights.
.pragma library

const RANKS = ["A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"]

// All 169 class labels, row by row over the grid (higher rank first).
function allClasses() {
    const out = []
    for (let i = 0; i < 13; ++i) {
        for (let j = 0; j < 13; ++j) {
            if (i === j)
                out.push(RANKS[i] + RANKS[j])
            else if (i < j)
                out.push(RANKS[i] + RANKS[j] + "s")
            else
                out.push(RANKS[j] + RANKS[i] + "o")
        }
    }
    return out
}

// One hand token to the class labels it stands for.
function expandHand(hand) {
    const h = String(hand)
    if (h.length === 2) {
        const a = h.charAt(0).toUpperCase()
        const b = h.charAt(1).toUpperCase()
        if (a === b)
            return [a + b]
        return [a + b + "s", a + b + "o"]
    }
    if (h.length === 3 && h.charAt(2) === "+" && h.charAt(0) === h.charAt(1)) {
        const idx = RANKS.indexOf(h.charAt(0).toUpperCase())
        if (idx < 0)
            return [h]
        const out = []
        for (let i = 0; i <= idx; ++i)
            out.push(RANKS[i] + RANKS[i])
        return out
    }
    if (h.length === 3)
        return [h.substring(0, 2).toUpperCase() + h.charAt(2).toLowerCase()]
    return [h]
}

// Range text to a map of class label -> weight.
function parseRangeText(text) {
    const weights = {}
    const s = text === undefined || text === null ? "" : String(text)
    if (s.trim().length === 0)
        return weights
    const pct = /^(\d+(?:\.\d+)?)\s*%$/.exec(s)
    if (pct) {
        const w = Number(pct[1]) / 100
        const labels = allClasses()
        for (let i = 0; i < labels.length; ++i)
            weights[labels[i]] = w
        return weights
    }
    const pieces = s.split(/[,\s]+/)
    for (let i = 0; i < pieces.length; ++i) {
        const piece = pieces[i]
        if (piece.length <= 1)
            continue
        const parts = piece.split(":")
        const weight = parts.length > 1 ? parseFloat(parts[1]) : 1.0
        const labels = expandHand(parts[0])
        for (let k = 0; k < labels.length; ++k)
            weights[labels[k]] = weight
    }
    return weights
}

// The labels with a weight above 0, in the map's order.
function weightsToText(w) {
    const out = []
    if (!w)
        return ""
    for (const key in w) {
        if (w[key] > 0)
            out.push(key)
    }
    return out.join(", ")
}

function countHands(w) {
    let n = 0
    if (!w)
        return 0
    for (const key in w) {
        if (w[key] > 0)
            ++n
    }
    return n
}

// A copy of the map with one class toggled: taken out when it has a weight,
// else put in at full weight.
function toggled(w, hand, currentWeight) {
    const copy = {}
    if (w) {
        for (const key in w)
            copy[key] = w[key]
    }
    if (currentWeight > 0)
        delete copy[hand]
    else
        copy[hand] = 1.0
    return copy
}

// Whether a paint step asks for a change: add a class that is off, or take
// out one that is on.
function paintChanges(desiredOn, currentWeight) {
    return desiredOn ? !(currentWeight > 0) : currentWeight > 0
}
