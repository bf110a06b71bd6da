// A titled column of label and value pairs on the home page.
import QtQuick
import QtQuick.Layouts
import Tessaval

ColumnLayout {
    id: column

    property var theme
    property string iconName
    property string title
    // {name, label, value}; `name` becomes the value text's object name.
    property var rows: []

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    spacing: 12
    Layout.alignment: Qt.AlignTop
    Layout.fillWidth: true
    Layout.preferredWidth: 1

    RowLayout {
        spacing: 8

        Icon {
            name: column.iconName
            size: 18
            color: column.theme ? column.theme.accent : "#3FB950"
        }

        Text {
            text: column.title
            font.family: column._family
            font.pixelSize: 16
            font.bold: true
            color: column.theme ? column.theme.text : "#F0F6FC"
        }
    }

    GridLayout {
        columns: 2
        columnSpacing: 12
        rowSpacing: 8
        Layout.fillWidth: true

        Repeater {
            model: column.rows.length * 2

            Text {
                readonly property var row: column.rows[Math.floor(index / 2)]
                readonly property bool isLabel: index % 2 === 0
                objectName: isLabel ? "" : row.name
                text: isLabel ? row.label : row.value
                font.family: column._family
                font.pixelSize: 12
                color: isLabel ? (column.theme ? column.theme.textMuted : "#8B949E")
                               : (column.theme ? column.theme.text : "#F0F6FC")
                elide: Text.ElideRight
                Layout.fillWidth: !isLabel
            }
        }
    }
}
