import QtQuick
import QtTest
import Tessaval

// The card's drop shadow is a shader effect: it draws only with OpenGL.
TestCase {
    id: testCase
    name: "PlayingCardShadow"
    width: 200
    height: 200
    visible: true
    when: windowShown

    Theme { id: tokens }
    Rectangle { anchors.fill: parent; color: "#FFFFFF" }
    Component { id: cardComponent; PlayingCard { x: 60; y: 40; theme: tokens; hoverable: false } }

    function test_shadowUnderFaceOnly_data() {
        return [
            { tag: "face", props: { rank: "A", suit: "s" }, shadow: true },
            { tag: "back", props: { faceDown: true }, shadow: false },
            { tag: "empty slot", props: {}, shadow: false }
        ]
    }
    function test_shadowUnderFaceOnly(data) {
        const c = createTemporaryObject(cardComponent, testCase, data.props)
        waitForRendering(c)
        // Just below the card's bottom edge; the face itself stays light.
        tryVerify(function () {
            const p = grabImage(testCase).pixel(c.x + c.width / 2, c.y + c.height + 1)
            return data.shadow ? p.r < 0.97 : p.r > 0.99
        }, 2000, "pixel below the card")
        if (data.shadow)
            verify(grabImage(testCase).pixel(c.x + c.width / 2, c.y + 3).r > 0.95)
    }
}
