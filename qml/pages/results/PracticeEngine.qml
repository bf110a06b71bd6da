// The practice mode's engine: the session, the deals, the step loop that
// plays the opponent, the judging of the user's decisions and the hand log.
// Its state lives on the page (`page`), which forwards its operations here.
// So far it holds what the game tree and the chance picker need: the reset
// of a session, the scheduling of a step and the action line.
import QtQuick

QtObject {
    id: engine

    property var page

    function resetPlaySession() {
        const p = page
        p.playTickTimer.stop()
        p.playSessionStarted = false
        p.playHandComplete = false
        p.playBoardText = ""
        p.playAwaitingUserAction = false
        p.playNodeIndex = -1
        p.playActionLine = ""
    }

    // One step of the hand.
    function playTick() {
    }

    // (Re)arms the page's step timer: at most one step is ever pending.
    function schedulePlayTick(ms) {
        const p = page
        if (!p.playMode || !p.playSessionStarted)
            return
        const n = Number(ms)
        p.playTickTimer.stop()
        p.playTickTimer.interval = isFinite(n) ? Math.max(0, Math.round(n)) : 0
        p.playTickTimer.start()
    }

    // One step of the hand's action history: "OOP: Check → IP: Bet 75%".
    function appendActionToPlayLine(actor, actionName) {
        const a = actor === undefined || actor === null ? "" : String(actor)
        const name = actionName === undefined || actionName === null ? "" : String(actionName)
        const step = a.length > 0 ? a + ": " + name : name
        page.playActionLine = page.playActionLine.length > 0 ? page.playActionLine + " \u2192 " + step : step
    }
}
