// A vertical navigation panel: brand, one entry per page, version line. A
// click only asks for a page; the owner answers by setting currentIndex.
import QtQuick
import QtQuick.Layouts
import Tessaval

Rectangle {
    id: sidebar

    property var theme
    property int currentIndex: 0

    signal navigate(int index)

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property var _entries: [
        { title: qsTr("Home"), icon: "home", subtitle: qsTr("Overview & quick actions") },
        { title: qsTr("Setup"), icon: "clipboard", subtitle: qsTr("Board, ranges, tree") },
        { title: qsTr("Solve"), icon: "bolt", subtitle: qsTr("Run solver") },
        { title: qsTr("Results"), icon: "chart", subtitle: qsTr("Browse strategies") },
        { title: qsTr("Settings"), icon: "gear", subtitle: qsTr("Preferences") }
    ]

    function _color(token, fallback) {
        return theme ? theme[token] : fallback
    }

    implicitWidth: 240
    width: 240
    color: _color("bg1", "#0D1117")

    Rectangle {
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 1
        color: sidebar._color("stroke", "#30363D")
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 16
        spacing: 16

        RowLayout {
            spacing: 12

            Rectangle {
                Layout.preferredWidth: 40
                Layout.preferredHeight: 40
                radius: sidebar._color("radiusSm", 8)
                gradient: Gradient {
                    GradientStop { position: 0.0; color: sidebar._color("accent", "#3FB950") }
                    GradientStop { position: 1.0; color: sidebar._color("accentMuted", "#238636") }
                }

                Text {
                    anchors.centerIn: parent
                    text: qsTr("♠")
                    font.family: sidebar._family
                    font.pixelSize: 22
                    color: "white"
                }
            }

            ColumnLayout {
                spacing: 0

                Text {
                    text: qsTr("Tessaval")
                    font.family: sidebar._family
                    font.pixelSize: 18
                    font.bold: true
                    font.letterSpacing: -0.5
                    color: sidebar._color("text", "#F0F6FC")
                }
                Text {
                    text: qsTr("Poker Solver")
                    font.family: sidebar._family
                    font.pixelSize: 11
                    font.weight: Font.Normal
                    color: sidebar._color("textMuted", "#8B949E")
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: sidebar._color("stroke", "#30363D")
            opacity: 0.5
        }

        ListView {
            id: list
            objectName: "sidebarEntries"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            spacing: 4
            model: sidebar._entries

            delegate: Item {
                id: entry
                objectName: "sidebarEntry" + index

                required property var modelData
                required property int index
                readonly property bool selected: sidebar.currentIndex === index
                readonly property color _contentColor: selected ? sidebar._color("text", "#F0F6FC")
                                                                : sidebar._color("textMuted", "#8B949E")

                width: ListView.view.width
                height: 52

                Rectangle {
                    objectName: "entryPlate"
                    anchors.fill: parent
                    radius: sidebar._color("radiusSm", 8)
                    border.width: 1
                    color: entry.selected ? sidebar._color("surface", "#1C2128")
                         : entryArea.containsMouse ? sidebar._color("surfaceHover", "#30363D")
                         : "transparent"
                    border.color: entry.selected ? sidebar._color("stroke", "#30363D") : "transparent"

                    Behavior on color {
                        ColorAnimation { duration: 150 }
                    }
                }

                Rectangle {
                    objectName: "entryAccentBar"
                    visible: entry.selected
                    x: 4
                    y: 4
                    width: 3
                    height: parent.height - 8
                    radius: 2
                    color: sidebar._color("accent", "#3FB950")
                }

                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 14
                    anchors.rightMargin: 14
                    spacing: 12

                    Icon {
                        name: entry.modelData.icon
                        size: 18
                        color: entry._contentColor
                        iconOpacity: entry.selected ? 1.0 : 0.85
                        Layout.preferredWidth: 18
                        Layout.preferredHeight: 18
                    }

                    ColumnLayout {
                        spacing: 0
                        Layout.fillWidth: true

                        Text {
                            objectName: "entryTitle"
                            text: entry.modelData.title
                            font.family: sidebar._family
                            font.pixelSize: 14
                            font.weight: entry.selected ? Font.DemiBold : Font.Normal
                            color: entry._contentColor
                            elide: Text.ElideRight
                            Layout.fillWidth: true
                        }
                        Text {
                            objectName: "entrySubtitle"
                            visible: entry.selected
                            text: entry.modelData.subtitle
                            font.family: sidebar._family
                            font.pixelSize: 11
                            color: sidebar._color("textFaint", "#6E7681")
                            elide: Text.ElideRight
                            Layout.fillWidth: true
                        }
                    }
                }

                MouseArea {
                    id: entryArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: sidebar.navigate(entry.index)
                }
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: sidebar._color("stroke", "#30363D")
            opacity: 0.5
        }

        RowLayout {
            spacing: 8

            Rectangle {
                Layout.preferredWidth: 8
                Layout.preferredHeight: 8
                radius: 4
                color: sidebar._color("success", "#3FB950")
            }
            Text {
                text: qsTr("v0.1.0 dev")
                font.family: sidebar._family
                font.pixelSize: 11
                color: sidebar._color("textFaint", "#6E7681")
            }
        }
    }
}
