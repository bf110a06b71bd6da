// The results page: the solved spot's game tree on the left, the strategy
// card of the current node on the right, either the range view (action
// frequencies, strategy matrix, buckets, hand details) or the play view
// (practice against the solution).
//
// This file is the page's frame: the state every panel reads, the node
// accessors, the result life cycle and the tree navigation. The panels are
// components beside it, each given the page as `page`; pure rules live in
// the results_*.js libraries.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "results_frame.js" as Frame
import "results_tree.js" as Tree
import "results_actions.js" as Actions
import "results_hands.js" as Hands
import "results_cards.js" as Cards
import "results_matrix.js" as Matrix
import "results_locks.js" as Locks
import "results_distributions.js" as Dist
import "../../components/field_commit.js" as Commit

Item {
    id: root

    property var theme
    property var type
    property var controller
    property string boardText: ""
    property real rakePercent: 0.0
    property int rakeCap: 0

    signal goToSolve()

    // Every random choice of the page (the chance picker's "Random", and the
    // practice mode's deals and opponent actions) draws from this function,
    // a uniform number in [0, 1). Tests put a seeded generator here.
    property var random: Math.random

    // ---- Page state ------------------------------------------------------

    property int currentNodeIndex: 0
    property string selectedPlayer: "OOP"
    property bool playMode: false
    readonly property int _uiBaselineWidth: Frame.UI_BASELINE_WIDTH
    readonly property real uiScale: Frame.uiScale(width)
    property string treeBoardText: ""
    readonly property var currentMeta: _metaForNode(currentNodeIndex)
    readonly property var currentActions: _currentActionsOf(currentNodeIndex)
    readonly property var actionFrequenciesActions: Actions.normalizeActionEvsAroundFold(currentActions)
    readonly property bool _darkPalette: !!theme && !!theme.dark
    // An opened project file: only the nodes it keeps can be shown, and
    // practice needs the solved spot.
    readonly property bool resultsFromFile: { _epoch(); return !!controller && !!controller.resultsFromFile }
    readonly property bool currentNodeHeld: {
        _epoch()
        return !controller || !resultsFromFile || typeof controller.nodeResultsHeld !== "function"
               || controller.nodeResultsHeld(currentNodeIndex)
    }
    readonly property bool fileSolutionDiffers: { _epoch(); return !!controller && controller.fileSolutionCheck === "differs" }

    // ---- Node-lock edit state (edited by NodeLockPanel) --------------------

    property bool nodeLockMode: false
    property int nodeLockSelectedActionIndex: -1
    property bool nodeLockMixedMode: false
    property var nodeLockMixedFreqTexts: []
    property var nodeLocksByNode: ({})
    property bool _updatingMixedFreqTexts: false
    // The node's actions in the solver's order: position i of every locked
    // probability list is action i.
    readonly property var nodeLockActionList: _nodeLockActionListFor(currentNodeIndex)
    // Set by the lock panel's re-solve request (_startNodeLockReSolve): the
    // solve about to start keeps the lock edit state.
    property bool _startingSolveWithNodeLocks: false
    // Results were cleared while that request was under way; the clearing of
    // the lock edit state waits for its outcome.
    property bool _lockClearDeferred: false
    property int _solveStartCount: 0

    // ---- Tree path and chance cards ----------------------------------------

    readonly property ListModel treeLevels: ListModel {}
    property var chanceCardDisplayOverrideByNode: ({})
    property int chancePickerLevelIndex: -1
    property string chancePickerTitle: ""
    property var chancePickerActions: []
    property var chancePickerIndexByCard: ({})
    property var chancePickerAvailableCardIndices: []
    property string chancePickerBoardText: ""
    readonly property var _rankOrder: Cards.RANK_ORDER
    readonly property var _suitOrder: Cards.SUIT_ORDER
    readonly property var _tree: ({
        meta: function (i) { return root._metaForNode(i) },
        actions: function (i) { return root._actionsForNode(i) }
    })

    // ---- Buckets and hand list ---------------------------------------------

    property string selectedHandClass: ""
    property string handSearchText: ""
    property string selectedBucket: ""
    property var _loadedHandCombos: []
    // The node's actions as they were when the rows were loaded, so that a
    // row's EVs and bars always meet the actions they belong to.
    property var _loadedHandActions: []
    readonly property var _loadedHandActionDefs: Actions.colorizeBetRaiseActions(_loadedHandActions, _darkPalette)
    property bool _handCombosLoading: false
    // The node's hand rows in the suits the user sees: after a chance card
    // shown in another suit of its class, every hand the page writes goes
    // through the same suit map. No row holds a card of the shown board.
    readonly property var currentHandCombos: {
        _epoch()
        return Tree.shownHandRows(_loadedHandCombos, _suitDisplayMapFromOverridesUpTo(treeLevels.count), treeBoardText)
    }
    readonly property var currentHandBuckets: _bucketsOf(currentNodeIndex)
    readonly property var visibleHandCombos: Hands.visibleHandCombos(currentHandCombos, {
        searchText: handSearchText,
        handClass: selectedHandClass,
        bucket: selectedBucket,
        boardCardCount: _parseBoardCardsNormalized().length
    })
    property alias handCombosLoadTimer: handCombosLoadTimer

    onSelectedBucketChanged: refreshHandMatrix()

    // ---- Strategy matrix inputs (written by refreshHandMatrix only) ---------

    property var handWeights: ({})
    property var handActionTypes: ({})
    property var handColors: ({})
    property var handActionTypeList: []
    property var handActionProbs: ({})

    // ---- Distributions dialog ----------------------------------------------

    property var _distPayload: ({})
    property bool _distMetricEquity: true
    property real _distHoverT: -1.0

    // ---- Practice mode (PracticeEngine.qml) --------------------------------

    property bool playSessionStarted: false
    property bool playHandComplete: false
    property string playBoardText: ""
    property bool playAwaitingUserAction: false
    // A solve started: its result keeps the page's lock edits.
    property bool _awaitingSolveResult: false
    // The hand stands at a chance node until the user deals its card.
    property bool playAwaitingChanceCard: false
    // The last hand could not be dealt (the ranges left no cards for both
    // seats here): it ended unplayed and uncounted.
    property bool playDealFailed: false
    property int playNodeIndex: -1
    property string playActionLine: ""
    property bool _internalPlayReset: false
    property var _playHandComboEvCache: ({})
    property alias playTickTimer: playTickTimer
    property string playRole: ""
    property int playStepDelayMs: 1000
    property string oopCard1: ""
    property string oopCard2: ""
    property string ipCard1: ""
    property string ipCard2: ""
    property bool playStopOnSuboptimalAction: true
    property real playSuboptimalEpsilon: 1e-6
    property real playSuboptimalRelativeTol: 0.01
    property string playLastActionActor: ""
    property string playLastActionText: ""
    readonly property ListModel playHandLog: ListModel {}
    property bool playFollowLatestHandDetails: true
    property int playSelectedLogIndex: -1
    property var playSelectedLog: ({})
    property var playSelectedDetails: ({})
    property bool playDrillMode: false
    property int playDrillNodeIndex: -1
    property string playDrillActor: ""
    property string playDrillFeedbackText: ""
    property bool playDrillFeedbackWrong: false

    // ---- Panels that other files fill --------------------------------------

    property alias chancePicker: chancePicker
    property alias distDialog: distDialog
    property alias strategyMatrixPanel: strategyCard.strategyMatrixPanel
    property alias nodeLockPanel: strategyCard.nodeLockPanel
    property alias practiceEngine: practiceEngine

    // ---- Node data -------------------------------------------------------

    // Reads the results epoch, so that a binding calling this is evaluated
    // again whenever results arrive, are cleared or are loaded.
    function _epoch() {
        return controller ? controller.resultIterations : 0
    }

    // Rises at every change of the interface language, for what the
    // controller hands over already translated.
    property int _i18nRev: 0
    Connections {
        target: typeof languageManager !== "undefined" ? languageManager : null
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged() {
            root._i18nRev += 1
        }
    }

    function _hasTree() {
        _epoch()
        return !!controller && typeof controller.treeNodeCount === "function" && controller.treeNodeCount() > 0
    }

    function _nodeCount() {
        return controller && typeof controller.treeNodeCount === "function" ? controller.treeNodeCount() : 0
    }

    function _metaForNode(nodeIndex) {
        return _hasTree() ? (controller.nodeMeta(nodeIndex) || {}) : {}
    }

    function _actionsForNode(nodeIndex) {
        return _hasTree() ? (controller.nodeActions(nodeIndex) || []) : []
    }

    function _safeActionAt(actions, idx) {
        return Tree.actionAt(actions, idx)
    }

    function _singleActionList(actions, idx) {
        const a = Tree.actionAt(actions, idx)
        return a ? [a] : []
    }

    // ---- Actions ----------------------------------------------------------

    function _parsePctFromActionName(actionName) {
        return Actions.parsePctFromActionName(actionName)
    }

    function _colorizeBetRaiseActions(actionList) {
        return Actions.colorizeBetRaiseActions(actionList, _darkPalette)
    }

    function _normalizeActionEvsAroundFold(defs) {
        return Actions.normalizeActionEvsAroundFold(defs)
    }

    function _nodeActionNameTranslated(rawName) {
        return Actions.nodeActionNameTranslated(rawName)
    }

    // The action definitions of a node: its statistics rows, else its
    // action list.
    function _rawActionDefinitionsFor(nodeIndex) {
        if (!controller || !(nodeIndex >= 0))
            return []
        const stats = typeof controller.nodeActionStats === "function" ? controller.nodeActionStats(nodeIndex) : []
        if (stats && stats.length > 0)
            return stats
        return typeof controller.nodeActions === "function" ? (controller.nodeActions(nodeIndex) || []) : []
    }

    // The same, coloured.
    function _actionDefinitionsFor(nodeIndex) {
        return _colorizeBetRaiseActions(_rawActionDefinitionsFor(nodeIndex))
    }

    // Nothing is asked while the play view hides the panels that show it.
    function _currentActionsOf(nodeIndex) {
        if (!controller)
            return []
        _epoch()
        if (playMode)
            return []
        const meta = _metaForNode(nodeIndex)
        if (meta.nodeType === "chance")
            return [Actions.chancePseudoAction(meta)]
        return _actionDefinitionsFor(nodeIndex)
    }

    // ---- Result life cycle --------------------------------------------------

    Connections {
        target: root.controller || null
        ignoreUnknownSignals: true
        function onResultsChanged() { root._onResultsChanged() }
        function onRunningChanged() { root._onRunningChanged() }
        function onHandDistributions169Ready(nodeIndex) { root._onHandDistributions169Ready(nodeIndex) }
    }

    Component.onCompleted: {
        resetTreeToRoot()
        refreshHandMatrix()
        _scheduleHandCombosLoad()
    }

    // The tree is replaced: a practice hand or drill of the old result ends
    // unlogged. A cleared result drops the lock edits (a node-lock re-solve
    // that is starting defers that), and so does a result that no solve of
    // this page brought (an opened project); a solved result keeps them.
    function _onResultsChanged() {
        chanceCardDisplayOverrideByNode = ({})
        if (playSessionStarted || playDrillMode)
            practiceEngine.resetPlaySession()
        // The lock edits go first, so that nothing is drawn with them.
        const solved = _awaitingSolveResult
        if (_epoch() > 0)
            _awaitingSolveResult = false
        if (!(_epoch() > 0) && _startingSolveWithNodeLocks)
            _lockClearDeferred = true
        else if (!(_epoch() > 0) || !solved)
            _clearLockEditState()
        resetTreeToRoot()
        refreshHandMatrix()
        _scheduleHandCombosLoad()
    }

    // The shell sets the board of an opened project after the controller
    // announced its result: the header follows at once.
    onBoardTextChanged: rebuildBreadcrumbs()

    function _onRunningChanged() {
        if (!controller || !controller.running)
            return
        _awaitingSolveResult = true
        _solveStartCount += 1
        playMode = false
        if (!_startingSolveWithNodeLocks)
            _clearLockEditState()
        _startingSolveWithNodeLocks = false
        _lockClearDeferred = false
    }

    function _clearLockEditState() {
        const s = Frame.clearedLockEditState()
        nodeLockMode = s.nodeLockMode
        nodeLockSelectedActionIndex = s.nodeLockSelectedActionIndex
        nodeLockMixedMode = s.nodeLockMixedMode
        nodeLockMixedFreqTexts = s.nodeLockMixedFreqTexts
        nodeLocksByNode = s.nodeLocksByNode
    }

    // The lock panel's "Re-solve" (and an opened file's): to the solve page,
    // and the last solve started again with the locks. A start the controller refuses resets
    // the flag at once (and clears what results it cleared meanwhile).
    function _startNodeLockReSolve() {
        // The frequency being typed counts: the field is committed first.
        if (Commit.commitFocusedField(root.Window.activeFocusItem).length > 0)
            return
        goToSolve()
        if (!controller || typeof controller.reSolveWithNodeLocks !== "function")
            return
        _startingSolveWithNodeLocks = true
        const starts = _solveStartCount
        controller.reSolveWithNodeLocks()
        if (_solveStartCount !== starts)
            return
        _startingSolveWithNodeLocks = false
        if (_lockClearDeferred) {
            _lockClearDeferred = false
            _clearLockEditState()
        }
    }

    // A locked node: locks edited here, else locks the controller holds.
    function _nodeHasLocks(nodeIndex) {
        _epoch()
        const mine = nodeLocksByNode[String(nodeIndex)]
        if (mine && Object.keys(mine).length > 0)
            return true
        return !!controller && typeof controller.nodeLocks === "function"
               && (controller.nodeLocks(nodeIndex) || []).length > 0
    }

    onPlayModeChanged: {
        playTickTimer.stop()
        const nodeBefore = currentNodeIndex
        _internalPlayReset = true
        resetTreeToRoot()
        _internalPlayReset = false
        resetPlaySession()
        if (!playMode) {
            _scheduleHandCombosLoad()
            // A node change has refreshed the matrix already.
            if (currentNodeIndex === nodeBefore)
                refreshHandMatrix()
        }
    }

    onCurrentNodeIndexChanged: {
        _playHandComboEvCache = ({})
        refreshHandMatrix()
        _scheduleHandCombosLoad()
        selectedHandClass = ""
        selectedBucket = ""
        handSearchText = ""
        // The action chosen for locking was one of the node left behind.
        nodeLockSelectedActionIndex = -1
        if (playMode) {
            if (!playSessionStarted) {
                resetPlaySession()
            } else if (!playHandComplete && !_internalPlayReset) {
                playNodeIndex = currentNodeIndex
                _schedulePlayTick(0)
            }
        }
        nodeLockPanel.syncMixedInputsToNode(currentNodeIndex)
    }

    // ---- Tree navigation ----------------------------------------------------

    function _levelsArray() {
        const out = []
        for (let i = 0; i < treeLevels.count; ++i) {
            const r = treeLevels.get(i)
            out.push({ nodeIndex: r.nodeIndex, selectedActionIndex: r.selectedActionIndex })
        }
        return out
    }

    // The model takes the new path with as few changes as possible, so that
    // the levels kept are not built again.
    function _setLevels(levels) {
        while (treeLevels.count > levels.length)
            treeLevels.remove(treeLevels.count - 1)
        for (let i = 0; i < levels.length; ++i) {
            const want = levels[i]
            if (i >= treeLevels.count) {
                treeLevels.append({ nodeIndex: want.nodeIndex, selectedActionIndex: want.selectedActionIndex })
                continue
            }
            const have = treeLevels.get(i)
            if (have.nodeIndex !== want.nodeIndex)
                treeLevels.setProperty(i, "nodeIndex", want.nodeIndex)
            if (have.selectedActionIndex !== want.selectedActionIndex)
                treeLevels.setProperty(i, "selectedActionIndex", want.selectedActionIndex)
        }
    }

    function _takePlayerOf(nodeIndex) {
        const p = _metaForNode(nodeIndex).player
        if (p !== undefined && p !== null && String(p).length > 0)
            selectedPlayer = String(p)
    }

    function _goToLevels(levels) {
        _setLevels(levels)
        rebuildBreadcrumbs()
        const node = levels[levels.length - 1].nodeIndex
        currentNodeIndex = node
        _takePlayerOf(node)
    }

    function resetTreeToRoot() {
        _goToLevels(Tree.rootPath())
    }

    function navigateToBreadcrumb(levelIndex) {
        _goToLevels(Tree.navigateToLevel(_levelsArray(), levelIndex))
    }

    function _jumpToLevelForReselect(levelIndex) {
        navigateToBreadcrumb(levelIndex)
    }

    function selectActionAtLevel(levelIndex, actionIndex) {
        const r = Tree.selectAction(_levelsArray(), levelIndex, actionIndex, _tree, _nodeCount())
        if (!r)
            return
        if (r.advanced) {
            _goToLevels(r.levels)
        } else {
            _setLevels(r.levels)
            rebuildBreadcrumbs()
        }
    }

    function rebuildBreadcrumbs() {
        treeBoardText = _boardFromTreeSelections()
    }

    function _boardFromTreeSelections() {
        return _boardFromTreeSelectionsUpTo(treeLevels.count)
    }

    function _boardFromTreeSelectionsUpTo(levelExclusive) {
        return Tree.boardFromLevelsUpTo(boardText, _levelsArray(), levelExclusive, _tree,
                                        chanceCardDisplayOverrideByNode)
    }

    function _lastSelectedActionNameForActor(actor) {
        return Tree.lastSelectedActionNameForActor(_levelsArray(), _tree, actor)
    }

    function _findChanceLevel(deal) {
        return Tree.findChanceLevel(_levelsArray(), _tree, deal)
    }

    function _rebuildPlayBoardFromTree() {
        playBoardText = _boardFromTreeSelections()
    }

    // ---- Chance cards -------------------------------------------------------

    function _suitDisplayMapIdentity() { return Tree.suitDisplayMapIdentity() }
    function _swapSuitMap(map, a, b) { return Tree.swapSuitMap(map, a, b) }
    function _applySuitDisplayMap(cardText, map) { return Tree.applySuitDisplayMap(cardText, map) }
    function _suitSymbol(suit) { return Cards.suitSymbol(suit) }

    function _suitDisplayMapFromOverridesUpTo(levelExclusive) {
        return Tree.suitDisplayMapFromOverridesUpTo(_levelsArray(), levelExclusive, _tree,
                                                    chanceCardDisplayOverrideByNode)
    }

    // The picker's operations live with it (ChanceCardPicker.qml).
    function openChancePicker(levelIndex, nodeIndex) { chancePicker.prepareAndOpen(levelIndex, nodeIndex) }
    function chooseChanceCard(actionIndex, displayCardText) { chancePicker.choose(actionIndex, displayCardText) }
    function chooseChanceCardRandom() { chancePicker.chooseRandom() }

    function _chanceCardIndexForSelection(cardText) {
        return Tree.chanceCardIndexForSelection(cardText, chancePickerIndexByCard, chancePickerBoardText)
    }

    // ---- Cards, buckets and hand list -----------------------------------------

    function _cardRank(cardText) { return Cards.cardRank(cardText) }
    function _cardSuit(cardText) { return Cards.cardSuit(cardText) }
    function _handClassFromCards(c1, c2) { return Cards.handClassFromCards(c1, c2) }
    function _normalizeCardText(t) { return Cards.normalizeCardText(t) }
    function _parseBoardCardsNormalized() { return Cards.parseBoardCardsNormalized(playBoardText, boardText) }
    function _parseHandSearchTokens() { return Hands.parseHandSearchTokens(handSearchText) }
    function _matchSearchTokenToCombo(token, c1, c2) { return Hands.matchSearchTokenToCombo(token, c1, c2) }
    function _handActionsForProbs(actionProbs) { return Hands.handActionsForProbs(currentActions, actionProbs) }

    function toggleHandFilter(handClass) {
        if (!handClass)
            return
        selectedHandClass = selectedHandClass === handClass ? "" : handClass
    }

    function toggleBucketFilter(bucketName) {
        if (!bucketName)
            return
        selectedBucket = selectedBucket === bucketName ? "" : bucketName
    }

    function _bucketsOf(nodeIndex) {
        if (!controller || typeof controller.nodeHandBuckets !== "function")
            return []
        _epoch()
        _i18nRev  // the controller names the buckets in the interface language
        return playMode ? [] : (controller.nodeHandBuckets(nodeIndex) || [])
    }

    // The combo list is loaded a moment after the last node change, so that
    // quick steps through the tree do not each build it. Not while the play
    // view hides it: leaving the play view loads it.
    function _scheduleHandCombosLoad() {
        if (!controller || typeof controller.nodeHandCombos !== "function") {
            _loadedHandCombos = []
            _loadedHandActions = []
            _handCombosLoading = false
            return
        }
        if (playMode)
            return
        _handCombosLoading = true
        handCombosLoadTimer.restart()
    }

    function _loadHandCombos() {
        const node = currentNodeIndex
        if (!controller || typeof controller.nodeHandCombos !== "function" || !(isFinite(node) && node >= 0)) {
            _loadedHandCombos = []
            _loadedHandActions = []
        } else {
            _loadedHandActions = _rawActionDefinitionsFor(node)
            _loadedHandCombos = controller.nodeHandCombos(node) || []
        }
        _handCombosLoading = false
    }

    Timer {
        id: handCombosLoadTimer
        objectName: "handCombosLoadTimer"
        interval: 60
        repeat: false
        onTriggered: root._loadHandCombos()
    }

    // ---- Strategy matrix (StrategyMatrixPanel.qml) ------------------------------

    // Recomputes the matrix inputs for the current node.
    function refreshHandMatrix() {
        strategyMatrixPanel.refresh()
    }

    // Node figures of the current node (NaN where a ratio does not exist).
    function _seatIndexFromPlayer(p) { return Matrix.seatIndexFromPlayer(p) }
    function _potSize() { return Matrix.potSize(currentMeta) }
    function _effectiveStack() { return Matrix.effectiveStack(currentMeta) }
    function _investedFor(seatIndex) { return Matrix.investedFor(currentMeta, seatIndex) }
    function _toCallAmount() { return Matrix.toCallAmount(currentMeta) }
    function _stackRemaining() { return Matrix.stackRemaining(currentMeta) }
    function _rakeTaken() { return Matrix.rakeTaken(currentMeta, rakePercent, rakeCap) }
    function _spr() { return Matrix.spr(currentMeta) }
    function _potOdds() { return Matrix.potOdds(currentMeta) }
    function _fmtAmt2(x) { return Matrix.fmtAmt2(x, qsTr("\u2014")) }

    // ---- Node locks (NodeLockPanel.qml) ------------------------------------------

    function _nodeKey(nodeIndex) { return Locks.nodeKey(nodeIndex) }
    function _currentNodeIsLockable() { return currentMeta.nodeType === "decision" }
    function _nodeLockActionListFor(nodeIndex) {
        const own = _actionsForNode(nodeIndex)
        return own.length > 0 ? own : currentActions
    }
    function _nodeLockActionDisplayName(a) {
        if (!a)
            return ""
        const name = a.name === undefined || a.name === null ? "" : String(a.name)
        return _nodeActionNameTranslated(name.length > 0 ? name : a.actionType)
    }
    function _initMixedInputsForNode(actionCount) { nodeLockPanel.initMixedInputsForNode(actionCount) }
    function _applyMixedEdit(actionCount, editedIndex, editedValue) {
        nodeLockPanel.applyMixedEdit(actionCount, editedIndex, editedValue)
    }
    function _mixedProbsFromInputs(actionCount) { return nodeLockPanel.mixedProbsFromInputs(actionCount) }
    function applyNodeLockToHand(nodeIndex, handLabel) { nodeLockPanel.applyNodeLockToHand(nodeIndex, handLabel) }
    function resetNodeLockEdits(nodeIndex) { nodeLockPanel.resetNodeLockEdits(nodeIndex) }

    // ---- Distributions (DistributionsDialog.qml) ---------------------------------

    function _reloadDistributions() {
        const c = controller
        const payload = c && typeof c.nodeHandDistributions169 === "function"
                ? (c.nodeHandDistributions169(currentNodeIndex) || Dist.fallbackPayload())
                : Dist.fallbackPayload()
        // The tooltips name hands in the shown suits, as the hand list does.
        const map = _suitDisplayMapFromOverridesUpTo(treeLevels.count)
        const shown = Object.assign({}, payload)
        shown.oopHands = Tree.mapHandTexts(payload.oopHands, map)
        shown.ipHands = Tree.mapHandTexts(payload.ipHands, map)
        _distPayload = shown
    }

    function _distSeriesSortedSeparate() {
        return Dist.seriesSortedSeparate(_distPayload, _distMetricEquity)
    }

    // Only the node the open dialog shows is read again.
    function _onHandDistributions169Ready(nodeIndex) {
        if (!distDialog.visible || Number(nodeIndex) !== Number(currentNodeIndex))
            return
        _reloadDistributions()
        distDialog.repaint()
    }

    // ---- Practice mode (PracticeEngine.qml) -----------------------------------

    function resetPlaySession() { practiceEngine.resetPlaySession() }
    function playTick() { practiceEngine.playTick() }
    function _schedulePlayTick(ms) { practiceEngine.schedulePlayTick(ms) }
    function _appendActionToPlayLine(actor, actionName) { practiceEngine.appendActionToPlayLine(actor, actionName) }
    function startPlaySession(role) { practiceEngine.startPlaySession(role) }
    function _restartHandAtRoot() { practiceEngine._restartHandAtRoot() }
    function _resetToRootAndRestartHand() { practiceEngine._resetToRootAndRestartHand() }
    function _startPlaySessionImpl() { practiceEngine._startPlaySessionImpl() }
    function _autoHandleChanceNode() { practiceEngine._autoHandleChanceNode() }
    function _autoHandleOpponentDecision(actor) { practiceEngine._autoHandleOpponentDecision(actor) }
    function _pickWeightedActionIndex(actions, used) { return practiceEngine._pickWeightedActionIndex(actions, used) }
    function _advancePlayByActionIndex(i) { practiceEngine._advancePlayByActionIndex(i) }
    function _actionListAtPlayNode() { return practiceEngine._actionListAtPlayNode() }
    function _eligibleCombosForDeal(combos, used) { return practiceEngine._eligibleCombosForDeal(combos, used) }
    function _pickWeightedCombo(pool) { return practiceEngine._pickWeightedCombo(pool) }
    function _dealToSeat(seat, used) { return practiceEngine._dealToSeat(seat, used) }
    function _dealToSeatAtNode(node, seat, used) { return practiceEngine._dealToSeatAtNode(node, seat, used) }
    function _suboptimalEvInfoAtNode(node, actor, i) { return practiceEngine._suboptimalEvInfoAtNode(node, actor, i) }
    function _logPlayHand(extra) { practiceEngine._logPlayHand(extra) }
    function _isHeroSeat(seat) { return practiceEngine._isHeroSeat(seat) }
    function _setLastAction(actor, text) { practiceEngine._setLastAction(actor, text) }
    function startDrillSpot() { practiceEngine.startDrillSpot() }
    function stopDrillSpot() { practiceEngine.stopDrillSpot() }
    function _dealDrillHand() { practiceEngine._dealDrillHand() }
    function _handleDrillChoice(i) { practiceEngine._handleDrillChoice(i) }
    function _buildPlayHandDetails(entry) { return practiceEngine._buildPlayHandDetails(entry) }
    function selectPlayLog(index) { practiceEngine.selectPlayLog(index) }
    function userSelectPlayLog(index) { practiceEngine.userSelectPlayLog(index) }

    PracticeEngine {
        id: practiceEngine
        page: root
    }

    Timer {
        id: playTickTimer
        objectName: "playTickTimer"
        repeat: false
        interval: 0
        onTriggered: root.playTick()
    }

    // ---- Layout -------------------------------------------------------------

    // Below the width its panes need (the tree at its usual width, the
    // strategy card at the least its rows need), the page scrolls sideways.
    // A tree the user widened takes its room from the strategy card only.
    PageScrollArea {
        id: pageScroll
        objectName: "resultsScroll"
        anchors.fill: parent
        requiredWidth: 2 * splitView.anchors.margins + treeWidth + handleWidth + strategyCard.SplitView.minimumWidth
        // Below the height the practice table needs, the page scrolls down.
        contentHeight: Math.max(height, 2 * splitView.anchors.margins + strategyCard.leastHeight)

        readonly property int handleWidth: 8
        // Its banner keeps the tree card from being narrower.
        readonly property real treeWidth: Math.max(Frame.scaled(320, 220, root.uiScale), treePanel.leastWidth)

        Item {
            width: pageScroll.contentWidth
            height: pageScroll.contentHeight

            SplitView {
                id: splitView
                objectName: "resultsSplitView"
                anchors.fill: parent
                anchors.margins: 16
                orientation: Qt.Horizontal
                clip: true

                handle: Item {
                    implicitWidth: pageScroll.handleWidth
                    Rectangle {
                        anchors.centerIn: parent
                        width: 4
                        height: 40
                        radius: 2
                        color: root.theme ? root.theme.stroke : "#30363D"
                    }
                }

                GameTreePanel {
                    id: treePanel
                    objectName: "treePanel"
                    page: root
                    theme: root.theme
                    SplitView.preferredWidth: pageScroll.treeWidth
                    SplitView.minimumWidth: Math.max(Frame.scaled(280, 200, root.uiScale), leastWidth)
                }

                StrategyCard {
                    id: strategyCard
                    objectName: "strategyCard"
                    page: root
                    theme: root.theme
                    SplitView.fillWidth: true
                    SplitView.minimumWidth: Math.max(Frame.scaled(500, 360, root.uiScale), leastWidth)
                }
            }
        }
    }

    ChanceCardPicker {
        id: chancePicker
        objectName: "chancePicker"
        page: root
        theme: root.theme
    }

    DistributionsDialog {
        id: distDialog
        objectName: "distDialog"
        page: root
        theme: root.theme
    }
}
