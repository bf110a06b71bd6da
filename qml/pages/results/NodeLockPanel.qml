// The "Node-Locking" panel under the node figures, shown in node-lock mode:
// the action (or mixed frequencies) to lock, "Reset locks" and "Re-solve"
// (which calls the page's _startNodeLockReSolve()). It also carries out the
// page's lock edits: a class locked from the matrix, a node's locks reset,
// and the mixed inputs kept adding up to 1.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "results_locks.js" as Locks

Rectangle {
    id: panel

    property var page
    property var theme

    readonly property bool _lockable: !!page && page._currentNodeIsLockable()
    // Hidden outside node-lock mode, the panel then builds and measures no
    // action buttons.
    readonly property var _actions: page && page.nodeLockMode ? page.nodeLockActionList : []
    readonly property bool _mixed: !!page && page.nodeLockMixedMode
    // The action buttons share one row, however narrow the panel.
    readonly property int _buttonFontSize: Math.max(11, Math.round(14 * (page ? page.uiScale : 1)))
    // The width the widest action button needs: its label, the check mark
    // with its gap, the paddings (read again when the metrics' font
    // follows the scale).
    readonly property real _buttonNeed: {
        if (!(buttonMetrics.font.pixelSize > 0))
            return 0
        let widest = buttonMetrics.advanceWidth(qsTranslate("ResultsPage", "Mixed"))
        for (let i = 0; i < _actions.length; ++i)
            widest = Math.max(widest, buttonMetrics.advanceWidth(page._nodeLockActionDisplayName(_actions[i])))
        return Math.ceil(widest) + checkMetrics.advanceWidth("\u2713") + 8 + 12 + 2
    }
    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    // ---- Lock edits ----------------------------------------------------------

    function initMixedInputsForNode(actionCount) {
        page.nodeLockMixedFreqTexts = Locks.initMixedInputs(actionCount)
    }

    function applyMixedEdit(actionCount, editedIndex, editedValue) {
        const texts = Locks.applyMixedEdit(actionCount, page.nodeLockMixedFreqTexts, editedIndex, editedValue)
        if (texts)
            page.nodeLockMixedFreqTexts = texts
    }

    function mixedProbsFromInputs(actionCount) {
        return Locks.mixedProbsFromInputs(actionCount, page.nodeLockMixedFreqTexts)
    }

    // The mixed inputs follow a node with another number of actions.
    function syncMixedInputsToNode(nodeIndex) {
        if (!page.nodeLockMixedMode)
            return
        const count = page._nodeLockActionListFor(nodeIndex).length
        if (page.nodeLockMixedFreqTexts.length !== count)
            initMixedInputsForNode(count)
    }

    function applyNodeLockToHand(nodeIndex, handLabel) {
        const p = page
        const actionCount = p.nodeLockActionList.length
        if (!p.nodeLockMode || !p._currentNodeIsLockable() || actionCount < 1)
            return
        let probs
        if (p.nodeLockMixedMode) {
            probs = mixedProbsFromInputs(actionCount)
        } else {
            if (p.nodeLockSelectedActionIndex < 0)
                return
            probs = Locks.singleActionProbs(actionCount, p.nodeLockSelectedActionIndex)
        }
        p.nodeLocksByNode = Locks.withLock(p.nodeLocksByNode, Locks.nodeKey(nodeIndex), handLabel, probs)
        const c = p.controller
        if (c && typeof c.setNodeLockProbs === "function")
            c.setNodeLockProbs(nodeIndex, handLabel, probs)
        p.refreshHandMatrix()
    }

    function resetNodeLockEdits(nodeIndex) {
        const p = page
        // The controller first: the tree's lock markers read its locks again
        // when the page's map changes.
        const c = p.controller
        if (c && typeof c.clearNodeLocks === "function")
            c.clearNodeLocks(nodeIndex)
        p.nodeLocksByNode = Locks.withoutNodeLocks(p.nodeLocksByNode, Locks.nodeKey(nodeIndex))
        p.nodeLockSelectedActionIndex = -1
        p.nodeLockMixedMode = false
        p.nodeLockMixedFreqTexts = []
        p.refreshHandMatrix()
    }

    function _toggleMixed() {
        const p = page
        p.nodeLockMixedMode = !p.nodeLockMixedMode
        if (!p.nodeLockMixedMode)
            return
        p.nodeLockSelectedActionIndex = -1
        const count = p.nodeLockActionList.length
        if (p.nodeLockMixedFreqTexts.length !== count)
            initMixedInputsForNode(count)
    }

    function _finishFieldEdit(index, text) {
        const p = page
        if (p._updatingMixedFreqTexts)
            return
        p._updatingMixedFreqTexts = true
        applyMixedEdit(p.nodeLockActionList.length, index, text)
        p._updatingMixedFreqTexts = false
    }

    // ---- Layout ----------------------------------------------------------------

    FontMetrics {
        id: buttonMetrics
        font.family: panel._tok("fontFamilyResolved", "sans-serif")
        font.pixelSize: panel._buttonFontSize
        font.weight: Font.DemiBold
    }

    FontMetrics {
        id: checkMetrics
        font.family: panel._tok("fontFamilyResolved", "sans-serif")
        font.pixelSize: 14
    }

    visible: !!page && page.nodeLockMode
    implicitHeight: column.implicitHeight + 20
    color: _tok("surface2", "#21262D")
    border.width: 1
    border.color: _tok("stroke", "#30363D")
    radius: _tok("radiusSm", 8)

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 10
        spacing: 10

        Text {
            text: qsTranslate("ResultsPage", "Node-Locking")
            color: panel._tok("text", "#F0F6FC")
            font.family: panel._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 13
            font.bold: true
        }

        Text {
            objectName: "notLockableText"
            visible: !panel._lockable
            Layout.fillWidth: true
            text: qsTranslate("ResultsPage", "Node-locking is only available on decision nodes.")
            color: panel._tok("textMuted", "#8B949E")
            font.family: panel._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
            wrapMode: Text.Wrap
        }

        // Positioners, not layouts, hold the repeated rows: the number of
        // actions drops to none whenever results are cleared (a re-solve),
        // and a layout polishing while its repeated items are destroyed
        // can crash.
        Flow {
            id: lockActionRow
            objectName: "lockActionRow"
            readonly property int _count: (panel._lockable ? panel._actions.length : 0) + 1
            // All of equal width, shrinking on narrow panels; where the
            // widest label (with its check mark) would be cut, the buttons
            // take further lines instead.
            readonly property int _perLine: Math.max(1, Math.min(_count, Math.floor((width + spacing) / (panel._buttonNeed + spacing))))
            readonly property real _buttonWidth: Math.max(0, (width - spacing * (_perLine - 1)) / _perLine)
            visible: panel._lockable
            Layout.fillWidth: true
            Layout.preferredWidth: 0
            spacing: 8

            Repeater {
                // A count, not the list: the buttons are built again only when
                // the number of actions changes, not whenever the list is
                // merely read again.
                model: panel._lockable ? panel._actions.length : 0
                // The action's button and, in mixed mode, its frequency
                // field right under it.
                delegate: Column {
                    id: cell
                    required property int index
                    readonly property string storedText: {
                        const texts = panel.page.nodeLockMixedFreqTexts
                        return index < texts.length ? String(texts[index]) : ""
                    }
                    width: lockActionRow._buttonWidth
                    spacing: 4

                    SecondaryButton {
                        objectName: "lockActionButton"
                        width: parent.width
                        theme: panel.theme
                        font.pixelSize: panel._buttonFontSize
                        leftPadding: 6
                        rightPadding: 6
                        text: panel.page._nodeLockActionDisplayName(panel._actions[cell.index])
                        iconText: !panel._mixed && panel.page.nodeLockSelectedActionIndex === cell.index ? "\u2713" : ""
                        onClicked: {
                            panel.page.nodeLockMixedMode = false
                            panel.page.nodeLockSelectedActionIndex = cell.index
                        }
                    }
                    TextField {
                        id: field
                        objectName: "mixedFreqField"
                        visible: panel._mixed
                        width: parent.width
                        text: cell.storedText
                        placeholderText: qsTranslate("ResultsPage", "freq")
                        horizontalAlignment: TextInput.AlignHCenter
                        inputMethodHints: Qt.ImhFormattedNumbersOnly
                        color: panel._tok("text", "#F0F6FC")
                        placeholderTextColor: panel._tok("textFaint", "#6E7681")
                        font.family: panel._tok("fontFamilyResolved", "sans-serif")
                        font.pixelSize: 12
                        background: Rectangle {
                            radius: panel._tok("radiusXs", 4)
                            color: panel._tok("surface", "#0B1220")
                            border.width: field.activeFocus ? 2 : 1
                            border.color: field.activeFocus ? panel._tok("strokeFocus", "#58A6FF")
                                                            : panel._tok("stroke", "#30363D")
                        }
                        onEditingFinished: {
                            panel._finishFieldEdit(cell.index, text)
                            // The field shows the stored value again, also
                            // after an edit that was not a number.
                            text = Qt.binding(function () { return cell.storedText })
                        }
                    }
                }
            }
            SecondaryButton {
                objectName: "lockMixedButton"
                width: lockActionRow._buttonWidth
                theme: panel.theme
                font.pixelSize: panel._buttonFontSize
                leftPadding: 6
                rightPadding: 6
                text: qsTranslate("ResultsPage", "Mixed")
                iconText: panel._mixed ? "\u2713" : ""
                onClicked: panel._toggleMixed()
            }
        }

        RowLayout {
            visible: panel._lockable
            Layout.fillWidth: true
            spacing: 8

            SecondaryButton {
                objectName: "resetLocksButton"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: panel.theme
                text: qsTranslate("ResultsPage", "Reset locks")
                onClicked: panel.page.resetNodeLockEdits(panel.page.currentNodeIndex)
            }
            PrimaryButton {
                objectName: "reSolveButton"
                Layout.fillWidth: true
                Layout.preferredWidth: 1
                theme: panel.theme
                text: qsTranslate("ResultsPage", "Re-solve")
                enabled: !!panel.page && !!panel.page.controller && panel._lockable
                focusPolicy: Qt.TabFocus
                onClicked: panel.page._startNodeLockReSolve()
            }
        }

        Text {
            objectName: "lockTip"
            Layout.fillWidth: true
            text: panel._mixed
                  ? qsTranslate("ResultsPage", "Tip: enter frequencies above, then click a hand cell in the matrix to apply the mixed strategy.")
                  : qsTranslate("ResultsPage", "Tip: select an action above, then click a hand cell in the matrix to lock it.")
            color: panel._tok("textMuted", "#8B949E")
            font.family: panel._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 11
            wrapMode: Text.Wrap
        }
    }
}
