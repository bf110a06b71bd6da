#!/usr/bin/env python3
"""Writes the built-in range libraries of the set-up page.

    qml/data/standard_ranges.json          Standard ranges: six-handed and heads-up
                                           cash games by rake tier and preflop spot
    qml/data/exploit_ranges.json           Population ranges: typical player types
    qml/components/population_template.js  the population template the page builds
                                           in code when the file lacks a folder

Every range comes from the readable tables of range_library_tables.py; change
a table there and run

    python3 scripts/generate_range_libraries.py [--root DIR]

which rewrites the three files under DIR (default: this repository). The output
is deterministic, and a test compares it with the committed files.

Range texts in the tables use the engine's grammar: "AA", "AKs", "AKo", "QQ+",
"A5s-A2s", "T9s+" (connectors up to the ace), each with an optional weight
":0.5"; a later token overwrites an earlier one. Weights carry at most two
decimals. Only standard library modules are used.
"""

import argparse
import json
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
from range_library_tables import (AGGRESSIVE, HEADS_UP, NIT, PAIRS, PASSIVE, RANKING, RFI,
                                  TRIM)

RANKS = "23456789TJQKA"

# ---------------------------------------------------------------------------
# Hand classes and the range grammar
# ---------------------------------------------------------------------------

# A class is (high rank, low rank, kind) with kind "p" (pair), "s" or "o".
COMBOS = {"p": 6, "s": 4, "o": 12}


def class_name(cls):
    hi, lo, kind = cls
    return RANKS[hi] + RANKS[lo] + ("" if kind == "p" else kind)


def all_classes():
    """Every class in the order the Standard values list them: pairs from
    aces down, then per high card the suited and then the offsuit hands,
    kickers from high to low."""
    order = [(r, r, "p") for r in range(12, -1, -1)]
    for hi in range(12, 0, -1):
        order += [(hi, lo, "s") for lo in range(hi - 1, -1, -1)]
        order += [(hi, lo, "o") for lo in range(hi - 1, -1, -1)]
    return order


CLASSES = all_classes()
CLASS_BY_NAME = {class_name(c): c for c in CLASSES}


def parse_pattern(text):
    if len(text) == 2 and text[0] == text[1] and text[0] in RANKS:
        r = RANKS.index(text[0])
        return (r, r, "p")
    if len(text) == 3 and text[0] in RANKS and text[1] in RANKS and text[2] in "so":
        hi, lo = RANKS.index(text[0]), RANKS.index(text[1])
        if hi > lo:
            return (hi, lo, text[2])
    raise ValueError("not a hand class: %r" % text)


def expand(expression):
    """The classes of one token without its weight, as the engine reads it."""
    if "-" in expression:
        left, right = (parse_pattern(p) for p in expression.split("-"))
        if left[2] != right[2]:
            raise ValueError("span mixes kinds: %r" % expression)
        kind = left[2]
        if left[0] - left[1] == right[0] - right[1]:
            gap = left[0] - left[1]
            return [(h, h - gap, kind) for h in range(min(left[0], right[0]), max(left[0], right[0]) + 1)]
        if left[0] == right[0]:
            return [(left[0], l, kind) for l in range(min(left[1], right[1]), max(left[1], right[1]) + 1)]
        raise ValueError("unsupported span: %r" % expression)
    if expression.endswith("+"):
        hi, lo, kind = parse_pattern(expression[:-1])
        if hi - lo > 1:
            return [(hi, l, kind) for l in range(lo, hi)]
        return [(hi + k, lo + k, kind) for k in range(0, 13 - hi)]
    return [parse_pattern(expression)]


def hundredths(text):
    """"0.8" -> 80; weights in the tables have at most two decimals."""
    value = float(text)
    scaled = round(value * 100)
    if not 0 <= value <= 1 or abs(value * 100 - scaled) > 1e-9:
        raise ValueError("weight %r must lie in [0, 1] with at most two decimals" % text)
    return scaled


def tokens(text):
    return [t.strip() for t in text.split(",") if t.strip()]


def parse(text):
    """Range text -> {class: weight in hundredths}; later tokens win."""
    weights = {}
    for token in tokens(text):
        expression, _, weight = token.partition(":")
        w = hundredths(weight) if weight else 100
        for cls in expand(expression):
            weights[cls] = w
    return {c: w for c, w in weights.items() if w > 0}


