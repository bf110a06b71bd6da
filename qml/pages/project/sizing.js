.pragma library
// The bet-sizing settings of one player: the page property behind each
// control, and the copy of the OOP settings to IP.

var STREETS = ["Flop", "Turn", "River"]

// The page property of one player's setting on one street: `kind` is
// "BetSizesText", "RaiseSizesText", "AddAllIn" or "DontDonk" (OOP only).
function streetProperty(player, street, kind) {
    return player + street + kind
}

function jamEnabledProperty(player) {
    return player + "AddAllInIfJamLtEnabled"
}

function jamPctProperty(player) {
    return player + "AddAllInIfJamLtPct"
}

// What "Copy OOP settings" assigns, in order, as [IP property, OOP
// property]: the bet texts, the raise texts, the all-in flags, the jam
// switch and the jam threshold. Don't-donk has no IP counterpart.
function copyPairs() {
    const pairs = []
    ;["BetSizesText", "RaiseSizesText", "AddAllIn"].forEach(function (kind) {
        STREETS.forEach(function (street) {
            pairs.push([streetProperty("ip", street, kind), streetProperty("oop", street, kind)])
        })
    })
    pairs.push([jamEnabledProperty("ip"), jamEnabledProperty("oop")])
    pairs.push([jamPctProperty("ip"), jamPctProperty("oop")])
    return pairs
}

function copyOopToIp(page) {
    copyPairs().forEach(function (pair) {
        page[pair[0]] = page[pair[1]]
    })
}
