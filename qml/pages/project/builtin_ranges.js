.pragma library
// The built-in range libraries of the set-up page: the flat Standard list
// routed into its "6-max" and "Heads up" trees, the Population tree merged
// with the template built in code, the loading of both bundled files, the
// shown (translated) names of built-in nodes, and the two export layouts.
//
// Trees are values, as in range_library.js: nothing here changes what it is
// given. Built trees get fresh ids through the sanitising copy.
.import "range_library.js" as Library
.import "../../components/population_template.js" as Template

var SIX_MAX = "6-max"
var HEADS_UP = "Heads up"
var NO_RAKE = "No rake"
var RAKE_TIERS = ["No rake", "50nl rake", "100nl rake", "200nl rake", "500nl rake"]
var SCENARIOS = ["RFI", "vs RFI", "vs 3bet", "vs 4bet"]

var STANDARD_PATHS = [":/Tessaval/qml/data/standard_ranges.json",
                      ":/qt/qml/Tessaval/qml/data/standard_ranges.json"]
var POPULATION_PATHS = [":/Tessaval/qml/data/exploit_ranges.json",
                        ":/qt/qml/Tessaval/qml/data/exploit_ranges.json"]

var EXPORT_FORMAT = "quendal_ranges_export"
var EXPORT_VERSION = 1

var _SEP = " / "

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _list(v) {
    return Array.isArray(v) ? v : []
}

function _folder(name, children) {
    return { type: "folder", name: name, children: children || [] }
}

function _range(name, value) {
    return { type: "range", name: name, value: value }
}

// A member of a parsed JSON object; undefined for anything else.
function _member(obj, key) {
    return obj !== null && typeof obj === "object" && !Array.isArray(obj) ? obj[key] : undefined
}

function _firstFolderNamed(nodes, name) {
    const list = _list(nodes)
    for (let i = 0; i < list.length; ++i) {
        if (list[i] && Library.isFolder(list[i]) && list[i].name === name)
            return list[i]
    }
    return null
}

// The children list of the folder with that name, made when missing.
function _childFolder(children, name) {
    let found = _firstFolderNamed(children, name)
    if (found === null) {
        found = _folder(name, [])
        children.push(found)
    }
    return found.children
}

// ---- The flat Standard list ----------------------------------------------

// {name (trimmed), value (text)} of each element whose name is not blank.
function sanitizePresetList(arr) {
    const out = []
    const items = _list(arr)
    for (let i = 0; i < items.length; ++i) {
        const el = items[i]
        if (el === undefined || el === null)
            continue
        const name = _text(el.name).trim()
        if (name.length > 0)
            out.push({ name: name, value: _text(el.value) })
    }
    return out
}

// The rake tier of an entry and its spot: a known tier before the first
// " / ", else "No rake" and the whole name.
function rakeTierAndSpot(name) {
    const t = _text(name).trim()
    const at = t.indexOf(_SEP)
    if (at > 0) {
        const tier = t.slice(0, at).trim()
        if (RAKE_TIERS.indexOf(tier) >= 0)
            return { tier: tier, spot: t.slice(at + _SEP.length).trim() }
    }
    return { tier: NO_RAKE, spot: t }
}

// The situation before the first colon and the action after it, both
// trimmed; null unless both are there.
function _colonSplit(text) {
    const colon = text.indexOf(":")
    if (colon < 0)
        return null
    const before = text.slice(0, colon).trim()
    const after = text.slice(colon + 1).trim()
    return before.length > 0 && after.length > 0 ? { before: before, after: after } : null
}

