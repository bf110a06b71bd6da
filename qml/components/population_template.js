.pragma library

// The population template of the set-up page's range library: the
// folders, leaves and weight-free values the page builds in code for every
// top folder that the population resource lacks.
// Written by scripts/generate_range_libraries.py from the tables of
// scripts/range_library_tables.py; change them there.

var PASSIVE_GROUP = "Passive (VPIP 18\u201365)"
var PASSIVE_ARCHETYPES = ["Passive tight (VPIP 18\u201325)", "Passive neutral (VPIP 25\u201335)", "Passive loose (VPIP 35\u201345)", "Extreme loose (VPIP 45\u201365)"]
var AGGRESSIVE_GROUP = "Loose aggressive (VPIP 28\u201370)"
var AGGRESSIVE_ARCHETYPES = ["Standard LAG (VPIP 28\u201340)", "Maniac (VPIP 45\u201370)"]
var WEAKER_REGS_GROUP = "Weaker regs"
var WEAKER_REGS = ["Tighter reg", "Looser reg"]
var OVERFOLDER_GROUP = "Overfolder (10-22 VPIP)"

// Position folders and their leaves per player and group.
var LAYOUT = {
    "oop": {
        "passive": [
            ["UTG/HJ/CO", ["Limp", "Limp-call", "Limp-3b", "RFI", "Call 3b", "4b"]],
            ["SB", ["Limp", "Limp-3b", "RFI", "3b", "4b", "Call 3b", "Call 4b"]],
            ["BB", ["Check back", "Call raise", "3b", "Call 4b"]]
        ],
        "aggressive": [
            ["UTG/HJ/CO", ["RFI", "Call 3b", "4b"]],
            ["SB", ["RFI", "3b", "4b", "Call 3b", "Call 4b"]],
            ["BB", ["Call raise", "3b", "Call 4b"]]
        ],
        "nit": [
            ["UTG/HJ/CO", ["RFI", "Call 3b", "4b"]],
            ["SB", ["RFI", "3b", "4b", "Call 3b", "Call 4b"]],
            ["BB", ["Check back", "Call raise", "3b", "Call 4b"]]
        ]
    },
    "ip": {
        "passive": [
            ["UTG/HJ/CO", ["Limp", "Limp-call", "Limp-3b", "RFI", "3b", "Call 3b", "4b", "Call 4b"]],
            ["BU", ["Limp", "Limp-call", "Limp-3b", "RFI", "3b", "Call 3b", "4b", "Call 4b"]],
            ["BB", ["Call raise", "3b", "Call 4b"]]
        ],
        "aggressive": [
            ["UTG/HJ/CO", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]],
            ["BU", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]],
            ["BB", ["Call", "3b"]]
        ],
        "nit": [
            ["UTG/HJ/CO", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]],
            ["BU", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]],
            ["BB", ["Call raise", "3b", "Call 4b"]]
        ]
    }
}

