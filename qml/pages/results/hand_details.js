.pragma library
// The played hands as the play view shows them: a hand's details street by
// street (actions, winner, amount won, rake) built from its log entry, and
// the sizes and texts of the hand-log and details panels.

var STEP_SEPARATOR = " \u2192 "
var STREET_KEYS = ["flopActions", "turnActions", "riverActions"]

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _num(v) {
    if (v === undefined || v === null || v === "" || typeof v === "boolean")
        return NaN
    return Number(v)
}

// The board cut by position: flop, the board up to its last street, and
// the turn and river cards on their own.
function boardParts(board) {
    const b = _text(board)
    return {
        flopBoard: b.length >= 6 ? b.substr(0, 6) : b,
        riverBoard: b.length >= 10 ? b.substr(0, 10) : b.length >= 8 ? b.substr(0, 8)
                  : b.length >= 6 ? b.substr(0, 6) : b,
        turnCard: b.length >= 8 ? b.substr(6, 2) : "",
        riverCard: b.length >= 10 ? b.substr(8, 2) : ""
    }
}

// The steps of an action line, trimmed, empty ones dropped.
function steps(line) {
    const l = _text(line)
    if (l.length === 0)
        return []
    return l.split(STEP_SEPARATOR).map(function (s) { return s.trim() })
            .filter(function (s) { return s.length > 0 })
}

// {actor, action} of one step; a step without ":" is all action.
function parseStep(step) {
    const s = _text(step)
    const colon = s.indexOf(":")
    if (colon < 0)
        return { actor: "", action: s.trim() }
    return { actor: s.substr(0, colon).trim(), action: s.substr(colon + 1).trim() }
}

// The street (0 flop, 1 turn, 2 river) the hand's first steps belong to:
// the cards the board held before the hand's chance cards were dealt.
function startStreetIndex(board, stepList) {
    const cards = Math.floor(_text(board).length / 2)
    let dealt = 0
    for (let i = 0; i < stepList.length; ++i) {
        if (parseStep(stepList[i]).actor === "Chance")
            dealt += 1
    }
    return Math.max(0, Math.min(2, cards - 3 - dealt))
}

// The steps by street; a chance card moves the street on and is not listed.
function streetActions(stepList, startIndex) {
    const out = [[], [], []]
    let street = Math.max(0, Math.min(2, startIndex || 0))
    for (let i = 0; i < stepList.length; ++i) {
        const p = parseStep(stepList[i])
        if (p.actor === "Chance") {
            street = Math.min(2, street + 1)
            continue
        }
        out[street].push(p.actor.length > 0 && p.action.length > 0 ? p.actor + ": " + p.action : stepList[i])
    }
    return out
}

// The seat that wins by the last fold of the line: "OOP", "IP" or "".
function foldWinner(stepList) {
    for (let i = stepList.length - 1; i >= 0; --i) {
        const s = stepList[i]
        if (s.indexOf("Fold") < 0)
            continue
        const colon = s.indexOf(":")
        const folder = colon < 0 ? "" : s.substr(0, colon).trim()
        return folder === "OOP" ? "IP" : folder === "IP" ? "OOP" : ""
    }
    return ""
}

function wonAmount(winner, pot, investedOop, investedIp) {
    if (!isFinite(pot) || !isFinite(investedOop) || !isFinite(investedIp))
        return NaN
    if (winner === "OOP")
        return pot - investedOop
    if (winner === "IP")
        return pot - investedIp
    if (winner === "TIE")
        return 0
    return NaN
}

// The pot the winner is paid from: a bet nobody called goes back to the
// one who made it first, and only the rest is raked (as the solver pays).
function matchedPot(pot, investedOop, investedIp) {
    const p = _num(pot)
    const a = _num(investedOop)
    const b = _num(investedIp)
    return isFinite(a) && isFinite(b) ? p - Math.abs(a - b) : p
}

// The rake of a pot: its percentage, capped when the cap is above 0.
function rakeTaken(pot, rakePercent, rakeCap) {
    const p = _num(pot)
    const pct = _num(rakePercent)
    if (!(isFinite(p) && p > 0 && isFinite(pct) && pct > 0))
        return 0
    const raw = p * pct / 100
    const cap = _num(rakeCap)
    return isFinite(cap) && cap > 0 ? Math.min(raw, cap) : raw
}

