import QtQuick
import QtTest
import Tessaval

// Node locks through the real controller: two classes locked at the root of
// a tiny river spot, a re-solve from the lock panel, and the new result
// holding the locked classes to their locked strategies.
TestCase {
    id: testCase
    name: "ResultsLocksWithController"
    width: 1540
    height: 1200
    visible: true
    when: windowShown

    Theme { id: tokens }
    SignalSpy { id: goToSolveSpy; signalName: "goToSolve" }
    Component {
        id: pageComponent
        ResultsPage {
            width: testCase.width
            height: testCase.height
            theme: tokens
            controller: appController
            boardText: "KsQd7h4c2s"
        }
    }

    function spot() {
        const s = { board: "KsQd7h4c2s", starting_pot: 10, effective_stack: 20, starting_street: "river",
                    max_iterations: 40, target_exploitability: 0, thread_count: 2,
                    oop_range: "AA, KK, QQ, 77, AK, KQ, QJs", ip_range: "KK, QQ, JJ, AK, AQ, 98s" }
        for (const seat of ["oop", "ip"])
            for (const street of ["flop", "turn", "river"]) {
                s[seat + "_" + street + "_bet_sizes"] = "50"
                s[seat + "_" + street + "_raise_sizes"] = "a"
            }
        return s
    }

    function solved() {
        tryVerify(function () { return !appController.running }, 60000)
        compare(appController.statusText, "Done")
    }

    // The action a class plays least at the root: locking it there is a
    // change the new result must show.
    function leastPlayed(hand) {
        const probs = appController.nodeHandStrategy(0).actionProbs[hand]
        verify(probs && probs.length >= 2, hand)
        let best = 0
        for (let i = 1; i < probs.length; ++i) {
            if (probs[i] < probs[best])
                best = i
        }
        verify(probs[best] < 0.9, hand + " already plays every action")
        return best
    }

    function tilesLocked(p) {
        const out = []
        const walk = function (item) {
            for (let i = 0; i < item.children.length; ++i) {
                const kid = item.children[i]
                if (kid.objectName === "actionTile" && kid.visible)
                    out.push(kid.locked)
                walk(kid)
            }
        }
        waitForRendering(p)
        walk(findChild(p, "treePanel"))
        return out
    }

    function test_lockAndReSolve() {
        const p = createTemporaryObject(pageComponent, testCase)
        goToSolveSpy.target = p
        appController.startSolveWithConfig(spot())
        solved()
        compare(p.currentMeta.nodeType, "decision")

        const locks = { AA: leastPlayed("AA"), KK: leastPlayed("KK") }
        mouseClick(findChild(p, "nodeLockModeButton"))
        for (const hand in locks) {
            p.nodeLockSelectedActionIndex = locks[hand]
            p.applyNodeLockToHand(0, hand)
        }
        const count = p.nodeLockActionList.length
        const held = appController.nodeLocks(0)
        compare(held.map(function (l) { return l.hand }).sort(), ["AA", "KK"])
        for (const l of held) {
            compare(l.actionProbs.length, count)
            fuzzyCompare(l.actionProbs[locks[l.hand]], 1, 1e-6)
        }
        verify(tilesLocked(p).every(function (locked) { return locked }))

        mouseClick(findChild(p, "reSolveButton"))
        compare(goToSolveSpy.count, 1)
        solved()

        // The new result: the locked classes hold their locks; the page
        // still edits locks, and the root keeps its marker.
        const strategy = appController.nodeHandStrategy(0)
        for (const hand in locks) {
            const probs = strategy.actionProbs[hand]
            for (let i = 0; i < count; ++i)
                fuzzyCompare(probs[i], i === locks[hand] ? 1 : 0, 1e-3)
        }
        verify(p.nodeLockMode)
        verify(tilesLocked(p).every(function (locked) { return locked }))
        fuzzyCompare(p.handActionProbs.AA[locks.AA], 1, 1e-3)

        // "Reset locks" empties the controller's table for the node.
        mouseClick(findChild(p, "resetLocksButton"))
        compare(appController.nodeLocks(0), [])
        verify(tilesLocked(p).every(function (locked) { return !locked }))
    }
}
