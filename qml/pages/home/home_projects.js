// Saving and opening project files through the controller, with the reason
// of a failure for the page's status line.
.pragma library

function _offers(controller, method) {
    return !!controller && typeof controller[method] === "function"
}

// The project state to save: the provider's result, else an empty object.
function stateFrom(provider) {
    if (typeof provider !== "function")
        return {}
    var state = provider()
    return state === undefined || state === null ? {} : state
}

function _urlText(url) {
    return url === undefined || url === null ? "" : String(url)
}

// {ok, called, reason, lockEditsLeftOut}: `called` is false when there was
// no controller to ask; `reason` is the controller's account of a failure
// (the system's words), "" when it gave none; `lockEditsLeftOut` tells that
// lock edits not yet solved are not in the file.
function save(controller, url, provider) {
    if (!_offers(controller, "saveProject"))
        return { ok: false, called: false, reason: "", lockEditsLeftOut: false }
    var ok = controller.saveProject(url, stateFrom(provider)) === true
    var reason = !ok && _offers(controller, "lastSaveError") ? controller.lastSaveError() : ""
    var leftOut = ok && _offers(controller, "lastSaveLeftOutLockEdits") && controller.lastSaveLeftOutLockEdits() === true
    return { ok: ok, called: true, reason: reason === undefined || reason === null ? "" : String(reason),
             lockEditsLeftOut: leftOut }
}

// {ok, called, project, hasResults, error}: `called` is false when there
// was no controller to ask; `error` is the controller's text, or "unknown"
// when no answer came back.
function open(controller, url) {
    if (!_offers(controller, "loadProject"))
        return { ok: false, called: false, project: null, hasResults: false, error: "" }
    var result = controller.loadProject(url)
    if (result && result.ok === true) {
        return { ok: true, called: true, project: result.project,
                 hasResults: result.hasResults === true, error: "" }
    }
    var error = result ? String(result.error === undefined || result.error === null ? "" : result.error) : ""
    return { ok: false, called: true, project: null, hasResults: false,
             error: result ? error : "unknown" }
}
