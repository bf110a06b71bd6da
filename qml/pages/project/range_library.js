.pragma library
// Range library trees: node ids, the sanitising copy of a tree, lookups,
// unique sibling names, accordion folders and the flat rows of a panel's
// list, override maps and their keys, and the texts kept in the settings.
//
// A node is {id, type: "range", name, value} or {id, type: "folder", name,
// children}. Trees are values: every function returns new lists and objects
// and never changes what it is given.

var PATH_SEPARATOR = " / "
var _LEGACY_PREFIXES = ["6-max / ", "Heads up / "]

// Ids handed out in this run; a repeat is drawn again, so that two nodes
// never share one even when made within the same millisecond.
var _handedOut = {}

function _has(map, key) {
    return map !== null && map !== undefined && typeof map === "object"
            && Object.prototype.hasOwnProperty.call(map, key)
}

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function _list(v) {
    return Array.isArray(v) ? v : []
}

function isFolder(node) {
    return !!node && (node.type === "folder" || Array.isArray(node.children))
}

// "n_", the time in milliseconds in base 36, "_" and up to six base-36
// digits of a random fraction. `nowMs` and `random` are for tests.
function newNodeId(nowMs, random) {
    const clock = nowMs === undefined ? function () { return Date.now() }
                                      : function () { return nowMs }
    const draw = random === undefined ? Math.random : random
    for (;;) {
        const fraction = draw().toString(36)
        const point = fraction.indexOf(".")
        const digits = point < 0 ? "" : fraction.slice(point + 1, point + 7)
        const id = "n_" + Math.floor(clock()).toString(36) + "_" + digits
        if (!_has(_handedOut, id)) {
            _handedOut[id] = true
            return id
        }
    }
}

// A normalised deep copy: elements without a name (after trimming) are
// dropped with everything under them; ids are kept when not blank, else
// made; an element with type "folder" or a children list is a folder, any
// other a range whose value is text. Key order: id, type, name, then value
// or children.
function sanitizeTree(arr, makeId) {
    const newId = makeId || newNodeId
    const out = []
    const items = _list(arr)
    for (let i = 0; i < items.length; ++i) {
        const el = items[i]
        if (el === undefined || el === null)
            continue
        const name = _text(el.name).trim()
        if (name.length === 0)
            continue
        const id = _text(el.id).trim().length > 0 ? _text(el.id) : newId()
        if (isFolder(el))
            out.push({ id: id, type: "folder", name: name, children: sanitizeTree(el.children, newId) })
        else
            out.push({ id: id, type: "range", name: name, value: _text(el.value) })
    }
    return out
}

// The first node with that id, depth first in list order; null for an
// empty id or no list.
function findNodeById(nodes, id) {
    const target = _text(id)
    if (target.length === 0 || !Array.isArray(nodes))
        return null
    for (let i = 0; i < nodes.length; ++i) {
        const n = nodes[i]
        if (!n)
            continue
        if (_text(n.id) === target)
            return n
        if (isFolder(n)) {
            const found = findNodeById(n.children, target)
            if (found !== null)
                return found
        }
    }
    return null
}

function _parentOf(nodes, target, parent) {
    const list = _list(nodes)
    for (let i = 0; i < list.length; ++i) {
        const n = list[i]
        if (!n)
            continue
        if (_text(n.id) === target)
            return parent
        if (isFolder(n)) {
            const found = _parentOf(n.children, target, _text(n.id))
            if (found !== null)
                return found
        }
    }
    return null
}

// The id of the folder that directly holds the node; "" at the top level
// or when the node is not in the tree.
function findParentFolderId(nodes, targetId, parentFolderId) {
    const target = _text(targetId)
    if (target.length === 0)
        return ""
    const found = _parentOf(nodes, target, _text(parentFolderId))
    return found === null ? "" : found
}

