// The dashboard the window opens on: new project, quick solve, range import,
// saving and opening project files, the practice and solve statistics with
// the machine's figures, the solve chart and the activity calendar.
import QtQuick
import QtQuick.Layouts
import QtQuick.Dialogs
import Tessaval
import "home_stats.js" as Stats
import "home_projects.js" as Projects
import "../../components/local_file_dialog.js" as Files

Item {
    id: root

    property var theme
    property var type
    property var projectStateProvider

    // The controller the page reads and calls: the published one.
    property var appControllerObject: typeof appController !== "undefined" ? appController : null

    signal newProject()
    signal quickSolve()
    signal importRange()
    signal projectLoaded(var projectState, bool hasResults)

    // Statistics, replaced whole on every reload.
    property var solveActivityGrid: []
    property var solveHistoryDaily: []
    property var playVsSolutionStats: ({})

    readonly property int _totalSolves: Stats.totalSolves(solveActivityGrid)
    readonly property int _solvesThisWeek: Stats.solvesThisWeek(solveActivityGrid, new Date())
    readonly property string _avgRuntimeText: Stats.averageRuntimeText(solveActivityGrid, _durationFormats)

    // How the last save or open went, shown under the hero: a failure until
    // the next file operation succeeds or the user puts it away, a success
    // for a moment.
    // The file line's message, written when it is shown, so that it follows
    // a change of language: a function giving the text, or null.
    property var _fileNote: null
    readonly property string _fileMessage: _fileNote ? _fileNote() : ""
    property bool _fileSucceeded: false
    // The controller holds results that were never saved (nor opened from
    // a file), and what waits for the user to let them go.
    property bool _resultsUnsaved: false
    // A dialog of the page is on screen, or a file is being read or
    // written: the shell's page shortcuts wait.
    readonly property bool dialogOpen: _dialogShown() || busyPopup.visible
    property var _afterDiscard: null
    // A close of the window that waits for the file work to end.
    property var _closeAfterWork: null

    readonly property var _durationFormats: ({
        seconds: qsTr("%1s"), minutes: qsTr("%1m"), minutesSeconds: qsTr("%1m %2s")
    })
    readonly property var _fileTypes: [
        qsTr("Tessaval Project (*.tessavalproj)"), qsTr("JSON (*.json)"), qsTr("All Files (*)")
    ]

    function _offers(method) {
        return !!appControllerObject && typeof appControllerObject[method] === "function"
    }

    // ---- Statistics ----------------------------------------------------

    function reloadSolveActivity() {
        if (!_offers("solveActivityGridLastSixMonths") && !_offers("solveActivityGridLastYear")) {
            solveActivityGrid = []
            solveHistoryDaily = []
            return
        }
        const grid = _offers("solveActivityGridLastSixMonths")
                   ? appControllerObject.solveActivityGridLastSixMonths()
                   : appControllerObject.solveActivityGridLastYear()
        solveActivityGrid = grid ? grid : []
        const history = _offers("solveHistoryDaily") ? appControllerObject.solveHistoryDaily() : []
        solveHistoryDaily = history ? history : []
    }

    function reloadPlayVsSolutionStats() {
        const stats = _offers("playVsSolutionStats") ? appControllerObject.playVsSolutionStats() : null
        playVsSolutionStats = stats ? stats : ({})
    }

    function parseIsoDate(s) {
        return Stats.parseIsoDate(s)
    }

    function startOfWeekMonday(dt) {
        return Stats.startOfWeekMonday(dt)
    }

    function formatDurationSeconds(sec) {
        return Stats.formatDurationSeconds(sec, _durationFormats)
    }

    function _clearPracticeStats() {
        if (_offers("clearPlayVsSolutionStats"))
            appControllerObject.clearPlayVsSolutionStats()
    }

    // ---- Project files -------------------------------------------------

    // ---- Unsaved results ------------------------------------------------

    function _hasResults() {
        const c = appControllerObject
        return !!c && (Number(c.resultIterations) > 0
                       || (typeof c.treeNodeCount === "function" && c.treeNodeCount() > 0))
    }

    // Runs `action`, after asking when it would throw away unsaved results.
    function _unlessUnsaved(action) {
        if (_resultsUnsaved && _hasResults()) {
            _afterDiscard = action
            discardDialog.open()
            return
        }
        action()
    }

    function _dialogShown() {
        return saveDialog.shown || openDialog.shown || discardDialog.visible || clearStatsDialog.visible
    }

    // Whether the window may close now. When unsaved results would go, the
    // question is asked first and `closeNow` runs once the user lets them
    // go; while a file is read or written, the close waits for the end.
    function closeRequested(closeNow) {
        if (busyPopup.working) {
            _closeAfterWork = closeNow
            return false
        }
        if (!(_resultsUnsaved && _hasResults()))
            return true
        _unlessUnsaved(closeNow)
        return false
    }

    function _newProjectAsked() {
        _unlessUnsaved(function () { root.newProject() })
    }

    function _quickSolveAsked() {
        _unlessUnsaved(function () { root.quickSolve() })
    }

    function _showFileMessage(note, succeeded) {
        _fileSucceeded = succeeded
        _fileNote = note
    }

    // Runs the file work `work` once "`text`" shows that it goes on, then
    // a close of the window that came meanwhile.
    function _withBusySign(text, work) {
        busyPopup.run(text, function () {
            work()
            const close = root._closeAfterWork
            root._closeAfterWork = null
            if (close && root.closeRequested(close))
                close()
        })
    }

    function _saveChosen(fileUrl) {
        _withBusySign(qsTr("Saving %1…").arg(Files.fileName(fileUrl)),
                      function () { root._saveProjectTo(fileUrl) })
    }

    function _openChosen(fileUrl) {
        _unlessUnsaved(function () {
            root._withBusySign(qsTr("Opening %1…").arg(Files.fileName(fileUrl)),
                               function () { root._openProjectFrom(fileUrl) })
        })
    }

    function _saveProjectTo(fileUrl) {
        const result = Projects.save(appControllerObject, fileUrl, projectStateProvider)
        const name = Files.fileName(fileUrl)
        const folder = Files.folderPath(fileUrl)
        if (result.ok) {
            _resultsUnsaved = false
            const leftOut = result.lockEditsLeftOut
            _showFileMessage(function () { return qsTr("Saved the project as %1 in %2.").arg(name).arg(folder)
                                                  + (leftOut ? " " + qsTr("Lock edits made since the last solve are not in it: re-solve, then save to keep them.") : "") },
                             true)
            return true
        }
        console.warn("Save failed:", String(fileUrl))
        _showFileMessage(function () {
            const reason = !result.called ? qsTr("the project service is not available.")
                         : result.reason.length > 0 ? result.reason : qsTr("unknown")
            return qsTr("Could not save %1 in %2: %3").arg(name).arg(folder).arg(reason)
        }, false)
        return false
    }

    function _openProjectFrom(fileUrl) {
        const result = Projects.open(appControllerObject, fileUrl)
        if (!result.called)
            return false
        if (result.ok) {
            _resultsUnsaved = false
            _showFileMessage(null, false)
            root.projectLoaded(result.project, result.hasResults)
            return true
        }
        console.warn("Load failed:", result.error)
        _showFileMessage(function () {
            return qsTr("Could not open %1: %2").arg(Files.fileName(fileUrl))
                    .arg(result.error.length > 0 ? result.error : qsTr("unknown"))
        }, false)
        return false
    }

    Connections {
        target: root.appControllerObject
        ignoreUnknownSignals: true
        function onSolveStatsChanged() {
            root.reloadSolveActivity()
        }
        function onPlayVsSolutionStatsChanged() {
            root.reloadPlayVsSolutionStats()
        }
        function onResultsChanged() {
            root._resultsUnsaved = root._hasResults()
        }
    }

    Component.onCompleted: {
        reloadSolveActivity()
        reloadPlayVsSolutionStats()
    }

    LocalFileDialog {
        id: saveDialog
        objectName: "saveProjectDialog"
        theme: root.theme
        controller: root.appControllerObject
        title: qsTr("Save Project")
        fileMode: FileDialog.SaveFile
        nameFilters: root._fileTypes
        onFileChosen: function (fileUrl) { root._saveChosen(fileUrl) }
    }

    LocalFileDialog {
        id: openDialog
        objectName: "openProjectDialog"
        theme: root.theme
        controller: root.appControllerObject
        title: qsTr("Open Project")
        fileMode: FileDialog.OpenFile
        nameFilters: root._fileTypes
        onFileChosen: function (fileUrl) { root._openChosen(fileUrl) }
    }

    SetupConfirmDialog {
        id: discardDialog
        objectName: "discardResultsDialog"
        theme: root.theme
        // Over every other dialog of any page: a close of the window asks
        // whatever is open.
        z: 100
        width: 420
        title: qsTr("Discard results")
        question: qsTr("The results of the current solve were never saved. Discard them?")
        note: qsTr("Save the project first to keep them.")
        confirmText: qsTr("Discard")
        onConfirmed: {
            const action = root._afterDiscard
            root._afterDiscard = null
            if (action)
                action()
        }
        onClosed: Qt.callLater(function () { root._afterDiscard = null })
    }

    FileBusyPopup {
        id: busyPopup
        objectName: "fileBusyPopup"
        theme: root.theme
        window: root.Window.window
        dialogsShown: root._dialogShown
    }

    MessageDialog {
        id: clearStatsDialog
        objectName: "clearStatsDialog"
        title: qsTr("Clear Play vs. Solution Stats")
        text: qsTr("Clear all Play vs. Solution statistics (today + total)?")
        buttons: MessageDialog.Ok | MessageDialog.Cancel
        onAccepted: root._clearPracticeStats()
    }

    PageScrollArea {
        id: scroll
        objectName: "homeScroll"
        anchors.fill: parent
        // Every row at its least width, with its margins: the hero with its
        // buttons and the logo, the quick actions beside the figures, the
        // chart at its least beside every week of the calendar.
        requiredWidth: Math.max(24 + hero.implicitWidth + 20,
                                24 + quickActionsCard.Layout.minimumWidth + 20 + rightColumn.Layout.minimumWidth + 24,
                                24 + solveTrendCard.Layout.minimumWidth + 20 + solveActivityCard.Layout.minimumWidth + 24)
        contentHeight: pageColumn.implicitHeight

        ColumnLayout {
            id: pageColumn
            width: scroll.contentWidth
            spacing: 24

            Item {
                Layout.preferredHeight: 8
            }

            HomeHero {
                id: hero
                objectName: "homeHero"
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 20
                Layout.preferredHeight: 180
                theme: root.theme
                onNewSolveClicked: root._newProjectAsked()
                onSaveClicked: saveDialog.open()
                onOpenClicked: openDialog.open()
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                spacing: 20

                QuickActionsCard {
                    id: quickActionsCard
                    objectName: "quickActionsCard"
                    // 320 wide, narrower only where the figures need the room.
                    Layout.fillWidth: true
                    Layout.preferredWidth: 320
                    Layout.maximumWidth: 320
                    Layout.minimumWidth: implicitWidth
                    Layout.alignment: Qt.AlignTop
                    // As tall as the column beside it, or as its tiles need.
                    Layout.preferredHeight: Math.max(rightColumn.implicitHeight, implicitHeight)
                    theme: root.theme
                    onActionTriggered: function (action) {
                        if (action === "project")
                            root._newProjectAsked()
                        else if (action === "solve")
                            root._quickSolveAsked()
                        else if (action === "import")
                            root.importRange()
                    }
                }

                ColumnLayout {
                    id: rightColumn
                    Layout.fillWidth: true
                    Layout.minimumWidth: Math.max(practiceStatsCard.leastWidth, solveHistoryCard.implicitWidth)
                    Layout.alignment: Qt.AlignTop
                    spacing: 20

                    PracticeStatsCard {
                        id: practiceStatsCard
                        objectName: "practiceStatsCard"
                        Layout.fillWidth: true
                        theme: root.theme
                        stats: root.playVsSolutionStats
                        onClearClicked: clearStatsDialog.open()
                    }

                    SolveHistoryCard {
                        id: solveHistoryCard
                        objectName: "solveHistoryCard"
                        Layout.fillWidth: true
                        theme: root.theme
                        controller: root.appControllerObject
                        totalSolves: root._totalSolves
                        solvesThisWeek: root._solvesThisWeek
                        avgRuntimeText: root._avgRuntimeText
                    }
                }
            }

            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                spacing: 20

                // The chart gives way first on a narrow page, so that the
                // calendar keeps all its weeks.
                SolveTrendCard {
                    id: solveTrendCard
                    objectName: "solveTrendCard"
                    Layout.preferredWidth: 680
                    Layout.maximumWidth: 680
                    Layout.minimumWidth: 320
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    Layout.alignment: Qt.AlignTop
                    theme: root.theme
                    solveHistoryDaily: root.solveHistoryDaily
                }

                SolveActivityCard {
                    id: solveActivityCard
                    objectName: "solveActivityCard"
                    Layout.fillWidth: true
                    Layout.minimumWidth: allWeeksWidth
                    Layout.fillHeight: true
                    Layout.alignment: Qt.AlignTop
                    theme: root.theme
                    solveActivityGrid: root.solveActivityGrid
                }
            }

            Item {
                Layout.preferredHeight: 24
            }
        }
    }

    // Over the page's foot, so that the cards never move when it comes and goes.
    FileStatusLine {
        objectName: "fileStatusLine"
        z: 5
        width: Math.min(root.width - 48, 760)
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 24
        visible: root._fileMessage.length > 0
        theme: root.theme
        message: root._fileMessage
        success: root._fileSucceeded
        onDismissed: root._fileNote = null
    }
}
