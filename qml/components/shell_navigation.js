.pragma library
// The window's start-up geometry and the shell's navigation rules.

var HOME = 0
var SETUP = 1
var SOLVE = 2
var RESULTS = 3
var SETTINGS = 4

function clamp(v, lo, hi) {
    return hi < lo ? lo : Math.max(lo, Math.min(hi, v))
}

// Size, position and minimums of the window in the available area `avail`
// ({x, y, width, height}) for the set-up page's recommended width.
function startupGeometry(avail, recommendedWidth) {
    const rec = Number(recommendedWidth) > 0 ? Number(recommendedWidth) : 0
    const maxW = Math.floor(avail.width * 0.95)
    const maxH = Math.floor(avail.height * 0.95)
    const width = clamp(Math.max(1100, Math.max(1540, rec)), 900, maxW)
    const height = clamp(1200, 650, maxH)
    return {
        width: width,
        height: height,
        x: avail.x + Math.floor((avail.width - width) / 2),
        y: avail.y + Math.floor((avail.height - height) / 2),
        minimumWidth: Math.min(Math.max(900, rec), maxW),
        minimumHeight: Math.min(650, maxH)
    }
}

function _running(controller) {
    return !!controller && !!controller.running
}

function _hasResults(controller) {
    return !!controller && Number(controller.resultIterations) > 0
}

// A running solve keeps the user on the solve page.
function locked(navIndex, controller) {
    return navIndex === SOLVE && _running(controller)
}

// The page a request for page `i` leads to, or -1 when it is refused.
// `s` holds navIndex, controller, hasProject and canSolve.
function navigateTarget(s, i) {
    if (locked(s.navIndex, s.controller) && i !== SOLVE)
        return -1
    if (i === RESULTS && !_hasResults(s.controller))
        return -1
    if (i === SETUP && !s.hasProject)
        return -1
    if (i === SOLVE && !s.canSolve)
        return -1
    return i
}

// The page a "Ctrl+<n>" shortcut for page `i` leads to, or -1.
function shortcutTarget(s, i) {
    if (locked(s.navIndex, s.controller))
        return -1
    if (i === SETUP && !s.hasProject)
        return -1
    if (i === SOLVE && !s.canSolve)
        return -1
    if (i === RESULTS && !_hasResults(s.controller))
        return -1
    return i
}

function canStartFromKeyboard(s) {
    return !!s.canSolve && !!s.controller && !s.controller.running
}

function pageTitle(i, tr) {
    switch (i) {
    case HOME: return tr.home
    case SETUP: return tr.setup
    case SOLVE: return tr.solve
    case RESULTS: return tr.results
    case SETTINGS: return tr.settings
    }
    return tr.app
}
