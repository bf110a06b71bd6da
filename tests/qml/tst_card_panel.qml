import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtTest
import Tessaval

// The framed panel and the section header.
TestCase {
    id: testCase
    name: "CardPanel"
    width: 600
    height: 400
    visible: true
    when: windowShown

    Theme { id: lightTheme; dark: false }
    Component { id: emptyCard; Card {} }
    Component {
        id: columnCard
        Card { ColumnLayout { Item { Layout.preferredWidth: 50; Layout.preferredHeight: 200 } } }
    }
    Component {
        id: twoChildCard
        Card {
            Item { implicitWidth: 100; implicitHeight: 30 }
            Item { implicitWidth: 300; implicitHeight: 10 }
        }
    }
    Component {
        id: buttonCard
        Card {
            property alias button: button
            x: 20; y: 20; width: 200; height: 120; hoverable: true
            Button { id: button; text: "Go" }
        }
    }
    Component { id: headerComponent; SectionHeader { width: 300; title: "Solve" } }

    function test_implicitSize_data() {
        return [
            { tag: "no children", component: emptyCard, padding: undefined, w: 32, h: 32 },
            { tag: "column of 200", component: columnCard, padding: undefined, w: 82, h: 232 },
            { tag: "column, padding 12", component: columnCard, padding: 12, w: 74, h: 224 },
            { tag: "largest child, not the sum", component: twoChildCard, padding: undefined, w: 332, h: 62 }
        ]
    }

    function test_implicitSize(data) {
        const card = createTemporaryObject(data.component, testCase,
                                           data.padding === undefined ? {} : { padding: data.padding })
        compare([card.implicitWidth, card.implicitHeight], [data.w, data.h])
        if (data.component !== twoChildCard)
            return
        card.contentItem.children[1].implicitHeight = 90
        compare(card.implicitHeight, 122, "follows its children")
    }

    function test_borderAndShadow_data() {
        return [
            { tag: "transparent", accent: "transparent", border: "#30363D", theme: null, alpha: 0.3 },
            { tag: "accent", accent: "#F0883E", border: "#F0883E", theme: null, alpha: 0.3 },
            { tag: "alpha 0 but red", accent: Qt.rgba(1, 0, 0, 0), border: Qt.rgba(1, 0, 0, 0), theme: null, alpha: 0.3 },
            { tag: "light palette", accent: "transparent", border: lightTheme.stroke, theme: lightTheme, alpha: 0.15 }
        ]
    }

    function test_borderAndShadow(data) {
        const card = createTemporaryObject(emptyCard, testCase, { accentColor: data.accent, theme: data.theme })
        verify(Qt.colorEqual(findChild(card, "cardFill").border.color, data.border))
        const shadow = findChild(card, "cardShadow")
        verify(!shadow.visible)
        card.elevated = true
        verify(shadow.visible && !findChild(card, "cardFace").visible)
        fuzzyCompare(shadow.color.a, data.alpha, 0.005)
    }

    // A hoverable card zooms under the pointer, yet a click inside still
    // reaches the button.
    function test_hoverLetsClicksThrough() {
        const card = createTemporaryObject(buttonCard, testCase)
        let clicked = 0
        card.button.clicked.connect(function () { ++clicked })
        mouseMove(card, 150, 90)
        tryCompare(card, "scale", 1.01, 1000)
        mouseClick(card.button)
        compare(clicked, 1)
        mouseMove(testCase, 590, 390)
        tryCompare(card, "scale", 1.0, 1000)
    }

    function test_headerBadge_data() {
        return [
            { tag: "none", badge: "", color: undefined },
            { tag: "default colour", badge: "Ready", color: undefined },
            { tag: "own colour", badge: "Running", color: "#F0883E" }
        ]
    }

    function test_headerBadge(data) {
        const props = { badge: data.badge }
        if (data.color)
            props.badgeColor = data.color
        const header = createTemporaryObject(headerComponent, testCase, props)
        const pill = findChild(header, "headerBadge")
        const text = findChild(header, "headerBadgeText")
        compare(pill.visible, data.badge !== "")
        if (data.badge === "")
            return
        compare(pill.width, text.implicitWidth + 14)
        const c = Qt.color(data.color || "#3FB950")
        verify(Qt.colorEqual(pill.border.color, c) && Qt.colorEqual(text.color, c))
        fuzzyCompare(pill.color.a, 0.15, 0.005)
    }
}
