import QtQuick
import QtTest
import "qrc:/Tessaval/qml/components/project_state.js" as ProjectState
import "qrc:/Tessaval/qml/components/solve_gating.js" as Gating
import "qrc:/Tessaval/qml/components/shell_navigation.js" as Nav

TestCase {
    name: "ProjectState"

    readonly property string textC: "88+,A8s+,A5s,A4s,A3s-A2s:0.5,AJo+,ATo,K9s+,KQo,KJo:0.75,KTo:0.25,"
        + "Q9s+,QJo:0.5,J8s+,JTo:0.25,T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,"
        + "65s:0.75,64s:0.5,54s:0.75,53s:0.5,43s:0.5,32s:0.45,A9o:0.5,K8s:0.5,Q8s:0.5,77:0.5,66:0.5,55:0.25"
    readonly property string textD: "AA:0.25,99-22,AJs-A6s,A5s-A4s:0.5,A3s-A2s,AQo-A7o,K2s+,K9o+,Q4s+,"
        + "Q3s-Q2s:0.5,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,98o,86s+,85s:0.5,75s+,74s:0.5,64s+,"
        + "63s:0.5,54s,53s:0.5,43s,QQ:0.25,JJ:0.25,TT:0.5,A5o:0.5,A4o:0.5,J5s:0.5,T5s:0.5"

    function test_derivedRangeTexts() {
        compare(ProjectState.customerOopRange(ProjectState.RANGE_A), textC)
        compare(ProjectState.customerIpRange(ProjectState.RANGE_B), textD)
    }

    function test_presets() {
        const quick = ProjectState.customerQuickSolvePreset(ProjectState.defaultPreset(16))
        compare(quick.boardText, "AdJd8s")
        compare([quick.startingPot, quick.effectiveStack, quick.rakeCap, quick.rakePercent,
                 quick.targetExploitability, quick.maxIterations], [18, 91, 3, 5.0, 0.5, 400])
        compare([quick.oopTurnBetSizesText, quick.ipRiverRaiseSizesText, quick.ipFlopRaiseSizesText],
                ["75", "75", "50"])
        compare(Object.keys(quick).length, 37)
        const dev = ProjectState.defaultPreset(0)
        compare([dev.boardText, dev.startingPot, dev.effectiveStack, dev.rakeCap, dev.threadCount],
                ["QsJh2h", 180, 910, 30, 12])
        const customer = ProjectState.newProjectPreset(6, false)
        compare([customer.boardText, customer.oopRangeText, customer.oopFlopBetSizesText],
                ["", "", ""])
        compare([customer.startingPot, customer.effectiveStack, customer.rakeCap, customer.threadCount],
                [18, 91, 3, 6])
        compare(ProjectState.newProjectPreset(6, true).startingPot, 180)
        compare(ProjectState.startupBlankPreset(0).threadCount, 1)
        for (const p of [customer, dev, ProjectState.startupBlankPreset(4)])
            compare(Object.keys(p).sort(), ProjectState.KEYS.map(k => k.name).sort())
    }

    // Stored values are converted to each key's type; what cannot be keeps
    // the current value, and nothing throws.
    function test_applyConvertsAndNeverThrows() {
        const holder = ProjectState.startupBlankPreset(4)
        holder.maxIterations = 400
        holder.startingPot = 18
        ProjectState.applyState(holder, {
            maxIterations: "abc", startingPot: null, rakeCap: 2.6, threadCount: {},
            effectiveStack: "91.5", boardText: 42, oopFlopAddAllIn: 1, ipRangeText: null,
            targetExploitability: Infinity, extraKey: "dropped"
        })
        compare(holder.maxIterations, 400)
        compare(holder.startingPot, 18)
        compare(holder.rakeCap, 3)
        compare(holder.threadCount, 4)
        compare(holder.effectiveStack, 91.5)
        compare(holder.boardText, "42")
        compare(holder.oopFlopAddAllIn, true)
        compare(holder.ipRangeText, "")
        compare(holder.targetExploitability, 0.0)
        verify(!("extraKey" in holder))
        ProjectState.applyState(holder, null)
        ProjectState.applyState(holder, undefined)
        ProjectState.applyState(holder, "not an object")
        compare(holder.maxIterations, 400)
    }

    function test_boardTest_data() {
        return [
            { tag: "flop", board: "AhKsQd", ok: true },
            { tag: "blanks and case", board: "ah ks qd", ok: true },
            { tag: "river", board: "AhKsQd2c3c", ok: true },
            { tag: "repeated card", board: "AhAhAh", ok: true },
            { tag: "4 chars", board: "AhKs", ok: false },
            { tag: "7 chars", board: "AhKsQd2", ok: false },
            { tag: "12 chars", board: "AhKsQd2c3c4c", ok: false },
            { tag: "gap", board: "AhKs__", ok: false },
            { tag: "x suit", board: "AhKsQx", ok: false },
            { tag: "empty", board: "", ok: false }
        ]
    }

    function test_boardTest(data) {
        compare(Gating.isStrictBoardReady(data.board), data.ok)
    }

    function test_rangeTest_data() {
        return [
            { tag: "empty", text: "", ok: false },
            { tag: "blanks", text: "   ", ok: false },
            { tag: "AA", text: "AA", ok: true },
            { tag: "lower case", text: "kq", ok: true },
            { tag: "lone rank", text: "A", ok: false },
            { tag: "whole deck", text: "100%", ok: true },
            { tag: "half deck", text: " 50% ", ok: true },
            { tag: "no deck", text: "0%", ok: false }
        ]
    }

    function test_rangeTest(data) {
        compare(Gating.hasAnyHand(data.text), data.ok)
    }

    function test_memoryTest() {
        const ok = fig => Gating.hasEnoughRam(fig)
        verify(ok({ solveRequiredMemoryBytes: 8e9, systemAvailableMemoryBytes: 6e9, resultsReclaimableMemoryBytes: 3e9 }))
        verify(!ok({ solveRequiredMemoryBytes: 9e9, systemAvailableMemoryBytes: 6e9, resultsReclaimableMemoryBytes: 3e9 }))
        // A need or a free memory that is not known refuses nothing.
        verify(ok({ solveRequiredMemoryBytes: 0, systemAvailableMemoryBytes: 6e9, resultsReclaimableMemoryBytes: 3e9 }))
        verify(ok({ solveRequiredMemoryBytes: NaN, systemAvailableMemoryBytes: 6e9 }))
        verify(ok({ solveRequiredMemoryBytes: 1e9 }))
        verify(!ok(null))
    }

    function test_targetInChips() {
        compare(Gating.targetExploitabilityAmount(18, 0.5), 0.09)
        compare(Gating.targetExploitabilityAmount(180, 0.5), 0.9)
        compare(Gating.targetExploitabilityAmount(0, 0.5), 0.0)
        compare(Gating.targetExploitabilityAmount(18, NaN), 0.0)
    }

    function test_solveMap() {
        const state = ProjectState.defaultPreset(8)
        const map = Gating.solveConfigMap(state)
        compare(Object.keys(map).length, 36)
        verify(!("apply_node_locks" in map))
        compare(map.target_exploitability, 0.9)
        compare(map.board, "QsJh2h")
        compare(map.oop_add_all_in_jam_threshold_pct, 0.0)
        verify(!("ip_flop_dont_donk" in map))
    }

    function test_startupGeometry_data() {
        return [
            { tag: "1366x728", avail: Qt.rect(0, 0, 1366, 728), rec: 1540,
              g: [1297, 691, 34, 18, 1297, 650] },
            { tag: "2560x1400", avail: Qt.rect(0, 0, 2560, 1400), rec: 1540,
              g: [1540, 1200, 510, 100, 1540, 650] },
            { tag: "800x600", avail: Qt.rect(0, 0, 800, 600), rec: 1540,
              g: [900, 650, -50, -25, 760, 570] },
            { tag: "1920x1040 wider page", avail: Qt.rect(0, 0, 1920, 1040), rec: 1620,
              g: [1620, 988, 150, 26, 1620, 650] }
        ]
    }

    function test_startupGeometry(data) {
        const g = Nav.startupGeometry(data.avail, data.rec)
        compare([g.width, g.height, g.x, g.y, g.minimumWidth, g.minimumHeight], data.g)
    }
}
