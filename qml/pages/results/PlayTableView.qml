// The play view: the table of the practice mode with its seats, board,
// prompts and drill controls, the selected hand's details under it and the
// hand log beside it. It shows the page's practice state and calls the
// page's operations; it keeps no state of its own.
import QtQuick
import QtQuick.Layouts
import "hand_details.js" as Details

Rectangle {
    id: view

    property var page
    property var theme

    readonly property alias tableArea: tableArea
    readonly property bool _detailsShown: !!page && page.playSelectedLogIndex >= 0
    // The least size that holds the table, the hand's details and the log:
    // below it the page scrolls.
    readonly property real leastWidth: 28 + stage.implicitWidth
    readonly property real leastHeight: 28 + titleRow.implicitHeight + 10 + tableArea.leastHeight
                                        + (_detailsShown ? 10 + Details.detailsLeastHeight(details.contentHeight,
                                                                                           tableArea.leastHeight) : 0)

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    radius: _tok("radiusMd", 12)
    color: _tok("bg0", "#080B12")
    border.width: 1
    border.color: _tok("stroke", "#30363D")

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 14
        spacing: 10

        RowLayout {
            id: titleRow
            Layout.fillWidth: true
            Text {
                objectName: "playTitle"
                text: qsTranslate("ResultsPage", "Play vs. Solution")
                color: view._tok("text", "#F0F6FC")
                font.family: view._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 14
                font.bold: true
            }
            Item { Layout.fillWidth: true }
            Text {
                objectName: "playRoleStatus"
                visible: !view.page || !view.page.resultsFromFile
                text: view.page && view.page.playSessionStarted
                      ? qsTranslate("ResultsPage", "Role: %1").arg(view.page.playRole)
                      : qsTranslate("ResultsPage", "Choose a role to start")
                color: view._tok("textMuted", "#8B949E")
                font.family: view._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 11
            }
        }

        // Practice deals from the solved spot, which an opened file lacks.
        Item {
            objectName: "practiceNeedsSolve"
            visible: !!view.page && view.page.resultsFromFile
            Layout.fillWidth: true
            Layout.fillHeight: true

            FileResultsNotice {
                width: Math.min(parent.width, 560)
                anchors.centerIn: parent
                page: view.page
                theme: view.theme
                message: qsTranslate("ResultsPage", "Practice needs the solved spot: the project file holds only the nodes that were viewed before it was saved. Re-solve the spot to play against its solution.")
            }
        }

        RowLayout {
            id: stage
            objectName: "playStage"
            visible: !view.page || !view.page.resultsFromFile
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 12

            // The table with the selected hand's details under it.
            Item {
                id: tableColumn
                objectName: "playTableColumn"
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumWidth: details.leastWidth

                PlayTableStage {
                    id: tableArea
                    objectName: "tableArea"
                    page: view.page
                    theme: view.theme
                    width: parent.width
                    height: Math.max(0, parent.height - (details.visible ? details.height + 10 : 0))
                }

                PlayHandDetailsPanel {
                    id: details
                    objectName: "playHandDetailsPanel"
                    page: view.page
                    theme: view.theme
                    visible: view._detailsShown
                    width: parent.width
                    height: Details.detailsHeightBesideTable(tableColumn.height, contentHeight, 10,
                                                             tableArea.leastHeight)
                    anchors.bottom: parent.bottom
                }
            }

            PlayHandLogPanel {
                id: logPanel
                readonly property var _widths: Details.logPanelWidths(view.page ? view.page.uiScale : 1)
                objectName: "playHandLogPanel"
                page: view.page
                theme: view.theme
                Layout.fillHeight: true
                Layout.preferredWidth: _widths.preferred
                Layout.minimumWidth: _widths.minimum
            }
        }
    }
}
