.pragma library
// The file a file dialog chose, as the user meant it. Qt's own dialog (used
// where the desktop offers no native one) joins a typed name to the folder
// shown and hands it back without a scheme; these rules read the typed name
// instead.

// The one extension a name filter such as "Project (*.tessavalproj)" names;
// "" for "All Files (*)", several patterns or none.
function filterExtension(filterText) {
    var m = /\(([^)]*)\)\s*$/.exec(String(filterText === undefined || filterText === null ? "" : filterText))
    if (m === null)
        return ""
    var patterns = m[1].trim().split(/\s+/)
    if (patterns.length !== 1)
        return ""
    var e = /^\*\.([A-Za-z0-9_-]+)$/.exec(patterns[0])
    return e === null ? "" : e[1]
}

// The path a typed name stands for in `folderPath`: a name of its own, or a
// whole path when it begins with "/". A last part without an extension gets
// the extension of the filter shown. "" when nothing was typed.
function typedPath(folderPath, typed, filterText) {
    var name = String(typed === undefined || typed === null ? "" : typed)
    if (name.trim().length === 0)
        return ""
    var folder = String(folderPath === undefined || folderPath === null ? "" : folderPath)
    var path = name.charAt(0) === "/" ? name : folder.replace(/\/+$/, "") + "/" + name
    if (path.charAt(path.length - 1) === "/")
        return path
    var last = path.substring(path.lastIndexOf("/") + 1)
    var extension = filterExtension(filterText)
    if (extension.length > 0 && last.indexOf(".") <= 0)
        path += "." + extension
    return path
}

// The first item under `item` (itself included) for which `test` holds,
// walking the visual children.
function findItem(item, test) {
    if (!item)
        return null
    if (test(item))
        return item
    var kids = item.children
    for (var i = 0; kids && i < kids.length; ++i) {
        var found = findItem(kids[i], test)
        if (found)
            return found
    }
    return null
}

// The file name shown in a message: the last part of a file: URL or of a
// bare path, decoded.
function fileName(url) {
    var text = String(url === undefined || url === null ? "" : url).replace(/^file:(\/\/[^\/]*)?/, "")
    try {
        text = decodeURIComponent(text)
    } catch (e) {
        // A malformed escape: shown as written.
    }
    return text.substring(text.lastIndexOf("/") + 1)
}
