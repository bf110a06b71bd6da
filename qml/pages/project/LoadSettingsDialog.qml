// The load dialog of the settings profiles: one row per profile in stored
// order, a click selects, a double click loads; "Delete" asks for a
// confirmation, "Load" applies the selected profile. The page owns the list,
// the selection and the actions; the dialog only reports.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

SetupDialog {
    id: dialog

    property var profiles: []
    property string selectedId: ""
    property string errorText: ""

    readonly property bool hasSelection: selectedId.length > 0

    signal rowSelected(string id)
    signal loadRequested()
    signal deleteRequested()

    modal: true
    anchors.centerIn: parent
    padding: 14
    // The frame leaves the top to the title; the content keeps its margin.
    topPadding: 14
    title: qsTranslate("ProjectPage", "Load Settings Profile")

    contentItem: ColumnLayout {
        spacing: 10

        Text {
            Layout.fillWidth: true
            text: qsTranslate("ProjectPage", "Choose a saved profile:")
            font.family: dialog._family
            font.pixelSize: 12
            color: dialog.theme ? dialog.theme.textMuted : "#8B949E"
        }

        ColumnLayout {
            objectName: "profileList"
            Layout.fillWidth: true
            spacing: 6

            Repeater {
                model: dialog.profiles
                delegate: Rectangle {
                    id: row
                    required property var modelData
                    readonly property bool selected: dialog.selectedId === String(modelData.id)
                    objectName: "profileRow_" + modelData.name
                    Layout.fillWidth: true
                    // A long name takes more lines.
                    implicitHeight: Math.max(30, nameText.implicitHeight + 14)
                    radius: dialog.theme ? dialog.theme.radiusSm : 8
                    color: selected ? (dialog.theme ? dialog.theme.surface3 : "#2D333B")
                         : rowHover.hovered ? (dialog.theme ? dialog.theme.surfaceHover : "#30363D")
                         : (dialog.theme ? dialog.theme.surface2 : "#21262D")
                    border.width: 1
                    border.color: selected ? (dialog.theme ? dialog.theme.strokeFocus : "#58A6FF")
                                           : (dialog.theme ? dialog.theme.stroke : "#30363D")

                    Text {
                        id: nameText
                        anchors.left: parent.left
                        anchors.leftMargin: 10
                        anchors.verticalCenter: parent.verticalCenter
                        width: row.width - 20
                        text: row.modelData.name
                        font.family: dialog._family
                        font.pixelSize: 12
                        color: dialog.theme ? dialog.theme.text : "#F0F6FC"
                        wrapMode: Text.Wrap
                    }
                    MouseArea {
                        id: rowHover
                        readonly property bool hovered: containsMouse
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: dialog.rowSelected(String(row.modelData.id))
                        onDoubleClicked: {
                            dialog.rowSelected(String(row.modelData.id))
                            dialog.loadRequested()
                        }
                    }
                }
            }
        }

        Text {
            objectName: "noProfilesText"
            visible: !dialog.profiles || dialog.profiles.length === 0
            text: qsTranslate("ProjectPage", "No saved profiles yet.")
            font.family: dialog._family
            font.pixelSize: 11
            color: dialog.theme ? dialog.theme.textFaint : "#6E7681"
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
                objectName: "deleteButton"
                theme: dialog.theme
                outlined: true
                disabledOpacity: 0.6
                enabled: dialog.hasSelection
                text: qsTranslate("ProjectPage", "Delete")
                Layout.preferredWidth: 90
                Layout.preferredHeight: 32
                onClicked: dialog.deleteRequested()
            }
            SetupAccentButton {
                objectName: "loadButton"
                theme: dialog.theme
                enabled: dialog.hasSelection
                text: qsTranslate("ProjectPage", "Load")
                Layout.preferredWidth: 90
                Layout.preferredHeight: 32
                onClicked: dialog.loadRequested()
            }
        }
    }
}
