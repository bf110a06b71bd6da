.pragma library
// The set-up page's board: its text read into five slots and written back,
// the street it implies, whether it is a whole board, and where the card
// picker goes under it.
.import "../../components/solve_gating.js" as Gating

var SLOTS = 5
var GAP = "__"
var PICKER_MARGIN = 12
var PICKER_GAP = 8

function _stripped(s) {
    return String(s === undefined || s === null ? "" : s).replace(/\s/g, "")
}

// The pairs of the text as written, blanks removed; the gap marker is an
// empty slot, a last single character is dropped, and the list is padded
// with empty slots to five entries (never cut).
function cardsArray(text) {
    const raw = _stripped(text)
    const cards = []
    for (let i = 0; i + 1 < raw.length; i += 2) {
        const pair = raw.substr(i, 2)
        cards.push(pair === GAP ? "" : pair)
    }
    while (cards.length < SLOTS)
        cards.push("")
    return cards
}

function _entry(cards, i) {
    const v = cards ? cards[i] : undefined
    return v === undefined || v === null ? "" : String(v)
}

// Slots 0 up to the last filled one of the first five, an empty slot before
// it as the gap marker; no card at all gives the empty text.
function textFromCards(cards) {
    let last = -1
    for (let i = 0; i < SLOTS; ++i) {
        if (_entry(cards, i).length > 0)
            last = i
    }
    let out = ""
    for (let i = 0; i <= last; ++i) {
        const c = _entry(cards, i)
        out += c.length > 0 ? c : GAP
    }
    return out
}

function _isSlot(index) {
    return typeof index === "number" && Math.floor(index) === index && index >= 0 && index < SLOTS
}

function _unchanged(text) {
    return String(text === undefined || text === null ? "" : text)
}

// The board text with `card` in slot `index`; any other index leaves the
// text as it is.
function withCardAt(text, index, card) {
    if (!_isSlot(index))
        return _unchanged(text)
    const cards = cardsArray(text)
    cards[index] = card === undefined || card === null ? "" : String(card)
    return textFromCards(cards)
}

// The board text with slot `index` and every later slot emptied; any other
// index leaves the text as it is.
function clearedFrom(text, index) {
    if (!_isSlot(index))
        return _unchanged(text)
    const cards = cardsArray(text)
    for (let i = index; i < cards.length; ++i)
        cards[i] = ""
    return textFromCards(cards)
}

// The valid cards of the board, rank upper-cased and suit lower-cased.
function usedCards(text) {
    const norm = Gating.normalizeBoardText(text)
    const out = []
    for (let i = 0; i + 1 < norm.length; i += 2)
        out.push(norm.substr(i, 2))
    return out
}

// The street that the number of valid cards names, wherever they stand.
function inferStreet(text) {
    const n = usedCards(text).length
    if (n >= 5)
        return "river"
    if (n === 4)
        return "turn"
    return "flop"
}

// A whole flop, turn or river: 6, 8 or 10 characters that are all cards
// (repeated cards are not looked for).
function isValidBoard(text) {
    return Gating.isStrictBoardReady(text)
}

// "flop", "turn" or "river": which card slot `index` edits.
function slotStreet(index) {
    if (index < 3)
        return "flop"
    return index === 3 ? "turn" : "river"
}

// The picker's top-left corner: 8 pixels under the board's bottom-left
// corner `anchor` (window coordinates), kept 12 pixels inside the window;
// the near edge wins when the dialog does not fit.
function pickerPosition(anchor, windowWidth, windowHeight, dialogWidth, dialogHeight) {
    const x = Math.min(anchor.x, windowWidth - dialogWidth - PICKER_MARGIN)
    const y = Math.min(anchor.y + PICKER_GAP, windowHeight - dialogHeight - PICKER_MARGIN)
    return { "x": Math.max(PICKER_MARGIN, x), "y": Math.max(PICKER_MARGIN, y) }
}
