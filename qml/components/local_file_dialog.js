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

// The name the user meant in Qt's own dialog. Once a typed name is
// finished, the dialog puts it under the folder shown and writes only its
// last part back into the field ("/tmp/x/r" and "old/r" both become "r"):
// what was typed stands while the field still shows it or its last part;
// anything else in the field (a file picked from the list) is the name.
function typedName(fieldText, typedText) {
    var field = String(fieldText === undefined || fieldText === null ? "" : fieldText)
    var typed = String(typedText === undefined || typedText === null ? "" : typedText)
    if (typed.length > 0 && (field === typed || field === typed.substring(typed.lastIndexOf("/") + 1)))
        return typed
    return field
}

// Whether `selected` (the dialog's selected file) is the typed name put
// under the folder shown, rather than a file picked from the list.
function selectsTyped(selected, typedText) {
    var typed = String(typedText === undefined || typedText === null ? "" : typedText)
    if (typed.length === 0)
        return false
    var text = String(selected === undefined || selected === null ? "" : selected)
    var decoded = text
    try {
        decoded = decodeURIComponent(text)
    } catch (e) {
        // A malformed escape: compared as written.
    }
    var tail = "/" + typed
    return text.substring(text.length - tail.length) === tail
            || decoded.substring(decoded.length - tail.length) === tail
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

// The local path of a file: URL or a bare path, decoded.
function _localPath(url) {
    var text = String(url === undefined || url === null ? "" : url).replace(/^file:(\/\/[^\/]*)?/, "")
    try {
        text = decodeURIComponent(text)
    } catch (e) {
        // A malformed escape: shown as written.
    }
    return text
}

// The file name shown in a message: the last part of a file: URL or of a
// bare path, decoded.
function fileName(url) {
    var text = _localPath(url)
    return text.substring(text.lastIndexOf("/") + 1)
}

// The folder shown in a message: the path of a file: URL or of a bare path
// without its last part, decoded ("/" for a file at the root).
function folderPath(url) {
    var text = _localPath(url)
    var slash = text.lastIndexOf("/")
    return slash > 0 ? text.substring(0, slash) : slash === 0 ? "/" : ""
}
