import QtQuick
import QtTest
import Tessaval
import TestSupport

// Switching the interface language through the real language manager
// re-translates the page on screen at once, and switching back restores it.
// A stand-in translator serves German as "[de] " before the English text.
TestCase {
    id: testCase
    name: "LanguageSwitch"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    readonly property string prefix: "[de] "

    Component {
        id: shellComponent
        AppShell {
            width: testCase.width
            height: testCase.height
            controller: appController
        }
    }

    Component {
        id: translatorComponent
        TestTranslator {}
    }

    function cleanup() {
        languageManager.setLanguage("system")
    }

    // The texts of every item shown under `item`, in tree order.
    function shownTexts(item, out) {
        if (!item || !item.visible || item.opacity === 0)
            return out
        if (typeof item.text === "string" && item.text.length > 0)
            out.push(item.text)
        for (let i = 0; i < item.children.length; ++i)
            shownTexts(item.children[i], out)
        return out
    }

    function translatedCount(before, after) {
        let count = 0
        for (const text of before)
            if (after.indexOf(prefix + text) >= 0)
                ++count
        return count
    }

    function test_switchRetranslatesThePage_data() {
        return [
            { tag: "home", index: 0, page: "homePage" },
            { tag: "set-up", index: 1, page: "projectPage" },
            { tag: "solve", index: 2, page: "solvePage" },
            { tag: "results", index: 3, page: "resultsPage" },
            { tag: "settings", index: 4, page: "settingsPage" }
        ]
    }

    function test_switchRetranslatesThePage(data) {
        const translator = createTemporaryObject(translatorComponent, testCase,
                                                 { language: "de", prefix: prefix, active: true })
        const shell = createTemporaryObject(shellComponent, testCase)
        shell.hasProject = true
        shell.navIndex = data.index
        const page = findChild(shell, data.page)
        const topBar = findChild(shell, "topBar")
        waitForRendering(shell)
        const before = shownTexts(page, [])
        const barBefore = shownTexts(topBar, [])
        verify(before.length > 0, "the page shows texts")
        verify(before.every(function (t) { return t.indexOf(prefix) !== 0 }), "starts in English")

        languageManager.setLanguage("de")
        compare(languageManager.currentLanguage, "de")
        const after = shownTexts(page, [])
        const changed = translatedCount(before, after)
        verify(changed >= Math.min(5, before.length),
               changed + " of " + before.length + " texts re-translated: " + JSON.stringify(after))
        verify(translatedCount(barBefore, shownTexts(topBar, [])) > 0, "the top bar follows")

        languageManager.setLanguage("system")
        // (The solve page takes in the controller's status at its sampling pace.)
        tryVerify(function () { return JSON.stringify(shownTexts(page, [])) === JSON.stringify(before) })
        compare(shownTexts(topBar, []), barBefore)
        translator.active = false
    }

    // Texts written before the switch follow it too: the controller's status,
    // a run's pill and summary, the file line of a failed save.
    function test_textsShownBeforeTheSwitchFollowIt() {
        const translator = createTemporaryObject(translatorComponent, testCase,
                                                 { language: "de", prefix: prefix, active: true })
        const shell = createTemporaryObject(shellComponent, testCase)
        shell.hasProject = true
        shell.navIndex = 2
        const solve = findChild(shell, "solvePage")
        solve._appendRun(solve._runSummary(), solve._runFigures())
        solve._setRunStatus(solve._activeRunId, "Completed")
        waitForRendering(shell)
        const home = findChild(shell, "homePage")
        verify(!home._saveProjectTo(readOnlyFolderUrl + "/spot.tessavalproj"))
        const shown = function () {
            return [appController.statusText, findChild(solve, "runStatus").text,
                    findChild(solve, "runSummary").text, findChild(home, "fileStatusText").text]
        }
        const before = shown()
        compare(before.slice(0, 2), ["Ready", "Completed"])
        languageManager.setLanguage("de")
        const after = shown()
        for (let i = 0; i < after.length; ++i)
            compare(after[i].indexOf(prefix), 0, after[i])
        languageManager.setLanguage("system")
        compare(shown(), before)
        translator.active = false
    }
}
