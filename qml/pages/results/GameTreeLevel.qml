// One level of the game-tree path: a chance deal as one tile between two
// rules, or the actions of a decision node (the one taken, or all of them
// under an "Available actions" banner at the current level).
import QtQuick
import QtQuick.Layouts
import Tessaval
import "results_tree.js" as Tree

Column {
    id: level

    required property int index
    required property int nodeIndex
    required property int selectedActionIndex
    property var page
    property var theme
    property int levelCount: 0

    readonly property var meta: page ? page._metaForNode(nodeIndex) : ({})
    readonly property var actions: page ? page._actionsForNode(nodeIndex) : []
    readonly property bool isCurrent: index === levelCount - 1
    readonly property bool isChance: meta.nodeType === "chance"
    readonly property bool hasLocks: page ? page._nodeHasLocks(nodeIndex) : false
    readonly property bool interactive: !!page && !page.playMode
    readonly property string chanceCardText: {
        if (!isChance || selectedActionIndex < 0 || !page)
            return ""
        const a = Tree.actionAt(actions, selectedActionIndex)
        return a ? Tree.shownChanceCard(page.chanceCardDisplayOverrideByNode, nodeIndex, a.name) : ""
    }

    // The width the "Available actions" banner needs, shown or not (the
    // root level keeps its banner for this; other levels give it while it
    // shows).
    readonly property real bannerWidth: banner.item ? banner.item.neededWidth : 0
    readonly property bool _bannerShown: !isChance && isCurrent && meta.nodeType === "decision"
                                         && selectedActionIndex < 0 && actions.length > 1

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    function _num(v) {
        return typeof v === "number" && isFinite(v) ? v : 0
    }

    function _tileClicked(actionPosition) {
        if (!interactive)
            return
        if (!isCurrent)
            page.navigateToBreadcrumb(index)
        else if (isChance)
            page.openChancePicker(index, nodeIndex)
        else
            page.selectActionAtLevel(index, actionPosition)
    }

    spacing: 6

    // ---- Chance deal ----

    // Built only where the level is a deal, and the banner only while it
    // shows: a level holds no parts it does not draw.
    Loader {
        active: level.isChance
        visible: active
        width: level.width
        sourceComponent: Column {
            spacing: level.spacing
            Rectangle {
                width: level.width
                height: 1
                color: level._tok("stroke", "#30363D")
                opacity: 0.55
            }
            TreeNode {
                objectName: "chanceTile"
                width: level.width
                theme: level.theme
                nodeType: "chance"
                actionType: "chance"
                player: qsTranslate("ResultsPage", "Deal %1").arg(level.meta.chanceDeal === "river"
                                                                   ? qsTranslate("ResultsPage", "River")
                                                                   : qsTranslate("ResultsPage", "Turn"))
                action: level.chanceCardText
                pot: level._num(level.meta.pot)
                hasChildren: level.actions.length > 0
                selected: level.isCurrent
                depth: level.index
                enabled: level.interactive
                onClicked: level._tileClicked(0)
            }
            Rectangle {
                width: level.width
                height: 1
                color: level._tok("stroke", "#30363D")
                opacity: 0.55
            }
        }
    }

    // ---- Decision (or any other) node ----

    Loader {
        id: banner
        active: level._bannerShown || (level.index === 0 && !level.isChance)
        visible: level._bannerShown
        width: level.width
        sourceComponent: Rectangle {
            readonly property real neededWidth: bannerRow.implicitWidth + bannerRow.anchors.leftMargin
                                                + bannerRow.anchors.rightMargin
            objectName: "availableActionsBanner"
            visible: level._bannerShown
            width: level.width
            height: 22
            radius: level._tok("radiusXs", 4)
            color: level.theme ? level.theme.withOpacity(level.theme.info, 0.10) : Qt.rgba(0.345, 0.651, 1, 0.10)
            border.width: 1
            border.color: level._tok("strokeLight", "#21262D")

            RowLayout {
                id: bannerRow
                anchors.fill: parent
                anchors.leftMargin: 6
                anchors.rightMargin: 6
                spacing: 6
                Text {
                    text: "\u25BC"
                    color: level._tok("info", "#58A6FF")
                    font.pixelSize: 11
                    font.bold: true
                }
                Text {
                    text: qsTranslate("ResultsPage", "Available actions")
                    color: level._tok("text", "#F0F6FC")
                    font.family: level._tok("fontFamilyResolved", "sans-serif")
                    font.pixelSize: 11
                    font.weight: Font.DemiBold
                }
                Item { Layout.fillWidth: true }
                Loader {
                    active: level.hasLocks
                    visible: active
                    Layout.preferredWidth: 14
                    Layout.preferredHeight: 14
                    sourceComponent: Icon {
                        objectName: "bannerLockIcon"
                        name: "lock"
                        size: 14
                        color: level._tok("textMuted", "#8B949E")
                    }
                }
                Text {
                    text: qsTranslate("ResultsPage", "%1 options").arg(level.actions.length)
                    color: level._tok("textMuted", "#8B949E")
                    font.family: level._tok("fontFamilyResolved", "sans-serif")
                    font.pixelSize: 10
                }
            }
        }
    }

    // One tile per action of the node, those not taken hidden once one is:
    // taking an action or going back to the level shows or hides tiles
    // instead of building them again.
    Repeater {
        model: level.isChance ? 0 : level.actions.length
        delegate: TreeNode {
            id: tile
            required property int index
            readonly property var entry: level.actions[index]
            readonly property int child: {
                const c = entry ? Number(entry.childIndex) : NaN
                return isFinite(c) && c >= 0 ? c : -1
            }
            readonly property var childMeta: child >= 0 && level.page ? level.page._metaForNode(child) : ({})
            objectName: "actionTile"
            visible: level.selectedActionIndex < 0 || level.selectedActionIndex === index
            width: level.width
            theme: level.theme
            nodeType: level.meta.nodeType ? String(level.meta.nodeType) : "decision"
            player: level.meta.player ? String(level.meta.player) : ""
            action: entry && entry.name !== undefined ? String(entry.name) : ""
            actionType: entry && entry.actionType !== undefined ? String(entry.actionType) : ""
            frequency: entry && typeof entry.frequency === "number" ? entry.frequency : -1
            locked: level.hasLocks || (child >= 0 && level.page._nodeHasLocks(child))
            pot: typeof childMeta.pot === "number" ? childMeta.pot : level._num(level.meta.pot)
            hasChildren: child >= 0 && level.page._actionsForNode(child).length > 0
            selected: false
            depth: level.index
            enabled: level.interactive
            // A taken action is the level's only tile, at position 0.
            onClicked: level._tileClicked(level.selectedActionIndex < 0 ? index : 0)
        }
    }
}