// The folders below the rake folder and the leaf name of a six-handed spot.
function routeSixHandedSpot(spot) {
    const s = _text(spot).trim()
    if (s.indexOf("RFI ") === 0)
        return { path: ["RFI"], leaf: s.slice(4).trim() }
    if (s.indexOf("vs RFI ") === 0) {
        const rest = s.slice(7).trim()
        const colon = rest.indexOf(":")
        const opener = colon < 0 ? rest : rest.slice(0, colon).trim()
        const tail = colon < 0 ? rest : rest.slice(colon + 1).trim()
        if (opener.length > 0 && tail.length > 0)
            return { path: ["vs RFI", "vs " + opener + " RFI"], leaf: tail }
        return { path: ["vs RFI"], leaf: rest }
    }
    const scenario = s.indexOf("3bet vs") >= 0 && s.indexOf("4bet") >= 0 ? "vs 4bet"
                   : s.indexOf("3bet") >= 0 && s.indexOf(":") >= 0 ? "vs 3bet" : ""
    if (scenario.length > 0) {
        const split = _colonSplit(s)
        return split !== null ? { path: [scenario, split.before], leaf: split.after }
                              : { path: [scenario], leaf: s }
    }
    return { path: [], leaf: s }
}

// The two games of the flat list: the first "Heads up" or "6-max" part of a
// name decides and is removed; a name with neither is six-handed as it is.
function splitGames(flatRanges) {
    const six = [], headsUp = []
    const list = sanitizePresetList(flatRanges)
    for (let i = 0; i < list.length; ++i) {
        const e = list[i]
        const parts = e.name.split(_SEP).map(function (p) { return p.trim() })
                                         .filter(function (p) { return p.length > 0 })
        let game = -1
        for (let k = 0; k < parts.length && game < 0; ++k) {
            if (parts[k] === HEADS_UP || parts[k] === SIX_MAX)
                game = k
        }
        if (game < 0) {
            six.push(e)
            continue
        }
        const target = parts[game] === HEADS_UP ? headsUp : six
        parts.splice(game, 1)
        target.push({ name: parts.join(_SEP), value: e.value })
    }
    return { six: six, headsUp: headsUp }
}

// "6-max": the five rake folders, each with the four scenario folders
// (made even when empty), the entries placed in file order.
function buildStandard6MaxTree(flatRanges) {
    const tiers = RAKE_TIERS.map(function (tier) {
        return _folder(tier, SCENARIOS.map(function (s) { return _folder(s, []) }))
    })
    const list = sanitizePresetList(flatRanges)
    for (let i = 0; i < list.length; ++i) {
        const at = rakeTierAndSpot(list[i].name)
        const route = routeSixHandedSpot(at.spot)
        let children = tiers[RAKE_TIERS.indexOf(at.tier)].children
        for (let k = 0; k < route.path.length; ++k)
            children = _childFolder(children, route.path[k])
        children.push(_range(route.leaf, list[i].value))
    }
    return _folder(SIX_MAX, tiers)
}

// "Heads up": the five rake folders, each entry a range named by its whole
// spot in its tier's folder.
function buildStandardHeadsUpTree(flatRanges) {
    const tiers = RAKE_TIERS.map(function (tier) { return _folder(tier, []) })
    const list = sanitizePresetList(flatRanges)
    for (let i = 0; i < list.length; ++i) {
        const at = rakeTierAndSpot(list[i].name)
        tiers[RAKE_TIERS.indexOf(at.tier)].children.push(_range(at.spot, list[i].value))
    }
    return _folder(HEADS_UP, tiers)
}

// [six-handed tree, heads-up tree], both always present; without ids.
function buildStandardTree(flatRanges) {
    const games = splitGames(flatRanges)
    return [buildStandard6MaxTree(games.six), buildStandardHeadsUpTree(games.headsUp)]
}

// ---- Population ------------------------------------------------------------

// The range text without weights: "AA:0.8, A5s-A2s:0.5" gives "AA, A5s-A2s".
function stripWeightsText(text) {
    const t = _text(text)
    if (t.trim().length === 0)
        return ""
    return t.split(/[,\s]+/)
            .map(function (tok) { return tok.trim().replace(/:(\d+\.?\d*|\.\d+)$/, "") })
            .filter(function (tok) { return tok.length > 0 })
            .join(", ")
}

