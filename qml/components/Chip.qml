// A pill-shaped label with an optional glyph, remove button and click. A
// removable chip does not take clicks on its body, so that its remove button
// gets them.
import QtQuick
import QtQuick.Layouts

Rectangle {
    id: chip

    property var theme: null
    property string text: ""
    property color tint: theme ? theme.surface2 : "#21262D"
    property color stroke: theme ? theme.stroke : "#30363D"
    property color textColor: theme ? theme.text : "#F0F6FC"
    property string iconText: ""
    property bool removable: false
    property bool clickable: false

    signal clicked()
    signal removeClicked()

    readonly property bool _active: clickable && !removable
    readonly property bool _hovered: _active && bodyArea.containsMouse
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    implicitWidth: row.implicitWidth + 16
    implicitHeight: 28
    height: 28
    radius: theme ? theme.radiusFull : 9999
    border.width: 1
    border.color: stroke
    color: _hovered ? Qt.lighter(tint, 1.1) : tint
    clip: true

    scale: _hovered ? 1.05 : 1.0
    Behavior on scale {
        NumberAnimation { duration: 80 }
    }
    Behavior on color {
        ColorAnimation { duration: 100 }
    }

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 8
        spacing: 6

        Text {
            objectName: "chipGlyph"
            visible: chip.iconText !== ""
            text: chip.iconText
            font.family: chip._family
            font.pixelSize: 12
            color: chip.textColor
            Layout.alignment: Qt.AlignVCenter
        }

        Text {
            objectName: "chipLabel"
            text: chip.text
            font.family: chip._family
            font.pixelSize: 12
            font.weight: Font.DemiBold
            color: chip.textColor
            wrapMode: Text.NoWrap
            maximumLineCount: 1
            elide: Text.ElideRight
            Layout.fillWidth: true
            Layout.preferredWidth: Math.ceil(implicitWidth)
            Layout.alignment: Qt.AlignVCenter
        }

        Rectangle {
            id: removeButton
            objectName: "chipRemove"
            visible: chip.removable
            Layout.preferredWidth: 16
            Layout.preferredHeight: 16
            Layout.alignment: Qt.AlignVCenter
            radius: 8
            color: removeArea.containsMouse ? (chip.theme ? chip.theme.danger : "#F85149") : "transparent"

            Text {
                anchors.centerIn: parent
                text: qsTr("×")
                font.family: chip._family
                font.pixelSize: 12
                font.bold: true
                color: removeArea.containsMouse ? "white" : (chip.theme ? chip.theme.textMuted : "#8B949E")
            }

            MouseArea {
                id: removeArea
                anchors.fill: parent
                enabled: chip.removable
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: chip.removeClicked()
            }
        }
    }

    // Over the content, and inert unless the chip itself is clickable.
    MouseArea {
        id: bodyArea
        objectName: "chipBodyArea"
        anchors.fill: parent
        enabled: chip._active
        hoverEnabled: chip._active
        cursorShape: chip._active ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: chip.clicked()
    }
}
