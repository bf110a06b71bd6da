// The solve page's Recent Runs card: the rows of the page's run list, newest
// first, each with its status pill, start time and summary.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "solve_runs.js" as Runs

Card {
    id: card

    property var model: null

    signal clearClicked()

    readonly property int _rows: model ? model.count : 0
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property var _pillFallbacks: ({
        success: { fill: "#143D2A", border: "#3FB950" },
        info: { fill: "#15223B", border: "#58A6FF" },
        danger: { fill: "#3A1515", border: "#F85149" }
    })

    // One width for every row's pill, so that the times line up: the
    // widest of the four words in the interface language, 90 at least.
    readonly property real _pillWidth: Math.max(90, 16 + Math.ceil(Math.max(
        pillMetrics.advanceWidth(_statusText(Runs.RUNNING)), pillMetrics.advanceWidth(_statusText(Runs.COMPLETED)),
        pillMetrics.advanceWidth(_statusText(Runs.CANCELLED)), pillMetrics.advanceWidth(_statusText(Runs.FAILED)))))

    function _color(token, fallback) {
        return theme ? theme[token] : fallback
    }

    function _statusText(status) {
        switch (status) {
        case Runs.RUNNING: return qsTranslate("SolvePage", "Running")
        case Runs.COMPLETED: return qsTranslate("SolvePage", "Completed")
        case Runs.CANCELLED: return qsTranslate("SolvePage", "Cancelled")
        case Runs.FAILED: return qsTranslate("SolvePage", "Failed")
        }
        return status
    }

    function _pillFill(status) {
        const token = Runs.pillToken(status)
        return theme ? theme.withOpacity(theme[token], 0.18) : _pillFallbacks[token].fill
    }

    function _pillBorder(status) {
        const token = Runs.pillToken(status)
        return theme ? theme[token] : _pillFallbacks[token].border
    }

    FontMetrics {
        id: pillMetrics
        font.family: card._family
        font.pixelSize: 11
        font.weight: Font.DemiBold
    }

    ColumnLayout {
        width: parent.width
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Icon {
                name: "clock"
                size: 16
                color: card._color("accent", "#3FB950")
                Layout.preferredWidth: 16
                Layout.preferredHeight: 16
                Layout.alignment: Qt.AlignVCenter
            }

            Text {
                text: qsTranslate("SolvePage", "Recent Runs")
                font.family: card._family
                font.pixelSize: 16
                font.bold: true
                color: card._color("text", "#F0F6FC")
                Layout.alignment: Qt.AlignVCenter
            }

            Item {
                Layout.fillWidth: true
            }

            SecondaryButton {
                objectName: "clearRunsButton"
                Layout.preferredWidth: Math.max(90, implicitContentWidth + leftPadding + rightPadding)
                theme: card.theme
                text: qsTranslate("SolvePage", "Clear")
                enabled: card._rows > 0
                onClicked: card.clearClicked()
            }
        }

        WrappedText {
            objectName: "noRunsText"
            visible: card._rows === 0
            text: qsTranslate("SolvePage", "No runs yet — click Start Solve to record a run here.")
            font.family: card._family
            font.pixelSize: 13
            color: card._color("textMuted", "#8B949E")
        }

        Rectangle {
            objectName: "runsBox"
            visible: card._rows > 0
            Layout.fillWidth: true
            Layout.preferredHeight: Math.min(180, 42 + 42 * card._rows)
            radius: card._color("radiusSm", 8)
            color: card._color("bg0", "#080B12")
            border.width: 1
            border.color: card._color("strokeLight", "#21262D")

            ListView {
                id: list
                objectName: "runsList"
                anchors.fill: parent
                anchors.margins: 8
                clip: true
                spacing: 8
                model: card.model
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {
                    policy: list.contentHeight > list.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff
                }

                delegate: Rectangle {
                    id: row

                    required property int runId
                    required property string startedAt
                    required property string status
                    required property string summary
                    required property real maxIterations
                    required property real targetPct
                    required property real targetChips
                    required property real threadCount

                    objectName: "runRow"
                    width: ListView.view.width
                    height: 34
                    radius: card._color("radiusXs", 4)
                    color: card._color("surface2", "#21262D")
                    border.width: 1
                    border.color: card._color("stroke", "#30363D")

                    RowLayout {
                        anchors.fill: parent
                        anchors.leftMargin: 8
                        anchors.rightMargin: 8
                        spacing: 10

                        Rectangle {
                            objectName: "runPill"
                            Layout.preferredWidth: card._pillWidth
                            Layout.preferredHeight: 18
                            Layout.alignment: Qt.AlignVCenter
                            radius: 9
                            color: card._pillFill(row.status)
                            border.width: 1
                            border.color: card._pillBorder(row.status)

                            // The stored word in the interface language.
                            Text {
                                objectName: "runStatus"
                                anchors.centerIn: parent
                                text: card._statusText(row.status)
                                font.family: card._family
                                font.pixelSize: 11
                                font.weight: Font.DemiBold
                                color: card._pillBorder(row.status)
                            }
                        }

                        Text {
                            objectName: "runTime"
                            Layout.alignment: Qt.AlignVCenter
                            text: row.startedAt
                            font.family: card._family
                            font.pixelSize: 12
                            color: card._color("textMuted", "#8B949E")
                        }

                        Text {
                            objectName: "runSummary"
                            Layout.fillWidth: true
                            Layout.alignment: Qt.AlignVCenter
                            text: Runs.rowSummary(qsTranslate("SolvePage", "Iterations %1 • Target %2% (≈ %3) • Threads %4"),
                                                  row, Qt.locale())
                            elide: Text.ElideRight
                            font.family: card._family
                            font.pixelSize: 12
                            color: card._color("text", "#F0F6FC")
                        }
                    }
                }
            }
        }
    }
}
