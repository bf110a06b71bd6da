// A page or section title with an optional status badge and subtitle.
import QtQuick
import QtQuick.Layouts

Item {
    id: header

    property var theme: null
    property string title: ""
    property string subtitle: ""
    property string badge: ""
    property color badgeColor: theme ? theme.accent : "#3FB950"

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    implicitWidth: column.implicitWidth
    implicitHeight: column.implicitHeight

    ColumnLayout {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 4

        RowLayout {
            spacing: 12

            Text {
                objectName: "headerTitle"
                text: header.title
                font.family: header._family
                font.pixelSize: 20
                font.bold: true
                color: header.theme ? header.theme.text : "#F0F6FC"
            }

            Rectangle {
                id: pill
                objectName: "headerBadge"
                visible: header.badge !== ""
                Layout.preferredWidth: badgeText.implicitWidth + 14
                Layout.preferredHeight: 22
                radius: header.theme ? header.theme.radiusFull : 9999
                color: Qt.rgba(header.badgeColor.r, header.badgeColor.g, header.badgeColor.b, 0.15)
                border.width: 1
                border.color: header.badgeColor

                Text {
                    id: badgeText
                    objectName: "headerBadgeText"
                    anchors.centerIn: parent
                    text: header.badge
                    font.family: header._family
                    font.pixelSize: 11
                    font.weight: Font.DemiBold
                    color: header.badgeColor
                }
            }
        }

        Text {
            objectName: "headerSubtitle"
            visible: header.subtitle.length > 0
            Layout.fillWidth: true
            text: header.subtitle
            font.family: header._family
            font.pixelSize: 13
            color: header.theme ? header.theme.textMuted : "#8B949E"
            wrapMode: Text.WordWrap
            lineHeightMode: Text.ProportionalHeight
            lineHeight: 1.4
        }
    }
}