function _withoutIds(nodes, valueOf) {
    return _list(nodes).filter(function (n) { return !!n }).map(function (n) {
        if (Library.isFolder(n))
            return _folder(_text(n.name), _withoutIds(n.children, valueOf))
        return _range(_text(n.name), valueOf(n.value))
    })
}

// A copy with fresh ids and every range value without weights.
function cloneTreeStripWeights(nodes) {
    return Library.sanitizeTree(_withoutIds(nodes, stripWeightsText))
}

// The six-handed "No rake" content of a Standard tree: the children of
// "6-max" / "No rake", else those of "6-max", else nothing.
function _weakerRegsSource(standardTree) {
    const six = _firstFolderNamed(Library.sanitizeTree(standardTree), SIX_MAX)
    if (six === null)
        return []
    const noRake = _firstFolderNamed(six.children, NO_RAKE)
    return noRake !== null ? noRake.children : six.children
}

// The Population template of a player, sanitised: "Tighter reg" and
// "Looser reg" each hold their own weight-free copy of the player's
// six-handed "No rake" Standard folders.
function buildExploitTree(player, standardTree) {
    const tree = Template.templateTree(player)
    const source = _weakerRegsSource(standardTree)
    const regs = _firstFolderNamed(tree, Template.WEAKER_REGS_GROUP)
    if (regs !== null) {
        for (let i = 0; i < regs.children.length; ++i)
            regs.children[i].children = cloneTreeStripWeights(source)
    }
    return Library.sanitizeTree(tree)
}

// The file's tree followed by every template top folder it lacks; the
// template alone when the file's tree is empty or has no top folder.
function mergePopulation(loaded, template) {
    const file = Library.sanitizeTree(loaded)
    const tmpl = Library.sanitizeTree(template)
    const names = {}
    for (let i = 0; i < file.length; ++i) {
        if (Library.isFolder(file[i]))
            names[file[i].name] = true
    }
    if (Object.keys(names).length === 0)
        return tmpl
    return file.concat(tmpl.filter(function (n) {
        return !(Library.isFolder(n) && Object.prototype.hasOwnProperty.call(names, n.name))
    }))
}

// ---- Loading ---------------------------------------------------------------

// The player's Standard tree from the file's flat list, overrides applied.
function standardTreeFor(flatRanges, overrides) {
    return Library.applyOverrides(Library.sanitizeTree(buildStandardTree(flatRanges)), overrides, [])
}

// The player's Population tree from the file's tree and the player's
// Standard tree, overrides applied.
function populationTreeFor(player, fileTree, standardTree, overrides) {
    const merged = mergePopulation(fileTree, buildExploitTree(player, standardTree))
    return Library.applyOverrides(Library.sanitizeTree(merged), overrides, [])
}

function _firstText(read, paths) {
    for (let i = 0; i < paths.length; ++i) {
        const text = _text(read(paths[i]))
        if (text.trim().length > 0)
            return { path: paths[i], text: text }
    }
    return null
}

