// A fraction from 0 to 1 as an arc over a full track circle, with the
// percentage in the middle; or, while progress cannot be measured yet, a
// turning arc and "...".
import QtQuick
import "progress_ring.js" as Ring

Item {
    id: ring

    property var theme
    property real value: 0
    property real strokeWidth: 8
    property color trackColor: theme ? theme.surface3 : "#2D333B"
    property color progressColor: theme ? theme.accent : "#3FB950"
    property bool showPercentage: true
    property bool indeterminate: false

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    implicitWidth: 100
    implicitHeight: 100

    // A new colour or width (a theme switch) shows at once.
    onTrackColorChanged: track.requestPaint()
    onProgressColorChanged: arc.requestPaint()
    onStrokeWidthChanged: {
        track.requestPaint()
        arc.requestPaint()
    }

    Canvas {
        id: track
        objectName: "ringTrack"
        anchors.fill: parent
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onAvailableChanged: requestPaint()
        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            const r = Ring.radius(width, height, ring.strokeWidth)
            if (r <= 0)
                return
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, r, 0, 2 * Math.PI, false)
            ctx.lineWidth = ring.strokeWidth
            ctx.strokeStyle = ring.trackColor
            ctx.stroke()
        }
    }

    Canvas {
        id: arc
        objectName: "ringArc"
        anchors.fill: parent

        property real animatedValue: ring.indeterminate ? 0 : ring.value
        Behavior on animatedValue {
            NumberAnimation { duration: 300; easing.type: Easing.OutCubic }
        }

        onAnimatedValueChanged: requestPaint()
        onWidthChanged: requestPaint()
        onHeightChanged: requestPaint()
        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            const r = Ring.radius(width, height, ring.strokeWidth)
            const angles = Ring.arcAngles(animatedValue)
            if (r <= 0 || angles.end <= angles.start)
                return
            ctx.beginPath()
            ctx.arc(width / 2, height / 2, r, angles.start, angles.end, false)
            ctx.lineWidth = ring.strokeWidth
            ctx.lineCap = "round"
            ctx.strokeStyle = ring.progressColor
            ctx.stroke()
        }

        RotationAnimator on rotation {
            id: spin
            objectName: "ringSpin"
            from: 0
            to: 360
            duration: 1500
            loops: Animation.Infinite
            running: ring.indeterminate
            // Upright again once progress can be shown.
            onRunningChanged: {
                if (!running)
                    arc.rotation = 0
            }
        }
    }

    Text {
        objectName: "ringPercent"
        anchors.centerIn: parent
        visible: ring.showPercentage && !ring.indeterminate
        text: Ring.percentText(ring.value)
        font.family: ring._family
        font.pixelSize: Math.max(1, Math.round(0.22 * ring.width))
        font.bold: true
        color: ring.theme ? ring.theme.text : "#F0F6FC"
    }

    Text {
        objectName: "ringIndeterminate"
        anchors.centerIn: parent
        visible: ring.indeterminate
        text: qsTr("...")
        font.family: ring._family
        font.pixelSize: Math.max(1, Math.round(0.18 * ring.width))
        font.bold: true
        color: ring.theme ? ring.theme.textMuted : "#8B949E"
    }
}
