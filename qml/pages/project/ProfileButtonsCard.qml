// The card under the board with the two settings-profile buttons.
import QtQuick
import QtQuick.Layouts
import Tessaval

Card {
    id: card

    signal loadClicked()
    signal saveClicked()

    padding: 12

    RowLayout {
        width: parent.width
        spacing: 10

        SecondaryButton {
            objectName: "loadSettingsButton"
            theme: card.theme
            text: qsTranslate("ProjectPage", "Load settings")
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            onClicked: card.loadClicked()
        }
        PrimaryButton {
            objectName: "saveSettingsButton"
            theme: card.theme
            text: qsTranslate("ProjectPage", "Save settings")
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            onClicked: card.saveClicked()
        }
    }
}
