// The framed panel that holds a section of a page. Its implicit size is the
// largest implicit size among the items declared in it plus the padding: a
// frame's content item does not size itself to its children, and a layout
// holding a card would otherwise give it no height.
import QtQuick
import QtQuick.Controls
import Qt5Compat.GraphicalEffects

Frame {
    id: card

    property var theme: null
    property bool hoverable: false
    property bool elevated: false
    property color accentColor: "transparent"

    readonly property real __contentImplicitWidth: _largestChild("implicitWidth")
    readonly property real __contentImplicitHeight: _largestChild("implicitHeight")

    readonly property bool _hovered: hoverable && hoverArea.containsMouse
    // Any colour but fully transparent black (what "transparent" gives) is
    // an accent border, even one whose alpha is 0.
    readonly property bool _hasAccent: accentColor.r !== 0 || accentColor.g !== 0
                                       || accentColor.b !== 0 || accentColor.a !== 0
    readonly property int _radius: theme ? theme.radiusMd : 12
    readonly property real _shadowAlpha: theme ? theme.shadowOpacity : 0.3

    padding: theme ? theme.spaceLg : 16
    implicitWidth: __contentImplicitWidth + leftPadding + rightPadding
    implicitHeight: __contentImplicitHeight + topPadding + bottomPadding

    scale: _hovered ? 1.01 : 1.0
    Behavior on scale {
        NumberAnimation { duration: 150; easing.type: Easing.OutCubic }
    }

    function _largestChild(key) {
        const item = card.contentItem
        if (!item)
            return 0
        let largest = 0
        const kids = item.children
        for (let i = 0; i < kids.length; ++i) {
            const kid = kids[i]
            if (kid && typeof kid[key] === "number")
                largest = Math.max(largest, kid[key])
        }
        return largest
    }

    background: Item {
        Item {
            id: face
            objectName: "cardFace"
            anchors.fill: parent
            // With a shadow the face is drawn only through the effect.
            visible: !card.elevated

            Rectangle {
                id: fill
                objectName: "cardFill"
                anchors.fill: parent
                radius: card._radius
                color: card.theme ? card.theme.surface : "#1C2128"
                border.width: 1
                border.color: card._hasAccent ? card.accentColor
                                              : (card.theme ? card.theme.stroke : "#30363D")
            }
            Rectangle {
                anchors.fill: parent
                radius: card._radius
                gradient: Gradient {
                    GradientStop { position: 0.0; color: Qt.rgba(1, 1, 1, 0.02) }
                    GradientStop { position: 1.0; color: "transparent" }
                }
            }
            Rectangle {
                objectName: "cardHoverOverlay"
                anchors.fill: parent
                radius: card._radius
                color: card.theme ? card.theme.surfaceHover : "#30363D"
                opacity: card._hovered ? 0.3 : 0
                Behavior on opacity {
                    NumberAnimation { duration: 150 }
                }
            }
        }

        DropShadow {
            objectName: "cardShadow"
            anchors.fill: face
            source: face
            visible: card.elevated
            transparentBorder: true
            color: Qt.rgba(0, 0, 0, card._shadowAlpha)
            radius: 16
            samples: 33
            horizontalOffset: 0
            verticalOffset: 4
        }

        // Under the content: hover only, never a press, so every click goes
        // to the items in the card.
        MouseArea {
            id: hoverArea
            objectName: "cardHoverArea"
            x: card.leftPadding
            y: card.topPadding
            width: card.availableWidth
            height: card.availableHeight
            hoverEnabled: card.hoverable
            cursorShape: card.hoverable ? Qt.PointingHandCursor : Qt.ArrowCursor
            propagateComposedEvents: true
            onPressed: function (mouse) { mouse.accepted = false }
        }
    }
}