def format_weights(weights):
    """{class: hundredths} -> "AA, KK, 99:0.8, ..." in the canonical order."""
    parts = []
    for cls in CLASSES:
        w = weights.get(cls, 0)
        if w <= 0:
            continue
        parts.append(class_name(cls) if w >= 100 else "%s:%s" % (class_name(cls), format_weight(w)))
    return ", ".join(parts)


def format_weight(w):
    return ("%d.%02d" % divmod(w, 100)).rstrip("0").rstrip(".")


def combos(weights):
    return sum(COMBOS[c[2]] * w for c, w in weights.items())


def strength_order():
    order = [CLASS_BY_NAME[name] for name in tokens(RANKING.replace("\n", ","))]
    if sorted(order) != sorted(CLASSES):
        missing = sorted(class_name(c) for c in set(CLASSES) - set(order))
        raise ValueError("the ranking must hold every class once; missing %s" % missing)
    return order


STRENGTH = strength_order()

# ---------------------------------------------------------------------------
# Rake tiers and how far each kind of range tightens
# ---------------------------------------------------------------------------

RAKE_TIERS = ["No rake", "50nl rake", "100nl rake", "200nl rake", "500nl rake"]

# Rake per big blind is highest at the smallest stakes, so ranges are widest
# without rake, then at 500nl, 200nl, 100nl and tightest at 50nl.
TIGHTENING_ORDER = ["No rake", "500nl rake", "200nl rake", "100nl rake", "50nl rake"]

# The column of TRIM that the population library's tighter regular uses.
TIGHTER_REG_COLUMN = 5

# A hand left with less than this weight (hundredths) leaves the range.
MIN_WEIGHT = 10

# ---------------------------------------------------------------------------
# The spots: what each range is, which family it tightens with, and which
# decision it shares with a sibling action
# ---------------------------------------------------------------------------


class Spot:
    def __init__(self, key, text, family):
        self.key = key
        self.base = parse(text)
        self.family = family
        if not self.base:
            raise ValueError("spot %r holds no hand" % (key,))


def call_family(opener, seat):
    if seat == "SB":
        return "flat_sb"
    if seat == "BB":
        return "defend_bb_vs_sb" if opener == "SB" else "defend_bb"
    return "flat_ip"


def build_spots():
    spots = {}
    for seat, text in RFI.items():
        family = {"CO": "open_late", "BTN": "open_late", "SB": "open_sb"}.get(seat, "open")
        spots[("rfi", seat)] = Spot(("rfi", seat), text, family)
    for (opener, seat), table in PAIRS.items():
        spots[("call", opener, seat)] = Spot(("call", opener, seat), table["call"], call_family(opener, seat))
        spots[("3bet", opener, seat)] = Spot(("3bet", opener, seat), table["3bet"], "threebet")
        spots[("call3", opener, seat)] = Spot(("call3", opener, seat), table["opener call"], "call_3bet")
        spots[("4bet", opener, seat)] = Spot(("4bet", opener, seat), table["opener 4bet"], "fourbet")
        spots[("call4", opener, seat)] = Spot(("call4", opener, seat), table["3bettor call"], "call_4bet")
    hu_families = {"SB open": "hu_open", "BB call": "hu_defend", "BB 3bet": "threebet",
                   "SB call 3bet": "call_3bet", "SB 4bet": "fourbet", "BB call 4bet": "call_4bet"}
    for name, text in HEADS_UP.items():
        spots[("hu", name)] = Spot(("hu", name), text, hu_families[name])
    return spots


def decisions():
    """(parent spot or None, [raise spot, call spot] or [call spot]), parents first."""
    result = [(None, [("rfi", seat)]) for seat in RFI]
    for order in ("vs open", "vs 3bet", "vs 4bet"):
        for opener, seat in PAIRS:
            if order == "vs open":
                result.append((None, [("3bet", opener, seat), ("call", opener, seat)]))
            elif order == "vs 3bet":
                result.append((("rfi", opener), [("4bet", opener, seat), ("call3", opener, seat)]))
            else:
                result.append((("3bet", opener, seat), [("call4", opener, seat)]))
    result += [
        (None, [("hu", "SB open")]),
        (None, [("hu", "BB 3bet"), ("hu", "BB call")]),
        (("hu", "SB open"), [("hu", "SB 4bet"), ("hu", "SB call 3bet")]),
        (("hu", "BB 3bet"), [("hu", "BB call 4bet")]),
    ]
    return result


