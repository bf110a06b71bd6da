// The one item under the window: the project state, the solve gating, the
// theme, the top bar and the five pages, with the navigation rules and the
// keyboard shortcuts.
import QtQuick
import QtQuick.Layouts
import Qt.labs.settings
import Tessaval
import "project_state.js" as ProjectState
import "solve_gating.js" as Gating
import "shell_navigation.js" as Nav
import "field_commit.js" as Commit

Item {
    id: root

    property var controller
    readonly property bool developerMode: typeof appController !== "undefined" && appController !== null
                                          && !!appController.developerMode
    property int navIndex: 0
    property bool hasProject: false
    property int projectRecommendedWidth: 1540
    // Why the last start did not begin: the field being edited refused its
    // text. Cleared when the focus moves on.
    property string startRefusal: ""
    // A dialog is on screen: the page shortcuts and F5 wait.
    readonly property bool _dialogOpen: (!!projectPage && projectPage.dialogOpen)
                                        || (!!homePage && homePage.dialogOpen)

    readonly property Theme theme: Theme {}
    readonly property Typography type: Typography {}

    // The project state.
    property string boardText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string betSizesText: ""
    property int maxIterations: 0
    property real startingPot: 0
    property real effectiveStack: 0
    property int threadCount: ProjectState.presetThreads(_systemThreads, 1)
    property string startingStreet: "flop"
    property real targetExploitability: 0.0
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

    // Presets.
    readonly property var _systemThreads: controller ? controller.systemThreadCount : 0
    readonly property var startupBlankPreset: ProjectState.startupBlankPreset(_systemThreads)
    readonly property var defaultPreset: ProjectState.defaultPreset(_systemThreads)
    readonly property var customerQuickSolvePreset: ProjectState.customerQuickSolvePreset(defaultPreset)
    readonly property var newProjectPreset: ProjectState.newProjectPreset(_systemThreads, developerMode)

    // Solve gating: what blocks a solve, the first of board, ranges, sizing
    // and memory, with the engine's own message for a text it refuses.
    readonly property bool _canSolveBase: Gating.canSolveBase(_gatingState)
    readonly property var spotErrors: controller && typeof controller.spotTextErrors === "function"
                                      ? controller.spotTextErrors(Gating.solveConfigMap(_spotTexts)) : ({})
    readonly property var solveBlock: Gating.solveBlock(_gatingState, spotErrors, _memoryFigures())
    readonly property bool canSolve: !!controller && solveBlock.kind === ""
    // The texts the engine reads, with the flags that change how it reads them.
    readonly property var _spotTexts: ({
        boardText: boardText, oopRangeText: oopRangeText, ipRangeText: ipRangeText,
        oopFlopBetSizesText: oopFlopBetSizesText, oopFlopRaiseSizesText: oopFlopRaiseSizesText,
        oopTurnBetSizesText: oopTurnBetSizesText, oopTurnRaiseSizesText: oopTurnRaiseSizesText,
        oopRiverBetSizesText: oopRiverBetSizesText, oopRiverRaiseSizesText: oopRiverRaiseSizesText,
        ipFlopBetSizesText: ipFlopBetSizesText, ipFlopRaiseSizesText: ipFlopRaiseSizesText,
        ipTurnBetSizesText: ipTurnBetSizesText, ipTurnRaiseSizesText: ipTurnRaiseSizesText,
        ipRiverBetSizesText: ipRiverBetSizesText, ipRiverRaiseSizesText: ipRiverRaiseSizesText,
        oopFlopAddAllIn: oopFlopAddAllIn, oopTurnAddAllIn: oopTurnAddAllIn, oopRiverAddAllIn: oopRiverAddAllIn,
        ipFlopAddAllIn: ipFlopAddAllIn, ipTurnAddAllIn: ipTurnAddAllIn, ipRiverAddAllIn: ipRiverAddAllIn
    })
    readonly property var _gatingState: ({
        boardText: boardText, oopRangeText: oopRangeText, ipRangeText: ipRangeText,
        oopFlopBetSizesText: oopFlopBetSizesText, oopFlopRaiseSizesText: oopFlopRaiseSizesText,
        oopTurnBetSizesText: oopTurnBetSizesText, oopTurnRaiseSizesText: oopTurnRaiseSizesText,
        oopRiverBetSizesText: oopRiverBetSizesText, oopRiverRaiseSizesText: oopRiverRaiseSizesText,
        ipFlopBetSizesText: ipFlopBetSizesText, ipFlopRaiseSizesText: ipFlopRaiseSizesText,
        ipTurnBetSizesText: ipTurnBetSizesText, ipTurnRaiseSizesText: ipTurnRaiseSizesText,
        ipRiverBetSizesText: ipRiverBetSizesText, ipRiverRaiseSizesText: ipRiverRaiseSizesText
    })
    // Every input of a memory estimate: a change of any of them asks again.
    readonly property var _estimateInputs: [
        boardText, oopRangeText, ipRangeText, startingPot, effectiveStack, threadCount,
        startingStreet, rakePercent, rakeCap,
        oopFlopBetSizesText, oopTurnBetSizesText, oopRiverBetSizesText,
        oopFlopRaiseSizesText, oopTurnRaiseSizesText, oopRiverRaiseSizesText,
        ipFlopBetSizesText, ipTurnBetSizesText, ipRiverBetSizesText,
        ipFlopRaiseSizesText, ipTurnRaiseSizesText, ipRiverRaiseSizesText,
        oopFlopAddAllIn, oopTurnAddAllIn, oopRiverAddAllIn,
        oopFlopDontDonk, oopTurnDontDonk, oopRiverDontDonk,
        ipFlopAddAllIn, ipTurnAddAllIn, ipRiverAddAllIn,
        oopAddAllInIfJamLtEnabled, oopAddAllInIfJamLtPct, ipAddAllInIfJamLtEnabled, ipAddAllInIfJamLtPct
    ]
    on_EstimateInputsChanged: _scheduleSolveMemEstimate()

    readonly property var _pageTitles: ({
        home: qsTr("Home"), setup: qsTr("Setup"), solve: qsTr("Solve"),
        results: qsTr("Results"), settings: qsTr("Settings"), app: qsTr("Tessaval")
    })

    // ---- Project state -------------------------------------------------

    function exportProjectState() {
        return ProjectState.exportState(root)
    }

    function applyProjectState(p) {
        ProjectState.applyState(root, p)
    }

    function quickSolvePreset() {
        return developerMode ? defaultPreset : customerQuickSolvePreset
    }

    function _reset(preset, project) {
        applyProjectState(preset)
        hasProject = project
        if (controller && typeof controller.clearResults === "function")
            controller.clearResults()
        syncPagesFromRoot()
    }

    function resetToStartupBlank() {
        _reset(startupBlankPreset, false)
    }

    function resetToNewProject() {
        _reset(newProjectPreset, true)
    }

    function resetToDefaults() {
        _reset(quickSolvePreset(), true)
    }

    // Binds every state property of the set-up and solve pages to the
    // shell's again: a page that wrote one of them had replaced its binding.
    // The solve page's thread count is pushed too, so that it always shows
    // the shell's after a wholesale change; its own picks still come back.
    function syncPagesFromRoot() {
        const pages = [projectPage, solvePage]
        for (let p = 0; p < pages.length; ++p) {
            const page = pages[p]
            if (!page)
                continue
            ProjectState.KEYS.forEach(function (key) {
                if (key.name !== "threadCount" || page === solvePage)
                    page[key.name] = Qt.binding(function () { return root[key.name] })
            })
        }
    }

    // The set-up page's edits come back into the shell.
    function _connectCopyBack() {
        ProjectState.KEYS.forEach(function (key) {
            if (key.name === "threadCount")
                return
            projectPage[key.name + "Changed"].connect(function () {
                root[key.name] = projectPage[key.name]
            })
        })
    }

    // ---- Solve gating --------------------------------------------------

    function targetExploitabilityAmount() {
        return Gating.targetExploitabilityAmount(startingPot, targetExploitability)
    }

    function _normalizeBoardText(s) {
        return Gating.normalizeBoardText(s)
    }

    function _isStrictBoardReady() {
        return Gating.isStrictBoardReady(boardText)
    }

    function _hasAnyHand(text) {
        return Gating.hasAnyHand(text)
    }

    function _hasSizingFilled() {
        return Gating.hasSizingFilled(_gatingState)
    }

    // Read here so the gate follows each figure; null without a controller.
    function _memoryFigures() {
        if (!controller)
            return null
        return {
            solveRequiredMemoryBytes: controller.solveRequiredMemoryBytes,
            systemAvailableMemoryBytes: controller.systemAvailableMemoryBytes,
            resultsReclaimableMemoryBytes: controller.resultsReclaimableMemoryBytes,
            solveRequiredMemoryText: controller.solveRequiredMemoryText,
            effectiveAvailableMemoryText: controller.effectiveAvailableMemoryText
        }
    }

    function _hasEnoughRamToSolve() {
        const figures = _memoryFigures()
        return !!figures && Gating.hasEnoughRam(figures)
    }

    function _solveMemCfg() {
        return Gating.solveConfigMap(exportProjectState())
    }

    function _scheduleSolveMemEstimate() {
        if (solveMemEstimateTimer)
            solveMemEstimateTimer.restart()
    }

    function _navState() {
        return { navIndex: navIndex, controller: controller, hasProject: hasProject, canSolve: canSolve }
    }

    function _navigate(i) {
        const target = Nav.navigateTarget(_navState(), i)
        if (target >= 0)
            navIndex = target
    }

    function _shortcut(i) {
        if (_dialogOpen)
            return
        const target = Nav.shortcutTarget(_navState(), i)
        if (target >= 0)
            navIndex = target
    }

    // Commits the text of the field being edited; false (with the field
    // named in startRefusal) when the field refuses it.
    function commitEditing() {
        startRefusal = Commit.commitFocusedField(root.Window.activeFocusItem)
        return startRefusal.length === 0
    }

    // The gate of every way on to a solve (F5, "Continue to Solve"): the
    // field being edited is committed or refuses, and the spot it then makes
    // must be solvable.
    function _passesStartGate() {
        return commitEditing() && canSolve
    }

    function _startFromKeyboard() {
        if (_dialogOpen || !_passesStartGate() || !Nav.canStartFromKeyboard(_navState()))
            return
        navIndex = Nav.SOLVE
        const cfg = _solveMemCfg()
        if (typeof controller.startSolveWithConfig === "function")
            controller.startSolveWithConfig(cfg)
        else if (typeof controller.startSolve === "function")
            controller.startSolve()
    }

    // Whether the window may close now; `closeNow` closes it once the user
    // has let unsaved results go.
    function closeRequested(closeNow) {
        return !homePage || homePage.closeRequested(closeNow)
    }

    function _cancelFromKeyboard() {
        if (controller && controller.running)
            controller.cancelSolve()
    }

    Timer {
        id: solveMemEstimateTimer
        interval: 450
        repeat: false
        onTriggered: {
            if (!root.controller)
                return
            // The figure of a spot that is no longer complete (a new
            // project's empty board) describes nothing.
            if (!root._canSolveBase) {
                if (typeof root.controller.clearSolveMemoryEstimate === "function")
                    root.controller.clearSolveMemoryEstimate()
                return
            }
            if (typeof root.controller.requestSolveMemoryEstimate === "function")
                root.controller.requestSolveMemoryEstimate(root._solveMemCfg())
        }
    }

    Settings {
        id: uiSettings
        category: "ui"
        property string accentHex: ""
        property bool darkMode: true
    }

    Rectangle {
        anchors.fill: parent
        color: root.theme.bg0
    }
    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: root.theme.withOpacity(root.theme.accent, 0.02) }
            GradientStop { position: 1.0; color: "transparent" }
        }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        TopBar {
            id: topBar
            objectName: "topBar"
            Layout.fillWidth: true
            theme: root.theme
            controller: root.controller
            canSolve: root.canSolve
            solveBlockText: root.solveBlock.text
            projectEnabled: root.hasProject
            currentPage: root.navIndex
            maxIterations: root.maxIterations
            targetExploitability: root.targetExploitability
            pageTitle: Nav.pageTitle(root.navIndex, root._pageTitles)
            pageSubtitle: root.navIndex === Nav.SOLVE && root.controller && root.controller.running
                          ? root.controller.statusText : ""
            onNavigate: function (index) { root._navigate(index) }
        }

        StackLayout {
            id: stack
            Layout.fillWidth: true
            Layout.fillHeight: true
            currentIndex: root.navIndex

            HomePage {
                id: homePage
                objectName: "homePage"
                theme: root.theme
                type: root.type
                projectStateProvider: root.exportProjectState
                onNewProject: {
                    root.resetToNewProject()
                    root.navIndex = Nav.SETUP
                }
                onQuickSolve: {
                    root.resetToDefaults()
                    root.hasProject = true
                    root.navIndex = Nav.SETUP
                }
                onImportRange: {
                    if (!root.hasProject)
                        root.resetToNewProject()
                    root.hasProject = true
                    root.navIndex = Nav.SETUP
                    if (typeof projectPage.openImportRangeDialog === "function")
                        projectPage.openImportRangeDialog("oop")
                }
                onProjectLoaded: function (projectState, hasResults) {
                    root.applyProjectState(projectState)
                    root.hasProject = true
                    root.syncPagesFromRoot()
                    root.navIndex = hasResults ? Nav.RESULTS : Nav.SETUP
                }
            }

            ProjectPage {
                id: projectPage
                objectName: "projectPage"
                theme: root.theme
                type: root.type
                canSolve: root.canSolve
                spotErrors: root.spotErrors
                solveBlockText: root.startRefusal.length > 0 ? root.startRefusal : root.solveBlock.text
                onGoToSolve: {
                    if (root._passesStartGate())
                        root._navigate(Nav.SOLVE)
                }
            }

            SolvePage {
                id: solvePage
                objectName: "solvePage"
                theme: root.theme
                type: root.type
                controller: root.controller
                canSolve: root.canSolve
                solveBlockText: root.solveBlock.text
                threadCount: root.threadCount
                onThreadCountChanged: root.threadCount = threadCount
                onGoToResults: root.navIndex = Nav.RESULTS
            }

            ResultsPage {
                id: resultsPage
                objectName: "resultsPage"
                theme: root.theme
                type: root.type
                controller: root.controller
                boardText: root.boardText
                rakePercent: root.rakePercent
                rakeCap: root.rakeCap
                onGoToSolve: root.navIndex = Nav.SOLVE
            }

            SettingsPage {
                id: settingsPage
                objectName: "settingsPage"
                theme: root.theme
                type: root.type
                darkMode: root.theme.dark
                onDarkModeChanged: root.theme.dark = darkMode
            }

            Component.onCompleted: root._takeRecommendedWidth()
        }
    }

    // A page that is left keeps no keyboard focus: typing on the next page
    // never edits a field of a hidden one.
    onNavIndexChanged: root.forceActiveFocus()

    Connections {
        target: root.Window.window
        ignoreUnknownSignals: true
        function onActiveFocusItemChanged() {
            root.startRefusal = ""
        }
    }

    // The set-up page's figure counts only while the page is laid out at its
    // full scale: hidden, or in a narrow window, it is laid out smaller and
    // would ask for less than it needs.
    function _takeRecommendedWidth() {
        if (projectPage.uiScale >= 1)
            root.projectRecommendedWidth = projectPage.recommendedWindowWidth
    }

    Connections {
        target: projectPage
        function onRecommendedWindowWidthChanged() {
            root._takeRecommendedWidth()
        }
    }

    Shortcut {
        sequence: "Ctrl+1"
        context: Qt.ApplicationShortcut
        onActivated: root._shortcut(Nav.HOME)
    }
    Shortcut {
        sequence: "Ctrl+2"
        context: Qt.ApplicationShortcut
        onActivated: root._shortcut(Nav.SETUP)
    }
    Shortcut {
        sequence: "Ctrl+3"
        context: Qt.ApplicationShortcut
        onActivated: root._shortcut(Nav.SOLVE)
    }
    Shortcut {
        sequence: "Ctrl+4"
        context: Qt.ApplicationShortcut
        onActivated: root._shortcut(Nav.RESULTS)
    }
    Shortcut {
        sequence: "Ctrl+,"
        context: Qt.ApplicationShortcut
        onActivated: root._shortcut(Nav.SETTINGS)
    }
    Shortcut {
        sequence: "F5"
        context: Qt.ApplicationShortcut
        onActivated: root._startFromKeyboard()
    }
    // Only while a solve runs and no dialog is open: otherwise Escape stays
    // with the focused item (a dialog closes on it).
    Shortcut {
        sequence: "Escape"
        context: Qt.ApplicationShortcut
        enabled: !!root.controller && !!root.controller.running && !root._dialogOpen
        onActivated: root._cancelFromKeyboard()
    }

    Component.onCompleted: {
        _connectCopyBack()
        theme.dark = uiSettings.darkMode
        const hex = String(uiSettings.accentHex === undefined || uiSettings.accentHex === null
                           ? "" : uiSettings.accentHex).trim()
        if (hex.length > 0) {
            theme.useAccentOverride = true
            theme.accentOverride = hex
        } else {
            theme.useAccentOverride = false
        }
        resetToStartupBlank()
    }
}
