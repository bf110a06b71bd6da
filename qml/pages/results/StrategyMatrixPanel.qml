// The "Strategy by Hand" column of the range view: the 13 x 13 strategy
// matrix of the player to act, its legend, the node figures and the mode
// switch. The page calls refresh() whenever the matrix inputs are due; they
// are not bindings, so that a node change computes them once, from the new
// node's own actions.
import QtQuick
import QtQuick.Layouts
import Tessaval
import "results_matrix.js" as Matrix
import "results_locks.js" as Locks
import "results_frame.js" as Frame
import "results_actions.js" as Actions

ColumnLayout {
    id: panel

    property var page
    property var theme

    readonly property real _scale: page ? page.uiScale : 1
    readonly property var legendActions: Matrix.legendEntries(page ? page.currentActions : [])
    // The narrowest the column's content gets: the node figures beside the
    // mode buttons, and the matrix at its smallest legible cells (narrower
    // than that, the column scrolls sideways).
    readonly property real minimumFiguresWidth: _figuresMinWidth + modeButtons._w + 10
    readonly property real _figuresMinWidth: Math.max(Frame.scaled(180, 140, _scale), figuresBox.minimumWidth)
    // The height the matrix may take: its cells shrink (down to their
    // smallest legible size) to keep the column within it.
    property real matrixRoom: Infinity
    // The height of the panel without the matrix.
    readonly property real heightBesidesMatrix: title.implicitHeight + legend.implicitHeight
                                                + figuresRow.implicitHeight + 3 * spacing
    readonly property real minimumContentWidth: Math.max(matrix.minCellSize * 13 + matrix.cellSpacing * 12,
                                                         minimumFiguresWidth)

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    spacing: 12

    // Recomputes the matrix inputs of the page's current node.
    function refresh() {
        const p = page
        if (!p)
            return
        const c = p.controller
        if (!c || typeof c.nodeHandStrategy !== "function") {
            p.handWeights = ({})
            p.handActionTypes = ({})
            p.handColors = ({})
            p.handActionProbs = ({})
            p.handActionTypeList = []
            return
        }
        // The play view hides the matrix; leaving it refreshes.
        if (p.playMode)
            return
        const node = p.currentNodeIndex
        const strategy = c.nodeHandStrategy(node) || {}
        // Read from the controller, not from currentActions: that binding may
        // still describe the previous node while the node changes.
        const defs = Actions.colorizeBetRaiseActions(p._rawActionDefinitionsFor(node), !!theme && !!theme.dark)
        const reach = typeof c.nodeHandStrategyReach169 === "function"
                ? c.nodeHandStrategyReach169(node, String(p.selectedBucket || "")) : null
        const t = theme
        const r = Matrix.matrixInputs({
            strategy: strategy,
            reach: reach,
            defs: defs,
            lockEntry: p.nodeLocksByNode[Locks.nodeKey(node)],
            actionColor: t ? function (key) { return t.actionColor(key) } : null,
            mutedColor: t ? t.textMuted : "#888"
        })
        p.handWeights = r.weights
        p.handActionTypes = r.dominant
        p.handColors = r.colors
        // The matrix redraws once for the node's action keys and
        // probabilities together, not first for keys that do not fit the
        // previous node's probabilities.
        matrix._holdActions = true
        try {
            p.handActionTypeList = r.typeList
            p.handActionProbs = r.probs
        } finally {
            matrix._holdActions = false
        }
    }

    // Colours follow the theme.
    Connections {
        target: panel.theme || null
        ignoreUnknownSignals: true
        function onDarkChanged() { panel.refresh() }
    }

    Text {
        id: title
        text: qsTranslate("ResultsPage", "Strategy by Hand")
        color: panel._tok("text", "#F0F6FC")
        font.family: panel._tok("fontFamilyResolved", "sans-serif")
        font.pixelSize: 14
        font.bold: true
    }

    HandMatrix {
        id: matrix
        objectName: "strategyHandMatrix"
        Layout.fillWidth: true
        Layout.preferredHeight: effectiveMatrixSize
        Layout.minimumHeight: effectiveMatrixSize
        theme: panel.theme
        weights: panel.page ? panel.page.handWeights : ({})
        colors: panel.page ? panel.page.handColors : ({})
        actionTypes: panel.page ? panel.page.handActionTypeList : []
        actionProbs: panel.page ? panel.page.handActionProbs : ({})
        weightDisplayMode: "verticalFill"
        cellSize: 34
        autoFitToWidth: true
        // Cells below this size no longer hold their labels.
        minCellSize: 24
        maxCellSize: Math.max(minCellSize, Math.min(64, Math.floor((panel.matrixRoom - 12 * cellSpacing) / 13)))
        showLabels: true
        selectable: true
        dragSelectable: !!panel.page && panel.page.nodeLockMode

        onHandClicked: function (hand) {
            const p = panel.page
            if (p.nodeLockMode)
                p.applyNodeLockToHand(p.currentNodeIndex, hand)
            else
                p.toggleHandFilter(hand)
        }
        onHandDragged: function (hand) {
            const p = panel.page
            if (p.nodeLockMode)
                p.applyNodeLockToHand(p.currentNodeIndex, hand)
        }
    }

    Flow {
        id: legend
        objectName: "strategyLegend"
        Layout.fillWidth: true
        spacing: 16

        // Entries are taken in place while the count stays.
        Repeater {
            model: panel.legendActions.length
            delegate: Row {
                required property int index
                readonly property var modelData: panel.legendActions[index] || ({})
                objectName: "legendEntry"
                spacing: 6
                Rectangle {
                    objectName: "legendSwatch"
                    anchors.verticalCenter: parent.verticalCenter
                    width: 12
                    height: 12
                    radius: 2
                    color: modelData.color !== undefined && modelData.color !== null ? modelData.color
                           : panel.theme ? panel.theme.actionColor(modelData.actionType) : "#8B949E"
                }
                Text {
                    objectName: "legendLabel"
                    anchors.verticalCenter: parent.verticalCenter
                    text: modelData.name === undefined || modelData.name === null ? ""
                          : panel.page._nodeActionNameTranslated(String(modelData.name))
                    color: panel._tok("textMuted", "#8B949E")
                    font.family: panel._tok("fontFamilyResolved", "sans-serif")
                    font.pixelSize: 11
                }
            }
        }
    }

    RowLayout {
        id: figuresRow
        Layout.fillWidth: true
        spacing: 10

        NodeFiguresBox {
            id: figuresBox
            objectName: "nodeFiguresBox"
            page: panel.page
            theme: panel.theme
            Layout.fillWidth: true
            Layout.minimumWidth: panel._figuresMinWidth
            Layout.alignment: Qt.AlignTop
        }

        ColumnLayout {
            id: modeButtons
            // The labels and their mark fit the narrow column.
            readonly property int _fontSize: Math.max(10, Math.round(12 * panel._scale))
            // As wide as the longer label with the check mark needs (read
            // again when the metrics' font follows the scale).
            readonly property int _w: {
                const need = modeMetrics.font.pixelSize > 0
                           ? Math.max(modeMetrics.advanceWidth(standardButton.text), modeMetrics.advanceWidth(lockButton.text))
                             + checkMetrics.advanceWidth("\u2713") + 8 + 4 + 4 + 2
                           : 0
                return Math.max(Frame.scaled(150, 120, panel._scale), Math.ceil(need))
            }
            Layout.preferredWidth: _w
            Layout.minimumWidth: _w
            Layout.maximumWidth: _w
            Layout.alignment: Qt.AlignTop
            spacing: 6

            FontMetrics {
                id: modeMetrics
                font.family: panel._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: modeButtons._fontSize
                font.weight: Font.DemiBold
            }
            FontMetrics {
                id: checkMetrics
                font.family: panel._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 14
            }

            SecondaryButton {
                id: standardButton
                objectName: "standardModeButton"
                Layout.fillWidth: true
                theme: panel.theme
                font.pixelSize: parent._fontSize
                leftPadding: 4
                rightPadding: 4
                text: qsTranslate("ResultsPage", "Standard mode")
                iconText: panel.page && !panel.page.nodeLockMode ? "\u2713" : ""
                // Also in standard mode already: the node's locks go.
                onClicked: {
                    const p = panel.page
                    p.nodeLockMode = false
                    p.resetNodeLockEdits(p.currentNodeIndex)
                    p.nodeLockSelectedActionIndex = -1
                }
            }
            SecondaryButton {
                id: lockButton
                objectName: "nodeLockModeButton"
                Layout.fillWidth: true
                theme: panel.theme
                font.pixelSize: parent._fontSize
                leftPadding: 4
                rightPadding: 4
                text: qsTranslate("ResultsPage", "Node-lock mode")
                iconText: panel.page && panel.page.nodeLockMode ? "\u2713" : ""
                onClicked: {
                    panel.page.nodeLockMode = true
                    panel.page.nodeLockSelectedActionIndex = -1
                }
            }
        }
    }
}
