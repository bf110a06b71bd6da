.pragma library
// The path through the game tree and the chance cards along it.
//
// A path is a list of levels {nodeIndex, selectedActionIndex}; level 0 is
// the root. `tree` answers meta(nodeIndex) and actions(nodeIndex) (empty
// when unknown). Chance cards: the solver lists one card per class of
// suit-equivalent cards; the user may click any card of the class, the
// clicked card is kept per chance node ("override", in display suits), and
// later cards are shown through the suit exchange that choice implies.
.import "results_cards.js" as Cards

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _nodeKey(nodeIndex) {
    return String(nodeIndex)
}

function _clampLevel(levelExclusive, count) {
    const n = Number(levelExclusive)
    if (!isFinite(n))
        return count
    return Math.max(0, Math.min(count, Math.floor(n)))
}

function actionAt(actions, idx) {
    if (!actions || idx === undefined || idx === null)
        return null
    const i = Number(idx)
    if (!isFinite(i) || i < 0 || i >= actions.length || Math.floor(i) !== i)
        return null
    return actions[i]
}

function rootPath() {
    return [{ nodeIndex: 0, selectedActionIndex: -1 }]
}

// ---- Suit maps ---------------------------------------------------------

function suitDisplayMapIdentity() {
    return { s: "s", h: "h", d: "d", c: "c" }
}

// A copy of the map with the images of suits a and b exchanged; unchanged
// when either has no image or the two are equal.
function swapSuitMap(map, a, b) {
    const out = {}
    for (const k in map)
        out[k] = map[k]
    if (a === b || out[a] === undefined || out[b] === undefined)
        return out
    const t = out[a]
    out[a] = out[b]
    out[b] = t
    return out
}

function applySuitDisplayMap(cardText, map) {
    const t = _text(cardText)
    if (t.length !== 2)
        return t
    const rank = t.charAt(0).toUpperCase()
    const suit = t.charAt(1).toLowerCase()
    if (!Cards.isRank(rank) || !Cards.isSuit(suit))
        return t
    const shown = map && map[suit] !== undefined ? map[suit] : suit
    return rank + shown
}

function _isIdentityMap(map) {
    return !map || (map.s === "s" && map.h === "h" && map.d === "d" && map.c === "c")
}

// A two-card hand text ("9d8d") in the shown suits.
function mapHandText(hand, map) {
    const t = _text(hand)
    return t.length === 4 ? applySuitDisplayMap(t.substr(0, 2), map) + applySuitDisplayMap(t.substr(2, 2), map) : t
}

// Hand rows ({c1, c2, ...}) with their cards in the shown suits: the list
// itself when no suit is shown differently.
function mapComboRows(rows, map) {
    const list = rows || []
    if (_isIdentityMap(map))
        return list
    const out = []
    for (let i = 0; i < list.length; ++i) {
        const row = Object.assign({}, list[i])
        row.c1 = applySuitDisplayMap(row.c1, map)
        row.c2 = applySuitDisplayMap(row.c2, map)
        out.push(row)
    }
    return out
}

// The node's hand rows as the hand list shows them: in the shown suits, and
// none that holds a card of the shown board (the solver keeps, at weight 0,
// the hands a later card blocks). The mapped list itself when none does.
function shownHandRows(rows, map, boardText) {
    const list = mapComboRows(rows, map)
    const dead = _deadCards(boardText, [])
    const blocked = function (r) {
        return !!r && (dead[Cards.normalizeCardText(r.c1)] || dead[Cards.normalizeCardText(r.c2)])
    }
    if (!Array.prototype.some.call(list, blocked))
        return list
    return Array.prototype.filter.call(list, function (r) { return !blocked(r) })
}

// A list of hand texts in the shown suits.
function mapHandTexts(hands, map) {
    const list = hands || []
    return _isIdentityMap(map) ? list : Array.prototype.map.call(list, function (h) { return mapHandText(h, map) })
}

// The override recorded for a chance node, when it stands for the action's
// card (same rank); else "".
function validOverride(overrides, nodeIndex, actionName) {
    const o = _text(overrides ? overrides[_nodeKey(nodeIndex)] : "")
    const name = _text(actionName)
    if (o.length !== 2 || name.length !== 2)
        return ""
    return o.charAt(0).toUpperCase() === name.charAt(0).toUpperCase() ? o : ""
}

