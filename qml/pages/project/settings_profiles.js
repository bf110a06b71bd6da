.pragma library
.import "range_library.js" as Library
.import "../../components/project_state.js" as ProjectState
// Settings profiles: the cleaned profile list and its stored text, free
// names, the snapshot of the game settings and bet sizing, and applying a
// snapshot to the page.
//
// A profile is {id, name, createdAt, data}, its keys in that order; `data`
// is a snapshot. `makeId` makes node ids (the page's own).

// The snapshot's keys in their written order, with the page property each
// one is taken from and its type ("real", "int", "string", "bool").
var SNAPSHOT_KEYS = [
    { key: "starting_pot", name: "startingPot", type: "real" },
    { key: "effective_stack", name: "effectiveStack", type: "real" },
    { key: "rake_percent", name: "rakePercent", type: "real" },
    { key: "rake_cap", name: "rakeCap", type: "int" },
    { key: "target_exploitability_pct", name: "targetExploitability", type: "real" },
    { key: "max_iterations", name: "maxIterations", type: "int" },
    { key: "starting_street", name: "startingStreet", type: "string" },
    { key: "oop_flop_bet_sizes", name: "oopFlopBetSizesText", type: "string" },
    { key: "oop_turn_bet_sizes", name: "oopTurnBetSizesText", type: "string" },
    { key: "oop_river_bet_sizes", name: "oopRiverBetSizesText", type: "string" },
    { key: "oop_flop_raise_sizes", name: "oopFlopRaiseSizesText", type: "string" },
    { key: "oop_turn_raise_sizes", name: "oopTurnRaiseSizesText", type: "string" },
    { key: "oop_river_raise_sizes", name: "oopRiverRaiseSizesText", type: "string" },
    { key: "oop_flop_add_all_in", name: "oopFlopAddAllIn", type: "bool" },
    { key: "oop_turn_add_all_in", name: "oopTurnAddAllIn", type: "bool" },
    { key: "oop_river_add_all_in", name: "oopRiverAddAllIn", type: "bool" },
    { key: "oop_flop_dont_donk", name: "oopFlopDontDonk", type: "bool" },
    { key: "oop_turn_dont_donk", name: "oopTurnDontDonk", type: "bool" },
    { key: "oop_river_dont_donk", name: "oopRiverDontDonk", type: "bool" },
    { key: "ip_flop_bet_sizes", name: "ipFlopBetSizesText", type: "string" },
    { key: "ip_turn_bet_sizes", name: "ipTurnBetSizesText", type: "string" },
    { key: "ip_river_bet_sizes", name: "ipRiverBetSizesText", type: "string" },
    { key: "ip_flop_raise_sizes", name: "ipFlopRaiseSizesText", type: "string" },
    { key: "ip_turn_raise_sizes", name: "ipTurnRaiseSizesText", type: "string" },
    { key: "ip_river_raise_sizes", name: "ipRiverRaiseSizesText", type: "string" },
    { key: "ip_flop_add_all_in", name: "ipFlopAddAllIn", type: "bool" },
    { key: "ip_turn_add_all_in", name: "ipTurnAddAllIn", type: "bool" },
    { key: "ip_river_add_all_in", name: "ipRiverAddAllIn", type: "bool" },
    { key: "oop_add_all_in_jam_threshold_enabled", name: "oopAddAllInIfJamLtEnabled", type: "bool" },
    { key: "oop_add_all_in_jam_threshold_pct", name: "oopAddAllInIfJamLtPct", type: "real" },
    { key: "ip_add_all_in_jam_threshold_enabled", name: "ipAddAllInIfJamLtEnabled", type: "bool" },
    { key: "ip_add_all_in_jam_threshold_pct", name: "ipAddAllInIfJamLtPct", type: "real" }
]

// Read from older profiles, never written.
var LEGACY_TARGET = "target_exploitability"
var LEGACY_JAM_ENABLED = "add_all_in_jam_threshold_enabled"
var LEGACY_JAM_PCT = "add_all_in_jam_threshold_pct"

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _has(data, key) {
    try {
        return Object.prototype.hasOwnProperty.call(data, key) && data[key] !== undefined
    } catch (e) {
        return false
    }
}

// ---- Profiles ------------------------------------------------------------

// A cleaned copy: entries without a usable name are dropped, blank ids
// replaced, a missing time "" and missing data {}; only the four keys stay.
function sanitizeProfiles(arr, makeId) {
    const newId = makeId || Library.newNodeId
    const out = []
    if (!Array.isArray(arr))
        return out
    for (let i = 0; i < arr.length; ++i) {
        const el = arr[i]
        if (el === undefined || el === null)
            continue
        const name = _text(el.name).trim()
        if (name.length === 0)
            continue
        const id = _text(el.id).trim().length > 0 ? _text(el.id) : newId()
        out.push({ id: id, name: name, createdAt: _text(el.createdAt), data: el.data ? el.data : {} })
    }
    return out
}

// The stored list, cleaned; [] for a blank text or text that is no JSON.
function parseStoredProfiles(text, makeId) {
    const t = _text(text)
    if (t.trim().length === 0)
        return []
    let parsed
    try {
        parsed = JSON.parse(t)
    } catch (e) {
        return []
    }
    return sanitizeProfiles(parsed, makeId)
}

