import QtQuick
import QtTest
import Qt.labs.settings
import Tessaval
import TestSupport

// The Custom range dialogs: Return and the confirming buttons, the delete
// confirmation, and reading an import file through a stand-in controller
// and through the real one.
TestCase {
    id: testCase
    name: "CustomRangeDialogs"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Component {
        id: pageComponent
        ProjectPage { width: testCase.width; height: testCase.height }
    }
    Component {
        id: fakeComponent
        FakeController {}
    }
    Theme {
        id: appTheme
    }
    Settings {
        id: store
        category: "ranges"
    }

    property var page
    property var fake

    function makePage(controller) {
        store.setValue("oopCustomRangesJson", "")
        store.setValue("ipCustomRangesJson", "")
        store.sync()
        fake = createTemporaryObject(fakeComponent, testCase)
        page = createTemporaryObject(pageComponent, testCase,
                                     { theme: appTheme, appControllerObject: controller === undefined ? fake : controller })
        verify(page)
        return page
    }

    function item(name, parent) {
        const found = findChild(parent, name)
        verify(found, name)
        return found
    }

    function typeText(text) {
        for (let i = 0; i < text.length; ++i)
            keyClick(text.charAt(i))
    }

    function openDialog(which) {
        if (which === "save") {
            page.oopRangeText = "AA"
            page.openSaveRangeDialog("oop")
            return page.saveRangeDialog
        }
        if (which === "folder") {
            page.openAddFolderDialog("oop")
            return page.addFolderDialog
        }
        page._readImportRangeFile("file:///tmp/x.txt")
        return page.importRangeNameDialog
    }

    // Return confirms only while the confirming button is enabled; a
    // confirmed dialog closes and the item is added.
    function test_returnConfirmsOnlyWhenEnabled_data() {
        return [
            { tag: "save range", which: "save", read: "", name: "R" },
            { tag: "add folder", which: "folder", read: "", name: "F" },
            { tag: "import, hands", which: "import", read: "AA, KK", name: "" },
            { tag: "import, no hands", which: "import", read: "nothing here", name: "R", refused: true }
        ]
    }

    function test_returnConfirmsOnlyWhenEnabled(data) {
        makePage()
        fake.readTextFileAnswer = { ok: true, error: "", text: data.read }
        const dialog = openDialog(data.which)
        tryCompare(dialog, "opened", true)
        const field = dialog.nameField
        field.forceActiveFocus()
        field.selectAll()
        keyClick(Qt.Key_Delete)
        verify(!dialog.confirmButton.enabled)
        keyClick(Qt.Key_Return)
        verify(dialog.visible, "a blank name is not confirmed")
        if (dialog.confirmButton.visible)
            mouseClick(dialog.confirmButton)
        verify(dialog.visible)
        compare(page.oopCustomRanges, [])

        typeText(data.name.length > 0 ? data.name : "N")
        compare(dialog.confirmButton.enabled, !data.refused)
        keyClick(Qt.Key_Return)
        if (data.refused) {
            verify(dialog.visible)
            compare(page.oopCustomRanges, [])
            dialog.close()
            return
        }
        tryCompare(dialog, "visible", false)
        compare(page.oopCustomRanges.length, 1)
        compare(page.oopSelectedId, page.oopCustomRanges[0].id)
    }

    // Each opening empties the field and the error, and focuses the field.
    function test_openingResetsTheDialog_data() {
        return [{ tag: "save", which: "save" }, { tag: "folder", which: "folder" }]
    }

    function test_openingResetsTheDialog(data) {
        makePage()
        let dialog = openDialog(data.which)
        tryCompare(dialog, "opened", true)
        dialog.nameField.text = "  "
        dialog.confirmed()
        verify(item("dialogError", dialog.contentItem).visible)
        dialog.close()
        tryCompare(dialog, "visible", false)
        dialog = openDialog(data.which)
        tryCompare(dialog, "opened", true)
        compare(dialog.nameField.text, "")
        verify(!item("dialogError", dialog.contentItem).visible)
        tryVerify(function () { return dialog.nameField.activeFocus })
        dialog.close()
    }

    function test_deleteButtonDeletesForTheStoredPlayer() {
        makePage()
        page.ipRangeText = "AA"
        page.openSaveRangeDialog("ip")
        page.saveRangeNameField.text = "R"
        verify(page.commitSaveRange())
        page.saveRangeDialog.close()
        page.openDeleteSelectedDialog("ip")
        const dialog = page.confirmDeleteDialog
        tryCompare(dialog, "opened", true)
        compare(item("confirmName", dialog.contentItem).text, "\u201CR\u201D")
        mouseClick(dialog.confirmButton)
        tryCompare(dialog, "visible", false)
        compare(page.ipCustomRanges, [])
        compare([page.ipSelectedId, page.ipRangeText], ["", ""])
    }

    function test_deleteCancelKeepsTheItem() {
        makePage()
        page.oopRangeText = "AA"
        page.openSaveRangeDialog("oop")
        page.saveRangeNameField.text = "R"
        verify(page.commitSaveRange())
        page.saveRangeDialog.close()
        page.openDeleteSelectedDialog("oop")
        tryCompare(page.confirmDeleteDialog, "opened", true)
        mouseClick(item("cancelButton", page.confirmDeleteDialog.footer))
        tryCompare(page.confirmDeleteDialog, "visible", false)
        compare(page.oopCustomRanges.length, 1)
    }

    // ---- Reading the import file ---------------------------------------

    function test_importFileThroughAStandIn_data() {
        return [
            { tag: "ok", answer: { ok: true, text: "AA KK\nAKs" }, url: "file:///r/BTN%20open.TXT",
              name: "BTN open", error: "", importable: true },
            { tag: "read error", answer: { ok: false, error: "File does not exist." }, url: "file:///r/a.txt",
              name: "", error: "Import failed: File does not exist.", importable: false },
            { tag: "error without text", answer: { ok: false }, url: "file:///r/a.txt",
              name: "", error: "Import failed: unknown error", importable: false },
            { tag: "no hands", answer: { ok: true, text: "just words" }, url: "file:///r/b.txt",
              name: "b", error: "Import failed: \u201Cjust\u201D is not a range item.", importable: false },
            { tag: "no text", answer: { ok: true }, url: "file:///r/c.txt",
              name: "c", error: "Import failed: file contained no recognizable hands.", importable: false }
        ]
    }

    function test_importFileThroughAStandIn(data) {
        makePage()
        fake.readTextFileAnswer = data.answer
        page.openImportRangeDialog("ip")
        page.importRangeFileDialog.close()
        page._readImportRangeFile(data.url)
        const calls = fake.callsOf("readTextFile")
        compare(calls.length, 1)
        // The URL reaches the controller as chosen (the stand-in records
        // it in its readable form).
        compare(calls[0][0], decodeURIComponent(data.url))
        const dialog = page.importRangeNameDialog
        tryCompare(dialog, "opened", true)
        compare(page.importRangeNameField.text, data.name)
        compare(page._importRangeError, data.error)
        compare(item("dialogError", dialog.contentItem).visible, data.error.length > 0)
        page.importRangeNameField.text = "Name"
        compare(dialog.confirmButton.enabled, data.importable)
        // With nothing to import the dialog offers no name and no "Import":
        // only the error and "Cancel".
        compare([page.importRangeNameField.visible, dialog.confirmButton.visible], [data.importable, data.importable])
        const cancel = item("cancelButton", dialog.footer)
        verify(cancel.visible)
        // "Cancel" and "Import" stand apart; a lone "Cancel" at the right.
        waitForRendering(dialog.footer)
        compare(cancel.mapToItem(dialog.footer, cancel.width, 0).x > dialog.footer.width / 2, !data.importable)
        // The field takes the focus only when no error is shown.
        compare(page.importRangeNameField.activeFocus, data.error.length === 0)
        dialog.close()
    }

    function test_importWithoutReadingSupport() {
        makePage({})
        page._readImportRangeFile("file:///r/a.txt")
        tryCompare(page.importRangeNameDialog, "opened", true)
        compare(page._importRangeError, "Import failed: appController.readTextFile unavailable.")
        compare(page.importRangeNameField.text, "")
        page.importRangeNameDialog.close()
    }

    function test_openingTheImportClearsItsState() {
        makePage()
        page._importRangeError = "old"
        page._importRangeNormalizedText = "AA"
        page.importRangeNameField.text = "old"
        page.openImportRangeDialog("ip")
        compare(page._importRangeFocusPlayer, "ip")
        compare([page._importRangeError, page._importRangeNormalizedText, page.importRangeNameField.text], ["", "", ""])
        verify(page.importRangeFileDialog.fileDialog.visible)
        page.importRangeFileDialog.close()
        page.openImportRangeDialog("anything")
        compare(page._importRangeFocusPlayer, "oop")
        page.importRangeFileDialog.close()
    }

    // The real controller reads a file written into the test folder.
    function test_importFileThroughTheController_data() {
        return [
            { tag: "ok", file: "BTN%20open.TXT", write: "AA,KK\nAKs", name: "BTN open", importable: true,
              value: "AA, KK, AKs" },
            { tag: "no hands", file: "words.txt", write: "hello world", name: "words", importable: false,
              error: "Import failed: \u201Chello\u201D is not a range item." },
            { tag: "exact combos and weights", file: "combos.txt", write: "AhKs, AdKd:0.5, QQ\nKK: 0.5",
              name: "combos", importable: true, value: "AhKs, AdKd:0.5, QQ, KK:0.5" },
            { tag: "missing file", file: "absent.txt", name: "", importable: false,
              error: "Import failed: File does not exist." }
        ]
    }

    function test_importFileThroughTheController(data) {
        makePage(appController)
        const url = testFolderUrl + "/" + data.file
        if (data.write !== undefined)
            verify(appController.saveTextFile(url, data.write).ok)
        page._readImportRangeFile(url)
        compare(page.importRangeNameField.text, data.name)
        compare(page._importRangeError, data.error || "")
        compare(page.importRangeNameDialog.confirmButton.enabled, data.importable)
        if (data.importable) {
            compare(page._importRangeRawText, data.write)
            verify(page.commitImportRange())
            compare(page.oopCustomRanges[0].name, data.name)
            compare(page.ipCustomRanges[0].value, data.value)
        }
        page.importRangeNameDialog.close()
    }
}
