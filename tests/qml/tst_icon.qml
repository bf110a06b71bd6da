import QtQuick
import QtTest
import Tessaval

// The icon item and the 22 drawings it shows.
TestCase {
    id: testCase
    name: "Icon"
    width: 200
    height: 200
    visible: true
    when: windowShown

    readonly property var iconNames: [
        "bolt", "calendar", "cards", "chart", "chips", "clipboard", "clock", "file-text",
        "folder-open", "gamepad", "gear", "home", "lock", "monitor", "palette", "save",
        "scroll", "sliders", "stop", "target", "tree", "trend-up"
    ]

    Component { id: iconComponent; Icon {} }
    // The drawing itself, untinted, on black.
    Component {
        id: plainComponent
        Rectangle {
            property alias source: image.source
            property alias status: image.status
            width: 24; height: 24; color: "black"
            Image { id: image; anchors.fill: parent; sourceSize: Qt.size(24, 24) }
        }
    }

    function iconUrl(name) {
        return "qrc:/Tessaval/qml/assets/icons/" + name + ".svg"
    }

    function test_drawingFile_data() {
        return iconNames.map(function (n) { return { tag: n, name: n } })
    }

    // Each file: a 24 × 24 view box, white strokes of width 2 (dots 3),
    // nothing filled, and a drawing the SVG reader accepts.
    function test_drawingFile(data) {
        const svg = appController.readTextResource(iconUrl(data.name))
        verify(svg.length > 0, "the resource exists")
        const root = /<svg\b[^>]*>/.exec(svg)
        verify(root, "an svg element")
        verify(/viewBox="0 0 24 24"/.test(root[0]))
        verify(/fill="none"/.test(root[0]), "nothing is filled by default")
        const fills = svg.match(/fill="[^"]*"/g) || []
        fills.forEach(function (f) { compare(f, 'fill="none"') })
        verify(!/fill:|<style|style=/.test(svg), "no fill through styles")
        const strokes = svg.match(/stroke="[^"]*"/g) || []
        verify(strokes.length > 0)
        strokes.forEach(function (s) { verify(/"(#FFFFFF|#FFF|white)"/i.test(s), s) })
        const widths = svg.match(/stroke-width="[^"]*"/g) || []
        widths.forEach(function (w) { verify(w === 'stroke-width="2"' || w === 'stroke-width="3"', w) })

        const plain = createTemporaryObject(plainComponent, testCase, { source: iconUrl(data.name) })
        tryCompare(plain, "status", Image.Ready)
        waitForRendering(plain)
        const img = grabImage(plain)
        let lit = 0
        for (let y = 0; y < 24; ++y)
            for (let x = 0; x < 24; ++x) {
                const c = img.pixel(x, y)
                verify(Math.abs(c.r - c.g) < 0.02 && Math.abs(c.g - c.b) < 0.02,
                       "grey only at " + x + "," + y)
                if (c.r > 0.5)
                    ++lit
            }
        // Outlines, neither blank nor a filled blob.
        verify(lit > 20 && lit < 24 * 24 / 2, "lit pixels: " + lit)
    }

    function test_itemSize_data() {
        return [
            { tag: "default", props: { name: "lock" }, w: 16, h: 16, shown: true },
            { tag: "size 14", props: { name: "lock", size: 14 }, w: 14, h: 14, shown: true },
            { tag: "empty name", props: { name: "", size: 14 }, w: 14, h: 14, shown: false },
            { tag: "caller's width", props: { name: "gear", size: 16 }, setWidth: 30, w: 30, h: 16, shown: true }
        ]
    }

    function test_itemSize(data) {
        const icon = createTemporaryObject(iconComponent, testCase, data.props)
        if (data.setWidth)
            icon.width = data.setWidth
        compare([icon.width, icon.height], [data.w, data.h])
        compare([icon.implicitWidth, icon.implicitHeight], [0, 0])
        const image = findChild(icon, "iconImage")
        compare(findChild(icon, "iconOverlay").visible, data.shown)
        compare(String(image.source) !== "", data.shown)
        if (!data.shown)
            return
        compare(String(image.source), iconUrl(data.props.name))
        tryCompare(image, "status", Image.Ready)
        icon.name = "gear"
        compare(String(image.source), iconUrl("gear"))
        icon.name = ""
        compare(String(image.source), "")
        compare([icon.width, icon.height], [data.w, data.h])
    }

    function test_missingNameKeepsItsPlace() {
        ignoreWarning(new RegExp("no-such-icon\\.svg"))
        const icon = createTemporaryObject(iconComponent, testCase, { name: "no-such-icon", size: 18 })
        const image = findChild(icon, "iconImage")
        tryCompare(image, "status", Image.Error)
        compare([icon.width, icon.height], [18, 18])
    }
}
