// One tile of the game-tree view: an action or a chance deal with the acting
// player, the pot, the action's frequency and an EV, tinted by what the tile
// stands for. The caller owns the tree and answers clicked().
import QtQuick
import QtQuick.Layouts
import Tessaval
import "tree_node.js" as Logic

Item {
    id: node

    property var theme
    property string nodeType: "decision"
    property string player: "OOP"
    property string action: ""
    property string actionType: ""
    property real pot: 0
    property real ev: 0
    property real frequency: -1
    property bool locked: false
    property bool selected: false
    property bool expanded: false
    property bool hasChildren: true
    property int depth: 0

    signal clicked()
    signal toggleExpand()

    function _displayActionLabel() { return Logic.displayActionLabel(action, actionType) }
    function _actionColor() { return Logic.actionColor(theme, action, actionType) }
    function _bgColor() { return Logic.bgColor(theme, nodeType, _actionColor()) }
    function _mix(a, b, t) { return Logic.mix(a, b, t) }
    function _luma(c) { return Logic.luma(c) }
    function _fgOn(bg) { return Logic.fgOn(theme, bg) }
    function _mutedOn(bg) { return Logic.mutedOn(theme, bg) }

    // Hover over a child as seen by the tile's area, which covers it.
    function _pointerOver(item) {
        if (!_hovered || !item.visible)
            return false
        const p = item.mapFromItem(tileMouse, tileMouse.mouseX, tileMouse.mouseY)
        return p.x >= 0 && p.y >= 0 && p.x < item.width && p.y < item.height
    }

    readonly property color _chipColor: _actionColor()
    readonly property color _background: _bgColor()
    readonly property color _muted: _mutedOn(_background)
    readonly property bool _hovered: tileMouse.containsMouse && enabled
    readonly property bool _showExpand: hasChildren && nodeType === "decision"

    implicitWidth: 200
    implicitHeight: 48
    scale: _hovered ? 1.02 : 1.0
    Behavior on scale { NumberAnimation { duration: 100; easing.type: Easing.OutCubic } }

    Rectangle {
        id: background
        objectName: "background"
        anchors.fill: parent
        radius: node.theme ? node.theme.radiusSm : 8
        color: node._background
        border.width: node.selected ? 2 : 1
        border.color: node.selected ? (node.theme ? node.theme.accent : "#3FB950")
                                    : node._hovered ? (node.theme ? node.theme.strokeFocus : "#58A6FF")
                                                    : (node.theme ? node.theme.stroke : "#30363D")
    }

    Rectangle {
        objectName: "glow"
        anchors.fill: parent
        radius: background.radius
        color: "transparent"
        border.width: 2
        border.color: node.theme ? node.theme.accent : "#3FB950"
        opacity: node.selected ? 0.5 : 0
        visible: opacity > 0
        Behavior on opacity { NumberAnimation { duration: 150 } }
    }

    RowLayout {
        anchors.fill: parent
        anchors.margins: 10
        spacing: 10

        Rectangle {
            id: expandButton
            objectName: "expandButton"
            visible: node._showExpand
            Layout.preferredWidth: 20
            Layout.preferredHeight: 20
            radius: 4
            color: expandArea.containsMouse || node._pointerOver(expandButton)
                   ? (node.theme ? node.theme.surface3 : "#2D333B") : "transparent"
            Text {
                anchors.centerIn: parent
                text: node.expanded ? "\u2212" : "+"
                color: node.theme ? node.theme.textMuted : "#8B949E"
                font.pixelSize: 14
                font.bold: true
            }
            MouseArea {
                id: expandArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: node.toggleExpand()
            }
        }

        Rectangle {
            objectName: "typeDot"
            visible: !node._showExpand
            Layout.preferredWidth: 8
            Layout.preferredHeight: 8
            radius: 4
            color: Logic.dotColor(node.theme, node.nodeType, node.player)
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            RowLayout {
                Layout.fillWidth: true
                spacing: 6

                Rectangle {
                    objectName: "actionChip"
                    visible: node.action.length > 0
                    Layout.preferredHeight: 18
                    Layout.preferredWidth: chipText.implicitWidth + 12
                    radius: node.theme ? node.theme.radiusXs : 4
                    color: node._chipColor
                    opacity: 0.8
                    Text {
                        id: chipText
                        objectName: "actionLabel"
                        anchors.centerIn: parent
                        text: node._displayActionLabel()
                        color: node._fgOn(node._chipColor)
                        font.pixelSize: 10
                        font.weight: Font.DemiBold
                    }
                }
                Text {
                    objectName: "playerLabel"
                    text: Logic.playerLabel(node.nodeType, node.player)
                    color: node._fgOn(node._background)
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                }
                Item { Layout.fillWidth: true }
                // Made only for a locked tile: most tiles have none.
                Loader {
                    active: node.locked
                    visible: active
                    Layout.preferredWidth: 14
                    Layout.preferredHeight: 14
                    sourceComponent: Icon {
                        objectName: "lockIcon"
                        name: "lock"
                        size: 14
                        color: node._muted
                    }
                }
            }

            RowLayout {
                objectName: "detailRow"
                visible: Logic.secondRowVisible(node.pot, node.ev, node.frequency)
                spacing: 12

                Text {
                    objectName: "potText"
                    visible: node.pot > 0
                    text: Logic.potText(node.pot)
                    color: node._muted
                    font.pixelSize: 10
                }
                Text {
                    objectName: "freqText"
                    visible: node.frequency >= 0
                    text: Logic.frequencyText(node.frequency)
                    color: node._muted
                    font.pixelSize: 10
                    font.weight: Font.DemiBold
                }
                Text {
                    objectName: "evText"
                    visible: node.ev !== 0
                    text: Logic.evText(node.ev)
                    color: node.ev >= 0 ? (node.theme ? node.theme.success : "#3FB950")
                                        : (node.theme ? node.theme.danger : "#F85149")
                    font.pixelSize: 10
                }
            }
        }
    }

    // The tile's own area lies above everything, the expand button included,
    // and takes every click.
    MouseArea {
        id: tileMouse
        objectName: "tileMouse"
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: node.clicked()
    }
}
