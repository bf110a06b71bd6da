// One street of the played hand's details: its heading, its card(s), and
// the steps taken on it as chips, scrolling once they pass 120 px.
import QtQuick
import QtQuick.Controls
import Tessaval

Column {
    id: column

    property var theme
    property string title: ""
    property string boardText: ""
    property var steps: []

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    spacing: 8

    Text {
        width: column.width
        wrapMode: Text.Wrap
        text: column.title
        color: column._tok("text", "#F0F6FC")
        font.family: column._tok("fontFamilyResolved", "sans-serif")
        font.pixelSize: 12
        font.weight: Font.DemiBold
    }

    BoardDisplay {
        objectName: "streetBoard"
        theme: column.theme
        compact: true
        boardText: column.boardText
        width: implicitWidth
        height: implicitHeight
    }

    Rectangle {
        width: column.width
        height: 1
        color: column._tok("strokeLight", "#21262D")
        opacity: 0.8
    }

    Text {
        objectName: "noSteps"
        visible: !column.steps || column.steps.length === 0
        text: "\u2014"
        color: column._tok("textMuted", "#8B949E")
        font.family: column._tok("fontFamilyResolved", "sans-serif")
        font.pixelSize: 11
    }

    Flickable {
        objectName: "stepsArea"
        visible: !!column.steps && column.steps.length > 0
        width: column.width
        height: Math.max(28, Math.min(120, contentHeight))
        contentWidth: width
        contentHeight: chips.implicitHeight
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

        Column {
            id: chips
            width: parent.width
            spacing: 6
            Repeater {
                model: column.steps || []
                delegate: Rectangle {
                    required property var modelData
                    objectName: "stepChip"
                    width: chips.width
                    height: stepText.implicitHeight + 6
                    radius: column._tok("radiusXs", 4)
                    color: column._tok("surface3", "#2D333B")
                    Text {
                        id: stepText
                        objectName: "stepText"
                        x: 6
                        width: parent.width - 12
                        text: String(modelData)
                        wrapMode: Text.WordWrap
                        color: column._tok("text", "#F0F6FC")
                        font.family: column._tok("fontFamilyResolved", "sans-serif")
                        font.pixelSize: 11
                    }
                }
            }
        }
    }
}
