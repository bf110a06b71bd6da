// A grid of the 52 cards, one row per suit and one small button per rank, to
// choose one card. Cards in use are dimmed and cannot be chosen.
import QtQuick
import "card_picker.js" as Logic

Item {
    id: picker

    property var theme
    property var usedCards: []
    property bool showSuitHeaders: true

    readonly property var ranks: Logic.RANKS
    readonly property var suits: Logic.SUITS
    readonly property var suitSymbols: Logic.SUIT_SYMBOLS
    readonly property real _radius: theme ? theme.radiusXs : 4

    signal cardSelected(string card)

    function isCardUsed(rank, suit) {
        return Logic.isCardUsed(usedCards, rank, suit)
    }

    implicitWidth: rows.implicitWidth
    implicitHeight: rows.implicitHeight

    Column {
        id: rows
        anchors.fill: parent
        spacing: picker.theme ? picker.theme.spaceSm : 8

        Repeater {
            model: picker.suits
            delegate: Row {
                id: suitRow
                required property string modelData
                readonly property string suit: modelData
                readonly property color rowColor: Logic.rowColor(picker.theme, suit)
                spacing: 4

                Item { width: 4; height: 1 }

                Rectangle {
                    objectName: "suitHeader_" + suitRow.suit
                    visible: picker.showSuitHeaders
                    width: 28
                    height: 28
                    radius: picker._radius
                    color: picker.theme ? picker.theme.surface2 : "#21262D"
                    Text {
                        anchors.centerIn: parent
                        text: picker.suitSymbols[suitRow.suit]
                        color: suitRow.rowColor
                        font.pixelSize: 16
                    }
                }

                Repeater {
                    model: picker.ranks
                    delegate: Rectangle {
                        id: button
                        required property string modelData
                        readonly property string rank: modelData
                        readonly property bool used: picker.isCardUsed(rank, suitRow.suit)
                        readonly property bool hovered: buttonMouse.containsMouse && !used
                        objectName: "card_" + rank + suitRow.suit
                        width: 28
                        height: 28
                        radius: picker._radius
                        z: hovered ? 1 : 0
                        scale: hovered ? 1.1 : 1.0
                        opacity: used ? 0.3 : 1.0
                        color: used ? (picker.theme ? picker.theme.surface3 : "#2D333B")
                                    : hovered ? (picker.theme ? picker.theme.surfaceHover : "#30363D")
                                              : (picker.theme ? picker.theme.surface : "#1C2128")
                        border.width: 1
                        border.color: hovered ? suitRow.rowColor
                                              : (picker.theme ? picker.theme.strokeLight : "#21262D")
                        Behavior on scale { NumberAnimation { duration: 80 } }

                        Text {
                            anchors.centerIn: parent
                            text: button.rank
                            color: button.used ? (picker.theme ? picker.theme.textFaint : "#6E7681")
                                               : suitRow.rowColor
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                        }

                        MouseArea {
                            id: buttonMouse
                            objectName: "mouse"
                            anchors.fill: parent
                            hoverEnabled: !button.used
                            cursorShape: button.used ? Qt.ForbiddenCursor : Qt.PointingHandCursor
                            onClicked: {
                                if (!button.used)
                                    picker.cardSelected(Logic.cardText(button.rank, suitRow.suit))
                            }
                        }
                    }
                }

                Item { width: 4; height: 1 }
            }
        }
    }
}