// The details record of one log entry. `opts`: `showdown` (a function of
// board, OOP's and IP's cards returning {winner}, or null), `rakePercent`,
// `rakeCap`.
function buildDetails(entry, opts) {
    const e = entry || {}
    const o = opts || {}
    const board = boardParts(e.board)
    const list = steps(e.line)
    const byStreet = streetActions(list, startStreetIndex(e.board, list))
    const oopText = _text(e.oop)
    const ipText = _text(e.ip)

    // A hand stopped at a mistake never reached its end: it has no winner.
    const stopped = entryIsMistake(e)
    let winner = stopped ? "" : foldWinner(list)
    if (!stopped && winner === "" && typeof o.showdown === "function" && board.riverBoard.length >= 10
            && oopText.length >= 4 && ipText.length >= 4) {
        const answer = o.showdown(board.riverBoard, oopText, ipText)
        const w = _text(answer ? answer.winner : "")
        if (w === "OOP" || w === "IP" || w === "TIE")
            winner = w
    }
    if (winner === "")
        winner = "\u2014"

    return {
        oopText: oopText,
        ipText: ipText,
        flopBoard: board.flopBoard,
        riverBoard: board.riverBoard,
        turnCard: board.turnCard,
        riverCard: board.riverCard,
        flopActions: byStreet[0],
        turnActions: byStreet[1],
        riverActions: byStreet[2],
        winner: winner,
        wonAmount: wonAmount(winner, _num(e.pot), _num(e.investedOop), _num(e.investedIp)),
        rakeTaken: stopped ? NaN : rakeTaken(matchedPot(e.pot, e.investedOop, e.investedIp), o.rakePercent, o.rakeCap)
    }
}

// ---- Texts -------------------------------------------------------------------

// An amount in chips with two decimals, "—" when there is none.
function chipsOrDash(v) {
    const n = _num(v)
    return isFinite(n) ? n.toFixed(2) : "\u2014"
}

function entryIsMistake(entry) {
    if (!entry)
        return false
    const loss = _num(entry.evLoss)
    return entry.isMistake === true || (isFinite(loss) && loss > 0)
}

// The outcome line of a log row: "EV -0.250" for a mistake, else "" (the
// panel shows its translated "Perfect").
function lossText(entry) {
    const loss = _num(entry ? entry.evLoss : NaN)
    return "EV -" + (isFinite(loss) ? loss : 0).toFixed(3)
}

// The user's hole cards of a log entry: IP's for the role "IP", else OOP's.
function userCards(entry) {
    const e = entry || {}
    const t = _text(_text(e.role) === "IP" ? e.ip : e.oop)
    return [t.substr(0, 2), t.substr(2, 2)]
}

// ---- Sizes ---------------------------------------------------------------------

// The details panel's height under a table column of `columnHeight`: its
// content (at least 120) up to 0.55 of the table area above it, which is
// what the column leaves (`gap` between them), within [140, 360].
function detailsPanelHeight(columnHeight, contentHeight, gap) {
    const want = Math.max(120, contentHeight + 20)
    const rest = Math.max(0, columnHeight - gap)
    const capOf = function (h) { return Math.max(140, Math.min(360, 0.55 * (rest - h))) }
    if (want <= capOf(want))
        return want
    // The largest height that is still within its own cap.
    const free = 0.55 * rest / 1.55
    return Math.min(want, Math.max(140, Math.min(360, free)))
}

// The panel's height beside a table that keeps `tableLeast`: its own height
// where the column holds both, else what the table leaves, down to the
// panel's height beside a table at its least (the page then scrolls).
function detailsLeastHeight(contentHeight, tableLeast) {
    return Math.min(Math.max(120, contentHeight + 20), Math.max(140, Math.min(360, 0.55 * tableLeast)))
}

function detailsHeightBesideTable(columnHeight, contentHeight, gap, tableLeast) {
    return Math.min(detailsPanelHeight(columnHeight, contentHeight, gap),
                    Math.max(detailsLeastHeight(contentHeight, tableLeast), columnHeight - gap - tableLeast))
}

// The five details columns share the content width less the four rules,
// 170 each at least when there is room for that.
function detailsColumnWidth(contentWidth) {
    return Math.max(170, Math.floor((contentWidth - 4) / 5))
}

// What a column gets in a panel of that content width: its preferred width,
// squeezed so that all five stay in view, down to the narrowest width its
// content still fits (below that the row scrolls sideways).
var DETAILS_COLUMN_MIN = 130

function detailsColumnFit(contentWidth) {
    return Math.max(DETAILS_COLUMN_MIN, Math.min(detailsColumnWidth(contentWidth), Math.floor((contentWidth - 4) / 5)))
}

function logPanelWidths(uiScale) {
    return {
        preferred: Math.max(240, Math.round(340 * uiScale)),
        minimum: Math.max(220, Math.round(300 * uiScale))
    }
}
