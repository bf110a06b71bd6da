// The set-up page's header: the title with the board's readiness badge, the
// memory figures of the solve, and the way on to the solve page.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "page_layout.js" as PageLayout

RowLayout {
    id: header

    property var theme
    property var controller: null
    property bool boardReady: false
    property bool canSolve: false
    // What blocks the solve, said beside the way on.
    property string blockText: ""

    signal continueClicked()

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property bool memoryWarning: !!controller
                                          && PageLayout.memoryWarning(controller.solveRequiredMemoryBytes,
                                                                      controller.effectiveAvailableMemoryBytes)
    readonly property string requiredText: PageLayout.memoryText(controller ? controller.solveRequiredMemoryText : "",
                                                                 qsTranslate("ProjectPage", "—"))
    readonly property string availableText: PageLayout.memoryText(controller ? controller.effectiveAvailableMemoryText : "",
                                                                  qsTranslate("ProjectPage", "—"))

    spacing: 0

    SectionHeader {
        objectName: "setupSectionHeader"
        Layout.alignment: Qt.AlignVCenter
        theme: header.theme
        title: qsTranslate("ProjectPage", "Project Setup")
        badge: header.canSolve ? qsTranslate("ProjectPage", "Ready") : qsTranslate("ProjectPage", "Setup Required")
        badgeColor: header.canSolve ? (header.theme ? header.theme.success : "#3FB950")
                                    : (header.theme ? header.theme.warn : "#F0883E")
    }

    Item {
        Layout.fillWidth: true
    }

    ColumnLayout {
        Layout.alignment: Qt.AlignVCenter
        spacing: 2

        Text {
            objectName: "solveBlockText"
            Layout.alignment: Qt.AlignRight
            Layout.maximumWidth: Math.min(implicitWidth, 520)
            visible: header.blockText.length > 0
            text: header.blockText
            font.family: header._family
            font.pixelSize: 11
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignRight
            elide: Text.ElideRight
            color: header.theme ? header.theme.warn : "#F0883E"
        }
        Text {
            objectName: "solveRamLine"
            Layout.alignment: Qt.AlignRight
            Layout.maximumWidth: implicitWidth
            text: qsTranslate("ProjectPage", "Solve RAM: %1").arg(header.requiredText)
            font.family: header._family
            font.pixelSize: 11
            horizontalAlignment: Text.AlignRight
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
            color: header.memoryWarning ? (header.theme ? header.theme.danger : "#F85149")
                                        : (header.theme ? header.theme.textMuted : "#8B949E")
        }
        Text {
            objectName: "availableRamLine"
            Layout.alignment: Qt.AlignRight
            Layout.maximumWidth: implicitWidth
            text: qsTranslate("ProjectPage", "Available RAM: %1").arg(header.availableText)
            font.family: header._family
            font.pixelSize: 11
            horizontalAlignment: Text.AlignRight
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
            color: header.theme ? header.theme.textMuted : "#8B949E"
        }
    }

    Item {
        implicitWidth: 12
        Layout.preferredWidth: 12
    }

    // A disabled button takes no pointer events: its box watches the pointer
    // for the tooltip that says what blocks the solve.
    Item {
        implicitWidth: continueButton.implicitWidth
        implicitHeight: continueButton.implicitHeight

        PrimaryButton {
            id: continueButton
            objectName: "continueToSolveButton"
            anchors.fill: parent
            theme: header.theme
            text: qsTranslate("ProjectPage", "Continue to Solve →")
            enabled: header.canSolve
            // A click leaves the focus in the field being edited: the shell's
            // start gate commits it or names it.
            focusPolicy: Qt.TabFocus
            onClicked: header.continueClicked()
        }
        HoverHandler {
            id: continueHover
        }
        ToolTip {
            objectName: "continueToolTip"
            text: header.blockText
            visible: continueHover.hovered && !header.canSolve && text.length > 0
        }
    }
}
