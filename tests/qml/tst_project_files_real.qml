import QtQuick
import QtTest
import Tessaval

// Project files the way a user handles them: the real window and controller,
// the home page's buttons and the file dialogs Qt draws on this desktop,
// driven with the mouse and the keyboard.
TestCase {
    id: testCase
    name: "ProjectFilesReal"
    when: windowShown

    property var window
    property var shell
    property var home

    function item(name, parent) {
        const found = findChild(parent || window, name)
        verify(found, name)
        return found
    }

    function tinySpot() {
        const state = {
            boardText: "KsQd7h4c2s", startingPot: 10, effectiveStack: 20, maxIterations: 20,
            targetExploitability: 0, oopRangeText: "AA, KK, QQ, 77, AK, KQ, QJs",
            ipRangeText: "KK, QQ, JJ, AK, AQ, 98s"
        }
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"]) {
                state[seat + street + "BetSizesText"] = "50, 100"
                state[seat + street + "RaiseSizesText"] = "a"
            }
        return state
    }

    function solveTinySpot() {
        shell.applyProjectState(tinySpot())
        shell.syncPagesFromRoot()
        appController.startSolveWithConfig(shell._solveMemCfg())
        tryVerify(function () { return !appController.running && appController.resultIterations > 0 }, 60000)
    }

    function rootStrategy() {
        return JSON.stringify(appController.nodeHandStrategy(0).actionProbs)
    }

    // Opens a file dialog of the home page from its button, in `folder`.
    function openDialog(button, dialogName, folder) {
        const chooser = item(dialogName, home)
        chooser.currentFolder = folder
        mouseClick(item(button, home))
        tryVerify(function () { return chooser.fileDialog.visible && chooser._acceptButton !== null })
        waitForRendering(window.contentItem)
        compare(chooser.fileDialog.currentFolder, folder)
        return chooser
    }

    function typeName(chooser, name) {
        tryVerify(function () { return chooser._nameField !== null })
        const field = chooser._nameField
        mouseClick(field)
        field.selectAll()
        keyClick(Qt.Key_Delete)
        for (const c of name)
            keyClick(c)
    }

    // The item named `name` that is shown, under `parent`.
    function shown(name, parent) {
        const kids = (parent || window.contentItem.parent).children
        for (let i = 0; i < kids.length; ++i) {
            if (!kids[i].visible)
                continue
            if (kids[i].objectName === name)
                return kids[i]
            const found = shown(name, kids[i])
            if (found)
                return found
        }
        return null
    }

    function statusText() {
        return item("fileStatusText", home).text
    }

    function localPath(url) {
        return decodeURIComponent(String(url).replace(/^file:\/\//, ""))
    }

    function fileText(name, folder) {
        return appController.readTextFile(String(folder || testFolderUrl) + "/" + name).text
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/Tessaval/Main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null, { width: 1540, height: 1000 })
        window.show()
        window.width = 1540
        window.height = 1000
        tryCompare(window, "visible", true)
        shell = item("appShell")
        home = item("homePage")
    }

    function cleanupTestCase() {
        window.destroy()
    }

    // A new name typed into an empty folder saves there (the filter's
    // extension added) and opens again from "Open File" with the same result.
    function test_1_saveUnderANewNameAndOpenIt() {
        solveTinySpot()
        const before = rootStrategy()
        const chooser = openDialog("heroSave", "saveProjectDialog", testFolderUrl)
        const save = chooser._acceptButton
        compare(save.text, "Save")
        verify(!save.enabled)
        typeName(chooser, "river1")
        verify(save.enabled)
        mouseClick(save)
        tryVerify(function () { return !chooser.fileDialog.visible })
        tryCompare(item("fileStatusText", home), "text",
                   "Saved the project as river1.tessavalproj in " + localPath(testFolderUrl) + ".")
        verify(fileText("river1.tessavalproj").indexOf("quendal_project") > 0)

        appController.clearResults()
        compare(appController.resultIterations, 0)
        const opener = openDialog("heroOpen", "openProjectDialog", testFolderUrl)
        tryVerify(function () { return shown("fileDialogDelegate0") !== null })
        const row = shown("fileDialogDelegate0")
        compare(row.fileName, "river1.tessavalproj")
        mouseClick(row)
        mouseClick(opener._acceptButton)
        tryVerify(function () { return !opener.fileDialog.visible })
        tryCompare(shell, "navIndex", 3)
        compare(rootStrategy(), before)
        compare(shell.boardText, "KsQd7h4c2s")
        shell.navIndex = 0
    }

    // An existing file is replaced only after the user says so.
    function test_2_replaceOnlyAfterConfirming() {
        const old = fileText("river1.tessavalproj")
        verify(old.length > 0)
        shell.applyProjectState({ startingPot: 12 })
        for (const answer of ["cancelButton", "confirmButton"]) {
            const chooser = openDialog("heroSave", "saveProjectDialog", testFolderUrl)
            typeName(chooser, "river1")
            keyClick(Qt.Key_Return)
            tryVerify(function () { return !chooser.fileDialog.visible })
            const confirm = chooser.replaceDialog
            tryCompare(confirm, "opened", true)
            compare(item("confirmName", confirm.contentItem).text, "\u201Criver1.tessavalproj\u201D")
            compare(fileText("river1.tessavalproj"), old)
            mouseClick(item(answer, confirm.footer))
            tryCompare(confirm, "visible", false)
        }
        tryVerify(function () { return fileText("river1.tessavalproj") !== old })
        const replaced = fileText("river1.tessavalproj")
        verify(replaced !== old)
        verify(replaced.indexOf("\"startingPot\": 12") > 0, replaced.substring(0, 400))
    }

    // A folder that cannot be written: the save fails with the system's reason.
    function test_3_aReadOnlyFolderTellsWhy() {
        if (readOnlyFolderReason.length === 0)
            skip("this machine lets the test write everywhere")
        const chooser = openDialog("heroSave", "saveProjectDialog", readOnlyFolderUrl)
        typeName(chooser, "blocked")
        ignoreWarning(/^Save failed: /)
        keyClick(Qt.Key_Return)
        tryVerify(function () { return !chooser.fileDialog.visible })
        tryCompare(item("fileStatusText", home), "text", "Could not save blocked.tessavalproj in "
                   + localPath(readOnlyFolderUrl) + ": " + readOnlyFolderReason)
        verify(!item("fileStatusLine", home).success)
    }

    // Nothing solved is thrown away unasked: "New Solve" and opening a
    // file ask while the results were never saved; after a save they do not.
    function test_4_unsavedResultsAreNotDiscardedUnasked() {
        solveTinySpot()
        const iterations = appController.resultIterations
        const confirm = item("discardResultsDialog", home)
        mouseClick(item("heroNewSolve", home))
        tryCompare(confirm, "opened", true)
        mouseClick(item("cancelButton", confirm.footer))
        tryCompare(confirm, "visible", false)
        compare([shell.navIndex, appController.resultIterations], [0, iterations])

        const opener = openDialog("heroOpen", "openProjectDialog", testFolderUrl)
        mouseClick(shown("fileDialogDelegate0"))
        mouseClick(opener._acceptButton)
        tryCompare(confirm, "opened", true)
        mouseClick(item("cancelButton", confirm.footer))
        tryCompare(confirm, "visible", false)
        compare([shell.navIndex, shell.startingPot], [0, 10])

        mouseClick(item("heroNewSolve", home))
        tryCompare(confirm, "opened", true)
        mouseClick(item("confirmButton", confirm.footer))
        compare([shell.navIndex, appController.resultIterations], [1, 0])

        shell.navIndex = 0
        solveTinySpot()
        verify(home._saveProjectTo(String(testFolderUrl) + "/kept.tessavalproj"))
        mouseClick(item("quickAction_solve", home))
        verify(!confirm.opened)
        compare(shell.navIndex, 1)
        shell.navIndex = 0
    }

    // Opening a project over another result: the practice hand of the old
    // result ends unlogged, its lock edits go, and the header shows the
    // opened board at once.
    function test_5_openingReplacesTheOldResultsWork() {
        solveTinySpot()
        const url = String(testFolderUrl) + "/first.tessavalproj"
        verify(home._saveProjectTo(url))
        const other = tinySpot()
        other.boardText = "AhKd8c5s2h"
        shell.applyProjectState(other)
        appController.startSolveWithConfig(shell._solveMemCfg())
        tryVerify(function () { return !appController.running && appController.resultIterations > 0 }, 60000)
        shell.navIndex = 3
        const results = item("resultsPage")
        results.nodeLockMode = true
        results.nodeLocksByNode = { "0": { AA: [1, 0, 0] } }
        results.playMode = true
        results.startPlaySession("BOTH")
        verify(results.playSessionStarted)
        const hands = appController.playVsSolutionStats().totalHands
        shell.navIndex = 0
        verify(home._openProjectFrom(url))
        compare(shell.navIndex, 3)
        verify(!results.playSessionStarted)
        compare([results.nodeLockMode, Object.keys(results.nodeLocksByNode).length], [false, 0])
        compare(item("headerBoard", results).boardText, "KsQd7h4c2s")
        compare(appController.playVsSolutionStats().totalHands, hands)
        shell.navIndex = 0
    }

    // A whole path typed into the name field is where the file goes, or
    // the system says why not; the line names the folder as it is.
    function test_6_aTypedPathSavesThere_data() {
        const parent = String(testFolderUrl).replace(/\/[^\/]*$/, "")
        const subD = String(foldersUrl) + "/sub.d"
        return [
            { tag: "another writable folder", typed: localPath(parent) + "/x1", folder: parent,
              line: "Saved the project as x1.tessavalproj in " + localPath(parent) + "." },
            { tag: "through other folders", typed: localPath(foldersUrl) + "/sub/.././sub.d/x1",
              folder: subD, line: "Saved the project as x1.tessavalproj in " + localPath(subD) + "." },
            { tag: "a folder that cannot be written", typed: localPath(readOnlyFolderUrl) + "/x1",
              folder: String(readOnlyFolderUrl), line: "Could not save x1.tessavalproj in "
                    + localPath(readOnlyFolderUrl) + ": " + readOnlyFolderReason }
        ]
    }

    function test_6_aTypedPathSavesThere(data) {
        if (data.line.slice(-2) === ": ")
            skip("this machine lets the test write everywhere")
        const chooser = openDialog("heroSave", "saveProjectDialog", testFolderUrl)
        typeName(chooser, data.typed)
        if (data.line.indexOf("Could not") === 0)
            ignoreWarning(/^Save failed: /)
        keyClick(Qt.Key_Return)
        tryVerify(function () { return !chooser.fileDialog.visible })
        tryCompare(item("fileStatusText", home), "text", data.line)
        const written = data.line.indexOf("Saved") === 0
        compare(fileText("x1.tessavalproj", data.folder).indexOf("quendal_project") > 0, written)
        compare(appController.readTextFile(String(testFolderUrl) + "/x1.tessavalproj").ok, false)
    }

    // Closing the window with results never saved asks, over whatever page
    // is in front; Escape and Cancel keep everything (Return, as in the
    // other questions, answers nothing), Discard closes; after a save the
    // window closes at once.
    function test_7_closingAsksForUnsavedResults() {
        solveTinySpot()
        shell.navIndex = 3
        const confirm = item("discardResultsDialog", home)
        const kept = [3, appController.resultIterations, JSON.stringify(shell.exportProjectState())]
        for (const answer of ["escape", "cancel"]) {
            window.close()
            tryCompare(confirm, "opened", true)
            keyClick(Qt.Key_Return)
            verify(window.visible && confirm.visible)
            if (answer === "escape")
                keyClick(Qt.Key_Escape)
            else
                mouseClick(item("cancelButton", confirm.footer))
            tryCompare(confirm, "visible", false)
            verify(window.visible)
            compare([shell.navIndex, appController.resultIterations,
                     JSON.stringify(shell.exportProjectState())], kept)
        }
        window.close()
        tryCompare(confirm, "opened", true)
        mouseClick(item("confirmButton", confirm.footer))
        tryCompare(window, "visible", false)

        window.show()
        tryCompare(window, "visible", true)
        verify(home._saveProjectTo(String(testFolderUrl) + "/closing.tessavalproj"))
        window.close()
        verify(!window.visible)
        verify(!confirm.visible)
        window.show()
        tryCompare(window, "visible", true)
    }

    // A lock edit not solved yet stays out of the file, and the saved line
    // says so.
    function test_8_unsolvedLockEditsAreLeftOutAndNamed() {
        solveTinySpot()
        shell.navIndex = 0
        const probs = appController.nodeActions(0).map(function (a, i) { return i === 0 ? 1 : 0 })
        appController.setNodeLockProbs(0, "AA", probs)
        const chooser = openDialog("heroSave", "saveProjectDialog", testFolderUrl)
        typeName(chooser, "locks")
        mouseClick(chooser._acceptButton)
        tryVerify(function () { return !chooser.fileDialog.visible })
        tryCompare(item("fileStatusText", home), "text",
                   "Saved the project as locks.tessavalproj in " + localPath(testFolderUrl) + "."
                   + " Lock edits made since the last solve are not in it: re-solve, then save to keep them.")
        compare(JSON.parse(fileText("locks.tessavalproj")).nodeLocks, [])
    }

    // A folder typed into the save dialog (with or without its slash, a
    // name with a dot, a whole path) is where the dialog goes next; a name
    // typed there saves into it, and the page's buttons, the window's
    // shortcuts and the close question work afterwards.
    function test_9_aTypedFolderIsWhereTheDialogGoes_data() {
        return [
            { tag: "a sub-folder with its slash", typed: "sub/", folder: "sub", name: "in1" },
            { tag: "a folder named with a dot", typed: "sub.d", folder: "sub.d", name: "in2" },
            { tag: "a whole path", typed: localPath(foldersUrl) + "/sub", folder: "sub", name: "in3" }
        ]
    }

    function test_9_aTypedFolderIsWhereTheDialogGoes(data) {
        solveTinySpot()
        shell.navIndex = 0
        const chooser = openDialog("heroSave", "saveProjectDialog", foldersUrl)
        typeName(chooser, data.typed)
        keyClick(Qt.Key_Return)
        const folder = String(foldersUrl) + "/" + data.folder
        tryVerify(function () {
            return chooser.fileDialog.visible && chooser._nameField !== null
                    && String(chooser.fileDialog.currentFolder) === folder
        })
        typeName(chooser, data.name)
        keyClick(Qt.Key_Return)
        tryVerify(function () { return !chooser.shown && !home.dialogOpen })
        tryCompare(item("fileStatusText", home), "text", "Saved the project as " + data.name
                   + ".tessavalproj in " + localPath(folder) + ".")
        verify(fileText(data.name + ".tessavalproj", folder).indexOf("quendal_project") > 0)

        mouseClick(item("heroSave", home))
        tryVerify(function () { return chooser.fileDialog.visible })
        keyClick(Qt.Key_Escape)
        tryVerify(function () { return !chooser.shown && !home.dialogOpen })
        keyClick(Qt.Key_2, Qt.ControlModifier)
        compare(shell.navIndex, 1)
        keyClick(Qt.Key_F5)
        compare(shell.navIndex, 2)
        tryVerify(function () { return !appController.running && appController.resultIterations > 0 }, 60000)
        keyClick(Qt.Key_1, Qt.ControlModifier)
        compare(shell.navIndex, 0)
        const confirm = item("discardResultsDialog", home)
        window.close()
        tryCompare(confirm, "opened", true)
        mouseClick(item("cancelButton", confirm.footer))
        tryCompare(confirm, "visible", false)
        verify(window.visible)
    }
}
