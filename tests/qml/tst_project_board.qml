import QtQuick
import QtTest
import Tessaval
import "qrc:/Tessaval/qml/pages/project/board_entry.js" as Board

// The set-up page's board: the text helpers, the street that follows the
// board, and the card picker opened from a slot.
TestCase {
    id: testCase
    name: "ProjectBoard"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Component {
        id: pageComponent
        ProjectPage { width: testCase.width; height: testCase.height; appControllerObject: null }
    }

    property var page

    function init() {
        page = createTemporaryObject(pageComponent, testCase)
        waitForRendering(page)  // the cards are placed when the page is first drawn
    }

    function cleanup() {
        findChild(page, "cardPickerDialog").close()
    }

    // Both texts' helper cases: a pick writes one slot, a clear empties the
    // slot and every later one; the text is rewritten without blanks.
    function test_editBoard_data() {
        return [
            { tag: "first card", text: "", index: 0, card: "Ah", expect: "Ah" },
            { tag: "turn of empty board", text: "", index: 3, card: "Ks", expect: "______Ks" },
            { tag: "river of empty board", text: "", index: 4, card: "2c", expect: "________2c" },
            { tag: "river of flop", text: "AhKsQd", index: 4, card: "2c", expect: "AhKsQd__2c" },
            { tag: "replace keeps others", text: "AhKsQd2c", index: 1, card: "Jc", expect: "AhJcQd2c" },
            { tag: "fills a gap", text: "Ah____Ks", index: 1, card: "Td", expect: "AhTd__Ks" },
            { tag: "blanks dropped", text: "ah ks qd", index: 3, card: "2c", expect: "ahksqd2c" },
            { tag: "six pairs cut", text: "AhKsQd2c9h3s", index: 0, card: "As", expect: "AsKsQd2c9h" },
            { tag: "odd tail dropped", text: "AhK", index: 1, card: "Ks", expect: "AhKs" },
            { tag: "no slot", text: "Ah Ks", index: 5, card: "2c", expect: "Ah Ks" },
            { tag: "clear from second", text: "AhKsQd2c9h", index: 1, clear: true, expect: "Ah" },
            { tag: "clear turn", text: "AhKsQd2c9h", index: 3, clear: true, expect: "AhKsQd" },
            { tag: "clear all", text: "AhKsQd2c9h", index: 0, clear: true, expect: "" },
            { tag: "clear removes gap tail", text: "Ah____Ks", index: 3, clear: true, expect: "Ah" },
            { tag: "clear six pairs", text: "AhKsQd2c9h3s", index: 4, clear: true, expect: "AhKsQd2c" },
            { tag: "clear no slot", text: "AhKs", index: -1, clear: true, expect: "AhKs" }
        ]
    }

    function test_editBoard(data) {
        page.boardText = data.text
        if (data.clear)
            page.clearBoardFrom(data.index)
        else
            page.setBoardCardAt(data.index, data.card)
        compare(page.boardText, data.expect)
    }

    function test_cardsArray() {
        page.boardText = "ah Xx__ Ks9"
        compare(page._boardCardsArray(), ["ah", "Xx", "", "Ks", ""])
        compare(Board.cardsArray("AhKsQd2c9h3s").length, 6)
        page._setBoardFromCards(["Ah", null, "", "Ks", "", "3s"])
        compare(page.boardText, "Ah____Ks")
        page._setBoardFromCards([])
        compare(page.boardText, "")
    }

    function test_boardReading_data() {
        return [
            { tag: "empty", text: "", street: "flop", valid: false, used: [] },
            { tag: "absent", text: undefined, street: "flop", valid: false, used: [] },
            { tag: "lone turn card", text: "______Ks", street: "flop", valid: false, used: ["Ks"] },
            { tag: "turn", text: "AhKsQd2c", street: "turn", valid: true, used: ["Ah", "Ks", "Qd", "2c"] },
            { tag: "river", text: "AhKsQd2c9h", street: "river", valid: true, used: ["Ah", "Ks", "Qd", "2c", "9h"] },
            { tag: "river card without turn", text: "AhKsQd__2c", street: "turn", valid: false, used: ["Ah", "Ks", "Qd", "2c"] },
            { tag: "lower case with blanks", text: "ah ks qd", street: "flop", valid: true, used: ["Ah", "Ks", "Qd"] },
            { tag: "upper-case suits", text: "AHKSQD", street: "flop", valid: true, used: ["Ah", "Ks", "Qd"] },
            { tag: "repeated card", text: "AhAhAh", street: "flop", valid: true, used: ["Ah", "Ah", "Ah"] },
            { tag: "odd length", text: "AhKsQd2", street: "flop", valid: false, used: ["Ah", "Ks", "Qd"] },
            { tag: "six cards", text: "AhKsQd2c9h3s", street: "river", valid: false, used: ["Ah", "Ks", "Qd", "2c", "9h", "3s"] },
            { tag: "invalid pair", text: "AhKsXx", street: "flop", valid: false, used: ["Ah", "Ks"] }
        ]
    }

    function test_boardReading(data) {
        compare(page.inferStreetFromBoardText(data.text), data.street)
        compare(page.validBoard(data.text), data.valid)
        page.boardText = data.text === undefined ? "" : data.text
        compare(page.usedBoardCards, data.used)
        compare(page.startingStreet, data.street)
    }

    // Whoever sets the street, it follows the board.
    function test_streetNeverContradictsBoard() {
        page.boardText = "AhKsQd"
        page.startingStreet = "river"
        compare(page.startingStreet, "flop")
        page.boardText = "AhKsQd2c"
        compare(page.startingStreet, "turn")
        page.startingStreet = "flop"
        compare(page.startingStreet, "turn")
    }

    function test_pickerPosition_data() {
        return [
            { tag: "fits", anchor: [100, 200], win: [1540, 1000], pos: [100, 208] },
            { tag: "right edge", anchor: [1300, 200], win: [1540, 1000], pos: [1128, 208] },
            { tag: "bottom edge", anchor: [100, 800], win: [1540, 1000], pos: [100, 688] },
            { tag: "left of margin", anchor: [-50, -30], win: [1540, 1000], pos: [12, 12] },
            { tag: "dialog too large", anchor: [300, 300], win: [400, 300], pos: [12, 12] }
        ]
    }

    function test_pickerPosition(data) {
        const pos = Board.pickerPosition({ x: data.anchor[0], y: data.anchor[1] }, data.win[0], data.win[1], 400, 300)
        compare([pos.x, pos.y], data.pos)
    }

    function openSlot(index) {
        mouseClick(findChild(page.boardDisplay, "slot" + index))
        return findChild(page, "cardPickerDialog")
    }

    function test_slotOpensPicker_data() {
        return [
            { tag: "flop", board: "", index: 1, caption: "Flop card", opens: true },
            { tag: "turn", board: "AhKsQd", index: 3, caption: "Turn card", opens: true },
            { tag: "river", board: "AhKsQd2c", index: 4, caption: "River card", opens: true },
            // The river slot stays inert while the turn and the river are empty.
            { tag: "river without turn", board: "AhKsQd", index: 4, opens: false }
        ]
    }

    function test_slotOpensPicker(data) {
        page.boardText = data.board
        const dialog = openSlot(data.index)
        if (!data.opens) {
            wait(50)
            verify(!dialog.visible)
            compare(page.editingCardIndex, -1)
            return
        }
        tryCompare(dialog, "opened", true)
        compare(page.editingCardIndex, data.index)
        compare(findChild(dialog, "pickerCaption").text, data.caption)
        // Placed under the board display's bottom-left corner.
        const corner = page.boardDisplay.mapToItem(null, 0, page.boardDisplay.height)
        const win = page.Window.window
        const pos = Board.pickerPosition(corner, win.width, win.height, dialog.implicitWidth, dialog.implicitHeight)
        compare([dialog.x, dialog.y], [pos.x, pos.y])
    }

    function test_pickWritesSlot() {
        page.boardText = "ah ks qd"
        const dialog = openSlot(1)
        tryCompare(dialog, "opened", true)
        // The board's cards, the edited one included, cannot be chosen.
        verify(dialog.picker.isCardUsed("K", "s") && dialog.picker.isCardUsed("A", "h"))
        mouseClick(findChild(dialog.picker, "card_Ks"))
        compare(page.boardText, "ah ks qd")
        verify(dialog.visible)
        mouseClick(findChild(dialog.picker, "card_Jc"))
        compare(page.boardText, "ahJcqd")
        tryCompare(dialog, "visible", false)
    }

    function test_footerButtons_data() {
        return [
            { tag: "clear second flop card", button: "clearCardButton", index: 1, expect: "Ah", street: "flop" },
            { tag: "clear turn", button: "clearCardButton", index: 3, expect: "AhKsQd", street: "flop" },
            { tag: "cancel", button: "cancelCardButton", index: 3, expect: "AhKsQd2c9h", street: "river" }
        ]
    }

    function test_footerButtons(data) {
        page.boardText = "AhKsQd2c9h"
        const dialog = openSlot(data.index)
        tryCompare(dialog, "opened", true)
        mouseClick(findChild(dialog, data.button))
        compare([page.boardText, page.startingStreet], [data.expect, data.street])
        tryCompare(dialog, "visible", false)
    }
}
