// The "Licenses" card: the open-source components the program ships with,
// and the buttons that open the notices beside the executable.
import QtQuick
import QtQuick.Layouts
import Tessaval

Card {
    id: card

    property var controller

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property color _info: theme ? theme.info : "#58A6FF"
    // Names and licences stand as written.
    readonly property var notices: [
        { name: "Qt Framework", license: "LGPL v3", note: "Runtime (dynamic linking)" }
    ]

    function _call(method) {
        if (controller && typeof controller[method] === "function")
            controller[method]()
    }

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 16

        SettingsCardHeader {
            theme: card.theme
            iconName: "scroll"
            title: qsTranslate("SettingsPage", "Licenses")
        }

        Repeater {
            model: card.notices

            Rectangle {
                objectName: "notice_" + index
                Layout.fillWidth: true
                Layout.preferredHeight: 56
                radius: card.theme ? card.theme.radiusSm : 8
                color: card.theme ? card.theme.surface2 : "#21262D"
                border.width: 1
                border.color: card.theme ? card.theme.strokeLight : "#21262D"

                RowLayout {
                    anchors.fill: parent
                    anchors.margins: 12
                    spacing: 12

                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 2

                        Text {
                            Layout.fillWidth: true
                            text: modelData.name
                            font.family: card._family
                            font.pixelSize: 13
                            font.weight: Font.DemiBold
                            color: card.theme ? card.theme.text : "#F0F6FC"
                            elide: Text.ElideRight
                        }

                        Text {
                            Layout.fillWidth: true
                            text: modelData.note
                            font.family: card._family
                            font.pixelSize: 11
                            color: card.theme ? card.theme.textFaint : "#6E7681"
                            elide: Text.ElideRight
                        }
                    }

                    Chip {
                        theme: card.theme
                        text: modelData.license
                        tint: Qt.rgba(card._info.r, card._info.g, card._info.b, 0.15)
                        stroke: card._info
                        textColor: card._info
                    }
                }
            }
        }

        WrappedText {
            text: qsTranslate("SettingsPage", "Third-party notices and license texts are included in the 'licenses' folder next to the executable.")
            font.family: card._family
            font.pixelSize: 11
            color: card.theme ? card.theme.textFaint : "#6E7681"
        }

        RowLayout {
            spacing: 12

            SecondaryButton {
                objectName: "openLicensesButton"
                theme: card.theme
                text: qsTranslate("SettingsPage", "Open licenses folder")
                iconName: "folder-open"
                onClicked: card._call("openLicensesFolder")
            }

            SecondaryButton {
                objectName: "openNoticesButton"
                theme: card.theme
                text: qsTranslate("SettingsPage", "Open notices")
                iconName: "file-text"
                onClicked: card._call("openThirdPartyNotices")
            }
        }
    }
}
