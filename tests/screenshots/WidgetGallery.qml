// The common widgets on one page, for their pictures: the icons at the sizes
// the interface uses, the top bar in three solve states, the sidebar, the
// buttons, switches and chips, panels and headers, stat cards and rings.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

Rectangle {
    id: gallery
    property var theme
    color: theme ? theme.bg0 : "#080B12"

    readonly property color _text: theme ? theme.text : "#F0F6FC"
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"
    readonly property color _accent: theme ? theme.accent : "#3FB950"
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property var _iconNames: [
        "bolt", "calendar", "cards", "chart", "chips", "clipboard", "clock", "file-text",
        "folder-open", "gamepad", "gear", "home", "lock", "monitor", "palette", "save",
        "scroll", "sliders", "stop", "target", "tree", "trend-up"
    ]

    // Stand-ins for the controller: the bar reads these properties only.
    QtObject {
        id: idleController
        property bool running: false
        property string statusText: "Ready"
        property real progress: 0
        property int resultIterations: 0
    }
    QtObject {
        id: solvingController
        property bool running: true
        property string statusText: "Iter 120 | exploitability≈3.2100"
        property real progress: 0.3
        property int resultIterations: 250
    }
    QtObject {
        id: initController
        property bool running: true
        property string statusText: "Init: building game tree structures..."
        property real progress: 0
        property int resultIterations: 0
    }

    component Caption: Text {
        font.family: gallery._family
        font.pixelSize: 12
        font.weight: Font.DemiBold
        font.capitalization: Font.AllUppercase
        color: gallery._muted
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 10

        TopBar {
            Layout.fillWidth: true
            theme: gallery.theme
            controller: idleController
            projectEnabled: false
            canSolve: false
            currentPage: 0
        }
        TopBar {
            Layout.fillWidth: true
            theme: gallery.theme
            controller: solvingController
            projectEnabled: true
            canSolve: true
            currentPage: 2
            maxIterations: 400
            targetExploitability: 0.5
        }
        TopBar {
            Layout.fillWidth: true
            theme: gallery.theme
            controller: initController
            projectEnabled: true
            canSolve: true
            currentPage: 1
            maxIterations: 400
            targetExploitability: 0.5
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 24

            Sidebar {
                Layout.fillHeight: true
                theme: gallery.theme
                currentIndex: 1
            }

            ColumnLayout {
                Layout.fillWidth: true
                Layout.fillHeight: true
                spacing: 10

                Caption { text: "Icons: accent 24 px, text 16 px, muted 14 px" }
                GridLayout {
                    columns: 11
                    columnSpacing: 8
                    rowSpacing: 6
                    Repeater {
                        model: gallery._iconNames
                        delegate: Column {
                            required property string modelData
                            width: 92
                            spacing: 4
                            Row {
                                anchors.horizontalCenter: parent.horizontalCenter
                                spacing: 10
                                Icon { name: modelData; size: 24; color: gallery._accent }
                                Icon { anchors.verticalCenter: parent.verticalCenter; name: modelData; size: 16; color: gallery._text }
                                Icon { anchors.verticalCenter: parent.verticalCenter; name: modelData; size: 14; color: gallery._muted }
                            }
                            Text {
                                anchors.horizontalCenter: parent.horizontalCenter
                                text: modelData
                                font.family: gallery._family
                                font.pixelSize: 11
                                color: gallery._muted
                            }
                        }
                    }
                }

                Caption { text: "Buttons" }
                RowLayout {
                    spacing: 12
                    PrimaryButton { theme: gallery.theme; text: "Start Solve"; iconName: "bolt" }
                    PrimaryButton { theme: gallery.theme; text: "Continue to Solve →"; iconText: "▶" }
                    PrimaryButton { theme: gallery.theme; text: "Solving"; loading: true }
                    PrimaryButton { theme: gallery.theme; text: "Start Solve"; iconName: "bolt"; enabled: false }
                    PrimaryButton { theme: gallery.theme; text: "Running"; loading: true; enabled: false }
                    PrimaryButton { theme: gallery.theme; text: "A very long label that is cut"; Layout.preferredWidth: 160 }
                }
                RowLayout {
                    spacing: 12
                    SecondaryButton { theme: gallery.theme; text: "Open File"; iconName: "folder-open" }
                    SecondaryButton { theme: gallery.theme; text: "Save"; iconName: "save" }
                    SecondaryButton { theme: gallery.theme; text: "Cancel"; iconName: "stop"; danger: true }
                    SecondaryButton { theme: gallery.theme; text: "Reset"; iconText: "↺" }
                    SecondaryButton { theme: gallery.theme; text: "Cancel"; iconName: "stop"; enabled: false }
                }

                Caption { text: "Switches and chips" }
                RowLayout {
                    spacing: 16
                    ToggleSwitch { theme: gallery.theme; checked: false }
                    ToggleSwitch { theme: gallery.theme; checked: true }
                    ToggleSwitch { theme: gallery.theme; checked: false; enabled: false }
                    ToggleSwitch { theme: gallery.theme; checked: true; enabled: false }
                    Chip { theme: gallery.theme; text: "Qt 6" }
                    Chip { theme: gallery.theme; text: "LGPL-3.0"; iconText: "©"; clickable: true }
                    Chip {
                        theme: gallery.theme
                        text: "Info chip"
                        tint: gallery.theme ? gallery.theme.withOpacity(gallery.theme.info, 0.15) : "#1A2A40"
                        stroke: gallery.theme ? gallery.theme.info : "#58A6FF"
                        textColor: gallery.theme ? gallery.theme.info : "#58A6FF"
                    }
                    Chip { theme: gallery.theme; text: "Removable"; removable: true }
                    Chip { theme: gallery.theme; text: "A long label cut inside the chip"; Layout.preferredWidth: 140 }
                }

                Caption { text: "Panels and headers" }
                RowLayout {
                    spacing: 16
                    Layout.fillWidth: true
                    Card {
                        theme: gallery.theme
                        Layout.preferredWidth: 340
                        ColumnLayout {
                            anchors.fill: parent
                            spacing: 8
                            SectionHeader {
                                Layout.fillWidth: true
                                theme: gallery.theme
                                title: "Project Setup"
                                badge: "Ready"
                                subtitle: "Board, ranges and bet sizes of the spot; the subtitle wraps at word boundaries."
                            }
                        }
                    }
                    Card {
                        theme: gallery.theme
                        Layout.preferredWidth: 260
                        RowLayout {
                            spacing: 8
                            Icon { name: "cards"; size: 16; color: gallery._accent }
                            Text {
                                text: "Board"
                                font.family: gallery._family
                                font.pixelSize: 14
                                font.weight: Font.DemiBold
                                color: gallery._text
                            }
                        }
                    }
                    Card {
                        theme: gallery.theme
                        elevated: true
                        accentColor: gallery.theme ? gallery.theme.gold : "#F0B429"
                        Layout.preferredWidth: 260
                        SectionHeader {
                            theme: gallery.theme
                            title: "Solve"
                            badge: "Running"
                            badgeColor: gallery.theme ? gallery.theme.warn : "#F0883E"
                        }
                    }
                }

                Caption { text: "Stat cards" }
                RowLayout {
                    spacing: 16
                    StatCard { theme: gallery.theme; label: "Hands played"; value: "128"; trend: "up" }
                    StatCard { theme: gallery.theme; label: "Accuracy"; value: "87.5"; unit: "%"; trend: "down" }
                    StatCard { theme: gallery.theme; label: "Average EV loss per decision"; value: "0.42"; unit: "EV"; trend: "up" }
                    StatCard {
                        theme: gallery.theme
                        compact: true
                        label: "Exploitability"
                        value: "0.031"
                        accentColor: gallery.theme ? gallery.theme.gold : "#F0B429"
                    }
                    StatCard { theme: gallery.theme; compact: true; label: "Speed"; value: "412"; unit: "it/s" }
                }

                Caption { text: "Progress rings: 0.125, 0.999, 0.5 at 140 px, indeterminate, without text" }
                RowLayout {
                    spacing: 24
                    ProgressRing { theme: gallery.theme; value: 0.125 }
                    ProgressRing { theme: gallery.theme; value: 0.999 }
                    ProgressRing {
                        theme: gallery.theme
                        implicitWidth: 140
                        implicitHeight: 140
                        strokeWidth: 10
                        value: 0.5
                    }
                    ProgressRing { theme: gallery.theme; indeterminate: true; value: 0.3 }
                    ProgressRing { theme: gallery.theme; value: 0.7; showPercentage: false }
                }

                Item { Layout.fillHeight: true }
            }
        }
    }
}
