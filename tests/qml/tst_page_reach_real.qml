import QtQuick
import QtTest
import Tessaval
import TestSupport
import "shown_texts.js" as ShownTexts

// Every page in the real window at the smallest sizes the program gives, in
// every shipped language (the results page on a solved spot, in its range
// view and in a practice hand): every control is inside the window or
// reached by scrolling sideways, with the wheel and Shift, or by Tab; no
// control or text runs past its card, no text is cut but the figures'
// captions, and no wrapped text breaks a word.
TestCase {
    id: testCase
    name: "PageReachReal"
    when: windowShown

    property var window
    property var shell

    // Each page's place in the shell, its scroll area, and how many controls
    // it shows at least.
    readonly property var pages: ({
        home: { index: 0, name: "homePage", scroll: "homeScroll", least: 9 },
        setup: { index: 1, name: "projectPage", scroll: "flickable", least: 40 },
        solve: { index: 2, name: "solvePage", scroll: "solveScroll", least: 5 },
        results: { index: 3, name: "resultsPage", scroll: "resultsScroll", least: 8, solved: true },
        play: { index: 3, name: "resultsPage", scroll: "resultsScroll", least: 8, solved: true, play: true },
        settings: { index: 4, name: "settingsPage", scroll: "settingsScroll", least: 12 }
    })

    Component {
        id: translationComponent
        ShippedTranslation {}
    }

    FontMetrics {
        id: metrics
    }

    function advance(text, font) {
        metrics.font = font
        return metrics.advanceWidth(text)
    }

    function item(name, parent) {
        const found = findChild(parent || window.contentItem, name)
        verify(found, name)
        return found
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/Tessaval/Main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null, { width: 1540, height: 1200 })
        window.show()
        tryCompare(window, "visible", true)
        shell = item("appShell")
        // Practice figures on the home page, as wide as they come.
        for (const loss of [0, 0.42, 0.18, 0, 0.311, 0, 0])
            appController.recordPlayVsSolutionHand(loss > 0, loss)
    }

    function cleanupTestCase() {
        window.destroy()
    }

    // The shipped translation of the row, taken out before English is set
    // again, so that no text of it stays.
    property var translation: null

    function cleanup() {
        if (translation)
            translation.language = ""
        translation = null
        languageManager.setLanguage("en")
    }

    // The page in `language` at `width` × `height`, scrolled to its start,
    // with a spot whose options fill the solve page's list. The language is
    // chosen as a user does, on another page (the settings page, or the home
    // page for the settings page itself).
    function openPage(page, language, width, height) {
        shell.navIndex = page.index === pages.settings.index ? pages.home.index : pages.settings.index
        if (language !== "en") {
            translation = createTemporaryObject(translationComponent, testCase, { language: language })
            verify(translation.loaded, language)
        }
        languageManager.setLanguage(language)
        window.width = width
        window.height = height
        if (page.solved)
            solveOnce()
        else
            fillOptions()
        shell.navIndex = page.index
        const shown = item(page.name)
        if (page.solved) {
            shown.playMode = !!page.play
            shown.navigateToBreadcrumb(0)
            if (page.play) {
                shown.playStepDelayMs = 0
                shown.startPlaySession("OOP")
                tryVerify(function () { return shown.playAwaitingUserAction })
                // A hand played before, lost at a mistake, its details shown
                // under the table.
                shown._logPlayHand({ line: "OOP: Bet 100% \u2192 IP: All-In \u2192 OOP: Fold \u2192 Chance: 2s",
                                     board: "KsQd7h4c2s", evLoss: 0.42, mistakeAction: "Fold", correctAction: "Call" })
                compare(shown.playSelectedLogIndex, 0)
            }
        }
        tryVerify(function () { return shown.visible && shown.width === width })
        waitForRendering(shown)
        const flickable = item(page.scroll, shown)
        flickable.contentX = 0
        flickable.contentY = 0
        return flickable
    }

    // The default spot with options that fill the solve page's list.
    function fillOptions() {
        shell.resetToDefaults()
        shell.hasProject = true
        shell.oopFlopDontDonk = true
        shell.ipTurnAddAllIn = true
        shell.oopAddAllInIfJamLtEnabled = true
        shell.oopAddAllInIfJamLtPct = 15
    }

    // A small turn spot with two sizes a street, solved once for the
    // results page's rows.
    function solveOnce() {
        if (appController.resultIterations > 0)
            return
        const state = { boardText: "KsQd7h4c", startingPot: 10, effectiveStack: 20, maxIterations: 20,
                        targetExploitability: 0, oopRangeText: "AA, KK, QQ, 77, AK, KQ, QJs",
                        ipRangeText: "KK, QQ, JJ, AK, AQ, 98s" }
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"]) {
                state[seat + street + "BetSizesText"] = "50, 100"
                state[seat + street + "RaiseSizesText"] = "a"
            }
        shell.resetToDefaults()
        shell.applyProjectState(state)
        shell.hasProject = true
        appController.startSolveWithConfig(shell._solveMemCfg())
        tryVerify(function () { return !appController.running && appController.resultIterations > 0 }, 60000)
    }

    function isCard(x) {
        return x.__contentImplicitWidth !== undefined
    }

    // The visible items under `root` that `wanted` picks; what sits in a
    // list or scroll area of its own (the range libraries, the run list, the
    // strategy column) scrolls there, and the list is reached as a whole.
    function under(root, flickable, wanted) {
        const found = []
        function walk(x) {
            if (!x.visible)
                return
            if (wanted(x))
                found.push(x)
            if (x !== flickable && x.flicking !== undefined)
                return
            for (let i = 0; i < x.children.length; ++i)
                walk(x.children[i])
        }
        walk(root)
        return found
    }

    // What a user can press, type into or pick: controls, the hand
    // matrices, the areas that show a pointing hand, and lists.
    function controls(root, flickable) {
        return under(root, flickable, function (x) {
            return x.focusPolicy !== undefined || String(x.objectName).endsWith("Matrix")
                    || (x.cursorShape !== undefined && x.cursorShape === Qt.PointingHandCursor)
                    || (x !== flickable && x.flicking !== undefined)
        })
    }

    function cardOf(it) {
        for (let p = it.parent; p; p = p.parent) {
            if (isCard(p))
                return p
        }
        return null
    }

    function name(it) {
        return it.objectName || it.text || String(it)
    }

    function inView(it, flickable) {
        const r = it.mapToItem(flickable, 0, 0, it.width, it.height)
        return r.x >= -0.5 && r.x + r.width <= flickable.width + 0.5
                && r.y >= -0.5 && r.y + r.height <= flickable.height + 0.5
    }

    // The table's parts: each whole on its area and clear of the others
    // (the prompt's buttons each on their own).
    function tableClear(stage) {
        const parts = []
        const overlay = item("playOverlay", stage)
        for (let i = 0; i < overlay.children.length; ++i) {
            const x = overlay.children[i]
            const inner = x.objectName === "actionPrompt" ? x.children : [x]
            for (let k = 0; k < inner.length; ++k) {
                if (inner[k].visible && inner[k].width > 0)
                    parts.push(inner[k])
            }
        }
        verify(parts.length >= 8, "parts: " + parts.length)
        const rects = parts.map(function (x) { return x.mapToItem(stage, 0, 0, x.width, x.height) })
        for (let i = 0; i < parts.length; ++i) {
            const a = rects[i]
            verify(a.x >= -0.5 && a.y >= -0.5 && a.x + a.width <= stage.width + 0.5 && a.y + a.height <= stage.height + 0.5,
                   name(parts[i]) + " at " + a + " leaves the table's " + stage.width + " x " + stage.height)
            for (let j = i + 1; j < parts.length; ++j) {
                const b = rects[j]
                verify(a.x + a.width <= b.x + 0.5 || b.x + b.width <= a.x + 0.5
                       || a.y + a.height <= b.y + 0.5 || b.y + b.height <= a.y + 0.5,
                       name(parts[i]) + " at " + a + " over " + name(parts[j]) + " at " + b)
            }
        }
    }

    // Every text of the hand's details lies across the panel's width, and
    // its scrolled content holds it.
    function detailsWhole(panel) {
        const area = item("detailsColumns", panel)
        const texts = under(area, area, function (x) { return typeof x.truncated === "boolean" && x.text.length > 0 })
        verify(texts.length >= 10, "texts: " + texts.length)
        for (const t of texts) {
            const r = t.mapToItem(area.contentItem, 0, 0, t.width, t.height)
            verify(r.x >= -0.5 && r.x + r.width <= area.width + 0.5, t.text + " spans " + r.x + " to " + (r.x + r.width) + " of " + area.width)
            verify(r.y >= -0.5 && r.y + r.height <= area.contentHeight + 0.5, t.text + " ends at " + (r.y + r.height) + " of " + area.contentHeight)
        }
    }

    function test_everyControlReached_data() {
        const rows = []
        for (const page of ["home", "setup", "solve", "settings", "results", "play"])
            for (const size of [[1216, 760], [900, 650]])
                for (const language of ["en", "de", "es", "fr", "it", "pl", "pt_BR", "ru"])
                    rows.push({ tag: page + ", " + size[0] + " x " + size[1] + ", " + language, page: page,
                                language: language, width: size[0], height: size[1] })
        return rows
    }

    function test_everyControlReached(data) {
        const page = pages[data.page]
        const flickable = openPage(page, data.language, data.width, data.height)
        const content = flickable.contentItem

        // The top bar stays inside the window.
        for (const it of controls(item("topBar"))) {
            const r = it.mapToItem(null, 0, 0, it.width, it.height)
            verify(r.x >= 0 && r.x + r.width <= window.width + 0.5, name(it) + " ends at " + (r.x + r.width))
        }

        // Every control lies in the scrolled area and inside its card; no
        // text leaves its card's margin or breaks a word.
        const all = controls(content, flickable)
        verify(all.length >= page.least, "controls found: " + all.length)
        let right = 0
        for (const it of all) {
            const r = it.mapToItem(content, 0, 0, it.width, it.height)
            verify(r.x >= 0 && r.x + r.width <= flickable.contentWidth + 0.5,
                   name(it) + " spans " + r.x + " to " + (r.x + r.width) + " of " + flickable.contentWidth)
            verify(r.y >= 0 && r.y + r.height <= flickable.contentHeight + 0.5,
                   name(it) + " spans " + r.y + " to " + (r.y + r.height) + " of " + flickable.contentHeight)
            right = Math.max(right, r.x + r.width)
            const card = cardOf(it)
            if (card) {
                const c = it.mapToItem(card, 0, 0, it.width, it.height)
                verify(c.x >= -0.5 && c.x + c.width <= card.width + 0.5,
                       name(it) + " spans " + c.x + " to " + (c.x + c.width) + " of its card's " + card.width)
            }
        }
        for (const card of under(content, flickable, isCard))
            compare(ShownTexts.pastMargin(card), [], card.objectName)
        compare(ShownTexts.brokenWords(content, advance), [])
        // Only the figures' captions give way, as they are made to.
        compare(ShownTexts.cut(content, [], null, function (t) { return t.objectName === "statLabel" }), [])
        compare(item("horizontalScrollBar", flickable).visible, flickable.contentWidth > flickable.width + 1)
        if (page.play) {
            tableClear(item("tableArea", content))
            detailsWhole(item("playHandDetailsPanel", content))
        }

        // Shift and the wheel, one notch after another, up to the right end,
        // where the rightmost control is in view.
        let before = -1
        for (let i = 0; i < 40 && flickable.contentX !== before; ++i) {
            before = flickable.contentX
            mouseWheel(flickable, 100, 100, 0, -120, Qt.NoButton, Qt.ShiftModifier)
        }
        compare(flickable.contentX, Math.max(0, flickable.contentWidth - flickable.width))
        verify(right <= flickable.contentX + flickable.width + 0.5, right + " beyond " + flickable.contentX)

        // From there, Tab from the top bar onto the page's first stops brings
        // each into view (on the set-up page: the way on, then back to the
        // board's buttons at the left end).
        item("tab4").forceActiveFocus()
        for (let stop = 0; stop < 2; ++stop) {
            keyClick(Qt.Key_Tab)
            const focused = window.activeFocusItem
            verify(focused && all.indexOf(focused) >= 0, "stop " + stop + ": " + (focused ? name(focused) : "none"))
            verify(inView(focused, flickable), name(focused) + " at " + flickable.contentX)
        }
    }
}
