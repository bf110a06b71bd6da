import QtQuick
import QtTest
import Tessaval
import TestSupport

// The set-up page's range row inside the shell: the window width the page
// asks for at start-up, while the page is still hidden, and a whole spot
// entered through the interface alone that the shell lets solve.
TestCase {
    id: testCase
    name: "ProjectRangesInShell"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Component {
        id: shellComponent
        AppShell {}
    }
    Component {
        id: fakeComponent
        FakeController {}
    }

    property var shell
    property var fake
    property var page

    function makeShell(w) {
        fake = createTemporaryObject(fakeComponent, testCase)
        fake.solveRequiredMemoryBytes = 1e9
        fake.systemAvailableMemoryBytes = 8e9
        shell = createTemporaryObject(shellComponent, testCase, { controller: fake, width: w, height: testCase.height })
        verify(shell)
        page = findChild(shell, "projectPage")
    }

    function item(name, parent) {
        const found = findChild(parent || page, name)
        verify(found, name)
        return found
    }

    // At start-up the page has never been shown: the shell keeps its own
    // figure until the page is laid out at full scale.
    function test_recommendedWidthBeforeFirstShow_data() {
        return [
            { tag: "80 %", width: 1100 },
            { tag: "full", width: 1540 }
        ]
    }

    function test_recommendedWidthBeforeFirstShow(data) {
        makeShell(data.width)
        verify(!page.visible)
        // The hidden page is laid out at 80 %: its figure is not taken.
        verify(page.uiScale < 1)
        compare(shell.projectRecommendedWidth, 1540)
        shell.resetToNewProject()
        shell.navIndex = 1
        tryCompare(page, "width", data.width)
        waitForRendering(page)
        // Shown at its full scale, the page's own figure counts.
        compare(shell.projectRecommendedWidth, page.uiScale >= 1 ? page.recommendedWindowWidth : 1540)
    }

    function typeInto(name, text) {
        const f = item(name)
        f.forceActiveFocus()
        f.selectAll()
        keyClick(Qt.Key_Delete)
        for (let i = 0; i < text.length; ++i)
            keyClick(text.charAt(i))
        keyClick(Qt.Key_Return)
    }

    function pickCard(slot, card) {
        mouseClick(item("slot" + slot, page.boardDisplay))
        const dialog = item("cardPickerDialog")
        tryCompare(dialog, "opened", true)
        mouseClick(item("card_" + card, dialog.picker))
        tryCompare(dialog, "visible", false)
    }

    function paint(player, hand) {
        const c = item("cell_" + hand, item(player + "Matrix"))
        mouseClick(c, c.width / 2, c.height / 2)
    }

    function test_fullSpotThroughTheInterface() {
        makeShell(testCase.width)
        findChild(shell, "homePage").newProject()
        compare(shell.navIndex, 1)
        tryVerify(function () { return page.visible && page.width > 0 })
        waitForRendering(page)

        pickCard(0, "Ks")
        pickCard(1, "Qd")
        pickCard(2, "7h")
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"])
                for (const kind of ["Bet", "Raise"])
                    typeInto(seat + street + kind + "Field" + (seat === "ip" ? "2" : ""), kind === "Bet" ? "50" : "a")
        verify(!shell.canSolve)

        const flick = item("flickable")
        flick.contentY = flick.contentHeight - flick.height
        waitForRendering(page)
        // Mixed weights: 50 for OOP's second class.
        paint("oop", "AA")
        typeInto("oopClickWeightField", "50")
        paint("oop", "AKs")
        paint("ip", "KK")
        paint("ip", "QQ")
        compare([shell.oopRangeText, shell.ipRangeText], ["AA, AKs:0.5", "KK, QQ"])
        compare(shell.boardText, "KsQd7h")
        tryVerify(function () { return shell.canSolve }, 3000)
        // The shell's estimate carries what was painted.
        tryVerify(function () { return fake.callsOf("requestSolveMemoryEstimate").length > 0 }, 3000)
        const calls = fake.callsOf("requestSolveMemoryEstimate")
        const cfg = calls[calls.length - 1][0]
        compare([cfg.board, cfg.oop_range, cfg.ip_range], ["KsQd7h", "AA, AKs:0.5", "KK, QQ"])
    }
}
