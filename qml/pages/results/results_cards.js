.pragma library
// Card texts of the results page: two characters, rank then suit ("Ah").
// Ranks run high to low; suits in the order the page lists them.

var RANK_ORDER = ["A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"]
var SUIT_ORDER = ["s", "h", "d", "c"]

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function isRank(ch) {
    return RANK_ORDER.indexOf(ch) >= 0
}

function isSuit(ch) {
    return SUIT_ORDER.indexOf(ch) >= 0
}

function cardRank(cardText) {
    const t = _text(cardText)
    return t.length > 0 ? t.charAt(0) : ""
}

function cardSuit(cardText) {
    const t = _text(cardText)
    return t.length >= 2 ? t.charAt(1) : ""
}

// First character upper-cased, second lower-cased, the rest dropped; a text
// shorter than two characters gives "".
function normalizeCardText(t) {
    const s = _text(t)
    if (s.length < 2)
        return ""
    return s.charAt(0).toUpperCase() + s.charAt(1).toLowerCase()
}

// The 169-class label of two cards ("JJ", "AKs", "65o"), from the texts as
// they are; "" when a rank is missing.
function handClassFromCards(c1, c2) {
    const r1 = cardRank(c1)
    const r2 = cardRank(c2)
    if (r1 === "" || r2 === "")
        return ""
    if (r1 === r2)
        return r1 + r2
    const i1 = RANK_ORDER.indexOf(r1)
    const i2 = RANK_ORDER.indexOf(r2)
    const firstIsHigher = i1 >= 0 && i2 >= 0 && i1 < i2
    const hi = firstIsHigher ? r1 : r2
    const lo = firstIsHigher ? r2 : r1
    return hi + lo + (cardSuit(c1) === cardSuit(c2) ? "s" : "o")
}

// The cards of a board text: white space removed, cut into two-character
// pieces (a last odd character is ignored), each normalised.
function boardCards(boardText) {
    const s = _text(boardText).replace(/\s+/g, "")
    const cards = []
    for (let i = 0; i + 1 < s.length; i += 2)
        cards.push(normalizeCardText(s.substr(i, 2)))
    return cards
}

// The board in use: the practice board while one is dealt, else the solved one.
function parseBoardCardsNormalized(playBoardText, boardText) {
    const play = _text(playBoardText)
    return boardCards(play.length > 0 ? play : boardText)
}

function suitSymbol(suit) {
    switch (_text(suit).toLowerCase()) {
    case "s": return "\u2660"
    case "h": return "\u2665"
    case "d": return "\u2666"
    case "c": return "\u2663"
    }
    return ""
}
