import QtQuick
import QtTest
import Tessaval
import TestSupport
import "shown_texts.js" as ShownTexts

// The home page with the real controller: its signals, project files saved
// and opened in a folder of this run, failures shown on the page, and the
// statistics cards following the controller.
TestCase {
    id: testCase
    name: "HomePage"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Theme {
        id: appTheme
    }

    Component {
        id: pageComponent
        HomePage {
            width: testCase.width
            height: testCase.height
            theme: appTheme
        }
    }

    Component {
        id: shellComponent
        AppShell {
            width: testCase.width
            height: testCase.height
            controller: appController
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    property int fileNumber: 0

    function fileUrl(name) {
        fileNumber += 1
        return String(testFolderUrl) + "/" + fileNumber + "-" + name
    }

    function makePage(properties) {
        const page = createTemporaryObject(pageComponent, testCase, properties || {})
        verify(page)
        return page
    }

    function spiesOn(page) {
        const spies = {}
        for (const name of ["newProject", "quickSolve", "importRange", "projectLoaded"])
            spies[name] = createTemporaryObject(spyComponent, testCase, { target: page, signalName: name })
        return spies
    }

    function counts(spies) {
        return [spies.newProject.count, spies.quickSolve.count, spies.importRange.count,
                spies.projectLoaded.count]
    }

    function text(page, name) {
        return findChild(page, name).text
    }

    function practice(page) {
        return ["practiceHands", "practiceAccuracy", "practiceEvLoss"].map(function (name) {
            return findChild(page, name).value
        })
    }

    // ---- Signals -------------------------------------------------------------

    function test_clicksEmitTheirSignal_data() {
        return [
            { tag: "hero New Solve", item: "heroNewSolve", expect: [1, 0, 0, 0] },
            { tag: "tile New Solve", item: "quickAction_project", expect: [1, 0, 0, 0] },
            { tag: "tile Quick Solve", item: "quickAction_solve", expect: [0, 1, 0, 0] },
            { tag: "tile Import Range", item: "quickAction_import", expect: [0, 0, 1, 0] }
        ]
    }

    function test_clicksEmitTheirSignal(data) {
        const page = makePage()
        const spies = spiesOn(page)
        waitForRendering(page)
        const item = findChild(page, data.item)
        mouseClick(item)
        compare(counts(spies), data.expect)
        mouseClick(item)
        compare(counts(spies), data.expect.map(function (n) { return 2 * n }))
    }

    function test_fileButtonsOpenTheirDialogs_data() {
        return [
            { tag: "Save", button: "heroSave", dialog: "saveProjectDialog", title: "Save Project" },
            { tag: "Open File", button: "heroOpen", dialog: "openProjectDialog", title: "Open Project" }
        ]
    }

    function test_fileButtonsOpenTheirDialogs(data) {
        const page = makePage()
        const dialog = findChild(page, data.dialog).fileDialog
        compare(dialog.title, data.title)
        compare(dialog.nameFilters.length, 3)
        verify(dialog.nameFilters[0].indexOf("*.tessavalproj") > 0)
        verify(!dialog.visible)
        mouseClick(findChild(page, data.button))
        tryVerify(function () { return dialog.visible })
        dialog.reject()
        tryVerify(function () { return !dialog.visible })
        compare(findChild(page, "fileStatusLine").visible, false)
    }

    // ---- Project files -------------------------------------------------------

    function test_saveThenOpen() {
        const state = { boardText: "AhKsQd", startingPot: 42.5, oopRangeText: "AA,KK", maxIterations: 77 }
        const page = makePage({ projectStateProvider: function () { return state } })
        const spies = spiesOn(page)
        const url = fileUrl("round.tessavalproj")
        const line = findChild(page, "fileStatusLine")
        line.successDuration = 300
        const cards = findChild(page, "quickActionsCard")
        const before = cards.mapToItem(page, 0, 0).y
        verify(page._saveProjectTo(url))
        const written = appController.readTextFile(url)
        verify(written.ok)
        verify(written.text.indexOf("quendal_project") > 0)

        // The save says so for a moment, over the page: nothing moves.
        verify(line.visible && line.success)
        waitForRendering(page)
        compare(cards.mapToItem(page, 0, 0).y, before)
        compare(text(page, "fileStatusText"), "Saved the project as " + fileNumber + "-round.tessavalproj in "
                + decodeURIComponent(String(testFolderUrl).replace(/^file:\/\//, "")) + ".")
        tryVerify(function () { return !line.visible }, 3000)

        verify(page._openProjectFrom(url))
        compare(spies.projectLoaded.count, 1)
        const args = spies.projectLoaded.signalArguments[0]
        compare(args[0].boardText, "AhKsQd")
        compare(args[0].startingPot, 42.5)
        compare(args[0].maxIterations, 77)
        compare(args[1], false)
        verify(!line.visible)

        // A bare path, as Qt's own dialog hands back a typed name, is a local file.
        const bare = String(url).replace(/^file:\/\//, "")
        verify(bare.charAt(0) === "/")
        verify(page._saveProjectTo(bare))
        verify(page._openProjectFrom(bare))
        compare(spies.projectLoaded.count, 2)

        // A name is kept as chosen: no extension is added.
        const plain = fileUrl("no-extension")
        verify(page._saveProjectTo(plain))
        verify(appController.readTextFile(plain).ok)
        compare(appController.readTextFile(plain + ".tessavalproj").error, "File does not exist.")
    }

    function test_saveWithoutProviderWritesAnEmptyState() {
        const page = makePage()
        const spies = spiesOn(page)
        const url = fileUrl("empty.json")
        verify(page._saveProjectTo(url))
        verify(page._openProjectFrom(url))
        compare(Object.keys(spies.projectLoaded.signalArguments[0][0]).length, 0)
    }

    // A failure tells why on the page in the system's words; nothing is
    // emitted and the controller keeps what it had.
    function test_failuresAreShown_data() {
        return [
            { tag: "damaged file", op: "open", content: "{ \"format\": \"quendal_project\", \"vers",
              reason: "Invalid JSON" },
            { tag: "not a project", op: "open",
              content: "{\"format\": \"quendal_ranges_export\", \"version\": 1, \"ranges\": []}",
              reason: "Unrecognized project format" },
            { tag: "newer version", op: "open",
              content: "{\"format\": \"quendal_project\", \"version\": 2, \"project\": {}}",
              reason: "Unsupported project version" },
            { tag: "missing file", op: "open", content: null,
              reason: "Failed to open file: No such file or directory" },
            { tag: "a folder", op: "open", url: "", reason: "Failed to open file: Is a directory" },
            { tag: "remote address", op: "open", url: "https://example.com/p.tessavalproj",
              reason: "Invalid/non-local file URL" },
            { tag: "save into a missing folder", op: "save", url: "missing-folder/p.tessavalproj",
              reason: "missing-folder: No such file or directory" },
            { tag: "save onto a folder", op: "save", url: "",
              reason: "Is a directory" },
            { tag: "save to a remote address", op: "save", url: "https://example.com/p.tessavalproj",
              reason: "Could not save p.tessavalproj in https://example.com: Invalid/non-local file URL" }
        ]
    }

    function test_failuresAreShown(data) {
        const page = makePage({ projectStateProvider: function () { return { boardText: "AhKsQd" } } })
        const spies = spiesOn(page)
        let url = data.url === undefined ? fileUrl("bad.tessavalproj")
                : data.url === "" ? String(testFolderUrl)
                : data.url.indexOf("https:") === 0 ? data.url : fileUrl(data.url)
        if (data.content)
            verify(appController.saveTextFile(url, data.content).ok)
        const status = appController.statusText
        const iterations = appController.resultIterations
        const line = findChild(page, "fileStatusLine")
        verify(!line.visible)
        if (data.op === "open") {
            ignoreWarning(new RegExp("^Load failed: " + data.reason))
            verify(!page._openProjectFrom(url))
        } else {
            ignoreWarning(new RegExp("^Save failed: "))
            verify(!page._saveProjectTo(url))
        }
        verify(line.visible && !line.success)
        verify(text(page, "fileStatusText").indexOf(data.reason) >= 0, text(page, "fileStatusText"))
        compare(counts(spies), [0, 0, 0, 0])
        compare(appController.statusText, status)
        compare(appController.resultIterations, iterations)
        if (data.content)
            compare(appController.readTextFile(url).text, data.content)

        // The line stays until dismissed, or until a file operation succeeds.
        mouseClick(findChild(page, "fileStatusDismiss"))
        verify(!line.visible)
        if (data.op === "open")
            ignoreWarning(new RegExp("^Load failed: "))
        else
            ignoreWarning(new RegExp("^Save failed: "))
        data.op === "open" ? page._openProjectFrom(url) : page._saveProjectTo(url)
        verify(line.visible && !line.success)
        verify(page._saveProjectTo(fileUrl("good.tessavalproj")))
        verify(line.success)
    }

    function test_withoutControllerNothingHappens() {
        const page = makePage({ appControllerObject: null })
        const spies = spiesOn(page)
        ignoreWarning(new RegExp("^Save failed: "))
        verify(!page._saveProjectTo(fileUrl("x.tessavalproj")))
        verify(text(page, "fileStatusText").indexOf("not available") > 0)
        verify(!page._openProjectFrom(fileUrl("x.tessavalproj")))
        compare(counts(spies), [0, 0, 0, 0])
    }

    // ---- Working on a file ---------------------------------------------------

    // Frames the window has painted while the page showed its busy sign.
    property var busyPage: null
    property int framesWhileBusy: 0

    Connections {
        target: testCase.Window.window
        function onFrameSwapped() {
            const busy = testCase.busyPage ? findChild(testCase.busyPage, "fileBusyPopup") : null
            if (busy && busy.visible)
                testCase.framesWhileBusy += 1
        }
    }

    // What the page showed at the moment the controller was asked.
    function shownNow(page) {
        const busy = findChild(page, "fileBusyPopup")
        return { text: busy.visible ? findChild(busy.contentItem, "fileBusyText").text : "",
                 painted: framesWhileBusy > 0, dialogs: page._dialogShown() }
    }

    // A controller that notes what the page showed when it was called.
    function spyController(seen) {
        return {
            resultIterations: 1,
            localFileStatus: function (u) { return appController.localFileStatus(u) },
            lastSaveError: function () { return appController.lastSaveError() },
            saveProject: function (u, state) {
                seen.push(shownNow(busyPage))
                return appController.saveProject(u, state)
            },
            loadProject: function (u) {
                seen.push(shownNow(busyPage))
                return appController.loadProject(u)
            }
        }
    }

    // Reading or writing holds the window: before the call, the question and
    // the file dialog are gone and "Opening …" or "Saving …" has been
    // painted; afterwards the sign is gone.
    function test_busySignBeforeTheCall_data() {
        return [{ tag: "open, after the question", op: "open" }, { tag: "save, typed", op: "save" }]
    }

    function test_busySignBeforeTheCall(data) {
        const seen = []
        const page = makePage({ appControllerObject: spyController(seen) })
        busyPage = page
        framesWhileBusy = 0
        waitForRendering(page)
        const url = fileUrl("busy.tessavalproj")
        const name = fileNumber + "-busy.tessavalproj"
        verify(appController.saveProject(url, { boardText: "AhKsQd" }))
        if (data.op === "open") {
            page._resultsUnsaved = true
            findChild(page, "openProjectDialog").fileChosen(url)
            const confirm = findChild(page, "discardResultsDialog")
            tryCompare(confirm, "opened", true)
            mouseClick(findChild(confirm.footer, "confirmButton"))
        } else {
            const chooser = findChild(page, "saveProjectDialog")
            chooser.currentFolder = testFolderUrl
            mouseClick(findChild(page, "heroSave"))
            tryVerify(function () { return chooser._nameField !== null && chooser._acceptButton !== null })
            waitForRendering(testCase)
            mouseClick(chooser._nameField)
            tryVerify(function () { return chooser._nameField.activeFocus })
            for (const c of fileNumber + "-busy2")
                keyClick(c)
            compare(chooser._nameField.text, fileNumber + "-busy2")
            keyClick(Qt.Key_Return)
        }
        tryCompare(seen, "length", 1)
        const expected = data.op === "open" ? "Opening " + name + "\u2026"
                                            : "Saving " + fileNumber + "-busy2.tessavalproj\u2026"
        compare(JSON.stringify(seen[0]), JSON.stringify({ text: expected, painted: true, dialogs: false }))
        tryVerify(function () { return !findChild(page, "fileBusyPopup").visible })
        verify(!page.dialogOpen)
        busyPage = null
    }

    // ---- Through the shell ---------------------------------------------------

    function tinySpot() {
        const map = {
            board: "KsQd7h4c2s", starting_pot: 10, effective_stack: 20, starting_street: "river",
            max_iterations: 30, target_exploitability: 0, thread_count: 2,
            oop_range: "AA, KK, QQ, 77, AK, KQ, QJs", ip_range: "KK, QQ, JJ, AK, AQ, 98s"
        }
        for (const seat of ["oop", "ip"])
            for (const street of ["flop", "turn", "river"]) {
                map[seat + "_" + street + "_bet_sizes"] = "50, 100"
                map[seat + "_" + street + "_raise_sizes"] = "a"
            }
        return map
    }

    function test_shellAppliesAnOpenedProject() {
        const shell = createTemporaryObject(shellComponent, testCase)
        const home = findChild(shell, "homePage")
        home.newProject()
        shell.applyProjectState({ boardText: "9s8s2d", startingPot: 31, oopRangeText: "QQ+" })
        shell.navIndex = 0
        const url = fileUrl("shell.tessavalproj")
        verify(home._saveProjectTo(url))

        shell.applyProjectState({ boardText: "AhKsQd", startingPot: 5, oopRangeText: "22" })
        verify(home._openProjectFrom(url))
        compare(shell.navIndex, 1)
        compare([shell.boardText, shell.startingPot, shell.oopRangeText], ["9s8s2d", 31, "QQ+"])

        // A damaged file changes nothing and stays on the home page.
        shell.navIndex = 0
        const bad = fileUrl("damaged.tessavalproj")
        verify(appController.saveTextFile(bad, "{\"format\": \"quendal_project\", \"version\": 1, \"project\": ").ok)
        const before = JSON.stringify(shell.exportProjectState())
        ignoreWarning(/^Load failed: /)
        verify(!home._openProjectFrom(bad))
        compare(shell.navIndex, 0)
        compare(JSON.stringify(shell.exportProjectState()), before)
        verify(findChild(home, "fileStatusLine").visible)
    }

    // A solve is recorded and shown; its project opens on the results page.
    function test_solvedProjectOpensOnResults() {
        const shell = createTemporaryObject(shellComponent, testCase)
        const home = findChild(shell, "homePage")
        const totalBefore = home._totalSolves
        const weekBefore = home._solvesThisWeek
        appController.startSolveWithConfig(tinySpot())
        tryVerify(function () { return !appController.running && appController.resultIterations === 30 }, 60000)
        tryCompare(home, "_totalSolves", totalBefore + 1)
        compare(home._solvesThisWeek, weekBefore + 1)
        compare(text(home, "totalSolvesValue"), String(totalBefore + 1))
        verify(text(home, "avgRuntimeValue") !== "—")
        verify(home.solveHistoryDaily.length >= 1)
        verify(!findChild(home, "noSolvesNotice").visible)

        shell.applyProjectState({ boardText: "KsQd7h4c2s", startingPot: 10, effectiveStack: 20 })
        const url = fileUrl("solved.tessavalproj")
        verify(home._saveProjectTo(url))
        appController.clearResults()
        compare(appController.resultIterations, 0)
        verify(home._openProjectFrom(url))
        compare(appController.resultIterations, 30)
        compare(shell.navIndex, 3)
    }

    // ---- Statistics cards ------------------------------------------------------

    function test_practiceCardFollowsTheController() {
        appController.clearPlayVsSolutionStats()
        const page = makePage()
        compare(practice(page), ["0 / 0", "— / —", "— / —"])
        appController.recordPlayVsSolutionHand(false, 0)
        appController.recordPlayVsSolutionHand(true, 0.25)
        compare(practice(page), ["2 / 2", "50 / 50", "0.125 / 0.125"])

        // "Clear" asks first; cancelling keeps the figures.
        const dialog = findChild(page, "clearStatsDialog")
        mouseClick(findChild(page, "clearPracticeButton"))
        tryVerify(function () { return dialog.visible })
        dialog.reject()
        compare(findChild(page, "practiceHands").value, "2 / 2")
        mouseClick(findChild(page, "clearPracticeButton"))
        tryVerify(function () { return dialog.visible })
        dialog.accept()
        compare(practice(page), ["0 / 0", "— / —", "— / —"])
        compare(appController.playVsSolutionStats().totalHands, 0)
    }

    function test_systemFigures() {
        const page = makePage()
        compare(text(page, "engineValue"), "Tessaval Core")
        compare(text(page, "threadsValue"), appController.systemThreadCount + " available")
        compare(text(page, "memoryValue"), appController.systemMemoryText + " ("
                + appController.systemAvailableMemoryText + " free)")
    }

    function test_withoutControllerTheCardsShowDashes() {
        const page = makePage({ appControllerObject: null })
        page.reloadSolveActivity()
        page.reloadPlayVsSolutionStats()
        compare(page.solveActivityGrid.length, 0)
        compare(page.solveHistoryDaily.length, 0)
        compare(practice(page), ["0 / 0", "— / —", "— / —"])
        compare([text(page, "totalSolvesValue"), text(page, "solvesThisWeekValue"),
                 text(page, "avgRuntimeValue")], ["0", "0", "—"])
        compare(text(page, "threadsValue"), "—")
        compare(text(page, "memoryValue"), "— (— free)")
    }

    // The six-month grid is preferred; the year is the fallback.
    function test_gridSource_data() {
        return [
            { tag: "six months", controller: { solveActivityGridLastSixMonths: function () { return [1, 2] },
                                               solveActivityGridLastYear: function () { return [3] },
                                               solveHistoryDaily: function () { return [4] } },
              grid: [1, 2], history: [4] },
            { tag: "a year", controller: { solveActivityGridLastYear: function () { return [3] } },
              grid: [3], history: [] },
            { tag: "neither", controller: { solveHistoryDaily: function () { return [4] } },
              grid: [], history: [] }
        ]
    }

    function test_gridSource(data) {
        const page = makePage({ appControllerObject: data.controller })
        compare(page.solveActivityGrid, data.grid)
        compare(page.solveHistoryDaily, data.history)
    }

    // ---- Longer languages ----

    Component {
        id: translatorComponent
        TestTranslator { contexts: ["HomePage"]; prefix: "Übersetzt " }
    }

    // Texts far longer than the English ones, on a laptop's width: every
    // text shows whole, the tiles' descriptions on a second line if need be.
    function test_longTextsFit() {
        const translator = createTemporaryObject(translatorComponent, testCase,
                                                 { language: Qt.locale().name.split("_")[0], active: true })
        const page = makePage({ width: 1297, height: 729 })
        waitForRendering(page)
        compare(ShownTexts.cut(page), [])
        const tile = findChild(page, "quickAction_project")
        verify(tile.childrenRect.height <= tile.height, "the tile holds its texts")
        translator.active = false
    }
}
