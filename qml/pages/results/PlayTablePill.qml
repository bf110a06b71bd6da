// A short text on a rounded, bordered pill: the play table's hint, pot,
// stacks, action bubbles and drill feedback.
import QtQuick

Rectangle {
    id: pill

    property var theme
    property alias text: label.text
    property alias textColor: label.color
    property alias pixelSize: label.font.pixelSize
    property alias fontWeight: label.font.weight
    property int horizontalPadding: 12
    property int verticalPadding: 6

    implicitWidth: label.implicitWidth + 2 * horizontalPadding
    implicitHeight: label.implicitHeight + 2 * verticalPadding
    width: implicitWidth
    height: implicitHeight
    radius: theme ? theme.radiusSm : 8
    color: theme ? theme.surface2 : "#21262D"
    border.width: 1
    border.color: theme ? theme.stroke : "#30363D"

    Text {
        id: label
        objectName: "pillText"
        anchors.centerIn: parent
        color: pill.theme ? pill.theme.text : "#F0F6FC"
        font.family: pill.theme ? pill.theme.fontFamilyResolved : "sans-serif"
        font.pixelSize: 12
        font.weight: Font.DemiBold
    }
}