// Values of the passive archetypes by table, position and leaf; "3b cold
// call" has one value per table.
var PASSIVE = {
    "tight": {
        "UTG/HJ/CO": {
            "Limp": "22-66, A2s-A5s, 54s-98s, T9s, JTs, QJs, KQs",
            "Limp-call": "22-66, A2s-A5s, 65s-98s, T9s, JTs, QJs, KQs",
            "Limp-3b": "QQ+, AKs, AKo",
            "RFI": "22+, AJs+, KQs, AQo+, AKo",
            "3b": "QQ+, AKs, AKo",
            "Call 3b": "99-QQ, AQs+, AKo",
            "4b": "KK+, AKs",
            "Call 4b": "QQ-KK, AKs"
        },
        "SB": {
            "Limp": "22-88, A2s-A9s, K9s-KJs, Q9s-QJs, J9s-JTs, T9s, 98s, 87s, 76s, ATo-AJo, KJo-KQo, QJo",
            "Limp-3b": "QQ+, AKs, AKo",
            "RFI": "55+, ATs+, KJs+, AJo+, KQo",
            "3b": "QQ+, AKs, AKo",
            "4b": "KK+, AKs",
            "Call 3b": "77-QQ, AJs-AQs, KQs, AQo-AKo",
            "Call 4b": "QQ, AKs, AKo"
        },
        "BB": {
            "Check back": "22-JJ, A2s-AQs, K2s+, Q2s+, J2s+, T2s+, 92s+, 82s+, 72s+, 62s+, 52s+, 42s+, 32s, A2o-AQo, K2o+, Q2o+, J2o+, T2o+, 92o+, 82o+, 72o+, 62o+, 52o+, 42o+, 32o",
            "Call raise": "22-TT, A2s-AJs, KTs+, QTs+, J9s+, T9s, 98s, 87s, 76s, 65s, ATo-AJo, KJo+, QJo",
            "3b": "TT+, AQs+, AKo, AKs, A5s-A4s",
            "Call 4b": "JJ-QQ, AKs, AKo"
        },
        "3b cold call": "99-JJ, AQs, KQs"
    },
    "neutral": {
        "UTG/HJ/CO": {
            "Limp": "22-77, A2s-A9s, K9s-KJs, Q9s-QJs, J9s-JTs, T8s+, 97s+, 86s+, 75s+, 64s+, 54s, ATo-AJo, KJo, QJo",
            "Limp-call": "22-88, A2s-A9s, K9s+, Q9s+, J9s+, T9s, 98s, 87s, 76s, 65s, ATo-AJo, KJo-KQo, QJo",
            "Limp-3b": "QQ+, AKs, AKo",
            "RFI": "22+, ATs+, KTs+, QTs+, JTs, AJo+, KQo",
            "3b": "99+, AJs+, KQs, AQo+, AKo",
            "Call 3b": "88-QQ, ATs-AQs, KJs+, QJs, AQo",
            "4b": "KK+, AKs, AKo",
            "Call 4b": "JJ-QQ, AKs, AKo"
        },
        "SB": {
            "Limp": "22-99, A2s-A9s, K7s-KJs, Q8s-QJs, J8s-JTs, T8s+, 97s+, 86s+, 75s+, 65s, 54s, A7o-AJo, KTo-KQo, QTo-QJo, JTo",
            "Limp-3b": "JJ+, AKs, AKo, AQs",
            "RFI": "44+, A8s+, KTs+, QTs+, JTs, ATo+, KJo+",
            "3b": "TT+, AQs+, AKo, AQo",
            "4b": "KK+, AKs, AKo",
            "Call 3b": "77-QQ, ATs-AQs, KJs+, QJs, AJo-AQo",
            "Call 4b": "JJ-QQ, AKo, AQs"
        },
        "BB": {
            "Check back": "22-TT, A2s-AJs, K2s+, Q2s+, J2s+, T2s+, 92s+, 82s+, 72s+, 62s+, 52s+, 42s+, 32s, A2o-AJo, K2o+, Q2o+, J2o+, T2o+, 92o+, 82o+, 72o+, 62o+, 52o+, 42o+, 32o",
            "Call raise": "22-TT, A2s-AJs, K8s+, Q9s+, J9s+, T8s+, 97s+, 87s, 76s, 65s, 54s, A9o-AJo, KTo+, QTo+, JTo",
            "3b": "JJ+, AQs+, AKo, A5s",
            "Call 4b": "JJ-QQ, AKs, AKo"
        },
        "3b cold call": "88-JJ, AJs+, KQs, AKo"
    },
    "loose": {
        "UTG/HJ/CO": {
            "Limp": "22-99, A2s-ATs, K5s-KJs, Q7s-QJs, J7s-JTs, T7s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o-AJo, K9o-KQo, Q9o-QJo, J9o-JTo, T9o, 98o",
            "Limp-call": "22-99, A2s-ATs, K7s+, Q8s+, J8s+, T8s+, 97s+, 86s+, 75s+, 64s+, 54s, A5o-AJo, KTo+, QTo+, JTo",
            "Limp-3b": "KK+, AKs",
            "RFI": "22+, A8s+, K9s+, Q9s+, J9s+, T9s, 98s, ATo+, KJo+, QJo",
            "3b": "TT+, AQs+, AKo, AQo",
            "Call 3b": "66-QQ, A9s-AQs, KTs+, QTs+, JTs, T9s, AJo-AQo, KQo",
            "4b": "KK+, AKs, AKo, AQs, A5s-A4s",
            "Call 4b": "TT-QQ, AJs-AQs, AQo-AKo"
        },
        "SB": {
            "Limp": "22-TT, A2s-AJs, K2s-KJs, Q5s-QJs, J7s-JTs, T7s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o-AJo, K8o-KQo, Q9o-QJo, J9o-JTo, T9o, 98o, 87o",
            "Limp-3b": "KK+, AKs, AKo",
            "RFI": "33+, A5s+, K9s+, Q9s+, J9s+, T9s, A9o+, KTo+, QJo",
            "3b": "TT+, AJs+, KQs, AQo+",
            "4b": "KK+, AKs, AKo",
            "Call 3b": "55-QQ, A8s-AQs, KTs+, QTs+, JTs, T9s, ATo-AQo, KQo",
            "Call 4b": "TT-QQ, AQs, AQo-AKo"
        },
        "BB": {
            "Check back": "22-QQ, A2s-AQs, K2s+, Q2s+, J2s+, T2s+, 92s+, 82s+, 72s+, 62s+, 52s+, 42s+, 32s, A2o-AKo, K2o+, Q2o+, J2o+, T2o+, 92o+, 82o+, 72o+, 62o+, 52o+, 42o+, 32o",
            "Call raise": "22-JJ, A2s-AQs, K5s+, Q7s+, J7s+, T7s+, 96s+, 85s+, 75s+, 64s+, 54s, A5o-AQo, K9o+, Q9o+, J9o+, T9o",
            "3b": "QQ+, AKs, AKo",
            "Call 4b": "QQ, AKs, AKo"
        },
        "3b cold call": "66-JJ, ATs-AQs, KJs+, QJs, AQo-AKo"
    },
    "extreme": {
        "UTG/HJ/CO": {
            "Limp": "22+, A2s+, K2s+, Q2s+, J4s+, T6s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o+, K5o+, Q8o+, J8o+, T8o+, 97o+, 87o, 76o, 65o",
            "Limp-call": "22+, A2s+, K2s+, Q5s+, J7s+, T7s+, 97s+, 86s+, 75s+, 64s+, 54s, A2o+, K8o+, Q9o+, J9o+, T9o, 98o",
            "Limp-3b": "QQ+, AKs, AKo",
            "RFI": "22+, A2s+, K7s+, Q8s+, J8s+, T8s+, 98s, 87s, A7o+, KTo+, QTo+, JTo",
            "3b": "TT+, AJs+, KQs, AQo+",
            "Call 3b": "22-QQ, A2s-AQs, K8s+, Q9s+, J9s+, T9s, 98s, 87s, ATo-AQo, KJo+, QJo",
            "4b": "QQ+, AKs, AKo, A5s-A2s",
            "Call 4b": "TT-JJ, AJs-AQs, KQs, AQo"
        },
        "SB": {
            "Limp": "22+, A2s+, K2s+, Q2s+, J2s+, T4s+, 94s+, 84s+, 74s+, 63s+, 53s+, 43s, A2o+, K2o+, Q6o+, J7o+, T7o+, 97o+, 86o+, 76o, 65o",
            "Limp-3b": "QQ+, AKs, AKo",
            "RFI": "22+, A2s+, K5s+, Q8s+, J8s+, T8s+, 97s+, 87s, 76s, A5o+, K9o+, QTo+, JTo",
            "3b": "99+, ATs+, KJs+, AJo+, KQo",
            "4b": "QQ+, AKs, AKo, A5s-A4s",
            "Call 3b": "22-JJ, A2s-AQs, K9s+, Q9s+, J9s+, T9s, 98s, A9o-AQo, KJo+",
            "Call 4b": "TT-JJ, AJs-AQs, KQs, AJo-AQo"
        },
        "BB": {
            "Check back": "100%",
            "Call raise": "22+, A2s+, K2s+, Q4s+, J6s+, T6s+, 95s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o+, K6o+, Q8o+, J8o+, T8o+, 98o, 87o",
            "3b": "JJ+, AQs+, AKo",
            "Call 4b": "TT-QQ, AJs-AQs, AQo-AKo"
        },
        "3b cold call": "22-JJ, A8s-AQs, KTs+, QTs+, JTs, T9s, 98s, AJo-AKo, KQo"
    }
}