def trim(weights, share):
    """Gives up `share` of the range's combos from the bottom of the ranking."""
    result = dict(weights)
    remaining = round(share * combos(weights))
    for cls in reversed(STRENGTH):
        if remaining <= 0:
            break
        w = result.get(cls, 0)
        if w <= 0:
            continue
        if COMBOS[cls[2]] * w <= remaining:
            remaining -= COMBOS[cls[2]] * w
            del result[cls]
        else:
            cut = -(-remaining // COMBOS[cls[2]])
            result[cls] = w - cut
            remaining = 0
    return {c: w for c, w in result.items() if w >= MIN_WEIGHT}


def without_mixing(group_weights):
    """The looser regular: every hand played sometimes is played always, in
    the action it takes most often (the raise on a tie)."""
    hands = set().union(*group_weights)
    result = [dict() for _ in group_weights]
    for cls in hands:
        ws = [g.get(cls, 0) for g in group_weights]
        best = max(range(len(ws)), key=lambda i: (ws[i], -i))
        result[best][cls] = 100
    return result


def clamp(group_weights, parent):
    """Raise first, then call: together never more than the parent range
    (the whole deck for a decision that starts a hand)."""
    room = {c: 100 for c in CLASSES} if parent is None else dict(parent)
    result = []
    for g in group_weights:
        kept = {}
        for cls, w in g.items():
            v = min(w, room.get(cls, 0))
            if v >= MIN_WEIGHT:
                kept[cls] = v
                room[cls] -= v
        result.append(kept)
    return result


def compute_profiles(spots):
    """{profile: {spot key: weights}} for every rake tier and both regulars."""
    profiles = {}
    groups = decisions()

    def run(name, make):
        done = {}
        for parent, members in groups:
            weights = make(members, done)
            weights = clamp(weights, None if parent is None else done[parent])
            for key, w in zip(members, weights):
                if not w:
                    raise ValueError("%s: %r lost every hand" % (name, key))
                done[key] = w
        profiles[name] = done

    previous = None
    for tier in TIGHTENING_ORDER:
        column = RAKE_TIERS.index(tier)

        def tightened(members, done, column=column, previous=previous):
            out = []
            for key in members:
                w = trim(spots[key].base, TRIM[spots[key].family][column])
                if previous is not None:  # no hand gains weight as the rake rises
                    w = {c: min(v, previous[key].get(c, 0)) for c, v in w.items()}
                    w = {c: v for c, v in w.items() if v > 0}
                out.append(w)
            return out

        run(tier, tightened)
        previous = profiles[tier]
    run("Tighter reg", lambda members, done: [
        trim(spots[k].base, TRIM[spots[k].family][TIGHTER_REG_COLUMN]) for k in members])
    run("Looser reg", lambda members, done: without_mixing([spots[k].base for k in members]))
    return profiles


# ---------------------------------------------------------------------------
# Standard library: entry names in file order
# ---------------------------------------------------------------------------

OPENERS = ["UTG", "HJ", "CO", "BTN"]


def six_handed_spots(player):
    """(spot name, spot key) of one rake tier, in file order."""
    out = [("RFI " + seat, ("rfi", seat)) for seat in ["UTG", "HJ", "CO", "BTN", "SB"]]
    if player == "oop":
        for opener in OPENERS:
            for seat in ["SB", "BB"]:
                out.append(("vs RFI %s: Call %s" % (opener, seat), ("call", opener, seat)))
                out.append(("vs RFI %s: 3bet %s" % (opener, seat), ("3bet", opener, seat)))
        for opener, seat in [("UTG", "HJ"), ("UTG", "CO"), ("UTG", "BTN"), ("HJ", "CO"),
                             ("HJ", "BTN"), ("CO", "BTN"), ("SB", "BB")]:
            situation = "%s vs %s 3bet" % (opener, seat)
            out.append(("%s: %s Call" % (situation, opener), ("call3", opener, seat)))
            out.append(("%s: %s 4bet" % (situation, opener), ("4bet", opener, seat)))
        for seat in ["SB", "BB"]:
            for opener in OPENERS:
                out.append(("%s 3bet vs %s 4bet: %s Call" % (seat, opener, seat), ("call4", opener, seat)))
    else:
        for opener, seat in [("UTG", "HJ"), ("UTG", "CO"), ("UTG", "BTN"), ("HJ", "CO"),
                             ("HJ", "BTN"), ("CO", "BTN"), ("SB", "BB")]:
            out.append(("vs RFI %s: Call %s" % (opener, seat), ("call", opener, seat)))
            out.append(("vs RFI %s: 3bet %s" % (opener, seat), ("3bet", opener, seat)))
        for opener in OPENERS:
            for seat in ["SB", "BB"]:
                situation = "%s vs %s 3bet" % (opener, seat)
                out.append(("%s: %s Call" % (situation, opener), ("call3", opener, seat)))
                out.append(("%s: %s 4bet" % (situation, opener), ("4bet", opener, seat)))
        for opener, seat in [("UTG", "HJ"), ("UTG", "CO"), ("UTG", "BTN"), ("HJ", "CO"),
                             ("HJ", "BTN"), ("CO", "BTN"), ("SB", "BB")]:
            out.append(("%s 3bet vs %s 4bet: %s Call" % (seat, opener, seat), ("call4", opener, seat)))
    return out


def heads_up_spots(player):
    if player == "oop":
        return [("vs RFI SB: Call BB", ("hu", "BB call")), ("vs RFI SB: 3bet BB", ("hu", "BB 3bet")),
                ("BB 3bet vs SB 4bet: BB Call", ("hu", "BB call 4bet"))]
    return [("RFI SB", ("hu", "SB open")), ("SB vs BB 3bet: SB Call", ("hu", "SB call 3bet")),
            ("SB vs BB 3bet: SB 4bet", ("hu", "SB 4bet"))]


def standard_entries(player, profiles):
    entries = []
    for tier in RAKE_TIERS:
        for spot, key in six_handed_spots(player):
            entries.append({"name": "%s / %s" % (tier, spot), "value": format_weights(profiles[tier][key])})
    for tier in RAKE_TIERS:
        for spot, key in heads_up_spots(player):
            entries.append({"name": "Heads up / %s / %s" % (tier, spot),
                            "value": format_weights(profiles[tier][key])})
    return entries


def route(spot):
    """Folder path and leaf name of a six-handed spot in the page's tree."""
    if spot.startswith("RFI "):
        return ["RFI"], spot[4:]
    if spot.startswith("vs RFI "):
        opener, _, action = spot[7:].partition(":")
        return ["vs RFI", "vs %s RFI" % opener.strip()], action.strip()
    situation, _, action = spot.partition(":")
    scenario = "vs 4bet" if "3bet vs" in spot and "4bet" in spot else "vs 3bet"
    return [scenario, situation.strip()], action.strip()


def routed_tree(player, weights):
    """The "No rake" scenario folders of the player's six-handed tree, values
    from the given profile, as id-free export nodes."""
    top = [folder(name, []) for name in ["RFI", "vs RFI", "vs 3bet", "vs 4bet"]]
    for spot, key in six_handed_spots(player):
        path, leaf = route(spot)
        children = top
        for name in path:
            found = next((n for n in children if n.get("type") == "folder" and n["name"] == name), None)
            if found is None:
                found = folder(name, [])
                children.append(found)
            children = found["children"]
        children.append(leaf_node(leaf, format_weights(weights[key])))
    return top


# ---------------------------------------------------------------------------
# Population library
# ---------------------------------------------------------------------------

PASSIVE_GROUP = "Passive (VPIP 18\u201365)"
PASSIVE_ARCHETYPES = ["Passive tight (VPIP 18\u201325)", "Passive neutral (VPIP 25\u201335)",
                      "Passive loose (VPIP 35\u201345)", "Extreme loose (VPIP 45\u201365)"]
AGGRESSIVE_GROUP = "Loose aggressive (VPIP 28\u201370)"
AGGRESSIVE_ARCHETYPES = ["Standard LAG (VPIP 28\u201340)", "Maniac (VPIP 45\u201370)"]
WEAKER_REGS = ["Tighter reg", "Looser reg"]
OVERFOLDER_GROUP = "Overfolder (10-22 VPIP)"

# Position folders and their leaves, per player and group.
LAYOUT = {
    "oop": {
        "passive": [["UTG/HJ/CO", ["Limp", "Limp-call", "Limp-3b", "RFI", "Call 3b", "4b"]],
                    ["SB", ["Limp", "Limp-3b", "RFI", "3b", "4b", "Call 3b", "Call 4b"]],
                    ["BB", ["Check back", "Call raise", "3b", "Call 4b"]]],
        "aggressive": [["UTG/HJ/CO", ["RFI", "Call 3b", "4b"]],
                       ["SB", ["RFI", "3b", "4b", "Call 3b", "Call 4b"]],
                       ["BB", ["Call raise", "3b", "Call 4b"]]],
        "nit": [["UTG/HJ/CO", ["RFI", "Call 3b", "4b"]],
                ["SB", ["RFI", "3b", "4b", "Call 3b", "Call 4b"]],
                ["BB", ["Check back", "Call raise", "3b", "Call 4b"]]],
    },
    "ip": {
        "passive": [["UTG/HJ/CO", ["Limp", "Limp-call", "Limp-3b", "RFI", "3b", "Call 3b", "4b", "Call 4b"]],
                    ["BU", ["Limp", "Limp-call", "Limp-3b", "RFI", "3b", "Call 3b", "4b", "Call 4b"]],
                    ["BB", ["Call raise", "3b", "Call 4b"]]],
        "aggressive": [["UTG/HJ/CO", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]],
                       ["BU", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]],
                       ["BB", ["Call", "3b"]]],
        "nit": [["UTG/HJ/CO", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]],
                ["BU", ["RFI", "3b", "Call 3b", "4b", "Call 4b"]],
                ["BB", ["Call raise", "3b", "Call 4b"]]],
    },
}

