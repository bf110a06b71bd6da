// The practice mode's engine: the session, the deals, the step loop that
// plays the opponent, the judging of the user's decisions, the single-node
// drill, and the hand log with its selection. Its state lives on the page
// (`page`), which forwards its operations here.
//
// Cards are kept as the user sees them. The solver names chance cards (and
// the hands at later nodes) in its own suits, which differ from the shown
// ones once a chance card was chosen in another suit of its class; the
// page's suit map translates between the two.
import QtQuick
import "practice_logic.js" as Logic
import "hand_details.js" as Details
import "results_cards.js" as Cards
import "results_tree.js" as Tree

QtObject {
    id: engine

    property var page

    // The chance picker was opened from the table's board; a close without
    // a pick resumes the hand.
    property bool _resumeAfterPicker: false

    readonly property Timer drillFeedbackTimer: Timer {
        objectName: "drillFeedbackTimer"
        interval: 700
        repeat: false
        onTriggered: {
            engine.page.playDrillFeedbackText = ""
            engine.page.playDrillFeedbackWrong = false
        }
    }

    readonly property Timer drillNextTimer: Timer {
        objectName: "drillNextTimer"
        interval: 450
        repeat: false
        onTriggered: {
            if (!engine.page.playDrillMode)
                return
            engine.page.playAwaitingUserAction = engine._dealDrillHand()
        }
    }

    readonly property Connections _pickerWatch: Connections {
        target: engine.page ? engine.page.chancePicker : null
        ignoreUnknownSignals: true
        function onClosed() { engine._pickerClosed() }
    }

    function _controller() {
        return page ? page.controller : null
    }

    function _has(method) {
        const c = _controller()
        return !!c && typeof c[method] === "function"
    }

    function _playNode() {
        return page.playNodeIndex >= 0 ? page.playNodeIndex : page.currentNodeIndex
    }

    // The suit map of the path's chance cards: the solver's suits to the
    // shown ones, at the node the path ends in.
    function _displayMap() {
        return page._suitDisplayMapFromOverridesUpTo(page.treeLevels.count)
    }

    // The hole cards the chance picker must not offer: the user's own in a
    // hand in play. The opponent's are offered, so that the picker gives
    // nothing away; a card the opponent holds deals it another hand.
    function blockedChanceCards() {
        return page && page.playMode && page.playSessionStarted ? _cardsOfSeats(true) : []
    }

    // The opponent's hole cards in a hand in play (none when the user plays
    // both seats).
    function opponentCards() {
        return page && page.playMode && page.playSessionStarted ? _cardsOfSeats(false) : []
    }

    function _cardsOfSeats(hero) {
        let out = []
        for (const seat of Logic.SEATS) {
            if (_isHeroSeat(seat) === hero)
                out = out.concat(_seatCards(seat))
        }
        return out.filter(function (c) { return c.length === 2 })
    }

    // The opponent's hand once the user deals `card` at the chance level
    // `level` (below 0: the runout's next card at the play node). The
    // opponent keeps its hand when it does not hold the card ({seat: ""});
    // else it gets a hand drawn anew, by reach, from those that get there
    // and hold no card on the table ({seat, c1, c2}). Null when no such
    // hand is left: the card cannot be dealt, for no card is ever in two
    // places.
    function opponentHandAround(card, level) {
        const p = page
        const c = Cards.normalizeCardText(card)
        const seat = Logic.SEATS.find(function (s) { return !_isHeroSeat(s) && _seatCards(s).indexOf(c) >= 0 })
        if (!seat)
            return { seat: "" }
        const inTree = level >= 0 && level < p.treeLevels.count
        const node = inTree ? p.treeLevels.get(level).nodeIndex : _playNode()
        const board = inTree ? Cards.boardCards(p._boardFromTreeSelectionsUpTo(level)) : _parseBoardCardsNormalized()
        const map = p._suitDisplayMapFromOverridesUpTo(inTree ? level : p.treeLevels.count)
        const used = Logic.usedCardMap(board, [c], _cardsOfSeats(true))
        const pick = _pickWeightedCombo(_poolAt(node, seat, used, map))
        return pick ? { seat: seat, c1: pick.c1, c2: pick.c2 } : null
    }

    function _takeHand(hand) {
        if (hand && Logic.isSeat(hand.seat))
            _setSeatCards(hand.seat, hand.c1, hand.c2)
    }

    function _setSeatCards(seat, c1, c2) {
        if (seat === "IP") {
            page.ipCard1 = c1
            page.ipCard2 = c2
        } else {
            page.oopCard1 = c1
            page.oopCard2 = c2
        }
    }

    function _seatCards(seat) {
        return seat === "IP" ? [page.ipCard1, page.ipCard2] : [page.oopCard1, page.oopCard2]
    }

    function _bothDealt() {
        const p = page
        return Logic.bothSeatsDealt(p.oopCard1, p.oopCard2, p.ipCard1, p.ipCard2)
    }

    function _clearHand() {
        page.playDealFailed = false
        page.playActionLine = ""
        _setLastAction("", "")
        _setSeatCards("OOP", "", "")
        _setSeatCards("IP", "", "")
    }

    function _clearDrill() {
        drillNextTimer.stop()
        drillFeedbackTimer.stop()
        page.playDrillMode = false
        page.playDrillNodeIndex = -1
        page.playDrillActor = ""
        page.playDrillFeedbackText = ""
        page.playDrillFeedbackWrong = false
    }

    // ---- Session ---------------------------------------------------------------

    function startPlaySession(role) {
        const p = page
        // An opened file holds no solved spot to deal from.
        if (p.resultsFromFile)
            return
        p.playRole = role === undefined || role === null ? "" : String(role)
        p.playSessionStarted = true
        p.playHandComplete = false
        p.playBoardText = p.boardText || ""
        p.playAwaitingUserAction = false
        p.playAwaitingChanceCard = false
        p.playNodeIndex = p.currentNodeIndex
        _clearHand()
        _startPlaySessionImpl()
    }

    function resetPlaySession() {
        const p = page
        p.playTickTimer.stop()
        p.playFollowLatestHandDetails = true
        p.playRole = ""
        p.playSessionStarted = false
        p.playBoardText = ""
        p.playAwaitingUserAction = false
        p.playAwaitingChanceCard = false
        p.playNodeIndex = -1
        _clearHand()
        p.playHandComplete = false
        _clearDrill()
    }

    function _restartHandAtRoot() {
        const p = page
        if (!p.playMode || p.playRole.length === 0)
            return
        p.playSessionStarted = true
        p.playHandComplete = false
        p.playBoardText = p.boardText || ""
        p.playAwaitingUserAction = false
        p.playAwaitingChanceCard = false
        p.playNodeIndex = p.currentNodeIndex
        _clearHand()
        _startPlaySessionImpl()
    }

    function _resetToRootAndRestartHand() {
        const p = page
        if (!p.playMode || !p.playSessionStarted || p.playRole.length === 0)
            return
        p.playTickTimer.stop()
        p.playHandComplete = false
        p._internalPlayReset = true
        p.resetTreeToRoot()
        p._internalPlayReset = false
        p.playNodeIndex = p.currentNodeIndex
        _restartHandAtRoot()
    }

    // A hand starts only with both seats dealt; else it ends at once,
    // unplayed and uncounted, saying why.
    function _startPlaySessionImpl() {
        const used = Logic.usedCardMap(_parseBoardCardsNormalized())
        if (!Logic.isRole(page.playRole) || !_dealPairAt(page.currentNodeIndex, used)) {
            _dealFailed()
            return
        }
        schedulePlayTick(0)
    }

    function _dealFailed() {
        const p = page
        p.playTickTimer.stop()
        _setSeatCards("OOP", "", "")
        _setSeatCards("IP", "", "")
        p.playAwaitingUserAction = false
        p.playAwaitingChanceCard = false
        p.playHandComplete = true
        p.playDealFailed = true
    }

    // (Re)arms the page's step timer: at most one step is ever pending.
    function schedulePlayTick(ms) {
        const p = page
        if (!p.playMode || !p.playSessionStarted)
            return
        p.playTickTimer.stop()
        p.playTickTimer.interval = Logic.stepDelay(ms)
        p.playTickTimer.start()
    }

    // ---- Dealing ------------------------------------------------------------------

    function _parseBoardCardsNormalized() {
        return page._parseBoardCardsNormalized()
    }

    function _eligibleCombosForDeal(combos, used) {
        return Logic.eligibleCombosForDeal(combos, used, null)
    }

    function _pickWeightedCombo(pool) {
        return pool && pool.length > 0 ? Logic.pickWeightedCombo(pool, page.random()) : null
    }

    function _seatCombos(node, seat) {
        return _has("nodeSeatHandCombos") ? (_controller().nodeSeatHandCombos(node, seat) || []) : []
    }

    function _dealToSeat(seat, used) {
        return _dealToSeatAtNode(page.currentNodeIndex, seat, used)
    }

    // The seat's hands that may be dealt at `node`, in the shown suits
    // (`map`, by default the path's).
    function _poolAt(node, seat, used, map) {
        return Logic.eligibleCombosForDeal(_seatCombos(node, seat), used, map || _displayMap())
    }

    // Deals one seat by reach weight at `node`, avoiding `used` (which then
    // holds the two new cards). False, with the seat's cards unchanged,
    // when no combo can be dealt.
    function _dealToSeatAtNode(node, seat, used) {
        const pick = _pickWeightedCombo(_poolAt(node, seat, used))
        if (!pick)
            return false
        used[pick.c1] = true
        used[pick.c2] = true
        _setSeatCards(seat, pick.c1, pick.c2)
        return true
    }

    // Deals both seats at `node` as a pair of hands that share no card,
    // each pair by its reach, avoiding `used`. False, with the cards
    // unchanged, when no such pair exists.
    function _dealPairAt(node, used) {
        const pair = Logic.pickWeightedPair(_poolAt(node, "OOP", used), _poolAt(node, "IP", used),
                                            page.random(), page.random())
        if (!pair)
            return false
        _setSeatCards("OOP", pair.oop.c1, pair.oop.c2)
        _setSeatCards("IP", pair.ip.c1, pair.ip.c2)
        return true
    }

    // ---- Steps ----------------------------------------------------------------------

    function _actionListAtPlayNode() {
        return _controller() ? page._actionsForNode(_playNode()) : []
    }

    function _pickWeightedActionIndex(actions, used) {
        return Logic.pickWeightedActionIndex(actions, used, page.random())
    }

    function playTick() {
        const p = page
        if (!p.playMode || !p.playSessionStarted || p.playHandComplete || p.playDrillMode)
            return
        if (!_controller() || !(p._nodeCount() > 0) || !_bothDealt())
            return
        if (p.playNodeIndex < 0)
            p.playNodeIndex = p.currentNodeIndex
        const meta = p._metaForNode(p.playNodeIndex)
        const type = meta.nodeType
        p.playAwaitingChanceCard = false
        if (type === "terminal") {
            p.playAwaitingUserAction = false
            // An all-in before the river is dealt out to its showdown, card
            // by card from the table's board, as at every chance.
            if (Logic.needsRunout(meta, _parseBoardCardsNormalized().length)) {
                p.playAwaitingChanceCard = true
                return
            }
            p.playHandComplete = true
            _logPlayHand()
            return
        }
        // The hand waits for the user to deal the turn or river from the
        // table's board (with "Random" there for a real card drawn fairly).
        if (type === "chance") {
            p.playAwaitingUserAction = false
            p.playAwaitingChanceCard = true
            return
        }
        if (type !== "decision") {
            p.playAwaitingUserAction = false
            return
        }
        const actor = String(meta.player || "")
        if (p.playRole === "BOTH" || actor === p.playRole) {
            p.playAwaitingUserAction = true
            return
        }
        p.playAwaitingUserAction = false
        _autoHandleOpponentDecision(actor)
    }

    // The opponent plays the solution with the cards it holds: its action
    // is drawn from its own hand's strategy at the node (the node's mix over
    // the whole range only where the solution has no row for the hand).
    function _autoHandleOpponentDecision(actor) {
        const actions = _actionListAtPlayNode()
        const probs = _handStrategyAt(_playNode(), actor)
        const i = probs ? Logic.pickByProbabilities(probs, actions.length, page.random())
                        : _pickWeightedActionIndex(actions, null)
        if (i < 0)
            return
        _setLastAction(actor, actions[i].name)
        _advancePlayByActionIndex(i)
    }

    // Applies action `i` at the play node; the tree viewer follows the hand.
    function _advancePlayByActionIndex(i) {
        const p = page
        const node = _playNode()
        const action = Tree.actionAt(p._actionsForNode(node), i)
        if (!action)
            return
        const next = action.childIndex === undefined || action.childIndex === null ? -1 : Number(action.childIndex)
        if (!isFinite(next) || !_has("treeNodeCount") || next < 0 || next >= p._nodeCount())
            return
        const meta = p._metaForNode(node)
        const chance = meta.nodeType === "chance"
        const name = String(action.name === undefined ? "" : action.name)
        const shown = chance ? Cards.normalizeCardText(Tree.shownChanceCard(p.chanceCardDisplayOverrideByNode, node, name))
                             : name
        if (name.length === 2)
            p.playBoardText = p.playBoardText + Cards.normalizeCardText(shown)
        appendActionToPlayLine(meta.nodeType === "decision" ? meta.player : chance ? "Chance" : "", shown)

        let levels = p._levelsArray()
        if (levels.length === 0) {
            p.resetTreeToRoot()
            levels = p._levelsArray()
        }
        levels[levels.length - 1].selectedActionIndex = Number(i)
        levels.push({ nodeIndex: next, selectedActionIndex: -1 })
        p._goToLevels(levels)
        p.playNodeIndex = next
        schedulePlayTick(p.playStepDelayMs)
    }

    // The user's decision at the play node (a button of the action prompt).
    function _handleUserPlayAction(i) {
        const p = page
        if (p.playDrillMode) {
            _handleDrillChoice(i)
            return
        }
        if (!p.playSessionStarted || p.playHandComplete || !p.playAwaitingUserAction || !_bothDealt())
            return
        const node = _playNode()
        const actor = String(p._metaForNode(node).player || "")
        const actions = p._actionsForNode(node)
        const action = Tree.actionAt(actions, i)
        if (!action)
            return
        p.playAwaitingUserAction = false
        if (p.playStopOnSuboptimalAction) {
            const info = _suboptimalEvInfoAtNode(node, actor, i)
            if (Logic.isMistake(info, p.playSuboptimalEpsilon, p.playSuboptimalRelativeTol)) {
                p.playTickTimer.stop()
                appendActionToPlayLine(actor, action.name)
                p.playHandComplete = true
                const best = Tree.actionAt(actions, info.bestIndex)
                _logPlayHand({ mistakeAction: String(action.name), correctAction: best ? String(best.name) : "",
                               evLoss: info.evLoss })
                return
            }
        }
        _advancePlayByActionIndex(i)
    }

    // The action probabilities of the seat's dealt hand at the node, or null.
    function _handStrategyAt(node, seat) {
        if (!_has("nodeHandCombos"))
            return null
        const map = _displayMap()
        const cards = _seatCards(seat).map(function (t) { return Logic.toSolverCard(t, map) })
        return Logic.handProbabilities(_controller().nodeHandCombos(node) || [], cards[0], cards[1])
    }

    // The EVs of the actor's actions for the dealt hand: the node's combo
    // rows, else the controller's pocket EVs, else the range averages.
    function _suboptimalEvInfoAtNode(node, actor, i) {
        if (!Logic.isSeat(actor))
            return { ok: false }
        const c = _controller()
        const map = _displayMap()
        const cards = _seatCards(actor).map(function (t) { return Logic.toSolverCard(t, map) })
        const dealt = cards[0].length === 2 && cards[1].length === 2
        if (dealt && _has("nodeHandCombos")) {
            const key = String(node)
            let evs = page._playHandComboEvCache[key]
            if (evs === undefined) {
                evs = Logic.comboEvMap(c.nodeHandCombos(node) || [])
                const cache = Object.assign({}, page._playHandComboEvCache)
                cache[key] = evs
                page._playHandComboEvCache = cache
            }
            const info = Logic.evInfoFromList(evs[cards[0] + cards[1]], i)
            if (info.ok)
                return info
        }
        if (dealt && _has("nodePocketActionEvs")) {
            const info = Logic.evInfoFromList(c.nodePocketActionEvs(node, actor, cards[0], cards[1]), i)
            if (info.ok)
                return info
        }
        if (!_has("nodeActionStats"))
            return { ok: false }
        const rows = c.nodeActionStats(node)
        if (!rows || typeof rows.length !== "number")
            return { ok: false }
        return Logic.evInfoFromList(rows.map(function (r) { return r ? r.ev : NaN }), i)
    }

    // ---- Line, last action, log -----------------------------------------------------

    // One step of the hand's action history: "OOP: Check → IP: Bet 75%".
    function appendActionToPlayLine(actor, actionName) {
        page.playActionLine = Logic.appendStep(page.playActionLine, actor, actionName)
    }

    // A chance card chosen in the picker during a hand: its step ends the
    // line. A card dealt before and now replaced takes the place of its old
    // step, and every step after that one goes with it.
    // `hand`: the opponent's hand around the card (opponentHandAround).
    function chanceCardChosen(levels, levelIndex, wasLastLevel, card, hand) {
        if (!wasLastLevel)
            page.playActionLine = Logic.cutBeforeChanceStep(
                page.playActionLine, Logic.chanceSelectionsFrom(levels, levelIndex, page._tree))
        appendActionToPlayLine("Chance", card)
        _takeHand(hand)
    }

    // A card of the runout the tree does not deal (an all-in before the
    // river), chosen in the picker: on the board, and the hand goes on to
    // its showdown. `hand`: the opponent's hand around the card.
    function runoutCardChosen(card, hand) {
        const p = page
        const c = Cards.normalizeCardText(card)
        const dead = Logic.usedCardMap(_parseBoardCardsNormalized(), _cardsOfSeats(true))
        if (c.length !== 2 || dead[c] || !p.playAwaitingChanceCard || !hand)
            return
        _takeHand(hand)
        p.playBoardText = p.playBoardText + c
        appendActionToPlayLine("Chance", c)
        p.playAwaitingChanceCard = false
        schedulePlayTick(p.playStepDelayMs)
    }

    function _isHeroSeat(seat) {
        return Logic.isHeroSeat(page.playRole, seat)
    }

    function _setLastAction(actor, text) {
        page.playLastActionActor = actor === undefined || actor === null ? "" : String(actor)
        page.playLastActionText = text === undefined || text === null ? "" : String(text)
    }

    function _logPlayHand(extra) {
        const p = page
        if (!_bothDealt())
            return
        const meta = p._metaForNode(_playNode())
        const entry = Logic.handLogEntry({
            board: p.playBoardText, role: p.playRole, oop: p.oopCard1 + p.oopCard2,
            ip: p.ipCard1 + p.ipCard2, line: p.playActionLine
        }, meta, extra)
        p.playHandLog.insert(0, entry)
        if (p.playFollowLatestHandDetails)
            selectPlayLog(0)
        else if (p.playSelectedLogIndex >= 0)
            p.playSelectedLogIndex += 1
        if (_has("recordPlayVsSolutionHand"))
            _controller().recordPlayVsSolutionHand(entry.isMistake, entry.evLoss)
    }

    // ---- The table's board ------------------------------------------------------------

    // A click on the turn (3) or river (4) slot of the play board: choose
    // that street's card in the chance picker.
    function chooseCardFromBoard(slot) {
        const p = page
        if (!p.playMode || !p.playSessionStarted || p.playHandComplete || p.playDrillMode)
            return
        if (slot !== 3 && slot !== 4)
            return
        if (slot === 4 && p.playBoardText.replace(/\s+/g, "").length < 8)
            return
        const level = p._findChanceLevel(slot === 3 ? "turn" : "river")
        if (level < 0) {
            // The runout of an all-in: the next card, which no node deals.
            if (p.playAwaitingChanceCard && _parseBoardCardsNormalized().length === slot
                    && p._metaForNode(_playNode()).nodeType === "terminal") {
                p.playTickTimer.stop()
                _resumeAfterPicker = true
                p.chancePicker.prepareFreeDealAndOpen(p.playBoardText)
            }
            return
        }
        p.playTickTimer.stop()
        _resumeAfterPicker = true
        p.openChancePicker(level, p.treeLevels.get(level).nodeIndex)
    }

    // The picker closed: without a pick, the step it stopped runs now.
    function _pickerClosed() {
        if (!_resumeAfterPicker)
            return
        _resumeAfterPicker = false
        const p = page
        if (!p.playTickTimer.running && !p.playAwaitingUserAction && !p.playHandComplete && !p.playDrillMode)
            schedulePlayTick(0)
    }

    // ---- Drill --------------------------------------------------------------------------

    function startDrillSpot() {
        const p = page
        if (!p.playMode || !p.playSessionStarted)
            return
        const node = _playNode()
        const meta = p._metaForNode(node)
        if (meta.nodeType !== "decision" || !Logic.isSeat(String(meta.player || "")))
            return
        p.playTickTimer.stop()
        drillNextTimer.stop()
        p.playHandComplete = false
        p.playAwaitingUserAction = false
        p.playDrillMode = true
        p.playDrillNodeIndex = node
        p.playDrillActor = String(meta.player)
        p.playDrillFeedbackText = ""
        p.playDrillFeedbackWrong = false
        p.playAwaitingUserAction = _dealDrillHand()
    }

    function stopDrillSpot() {
        const p = page
        _clearDrill()
        p.playAwaitingUserAction = false
        schedulePlayTick(0)
    }

    // Deals both seats at the drilled node, as a pair. A seat that has no
    // hand there keeps its cards, and the other is dealt around them.
    // False, with the drill stopped and the reason shown, when the seats do
    // not both hold cards.
    function _dealDrillHand() {
        const p = page
        const node = p.playDrillNodeIndex
        if (!(isFinite(node) && node >= 0))
            return false
        const used = Logic.usedCardMap(_parseBoardCardsNormalized())
        const stuck = Logic.SEATS.filter(function (seat) { return _poolAt(node, seat, used).length === 0 })
        const dealt = stuck.length > 0 || _dealPairAt(node, used)
        if (stuck.length === 1) {
            const kept = Logic.usedCardMap(_seatCards(stuck[0]))
            for (const k in kept)
                used[k] = true
            _dealToSeatAtNode(node, stuck[0] === "IP" ? "OOP" : "IP", used)
        }
        p.playActionLine = ""
        _setLastAction("", "")
        if (dealt && _bothDealt())
            return true
        _clearDrill()
        _dealFailed()
        return false
    }

    function _handleDrillChoice(i) {
        const p = page
        if (!(p.playDrillNodeIndex >= 0) || !Logic.isSeat(p.playDrillActor) || !_bothDealt())
            return
        p.playAwaitingUserAction = false
        const info = _suboptimalEvInfoAtNode(p.playDrillNodeIndex, p.playDrillActor, i)
        const best = info.ok ? Tree.actionAt(p._actionsForNode(p.playDrillNodeIndex), info.bestIndex) : null
        const feedback = Logic.drillFeedback(info, best ? best.name : "", p.playSuboptimalEpsilon,
                                             p.playSuboptimalRelativeTol)
        p.playDrillFeedbackWrong = feedback.wrong
        p.playDrillFeedbackText = feedback.text
        drillFeedbackTimer.restart()
        drillNextTimer.restart()
    }

    // ---- Played-hand details and selection -------------------------------------------

    function _buildPlayHandDetails(entry) {
        const c = _controller()
        return Details.buildDetails(entry, {
            showdown: _has("showdownWinner") ? function (board, oop, ip) { return c.showdownWinner(board, oop, ip) } : null,
            rakePercent: page.rakePercent,
            rakeCap: page.rakeCap
        })
    }

    // A row index as a number; NaN for anything that is not one.
    function _rowIndex(v) {
        if (typeof v === "number")
            return v
        return typeof v === "string" && v.trim().length > 0 ? Number(v) : NaN
    }

    function selectPlayLog(index) {
        const p = page
        const i = _rowIndex(index)
        if (!isFinite(i) || i < 0 || i >= p.playHandLog.count || Math.floor(i) !== i) {
            p.playSelectedLogIndex = -1
            p.playSelectedLog = ({})
            p.playSelectedDetails = ({})
            return
        }
        const entry = Logic.copyEntry(p.playHandLog.get(i))
        p.playSelectedLogIndex = i
        p.playSelectedLog = entry
        p.playSelectedDetails = _buildPlayHandDetails(entry)
    }

    function userSelectPlayLog(index) {
        const p = page
        const i = _rowIndex(index)
        if (!isFinite(i) || i < 0) {
            p.playFollowLatestHandDetails = false
            selectPlayLog(-1)
            return
        }
        p.playFollowLatestHandDetails = i === 0
        selectPlayLog(i)
    }
}
