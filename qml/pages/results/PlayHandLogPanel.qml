// The hand log: every practice hand played since the page was created,
// newest first, each a small card coloured by its outcome. A click on a
// hand shows its details.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

Rectangle {
    id: panel

    property var page
    property var theme

    readonly property int _count: page ? page.playHandLog.count : 0
    // One card size for every row: the one at which a row with a full board
    // keeps its cards on one line.
    readonly property real _cardScale: widestRow.fittingCardScale(list.width)

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    radius: _tok("radiusMd", 12)
    color: _tok("surface2", "#21262D")
    border.width: 1
    border.color: _tok("stroke", "#30363D")

    // A row with a full board at full size, never shown: what the rows'
    // card size is measured on.
    PlayHandLogRow {
        id: widestRow
        visible: false
        index: -1
        board: "AsKsQsJsTs"
        role: "OOP"
        oop: "AhAd"
        ip: ""
        evLoss: 0
        isMistake: false
        theme: panel.theme
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 12
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            Text {
                text: qsTranslate("ResultsPage", "Hand Log")
                color: panel._tok("text", "#F0F6FC")
                font.family: panel._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 14
                font.bold: true
            }
            Item { Layout.fillWidth: true }
            Text {
                objectName: "handCount"
                text: panel._count > 0 ? qsTranslate("ResultsPage", "%1 hands").arg(panel._count) : ""
                color: panel._tok("textMuted", "#8B949E")
                font.family: panel._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 11
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            radius: panel._tok("radiusSm", 8)
            color: panel._tok("bg0", "#080B12")
            border.width: 1
            border.color: panel._tok("strokeLight", "#21262D")

            ListView {
                id: list
                objectName: "handLogList"
                anchors.fill: parent
                anchors.margins: 8
                clip: true
                spacing: 8
                boundsBehavior: Flickable.StopAtBounds
                model: panel.page ? panel.page.playHandLog : null
                ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
                delegate: PlayHandLogRow {
                    width: list.width
                    page: panel.page
                    theme: panel.theme
                    cardScale: panel._cardScale
                }
            }
        }
    }
}
