// The right pane of the results page: the header with the node's board,
// player and the result's figures, then either the range view (action
// frequencies, the strategy matrix with the node-lock panel, buckets and
// hand details) or the play view.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "results_frame.js" as Frame

Card {
    id: card

    property var page
    readonly property real _scale: page ? page.uiScale : 1
    readonly property bool _playMode: !!page && page.playMode

    property alias strategyMatrixPanel: strategyMatrixPanel
    property alias nodeLockPanel: nodeLockPanel

    ColumnLayout {
        anchors.fill: parent
        spacing: 20

        ResultsHeader {
            id: header
            objectName: "resultsHeader"
            Layout.fillWidth: true
            page: card.page
            theme: card.theme
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: card.theme ? card.theme.stroke : "#30363D"
            opacity: 0.5
        }

        ColumnLayout {
            objectName: "actionFrequencies"
            visible: !card._playMode
            Layout.fillWidth: true
            spacing: 8

            Text {
                text: qsTranslate("ResultsPage", "Action Frequencies")
                color: card.theme ? card.theme.text : "#F0F6FC"
                font.family: card.theme ? card.theme.fontFamilyResolved : "sans-serif"
                font.pixelSize: 14
                font.bold: true
            }
            ActionBar {
                objectName: "actionFrequencyBar"
                Layout.fillWidth: true
                Layout.preferredHeight: 60
                theme: card.theme
                actions: card.page ? card.page.actionFrequenciesActions : []
            }
        }

        // The play view: the table, the hand log and the hand details.
        Loader {
            id: playViewLoader
            objectName: "playViewLoader"
            visible: card._playMode
            active: card._playMode
            Layout.fillWidth: true
            Layout.fillHeight: true
            sourceComponent: PlayTableView {
                page: card.page
                theme: card.theme
            }
        }

        RowLayout {
            objectName: "rangeViewRow"
            visible: !card._playMode
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 20

            // Matrix, legend, node figures and mode switch, with the
            // node-lock panel under them.
            ColumnLayout {
                id: strategyColumn
                objectName: "strategyColumn"
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.alignment: Qt.AlignTop
                spacing: 12

                StrategyMatrixPanel {
                    id: strategyMatrixPanel
                    objectName: "strategyMatrixPanel"
                    Layout.fillWidth: true
                    page: card.page
                    theme: card.theme
                }
                NodeLockPanel {
                    id: nodeLockPanel
                    objectName: "nodeLockPanel"
                    Layout.fillWidth: true
                    page: card.page
                    theme: card.theme
                }
                Item { Layout.fillHeight: true }
            }

            HandBucketsCard {
                id: bucketsCard
                objectName: "bucketsCard"
                page: card.page
                theme: card.theme
                Layout.fillHeight: true
                Layout.preferredWidth: Frame.scaled(300, 220, card._scale)
                Layout.minimumWidth: Frame.scaled(260, 200, card._scale)
            }

            HandDetailsCard {
                id: handDetailsCard
                objectName: "handDetailsCard"
                page: card.page
                theme: card.theme
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumWidth: Frame.scaled(250, 200, card._scale)
            }
        }
    }
}
