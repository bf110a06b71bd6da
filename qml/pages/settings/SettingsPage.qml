// The user's preferences: dark or light theme and the accent colour (live on
// the theme, stored on "Save Settings"), the interface language, the notices
// of the open-source components, and the program's updates.
import QtQuick
import QtQuick.Layouts
import Qt.labs.settings
import Tessaval
import "settings_logic.js" as Logic

Item {
    id: root

    property var theme
    property var type
    property bool darkMode: false

    // The services the page reads and calls: the published ones.
    property var appControllerObject: typeof appController !== "undefined" ? appController : null
    property var languageManagerObject: typeof languageManager !== "undefined" ? languageManager : null
    property var updatesObject: typeof updates !== "undefined" ? updates : null

    function _isValidHexColor(s) {
        return Logic.isValidHexColor(s)
    }

    function applyAccentHex(s) {
        if (!theme)
            return
        const request = Logic.accentRequest(s)
        if (request.action === "clear") {
            theme.useAccentOverride = false
        } else if (request.action === "set") {
            theme.useAccentOverride = true
            theme.accentOverride = request.value
        }
    }

    function saveSettings() {
        uiSettings.darkMode = !!darkMode
        uiSettings.accentHex = Logic.storedAccentHex(theme)
        // Written through at once as well: the object itself stores its
        // properties only after a delay.
        uiSettings.setValue("darkMode", uiSettings.darkMode)
        uiSettings.setValue("accentHex", uiSettings.accentHex)
        if (typeof uiSettings.sync === "function")
            uiSettings.sync()
    }

    function resetToDefaults() {
        darkMode = true
        applyAccentHex("")
        saveSettings()
    }

    Settings {
        id: uiSettings
        objectName: "uiSettings"
        category: "ui"
        property string accentHex: ""
        property bool darkMode: true
    }

    // The column of cards and buttons: two thirds of the page, and never
    // narrower than they need (the page then scrolls sideways).
    readonly property real _columnWidth: Math.max(Math.min(width * 0.66, width - 48),
                                                  cardsColumn.implicitWidth, actionRow.implicitWidth)

    PageScrollArea {
        id: scroll
        objectName: "settingsScroll"
        anchors.fill: parent
        requiredWidth: 24 + root._columnWidth + 24
        contentHeight: pageColumn.implicitHeight

        ColumnLayout {
            id: pageColumn
            width: scroll.contentWidth
            spacing: 20

            Item {
                Layout.preferredHeight: 4
            }

            SectionHeader {
                Layout.fillWidth: true
                Layout.leftMargin: 24
                Layout.rightMargin: 24
                theme: root.theme
                title: qsTr("Settings")
            }

            ColumnLayout {
                id: cardsColumn
                Layout.alignment: Qt.AlignHCenter
                Layout.fillWidth: false
                Layout.preferredWidth: root._columnWidth
                spacing: 16

                AppearanceCard {
                    objectName: "appearanceCard"
                    Layout.fillWidth: true
                    theme: root.theme
                    darkMode: root.darkMode
                    languageService: root.languageManagerObject
                    onDarkModeToggled: function (on) { root.darkMode = on }
                    onAccentPicked: function (hex) { root.applyAccentHex(hex) }
                }

                LicensesCard {
                    objectName: "licensesCard"
                    Layout.fillWidth: true
                    theme: root.theme
                    controller: root.appControllerObject
                }

                UpdatesCard {
                    objectName: "updatesCard"
                    Layout.fillWidth: true
                    theme: root.theme
                    updateService: root.updatesObject
                }
            }

            RowLayout {
                id: actionRow
                Layout.alignment: Qt.AlignHCenter
                Layout.fillWidth: false
                Layout.preferredWidth: root._columnWidth
                spacing: 12

                Item {
                    Layout.fillWidth: true
                }

                SecondaryButton {
                    objectName: "resetDefaultsButton"
                    theme: root.theme
                    text: qsTr("Reset to Defaults")
                    onClicked: root.resetToDefaults()
                }

                PrimaryButton {
                    objectName: "saveSettingsButton"
                    theme: root.theme
                    text: qsTr("Save Settings")
                    onClicked: root.saveSettings()
                }
            }

            Item {
                Layout.preferredHeight: 24
            }
        }
    }
}
