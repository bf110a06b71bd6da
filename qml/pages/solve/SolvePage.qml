// The solve page: the spot about to be solved, the thread choice, start and
// cancel, the progress of the running solve and the runs started here.
// It edits nothing of the project but the thread count; every other value
// comes from the shell and is shown and sent as it is.
import QtQuick
import Tessaval
import "solve_page.js" as Logic
import "solve_runs.js" as Runs
import "../../components/solve_progress.js" as Progress
import "../../components/field_commit.js" as Commit

Item {
    id: root

    property var theme
    property var type
    property var controller
    property bool canSolve: true
    // What blocks a solve, from the shell ("" when nothing does).
    property string solveBlockText: ""

    // The project state, bound one way by the shell.
    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: 2000
    property real startingPot: 100
    property real effectiveStack: 100
    property int threadCount: Logic.maxThreads(controller ? controller.systemThreadCount : 0)
    property string startingStreet: "flop"
    property real targetExploitability: 0.10
    property real rakePercent: 0.0
    property int rakeCap: 0
    property string oopFlopBetSizesText: ""
    property string oopTurnBetSizesText: ""
    property string oopRiverBetSizesText: ""
    property string oopFlopRaiseSizesText: ""
    property string oopTurnRaiseSizesText: ""
    property string oopRiverRaiseSizesText: ""
    property bool oopFlopAddAllIn: false
    property bool oopTurnAddAllIn: false
    property bool oopRiverAddAllIn: false
    property bool oopFlopDontDonk: false
    property bool oopTurnDontDonk: false
    property bool oopRiverDontDonk: false
    property string ipFlopBetSizesText: ""
    property string ipTurnBetSizesText: ""
    property string ipRiverBetSizesText: ""
    property string ipFlopRaiseSizesText: ""
    property string ipTurnRaiseSizesText: ""
    property string ipRiverRaiseSizesText: ""
    property bool ipFlopAddAllIn: false
    property bool ipTurnAddAllIn: false
    property bool ipRiverAddAllIn: false
    property bool oopAddAllInIfJamLtEnabled: false
    property real oopAddAllInIfJamLtPct: 0.0
    property bool ipAddAllInIfJamLtEnabled: false
    property real ipAddAllInIfJamLtPct: 0.0

    signal goToResults()

    // ---- Thread choice --------------------------------------------------

    readonly property int maxThreadCount: Logic.maxThreads(controller ? controller.systemThreadCount : 0)
    property var _threadChoiceModel: ["Max"]
    readonly property var _threadChoiceTexts: _threadChoiceModel.map(function (entry) {
        return Logic.threadEntryText(entry, maxThreadCount, _threadTexts)
    })
    readonly property int _threadChoiceIndex: Logic.threadChoiceIndex(_threadChoiceModel, threadCount,
                                                                      maxThreadCount)
    readonly property var _threadTexts: ({
        maxOne: qsTr("Max, 1 thread"), maxMany: qsTr("Max, %1 threads"),
        one: qsTr("1 thread"), many: qsTr("%1 threads")
    })
    property bool _completed: false

    // ---- What the controller reports ------------------------------------

    readonly property bool _hasController: !!controller
    readonly property bool _running: _hasController && !!controller.running
    // The status text and progress as last sampled (see _noteReport): a
    // solve may report thousands of iterations a second, and the page is
    // redone at most once per `_reportSampleMs` while they arrive.
    property string _statusText: ""
    property real _progress: 0
    property int _reportSampleMs: 50
    property bool _samplePending: false
    // Kept up to date with every report, without notifying anything.
    readonly property var _stream: ({ lastIter: 0 })
    readonly property int _resultIterations: _hasController && controller.resultIterations > 0
                                             ? controller.resultIterations : 0
    readonly property var _resultExploitability: _hasController ? controller.resultExploitability : undefined
    readonly property string _phase: _hasController ? Progress.phase(_running, _statusText, qsTranslate("AppController", "Starting...")) : "ready"

    readonly property bool runComplete: _hasController && !_running && _resultIterations > 0

    // ---- Progress -------------------------------------------------------

    readonly property bool isStarting: _phase === "starting"
    readonly property bool isFinalizing: _phase === "finalizing"
    readonly property bool isInitializing: _phase === "initializing"
    // The last iteration read from a status text during this run: the
    // finalising texts carry none.
    property int _lastIterFromStatusText: 0
    readonly property int currentIteration: Progress.currentIteration({
        hasController: _hasController,
        running: _running,
        statusText: _statusText,
        lastIteration: _lastIterFromStatusText,
        progress: _progress,
        maxIterations: maxIterations,
        resultIterations: _resultIterations
    })
    readonly property int progressWheelTotalIterations: Progress.totalIterations(maxIterations,
                                                                                 targetExploitability)
    readonly property real progressWheelValue: Progress.wheelValue(_hasController, _running, currentIteration,
                                                                   progressWheelTotalIterations,
                                                                   runComplete ? 1 : 0)
    // In chips, while running as afterwards.
    readonly property real currentExploitabilityValue: Logic.currentExploitability(_hasController, _running,
                                                                                   _statusText,
                                                                                   _resultExploitability)
    readonly property int iterationWindowSize: 10
    readonly property int iterationWindowValue: Logic.iterationWindowValue(currentIteration, iterationWindowSize)
    property string elapsedTime: "00:00"
    property string estimatedRemaining: "--:--"
    property real iterationsPerSec: 0

    readonly property string statusLine: Logic.statusLine({
        hasController: _hasController,
        running: _running,
        statusText: _statusText,
        phase: _phase,
        iteration: currentIteration,
        exploitability: currentExploitabilityValue
    }, _statusTexts)
    readonly property var _statusTexts: ({
        readyToSolve: qsTr("Ready to solve"), done: qsTr("Done"), starting: qsTr("Starting solver…"),
        initializing: qsTr("Initializing…"), finalizing: qsTr("Finalizing…"),
        iteration: qsTr("Iteration %1 | exploitability=%2")
    })
    readonly property string _badgeKind: Logic.badgeKind(_hasController, _running, _phase)
    readonly property string _badgeText: _badgeKind === "finalizing" ? qsTr("Finalizing")
                                       : _badgeKind === "running" ? qsTr("Running") : qsTr("Ready")
    readonly property color _badgeColor: _badgeKind === "finalizing" ? _color("warn", "#F0883E")
                                       : _badgeKind === "running" ? _color("success", "#3FB950")
                                       : _color("textMuted", "#8B949E")

    // ---- Recent runs ----------------------------------------------------

    property ListModel runHistoryModel: ListModel {}
    property int _nextRunId: 1
    property int _activeRunId: -1

    // ---- Functions ------------------------------------------------------

    function _color(token, fallback) {
        return theme ? theme[token] : fallback
    }

    function targetExploitabilityAmount() {
        return Logic.targetExploitabilityAmount(startingPot, targetExploitability)
    }

    function _solveConfigMap() {
        return Logic.solveConfigMap(root)
    }

    function _enabledOptionLines() {
        return Logic.enabledOptionLines(root, {
            oopFlopDontDonk: qsTr("OOP: don't donk on flop"),
            oopTurnDontDonk: qsTr("OOP: don't donk on turn"),
            oopRiverDontDonk: qsTr("OOP: don't donk on river"),
            oopFlopAddAllIn: qsTr("OOP: add all-in on flop"),
            oopTurnAddAllIn: qsTr("OOP: add all-in on turn"),
            oopRiverAddAllIn: qsTr("OOP: add all-in on river"),
            ipFlopAddAllIn: qsTr("IP: add all-in on flop"),
            ipTurnAddAllIn: qsTr("IP: add all-in on turn"),
            ipRiverAddAllIn: qsTr("IP: add all-in on river"),
            oopJam: qsTr("OOP: add all-in if jam < %1% pot"),
            ipJam: qsTr("IP: add all-in if jam < %1% pot")
        })
    }

    function _rebuildThreadChoiceModel() {
        _threadChoiceModel = Logic.threadChoices(maxThreadCount)
        const t = Logic.clampedThreadCount(threadCount, maxThreadCount)
        if (t !== threadCount)
            threadCount = t
    }

    function _chooseThreadEntry(index) {
        if (index < 0 || index >= _threadChoiceModel.length)
            return
        threadCount = Logic.threadCountForChoice(_threadChoiceModel[index], maxThreadCount)
    }

    function _parseIterationFromStatusText(t) {
        return Logic.parseIteration(t)
    }

    function _parseExploitabilityFromStatusText(t) {
        return Logic.parseExploitability(t)
    }

    function _formatExploitabilityForUi(iteration, e) {
        return Logic.formatExploitability(iteration, e)
    }

    function _runSummary() {
        return Runs.summary(qsTr("Iterations %1 • Target %2% (≈ %3) • Threads %4"), maxIterations,
                            targetExploitability, targetExploitabilityAmount(), threadCount, Qt.locale())
    }

    function _runFigures() {
        return { maxIterations: maxIterations, targetPct: targetExploitability,
                 targetChips: targetExploitabilityAmount(), threadCount: threadCount }
    }

    function _pad2(n) {
        return Runs.pad2(n)
    }

    function _timeStamp() {
        return Runs.timeStamp(new Date())
    }

    function _findRunIndexById(runId) {
        return Runs.findRunIndexById(runHistoryModel, runId)
    }

    function _appendRun(summary, figures) {
        const id = _nextRunId
        _nextRunId = id + 1
        _activeRunId = id
        Runs.appendRun(runHistoryModel, id, _timeStamp(), summary, figures)
    }

    function _setRunStatus(runId, status) {
        Runs.setRunStatus(runHistoryModel, runId, status)
    }

    function _clearRuns() {
        runHistoryModel.clear()
    }

    // "Start Solve": the run is recorded before the controller is asked; a
    // start the controller refuses leaves it idle, and the row reads
    // "Failed" at once.
    // True while a start of this page is being asked for.
    property bool _starting: false

    function _startSolve() {
        // The field being edited is committed first; one that refuses its
        // text keeps the start from going on.
        if (Commit.commitFocusedField(root.Window.activeFocusItem).length > 0)
            return
        if (!canSolve || !_hasController || _running)
            return
        const map = _solveConfigMap()
        _appendRun(_runSummary(), _runFigures())
        const runId = _activeRunId
        // A start that runs and stops within the call ("Already running") is
        // refused like one that never ran: its row is settled here.
        _starting = true
        if (typeof controller.startSolveWithConfig === "function")
            controller.startSolveWithConfig(map)
        else if (typeof controller.startSolve === "function")
            controller.startSolve()
        _starting = false
        if (!(controller && controller.running) && _activeRunId === runId) {
            _setRunStatus(runId, Runs.FAILED)
            _activeRunId = -1
        }
    }

    function _cancelSolve() {
        if (_activeRunId >= 0)
            _setRunStatus(_activeRunId, Runs.CANCELLED)
        if (_hasController && typeof controller.cancelSolve === "function")
            controller.cancelSolve()
    }

    function _viewResults() {
        if (runComplete)
            goToResults()
    }

    function _onElapsedTick() {
        const next = Logic.tick({
            seconds: elapsedTimer.seconds,
            iteration: currentIteration,
            maxIterations: maxIterations,
            iterationsPerSec: iterationsPerSec,
            estimatedRemaining: estimatedRemaining
        })
        elapsedTimer.seconds = next.seconds
        elapsedTime = next.elapsedTime
        iterationsPerSec = next.iterationsPerSec
        estimatedRemaining = next.estimatedRemaining
    }

    function _controllerStatusText() {
        const c = controller
        return c && c.statusText !== undefined && c.statusText !== null ? String(c.statusText) : ""
    }

    // Takes the controller's current figures into the page.
    function _sample() {
        _samplePending = false
        _statusText = _controllerStatusText()
        const p = controller ? Number(controller.progress) : 0
        _progress = isFinite(p) ? p : 0
        _lastIterFromStatusText = controller && controller.running ? _stream.lastIter : 0
    }

    // A report changed the status text or the progress: the first after a
    // quiet spell is shown at once, the ones that follow within the sample
    // time are gathered into one update at its end.
    function _noteReport() {
        if (_reportSampleMs <= 0) {
            _sample()
        } else if (sampleTimer.running) {
            _samplePending = true
        } else {
            _sample()
            sampleTimer.restart()
        }
    }

    function _onStatusTextChanged() {
        // Every report counts here, sampled or not: the finalising texts
        // carry no iteration, and "Cancelling..." lasts one report.
        const st = _controllerStatusText()
        const n = Logic.parseIteration(st)
        if (n > 0)
            _stream.lastIter = n
        // A cancel asked for elsewhere (the Escape shortcut) ends the
        // followed run as a cancel too.
        if (_running && _activeRunId >= 0 && Runs.isCancelling(st, qsTranslate("AppController", "Cancelling...")))
            _setRunStatus(_activeRunId, Runs.CANCELLED)
        _noteReport()
    }

    function _onRunningChanged() {
        sampleTimer.stop()
        if (!_running)
            _stream.lastIter = 0
        _sample()
        if (_running || _starting)
            return
        if (!_hasController || _activeRunId < 0)
            return
        const i = _findRunIndexById(_activeRunId)
        if (i >= 0) {
            const status = runHistoryModel.get(i).status
            const next = Runs.endStatus(status, _statusText)
            if (next !== status)
                _setRunStatus(_activeRunId, next)
        }
        _activeRunId = -1
    }

    onControllerChanged: {
        sampleTimer.stop()
        _stream.lastIter = 0
        _sample()
    }
    onMaxThreadCountChanged: {
        if (_completed)
            _rebuildThreadChoiceModel()
    }
    Component.onCompleted: {
        _completed = true
        _rebuildThreadChoiceModel()
        _sample()
    }

    Connections {
        target: root.controller
        ignoreUnknownSignals: true

        function onStatusTextChanged() {
            root._onStatusTextChanged()
        }

        function onProgressChanged() {
            root._noteReport()
        }

        function onRunningChanged() {
            root._onRunningChanged()
        }
    }

    Timer {
        id: sampleTimer
        objectName: "sampleTimer"
        interval: Math.max(1, root._reportSampleMs)
        repeat: false
        onTriggered: {
            if (root._samplePending) {
                root._sample()
                restart()
            }
        }
    }

    Timer {
        id: elapsedTimer
        objectName: "elapsedTimer"

        property int seconds: 0

        interval: 1000
        repeat: true
        running: root._running
        onTriggered: root._onElapsedTick()
        onRunningChanged: {
            if (!running) {
                seconds = 0
                root.estimatedRemaining = "00:00"
            }
        }
    }

    // ---- Layout ---------------------------------------------------------

    PageScrollArea {
        id: scroller
        objectName: "solveScroll"
        anchors.fill: parent
        // Both columns as wide as their widest card needs: below that the
        // page scrolls sideways.
        requiredWidth: 48 + Logic.bodyRequiredWidth(
            Math.max(configCard.implicitWidth, computeCard.implicitWidth),
            Math.max(progressCard.implicitWidth, runsCard.implicitWidth))
        contentHeight: column.implicitHeight

        Column {
            id: column
            width: scroller.contentWidth
            spacing: 20

            Item {
                width: 1
                height: 4
            }

            SectionHeader {
                id: header
                objectName: "solveHeader"
                x: 24
                width: column.width - 48
                theme: root.theme
                title: qsTr("Solve")
                subtitle: qsTr("Run the CFR solver and monitor progress in real-time.")
                badge: root._badgeText
                badgeColor: root._badgeColor
            }

            Item {
                id: body
                objectName: "solveBody"

                x: 24
                width: column.width - 48
                height: Math.max(leftColumn.implicitHeight, rightColumn.implicitHeight)

                Column {
                    id: leftColumn
                    objectName: "leftColumn"
                    width: Logic.leftColumnWidth(body.width)
                    spacing: 20

                    SolveConfigCard {
                        id: configCard
                        objectName: "configCard"
                        width: parent.width
                        theme: root.theme
                        boardText: root.boardText
                        streetText: String(root.startingStreet).toUpperCase()
                        potStackText: Logic.fill(qsTr("%1 / %2"), [Logic.plainNumber(root.startingPot),
                                                                   Logic.plainNumber(root.effectiveStack)])
                        targetText: Logic.fill(qsTr("%1% (= %2)"), [
                            Logic.plainNumber(root.targetExploitability),
                            Logic.targetChipsText(root.startingPot, root.targetExploitability)])
                        rakeText: Logic.fill(qsTr("%1% (cap %2)"), [Logic.plainNumber(root.rakePercent),
                                                                     Logic.plainNumber(root.rakeCap)])
                        betSizesText: Logic.fill(qsTr("F %1/%2 • T %3/%4 • R %5/%6"), Logic.betSizeParts(root))
                        optionLines: {
                            // Read here so the panel follows every flag.
                            void [root.oopFlopDontDonk, root.oopTurnDontDonk, root.oopRiverDontDonk,
                                  root.oopFlopAddAllIn, root.oopTurnAddAllIn, root.oopRiverAddAllIn,
                                  root.ipFlopAddAllIn, root.ipTurnAddAllIn, root.ipRiverAddAllIn,
                                  root.oopAddAllInIfJamLtEnabled, root.oopAddAllInIfJamLtPct,
                                  root.ipAddAllInIfJamLtEnabled, root.ipAddAllInIfJamLtPct]
                            return root._enabledOptionLines()
                        }
                        running: root._running
                        startEnabled: root._hasController && !root._running && root.canSolve
                        blockText: root.solveBlockText
                        cancelEnabled: root._running
                        viewResultsEnabled: root.runComplete
                        onStartClicked: root._startSolve()
                        onCancelClicked: root._cancelSolve()
                        onViewResultsClicked: root._viewResults()
                    }

                    SolveComputeCard {
                        id: computeCard
                        objectName: "computeCard"
                        width: parent.width
                        theme: root.theme
                        choiceTexts: root._threadChoiceTexts
                        currentChoice: root._threadChoiceIndex
                        onChoiceActivated: function (index) { root._chooseThreadEntry(index) }
                    }
                }

                Column {
                    id: rightColumn
                    objectName: "rightColumn"
                    x: leftColumn.width + Logic.COLUMN_GAP
                    width: Logic.rightColumnWidth(body.width)
                    spacing: 20

                    SolveProgressCard {
                        id: progressCard
                        objectName: "progressCard"
                        width: parent.width
                        theme: root.theme
                        ringValue: root.progressWheelValue
                        indeterminate: root._running && root.currentIteration <= 0
                        statusLine: root.statusLine
                        finalizing: root.isFinalizing
                        windowSize: root.iterationWindowSize
                        windowValue: root._running ? root.iterationWindowValue : 0
                        windowLabel: !root._hasController ? "—"
                                   : root._running
                                     ? Logic.fill(qsTr("Window %1/%2"), [root.iterationWindowValue,
                                                                         root.iterationWindowSize])
                                     : Logic.fill(qsTr("Iterations: %1"), [
                                         Number(root._resultIterations).toLocaleString(Qt.locale(), "f", 0)])
                        elapsedText: root.elapsedTime
                        remainingText: root.estimatedRemaining
                        speedText: Logic.speedText(root.iterationsPerSec)
                        exploitabilityText: Logic.exploitabilityMetric(root.currentExploitabilityValue,
                                                                       root._running, {
                            measuring: qsTr("Measuring..."), none: "—"
                        })
                    }

                    SolveRecentRunsCard {
                        id: runsCard
                        objectName: "runsCard"
                        width: parent.width
                        theme: root.theme
                        model: root.runHistoryModel
                        onClearClicked: root._clearRuns()
                    }
                }
            }

            Item {
                width: 1
                height: 24
            }
        }
    }
}
