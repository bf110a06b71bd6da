import QtQuick
import QtTest
import Tessaval
import TestSupport

// Live language switches after a real solve, with every page shown in turn.
// Rows that sit in layouts (tiles, library rows, option lines, the Clear
// button) must stay the same objects across a switch and only change their
// text: recreating them inside a layout while it is arranged is what must not
// happen.
TestCase {
    id: testCase
    name: "LanguageSwitchLayouts"
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

    function spot() {
        const s = { board: "KsQd7h4c", starting_pot: 10, effective_stack: 20, starting_street: "turn",
                    max_iterations: 10, target_exploitability: 0, thread_count: 2,
                    oop_range: "AA, KK, QQ, 77, AK, KQ", ip_range: "KK, QQ, JJ, AK, AQ, 98s" }
        for (const seat of ["oop", "ip"])
            for (const street of ["flop", "turn", "river"]) {
                s[seat + "_" + street + "_bet_sizes"] = "50"
                s[seat + "_" + street + "_raise_sizes"] = "a"
            }
        return s
    }

    function solvedShell() {
        const shell = createTemporaryObject(shellComponent, testCase)
        shell.hasProject = true
        appController.startSolveWithConfig(spot())
        tryVerify(function () { return !appController.running }, 60000)
        compare(appController.statusText, "Done")
        shell.navIndex = 3
        waitForRendering(shell)
        return shell
    }

    function prepare(shell, tag) {
        if (tag === "library row") {
            const page = findChild(shell, "projectPage")
            page.oopStandardRanges = [{ id: "m", type: "folder", name: "Heads up", children: [] }]
            page.oopRangeCategory = 0
        } else if (tag === "option line") {
            findChild(shell, "solvePage").oopFlopDontDonk = true
        }
    }

    function test_rowsSurviveSwitch_data() {
        return [
            { tag: "quick action tile", index: 0, scope: "homePage", item: "quickAction_project" },
            { tag: "clear button", index: 1, scope: "projectPage", item: "oopClearButton" },
            { tag: "library row", index: 1, scope: "oopLibrarySidebar", item: "libraryRow_Heads up" },
            { tag: "option line", index: 2, scope: "configCard", item: "optionLine" }
        ]
    }

    function test_rowsSurviveSwitch(data) {
        const translator = createTemporaryObject(translatorComponent, testCase,
                                                 { language: "de", prefix: prefix, active: true })
        const shell = solvedShell()
        prepare(shell, data.tag)
        shell.navIndex = data.index
        waitForRendering(shell)
        const row = findChild(findChild(shell, data.scope), data.item)
        verify(row, data.item + " is shown")

        // Away from the page and back, switching each time.
        for (const language of ["de", "ru", "de", "system"]) {
            shell.navIndex = 3
            languageManager.setLanguage(language)
            waitForRendering(shell)
            shell.navIndex = data.index
            languageManager.setLanguage(language === "system" ? "de" : "system")
            waitForRendering(shell)
            compare(findChild(findChild(shell, data.scope), data.item), row, "the same object after " + language)
        }
        compare(languageManager.currentLanguage, "de")
        if (typeof row.text === "string")
            verify(row.text.indexOf(prefix) >= 0, "translated: " + row.text)
        translator.active = false
    }
}
