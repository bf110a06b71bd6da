.pragma library
// The frame of the results page: its scale, the header figures and the
// cleared node-lock edit state.

var UI_BASELINE_WIDTH = 1540

function _num(v) {
    const n = Number(v)
    return typeof v === "number" && isFinite(n) ? n : 0
}

// Fixed sizes shrink with the page instead of reflowing: 0.75 to 1.0.
function uiScale(pageWidth) {
    const w = Number(pageWidth)
    return Math.max(0.75, Math.min(1.0, (isFinite(w) ? w : 0) / UI_BASELINE_WIDTH))
}

function scaled(base, floor, scale) {
    return Math.max(floor, Math.round(base * scale))
}

// The number with `decimals` decimals and a point, or `dash` when it is not
// a finite number.
function fixedOrDash(v, decimals, dash) {
    return typeof v === "number" && isFinite(v) ? v.toFixed(decimals) : dash
}

// A seat's EV as the header shows it: its share of the starting pot added.
function seatEvText(ev, startingPot) {
    return (_num(ev) + _num(startingPot) / 2).toFixed(3)
}

function exploitabilityText(value) {
    return _num(value).toFixed(4)
}

// The node-lock edit state as a solve start or cleared results leave it.
function clearedLockEditState() {
    return {
        nodeLockMode: false,
        nodeLockSelectedActionIndex: -1,
        nodeLockMixedMode: false,
        nodeLockMixedFreqTexts: [],
        nodeLocksByNode: {}
    }
}

// Makes `model` (a ListModel of empty rows) `count` rows long, adding or
// removing rows at the end only. A view over it whose delegates read their
// data by index from a list the page replaces keeps the delegates it has:
// they take the new rows in place instead of being built again.
function followRowCount(model, count) {
    const n = Math.max(0, Math.floor(Number(count) || 0))
    if (model.count > n) {
        model.remove(n, model.count - n)
    } else if (model.count < n) {
        const rows = []
        for (let i = model.count; i < n; ++i)
            rows.push({})
        model.append(rows)
    }
}
