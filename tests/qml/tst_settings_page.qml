import QtQuick
import QtTest
import Qt.labs.settings
import Tessaval
import TestSupport
import "shown_texts.js" as ShownTexts

// The settings page: the accent and dark mode on the live theme, what is
// stored and when, the language list with live re-translation, the notices
// buttons, and the updates card in every state of the update service.
TestCase {
    id: testCase
    name: "SettingsPage"
    width: 1400
    height: 1100
    visible: true
    when: windowShown

    Component {
        id: themeComponent
        Theme {}
    }

    Component {
        id: pageComponent
        SettingsPage {
            width: testCase.width
            height: testCase.height
        }
    }

    Component {
        id: shellComponent
        AppShell {
            width: testCase.width
            height: testCase.height
            controller: appController
        }
    }

    Component {
        id: updatesComponent
        FakeUpdates {}
    }

    Component {
        id: translatorComponent
        TestTranslator {}
    }

    // Reads the store as the shell does at start-up.
    Settings {
        id: stored
        category: "ui"
    }

    property var appTheme

    function init() {
        appTheme = createTemporaryObject(themeComponent, testCase)
    }

    function cleanup() {
        if (typeof languageManager !== "undefined")
            languageManager.setLanguage("system")
    }

    function makePage(properties) {
        const p = properties || {}
        if (!("theme" in p))
            p.theme = appTheme
        if (!("darkMode" in p))
            p.darkMode = p.theme ? p.theme.dark : false
        const page = createTemporaryObject(pageComponent, testCase, p)
        verify(page)
        waitForRendering(page)
        return page
    }

    function swatches(page) {
        return ["Green", "Blue", "Purple", "Gold", "Orange", "Red"].map(function (label) {
            return findChild(page, "swatch_" + label)
        })
    }

    function focused(page) {
        return swatches(page).filter(function (s) { return s.current }).map(function (s) {
            return s.objectName.substring(7)
        })
    }

    // ---- Appearance ----------------------------------------------------------

    // The swatch of the accent in use shows the ring in both themes: the
    // default accent is Green's, though the light theme draws it darker.
    function test_defaultAccentIsMarked_data() {
        return [
            { tag: "dark", dark: true, expect: ["Green"] },
            { tag: "light", dark: false, expect: ["Green"] },
            { tag: "light, Green picked", dark: false, pick: "#3FB950", expect: ["Green"] },
            { tag: "light, Blue picked", dark: false, pick: "#58A6FF", expect: ["Blue"] },
            { tag: "light, no swatch's colour", dark: false, pick: "#123456", expect: [] }
        ]
    }

    function test_defaultAccentIsMarked(data) {
        appTheme.dark = data.dark
        const page = makePage()
        if (data.pick)
            page.applyAccentHex(data.pick)
        compare(focused(page), data.expect)
        for (const s of swatches(page))
            verify(Qt.colorEqual(s.border.color, s.current ? appTheme.strokeFocus : appTheme.stroke))
        compare(findChild(page, "accentResetButton").enabled, !!data.pick)
    }

    function test_swatchAndReset() {
        const page = makePage()
        const before = String(appTheme.accent)
        mouseClick(findChild(page, "swatch_Orange"))
        verify(appTheme.useAccentOverride)
        verify(Qt.colorEqual(appTheme.accent, "#F0883E"))
        verify(Qt.colorEqual(appTheme.success, "#F0883E"))
        compare(focused(page), ["Orange"])
        const reset = findChild(page, "accentResetButton")
        verify(reset.enabled)
        mouseClick(reset)
        verify(!appTheme.useAccentOverride)
        compare(String(appTheme.accent), before)
        compare(focused(page), ["Green"])
        verify(!reset.enabled)
    }

    function test_applyAccentHex_data() {
        return [
            { tag: "six digits", text: "#58a6ff", on: true, accent: "#58A6FF" },
            { tag: "eight digits", text: "#FF123456", on: true, accent: "#123456" },
            { tag: "trimmed", text: "  #A371F7\t", on: true, accent: "#A371F7" },
            { tag: "five digits ignored", text: "#12345", on: true, accent: "#F0B429" },
            { tag: "seven digits ignored", text: "#1234567", on: true, accent: "#F0B429" },
            { tag: "no hash ignored", text: "A371F7", on: true, accent: "#F0B429" },
            { tag: "not hexadecimal ignored", text: "#A371G7", on: true, accent: "#F0B429" },
            { tag: "name ignored", text: "blue", on: true, accent: "#F0B429" },
            { tag: "blank clears", text: "  ", on: false, accent: "#3FB950" },
            { tag: "empty clears", text: "", on: false, accent: "#3FB950" }
        ]
    }

    function test_applyAccentHex(data) {
        const page = makePage()
        page.applyAccentHex("#F0B429")
        page.applyAccentHex(data.text)
        compare(appTheme.useAccentOverride, data.on)
        verify(Qt.colorEqual(appTheme.accent, data.accent), String(appTheme.accent))
        compare(page._isValidHexColor(data.text), data.on && data.tag.indexOf("ignored") < 0)
        // The override colour stays when the override is switched off.
        if (!data.on)
            verify(Qt.colorEqual(appTheme.accentOverride, "#F0B429"))
    }

    function test_withoutThemeNothingChanges() {
        const page = makePage({ theme: null, darkMode: false })
        page.applyAccentHex("#F0883E")
        page.saveSettings()
        compare(stored.value("accentHex"), "")
        compare(stored.value("darkMode"), false)
    }

    function test_storedOnlyOnSave() {
        const page = makePage()
        page.saveSettings()
        compare(stored.value("accentHex"), "")
        mouseClick(findChild(page, "swatch_Orange"))
        compare(stored.value("accentHex"), "", "a click stores nothing")
        mouseClick(findChild(page, "saveSettingsButton"))
        compare(stored.value("accentHex"), "#f0883e")
        compare(stored.value("darkMode"), true)

        page.darkMode = false
        mouseClick(findChild(page, "accentResetButton"))
        mouseClick(findChild(page, "saveSettingsButton"))
        compare(stored.value("accentHex"), "")
        compare(stored.value("darkMode"), false)
    }

    function test_resetToDefaults() {
        const page = makePage({ darkMode: false })
        page.applyAccentHex("#F85149")
        page.saveSettings()
        compare(stored.value("accentHex"), "#f85149")
        mouseClick(findChild(page, "resetDefaultsButton"))
        verify(page.darkMode)
        verify(!appTheme.useAccentOverride)
        compare(stored.value("accentHex"), "")
        compare(stored.value("darkMode"), true)
    }

    // In the shell the switch turns the whole interface dark or light at once.
    function test_darkModeSwitchInTheShell() {
        const shell = createTemporaryObject(shellComponent, testCase)
        const page = findChild(shell, "settingsPage")
        shell.navIndex = 4
        waitForRendering(shell)
        const toggle = findChild(page, "darkModeSwitch")
        verify(shell.theme.dark)
        verify(toggle.checked)
        mouseClick(toggle)
        verify(!page.darkMode)
        verify(!shell.theme.dark)
        verify(!toggle.checked)
        mouseClick(toggle)
        verify(shell.theme.dark)
    }

    // ---- Language ------------------------------------------------------------

    function test_languageListFollowsTheService_data() {
        return [
            { tag: "German", code: "de", index: 4 },
            { tag: "Polish", code: "pl", index: 7 },
            { tag: "not offered", code: "de_DE", index: 0 },
            { tag: "system", code: "system", index: 0 }
        ]
    }

    function test_languageListFollowsTheService(data) {
        const page = makePage()
        const list = findChild(page, "languageList")
        languageManager.setLanguage(data.code)
        compare(list.currentIndex, data.index)
    }

    // WCAG contrast ratio of two colours.
    function contrast(a, b) {
        const lum = function (c) {
            const ch = function (v) { return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4) }
            return 0.2126 * ch(c.r) + 0.7152 * ch(c.g) + 0.0722 * ch(c.b)
        }
        const la = lum(a), lb = lum(b)
        return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05)
    }

    // The open list's highlighted entry and a plain one are readable in
    // both themes: their text stands out from their background.
    function test_languagePopupIsReadable_data() {
        return [{ tag: "dark", dark: true }, { tag: "light", dark: false }]
    }

    function test_languagePopupIsReadable(data) {
        appTheme.dark = data.dark
        const page = makePage()
        const list = findChild(page, "languageList")
        list.popup.open()
        tryVerify(function () { return list.popup.opened })
        list.incrementCurrentIndex()
        list.incrementCurrentIndex()
        compare(list.highlightedIndex, 2)
        const view = list.popup.contentItem
        tryVerify(function () { return view.itemAtIndex(3) !== null })
        // The whole window, pop-up included (a grab of an item is cut at its
        // position in its parent, not in the window).
        const image = grabImage(testCase)
        for (const index of [2, 3]) {
            const entry = view.itemAtIndex(index)
            compare(entry.highlighted, index === 2)
            const r = entry.mapToItem(testCase, 0, 0, entry.width, entry.height)
            const back = image.pixel(Math.round(r.x) + 3, Math.round(r.y + r.height / 2))
            // The darkest or lightest pixel of the entry's text.
            const t = entry.contentItem.mapToItem(testCase, 0, 0, entry.contentItem.width,
                                                  entry.contentItem.height)
            let ink = back
            for (let x = Math.ceil(t.x); x < Math.floor(t.x + t.width); ++x)
                for (let y = Math.ceil(t.y); y < Math.floor(t.y + t.height); ++y)
                    if (contrast(image.pixel(x, y), back) > contrast(ink, back))
                        ink = image.pixel(x, y)
            verify(contrast(ink, back) >= 4.5, "entry " + index + ": " + ink + " on " + back)
        }
        list.popup.close()
    }

    function test_pickingALanguage() {
        const page = makePage()
        const list = findChild(page, "languageList")
        list.activated(5)
        compare(languageManager.currentLanguage, "pt_BR")
        compare(list.currentIndex, 5)
        list.activated(0)
        compare(languageManager.currentLanguage, "system")
    }

    function test_withoutLanguageServicePickingDoesNothing() {
        languageManager.setLanguage("fr")
        const page = makePage({ languageManagerObject: null })
        const list = findChild(page, "languageList")
        compare(list.currentIndex, 0)
        list.activated(3)
        compare(languageManager.currentLanguage, "fr")
    }

    function test_languageChangeRetranslatesLive() {
        const translator = createTemporaryObject(translatorComponent, testCase,
                                                 { contexts: ["SettingsPage"], active: true })
        const updates = createTemporaryObject(updatesComponent, testCase)
        const page = makePage({ updatesObject: updates })
        const save = findChild(page, "saveSettingsButton")
        const version = findChild(page, "updateVersionLine")
        const list = findChild(page, "languageList")
        compare(save.text, "Save Settings")
        compare(list.displayText, "System default")

        list.activated(4)
        compare(languageManager.currentLanguage, "de")
        compare(save.text, "[de] Save Settings")
        compare(version.text, "[de] Current version: 1.0.4")
        compare(list.currentIndex, 4)
        compare(list.model[0].label, "[de] System default")

        languageManager.setLanguage("system")
        compare(save.text, "Save Settings")
        compare(list.displayText, "System default")
        translator.active = false
    }

    // ---- Notices -------------------------------------------------------------

    function test_noticesButtons() {
        const calls = []
        const controller = {
            openLicensesFolder: function () { calls.push("folder") },
            openThirdPartyNotices: function () { calls.push("notices") }
        }
        const page = makePage({ appControllerObject: controller })
        mouseClick(findChild(page, "openLicensesButton"))
        mouseClick(findChild(page, "openNoticesButton"))
        compare(calls, ["folder", "notices"])

        const bare = makePage({ appControllerObject: null })
        mouseClick(findChild(bare, "openLicensesButton"))
        mouseClick(findChild(bare, "openNoticesButton"))
        compare(calls.length, 2)
    }

    // ---- Updates -------------------------------------------------------------

    readonly property var lineNames: ["updateVersionLine", "updateLastCheckedLine", "updateErrorLine",
        "updateAvailableLine", "updateNoneLine", "updateNotesLine", "downloadBlock"]

    function test_updateStates_data() {
        const now = new Date()
        return [
            { tag: "no service", state: null, lines: [1, 0, 0, 0, 0, 0, 0],
              version: "Current version: Unknown", check: ["Check for updates", false], primary: ["Update", false] },
            { tag: "before any check", state: {}, lines: [1, 0, 0, 0, 0, 0, 0],
              version: "Current version: 1.0.4", check: ["Check for updates", true], primary: ["Update", false] },
            { tag: "checking", state: { busy: true, lastCheckedAt: now }, lines: [1, 1, 0, 0, 0, 0, 0],
              check: ["Checking...", false], primary: ["Update", false] },
            { tag: "no address configured",
              state: { lastCheckedAt: now, lastError: "Update URL is not configured." },
              lines: [1, 1, 1, 0, 0, 0, 0], error: "Update URL is not configured.",
              check: ["Check for updates", true], primary: ["Update", false] },
            { tag: "up to date", state: { lastCheckedAt: now }, lines: [1, 1, 0, 0, 1, 0, 0],
              check: ["Check for updates", true], primary: ["Update", false] },
            { tag: "available with notes",
              state: { lastCheckedAt: now, updateAvailable: true, latestVersion: "1.1.0",
                       releaseNotes: " Faster solves. " },
              lines: [1, 1, 0, 1, 0, 1, 0], available: "Update available: 1.1.0", notes: " Faster solves. ",
              check: ["Check for updates", true], primary: ["Update", true] },
            { tag: "available with blank notes",
              state: { lastCheckedAt: now, updateAvailable: true, latestVersion: "1.1.0", releaseNotes: "  " },
              lines: [1, 1, 0, 1, 0, 0, 0], check: ["Check for updates", true], primary: ["Update", true] },
            { tag: "downloading, size unknown",
              state: { updateAvailable: true, latestVersion: "1.1.0", downloadBusy: true },
              lines: [1, 0, 0, 1, 0, 0, 1], download: "Downloading…",
              check: ["Check for updates", true], primary: ["Updating…", false] },
            { tag: "downloading, size known",
              state: { updateAvailable: true, downloadBusy: true, downloadBytesTotal: 1000, downloadProgress: 0.456 },
              lines: [1, 0, 0, 1, 0, 0, 1], download: "Downloading: 45%",
              check: ["Check for updates", true], primary: ["Updating…", false] },
            { tag: "downloaded",
              state: { updateAvailable: true, downloaded: true, downloadProgress: 1, downloadBytesTotal: 1000 },
              lines: [1, 0, 0, 1, 0, 0, 1], download: "Downloaded",
              check: ["Check for updates", true], primary: ["Install update", true] },
            { tag: "downloaded, no update",
              state: { downloaded: true, lastCheckedAt: now, lastError: "No update is available." },
              lines: [1, 1, 1, 0, 0, 0, 1], download: "Downloaded",
              check: ["Check for updates", true], primary: ["Install update", false] }
        ]
    }

    function test_updateStates(data) {
        let service = null
        if (data.state !== null) {
            service = createTemporaryObject(updatesComponent, testCase)
            for (const key in data.state)
                service[key] = data.state[key]
        }
        const page = makePage({ updatesObject: service })
        compare(lineNames.map(function (name) { return findChild(page, name).visible ? 1 : 0 }), data.lines)
        if (data.version)
            compare(findChild(page, "updateVersionLine").text, data.version)
        if (data.lines[1])
            verify(findChild(page, "updateLastCheckedLine").text.indexOf("Last checked: ") === 0)
        if (data.error)
            compare(findChild(page, "updateErrorLine").text, data.error)
        if (data.available)
            compare(findChild(page, "updateAvailableLine").text, data.available)
        if (data.notes)
            compare(findChild(page, "updateNotesLine").text, data.notes)
        if (data.download)
            compare(findChild(page, "downloadText").text, data.download)
        const check = findChild(page, "checkUpdatesButton")
        const primary = findChild(page, "updateButton")
        compare([check.text, check.enabled], data.check)
        compare([primary.text, primary.enabled], data.primary)
    }

    function test_checkAndUpdateButtons() {
        const service = createTemporaryObject(updatesComponent, testCase)
        service.updateAvailable = true
        const page = makePage({ updatesObject: service })
        mouseClick(findChild(page, "checkUpdatesButton"))
        compare(service.checkCount, 1)

        // Installing asks first; only OK starts it.
        const dialog = findChild(page, "updateConfirmDialog")
        mouseClick(findChild(page, "updateButton"))
        tryVerify(function () { return dialog.visible })
        dialog.reject()
        compare(service.updateCount, 0)
        mouseClick(findChild(page, "updateButton"))
        tryVerify(function () { return dialog.visible })
        dialog.accept()
        compare(service.updateCount, 1)
    }

    // ---- Longer languages ----

    // Texts far longer than the English ones: every button holds its label.
    function test_longTextsFit() {
        const translator = createTemporaryObject(translatorComponent, testCase, {
            contexts: ["SettingsPage"], prefix: "Übersetzt ", language: Qt.locale().name.split("_")[0], active: true
        })
        const page = makePage({ updatesObject: createTemporaryObject(updatesComponent, testCase) })
        compare(findChild(page, "accentResetButton").text, "Übersetzt Reset")
        compare(ShownTexts.cut(page), [])
        translator.active = false
    }
}