// The override key of a range: its folders' names and its own joined with
// " / "; "" for a folder or an id not in the tree.
function findPathKeyById(nodes, targetId, pathParts) {
    const target = _text(targetId)
    const path = _list(pathParts)
    const list = _list(nodes)
    if (target.length === 0)
        return ""
    for (let i = 0; i < list.length; ++i) {
        const n = list[i]
        if (!n)
            continue
        if (isFolder(n)) {
            if (_text(n.id) === target)
                return ""
            const key = findPathKeyById(n.children, target, path.concat([_text(n.name)]))
            if (key !== "")
                return key
        } else if (_text(n.id) === target) {
            return path.concat([_text(n.name)]).join(PATH_SEPARATOR)
        }
    }
    return ""
}

// Every node below a folder, folders included; 0 for a range.
function countDescendants(node) {
    if (!isFolder(node))
        return 0
    const kids = _list(node.children)
    let count = kids.length
    for (let i = 0; i < kids.length; ++i)
        count += countDescendants(kids[i])
    return count
}

function normalizeName(name) {
    return _text(name).trim()
}

// The desired name, trimmed, made unique among the given siblings with
// " (2)", " (3)", ...; "" for a blank name. Exact, case-sensitive.
function uniqueName(existing, desiredName) {
    const base = normalizeName(desiredName)
    if (base.length === 0)
        return ""
    const taken = {}
    const list = _list(existing)
    for (let i = 0; i < list.length; ++i) {
        const n = list[i] ? _text(list[i].name) : ""
        if (n.length > 0)
            taken[n] = true
    }
    if (!_has(taken, base))
        return base
    for (let k = 2; ; ++k) {
        const candidate = base + " (" + k + ")"
        if (!_has(taken, candidate))
            return candidate
    }
}

function isOpen(openMap, id) {
    return _has(openMap, _text(id)) && !!openMap[_text(id)]
}

function _copyMap(map) {
    const out = {}
    if (map !== null && map !== undefined && typeof map === "object") {
        for (const k in map) {
            if (_has(map, k))
                out[k] = map[k]
        }
    }
    return out
}

// The open-folder map after a click on a folder of the tree: an open folder
// closes (folders open below it stay in the map, to show again when it is
// reopened); a closed one opens and closes its sibling folders.
function toggledOpenMap(tree, openMap, folderId) {
    const id = _text(folderId)
    const copy = _copyMap(openMap)
    if (id.length === 0)
        return copy
    if (isOpen(copy, id)) {
        delete copy[id]
        return copy
    }
    const parent = findParentFolderId(tree, id, "")
    const parentNode = parent === "" ? null : findNodeById(tree, parent)
    const siblings = parent === "" ? _list(tree) : _list(parentNode ? parentNode.children : [])
    for (let i = 0; i < siblings.length; ++i) {
        if (isFolder(siblings[i]))
            delete copy[_text(siblings[i].id)]
    }
    copy[id] = true
    return copy
}

// The rows of a panel's list. Drill-down: where a level has an open
// folder, the first one alone stands for the level, followed by its
// content one level deeper. `displayName(name)` gives a row's shown name.
function flattenTree(tree, openMap, displayName) {
    const rows = []
    const shown = displayName || function (n) { return n }
    const walk = function (nodes, depth, parent) {
        const list = _list(nodes).filter(function (n) { return !!n })
        let open = null
        for (let i = 0; i < list.length && open === null; ++i) {
            if (isFolder(list[i]) && isOpen(openMap, list[i].id))
                open = list[i]
        }
        const listed = open !== null ? [open] : list
        for (let i = 0; i < listed.length; ++i) {
            const n = listed[i]
            const name = _text(n.name)
            if (isFolder(n)) {
                rows.push({ id: _text(n.id), kind: "folder", name: name, displayName: shown(name),
                            depth: depth, parentFolderId: parent })
                if (isOpen(openMap, n.id))
                    walk(n.children, depth + 1, _text(n.id))
            } else {
                rows.push({ id: _text(n.id), kind: "range", name: name, displayName: shown(name),
                            value: _text(n.value), depth: depth, parentFolderId: parent })
            }
        }
    }
    walk(tree, 0, "")
    return rows
}

