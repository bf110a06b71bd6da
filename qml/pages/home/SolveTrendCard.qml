// The "Solves over time" card: the running total of solves and the running
// average run time per solve, day by day, on one canvas with a hover
// read-out.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "solve_trend.js" as Trend

Card {
    id: card

    property var solveHistoryDaily: []

    readonly property var _days: Trend.days(solveHistoryDaily)
    readonly property var _cumulativeSolves: Trend.cumulativeSolves(_days)
    readonly property var _cumulativeAvgRuntimeSec: Trend.cumulativeAvgRuntimeSec(_days)
    readonly property int _maxCumulativeSolves: Trend.maxCumulativeSolves(_cumulativeSolves)
    readonly property real _maxAvgRuntimeSec: Trend.maxAvgRuntimeSec(_cumulativeAvgRuntimeSec)

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property color _solvesColor: theme ? theme.accent : "#39D353"
    readonly property color _runtimeColor: theme && theme.accentMuted !== undefined
                                           ? theme.accentMuted : Qt.lighter(_solvesColor, 1.25)
    readonly property color _mutedColor: theme ? theme.textMuted : "#8B949E"

    ColumnLayout {
        anchors.fill: parent
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Icon {
                name: "trend-up"
                size: 18
                color: card.theme ? card.theme.accent : "#3FB950"
            }

            Text {
                text: qsTranslate("HomePage", "Solves over time")
                font.family: card._family
                font.pixelSize: 16
                font.bold: true
                color: card.theme ? card.theme.text : "#F0F6FC"
            }

            Item {
                Layout.fillWidth: true
            }

            Text {
                text: qsTranslate("HomePage", "Daily")
                font.family: card._family
                font.pixelSize: 11
                color: card._mutedColor
            }
        }

        Item {
            id: plot
            objectName: "solveTrendPlot"
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: 280

            readonly property int n: card._cumulativeSolves.length
            readonly property int padL: 30
            readonly property int padR: 8
            readonly property int padT: 8
            readonly property int padB: 18
            readonly property real plotW: Math.max(1, width - padL - padR)
            readonly property real plotH: Math.max(1, height - padT - padB)
            property int hoverIndex: -1
            property real _pointerX: 0
            property real _pointerY: 0

            readonly property var _geometry: ({
                padL: padL, padT: padT, plotW: plotW, plotH: plotH, n: n,
                maxY: card._maxCumulativeSolves, maxRuntime: card._maxAvgRuntimeSec
            })

            function requestRepaint() {
                canvas.requestPaint()
            }

            onHoverIndexChanged: requestRepaint()

            // Everything the drawing reads: a change of any repaints.
            readonly property var paintInputs: [
                card._cumulativeSolves, card._cumulativeAvgRuntimeSec, card._maxCumulativeSolves,
                card._maxAvgRuntimeSec, card._solvesColor, card._runtimeColor,
                card.theme ? card.theme.stroke : ""
            ]
            onPaintInputsChanged: requestRepaint()

            Rectangle {
                anchors.fill: parent
                radius: card.theme ? card.theme.radiusSm : 8
                color: card.theme ? card.theme.surface2 : "#21262D"
                border.width: 1
                border.color: card.theme ? card.theme.stroke : "#30363D"
            }

            Canvas {
                id: canvas
                objectName: "solveTrendCanvas"
                anchors.fill: parent
                onWidthChanged: requestPaint()
                onHeightChanged: requestPaint()

                onPaint: {
                    const ctx = getContext("2d")
                    ctx.reset()
                    ctx.clearRect(0, 0, width, height)
                    const g = plot._geometry
                    const x0 = g.padL, y0 = g.padT, w = g.plotW, h = g.plotH

                    ctx.lineWidth = 1
                    ctx.strokeStyle = card.theme ? card.theme.stroke : "#30363D"
                    ctx.beginPath()
                    ctx.moveTo(x0, y0)
                    ctx.lineTo(x0, y0 + h)
                    ctx.lineTo(x0 + w, y0 + h)
                    ctx.stroke()

                    if (g.n <= 0)
                        return

                    if (g.n === 1) {
                        const bar = Trend.singleDayBar(g, card._cumulativeSolves[0])
                        ctx.fillStyle = card._solvesColor
                        ctx.fillRect(bar.x, bar.y, bar.width, bar.height)
                    }

                    const solves = Trend.solvesPoints(g, card._cumulativeSolves)
                    ctx.strokeStyle = card._solvesColor
                    ctx.lineWidth = 2
                    ctx.beginPath()
                    for (let i = 0; i < solves.length; ++i) {
                        if (i === 0)
                            ctx.moveTo(solves[i].x, solves[i].y)
                        else
                            ctx.lineTo(solves[i].x, solves[i].y)
                    }
                    ctx.stroke()

                    const runtimes = Trend.runtimePoints(g, card._cumulativeAvgRuntimeSec)
                    const dashes = typeof ctx.setLineDash === "function"
                    ctx.strokeStyle = card._runtimeColor
                    ctx.lineWidth = 2
                    if (dashes)
                        ctx.setLineDash([4, 3])
                    if (runtimes.length > 0) {
                        ctx.beginPath()
                        for (let j = 0; j < runtimes.length; ++j) {
                            if (j === 0)
                                ctx.moveTo(runtimes[j].x, runtimes[j].y)
                            else
                                ctx.lineTo(runtimes[j].x, runtimes[j].y)
                        }
                        ctx.stroke()
                    }
                    if (dashes)
                        ctx.setLineDash([])

                    const k = plot.hoverIndex
                    if (k >= 0 && k < g.n) {
                        ctx.fillStyle = card._solvesColor
                        ctx.beginPath()
                        ctx.arc(Trend.xOf(g, k), Trend.yOf(g, card._cumulativeSolves[k]), 3, 0, 2 * Math.PI)
                        ctx.fill()
                        const r = card._cumulativeAvgRuntimeSec[k]
                        if (isFinite(r) && r > 0) {
                            ctx.fillStyle = card._runtimeColor
                            ctx.beginPath()
                            ctx.arc(Trend.xOf(g, k), Trend.runtimeYOf(g, r), 3, 0, 2 * Math.PI)
                            ctx.fill()
                        }
                    }
                }
            }

            MouseArea {
                id: hoverArea
                objectName: "solveTrendHoverArea"
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.NoButton
                function hoverAt(x, y) {
                    plot._pointerX = x
                    plot._pointerY = y
                    if (plot.n > 0)
                        plot.hoverIndex = Trend.hoverIndex(x, plot.n, plot.padL, plot.plotW)
                }
                onEntered: hoverAt(mouseX, mouseY)
                onPositionChanged: function (mouse) { hoverAt(mouse.x, mouse.y) }
                onExited: plot.hoverIndex = -1
            }

            ToolTip {
                objectName: "solveTrendToolTip"
                parent: plot
                visible: plot.hoverIndex >= 0 && plot.n > 0
                delay: 150
                x: Math.min(Math.max(0, plot._pointerX + 12), Math.max(0, plot.width - width))
                y: Math.max(0, plot._pointerY - height - 8)
                text: Trend.tooltipText(card._days, card._cumulativeSolves, card._cumulativeAvgRuntimeSec,
                                        plot.hoverIndex, {
                                            tooltip: qsTranslate("HomePage", "%1\nDaily: %2\nTotal: %3\nAvg runtime: %4"),
                                            seconds: qsTranslate("HomePage", "%1s")
                                        })
            }

            Text {
                objectName: "scaleBottomLabel"
                x: 8
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                text: "0"
                font.family: card._family
                font.pixelSize: 10
                color: card._mutedColor
            }

            Text {
                objectName: "scaleTopLabel"
                x: 8
                y: 6
                text: String(card._maxCumulativeSolves)
                font.family: card._family
                font.pixelSize: 10
                color: card._mutedColor
            }

            Text {
                objectName: "firstDateLabel"
                x: plot.padL
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                width: Math.max(0, plot.width / 2 - plot.padL)
                text: card._days.length > 0 && card._days[0].date !== undefined ? String(card._days[0].date) : ""
                font.family: card._family
                font.pixelSize: 9
                color: card._mutedColor
                elide: Text.ElideRight
            }

            Text {
                objectName: "lastDateLabel"
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                width: Math.max(0, plot.width / 2 - 16)
                horizontalAlignment: Text.AlignRight
                text: card._days.length > 0 && card._days[card._days.length - 1].date !== undefined
                      ? String(card._days[card._days.length - 1].date) : ""
                font.family: card._family
                font.pixelSize: 9
                color: card._mutedColor
                elide: Text.ElideLeft
            }

            // The figure of a single day, beside its bar.
            Text {
                objectName: "singleDayFigure"
                readonly property real _barTop: plot.n === 1
                                                ? Trend.yOf(plot._geometry, card._cumulativeSolves[0]) : 0
                visible: plot.n === 1
                x: Trend.xOf(plot._geometry, 0) + Trend.BAR_WIDTH / 2 + 6
                y: Math.max(plot.padT, Math.min(plot.padT + plot.plotH - height, _barTop - height / 2))
                text: plot.n === 1 ? String(Math.max(0, Math.round(card._cumulativeSolves[0]))) : ""
                font.family: card._family
                font.pixelSize: 11
                font.bold: true
                color: card.theme ? card.theme.text : "#F0F6FC"
            }

            Text {
                objectName: "noSolvesNotice"
                anchors.centerIn: parent
                visible: plot.n <= 0
                text: qsTranslate("HomePage", "No solves yet")
                font.family: card._family
                font.pixelSize: 12
                color: card._mutedColor
            }
        }
    }
}
