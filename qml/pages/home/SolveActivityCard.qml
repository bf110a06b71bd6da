// The "Solve Activity" card: the last six months as a calendar of squares,
// one column per week and one row per weekday, coloured by the day's solves.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "home_stats.js" as Stats
import "solve_activity.js" as Activity

Card {
    id: card

    property var solveActivityGrid: []

    readonly property var _cells: solveActivityGrid ? solveActivityGrid : []
    readonly property int _weeks: Math.floor(_cells.length / 7)
    // A card too narrow for every week at the smallest cell shows the newest
    // weeks that fit: the grid, its month labels and weekday labels stay
    // inside the card at every width of the home page.
    readonly property int _shownWeeks: Activity.shownWeeks(activityGrid.width, _weeks)
    readonly property int _firstShownWeek: _weeks - _shownWeeks
    readonly property var _shownCells: _firstShownWeek > 0 ? _cells.slice(_firstShownWeek * 7) : _cells
    // The card's width with every week at the smallest cell.
    readonly property real allWeeksWidth: leftPadding + rightPadding + _dayLabelWidth + 12 + _weeks * Activity.MIN_CELL
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property color _mutedColor: theme ? theme.textMuted : "#8B949E"
    readonly property var _monthNames: [
        qsTranslate("HomePage", "Jan"), qsTranslate("HomePage", "Feb"), qsTranslate("HomePage", "Mar"),
        qsTranslate("HomePage", "Apr"), qsTranslate("HomePage", "May"), qsTranslate("HomePage", "Jun"),
        qsTranslate("HomePage", "Jul"), qsTranslate("HomePage", "Aug"), qsTranslate("HomePage", "Sep"),
        qsTranslate("HomePage", "Oct"), qsTranslate("HomePage", "Nov"), qsTranslate("HomePage", "Dec")
    ]
    readonly property var _weekdayNames: [
        qsTranslate("HomePage", "Mon"), qsTranslate("HomePage", "Tue"), qsTranslate("HomePage", "Wed"),
        qsTranslate("HomePage", "Thu"), qsTranslate("HomePage", "Fri"), qsTranslate("HomePage", "Sat"),
        qsTranslate("HomePage", "Sun")
    ]
    // The weekday labels' column: 34, or as wide as the longest name.
    readonly property real _dayLabelWidth: Math.max(34, Math.ceil(Math.max.apply(null, _weekdayNames.map(function (name) {
        return dayLabelMetrics.advanceWidth(name)
    }))))
    readonly property var _tooltipFormats: ({
        date: qsTranslate("HomePage", "%1%2"),
        future: qsTranslate("HomePage", " (future)"),
        solves: qsTranslate("HomePage", "Solves: %1"),
        iterations: qsTranslate("HomePage", "Avg iters: %1"),
        exploitability: qsTranslate("HomePage", "Avg expl: %1")
    })

    function parseIsoDate(s) {
        return Stats.parseIsoDate(s)
    }

    function monthLabelForWeek(weekIndex) {
        return Activity.monthLabelForWeek(_cells, weekIndex, _monthNames)
    }

    function cellColor(solves) {
        return Activity.cellColor(solves, theme)
    }

    FontMetrics {
        id: dayLabelMetrics
        font.family: card._family
        font.pixelSize: 10
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 16

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Icon {
                name: "calendar"
                size: 18
                color: card.theme ? card.theme.accent : "#3FB950"
            }

            // Both texts give way (cut with an ellipsis) on a narrow card
            // rather than push the row past it.
            Text {
                objectName: "activityTitle"
                Layout.fillWidth: true
                // Whole pixels: the layout's rounding would cut a fractional
                // natural width.
                Layout.preferredWidth: Math.ceil(implicitWidth)
                Layout.maximumWidth: Math.ceil(implicitWidth)
                text: qsTranslate("HomePage", "Solve Activity")
                font.family: card._family
                font.pixelSize: 16
                font.bold: true
                color: card.theme ? card.theme.text : "#F0F6FC"
                elide: Text.ElideRight
            }

            Item {
                Layout.fillWidth: true
            }

            Text {
                objectName: "activityPeriod"
                Layout.fillWidth: true
                // Whole pixels: the layout's rounding would cut a fractional
                // natural width.
                Layout.preferredWidth: Math.ceil(implicitWidth)
                Layout.maximumWidth: Math.ceil(implicitWidth)
                text: qsTranslate("HomePage", "Last 6 months")
                font.family: card._family
                font.pixelSize: 11
                color: card._mutedColor
                elide: Text.ElideRight
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 10

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 6

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 12

                    Item {
                        Layout.preferredWidth: card._dayLabelWidth
                        Layout.preferredHeight: activityGrid.cellHeight
                    }

                    // Clipped like the grid, so the labels stay above their weeks.
                    Item {
                        objectName: "monthHeader"
                        Layout.fillWidth: true
                        Layout.preferredHeight: activityGrid.cellHeight
                        clip: true

                        Row {
                            objectName: "monthRow"
                            spacing: 0

                            Repeater {
                                model: card._shownWeeks

                                Item {
                                    width: activityGrid.cellWidth
                                    height: activityGrid.cellHeight

                                    Text {
                                        objectName: "monthLabel"
                                        x: 2
                                        anchors.verticalCenter: parent.verticalCenter
                                        visible: text.length > 0
                                        text: card.monthLabelForWeek(card._firstShownWeek + index)
                                        font.family: card._family
                                        font.pixelSize: 10
                                        color: card._mutedColor
                                    }
                                }
                            }
                        }
                    }
                }

                RowLayout {
                    Layout.fillWidth: true
                    spacing: 12

                    Column {
                        objectName: "weekdayLabels"
                        Layout.preferredWidth: card._dayLabelWidth
                        Layout.preferredHeight: 7 * activityGrid.cellHeight
                        Layout.alignment: Qt.AlignTop

                        Repeater {
                            model: card._weekdayNames

                            Text {
                                width: card._dayLabelWidth
                                height: activityGrid.cellHeight
                                verticalAlignment: Text.AlignVCenter
                                text: modelData
                                font.family: card._family
                                font.pixelSize: 10
                                color: card._mutedColor
                            }
                        }
                    }

                    GridView {
                        id: activityGrid
                        objectName: "activityGrid"
                        Layout.fillWidth: true
                        Layout.preferredHeight: 7 * cellHeight
                        readonly property int weekCount: Activity.weekCount(card._cells)
                        cellWidth: Activity.cellWidth(width, Math.max(1, card._shownWeeks))
                        cellHeight: cellWidth
                        flow: GridView.FlowTopToBottom
                        interactive: false
                        clip: true
                        model: card._shownCells
                        // The day cell under the pointer, -1 for none.
                        property int hoveredIndex: -1
                        onModelChanged: hoveredIndex = -1

                        ToolTip {
                            id: cellToolTip
                            objectName: "activityToolTip"
                            readonly property var cell: activityGrid.hoveredIndex >= 0
                                                        ? card._shownCells[activityGrid.hoveredIndex] : null
                            parent: activityGrid
                            visible: !!cell && !Activity.isPadding(cell)
                            delay: 150
                            // Right of the cell, or left of it when the grid has
                            // no room there (the pop-up's own flip would move it
                            // far from the cell).
                            readonly property real _cellLeft: Math.floor(activityGrid.hoveredIndex / 7)
                                                              * activityGrid.cellWidth - activityGrid.contentX
                            x: _cellLeft + activityGrid.cellWidth + 4 + width <= activityGrid.width
                               ? _cellLeft + activityGrid.cellWidth + 4 : _cellLeft - 4 - width
                            y: (activityGrid.hoveredIndex % 7) * activityGrid.cellHeight
                            text: Activity.tooltipText(cell, card._tooltipFormats)
                            font.family: card._family
                            font.pixelSize: 12
                            padding: 8

                            // The theme's colours, and no wrapping: the box is
                            // as wide as its longest line.
                            contentItem: Text {
                                text: cellToolTip.text
                                font: cellToolTip.font
                                color: card.theme ? card.theme.text : "#F0F6FC"
                            }

                            background: Rectangle {
                                radius: card.theme ? card.theme.radiusSm : 8
                                color: card.theme ? card.theme.surface : "#1C2128"
                                border.width: 1
                                border.color: card.theme ? card.theme.stroke : "#30363D"
                            }
                        }

                        delegate: Item {
                            id: slot
                            readonly property var e: modelData
                            readonly property bool padding: Activity.isPadding(e)
                            readonly property int solves: Activity.solvesOf(e)
                            readonly property var style: Activity.cellStyle(e, card.theme)
                            objectName: padding ? "activityPadding" : "activityDay_" + e.date
                            width: activityGrid.cellWidth
                            height: activityGrid.cellHeight

                            Rectangle {
                                objectName: "activitySquare"
                                anchors.centerIn: parent
                                width: Math.max(10, activityGrid.cellWidth - 2)
                                height: Math.max(10, activityGrid.cellHeight - 2)
                                radius: 3
                                color: slot.style.fill
                                border.width: slot.style.borderWidth
                                border.color: slot.style.border
                                opacity: slot.style.opacity
                            }

                            MouseArea {
                                anchors.fill: parent
                                enabled: !slot.padding
                                hoverEnabled: !slot.padding
                                acceptedButtons: Qt.NoButton
                                onContainsMouseChanged: {
                                    if (containsMouse)
                                        activityGrid.hoveredIndex = index
                                    else if (activityGrid.hoveredIndex === index)
                                        activityGrid.hoveredIndex = -1
                                }
                            }
                        }
                    }
                }
            }
        }

        Item {
            Layout.fillHeight: true
        }
    }
}
