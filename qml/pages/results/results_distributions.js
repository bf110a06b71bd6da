.pragma library
// The distributions plot of the results page: each seat's hands ranked by
// equity or EV, the plot's geometry and scale, and the tooltip's reading at
// a relative rank.

var PAD_LEFT = 52
var PAD_RIGHT = 16
var PAD_TOP = 14
var PAD_BOTTOM = 34
// Share of the EV range added above and below the values.
var EV_MARGIN = 0.08

function fallbackPayload() {
    return { ok: false, pending: false, error: "Unavailable", oopHands: [], ipHands: [],
             equityOop: [], equityIp: [], evOop: [], evIp: [] }
}

function _list(v) {
    return v && v.length !== undefined && typeof v !== "string" ? v : []
}

function _finite(v) {
    return typeof v === "number" && isFinite(v)
}

// One seat's pairs of hand and value, best first: pairs without a hand text
// or a finite value left out, equal values ordered by hand text.
function _seatSeries(hands, values) {
    const h = _list(hands)
    const v = _list(values)
    const n = Math.min(h.length, v.length)
    const pairs = []
    for (let i = 0; i < n; ++i) {
        const hand = h[i] === undefined || h[i] === null ? "" : String(h[i])
        const value = v[i]
        if (hand.length === 0 || !_finite(value))
            continue
        pairs.push({ hand: hand, value: value })
    }
    pairs.sort(function (a, b) {
        if (a.value !== b.value)
            return b.value - a.value
        return a.hand < b.hand ? -1 : a.hand > b.hand ? 1 : 0
    })
    return {
        hands: pairs.map(function (p) { return p.hand }),
        values: pairs.map(function (p) { return p.value })
    }
}

function seriesSortedSeparate(payload, metricEquity) {
    const p = payload || {}
    const oop = _seatSeries(p.oopHands, metricEquity ? p.equityOop : p.evOop)
    const ip = _seatSeries(p.ipHands, metricEquity ? p.equityIp : p.evIp)
    return {
        oopHands: oop.hands, oop: oop.values, nOop: oop.values.length,
        ipHands: ip.hands, ip: ip.values, nIp: ip.values.length,
        nMax: Math.max(oop.values.length, ip.values.length)
    }
}

// "pending", "error" or "ready": what the dialog shows of a payload.
function payloadState(payload) {
    const p = payload || {}
    if (p.pending)
        return "pending"
    return p.ok ? "ready" : "error"
}

function hasPlot(payload, series) {
    return payloadState(payload) === "ready" && series.nMax >= 2
}

// The plot area inside a canvas of the given size.
function plotArea(width, height) {
    return {
        x0: PAD_LEFT,
        y0: PAD_TOP,
        pw: Math.max(1, width - PAD_LEFT - PAD_RIGHT),
        ph: Math.max(1, height - PAD_TOP - PAD_BOTTOM)
    }
}

// The vertical range: 0 to 1 for equity; for EV the values of both seats
// with a margin, and v - 1 to v + 1 when every value equals v.
function valueRange(series, metricEquity) {
    if (metricEquity)
        return { min: 0, max: 1 }
    let lo = Infinity
    let hi = -Infinity
    const all = series.oop.concat(series.ip)
    for (let i = 0; i < all.length; ++i) {
        if (!_finite(all[i]))
            continue
        lo = Math.min(lo, all[i])
        hi = Math.max(hi, all[i])
    }
    if (!isFinite(lo))
        return { min: 0, max: 1 }
    if (lo === hi)
        return { min: lo - 1, max: hi + 1 }
    const span = hi - lo
    return { min: lo - EV_MARGIN * span, max: hi + EV_MARGIN * span }
}

function yOf(value, area, range) {
    return area.y0 + area.ph - ((value - range.min) / (range.max - range.min)) * area.ph
}

function xOf(i, length, area) {
    return area.x0 + i * area.pw / (length - 1)
}

// The value written beside grid line k (0 at the top, 4 at the bottom).
function gridLabel(k, range, metricEquity) {
    const v = range.max - (range.max - range.min) * k / 4
    return metricEquity ? (v * 100).toFixed(0) + "%" : v.toFixed(2)
}

// The pointer's position as a share of the plot width, from its x in the
// canvas.
function hoverFraction(x, area) {
    const cx = Math.max(area.x0, Math.min(area.x0 + area.pw, x))
    return Math.max(0, Math.min(1, (cx - area.x0) / area.pw))
}

// The entry of a seat of n entries at relative rank t; -1 without entries.
function indexAtFraction(t, n) {
    if (!(n > 0))
        return -1
    const tt = Math.max(0, Math.min(1, Number(t) || 0))
    const i = Math.floor(tt * (n - 1) + 0.5)
    return Math.max(0, Math.min(n - 1, i))
}

// The tooltip's three texts at relative rank t. `tr` holds the translated
// patterns {hands, oopPct, oopEv, oopNone, ipPct, ipEv, ipNone, dash}.
function tooltipLines(series, t, metricEquity, tr) {
    const io = indexAtFraction(t, series.nOop)
    const ii = indexAtFraction(t, series.nIp)
    const value = function (i, list, pct, ev, none) {
        if (i < 0)
            return none
        return metricEquity ? pct.arg((list[i] * 100).toFixed(1)) : ev.arg(list[i].toFixed(2))
    }
    return {
        hands: tr.hands.arg(io >= 0 ? series.oopHands[io] : tr.dash).arg(ii >= 0 ? series.ipHands[ii] : tr.dash),
        oop: value(io, series.oop, tr.oopPct, tr.oopEv, tr.oopNone),
        ip: value(ii, series.ip, tr.ipPct, tr.ipEv, tr.ipNone)
    }
}

// A colour as a canvas style text, at the given opacity.
function cssColor(c, alpha) {
    const col = c || { r: 0, g: 0, b: 0 }
    return "rgba(" + Math.round(col.r * 255) + "," + Math.round(col.g * 255) + ","
            + Math.round(col.b * 255) + "," + alpha + ")"
}
