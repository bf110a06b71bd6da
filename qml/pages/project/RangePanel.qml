// One player's range card in the second row of the set-up page: the title
// with the player's dot and "Clear", the hand matrix beside the range
// library, and the click-weight and range-text fields. The range text is
// the only state: the matrix is drawn from it and every paint, keystroke
// and library pick writes it back at once.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "page_layout.js" as PageLayout

Card {
    id: panel

    // The set-up page whose range state the panel shows and edits.
    property var page
    property string player: "oop"
    // The panel's hand matrix.
    readonly property Item matrix: handMatrix

    readonly property bool _isOop: player === "oop"
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property string _monoFamily: theme ? theme.fontMonoResolved : "monospace"
    readonly property string _rangeKey: _isOop ? "oopRangeText" : "ipRangeText"
    readonly property string _weightKey: _isOop ? "oopClickWeightPct" : "ipClickWeightPct"
    readonly property string rangeText: page ? page[_rangeKey] : ""
    // The engine's message when it refuses the text; the matrix then lights nothing.
    readonly property string rangeError: page && page.spotErrors && page.spotErrors[player + "_range"]
                                         ? String(page.spotErrors[player + "_range"]) : ""
    readonly property real clickWeightPct: page ? page[_weightKey] : 100
    readonly property real _scale: page ? page.uiScale : 1.0
    readonly property real _sidebarMinWidth: Math.max(150, PageLayout.roundHalfUp(180 * _scale))
    // The narrowest the panel takes: the matrix at its cell size beside the
    // library at its least width, whose longer labels then take two lines.
    // The page reads it for the width the range row needs.
    readonly property real narrowestWidth: leftPadding + rightPadding + handMatrix.implicitWidth
                                           + matrixRow.spacing + _sidebarMinWidth
    readonly property real _weightFieldWidth: Math.max(56, PageLayout.roundHalfUp(70 * _scale))

    // One cell of a paint stroke: a cell turned on gets the click weight, a
    // cell turned off takes every token that covers it out of the text.
    function _painted(hand, desiredOn, currentWeight) {
        const w = Number(currentWeight)
        const add = clickWeightPct / 100
        if (desiredOn && !(w > 0))
            page[_rangeKey] = page.toggleHand(rangeText, hand, 0, add)
        else if (!desiredOn && w > 0)
            page[_rangeKey] = page.toggleHand(rangeText, hand, w, add)
    }

    padding: 16

    ColumnLayout {
        width: parent.width
        spacing: 12

        RowLayout {
            Layout.fillWidth: true
            spacing: 8

            Rectangle {
                implicitWidth: 10
                implicitHeight: 10
                radius: 5
                color: panel._isOop ? (panel.theme ? panel.theme.actionBet : "#A371F7")
                                    : (panel.theme ? panel.theme.info : "#58A6FF")
            }
            Text {
                text: panel._isOop ? qsTranslate("ProjectPage", "OOP Range") : qsTranslate("ProjectPage", "IP Range")
                font.family: panel._family
                font.pixelSize: 15
                font.bold: true
                color: panel.theme ? panel.theme.text : "#F0F6FC"
            }
            Item {
                Layout.fillWidth: true
            }
            // A plain button: a Repeater over translated text would recreate
            // it inside the layout at each language switch.
            Button {
                id: preset
                objectName: panel.player + "ClearButton"
                // As wide as its label needs, never narrower than 42.
                implicitWidth: Math.max(42, Math.ceil(clearLabel.implicitWidth) + leftPadding + rightPadding)
                implicitHeight: 24
                text: qsTranslate("ProjectPage", "Clear")
                focusPolicy: Qt.NoFocus
                font.family: panel._family
                font.pixelSize: 10
                contentItem: Text {
                    id: clearLabel
                    text: preset.text
                    font: preset.font
                    color: panel.theme ? panel.theme.textMuted : "#8B949E"
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                }
                background: Rectangle {
                    radius: 6
                    color: preset.down ? (panel.theme ? panel.theme.surface3 : "#2D333B")
                                       : (panel.theme ? panel.theme.surface2 : "#21262D")
                    border.width: 1
                    border.color: panel.theme ? panel.theme.stroke : "#30363D"
                }
                HoverHandler {
                    cursorShape: Qt.PointingHandCursor
                }
                onClicked: panel.page[panel._rangeKey] = ""
            }
        }

        RowLayout {
            id: matrixRow
            Layout.fillWidth: true
            spacing: 12

            HandMatrix {
                id: handMatrix
                objectName: panel.player + "Matrix"
                theme: panel.theme
                weights: panel.page ? panel.page.parseRangeWeights(panel.rangeText) : ({})
                editable: true
                autoFitToWidth: true
                cellSize: Math.max(28, PageLayout.roundHalfUp(36 * panel._scale))
                Layout.fillWidth: true
                Layout.minimumWidth: implicitWidth
                Layout.preferredWidth: implicitWidth
                Layout.preferredHeight: effectiveMatrixSize
                Layout.minimumHeight: effectiveMatrixSize
                Layout.alignment: Qt.AlignTop
                onHandPainted: function (hand, desiredOn, currentWeight) {
                    panel._painted(hand, desiredOn, currentWeight)
                }
            }

            // The library lays itself out in a box of its own: the heights of
            // its buttons follow the width it is given (a label may take two
            // lines), which a layout nested in this row would not take up.
            Item {
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.minimumWidth: panel._sidebarMinWidth
                Layout.preferredWidth: Math.max(sidebar.implicitWidth, panel._sidebarMinWidth)
                Layout.alignment: Qt.AlignTop
                implicitHeight: sidebar.implicitHeight

                RangeLibrarySidebar {
                    id: sidebar
                    objectName: panel.player + "LibrarySidebar"
                    anchors.fill: parent
                    theme: panel.theme
                    page: panel.page
                    player: panel.player
                }
            }
        }

        RowLayout {
            Layout.preferredWidth: handMatrix.implicitWidth
            Layout.maximumWidth: handMatrix.implicitWidth
            Layout.alignment: Qt.AlignLeft
            spacing: 8

            Text {
                text: qsTranslate("ProjectPage", "Weight")
                font.family: panel._family
                font.pixelSize: 12
                color: panel.theme ? panel.theme.textMuted : "#8B949E"
            }
            SetupNumberField {
                objectName: panel.player + "ClickWeightField"
                Accessible.name: qsTranslate("ProjectPage", "Weight")
                partOfSolve: false
                theme: panel.theme
                value: panel.clickWeightPct
                minimum: 0
                maximum: 100
                decimals: 3
                fallback: 100
                live: true
                placeholderText: "100"
                Layout.preferredWidth: panel._weightFieldWidth
                Layout.maximumWidth: panel._weightFieldWidth
                onValueCommitted: function (v) { panel.page[panel._weightKey] = v }
            }
            Text {
                text: "%"
                font.family: panel._family
                font.pixelSize: 12
                color: panel.theme ? panel.theme.textMuted : "#8B949E"
            }
            TextField {
                id: rangeInput
                objectName: panel.player + "RangeInput"
                Layout.fillWidth: true
                text: panel.rangeText
                placeholderText: qsTranslate("ProjectPage", "e.g., AA, KK, AKs, QQ+ or 50%")
                selectByMouse: true
                leftPadding: 10
                rightPadding: 10
                font.family: panel._monoFamily
                font.pixelSize: 12
                // Unfocused, the overlay below shows the text on one
                // centred, elided line instead.
                color: activeFocus ? (panel.theme ? panel.theme.text : "#F0F6FC") : "transparent"
                placeholderTextColor: activeFocus ? (panel.theme ? panel.theme.textFaint : "#6E7681") : "transparent"
                selectionColor: panel.theme ? panel.theme.withOpacity(panel.theme.accent, 0.35) : "#2F81F7"
                selectedTextColor: panel.theme ? panel.theme.text : "#F0F6FC"
                background: Rectangle {
                    implicitHeight: 30
                    radius: panel.theme ? panel.theme.radiusSm : 8
                    color: panel.theme ? panel.theme.surface2 : "#21262D"
                    border.width: rangeInput.activeFocus ? 2 : 1
                    border.color: rangeInput.activeFocus ? (panel.theme ? panel.theme.strokeFocus : "#58A6FF")
                                : panel.rangeError.length > 0 ? (panel.theme ? panel.theme.danger : "#F85149")
                                : (panel.theme ? panel.theme.stroke : "#30363D")
                }
                onTextEdited: panel.page[panel._rangeKey] = text

                Text {
                    objectName: "rangeOverlay"
                    anchors.fill: parent
                    anchors.leftMargin: 10
                    anchors.rightMargin: 10
                    visible: !rangeInput.activeFocus
                    text: panel.rangeText.length > 0 ? panel.rangeText : rangeInput.placeholderText
                    font: rangeInput.font
                    color: panel.rangeText.length > 0 ? (panel.theme ? panel.theme.text : "#F0F6FC")
                                                      : (panel.theme ? panel.theme.textFaint : "#6E7681")
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                    clip: true
                }
            }
        }

        Text {
            objectName: panel.player + "RangeError"
            Layout.preferredWidth: handMatrix.implicitWidth
            Layout.maximumWidth: handMatrix.implicitWidth
            visible: text.length > 0
            text: panel.rangeError.length > 0
                  ? qsTranslate("ProjectPage", "The solver does not read this range: %1").arg(panel.rangeError) : ""
            wrapMode: Text.Wrap
            font.family: panel._family
            font.pixelSize: 11
            color: panel.theme ? panel.theme.danger : "#F85149"
        }
    }
}
