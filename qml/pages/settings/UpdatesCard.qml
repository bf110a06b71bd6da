// The "Updates" card: a view of the update service (version, last check,
// errors, the available update and its download) with the buttons that
// start a check and an update.
import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import QtQuick.Layouts
import Tessaval
import "settings_logic.js" as Logic

Card {
    id: card

    property var updateService

    readonly property var view: Logic.updateView(updateService)
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property color _muted: theme ? theme.textMuted : "#8B949E"

    readonly property string versionText: qsTranslate("SettingsPage", "Current version: %1")
        .arg(view.version.length > 0 ? view.version : qsTranslate("SettingsPage", "Unknown"))
    readonly property string lastCheckedText: view.showLastChecked
        ? qsTranslate("SettingsPage", "Last checked: %1").arg(view.lastCheckedAt.toLocaleString(Qt.locale(), Locale.LongFormat))
        : ""
    readonly property string downloadText: view.downloadKind === "done" ? qsTranslate("SettingsPage", "Downloaded")
        : view.downloadKind === "percent" ? qsTranslate("SettingsPage", "Downloading: %1%").arg(view.downloadPercent)
        : qsTranslate("SettingsPage", "Downloading…")
    readonly property string checkButtonText: view.checkKind === "checking" ? qsTranslate("SettingsPage", "Checking...")
                                                                            : qsTranslate("SettingsPage", "Check for updates")
    readonly property string primaryButtonText: view.primaryKind === "updating" ? qsTranslate("SettingsPage", "Updating…")
        : view.primaryKind === "install" ? qsTranslate("SettingsPage", "Install update")
        : qsTranslate("SettingsPage", "Update")

    component StatusLine: Text {
        Layout.fillWidth: true
        font.pixelSize: 12
        wrapMode: Text.Wrap
    }

    function _call(method) {
        if (updateService && typeof updateService[method] === "function")
            updateService[method]()
    }

    MessageDialog {
        id: updateConfirmDialog
        objectName: "updateConfirmDialog"
        title: qsTranslate("SettingsPage", "Install update?")
        text: qsTranslate("SettingsPage", "Tessaval will close to install the update. Continue?")
        buttons: MessageDialog.Ok | MessageDialog.Cancel
        onAccepted: card._call("updateNow")
    }

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 16

        SettingsCardHeader {
            theme: card.theme
            iconName: "trend-up"
            title: qsTranslate("SettingsPage", "Updates")
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 6

            StatusLine {
                objectName: "updateVersionLine"
                text: card.versionText
                font.family: card._family
                color: card._muted
            }
            StatusLine {
                objectName: "updateLastCheckedLine"
                visible: card.view.showLastChecked
                text: card.lastCheckedText
                font.family: card._family
                color: card._muted
            }
            StatusLine {
                objectName: "updateErrorLine"
                visible: card.view.showError
                text: card.view.error
                font.family: card._family
                color: card.theme ? card.theme.danger : "#F85149"
            }
            StatusLine {
                objectName: "updateAvailableLine"
                visible: card.view.showAvailable
                text: qsTranslate("SettingsPage", "Update available: %1").arg(card.view.latestVersion)
                font.family: card._family
                color: card.theme ? card.theme.success : "#3FB950"
            }
            StatusLine {
                objectName: "updateNoneLine"
                visible: card.view.showNoUpdates
                text: qsTranslate("SettingsPage", "No updates available.")
                font.family: card._family
                color: card._muted
            }
            StatusLine {
                objectName: "updateNotesLine"
                visible: card.view.showNotes
                text: card.view.notes
                font.family: card._family
                color: card._muted
            }

            ColumnLayout {
                objectName: "downloadBlock"
                visible: card.view.showDownload
                Layout.fillWidth: true
                spacing: 6

                Rectangle {
                    objectName: "downloadTrack"
                    Layout.fillWidth: true
                    Layout.preferredHeight: 8
                    radius: 4
                    color: card.theme ? card.theme.surface3 : "#2D333B"

                    Rectangle {
                        objectName: "downloadFill"
                        height: parent.height
                        width: parent.width * card.view.downloadProgress
                        radius: 4
                        gradient: Gradient {
                            orientation: Gradient.Horizontal
                            GradientStop { position: 0.0; color: card.theme ? card.theme.accent : "#3FB950" }
                            GradientStop { position: 1.0; color: card.theme ? card.theme.accentMuted : "#238636" }
                        }
                        Behavior on width {
                            NumberAnimation { duration: 150 }
                        }
                    }
                }

                StatusLine {
                    objectName: "downloadText"
                    text: card.downloadText
                    font.family: card._family
                    color: card._muted
                }
            }
        }

        RowLayout {
            spacing: 12

            SecondaryButton {
                objectName: "checkUpdatesButton"
                theme: card.theme
                text: card.checkButtonText
                enabled: card.view.checkEnabled
                onClicked: card._call("checkNow")
            }

            PrimaryButton {
                objectName: "updateButton"
                theme: card.theme
                text: card.primaryButtonText
                enabled: card.view.primaryEnabled
                onClicked: updateConfirmDialog.open()
            }
        }
    }
}
