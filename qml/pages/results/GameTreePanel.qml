// The left pane of the results page: the "Game Tree" card with the levels
// of the current path, the root first. Each level shows the action taken
// there, or all actions at the current level.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

Card {
    id: panel

    property var page
    // theme: inherited from Card

    // The least width of the card: the root level's banner whole (the same
    // at every level but for the number of options), so that the card keeps
    // its width along the path.
    readonly property real leastWidth: leftPadding + rightPadding
                                       + (levelList.currentItem ? levelList.currentItem.bannerWidth : 0)

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        RowLayout {
            spacing: 8
            Icon {
                name: "tree"
                size: 18
                color: panel.theme ? panel.theme.accent : "#3FB950"
                Layout.preferredWidth: 18
                Layout.preferredHeight: 18
            }
            Text {
                text: qsTranslate("ResultsPage", "Game Tree")
                color: panel.theme ? panel.theme.text : "#F0F6FC"
                font.family: panel.theme ? panel.theme.fontFamilyResolved : "sans-serif"
                font.pixelSize: 16
                font.bold: true
            }
        }

        ListView {
            id: levelList
            objectName: "treeLevelList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 12
            boundsBehavior: Flickable.StopAtBounds
            model: panel.page ? panel.page.treeLevels : null
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
            // A new level comes into view.
            onCountChanged: Qt.callLater(levelList.positionViewAtEnd)
            // The root level, which the list keeps as its current item even
            // when scrolled out of view. No highlight follows it: its
            // invisible stand-in would still be animated, a frame at a time.
            currentIndex: 0
            highlightFollowsCurrentItem: false

            delegate: GameTreeLevel {
                width: levelList.width
                page: panel.page
                theme: panel.theme
                levelCount: levelList.count
            }
            footer: Item { width: 1; height: 12 }
        }
    }
}
