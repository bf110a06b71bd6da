import QtQuick
import QtTest
import Qt.labs.settings
import Tessaval
import TestSupport
import "qrc:/Tessaval/qml/pages/project/builtin_ranges.js" as Builtin

// The built-in range libraries: routing the flat Standard list into its
// trees, the Population template and its merge with the bundled file, weight
// removal, shown names, the export forms against the bundled files, and the
// page's loading, overrides, clearing and exports.
TestCase {
    id: testCase
    name: "BuiltinRanges"

    readonly property string standardPath: ":/Tessaval/qml/data/standard_ranges.json"
    readonly property string populationPath: ":/Tessaval/qml/data/exploit_ranges.json"
    readonly property var storeKeys: ["oopCustomRangesJson", "ipCustomRangesJson", "oopStandardOverridesJson",
        "ipStandardOverridesJson", "oopExploitOverridesJson", "ipExploitOverridesJson"]

    Component {
        id: pageComponent
        ProjectPage { width: 1540; height: 900 }
    }
    Component {
        id: fakeComponent
        FakeController {}
    }
    // A controller that reads resources but cannot save files.
    Component {
        id: readOnlyControllerComponent
        QtObject {
            property bool developerMode: true
            function readTextResource(path) { return appController.readTextResource(path) }
        }
    }
    Settings {
        id: store
        category: "ranges"
    }

    function init() {
        storeKeys.forEach(function (k) { store.setValue(k, "") })
        store.sync()
    }

    function makeFake(props) {
        return createTemporaryObject(fakeComponent, testCase, props || {})
    }

    function makePage(controller) {
        return createTemporaryObject(pageComponent, testCase,
                                     { appControllerObject: controller === undefined ? makeFake() : controller })
    }

    function resource(path) {
        return appController.readTextResource(path)
    }

    // "a / b / leaf=value" for every range, depth first.
    function rangePaths(nodes, prefix, out) {
        out = out || []
        for (let i = 0; i < nodes.length; ++i) {
            const n = nodes[i]
            const here = prefix ? prefix + " / " + n.name : n.name
            if (n.children !== undefined)
                rangePaths(n.children, here, out)
            else
                out.push(here + "=" + n.value)
        }
        return out
    }

    function countRanges(nodes) {
        return rangePaths(nodes).length
    }

    // The tree's names and kinds only: folders as {name: [...]}, ranges by name.
    function shape(nodes) {
        return nodes.map(function (n) {
            if (n.children === undefined)
                return n.name
            const o = {}
            o[n.name] = shape(n.children)
            return o
        })
    }

    function folder(nodes, path) {
        let list = nodes, found = null
        for (const name of path) {
            found = list.find(function (n) { return n.name === name && n.children !== undefined }) || null
            if (found === null)
                return null
            list = found.children
        }
        return found
    }

    function ids(nodes, out) {
        out = out || []
        nodes.forEach(function (n) {
            out.push(n.id)
            if (n.children)
                ids(n.children, out)
        })
        return out
    }

    // ---- Routing -------------------------------------------------------------

    function test_routing_data() {
        return [
            { tag: "vs RFI with tier", name: "50nl rake / vs RFI CO: 3bet BB",
              path: "6-max / 50nl rake / vs RFI / vs CO RFI / 3bet BB", back: "50nl rake / vs RFI CO: 3bet BB" },
            { tag: "vs 4bet", name: "SB 3bet vs BTN 4bet: SB Call",
              path: "6-max / No rake / vs 4bet / SB 3bet vs BTN 4bet / SB Call", back: "No rake / SB 3bet vs BTN 4bet: SB Call" },
            { tag: "vs 3bet holds the opener's 4bet", name: "UTG vs HJ 3bet: UTG 4bet",
              path: "6-max / No rake / vs 3bet / UTG vs HJ 3bet / UTG 4bet", back: "No rake / UTG vs HJ 3bet: UTG 4bet" },
            { tag: "no tier", name: "RFI UTG", path: "6-max / No rake / RFI / UTG", back: "No rake / RFI UTG" },
            { tag: "6-max part removed", name: " 6-max / 50nl rake / RFI UTG ",
              path: "6-max / 50nl rake / RFI / UTG", back: "50nl rake / RFI UTG" },
            { tag: "unknown first part", name: "Cash / RFI UTG",
              path: "6-max / No rake / Cash / RFI UTG", back: "No rake / Cash / RFI UTG" },
            { tag: "other spot in tier", name: "500nl rake / Limp UTG",
              path: "6-max / 500nl rake / Limp UTG", back: "500nl rake / Limp UTG" },
            { tag: "vs RFI without colon", name: "vs RFI UTG",
              path: "6-max / No rake / vs RFI / vs UTG RFI / UTG", back: "No rake / vs RFI UTG: UTG" },
            { tag: "vs RFI without action", name: "vs RFI UTG:",
              path: "6-max / No rake / vs RFI / UTG:", back: "No rake / vs RFI UTG:" },
            { tag: "vs 4bet without colon", name: "SB 3bet vs BTN 4bet",
              path: "6-max / No rake / vs 4bet / SB 3bet vs BTN 4bet", back: "No rake / SB 3bet vs BTN 4bet" },
            { tag: "heads up", name: "Heads up / 200nl rake / RFI SB",
              path: "Heads up / 200nl rake / RFI SB", back: "Heads up / 200nl rake / RFI SB" },
            { tag: "heads up part later", name: "100nl rake / Heads up / vs RFI SB: Call BB",
              path: "Heads up / 100nl rake / vs RFI SB: Call BB", back: "Heads up / 100nl rake / vs RFI SB: Call BB" },
            { tag: "heads up without tier", name: "Heads up / BB 3bet vs SB 4bet: BB Call",
              path: "Heads up / No rake / BB 3bet vs SB 4bet: BB Call", back: "Heads up / No rake / BB 3bet vs SB 4bet: BB Call" }
        ]
    }

    function test_routing(data) {
        const tree = Builtin.buildStandardTree([{ name: data.name, value: "AA" }])
        compare(rangePaths(tree), [data.path + "=AA"])
        compare(Builtin.flattenStandardForExport(tree), [{ name: data.back, value: "AA" }])
    }

    function test_emptyLists_data() {
        return [{ tag: "empty", flat: [] }, { tag: "not a list", flat: "x" },
                { tag: "blank names", flat: [null, { name: "  ", value: "AA" }, { value: "KK" }] }]
    }

    function test_emptyLists(data) {
        const scenarios = [{ "RFI": [] }, { "vs RFI": [] }, { "vs 3bet": [] }, { "vs 4bet": [] }]
        compare(shape(Builtin.buildStandardTree(data.flat)), [
            { "6-max": [{ "No rake": scenarios }, { "50nl rake": scenarios }, { "100nl rake": scenarios },
                        { "200nl rake": scenarios }, { "500nl rake": scenarios }] },
            { "Heads up": [{ "No rake": [] }, { "50nl rake": [] }, { "100nl rake": [] },
                           { "200nl rake": [] }, { "500nl rake": [] }] }])
        compare(Builtin.flattenStandardForExport(Builtin.buildStandardTree(data.flat)), [])
    }

    // ---- Population --------------------------------------------------------

    function test_stripWeights_data() {
        return [
            { tag: "weights", text: "AA:0.8, A5s-A2s:0.5, KK", out: "AA, A5s-A2s, KK" },
            { tag: "whole and point forms", text: "QQ:1,JJ:.5 TT:0.", out: "QQ, JJ, TT" },
            { tag: "runs of separators", text: " ,AKs ,, \t AKo ", out: "AKs, AKo" },
            { tag: "bare weight dropped", text: ":0.5, 99", out: "99" },
            { tag: "percent kept", text: "100%", out: "100%" },
            { tag: "blank", text: "  ", out: "" }
        ]
    }

    function test_stripWeights(data) {
        compare(Builtin.stripWeightsText(data.text), data.out)
    }

    function test_templateStructure_data() {
        return [{ tag: "oop", player: "oop", ranges: 193, regs: 43 },
                { tag: "ip", player: "ip", ranges: 202, regs: 42 }]
    }

    // With the shipped Standard tree, each player's template has the bundled
    // Population file's folders and ranges in its order; "Weaker regs" holds
    // the "No rake" scenarios without weights, each copy with its own ids.
    function test_templateStructure(data) {
        const standard = Builtin.standardTreeFor(JSON.parse(resource(standardPath))[data.player].standard, {})
        const template = Builtin.buildExploitTree(data.player, standard)
        const file = JSON.parse(resource(populationPath))[data.player].exploit
        compare(JSON.stringify(shape(template)), JSON.stringify(shape(file)))
        compare(countRanges(template), data.ranges)
        const tighter = folder(template, ["Weaker regs", "Tighter reg"])
        const looser = folder(template, ["Weaker regs", "Looser reg"])
        compare(countRanges(tighter.children), data.regs)
        const noRake = folder(standard, ["6-max", "No rake"]).children
        compare(rangePaths(tighter.children),
                rangePaths(noRake).map(function (p) {
                    const at = p.indexOf("=")
                    return p.slice(0, at + 1) + Builtin.stripWeightsText(p.slice(at + 1))
                }))
        verify(rangePaths(noRake).some(function (p) { return /:\d/.test(p) }), "the source has weights")
        verify(!rangePaths(tighter.children).some(function (p) { return /:\d/.test(p) }), "the copy has none")
        compare(rangePaths(looser.children), rangePaths(tighter.children))
        const all = ids(template)
        compare(all.filter(function (id, i) { return all.indexOf(id) !== i }), [])
        verify(ids(tighter.children).every(function (id) { return ids(noRake).indexOf(id) < 0 }))
        compare(rangePaths(folder(template, ["Other"]).children), ["Bomb pot=100%"])
        verify(rangePaths(folder(template, ["Overfolder (10-22 VPIP)"]).children)
               .every(function (p) { return p.slice(-1) === "=" }))
    }

    function test_weakerRegsSource_data() {
        return [
            { tag: "no rake folder", tree: [{ type: "folder", name: "6-max", children: [{ name: "X", value: "AA:0.5" }] }],
              regs: ["X=AA"] },
            { tag: "no 6-max", tree: [{ type: "folder", name: "Heads up", children: [] }], regs: [] },
            { tag: "no tree", tree: [], regs: [] }
        ]
    }

    function test_weakerRegsSource(data) {
        const template = Builtin.buildExploitTree("oop", data.tree)
        compare(rangePaths(folder(template, ["Weaker regs", "Looser reg"]).children), data.regs)
    }

    function test_merge_data() {
        const other = { type: "folder", name: "Other", children: [{ name: "Mine", value: "AA" }] }
        const passive = { type: "folder", name: "Passive (VPIP 18\u201365)", children: [] }
        const template = ["Passive (VPIP 18\u201365)", "Loose aggressive (VPIP 28\u201370)", "Weaker regs",
                          "Overfolder (10-22 VPIP)", "Other"]
        return [
            { tag: "empty file", file: [], top: template, other: "Bomb pot=100%" },
            { tag: "missing", file: undefined, top: template, other: "Bomb pot=100%" },
            { tag: "only ranges", file: [{ name: "Loose", value: "KK" }], top: template, other: "Bomb pot=100%" },
            { tag: "only Other", file: [other], top: ["Other"].concat(template.slice(0, 4)), other: "Mine=AA" },
            { tag: "only Passive, range kept", file: [{ name: "Loose", value: "KK" }, passive],
              top: ["Loose"].concat(template), other: "Bomb pot=100%" }
        ]
    }

    function test_merge(data) {
        const tree = Builtin.populationTreeFor("ip", data.file, [], {})
        compare(tree.map(function (n) { return n.name }), data.top)
        compare(rangePaths(folder(tree, ["Other"]).children), [data.other])
    }

    // ---- Shown names -------------------------------------------------------

    function test_displayNames_data() {
        return [
            { tag: "rake", cat: 0, name: "50nl rake", shown: "50nl rake" },
            { tag: "vs RFI folder", cat: 0, name: "vs  UTG  RFI", shown: "vs UTG RFI" },
            { tag: "vs 3bet folder", cat: 0, name: "UTG  vs HJ   3bet", shown: "UTG vs HJ 3bet" },
            { tag: "vs 4bet folder", cat: 0, name: "SB 3bet vs UTG  4bet", shown: "SB 3bet vs UTG 4bet" },
            { tag: "two words", cat: 0, name: "BB   Call", shown: "BB Call" },
            { tag: "unchanged", cat: 0, name: "vs RFI SB: Call BB", shown: "vs RFI SB: Call BB" },
            { tag: "position", cat: 1, name: "UTG/HJ/CO", shown: "UTG/HJ/CO" },
            { tag: "lower-case nit", cat: 1, name: "nit", shown: "Nit" },
            { tag: "lower-case overfolder", cat: 1, name: "overfolder", shown: "Overfolder" },
            { tag: "span after VPIP", cat: 1, name: "Passive (VPIP 18\u201365)", shown: "Passive (VPIP 18\u201365)" },
            { tag: "span before VPIP", cat: 1, name: "Overfolder (10-22 VPIP)", shown: "Overfolder (VPIP 10-22)" },
            { tag: "span before vpip", cat: 1, name: "Whale(5-9 vpip)", shown: "Whale (VPIP 5-9)" },
            { tag: "standard name in population", cat: 1, name: "vs  CO  RFI", shown: "vs CO RFI" },
            { tag: "custom kept", cat: 2, name: "nit", shown: "nit" },
            { tag: "other category kept", cat: 7, name: "vs  CO  RFI", shown: "vs  CO  RFI" }
        ]
    }

    function test_displayNames(data) {
        compare(Builtin.rangeDisplayName(data.cat, data.name), data.shown)
    }

    // ---- The bundled files ---------------------------------------------------

    function test_resourceBytes_data() {
        return [{ tag: "standard", path: ":/Tessaval/qml/data/standard_ranges.json", crlf: true },
                { tag: "population", path: ":/Tessaval/qml/data/exploit_ranges.json", crlf: false }]
    }

    function test_resourceBytes(data) {
        const text = resource(data.path)
        const lines = text.split("\n").length - 1
        verify(lines > 1000)
        compare(text.slice(-1), "}")
        compare(text.split("\r\n").length - 1, data.crlf ? lines : 0)
        if (data.crlf)
            verify(/^[\x00-\x7f]*$/.test(text), "ASCII only")
        else
            verify(text.indexOf("\u2013") > 0, "the en dash as itself")
    }

    // Flattening the trees built from the Standard file gives back every
    // entry in order, and the export text is the file with LF line breaks.
    function test_standardRoundTrip() {
        const text = resource(standardPath)
        const file = JSON.parse(text)
        const oop = Builtin.standardTreeFor(file.oop.standard, {})
        const ip = Builtin.standardTreeFor(file.ip.standard, {})
        compare([file.oop.standard.length, file.ip.standard.length], [230, 225])
        compare(JSON.stringify(Builtin.flattenStandardForExport(oop)), JSON.stringify(file.oop.standard))
        compare(JSON.stringify(Builtin.flattenStandardForExport(ip)), JSON.stringify(file.ip.standard))
        verify(Builtin.standardExportText(oop, ip) === text.replace(/\r\n/g, "\n"), "export equals the file")
        verify(file.oop.standard[0].value.indexOf("AA, KK, QQ, JJ, TT, 99:0.8") === 0)
    }

    function test_populationRoundTrip() {
        const standardFile = JSON.parse(resource(standardPath))
        const text = resource(populationPath)
        const file = JSON.parse(text)
        const trees = ["oop", "ip"].map(function (p) {
            return Builtin.populationTreeFor(p, file[p].exploit, Builtin.standardTreeFor(standardFile[p].standard, {}), {})
        })
        compare([countRanges(trees[0]), countRanges(trees[1])], [193, 202])
        const stamp = new Date(Date.UTC(2026, 0, 13, 18, 2, 34, 700))
        const expected = text.replace(/"generatedAt": "[^"]*"/, '"generatedAt": "2026-01-13T18:02:34.700Z"')
        verify(Builtin.populationExportText(trees[0], trees[1], stamp) === expected, "export equals the file")
    }

    function test_flattenOddPlaces() {
        const tree = [
            { type: "folder", name: "6-max", children: [
                { name: "Loose", value: "AA" },
                { type: "folder", name: "No rake", children: [
                    { name: "X", value: "1" },
                    { type: "folder", name: "Misc", children: [{ type: "folder", name: "Sub", children: [{ name: "Y", value: "2" }] }] },
                    { type: "folder", name: "vs 3bet", children: [{ name: "Z", value: "3" }] },
                    { type: "folder", name: "vs RFI", children: [{ type: "folder", name: "Odd", children: [{ name: "W", value: "4" }] }] }
                ] }
            ] },
            { type: "folder", name: "Other", children: [{ name: "V", value: "5" }] }
        ]
        compare(Builtin.flattenStandardForExport(tree).map(function (e) { return e.name + "=" + e.value }),
                ["No rake / X=1", "No rake / Misc / Sub / Y=2", "No rake / Z=3", "No rake / vs RFI W=4"])
        compare(Builtin.stripIdsForExport([{ id: "a", type: "folder", name: "F", children: [{ id: "b", type: "range", name: "R" }] }, null]),
                [{ type: "folder", name: "F", children: [{ name: "R", value: "" }] }])
    }

    // ---- The page: loading -----------------------------------------------------

    function test_loadFailures_data() {
        return [
            { tag: "no reader", noReader: true, error: "Failed to load bundled presets.", standard: 0, exploit: 0 },
            { tag: "standard missing", texts: { [standardPath]: " " },
              error: "Failed to load bundled standard presets (resource file missing/empty).", standard: 0, exploit: 193 },
            { tag: "standard invalid", texts: { [standardPath]: "{oops" },
              errorPrefix: "Failed to load bundled presets: ", standard: 0, exploit: 0 },
            { tag: "population invalid", texts: { [populationPath]: "[1," },
              errorPrefix: "Failed to load bundled presets: ", standard: 230, exploit: 0 },
            { tag: "population missing", texts: { [populationPath]: "" }, error: "", standard: 230, exploit: 193 },
            { tag: "file without players", texts: { [standardPath]: "{}", [populationPath]: "{}" },
              error: "", standard: 0, exploit: 193 - 86 }
        ]
    }

    function test_loadFailures(data) {
        const controller = data.noReader ? null : makeFake({ resourceTexts: data.texts })
        const page = makePage(controller)
        if (data.errorPrefix)
            compare(page._presetLoadError.indexOf(data.errorPrefix), 0)
        else
            compare(page._presetLoadError, data.error)
        compare(countRanges(page.oopStandardRanges), data.standard)
        compare(countRanges(page.oopExploitRanges), data.exploit)
        if (data.tag === "standard missing" || data.tag === "file without players")
            compare(page.oopExploitRanges.map(function (n) { return n.name }).length, 5)
    }

    // A blank first path is followed by the second one; each is read once.
    function test_loadReadsSecondPath() {
        const fake = makeFake({ resourceTexts: {
            [standardPath]: "",
            ":/qt/qml/Tessaval/qml/data/standard_ranges.json": '{"oop": {"standard": [{"name": "RFI UTG", "value": "AA"}]}}'
        } })
        const page = makePage(fake)
        compare(page._presetLoadError, "")
        compare(rangePaths(page.oopStandardRanges), ["6-max / No rake / RFI / UTG=AA"])
        compare(fake.callsOf("readTextResource").map(function (a) { return a[0] }),
                [standardPath, ":/qt/qml/Tessaval/qml/data/standard_ranges.json", populationPath])
    }

    // ---- The page: overrides, clearing, exports ------------------------------------

    function devPage() {
        const fake = makeFake({ developerMode: true })
        const page = makePage(fake)
        page.oopRangeCategory = 0
        page.oopSelectedId = folder(page.oopStandardRanges, ["6-max", "No rake", "RFI"]).children[0].id
        page.oopRangeText = " QQ+ "
        return page
    }

    function test_overrideRefused_data() {
        return [
            { tag: "developer mode off", change: function (p) { p.appControllerObject = makeFake() } },
            { tag: "other category", change: function (p) { p.oopRangeCategory = 1 } },
            { tag: "nothing selected", change: function (p) { p.oopSelectedId = "" } },
            { tag: "folder selected", change: function (p) { p.oopSelectedId = p.oopStandardRanges[0].id } },
            { tag: "stale id", change: function (p) { p.oopSelectedId = "n_gone" } },
            { tag: "blank range text", change: function (p) { p.oopRangeText = "  " } }
        ]
    }

    function test_overrideRefused(data) {
        const page = devPage()
        verify(page.canOverrideStandard("oop"))
        data.change(page)
        verify(!page.canOverrideStandard("oop"))
        const before = JSON.stringify(page.oopStandardRanges)
        verify(!page.overrideSelectedStandardRange("oop"))
        compare(JSON.stringify(page.oopStandardRanges), before)
        compare(store.value("oopStandardOverridesJson", ""), "")
    }

    function test_overrideStandard() {
        const page = devPage()
        const id = page.oopSelectedId
        verify(page.overrideSelectedStandardRange("oop"))
        compare(page._findNodeById(page.oopStandardRanges, id).value, "QQ+")
        compare(page.oopSelectedId, id)
        compare(JSON.parse(store.value("oopStandardOverridesJson")), { "6-max / No rake / RFI / UTG": "QQ+" })
        // A new page reads it back, and so do the Weaker regs copies.
        const next = makePage()
        compare(folder(next.oopStandardRanges, ["6-max", "No rake", "RFI"]).children[0].value, "QQ+")
        // "Export standard…" writes it.
        page._exportStandardTo("file:///tmp/x.json")
        const written = JSON.parse(page.appControllerObject.callsOf("saveTextFile")[0][1])
        compare(written.oop.standard[0], { name: "No rake / RFI UTG", value: "QQ+" })
    }

    function test_overridePopulation() {
        const page = devPage()
        page.oopRangeCategory = 1
        const leaf = folder(page.oopExploitRanges, ["Other"]).children[0]
        page.oopSelectedId = leaf.id
        page.oopRangeText = "AA"
        verify(page.canOverrideExploit("oop"))
        verify(!page.canOverrideStandard("oop"))
        verify(page.overrideSelectedExploitRange("oop"))
        compare(page._findNodeById(page.oopExploitRanges, leaf.id).value, "AA")
        compare(JSON.parse(store.value("oopExploitOverridesJson")), { "Other / Bomb pot": "AA" })
    }

    function test_clearOverrides_data() {
        return [{ tag: "standard", cat: 0, clear: "clearStandardOverrides", key: "StandardOverridesJson" },
                { tag: "population", cat: 1, clear: "clearExploitOverrides", key: "ExploitOverridesJson" }]
    }

    // Clearing one player's overrides of one library empties that player's
    // map, stored text, selection and range text, and rebuilds every built-in
    // tree with new ids; the other player's overrides stay in force.
    function test_clearOverrides(data) {
        store.setValue("oop" + data.key, JSON.stringify({ "Other / Bomb pot": "KK", "6-max / No rake / RFI / UTG": "KK" }))
        store.setValue("ip" + data.key, JSON.stringify({ "Other / Bomb pot": "QQ", "6-max / No rake / RFI / UTG": "QQ" }))
        store.sync()
        const page = makePage(makeFake({ developerMode: true }))
        const tree = function (player) { return page.rangesFor(player, data.cat) }
        const leafPath = data.cat === 0 ? ["6-max", "No rake", "RFI"] : ["Other"]
        compare(folder(tree("oop"), leafPath).children[0].value, "KK")
        page.oopRangeCategory = data.cat
        page.oopSelectedId = folder(tree("oop"), leafPath).children[0].id
        page.oopRangeText = "KK"
        const oldIds = ids(page.oopStandardRanges).concat(ids(page.ipExploitRanges))
        verify(!page[data.clear]("villain"))
        verify(page[data.clear]("oop"))
        compare([page.oopSelectedId, page.oopRangeText, JSON.stringify(page.oopOpenFolderIds)], ["", "", "{}"])
        compare(store.value("oop" + data.key), "")
        verify(folder(tree("oop"), leafPath).children[0].value !== "KK")
        compare(folder(tree("ip"), leafPath).children[0].value, "QQ")
        const newIds = ids(page.oopStandardRanges).concat(ids(page.ipExploitRanges))
        compare(newIds.filter(function (id) { return oldIds.indexOf(id) >= 0 }), [])
    }

    function test_clearDialogClearsRecordedPlayer() {
        store.setValue("ipStandardOverridesJson", JSON.stringify({ "6-max / No rake / RFI / UTG": "QQ" }))
        store.sync()
        const page = makePage(makeFake({ developerMode: true }))
        page._clearStandardPlayer = "ip"
        compare(page.clearStandardOverridesDialog.question, "Clear all locally overridden standard ranges for IP?")
        page.clearStandardOverridesDialog.confirmed()
        compare(store.value("ipStandardOverridesJson"), "")
        compare(JSON.stringify(page.ipStandardOverrides), "{}")
    }

    function test_export_data() {
        return [
            { tag: "standard saved", cat: 0, answer: { ok: true }, error: "" },
            { tag: "population saved", cat: 1, answer: { ok: true }, error: "" },
            { tag: "controller error", cat: 0, answer: { ok: false, error: "Failed to open file: denied" },
              error: "Export failed: Failed to open file: denied" },
            { tag: "no reason", cat: 1, answer: { ok: false }, error: "Export failed: unknown error" },
            { tag: "no saveTextFile", cat: 1, noSave: true, error: "Export failed: appController.saveTextFile unavailable." }
        ]
    }

    function test_export(data) {
        const fake = makeFake({ developerMode: true, saveTextFileAnswer: data.answer || {} })
        const page = makePage(data.noSave ? createTemporaryObject(readOnlyControllerComponent, testCase) : fake)
        const errorName = data.cat === 0 ? "_exportStandardError" : "_exportExploitError"
        page[errorName] = "old"
        const dialog = data.cat === 0 ? page.exportStandardDialog : page.exportExploitDialog
        dialog.fileDialog.selectedFile = "file:///tmp/ranges_export.json"
        dialog.fileDialog.accepted()
        compare(page[errorName], data.error)
        // A success says where the file went.
        compare(page._exportNotice, data.error.length === 0 ? "Exported to ranges_export.json." : "")
        // The panel of a player showing that library tells why.
        page.oopRangeCategory = data.cat
        compare(findChild(page, "exportErrorText").text, data.error)
        const saved = fake.callsOf("saveTextFile")
        compare(saved.length, data.noSave ? 0 : 1)
        if (data.noSave)
            return
        compare(saved[0][0], "file:///tmp/ranges_export.json")
        const written = JSON.parse(saved[0][1])
        if (data.cat === 0)
            compare([written.oop.standard.length, written.ip.standard.length], [230, 225])
        else
            compare([written.format, written.version, countRanges(written.ip.exploit)], ["quendal_ranges_export", 1, 202])
    }
}
