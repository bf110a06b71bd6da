import QtQuick
import QtTest
import Tessaval

// The keyboard stops of the set-up page in the real window, walked with Tab
// as a user does: every stop is on screen and shows the focus in the theme's
// focus stroke, and a number field reached by Tab offers its whole text to be
// typed over.
TestCase {
    id: testCase
    name: "ProjectTabStopsReal"
    when: windowShown

    property var window
    property var shell
    property var setup

    function item(name, parent) {
        const found = findChild(parent || window.contentItem, name)
        verify(found, name)
        return found
    }

    function openSetup(width, height, dark) {
        window.width = width
        window.height = height
        shell.theme.dark = dark
        shell.resetToDefaults()
        shell.navIndex = 1
        tryVerify(function () { return setup.visible && setup.width === width })
        waitForRendering(setup)
    }

    function isInside(it, ancestor) {
        for (let p = it; p; p = p.parent) {
            if (p === ancestor)
                return true
        }
        return false
    }

    // How many visible borders in the theme's focus stroke `it` draws.
    function focusStrokes(it) {
        const stroke = shell.theme.strokeFocus
        let count = 0
        function walk(x) {
            if (!x.visible || x.opacity === 0)
                return
            if (x.border !== undefined && x.border.width > 0 && Qt.colorEqual(x.border.color, stroke))
                ++count
            for (let i = 0; i < x.children.length; ++i)
                walk(x.children[i])
        }
        walk(it)
        return count
    }

    // Wholly inside the window and, on the page, inside the part its scroll
    // area shows.
    function onScreen(it) {
        const r = it.mapToItem(null, 0, 0, it.width, it.height)
        const flickable = item("flickable", setup)
        const view = isInside(it, flickable) ? flickable.mapToItem(null, 0, 0, flickable.width, flickable.height)
                                             : Qt.rect(0, 0, window.width, window.height)
        return r.width > 0 && r.height > 0 && r.x >= view.x && r.y >= view.y
                && r.x + r.width <= view.x + view.width && r.y + r.height <= view.y + view.height
    }

    function isNumberField(it) {
        return it.valueCommitted !== undefined && typeof it.selectAll === "function"
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/Tessaval/Main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null, { width: 1540, height: 1200 })
        window.show()
        tryCompare(window, "visible", true)
        shell = item("appShell")
        setup = item("projectPage")
    }

    function cleanupTestCase() {
        window.destroy()
    }

    function cleanup() {
        shell.theme.dark = true
    }

    // Around the whole chain from a range text field and back to it.
    function test_everyStopShowsWhereItIs_data() {
        return [
            { tag: "dark, from the OOP range text", start: "oopRangeInput", dark: true, width: 1540, height: 1200 },
            { tag: "light, from the IP range text", start: "ipRangeInput", dark: false, width: 1540, height: 1200 },
            { tag: "1280 x 800, from the OOP range text", start: "oopRangeInput", dark: true, width: 1280, height: 800 }
        ]
    }

    function test_everyStopShowsWhereItIs(data) {
        openSetup(data.width, data.height, data.dark)
        const start = item(data.start, setup)
        start.forceActiveFocus()
        let previous = start
        let previousStrokes = focusStrokes(start)
        const names = []
        for (let i = 0; i < 200 && (i === 0 || previous !== start); ++i) {
            keyClick(Qt.Key_Tab)
            const stop = window.activeFocusItem
            verify(stop && stop !== previous, "Tab moves on from " + previous.objectName)
            const name = stop.objectName || String(stop)
            verify(focusStrokes(previous) < previousStrokes, previous.objectName + " still shows the focus")
            verify(stop.visible && onScreen(stop), name + " is not on screen")
            previousStrokes = focusStrokes(stop)
            verify(previousStrokes > 0, name + " shows no focus")
            if (isNumberField(stop)) {
                verify(stop.text.length > 0, name)
                compare(stop.selectedText, stop.text, name)
            }
            names.push(name)
            previous = stop
        }
        compare(previous, start, "the chain comes back to where it began")
        for (const expected of ["ipCategory0", "tab0", "continueToSolveButton", "saveSettingsButton",
                                "effectiveStackField", "oopRiverBetField", "oopFlopAddAllInSwitch",
                                "copyOopSizingButton", "oopAddFolderButton", "oopClickWeightField"])
            verify(names.indexOf(expected) >= 0, expected + " in " + names.join(", "))
    }

    // Typed over after Tab or Shift+Tab; a click puts the cursor where it
    // lands, and what is typed goes in there.
    function test_typingIntoANumberField_data() {
        return [
            { tag: "Tab", from: "startingPotField", key: Qt.Key_Tab, typed: "35", stack: "35" },
            { tag: "Shift+Tab", from: "rakePercentField", key: Qt.Key_Tab, modifiers: Qt.ShiftModifier,
              typed: "35", stack: "35" },
            { tag: "click at the end", typed: "5", stack: "915" }
        ]
    }

    function test_typingIntoANumberField(data) {
        openSetup(1540, 1200, true)
        const field = item("effectiveStackField", setup)
        compare(field.text, "91")
        if (data.from) {
            mouseClick(item(data.from, setup))
            keyClick(data.key, data.modifiers === undefined ? Qt.NoModifier : data.modifiers)
            verify(field.activeFocus)
            compare(field.selectedText, "91")
        } else {
            mouseClick(field, field.width - 8, field.height / 2)
            verify(field.activeFocus)
            compare(field.selectedText, "")
        }
        for (const c of data.typed)
            keyClick(c)
        compare(field.text, data.stack)
        keyClick(Qt.Key_Tab)
        compare(shell.effectiveStack, Number(data.stack))
    }
}
