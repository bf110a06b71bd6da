// Rules of one playing card: which look it shows, its suit glyph and the
// scale it is drawn at.
.pragma library

const SUIT_GLYPHS = { "h": "\u2665", "d": "\u2666", "c": "\u2663", "s": "\u2660" }

// The glyph of a suit letter in either case; anything else has none.
function suitSymbol(suit) {
    const key = String(suit === undefined || suit === null ? "" : suit).toLowerCase()
    return SUIT_GLYPHS.hasOwnProperty(key) ? SUIT_GLYPHS[key] : ""
}

// The scale the card is drawn at: never below a tenth, so that a zero, negative
// or unreadable factor still leaves a visible card.
function effectiveScale(sizeScale) {
    const s = Number(sizeScale)
    if (isNaN(s))
        return 0.1
    return Math.max(0.1, s)
}

// "back" when face down, "face" when both rank and suit are given, else "empty".
function look(faceDown, rank, suit) {
    if (faceDown)
        return "back"
    if (String(rank || "").length > 0 && String(suit || "").length > 0)
        return "face"
    return "empty"
}

// Start x of every stripe of the back: lines from (i, 0) to (i + h, h), 8 px
// apart, from -h while i < w.
function stripeStarts(w, h) {
    const out = []
    if (!(w > 0) || !(h > 0))
        return out
    for (let i = -h; i < w; i += 8)
        out.push(i)
    return out
}
