// The card picker's grid: ranks as columns, suits as rows, and which cards
// are taken.
.pragma library

const RANKS = ["A", "K", "Q", "J", "T", "9", "8", "7", "6", "5", "4", "3", "2"]
const SUITS = ["s", "h", "d", "c"]
const SUIT_SYMBOLS = { "s": "\u2660", "h": "\u2665", "d": "\u2666", "c": "\u2663" }

// A card is used when the list holds its text with the suit as given or
// upper-cased; the rank is compared exactly as the picker writes it.
function isCardUsed(usedCards, rank, suit) {
    if (!usedCards || usedCards.length === undefined)
        return false
    const a = String(rank) + String(suit)
    const b = String(rank) + String(suit).toUpperCase()
    for (let i = 0; i < usedCards.length; ++i) {
        const entry = usedCards[i]
        if (entry === a || entry === b)
            return true
    }
    return false
}

function cardText(rank, suit) {
    return String(rank) + String(suit).toLowerCase()
}

// The colour of a suit's row: the theme's text colour for spades on the dark
// palette (the near-black spade colour would vanish on dark surfaces), else
// the theme's suit colour; white without a theme.
function rowColor(theme, suit) {
    if (!theme)
        return "white"
    if (suit === "s" && theme.dark)
        return theme.text
    return theme.suitColor(suit)
}
