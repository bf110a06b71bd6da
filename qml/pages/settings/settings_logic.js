// The settings page's choices and checks: the languages and accent swatches
// it offers, accent texts, the stored form of the accent, and what the
// updates card shows for each state of the update service.
.pragma library

// The first label is translated by the page; the others stand as written.
var LANGUAGES = [
    { label: "System default", code: "system" },
    { label: "English", code: "en" },
    { label: "Español", code: "es" },
    { label: "Français", code: "fr" },
    { label: "Deutsch", code: "de" },
    { label: "Português (Brasil)", code: "pt_BR" },
    { label: "Italiano", code: "it" },
    { label: "Polski", code: "pl" },
    { label: "Русский", code: "ru" }
]

var SWATCHES = [
    { label: "Green", color: "#3FB950" },
    { label: "Blue", color: "#58A6FF" },
    { label: "Purple", color: "#A371F7" },
    { label: "Gold", color: "#F0B429" },
    { label: "Orange", color: "#F0883E" },
    { label: "Red", color: "#F85149" }
]

// "Green" is the default accent; the light theme draws it in a darker shade
// of its own, so the default is found by its swatch, not by its colour.
var DEFAULT_SWATCH = 0

// The index of the swatch the current accent comes from: the override's
// swatch while the override is on (-1 for a colour of no swatch), else the
// default swatch, in either theme.
function currentSwatchIndex(theme) {
    if (!theme || theme.useAccentOverride !== true)
        return DEFAULT_SWATCH
    for (var i = 0; i < SWATCHES.length; ++i) {
        if (Qt.colorEqual(SWATCHES[i].color, theme.accentOverride))
            return i
    }
    return -1
}

// The list offered, its first label replaced by `systemLabel`.
function languages(systemLabel) {
    var out = []
    for (var i = 0; i < LANGUAGES.length; ++i)
        out.push({ label: i === 0 && systemLabel ? systemLabel : LANGUAGES[i].label, code: LANGUAGES[i].code })
    return out
}

// The entry of the current code: "system" when there is no service or the
// code is empty; the first entry when the code is not offered.
function languageIndex(languageService) {
    var code = "system"
    if (languageService && languageService.currentLanguage !== undefined
            && languageService.currentLanguage !== null && String(languageService.currentLanguage).length > 0)
        code = String(languageService.currentLanguage)
    for (var i = 0; i < LANGUAGES.length; ++i) {
        if (LANGUAGES[i].code === code)
            return i
    }
    return 0
}

function isValidHexColor(s) {
    if (s === undefined || s === null)
        return false
    return /^#([0-9a-fA-F]{6}|[0-9a-fA-F]{8})$/.test(String(s).trim())
}

// What an accent text asks for: {action: "clear"}, {action: "set", value}
// or {action: "ignore"}.
function accentRequest(s) {
    var text = s === undefined || s === null ? "" : String(s).trim()
    if (text.length === 0)
        return { action: "clear" }
    if (!isValidHexColor(text))
        return { action: "ignore" }
    return { action: "set", value: text }
}

// The text stored for the accent: the override colour's text form while the
// override is on, else empty.
function storedAccentHex(theme) {
    if (!theme || theme.useAccentOverride !== true)
        return ""
    return String(theme.accentOverride)
}

function tooltipFor(swatch) {
    return swatch.label + " (" + swatch.color + ")"
}

// ---- Update states -----------------------------------------------------------

function _flag(u, key) {
    return !!u && u[key] === true
}

function _text(u, key) {
    if (!u)
        return ""
    var v = u[key]
    return v === undefined || v === null ? "" : String(v)
}

function _validTime(v) {
    return v instanceof Date && isFinite(v.getTime())
}

// What the updates card shows for the service `u` (null when absent). Texts
// that need translating are left to the page: it gets kinds and values.
function updateView(u) {
    var present = !!u
    var checked = present && _validTime(u.lastCheckedAt)
    var error = _text(u, "lastError")
    var available = _flag(u, "updateAvailable")
    var busy = _flag(u, "busy")
    var downloadBusy = _flag(u, "downloadBusy")
    var downloaded = _flag(u, "downloaded")
    var progress = present ? Number(u.downloadProgress) : 0
    if (!isFinite(progress))
        progress = 0
    var total = present ? Number(u.downloadBytesTotal) : 0
    var notes = _text(u, "releaseNotes")
    var downloadKind = downloaded ? "done" : (isFinite(total) && total > 0 ? "percent" : "unknown")
    return {
        version: _text(u, "currentVersion"),
        showLastChecked: checked,
        lastCheckedAt: checked ? u.lastCheckedAt : null,
        showError: error.length > 0,
        error: error,
        showAvailable: available,
        latestVersion: _text(u, "latestVersion"),
        showNoUpdates: present && !busy && checked && !available && error.length === 0,
        showNotes: available && notes.trim().length > 0,
        notes: notes,
        showDownload: downloadBusy || downloaded,
        downloadProgress: Math.max(0, Math.min(1, progress)),
        downloadKind: downloadKind,
        downloadPercent: Math.floor(100 * progress),
        checkKind: busy ? "checking" : "check",
        checkEnabled: present && !busy,
        primaryKind: downloadBusy ? "updating" : (downloaded ? "install" : "update"),
        primaryEnabled: present && available && !downloadBusy
    }
}
