import QtQuick
import QtTest
import "qrc:/Tessaval/qml/pages/results/practice_logic.js" as Practice
import "qrc:/Tessaval/qml/pages/results/hand_details.js" as Details
import "qrc:/Tessaval/qml/pages/results/play_table.js" as Table
import "qrc:/Tessaval/qml/pages/results/results_tree.js" as Tree

// The practice mode's rules: dealing, weighted choices, the action line,
// judging, the drill's feedback, log entries, the played hand's details,
// and the table's geometry.
TestCase {
    name: "PracticeLogic"

    readonly property string arrow: " \u2192 "

    // ---- Dealing and choices ----

    function test_eligibleCombos_data() {
        return [
            { tag: "kept, normalised", rows: [{ c1: "ah", c2: "KD", weight: 0.5 }], used: {}, map: null,
              want: [["Ah", "Kd", 0.5]] },
            { tag: "a used card", rows: [{ c1: "Ah", c2: "Kd", weight: 1 }], used: { Kd: true }, map: null, want: [] },
            { tag: "one card twice", rows: [{ c1: "Ah", c2: "ah", weight: 1 }], used: {}, map: null, want: [] },
            { tag: "a missing card", rows: [{ c1: "A", c2: "Kd", weight: 1 }], used: {}, map: null, want: [] },
            { tag: "weight 0 or not finite", rows: [{ c1: "Ah", c2: "Kd", weight: 0 }, { c1: "Qh", c2: "Qd", weight: NaN },
                                                    { c1: "Jh", c2: "Jd", weight: "x" }],
              used: {}, map: null, want: [] },
            // Solver suits d and c exchanged on the way to the shown ones:
            // the solver's Qd is the shown Qc, which is in use.
            { tag: "through the suit map", rows: [{ c1: "Qd", c2: "Jh", weight: 1 }, { c1: "Td", c2: "9d", weight: 2 }],
              used: { Qc: true }, map: { s: "s", h: "h", d: "c", c: "d" }, want: [["Tc", "9c", 2]] }
        ]
    }
    function test_eligibleCombos(data) {
        const pool = Practice.eligibleCombosForDeal(data.rows, data.used, data.map)
        compare(pool.map(function (r) { return [r.c1, r.c2, r.weight] }), data.want)
    }

    function test_pickWeightedCombo_data() {
        const pool = [{ c1: "Ah", c2: "Ad", weight: 1 }, { c1: "Kh", c2: "Kd", weight: 3 }]
        return [
            { tag: "u 0", pool: pool, u: 0, want: "Ah" },
            { tag: "inside the first weight", pool: pool, u: 0.24, want: "Ah" },
            { tag: "past it", pool: pool, u: 0.26, want: "Kh" },
            { tag: "the top", pool: pool, u: 0.9999, want: "Kh" },
            { tag: "empty", pool: [], u: 0.5, want: null },
            { tag: "no weight", pool: [{ c1: "Ah", c2: "Ad", weight: 0 }], u: 0.5, want: null }
        ]
    }
    function test_pickWeightedCombo(data) {
        const pick = Practice.pickWeightedCombo(data.pool, data.u)
        compare(pick ? pick.c1 : null, data.want)
    }

    // Pairs come by the product of their reach: AhAd leaves IP only KhKd
    // (weight 1 of 4), so OOP's two hands come as 1 : 4.
    function test_pickWeightedPair_data() {
        const row = function (h, w) { return { c1: h.substr(0, 2), c2: h.substr(2, 2), weight: w } }
        const oop = [row("AhAd", 1), row("KsKc", 1)]
        const ip = [row("KhKd", 1), row("AsAh", 3)]
        return [
            { tag: "the blocked pair's share", oop: oop, ip: ip, u: [0.19, 0.9], want: "AhAd KhKd" },
            { tag: "past it", oop: oop, ip: ip, u: [0.21, 0.9], want: "KsKc AsAh" },
            { tag: "a hand that leaves IP nothing", oop: [row("AhQh", 5), row("KsKc", 1)], ip: [row("AhJh", 1)],
              u: [0, 0], want: "KsKc AhJh" },
            { tag: "no pair", oop: [row("AhQh", 1)], ip: [row("AhJh", 1), row("QhJd", 1)], u: [0, 0], want: null }
        ]
    }
    function test_pickWeightedPair(data) {
        const pair = Practice.pickWeightedPair(data.oop, data.ip, data.u[0], data.u[1])
        compare(pair ? pair.oop.c1 + pair.oop.c2 + " " + pair.ip.c1 + pair.ip.c2 : null, data.want)
    }

    function test_pickWeightedAction_data() {
        const cards = [{ name: "7d", frequency: 0.25 }, { name: "Qh", frequency: 0.25 },
                       { name: "9c", frequency: 0 }, { name: "3s", frequency: 0.5 }]
        return [
            { tag: "first", actions: cards, used: null, u: 0.1, want: 0 },
            { tag: "a zero frequency is never drawn", actions: cards, used: null, u: 0.55, want: 3 },
            { tag: "a used card is left out", actions: cards, used: { "7d": true }, u: 0.1, want: 1 },
            { tag: "used cards by their normal form", actions: [{ name: "qh", frequency: 1 }], used: { Qh: true }, u: 0.1, want: -1 },
            { tag: "names longer than a card stay", actions: [{ name: "Check", frequency: 1 }], used: { Ch: true }, u: 0.3, want: 0 },
            { tag: "nothing to draw", actions: [{ name: "Fold", frequency: NaN }], used: null, u: 0.3, want: -1 }
        ]
    }
    function test_pickWeightedAction(data) {
        compare(Practice.pickWeightedActionIndex(data.actions, data.used, data.u), data.want)
    }

    function test_solverCard() {
        const map = { s: "s", h: "h", d: "c", c: "d" }
        compare(Practice.toSolverCard("9c", map), "9d")
        compare(Practice.toSolverCard("as", map), "As")
        compare(Practice.toSolverCard("", map), "")
    }

    // ---- Action line ----

    function test_appendStep() {
        let line = Practice.appendStep("", "OOP", "Check")
        line = Practice.appendStep(line, "Chance", "7h")
        line = Practice.appendStep(line, "", "Showdown")
        compare(line, "OOP: Check" + arrow + "Chance: 7h" + arrow + "Showdown")
    }

    function test_cutBeforeChanceStep_data() {
        const line = ["OOP: Check", "IP: Check", "Chance: 7d", "OOP: Bet 50%", "IP: Call", "Chance: 9h", "OOP: Check"].join(arrow)
        return [
            { tag: "the river", fromEnd: 1, want: ["OOP: Check", "IP: Check", "Chance: 7d", "OOP: Bet 50%", "IP: Call"] },
            { tag: "the turn", fromEnd: 2, want: ["OOP: Check", "IP: Check"] },
            // A line cut short by a drill no longer holds that card's step.
            { tag: "a card before the line began", fromEnd: 3, want: [] }
        ]
    }
    function test_cutBeforeChanceStep(data) {
        const line = ["OOP: Check", "IP: Check", "Chance: 7d", "OOP: Bet 50%", "IP: Call", "Chance: 9h", "OOP: Check"].join(arrow)
        compare(Practice.cutBeforeChanceStep(line, data.fromEnd), data.want.join(arrow))
    }

    // ---- Judging ----

    function test_evInfo_data() {
        return [
            { tag: "best elsewhere", list: [2.0, 3.5, 1.0], i: 0, want: { ok: true, chosenEv: 2, bestEv: 3.5, evLoss: 1.5, bestIndex: 1 } },
            { tag: "a tie takes the lower index", list: [3.0, 3.0], i: 1, want: { ok: true, chosenEv: 3, bestEv: 3, evLoss: 0, bestIndex: 0 } },
            { tag: "another entry not finite", list: [NaN, 1.0, -2], i: 2, want: { ok: true, chosenEv: -2, bestEv: 1, evLoss: 3, bestIndex: 1 } },
            { tag: "the chosen entry not finite", list: [1.0, NaN], i: 1, want: { ok: false } },
            { tag: "out of range", list: [1.0], i: 1, want: { ok: false } },
            { tag: "no list", list: undefined, i: 0, want: { ok: false } }
        ]
    }
    function test_evInfo(data) {
        compare(Practice.evInfoFromList(data.list, data.i), data.want)
    }

    function test_comboEvMap() {
        const map = Practice.comboEvMap([{ c1: "ah", c2: "Kd", actionEvs: [1, 2] }, { c1: "", c2: "Qd", actionEvs: [3] }])
        compare(Object.keys(map).sort(), ["AhKd", "KdAh"])
        compare(map.KdAh, [1, 2])
    }

    function test_mistakeRule_data() {
        return [
            { tag: "inside the relative tolerance", best: 10, chosen: 9.95, eps: 1e-6, rel: 0.01, mistake: false },
            { tag: "past it", best: 10, chosen: 9.8, eps: 1e-6, rel: 0.01, mistake: true },
            { tag: "inside the absolute floor", best: 0, chosen: -0.0000005, eps: 1e-6, rel: 0.01, mistake: false },
            { tag: "negative EVs", best: -20, chosen: -20.5, eps: 1e-6, rel: 0.01, mistake: true },
            { tag: "settings not finite count as 0", best: 1, chosen: 0.999, eps: NaN, rel: NaN, mistake: true },
            { tag: "negative settings count as 0", best: 1, chosen: 1, eps: -1, rel: -1, mistake: false }
        ]
    }
    function test_mistakeRule(data) {
        const info = Practice.evInfoFromList([data.best, data.chosen], 1)
        compare(Practice.isMistake(info, data.eps, data.rel), data.mistake)
    }

    function test_drillFeedback_data() {
        return [
            { tag: "wrong", list: [2.0, 3.5], i: 0, best: "Bet 75%", want: { wrong: true, text: "Wrong \u2014 best: Bet 75% (EV -1.500)" } },
            { tag: "no best name", list: [2.0, 3.5], i: 0, best: "", want: { wrong: true, text: "Wrong \u2014 best: \u2014 (EV -1.500)" } },
            { tag: "tied best", list: [3.5, 3.5], i: 1, best: "Check", want: { wrong: false, text: "Correct" } },
            { tag: "no EV found", list: [NaN, 3.5], i: 0, best: "Check", want: { wrong: false, text: "Correct" } }
        ]
    }
    function test_drillFeedback(data) {
        compare(Practice.drillFeedback(Practice.evInfoFromList(data.list, data.i), data.best, 1e-6, 0.01), data.want)
    }

    // ---- Log entries ----

    function test_handLogEntry_data() {
        const hand = { board: "AsKs2h", role: "OOP", oop: "QhQd", ip: "8h8d", line: "OOP: Check" }
        return [
            { tag: "terminal", meta: { pot: 10, investedOop: 5, investedIp: 5 }, extra: undefined,
              mistake: false, loss: NaN, pot: 10 },
            { tag: "mistake", meta: { pot: 10, investedOop: 5, investedIp: 5 },
              extra: { mistakeAction: "All-In", correctAction: "Check", evLoss: 1 }, mistake: true, loss: 1, pot: 10 },
            { tag: "no loss is no mistake", meta: {}, extra: { evLoss: 0, isMistake: true }, mistake: false, loss: 0, pot: 0 }
        ]
    }
    function test_handLogEntry(data) {
        const hand = { board: "AsKs2h", role: "OOP", oop: "QhQd", ip: "8h8d", line: "OOP: Check" }
        const e = Practice.handLogEntry(hand, data.meta, data.extra)
        compare(Object.keys(e).sort(), Practice.LOG_FIELDS.slice().sort())
        compare(e.isMistake, data.mistake)
        compare(isNaN(e.evLoss), isNaN(data.loss))
        if (!isNaN(data.loss))
            compare(e.evLoss, data.loss)
        compare(e.pot, data.pot)
        compare([e.board, e.oop, e.line], ["AsKs2h", "QhQd", "OOP: Check"])
    }

    function test_stackAndPotTexts() {
        compare(Practice.amountText("Pot: ", 12.5), "Pot: 12.50")
        compare(Practice.amountText("Pot: ", undefined), "Pot: \u2014")
        compare(Practice.stackLeft({ effectiveStack: 100, investedOop: 30, investedIp: 120 }, "OOP"), 70)
        compare(Practice.stackLeft({ effectiveStack: 100, investedOop: 30, investedIp: 120 }, "IP"), 0)
        verify(isNaN(Practice.stackLeft({ effectiveStack: 100 }, "IP")))
        compare([Practice.stepDelay(12.6), Practice.stepDelay(-5), Practice.stepDelay(NaN)], [13, 0, 0])
    }

    // ---- Played-hand details ----

    function line(steps) { return steps.join(arrow) }

    function test_details_data() {
        return [
            { tag: "a fold on the flop", entry: { board: "AsKs2h", line: line(["OOP: Bet 33%", "IP: Raise 60%", "OOP: Fold"]),
                                                   pot: 30, investedOop: 8, investedIp: 20, oop: "QhQd", ip: "8h8d" },
              showdown: "OOP", flop: ["OOP: Bet 33%", "IP: Raise 60%", "OOP: Fold"], turn: [], river: [],
              winner: "IP", won: 10, calls: 0 },
            { tag: "two chance cards", entry: { board: "AsKs2h7dQh", line: line(["OOP: Check", "IP: Check", "Chance: 7d", "OOP: Check",
                                                                                 "IP: Bet 50%", "OOP: Call", "Chance: Qh", "OOP: Check", "IP: Check"]),
                                                 pot: 20, investedOop: 10, investedIp: 10, oop: "QhQd", ip: "8h8d" },
              showdown: "OOP", flop: ["OOP: Check", "IP: Check"], turn: ["OOP: Check", "IP: Bet 50%", "OOP: Call"],
              river: ["OOP: Check", "IP: Check"], winner: "OOP", won: 10, calls: 1 },
            { tag: "a tie at showdown", entry: { board: "AsKs2h7dQh", line: line(["Chance: 7d", "Chance: Qh"]), pot: 10,
                                                  investedOop: 5, investedIp: 5, oop: "3h3d", ip: "3c3s" },
              showdown: "TIE", flop: [], turn: [], river: [], winner: "TIE", won: 0, calls: 1 },
            { tag: "a mistake on the flop", entry: { board: "AsKs2h", line: "OOP: All-In", pot: 10, investedOop: 5, investedIp: 5,
                                                      oop: "QhQd", ip: "8h8d", evLoss: 1 },
              showdown: "OOP", flop: ["OOP: All-In"], turn: [], river: [], winner: "\u2014", won: NaN, calls: 0 },
            { tag: "a mistake on the river names no winner", entry: { board: "AsKs2h7dQh", line: "OOP: Check", pot: 10,
                                                                        investedOop: 5, investedIp: 5, oop: "QhQd", ip: "8h8d", evLoss: 1 },
              showdown: "OOP", flop: [], turn: [], river: ["OOP: Check"], winner: "\u2014", won: NaN, calls: 0 },
            { tag: "unknown winner from the controller", entry: { board: "AsKs2h7dQh", line: "OOP: Check", pot: 10,
                                                                    investedOop: 5, investedIp: 5, oop: "QhQd", ip: "8h8d" },
              showdown: "UNKNOWN", flop: [], turn: [], river: ["OOP: Check"], winner: "\u2014", won: NaN, calls: 1 },
            { tag: "a hand cut short has no showdown", entry: { board: "AsKs2h7dQh", line: "OOP: Check", pot: 10,
                                                                  investedOop: 5, investedIp: 5, oop: "QhQd", ip: "" },
              showdown: "OOP", flop: [], turn: [], river: ["OOP: Check"], winner: "\u2014", won: NaN, calls: 0 },
            // A spot solved from the turn: its first steps are turn steps.
            { tag: "a hand begun on the turn", entry: { board: "AsKs2h7dQh", line: line(["OOP: Check", "IP: Check", "Chance: Qh", "IP: Fold"]),
                                                         pot: 10, investedOop: 5, investedIp: 5, oop: "QhQd", ip: "8h8d" },
              showdown: "IP", flop: [], turn: ["OOP: Check", "IP: Check"], river: ["IP: Fold"], winner: "OOP", won: 5, calls: 0 },
            // The bet nobody called goes back before the pot is raked.
            { tag: "a fold to a bet rakes the matched pot", entry: { board: "AsKs2h", line: line(["OOP: Bet 75%", "IP: Fold"]),
                                                                     pot: 31.5, investedOop: 22.5, investedIp: 9, oop: "QhQd", ip: "8h8d" },
              showdown: "IP", flop: ["OOP: Bet 75%", "IP: Fold"], turn: [], river: [], winner: "OOP", won: 9, calls: 0, rake: 0.9 },
            { tag: "bare steps and blanks", entry: { board: "AsKs2h", line: " Showdown " + arrow + "  " + arrow + "Fold", pot: NaN },
              showdown: "OOP", flop: ["Showdown", "Fold"], turn: [], river: [], winner: "\u2014", won: NaN, calls: 0 },
            { tag: "no entry", entry: undefined, showdown: "OOP", flop: [], turn: [], river: [], winner: "\u2014", won: NaN, calls: 0 }
        ]
    }
    function test_details(data) {
        const calls = []
        const d = Details.buildDetails(data.entry, {
            showdown: function (board, oop, ip) { calls.push([board, oop, ip]); return { winner: data.showdown } },
            rakePercent: 5, rakeCap: 0
        })
        compare([d.flopActions, d.turnActions, d.riverActions], [data.flop, data.turn, data.river])
        if (data.rake !== undefined)
            fuzzyCompare(d.rakeTaken, data.rake, 1e-9)
        compare(d.winner, data.winner)
        compare(isNaN(d.wonAmount), isNaN(data.won))
        if (!isNaN(data.won))
            compare(d.wonAmount, data.won)
        compare(calls.length, data.calls)
        if (calls.length > 0)
            compare(calls[0], [data.entry.board.substr(0, 10), data.entry.oop, data.entry.ip])
    }

    function test_detailsBoard_data() {
        return [
            { tag: "flop", board: "AsKs2h", want: ["AsKs2h", "AsKs2h", "", ""] },
            { tag: "turn", board: "AsKs2h7d", want: ["AsKs2h", "AsKs2h7d", "7d", ""] },
            { tag: "river", board: "AsKs2h7dQh", want: ["AsKs2h", "AsKs2h7dQh", "7d", "Qh"] },
            { tag: "short", board: "AsK", want: ["AsK", "AsK", "", ""] }
        ]
    }
    function test_detailsBoard(data) {
        const b = Details.boardParts(data.board)
        compare([b.flopBoard, b.riverBoard, b.turnCard, b.riverCard], data.want)
    }

    function test_rake_data() {
        return [
            { tag: "no rake", pot: 100, pct: 0, cap: 3, want: 0 },
            { tag: "capped", pot: 100, pct: 5, cap: 3, want: 3 },
            { tag: "under the cap", pot: 40, pct: 5, cap: 3, want: 2 },
            { tag: "no cap", pot: 100, pct: 5, cap: 0, want: 5 },
            { tag: "no pot", pot: NaN, pct: 5, cap: 0, want: 0 }
        ]
    }
    function test_rake(data) {
        compare(Details.rakeTaken(data.pot, data.pct, data.cap), data.want)
    }

    function test_logTexts() {
        verify(Details.entryIsMistake({ evLoss: 0.25 }))
        verify(Details.entryIsMistake({ isMistake: true, evLoss: NaN }))
        verify(!Details.entryIsMistake({ evLoss: NaN }))
        compare(Details.lossText({ evLoss: 0.25 }), "EV -0.250")
        compare(Details.userCards({ role: "IP", oop: "QhQd", ip: "8h8d" }), ["8h", "8d"])
        compare(Details.userCards({ role: "BOTH", oop: "QhQd", ip: "8h8d" }), ["Qh", "Qd"])
        compare([Details.chipsOrDash(2.5), Details.chipsOrDash(-0.4), Details.chipsOrDash(NaN)], ["2.50", "-0.40", "\u2014"])
    }

    function test_detailsPanelHeight_data() {
        return [
            { tag: "content decides", column: 900, content: 150, want: 170 },
            { tag: "at least 120", column: 900, content: 40, want: 120 },
            { tag: "0.55 of the table above it", column: 500, content: 400, want: 0.55 * 490 / 1.55 },
            { tag: "never past 360", column: 2000, content: 600, want: 360 },
            { tag: "never under 140 when capped", column: 200, content: 400, want: 140 }
        ]
    }
    function test_detailsPanelHeight(data) {
        const h = Details.detailsPanelHeight(data.column, data.content, 10)
        fuzzyCompare(h, data.want, 1e-9)
        // The panel never passes the bound its table area gives it.
        verify(h <= Math.max(140, Math.min(360, 0.55 * (data.column - 10 - h))) + 1e-9)
    }

    function test_logPanelWidths() {
        compare(Details.logPanelWidths(1), { preferred: 340, minimum: 300 })
        compare(Details.logPanelWidths(0.75), { preferred: 255, minimum: 225 })
        compare(Details.detailsColumnWidth(1004), 200)
        compare(Details.detailsColumnWidth(500), 170)
    }

    // A narrow panel squeezes its five columns to stay in view, down to the
    // width their content needs; wide panels share the width out.
    function test_detailsColumnFit_data() {
        return [
            { tag: "wide", content: 1004, want: 200 },
            { tag: "room for 170 each", content: 854, want: 170 },
            { tag: "squeezed", content: 754, want: 150 },
            { tag: "never below the content", content: 300, want: Details.DETAILS_COLUMN_MIN }
        ]
    }
    function test_detailsColumnFit(data) {
        compare(Details.detailsColumnFit(data.content), data.want)
    }

    // ---- Table ----

    function test_paintedRect_data() {
        return [
            // The drawing is 1600 × 1000.
            { tag: "wide area: bands at the sides", w: 1600, h: 560, pw: 0, ph: 0, want: { x: 352, y: 0, width: 896, height: 560 } },
            { tag: "tall area: bands above and below", w: 800, h: 1000, pw: 0, ph: 0, want: { x: 0, y: 250, width: 800, height: 500 } },
            { tag: "the painted size once loaded", w: 800, h: 600, pw: 700, ph: 400, want: { x: 50, y: 100, width: 700, height: 400 } }
        ]
    }
    function test_paintedRect(data) {
        const r = Table.paintedRect(data.w, data.h, data.pw, data.ph)
        for (const k in data.want)
            fuzzyCompare(r[k], data.want[k], 1e-9)
    }

    function test_seatAnchors_data() {
        return [
            { tag: "short", h: 519, ipExtra: 18 },
            { tag: "520", h: 520, ipExtra: 8 },
            { tag: "tall", h: 800, ipExtra: 8 }
        ]
    }
    function test_seatAnchors(data) {
        const a = Table.seatAnchors(1000, data.h)
        compare(a.oop, { x: 500, y: data.h / 2 - 0.26 * data.h })
        compare(a.ip, { x: 500, y: data.h / 2 + 0.26 * data.h + data.ipExtra })
        compare(Table.promptWidth(1000), 380)
        compare(Table.promptWidth(600), 270)
    }

    function test_faceUp_data() {
        return [
            { tag: "OOP", role: "OOP", drill: false, actor: "", want: [true, false] },
            { tag: "IP", role: "IP", drill: false, actor: "", want: [false, true] },
            { tag: "both", role: "BOTH", drill: false, actor: "", want: [true, true] },
            { tag: "no role", role: "", drill: false, actor: "", want: [false, false] },
            { tag: "drilling the other seat", role: "OOP", drill: true, actor: "IP", want: [true, true] },
            { tag: "drill over", role: "OOP", drill: false, actor: "IP", want: [true, false] }
        ]
    }
    function test_faceUp(data) {
        compare([Table.cardsFaceUp(data.role, "OOP", data.drill, data.actor),
                 Table.cardsFaceUp(data.role, "IP", data.drill, data.actor)], data.want)
    }

    // ---- Chance picker in a hand: hole cards are not offered ----

    function pickerTree() {
        const nodes = {
            "0": { meta: { nodeType: "chance", chanceDeal: "turn" },
                   actions: [{ name: "7d", childIndex: 1 }, { name: "Qh", childIndex: 2 }, { name: "9c", childIndex: 3 }] }
        }
        return {
            meta: function (i) { return nodes[String(i)] ? nodes[String(i)].meta : {} },
            actions: function (i) { return nodes[String(i)] ? nodes[String(i)].actions : [] }
        }
    }

    function test_pickerBlockedCards_data() {
        // Board AsKs2h: clubs and diamonds are absent, so 7c and 7d are one class.
        return [
            { tag: "none", blocked: [], offered: [0, 1, 2], cells: { "7d": 0, "7c": 0, "Qh": 1, "9c": 2, "9d": 2 } },
            { tag: "a held card the solver lists", blocked: ["Qh"], offered: [0, 2], cells: { "Qh": -1 } },
            { tag: "a held card of an absent suit", blocked: ["7c"], offered: [0, 1, 2], cells: { "7c": -1, "7d": 0 } },
            { tag: "the listed card held: another of its class", blocked: ["7d"], offered: [0, 1, 2], cells: { "7d": -1, "7c": 0 } },
            { tag: "the whole class held", blocked: ["7d", "7c"], offered: [1, 2], cells: { "7d": -1, "7c": -1 } }
        ]
    }
    function test_pickerBlockedCards(data) {
        const s = Tree.chancePickerSetup([{ nodeIndex: 0, selectedActionIndex: -1 }], 0, 0, pickerTree(), {}, "AsKs2h", data.blocked)
        compare(s.available, data.offered)
        for (const card in data.cells)
            compare(Tree.chanceCardIndexForSelection(card, s.indexByCard, s.boardText), data.cells[card], card)
        for (let i = 0; i < s.available.length; ++i)
            verify(data.blocked.indexOf(Tree.cardForIndex(s.indexByCard, s.available[i])) < 0)
    }
}