// The card a chance level shows: the recorded override, else the action's name.
function shownChanceCard(overrides, nodeIndex, actionName) {
    const o = validOverride(overrides, nodeIndex, actionName)
    return o.length === 2 ? o : _text(actionName)
}

// The inverse of a suit map: the shown suit to the solver's.
function invertSuitMap(map) {
    const out = {}
    for (const k in map)
        out[map[k]] = k
    return out
}

// The solver's suit that `map` shows as `shown`.
function _solverSuit(map, shown) {
    const solver = invertSuitMap(map)[shown]
    return solver === undefined ? shown : solver
}

function suitDisplayMapFromOverridesUpTo(levels, levelExclusive, tree, overrides) {
    let map = suitDisplayMapIdentity()
    const end = _clampLevel(levelExclusive, levels.length)
    for (let i = 0; i < end; ++i) {
        const row = levels[i]
        if (row.selectedActionIndex < 0)
            continue
        if (_text(tree.meta(row.nodeIndex).nodeType) !== "chance")
            continue
        const action = actionAt(tree.actions(row.nodeIndex), row.selectedActionIndex)
        const internal = _text(action ? action.name : "")
        const o = validOverride(overrides, row.nodeIndex, internal)
        if (o.length !== 2)
            continue
        // The solver dealt `internal` where the user sees `o`: the suit of
        // that card in the solver's suits trades places with the dealt one.
        const a = internal.charAt(1).toLowerCase()
        const b = _solverSuit(map, o.charAt(1).toLowerCase())
        if (!Cards.isSuit(a) || !Cards.isSuit(b) || a === b)
            continue
        map = swapSuitMap(map, a, b)
    }
    return map
}

// ---- Board of the path ----------------------------------------------------

function boardFromLevelsUpTo(boardText, levels, levelExclusive, tree, overrides) {
    let board = _text(boardText).replace(/\s+/g, "")
    const end = _clampLevel(levelExclusive, levels.length)
    for (let i = 0; i < end; ++i) {
        const row = levels[i]
        if (row.selectedActionIndex < 0)
            continue
        const action = actionAt(tree.actions(row.nodeIndex), row.selectedActionIndex)
        const name = _text(action ? action.name : "")
        if (name.length !== 2)
            continue
        const chance = _text(tree.meta(row.nodeIndex).nodeType) === "chance"
        board += Cards.normalizeCardText(chance ? shownChanceCard(overrides, row.nodeIndex, name) : name)
    }
    return board
}

// ---- Navigation -------------------------------------------------------------

function _copy(levels) {
    return levels.map(function (r) { return { nodeIndex: r.nodeIndex, selectedActionIndex: r.selectedActionIndex } })
}

// Back to level `levelIndex`, undecided; at least the root stays.
function navigateToLevel(levels, levelIndex) {
    const n = Number(levelIndex)
    const keep = Math.max(1, (isFinite(n) ? Math.floor(n) : 0) + 1)
    const out = _copy(levels.slice(0, Math.min(keep, levels.length)))
    if (out.length === 0)
        return rootPath()
    out[out.length - 1].selectedActionIndex = -1
    return out
}

// Takes action `actionIndex` at the last level. Returns null when nothing
// happens, else {levels, advanced}: `advanced` when a child level was added
// (the child is then the last level's node).
function selectAction(levels, levelIndex, actionIndex, tree, nodeCount) {
    const last = levels.length - 1
    if (levelIndex !== last || last < 0 || levels[last].selectedActionIndex !== -1)
        return null
    const action = actionAt(tree.actions(levels[last].nodeIndex), actionIndex)
    if (!action)
        return null
    const out = _copy(levels)
    out[last].selectedActionIndex = Number(actionIndex)
    const child = action.childIndex === undefined || action.childIndex === null ? -1 : Number(action.childIndex)
    if (!isFinite(child) || !(nodeCount > 0) || child < 0 || child >= nodeCount || Math.floor(child) !== child)
        return { levels: out, advanced: false }
    if (_text(tree.meta(child).nodeType) === "terminal")
        return { levels: out, advanced: false }
    out.push({ nodeIndex: child, selectedActionIndex: -1 })
    return { levels: out, advanced: true }
}

