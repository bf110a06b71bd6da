// The set-up page, page 1 of the shell: a scroll area holding the header,
// the first row (board and profile buttons, game settings, both sizing
// cards) and the second row (both range panels), with the card picker of
// the board. Its state and functions come from the types it is built on.
// Where the first row does not fit on one line it takes two (board and game
// settings, then the sizing cards); below the width even that needs, the
// page scrolls.
import QtQuick
import QtQuick.Layouts
import Tessaval
import "board_entry.js" as Board
import "page_layout.js" as PageLayout

ProjectSettingsProfiles {
    id: root

    readonly property real _row1RequiredWidth: flickable._row1RequiredWidth
    readonly property real _row1WrappedWidth: flickable._row1WrappedWidth
    readonly property real _rangesRequiredWidth: flickable._rangesRequiredWidth
    readonly property int recommendedWindowWidth: flickable
                                                  ? PageLayout.recommendedWidth(_row1RequiredWidth, _rangesRequiredWidth)
                                                  : 1540

    // A dialog of the page is on screen: the shell's page shortcuts wait.
    readonly property bool dialogOpen: cardPickerDialog.visible || saveRangeDialog.visible
                                       || addFolderDialog.visible || importRangeNameDialog.visible
                                       || confirmDeleteDialog.visible || importRangeFileDialog.shown
                                       || clearStandardOverridesDialog.visible
                                       || clearExploitOverridesDialog.visible || exportStandardDialog.shown
                                       || exportExploitDialog.shown || saveSettingsDialog.visible
                                       || loadSettingsDialog.visible || confirmDeleteProfileDialog.visible

    readonly property Item boardDisplay: boardCard.boardDisplay
    readonly property Item oopMatrix: oopRangePanel.matrix
    readonly property Item ipMatrix: ipRangePanel.matrix

    // Puts the card picker under the board display, inside the window.
    function positionCardPickerDialogUnderBoard() {
        const win = root.Window.window
        if (!win || !boardDisplay)
            return
        const anchor = boardDisplay.mapToItem(null, 0, boardDisplay.height)
        const pos = Board.pickerPosition(anchor, win.width, win.height,
                                         cardPickerDialog.implicitWidth, cardPickerDialog.implicitHeight)
        cardPickerDialog.x = pos.x
        cardPickerDialog.y = pos.y
    }

    // Start-up of the range library and the settings profiles, in this
    // order: the stored override maps, the built-in libraries with those
    // maps applied, the settings profiles, then the stored Custom trees.
    Component.onCompleted: {
        _loadStoredOverrideMaps()
        _loadBundledPresetRanges()
        _loadStoredSettingsProfiles()
        _loadStoredCustomTrees()
    }

    function _openCardPicker(index) {
        editingCardIndex = index
        positionCardPickerDialogUnderBoard()
        cardPickerDialog.open()
    }

    PageScrollArea {
        id: flickable
        objectName: "flickable"
        anchors.fill: parent

        readonly property real _row1RequiredWidth: PageLayout.row1RequiredWidth(
            root.boardDisplay, gameSettingsCard, oopSizingCard, ipSizingCard, settingsButtonsCard)
        readonly property real _row1WrappedWidth: PageLayout.row1WrappedWidth(
            root.boardDisplay, gameSettingsCard, oopSizingCard, ipSizingCard, settingsButtonsCard)
        readonly property bool _row1Wraps: width < _row1RequiredWidth
        readonly property real _rangesRequiredWidth: PageLayout.rangesRequiredWidth(oopRangePanel, ipRangePanel)
        readonly property real _headerRequiredWidth: PageLayout.headerRequiredWidth(projectHeader)

        // As wide as the widest row needs, so that what does not fit the
        // window is reached by scrolling sideways.
        requiredWidth: Math.max(_row1Wraps ? _row1WrappedWidth : _row1RequiredWidth,
                                _rangesRequiredWidth, _headerRequiredWidth)
        contentHeight: contentRoot.height + 48

        Item {
            id: contentRoot
            objectName: "contentRoot"
            width: flickable.contentWidth
            height: mainColumn.implicitHeight

            ColumnLayout {
                id: mainColumn
                objectName: "mainColumn"
                width: contentRoot.width
                spacing: 24

                Item {
                    Layout.preferredHeight: 8
                }

                ProjectHeader {
                    id: projectHeader
                    objectName: "projectHeader"
                    Layout.fillWidth: true
                    Layout.leftMargin: 24
                    Layout.rightMargin: 24
                    theme: root.theme
                    controller: root.appControllerObject
                    boardReady: root.validBoard(root.boardText)
                    canSolve: root.canSolve
                    blockText: root.solveBlockText
                    onContinueClicked: root.goToSolve()
                }

                // One line where it fits; otherwise two: board and game
                // settings, then the sizing cards.
                GridLayout {
                    id: row1CardsRow
                    objectName: "row1CardsRow"
                    Layout.fillWidth: true
                    Layout.leftMargin: 24
                    Layout.rightMargin: 24
                    columns: flickable._row1Wraps ? 1 : 2
                    columnSpacing: 16
                    rowSpacing: 16

                    readonly property real uniformColumnHeight: PageLayout.uniformHeight(
                        [boardColumn, gameSettingsCard, oopSizingCard, ipSizingCard])
                    readonly property real _boardWidth: PageLayout.boardColumnWidth(root.boardDisplay, settingsButtonsCard)
                    readonly property real _boardMinWidth: (root.boardDisplay ? root.boardDisplay.implicitWidth : 0) + 27

                    RowLayout {
                        objectName: "row1BoardLine"
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignTop
                        spacing: 16

                        ColumnLayout {
                            id: boardColumn
                            objectName: "boardColumn"
                            Layout.alignment: Qt.AlignTop
                            Layout.preferredWidth: row1CardsRow._boardWidth
                            spacing: 12

                            BoardCard {
                                id: boardCard
                                objectName: "boardCard"
                                Layout.fillWidth: true
                                Layout.minimumWidth: row1CardsRow._boardMinWidth
                                Layout.maximumWidth: row1CardsRow._boardWidth
                                Layout.alignment: Qt.AlignTop
                                theme: root.theme
                                boardText: root.boardText
                                cardScale: 1.25 * root.uiScale
                                onSlotClicked: function (index) { root._openCardPicker(index) }
                            }

                            ProfileButtonsCard {
                                id: settingsButtonsCard
                                objectName: "settingsButtonsCard"
                                Layout.fillWidth: true
                                Layout.minimumWidth: Math.max(row1CardsRow._boardMinWidth, implicitWidth)
                                Layout.maximumWidth: row1CardsRow._boardWidth
                                Layout.alignment: Qt.AlignTop
                                theme: root.theme
                                onLoadClicked: root.openLoadSettingsDialog()
                                onSaveClicked: root.openSaveSettingsDialog()
                            }
                        }

                        GameSettingsCard {
                            id: gameSettingsCard
                            objectName: "gameSettingsCard"
                            Layout.fillWidth: true
                            Layout.minimumWidth: implicitWidth
                            Layout.alignment: Qt.AlignTop
                            Layout.preferredHeight: row1CardsRow.uniformColumnHeight
                            Layout.minimumHeight: row1CardsRow.uniformColumnHeight
                            theme: root.theme
                            page: root
                            inputWidth: root.gameSettingsInputColumnWidth
                        }
                    }

                    RowLayout {
                        id: row1SizingRow
                        objectName: "row1SizingRow"
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignTop
                        spacing: 16

                        SizingCard {
                            id: oopSizingCard
                            objectName: "oopSizingCard"
                            Layout.fillWidth: true
                            Layout.minimumWidth: implicitWidth
                            Layout.alignment: Qt.AlignTop
                            Layout.preferredHeight: row1CardsRow.uniformColumnHeight
                            Layout.minimumHeight: row1CardsRow.uniformColumnHeight
                            theme: root.theme
                            page: root
                            player: "oop"
                            columnWidth: root.sizingStreetColumnWidth
                        }

                        SizingCard {
                            id: ipSizingCard
                            objectName: "ipSizingCard"
                            Layout.fillWidth: true
                            Layout.minimumWidth: implicitWidth
                            Layout.alignment: Qt.AlignTop
                            Layout.preferredHeight: row1CardsRow.uniformColumnHeight
                            Layout.minimumHeight: row1CardsRow.uniformColumnHeight
                            theme: root.theme
                            page: root
                            player: "ip"
                            columnWidth: root.sizingStreetColumnWidth
                        }
                    }
                }

                RowLayout {
                    id: row2RangesRow
                    objectName: "row2RangesRow"
                    Layout.fillWidth: true
                    Layout.leftMargin: 24
                    Layout.rightMargin: 24
                    spacing: 16

                    ColumnLayout {
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignTop
                        spacing: 12

                        RangePanel {
                            id: oopRangePanel
                            objectName: "oopRangePanel"
                            Layout.fillWidth: true
                            Layout.minimumWidth: narrowestWidth
                            theme: root.theme
                            page: root
                            player: "oop"
                        }
                    }

                    ColumnLayout {
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignTop
                        spacing: 12

                        RangePanel {
                            id: ipRangePanel
                            objectName: "ipRangePanel"
                            Layout.fillWidth: true
                            Layout.minimumWidth: narrowestWidth
                            theme: root.theme
                            page: root
                            player: "ip"
                        }
                    }
                }

                Item {
                    Layout.preferredHeight: 24
                }
            }
        }
    }

    CardPickerDialog {
        id: cardPickerDialog
        objectName: "cardPickerDialog"
        theme: root.theme
        editingCardIndex: root.editingCardIndex
        usedCards: root.usedBoardCards
        onCardChosen: function (card) { root.setBoardCardAt(root.editingCardIndex, card) }
        onClearClicked: root.clearBoardFrom(root.editingCardIndex)
    }
}