// Values of the loose aggressive archetypes by table, position and leaf.
var AGGRESSIVE = {
    "lag": {
        "UTG/HJ/CO": {
            "RFI": "22+, A2s+, K8s+, Q9s+, J9s+, T8s+, 97s+, 87s, 76s, 65s, 54s, ATo+, KJo+, QJo",
            "3b": "TT+, AJs+, KQs, AQo+, A5s-A2s, KTs, QTs, JTs, 76s, 65s",
            "Call 3b": "66-JJ, A9s-AQs, KTs+, QJs, JTs, T9s, 98s, 87s, AQo",
            "4b": "QQ+, AKs, AKo, A5s-A4s",
            "Call 4b": "TT-JJ, AQs, AKo, AJs"
        },
        "SB": {
            "RFI": "22+, A2s+, K5s+, Q7s+, J8s+, T7s+, 97s+, 86s+, 75s+, 64s+, 54s, A8o+, KTo+, QTo+, JTo",
            "3b": "99+, ATs+, KTs+, QJs, AJo+, KQo, A5s-A2s, 76s, 65s",
            "4b": "QQ+, AKs, AKo, A5s-A4s, KJs",
            "Call 3b": "44-JJ, A7s-AQs, K9s+, Q9s+, J9s+, T8s+, 98s, 87s, 76s, ATo-AQo, KJo+",
            "Call 4b": "TT-JJ, AJs-AQs, KQs, AQo"
        },
        "BB": {
            "Call raise": "22-99, A2s-ATs, K5s+, Q7s+, J7s+, T7s+, 96s+, 86s+, 75s+, 64s+, 53s+, 43s, A7o-AJo, KTo+, QTo+, JTo, T9o",
            "3b": "TT+, AJs+, KQs, AQo+, A5s-A2s, K9s, Q9s, 87s, 76s",
            "Call 4b": "TT-QQ, AQs, AKo",
            "Call": "22-99, A2s-AJs, K2s+, Q5s+, J6s+, T6s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o-AJo, K7o+, Q8o+, J8o+, T8o+, 98o, 87o"
        }
    },
    "maniac": {
        "UTG/HJ/CO": {
            "RFI": "22+, A2s+, K2s+, Q5s+, J7s+, T7s+, 96s+, 86s+, 75s+, 64s+, 54s, A2o+, K8o+, Q9o+, J9o+, T9o, 98o",
            "3b": "77+, A2s+, K9s+, Q9s+, J9s+, T9s, 98s, 87s, 76s, 65s, ATo+, KJo+, QJo",
            "Call 3b": "22-TT, A2s-AJs, K8s+, Q8s+, J8s+, T8s+, 97s+, 86s+, 75s+, 65s, A8o-AJo, KTo+, QTo+, JTo",
            "4b": "JJ+, AKs, AKo, A5s-A2s",
            "Call 4b": "77-TT, ATs-AQs, KJs+, QJs, AJo-AQo, KQo"
        },
        "SB": {
            "RFI": "22+, A2s+, K2s+, Q2s+, J5s+, T6s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o+, K5o+, Q8o+, J8o+, T8o+, 98o, 87o",
            "3b": "66+, A2s+, K8s+, Q9s+, J9s+, T9s, 98s, 87s, 76s, 65s, 54s, A9o+, KTo+, QJo",
            "4b": "TT+, AJs+, AQo+, AKo, A5s-A2s",
            "Call 3b": "22-99, A2s-ATs, K7s+, Q8s+, J8s+, T8s+, 97s+, 86s+, 75s+, 64s+, 54s, A7o-AJo, K9o+, QTo+, JTo",
            "Call 4b": "66-99, A8s-ATs, KTs+, QTs+, JTs, ATo-AJo, KQo"
        },
        "BB": {
            "Call raise": "22-88, A2s-A9s, K2s+, Q2s+, J4s+, T6s+, 95s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o-ATo, K5o+, Q7o+, J8o+, T8o+, 97o+, 87o, 76o",
            "3b": "88+, A2s+, K9s+, Q9s+, J9s+, T8s+, 97s+, 86s+, 75s+, 65s, 54s, ATo+, KJo+, QJo",
            "Call 4b": "66-99, A9s-AJs, KTs+, QJs, AJo-AQo",
            "Call": "22-88, A2s-A9s, K2s+, Q2s+, J2s+, T4s+, 94s+, 84s+, 74s+, 63s+, 53s+, 43s, A2o-ATo, K2o+, Q5o+, J7o+, T7o+, 97o+, 86o+, 76o, 65o"
        }
    }
}

