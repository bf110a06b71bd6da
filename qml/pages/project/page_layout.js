.pragma library
// The set-up page's geometry: the size scale, the widths derived from it,
// the widths the rows need and the window width the page asks for. Also the
// header's memory figures.

var BASELINE_WIDTH = 1540.0
var MIN_SCALE = 0.80
var ROW_MARGIN = 24
var CARD_SPACING = 16
var BOARD_CARD_EXTRA = 27
var BOARD_CARD_MIN = 240
var GAME_CARD_ABSENT = 420
var SIZING_CARD_ABSENT = 520

// Halves up: 61.6 gives 62, 0.5 gives 1.
function roundHalfUp(x) {
    return Math.floor(x + 0.5)
}

function uiScale(pageWidth) {
    const w = Number(pageWidth)
    if (!isFinite(w))
        return MIN_SCALE
    return Math.max(MIN_SCALE, Math.min(1.0, w / BASELINE_WIDTH))
}

function sizingStreetColumnWidth(scale) {
    return Math.max(56, roundHalfUp(70 * scale * 1.10))
}

function gameSettingsInputColumnWidth(scale) {
    return Math.max(52, roundHalfUp(60 * scale))
}

// An implicit width, or `absent` for an item that does not exist yet.
function _width(item, absent) {
    return item ? item.implicitWidth : absent
}

// The board column's width: the board card around the board display, at
// least 240, and as wide as the card of profile buttons under it needs.
function boardColumnWidth(boardDisplay, buttonsCard) {
    return Math.max(_width(boardDisplay, 0) + BOARD_CARD_EXTRA, BOARD_CARD_MIN, _width(buttonsCard, 0))
}

// Margins, the board column (with the card of profile buttons under the
// board, when given), the game-settings card and both sizing cards with the
// spacing between them.
function row1RequiredWidth(boardDisplay, gameCard, oopCard, ipCard, buttonsCard) {
    return 2 * ROW_MARGIN + boardColumnWidth(boardDisplay, buttonsCard)
            + CARD_SPACING + _width(gameCard, GAME_CARD_ABSENT)
            + CARD_SPACING + _width(oopCard, SIZING_CARD_ABSENT)
            + CARD_SPACING + _width(ipCard, SIZING_CARD_ABSENT)
}

// The first row in two lines (board and game settings, then both sizing
// cards): the width it needs when one line does not fit.
function row1WrappedWidth(boardDisplay, gameCard, oopCard, ipCard, buttonsCard) {
    return 2 * ROW_MARGIN + Math.max(boardColumnWidth(boardDisplay, buttonsCard) + CARD_SPACING + _width(gameCard, GAME_CARD_ABSENT),
                                     _width(oopCard, SIZING_CARD_ABSENT) + CARD_SPACING + _width(ipCard, SIZING_CARD_ABSENT))
}

// Margins and both range panels at their narrowest (each matrix beside its
// library column at its least width); a panel that does not exist yet
// counts 0.
function rangesRequiredWidth(oopPanel, ipPanel) {
    return 2 * ROW_MARGIN + (oopPanel ? oopPanel.narrowestWidth : 0) + CARD_SPACING
            + (ipPanel ? ipPanel.narrowestWidth : 0)
}

// Margins and the header's own width: the title, the memory figures and the
// way on, as wide as their texts in the language shown.
function headerRequiredWidth(header) {
    return 2 * ROW_MARGIN + _width(header, 0)
}

// The smallest whole width at which neither row needs scrolling.
function recommendedWidth(row1, ranges) {
    return Math.ceil(Math.max(row1, ranges))
}

// The tallest of the given items' implicit heights; missing items are
// skipped.
function uniformHeight(items) {
    let h = 0
    for (let i = 0; i < items.length; ++i) {
        if (items[i])
            h = Math.max(h, items[i].implicitHeight)
    }
    return h
}

function _figure(v) {
    return v === undefined || v === null ? 0 : Number(v)
}

// The estimate does not fit: both figures known (finite, above 0) and the
// required one above the available one.
function memoryWarning(required, available) {
    const req = _figure(required)
    const avail = _figure(available)
    return isFinite(req) && isFinite(avail) && req > 0 && avail > 0 && req > avail
}

// A controller's memory text, or `fallback` when there is none.
function memoryText(text, fallback) {
    const t = text === undefined || text === null ? "" : String(text)
    return t.length > 0 ? t : fallback
}
