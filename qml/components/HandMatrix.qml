// The 169 starting-hand classes as a 13 x 13 grid. Draws the weights, colours
// and mixed-action splits it is given and turns gestures into signals: drag
// painting when editable, click or drag selection when selectable.
import QtQuick
import "hand_matrix.js" as Logic

Item {
    id: matrix

    property var theme
    property var weights: ({})
    property var colors: ({})
    property string weightDisplayMode: "horizontalSpan"
    property var actionTypes: []
    property var actionProbs: ({})
    property bool editable: false
    property bool selectable: false
    property bool dragSelectable: false
    property bool showLabels: true
    property real cellSize: 32
    property real cellSpacing: 2
    property bool autoFitToWidth: false
    property real minCellSize: 28
    property real maxCellSize: 64

    readonly property var ranks: Logic.RANKS
    readonly property real effectiveCellSize: Logic.effectiveCellSize(autoFitToWidth, width, cellSize,
                                                                       cellSpacing, minCellSize, maxCellSize)
    readonly property real effectiveMatrixSize: Logic.matrixSize(effectiveCellSize, cellSpacing)

    property bool _dragActive: false
    property bool _dragDesiredOn: false
    property int _dragLastIndex: -1
    // Last pointer position of the drag-paint or drag-select, in grid
    // coordinates.
    property real _dragLastX: 0
    property real _dragLastY: 0
    property int _hoverIndex: -1
    property bool _dragSelectActive: false
    property int _dragSelectLastIndex: -1
    property bool _dragSelectDidEmit: false

    // The action keys and probabilities that decide the cells' segments,
    // taken as one value so that replacing both redraws the grid once. A
    // caller that sets the two one after the other holds them (_holdActions)
    // until both are in; otherwise each change is taken at once.
    property bool _holdActions: false
    property var _actions: ({ "types": [], "probs": ({}) })
    // The keys of the segments drawn: those of the last actions some class
    // has a probability per action for. Actions that no class has one for
    // (a deal, whose "actions" are its cards) draw no segments and leave the
    // segment slots as they are; the same keys again change nothing.
    property var _segmentTypes: []
    function _takeActions() {
        if (_holdActions)
            return
        _actions = { "types": actionTypes, "probs": actionProbs }
        if (Logic.anyAligned(_actions) && !Logic.sameList(_segmentTypes, actionTypes))
            _segmentTypes = actionTypes
    }
    onActionTypesChanged: _takeActions()
    onActionProbsChanged: _takeActions()
    on_HoldActionsChanged: _takeActions()
    Component.onCompleted: _takeActions()

    // Per-matrix values every cell reads, computed once instead of per cell.
    // They only pick the segment slots and their colours.
    readonly property int _actionCount: Logic.count(_segmentTypes)
    readonly property var _actionColors: {
        const out = []
        for (let i = 0; i < _actionCount; ++i) {
            // Drawn at 0.85 opacity: the alpha goes into the colour, which the
            // renderer handles more cheaply than an item opacity.
            const c = theme ? theme.actionColor(_segmentTypes[i]) : Qt.color("#888888")
            out.push(Qt.rgba(c.r, c.g, c.b, c.a * 0.85))
        }
        return out
    }
    // Segment rectangles kept in every cell. Segments past the action count
    // stay hidden, so a node with another number of actions only shows or
    // hides them instead of rebuilding every cell's segments. A matrix that
    // never gets actions (the range editors) makes none; the first actions
    // make room for eight, which covers the usual nodes, and a node with more
    // actions than ever before enlarges the pool, which never shrinks.
    property int _segmentSlots: 0
    on_ActionCountChanged: {
        if (_actionCount > _segmentSlots)
            _segmentSlots = Math.max(8, _actionCount)
    }
    readonly property bool _vertical: weightDisplayMode === "verticalFill"
    readonly property real _radius: theme ? theme.radiusXs : 4
    readonly property color _pairColor: theme ? theme.surface3 : "#2D333B"
    readonly property color _suitedColor: theme ? theme.surface2 : "#21262D"
    readonly property color _offsuitColor: theme ? theme.surface : "#1C2128"
    readonly property color _borderColor: theme ? theme.strokeLight : "#21262D"
    readonly property color _focusColor: theme ? theme.strokeFocus : "#58A6FF"
    readonly property color _textColor: theme ? theme.text : "#F0F6FC"
    readonly property string _monoFamily: theme ? theme.fontMonoResolved : "JetBrains Mono"
    readonly property real _labelPointSize: effectiveCellSize > 28 ? 11.25 : 10

    signal handClicked(string hand, real currentWeight)
    signal handPainted(string hand, bool desiredOn, real currentWeight)
    signal handDragged(string hand, real currentWeight)
    signal handHovered(string hand, real weight)

    function handAt(row, col) { return Logic.handAt(row, col) }
    function weightFor(hand) { return Logic.weightFor(weights, hand) }
    function colorFor(hand, weight) { return Logic.colorFor(colors, theme, hand, weight) }
    function probsFor(hand) { return Logic.probsFor(actionProbs, hand) }
    function clamp01(v) { return Logic.clamp01(v) }
    function cumProb(probs, idx) { return Logic.cumProb(probs, idx) }
    function indexAt(x, y) { return Logic.indexAt(x, y, effectiveCellSize, cellSpacing) }

    function _emitHoverAtIndex(idx) {
        if (idx < 0)
            return
        const hand = Logic.LABELS[idx]
        handHovered(hand, Number(weightFor(hand)))
    }

    function _maybePaintAtIndex(idx) {
        if (!_dragActive || idx < 0 || idx === _dragLastIndex)
            return
        _dragLastIndex = idx
        const hand = Logic.LABELS[idx]
        const w = weightFor(hand)
        const on = Logic.isOn(w)
        if (_dragDesiredOn && !on)
            handPainted(hand, true, Number(w))
        else if (!_dragDesiredOn && on)
            handPainted(hand, false, Number(w))
    }

    // One pointer move of a drag-paint or drag-select: every cell on the way
    // from the last position to (x, y) is taken in turn, so a fast move that
    // the pointer reports as one long step skips none.
    function _strokeAlong(x, y) {
        if (!_dragActive && !_dragSelectActive)
            return
        const cells = Logic.cellsOnStroke(_dragLastX, _dragLastY, x, y, effectiveCellSize, cellSpacing)
        _dragLastX = x
        _dragLastY = y
        for (let i = 0; i < cells.length; ++i) {
            if (_dragActive)
                _maybePaintAtIndex(cells[i])
            else
                _maybeDragSelectAtIndex(cells[i])
        }
    }

    function _maybeDragSelectAtIndex(idx) {
        if (!_dragSelectActive || idx < 0 || idx === _dragSelectLastIndex)
            return
        _dragSelectLastIndex = idx
        _dragSelectDidEmit = true
        const hand = Logic.LABELS[idx]
        handDragged(hand, Number(weightFor(hand)))
    }

    function _endGesture() {
        _dragActive = false
        _dragLastIndex = -1
        _dragSelectActive = false
        _dragSelectLastIndex = -1
    }

    implicitWidth: (cellSize + cellSpacing) * 13 - cellSpacing
    implicitHeight: autoFitToWidth ? effectiveMatrixSize : implicitWidth

    Item {
        id: grid
        objectName: "grid"
        width: matrix.effectiveMatrixSize
        height: matrix.effectiveMatrixSize
        anchors.centerIn: parent

        Repeater {
            model: 169
            delegate: Item {
                id: cell
                required property int index
                readonly property int row: Math.floor(index / 13)
                readonly property int col: index % 13
                readonly property string hand: Logic.LABELS[index]
                // The stored weight read as a number; typed so that an unchanged
                // value notifies nothing when the map is replaced.
                readonly property real weight: Number(Logic.weightFor(matrix.weights, hand))
                readonly property bool isPair: row === col
                readonly property bool isSuited: row < col
                readonly property bool weightIsVertical: matrix._vertical
                readonly property real weight01: Logic.clamp01(weight)
                readonly property bool on: weight > 0
                readonly property bool hovered: matrix._hoverIndex === index
                // The class's probabilities when there is one per action, else
                // null; read in one binding from the matrix's action keys and
                // probabilities, so that a node switch never compares new keys
                // with the previous node's probabilities.
                readonly property var probs: Logic.alignedProbs(matrix._actions, hand)
                readonly property bool mixed: probs !== null && weight01 > 0
                // The filled part: the left span, or the bottom band in vertical mode.
                readonly property real fillWidth: weightIsVertical ? width : width * weight01
                readonly property real fillHeight: weightIsVertical ? height * weight01 : height
                // Left edge and width of every segment, as drawn: [x0, w0, x1, w1, ...].
                readonly property var segmentSpans: mixed && probs !== null
                                                    ? Logic.drawnSpans(probs, probs.length, fillWidth) : []

                objectName: "cell_" + hand
                x: col * (matrix.effectiveCellSize + matrix.cellSpacing)
                y: row * (matrix.effectiveCellSize + matrix.cellSpacing)
                width: matrix.effectiveCellSize
                height: matrix.effectiveCellSize
                z: hovered ? 1 : 0
                scale: hovered ? 1.1 : 1.0
                Behavior on scale { NumberAnimation { duration: 80; easing.type: Easing.OutCubic } }

                Rectangle {
                    anchors.fill: parent
                    radius: matrix._radius
                    color: cell.isPair ? matrix._pairColor : cell.isSuited ? matrix._suitedColor : matrix._offsuitColor
                    border.width: cell.hovered ? 2 : 1
                    border.color: cell.hovered ? matrix._focusColor : matrix._borderColor
                }

                Rectangle {
                    objectName: "fill"
                    visible: !cell.mixed && cell.weight01 > 0
                    y: cell.height - cell.fillHeight
                    width: cell.fillWidth
                    height: cell.fillHeight
                    radius: matrix._radius
                    color: visible ? matrix.colorFor(cell.hand, 1.0) : "transparent"
                }

                Item {
                    objectName: "segments"
                    visible: cell.mixed
                    y: cell.height - cell.fillHeight
                    width: cell.fillWidth
                    height: cell.fillHeight

                    Repeater {
                        model: matrix._segmentSlots
                        // An unused slot reads nothing else, so changes of the
                        // cell's data do not reach it.
                        delegate: Rectangle {
                            required property int index
                            readonly property bool used: index < matrix._actionCount
                            visible: used
                            x: used ? cell.segmentSpans[2 * index] || 0 : 0
                            width: used ? cell.segmentSpans[2 * index + 1] || 0 : 0
                            height: used ? parent.height : 0
                            color: used ? matrix._actionColors[index] || "transparent" : "transparent"
                        }
                    }
                }

                Text {
                    objectName: "label"
                    anchors.centerIn: parent
                    visible: matrix.showLabels || cell.on
                    text: cell.hand
                    color: matrix._textColor
                    opacity: cell.on ? 1.0 : 0.6
                    font.family: matrix._monoFamily
                    font.pointSize: matrix._labelPointSize
                    renderType: Text.NativeRendering
                }
            }
        }

        MouseArea {
            id: mouseArea
            objectName: "matrixMouse"
            anchors.fill: parent
            z: 2
            hoverEnabled: true
            preventStealing: true
            acceptedButtons: matrix.editable || matrix.selectable ? Qt.LeftButton : Qt.NoButton
            cursorShape: matrix.editable || matrix.selectable ? Qt.PointingHandCursor : Qt.ArrowCursor

            onExited: matrix._hoverIndex = -1

            // Coming onto the grid is a move too (the area reports no
            // position change for it).
            onEntered: {
                const idx = matrix.indexAt(mouseX, mouseY)
                if (idx !== matrix._hoverIndex) {
                    matrix._hoverIndex = idx
                    matrix._emitHoverAtIndex(idx)
                }
            }

            onPositionChanged: function (mouse) {
                const idx = matrix.indexAt(mouse.x, mouse.y)
                if (idx !== matrix._hoverIndex) {
                    matrix._hoverIndex = idx
                    matrix._emitHoverAtIndex(idx)
                }
                matrix._strokeAlong(mouse.x, mouse.y)
                if (matrix._dragActive)
                    matrix._maybePaintAtIndex(idx)
                if (matrix._dragSelectActive)
                    matrix._maybeDragSelectAtIndex(idx)
            }

            onPressed: function (mouse) {
                const idx = matrix.indexAt(mouse.x, mouse.y)
                matrix._hoverIndex = idx
                matrix._emitHoverAtIndex(idx)
                if (idx < 0)
                    return
                const w = matrix.weightFor(Logic.LABELS[idx])
                if (matrix.editable) {
                    matrix._dragActive = true
                    matrix._dragLastIndex = -1
                    matrix._dragLastX = mouse.x
                    matrix._dragLastY = mouse.y
                    matrix._dragDesiredOn = !Logic.isOn(w)
                    matrix._maybePaintAtIndex(idx)
                } else if (matrix.selectable && matrix.dragSelectable) {
                    matrix._dragSelectActive = true
                    matrix._dragSelectLastIndex = -1
                    matrix._dragLastX = mouse.x
                    matrix._dragLastY = mouse.y
                    matrix._dragSelectDidEmit = false
                    matrix._maybeDragSelectAtIndex(idx)
                }
            }

            onReleased: matrix._endGesture()
            onCanceled: matrix._endGesture()

            onClicked: function (mouse) {
                if (matrix.dragSelectable && matrix._dragSelectDidEmit)
                    return
                if (matrix.editable || !matrix.selectable)
                    return
                const idx = matrix.indexAt(mouse.x, mouse.y)
                if (idx < 0)
                    return
                const hand = Logic.LABELS[idx]
                matrix.handClicked(hand, Number(matrix.weightFor(hand)))
            }
        }
    }
}
