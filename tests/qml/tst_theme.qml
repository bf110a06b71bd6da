import QtQuick
import QtTest
import Tessaval

TestCase {
    name: "Theme"

    Theme { id: theme }

    function init() {
        theme.dark = true
        theme.useAccentOverride = false
        theme.accentOverride = "#3FB950"
    }

    function hsla(c) {
        return [c.hslHue, c.hslSaturation, c.hslLightness, c.a]
    }

    function expectHsla(c, expected, tag) {
        const got = hsla(c)
        for (let i = 0; i < 4; ++i)
            verify(Math.abs(got[i] - expected[i]) < 0.004, tag + ": " + got + " vs " + expected)
    }

    function test_sizedActionColours_data() {
        return [
            { tag: "bet 33 dark", label: "Bet 33%", dark: true, hsla: [0.7398, 0.70, 0.6365, 1] },
            { tag: "bet 33 light", label: "Bet 33%", dark: false, hsla: [0.7398, 0.70, 0.4365, 1] },
            { tag: "any case", label: "bET 33%", dark: true, hsla: [0.7398, 0.70, 0.6365, 1] },
            { tag: "bet 75 dark", label: "Bet 75%", dark: true, hsla: [0.765, 0.70, 0.6575, 1] },
            { tag: "bet 75 light", label: "Bet 75%", dark: false, hsla: [0.765, 0.70, 0.4575, 1] },
            { tag: "raise 75 dark", label: "Raise 75%", dark: true, hsla: [0.085, 0.78, 0.645, 1] },
            { tag: "raise 75 light", label: "Raise 75%", dark: false, hsla: [0.085, 0.78, 0.485, 1] },
            { tag: "raise 200", label: "Raise 200%", dark: true, hsla: [0.11, 0.78, 0.72, 1] },
            { tag: "raise 300 light", label: "Raise 300%", dark: false, hsla: [0.11, 0.78, 0.56, 1] },
            { tag: "bet 0", label: "Bet 0%", dark: true, hsla: [0.72, 0.70, 0.62, 1] },
            { tag: "bet 250", label: "Bet 250%", dark: true, hsla: [0.84, 0.70, 0.72, 1] },
            { tag: "bet 200 light", label: "Bet 200%", dark: false, hsla: [0.84, 0.70, 0.52, 1] },
            { tag: "space before %", label: "Bet 33 %", dark: true, hsla: [0.7398, 0.70, 0.6365, 1] },
            { tag: "decimals and words", label: "Bet 33.5% pot", dark: true,
              hsla: [0.72 + 0.12 * 33.5 / 200, 0.70, 0.62 + 0.10 * 33.5 / 200, 1] }
        ]
    }

    function test_sizedActionColours(data) {
        theme.dark = data.dark
        expectHsla(theme.actionColor(data.label), data.hsla, data.tag)
    }

    function test_namedActionColours_data() {
        return [
            { tag: "bet alone", action: "Bet", token: "actionBet" },
            { tag: "raise code", action: "raise", token: "actionRaise" },
            { tag: "All-In", action: "All-In", token: "actionAllIn" },
            { tag: "ALLIN", action: "ALLIN", token: "actionAllIn" },
            { tag: "all_in", action: "all_in", token: "actionAllIn" },
            { tag: "fold", action: "Fold", token: "actionFold" },
            { tag: "check", action: "check", token: "actionCheck" },
            { tag: "call", action: "Call", token: "actionCall" },
            { tag: "chance", action: "chance", token: "textMuted" },
            { tag: "undefined", action: undefined, token: "textMuted" },
            { tag: "null", action: null, token: "textMuted" },
            { tag: "number 0", action: 0, token: "textMuted" },
            { tag: "no space", action: "Bet33%", token: "textMuted" },
            { tag: "no digit before point", action: "Bet .5%", token: "textMuted" },
            { tag: "multiple", action: "Raise 2.5x", token: "textMuted" },
            { tag: "leading blank", action: " Bet 33%", token: "textMuted" },
            { tag: "too many digits", action: "Bet " + "9".repeat(400) + "%", token: "textMuted" }
        ]
    }

    function test_namedActionColours(data) {
        for (const dark of [true, false]) {
            theme.dark = dark
            compare(String(theme.actionColor(data.action)), String(theme[data.token]), data.tag)
        }
    }

    function test_suitColours() {
        for (const dark of [true, false]) {
            theme.dark = dark
            compare(String(theme.suitColor("S")), "#1f2937")
            compare(String(theme.suitColor("Spades")), "#1f2937")
            compare(theme.suitColor("h"), theme.suitHearts)
            compare(theme.suitColor("diamonds"), theme.suitDiamonds)
            compare(theme.suitColor("c"), theme.accent)
            compare(theme.suitColor("x"), theme.text)
        }
    }

    function test_accentOverride() {
        theme.accentOverride = "#F85149"
        compare(String(theme.accent), "#3fb950")  // not in use yet
        theme.useAccentOverride = true
        for (const dark of [true, false]) {
            theme.dark = dark
            compare(String(theme.accent), "#f85149")
            compare(String(theme.success), "#f85149")
            compare(String(theme.suitClubs), "#f85149")
            compare(String(theme.actionCheck), dark ? "#3fb950" : "#16a34a")
        }
    }

    function test_paletteSwitch() {
        compare(String(theme.bg0), "#080b12")
        compare(theme.shadowOpacity, 0.5)
        compare(String(theme.accentMuted), String(Qt.darker(theme.accent, 1.6)))
        theme.dark = false
        compare(String(theme.bg0), "#f4f6f9")
        compare(theme.shadowOpacity, 0.15)
        compare(String(theme.accentMuted), String(Qt.darker(theme.accent, 1.35)))
        compare(String(theme.cardFace), "#fffef5")
        compare(String(theme.suitSpades), "#1f2937")
    }

    function test_colourHelpers() {
        const c = theme.withOpacity(theme.accent, 0.55)
        fuzzyCompare(c.a, 0.55, 0.005)
        compare(c.r, theme.accent.r)
        compare(c.g, theme.accent.g)
        compare(c.b, theme.accent.b)
        compare(String(theme.accentHover), String(Qt.lighter(theme.accent, 1.12)))
    }

    function test_fontsResolveToInstalledFamilies() {
        const installed = Qt.fontFamilies()
        for (const resolved of [theme.fontFamilyResolved, theme.fontMonoResolved])
            verify(installed.indexOf(resolved) >= 0 || resolved === "sans-serif" || resolved === "monospace",
                   resolved)
    }
}