// Reads and builds both libraries. `read(path)` gives a resource's text
// (null when there is no reader); `overrides` holds per player ("oop",
// "ip") the maps `standard` and `exploit`; `log(line)` receives the log
// lines. The result holds `error` (the text for the Standard lists, empty
// when all went well; these texts are not translated) and each tree that was built: `oopStandard`,
// `ipStandard`, `oopExploit`, `ipExploit`. A failure stops the load; the
// trees built before it are in the result, the others are not.
function loadBundled(read, overrides, log) {
    const out = { error: "" }
    const say = log || function (line) { console.log(line) }
    const mapsOf = function (player) {
        const m = _member(overrides, player)
        return { standard: _member(m, "standard") || {}, exploit: _member(m, "exploit") || {} }
    }
    if (typeof read !== "function") {
        out.error = "Failed to load bundled presets."
        say("[ranges] " + out.error)
        return out
    }
    try {
        const standard = _firstText(read, STANDARD_PATHS)
        if (standard !== null) {
            const parsed = JSON.parse(standard.text)
            say(["[ranges] Loaded STANDARD presets via AppController from", standard.path,
                 "bytes=", standard.text.length].join(" "))
            out.oopStandard = standardTreeFor(_member(_member(parsed, "oop"), "standard"), mapsOf("oop").standard)
            out.ipStandard = standardTreeFor(_member(_member(parsed, "ip"), "standard"), mapsOf("ip").standard)
        } else {
            out.error = "Failed to load bundled standard presets (resource file missing/empty)."
            say("[ranges] " + out.error)
            out.oopStandard = []
            out.ipStandard = []
        }
        const population = _firstText(read, POPULATION_PATHS)
        let file = {}
        if (population !== null) {
            file = JSON.parse(population.text)
            say(["[ranges] Loaded POPULATION presets via AppController from", population.path,
                 "bytes=", population.text.length].join(" "))
        }
        out.oopExploit = populationTreeFor("oop", _member(_member(file, "oop"), "exploit"),
                                           out.oopStandard, mapsOf("oop").exploit)
        out.ipExploit = populationTreeFor("ip", _member(_member(file, "ip"), "exploit"),
                                          out.ipStandard, mapsOf("ip").exploit)
    } catch (e) {
        out.error = "Failed to load bundled presets: " + String(e)
        say("[ranges] " + out.error)
    }
    return out
}

// ---- Export ----------------------------------------------------------------

// Export nodes: folders {"type": "folder", "name", "children"}, ranges
// {"name", "value"}; no ids.
function stripIdsForExport(nodes) {
    return _list(nodes).filter(function (n) { return n !== undefined && n !== null }).map(function (n) {
        if (Library.isFolder(n))
            return { type: "folder", name: _text(n.name), children: stripIdsForExport(n.children) }
        return { name: _text(n.name), value: _text(n.value) }
    })
}

// The entry name of a range below a rake folder: the inverse of the routing
// above. `path` starts with the rake folder's name.
function _exportName(path, leafName) {
    const rake = _text(path[0]).trim()
    const leaf = _text(leafName).trim()
    if (rake.length === 0 || leaf.length === 0)
        return ""
    let spot = leaf
    if (path.length > 1) {
        const scenario = path[1]
        const next = path.length > 2 ? _text(path[2]).trim() : ""
        if (scenario === "RFI") {
            spot = "RFI " + leaf
        } else if (scenario === "vs RFI") {
            const opener = next.indexOf("vs ") === 0 && next.length >= 7
                           && next.slice(-4) === " RFI" ? next.slice(3, -4).trim() : ""
            spot = opener.length > 0 ? "vs RFI " + opener + ": " + leaf : "vs RFI " + leaf
        } else if (scenario === "vs 3bet" || scenario === "vs 4bet") {
            spot = next.length > 0 ? next + ": " + leaf : leaf
        } else {
            spot = path.slice(1).concat([leaf]).join(_SEP)
        }
    }
    return rake + _SEP + spot
}

function _flattenGame(top, prefix, out) {
    const walk = function (nodes, path) {
        for (let i = 0; i < nodes.length; ++i) {
            const n = nodes[i]
            if (Library.isFolder(n)) {
                walk(n.children, path.concat([n.name]))
            } else {
                const name = _exportName(path, n.name)
                if (name.length > 0)
                    out.push({ name: prefix + name, value: _text(n.value) })
            }
        }
    }
    const kids = top.children
    for (let i = 0; i < kids.length; ++i) {
        if (Library.isFolder(kids[i]))
            walk(kids[i].children, [kids[i].name])
    }
}

// The flat Standard list of a tree, in the layout of the bundled file.
function flattenStandardForExport(nodes) {
    const tree = Library.sanitizeTree(nodes)
    const six = _firstFolderNamed(tree, SIX_MAX)
    const headsUp = _firstFolderNamed(tree, HEADS_UP)
    const out = []
    if (six !== null)
        _flattenGame(six, "", out)
    if (headsUp !== null)
        _flattenGame(headsUp, HEADS_UP + _SEP, out)
    return out
}

