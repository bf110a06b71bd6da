// A dialog of the set-up page that asks for one name: a label, the name
// field, an error line, and a footer with "Cancel" and a confirming button.
// A click on the confirming button, or Return in the field while it is
// enabled (or always, with `returnAlwaysConfirms`), emits `confirmed`; the
// owner runs its commit and closes the dialog when that succeeds.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

SetupDialog {
    id: dialog

    property string label: ""
    property string placeholderText: ""
    property string errorText: ""
    property string confirmText: ""
    property real confirmWidth: 90
    // Extra condition of the confirming button besides a non-blank name.
    property bool confirmAllowed: true
    readonly property bool confirmEnabled: confirmAllowed && nameField.text.trim().length > 0
    property bool returnAlwaysConfirms: false
    // "Cancel" at the left and the confirming button at the right; a lone
    // "Cancel" stands at the right as in every other dialog.
    property bool cancelAtLeft: false
    readonly property bool _cancelLeft: cancelAtLeft && entryOffered
    property bool focusFieldOnOpen: true
    property real confirmDisabledOpacity: 0.6
    property real confirmPressedDarkerFactor: 0
    property string fieldObjectName: "nameField"
    // False when there is nothing to name (a failed import): the dialog then
    // shows only its error and "Cancel".
    property bool entryOffered: true

    readonly property alias nameField: field
    readonly property alias confirmButton: confirm

    signal confirmed()

    function _returnPressed() {
        if (entryOffered && (returnAlwaysConfirms || confirmEnabled))
            confirmed()
    }

    modal: true
    anchors.centerIn: parent
    padding: 14
    // The frame leaves the top to the title; the content keeps its margin.
    topPadding: 14

    onOpened: {
        if (focusFieldOnOpen && entryOffered)
            field.forceActiveFocus()
    }

    contentItem: ColumnLayout {
        spacing: 10

        Text {
            objectName: "dialogLabel"
            visible: dialog.entryOffered
            Layout.fillWidth: true
            text: dialog.label
            font.family: dialog._family
            font.pixelSize: 12
            color: dialog.theme ? dialog.theme.textMuted : "#8B949E"
            wrapMode: Text.Wrap
        }

        TextField {
            id: field
            objectName: dialog.fieldObjectName
            visible: dialog.entryOffered
            Layout.fillWidth: true
            placeholderText: dialog.placeholderText
            selectByMouse: true
            leftPadding: 10
            rightPadding: 10
            font.family: dialog._family
            font.pixelSize: 12
            color: dialog.theme ? dialog.theme.text : "#F0F6FC"
            placeholderTextColor: dialog.theme ? dialog.theme.textFaint : "#6E7681"
            selectionColor: dialog.theme ? dialog.theme.withOpacity(dialog.theme.accent, 0.35)
                                         : Qt.rgba(0.247, 0.725, 0.314, 0.35)
            selectedTextColor: dialog.theme ? dialog.theme.text : "#F0F6FC"
            background: Rectangle {
                implicitHeight: 32
                radius: dialog.theme ? dialog.theme.radiusSm : 8
                color: dialog.theme ? dialog.theme.surface2 : "#21262D"
                border.width: field.activeFocus ? 2 : 1
                border.color: field.activeFocus ? (dialog.theme ? dialog.theme.strokeFocus : "#58A6FF")
                                                : (dialog.theme ? dialog.theme.stroke : "#30363D")
            }
            onAccepted: dialog._returnPressed()
        }

        Text {
            objectName: "dialogError"
            Layout.fillWidth: true
            visible: dialog.errorText.length > 0
            text: dialog.errorText
            font.family: dialog._family
            font.pixelSize: 11
            color: dialog.theme ? dialog.theme.danger : "#F85149"
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
            layoutDirection: Qt.LeftToRight

            Item {
                visible: !dialog._cancelLeft
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
            Item {
                visible: dialog._cancelLeft
                Layout.fillWidth: true
            }
            SetupAccentButton {
                id: confirm
                objectName: "confirmButton"
                visible: dialog.entryOffered
                theme: dialog.theme
                text: dialog.confirmText
                enabled: dialog.confirmEnabled
                disabledOpacity: dialog.confirmDisabledOpacity
                pressedDarkerFactor: dialog.confirmPressedDarkerFactor
                Layout.preferredWidth: dialog.confirmWidth
                Layout.preferredHeight: 32
                onClicked: dialog.confirmed()
            }
        }
    }
}
