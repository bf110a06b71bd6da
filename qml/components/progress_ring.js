// Geometry and text of the progress ring.
.pragma library

// The circle's radius: the stroke's outer edge touches the shorter side.
function radius(width, height, strokeWidth) {
    return (Math.min(width, height) - strokeWidth) / 2
}

// Start and end angle of the arc for a fraction: from twelve o'clock,
// clockwise on screen. Below 0 nothing is drawn.
function arcAngles(value) {
    const start = -Math.PI / 2
    const v = isFinite(value) ? Math.max(0, value) : 0
    return { start: start, end: start + 2 * Math.PI * v }
}

// A fraction as a whole percentage, halves going up: 0.125 reads "13%".
// (The small epsilon keeps 0.145 from reading 14 through binary rounding.)
function percentText(value) {
    const v = Number(value)
    return (isFinite(v) ? Math.floor(v * 100 + 0.5 + 1e-9) : 0) + "%"
}