// ---- Override maps -----------------------------------------------------

// A value that is missing or false counts as blank.
function _overrideValue(v) {
    return v ? String(v) : ""
}

// {key: range text} with trimmed, non-empty keys and values that are not
// blank (kept untrimmed). Accepts a map or a list of {key, value}, where a
// later entry of a key wins.
function sanitizeOverrideMap(obj) {
    const out = {}
    if (obj === null || obj === undefined || typeof obj !== "object")
        return out
    const put = function (key, value) {
        const k = _text(key).trim()
        const v = _overrideValue(value)
        if (k.length > 0 && v.trim().length > 0)
            out[k] = v
    }
    if (Array.isArray(obj)) {
        for (let i = 0; i < obj.length; ++i) {
            if (obj[i] && typeof obj[i] === "object")
                put(obj[i].key, obj[i].value)
        }
    } else {
        for (const k in obj) {
            if (_has(obj, k))
                put(k, obj[k])
        }
    }
    return out
}

function _overrideFor(overrides, key) {
    const keys = [key].concat(_LEGACY_PREFIXES.map(function (p) { return p + key }))
    for (let i = 0; i < keys.length; ++i) {
        if (_has(overrides, keys[i])) {
            const v = _overrideValue(overrides[keys[i]])
            if (v.length > 0)
                return v
        }
    }
    return null
}

// A copy of the tree, ids and order kept, in which each range with an
// override takes its value; the key may also carry a leading "6-max / " or
// "Heads up / ", as keys written for older library layouts do.
function applyOverrides(nodes, overrides, pathParts) {
    const path = _list(pathParts)
    return _list(nodes).filter(function (n) { return !!n }).map(function (n) {
        const name = _text(n.name)
        if (isFolder(n))
            return { id: n.id, type: "folder", name: name,
                     children: applyOverrides(n.children, overrides, path.concat([name])) }
        const v = _overrideFor(overrides, path.concat([name]).join(PATH_SEPARATOR))
        return { id: n.id, type: "range", name: name, value: v !== null ? v : _text(n.value) }
    })
}

// A copy of the tree, ids kept, in which the first range with that id has
// the new value.
function updateRangeValueById(nodes, targetId, newValue) {
    const target = _text(targetId)
    let done = false
    const copy = function (list) {
        return _list(list).filter(function (n) { return !!n }).map(function (n) {
            if (isFolder(n))
                return { id: n.id, type: "folder", name: _text(n.name), children: copy(n.children) }
            const hit = !done && target.length > 0 && _text(n.id) === target
            if (hit)
                done = true
            return { id: n.id, type: "range", name: _text(n.name), value: hit ? _text(newValue) : _text(n.value) }
        })
    }
    return copy(nodes)
}

// ---- Stored texts ----------------------------------------------------------

function _parse(text) {
    try {
        return JSON.parse(text)
    } catch (e) {
        return undefined
    }
}

// A stored tree, sanitised; null for a blank text, text that is no JSON or
// a tree with no usable node.
function parseStoredTree(text, makeId) {
    const t = _text(text)
    if (t.trim().length === 0)
        return null
    const parsed = _parse(t)
    if (parsed === undefined)
        return null
    const tree = sanitizeTree(parsed, makeId)
    return tree.length > 0 ? tree : null
}

// A stored override map, sanitised; {} for a blank text or text that is no
// JSON.
function parseStoredOverrides(text) {
    const t = _text(text)
    if (t.trim().length === 0)
        return {}
    const parsed = _parse(t)
    return parsed === undefined ? {} : sanitizeOverrideMap(parsed)
}

function treeJson(tree) {
    return JSON.stringify(sanitizeTree(tree))
}

function overridesJson(map) {
    return JSON.stringify(sanitizeOverrideMap(map))
}
