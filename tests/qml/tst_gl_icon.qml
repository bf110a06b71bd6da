import QtQuick
import QtTest
import Tessaval

// The tint is drawn by a shader, so only under OpenGL.
TestCase {
    id: testCase
    name: "IconTint"
    width: 120
    height: 120
    visible: true
    when: windowShown

    Component {
        id: tintedComponent
        Rectangle {
            property alias icon: icon
            width: 48; height: 48; color: "black"
            Icon { id: icon; x: 12; y: 12; name: "stop"; size: 24; color: "#F85149" }
        }
    }
    function brightest(img) {
        let best = { r: 0, g: 0, b: 0 }
        for (let y = 0; y < 48; ++y)
            for (let x = 0; x < 48; ++x) {
                const c = img.pixel(x, y)
                if (c.r + c.g + c.b > best.r + best.g + best.b)
                    best = c
            }
        return best
    }

    function test_tint_data() {
        return [{ tag: "full", opacity: 1.0 }, { tag: "faded", opacity: 0.35 }]
    }

    // The strokes take the tint; nothing white is left.
    function test_tint(data) {
        const box = createTemporaryObject(tintedComponent, testCase)
        box.icon.iconOpacity = data.opacity
        tryVerify(function () { return brightest(grabImage(box)).r > 0.2 }, 3000, "drawn")
        const img = grabImage(box)
        const c = brightest(img)
        fuzzyCompare(c.r, 0xF8 / 255 * data.opacity, 0.06)
        fuzzyCompare(c.g, 0x51 / 255 * data.opacity, 0.06)
        fuzzyCompare(c.b, 0x49 / 255 * data.opacity, 0.06)
        // The square's left stroke covers 4 to 6 of 24; its middle is clear.
        verify(img.pixel(12 + 5, 24).r > 0.2)
        compare(img.pixel(24, 24).r, 0)
    }
}
