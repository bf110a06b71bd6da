// The poker display widgets on one page, for their pictures.
import QtQuick
import QtQuick.Controls
import Tessaval

Rectangle {
    id: gallery
    property var theme
    color: theme ? theme.bg0 : "#080B12"

    readonly property color _text: theme ? theme.text : "#F0F6FC"
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"

    // A strategy-like grid: weights everywhere, a three-way split in most cells.
    readonly property var _matrixTypes: ["check", "Bet 33%", "Bet 75%"]
    readonly property var _matrixData: {
        const ranks = "AKQJT98765432"
        const weights = {}
        const probs = {}
        for (let r = 0; r < 13; ++r) {
            for (let c = 0; c < 13; ++c) {
                const hand = r === c ? ranks[r] + ranks[c]
                           : r < c ? ranks[r] + ranks[c] + "s" : ranks[c] + ranks[r] + "o"
                const strength = 1 - (r + c) / 24
                weights[hand] = r === c || r < c ? 1 : Math.max(0, Math.min(1, strength * 1.4 - 0.1))
                const bet = Math.max(0, Math.min(1, strength * strength))
                probs[hand] = [1 - bet, bet * 0.6, bet * 0.4]
            }
        }
        weights["72o"] = 0
        weights["A5s"] = 0.5
        probs["KK"] = [0, 0, 1]
        return { "weights": weights, "probs": probs }
    }

    Flickable {
        anchors.fill: parent
        contentWidth: width
        contentHeight: content.implicitHeight + 48

        Column {
            id: content
            x: 24
            y: 24
            spacing: 18

            Label {
                text: "Poker widgets"
                color: gallery._text
                font.pixelSize: 20
            }

            Row {
                spacing: 28

                Column {
                    spacing: 10
                    Label { text: "Board (editable, turn dealt)"; color: gallery._muted; font.pixelSize: 12 }
                    BoardDisplay { theme: gallery.theme; boardText: "AhKsQd2c"; editable: true }
                    Label { text: "Board (placeholder turn, river 9h)"; color: gallery._muted; font.pixelSize: 12 }
                    BoardDisplay { theme: gallery.theme; boardText: "Th7c4d__9h"; editable: true }
                    Label { text: "Compact boards"; color: gallery._muted; font.pixelSize: 12 }
                    Row {
                        spacing: 16
                        BoardDisplay { theme: gallery.theme; boardText: "AhKsQd"; compact: true }
                        BoardDisplay { theme: gallery.theme; boardText: "Js9s8d5c2h"; compact: true; cardScale: 1.8 }
                    }
                    Label { text: "Cards: face, selected, back, empty, mini"; color: gallery._muted; font.pixelSize: 12 }
                    Row {
                        spacing: 8
                        PlayingCard { theme: gallery.theme; rank: "T"; suit: "h" }
                        PlayingCard { theme: gallery.theme; rank: "Q"; suit: "c"; selected: true }
                        PlayingCard { theme: gallery.theme; faceDown: true }
                        PlayingCard { theme: gallery.theme }
                        PlayingCard { theme: gallery.theme; rank: "A"; suit: "s"; mini: true }
                        PlayingCard { theme: gallery.theme; rank: "7"; suit: "d"; mini: true }
                        PlayingCard { theme: gallery.theme; mini: true }
                        PlayingCard { theme: gallery.theme; rank: "K"; suit: "d"; disabled: true }
                    }
                }

                Column {
                    spacing: 10
                    Label { text: "Card picker (Ah, Ks, Qd, 2c used)"; color: gallery._muted; font.pixelSize: 12 }
                    CardPicker { theme: gallery.theme; usedCards: ["Ah", "Ks", "Qd", "2c"] }
                    Label { text: "Card picker without suit headers"; color: gallery._muted; font.pixelSize: 12 }
                    CardPicker { theme: gallery.theme; showSuitHeaders: false }
                }
            }

            Row {
                spacing: 28

                Column {
                    spacing: 10
                    Label { text: "Hand matrix: strategy (vertical fill, mixed)"; color: gallery._muted; font.pixelSize: 12 }
                    HandMatrix {
                        theme: gallery.theme
                        cellSize: 30
                        weightDisplayMode: "verticalFill"
                        weights: gallery._matrixData.weights
                        actionTypes: gallery._matrixTypes
                        actionProbs: gallery._matrixData.probs
                        selectable: true
                    }
                }

                Column {
                    spacing: 10
                    Label { text: "Hand matrix: range weights (span, labels of weighted classes)"; color: gallery._muted; font.pixelSize: 12 }
                    HandMatrix {
                        theme: gallery.theme
                        cellSize: 28
                        editable: true
                        weights: ({ "AA": 1, "KK": 1, "QQ": 1, "JJ": 0.75, "TT": 0.5, "99": 0.25,
                                    "AKs": 1, "AQs": 1, "AJs": 0.8, "KQs": 0.6, "AKo": 1, "AQo": 0.4,
                                    "76s": 0.3, "54s": 1.4, "KJo": -1 })
                        colors: ({ "KQs": "#F0B429" })
                        showLabels: false
                    }
                }

                Column {
                    spacing: 10
                    width: 620
                    Label { text: "Tree nodes"; color: gallery._muted; font.pixelSize: 12 }
                    Flow {
                        width: parent.width
                        spacing: 12
                        TreeNode { theme: gallery.theme; player: "OOP"; action: "Check"; actionType: "check"; pot: 10; frequency: 0.62; ev: 1.25 }
                        TreeNode { theme: gallery.theme; player: "OOP"; action: "Bet 33%"; actionType: "bet"; pot: 16.6; frequency: 0.254; ev: -0.4; selected: true }
                        TreeNode { theme: gallery.theme; player: "IP"; action: "Raise 150%"; actionType: "raise"; pot: 48; frequency: 0.08; locked: true; expanded: true }
                        TreeNode { theme: gallery.theme; player: "IP"; action: "All-In"; actionType: "allin"; hasChildren: false; frequency: 0.01 }
                        TreeNode { theme: gallery.theme; player: "IP"; action: "Fold"; actionType: "fold"; hasChildren: false }
                        TreeNode { theme: gallery.theme; player: "OOP"; action: "Bet"; actionType: "bet 75%"; pot: 25; frequency: 1 }
                        TreeNode { theme: gallery.theme; nodeType: "chance"; player: ""; action: "9h"; actionType: "chance"; pot: 20 }
                        TreeNode { theme: gallery.theme; nodeType: "chance"; player: "Deal Turn"; action: "Ks"; actionType: "chance" }
                        TreeNode { theme: gallery.theme; nodeType: "terminal"; action: "Call"; actionType: "call"; pot: 33 }
                    }
                    Item { width: 1; height: 8 }
                    Label { text: "Action bars"; color: gallery._muted; font.pixelSize: 12 }
                    ActionBar {
                        theme: gallery.theme
                        width: parent.width
                        actions: [
                            { name: "Check", actionType: "check", frequency: 0.46, combos: 120.5, equity: 0.421, ev: 1.92 },
                            { name: "Bet 33%", actionType: "bet 33%", frequency: 0.31, combos: 81, equity: 0.553, ev: 2.4 },
                            { name: "Bet 75%", actionType: "bet 75%", frequency: 0.2, combos: 52.25, equity: 0.61, ev: 2.75 },
                            { name: "All-In", actionType: "allin", frequency: 0.03, equity: 0.8 }
                        ]
                    }
                    ActionBar {
                        theme: gallery.theme
                        width: 380
                        height: 16
                        showLabels: false
                        actions: [
                            { name: "Fold", actionType: "fold", frequency: 0.002 },
                            { name: "Call", actionType: "call", frequency: 0.6 },
                            { name: "Raise 80%", actionType: "Raise 80%", frequency: 0.398 }
                        ]
                    }
                    ActionBar {
                        theme: gallery.theme
                        width: 380
                        height: 14
                        showLabels: false
                        actions: [{ name: "Check", actionType: "check", frequency: 1 }]
                    }
                }
            }
        }
    }
}
