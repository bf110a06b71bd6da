import QtQuick
import QtTest
import Tessaval

TestCase {
    id: testCase
    name: "BoardDisplay"
    width: 600
    height: 300
    visible: true
    when: windowShown

    Theme { id: tokens }
    Component { id: boardComponent; BoardDisplay { x: 20; y: 20; theme: tokens } }
    Component { id: cardComponent; PlayingCard { theme: tokens } }

    function make(props) { return createTemporaryObject(boardComponent, testCase, props || {}) }
    function slot(b, i) { return findChild(b, "slot" + i) }

    function test_parsing_data() {
        return [
            { tag: "empty", text: "", cards: ["", "", "", "", ""], label: "Preflop" },
            { tag: "flop", text: "AhKsQd", cards: ["Ah", "Ks", "Qd", "", ""], label: "Flop" },
            { tag: "case and spaces", text: "ah ks  qd", cards: ["Ah", "Ks", "Qd", "", ""], label: "Flop" },
            { tag: "upper-case suits", text: "AHKSQD", cards: ["Ah", "Ks", "Qd", "", ""], label: "Flop" },
            { tag: "trailing single char", text: "AhKsQd2", cards: ["Ah", "Ks", "Qd", "", ""], label: "Flop" },
            { tag: "invalid middle pair", text: "AhXxQd", cards: ["Ah", "", "Qd", "", ""], label: "Preflop" },
            { tag: "ten as 10", text: "10h", cards: ["", "", "", "", ""], label: "Preflop" },
            { tag: "placeholder turn", text: "AhKsQd__9h", cards: ["Ah", "Ks", "Qd", "", "9h"], label: "Turn" },
            { tag: "cards anywhere count", text: "____AhKsQd", cards: ["", "", "Ah", "Ks", "Qd"], label: "Flop" },
            { tag: "full board", text: "AhKsQd2c9h", cards: ["Ah", "Ks", "Qd", "2c", "9h"], label: "River" },
            { tag: "six cards", text: "AhKsQd2c9hTd", cards: ["Ah", "Ks", "Qd", "2c", "9h", "Td"], label: "River" }
        ]
    }
    function test_parsing(data) {
        const b = make({ boardText: data.text })
        compare(b.cards.map(function (c) { return c.rank + c.suit }), data.cards)
        compare(b.streetLabel, data.label)
        compare(findChild(b, "streetLabel").text, data.label)
        for (let i = 0; i < 5; ++i)
            compare(slot(b, i).rank + slot(b, i).suit, data.cards[i], "slot " + i)
    }

    // [flop panel, turn, river, street label] shown
    function test_visibility_data() {
        return [
            { tag: "empty", text: "", compact: false, editable: false, shown: [false, true, true, true] },
            { tag: "empty compact", text: "", compact: true, editable: false, shown: [false, false, false, false] },
            { tag: "empty compact editable", text: "", compact: true, editable: true, shown: [true, true, true, false] },
            { tag: "flop", text: "AhKsQd", compact: false, editable: false, shown: [true, true, true, true] },
            { tag: "flop compact", text: "AhKsQd", compact: true, editable: false, shown: [true, false, false, false] },
            { tag: "river only compact", text: "AhKsQd__9h", compact: true, editable: false, shown: [true, false, true, false] },
            { tag: "no first flop card", text: "__KsQd2c", compact: true, editable: false, shown: [false, true, false, false] }
        ]
    }
    function test_visibility(data) {
        const b = make({ boardText: data.text, compact: data.compact, editable: data.editable })
        compare([findChild(b, "flopPanel").visible, slot(b, 3).visible, slot(b, 4).visible,
                 findChild(b, "streetLabel").visible], data.shown)
        compare(slot(b, 0).mini, data.compact)
    }

    // The river is dimmed and inert while editing a board without turn and river.
    function test_clickableSlots_data() {
        return [
            { tag: "not editable", text: "AhKsQd2c9h", editable: false, indices: null, emits: [], dimmed: false },
            { tag: "null means every slot", text: "AhKsQd2c9h", editable: true, indices: null, emits: [0, 1, 2, 3, 4], dimmed: false },
            { tag: "undefined means every slot", text: "AhKsQd2c9h", editable: true, indices: undefined, emits: [0, 1, 2, 3, 4], dimmed: false },
            { tag: "turn and river", text: "AhKsQd2c9h", editable: true, indices: [3, 4], emits: [3, 4], dimmed: false },
            { tag: "empty list", text: "AhKsQd2c9h", editable: true, indices: [], emits: [], dimmed: false },
            { tag: "a number is no list", text: "AhKsQd2c9h", editable: true, indices: 3, emits: [], dimmed: false },
            { tag: "a text is no list", text: "AhKsQd2c9h", editable: true, indices: "34", emits: [], dimmed: false },
            { tag: "flop only", text: "AhKsQd", editable: true, indices: null, emits: [0, 1, 2, 3], dimmed: true },
            { tag: "flop only, display", text: "AhKsQd", editable: false, indices: null, emits: [], dimmed: false },
            { tag: "river without turn", text: "AhKsQd__9h", editable: true, indices: null, emits: [0, 1, 2, 3, 4], dimmed: false }
        ]
    }
    function test_clickableSlots(data) {
        const b = make({ boardText: data.text, editable: data.editable })
        b.clickableIndices = data.indices
        const clicks = []
        b.cardClicked.connect(function (i) { clicks.push(i) })
        compare([slot(b, 3).disabled, slot(b, 4).disabled], [false, data.dimmed])
        for (let i = 0; i < 5; ++i) {
            compare([slot(b, i).hoverable, slot(b, i).enableHoverScale], [data.emits.indexOf(i) >= 0 || (data.dimmed && i === 4), false])
            mouseClick(slot(b, i))
        }
        compare(clicks, data.emits)
    }

    // The row: padding, the flop panel (three cards on a panel), turn, river,
    // padding; a padding spacer takes part in the spacing even at width 0.
    function test_implicitSize_data() {
        return [
            { tag: "normal", compact: false, scale: 1, text: "AhKsQd2c9h", pad: undefined },
            { tag: "compact", compact: true, scale: 1, text: "AhKsQd2c9h", pad: undefined },
            { tag: "scaled", compact: false, scale: 1.8, text: "AhKsQd2c9h", pad: undefined },
            { tag: "own padding", compact: false, scale: 1, text: "AhKsQd2c9h", pad: 0 },
            { tag: "only spacers", compact: true, scale: 1, text: "", pad: 5 }
        ]
    }
    function test_implicitSize(data) {
        const props = { boardText: data.text, compact: data.compact, cardScale: data.scale }
        if (data.pad !== undefined)
            props.horizontalPadding = data.pad
        const b = make(props)
        const card = createTemporaryObject(cardComponent, testCase, { mini: data.compact, sizeScale: data.scale })
        const gap = data.compact ? 4 : 8
        const pad = data.pad !== undefined ? data.pad : (data.compact ? 0 : 10)
        const cards = data.text === "" ? 0 : 5
        const panelW = 3 * card.implicitWidth + 2 * (data.compact ? 2 : 4) + (data.compact ? 8 : 16)
        const rowW = cards ? 2 * pad + panelW + 2 * card.implicitWidth + 4 * gap : 2 * pad + gap
        fuzzyCompare(b.implicitWidth, rowW, 0.01)
        const rowH = cards ? card.implicitHeight + (data.compact ? 8 : 12) : 1
        const label = findChild(b, "streetLabel")
        fuzzyCompare(b.implicitHeight, data.compact ? rowH : rowH + label.implicitHeight + tokens.spaceXs, 0.01)
    }
}
