import QtQuick
import QtTest
import Tessaval
import TestSupport

// The set-up page in the real window at the smallest sizes the program
// gives, in every shipped language: every control is inside the window or
// reached by scrolling sideways, with the wheel and Shift, or by Tab.
TestCase {
    id: testCase
    name: "ProjectPageReachReal"
    when: windowShown

    property var window
    property var shell
    property var setup
    property var flickable

    Component {
        id: translationComponent
        ShippedTranslation {}
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
        setup = item("projectPage")
        flickable = item("flickable", setup)
    }

    function cleanupTestCase() {
        window.destroy()
    }

    function cleanup() {
        languageManager.setLanguage("en")
    }

    // The page in `language` at `width` × `height`, scrolled to its start.
    function openSetup(language, width, height) {
        if (language !== "en") {
            const translation = createTemporaryObject(translationComponent, testCase, { language: language })
            verify(translation.loaded, language)
        }
        languageManager.setLanguage(language)
        window.width = width
        window.height = height
        shell.resetToDefaults()
        shell.navIndex = 1
        tryVerify(function () { return setup.visible && setup.width === width })
        waitForRendering(setup)
        flickable.contentX = 0
        flickable.contentY = 0
    }

    // Every visible control of the page's rows, the hand matrices among them;
    // what sits in a list of its own (the range libraries) scrolls there.
    function controls() {
        const found = []
        const content = item("contentRoot", setup)
        function walk(x) {
            if (!x.visible)
                return
            if (x !== flickable && x.flicking !== undefined)
                return
            if (x.focusPolicy !== undefined || String(x.objectName).endsWith("Matrix"))
                found.push(x)
            for (let i = 0; i < x.children.length; ++i)
                walk(x.children[i])
        }
        walk(content)
        return found
    }

    function name(it) {
        return it.objectName || it.text || String(it)
    }

    function inView(it) {
        const r = it.mapToItem(flickable, 0, 0, it.width, it.height)
        return r.x >= 0 && r.x + r.width <= flickable.width + 0.5
    }

    function test_everyControlReached_data() {
        const rows = []
        for (const size of [[1216, 760], [900, 650]])
            for (const language of ["en", "de", "es", "fr", "it", "pl", "pt_BR", "ru"])
                rows.push({ tag: size[0] + " x " + size[1] + ", " + language, language: language,
                            width: size[0], height: size[1] })
        return rows
    }

    function test_everyControlReached(data) {
        openSetup(data.language, data.width, data.height)
        const content = item("contentRoot", setup)
        const all = controls()
        verify(all.length > 40, "controls found: " + all.length)
        let right = 0
        for (const it of all) {
            const r = it.mapToItem(content, 0, 0, it.width, it.height)
            verify(r.x >= 0 && r.x + r.width <= flickable.contentWidth + 0.5,
                   name(it) + " spans " + r.x + " to " + (r.x + r.width) + " of " + flickable.contentWidth)
            right = Math.max(right, r.x + r.width)
        }
        const bar = item("horizontalScrollBar", setup)
        compare(bar.visible, flickable.contentWidth > flickable.width + 1)

        // Shift and the wheel, one notch after another, up to the right end,
        // where the rightmost control is in view.
        let before = -1
        for (let i = 0; i < 40 && flickable.contentX !== before; ++i) {
            before = flickable.contentX
            mouseWheel(flickable, 100, 100, 0, -120, Qt.NoButton, Qt.ShiftModifier)
        }
        compare(flickable.contentX, Math.max(0, flickable.contentWidth - flickable.width))
        verify(right <= flickable.contentX + flickable.width + 0.5, right + " beyond " + flickable.contentX)
        const continueButton = item("continueToSolveButton", setup)
        verify(inView(continueButton), "Continue to Solve at " + flickable.contentX)

        // Tab from the top bar onto the way on brings it in from the left
        // end; the next Tab takes the page back to the board's buttons.
        flickable.contentX = 0
        item("tab4").forceActiveFocus()
        keyClick(Qt.Key_Tab)
        verify(continueButton.activeFocus)
        verify(inView(continueButton), "Continue to Solve at " + flickable.contentX)
        keyClick(Qt.Key_Tab)
        const load = item("loadSettingsButton", setup)
        verify(load.activeFocus)
        verify(inView(load), "Load at " + flickable.contentX)
    }
}
