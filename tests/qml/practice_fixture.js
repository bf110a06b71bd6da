.pragma library
// A small solved tree for the practice-mode tests, on the flop AsKs2h
// (clubs and diamonds absent). The chance nodes list cards that the
// players' ranges hold too, so that a deal that forgets a hand shows it.
//
//   0 OOP (pot 10): Check -> 1, All-In -> 2
//   1 IP: Check -> 4 (turn), Bet 50% -> 3
//   2 IP facing the all-in: Fold -> 10 (terminal), Call -> 11 (turn)
//   3 OOP facing the bet: Fold -> 15 (terminal), Call -> 4
//   4 turn -> 5; 5 OOP: Check -> 6, Bet 50% -> 6; 6 IP: Check -> 7 (river)
//   7 river -> 8; 8 OOP: Check -> 9; 9 IP: Check -> 12 (terminal, showdown)
//   11 turn -> 13 (river) -> 14 (terminal, showdown)

var BOARD = "AsKs2h"
var TURN_CARDS = ["7d", "Qh", "9c", "3s", "Jd", "Tc", "8h", "5s", "6d"]
var RIVER_CARDS = ["7h", "Qd", "9d", "3h", "Jc", "Td", "8d", "5h", "6c", "4s"]

function action(name, type, freq, child) {
    return { name: name, actionType: type, frequency: freq, childIndex: child }
}

function meta(type, player, pot, investedOop, investedIp, deal) {
    return { nodeType: type, chanceDeal: deal || "", player: player, pot: pot, effectiveStack: 100,
             investedOop: investedOop, investedIp: investedIp, hasChildren: type !== "terminal" }
}

function decision(player, pot, io, ii, actions, extra) {
    const node = { meta: meta("decision", player, pot, io, ii), actions: actions }
    for (const k in (extra || {}))
        node[k] = extra[k]
    return node
}

function chance(deal, pot, io, ii, cards, child) {
    return {
        meta: meta("chance", "", pot, io, ii, deal),
        actions: cards.map(function (c) { return action(c, "chance", 1 / cards.length, child) })
    }
}

function terminal(pot, io, ii) {
    return { meta: meta("terminal", "", pot, io, ii), actions: [] }
}

function combo(c1, c2, weight, actionEvs) {
    return { c1: c1, c2: c2, weight: weight, ev: actionEvs[0], actionEvs: actionEvs, buckets: [],
             actionProbs: actionEvs.map(function () { return 1 / actionEvs.length }) }
}

function seat(c1, c2, weight) {
    return { c1: c1, c2: c2, weight: weight }
}

// OOP's range: at the root Check is worth more for every hand but 7d7h,
// which gains by the all-in.
function oopSeatCombos() {
    return [seat("7d", "7h", 1), seat("Qh", "Qd", 1), seat("9c", "8c", 1), seat("Jd", "Tc", 1),
            seat("6d", "6c", 0), seat("3s", "3d", 1)]
}

function ipSeatCombos() {
    return [seat("Qh", "Jh", 1), seat("8h", "8d", 1), seat("5s", "5d", 1), seat("7d", "6d", 1),
            seat("Tc", "Td", 1), seat("9d", "9h", 1)]
}

function seatCombos() {
    return { OOP: oopSeatCombos(), IP: ipSeatCombos() }
}

function tree() {
    const t = {}
    t["0"] = decision("OOP", 10, 5, 5, [action("Check", "check", 0.5, 1), action("All-In", "allin", 0.5, 2)], {
        seatCombos: seatCombos(),
        actionStats: [
            { name: "Check", actionType: "check", frequency: 0.5, combos: 5, equity: 0.5, ev: 4.0 },
            { name: "All-In", actionType: "allin", frequency: 0.5, combos: 5, equity: 0.5, ev: 3.0 }
        ],
        combos: [combo("7d", "7h", 1, [2.0, 3.5]), combo("Qh", "Qd", 1, [5.0, 4.0]),
                 combo("9c", "8c", 1, [1.0, -2.0]), combo("Jd", "Tc", 1, [0.5, NaN]),
                 combo("3s", "3d", 1, [NaN, 1.0])]
    })
    t["1"] = decision("IP", 10, 5, 5, [action("Check", "check", 1, 4), action("Bet 50%", "bet", 0, 3)],
                      { seatCombos: seatCombos() })
    t["2"] = decision("IP", 105, 100, 5, [action("Fold", "fold", 0.5, 10), action("Call", "call", 0.5, 11)], {
        seatCombos: seatCombos(),
        combos: [combo("Qh", "Jh", 1, [0, -20]), combo("8h", "8d", 1, [0, 4.0])]
    })
    t["3"] = decision("OOP", 15, 5, 10, [action("Fold", "fold", 1, 15), action("Call", "call", 0, 4)])
    t["4"] = chance("turn", 10, 5, 5, TURN_CARDS, 5)
    // The solver's turn card is 7d: hands here are named in its suits.
    t["5"] = decision("OOP", 10, 5, 5, [action("Check", "check", 1, 6), action("Bet 50%", "bet", 0, 6)], {
        seatCombos: seatCombos(),
        combos: [combo("9d", "8d", 1, [1.0, 3.0]), combo("9c", "8c", 1, [3.0, 1.0])]
    })
    t["6"] = decision("IP", 10, 5, 5, [action("Check", "check", 1, 7)])
    t["7"] = chance("river", 10, 5, 5, RIVER_CARDS, 8)
    t["8"] = decision("OOP", 10, 5, 5, [action("Check", "check", 1, 9)])
    t["9"] = decision("IP", 10, 5, 5, [action("Check", "check", 1, 12)])
    t["10"] = terminal(105, 100, 5)
    t["11"] = chance("turn", 200, 100, 100, TURN_CARDS, 13)
    t["12"] = terminal(10, 5, 5)
    t["13"] = chance("river", 200, 100, 100, RIVER_CARDS, 14)
    t["14"] = terminal(200, 100, 100)
    t["15"] = terminal(15, 5, 10)
    return t
}

// A seeded uniform generator in [0, 1) (a linear congruential one).
function seeded(seed) {
    let s = seed >>> 0
    return function () {
        s = (Math.imul(s, 1664525) + 1013904223) >>> 0
        return s / 4294967296
    }
}

// Answers `values` in turn, then the last one again and again.
function sequence(values) {
    let i = 0
    return function () {
        const v = values[Math.min(i, values.length - 1)]
        i += 1
        return v
    }
}
