.pragma library
// The one project state: its 37 keys with their types and solve-map keys, the
// presets, and the conversions used to export and apply it.

// In the order every whole-state operation walks them.
var KEYS = [
    { name: "boardText", type: "string", mapKey: "board" },
    { name: "oopRangeText", type: "string", mapKey: "oop_range" },
    { name: "ipRangeText", type: "string", mapKey: "ip_range" },
    { name: "betSizesText", type: "string", mapKey: "" },
    { name: "maxIterations", type: "int", mapKey: "max_iterations" },
    { name: "startingPot", type: "real", mapKey: "starting_pot" },
    { name: "effectiveStack", type: "real", mapKey: "effective_stack" },
    { name: "threadCount", type: "int", mapKey: "thread_count" },
    { name: "startingStreet", type: "string", mapKey: "starting_street" },
    { name: "targetExploitability", type: "real", mapKey: "target_exploitability" },
    { name: "rakePercent", type: "real", mapKey: "rake_percent" },
    { name: "rakeCap", type: "int", mapKey: "rake_cap" },
    { name: "oopFlopBetSizesText", type: "string", mapKey: "oop_flop_bet_sizes" },
    { name: "oopTurnBetSizesText", type: "string", mapKey: "oop_turn_bet_sizes" },
    { name: "oopRiverBetSizesText", type: "string", mapKey: "oop_river_bet_sizes" },
    { name: "oopFlopRaiseSizesText", type: "string", mapKey: "oop_flop_raise_sizes" },
    { name: "oopTurnRaiseSizesText", type: "string", mapKey: "oop_turn_raise_sizes" },
    { name: "oopRiverRaiseSizesText", type: "string", mapKey: "oop_river_raise_sizes" },
    { name: "oopFlopAddAllIn", type: "bool", mapKey: "oop_flop_add_all_in" },
    { name: "oopTurnAddAllIn", type: "bool", mapKey: "oop_turn_add_all_in" },
    { name: "oopRiverAddAllIn", type: "bool", mapKey: "oop_river_add_all_in" },
    { name: "oopFlopDontDonk", type: "bool", mapKey: "oop_flop_dont_donk" },
    { name: "oopTurnDontDonk", type: "bool", mapKey: "oop_turn_dont_donk" },
    { name: "oopRiverDontDonk", type: "bool", mapKey: "oop_river_dont_donk" },
    { name: "ipFlopBetSizesText", type: "string", mapKey: "ip_flop_bet_sizes" },
    { name: "ipTurnBetSizesText", type: "string", mapKey: "ip_turn_bet_sizes" },
    { name: "ipRiverBetSizesText", type: "string", mapKey: "ip_river_bet_sizes" },
    { name: "ipFlopRaiseSizesText", type: "string", mapKey: "ip_flop_raise_sizes" },
    { name: "ipTurnRaiseSizesText", type: "string", mapKey: "ip_turn_raise_sizes" },
    { name: "ipRiverRaiseSizesText", type: "string", mapKey: "ip_river_raise_sizes" },
    { name: "ipFlopAddAllIn", type: "bool", mapKey: "ip_flop_add_all_in" },
    { name: "ipTurnAddAllIn", type: "bool", mapKey: "ip_turn_add_all_in" },
    { name: "ipRiverAddAllIn", type: "bool", mapKey: "ip_river_add_all_in" },
    { name: "oopAddAllInIfJamLtEnabled", type: "bool", mapKey: "oop_add_all_in_jam_threshold_enabled" },
    { name: "oopAddAllInIfJamLtPct", type: "real", mapKey: "oop_add_all_in_jam_threshold_pct" },
    { name: "ipAddAllInIfJamLtEnabled", type: "bool", mapKey: "ip_add_all_in_jam_threshold_enabled" },
    { name: "ipAddAllInIfJamLtPct", type: "real", mapKey: "ip_add_all_in_jam_threshold_pct" }
]

var SIZING_KEYS = [
    "oopFlopBetSizesText", "oopFlopRaiseSizesText", "oopTurnBetSizesText",
    "oopTurnRaiseSizesText", "oopRiverBetSizesText", "oopRiverRaiseSizesText",
    "ipFlopBetSizesText", "ipFlopRaiseSizesText", "ipTurnBetSizesText",
    "ipTurnRaiseSizesText", "ipRiverBetSizesText", "ipRiverRaiseSizesText"
]

// The default preset's ranges.
var RANGE_A = "88+,A8s+,A5s-A2s:0.5,AJo+,ATo:0.75,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,"
        + "J8s+,JTo:0.25,T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,74s:0.45,"
        + "65s:0.75,64s:0.5,63s:0.45,54s:0.75,53s:0.5,52s:0.45,43s:0.5,42s:0.45,32s:0.45"
var RANGE_B = "AA:0.25,99-22,AJs-A2s,AQo-A8o,K2s+,K9o+,Q2s+,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,"
        + "98o,86s+,85s:0.5,75s+,74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s"

// The thread count of the presets: the machine's, else `fallback`.
function presetThreads(systemThreads, fallback) {
    const s = Number(systemThreads)
    return isFinite(s) && s !== 0 ? s : fallback
}

function _tokens(text) {
    return text.split(",").map(function (t) { return t.trim() }).filter(function (t) { return t.length > 0 })
}

function _sizing(flopBet, turnBet, riverBet, flopRaise, turnRaise, riverRaise) {
    const out = {}
    ;["oop", "ip"].forEach(function (seat) {
        out[seat + "FlopBetSizesText"] = flopBet
        out[seat + "TurnBetSizesText"] = turnBet
        out[seat + "RiverBetSizesText"] = riverBet
        out[seat + "FlopRaiseSizesText"] = flopRaise
        out[seat + "TurnRaiseSizesText"] = turnRaise
        out[seat + "RiverRaiseSizesText"] = riverRaise
    })
    return out
}

