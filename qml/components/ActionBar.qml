// How a strategy splits between actions: a bar of coloured segments, each as
// wide as its action's share, and below it (with labels) one block of text
// per action with its name, share, combos, equity and EV.
import QtQuick
import "action_bar.js" as Logic

Item {
    id: bar

    property var theme
    property var actions: []
    property bool showLabels: true
    property bool interactive: false
    property int selectedAction: -1
    readonly property real _totalFreq: Logic.totalFreq(actions)
    readonly property int _count: Logic.count(actions)

    signal actionClicked(int index, string name)
    signal actionHovered(int index, string name, real frequency)

    function _rawFreq(a) { return Logic.rawFreq(a) }
    function _normFreq(a) { return Logic.normFreq(a, _totalFreq) }

    function _entryAt(px) {
        return Logic.entryAt(actions, px, barRect.width)
    }

    function _hoverAt(px) {
        const idx = _entryAt(px)
        if (idx < 0)
            return
        const a = actions[idx]
        actionHovered(idx, Logic.nameText(a), _normFreq(a))
    }

    implicitWidth: 300
    // 40 with one line of labels; more when the blocks wrap, so that a layout
    // leaves room for every line.
    implicitHeight: showLabels ? Math.max(40, 24 + labels.implicitHeight) : 24

    // The drawn segments (x, width, radius, rounded ends), for the canvas
    // and for the share written inside each.
    readonly property var _shares: Logic.shares(actions)
    readonly property var _segments: Logic.segmentLayout(_shares, barRect.width, barRect.height,
                                                         theme ? theme.radiusSm : 8)

    onActionsChanged: canvas.requestPaint()

    Column {
        anchors.fill: parent
        spacing: 4

        Rectangle {
            id: barRect
            objectName: "bar"
            width: parent.width
            height: bar.showLabels ? 20 : bar.height
            radius: bar.theme ? bar.theme.radiusSm : 8
            color: bar.theme ? bar.theme.surface2 : "#21262D"

            Canvas {
                id: canvas
                objectName: "segments"
                anchors.fill: parent
                antialiasing: true
                onWidthChanged: requestPaint()
                onHeightChanged: requestPaint()
                onPaint: {
                    const ctx = getContext("2d")
                    ctx.reset()
                    ctx.clearRect(0, 0, width, height)
                    if (bar._count === 0 || width <= 0 || height <= 0)
                        return
                    const segs = bar._segments
                    for (let k = 0; k < segs.length; ++k) {
                        const s = segs[k]
                        ctx.fillStyle = Logic.segmentColor(bar.theme, bar.actions[s.index])
                        Logic.tracePath(ctx, s.x, 0, s.width, height, s.radius, s.roundLeft, s.roundRight)
                        ctx.fill()
                    }
                }
            }

            // Each segment's share, written inside it where it fits: as text
            // items, which are much cheaper to change than text painted on
            // the canvas.
            Repeater {
                model: bar._segments.length
                delegate: Text {
                    required property int index
                    readonly property var segment: bar._segments[index] || ({ index: 0, x: 0, width: 0 })
                    objectName: "segmentShare"
                    text: Logic.percentText(bar._shares[segment.index], segment.width)
                    visible: text.length > 0 && implicitWidth + 8 <= segment.width
                    x: segment.x + (segment.width - implicitWidth) / 2
                    anchors.verticalCenter: parent.verticalCenter
                    color: Qt.rgba(1, 1, 1, 0.92)
                    font.family: "sans-serif"
                    font.pixelSize: 10
                    font.bold: true
                }
            }

            MouseArea {
                id: barMouse
                objectName: "barMouse"
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton
                cursorShape: bar.interactive ? Qt.PointingHandCursor : Qt.ArrowCursor
                onPositionChanged: function (mouse) { bar._hoverAt(mouse.x) }
                // Coming onto the bar is a movement too (the area reports no
                // position change for it).
                onEntered: bar._hoverAt(mouseX)
                onClicked: function (mouse) {
                    if (!bar.interactive)
                        return
                    const idx = bar._entryAt(mouse.x)
                    if (idx < 0)
                        return
                    bar.actionClicked(idx, Logic.nameText(bar.actions[idx]))
                }
            }
        }

        Flow {
            id: labels
            objectName: "labels"
            width: parent.width
            visible: bar.showLabels
            // Blocks stand 32 px apart; the gap trails each block (see below)
            // so that wrapped lines sit close under each other.
            spacing: 0

            Repeater {
                model: bar.showLabels ? bar._count : 0
                delegate: Item {
                    id: blockSlot
                    required property int index
                    readonly property var entry: bar.actions[index]
                    width: block.implicitWidth + (index < bar._count - 1 ? 32 : 0)
                    height: block.implicitHeight + 2

                    Row {
                        id: block
                        objectName: "block" + blockSlot.index
                        spacing: 8

                        Rectangle {
                            anchors.verticalCenter: parent.verticalCenter
                            width: 10
                            height: 10
                            radius: 2
                            color: Logic.swatchColor(bar.theme, blockSlot.entry)
                        }
                        Text {
                            objectName: "name"
                            text: Logic.labelText(blockSlot.entry)
                            color: bar.theme ? bar.theme.textMuted : "#8B949E"
                            font.pixelSize: 11
                        }
                        Text {
                            objectName: "share"
                            text: Logic.shareText(bar._normFreq(blockSlot.entry))
                            color: bar.theme ? bar.theme.text : "#F0F6FC"
                            font.pixelSize: 11
                            font.weight: Font.DemiBold
                        }
                        Text {
                            objectName: "combos"
                            text: Logic.combosText(blockSlot.entry)
                            color: bar.theme ? bar.theme.textMuted : "#8B949E"
                            font.pixelSize: 11
                        }
                        Text {
                            objectName: "equity"
                            text: Logic.equityText(blockSlot.entry)
                            color: bar.theme ? bar.theme.textMuted : "#8B949E"
                            font.pixelSize: 11
                        }
                        Text {
                            objectName: "ev"
                            text: Logic.evText(blockSlot.entry)
                            color: bar.theme ? bar.theme.textMuted : "#8B949E"
                            font.pixelSize: 11
                        }
                    }
                }
            }
        }
    }
}
