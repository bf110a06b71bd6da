import QtQuick
import QtTest
import Tessaval

TestCase {
    id: testCase
    name: "CardPicker"
    width: 600
    height: 300
    visible: true
    when: windowShown

    Theme { id: tokens }
    Component { id: pickerComponent; CardPicker { x: 20; y: 20; theme: tokens } }

    property var picked: []

    function make(props) {
        const p = createTemporaryObject(pickerComponent, testCase, props || {})
        picked = []
        p.cardSelected.connect(function (c) { picked.push(c) })
        return p
    }
    function button(p, card) { return findChild(p, "card_" + card) }
    function init() { tokens.dark = true }

    function test_usedCards_data() {
        return [
            { tag: "nothing used", used: [], card: "Ah", used_: false },
            { tag: "exact text", used: ["Ah", "KS"], card: "Ah", used_: true },
            { tag: "upper-case suit", used: ["Ah", "KS"], card: "Ks", used_: true },
            { tag: "lower-case rank marks nothing", used: ["ah"], card: "Ah", used_: false },
            { tag: "other card", used: ["Ah"], card: "Ad", used_: false },
            { tag: "not a list", used: null, card: "Ah", used_: false }
        ]
    }
    function test_usedCards(data) {
        const p = make({ usedCards: data.used })
        const b = button(p, data.card)
        compare(p.isCardUsed(data.card[0], data.card[1]), data.used_)
        compare(b.used, data.used_)
        compare(findChild(b, "mouse").cursorShape, data.used_ ? Qt.ForbiddenCursor : Qt.PointingHandCursor)
        compare(b.opacity < 1, data.used_)
        mouseMove(b, b.width / 2, b.height / 2)
        mouseClick(b)
        compare(picked, data.used_ ? [] : [data.card])
        if (data.used_)
            compare(b.scale, 1.0)
        else
            tryCompare(b, "scale", 1.1)
        compare(b.z, data.used_ ? 0 : 1)
        // The used state follows the list at once.
        p.usedCards = data.used_ ? [] : [data.card]
        compare(b.used, !data.used_)
    }

    function test_emittedText() {
        const p = make({})
        for (const card of ["Td", "As", "2c", "9h"])
            mouseClick(button(p, card))
        compare(picked, ["Td", "As", "2c", "9h"])
    }

    function test_rowColours_data() {
        return [
            { tag: "dark spades", dark: true, suit: "s" }, { tag: "light spades", dark: false, suit: "s" },
            { tag: "dark hearts", dark: true, suit: "h" }, { tag: "light diamonds", dark: false, suit: "d" },
            { tag: "dark clubs", dark: true, suit: "c" }
        ]
    }
    // Spades on the dark palette take the text colour (the spade colour is
    // near-black); every other row takes the theme's suit colour.
    function test_rowColours(data) {
        tokens.dark = data.dark
        const want = data.dark && data.suit === "s" ? tokens.text : tokens.suitColor(data.suit)
        const p = make({})
        verify(Qt.colorEqual(findChild(p, "suitHeader_" + data.suit).children[0].color, want))
        verify(Qt.colorEqual(button(p, "A" + data.suit).children[0].color, want))
    }

    function test_implicitSize() {
        const withHeaders = make({})
        const without = make({ showSuitHeaders: false })
        const b = button(without, "As")
        // 4 spacer, 13 buttons, 4 spacer with 14 gaps of 4; the header adds itself and a gap.
        compare(without.implicitWidth, 4 + 13 * b.width + 14 * 4 + 4)
        compare(withHeaders.implicitWidth - without.implicitWidth, findChild(withHeaders, "suitHeader_s").width + 4)
        compare(without.implicitHeight, 4 * b.height + 3 * tokens.spaceSm)
        compare(withHeaders.implicitHeight, without.implicitHeight)
        compare(b.x, 8)
    }
}
