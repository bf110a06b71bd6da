import QtQuick
import QtTest
import TestSupport
import "qrc:/Tessaval/qml/pages/results/results_actions.js" as Actions
import "qrc:/Tessaval/qml/pages/results/results_cards.js" as Cards
import "qrc:/Tessaval/qml/pages/results/results_frame.js" as Frame
import "qrc:/Tessaval/qml/pages/results/results_hands.js" as Hands
import "qrc:/Tessaval/qml/pages/results/results_tree.js" as Tree

// The rules of the results page: action colours and fold-relative EVs, the
// labels, card helpers, the hand search and filters, the EV column, suit
// maps and the chance picker's card lookup.
TestCase {
    name: "ResultsLogic"

    function names(list) { return list.map(function (a) { return a.name }) }
    function act(name, type, ev) { return { name: name, actionType: type, ev: ev } }

    function test_parsePct_data() {
        return [
            { tag: "bet", name: "Bet 33%", pct: 33 },
            { tag: "decimals and blank", name: "Raise 12.5 %", pct: 12.5 },
            { tag: "multiple", name: "Bet 2x", pct: NaN },
            { tag: "all-in", name: "All-in", pct: NaN },
            { tag: "missing", name: undefined, pct: NaN }
        ]
    }
    function test_parsePct(data) {
        const v = Actions.parsePctFromActionName(data.name)
        if (isNaN(data.pct))
            verify(isNaN(v))
        else
            compare(v, data.pct)
    }

    function test_colorize_data() {
        return [
            { tag: "dark bets by size", dark: true,
              actions: [act("Check", "check"), act("Bet 75%", "bet"), act("Bet 33%", "bet"), act("Bet 150%", "bet")],
              colors: [undefined, "#A78BFA", "#818CF8", "#C084FC"] },
            { tag: "light raises", dark: false,
              actions: [act("Fold", "fold"), act("Call", "call"), act("Raise 60%", "raise"), act("Raise 120%", "raise")],
              colors: [undefined, undefined, "#F59E0B", "#F97316"] },
            { tag: "six bets wrap", dark: true,
              actions: [10, 20, 30, 40, 50, 60].map(function (s) { return act("Bet " + s + "%", "bet") }),
              colors: ["#818CF8", "#A78BFA", "#C084FC", "#E879F9", "#F0ABFC", "#818CF8"] },
            { tag: "unsized bet not ranked", dark: true,
              actions: [act("Bet 2x", "bet"), act("Bet 50%", "bet"), act("All-In", "allin")],
              colors: [undefined, "#818CF8", undefined] },
            { tag: "engine codes carry the size", dark: true,
              actions: [act("Check", "check"), act("Bet 75%", "bet 75%"), act("Bet 33%", "bet 33%"), act("Raise 60%", "raise 60%")],
              colors: [undefined, "#A78BFA", "#818CF8", "#FDBA74"] },
            { tag: "bets and raises ranked apart", dark: true,
              actions: [act("Raise 50%", "raise"), act("Bet 100%", "bet")],
              colors: ["#FDBA74", "#818CF8"] }
        ]
    }
    function test_colorize(data) {
        const out = Actions.colorizeBetRaiseActions(data.actions, data.dark)
        compare(out.map(function (a) { return a.color }), data.colors)
        compare(names(out), names(data.actions))
        verify(data.actions.every(function (a) { return a.color === undefined }), "the input is not changed")
    }

    function test_normalizeAroundFold_data() {
        return [
            { tag: "fold and call", defs: [act("Fold", "fold", -0.5), act("Call", "call", 1.25)], evs: [0, 1.75] },
            { tag: "fold found by name", defs: [act("Call", "call", 2), act("Fold now", "", 1)], evs: [1, 0] },
            { tag: "fold without ev, later fold ignored",
              defs: [act("Fold", "fold", undefined), act("Call", "call", 1), act("Fold", "fold", -2)], evs: [undefined, 1, -2] },
            { tag: "no fold", defs: [act("Check", "check", 1.5), act("Bet 50%", "bet", 2)], evs: [1.5, 2] },
            { tag: "non-finite ev kept", defs: [act("Fold", "fold", 1), act("Raise 60%", "raise", NaN)], evs: [0, NaN] }
        ]
    }
    function test_normalizeAroundFold(data) {
        const out = Actions.normalizeActionEvsAroundFold(data.defs)
        for (let i = 0; i < out.length; ++i) {
            if (typeof data.evs[i] === "number" && isNaN(data.evs[i]))
                verify(isNaN(out[i].ev))
            else
                compare(out[i].ev, data.evs[i])
        }
        compare(Actions.normalizeActionEvsAroundFold(undefined), [])
    }

    function test_chancePseudoAction() {
        compare(Actions.chancePseudoAction({ chanceDeal: "river" }).name, "Random river card")
        compare(Actions.chancePseudoAction({ chanceDeal: "" }).name, "Random card card")
        compare(Actions.chancePseudoAction({}).frequency, 1.0)
    }

    TestTranslator { id: translator; prefix: "[t] "; language: Qt.locale().name.split("_")[0] }

    // Engine labels take the tree tiles' wording, in their context.
    function test_actionLabels_data() {
        return [
            { tag: "sized bet", raw: "Bet 33%", label: "Bet 33%" },
            { tag: "lower-case raise", raw: "raise 2.5x ", label: "Raise 2.5x" },
            { tag: "all-in of the engine", raw: "All-In", label: "All-in" },
            { tag: "capitalised", raw: "check", label: "Check" },
            { tag: "unknown stays", raw: " Donk ", label: "Donk", untranslated: true },
            { tag: "empty", raw: "", label: "", untranslated: true }
        ]
    }
    function test_actionLabels(data) {
        translator.contexts = ["TreeNode"]
        translator.active = true
        const translated = Actions.nodeActionNameTranslated(data.raw)
        translator.contexts = ["ResultsPage"]
        const otherContext = Actions.nodeActionNameTranslated(data.raw)
        translator.active = false
        compare(translated, (data.untranslated ? "" : "[t] ") + data.label)
        compare(otherContext, data.label)
    }

    function test_handClass_data() {
        return [
            { tag: "pair", c1: "Jc", c2: "Jd", cls: "JJ" },
            { tag: "suited, low first", c1: "Kh", c2: "Ah", cls: "AKs" },
            { tag: "offsuit", c1: "6d", c2: "5c", cls: "65o" },
            { tag: "missing card", c1: "", c2: "5c", cls: "" }
        ]
    }
    function test_handClass(data) {
        compare(Cards.handClassFromCards(data.c1, data.c2), data.cls)
    }

    function test_boardCards() {
        compare(Cards.parseBoardCardsNormalized("", " as KD 2h7"), ["As", "Kd", "2h"])
        compare(Cards.parseBoardCardsNormalized("QsJh2h9c", "AsKs2h"), ["Qs", "Jh", "2h", "9c"])
        compare(Cards.normalizeCardText("t"), "")
    }

    function test_searchToken_data() {
        return [
            { tag: "pair", token: "jj", c1: "Jc", c2: "Jd", match: true },
            { tag: "two ranks, suited", token: "AK", c1: "Ah", c2: "Kh", match: true },
            { tag: "two ranks reversed, offsuit", token: "KA", c1: "Kd", c2: "Ac", match: true },
            { tag: "suited only", token: "56s", c1: "6h", c2: "5h", match: true },
            { tag: "suited only, offsuit combo", token: "65s", c1: "6h", c2: "5c", match: false },
            { tag: "exact cards either order", token: "jcjd", c1: "Jd", c2: "Jc", match: true },
            { tag: "exact cards, other combo", token: "JcJh", c1: "Jc", c2: "Jd", match: false },
            { tag: "pair with letter", token: "AAs", c1: "Ac", c2: "Ad", match: false },
            { tag: "one rank", token: "A", c1: "Ac", c2: "Ad", match: false },
            { tag: "not a rank", token: "10", c1: "Tc", c2: "Td", match: false },
            { tag: "too long", token: "AKso", c1: "Ah", c2: "Kh", match: false }
        ]
    }
    function test_searchToken(data) {
        compare(Hands.matchSearchTokenToCombo(data.token, data.c1, data.c2), data.match)
    }

    function test_searchTokens() {
        compare(Hands.parseHandSearchTokens(" jj,AKs ,, 56s "), ["jj", "AKs", "56s"])
        compare(Hands.parseHandSearchTokens(""), [])
    }

    function row(c1, c2, weight, buckets) {
        return { c1: c1, c2: c2, weight: weight, buckets: buckets || [], actionEvs: [], actionProbs: [] }
    }

    function test_visibleCombos_data() {
        const rows = [row("Jc", "Jd", 0.8, ["Overpair"]), row("Ah", "Kh", 0.5, ["Top pair"]),
                      row("Ad", "Kc", 0.0000008), row("Qc", "Qd", 0.0000009, ["Overpair"])]
        return [
            { tag: "no filter, flop: the same list", rows: rows, f: { boardCardCount: 3 }, same: true, count: 4 },
            { tag: "noise cut on the turn", rows: rows, f: { boardCardCount: 4 }, count: 3 },
            { tag: "bucket exact", rows: rows, f: { bucket: "Overpair", boardCardCount: 3 }, count: 2 },
            { tag: "bucket is case-sensitive", rows: rows, f: { bucket: "overpair", boardCardCount: 3 }, count: 0 },
            { tag: "class and search both apply", rows: rows, f: { handClass: "AKs", searchText: "JJ", boardCardCount: 3 }, count: 0 },
            { tag: "search alternatives", rows: rows, f: { searchText: "jj, AKo", boardCardCount: 3 }, count: 2 }
        ]
    }
    function test_visibleCombos(data) {
        const out = Hands.visibleHandCombos(data.rows, data.f)
        compare(out.length, data.count)
        compare(out === data.rows, !!data.same)
    }

    // The largest weight is sought among the first 96 rows only.
    function test_noiseCutSamplesLeadingRows() {
        const rows = []
        for (let i = 0; i < 96; ++i)
            rows.push(row("2c", "3d", 0.001))
        rows.push(row("Ac", "Ad", 1.0))
        compare(Hands.noiseCutoff(rows, 5), 1e-9)
        compare(Hands.noiseCutoff([row("2c", "3d", NaN)], 4), 1e-10)
        compare(Hands.noiseCutoff(rows, 3), -1)
    }

    function test_evColumn_data() {
        const fcr = [act("Fold", "fold"), act("Call", "call"), act("Raise 60%", "raise")]
        return [
            { tag: "relative to fold", row: { actionEvs: [-1.0, 0.5, 1.5] }, defs: fcr,
              texts: ["0.00", "1.50", "2.50"], keys: ["fold", "call", "Raise 60%"] },
            { tag: "no fold", row: { actionEvs: [1.25, 0.5] }, defs: [act("Check", "check"), act("Bet 50%", "bet")],
              texts: ["1.25", "0.50"], keys: ["check", "Bet 50%"] },
            { tag: "engine codes", row: { actionEvs: [0.5, 1.5, 2.0] },
              defs: [act("Fold", "fold"), act("Raise 60%", "raise 60%"), act("All-In", "allin")],
              texts: ["0.00", "1.00", "1.50"], keys: ["fold", "Raise 60%", "allin"] },
            { tag: "fold ev missing", row: { actionEvs: [NaN, 0.5, 1.5] }, defs: fcr,
              texts: ["\u2014", "0.50", "1.50"], keys: ["fold", "call", "Raise 60%"] },
            { tag: "no action evs", row: { ev: 3.456 }, defs: fcr, texts: ["3.46"], keys: [""] },
            { tag: "no action evs nor ev", row: {}, defs: fcr, texts: ["\u2014"], keys: [""] },
            { tag: "fewer definitions", row: { actionEvs: [1, 2, 3] }, defs: [act("Check", "check")],
              texts: ["1.00"], keys: ["check"] }
        ]
    }
    function test_evColumn(data) {
        const lines = Hands.evColumnLines(data.row, data.defs)
        compare(lines.map(function (l) { return l.text }), data.texts)
        compare(lines.map(function (l) { return l.colorKey }), data.keys)
    }

    function test_handActionsForProbs() {
        const defs = Actions.colorizeBetRaiseActions([act("Check", "check"), act("Bet 50%", "bet")], true)
        const out = Hands.handActionsForProbs(defs, [0.25, 0.75, 0.5])
        compare(out.map(function (a) { return a.frequency }), [0.25, 0.75])
        compare([out[0].color, out[1].color], [undefined, "#818CF8"])
    }

    function test_suitMaps() {
        const id = Tree.suitDisplayMapIdentity()
        const swapped = Tree.swapSuitMap(id, "d", "c")
        compare(swapped, { s: "s", h: "h", d: "c", c: "d" })
        compare(id.d, "d", "the map given is not changed")
        compare(Tree.swapSuitMap(id, "d", "x"), id)
        compare(Tree.applySuitDisplayMap("9d", swapped), "9c")
        compare(Tree.applySuitDisplayMap("td", swapped), "Tc")
        compare(Tree.applySuitDisplayMap("9x", swapped), "9x")
        compare(Tree.applySuitDisplayMap("Random", swapped), "Random")
    }

    function test_chanceCardLookup_data() {
        const byCard = { "7d": 0, "Qh": 1, "9c": 2 }
        return [
            { tag: "listed", card: "Qh", board: "AsKs2h", index: 1 },
            { tag: "absent suit stands in", card: "7c", board: "AsKs2h", index: 0 },
            { tag: "one absent suit only", card: "7c", board: "AsKs2hQd", index: -1 },
            { tag: "present suit", card: "7s", board: "AsKs2h", index: -1 },
            { tag: "blanks in the board", card: "9d", board: "As Ks 2h", index: 2 },
            { tag: "not a card", card: "7", board: "AsKs2h", index: -1 }
        ].map(function (d) { d.byCard = byCard; return d })
    }
    function test_chanceCardLookup(data) {
        compare(Tree.chanceCardIndexForSelection(data.card, data.byCard, data.board), data.index)
    }

    function test_drawIndex() {
        compare(Tree.drawIndex([3, 5, 8], 0), 3)
        compare(Tree.drawIndex([3, 5, 8], 0.999), 8)
        compare(Tree.drawIndex([], 0.5), -1)
    }

    function test_frame() {
        compare(Frame.seatEvText(-1.5, 10), "3.500")
        compare(Frame.seatEvText(undefined, undefined), "0.000")
        compare(Frame.exploitabilityText(0.12345), "0.1235")
        compare(Frame.scaled(320, 220, 0.75), 240)
        compare(Frame.scaled(320, 220, 0.5), 220)
    }
}
