// The "Distributions" dialog: each seat's hands at the current node ranked
// by equity or EV. The header's "Distributions" button calls open(); the
// data are asked for at each opening and, while the controller computes
// them, again when it announces them for the node shown.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "results_distributions.js" as Dist

Dialog {
    id: dialog

    property var page
    property var theme

    readonly property string payloadState: Dist.payloadState(page ? page._distPayload : null)
    readonly property alias plot: plot

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    function repaint() {
        plot.repaint()
    }

    parent: page
    modal: true
    title: qsTranslate("ResultsPage", "Distributions")
    width: page ? Math.min(0.92 * page.width, 980) : 980
    height: page ? Math.min(0.86 * page.height, 680) : 680
    x: page ? Math.round((page.width - width) / 2) : 0
    y: page ? Math.round((page.height - height) / 2) : 0
    padding: 12

    onAboutToShow: {
        page._distMetricEquity = true
        page._distHoverT = -1.0
        page._reloadDistributions()
        plot.repaint()
    }
    onClosed: {
        page._distHoverT = -1.0
        plot.repaint()
    }

    header: Item {
        implicitHeight: titleText.implicitHeight + 20
        Text {
            id: titleText
            objectName: "distDialogTitle"
            anchors.left: parent.left
            anchors.leftMargin: 16
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 2
            text: dialog.title
            color: dialog._tok("text", "#F0F6FC")
            font.family: dialog._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 16
            font.bold: true
        }
    }

    background: Rectangle {
        radius: dialog.theme ? dialog.theme.radiusMd : 12
        color: dialog._tok("surface", "#0B1220")
        border.width: 1
        border.color: dialog._tok("stroke", "#30363D")
    }

    contentItem: Rectangle {
        radius: dialog.theme ? dialog.theme.radiusMd : 12
        color: dialog._tok("bg0", "#080B12")
        border.width: 1
        border.color: dialog._tok("stroke", "#30363D")

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 14
            spacing: 10

            RowLayout {
                Layout.fillWidth: true
                spacing: 10

                Text {
                    objectName: "distHeading"
                    text: dialog.page && !dialog.page._distMetricEquity ? qsTranslate("ResultsPage", "EV by hand")
                                                                        : qsTranslate("ResultsPage", "Equity by hand")
                    color: dialog._tok("text", "#F0F6FC")
                    font.family: dialog._tok("fontFamilyResolved", "sans-serif")
                    font.pixelSize: 14
                    font.bold: true
                }
                Item { Layout.fillWidth: true }
                SecondaryButton {
                    objectName: "distCloseButton"
                    theme: dialog.theme
                    text: qsTranslate("ResultsPage", "Close")
                    onClicked: dialog.close()
                }
                Text {
                    text: qsTranslate("ResultsPage", "Equity")
                    color: dialog._tok("textMuted", "#8B949E")
                    font.family: dialog._tok("fontFamilyResolved", "sans-serif")
                    font.pixelSize: 12
                }
                ToggleSwitch {
                    objectName: "distMetricSwitch"
                    theme: dialog.theme
                    checked: !!dialog.page && !dialog.page._distMetricEquity
                    onToggled: {
                        dialog.page._distMetricEquity = !checked
                        plot.repaint()
                    }
                }
                Text {
                    text: qsTranslate("ResultsPage", "EV")
                    color: dialog._tok("textMuted", "#8B949E")
                    font.family: dialog._tok("fontFamilyResolved", "sans-serif")
                    font.pixelSize: 12
                }
            }

            Rectangle {
                Layout.fillWidth: true
                Layout.preferredHeight: 1
                color: dialog._tok("stroke", "#30363D")
                opacity: 0.5
            }

            Text {
                objectName: "distComputingText"
                visible: dialog.payloadState === "pending"
                text: qsTranslate("ResultsPage", "Computing distributions\u2026")
                color: dialog._tok("textMuted", "#8B949E")
                font.family: dialog._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 12
            }

            Text {
                objectName: "distErrorText"
                visible: dialog.payloadState === "error"
                Layout.fillWidth: true
                text: {
                    const e = dialog.page && dialog.page._distPayload ? dialog.page._distPayload.error : ""
                    return e !== undefined && e !== null && String(e).length > 0
                           ? String(e) : qsTranslate("ResultsPage", "Distributions unavailable.")
                }
                color: dialog._tok("danger", "#F85149")
                font.family: dialog._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 12
                wrapMode: Text.Wrap
            }

            DistributionsPlot {
                id: plot
                objectName: "distPlot"
                Layout.fillWidth: true
                Layout.fillHeight: true
                page: dialog.page
                theme: dialog.theme
            }
        }
    }
}
