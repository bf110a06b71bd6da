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
            // No highlight is drawn: its invisible stand-in would still be
            // animated after the current row, a frame at a time.
            highlightFollowsCurrentItem: false
            model: panel.page ? panel.page.treeLevels : null
            ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
            // A new level comes into view.
            onCountChanged: Qt.callLater(levelList.positionViewAtEnd)

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
