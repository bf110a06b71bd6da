import QtQuick
import QtTest
import Tessaval
import "qrc:/Tessaval/qml/pages/project/number_fields.js" as Numbers
import "qrc:/Tessaval/qml/pages/project/sizing.js" as Sizing

// The set-up page's fields: numbers read and shown in the C locale,
// committed with clamp and fallback; the target presets; the sizing texts,
// switches and jam threshold; "Copy OOP settings".
TestCase {
    id: testCase
    name: "ProjectFields"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Component {
        id: pageComponent
        ProjectPage { width: testCase.width; height: testCase.height; appControllerObject: null }
    }

    property var page

    function init() {
        page = createTemporaryObject(pageComponent, testCase)
        waitForRendering(page)  // the cards are placed when the page is first drawn
    }

    function cleanup() {
        languageManager.setLanguage("system")
    }

    function item(name) {
        const found = findChild(page, name)
        verify(found, name)
        return found
    }

    // Types `text` over the field's content; "return" or "leave" ends it.
    function typeInto(name, text, end) {
        const f = item(name)
        f.forceActiveFocus()
        f.selectAll()
        keyClick(Qt.Key_Delete)
        for (let i = 0; i < text.length; ++i)
            keyClick(text.charAt(i))
        if (end === "return")
            keyClick(Qt.Key_Return)
        else if (end === "leave")
            page.forceActiveFocus()
        return f
    }

    function test_numberText_data() {
        return [
            { tag: "fraction", text: "250.5", value: 250.5 },
            { tag: "points", text: ".5", value: 0.5 },
            { tag: "grouped", text: "12,345.67", value: 12345.67 },
            { tag: "exponent", text: "1E2", value: 100 },
            { tag: "decimal comma", text: "250,5", value: NaN },
            { tag: "bad grouping", text: "1,0000", value: NaN },
            { tag: "trailing junk", text: "12abc", value: NaN },
            { tag: "empty", text: "", value: NaN }
        ]
    }

    function test_numberText(data) {
        const v = Numbers.parseDecimal(data.text)
        verify(isNaN(data.value) ? isNaN(v) : v === data.value, String(v))
        // A committed text that reads as no number takes the fallback.
        compare(Numbers.commitValue(data.text, 0, 300, 7, false), isNaN(data.value) ? 7 : Math.min(300, data.value))
        compare(Numbers.commitValue("2,000,000", 0, 1000000, 0, true), 1000000)
        compare(Numbers.commitValue("12.5", 0, 100, 3, true), 3)
        for (const v of [100, 0.1, 2.5, 0, 0.000001])
            compare(Numbers.parseDecimal(Numbers.display(v)), v)
    }

    // Each field commits on Return or on leaving: the number clamped, shown
    // in its shortest form.
    function test_fieldCommits_data() {
        return [
            { tag: "pot", field: "startingPotField", prop: "startingPot", typed: "250.5", end: "return", value: 250.5, shown: "250.5" },
            { tag: "pot trailing point", field: "startingPotField", prop: "startingPot", typed: "80.", end: "leave", value: 80, shown: "80" },
            { tag: "stack grouped", field: "effectiveStackField", prop: "effectiveStack", typed: "1,000", end: "return", value: 1000, shown: "1000" },
            { tag: "rake", field: "rakePercentField", prop: "rakePercent", typed: "5", end: "return", value: 5, shown: "5" },
            { tag: "rake decimals", field: "rakePercentField", prop: "rakePercent", typed: "2.125", end: "leave", value: 2.125, shown: "2.125" },
            { tag: "rake cap", field: "rakeCapField", prop: "rakeCap", typed: "30", end: "return", value: 30, shown: "30" },
            { tag: "target", field: "targetExploitabilityField", prop: "targetExploitability", typed: "0.25", end: "return", value: 0.25, shown: "0.25" },
            { tag: "jam threshold", field: "oopJamThresholdField", prop: "oopAddAllInIfJamLtPct", typed: "12.125", end: "leave", value: 12.125, shown: "12.125" }
        ]
    }

    function test_fieldCommits(data) {
        page.oopAddAllInIfJamLtEnabled = true
        const f = typeInto(data.field, data.typed, data.end)
        compare(page[data.prop], data.value)
        compare(f.text, data.shown)
        page.forceActiveFocus()
        compare(f.text, data.shown)
    }

    // Input the validator refuses is never committed, not even "fixed up";
    // leaving the field shows the stored value again.
    function test_refusedInput_data() {
        return [
            { tag: "emptied pot", field: "startingPotField", prop: "startingPot", typed: "" },
            { tag: "pot zero", field: "startingPotField", prop: "startingPot", typed: "0" },
            { tag: "pot above range", field: "startingPotField", prop: "startingPot", typed: "200000" },
            { tag: "rake above range", field: "rakePercentField", prop: "rakePercent", typed: "101" },
            { tag: "comma fraction", field: "startingPotField", prop: "startingPot", typed: "1,5" },
            { tag: "comma in rake cap", field: "rakeCapField", prop: "rakeCap", typed: "12,5" }
        ]
    }

    function test_refusedInput(data) {
        const before = page[data.prop]
        const f = item(data.field)
        const shown = f.text
        typeInto(data.field, data.typed, "return")
        compare([page[data.prop], f.text], [before, data.typed])
        verify(f.activeFocus)
        page.forceActiveFocus()
        compare([page[data.prop], f.text], [before, shown])
    }

    // Characters that can lead to no accepted value are not typed at all.
    function test_refusedCharacters_data() {
        return [
            { tag: "fraction in rake cap", field: "rakeCapField", typed: "3.7", text: "37" },
            { tag: "third decimal of pot", field: "startingPotField", typed: "1.234", text: "1.23" },
            { tag: "letters and minus", field: "rakePercentField", typed: "-5x0", text: "50" }
        ]
    }

    function test_refusedCharacters(data) {
        compare(typeInto(data.field, data.typed).text, data.text)
    }

    // An unfocused field follows its property, also after an edit (a profile
    // applied, a new project).
    function test_unfocusedFieldShowsProperty() {
        typeInto("rakePercentField", "7", "return")
        page.forceActiveFocus()
        page.rakePercent = 3
        page.rakeCap = 250
        page.targetExploitability = 0.10
        compare([item("rakePercentField").text, item("rakeCapField").text, item("targetExploitabilityField").text],
                ["3", "250", "0.1"])
    }

    function test_targetPresets_data() {
        return [
            { tag: "1%", button: "targetPreset1", value: 1.0, text: "1", focused: false },
            { tag: "0.5%", button: "targetPreset05", value: 0.5, text: "0.5", focused: false },
            { tag: "0.1%", button: "targetPreset01", value: 0.1, text: "0.1", focused: false },
            { tag: "0.5% while focused", button: "targetPreset05", value: 0.5, text: "0.5", focused: true }
        ]
    }

    function test_targetPresets(data) {
        page.targetExploitability = 0.25
        const f = data.focused ? typeInto("targetExploitabilityField", "0.3") : item("targetExploitabilityField")
        mouseClick(item(data.button))
        compare([page.targetExploitability, f.text], [data.value, data.text])
        compare(f.activeFocus, data.focused)
        page.forceActiveFocus()
        compare(page.targetExploitability, data.value)
    }

    // Under a decimal-comma language numbers keep the decimal point: "250,5"
    // is never committed as 250 (nor as 2505).
    function test_decimalCommaLanguage_data() {
        return [
            { tag: "comma on Return", typed: "250,5", end: "return", value: 100 },
            { tag: "comma on leaving", typed: "250,5", end: "leave", value: 100 },
            { tag: "point", typed: "250.5", end: "return", value: 250.5 }
        ]
    }

    function test_decimalCommaLanguage(data) {
        languageManager.setLanguage("de")
        compare(Qt.locale().decimalPoint, ",")
        page.startingPot = 100
        page.targetExploitability = 0.1
        compare(item("targetExploitabilityField").text, "0.1")
        const f = typeInto("startingPotField", data.typed, data.end)
        page.forceActiveFocus()
        compare([page.startingPot, f.text], [data.value, Numbers.display(data.value)])
    }

    function sizingFields() {
        const rows = []
        for (const player of ["oop", "ip"])
            for (const street of Sizing.STREETS)
                for (const kind of ["Bet", "Raise"])
                    rows.push({ field: player + street + kind + "Field" + (player === "ip" ? "2" : ""),
                                prop: player + street + kind + "SizesText" })
        return rows
    }

    // Every sizing field edits its own property and stores exactly what was
    // typed.
    function test_sizingTextStoredAsTyped_data() {
        const rows = sizingFields().map(function (r) {
            return { tag: r.field, field: r.field, prop: r.prop, typed: "50, 100", end: "return" }
        })
        rows.push({ tag: "blanks kept", field: "oopTurnBetField", prop: "oopTurnBetSizesText", typed: "   ", end: "return" })
        rows.push({ tag: "untrimmed on leaving", field: "ipRiverRaiseField2", prop: "ipRiverRaiseSizesText", typed: " 2x, a ", end: "leave" })
        return rows
    }

    function test_sizingTextStoredAsTyped(data) {
        typeInto(data.field, data.typed, data.end)
        for (const r of sizingFields())
            compare(page[r.prop], r.prop === data.prop ? data.typed : "", r.prop)
    }

    function test_switches_data() {
        const rows = [{ tag: "oop jam", name: "oopJamSwitch", prop: "oopAddAllInIfJamLtEnabled" },
                      { tag: "ip jam", name: "ipJamSwitch", prop: "ipAddAllInIfJamLtEnabled" }]
        for (const street of Sizing.STREETS) {
            rows.push({ tag: "oop all-in " + street, name: "oop" + street + "AddAllInSwitch", prop: "oop" + street + "AddAllIn" })
            rows.push({ tag: "ip all-in " + street, name: "ip" + street + "AddAllInSwitch", prop: "ip" + street + "AddAllIn" })
            rows.push({ tag: "don't donk " + street, name: "oop" + street + "DontDonkSwitch", prop: "oop" + street + "DontDonk" })
        }
        return rows
    }

    function test_switches(data) {
        const sw = item(data.name)
        mouseClick(sw)
        verify(page[data.prop])
        mouseClick(sw)
        verify(!page[data.prop])
        page[data.prop] = true
        verify(sw.checked)
        compare(findChild(page, "ip" + Sizing.STREETS[0] + "DontDonkSwitch"), null)
    }

    // The threshold is live while typed; the field is enabled only while its
    // switch is on, and keeps its value while off.
    function test_jamThreshold() {
        const f = item("oopJamThresholdField")
        page.oopAddAllInIfJamLtPct = 12.5
        verify(!f.enabled)
        compare(f.text, "12.5")
        mouseClick(item("oopJamSwitch"))
        verify(f.enabled)
        typeInto("oopJamThresholdField", "3")
        compare(page.oopAddAllInIfJamLtPct, 3)
        const steps = [["0", 30], [".", 30], ["5", 30.5], ["0", 30.5], ["0", 30.5]]
        for (const step of steps) {
            keyClick(step[0])
            compare(page.oopAddAllInIfJamLtPct, step[1], f.text)
        }
        page.forceActiveFocus()
        compare([page.oopAddAllInIfJamLtPct, f.text, page.ipAddAllInIfJamLtPct], [30.5, "30.5", 0])
        // Above the range: the last accepted text stays the value.
        typeInto("oopJamThresholdField", "1500", "leave")
        compare([page.oopAddAllInIfJamLtPct, f.text], [150, "150"])
    }

    function test_copyOopSettings() {
        const texts = { Flop: ["33", "75"], Turn: ["50, 100", "2x"], River: ["125", "a"] }
        for (const street of Sizing.STREETS) {
            page["oop" + street + "BetSizesText"] = texts[street][0]
            page["oop" + street + "RaiseSizesText"] = texts[street][1]
        }
        page.oopTurnAddAllIn = true
        page.oopTurnDontDonk = true
        page.oopAddAllInIfJamLtEnabled = true
        page.oopAddAllInIfJamLtPct = 35
        page.ipRiverAddAllIn = true
        mouseClick(item("copyOopSizingButton"))
        const pairs = Sizing.copyPairs()
        compare(pairs.length, 11)
        for (const pair of pairs) {
            compare(pair[0], "ip" + pair[1].substr(3))
            compare(page[pair[0]], page[pair[1]], pair[0])
        }
        compare([page.ipRiverAddAllIn, page.ipAddAllInIfJamLtPct, page.oopTurnDontDonk, page.oopFlopBetSizesText],
                [false, 35, true, "33"])
        // The IP fields show what was copied, and later assignments too.
        compare([item("ipTurnBetField2").text, item("ipRiverRaiseField2").text, item("ipJamThresholdField").text],
                ["50, 100", "a", "35"])
        verify(item("ipTurnAddAllInSwitch").checked)
        page.ipFlopBetSizesText = "66"
        compare(item("ipFlopBetField2").text, "66")
    }
}
