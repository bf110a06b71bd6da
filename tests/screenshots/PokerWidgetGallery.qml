// The poker display widgets on one page, for their pictures.
import QtQuick
import QtQuick.Controls
import Tessaval

Rectangle {
    id: gallery
    property var theme
    color: theme ? theme.bg0 : "#080B12"

    Label {
        x: 24
        y: 24
        text: "Poker widgets"
        color: gallery.theme ? gallery.theme.text : "#F0F6FC"
        font.pixelSize: 20
    }
}
