// One playing card: its face (rank and suit glyph on a light card), its back
// (a striped blue card) or an empty slot (a faint outline with a "?").
// The card only draws what it is given and reports clicks.
import QtQuick
import Qt5Compat.GraphicalEffects
import "playing_card.js" as Logic

Item {
    id: card

    property var theme
    property string rank: ""
    property string suit: ""
    property bool faceDown: false
    property bool selected: false
    property bool disabled: false
    property bool mini: false
    property bool hoverable: true
    property real sizeScale: 1.0
    property bool enableHoverScale: true

    readonly property real _baseW: mini ? 32 : 52
    readonly property real _baseH: mini ? 44 : 72
    readonly property real _s: Logic.effectiveScale(sizeScale)
    readonly property string suitSymbol: Logic.suitSymbol(suit)
    readonly property color suitColor: theme ? theme.suitColor(suit) : "black"
    readonly property string _look: Logic.look(faceDown, rank, suit)
    readonly property bool _hovered: mouseArea.containsMouse && hoverable && !disabled
    readonly property real _radius: theme ? theme.radiusSm : 8
    readonly property color _faceColor: theme ? theme.cardFace : "#FFFEF5"
    readonly property color _borderColor: theme ? theme.cardBorder : "#30363D"
    readonly property string _rankFamily: theme ? theme.fontFamilyResolved : "Segoe UI"

    signal clicked()

    implicitWidth: _baseW * _s
    implicitHeight: _baseH * _s
    opacity: disabled ? 0.4 : 1.0
    scale: enableHoverScale && _hovered ? 1.05 : 1.0
    Behavior on scale { NumberAnimation { duration: 100; easing.type: Easing.OutCubic } }

    DropShadow {
        anchors.fill: face
        source: face
        visible: face.visible
        transparentBorder: true
        horizontalOffset: 0
        verticalOffset: 2
        radius: 8
        samples: 17
        color: Qt.rgba(0, 0, 0, card.theme ? card.theme.shadowOpacity * 0.5 : 0.2)
    }

    Rectangle {
        id: face
        objectName: "face"
        anchors.fill: parent
        visible: card._look === "face"
        radius: card._radius
        border.width: card.selected ? 2 : 1
        border.color: card.selected ? (card.theme ? card.theme.accent : "#3FB950") : card._borderColor
        gradient: Gradient {
            GradientStop { position: 0.0; color: card._faceColor }
            GradientStop { position: 1.0; color: Qt.darker(card._faceColor, 1.03) }
        }

        Text {
            objectName: "topRank"
            x: (card.mini ? 3 : 5) * card._s
            y: (card.mini ? 2 : 4) * card._s
            text: card.rank
            color: card.suitColor
            font.family: card._rankFamily
            font.pixelSize: (card.mini ? 12 : 18) * card._s
            font.bold: true
        }
        Text {
            objectName: "topSuit"
            x: (card.mini ? 3 : 5) * card._s
            y: (card.mini ? 14 : 22) * card._s
            text: card.suitSymbol
            color: card.suitColor
            font.pixelSize: (card.mini ? 10 : 14) * card._s
        }
        Text {
            objectName: "centreSuit"
            anchors.centerIn: parent
            visible: !card.mini
            text: card.suitSymbol
            color: card.suitColor
            font.pixelSize: 28 * card._s
        }
        Text {
            objectName: "bottomRank"
            anchors.right: parent.right
            anchors.rightMargin: 5 * card._s
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 4 * card._s
            visible: !card.mini
            rotation: 180
            text: card.rank
            color: card.suitColor
            font.family: card._rankFamily
            font.pixelSize: 18 * card._s
            font.bold: true
        }
        Text {
            objectName: "bottomSuit"
            anchors.right: parent.right
            anchors.rightMargin: 5 * card._s
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 22 * card._s
            visible: !card.mini
            rotation: 180
            text: card.suitSymbol
            color: card.suitColor
            font.pixelSize: 14 * card._s
        }
        Rectangle {
            objectName: "hoverOverlay"
            anchors.fill: parent
            radius: card._radius
            color: "black"
            opacity: mouseArea.containsMouse && card.hoverable ? 0.05 : 0
            Behavior on opacity { NumberAnimation { duration: 100 } }
        }
    }

    Rectangle {
        id: back
        objectName: "back"
        anchors.fill: parent
        visible: card._look === "back"
        radius: card._radius
        color: card.theme ? card.theme.cardBack : "#1C4B82"
        border.width: 1
        border.color: card._borderColor

        Canvas {
            id: stripes
            anchors.fill: parent
            anchors.margins: 4
            onWidthChanged: requestPaint()
            onHeightChanged: requestPaint()
            onVisibleChanged: if (visible) requestPaint()
            onPaint: {
                const ctx = getContext("2d")
                ctx.reset()
                ctx.clearRect(0, 0, width, height)
                ctx.strokeStyle = "rgba(255,255,255,0.1)"
                ctx.lineWidth = 1
                ctx.beginPath()
                const starts = Logic.stripeStarts(width, height)
                for (let k = 0; k < starts.length; ++k) {
                    ctx.moveTo(starts[k], 0)
                    ctx.lineTo(starts[k] + height, height)
                }
                ctx.stroke()
            }
        }
    }

    Rectangle {
        id: slot
        objectName: "emptySlot"
        anchors.fill: parent
        visible: card._look === "empty"
        radius: card._radius
        color: "transparent"
        border.width: 2
        border.color: card.theme ? card.theme.stroke : "#30363D"
        opacity: 0.5

        Text {
            objectName: "question"
            anchors.centerIn: parent
            visible: !card.mini
            text: qsTr("?")
            color: card.theme ? card.theme.textFaint : "#6E7681"
            font.pixelSize: 20 * card._s
        }
    }

    MouseArea {
        id: mouseArea
        objectName: "cardMouse"
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton
        hoverEnabled: card.hoverable && !card.disabled
        cursorShape: card.hoverable && !card.disabled ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: {
            if (!card.disabled)
                card.clicked()
        }
    }
}
