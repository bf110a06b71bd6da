import QtQuick
import QtTest
import Qt.labs.settings
import Tessaval
import TestSupport
import "shown_texts.js" as ShownTexts

// The range panels: painting the matrix writes the range text, typing a
// range lights the matrix, library rows select, open and apply, and the
// library buttons follow the category and developer mode.
TestCase {
    id: testCase
    name: "RangePanel"
    width: 1540
    height: 1100
    visible: true
    when: windowShown

    Component {
        id: pageComponent
        ProjectPage { width: testCase.width; height: testCase.height }
    }
    // A page whose library layers are complete: overrides, exports and the
    // custom-range dialogs answer and record.
    Component {
        id: fullPageComponent
        ProjectPage {
            width: testCase.width
            height: testCase.height
            property string _presetLoadError: ""
            property string _clearStandardPlayer: ""
            property var log: []
            property bool overridable: false
            readonly property QtObject exportStandardDialog: QtObject {
                function open() { log = log.concat(["exportStandard"]) }
            }
            readonly property QtObject clearStandardOverridesDialog: QtObject {
                function open() { log = log.concat(["clearStandard:" + _clearStandardPlayer]) }
            }
            function canOverrideStandard(player) { return overridable && player === "ip" }
            function overrideSelectedStandardRange(player) { log = log.concat(["override:" + player]); return true }
            function openSaveRangeDialog(player) { log = log.concat(["save:" + player]) }
            function openDeleteSelectedDialog(player) { log = log.concat(["delete:" + player]) }
        }
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

    function makePage(component) {
        store.setValue("oopCustomRangesJson", "")
        store.setValue("ipCustomRangesJson", "")
        store.sync()
        fake = createTemporaryObject(fakeComponent, testCase)
        page = createTemporaryObject(component || pageComponent, testCase,
                                     { theme: appTheme, appControllerObject: fake })
        const flick = item("flickable")
        // The range row in view.
        flick.contentY = Math.max(0, item("oopRangePanel").mapToItem(flick.contentItem, 0, 0).y - 20)
        waitForRendering(page)
        return page
    }

    function item(name, parent) {
        const found = findChild(parent || page, name)
        verify(found, name)
        return found
    }

    // Clicks an item once the layouts have placed what the last change
    // showed.
    function click(target) {
        waitForRendering(page)
        mouseClick(target)
    }

    function cell(player, hand) {
        return item("cell_" + hand, item(player + "Matrix"))
    }

    function paint(player, hand) {
        const c = cell(player, hand)
        mouseClick(c, c.width / 2, c.height / 2)
    }

    function typeInto(name, text) {
        const f = item(name)
        f.forceActiveFocus()
        f.selectAll()
        keyClick(Qt.Key_Delete)
        for (let i = 0; i < text.length; ++i)
            keyClick(text.charAt(i))
    }

    function leave() {
        item("startingPotField").forceActiveFocus()
    }

    // Painting with a click weight: 100 writes the bare class, 50 the class
    // with ":0.5", 0 a token that keeps the cell dark; a painted cell
    // painted again is removed with its token.
    function test_paintWeights_data() {
        return [
            { tag: "100", weight: "100", first: "88" },
            { tag: "50", weight: "50", first: "88:0.5" },
            { tag: "99.95", weight: "99.95", first: "88" },
            { tag: "0", weight: "0", first: "88:0" }
        ]
    }

    function test_paintWeights(data) {
        makePage()
        page.oopRangeText = "AKs"
        typeInto("oopClickWeightField", data.weight)
        leave()
        fuzzyCompare(page.oopClickWeightPct, Number(data.weight), 1e-9)
        paint("oop", "88")
        compare(page.oopRangeText, "AKs, " + data.first)
        if (data.weight === "0") {
            compare(cell("oop", "88").weight, 0)
            paint("oop", "88")
            compare(page.oopRangeText, "AKs, " + data.first + ", 88:0")
            return
        }
        verify(cell("oop", "88").weight > 0)
        paint("oop", "AKs")
        compare(page.oopRangeText, data.tag === "100" || data.tag === "99.95" ? "88" : "88:0.5")
        paint("oop", "AKs")
        paint("oop", "88")
        compare(page.oopRangeText, data.tag === "50" ? "AKs:0.5" : "AKs")
        // The other panel is untouched.
        compare(page.ipRangeText, "")
    }

    function test_paintRemovesWholeTokens_data() {
        return [
            { tag: "kicker span", text: "A5s-A2s, KK", hand: "A3s", result: "KK", dark: ["A5s", "A4s", "A2s"] },
            { tag: "percentage", text: "50%", hand: "72o", result: "", dark: ["AA", "72o"] },
            { tag: "connectors", text: "T9s+", hand: "QJs", result: "", dark: ["T9s", "AKs"] }
        ]
    }

    function test_paintRemovesWholeTokens(data) {
        makePage()
        page.ipRangeText = data.text
        verify(cell("ip", data.hand).weight > 0)
        paint("ip", data.hand)
        compare(page.ipRangeText, data.result)
        data.dark.forEach(function (h) { compare(cell("ip", h).weight, 0, h) })
    }

    // A stroke that starts on a lit cell only removes.
    function test_dragStartingOnLitCellOnlyRemoves() {
        makePage()
        page.oopRangeText = "AA, KK"
        const grid = item("grid", item("oopMatrix"))
        const from = cell("oop", "AA"), over = cell("oop", "AKs"), to = cell("oop", "KK")
        mousePress(grid, from.x + 5, from.y + 5)
        mouseMove(grid, over.x + 5, over.y + 5)
        mouseMove(grid, to.x + 5, to.y + 5)
        mouseRelease(grid, to.x + 5, to.y + 5)
        compare(page.oopRangeText, "")
    }

    function test_typingLightsTheMatrix_data() {
        return [
            { tag: "pairs", typed: "QQ+", lit: ["AA", "KK", "QQ"], dark: ["JJ"] },
            { tag: "connectors", typed: "T9s+", lit: ["T9s", "JTs", "AKs"], dark: ["T8s"] },
            { tag: "no hand", typed: "hello", lit: [], dark: ["AA"] }
        ]
    }

    function test_typingLightsTheMatrix(data) {
        makePage()
        typeInto("ipRangeInput", data.typed)
        // Written at every keystroke, no commit needed.
        compare(page.ipRangeText, data.typed)
        data.lit.forEach(function (h) { compare(cell("ip", h).weight, 1, h) })
        data.dark.forEach(function (h) { compare(cell("ip", h).weight, 0, h) })
        // Unfocused, the overlay shows the text on one line.
        leave()
        const overlay = item("rangeOverlay", item("ipRangeInput"))
        verify(overlay.visible)
        compare(overlay.text, data.typed)
    }

    // An emptied weight field restores the weight; a value above 100 is
    // refused, never clamped: typing "150" stores 15 on the way and stops
    // there.
    function test_clickWeightField_data() {
        return [
            { tag: "emptied", typed: "", weight: 40, shown: "40" },
            { tag: "above 100", typed: "150", weight: 15, shown: "15" },
            { tag: "three decimals", typed: "12.125", weight: 12.125, shown: "12.125" }
        ]
    }

    function test_clickWeightField(data) {
        makePage()
        page.oopClickWeightPct = 40
        typeInto("oopClickWeightField", data.typed)
        keyClick(Qt.Key_Return)
        leave()
        compare(page.oopClickWeightPct, data.weight)
        compare(item("oopClickWeightField").text, data.shown)
    }

    function test_clearButton() {
        makePage()
        page.oopCustomRanges = [{ id: "r", type: "range", name: "R", value: "AA" }]
        page.oopRangeText = "AA, KK"
        page.oopSelectedId = "r"
        click(item("oopClearButton"))
        compare([page.oopRangeText, page.oopSelectedId, page.oopRangeCategory], ["", "r", 2])
    }

    // A folder row selects and opens or closes; a range row selects and
    // replaces the range text whole. A long name shows whole on more lines.
    function test_libraryRows() {
        makePage()
        const longName = "Passive tight (VPIP 18–25) against a late-position open"
        page.oopStandardRanges = [
            { id: "m", type: "folder", name: "6-max", children: [
                { id: "u", type: "range", name: "UTG", value: "AA, KK, 99:0.8" },
                { id: "l", type: "range", name: longName, value: "QQ" }] },
            { id: "h", type: "folder", name: "Heads up", children: [] }]
        page.oopRangeText = "22"
        const sidebar = item("oopLibrarySidebar")
        compare(item("emptyLibraryText", sidebar).visible, true)
        click(item("oopCategory0"))
        compare(page.oopRangeCategory, 0)
        verify(!item("emptyLibraryText", sidebar).visible)
        compare(item("categoryCaption", item("oopLibrarySidebar")).text, "Standard Ranges")
        click(item("libraryRow_6-max", sidebar))
        compare([page.oopSelectedId, page.oopOpenFolderIds["m"], page.oopRangeText], ["m", true, "22"])
        // Drilled down: the other top folder is hidden.
        verify(!findChild(item("oopLibrarySidebar"), "libraryRow_Heads up"))
        const longRow = item("libraryRow_" + longName, sidebar)
        waitForRendering(longRow)
        compare(ShownTexts.cut(longRow), [])
        verify(longRow.height > item("libraryRow_UTG", sidebar).height, "the long name takes more lines")
        click(item("libraryRow_UTG", sidebar))
        compare([page.oopSelectedId, page.oopRangeText], ["u", "AA, KK, 99:0.8"])
        compare(cell("oop", "99").weight, Math.fround(0.8))
        click(item("libraryRow_6-max", sidebar))
        compare(page.oopSelectedId, "m")
        verify(!page.oopOpenFolderIds["m"])
        verify(findChild(item("oopLibrarySidebar"), "libraryRow_Heads up"))
        compare(page.oopRangeText, "AA, KK, 99:0.8")
    }

    readonly property var buttonNames: ["OverrideStandardButton", "ExportStandardButton", "ClearStandardButton",
        "OverrideExploitButton", "ExportExploitButton", "ClearExploitButton",
        "SaveRangeButton", "ImportRangeButton", "AddFolderButton", "DeleteSelectedButton"]

    function test_buttonsShown_data() {
        return [
            { tag: "standard", dev: false, category: 0, shown: [] },
            { tag: "population", dev: false, category: 1, shown: [] },
            { tag: "custom", dev: false, category: 2, shown: ["SaveRange", "ImportRange", "AddFolder", "DeleteSelected"] },
            { tag: "standard dev", dev: true, category: 0, shown: ["OverrideStandard", "ExportStandard", "ClearStandard"] },
            { tag: "population dev", dev: true, category: 1, shown: ["OverrideExploit", "ExportExploit", "ClearExploit"] },
            { tag: "custom dev", dev: true, category: 2, shown: ["SaveRange", "ImportRange", "AddFolder", "DeleteSelected"] }
        ]
    }

    function test_buttonsShown(data) {
        makePage()
        fake.developerMode = data.dev
        page.ipRangeCategory = data.category
        buttonNames.forEach(function (n) {
            compare(item("ip" + n).visible, data.shown.indexOf(n.replace("Button", "")) >= 0, n)
        })
    }

    function test_customButtonsEnabled() {
        makePage()
        page.oopCustomRanges = [{ id: "r", type: "range", name: "R", value: "AA" }]
        const save = item("oopSaveRangeButton"), del = item("oopDeleteSelectedButton")
        page.oopRangeText = "   "
        verify(!save.enabled)
        page.oopRangeText = "AA"
        verify(save.enabled)
        verify(!del.enabled)
        click(item("libraryRow_R"))
        verify(del.enabled)
        page.oopRangeCategory = 0
        page.oopRangeCategory = 2
        verify(!del.enabled)
    }

    // The buttons reach the operations and dialogs of the page; the load
    // error of the built-in libraries shows under the Standard list only.
    function test_buttonsReachThePage() {
        makePage(fullPageComponent)
        fake.developerMode = true
        page.ipRangeCategory = 0
        const override = item("ipOverrideStandardButton")
        verify(!override.enabled)
        page.overridable = true
        verify(override.enabled)
        verify(!item("oopOverrideStandardButton").enabled)
        click(override)
        click(item("ipExportStandardButton"))
        click(item("ipClearStandardButton"))
        compare(page.log, ["override:ip", "exportStandard", "clearStandard:ip"])
        page._presetLoadError = "Failed to load bundled presets."
        verify(item("presetLoadErrorText", item("ipLibrarySidebar")).visible)
        page.ipRangeCategory = 1
        verify(!item("presetLoadErrorText", item("ipLibrarySidebar")).visible)
        page.ipRangeCategory = 2
        page.ipRangeText = "AA"
        click(item("ipSaveRangeButton"))
        compare(page.log[3], "save:ip")
    }

    // The width the range row needs follows the panels: matrices with cells
    // of 36 at full scale, of 29 at 80 %, each beside its library at the
    // library's least width.
    function test_matricesScale_data() {
        return [
            { tag: "1540", width: 1540, cell: 36, sidebar: 180 },
            { tag: "1232", width: 1232, cell: 29, sidebar: 150 }
        ]
    }

    function test_matricesScale(data) {
        makePage()
        page.width = data.width
        const m = item("oopMatrix")
        compare(m.cellSize, data.cell)
        compare(m.implicitWidth, 13 * data.cell + 24)
        const ip = item("ipRangePanel")
        compare(page._rangesRequiredWidth, 48 + 2 * (ip.leftPadding + ip.rightPadding + m.implicitWidth + 12 + data.sidebar) + 16)
        verify(item("oopLibrarySidebar").width >= data.sidebar)
        // Nothing of the row is cut off.
        const row = item("row2RangesRow")
        verify(ip.mapToItem(row, 0, 0).x + ip.width <= row.width + 0.5)
    }
}
