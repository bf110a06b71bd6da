import QtQuick
import QtTest
import Tessaval
import TestSupport
import "qrc:/Tessaval/qml/pages/project/page_layout.js" as PageLayout
import "shown_texts.js" as ShownTexts

// The set-up page's frame: the size scale and the widths derived from it,
// the widths the rows need, the header, and the scroll area.
TestCase {
    id: testCase
    name: "ProjectPage"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Component {
        id: pageComponent
        ProjectPage {}
    }
    Component {
        id: fakeComponent
        FakeController {}
    }
    Component {
        id: translatorComponent
        TestTranslator {}
    }
    Theme {
        id: appTheme
    }
    SignalSpy {
        id: goSpy
        signalName: "goToSolve"
    }

    property var fake

    function cleanup() {
        languageManager.setLanguage("system")
    }

    function makePage(w, h) {
        fake = createTemporaryObject(fakeComponent, testCase)
        return createTemporaryObject(pageComponent, testCase,
                                     { theme: appTheme, width: w, height: h, appControllerObject: fake })
    }

    function test_scale_data() {
        return [
            { tag: "1000", width: 1000, scale: 0.8, sizing: 62, game: 52 },
            { tag: "1232", width: 1232, scale: 0.8, sizing: 62, game: 52 },
            { tag: "1386", width: 1386, scale: 0.9, sizing: 69, game: 54 },
            { tag: "1540", width: 1540, scale: 1.0, sizing: 77, game: 60 },
            { tag: "2000", width: 2000, scale: 1.0, sizing: 77, game: 60 }
        ]
    }

    function test_scale(data) {
        const page = makePage(data.width, 800)
        fuzzyCompare(page.uiScale, data.scale, 1e-9)
        compare([page.sizingStreetColumnWidth, page.gameSettingsInputColumnWidth], [data.sizing, data.game])
        // The fields and the board cards take them.
        compare([findChild(page, "oopFlopBetField").width, findChild(page, "startingPotField").width],
                [data.sizing, data.game])
        fuzzyCompare(page.boardDisplay.cardScale, 1.25 * data.scale, 1e-9)
        // The first row needs the widths of its items; the page asks for it.
        const game = findChild(page, "gameSettingsCard").implicitWidth
        const oop = findChild(page, "oopSizingCard").implicitWidth
        const ip = findChild(page, "ipSizingCard").implicitWidth
        const board = Math.max(page.boardDisplay.implicitWidth + 27, 240)
        compare(page._row1RequiredWidth, 48 + board + 16 + game + 16 + oop + 16 + ip)
        compare(page.recommendedWindowWidth, Math.ceil(Math.max(page._row1RequiredWidth, page._rangesRequiredWidth)))
        // Too narrow for one line, the row takes two: board and game
        // settings, then the sizing cards; the page is as wide as that, or
        // the range row, needs.
        const wraps = data.width < page._row1RequiredWidth
        waitForRendering(page)
        const sizing = findChild(page, "oopSizingCard")
        compare(sizing.mapToItem(page, 0, 0).y > findChild(page, "gameSettingsCard").mapToItem(page, 0, 0).y, wraps)
        compare(findChild(page, "contentRoot").width,
                Math.max(data.width, wraps ? page._row1WrappedWidth : page._row1RequiredWidth, page._rangesRequiredWidth))
        // No card of a line is squeezed below its width.
        const w = function (name) { return findChild(page, name).width }
        const lines = wraps ? [["boardColumn", "gameSettingsCard"], ["oopSizingCard", "ipSizingCard"]]
                            : [["boardColumn", "gameSettingsCard", "oopSizingCard", "ipSizingCard"]]
        for (const line of lines) {
            const used = line.reduce(function (sum, name) { return sum + w(name) }, 16 * (line.length - 1))
            verify(used <= findChild(page, "row1CardsRow").width + 0.5, used)
        }
    }

    // Cards and range panels that do not exist count their stand-in widths.
    function test_requiredWidthsOfMissingItems_data() {
        const w = function (v) { return { implicitWidth: v, narrowestWidth: v } }
        return [
            { tag: "nothing yet", items: [null, null, null, null], m: [null, null], row1: 48 + 240 + 16 + 420 + 16 + 520 + 16 + 520, ranges: 64 },
            { tag: "board only", items: [w(300), null, null, null], m: [w(492), null], row1: 48 + 327 + 16 + 420 + 16 + 520 + 16 + 520, ranges: 556 },
            { tag: "small board", items: [w(100), w(250), w(350), w(360)], m: [w(492), w(492)], row1: 48 + 240 + 16 + 250 + 16 + 350 + 16 + 360, ranges: 1048 }
        ]
    }

    function test_requiredWidthsOfMissingItems(data) {
        compare(PageLayout.row1RequiredWidth(data.items[0], data.items[1], data.items[2], data.items[3]), data.row1)
        compare(PageLayout.rangesRequiredWidth(data.m[0], data.m[1]), data.ranges)
        compare(PageLayout.recommendedWidth(data.row1 + 0.2, data.ranges), data.row1 + 1)
    }

    // Cards 2 to 4 are as tall as the tallest column of the first row.
    function test_uniformColumnHeight() {
        const page = makePage(1540, 800)
        const names = ["boardColumn", "gameSettingsCard", "oopSizingCard", "ipSizingCard"]
        const tallest = Math.max.apply(null, names.map(function (n) { return findChild(page, n).implicitHeight }))
        compare(findChild(page, "row1CardsRow").uniformColumnHeight, tallest)
        for (const name of names.slice(1))
            tryCompare(findChild(page, name), "height", tallest)
    }

    function test_memoryLines_data() {
        const GB = 1073741824
        return [
            { tag: "no estimate", req: 0, avail: 0, texts: ["", ""], warn: false, lines: ["Solve RAM: —", "Available RAM: —"] },
            { tag: "too large", req: 6 * GB, avail: 4 * GB, texts: ["6.0 GB", "4.0 GB"], warn: true, lines: ["Solve RAM: 6.0 GB", "Available RAM: 4.0 GB"] },
            { tag: "fits", req: 4 * GB, avail: 6 * GB, texts: ["4.0 GB", "6.0 GB"], warn: false, lines: ["Solve RAM: 4.0 GB", "Available RAM: 6.0 GB"] },
            { tag: "equal", req: 5 * GB, avail: 5 * GB, texts: ["5.0 GB", "5.0 GB"], warn: false, lines: ["Solve RAM: 5.0 GB", "Available RAM: 5.0 GB"] },
            { tag: "available unknown", req: 6 * GB, avail: 0, texts: ["6.0 GB", "—"], warn: false, lines: ["Solve RAM: 6.0 GB", "Available RAM: —"] },
            { tag: "no controller", req: 0, avail: 0, texts: [], warn: false, lines: ["Solve RAM: —", "Available RAM: —"] }
        ]
    }

    function test_memoryLines(data) {
        const page = makePage(1540, 800)
        fake.developerMode = true
        if (data.texts.length === 0) {
            page.appControllerObject = null
        } else {
            fake.solveRequiredMemoryBytes = data.req
            fake.effectiveAvailableMemoryBytes = data.avail
            fake.solveRequiredMemoryText = data.texts[0]
            fake.effectiveAvailableMemoryText = data.texts[1]
        }
        const solve = findChild(page, "solveRamLine")
        const avail = findChild(page, "availableRamLine")
        compare([solve.text, avail.text], data.lines)
        verify(Qt.colorEqual(solve.color, data.warn ? appTheme.danger : appTheme.textMuted))
        verify(Qt.colorEqual(avail.color, appTheme.textMuted))
        compare(PageLayout.memoryWarning(Infinity, 1), false)
        compare(page.developerMode, data.texts.length > 0)
    }

    // The badge and the button follow the shell's gate, which looks at
    // everything a solve needs, not at the board alone.
    function test_badgeAndContinue_data() {
        return [
            { tag: "valid board, not solvable", board: "AhKsQd", canSolve: false, badge: "Setup Required", ready: false },
            { tag: "valid board, solvable", board: "AhKsQd2c9h", canSolve: true, badge: "Ready", ready: true },
            { tag: "board with a gap", board: "AhKsQd__2c", canSolve: false, badge: "Setup Required", ready: false }
        ]
    }

    function test_badgeAndContinue(data) {
        const page = makePage(1540, 800)
        page.boardText = data.board
        page.canSolve = data.canSolve
        const header = findChild(page, "setupSectionHeader")
        compare(header.badge, data.badge)
        verify(Qt.colorEqual(header.badgeColor, data.ready ? appTheme.success : appTheme.warn))
        goSpy.target = page
        goSpy.clear()
        mouseClick(findChild(page, "continueToSolveButton"))
        compare(goSpy.count, data.canSolve ? 1 : 0)
    }

    function test_languageCounter() {
        const page = makePage(1540, 800)
        const before = page._i18nRev
        languageManager.setLanguage("de")
        languageManager.setLanguage("de")
        compare(page._i18nRev, before + 1)
        languageManager.setLanguage("system")
        compare(page._i18nRev, before + 2)
    }

    // The narrowest window on a 1366 px laptop (95 % of it), narrower, and the
    // default width, also with translations longer than any shipped one:
    // every card and the header's button stay within the page, nothing
    // scrolls sideways, and every text is whole and keeps its card's inner
    // margin.
    function test_everyCardReachableOnALaptop_data() {
        return [{ tag: "1297", width: 1297 }, { tag: "1280", width: 1280 },
                { tag: "1297, long texts", width: 1297, prefix: "[xx-long] " },
                { tag: "1540, long texts", width: 1540, prefix: "[xx-long] " }]
    }

    function test_everyCardReachableOnALaptop(data) {
        if (data.prefix) {
            createTemporaryObject(translatorComponent, testCase, { language: "de", prefix: data.prefix, active: true })
            languageManager.setLanguage("de")
        }
        const page = makePage(data.width, 800)
        waitForRendering(page)
        const flick = findChild(page, "flickable")
        compare(flick.contentWidth, flick.width)
        const cards = ["boardCard", "settingsButtonsCard", "gameSettingsCard", "oopSizingCard", "ipSizingCard",
                       "oopRangePanel", "ipRangePanel"]
        for (const name of cards.concat(["continueToSolveButton"])) {
            const it = findChild(page, name)
            const right = it.mapToItem(page, it.width, 0).x
            verify(right <= data.width + 0.5, name + " ends at " + right)
        }
        compare(ShownTexts.cut(page), [])
        for (const name of cards)
            compare(ShownTexts.pastMargin(findChild(page, name)), [], name)
    }

    function test_horizontalScrollBar_data() {
        return [{ tag: "narrower than the ranges", width: 800, shown: true },
                { tag: "narrower than the range panels", width: 1100, shown: true },
                { tag: "wide enough", width: 1300, shown: false }, { tag: "wide", width: 1800, shown: false }]
    }

    function test_horizontalScrollBar(data) {
        const page = makePage(data.width, 800)
        const flick = findChild(page, "flickable")
        compare(flick.contentWidth > flick.width + 1, data.shown)
        compare(findChild(page, "horizontalScrollBar").visible, data.shown)
    }

    // With Shift the wheel moves the page sideways, half the angle delta a
    // step, never past either end; without it the page moves up and down.
    function test_wheel_data() {
        return [
            { tag: "shift notch", start: [0, 0], delta: [0, -120], shift: true, end: [60, 0] },
            { tag: "shift notch back", start: [100, 0], delta: [0, 120], shift: true, end: [40, 0] },
            { tag: "shift at left end", start: [0, 0], delta: [0, 120], shift: true, end: [0, 0] },
            { tag: "shift at right end", start: ["max", 0], delta: [0, -120], shift: true, end: ["max", 0] },
            { tag: "shift sideways swipe", start: [0, 0], delta: [-80, 0], shift: true, end: [40, 0] },
            { tag: "plain notch", start: [0, 0], delta: [0, -120], shift: false, end: [0, 60] },
            { tag: "plain at top", start: [0, 0], delta: [0, 120], shift: false, end: [0, 0] },
            { tag: "sideways swipe scrolls down", start: [0, 0], delta: [-120, 0], shift: false, end: [0, 60] },
            { tag: "plain at bottom", start: [0, "max"], delta: [0, -120], shift: false, end: [0, "max"] }
        ]
    }

    function test_wheel(data) {
        // Narrower than the two range panels: the page scrolls both ways.
        const page = makePage(700, 400)
        const flick = findChild(page, "flickable")
        const max = [flick.contentWidth - flick.width, flick.contentHeight - flick.height]
        verify(max[0] > 120 && max[1] > 120)
        const at = function (v, i) { return v === "max" ? max[i] : v }
        flick.contentX = at(data.start[0], 0)
        flick.contentY = at(data.start[1], 1)
        mouseWheel(page, 600, 300, data.delta[0], data.delta[1], Qt.NoButton, data.shift ? Qt.ShiftModifier : Qt.NoModifier)
        compare([flick.contentX, flick.contentY], [at(data.end[0], 0), at(data.end[1], 1)])
    }
}