function lastSelectedActionNameForActor(levels, tree, actor) {
    let found = ""
    for (let i = 0; i < levels.length; ++i) {
        const row = levels[i]
        if (row.selectedActionIndex < 0)
            continue
        const meta = tree.meta(row.nodeIndex)
        if (_text(meta.nodeType) !== "decision" || _text(meta.player) !== actor)
            continue
        const action = actionAt(tree.actions(row.nodeIndex), row.selectedActionIndex)
        const name = _text(action ? action.name : "")
        if (name.length > 0)
            found = name
    }
    return found
}

function findChanceLevel(levels, tree, deal) {
    for (let i = 0; i < levels.length; ++i) {
        const meta = tree.meta(levels[i].nodeIndex)
        if (_text(meta.nodeType) === "chance" && _text(meta.chanceDeal) === deal)
            return i
    }
    return -1
}

// ---- Chance-card picker -------------------------------------------------------

function chancePickerTitle(meta) {
    return _text(meta ? meta.chanceDeal : "") === "river" ? "Choose River Card" : "Choose Turn Card"
}

// What the picker offers for the chance node of level `levelIndex`:
// {title, actions, boardText, indexByCard, available}. Cards on the board
// before the node, and any card of `blockedCards` (cards held in a hand),
// are not offered. `classes`, when the solver gives them, maps every live
// card of the node (in the solver's suits) to the action that deals its
// class: then every card has an entry, -1 for one not offered. Without
// them, a blocked card is kept in `indexByCard` under -1, so that no card
// of its class stands in for it; when it is the card the solver lists, a
// free card of the same class is offered in its place.
function chancePickerSetup(levels, levelIndex, nodeIndex, tree, overrides, boardText, blockedCards, classes) {
    const actions = tree.actions(nodeIndex)
    const board = boardFromLevelsUpTo(boardText, levels, levelIndex, tree, overrides)
    if (classes)
        return _pickerFromClasses(actions, board, tree.meta(nodeIndex), classes, blockedCards,
                                  suitDisplayMapFromOverridesUpTo(levels, levelIndex, tree, overrides))
    const used = {}
    const onBoard = Cards.boardCards(board)
    for (let i = 0; i < onBoard.length; ++i)
        used[onBoard[i]] = true
    const indexByCard = {}
    const blocked = blockedCards || []
    for (let i = 0; i < blocked.length; ++i) {
        const card = Cards.normalizeCardText(blocked[i])
        if (card.length === 2 && !used[card]) {
            used[card] = true
            indexByCard[card] = -1
        }
    }
    const absent = absentSuits(board)
    const map = suitDisplayMapFromOverridesUpTo(levels, levelIndex, tree, overrides)
    const available = []
    for (let i = 0; i < actions.length; ++i) {
        const name = _text(actions[i] ? actions[i].name : "")
        if (name.length !== 2)
            continue
        let shown = applySuitDisplayMap(Cards.normalizeCardText(name), map)
        if (indexByCard[shown] === -1 && absent.length >= 2 && absent.indexOf(shown.charAt(1)) >= 0) {
            const free = absent.map(function (suit) { return shown.charAt(0) + suit })
                               .filter(function (card) { return !used[card] && indexByCard[card] === undefined })
            shown = free.length > 0 ? free[0] : shown
        }
        if (used[shown])
            continue
        indexByCard[shown] = i
        available.push(i)
    }
    return {
        title: chancePickerTitle(tree.meta(nodeIndex)),
        actions: actions,
        boardText: board,
        indexByCard: indexByCard,
        available: available
    }
}

// The cards of the board and of `blockedCards`, as a set.
function _deadCards(boardText, blockedCards) {
    const dead = {}
    const cards = Cards.boardCards(boardText).concat(blockedCards || [])
    for (let i = 0; i < cards.length; ++i)
        dead[Cards.normalizeCardText(cards[i])] = true
    return dead
}

function _pickerFromClasses(actions, board, meta, classes, blockedCards, map) {
    const indexByCard = {}
    const dead = _deadCards(board, blockedCards)
    const toSolver = invertSuitMap(map)
    const available = []
    for (let s = 0; s < Cards.SUIT_ORDER.length; ++s) {
        for (let r = 0; r < Cards.RANK_ORDER.length; ++r) {
            const card = Cards.RANK_ORDER[r] + Cards.SUIT_ORDER[s]
            const index = Number(classes[applySuitDisplayMap(card, toSolver)])
            const offered = !dead[card] && isFinite(index) && actionAt(actions, index) !== null
            indexByCard[card] = offered ? index : -1
            if (offered && available.indexOf(index) < 0)
                available.push(index)
        }
    }
    return { title: chancePickerTitle(meta), actions: actions, boardText: board, indexByCard: indexByCard,
             available: available }
}