# The export layout of the shipped population file; the page writes the
# current time here, the generator a fixed one so that its output is stable.
GENERATED_AT = "2026-01-13T18:02:34.700Z"


def folder(name, children):
    return {"type": "folder", "name": name, "children": children}


def leaf_node(name, value):
    return {"name": name, "value": value}


def join(*texts):
    return ", ".join(t for text in texts for t in tokens(text))


def passive_table_name(archetype):
    n = archetype.lower()
    for needle, table in (("passive tight", "tight"), ("passive neutral", "neutral"),
                          ("passive loose", "loose"), ("extreme loose", "extreme")):
        if needle in n:
            return table
    return "neutral"


def aggressive_table_name(archetype):
    return "maniac" if "maniac" in archetype.lower() else "lag"


def file_value(table, position, leaf):
    row = table["UTG/HJ/CO" if position == "BU" else position]
    core, extra = row[leaf]
    bu_extra = table.get("BU", {}).get(leaf, "") if position == "BU" else ""
    return join(core, extra, bu_extra)


def position_folders(layout, value_of):
    return [folder(position, [leaf_node(leaf, value_of(position, leaf)) for leaf in leaves])
            for position, leaves in layout]


def population_tree(player, profiles):
    layout = LAYOUT[player]
    passive = []
    for name in PASSIVE_ARCHETYPES:
        table = PASSIVE[passive_table_name(name)]
        children = position_folders(layout["passive"], lambda p, l, t=table: file_value(t, p, l))
        children.append(leaf_node("3b cold call", join(*table["3b cold call"])))
        passive.append(folder(name, children))
    aggressive = []
    for name in AGGRESSIVE_ARCHETYPES:
        table = AGGRESSIVE[aggressive_table_name(name)]
        aggressive.append(folder(name, position_folders(layout["aggressive"],
                                                        lambda p, l, t=table: file_value(t, p, l))))

    def nit_value(position, leaf):
        row = NIT["UTG/HJ/CO" if position == "BU" else position]
        return join(row[leaf], NIT["BU"].get(leaf, "") if position == "BU" else "")

    return [
        folder(PASSIVE_GROUP, passive),
        folder(AGGRESSIVE_GROUP, aggressive),
        folder("Weaker regs", [folder(name, routed_tree(player, profiles[name])) for name in WEAKER_REGS]),
        folder(OVERFOLDER_GROUP, [folder("Nit", position_folders(layout["nit"], nit_value))]),
        folder("Other", [leaf_node("Bomb pot", "100%")]),
    ]


