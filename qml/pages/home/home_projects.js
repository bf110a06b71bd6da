// Saving and opening project files through the controller, with the reason
// of a failure for the page's error line.
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

// Why a save to `url` failed; the controller answers only with a flag, so
// the address itself tells what it can.
function saveFailureReason(url, hasController) {
    if (!hasController)
        return "unavailable"
    var text = _urlText(url)
    if (text.length === 0 || text.indexOf("file:") !== 0)
        return "url"
    var path = text.replace(/^file:(\/\/[^\/]*)?/, "")
    if (path.length === 0)
        return "empty"
    return "write"
}

// {ok, reason}: reason is "", "unavailable", "url", "empty" or "write".
function save(controller, url, provider) {
    if (!_offers(controller, "saveProject"))
        return { ok: false, reason: saveFailureReason(url, false) }
    var ok = controller.saveProject(url, stateFrom(provider)) === true
    return { ok: ok, reason: ok ? "" : saveFailureReason(url, true) }
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

// The local file name shown in a message: the last part of the path.
function fileName(url) {
    var text = _urlText(url).replace(/^file:(\/\/[^\/]*)?/, "")
    try {
        text = decodeURIComponent(text)
    } catch (e) {
        // A malformed escape: shown as written.
    }
    var slash = text.lastIndexOf("/")
    return slash >= 0 ? text.substring(slash + 1) : text
}
