// The ring that shows which control holds the keyboard focus: the theme's
// focus stroke drawn just outside the control's face. Put it in the face
// (the background) and bind `shown` to the control's visualFocus.
import QtQuick

Rectangle {
    id: ring

    property var theme: null
    property bool shown: false
    // The face's corner radius; the ring follows it at its distance.
    property real faceRadius: theme ? theme.radiusSm : 8
    readonly property real _gap: 4

    objectName: "focusRing"
    anchors.fill: parent
    anchors.margins: -_gap
    radius: faceRadius + _gap
    color: "transparent"
    border.width: 2
    border.color: theme ? theme.strokeFocus : "#58A6FF"
    visible: shown
}
