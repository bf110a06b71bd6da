import QtQuick
import QtTest
import Tessaval
import TestSupport
import "qrc:/Tessaval/qml/components/tree_node.js" as Logic

TestCase {
    id: testCase
    name: "TreeNode"
    width: 400
    height: 200
    visible: true
    when: windowShown

    Theme { id: tokens }
    Component { id: nodeComponent; TreeNode { x: 40; y: 40; theme: tokens } }

    function make(props) { return createTemporaryObject(nodeComponent, testCase, props || {}) }
    function part(n, name) { return findChild(n, name) }
    function init() { tokens.dark = true }

    // key: what the theme's action colour is asked for.
    function test_actionLabelAndColour_data() {
        return [
            { tag: "sized bet from the label", action: "Bet 75%", type: "bet", label: "Bet 75%", key: "Bet 75%" },
            { tag: "size from the type", action: "Bet", type: "bet 33%", label: "Bet 33%", key: "bet 33%" },
            { tag: "type size lower-cased", action: "Raise", type: "Raise 2.5X", label: "Raise 2.5x", key: "raise 2.5x" },
            { tag: "plain bet", action: "Bet", type: "bet", label: "Bet", key: "bet" },
            { tag: "verb is case-sensitive", action: "bet 50%", type: "bet", label: "Bet", key: "bet 50%" },
            { tag: "all-in", action: "All-In", type: "allin", label: "All-in", key: "allin" },
            { tag: "type wins over label", action: "Check", type: "call", label: "Call", key: "call" },
            { tag: "type trimmed for the label only", action: "Bet 75%", type: " bet", label: "Bet 75%", key: " bet" },
            { tag: "raw check", action: "Check", type: "", label: "Check", key: "" },
            { tag: "raw sized bet", action: "Bet 50%", type: "", label: "Bet 50%", key: "" },
            { tag: "raw raise, size trimmed", action: "Raise  3x ", type: "", label: "Raise 3x", key: "" },
            { tag: "unknown type", action: "Action", type: "none", label: "Action", key: "none" },
            { tag: "no verb prefix", action: "Betting", type: "", label: "Betting", key: "" },
            { tag: "chance card", action: "Kh", type: "chance", label: "Kh", key: "chance" }
        ]
    }
    function test_actionLabelAndColour(data) {
        const n = make({ action: data.action, actionType: data.type })
        compare(part(n, "actionLabel").text, data.label)
        verify(Qt.colorEqual(part(n, "actionChip").color, tokens.actionColor(data.key)))
        verify(part(n, "actionChip").visible)
        verify(!part(make({}), "actionChip").visible)
    }

    // Dark text on light backgrounds, the theme's text colours otherwise.
    function test_textOnBackground_data() {
        return [
            { tag: "white", bg: "#FFFFFF", light: true },
            { tag: "just light enough", bg: Qt.rgba(0.62, 0.62, 0.62, 1), light: true },
            { tag: "just too dark", bg: Qt.rgba(0.61, 0.61, 0.61, 1), light: false },
            { tag: "dark surface", bg: "#21262D", light: false }
        ]
    }
    function test_textOnBackground(data) {
        const fg = Logic.fgOn(tokens, data.bg), muted = Logic.mutedOn(tokens, data.bg)
        if (data.light)
            verify(Logic.luma(fg) < 0.1 && Logic.luma(muted) < 0.3 && Logic.luma(muted) > Logic.luma(fg))
        else
            verify(Qt.colorEqual(fg, tokens.text) && Qt.colorEqual(muted, tokens.textMuted))
    }

    function test_tileColours_data() {
        return [
            { tag: "decision, dark", dark: true, type: "decision", bg: "action" },
            { tag: "decision, light", dark: false, type: "decision", bg: "action" },
            { tag: "chance", dark: true, type: "chance", bg: "gold" },
            { tag: "terminal", dark: false, type: "terminal", bg: "surface3" }
        ]
    }
    function test_tileColours(data) {
        tokens.dark = data.dark
        const n = make({ nodeType: data.type, action: "Check", actionType: "check", pot: 10, locked: true })
        const want = data.bg === "surface3" ? tokens.surface3
                   : Logic.mix(tokens.surface2, data.bg === "gold" ? tokens.gold : tokens.actionCheck, data.bg === "gold" ? 0.22 : 0.28)
        const bg = part(n, "background").color
        verify(Qt.colorEqual(bg, want))
        verify(Qt.colorEqual(part(n, "playerLabel").color, Logic.fgOn(tokens, bg)))
        verify(Qt.colorEqual(part(n, "potText").color, Logic.mutedOn(tokens, bg)))
        verify(Qt.colorEqual(part(n, "lockIcon").color, Logic.mutedOn(tokens, bg)))
        // A light theme's pale tint switches to the dark texts.
        if (!data.dark && data.type === "decision")
            verify(Logic.luma(part(n, "playerLabel").color) < 0.1)
        const bare = make({ theme: null, nodeType: data.type, action: "Call", actionType: "call" })
        verify(Qt.colorEqual(part(bare, "actionChip").color, "#888888"))
        verify(Qt.colorEqual(part(bare, "background").color, data.type === "terminal" ? "#2D333B" : "#21262D"))
    }

    function test_numbers_data() {
        return [
            { tag: "freq rounds", freq: 0.666, pot: 0, ev: 0, texts: [null, "Freq: 67%", null] },
            { tag: "freq half up", freq: 0.125, pot: 0, ev: 0, texts: [null, "Freq: 13%", null] },
            { tag: "freq clamped", freq: 1.4, pot: 0, ev: 0, texts: [null, "Freq: 100%", null] },
            { tag: "pot half up", freq: -1, pot: 12.5, ev: 0, texts: ["Pot: 13", null, null] },
            { tag: "negative ev", freq: -1, pot: 0, ev: -1.5, texts: [null, null, "EV: -1.50"] },
            { tag: "positive ev", freq: -1, pot: 0, ev: 2, texts: [null, null, "EV: +2.00"] },
            { tag: "nothing", freq: -1, pot: 0, ev: 0, texts: [null, null, null] }
        ]
    }
    function test_numbers(data) {
        const n = make({ frequency: data.freq, pot: data.pot, ev: data.ev })
        const items = [part(n, "potText"), part(n, "freqText"), part(n, "evText")]
        for (let i = 0; i < 3; ++i) {
            compare(items[i].visible, data.texts[i] !== null)
            if (data.texts[i] !== null)
                compare(items[i].text, data.texts[i])
        }
        if (data.ev !== 0)
            verify(Qt.colorEqual(items[2].color, data.ev >= 0 ? tokens.success : tokens.danger))
        compare(part(n, "detailRow").visible, data.texts.some(function (t) { return t !== null }))
    }

    // dot: the type dot's colour token, or null when the expand button shows.
    function test_markerAndPlayer_data() {
        return [
            { tag: "decision with children", type: "decision", children: true, player: "OOP", dot: null, label: "OOP" },
            { tag: "decision leaf OOP", type: "decision", children: false, player: "OOP", dot: "actionBet", label: "OOP" },
            { tag: "decision leaf IP", type: "decision", children: false, player: "IP", dot: "info", label: "IP" },
            { tag: "chance", type: "chance", children: true, player: "", dot: "gold", label: "Deal" },
            { tag: "chance named", type: "chance", children: true, player: "Deal Turn", dot: "gold", label: "Deal Turn" },
            { tag: "terminal", type: "terminal", children: true, player: "OOP", dot: "textFaint", label: "Terminal" }
        ]
    }
    function test_markerAndPlayer(data) {
        const n = make({ nodeType: data.type, hasChildren: data.children, player: data.player })
        compare([part(n, "expandButton").visible, part(n, "typeDot").visible], [data.dot === null, data.dot !== null])
        if (data.dot !== null)
            verify(Qt.colorEqual(part(n, "typeDot").color, tokens[data.dot]))
        compare(part(n, "playerLabel").text, data.label)
        const glyph = part(n, "expandButton").children[0]
        compare(glyph.text, "+")
        n.expanded = true
        compare(glyph.text, "\u2212")
    }

    // The tile's area lies over everything: a click on the "+" is a tile click.
    function test_clickCapture_data() {
        return [
            { tag: "on the body", where: "body", enabled: true, clicks: 1 },
            { tag: "on the expand button", where: "button", enabled: true, clicks: 1 },
            { tag: "disabled tile", where: "body", enabled: false, clicks: 0 }
        ]
    }
    function test_clickCapture(data) {
        const n = make({ enabled: data.enabled, action: "Call", actionType: "call", selected: false })
        let clicks = 0, toggles = 0
        n.clicked.connect(function () { ++clicks })
        n.toggleExpand.connect(function () { ++toggles })
        const button = part(n, "expandButton")
        const p = data.where === "button" ? button.mapToItem(n, button.width / 2, button.height / 2) : Qt.point(n.width - 20, 24)
        mouseMove(n, p.x, p.y)
        mouseMove(n, p.x + 1, p.y)
        mouseClick(n, p.x, p.y)
        compare([clicks, toggles], [data.clicks, 0])
        if (!data.enabled) {
            wait(150)
            compare(n.scale, 1.0)
            return
        }
        tryCompare(n, "scale", 1.02)
        verify(Qt.colorEqual(part(n, "background").border.color, tokens.strokeFocus))
        compare(part(n, "tileMouse").cursorShape, Qt.PointingHandCursor)
        compare(button.color.a > 0, data.where === "button")
        n.selected = true
        verify(Qt.colorEqual(part(n, "background").border.color, tokens.accent))
        tryVerify(function () { return part(n, "glow").opacity > 0.4 })
    }

    // The verbs and the tile's own texts are translated in the "TreeNode" context.
    TestTranslator { id: translator; prefix: "[t] "; language: Qt.locale().name.split("_")[0] }

    function test_translationContext_data() {
        return [
            { tag: "tile context", contexts: ["TreeNode"], prefix: "[t] " },
            { tag: "other context", contexts: ["ActionBar"], prefix: "" }
        ]
    }
    function test_translationContext(data) {
        translator.contexts = data.contexts
        translator.active = true
        const sized = make({ action: "Bet 75%", actionType: "bet", pot: 10 })
        const chance = make({ nodeType: "chance", player: "", action: "Kh", actionType: "chance" })
        const terminal = make({ nodeType: "terminal", action: "Check", actionType: "" })
        translator.active = false
        const p = data.prefix
        compare([part(sized, "actionLabel").text, part(sized, "potText").text], [p + "Bet 75%", p + "Pot: 10"])
        compare([part(chance, "playerLabel").text, part(chance, "actionLabel").text], [p + "Deal", "Kh"])
        compare([part(terminal, "playerLabel").text, part(terminal, "actionLabel").text], [p + "Terminal", p + "Check"])
    }
}
