import QtQuick
import QtTest
import Tessaval

// An opened project in the real window: a node the file does not keep says
// so instead of showing an empty solution, practice deals nothing until the
// spot is solved again, and "Re-solve" brings back the saved solution.
TestCase {
    id: testCase
    name: "OpenedProjectReal"
    when: windowShown

    property var window
    property var shell
    property var home
    property var results

    function item(name, parent) {
        const found = findChild(parent || window, name)
        verify(found, name)
        return found
    }

    function visibleItems(name, parent) {
        const out = []
        const walk = function (node) {
            for (let i = 0; i < node.children.length; ++i) {
                const kid = node.children[i]
                if (!kid.visible)
                    continue
                if (kid.objectName === name)
                    out.push(kid)
                walk(kid)
            }
        }
        walk(parent)
        return out
    }

    function turnSpot() {
        const state = {
            boardText: "KsQd7h4c", startingPot: 10, effectiveStack: 20, maxIterations: 20,
            targetExploitability: 0, oopRangeText: "AA, KK, QQ, 77, AK, KQ, QJs",
            ipRangeText: "KK, QQ, JJ, AK, AQ, 98s"
        }
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"]) {
                state[seat + street + "BetSizesText"] = "50"
                state[seat + street + "RaiseSizesText"] = "a"
            }
        return state
    }

    function solved() {
        tryVerify(function () { return !appController.running && appController.resultIterations > 0 }, 60000)
        compare(appController.statusText, "Done")
    }

    // A click on the root's first action in the tree.
    function clickFirstRootAction() {
        waitForRendering(results)
        const tiles = visibleItems("actionTile", item("treePanel", results))
        verify(tiles.length > 0)
        mouseClick(tiles[0])
        tryVerify(function () { return results.currentNodeIndex !== 0 })
    }

    function initTestCase() {
        const component = Qt.createComponent("qrc:/Tessaval/Main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null, { width: 1540, height: 1000 })
        window.show()
        window.width = 1540
        window.height = 1000
        tryCompare(window, "visible", true)
        shell = item("appShell")
        home = item("homePage")
        results = item("resultsPage")
    }

    function cleanupTestCase() {
        window.destroy()
    }

    function test_openedProjectTellsWhatItHolds() {
        shell.applyProjectState(turnSpot())
        shell.syncPagesFromRoot()
        appController.startSolveWithConfig(shell._solveMemCfg())
        solved()
        const url = String(testFolderUrl) + "/turn.tessavalproj"
        verify(home._saveProjectTo(url))
        const child = appController.nodeActions(0)[0].childIndex
        const childStrategy = JSON.stringify(appController.nodeHandStrategy(child))
        const hands = appController.playVsSolutionStats().totalHands

        verify(home._openProjectFrom(url))
        compare(shell.navIndex, 3)
        verify(item("rangeViewRow", results).visible)
        clickFirstRootAction()
        compare(results.currentNodeIndex, child)
        verify(item("nodeNotInFile", results).visible)
        verify(!item("rangeViewRow", results).visible)

        // Practice: no role to choose, nothing dealt, nothing counted.
        mouseClick(item("playToggleButton", results))
        verify(results.playMode)
        waitForRendering(results)
        const play = item("practiceNeedsSolve", results)
        verify(play.visible)
        compare(visibleItems("playAsOopButton", results).length, 0)
        results.startPlaySession("OOP")
        verify(!results.playSessionStarted)
        compare([results.oopCard1, results.ipCard1], ["", ""])

        // "Re-solve" solves the stored spot again; it is the saved solution.
        mouseClick(visibleItems("fileReSolveButton", play)[0])
        compare(shell.navIndex, 2)
        solved()
        compare(appController.fileSolutionCheck, "same")
        shell.navIndex = 3
        verify(!results.playMode)
        verify(!item("fileSolutionDiffers", results).visible)
        clickFirstRootAction()
        verify(!item("nodeNotInFile", results).visible)
        verify(item("rangeViewRow", results).visible)
        compare(JSON.stringify(appController.nodeHandStrategy(child)), childStrategy)

        // Practice deals both seats now.
        mouseClick(item("playToggleButton", results))
        waitForRendering(results)
        compare(visibleItems("practiceNeedsSolve", results).length, 0)
        mouseClick(visibleItems("playAsOopButton", results)[0])
        verify(results.playSessionStarted)
        for (const card of [results.oopCard1, results.oopCard2, results.ipCard1, results.ipCard2])
            compare(card.length, 2)
        compare(appController.playVsSolutionStats().totalHands, hands)
        results.playMode = false
        shell.navIndex = 0
    }
}
