import QtQuick
import QtTest
import Tessaval

// The two buttons, the toggle switch and the chip.
TestCase {
    id: testCase
    name: "Buttons"
    width: 500
    height: 200
    visible: true
    when: windowShown

    Theme { id: darkTheme }
    Component { id: primary; PrimaryButton { x: 50; y: 50; width: 200; theme: darkTheme; text: "Start Solve" } }
    Component { id: secondary; SecondaryButton { x: 50; y: 50; width: 200; theme: darkTheme; text: "Cancel"; iconName: "stop" } }
    Component { id: toggleComponent; ToggleSwitch { x: 20; y: 20; theme: darkTheme } }
    Component { id: chipComponent; Chip { x: 20; y: 20; text: "Qt 6"; iconText: "©" } }

    function shownParts(button) {
        return ["spinner", "buttonIcon", "buttonGlyph"].filter(function (n) { return findChild(button, n).visible })
    }

    function test_primaryLeadingItem_data() {
        return [
            { tag: "nothing", props: {}, shown: [] },
            { tag: "icon", props: { iconName: "bolt" }, shown: ["buttonIcon"] },
            { tag: "glyph", props: { iconText: "▶" }, shown: ["buttonGlyph"] },
            { tag: "icon wins over glyph", props: { iconName: "bolt", iconText: "▶" }, shown: ["buttonIcon"] },
            { tag: "loading hides the icon", props: { iconName: "bolt", loading: true }, shown: ["spinner"] },
            { tag: "loading hides the glyph", props: { iconText: "▶", loading: true }, shown: ["spinner"] }
        ]
    }

    function test_primaryLeadingItem(data) {
        const button = createTemporaryObject(primary, testCase, data.props)
        compare(shownParts(button), data.shown)
        compare(findChild(button, "spinnerAnimation").running, !!data.props.loading)
        button.loading = false
        verify(!findChild(button, "spinner").visible && !findChild(button, "spinnerAnimation").running)
        compare(shownParts(button).length, data.props.iconName || data.props.iconText ? 1 : 0)
    }

    // At its own width a label is never cut; a lone label sits in the middle.
    function test_labelFits_data() {
        return [
            { tag: "primary", component: primary, props: { text: "Save" } },
            { tag: "primary, spinner", component: primary, props: { text: "Solving", loading: true } },
            { tag: "primary, glyph", component: primary, props: { text: "Continue to Solve →", iconText: "▶" } },
            { tag: "secondary, icon", component: secondary, props: { text: "Save" } }
        ]
    }

    function test_labelFits(data) {
        const button = createTemporaryObject(data.component, testCase, data.props)
        const label = findChild(button, "buttonLabel")
        if (data.props.text === "Save" && data.component === primary) {
            waitForItemPolished(label.parent)
            fuzzyCompare(label.mapToItem(button, label.width / 2, 0).x, button.width / 2, 0.5)
        }
        button.width = undefined
        waitForItemPolished(label.parent)
        verify(!label.truncated, label.width + " of " + label.implicitWidth)
        button.width = 50
        waitForItemPolished(label.parent)
        verify(label.truncated)
    }

    function test_primaryGradient_data() {
        return [
            { tag: "rest", state: "rest", top: darkTheme.accent, bottom: darkTheme.accentMuted },
            { tag: "hovered", state: "hover", top: Qt.lighter(darkTheme.accent, 1.1), bottom: darkTheme.accentMuted },
            { tag: "pressed", state: "press", top: Qt.darker(darkTheme.accent, 1.1),
              bottom: Qt.darker(darkTheme.accentMuted, 1.1) },
            { tag: "disabled, hovered", state: "disabled", top: darkTheme.surface3, bottom: darkTheme.surface2 }
        ]
    }

    function test_primaryGradient(data) {
        const disabled = data.state === "disabled"
        const button = createTemporaryObject(primary, testCase, { enabled: !disabled, iconText: "▶" })
        if (data.state !== "rest")
            mouseMove(button, 100, 20)
        if (data.state === "press")
            mousePress(button, 100, 20)
        const stops = button.background.gradient.stops
        verify(Qt.colorEqual(stops[0].color, data.top), "top " + stops[0].color)
        verify(Qt.colorEqual(stops[1].color, data.bottom), "bottom " + stops[1].color)
        if (data.state === "press")
            mouseRelease(button, 100, 20)
        wait(150)
        compare(button.scale, data.state === "hover" || data.state === "press" ? 1.02 : 1.0)
        verify(Qt.colorEqual(button._contentColor, disabled ? darkTheme.text : "white"))
        compare(findChild(button, "buttonGlyph").opacity, disabled ? 0.85 : 1.0)
    }

    function test_secondaryLook_data() {
        return [
            { tag: "rest", danger: false, hover: false, enabled: true, border: darkTheme.stroke },
            { tag: "hovered", danger: false, hover: true, enabled: true, border: darkTheme.strokeFocus },
            { tag: "danger hovered", danger: true, hover: true, enabled: true, border: darkTheme.danger },
            { tag: "disabled hovered", danger: false, hover: true, enabled: false, border: darkTheme.stroke }
        ]
    }

    function test_secondaryLook(data) {
        const button = createTemporaryObject(secondary, testCase, { danger: data.danger, enabled: data.enabled })
        if (data.hover)
            mouseMove(button, 100, 20)
        const face = findChild(button, "buttonFace")
        const fill = data.hover && data.enabled ? darkTheme.surfaceHover : darkTheme.surface
        tryVerify(function () { return Qt.colorEqual(face.border.color, data.border) && Qt.colorEqual(face.color, fill) },
                  1000, "border " + face.border.color + ", fill " + face.color)
        verify(Qt.colorEqual(findChild(button, "buttonLabel").color, data.danger ? darkTheme.danger : darkTheme.text))
        compare(findChild(button, "buttonIcon").iconOpacity, data.enabled ? 1.0 : 0.5)
    }

    function test_toggle_data() {
        return [
            { tag: "enabled", enabled: true, track: 1.0, thumb: 1.0, ring: true },
            { tag: "disabled", enabled: false, track: 0.45, thumb: 0.6, ring: false }
        ]
    }

    // The drawing keeps its own size in a larger switch; the thumb slides.
    function test_toggle(data) {
        const toggle = createTemporaryObject(toggleComponent, testCase, { width: 120, height: 60, enabled: data.enabled })
        const thumb = findChild(toggle, "switchThumb")
        const track = findChild(toggle, "switchTrack")
        const ring = findChild(toggle, "switchFocusRing")
        compare([track.width, track.height, thumb.x], [44, 18, 3])
        toggle.forceActiveFocus()
        compare(ring.visible && ring.opacity > 0, data.ring)
        tryCompare(track, "opacity", data.track, 500)
        tryCompare(thumb, "opacity", data.thumb, 500)
        if (!data.enabled)
            return
        let toggled = 0
        toggle.toggled.connect(function () { ++toggled })
        mouseClick(toggle)
        verify(toggle.checked && toggled === 1)
        verify(thumb.x < 27, "slides, does not jump")
        tryCompare(thumb, "x", 27, 500)
        tryVerify(function () { return Qt.colorEqual(track.color, darkTheme.accent) }, 500)
        toggle.focus = false
        verify(!ring.visible)
    }

    function test_chipClicks_data() {
        return [
            { tag: "plain", clickable: false, removable: false, clicks: 0 },
            { tag: "clickable", clickable: true, removable: false, clicks: 1 },
            { tag: "removable", clickable: false, removable: true, clicks: 0 },
            { tag: "clickable and removable", clickable: true, removable: true, clicks: 0 }
        ]
    }

    function test_chipClicks(data) {
        const chip = createTemporaryObject(chipComponent, testCase, { clickable: data.clickable, removable: data.removable })
        let clicks = 0
        let removes = 0
        chip.clicked.connect(function () { ++clicks })
        chip.removeClicked.connect(function () { ++removes })
        const tint = String(chip.color)
        mouseMove(chip, 10, 14)
        wait(150)
        const reacts = data.clicks > 0
        compare([chip.scale > 1, String(chip.color) !== tint], [reacts, reacts])
        mouseClick(chip, 10, 14)
        compare(clicks, data.clicks)
        const remove = findChild(chip, "chipRemove")
        compare(remove.visible, data.removable)
        if (data.removable) {
            mouseClick(remove)
            compare([removes, clicks], [1, 0])
        }
    }
}
