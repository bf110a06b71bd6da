// The left side of a settings row: the setting's name over its description.
import QtQuick
import QtQuick.Layouts
import Tessaval

ColumnLayout {
    id: block

    property var theme
    property string title
    property string description

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    spacing: 2

    Text {
        Layout.fillWidth: true
        text: block.title
        font.family: block._family
        font.pixelSize: 14
        color: block.theme ? block.theme.text : "#F0F6FC"
        elide: Text.ElideRight
    }

    WrappedText {
        text: block.description
        font.family: block._family
        font.pixelSize: 12
        color: block.theme ? block.theme.textMuted : "#8B949E"
    }
}
