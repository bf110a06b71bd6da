// The card beside the practice figures: the solve-history figures on the
// left, the machine's figures on the right.
import QtQuick
import QtQuick.Layouts
import Tessaval
import "home_stats.js" as Stats

Card {
    id: card

    property var controller
    property int totalSolves: 0
    property int solvesThisWeek: 0
    property string avgRuntimeText: Stats.DASH

    readonly property int _threads: Stats.threadCount(controller)
    readonly property string threadsText: _threads > 0
                                          ? qsTranslate("HomePage", "%1 available").arg(_threads) : Stats.DASH
    readonly property string memoryText: qsTranslate("HomePage", "%1 (%2 free)")
        .arg(Stats.memoryPart(controller ? controller.systemMemoryText : ""))
        .arg(Stats.memoryPart(controller ? controller.systemAvailableMemoryText : ""))
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    RowLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 16

        HomeFigureColumn {
            theme: card.theme
            iconName: "clock"
            title: qsTranslate("HomePage", "Solve history")
            rows: [
                { name: "totalSolvesValue", label: qsTranslate("HomePage", "Total solves"),
                  value: String(card.totalSolves) },
                { name: "solvesThisWeekValue", label: qsTranslate("HomePage", "Solves this week"),
                  value: String(card.solvesThisWeek) },
                { name: "avgRuntimeValue", label: qsTranslate("HomePage", "Average run time"),
                  value: card.avgRuntimeText }
            ]
        }

        Rectangle {
            objectName: "historyDivider"
            Layout.preferredWidth: 1
            Layout.fillHeight: true
            radius: 1
            color: card.theme ? card.theme.stroke : "#30363D"
            opacity: 0.8
        }

        HomeFigureColumn {
            theme: card.theme
            iconName: "monitor"
            title: qsTranslate("HomePage", "System")
            rows: [
                { name: "engineValue", label: qsTranslate("HomePage", "Engine"),
                  value: qsTranslate("HomePage", "Tessaval Core") },
                { name: "threadsValue", label: qsTranslate("HomePage", "Threads"), value: card.threadsText },
                { name: "memoryValue", label: qsTranslate("HomePage", "Memory"), value: card.memoryText }
            ]
        }
    }
}
