// Board text read into card slots, the street it names and which slots may be
// clicked or are shown.
.pragma library

const RANKS = "AKQJT98765432"
const SUITS = "shdc"

function _emptySlot() {
    return { "rank": "", "suit": "" }
}

// Two characters per card after dropping white space; an invalid pair is an
// empty slot in its place, a trailing single character is ignored, and the
// list is padded with empty slots to at least five entries.
function parseBoard(text) {
    const s = String(text === undefined || text === null ? "" : text).replace(/\s+/g, "")
    const cards = []
    for (let i = 0; i + 1 < s.length; i += 2) {
        const rank = s.charAt(i).toUpperCase()
        const suit = s.charAt(i + 1).toLowerCase()
        if (RANKS.indexOf(rank) >= 0 && SUITS.indexOf(suit) >= 0)
            cards.push({ "rank": rank, "suit": suit })
        else
            cards.push(_emptySlot())
    }
    while (cards.length < 5)
        cards.push(_emptySlot())
    return cards
}

function isRealCard(slot) {
    return !!slot && String(slot.rank || "").length > 0
}

// The street named by the number of real cards, wherever they sit.
function streetLabel(cards) {
    let n = 0
    for (let i = 0; i < cards.length; ++i) {
        if (isRealCard(cards[i]))
            ++n
    }
    if (n >= 5)
        return "River"
    if (n === 4)
        return "Turn"
    if (n === 3)
        return "Flop"
    return "Preflop"
}

// Null or undefined indices mean every slot; a value that is not a list means
// none.
function isClickable(editable, clickableIndices, i) {
    if (!editable)
        return false
    if (clickableIndices === null || clickableIndices === undefined)
        return true
    if (typeof clickableIndices !== "object" || clickableIndices.length === undefined
            || typeof clickableIndices.indexOf !== "function")
        return false
    return clickableIndices.indexOf(i) >= 0
}

function flopVisible(cards, editable) {
    return editable || isRealCard(cards[0])
}

// The turn (3) or river (4) slot.
function laterSlotVisible(cards, index, compact, editable) {
    return !compact || editable || isRealCard(cards[index])
}

function riverDisabled(cards, editable) {
    return editable && !isRealCard(cards[3]) && !isRealCard(cards[4])
}

// Left edges of a row of elements and its width: hidden elements take no
// room, every shown one (even at width 0) takes part in the spacing.
function layoutRow(widths, visible, spacing) {
    const xs = []
    let x = 0
    let shown = 0
    for (let i = 0; i < widths.length; ++i) {
        if (!visible[i]) {
            xs.push(x)
            continue
        }
        if (shown > 0)
            x += spacing
        xs.push(x)
        x += widths[i]
        ++shown
    }
    return { "xs": xs, "width": x }
}