// The passive table of an archetype folder, by its name in lower case.
function passiveTableName(archetypeName) {
    var n = String(archetypeName === undefined || archetypeName === null ? "" : archetypeName).toLowerCase()
    if (n.indexOf("passive tight") >= 0) return "tight"
    if (n.indexOf("passive neutral") >= 0) return "neutral"
    if (n.indexOf("passive loose") >= 0) return "loose"
    if (n.indexOf("extreme loose") >= 0) return "extreme"
    return "neutral"
}

// The loose aggressive table of an archetype folder, by its name.
function aggressiveTableName(archetypeName) {
    var n = String(archetypeName === undefined || archetypeName === null ? "" : archetypeName).toLowerCase()
    return n.indexOf("maniac") >= 0 ? "maniac" : "lag"
}

// The value of one leaf: the button folder takes the "UTG/HJ/CO" values; a
// combination without a value gives "".
function leafValue(table, position, leaf) {
    if (!table)
        return ""
    var row = table[position === "BU" ? "UTG/HJ/CO" : position]
    var value = row ? row[leaf] : undefined
    return typeof value === "string" ? value : ""
}

function _folder(name, children) {
    return { "type": "folder", "name": name, "children": children }
}

function _positionFolders(layout, table) {
    var folders = []
    for (var i = 0; i < layout.length; ++i) {
        var leaves = []
        for (var j = 0; j < layout[i][1].length; ++j) {
            var leaf = layout[i][1][j]
            leaves.push({ "name": leaf, "value": leafValue(table, layout[i][0], leaf) })
        }
        folders.push(_folder(layout[i][0], leaves))
    }
    return folders
}

