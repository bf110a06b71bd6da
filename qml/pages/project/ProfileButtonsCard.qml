// The card under the board with the two settings-profile buttons. They are
// equally wide, each at least as wide as the longer label with a margin of
// 16 on either side: the card's implicit width is what the board column must
// give it.
import QtQuick
import QtQuick.Layouts
import Tessaval

Card {
    id: card

    signal loadClicked()
    signal saveClicked()

    readonly property real _buttonWidth: Math.ceil(Math.max(loadButton.implicitContentWidth,
                                                            saveButton.implicitContentWidth)) + 32

    padding: 12

    RowLayout {
        width: parent.width
        spacing: 10

        SecondaryButton {
            id: loadButton
            objectName: "loadSettingsButton"
            theme: card.theme
            text: qsTranslate("ProjectPage", "Load settings")
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            Layout.minimumWidth: card._buttonWidth
            onClicked: card.loadClicked()
        }
        PrimaryButton {
            id: saveButton
            objectName: "saveSettingsButton"
            theme: card.theme
            text: qsTranslate("ProjectPage", "Save settings")
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            Layout.minimumWidth: card._buttonWidth
            onClicked: card.saveClicked()
        }
    }
}