def check_population_values(tree):
    for node in tree:
        if "children" in node:
            check_population_values(node["children"])
        elif node["value"] != "100%" and not parse(node["value"]):
            raise ValueError("population range %r holds no hand" % node["name"])


# ---------------------------------------------------------------------------
# The template module of the page
# ---------------------------------------------------------------------------

JS_FUNCTIONS = r"""
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
"""


def js_literal(value):
    return json.dumps(value, indent=4, ensure_ascii=True)


def js_layout():
    lines = ["{"]
    for p, player in enumerate(LAYOUT):
        lines.append("    %s: {" % json.dumps(player))
        groups = LAYOUT[player]
        for g, group in enumerate(groups):
            lines.append("        %s: [" % json.dumps(group))
            rows = groups[group]
            for r, row in enumerate(rows):
                lines.append("            %s%s" % (json.dumps(row), "," if r + 1 < len(rows) else ""))
            lines.append("        ]%s" % ("," if g + 1 < len(groups) else ""))
        lines.append("    }%s" % ("," if p + 1 < len(LAYOUT) else ""))
    lines.append("}")
    return "\n".join(lines)


def template_tables(tables):
    out = {}
    for name, table in tables.items():
        entry = {}
        for key, row in table.items():
            if key == "BU":
                continue
            if isinstance(row, tuple):
                entry[key] = join(row[0])
            else:
                entry[key] = {leaf: join(core) for leaf, (core, _) in row.items()}
        out[name] = entry
    return out