// The template of a player ("oop"; any other text is IP) as id-free nodes in
// the export layout. The "Tighter reg" and "Looser reg" folders are empty:
// the page fills each with its own weight-free copy of the player's
// six-handed "No rake" Standard folders.
function templateTree(player) {
    var layout = player === "oop" ? LAYOUT.oop : LAYOUT.ip
    var passive = []
    for (var i = 0; i < PASSIVE_ARCHETYPES.length; ++i) {
        var table = PASSIVE[passiveTableName(PASSIVE_ARCHETYPES[i])]
        var children = _positionFolders(layout.passive, table)
        children.push({ "name": "3b cold call", "value": table["3b cold call"] })
        passive.push(_folder(PASSIVE_ARCHETYPES[i], children))
    }
    var aggressive = []
    for (var k = 0; k < AGGRESSIVE_ARCHETYPES.length; ++k) {
        var t = AGGRESSIVE[aggressiveTableName(AGGRESSIVE_ARCHETYPES[k])]
        aggressive.push(_folder(AGGRESSIVE_ARCHETYPES[k], _positionFolders(layout.aggressive, t)))
    }
    var regs = []
    for (var r = 0; r < WEAKER_REGS.length; ++r)
        regs.push(_folder(WEAKER_REGS[r], []))
    return [
        _folder(PASSIVE_GROUP, passive),
        _folder(AGGRESSIVE_GROUP, aggressive),
        _folder(WEAKER_REGS_GROUP, regs),
        _folder(OVERFOLDER_GROUP, [_folder("Nit", _positionFolders(layout.nit, null))]),
        _folder("Other", [{ "name": "Bomb pot", "value": "100%" }])
    ]
}
