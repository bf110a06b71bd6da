// The header of the results page's strategy card: the board of the path
// (or of the practice hand), the player to act, the "Distributions" and
// view buttons, and the result's EVs and exploitability.
import QtQuick
import QtQuick.Layouts
import Tessaval
import "results_frame.js" as Frame
import "results_matrix.js" as Matrix
import "practice_logic.js" as Practice

RowLayout {
    id: header

    property var page
    property var theme

    readonly property var _c: page ? page.controller : null
    readonly property string _dash: qsTranslate("ResultsPage", "\u2014")
    readonly property string evOopText: _c ? Frame.seatEvText(_c.resultEvOop, _c.resultStartingPot) : _dash
    readonly property string evIpText: _c ? Frame.seatEvText(_c.resultEvIp, _c.resultStartingPot) : _dash
    readonly property string exploitabilityText: _c ? Frame.exploitabilityText(_c.resultExploitability) : _dash
    // In a hand, what the table waits for: a hand that is over or a card
    // to deal has no seat to act, whatever node the tree shows.
    readonly property var _badgeMeta: !page ? ({})
                                      : page.playMode && page.playSessionStarted
                                      ? ({ nodeType: Practice.handNodeType(page.currentMeta.nodeType, page.playHandComplete,
                                                                           page.playAwaitingChanceCard) })
                                      : page.currentMeta
    // The seat's colour at a decision; a deal or a hand's end has no seat.
    readonly property color _seatColor: page && _badgeMeta.nodeType !== "decision"
                                        ? (theme ? theme.textMuted : "#8B949E")
                                        : page && page.selectedPlayer === "OOP"
                                        ? (theme ? theme.actionBet : "#A371F7")
                                        : (theme ? theme.info : "#58A6FF")
    readonly property int _buttonWidth: Frame.scaled(140, 110, page ? page.uiScale : 1)
    // On narrow pages the statistics give way first (their captions elide,
    // their values stay whole).
    readonly property int _statMinWidth: 72

    // The least width of the row: the title and board beside both buttons
    // and the statistics at their least.
    readonly property real leastWidth: titleColumn.implicitWidth + spacing + buttonRow.spacing * 4
                                       + distributionsButton.Layout.minimumWidth
                                       + playToggleButton.Layout.minimumWidth + evOopStat.Layout.minimumWidth
                                       + evIpStat.Layout.minimumWidth + exploitabilityStat.Layout.minimumWidth + spacing

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    spacing: 12

    ColumnLayout {
        id: titleColumn
        Layout.alignment: Qt.AlignVCenter
        spacing: 8

        Text {
            objectName: "resultsTitle"
            text: header.page && header.page.playMode ? qsTranslate("ResultsPage", "Play vs. Solution")
                                                      : qsTranslate("ResultsPage", "Strategy View")
            color: header._tok("text", "#F0F6FC")
            font.family: header._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 18
            font.bold: true
        }

        RowLayout {
            spacing: 12

            BoardDisplay {
                objectName: "headerBoard"
                theme: header.theme
                compact: true
                cardScale: header.page ? header.page.uiScale : 1
                boardText: !header.page ? ""
                           : header.page.playMode && header.page.playSessionStarted ? header.page.playBoardText
                           : header.page.treeBoardText
            }
            Rectangle {
                Layout.preferredWidth: 1
                Layout.preferredHeight: 30
                color: header._tok("stroke", "#30363D")
            }
            Rectangle {
                objectName: "playerBadge"
                Layout.preferredHeight: 26
                Layout.preferredWidth: badgeText.implicitWidth + 20
                radius: height / 2
                color: header.theme ? header.theme.withOpacity(header._seatColor, 0.15)
                                    : Qt.rgba(header._seatColor.r, header._seatColor.g, header._seatColor.b, 0.15)
                border.width: 1
                border.color: header._seatColor
                Text {
                    id: badgeText
                    objectName: "playerBadgeText"
                    anchors.centerIn: parent
                    text: !header.page ? ""
                          : Matrix.actorText(header._badgeMeta, header.page.selectedPlayer, {
                                toAct: qsTranslate("ResultsPage", "%1 to act"),
                                deal: qsTranslate("ResultsPage", "Card to deal"),
                                over: qsTranslate("ResultsPage", "Hand over")
                            })
                    color: header._seatColor
                    font.family: header._tok("fontFamilyResolved", "sans-serif")
                    font.pixelSize: 11
                    font.weight: Font.DemiBold
                }
            }
        }
    }

    Item { Layout.fillWidth: true }

    RowLayout {
        id: buttonRow
        Layout.alignment: Qt.AlignVCenter
        spacing: 12

        SecondaryButton {
            id: distributionsButton
            objectName: "distributionsButton"
            theme: header.theme
            text: qsTranslate("ResultsPage", "Distributions")
            enabled: !!header._c
            // Never narrower than its text.
            Layout.preferredWidth: Math.max(header._buttonWidth, implicitWidth)
            Layout.minimumWidth: Layout.preferredWidth
            onClicked: header.page.distDialog.open()
        }
        SecondaryButton {
            id: playToggleButton
            objectName: "playToggleButton"
            theme: header.theme
            text: header.page && header.page.playMode ? qsTranslate("ResultsPage", "Range view")
                                                      : qsTranslate("ResultsPage", "Play vs solution")
            Layout.preferredWidth: Math.max(header._buttonWidth, implicitWidth)
            Layout.minimumWidth: Layout.preferredWidth
            onClicked: header.page.playMode = !header.page.playMode
        }
        StatCard {
            id: evOopStat
            objectName: "evOopStat"
            theme: header.theme
            compact: true
            Layout.fillWidth: true
            Layout.preferredWidth: implicitWidth
            Layout.maximumWidth: implicitWidth
            Layout.minimumWidth: Math.max(header._statMinWidth, leastWidth)
            label: qsTranslate("ResultsPage", "EV (OOP)")
            value: header.evOopText
            unit: ""
            accentColor: header._tok("success", "#3FB950")
        }
        StatCard {
            id: evIpStat
            objectName: "evIpStat"
            theme: header.theme
            compact: true
            Layout.fillWidth: true
            Layout.preferredWidth: implicitWidth
            Layout.maximumWidth: implicitWidth
            Layout.minimumWidth: Math.max(header._statMinWidth, leastWidth)
            label: qsTranslate("ResultsPage", "EV (IP)")
            value: header.evIpText
            unit: ""
            accentColor: header._tok("info", "#58A6FF")
        }
        StatCard {
            id: exploitabilityStat
            objectName: "exploitabilityStat"
            theme: header.theme
            compact: true
            Layout.fillWidth: true
            Layout.preferredWidth: implicitWidth
            Layout.maximumWidth: implicitWidth
            Layout.minimumWidth: Math.max(header._statMinWidth, leastWidth)
            label: qsTranslate("ResultsPage", "Exploitability")
            value: header.exploitabilityText
            unit: ""
            accentColor: header._tok("gold", "#F0B429")
        }
    }
}
