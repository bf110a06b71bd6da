import QtQuick
import QtTest
import Tessaval

// The shell with the real controller: a tiny spot, its memory estimate, and
// a solve started with F5 that runs to its end.
TestCase {
    id: testCase
    name: "ShellWithController"
    width: 1540
    height: 1000
    visible: true
    when: windowShown

    Component {
        id: shellComponent
        AppShell {
            width: testCase.width
            height: testCase.height
            controller: appController
        }
    }

    SignalSpy {
        id: runningSpy
        target: appController
        signalName: "runningChanged"
    }

    function test_f5SolvesATinySpot() {
        const shell = createTemporaryObject(shellComponent, testCase)
        shell.forceActiveFocus()
        findChild(shell, "homePage").newProject()
        const spot = {
            boardText: "KsQd7h4c2s", startingStreet: "river", startingPot: 10, effectiveStack: 20,
            maxIterations: 30, targetExploitability: 0, threadCount: 2,
            oopRangeText: "AA, KK, QQ, 77, AK, KQ, QJs", ipRangeText: "KK, QQ, JJ, AK, AQ, 98s"
        }
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"]) {
                spot[seat + street + "BetSizesText"] = "50, 100"
                spot[seat + street + "RaiseSizesText"] = "a"
            }
        shell.applyProjectState(spot)
        const before = JSON.stringify(shell.exportProjectState())
        tryVerify(function () { return shell.canSolve }, 30000, "the estimate arrives")
        runningSpy.clear()
        shell.forceActiveFocus()
        waitForRendering(shell)
        keyClick(Qt.Key_F5)
        compare(shell.navIndex, 2)
        // Running rises and falls again; a tiny solve may be over by now.
        tryVerify(function () { return runningSpy.count >= 2 && !appController.running }, 60000)
        compare(appController.statusText, "Done")
        compare(appController.resultIterations, 30)
        compare(JSON.stringify(shell.exportProjectState()), before)
        findChild(shell, "topBar").navigate(3)
        compare(shell.navIndex, 3)
    }
}
