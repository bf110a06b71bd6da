import QtQuick
import QtTest
import Qt.labs.settings
import Tessaval
import TestSupport
import "qrc:/Tessaval/qml/pages/project/range_library.js" as Library

// The range library: sanitising trees of every stored layout, ids, unique
// names, lookups, the accordion folders and the drill-down list, override
// maps and their keys, and the page's library state with what it keeps in
// the settings category "ranges" across a new page.
TestCase {
    id: testCase
    name: "RangeLibrary"

    Component {
        id: pageComponent
        ProjectPage { width: 1540; height: 900 }
    }
    // A page of a type built on the library that names its rows itself.
    Component {
        id: namingPageComponent
        ProjectPage {
            width: 1540
            height: 900
            function rangeDisplayName(category, rawName) {
                return "[" + category + "|" + _i18nRev + "] " + rawName
            }
        }
    }
    Component {
        id: fakeComponent
        FakeController {}
    }
    Settings {
        id: store
        category: "ranges"
    }

    readonly property var storeKeys: ["oopCustomRangesJson", "ipCustomRangesJson", "oopStandardOverridesJson",
        "ipStandardOverridesJson", "oopExploitOverridesJson", "ipExploitOverridesJson"]

    function init() {
        storeKeys.forEach(function (k) { store.setValue(k, "") })
        store.sync()
    }

    function makePage(component) {
        const fake = createTemporaryObject(fakeComponent, testCase)
        return createTemporaryObject(component || pageComponent, testCase, { appControllerObject: fake })
    }

    function counter() {
        let n = 0
        return function () { return "id" + (++n) }
    }

    // F1 { F1a { r1 }, r2 }, F2 { r3 }, R
    function sampleTree() {
        return [
            { id: "F1", type: "folder", name: "F1", children: [
                { id: "F1a", type: "folder", name: "F1a", children: [{ id: "r1", type: "range", name: "r1", value: "AA" }] },
                { id: "r2", type: "range", name: "r2", value: "KK" }] },
            { id: "F2", type: "folder", name: "F2", children: [{ id: "r3", type: "range", name: "r3", value: "QQ" }] },
            { id: "R", type: "range", name: "R", value: "JJ" }
        ]
    }

    function rowNames(rows) {
        return rows.map(function (r) { return r.name + "@" + r.depth })
    }

    // ---- Sanitising --------------------------------------------------------

    function test_sanitize_data() {
        return [
            { tag: "not a list", input: { name: "A", value: "AA" }, out: [] },
            { tag: "older range layout", input: [{ name: " Open ", value: " AA, KK " }],
              out: [{ id: "id1", type: "range", name: "Open", value: " AA, KK " }] },
            { tag: "older folder layout", input: [{ type: "folder", name: "F", children: [{ name: "r", value: "QQ" }] }],
              out: [{ id: "id1", type: "folder", name: "F", children: [{ id: "id2", type: "range", name: "r", value: "QQ" }] }] },
            { tag: "range with children is a folder", input: [{ id: "a", type: "range", name: "X", children: [] }],
              out: [{ id: "a", type: "folder", name: "X", children: [] }] },
            { tag: "folder without children", input: [{ id: "a", type: "folder", name: "X" }],
              out: [{ id: "a", type: "folder", name: "X", children: [] }] },
            { tag: "blank name dropped with children",
              input: [{ id: "a", type: "folder", name: "  ", children: [{ id: "b", name: "kept?", value: "AA" }] },
                      null, { id: "c", name: "C" }],
              out: [{ id: "c", type: "range", name: "C", value: "" }] },
            { tag: "ids as text, blank ids replaced", input: [{ id: 5, name: "A", value: "AA" }, { id: " ", name: "B" }],
              out: [{ id: "5", type: "range", name: "A", value: "AA" }, { id: "id1", type: "range", name: "B", value: "" }] }
        ]
    }

    function test_sanitize(data) {
        const before = JSON.stringify(data.input)
        const out = Library.sanitizeTree(data.input, counter())
        compare(JSON.stringify(out), JSON.stringify(data.out))
        compare(JSON.stringify(data.input), before, "input unchanged")
    }

    function test_newNodeId() {
        const id = Library.newNodeId()
        verify(/^n_[0-9a-z]+_[0-9a-z]{1,6}$/.test(id), id)
        // Same millisecond, same draw: the repeat is drawn again.
        const draws = [0.5, 0.5, 0.25]
        let i = 0
        const draw = function () { return draws[i++] }
        const first = Library.newNodeId(1700000000000, draw)
        compare(first, "n_" + (1700000000000).toString(36) + "_i")
        const second = Library.newNodeId(1700000000000, draw)
        verify(second !== first)
        compare(i, 3)
        // The page's ids are all different too.
        const page = makePage()
        const seen = {}
        for (let k = 0; k < 200; ++k) {
            const next = page._newNodeId()
            verify(!seen[next], next)
            seen[next] = true
        }
    }

    function test_uniqueName_data() {
        return [
            { tag: "third", existing: ["A", "A (2)"], desired: " A ", result: "A (3)" },
            { tag: "free", existing: ["A", "A (2)"], desired: "B", result: "B" },
            { tag: "blank", existing: ["A"], desired: "   ", result: "" },
            { tag: "case counts", existing: ["A"], desired: "a", result: "a" },
            { tag: "gap filled", existing: ["A", "A (3)"], desired: "A", result: "A (2)" },
            { tag: "no siblings", existing: [], desired: "A", result: "A" }
        ]
    }

    function test_uniqueName(data) {
        // Folders and ranges alike.
        const nodes = data.existing.map(function (n, i) {
            return i % 2 ? { id: "f" + i, type: "folder", name: n, children: [] } : { id: "r" + i, type: "range", name: n, value: "" }
        })
        compare(Library.uniqueName(nodes, data.desired), data.result)
    }

    // ---- Lookups -------------------------------------------------------------

    function test_lookups() {
        const tree = sampleTree()
        compare(Library.findNodeById(tree, "r1").value, "AA")
        compare(Library.findNodeById(tree, ""), null)
        compare(Library.findNodeById("F1", "F1"), null)
        compare(Library.findNodeById(tree, "nope"), null)
        compare([Library.findParentFolderId(tree, "r1", ""), Library.findParentFolderId(tree, "r2", ""),
                 Library.findParentFolderId(tree, "R", ""), Library.findParentFolderId(tree, "nope", "")],
                ["F1a", "F1", "", ""])
        compare([Library.countDescendants(tree[0]), Library.countDescendants(tree[3])], [3, 0])
    }

    function test_pathKey_data() {
        return [
            { tag: "deep range", id: "u", key: "6-max / No rake / RFI / UTG" },
            { tag: "slash in a name", id: "l", key: "Passive (VPIP 18–65) / UTG/HJ/CO / Limp" },
            { tag: "folder", id: "rfi", key: "" },
            { tag: "unknown", id: "x", key: "" }
        ]
    }

    function test_pathKey(data) {
        const tree = [
            { id: "m", type: "folder", name: "6-max", children: [{ id: "nr", type: "folder", name: "No rake", children: [
                { id: "rfi", type: "folder", name: "RFI", children: [{ id: "u", type: "range", name: "UTG", value: "" }] }] }] },
            { id: "p", type: "folder", name: "Passive (VPIP 18–65)", children: [
                { id: "pos", type: "folder", name: "UTG/HJ/CO", children: [{ id: "l", type: "range", name: "Limp", value: "" }] }] }
        ]
        compare(Library.findPathKeyById(tree, data.id, []), data.key)
    }

    // ---- Accordion and drill-down --------------------------------------------

    function test_drillDown_data() {
        return [
            { tag: "all closed", clicks: [], open: [], rows: ["F1@0", "F2@0", "R@0"] },
            { tag: "open folder hides its level", clicks: ["F1"], open: ["F1"], rows: ["F1@0", "F1a@1", "r2@1"] },
            { tag: "closing shows the level again", clicks: ["F1", "F1"], open: [], rows: ["F1@0", "F2@0", "R@0"] },
            { tag: "sibling replaces open folder", clicks: ["F1", "F2"], open: ["F2"], rows: ["F2@0", "r3@1"] },
            { tag: "subfolder", clicks: ["F1", "F1a"], open: ["F1", "F1a"], rows: ["F1@0", "F1a@1", "r1@2"] },
            { tag: "subfolder stays open", clicks: ["F1", "F1a", "F1", "F1"], open: ["F1", "F1a"],
              rows: ["F1@0", "F1a@1", "r1@2"] },
            { tag: "empty id", clicks: [""], open: [], rows: ["F1@0", "F2@0", "R@0"] }
        ]
    }

    function test_drillDown(data) {
        const tree = sampleTree()
        let open = {}
        data.clicks.forEach(function (id) { open = Library.toggledOpenMap(tree, open, id) })
        compare(Object.keys(open).sort(), data.open)
        compare(rowNames(Library.flattenTree(tree, open)), data.rows)
    }

    function test_rowFields() {
        const rows = Library.flattenTree(sampleTree(), { "F1": true }, function (n) { return "~" + n })
        compare(JSON.stringify(rows[0]), JSON.stringify({ id: "F1", kind: "folder", name: "F1", displayName: "~F1",
                                                          depth: 0, parentFolderId: "" }))
        compare(JSON.stringify(rows[2]), JSON.stringify({ id: "r2", kind: "range", name: "r2", displayName: "~r2",
                                                          value: "KK", depth: 1, parentFolderId: "F1" }))
    }

    // ---- Overrides -----------------------------------------------------------

    function test_overrideMap_data() {
        return [
            { tag: "nothing", input: null, out: {} },
            { tag: "text", input: "a", out: {} },
            { tag: "map form", input: { " k ": " AA ", "blank": "  ", "none": null, "no": false, "": "KK" },
              out: { "k": " AA " } },
            { tag: "list form", input: [{ key: "k", value: "AA" }, { key: " k", value: "KK" }, { key: "", value: "QQ" },
                                        { key: "j", value: " " }, null, { key: "m", value: "JJ" }],
              out: { "k": "KK", "m": "JJ" } }
        ]
    }

    function test_overrideMap(data) {
        compare(JSON.stringify(Library.sanitizeOverrideMap(data.input)), JSON.stringify(data.out))
    }

    function test_applyOverrides_data() {
        return [
            { tag: "own key", overrides: { "P / Limp": "AA" }, values: ["AA", "q", "r"] },
            { tag: "six-handed prefix", overrides: { "6-max / P / Limp": "KK" }, values: ["KK", "q", "r"] },
            { tag: "heads-up prefix", overrides: { "Heads up / P / Limp": "QQ" }, values: ["QQ", "q", "r"] },
            { tag: "own key first", overrides: { "6-max / P / Limp": "KK", "P / Limp": "AA" }, values: ["AA", "q", "r"] },
            { tag: "empty entry ignored", overrides: { "P / Limp": "", "6-max / P / Limp": "KK" }, values: ["KK", "q", "r"] },
            { tag: "top-level range", overrides: { "constructor": "JJ" }, values: ["p", "q", "JJ"] },
            { tag: "inherited names are no entries", overrides: {}, values: ["p", "q", "r"] }
        ]
    }

    function test_applyOverrides(data) {
        const tree = [{ id: "f", type: "folder", name: "P", children: [
                          { id: "a", type: "range", name: "Limp", value: "p" }, { id: "b", type: "range", name: "RFI", value: "q" }] },
                      { id: "c", type: "range", name: "constructor", value: "r" }]
        const before = JSON.stringify(tree)
        const out = Library.applyOverrides(tree, data.overrides, [])
        compare([out[0].children[0].value, out[0].children[1].value, out[1].value], data.values)
        compare([out[0].id, out[0].children[0].id, out[0].children[1].id, out[1].id], ["f", "a", "b", "c"])
        compare(JSON.stringify(tree), before)
    }

    function test_updateRangeValue() {
        const tree = sampleTree()
        const out = Library.updateRangeValueById(tree, "r1", "99:0.8")
        compare(Library.findNodeById(out, "r1").value, "99:0.8")
        compare(Library.findNodeById(tree, "r1").value, "AA")
        compare(JSON.stringify(Library.updateRangeValueById(tree, "nope", "x")), JSON.stringify(tree))
    }

    function test_storedTexts_data() {
        return [
            { tag: "blank", text: "  ", tree: null, overrides: {} },
            { tag: "no JSON", text: "{oops", tree: null, overrides: {} },
            { tag: "not a list", text: "{\"name\":\"A\"}", tree: null, overrides: { "name": "A" } },
            { tag: "all names blank", text: "[{\"name\":\" \",\"value\":\"AA\"}]", tree: null, overrides: {} },
            { tag: "older layout", text: "[{\"name\":\"A\",\"value\":\"AA\"}]",
              tree: [{ id: "id1", type: "range", name: "A", value: "AA" }], overrides: {} },
            { tag: "override list", text: "[{\"key\":\"k\",\"value\":\"AA\"}]",
              tree: null, overrides: { "k": "AA" } }
        ]
    }

    function test_storedTexts(data) {
        const tree = Library.parseStoredTree(data.text, counter())
        compare(JSON.stringify(tree), JSON.stringify(data.tree))
        compare(JSON.stringify(Library.parseStoredOverrides(data.text)), JSON.stringify(data.overrides))
    }

    // ---- The page ------------------------------------------------------------

    function test_rangesForAndLabels() {
        const page = makePage()
        page.oopStandardRanges = [{ id: "s", type: "range", name: "S", value: "AA" }]
        page.ipExploitRanges = [{ id: "e", type: "range", name: "E", value: "KK" }]
        page.oopCustomRanges = [{ id: "c", type: "range", name: "C", value: "QQ" }]
        compare(page.rangesFor("oop", 0)[0].id, "s")
        compare(page.rangesFor("ip", 1)[0].id, "e")
        compare(page.rangesFor("oop", 7)[0].id, "c")
        compare(page.rangesFor("other", 0), page.ipStandardRanges)
        compare([page.categoryLabel(0), page.categoryLabel(1), page.categoryLabel(5)],
                ["Standard Ranges", "Population Ranges", "Custom Ranges"])
    }

    function test_categoryChangeClearsOnlyThatPlayer() {
        const page = makePage()
        page.oopCustomRanges = sampleTree()
        page.ipCustomRanges = sampleTree()
        page.oopSelectedId = "r2"
        page._toggleOpenFolder("oop", "F1")
        page.ipSelectedId = "R"
        page._toggleOpenFolder("ip", "F2")
        compare(rowNames(page.listModelFor("oop")), ["F1@0", "F1a@1", "r2@1"])
        page.oopRangeCategory = 0
        compare([page.oopSelectedId, JSON.stringify(page.oopOpenFolderIds)], ["", "{}"])
        compare([page.ipSelectedId, JSON.stringify(page.ipOpenFolderIds)], ["R", "{\"F2\":true}"])
        // The Standard library at its top level, nothing open.
        compare(rowNames(page.listModelFor("oop")), ["6-max@0", "Heads up@0"])
    }

    // The built-in libraries show as soon as their trees are set; their rows
    // are named by the page's naming function, again after a change of
    // language.
    function test_listModelShowsBuiltInTrees() {
        const page = makePage(namingPageComponent)
        page.ipStandardRanges = [{ id: "m", type: "folder", name: "6-max", children: [] },
                                 { id: "h", type: "folder", name: "Heads up", children: [] }]
        page.ipRangeCategory = 0
        compare(page.listModelFor("ip").map(function (r) { return r.displayName }), ["[0|0] 6-max", "[0|0] Heads up"])
        page._i18nRev += 1
        compare(page.listModelFor("ip")[1].displayName, "[0|1] Heads up")
        compare(page.listModelFor("ip")[1].name, "Heads up")
    }

    function test_customTreesAndOverridesOutliveThePage() {
        let page = makePage()
        page.oopCustomRanges = sampleTree()
        page.ipCustomRanges = [{ id: "x", type: "range", name: "X", value: "AKs" }]
        page.oopStandardOverrides = { "6-max / No rake / RFI / UTG": "AA, KK" }
        page.persistStandardOverrides("oop")
        page.ipExploitOverrides = { "Nit / BB / 3b": "QQ+", " ": "JJ" }
        page.persistExploitOverrides("ip")
        compare(store.value("ipExploitOverridesJson"), "{\"Nit / BB / 3b\":\"QQ+\"}")
        page.destroy()
        wait(0)

        page = makePage()
        compare(JSON.stringify(page.oopCustomRanges), JSON.stringify(sampleTree()))
        compare(JSON.stringify(page.ipCustomRanges), JSON.stringify([{ id: "x", type: "range", name: "X", value: "AKs" }]))
        compare(JSON.stringify(page.oopStandardOverrides), JSON.stringify({ "6-max / No rake / RFI / UTG": "AA, KK" }))
        compare(JSON.stringify(page.ipExploitOverrides), JSON.stringify({ "Nit / BB / 3b": "QQ+" }))
        compare(JSON.stringify(page.ipStandardOverrides), "{}")
    }

    // A tree stored without ids gets them when the page starts, and the
    // store holds them from then on.
    function test_olderStoredLayoutGetsIds() {
        store.setValue("oopCustomRangesJson", "[{\"name\":\"BTN open\",\"value\":\"22+\"}]")
        store.setValue("ipStandardOverridesJson", "[{\"key\":\"k\",\"value\":\"AA\"},{\"key\":\"k\",\"value\":\"KK\"}]")
        store.setValue("ipCustomRangesJson", "{not json")
        store.sync()
        const page = makePage()
        compare(page.oopCustomRanges.length, 1)
        const id = page.oopCustomRanges[0].id
        verify(/^n_/.test(id), id)
        compare(store.value("oopCustomRangesJson"),
                JSON.stringify([{ id: id, type: "range", name: "BTN open", value: "22+" }]))
        compare(JSON.stringify(page.ipStandardOverrides), "{\"k\":\"KK\"}")
        compare(page.ipCustomRanges, [])
        // A bad stored text stays until the next write replaces it.
        compare(store.value("ipCustomRangesJson"), "{not json")
    }
}