function _withFlags(p) {
    ;["Flop", "Turn", "River"].forEach(function (street) {
        p["oop" + street + "AddAllIn"] = false
        p["oop" + street + "DontDonk"] = false
        p["ip" + street + "AddAllIn"] = false
    })
    p.oopAddAllInIfJamLtEnabled = false
    p.oopAddAllInIfJamLtPct = 0.0
    p.ipAddAllInIfJamLtEnabled = false
    p.ipAddAllInIfJamLtPct = 0.0
    return p
}

function _assign(target, source) {
    for (const k in source)
        target[k] = source[k]
    return target
}

function startupBlankPreset(systemThreads) {
    return _withFlags(_assign({
        boardText: "", oopRangeText: "", ipRangeText: "", betSizesText: "",
        maxIterations: 0, startingPot: 0, effectiveStack: 0,
        threadCount: presetThreads(systemThreads, 1), startingStreet: "flop",
        targetExploitability: 0.0, rakePercent: 0.0, rakeCap: 0
    }, _sizing("", "", "", "", "", "")))
}

function newProjectPreset(systemThreads, developerMode) {
    return _withFlags(_assign({
        boardText: "", oopRangeText: "", ipRangeText: "", betSizesText: "",
        maxIterations: 400, startingPot: developerMode ? 180 : 18,
        effectiveStack: developerMode ? 910 : 91,
        threadCount: presetThreads(systemThreads, 12), startingStreet: "flop",
        targetExploitability: 0.5, rakePercent: 5.0, rakeCap: developerMode ? 30 : 3
    }, _sizing("", "", "", "", "", "")))
}

function defaultPreset(systemThreads) {
    return _withFlags(_assign({
        boardText: "QsJh2h", oopRangeText: RANGE_A, ipRangeText: RANGE_B, betSizesText: "52",
        maxIterations: 400, startingPot: 180, effectiveStack: 910,
        threadCount: presetThreads(systemThreads, 12), startingStreet: "flop",
        targetExploitability: 0.5, rakePercent: 5.0, rakeCap: 30
    }, _sizing("52", "55", "70", "45", "45", "45")))
}

// Replaces the first occurrence of `from` in `text`.
function _replaceFirst(text, from, to) {
    const i = text.indexOf(from)
    return i < 0 ? text : text.slice(0, i) + to + text.slice(i + from.length)
}

function customerOopRange(rangeA) {
    let text = _replaceFirst(rangeA, "A5s-A2s:0.5", "A5s,A4s,A3s-A2s:0.5")
    text = _replaceFirst(text, "ATo:0.75", "ATo")
    const dropped = ["42s", "52s", "63s", "74s"]
    const tokens = _tokens(text).concat(["A9o:0.5", "K8s:0.5", "Q8s:0.5", "77:0.5", "66:0.5", "55:0.25"])
    return tokens.filter(function (t) {
        return !dropped.some(function (d) { return t === d || t.indexOf(d + ":") === 0 })
    }).join(",")
}

function customerIpRange(rangeB) {
    let text = _replaceFirst(rangeB, "AQo-A8o", "AQo-A7o")
    text = _replaceFirst(text, "AJs-A2s", "AJs-A6s,A5s-A4s:0.5,A3s-A2s")
    text = _replaceFirst(text, "Q2s+", "Q4s+,Q3s-Q2s:0.5")
    return _tokens(text).concat(["QQ:0.25", "JJ:0.25", "TT:0.5", "A5o:0.5", "A4o:0.5", "J5s:0.5", "T5s:0.5"]).join(",")
}

function customerQuickSolvePreset(defaults) {
    const p = _assign({}, defaults)
    _assign(p, {
        boardText: "AdJd8s", startingPot: 18, effectiveStack: 91, rakeCap: 3, betSizesText: "50"
    })
    _assign(p, _sizing("50", "75", "75", "50", "50", "75"))
    p.oopRangeText = customerOopRange(String(defaults.oopRangeText))
    p.ipRangeText = customerIpRange(String(defaults.ipRangeText))
    return p
}

// A stored value converted to a key's type; undefined when it cannot be, so
// the current value stays. Never throws.
function convertValue(type, value) {
    if (value === undefined || value === null)
        return undefined
    try {
        if (type === "string")
            return String(value)
        if (type === "bool")
            return !!value
        if (typeof value === "object")
            return undefined
        if (typeof value === "string" && value.trim().length === 0)
            return undefined
        const n = Number(value)
        if (!isFinite(n))
            return undefined
        if (type === "int") {
            const r = Math.round(n)
            return r > 2147483647 || r < -2147483648 ? undefined : r
        }
        return n
    } catch (e) {
        return undefined
    }
}

// A snapshot of the 37 keys of `holder`.
function exportState(holder) {
    const out = {}
    for (let i = 0; i < KEYS.length; ++i)
        out[KEYS[i].name] = holder[KEYS[i].name]
    return out
}

// Assigns the keys `p` holds, in table order, converted to their types;
// keys it lacks or cannot convert keep their values, extra keys are ignored.
function applyState(holder, p) {
    if (p === undefined || p === null || typeof p !== "object")
        return
    for (let i = 0; i < KEYS.length; ++i) {
        const key = KEYS[i]
        let raw
        try {
            raw = p[key.name]
        } catch (e) {
            continue
        }
        if (raw === undefined)
            continue
        const value = convertValue(key.type, raw)
        if (value === undefined)
            continue
        try {
            holder[key.name] = value
        } catch (e) {
            // a property that refuses the value keeps its own
        }
    }
}