// The text of "Export standard…": the layout of standard_ranges.json.
function standardExportText(oopTree, ipTree) {
    return JSON.stringify({
        oop: { standard: flattenStandardForExport(oopTree) },
        ip: { standard: flattenStandardForExport(ipTree) }
    }, null, 2)
}

// The text of "Export population…": the layout of exploit_ranges.json,
// stamped with `now` (a Date).
function populationExportText(oopTree, ipTree, now) {
    return JSON.stringify({
        format: EXPORT_FORMAT,
        version: EXPORT_VERSION,
        generatedAt: (now || new Date()).toISOString(),
        oop: { standard: [], exploit: stripIdsForExport(Library.sanitizeTree(oopTree)) },
        ip: { standard: [], exploit: stripIdsForExport(Library.sanitizeTree(ipTree)) }
    }, null, 2)
}

// The error line of an export from the controller's answer; "" on success.
function exportErrorText(result) {
    if (result && result.ok === true)
        return ""
    const reason = result && result.error ? String(result.error) : ""
    return qsTranslate("ProjectPage", "Export failed: %1")
            .arg(reason.length > 0 ? reason : qsTranslate("ProjectPage", "unknown error"))
}

// ---- Shown names -----------------------------------------------------------

function _fill(pattern, args) {
    return pattern.replace(/%(\d)/g, function (m, d) {
        const i = Number(d) - 1
        return i >= 0 && i < args.length ? args[i] : m
    })
}

function trRakeFolderName(s) {
    switch (s) {
    case "No rake": return qsTranslate("ProjectPage", "No rake")
    case "50nl rake": return qsTranslate("ProjectPage", "50nl rake")
    case "100nl rake": return qsTranslate("ProjectPage", "100nl rake")
    case "200nl rake": return qsTranslate("ProjectPage", "200nl rake")
    case "500nl rake": return qsTranslate("ProjectPage", "500nl rake")
    }
    return s
}

function trStdToken(tok) {
    switch (tok) {
    case "Call": return qsTranslate("ProjectPage", "Call")
    case "Fold": return qsTranslate("ProjectPage", "Fold")
    case "RFI": return qsTranslate("ProjectPage", "RFI")
    case "3bet": return qsTranslate("ProjectPage", "3bet")
    case "4bet": return qsTranslate("ProjectPage", "4bet")
    }
    return tok
}

function _trStandardFixed(s) {
    switch (s) {
    case "6-max": return qsTranslate("ProjectPage", "6-max")
    case "Heads up": return qsTranslate("ProjectPage", "Heads up")
    case "RFI": return qsTranslate("ProjectPage", "RFI")
    case "vs RFI": return qsTranslate("ProjectPage", "vs RFI")
    case "vs 3bet": return qsTranslate("ProjectPage", "vs 3bet")
    case "vs 4bet": return qsTranslate("ProjectPage", "vs 4bet")
    }
    return null
}

// The shown name of a Standard folder or range.
function trStandardLabel(name) {
    const s = _text(name)
    const fixed = _trStandardFixed(s)
    if (fixed !== null)
        return fixed
    if (RAKE_TIERS.indexOf(s) >= 0)
        return trRakeFolderName(s)
    if (s.indexOf("vs ") === 0 && s.length >= 7 && s.slice(-4) === " RFI") {
        const opener = s.slice(3, -4).trim()
        if (opener.length > 0)
            return _fill(qsTranslate("ProjectPage", "vs %1 RFI"), [opener])
    }
    let m
    if (s.indexOf(" vs ") >= 0 && s.indexOf(" 3bet") >= 0
            && (m = /^(.+?)\s+vs\s+(.+?)\s+3bet$/.exec(s)) !== null)
        return _fill(qsTranslate("ProjectPage", "%1 vs %2 3bet"), [m[1], m[2]])
    if (s.indexOf(" 3bet vs ") >= 0 && s.indexOf(" 4bet") >= 0
            && (m = /^(.+?)\s+3bet\s+vs\s+(.+?)\s+4bet$/.exec(s)) !== null)
        return _fill(qsTranslate("ProjectPage", "%1 3bet vs %2 4bet"), [m[1], m[2]])
    const words = s.trim().split(/\s+/)
    if (s.trim().length > 0 && words.length === 2)
        return _fill(qsTranslate("ProjectPage", "%1 %2"), [words[0], trStdToken(words[1])])
    return s
}

