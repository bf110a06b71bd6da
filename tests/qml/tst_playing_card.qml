import QtQuick
import QtTest
import Tessaval

TestCase {
    id: testCase
    name: "PlayingCard"
    width: 400
    height: 300
    visible: true
    when: windowShown

    Theme { id: tokens }
    Component { id: cardComponent; PlayingCard { x: 40; y: 40; theme: tokens } }

    function make(props) { return createTemporaryObject(cardComponent, testCase, props || {}) }
    function part(c, name) { return findChild(c, name) }

    // look: the one part shown; glyph and colour of the labels on a face.
    function test_look_data() {
        return [
            { tag: "face", props: { rank: "T", suit: "h" }, look: "face", glyph: "\u2665", colourOf: "h" },
            { tag: "upper-case suit", props: { rank: "q", suit: "H" }, look: "face", glyph: "\u2665", colourOf: "h" },
            { tag: "spades", props: { rank: "A", suit: "s" }, look: "face", glyph: "\u2660", colourOf: "s" },
            { tag: "diamonds, mini", props: { rank: "9", suit: "d", mini: true }, look: "face", glyph: "\u2666", colourOf: "d" },
            { tag: "clubs, selected", props: { rank: "2", suit: "c", selected: true }, look: "face", glyph: "\u2663", colourOf: "c" },
            { tag: "unknown suit", props: { rank: "A", suit: "x" }, look: "face", glyph: "", colourOf: "text" },
            { tag: "face down, empty", props: { faceDown: true }, look: "back" },
            { tag: "face down, card", props: { faceDown: true, rank: "K", suit: "s" }, look: "back" },
            { tag: "no rank", props: { suit: "s" }, look: "emptySlot" },
            { tag: "no suit, mini", props: { rank: "Q", mini: true }, look: "emptySlot" }
        ]
    }
    function test_look(data) {
        const c = make(data.props)
        const mini = !!data.props.mini
        for (const look of ["face", "back", "emptySlot"])
            compare(part(c, look).visible, look === data.look, look)
        if (data.look === "emptySlot")
            compare(part(c, "question").visible, !mini)
        if (data.look !== "face")
            return
        const colour = data.colourOf === "text" ? tokens.text : tokens.suitColor(data.colourOf)
        // The rank is drawn as given ("T", never "10"; case kept); a mini face has only its top-left corner.
        compare([part(c, "topRank").text, part(c, "centreSuit").text, part(c, "bottomSuit").text], [data.props.rank, data.glyph, data.glyph])
        compare([part(c, "centreSuit").visible, part(c, "bottomRank").visible, part(c, "bottomSuit").visible], [!mini, !mini, !mini])
        verify(Qt.colorEqual(part(c, "topRank").color, colour) && Qt.colorEqual(part(c, "topSuit").color, colour))
        const selected = !!data.props.selected
        verify(Qt.colorEqual(part(c, "face").border.color, selected ? tokens.accent : tokens.cardBorder))
        compare(part(c, "face").border.width > part(make({ rank: "A", suit: "s" }), "face").border.width, selected)
        verify(Qt.colorEqual(make({ theme: null, rank: "A", suit: data.props.suit }).suitColor, "black"))
    }

    function test_sizeScaleFloor_data() {
        return [
            { tag: "zero", scale: 0, factor: 0.1 }, { tag: "negative", scale: -3, factor: 0.1 },
            { tag: "below the floor", scale: 0.05, factor: 0.1 }, { tag: "not a number", scale: NaN, factor: 0.1 },
            { tag: "enlarged", scale: 1.8, factor: 1.8 }
        ]
    }
    function test_sizeScaleFloor(data) {
        for (const mini of [false, true]) {
            const base = make({ mini: mini, rank: "A", suit: "s" })
            const c = make({ mini: mini, sizeScale: data.scale, rank: "A", suit: "s" })
            fuzzyCompare(c.implicitWidth, base.implicitWidth * data.factor, 1e-9)
            fuzzyCompare(c.implicitHeight, base.implicitHeight * data.factor, 1e-9)
            fuzzyCompare(part(c, "topRank").x, part(base, "topRank").x * data.factor, 1e-9)
            fuzzyCompare(part(c, "topRank").font.pixelSize, part(base, "topRank").font.pixelSize * data.factor, 1)
        }
    }

    function test_pointerRules_data() {
        return [
            { tag: "plain", disabled: false, hoverable: true, grow: true, emits: 1, hand: true, grows: true },
            { tag: "no hover scale", disabled: false, hoverable: true, grow: false, emits: 1, hand: true, grows: false },
            { tag: "not hoverable still clicks", disabled: false, hoverable: false, grow: true, emits: 1, hand: false, grows: false },
            { tag: "disabled", disabled: true, hoverable: true, grow: true, emits: 0, hand: false, grows: false }
        ]
    }
    function test_pointerRules(data) {
        const c = make({ rank: "A", suit: "s", disabled: data.disabled, hoverable: data.hoverable, enableHoverScale: data.grow })
        let clicks = 0
        c.clicked.connect(function () { ++clicks })
        mouseMove(c, c.width / 2, c.height / 2)
        compare(part(c, "cardMouse").cursorShape, data.hand ? Qt.PointingHandCursor : Qt.ArrowCursor)
        if (data.grows)
            tryCompare(c, "scale", 1.05)
        wait(150)
        compare([c.scale > 1, part(c, "hoverOverlay").opacity > 0, c.opacity < 1], [data.grows, data.hand, data.disabled])
        mouseClick(c, c.width / 2, c.height / 2)
        mouseClick(c, c.width / 2, c.height / 2, Qt.RightButton)
        compare(clicks, data.emits)
    }

    // The glyph comes out of an installed font: the middle of a hearts card holds hearts-coloured pixels.
    function test_glyphRenders() {
        const c = make({ rank: "A", suit: "h", hoverable: false })
        waitForRendering(c)
        const img = grabImage(c), want = tokens.suitHearts
        let hits = 0
        for (let y = 25; y < 47; ++y)
            for (let x = 16; x < 36; ++x)
                if (Math.abs(img.pixel(x, y).r - want.r) + Math.abs(img.pixel(x, y).g - want.g) < 0.15)
                    ++hits
        verify(hits > 20, "hearts pixels: " + hits)
    }
}
