// The plot of the distributions dialog: each seat's ranked values as one
// line across the full width (best hand on the left), a hover line and a
// tooltip that reads both seats at the same relative rank.
import QtQuick
import "results_distributions.js" as Dist

Rectangle {
    id: frame

    property var page
    property var theme

    readonly property var _payload: page ? page._distPayload : ({})
    readonly property bool _equity: !page || page._distMetricEquity
    readonly property real _hoverT: page ? page._distHoverT : -1
    readonly property alias canvas: canvas

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    function repaint() {
        canvas.requestPaint()
    }

    radius: theme ? theme.radiusSm : 10
    color: _tok("surface", "#0B1220")
    border.width: 1
    border.color: _tok("strokeLight", "#21262D")
    clip: true

    Canvas {
        id: canvas
        objectName: "distCanvas"
        anchors.fill: parent
        anchors.margins: 10

        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()

        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            ctx.clearRect(0, 0, width, height)
            const series = frame.page ? frame.page._distSeriesSortedSeparate()
                                      : Dist.seriesSortedSeparate({}, true)
            const muted = frame._tok("textMuted", "#8B949E")
            const state = Dist.payloadState(frame._payload)
            if (!Dist.hasPlot(frame._payload, series)) {
                ctx.fillStyle = Dist.cssColor(Qt.color(muted), 1)
                ctx.font = "12px sans-serif"
                ctx.textAlign = "center"
                ctx.textBaseline = "middle"
                ctx.fillText(state === "pending" ? qsTranslate("ResultsPage", "Computing\u2026")
                                                 : qsTranslate("ResultsPage", "No data"),
                             width / 2, height / 2)
                return
            }
            const area = Dist.plotArea(width, height)
            const range = Dist.valueRange(series, frame._equity)
            const stroke = Qt.color(frame._tok("stroke", "#30363D"))

            // Axes.
            ctx.lineWidth = 1
            ctx.strokeStyle = Dist.cssColor(stroke, 0.55)
            ctx.beginPath()
            ctx.moveTo(area.x0, area.y0)
            ctx.lineTo(area.x0, area.y0 + area.ph)
            ctx.lineTo(area.x0 + area.pw, area.y0 + area.ph)
            ctx.stroke()

            // Grid and value labels.
            ctx.font = "11px sans-serif"
            ctx.textAlign = "right"
            ctx.textBaseline = "middle"
            ctx.fillStyle = Dist.cssColor(Qt.color(muted), 1)
            for (let k = 0; k <= 4; ++k) {
                const y = area.y0 + area.ph * k / 4
                ctx.strokeStyle = Dist.cssColor(stroke, 0.22)
                ctx.beginPath()
                ctx.moveTo(area.x0, y)
                ctx.lineTo(area.x0 + area.pw, y)
                ctx.stroke()
                ctx.fillText(Dist.gridLabel(k, range, frame._equity), area.x0 - 8, y)
            }

            // The series: OOP first, IP over it.
            const drawSeries = function (values, color) {
                if (values.length < 2)
                    return
                ctx.lineWidth = 2
                ctx.strokeStyle = Dist.cssColor(Qt.color(color), 1)
                ctx.beginPath()
                for (let i = 0; i < values.length; ++i) {
                    const x = Dist.xOf(i, values.length, area)
                    const y = Dist.yOf(values[i], area, range)
                    if (i === 0)
                        ctx.moveTo(x, y)
                    else
                        ctx.lineTo(x, y)
                }
                ctx.stroke()
            }
            const oopColor = frame._tok("actionBet", "#A371F7")
            const ipColor = frame._tok("info", "#58A6FF")
            drawSeries(series.oop, oopColor)
            drawSeries(series.ip, ipColor)

            // Legend at the top right of the plot area.
            ctx.font = "12px sans-serif"
            ctx.textAlign = "left"
            ctx.textBaseline = "top"
            const entries = [["OOP", oopColor], ["IP", ipColor]]
            const widths = entries.map(function (e) { return 12 + 6 + ctx.measureText(e[0]).width })
            const legendWidth = widths[0] + 18 + widths[1]
            let lx = Math.max(area.x0, area.x0 + area.pw - legendWidth)
            for (let i = 0; i < entries.length; ++i) {
                ctx.fillStyle = Dist.cssColor(Qt.color(entries[i][1]), 1)
                ctx.fillRect(lx, area.y0 + 4, 12, 3)
                ctx.fillStyle = Dist.cssColor(Qt.color(muted), 1)
                ctx.fillText(entries[i][0], lx + 18, area.y0)
                lx += widths[i] + 18
            }

            // Hover line.
            const t = frame._hoverT
            if (t >= 0 && t <= 1) {
                const hx = area.x0 + area.pw * t
                ctx.lineWidth = 1
                ctx.strokeStyle = Dist.cssColor(Qt.color(muted), 0.65)
                ctx.beginPath()
                ctx.moveTo(hx, area.y0)
                ctx.lineTo(hx, area.y0 + area.ph)
                ctx.stroke()
            }
        }

        MouseArea {
            objectName: "distPointer"
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.NoButton

            onPositionChanged: function (mouse) {
                const p = frame.page
                if (!p || !Dist.hasPlot(p._distPayload, p._distSeriesSortedSeparate()))
                    return
                const t = Dist.hoverFraction(mouse.x, Dist.plotArea(canvas.width, canvas.height))
                const changed = Math.abs(t - p._distHoverT) > 1e-6
                p._distHoverT = t
                if (changed)
                    canvas.requestPaint()
            }
            onExited: {
                if (!frame.page)
                    return
                frame.page._distHoverT = -1.0
                canvas.requestPaint()
            }
        }
    }

    Rectangle {
        id: tooltip
        objectName: "distTooltip"
        // Built again when the payload or the metric changes, not per move.
        readonly property var series: frame.page ? frame.page._distSeriesSortedSeparate()
                                                 : Dist.seriesSortedSeparate({}, true)
        readonly property var lines: {
            const tt = Math.max(0, Math.min(1, frame._hoverT))
            return Dist.tooltipLines(series, tt, frame._equity, {
                hands: qsTranslate("ResultsPage", "OOP: %1    IP: %2"),
                oopPct: qsTranslate("ResultsPage", "OOP: %1%"),
                oopEv: qsTranslate("ResultsPage", "OOP: %1"),
                oopNone: qsTranslate("ResultsPage", "OOP: \u2014"),
                ipPct: qsTranslate("ResultsPage", "IP: %1%"),
                ipEv: qsTranslate("ResultsPage", "IP: %1"),
                ipNone: qsTranslate("ResultsPage", "IP: \u2014"),
                dash: qsTranslate("ResultsPage", "\u2014")
            })
        }
        visible: Dist.payloadState(frame._payload) === "ready" && frame._hoverT >= 0
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: 10
        anchors.rightMargin: 10
        width: textBlock.implicitWidth + 14
        height: textBlock.implicitHeight + 12
        radius: frame.theme ? frame.theme.radiusSm : 8
        color: frame._tok("surface2", "#21262D")
        border.width: 1
        border.color: frame._tok("stroke", "#30363D")

        Column {
            id: textBlock
            anchors.centerIn: parent
            spacing: 2
            Text {
                objectName: "distTooltipHands"
                text: tooltip.lines.hands
                color: frame._tok("text", "#F0F6FC")
                font.family: frame._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 12
                font.weight: Font.DemiBold
            }
            Text {
                objectName: "distTooltipOop"
                text: tooltip.lines.oop
                color: frame._tok("actionBet", "#A371F7")
                font.family: frame._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 11
            }
            Text {
                objectName: "distTooltipIp"
                text: tooltip.lines.ip
                color: frame._tok("info", "#58A6FF")
                font.family: frame._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 11
            }
        }
    }
}
