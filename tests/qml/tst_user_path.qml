import QtQuick
import QtTest
import Tessaval

// The whole program the way a user goes through it: the real window, the
// real controller, every page. A small flop spot is set up through the
// set-up page's own controls, solved, studied down to a river node, locked
// and solved again, saved, cleared and loaded back, and practised once.
TestCase {
    id: testCase
    name: "UserPath"
    when: windowShown

    property var window
    property var shell
    property var setup
    property var results

    function item(name, parent) {
        const found = findChild(parent || window.contentItem, name)
        verify(found, name)
        return found
    }

    function typeInto(name, text) {
        const f = item(name, setup)
        f.forceActiveFocus()
        f.selectAll()
        keyClick(Qt.Key_Delete)
        for (let i = 0; i < text.length; ++i)
            keyClick(text.charAt(i))
        keyClick(Qt.Key_Return)
    }

    function pickCard(slot, card) {
        mouseClick(item("slot" + slot, setup.boardDisplay))
        const dialog = item("cardPickerDialog", setup)
        tryCompare(dialog, "opened", true)
        mouseClick(item("card_" + card, dialog.picker))
        tryCompare(dialog, "visible", false)
    }

    function paint(player, hand) {
        const c = item("cell_" + hand, item(player + "Matrix", setup))
        mouseClick(c, c.width / 2, c.height / 2)
    }

    function waitForResult() {
        tryVerify(function () { return !appController.running }, 60000)
        compare(appController.statusText, "Done")
    }

    // The action of the current node whose type starts with `kind`.
    function actionIndex(kind) {
        const i = results.currentActions.findIndex(function (a) {
            return String(a.actionType).split(" ")[0] === kind
        })
        verify(i >= 0, kind + " at node " + results.currentNodeIndex)
        return i
    }

    function checkDown(level) {
        results.selectActionAtLevel(level, actionIndex("check"))
        results.selectActionAtLevel(level + 1, actionIndex("check"))
    }

    function rootStrategy() {
        const s = appController.nodeHandStrategy(0)
        verify(s && s.actionProbs)
        return JSON.stringify(s.actionProbs)
    }

    function test_wholePath() {
        const component = Qt.createComponent("qrc:/Tessaval/Main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null, { width: 1540, height: 1200 })
        verify(window)
        window.show()
        // The start-up geometry follows the (small) offscreen screen: take a desktop size.
        window.width = 1540
        window.height = 1200
        tryCompare(window, "visible", true)
        shell = item("appShell")
        setup = item("projectPage")
        results = item("resultsPage")
        const home = item("homePage")
        const statsBefore = appController.playVsSolutionStats()

        // A new project on the set-up page: board, sizes, both ranges painted.
        home.newProject()
        compare(shell.navIndex, 1)
        tryVerify(function () { return setup.visible && setup.width > 0 })
        waitForRendering(setup)
        pickCard(0, "Ks")
        pickCard(1, "Qd")
        pickCard(2, "7h")
        for (const seat of ["oop", "ip"])
            for (const street of ["Flop", "Turn", "River"]) {
                typeInto(seat + street + "BetField" + (seat === "ip" ? "2" : ""), "50")
                typeInto(seat + street + "RaiseField" + (seat === "ip" ? "2" : ""), "a")
            }
        const flick = item("flickable", setup)
        flick.contentY = flick.contentHeight - flick.height
        waitForRendering(setup)
        for (const hand of ["AA", "KK", "AKs", "QJs"])
            paint("oop", hand)
        // IP takes the first opening range of the Standard library, folder by folder.
        mouseClick(item("ipCategory0", setup))
        let node = { children: setup.ipStandardRanges }
        for (let depth = 0; depth < 4 && node.children; ++depth) {
            node = node.children[0]
            const list = item("ipLibraryList", setup)
            const rowName = "libraryRow_" + node.name
            tryVerify(function () { return findChild(list, rowName) !== null }, 3000, rowName)
            const row = findChild(list, rowName)
            tryVerify(function () { return row.width > 0 && row.height > 0 }, 3000)
            waitForRendering(list)
            mouseClick(row)
        }
        verify(!node.children, node.name)
        compare(setup.ipSelectedId, node.id)
        compare(shell.ipRangeText, node.value)
        compare(shell.boardText, "KsQd7h")
        compare(shell.oopRangeText, "AA, KK, AKs, QJs")

        // The spot is complete; the memory estimate arrives.
        verify(shell.canSolve, shell.solveBlock.text)
        tryVerify(function () { return appController.solveRequiredMemoryBytes > 0 }, 30000, "the estimate arrives")
        verify(shell.canSolve)

        // Solve from the solve page.
        shell.maxIterations = 10
        shell.navIndex = 2
        const solve = item("solvePage")
        solve._startSolve()
        waitForResult()
        compare(appController.resultIterations, 10)

        // Results: walk check-check to the turn, deal, check-check, deal: a river decision.
        item("topBar").navigate(3)
        compare(shell.navIndex, 3)
        tryVerify(function () { return results.currentMeta.nodeType === "decision" })
        checkDown(0)
        compare(results.currentMeta.chanceDeal, "turn")
        results.openChancePicker(2, results.currentNodeIndex)
        results.chooseChanceCardRandom()
        checkDown(3)
        compare(results.currentMeta.chanceDeal, "river")
        results.openChancePicker(5, results.currentNodeIndex)
        results.chooseChanceCardRandom()
        compare(results.currentMeta.nodeType, "decision")
        compare(results.treeBoardText.length, 10)
        tryCompare(results, "_handCombosLoading", false)
        verify(results.visibleHandCombos.length > 0)

        // Lock AA at the root on its least played action and solve again.
        results.resetTreeToRoot()
        const probs = appController.nodeHandStrategy(0).actionProbs["AA"]
        let least = 0
        for (let i = 1; i < probs.length; ++i)
            if (probs[i] < probs[least])
                least = i
        mouseClick(item("nodeLockModeButton", results))
        verify(results.nodeLockMode)
        results.nodeLockSelectedActionIndex = least
        results.applyNodeLockToHand(0, "AA")
        compare(appController.nodeLocks(0).length, 1)
        waitForRendering(results)
        mouseClick(item("reSolveButton", results))
        compare(shell.navIndex, 2)
        waitForResult()
        fuzzyCompare(appController.nodeHandStrategy(0).actionProbs["AA"][least], 1, 1e-3)

        // One practice hand against the solution, counted on the home page.
        item("topBar").navigate(3)
        results.playStepDelayMs = 0
        results.playMode = true
        results.startPlaySession("OOP")
        for (let step = 0; step < 200 && !results.playHandComplete; ++step) {
            if (results.playTickTimer.running) {
                results.playTickTimer.stop()
                results.playTick()
            } else if (results.playAwaitingUserAction) {
                results.practiceEngine._handleUserPlayAction(0)
            } else if (results.playAwaitingChanceCard) {
                results.practiceEngine.chooseCardFromBoard(results.playBoardText.length >= 8 ? 4 : 3)
                results.chooseChanceCardRandom()
            } else {
                wait(10)
            }
        }
        verify(results.playHandComplete)
        const statsAfter = appController.playVsSolutionStats()
        compare(statsAfter.totalHands - statsBefore.totalHands, 1)
        item("topBar").navigate(0)
        tryCompare(home.playVsSolutionStats, "totalHands", statsAfter.totalHands)

        // Save, clear, load back: the same strategy.
        const saved = rootStrategy()
        const url = testFolderUrl + "/user_path.json"
        verify(home._saveProjectTo(url))
        appController.clearResults()
        compare(appController.treeNodeCount(), 0)
        verify(home._openProjectFrom(url))
        tryVerify(function () { return appController.treeNodeCount() > 0 })
        compare(rootStrategy(), saved)
        compare(shell.boardText, "KsQd7h")

        window.destroy()
    }
}
