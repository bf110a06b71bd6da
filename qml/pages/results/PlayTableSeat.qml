// One seat of the play table: its two hole cards side by side, face up or
// down, and its stack under them. Centred on the point the table gives it.
import QtQuick
import Tessaval

Column {
    id: seat

    property var theme
    property string card1: ""
    property string card2: ""
    property bool faceUp: false
    property string stackText: ""
    // The cards' size against their full size; the stack keeps its own.
    property real cardScale: 1

    spacing: 6

    Row {
        objectName: "seatCards"
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 8
        Repeater {
            model: [seat.card1, seat.card2]
            delegate: PlayingCard {
                required property var modelData
                objectName: "seatCard"
                theme: seat.theme
                sizeScale: 0.95 * seat.cardScale
                hoverable: false
                enableHoverScale: false
                faceDown: !seat.faceUp
                rank: seat.faceUp ? String(modelData).charAt(0) : ""
                suit: seat.faceUp ? String(modelData).charAt(1) : ""
            }
        }
    }

    PlayTablePill {
        objectName: "stackPill"
        anchors.horizontalCenter: parent.horizontalCenter
        theme: seat.theme
        text: seat.stackText
        opacity: 0.92
    }
}