def template_module():
    for tables in (PASSIVE, AGGRESSIVE):
        for table in template_tables(tables).values():
            for key, row in table.items():
                for value in ([row] if isinstance(row, str) else row.values()):
                    if ":" in value or (value.endswith("%") and value != "100%"):
                        raise ValueError("template values carry no weights: %r" % value)
    lines = [
        ".pragma library",
        "",
        "// The population template of the set-up page's range library: the",
        "// folders, leaves and weight-free values the page builds in code for every",
        "// top folder that the population resource lacks.",
        "// Written by scripts/generate_range_libraries.py from the tables of",
        "// scripts/range_library_tables.py; change them there.",
        "",
        "var PASSIVE_GROUP = %s" % json.dumps(PASSIVE_GROUP),
        "var PASSIVE_ARCHETYPES = %s" % json.dumps(PASSIVE_ARCHETYPES),
        "var AGGRESSIVE_GROUP = %s" % json.dumps(AGGRESSIVE_GROUP),
        "var AGGRESSIVE_ARCHETYPES = %s" % json.dumps(AGGRESSIVE_ARCHETYPES),
        "var WEAKER_REGS_GROUP = \"Weaker regs\"",
        "var WEAKER_REGS = %s" % json.dumps(WEAKER_REGS),
        "var OVERFOLDER_GROUP = %s" % json.dumps(OVERFOLDER_GROUP),
        "",
        "// Position folders and their leaves per player and group.",
        "var LAYOUT = %s" % js_layout(),
        "",
        "// Values of the passive archetypes by table, position and leaf; \"3b cold",
        "// call\" has one value per table.",
        "var PASSIVE = %s" % js_literal(template_tables(PASSIVE)),
        "",
        "// Values of the loose aggressive archetypes by table, position and leaf.",
        "var AGGRESSIVE = %s" % js_literal(template_tables(AGGRESSIVE)),
    ]
    return "\n".join(lines) + "\n" + JS_FUNCTIONS


# ---------------------------------------------------------------------------
# Writing
# ---------------------------------------------------------------------------


def to_json(payload):
    # The layout of JSON.stringify(payload, null, 2): the page's exports write
    # the same bytes.
    return json.dumps(payload, indent=2, ensure_ascii=False)


def outputs():
    profiles = compute_profiles(build_spots())
    standard = {player: {"standard": standard_entries(player, profiles)} for player in ("oop", "ip")}
    population = {"format": "quendal_ranges_export", "version": 1, "generatedAt": GENERATED_AT}
    for player in ("oop", "ip"):
        tree = population_tree(player, profiles)
        check_population_values(tree)
        population[player] = {"standard": [], "exploit": tree}
    standard_text = to_json(standard).replace("\n", "\r\n")
    return {
        os.path.join("qml", "data", "standard_ranges.json"): standard_text.encode("ascii"),
        os.path.join("qml", "data", "exploit_ranges.json"): to_json(population).encode("utf-8"),
        os.path.join("qml", "components", "population_template.js"): template_module().encode("ascii"),
    }


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                        help="folder that receives qml/data and qml/components")
    args = parser.parse_args(argv)
    for relative, data in outputs().items():
        path = os.path.join(args.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
