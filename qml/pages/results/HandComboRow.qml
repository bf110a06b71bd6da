// One combo of the hand list: its two cards, the EV of each action
// relative to folding (one line per action, in the action's colour) and its
// strategy as a frequency bar.
import QtQuick
import QtQuick.Layouts
import Tessaval
import "results_hands.js" as Hands
import "results_frame.js" as Frame

Rectangle {
    id: row

    required property var modelData
    property var page
    property var theme

    readonly property real _scale: page ? page.uiScale : 1
    readonly property var _defs: page ? page._loadedHandActionDefs : []
    readonly property var evLines: Hands.evColumnLines(modelData, _defs)

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    objectName: "handComboRow"
    height: content.implicitHeight + 12
    radius: _tok("radiusXs", 4)
    color: _tok("surface2", "#21262D")
    border.width: 1
    border.color: _tok("stroke", "#30363D")

    RowLayout {
        id: content
        anchors.fill: parent
        anchors.margins: 6
        spacing: Frame.scaled(8, 6, row._scale)

        Row {
            spacing: 4
            Layout.alignment: Qt.AlignVCenter
            Repeater {
                model: [row.modelData ? row.modelData.c1 : "", row.modelData ? row.modelData.c2 : ""]
                delegate: PlayingCard {
                    required property var modelData
                    theme: row.theme
                    mini: true
                    sizeScale: row._scale
                    hoverable: false
                    enableHoverScale: false
                    rank: String(modelData || "").charAt(0)
                    suit: String(modelData || "").charAt(1)
                }
            }
        }
        Text {
            text: qsTranslate("ResultsPage", "EV:")
            // Never narrower than the label (some languages put a space
            // before the colon).
            Layout.preferredWidth: Math.max(Frame.scaled(26, 22, row._scale), Math.ceil(implicitWidth))
            Layout.alignment: Qt.AlignVCenter
            color: row._tok("textMuted", "#8B949E")
            font.family: row._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
            font.weight: Font.DemiBold
        }
        Column {
            objectName: "evColumn"
            Layout.maximumWidth: Frame.scaled(80, 60, row._scale)
            Layout.alignment: Qt.AlignVCenter
            Repeater {
                model: row.evLines
                delegate: Text {
                    required property var modelData
                    objectName: "evLine"
                    text: modelData.text
                    color: row.theme ? row.theme.actionColor(modelData.colorKey) : "#8B949E"
                    font.family: row._tok("fontFamilyResolved", "sans-serif")
                    font.pixelSize: 12
                    font.weight: Font.DemiBold
                }
            }
        }
        ActionBar {
            objectName: "comboBar"
            Layout.fillWidth: true
            Layout.preferredHeight: Frame.scaled(16, 14, row._scale)
            Layout.alignment: Qt.AlignVCenter
            theme: row.theme
            showLabels: false
            actions: Hands.handActionsForProbs(row._defs, row.modelData ? row.modelData.actionProbs : [])
        }
    }
}