var _POSITIONS = ["UTG/HJ/CO", "UTG", "HJ", "CO", "BTN", "BU", "SB", "BB"]

function _trPopulationFixed(s) {
    switch (s) {
    case "Limp": return qsTranslate("ProjectPage", "Limp")
    case "Limp-call": return qsTranslate("ProjectPage", "Limp-call")
    case "Limp-3b": return qsTranslate("ProjectPage", "Limp-3b")
    case "RFI": return qsTranslate("ProjectPage", "RFI")
    case "Call": return qsTranslate("ProjectPage", "Call")
    case "Call raise": return qsTranslate("ProjectPage", "Call raise")
    case "Check back": return qsTranslate("ProjectPage", "Check back")
    case "3b": return qsTranslate("ProjectPage", "3b")
    case "4b": return qsTranslate("ProjectPage", "4b")
    case "Call 3b": return qsTranslate("ProjectPage", "Call 3b")
    case "Call 4b": return qsTranslate("ProjectPage", "Call 4b")
    case "3b cold call": return qsTranslate("ProjectPage", "3b cold call")
    case "Bomb pot": return qsTranslate("ProjectPage", "Bomb pot")
    case "Weaker regs": return qsTranslate("ProjectPage", "Weaker regs")
    case "Tighter reg": return qsTranslate("ProjectPage", "Tighter reg")
    case "Looser reg": return qsTranslate("ProjectPage", "Looser reg")
    case "Other": return qsTranslate("ProjectPage", "Other")
    case "Nit":
    case "nit": return qsTranslate("ProjectPage", "Nit")
    case "Overfolder":
    case "overfolder": return qsTranslate("ProjectPage", "Overfolder")
    }
    return null
}

function _trArchetype(label) {
    switch (label) {
    case "Passive": return qsTranslate("ProjectPage", "Passive")
    case "Passive tight": return qsTranslate("ProjectPage", "Passive tight")
    case "Passive neutral": return qsTranslate("ProjectPage", "Passive neutral")
    case "Passive loose": return qsTranslate("ProjectPage", "Passive loose")
    case "Extreme loose": return qsTranslate("ProjectPage", "Extreme loose")
    case "Loose aggressive": return qsTranslate("ProjectPage", "Loose aggressive")
    case "Standard LAG": return qsTranslate("ProjectPage", "Standard LAG")
    case "Maniac": return qsTranslate("ProjectPage", "Maniac")
    case "Overfolder": return qsTranslate("ProjectPage", "Overfolder")
    }
    return label
}

// The shown name of a Population folder or range; positions stay as they
// are, archetype names keep their VPIP span, and the "Weaker regs" content
// is shown as Standard names.
function trPopulationLabel(name) {
    const s = _text(name)
    if (_POSITIONS.indexOf(s) >= 0)
        return s
    const fixed = _trPopulationFixed(s)
    if (fixed !== null)
        return fixed
    const m = /^(.+?)\s*\(VPIP\s*(.+?)\)$/.exec(s) || /^(.+?)\s*\((.+?)\s*VPIP\)$/i.exec(s)
    if (m !== null)
        return _fill(qsTranslate("ProjectPage", "%1 (VPIP %2)"), [_trArchetype(m[1].trim()), m[2]])
    return trStandardLabel(s)
}

// The shown name of a node of a category: Standard (0) and Population (1)
// names translated, Custom and any other category as entered.
function rangeDisplayName(category, rawName) {
    const name = _text(rawName)
    const c = Number(category)
    if (c === 0)
        return trStandardLabel(name)
    if (c === 1)
        return trPopulationLabel(name)
    return name
}
