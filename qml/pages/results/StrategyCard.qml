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

    // The least width of the card: the header, or the range view's row
    // with the strategy column as wide as its figures beside the buckets
    // and hand details at their least, or the play view's least.
    readonly property real leastWidth: leftPadding + rightPadding
                                       + Math.max(header.leastWidth,
                                                  strategyMatrixPanel.minimumFiguresWidth + strategyScroll._gutter
                                                  + bucketsCard.Layout.minimumWidth
                                                  + handDetailsCard.Layout.minimumWidth + 2 * rangeViewRow.spacing,
                                                  _playView ? _playView.leastWidth : 0)
    // The play view keeps a least height for its table; the range view
    // scrolls within the card.
    readonly property real leastHeight: _playView ? topPadding + bottomPadding + _playViewTop + _playView.leastHeight : 0
    readonly property var _playView: card._playMode ? playViewLoader.item : null
    readonly property real _playViewTop: playViewLoader.y

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

        FileResultsNotice {
            objectName: "fileSolutionDiffers"
            visible: !!card.page && card.page.fileSolutionDiffers
            Layout.fillWidth: true
            page: card.page
            theme: card.theme
            warning: true
            offerReSolve: false
            message: qsTranslate("ResultsPage", "The re-solved solution differs from the one saved in the project file.")
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
                // 60 high, taller when the labels take more lines.
                Layout.preferredHeight: Math.max(60, implicitHeight)
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

        // A node the opened file does not keep.
        Item {
            objectName: "nodeNotInFile"
            visible: !card._playMode && !!card.page && !card.page.currentNodeHeld
            Layout.fillWidth: true
            Layout.fillHeight: true

            FileResultsNotice {
                width: Math.min(parent.width, 560)
                anchors.horizontalCenter: parent.horizontalCenter
                y: Math.round(parent.height * 0.2)
                page: card.page
                theme: card.theme
                message: qsTranslate("ResultsPage", "The project file holds only the nodes that were viewed before it was saved, and this node is not among them. Re-solve the spot to see every node.")
            }
        }

        RowLayout {
            id: rangeViewRow
            objectName: "rangeViewRow"
            visible: !card._playMode && (!card.page || card.page.currentNodeHeld)
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 20

            // Matrix, legend, node figures and mode switch, with the
            // node-lock panel under them. They scroll when the lock panel
            // makes them taller than the card, and sideways on pages too
            // narrow for the matrix's smallest legible cells. Gutters keep
            // the scroll bars off the content (their sizes do not depend on
            // the content's, so the matrix never resizes itself in a loop).
            Flickable {
                id: strategyScroll
                objectName: "strategyScroll"
                readonly property int _gutter: 10
                readonly property bool _sideways: contentWidth > width + 1
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.alignment: Qt.AlignTop
                // Wide enough for the node figures beside the mode buttons,
                // as far as the buckets keep their usual width and the hand
                // details their least (narrower, the column scrolls sideways).
                Layout.minimumWidth: Math.min(strategyMatrixPanel.minimumFiguresWidth + _gutter,
                                              card.availableWidth - bucketsCard.Layout.preferredWidth
                                              - handDetailsCard.Layout.minimumWidth - 2 * rangeViewRow.spacing)
                implicitWidth: strategyColumn.implicitWidth + _gutter
                contentWidth: Math.max(width, strategyMatrixPanel.minimumContentWidth + _gutter)
                contentHeight: strategyColumn.implicitHeight + (_sideways ? _gutter : 0)
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                flickableDirection: Flickable.AutoFlickIfNeeded

                ScrollBar.vertical: ScrollBar {
                    objectName: "strategyScrollBar"
                    policy: strategyScroll.contentHeight > strategyScroll.height + 1 ? ScrollBar.AlwaysOn
                                                                                     : ScrollBar.AlwaysOff
                }
                ScrollBar.horizontal: ScrollBar {
                    policy: strategyScroll._sideways ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                }

                ColumnLayout {
                    id: strategyColumn
                    objectName: "strategyColumn"
                    width: strategyScroll.contentWidth - strategyScroll._gutter
                    spacing: 12

                    StrategyMatrixPanel {
                        id: strategyMatrixPanel
                        objectName: "strategyMatrixPanel"
                        Layout.fillWidth: true
                        // The matrix gives the lock panel room under it, so
                        // that the column fits the card's height where the
                        // matrix's smallest cells allow.
                        matrixRoom: strategyScroll.height - (strategyScroll._sideways ? strategyScroll._gutter : 0)
                                    - heightBesidesMatrix
                                    - (nodeLockPanel.visible ? strategyColumn.spacing + nodeLockPanel.implicitHeight : 0)
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
                }
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
