// The set-up page's state: the project values the shell binds in and copies
// back, the size scale, the language counter and the board and sizing
// functions. The page's other members are added by the types built on this
// one, and ProjectPage puts the rows on top.
import QtQuick
import "board_entry.js" as Board
import "page_layout.js" as PageLayout
import "sizing.js" as Sizing

Item {
    id: root

    property var theme
    property var type
    property bool canSolve: true

    // The project state (the shell's thread count is not edited here).
    property string boardText: ""
    property string startingStreet: "flop"
    property real startingPot: 100
    property real effectiveStack: 100
    property real rakePercent: 0.0
    property int rakeCap: 0
    property real targetExploitability: 0.10
    property int maxIterations: 2000
    property string betSizesText: ""
    property string oopRangeText: ""
    property string ipRangeText: ""
    property string oopFlopBetSizesText: ""
    property string oopTurnBetSizesText: ""
    property string oopRiverBetSizesText: ""
    property string oopFlopRaiseSizesText: ""
    property string oopTurnRaiseSizesText: ""
    property string oopRiverRaiseSizesText: ""
    property bool oopFlopAddAllIn: false
    property bool oopTurnAddAllIn: false
    property bool oopRiverAddAllIn: false
    property bool oopFlopDontDonk: false
    property bool oopTurnDontDonk: false
    property bool oopRiverDontDonk: false
    property string ipFlopBetSizesText: ""
    property string ipTurnBetSizesText: ""
    property string ipRiverBetSizesText: ""
    property string ipFlopRaiseSizesText: ""
    property string ipTurnRaiseSizesText: ""
    property string ipRiverRaiseSizesText: ""
    property bool ipFlopAddAllIn: false
    property bool ipTurnAddAllIn: false
    property bool ipRiverAddAllIn: false
    property bool oopAddAllInIfJamLtEnabled: false
    property real oopAddAllInIfJamLtPct: 0.0
    property bool ipAddAllInIfJamLtEnabled: false
    property real ipAddAllInIfJamLtPct: 0.0

    signal goToSolve()

    // From the shell: the engine's message per solve-map key for each text it
    // refuses, and what blocks a solve ("" when nothing does).
    property var spotErrors: ({})
    property string solveBlockText: ""

    // The controller the page reads (memory figures, developer mode).
    property var appControllerObject: typeof appController !== "undefined" ? appController : null
    readonly property bool developerMode: !!appControllerObject && !!appControllerObject.developerMode

    // Raised on every change of interface language, so that texts built in
    // script are built again.
    property int _i18nRev: 0

    readonly property real _uiBaselineWidth: PageLayout.BASELINE_WIDTH
    readonly property real uiScale: PageLayout.uiScale(width)
    readonly property real sizingStreetColumnWidth: PageLayout.sizingStreetColumnWidth(uiScale)
    readonly property real gameSettingsInputColumnWidth: PageLayout.gameSettingsInputColumnWidth(uiScale)

    // The board slot the card picker edits.
    property int editingCardIndex: -1
    readonly property var usedBoardCards: Board.usedCards(boardText)

    function _boardCardsArray() {
        return Board.cardsArray(boardText)
    }

    function _setBoardFromCards(cards) {
        _assignBoard(Board.textFromCards(cards))
    }

    function setBoardCardAt(index, card) {
        _assignBoard(Board.withCardAt(boardText, index, card))
    }

    function clearBoardFrom(index) {
        _assignBoard(Board.clearedFrom(boardText, index))
    }

    function inferStreetFromBoardText(s) {
        return Board.inferStreet(s)
    }

    function validBoard(s) {
        return Board.isValidBoard(s)
    }

    function copyOopSizingToIp() {
        Sizing.copyOopToIp(root)
    }

    function _assignBoard(text) {
        if (text !== boardText)
            boardText = text
    }

    // The street always follows the board, whoever sets either of them (a
    // pick, the shell applying a project, a settings profile).
    function _deriveStreet() {
        const street = inferStreetFromBoardText(boardText)
        if (startingStreet !== street)
            startingStreet = street
    }

    onBoardTextChanged: _deriveStreet()
    onStartingStreetChanged: _deriveStreet()

    Connections {
        target: typeof languageManager !== "undefined" ? languageManager : null
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged() {
            root._i18nRev += 1
        }
    }

    Component.onCompleted: _deriveStreet()
}