// What the picker offers for a card the tree does not deal (the turn or
// river of an all-in runout, whichever the board lacks): every card on
// neither `boardText` nor `blockedCards`, each under index 0.
function freeDealSetup(boardText, blockedCards) {
    const dead = _deadCards(boardText, blockedCards)
    const indexByCard = {}
    for (let s = 0; s < Cards.SUIT_ORDER.length; ++s)
        for (let r = 0; r < Cards.RANK_ORDER.length; ++r) {
            const card = Cards.RANK_ORDER[r] + Cards.SUIT_ORDER[s]
            indexByCard[card] = dead[card] ? -1 : 0
        }
    return { title: chancePickerTitle({ chanceDeal: Cards.boardCards(boardText).length >= 4 ? "river" : "turn" }),
             actions: [], boardText: _text(boardText), indexByCard: indexByCard, available: [0] }
}

// Suits of s, h, d, c (in this order) that appear nowhere on the board.
function absentSuits(boardText) {
    const s = _text(boardText).replace(/\s+/g, "")
    const present = {}
    for (let i = 1; i < s.length; i += 2)
        present[s.charAt(i).toLowerCase()] = true
    return Cards.SUIT_ORDER.filter(function (suit) { return !present[suit] })
}

// The action behind a card cell of the open picker, or -1. A card of a suit
// absent from the board that the solver did not list stands for the listed
// card of the same rank in another absent suit.
function chanceCardIndexForSelection(cardText, indexByCard, pickerBoardText) {
    const t = _text(cardText)
    if (indexByCard && Object.prototype.hasOwnProperty.call(indexByCard, t))
        return indexByCard[t]
    if (t.length !== 2)
        return -1
    const absent = absentSuits(pickerBoardText)
    const suit = t.charAt(1).toLowerCase()
    if (absent.length < 2 || absent.indexOf(suit) < 0)
        return -1
    const rank = t.charAt(0)
    for (let i = 0; i < absent.length; ++i) {
        if (absent[i] === suit)
            continue
        const key = rank + absent[i]
        if (indexByCard && Object.prototype.hasOwnProperty.call(indexByCard, key) && indexByCard[key] >= 0)
            return indexByCard[key]
    }
    return -1
}

// The display card under which `indexByCard` holds `index`, or "".
function cardForIndex(indexByCard, index) {
    for (const card in indexByCard) {
        if (indexByCard[card] === index)
            return card
    }
    return ""
}

// Every real card the open picker can deal, {card, index}: the cards on
// neither the board nor a blocked hand nor `excluded` (cards the picker
// offers but a draw must not give), each with the action of its class.
function liveChanceCards(indexByCard, pickerBoardText, excluded) {
    const out = []
    const skip = {}
    const list = excluded || []
    for (let i = 0; i < list.length; ++i)
        skip[Cards.normalizeCardText(list[i])] = true
    for (let s = 0; s < Cards.SUIT_ORDER.length; ++s) {
        for (let r = 0; r < Cards.RANK_ORDER.length; ++r) {
            const card = Cards.RANK_ORDER[r] + Cards.SUIT_ORDER[s]
            const index = chanceCardIndexForSelection(card, indexByCard, pickerBoardText)
            if (index >= 0 && !skip[card])
                out.push({ card: card, index: index })
        }
    }
    return out
}

// One real card drawn with equal chance among `live` (`u` in [0, 1)), or
// null: a class of k cards comes k times as often as a class of one.
function drawLiveCard(live, u) {
    if (!live || live.length === 0)
        return null
    const k = Math.min(live.length - 1, Math.max(0, Math.floor(Number(u) * live.length)))
    return live[isFinite(k) ? k : 0]
}

// A uniform draw among the offered indices (`u` in [0, 1)); -1 when none.
function drawIndex(available, u) {
    if (!available || available.length === 0)
        return -1
    const k = Math.min(available.length - 1, Math.max(0, Math.floor(Number(u) * available.length)))
    return available[isFinite(k) ? k : 0]
}
