import QtQuick
import QtTest
import Tessaval
import "../../qml/components/solve_gating.js" as Gating

// What is on screen is what is solved, through the real window and
// controller with keys and clicks: a start commits the field being edited
// (or names the field that refuses its text), a page switch leaves no field
// focused, shortcuts wait for an open dialog, and a text the engine refuses
// lights nothing and says why, the engine deciding what it refuses.
TestCase {
    id: testCase
    name: "SolveGateReal"
    when: windowShown

    property var window
    property var shell
    property var setup

    function item(name, parent) {
        const found = findChild(parent || window.contentItem, name)
        verify(found, name)
        return found
    }

    // A small river spot: quick to solve, every text sound.
    function riverSpot() {
        const state = {
            boardText: "KsQd7h4c2s", startingPot: 10, effectiveStack: 20, maxIterations: 10,
            targetExploitability: 0, startingStreet: "river",
            oopRangeText: "AA, KK, QQ, 77, AK, KQ, QJs", ipRangeText: "KK, QQ, JJ, AK, AQ, 98s"
        }
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"]) {
                state[seat + street + "BetSizesText"] = street === "River" ? "50" : ""
                state[seat + street + "RaiseSizesText"] = street === "River" ? "a" : ""
            }
        return state
    }

    function openSetup(state) {
        shell.resetToNewProject()
        shell.applyProjectState(state)
        shell.syncPagesFromRoot()
        shell.navIndex = 1
        tryVerify(function () { return setup.visible && setup.width > 0 })
        waitForRendering(setup)
    }

    // Types into a field as a user does: click, select all, type; no Return.
    function typeInto(name, text) {
        const f = item(name, setup)
        mouseClick(f)
        f.selectAll()
        keyClick(Qt.Key_Delete)
        for (const c of text)
            keyClick(c)
        return f
    }

    function waitForResult() {
        tryVerify(function () { return !appController.running }, 60000)
        compare(appController.statusText, "Done")
    }

    function reason() {
        return item("solveBlockText", setup)
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/Tessaval/Main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null, { width: 1540, height: 1200 })
        window.show()
        window.width = 1540
        window.height = 1200
        tryCompare(window, "visible", true)
        shell = item("appShell")
        setup = item("projectPage")
    }

    function cleanupTestCase() {
        window.destroy()
    }

    // F5 while a field is being edited solves what the field shows; a river
    // spot needs river sizes only, and an unknown estimate blocks nothing.
    function test_f5CommitsTheFieldBeingEdited() {
        openSetup(riverSpot())
        verify(shell.canSolve, shell.solveBlock.text)
        compare(item("setupSectionHeader", setup).badge, "Ready")
        typeInto("startingPotField", "50")
        typeInto("oopRiverBetField", "33")
        keyClick(Qt.Key_F5)
        compare(shell.navIndex, 2)
        waitForResult()
        compare(shell.oopRiverBetSizesText, "33")
        compare(shell.startingPot, 50)
        compare(appController.resultStartingPot, 50)
        verify(appController.rootActions.some(function (a) { return a.name === "Bet 33%" }),
               JSON.stringify(appController.rootActions))
    }

    // A range of exact combos holds hands as the engine reads them: it solves.
    function test_exactCombosSolve() {
        openSetup(riverSpot())
        typeInto("ipRangeInput", "AhQh,AhJh")
        keyClick(Qt.Key_F5)
        compare(shell.navIndex, 2)
        waitForResult()
        compare(shell.ipRangeText, "AhQh,AhJh")
    }

    // A field that refuses its text keeps the start from going on and is named.
    function test_f5RefusesAFieldThatRefusesItsText() {
        openSetup(riverSpot())
        const field = typeInto("effectiveStackField", "")
        const status = appController.statusText
        keyClick(Qt.Key_F5)
        compare(shell.navIndex, 1)
        verify(!appController.running)
        compare(appController.statusText, status)
        verify(field.activeFocus)
        compare(reason().text, "Not started: \u201CEffective Stack\u201D does not hold a value it can take.")
        verify(reason().visible)
        keyClick(Qt.Key_Escape)
    }

    // "Continue to Solve", clicked while a field is being edited, asks the
    // gate F5 asks: the field's text is committed and the spot it makes must
    // be solvable, or nothing goes on and the header says why.
    function test_continueClickedWhileEditing_data() {
        return [
            { tag: "emptied stack", field: "effectiveStackField", typed: "",
              refusal: "Not started: \u201CEffective Stack\u201D does not hold a value it can take." },
            { tag: "typed stack", field: "effectiveStackField", typed: "35", stack: 35 },
            { tag: "refused size", field: "oopRiverBetField", typed: "abc" }
        ]
    }

    function test_continueClickedWhileEditing(data) {
        openSetup(riverSpot())
        const button = item("continueToSolveButton", setup)
        verify(button.enabled)
        const field = typeInto(data.field, data.typed)
        mouseClick(button)
        if (data.stack !== undefined) {
            compare(shell.navIndex, 2)
            compare(shell.effectiveStack, data.stack)
            compare(item("solvePage")._solveConfigMap().effective_stack, data.stack)
            return
        }
        compare(shell.navIndex, 1)
        verify(!appController.running)
        compare(field.text, data.typed)
        compare(shell.effectiveStack, 20)
        verify(reason().visible)
        if (data.refusal) {
            verify(field.activeFocus)
            compare(reason().text, data.refusal)
            keyClick(Qt.Key_Escape)
        } else {
            verify(!button.enabled)
            compare(reason().text, shell.solveBlock.text)
            verify(reason().text.indexOf("abc") < 0 && reason().text.length > 0)
        }
    }

    // Ctrl+1 leaves no field of the hidden page focused; Ctrl+1 waits while
    // the card picker is open.
    function test_pageShortcutsAndFocus() {
        openSetup(riverSpot())
        const pot = item("startingPotField", setup)
        mouseClick(pot)
        keySequence("Ctrl+1")
        compare(shell.navIndex, 0)
        for (const c of "577")
            keyClick(c)
        verify(!pot.activeFocus)
        compare(pot.text, "10")
        // Back on the page, Return would commit an edit still open in the field.
        keySequence("Ctrl+2")
        compare(shell.navIndex, 1)
        keyClick(Qt.Key_Return)
        compare(shell.startingPot, 10)

        shell.navIndex = 1
        waitForRendering(setup)
        mouseClick(item("slot0", setup.boardDisplay))
        const picker = item("cardPickerDialog", setup)
        tryCompare(picker, "opened", true)
        keySequence("Ctrl+1")
        keyClick(Qt.Key_F5)
        compare(shell.navIndex, 1)
        verify(!appController.running)
        keyClick(Qt.Key_Escape)
        tryCompare(picker, "visible", false)
    }

    // Texts the engine refuses, as a user types or pastes them: the matrix
    // lights nothing, the panel shows the engine's message, and the header,
    // the disabled button and the Solve tab say what blocks the solve.
    function test_refusedTexts_data() {
        return [
            { tag: "blanks for commas", field: "oopRangeInput", text: "QQ+ AK" },
            { tag: "no-break space pasted", field: "oopRangeInput", text: "QQ+,\u00a0AK", paste: true },
            { tag: "weight above 1", field: "oopRangeInput", text: "AK:2" },
            { tag: "low rank first", field: "ipRangeInput", text: "KA" },
            { tag: "percent with a blank", field: "oopRangeInput", text: "50 %" },
            { tag: "percent above 100", field: "ipRangeInput", text: "150%" },
            { tag: "weight no number", field: "oopRangeInput", text: "AA:x" },
            { tag: "letters as a size", field: "oopRiverBetField", text: "abc", sizing: true },
            { tag: "two kinds of size", field: "ipRiverRaiseField2", text: "500%x", sizing: true },
            { tag: "infinity", field: "oopRiverRaiseField", text: "inf", sizing: true },
            { tag: "a blank between two sizes", field: "ipRiverBetField2", text: "50 100", sizing: true },
            { tag: "not a number as a size", field: "oopRiverBetField", text: "nan", sizing: true },
            { tag: "not a number after a size", field: "ipRiverBetField2", text: "50 nan", sizing: true },
            { tag: "infinity after a size", field: "oopRiverRaiseField", text: "50 inf", sizing: true }
        ]
    }

    function test_refusedTexts(data) {
        openSetup(riverSpot())
        const seat = data.field.indexOf("ip") === 0 ? "ip" : "oop"
        const key = data.sizing ? Gating.sizingMapKey(data.field.replace(/Field2?$/, "SizesText"))
                                : seat + "_range"
        const texts = {}
        texts[key] = data.text
        const engine = appController.spotTextErrors(texts)[key]
        verify(engine && engine.length > 0, "the engine refuses " + data.text)
        if (data.paste) {
            clipboard.text = data.text
            clipboard.selectAll()
            clipboard.copy()
            const f = item(data.field, setup)
            mouseClick(f)
            f.selectAll()
            keySequence(StandardKey.Paste)
        } else {
            typeInto(data.field, data.text)
        }
        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_Tab)
        verify(!shell.canSolve)
        compare(item("setupSectionHeader", setup).badge, "Setup Required")
        verify(!item("continueToSolveButton", setup).enabled)
        if (data.sizing) {
            verify(reason().text.indexOf(": " + engine) > 0, reason().text)
            verify(item(seat + "SizingError", setup).text.indexOf(engine) > 0)
        } else {
            compare(reason().text, seat.toUpperCase() + " range: " + engine)
            verify(item(seat + "RangeError", setup).text.indexOf(engine) > 0)
            const weights = item(seat + "Matrix", setup).weights
            verify(Object.keys(weights).every(function (k) { return !(weights[k] > 0) }), data.text)
        }
        const solveTab = item("tab2")
        mouseMove(solveTab, solveTab.width / 2, solveTab.height / 2)
        const tip = findChild(solveTab.parent, "tabToolTip")
        tryCompare(tip, "visible", true)
        compare(tip.text, reason().text)
        mouseMove(setup, 10, 300)
    }

    TextInput {
        id: clipboard
        visible: false
    }
}
