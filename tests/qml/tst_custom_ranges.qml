import QtQuick
import QtTest
import Qt.labs.settings
import Tessaval
import TestSupport
import "qrc:/Tessaval/qml/pages/project/custom_ranges.js" as Custom
import "qrc:/Tessaval/qml/pages/project/range_library.js" as Library

// The Custom range libraries: where a new item goes, saving, adding
// folders, importing into both players, deleting with the selection that
// follows, and what the store keeps.
TestCase {
    id: testCase
    name: "CustomRanges"
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
    Settings {
        id: store
        category: "ranges"
    }

    // F holds a, b and the folder G with c; t stands at the top level.
    readonly property var sampleTree: [
        { id: "f", type: "folder", name: "F", children: [
            { id: "a", type: "range", name: "Open", value: "AA" },
            { id: "b", type: "range", name: "B", value: "KK" },
            { id: "g", type: "folder", name: "Open (2)", children: [
                { id: "c", type: "range", name: "C", value: "QQ" }
            ] }
        ] },
        { id: "t", type: "range", name: "T", value: "JJ" }
    ]

    property var page
    property var fake

    function makePage(oopTree, ipTree) {
        store.setValue("oopCustomRangesJson", oopTree ? JSON.stringify(oopTree) : "")
        store.setValue("ipCustomRangesJson", ipTree ? JSON.stringify(ipTree) : "")
        store.sync()
        fake = createTemporaryObject(fakeComponent, testCase)
        page = createTemporaryObject(pageComponent, testCase, { appControllerObject: fake })
        verify(page)
        return page
    }

    function storedTree(player) {
        return JSON.parse(store.value(player + "CustomRangesJson", "[]"))
    }

    function names(nodes) {
        return nodes.map(function (n) { return n.name })
    }

    function node(player, id) {
        return page._findNodeById(page.rangesFor(player, 2), id)
    }

    function parentOf(player, id) {
        return page._findParentFolderId(page.rangesFor(player, 2), id, "")
    }

    // ---- Library functions -------------------------------------------

    function test_targetFolder_data() {
        return [
            { tag: "folder selected", selected: "f", target: "f" },
            { tag: "range in a folder", selected: "a", target: "f" },
            { tag: "range two deep", selected: "c", target: "g" },
            { tag: "top-level range", selected: "t", target: "" },
            { tag: "not in the tree", selected: "zz", target: "" },
            { tag: "no selection", selected: "", target: "" }
        ]
    }

    function test_targetFolder(data) {
        compare(Custom.targetFolderId(sampleTree, data.selected), data.target)
    }

    function test_insertNode_data() {
        return [
            { tag: "free name at the top", folder: "", name: "BTN", parent: "", placed: "BTN" },
            { tag: "taken at the top", folder: "", name: "T", parent: "", placed: "T (2)" },
            // Folders and ranges share the sibling names.
            { tag: "taken twice in a folder", folder: "f", name: "Open", parent: "f", placed: "Open (3)" },
            { tag: "letter case differs", folder: "f", name: "open", parent: "f", placed: "open" },
            { tag: "deep folder", folder: "g", name: "C", parent: "g", placed: "C (2)" },
            { tag: "unknown folder", folder: "zz", name: "X", parent: "", placed: "X" },
            { tag: "a range is no folder", folder: "t", name: "X", parent: "", placed: "X" }
        ]
    }

    function test_insertNode(data) {
        const before = JSON.stringify(sampleTree)
        const r = Custom.insertNode(sampleTree, data.folder, Custom.makeRange("new", "  " + data.name + " ", "AA"))
        compare(r.folderId, data.parent)
        compare(r.node.name, data.placed)
        const siblings = data.parent === "" ? r.tree : Library.findNodeById(r.tree, data.parent).children
        compare(siblings[siblings.length - 1].id, "new")
        compare(JSON.stringify(sampleTree), before, "the given tree is unchanged")
    }

    function test_removeNode_data() {
        return [
            { tag: "nested folder", id: "g", ids: ["f", "a", "b", "t"] },
            { tag: "folder with all below", id: "f", ids: ["t"] },
            { tag: "deep range", id: "c", ids: ["f", "a", "b", "g", "t"] },
            { tag: "unknown", id: "zz", ids: ["f", "a", "b", "g", "c", "t"] }
        ]
    }

    function test_removeNode(data) {
        const ids = []
        const walk = function (nodes) {
            for (const n of nodes) {
                ids.push(n.id)
                if (n.children)
                    walk(n.children)
            }
        }
        walk(Custom.removeNode(sampleTree, data.id))
        compare(ids, data.ids)
    }

    function test_suggestedImportName_data() {
        return [
            { tag: "plain", url: "file:///home/u/ranges/BTN.txt", name: "BTN" },
            { tag: "capital ending", url: "file:///home/u/BTN open.TXT", name: "BTN open" },
            { tag: "encoded blank", url: "file:///home/u/BTN%20open.txt", name: "BTN open" },
            { tag: "backslash path", url: "C:\\ranges\\CO 3bet.Txt", name: "CO 3bet" },
            { tag: "other ending kept", url: "file:///tmp/range.csv", name: "range.csv" },
            { tag: "only a final ending", url: "file:///tmp/a.txt.bak", name: "a.txt.bak" },
            { tag: "bad escape kept", url: "file:///tmp/100%.txt", name: "100%" }
        ]
    }

    function test_suggestedImportName(data) {
        compare(Custom.suggestedImportName(data.url), data.name)
    }

    // ---- Saving ------------------------------------------------------

    function test_saveGoesToTheTarget_data() {
        return [
            { tag: "folder selected", category: 2, selected: "f", parent: "f" },
            { tag: "range in a folder", category: 2, selected: "a", parent: "f" },
            { tag: "top-level range", category: 2, selected: "t", parent: "" },
            { tag: "nothing selected", category: 2, selected: "", parent: "" },
            // Another category's selection is not consulted.
            { tag: "standard shown", category: 0, selected: "a", parent: "" }
        ]
    }

    function test_saveGoesToTheTarget(data) {
        makePage(sampleTree)
        page.oopRangeCategory = data.category
        page.oopSelectedId = data.selected
        page.oopRangeText = "AKs, QQ+"
        page.openSaveRangeDialog("oop")
        page.oopRangeText = "22"   // later edits are not saved
        page.saveRangeNameField.text = "  BTN  "
        verify(page.commitSaveRange())
        page.saveRangeDialog.close()

        const id = page.oopSelectedId
        compare(node("oop", id).name, "BTN")
        compare(node("oop", id).value, "AKs, QQ+")
        compare(parentOf("oop", id), data.parent)
        const siblings = data.parent === "" ? page.oopCustomRanges : node("oop", data.parent).children
        compare(siblings[siblings.length - 1].id, id, "appended last")
        compare(page.oopRangeCategory, 2)
        compare(page.oopRangeText, "22")
        if (data.parent !== "")
            verify(page.oopOpenFolderIds[data.parent])
        compare(page._findNodeById(storedTree("oop"), id).name, "BTN")
        compare(page.ipCustomRanges, [])
    }

    function test_saveTwiceMakesUniqueNames() {
        makePage()
        page.ipRangeText = "AA"
        for (let i = 0; i < 2; ++i) {
            page.openSaveRangeDialog("ip")
            page.saveRangeNameField.text = "BTN"
            verify(page.commitSaveRange())
            page.ipSelectedId = ""
        }
        compare(names(page.ipCustomRanges), ["BTN", "BTN (2)"])
    }

    function test_saveRefusals_data() {
        return [
            { tag: "blank name", player: "oop", name: "   ", range: "AA", error: "Please enter a name." },
            { tag: "empty range", player: "oop", name: "X", range: "  ", error: "Current range is empty." },
            { tag: "unknown player", player: "btn", name: "X", range: "AA", error: "Unknown player." }
        ]
    }

    function test_saveRefusals(data) {
        makePage(sampleTree)
        page.oopRangeText = data.range
        page.ipRangeText = data.range
        page.openSaveRangeDialog(data.player)
        page.saveRangeNameField.text = data.name
        verify(!page.commitSaveRange())
        compare(page._saveRangeError, data.error)
        compare(JSON.stringify(page.oopCustomRanges), JSON.stringify(page._sanitizeCustomTree(sampleTree)))
        page.saveRangeDialog.close()
        // Opening again clears the error.
        page.openSaveRangeDialog("oop")
        compare(page._saveRangeError, "")
        page.saveRangeDialog.close()
    }

    // ---- Folders -----------------------------------------------------

    function test_addFolder_data() {
        return [
            { tag: "beside a deep range", category: 2, selected: "c", parent: "g" },
            { tag: "into the selected folder", category: 2, selected: "f", parent: "f" },
            { tag: "other category", category: 1, selected: "x", parent: "" }
        ]
    }

    function test_addFolder(data) {
        makePage(sampleTree)
        page.oopRangeCategory = data.category
        page.oopSelectedId = data.selected
        page.oopOpenFolderIds = data.category === 2 ? { f: true, g: true } : {}
        page.openAddFolderDialog("oop")
        page.addFolderNameField.text = "New"
        verify(page.commitAddFolder())
        page.addFolderDialog.close()

        const id = page.oopSelectedId
        compare(node("oop", id).type, "folder")
        compare(node("oop", id).children, [])
        compare(parentOf("oop", id), data.parent)
        compare(page.oopRangeCategory, 2)
        verify(page.oopOpenFolderIds[id], "the new folder shows expanded")
        if (data.parent !== "")
            verify(page.oopOpenFolderIds[data.parent], "the holding folder stays open")
        // It is listed, open, with the selection on it.
        const rows = page.listModelFor("oop")
        verify(rows.some(function (r) { return r.id === id }))
    }

    function test_addFolderRefusesABlankName() {
        makePage(sampleTree)
        page.openAddFolderDialog("ip")
        page.addFolderNameField.text = " "
        verify(!page.commitAddFolder())
        compare(page._addFolderError, "Please enter a folder name.")
        compare(page.ipCustomRanges, [])
        page.addFolderDialog.close()
    }

    // ---- Importing ---------------------------------------------------

    function readAnswer(text) {
        fake.readTextFileAnswer = { ok: true, error: "", text: text }
    }

    function test_importGoesToBothPlayers_data() {
        return [
            { tag: "from IP with a folder selected", focus: "ip", other: "oop", selected: "f", parent: "f" },
            { tag: "from OOP, nothing selected", focus: "oop", other: "ip", selected: "", parent: "" },
            { tag: "any other focus is OOP", focus: "home", other: "ip", selected: "", parent: "" }
        ]
    }

    function test_importGoesToBothPlayers(data) {
        makePage(sampleTree, sampleTree)
        const focus = data.focus === "ip" ? "ip" : "oop"
        page[data.other + "RangeCategory"] = 0
        page[focus + "SelectedId"] = data.selected
        page.oopRangeText = "22"
        page.ipRangeText = "33"
        page._importRangeFocusPlayer = data.focus
        readAnswer("AA KK")
        page._readImportRangeFile("file:///tmp/T.txt")
        compare(page.importRangeNameField.text, "T")
        verify(page.commitImportRange())
        page.importRangeNameDialog.close()

        const id = page[focus + "SelectedId"]
        compare(node(focus, id).value, page._importRangeNormalizedText)
        compare(parentOf(focus, id), data.parent)
        compare(node(focus, id).name, data.parent === "" ? "T (2)" : "T")
        if (data.parent !== "")
            verify(page[focus + "OpenFolderIds"][data.parent])

        const otherTree = page.rangesFor(data.other, 2)
        const added = otherTree[otherTree.length - 1]
        compare(added.name, "T (2)", "top level, unique there")
        verify(added.id !== id)
        compare(page[data.other + "SelectedId"], "")
        compare([page.oopRangeCategory, page.ipRangeCategory], [2, 2])
        compare([page.oopRangeText, page.ipRangeText], ["22", "33"])
        compare(page._importRangeError, "")
        compare(storedTree(data.other).length, 3)
    }

    function test_importRefusals_data() {
        return [
            { tag: "blank name", text: "AA", name: " ", error: "Please enter a name." },
            { tag: "no hands", text: "hello", name: "X", error: "No range content to import." }
        ]
    }

    function test_importRefusals(data) {
        makePage()
        readAnswer(data.text)
        page._readImportRangeFile("file:///tmp/X.txt")
        page.importRangeNameField.text = data.name
        verify(!page.commitImportRange())
        compare(page._importRangeError, data.error)
        compare([page.oopCustomRanges, page.ipCustomRanges], [[], []])
        page.importRangeNameDialog.close()
    }

    // ---- Deleting ----------------------------------------------------

    function test_deleteConfirmation_data() {
        return [
            { tag: "folder", selected: "f", open: true, kind: "folder", name: "F", count: 4,
              note: "This will also delete 4 range(s). This cannot be undone." },
            { tag: "empty folder", selected: "e", open: true, kind: "folder", name: "E", count: 0,
              note: "This cannot be undone." },
            { tag: "range", selected: "c", open: true, kind: "range", name: "C", count: 0,
              note: "This cannot be undone." },
            { tag: "nothing selected", selected: "", open: false },
            { tag: "not in the tree", selected: "zz", open: false }
        ]
    }

    function test_deleteConfirmation(data) {
        makePage(sampleTree.concat([{ id: "e", type: "folder", name: "E", children: [] }]))
        page.oopSelectedId = data.selected
        page.openDeleteSelectedDialog("oop")
        const dialog = page.confirmDeleteDialog
        compare(dialog.visible, data.open)
        if (!data.open)
            return
        compare([page._deleteRangePlayer, page._deleteRangeKind, page._deleteRangeName, page._deleteFolderChildCount],
                ["oop", data.kind, data.name, data.count])
        compare(dialog.note, data.note)
        compare(dialog.title, data.kind === "folder" ? "Delete folder" : "Delete range")
        dialog.close()
    }

    function test_deleteNeedsTheCustomCategory() {
        makePage(sampleTree)
        page.oopRangeCategory = 0
        page.oopSelectedId = "t"
        page.openDeleteSelectedDialog("oop")
        verify(!page.confirmDeleteDialog.visible)
        page.deleteSelectedItem("oop")
        compare(page.oopCustomRanges.length, 2)
    }

    function test_deleteMovesTheSelection_data() {
        const flat = [
            { id: "x", type: "range", name: "X", value: "AA" },
            { id: "y", type: "range", name: "Y", value: "KK" },
            { id: "z", type: "range", name: "Z", value: "QQ" }
        ]
        return [
            { tag: "last row", tree: flat, open: {}, selected: "z", next: "y", text: "KK", rows: 2 },
            { tag: "middle row", tree: flat, open: {}, selected: "y", next: "z", text: "QQ", rows: 2 },
            { tag: "only row", tree: [flat[0]], open: {}, selected: "x", next: "", text: "", rows: 0 },
            // The level of an open folder comes back when it is deleted.
            { tag: "open folder", tree: sampleTree, open: { f: true, g: true }, selected: "f", next: "t", text: "JJ", rows: 1 },
            { tag: "onto a folder", tree: sampleTree, open: {}, selected: "t", next: "f", text: "before", rows: 1 },
            { tag: "inside an open folder", tree: sampleTree, open: { f: true }, selected: "b", next: "g", text: "before", rows: 3 },
            // A selection hidden in a closed folder moves to the first row.
            { tag: "not listed", tree: sampleTree, open: {}, selected: "c", next: "f", text: "before", rows: 2 }
        ]
    }

    function test_deleteMovesTheSelection(data) {
        makePage(data.tree)
        page.oopOpenFolderIds = data.open
        page.oopSelectedId = data.selected
        page.oopRangeText = "before"
        page.deleteSelectedItem("oop")
        compare(node("oop", data.selected), null)
        compare(page.oopSelectedId, data.next)
        compare(page.oopRangeText, data.text)
        compare(page.listModelFor("oop").length, data.rows)
        compare(page._findNodeById(storedTree("oop"), data.selected), null)
        for (const id in page.oopOpenFolderIds)
            verify(node("oop", id) !== null, "open map keeps only existing folders: " + id)
    }

    // ---- Store -------------------------------------------------------

    // A stored tree comes back whole on the next page, in its key order.
    function test_treesSurviveANewPage() {
        makePage()
        page.ipRangeText = "AKs"
        page.openAddFolderDialog("ip")
        page.addFolderNameField.text = "F"
        verify(page.commitAddFolder())
        page.openSaveRangeDialog("ip")
        page.saveRangeNameField.text = "R"
        verify(page.commitSaveRange())
        const text = store.value("ipCustomRangesJson", "")
        compare(Object.keys(JSON.parse(text)[0]), ["id", "type", "name", "children"])
        compare(Object.keys(JSON.parse(text)[0].children[0]), ["id", "type", "name", "value"])
        verify(text.indexOf("\n") < 0)

        const second = createTemporaryObject(pageComponent, testCase, { appControllerObject: fake })
        compare(JSON.stringify(second.ipCustomRanges), JSON.stringify(page.ipCustomRanges))
    }
}
