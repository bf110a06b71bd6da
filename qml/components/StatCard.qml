// One figure with a caption: an upper-case caption with an accent dot and an
// optional trend arrow, over the value and an optional unit.
import QtQuick
import QtQuick.Layouts

Rectangle {
    id: card

    property var theme
    property string label: ""
    property string value: ""
    property string unit: ""
    property string trend: ""
    property color accentColor: theme ? theme.accent : "#3FB950"
    property bool compact: false

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    // The least width that shows the value and its unit whole; the caption
    // gives way.
    readonly property real leastWidth: valueRow.implicitWidth + 2 * column.anchors.margins

    function _color(token, fallback) {
        return theme ? theme[token] : fallback
    }

    implicitWidth: compact ? 120 : 160
    implicitHeight: compact ? 64 : 80
    radius: _color("radiusMd", 12)
    color: _color("surface", "#1C2128")
    border.width: 1
    border.color: _color("stroke", "#30363D")

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: card.compact ? 10 : 14
        spacing: card.compact ? 4 : 8

        RowLayout {
            Layout.fillWidth: true
            spacing: 4

            Rectangle {
                objectName: "statDot"
                visible: !card.compact
                Layout.preferredWidth: 6
                Layout.preferredHeight: 6
                radius: 3
                color: card.accentColor
            }

            Text {
                objectName: "statLabel"
                Layout.fillWidth: true
                text: card.label
                font.family: card._family
                font.pixelSize: card.compact ? 10 : 11
                font.weight: Font.Normal
                font.capitalization: Font.AllUppercase
                font.letterSpacing: 0.5
                color: card._color("textMuted", "#8B949E")
                elide: Text.ElideRight
            }

            Text {
                objectName: "statTrend"
                visible: card.trend !== ""
                text: card.trend === "up" ? "↑" : card.trend === "down" ? "↓" : ""
                font.family: card._family
                font.pixelSize: 12
                color: card.trend === "up" ? card._color("success", "#3FB950")
                     : card.trend === "down" ? card._color("danger", "#F85149") : "transparent"
            }
        }

        RowLayout {
            id: valueRow
            Layout.fillWidth: true
            spacing: 4

            Text {
                objectName: "statValue"
                text: card.value
                font.family: card._family
                font.pixelSize: card.compact ? 18 : 24
                font.bold: true
                color: card._color("text", "#F0F6FC")
            }

            Text {
                objectName: "statUnit"
                visible: card.unit !== ""
                text: card.unit
                font.family: card._family
                font.pixelSize: card.compact ? 12 : 14
                font.weight: Font.Normal
                color: card._color("textMuted", "#8B949E")
                Layout.alignment: Qt.AlignBottom
                Layout.bottomMargin: card.compact ? 1 : 2
            }

            Item {
                Layout.fillWidth: true
            }
        }
    }
}
