// A confirmation of the set-up page before something is deleted: the
// question, the item's name between typographic quotes (when there is
// one), a note, and "Cancel" and a destructive confirming button. The
// confirming button closes the dialog, then emits `confirmed`.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

SetupDialog {
    id: dialog

    property string question: ""
    property string itemName: ""
    property string note: ""
    property string confirmText: qsTranslate("ProjectPage", "Delete")

    readonly property alias confirmButton: confirm

    signal confirmed()

    modal: true
    anchors.centerIn: parent
    // A fixed width, so that the wrapped lines have a width to wrap at.
    width: 380
    padding: 14
    // The frame leaves the top to the title; the content keeps its margin.
    topPadding: 14

    contentItem: ColumnLayout {
        spacing: 10

        Text {
            objectName: "confirmQuestion"
            Layout.fillWidth: true
            text: dialog.question
            font.family: dialog._family
            font.pixelSize: 12
            color: dialog.theme ? dialog.theme.text : "#F0F6FC"
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "confirmName"
            Layout.fillWidth: true
            visible: dialog.itemName.length > 0
            text: "\u201C" + dialog.itemName + "\u201D"
            font.family: dialog._family
            font.pixelSize: 12
            font.weight: Font.DemiBold
            color: dialog.theme ? dialog.theme.textMuted : "#8B949E"
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "confirmNote"
            Layout.fillWidth: true
            text: dialog.note
            font.family: dialog._family
            font.pixelSize: 11
            color: dialog.theme ? dialog.theme.textFaint : "#6E7681"
            wrapMode: Text.Wrap
        }
    }

    footer: Item {
        implicitHeight: footerRow.implicitHeight + 28
        implicitWidth: footerRow.implicitWidth + 28

        RowLayout {
            id: footerRow
            anchors.fill: parent
            anchors.margins: 14
            spacing: 10

            Item {
                Layout.fillWidth: true
            }
            SetupNeutralButton {
                objectName: "cancelButton"
                theme: dialog.theme
                text: qsTranslate("ProjectPage", "Cancel")
                Layout.preferredWidth: 90
                Layout.preferredHeight: 32
                onClicked: dialog.close()
            }
            SetupDangerButton {
                id: confirm
                objectName: "confirmButton"
                theme: dialog.theme
                text: dialog.confirmText
                Layout.preferredWidth: 90
                Layout.preferredHeight: 32
                onClicked: {
                    dialog.close()
                    dialog.confirmed()
                }
            }
        }
    }
}
