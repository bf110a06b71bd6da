// The home page's top row: the title band with its three buttons and the
// logo beside it.
import QtQuick
import QtQuick.Layouts
import Tessaval

RowLayout {
    id: hero

    property var theme

    signal newSolveClicked()
    signal saveClicked()
    signal openClicked()

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    spacing: 20

    Rectangle {
        id: band
        objectName: "heroBand"
        // Its texts and buttons within the margins.
        implicitWidth: bandColumn.implicitWidth + 2 * bandColumn.anchors.margins
        Layout.fillWidth: true
        Layout.preferredHeight: 180
        radius: hero.theme ? hero.theme.radiusLg : 16
        border.width: 1
        border.color: hero.theme ? hero.theme.stroke : "#30363D"
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: hero.theme ? hero.theme.surface : "#1C2128" }
            GradientStop { position: 1.0; color: hero.theme ? hero.theme.darken(hero.theme.accent, 0.5) : "#0F2818" }
        }

        ColumnLayout {
            id: bandColumn
            anchors.fill: parent
            anchors.margins: 32
            spacing: 0

            Text {
                objectName: "heroTitle"
                text: qsTranslate("HomePage", "Tessaval")
                font.family: hero._family
                font.pixelSize: 28
                font.bold: true
                color: hero.theme ? hero.theme.text : "#F0F6FC"
                Layout.fillWidth: true
                elide: Text.ElideRight
            }

            Text {
                objectName: "heroSubtitle"
                Layout.topMargin: 4
                Layout.fillWidth: true
                text: qsTranslate("HomePage", "A modern, high-performance holdem solver")
                font.family: hero._family
                font.pixelSize: 14
                color: hero.theme ? hero.theme.textMuted : "#8B949E"
                elide: Text.ElideRight
            }

            RowLayout {
                Layout.topMargin: 16
                spacing: 12

                PrimaryButton {
                    objectName: "heroNewSolve"
                    theme: hero.theme
                    text: qsTranslate("HomePage", "New Solve")
                    iconText: "+"
                    onClicked: hero.newSolveClicked()
                }

                SecondaryButton {
                    objectName: "heroSave"
                    theme: hero.theme
                    text: qsTranslate("HomePage", "Save")
                    iconName: "save"
                    onClicked: hero.saveClicked()
                }

                SecondaryButton {
                    objectName: "heroOpen"
                    theme: hero.theme
                    text: qsTranslate("HomePage", "Open File")
                    iconName: "folder-open"
                    onClicked: hero.openClicked()
                }
            }

            Item {
                Layout.fillHeight: true
            }
        }
    }

    Image {
        objectName: "heroLogo"
        Layout.preferredWidth: 180
        Layout.preferredHeight: 180
        Layout.alignment: Qt.AlignVCenter
        source: "../../assets/Kandrewit_logo.png"
        sourceSize.width: 360
        sourceSize.height: 360
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
    }
}
