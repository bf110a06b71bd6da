// The title row of a settings card: an accent icon and a bold title.
import QtQuick
import QtQuick.Layouts
import Tessaval

RowLayout {
    id: header

    property var theme
    property string iconName
    property string title

    spacing: 8

    Icon {
        name: header.iconName
        size: 18
        color: header.theme ? header.theme.accent : "#3FB950"
    }

    Text {
        text: header.title
        font.family: header.theme ? header.theme.fontFamilyResolved : "sans-serif"
        font.pixelSize: 16
        font.bold: true
        color: header.theme ? header.theme.text : "#F0F6FC"
    }
}
