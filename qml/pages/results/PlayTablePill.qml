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
    // Wider texts wrap onto more lines; unbounded when 0.
    property real maximumWidth: 0

    implicitWidth: (maximumWidth > 0 ? Math.min(Math.ceil(oneLine.advanceWidth) + 1, maximumWidth - 2 * horizontalPadding)
                                     : label.implicitWidth) + 2 * horizontalPadding
    implicitHeight: label.implicitHeight + 2 * verticalPadding
    width: implicitWidth
    height: implicitHeight
    radius: theme ? theme.radiusSm : 8
    color: theme ? theme.surface2 : "#21262D"
    border.width: 1
    border.color: theme ? theme.stroke : "#30363D"

    // The text's width on one line, whatever the label's width.
    TextMetrics {
        id: oneLine
        font: label.font
        text: label.text
    }

    Text {
        id: label
        objectName: "pillText"
        anchors.centerIn: parent
        width: pill.maximumWidth > 0 ? pill.width - 2 * pill.horizontalPadding : implicitWidth
        wrapMode: pill.maximumWidth > 0 ? Text.WordWrap : Text.NoWrap
        horizontalAlignment: Text.AlignHCenter
        color: pill.theme ? pill.theme.text : "#F0F6FC"
        font.family: pill.theme ? pill.theme.fontFamilyResolved : "sans-serif"
        font.pixelSize: 12
        font.weight: Font.DemiBold
    }
}
