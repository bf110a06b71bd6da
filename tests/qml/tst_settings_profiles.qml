import QtQuick
import QtTest
import Qt.labs.settings
import Tessaval
import TestSupport
import "shown_texts.js" as ShownTexts
import "qrc:/Tessaval/qml/pages/project/settings_profiles.js" as Profiles

// Settings profiles: cleaning and storing the list, free names, the
// snapshot, applying old and damaged snapshots, and the save, load and
// delete dialogs.
TestCase {
    id: testCase
    name: "SettingsProfiles"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Component {
        id: pageComponent
        ProjectPage { width: testCase.width; height: testCase.height }
    }
    Component {
        id: fakeComponent
        FakeController {}
    }
    Theme {
        id: appTheme
    }
    Settings {
        id: store
        category: "settings_profiles"
    }

    property var page

    function makePage(storedText) {
        store.setValue("profilesJson", storedText === undefined ? "" : storedText)
        store.sync()
        const fake = createTemporaryObject(fakeComponent, testCase)
        page = createTemporaryObject(pageComponent, testCase, { theme: appTheme, appControllerObject: fake })
        verify(page)
        return page
    }

    function stored() {
        return JSON.parse(store.value("profilesJson", "[]"))
    }

    function counter() {
        let n = 0
        return function () { return "id" + (++n) }
    }

    // ---- The list --------------------------------------------------------

    function test_sanitize_data() {
        return [
            { tag: "not a list", input: { name: "A" }, output: [] },
            { tag: "missing entries and blank names dropped", input: [null, { name: "  " }, { name: "A", id: "x" }, undefined],
              output: [{ id: "x", name: "A", createdAt: "", data: {} }] },
            { tag: "blank id replaced, name trimmed", input: [{ id: " ", name: " B ", createdAt: "t", data: { a: 1 } }],
              output: [{ id: "id1", name: "B", createdAt: "t", data: { a: 1 } }] },
            { tag: "texts from other kinds", input: [{ id: 7, name: 12, createdAt: 5, data: 0, extra: true }],
              output: [{ id: "7", name: "12", createdAt: "5", data: {} }] },
            { tag: "null data", input: [{ id: "q", name: "Q", data: null }],
              output: [{ id: "q", name: "Q", createdAt: "", data: {} }] }
        ]
    }

    function test_sanitize(data) {
        const out = Profiles.sanitizeProfiles(data.input, counter())
        compare(out, data.output)
        for (const p of out)
            compare(Object.keys(p), ["id", "name", "createdAt", "data"])
    }

    function test_uniqueName_data() {
        const list = [{ name: "Fast" }, { name: "Fast (2)" }, { name: "Slow" }]
        return [
            { tag: "free", list: list, desired: "Deep", name: "Deep" },
            { tag: "taken twice", list: list, desired: "Fast", name: "Fast (3)" },
            { tag: "trimmed", list: list, desired: "  Slow ", name: "Slow (2)" },
            { tag: "letter case", list: list, desired: "fast", name: "fast" },
            { tag: "blank", list: list, desired: "   ", name: "" }
        ]
    }

    function test_uniqueName(data) {
        compare(Profiles.uniqueProfileName(data.list, data.desired), data.name)
    }

    // ---- Snapshots -------------------------------------------------------

    function test_snapshotKeysAndValues() {
        makePage()
        page.boardText = "AhKsQd"
        page.startingPot = 55.5
        page.rakeCap = 3
        page.targetExploitability = 0.25
        page.oopTurnRaiseSizesText = "3x"
        page.oopRiverDontDonk = true
        page.ipRiverAddAllIn = true
        page.ipAddAllInIfJamLtPct = 12.5
        const snap = page.currentSettingsSnapshot()
        compare(Object.keys(snap), Profiles.SNAPSHOT_KEYS.map(function (k) { return k.key }))
        compare(Object.keys(snap).length, 32)
        compare([snap.starting_pot, snap.rake_cap, snap.target_exploitability_pct, snap.starting_street],
                [55.5, 3, 0.25, "flop"])
        compare([snap.oop_turn_raise_sizes, snap.oop_river_dont_donk, snap.ip_river_add_all_in,
                 snap.ip_add_all_in_jam_threshold_pct], ["3x", true, true, 12.5])
        for (const k of Object.keys(snap))
            verify(!/board|range|thread|ip_.*dont_donk/.test(k), k)
    }

    // A snapshot taken and applied to a page set otherwise gives the page
    // its values back.
    function test_snapshotRoundTrip() {
        makePage()
        page.effectiveStack = 250
        page.maxIterations = 900
        page.oopFlopBetSizesText = "33%, 75%"
        page.ipTurnAddAllIn = true
        page.oopAddAllInIfJamLtEnabled = true
        const snap = JSON.parse(JSON.stringify(page.currentSettingsSnapshot()))
        page.effectiveStack = 10
        page.maxIterations = 1
        page.oopFlopBetSizesText = ""
        page.ipTurnAddAllIn = false
        page.oopAddAllInIfJamLtEnabled = false
        page.applySettingsSnapshot(snap)
        compare(page.currentSettingsSnapshot(), snap)
    }

    function test_applyTarget_data() {
        return [
            { tag: "percent kept whatever the pot", pot: 300, data: { starting_pot: 100, target_exploitability_pct: 0.5 },
              target: 0.5, newPot: 100 },
            { tag: "chips with the profile's pot", pot: 100, data: { starting_pot: 200, target_exploitability: 2 },
              target: 1, newPot: 200 },
            { tag: "chips with the page's pot", pot: 50, data: { target_exploitability: 0.5 }, target: 1, newPot: 50 },
            { tag: "chips with no pot", pot: 0, data: { target_exploitability: 2 }, target: 2, newPot: 0 },
            { tag: "percent before chips", pot: 100, data: { target_exploitability_pct: 0.3, target_exploitability: 9 },
              target: 0.3, newPot: 100 },
            { tag: "neither", pot: 100, data: {}, target: 0.7, newPot: 100 },
            { tag: "damaged chips", pot: 100, data: { target_exploitability: "lots" }, target: 0.7, newPot: 100 }
        ]
    }

    function test_applyTarget(data) {
        makePage()
        page.startingPot = data.pot
        page.targetExploitability = 0.7
        page.applySettingsSnapshot(data.data)
        fuzzyCompare(page.targetExploitability, data.target, 1e-9)
        compare(page.startingPot, data.newPot)
    }

    function test_applyJam_data() {
        return [
            { tag: "shared keys", data: { add_all_in_jam_threshold_enabled: 1, add_all_in_jam_threshold_pct: 30,
                                          oop_add_all_in_jam_threshold_pct: 5 },
              flags: [true, true], pcts: [30, 30] },
            { tag: "own keys", data: { oop_add_all_in_jam_threshold_enabled: true, ip_add_all_in_jam_threshold_pct: 8 },
              flags: [true, false], pcts: [11, 8] },
            { tag: "none", data: {}, flags: [false, false], pcts: [11, 22] }
        ]
    }

    function test_applyJam(data) {
        makePage()
        page.oopAddAllInIfJamLtEnabled = true
        page.ipAddAllInIfJamLtEnabled = true
        page.oopAddAllInIfJamLtPct = 11
        page.ipAddAllInIfJamLtPct = 22
        page.applySettingsSnapshot(data.data)
        compare([page.oopAddAllInIfJamLtEnabled, page.ipAddAllInIfJamLtEnabled], data.flags)
        compare([page.oopAddAllInIfJamLtPct, page.ipAddAllInIfJamLtPct], data.pcts)
    }

    // Without sizing keys every sizing text empties and every flag clears;
    // the numbers, the board and the ranges stay.
    function test_applyWithoutSizing() {
        makePage()
        page.boardText = "AhKsQd"
        page.oopRangeText = "AA"
        page.ipRangeText = "KK"
        page.startingPot = 40
        page.maxIterations = 700
        for (const k of Profiles.SNAPSHOT_KEYS) {
            if (/_sizes$/.test(k.key))
                page[k.name] = "50%"
            else if (/_add_all_in$|_dont_donk$/.test(k.key))
                page[k.name] = true
        }
        page.applySettingsSnapshot({ starting_street: "turn" })
        for (const k of Profiles.SNAPSHOT_KEYS) {
            if (/_sizes$/.test(k.key))
                compare(page[k.name], "", k.name)
            else if (/_add_all_in$|_dont_donk$/.test(k.key))
                compare(page[k.name], false, k.name)
        }
        compare([page.startingPot, page.maxIterations], [40, 700])
        compare([page.boardText, page.oopRangeText, page.ipRangeText], ["AhKsQd", "AA", "KK"])
    }

    // The street always follows the board, whatever the profile says.
    function test_applyKeepsTheBoardsStreet_data() {
        return [
            { tag: "river profile, flop board", board: "AhKsQd", street: "river", result: "flop" },
            { tag: "flop profile, turn board", board: "AhKsQd2c", street: "flop", result: "turn" },
            { tag: "no board", board: "", street: "river", result: "flop" }
        ]
    }

    function test_applyKeepsTheBoardsStreet(data) {
        makePage()
        page.boardText = data.board
        page.applySettingsSnapshot({ starting_street: data.street, max_iterations: 5 })
        compare(page.startingStreet, data.result)
        compare(page.maxIterations, 5)
    }

    // Stored values of the wrong kind are converted or keep the current
    // value; the other keys are applied all the same.
    function test_applyDamagedValues_data() {
        return [
            { tag: "text pot", key: "starting_pot", value: "abc", prop: "startingPot", result: 100 },
            { tag: "numeric text", key: "effective_stack", value: "250.5", prop: "effectiveStack", result: 250.5 },
            { tag: "infinite", key: "rake_percent", value: Infinity, prop: "rakePercent", result: 0 },
            { tag: "object", key: "starting_pot", value: { a: 1 }, prop: "startingPot", result: 100 },
            { tag: "null", key: "max_iterations", value: null, prop: "maxIterations", result: 2000 },
            { tag: "fractional whole", key: "max_iterations", value: 12.6, prop: "maxIterations", result: 13 },
            { tag: "fractional cap", key: "rake_cap", value: "2.5", prop: "rakeCap", result: 3 },
            { tag: "huge whole", key: "max_iterations", value: 1e12, prop: "maxIterations", result: 2000 },
            { tag: "number text", key: "oop_flop_bet_sizes", value: 33, prop: "oopFlopBetSizesText", result: "33" },
            { tag: "null text", key: "ip_turn_bet_sizes", value: null, prop: "ipTurnBetSizesText", result: "" },
            { tag: "text flag", key: "oop_flop_add_all_in", value: "yes", prop: "oopFlopAddAllIn", result: true },
            { tag: "zero flag", key: "ip_river_add_all_in", value: 0, prop: "ipRiverAddAllIn", result: false },
            { tag: "text percent", key: "oop_add_all_in_jam_threshold_pct", value: "x", prop: "oopAddAllInIfJamLtPct", result: 0 },
            { tag: "damaged shared percent", key: "add_all_in_jam_threshold_pct", value: "x", prop: "ipAddAllInIfJamLtPct", result: 0 },
            { tag: "text target", key: "target_exploitability_pct", value: "NaN", prop: "targetExploitability", result: 0.1 }
        ]
    }

    function test_applyDamagedValues(data) {
        makePage()
        const snap = { ip_flop_bet_sizes: "75%", rake_cap: 4, max_iterations: 321 }
        snap[data.key] = data.value
        page.applySettingsSnapshot(snap)
        compare(page[data.prop], data.result)
        // The rest of the snapshot is applied.
        compare(page.ipFlopBetSizesText, "75%")
        if (data.key !== "rake_cap")
            compare(page.rakeCap, 4)
        if (data.key !== "max_iterations")
            compare(page.maxIterations, 321)
    }

    function test_applyOddData_data() {
        return [
            { tag: "undefined", data: undefined, cleared: false },
            { tag: "null", data: null, cleared: false },
            { tag: "text", data: "abc", cleared: true },
            { tag: "number", data: 5, cleared: true }
        ]
    }

    function test_applyOddData(data) {
        makePage()
        page.oopFlopBetSizesText = "50%"
        page.applySettingsSnapshot(data.data)
        compare(page.oopFlopBetSizesText, data.cleared ? "" : "50%")
        compare(page.startingPot, 100)
    }

    // ---- Storing ---------------------------------------------------------

    function saveProfile(name) {
        page.openSaveSettingsDialog()
        page.saveSettingsNameField.text = name
        page.saveSettingsDialog.confirmed()
    }

    function test_savingNamesAndStores() {
        makePage()
        page.startingPot = 42
        const before = Date.now()
        saveProfile("Fast")
        saveProfile("  Fast ")
        saveProfile("Fast")
        compare(page.settingsProfiles.map(function (p) { return p.name }), ["Fast", "Fast (2)", "Fast (3)"])
        const p = page.settingsProfiles[0]
        compare(p.data.starting_pot, 42)
        verify(/^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}Z$/.test(p.createdAt), p.createdAt)
        verify(Date.parse(p.createdAt) >= before - 1)
        const text = store.value("profilesJson", "")
        verify(text.indexOf("\n") < 0 && text.indexOf(": ") < 0, "compact")
        compare(Object.keys(JSON.parse(text)[0]), ["id", "name", "createdAt", "data"])
        compare(Object.keys(JSON.parse(text)[0].data), Profiles.SNAPSHOT_KEYS.map(function (k) { return k.key }))
        compare(stored().map(function (e) { return e.id }), page.settingsProfiles.map(function (e) { return e.id }))
        verify(page.settingsProfiles[0].id !== page.settingsProfiles[1].id)
    }

    // At start-up the cleaned list replaces the stored text: unnamed
    // entries leave the store, and ids given now are kept.
    function test_startUpWritesTheCleanedListBack_data() {
        return [
            { tag: "entries", text: JSON.stringify([{ name: " " }, { id: "", name: "B" }, null, { id: "k", name: "K", data: { rake_cap: 1 } }]),
              names: ["B", "K"] },
            { tag: "no JSON", text: "{{", names: [] },
            { tag: "not a list", text: "{\"name\":\"A\"}", names: [] }
        ]
    }

    function test_startUpWritesTheCleanedListBack(data) {
        makePage(data.text)
        compare(page.settingsProfiles.map(function (p) { return p.name }), data.names)
        const kept = stored()
        compare(kept.map(function (p) { return p.name }), data.names)
        if (data.names.length === 0)
            return
        compare(kept[1], { id: "k", name: "K", createdAt: "", data: { rake_cap: 1 } })
        const givenId = kept[0].id
        verify(givenId.length > 0)
        // The next page reads the same id.
        const again = createTemporaryObject(pageComponent, testCase, { theme: appTheme })
        compare(again.settingsProfiles[0].id, givenId)
    }

    function test_profilesSurviveANewPage() {
        store.setValue("profilesJson", "")
        store.sync()
        page = pageComponent.createObject(testCase, { theme: appTheme })
        page.rakePercent = 5
        page.oopRiverBetSizesText = "100%"
        saveProfile("Kept")
        page.destroy()
        wait(0)
        const fake = createTemporaryObject(fakeComponent, testCase)
        page = createTemporaryObject(pageComponent, testCase, { theme: appTheme, appControllerObject: fake })
        compare(page.settingsProfiles.length, 1)
        page._loadProfileSelectedId = page.settingsProfiles[0].id
        verify(page._loadSelectedSettingsProfile())
        compare([page.rakePercent, page.oopRiverBetSizesText], [5, "100%"])
    }

    function test_deleteById() {
        makePage(JSON.stringify([{ id: "1", name: "A" }, { id: "2", name: "B" }, { id: "2", name: "C" }]))
        page._loadProfileSelectedId = "2"
        page.deleteSettingsProfileById(2)
        compare(page.settingsProfiles.map(function (p) { return p.name }), ["A"])
        compare(page._loadProfileSelectedId, "")
        compare(stored().length, 1)
        page._loadProfileSelectedId = "1"
        page.deleteSettingsProfileById("9")
        compare(page._loadProfileSelectedId, "1")
    }

    // ---- Dialogs ---------------------------------------------------------

    // Return saves even with the button disabled, so a blank name shows
    // its error; the dialog closes only on a saved profile.
    function test_saveDialogReturn() {
        makePage()
        mouseClick(findChild(page, "saveSettingsButton"))
        const dialog = page.saveSettingsDialog
        tryCompare(dialog, "opened", true)
        tryVerify(function () { return dialog.nameField.activeFocus })
        verify(!dialog.confirmButton.enabled)
        keyClick(Qt.Key_Return)
        verify(dialog.visible)
        compare(page._saveProfileError, "Please enter a name.")
        compare(page.settingsProfiles, [])
        keyClick(Qt.Key_Space)
        keyClick(Qt.Key_A)
        verify(dialog.confirmButton.enabled)
        keyClick(Qt.Key_Return)
        tryCompare(dialog, "visible", false)
        compare(page.settingsProfiles.map(function (p) { return p.name }), ["a"])
        // Opening again clears the field and the error.
        page._saveProfileError = "old"
        page.openSaveSettingsDialog()
        compare([dialog.nameField.text, page._saveProfileError], ["", ""])
        dialog.close()
    }

    function profileRow(name) {
        let row = null
        tryVerify(function () {
            row = findChild(page.loadSettingsDialog.contentItem, "profileRow_" + name)
            return row !== null && row.width > 0
        })
        return row
    }

    // A long name shows whole, on more lines.
    function test_loadDialogClickAndDoubleClick() {
        const longName = "200bb deep, 500nl rake, three sizes per street on every street and both players"
        makePage(JSON.stringify([{ id: "a", name: "Deep", data: { effective_stack: 300 } },
                                 { id: "b", name: "Short", data: { effective_stack: 20 } },
                                 { id: "c", name: longName, data: {} }]))
        mouseClick(findChild(page, "loadSettingsButton"))
        const dialog = page.loadSettingsDialog
        tryCompare(dialog, "opened", true)
        const load = findChild(dialog.footer, "loadButton")
        const del = findChild(dialog.footer, "deleteButton")
        verify(!load.enabled && !del.enabled)
        verify(!findChild(dialog.contentItem, "noProfilesText").visible)
        compare(ShownTexts.cut(profileRow(longName)), [])
        verify(profileRow(longName).height > profileRow("Deep").height)
        mouseClick(profileRow("Deep"))
        compare(page._loadProfileSelectedId, "a")
        verify(load.enabled && del.enabled)
        compare(page.effectiveStack, 100, "a click only selects")
        mouseDoubleClickSequence(profileRow("Short"))
        tryCompare(dialog, "visible", false)
        compare(page.effectiveStack, 20)
    }

    function test_loadWithoutAMatchingProfile() {
        makePage(JSON.stringify([{ id: "a", name: "Deep" }]))
        page.openLoadSettingsDialog()
        tryCompare(page.loadSettingsDialog, "opened", true)
        page._loadProfileSelectedId = "gone"
        mouseClick(findChild(page.loadSettingsDialog.footer, "loadButton"))
        verify(page.loadSettingsDialog.visible)
        compare(page._loadProfileError, "Please select a profile.")
        page.loadSettingsDialog.close()
        page.openLoadSettingsDialog()
        compare([page._loadProfileError, page._loadProfileSelectedId], ["", ""])
        page.loadSettingsDialog.close()
    }

    function test_deleteFromTheLoadDialog() {
        makePage(JSON.stringify([{ id: "a", name: "Deep" }, { id: "b", name: "Short" }]))
        page.openLoadSettingsDialog()
        const dialog = page.loadSettingsDialog
        tryCompare(dialog, "opened", true)
        const names = ["Deep", "Short"]
        for (let i = 0; i < names.length; ++i) {
            mouseClick(profileRow(names[i]))
            mouseClick(findChild(dialog.footer, "deleteButton"))
            const confirm = page.confirmDeleteProfileDialog
            tryCompare(confirm, "opened", true)
            compare(findChild(confirm.contentItem, "confirmName").text, "\u201C" + names[i] + "\u201D")
            verify(dialog.visible, "the load dialog stays open")
            mouseClick(confirm.confirmButton)
            tryCompare(confirm, "visible", false)
            verify(dialog.visible)
            compare(page._loadProfileSelectedId, "")
            verify(!findChild(dialog.footer, "loadButton").enabled)
            verify(!findChild(dialog.footer, "deleteButton").enabled)
        }
        compare(page.settingsProfiles, [])
        compare(stored(), [])
        verify(findChild(dialog.contentItem, "noProfilesText").visible)
        dialog.close()
    }
}
