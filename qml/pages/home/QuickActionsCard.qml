// The "Quick Actions" card: one tile per way into a project. A click reports
// the tile's action ("project", "solve" or "import").
import QtQuick
import QtQuick.Layouts
import Tessaval

Card {
    id: card

    signal actionTriggered(string action)

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    // No translated text in the model: a language switch must not rebuild
    // the tiles inside the layout. Their texts are looked up per tile.
    readonly property var actions: [
        { iconName: "target", action: "project" },
        { iconName: "bolt", action: "solve" },
        { iconName: "chart", action: "import" }
    ]

    function _title(action) {
        switch (action) {
        case "project": return qsTranslate("HomePage", "New Solve")
        case "solve": return qsTranslate("HomePage", "Quick Solve")
        case "import": return qsTranslate("HomePage", "Import Range")
        }
        return ""
    }

    function _description(action) {
        switch (action) {
        case "project": return qsTranslate("HomePage", "Configure board, ranges, tree")
        case "solve": return qsTranslate("HomePage", "Use default settings")
        case "import": return qsTranslate("HomePage", "Load from file")
        }
        return ""
    }

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 16

        RowLayout {
            spacing: 8

            Icon {
                name: "bolt"
                size: 18
                color: card.theme ? card.theme.accent : "#3FB950"
            }

            Text {
                text: qsTranslate("HomePage", "Quick Actions")
                font.family: card._family
                font.pixelSize: 16
                font.bold: true
                color: card.theme ? card.theme.text : "#F0F6FC"
            }
        }

        Repeater {
            model: card.actions

            Rectangle {
                id: tile
                objectName: "quickAction_" + modelData.action
                Layout.fillWidth: true
                // Its icon, texts at their widest word and arrow; taller when
                // a text takes a second line.
                implicitWidth: tileRow.implicitWidth + 2 * tileRow.anchors.margins
                Layout.preferredHeight: Math.max(56, tileTexts.implicitHeight + 24)
                radius: card.theme ? card.theme.radiusSm : 8
                border.width: 1
                border.color: card.theme ? card.theme.stroke : "#30363D"
                color: tileArea.containsMouse ? (card.theme ? card.theme.surfaceHover : "#30363D")
                                              : (card.theme ? card.theme.surface2 : "#21262D")
                Behavior on color {
                    ColorAnimation { duration: 150 }
                }

                RowLayout {
                    id: tileRow
                    anchors.fill: parent
                    anchors.margins: 12
                    spacing: 12

                    Icon {
                        name: modelData.iconName
                        size: 20
                        color: card.theme ? card.theme.text : "#F0F6FC"
                    }

                    ColumnLayout {
                        id: tileTexts
                        Layout.fillWidth: true
                        spacing: 2

                        WrappedText {
                            text: card._title(modelData.action)
                            font.family: card._family
                            font.pixelSize: 13
                            font.weight: Font.DemiBold
                            color: card.theme ? card.theme.text : "#F0F6FC"
                            horizontalAlignment: Text.AlignLeft
                        }

                        WrappedText {
                            text: card._description(modelData.action)
                            font.family: card._family
                            font.pixelSize: 11
                            color: card.theme ? card.theme.textMuted : "#8B949E"
                            horizontalAlignment: Text.AlignLeft
                        }
                    }

                    Text {
                        text: qsTranslate("HomePage", "→")
                        font.family: card._family
                        font.pixelSize: 16
                        color: card.theme ? card.theme.textFaint : "#6E7681"
                    }
                }

                MouseArea {
                    id: tileArea
                    objectName: "quickActionArea"
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: card.actionTriggered(modelData.action)
                }
            }
        }
    }
}
