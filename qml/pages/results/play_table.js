.pragma library
// The geometry and the visibility rules of the play table.
.import "practice_logic.js" as Practice

// The table picture's width over its height (the drawing's view box).
var TABLE_ASPECT = 1600 / 1000

// The picture fitted into an area with its aspect kept.
function fitSize(areaWidth, areaHeight, aspect) {
    const w = Math.max(0, areaWidth)
    const h = Math.max(0, areaHeight)
    if (!(aspect > 0) || w === 0 || h === 0)
        return { width: 0, height: 0 }
    return w / h > aspect ? { width: h * aspect, height: h } : { width: w, height: w / aspect }
}

// The rectangle the picture paints in its area, centred. A picture not yet
// painted (still loading) is taken at the drawing's own aspect.
function paintedRect(areaWidth, areaHeight, paintedWidth, paintedHeight) {
    let size = { width: paintedWidth, height: paintedHeight }
    if (!(paintedWidth > 0 && paintedHeight > 0))
        size = fitSize(areaWidth, areaHeight, TABLE_ASPECT)
    return {
        x: (areaWidth - size.width) / 2,
        y: (areaHeight - size.height) / 2,
        width: size.width,
        height: size.height
    }
}

// The two seat anchors in an overlay of that size: OOP above the centre,
// IP below it, IP a little lower still on short tables so that its cards
// stay clear of the board.
function seatAnchors(width, height) {
    const cx = width / 2
    const cy = height / 2
    return {
        oop: { x: cx, y: cy - 0.26 * height },
        ip: { x: cx, y: cy + 0.26 * height + (height < 520 ? 18 : 8) }
    }
}

function promptWidth(overlayWidth) {
    return Math.min(380, 0.45 * overlayWidth)
}

// The prompt's top: centred on the acting seat, but kept on its side of the
// board (above it for OOP, below it for IP) and on the table, so that a
// prompt of several rows does not spread over the board.
var PROMPT_GAP = 6

function promptY(seatCentreY, promptHeight, boardTop, boardBottom, areaHeight, aboveBoard) {
    const centred = seatCentreY - promptHeight / 2
    if (aboveBoard)
        return Math.max(0, Math.min(centred, boardTop - PROMPT_GAP - promptHeight))
    return Math.min(areaHeight - promptHeight, Math.max(centred, boardBottom + PROMPT_GAP))
}

// The least height of the table: room for the seats, board and drill
// button at a legible size, and for the prompt on either side of the board
// (the board about 90 high at the size such a table gives its cards).
var TABLE_LEAST_HEIGHT = 300

function tableLeastHeight(promptHeight) {
    return Math.max(TABLE_LEAST_HEIGHT, Math.ceil(2 * (promptHeight + PROMPT_GAP) + 90))
}

// A seat's cards face up: the user's seats, and the seat being drilled.
function cardsFaceUp(role, seat, drillMode, drillActor) {
    return Practice.isHeroSeat(role, seat) || (!!drillMode && drillActor === seat)
}

// The opponent's last action is shown when it is not one of the user's seats.
function showsOpponentBubble(role, actor, text) {
    return String(text || "").length > 0 && !Practice.isHeroSeat(role, String(actor || ""))
}

// The board reacts to the turn and river slots only while a hand is open
// and no drill runs.
function boardEditable(playMode, sessionStarted, handComplete, drillMode) {
    return !!playMode && !!sessionStarted && !handComplete && !drillMode
}

// The drill can start at a decision of either seat.
function drillAvailable(meta) {
    const m = meta || {}
    return m.nodeType === "decision" && Practice.isSeat(String(m.player || ""))
}