function profilesJson(list, makeId) {
    return JSON.stringify(sanitizeProfiles(list, makeId))
}

// The desired name, trimmed, or with " (k)" for the smallest free k from 2;
// "" for a blank name.
function uniqueProfileName(existing, desiredName) {
    return Library.uniqueName(existing, desiredName)
}

function indexOfProfile(list, id) {
    const wanted = _text(id)
    const items = Array.isArray(list) ? list : []
    for (let i = 0; i < items.length; ++i) {
        if (items[i] && _text(items[i].id) === wanted)
            return i
    }
    return -1
}

// A copy without every profile whose id, as text, is the given one.
function withoutProfile(list, id) {
    const wanted = _text(id)
    return (Array.isArray(list) ? list : []).filter(function (p) {
        return !(p && _text(p.id) === wanted)
    })
}

// ---- Snapshots -----------------------------------------------------------

function snapshot(holder) {
    const out = {}
    for (let i = 0; i < SNAPSHOT_KEYS.length; ++i) {
        const k = SNAPSHOT_KEYS[i]
        const v = holder[k.name]
        out[k.key] = k.type === "string" ? _text(v) : k.type === "bool" ? !!v : Number(v)
    }
    return out
}

function _assign(holder, name, value) {
    if (value === undefined)
        return
    try {
        holder[name] = value
    } catch (e) {
        // a property that refuses the value keeps its own
    }
}

function _typeOf(name) {
    for (let i = 0; i < SNAPSHOT_KEYS.length; ++i) {
        if (SNAPSHOT_KEYS[i].name === name)
            return SNAPSHOT_KEYS[i].type
    }
    return "string"
}

// Assigns the value of `key` to the property when the key is present and
// the value converts to the property's type.
function _assignIfPresent(holder, data, key, name) {
    if (_has(data, key))
        _assign(holder, name, ProjectState.convertValue(_typeOf(name), data[key]))
}

function _truth(data, key) {
    return _has(data, key) && !!data[key]
}

// Writes the page's properties from a snapshot. Values are converted to
// each property's type; one that does not convert keeps the current value,
// and the other keys are applied all the same. Never throws.
function applySnapshot(holder, data) {
    if (data === undefined || data === null)
        return
    _assignIfPresent(holder, data, "starting_pot", "startingPot")
    _assignIfPresent(holder, data, "effective_stack", "effectiveStack")
    _assignIfPresent(holder, data, "rake_percent", "rakePercent")
    _assignIfPresent(holder, data, "rake_cap", "rakeCap")

    // The target in percent of the pot; older profiles hold it in chips,
    // converted with the pot now in force (the profile's own when it has one).
    if (_has(data, "target_exploitability_pct")) {
        _assignIfPresent(holder, data, "target_exploitability_pct", "targetExploitability")
    } else if (_has(data, LEGACY_TARGET)) {
        const amount = ProjectState.convertValue("real", data[LEGACY_TARGET])
        if (amount !== undefined) {
            const pot = Number(holder.startingPot)
            _assign(holder, "targetExploitability", isFinite(pot) && pot > 0 ? amount * 100 / pot : amount)
        }
    }

    _assignIfPresent(holder, data, "max_iterations", "maxIterations")
    // The page derives the street from the board again at once.
    _assignIfPresent(holder, data, "starting_street", "startingStreet")

    for (let i = 0; i < SNAPSHOT_KEYS.length; ++i) {
        const k = SNAPSHOT_KEYS[i]
        if (!/_sizes$|_add_all_in$|_dont_donk$/.test(k.key))
            continue
        if (k.type === "bool") {
            _assign(holder, k.name, _truth(data, k.key))
        } else {
            const v = _has(data, k.key) ? data[k.key] : ""
            _assign(holder, k.name, v === null || v === "" ? "" : _text(v))
        }
    }

    if (_has(data, LEGACY_JAM_ENABLED)) {
        const on = _truth(data, LEGACY_JAM_ENABLED)
        _assign(holder, "oopAddAllInIfJamLtEnabled", on)
        _assign(holder, "ipAddAllInIfJamLtEnabled", on)
    } else {
        _assign(holder, "oopAddAllInIfJamLtEnabled", _truth(data, "oop_add_all_in_jam_threshold_enabled"))
        _assign(holder, "ipAddAllInIfJamLtEnabled", _truth(data, "ip_add_all_in_jam_threshold_enabled"))
    }

    if (_has(data, LEGACY_JAM_PCT)) {
        const pct = ProjectState.convertValue("real", data[LEGACY_JAM_PCT])
        _assign(holder, "oopAddAllInIfJamLtPct", pct)
        _assign(holder, "ipAddAllInIfJamLtPct", pct)
    } else {
        _assignIfPresent(holder, data, "oop_add_all_in_jam_threshold_pct", "oopAddAllInIfJamLtPct")
        _assignIfPresent(holder, data, "ip_add_all_in_jam_threshold_pct", "ipAddAllInIfJamLtPct")
    }
}
