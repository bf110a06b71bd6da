import QtQuick
import QtTest
import Tessaval

// The solve page with the real controller: a tiny river spot solved from its
// "Start Solve" button, through to the figures of the result.
TestCase {
    id: testCase
    name: "SolvePageWithController"
    width: 1400
    height: 1100
    visible: true
    when: windowShown

    Theme { id: darkTheme }
    Component {
        id: pageComponent
        SolvePage {
            width: testCase.width
            height: testCase.height
            theme: darkTheme
            controller: appController
            canSolve: true
        }
    }

    function tinySpot(page) {
        page.boardText = "KsQd7h4c2s"
        page.startingStreet = "river"
        page.startingPot = 10
        page.effectiveStack = 20
        page.maxIterations = 30
        page.targetExploitability = 0
        page.threadCount = 2
        page.oopRangeText = "AA, KK, QQ, 77, AK, KQ, QJs"
        page.ipRangeText = "KK, QQ, JJ, AK, AQ, 98s"
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"]) {
                page[seat + street + "BetSizesText"] = "50, 100"
                page[seat + street + "RaiseSizesText"] = "a"
            }
    }

    function test_tinySpotReachesDone() {
        const page = createTemporaryObject(pageComponent, testCase)
        tinySpot(page)
        mouseClick(findChild(page, "startButton"))
        verify(appController.running || appController.resultIterations > 0, appController.statusText)
        tryVerify(function () { return !appController.running }, 60000)
        compare(appController.statusText, "Done")
        compare(appController.resultIterations, 30)

        tryCompare(findChild(page, "statusLine"), "text", "Done")
        compare(findChild(page, "windowLabel").text, "Iterations: 30")
        compare(findChild(page, "solveHeader").badge, "Ready")
        compare(page.progressWheelValue, 1)
        const e = appController.resultExploitability
        compare(findChild(page, "exploitabilityMetric").value, e > 0 ? e.toFixed(4) : "—")
        compare(page.runHistoryModel.get(0).status, "Completed")
        verify(findChild(page, "viewResultsButton").enabled)
    }
}
