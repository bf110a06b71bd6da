.pragma library
// A small solved tree for the results-page tests, on the flop AsKs2h (clubs
// and diamonds absent): OOP acts first; the turn lists one card per class
// of suit-equivalent cards (7d stands for 7c too), as the engine does.
//
//   0 OOP: Check -> 1, Bet 75% -> 3, Bet 33% -> 2
//   1 IP: Check -> 4 (turn), Bet 50% -> 5
//   2 IP: Fold -> 6 (terminal), Call -> 7 (turn), Raise 60% -> 8, Raise 120% -> 99 (outside)
//   4 turn: 7d -> 9, Qh -> 10, 9c -> 11, 3s -> 12
//   9 OOP: Check -> 13 (river), Bet 50% -> 5
//   13 river: 9d -> 14, 9c -> 15, 7c -> 16, Qh -> 17, Ah -> 18

function action(name, type, freq, child) {
    return { name: name, actionType: type, frequency: freq, childIndex: child }
}

function decision(player, pot, actions, extra) {
    const node = {
        meta: { nodeType: "decision", chanceDeal: "", player: player, pot: pot, effectiveStack: 95,
                investedOop: pot / 2, investedIp: pot / 2, hasChildren: actions.length > 0 },
        actions: actions
    }
    for (const k in (extra || {}))
        node[k] = extra[k]
    return node
}

function chance(deal, pot, cards) {
    const share = 1 / cards.length
    return {
        meta: { nodeType: "chance", chanceDeal: deal, player: "", pot: pot, effectiveStack: 95,
                investedOop: pot / 2, investedIp: pot / 2, hasChildren: true },
        actions: cards.map(function (c) { return action(c[0], "chance", share, c[1]) })
    }
}

function combo(c1, c2, weight, ev, actionEvs, buckets, probs) {
    return { c1: c1, c2: c2, weight: weight, ev: ev, actionEvs: actionEvs, buckets: buckets, actionProbs: probs }
}

// Combo rows of OOP at the root, by EV (highest first).
function rootCombos() {
    return [
        combo("Ac", "Ad", 1.0, 9.5, [9.0, 9.5, 9.4], ["Set"], [0.2, 0.5, 0.3]),
        combo("Qc", "Qd", 1.0, 4.0, [4.0, 3.8, 3.5], ["Overpair"], [1.0, 0, 0]),
        combo("Jc", "Jd", 0.8, 3.1, [3.1, 2.9, 2.0], ["Overpair"], [0.9, 0.1, 0]),
        combo("Jh", "Js", 0.5, 3.0, [3.0, 2.8, 2.1], ["Overpair"], [0.9, 0.1, 0]),
        combo("Ah", "Kh", 1.0, 2.5, [2.4, 2.5, 2.2], ["Two pair"], [0.3, 0.7, 0]),
        combo("Ad", "Kc", 0.7, 2.2, [2.2, 2.0, 1.9], ["Two pair"], [0.6, 0.4, 0]),
        combo("6h", "5h", 0.6, -0.4, [-0.4, -0.6, -0.2], ["Draw"], [0.5, 0, 0.5])
    ]
}

function tree() {
    const t = {}
    t["0"] = decision("OOP", 10, [action("Check", "check", 0.6, 1), action("Bet 75%", "bet", 0.15, 3),
                                  action("Bet 33%", "bet", 0.25, 2)], {
        actionStats: [
            { name: "Check", actionType: "check", frequency: 0.6, combos: 30, equity: 0.5, ev: 1.2 },
            { name: "Bet 75%", actionType: "bet", frequency: 0.15, combos: 8, equity: 0.6, ev: 1.1 },
            { name: "Bet 33%", actionType: "bet", frequency: 0.25, combos: 12, equity: 0.55, ev: 1.5 }
        ],
        combos: rootCombos(),
        buckets: [
            { name: "Set", displayName: "Set", combos: 1, actionProbs: [0.2, 0.5, 0.3] },
            { name: "Overpair", displayName: "Overpair", combos: 2.25, actionProbs: [0.95, 0.05, 0] },
            { name: "Draw", displayName: "Draw", combos: 0.6, actionProbs: [0.5, 0, 0.5] }
        ]
    })
    t["1"] = decision("IP", 10, [action("Check", "check", 0.7, 4), action("Bet 50%", "bet", 0.3, 5)])
    t["2"] = decision("IP", 13.3, [action("Fold", "fold", 0.2, 6), action("Call", "call", 0.5, 7),
                                   action("Raise 60%", "raise", 0.2, 8), action("Raise 120%", "raise", 0.1, 99)], {
        actionStats: [
            { name: "Fold", actionType: "fold", frequency: 0.2, combos: 4, equity: 0.2, ev: -0.5 },
            { name: "Call", actionType: "call", frequency: 0.5, combos: 10, equity: 0.5, ev: 1.25 },
            { name: "Raise 60%", actionType: "raise", frequency: 0.2, combos: 4, equity: 0.7, ev: 2.0 },
            { name: "Raise 120%", actionType: "raise", frequency: 0.1, combos: 2, equity: 0.8, ev: NaN }
        ],
        combos: [combo("Tc", "Td", 1.0, 1.0, [-1.0, 0.5, 1.5, NaN], [], [0.1, 0.6, 0.3, 0])]
    })
    t["3"] = decision("IP", 17.5, [action("Fold", "fold", 0.4, 6), action("Call", "call", 0.6, 7)])
    t["4"] = chance("turn", 10, [["7d", 9], ["Qh", 10], ["9c", 11], ["3s", 12]])
    t["5"] = decision("OOP", 15, [action("Fold", "fold", 0.3, 6), action("Call", "call", 0.7, 7)])
    t["6"] = { meta: { nodeType: "terminal", chanceDeal: "", player: "", pot: 10, effectiveStack: 95,
                       investedOop: 5, investedIp: 5, hasChildren: false }, actions: [] }
    t["7"] = chance("turn", 16.6, [["7d", 9], ["Qh", 10]])
    t["8"] = decision("OOP", 21, [action("Fold", "fold", 0.5, 6), action("Call", "call", 0.5, 7)])
    t["9"] = decision("OOP", 10, [action("Check", "check", 0.5, 13), action("Bet 50%", "bet", 0.5, 5)])
    for (const i of [10, 11, 12])
        t[String(i)] = decision("OOP", 10, [action("Check", "check", 1, 13)])
    t["13"] = chance("river", 10, [["9d", 14], ["9c", 15], ["7c", 16], ["Qh", 17], ["Ah", 18]])
    for (let i = 14; i <= 18; ++i)
        t[String(i)] = decision("OOP", 10, [action("Check", "check", 1, 6)])
    return t
}
