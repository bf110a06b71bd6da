// The "Appearance" card: dark mode, the interface language and the accent
// colour. Dark mode and the accent are reported to the page; the language
// goes straight to the language service.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "settings_logic.js" as Logic

Card {
    id: card

    property bool darkMode: false
    property var languageService

    signal darkModeToggled(bool on)
    signal accentPicked(string hex)

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property color _text: theme ? theme.text : "#F0F6FC"
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"
    readonly property int _currentSwatch: Logic.currentSwatchIndex(theme)

    component Divider: Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: 1
        opacity: 0.5
    }

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 16

        SettingsCardHeader {
            theme: card.theme
            iconName: "palette"
            title: qsTranslate("SettingsPage", "Appearance")
        }

        // Dark mode
        RowLayout {
            Layout.fillWidth: true
            spacing: 16

            SettingsRowText {
                Layout.fillWidth: true
                theme: card.theme
                title: qsTranslate("SettingsPage", "Dark Mode")
                description: qsTranslate("SettingsPage", "Use dark color scheme throughout the interface")
            }

            ToggleSwitch {
                objectName: "darkModeSwitch"
                theme: card.theme
                checked: card.darkMode
                onToggled: card.darkModeToggled(checked)
            }
        }

        Divider {
            color: card.theme ? card.theme.stroke : "#30363D"
        }

        // Language
        RowLayout {
            Layout.fillWidth: true
            spacing: 16

            SettingsRowText {
                Layout.fillWidth: true
                theme: card.theme
                title: qsTranslate("SettingsPage", "Language")
                description: qsTranslate("SettingsPage", "Change the app language (takes effect immediately)")
            }

            ComboBox {
                id: languageList
                objectName: "languageList"
                Layout.preferredWidth: 200
                textRole: "label"
                valueRole: "code"
                model: Logic.languages(qsTranslate("SettingsPage", "System default"))
                font.family: card._family
                font.pixelSize: 13
                // The theme's colours for the list, its pop-up and its entries.
                palette.button: card.theme ? card.theme.surface2 : "#21262D"
                palette.buttonText: card._text
                palette.window: card.theme ? card.theme.surface : "#1C2128"
                palette.base: card.theme ? card.theme.surface2 : "#21262D"
                palette.text: card._text
                palette.windowText: card._text
                palette.light: card.theme ? card.theme.surfaceHover : "#30363D"
                palette.mid: card.theme ? card.theme.surface3 : "#2D333B"
                palette.dark: card._muted

                background: Rectangle {
                    implicitWidth: 140
                    implicitHeight: 36
                    radius: card.theme ? card.theme.radiusSm : 8
                    color: card.theme ? card.theme.surface2 : "#21262D"
                    border.width: 1
                    border.color: languageList.hovered || languageList.popup.visible
                                  ? (card.theme ? card.theme.strokeFocus : "#58A6FF")
                                  : (card.theme ? card.theme.stroke : "#30363D")
                }

                // The pop-up and its entries take the theme's colours here:
                // the palette set above does not reach the pop-up, whose
                // highlighted entry would be white text on white.
                delegate: ItemDelegate {
                    id: entry

                    required property var modelData
                    required property int index

                    width: languageList.width
                    height: 32
                    highlighted: languageList.highlightedIndex === index
                    contentItem: Text {
                        text: entry.modelData.label
                        font.family: languageList.font.family
                        font.pixelSize: languageList.font.pixelSize
                        font.bold: languageList.currentIndex === entry.index
                        color: card._text
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                    }
                    background: Rectangle {
                        color: entry.highlighted ? (card.theme ? card.theme.surfaceHover : "#30363D")
                                                 : (card.theme ? card.theme.surface2 : "#21262D")
                    }
                }

                popup: Popup {
                    y: languageList.height + 2
                    width: languageList.width
                    implicitHeight: Math.min(320, entries.contentHeight + 2)
                    padding: 1

                    contentItem: ListView {
                        id: entries
                        clip: true
                        implicitHeight: contentHeight
                        model: languageList.popup.visible ? languageList.delegateModel : null
                        currentIndex: languageList.highlightedIndex
                        ScrollIndicator.vertical: ScrollIndicator {}
                    }

                    background: Rectangle {
                        radius: card.theme ? card.theme.radiusSm : 8
                        color: card.theme ? card.theme.surface2 : "#21262D"
                        border.width: 1
                        border.color: card.theme ? card.theme.stroke : "#30363D"
                    }
                }

                function syncIndex() {
                    currentIndex = Logic.languageIndex(card.languageService)
                }

                // A new list (a re-translated label) resets the selection.
                onModelChanged: syncIndex()
                Component.onCompleted: syncIndex()
                onActivated: function (index) {
                    const service = card.languageService
                    if (!service || typeof service.setLanguage !== "function")
                        return
                    service.setLanguage(Logic.LANGUAGES[index].code)
                }

                Connections {
                    target: card.languageService
                    ignoreUnknownSignals: true
                    function onCurrentLanguageChanged() {
                        languageList.syncIndex()
                    }
                }
            }
        }

        Divider {
            color: card.theme ? card.theme.stroke : "#30363D"
        }

        // Accent colour
        ColumnLayout {
            Layout.fillWidth: true
            spacing: 12

            RowLayout {
                Layout.fillWidth: true
                spacing: 16

                SettingsRowText {
                    Layout.fillWidth: true
                    theme: card.theme
                    title: qsTranslate("SettingsPage", "Accent Color")
                    description: qsTranslate("SettingsPage", "Customize the app highlight color (buttons, accents, clubs/check).")
                }

                SecondaryButton {
                    objectName: "accentResetButton"
                    theme: card.theme
                    text: qsTranslate("SettingsPage", "Reset")
                    enabled: !!card.theme && card.theme.useAccentOverride
                    Layout.preferredWidth: Math.max(90, implicitContentWidth + leftPadding + rightPadding)
                    Layout.preferredHeight: 32
                    onClicked: card.accentPicked("")
                }
            }

            Row {
                spacing: 8

                Repeater {
                    model: Logic.SWATCHES

                    Rectangle {
                        objectName: "swatch_" + modelData.label
                        readonly property bool current: index === card._currentSwatch
                        width: 28
                        height: 28
                        radius: card.theme ? card.theme.radiusSm : 8
                        color: modelData.color
                        border.width: 2
                        border.color: current ? (card.theme ? card.theme.strokeFocus : "#58A6FF")
                                              : (card.theme ? card.theme.stroke : "#30363D")

                        MouseArea {
                            id: swatchArea
                            anchors.fill: parent
                            hoverEnabled: true
                            cursorShape: Qt.PointingHandCursor
                            onClicked: card.accentPicked(modelData.color)
                        }

                        ToolTip {
                            visible: swatchArea.containsMouse
                            text: Logic.tooltipFor(modelData)
                        }
                    }
                }
            }
        }
    }
}
