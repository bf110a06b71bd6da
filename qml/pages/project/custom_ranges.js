.pragma library
.import "range_library.js" as Library
// The Custom range libraries' tree operations: where a new item goes, its
// insertion under a unique name, removal of a node with everything below
// it, the open-folder map and the selection after a removal, and the name
// an imported file suggests.
//
// Trees are values: each function works on a sanitised copy and returns
// it, never changing what it is given. `makeId` makes node ids (the page's
// own, which never repeats within a run).

function _text(v) {
    return v === undefined || v === null ? "" : String(v)
}

function makeRange(id, name, value) {
    return { id: _text(id), type: "range", name: _text(name), value: _text(value) }
}

function makeFolder(id, name) {
    return { id: _text(id), type: "folder", name: _text(name), children: [] }
}

// The folder a new item goes into: the selected folder itself, else the
// folder holding the selected node; "" (the top level) for a node at the
// top level, one not in the tree, or no selection.
function targetFolderId(tree, selectedId) {
    const id = _text(selectedId)
    if (id.length === 0)
        return ""
    const node = Library.findNodeById(tree, id)
    if (node === null)
        return ""
    if (Library.isFolder(node))
        return _text(node.id)
    return Library.findParentFolderId(tree, id, "")
}

// Appends `node` as the last child of the folder `folderId` (found at any
// depth), or at the end of the top level for "" or a folder not found, its
// name made unique among its new siblings. Gives {tree, node, folderId}:
// the new tree, the node as inserted and the folder it went into ("" for
// the top level).
function insertNode(tree, folderId, node, makeId) {
    const copy = Library.sanitizeTree(tree, makeId)
    const wanted = _text(folderId)
    const folder = wanted.length > 0 ? Library.findNodeById(copy, wanted) : null
    const holder = folder !== null && Library.isFolder(folder) ? folder : null
    const siblings = holder !== null ? holder.children : copy
    const name = Library.uniqueName(siblings, node.name)
    const placed = Library.isFolder(node) ? makeFolder(node.id, name)
                                          : makeRange(node.id, name, node.value)
    siblings.push(placed)
    return { tree: copy, node: placed, folderId: holder !== null ? _text(holder.id) : "" }
}

function _removed(list, target, state) {
    const out = []
    for (let i = 0; i < list.length; ++i) {
        const n = list[i]
        if (!state.done && _text(n.id) === target) {
            state.done = true
            continue
        }
        if (Library.isFolder(n))
            out.push({ id: n.id, type: "folder", name: n.name, children: _removed(n.children, target, state) })
        else
            out.push(n)
    }
    return out
}

// The tree without the first node with that id (depth first, in list
// order), a folder with everything below it.
function removeNode(tree, id, makeId) {
    const copy = Library.sanitizeTree(tree, makeId)
    const target = _text(id)
    if (target.length === 0)
        return copy
    return _removed(copy, target, { done: false })
}

function _collectIds(nodes, into) {
    for (let i = 0; i < nodes.length; ++i) {
        into[_text(nodes[i].id)] = true
        if (Library.isFolder(nodes[i]))
            _collectIds(nodes[i].children, into)
    }
    return into
}

// The open-folder map with only the ids that are still in the tree.
function prunedOpenMap(tree, openMap) {
    const present = _collectIds(Library.sanitizeTree(tree), {})
    const out = {}
    if (openMap !== null && openMap !== undefined && typeof openMap === "object") {
        for (const k in openMap) {
            if (Object.prototype.hasOwnProperty.call(openMap, k)
                    && Object.prototype.hasOwnProperty.call(present, k))
                out[k] = openMap[k]
        }
    }
    return out
}

// The open-folder map with the folder shown expanded: unchanged when it is
// open already, else opened as a click would open it (its sibling folders
// close, so that it is the one shown at its level).
function openedFolderMap(tree, openMap, folderId) {
    if (Library.isOpen(openMap, folderId))
        return prunedOpenMap(tree, openMap)
    return Library.toggledOpenMap(Library.sanitizeTree(tree), openMap, folderId)
}

// The row to select after a removal: the noted position clamped to the
// rows (-1 selects the first); -1 when no row is left.
function rowAfterRemoval(rowCount, notedPosition) {
    if (!(rowCount > 0))
        return -1
    if (notedPosition < 0)
        return 0
    return Math.min(notedPosition, rowCount - 1)
}

function _decoded(text) {
    try {
        return decodeURIComponent(text)
    } catch (e) {
        return text
    }
}

// The name an imported file suggests: the last part of its URL (after the
// last "/", then after the last "\"), decoded ("BTN%20open" is "BTN open"),
// without a final ".txt" in any letter case.
function suggestedImportName(fileUrl) {
    let name = _text(fileUrl)
    name = name.slice(name.lastIndexOf("/") + 1)
    name = _decoded(name)
    name = name.slice(name.lastIndexOf("\\") + 1)
    if (name.length >= 4 && name.slice(-4).toLowerCase() === ".txt")
        name = name.slice(0, -4)
    return name
}
