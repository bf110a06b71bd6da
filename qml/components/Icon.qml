// One outline icon of the assets/icons folder, tinted: the drawings are white
// strokes on transparency, and the tint replaces the white.
import QtQuick
import Qt5Compat.GraphicalEffects

Item {
    id: icon

    property string name: ""
    property int size: 16
    property color color: "white"
    property real iconOpacity: 1.0

    width: size
    height: size

    Image {
        id: image
        objectName: "iconImage"
        anchors.fill: parent
        source: icon.name !== "" ? Qt.resolvedUrl("../assets/icons/" + icon.name + ".svg") : ""
        sourceSize.width: Math.max(1, Math.ceil(icon.width))
        sourceSize.height: Math.max(1, Math.ceil(icon.height))
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
        // Drawn only through the overlay below.
        visible: false
    }

    ColorOverlay {
        id: overlay
        objectName: "iconOverlay"
        anchors.fill: image
        source: image
        color: icon.color
        opacity: icon.iconOpacity
        visible: icon.name !== ""
    }
}
