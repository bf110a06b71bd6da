// The solve page's Compute card: how many processor threads the solver
// uses. The box shows the entry the page names and reports the one the user
// picks; it stays usable while a solve runs (a pick counts from the next start).
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

Card {
    id: card

    property var choiceTexts: []
    property int currentChoice: 0

    signal choiceActivated(int index)

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    function _color(token, fallback) {
        return theme ? theme[token] : fallback
    }

    ColumnLayout {
        width: parent.width
        spacing: 12

        RowLayout {
            spacing: 8

            Icon {
                name: "monitor"
                size: 16
                color: card._color("accent", "#3FB950")
                Layout.preferredWidth: 16
                Layout.preferredHeight: 16
                Layout.alignment: Qt.AlignVCenter
            }

            Text {
                text: qsTranslate("SolvePage", "Compute")
                font.family: card._family
                font.pixelSize: 16
                font.bold: true
                color: card._color("text", "#F0F6FC")
                Layout.alignment: Qt.AlignVCenter
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 12

            Text {
                text: qsTranslate("SolvePage", "CPU threads utilized")
                font.family: card._family
                font.pixelSize: 13
                color: card._color("textMuted", "#8B949E")
                Layout.alignment: Qt.AlignVCenter
            }

            ComboBox {
                id: box
                objectName: "threadBox"
                Layout.fillWidth: true
                Layout.minimumWidth: 120
                model: card.choiceTexts
                currentIndex: card.currentChoice
                font.family: card._family
                font.pixelSize: 13
                // A pick replaces the bound index; the page's answer is bound
                // again, so the box always shows the page's thread count.
                onActivated: function (index) {
                    card.choiceActivated(index)
                    box.currentIndex = Qt.binding(function () { return card.currentChoice })
                }

                contentItem: Text {
                    leftPadding: 12
                    rightPadding: box.indicator.width + 12
                    text: box.displayText
                    font: box.font
                    color: card._color("text", "#F0F6FC")
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                }

                indicator: Text {
                    x: box.width - width - 12
                    y: (box.height - height) / 2
                    text: "▼"
                    font.family: card._family
                    font.pixelSize: 10
                    color: card._color("textMuted", "#8B949E")
                }

                background: Rectangle {
                    implicitWidth: 160
                    implicitHeight: 36
                    radius: card._color("radiusSm", 8)
                    color: card._color("surface2", "#21262D")
                    border.width: 1
                    border.color: box.activeFocus || box.hovered ? card._color("strokeFocus", "#58A6FF")
                                                                 : card._color("stroke", "#30363D")
                }

                delegate: ItemDelegate {
                    id: entry

                    required property var modelData
                    required property int index

                    width: box.width
                    height: 32
                    highlighted: box.highlightedIndex === index
                    contentItem: Text {
                        text: entry.modelData
                        font: box.font
                        color: card._color("text", "#F0F6FC")
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                    }
                    background: Rectangle {
                        color: entry.highlighted ? card._color("surfaceHover", "#30363D")
                                                 : card._color("surface2", "#21262D")
                    }
                }

                popup: Popup {
                    y: box.height + 2
                    width: box.width
                    implicitHeight: Math.min(240, list.contentHeight + 2)
                    padding: 1

                    contentItem: ListView {
                        id: list
                        clip: true
                        implicitHeight: contentHeight
                        model: box.popup.visible ? box.delegateModel : null
                        currentIndex: box.highlightedIndex
                        ScrollIndicator.vertical: ScrollIndicator {}
                    }

                    background: Rectangle {
                        radius: card._color("radiusSm", 8)
                        color: card._color("surface2", "#21262D")
                        border.width: 1
                        border.color: card._color("stroke", "#30363D")
                    }
                }
            }
        }
    }
}
