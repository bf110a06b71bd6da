// The bet-sizing card of one player: per street a bet-size text, a
// raise-size text and an "Add All-In" switch, "Don't donk" for OOP, the jam
// threshold, and on the IP card "Copy OOP settings". The texts are stored
// as typed; a text the engine refuses is marked, with the engine's message.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "sizing.js" as Sizing
import "../../components/solve_gating.js" as Gating

Card {
    id: card

    // The set-up page whose properties the controls show and assign.
    property var page
    property string player: "oop"
    property real columnWidth: 77

    readonly property bool _isOop: player === "oop"
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property string _monoFamily: theme ? theme.fontMonoResolved : "monospace"
    readonly property string _jamEnabledKey: Sizing.jamEnabledProperty(player)
    readonly property string _jamPctKey: Sizing.jamPctProperty(player)

    function _errorOf(key) {
        const errors = page ? page.spotErrors : null
        const e = errors ? errors[Gating.sizingMapKey(key)] : undefined
        return e === undefined || e === null ? "" : String(e)
    }

    // The first of this player's sizing texts the engine refuses, named.
    readonly property string _firstError: {
        const streets = Sizing.STREETS
        for (let i = 0; i < streets.length; ++i) {
            for (const kind of ["Bet", "Raise"]) {
                const key = Sizing.streetProperty(player, streets[i], kind + "SizesText")
                const e = _errorOf(key)
                if (e.length > 0)
                    return Gating.sizingName(key) + ": " + e
            }
        }
        return ""
    }

    // The id a text field goes by: oopFlopBetField, ipFlopBetField2, ...
    function _fieldName(street, kind) {
        return player + street + kind + "Field" + (_isOop ? "" : "2")
    }

    padding: 12

    component MutedText: Text {
        font.family: card._family
        font.pixelSize: 12
        color: card.theme ? card.theme.textMuted : "#8B949E"
    }

    // Street columns share the card's spare width; their controls stay
    // centred in them.
    component StreetHeading: MutedText {
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        font.weight: Font.DemiBold
    }

    // Shows its page property; stores the text exactly as typed when an
    // edit finishes.
    component SizesField: TextField {
        id: sizes
        required property string modelData
        property string kind: ""
        property string placeholder: ""
        readonly property string key: Sizing.streetProperty(card.player, modelData, kind + "SizesText")
        // The engine's message when it refuses the text, else "".
        readonly property string error: card._errorOf(key)
        // Empty on a street the spot plays: the solve waits for it.
        readonly property bool missing: text.trim().length === 0 && !activeFocus
                                        && Gating.playedSizingKeys(card.page.boardText).indexOf(key) >= 0
        objectName: card._fieldName(modelData, kind)
        Accessible.name: Gating.sizingName(key)
        Layout.alignment: Qt.AlignHCenter
        Layout.preferredWidth: card.columnWidth
        Layout.maximumWidth: card.columnWidth
        leftPadding: 6
        rightPadding: 6
        text: card.page[key]
        placeholderText: placeholder
        selectByMouse: true
        font.family: card._monoFamily
        font.pixelSize: 12
        color: card.theme ? card.theme.text : "#F0F6FC"
        placeholderTextColor: card.theme ? card.theme.textFaint : "#6E7681"
        selectionColor: card.theme ? card.theme.withOpacity(card.theme.accent, 0.35) : "#2F81F7"
        selectedTextColor: card.theme ? card.theme.text : "#F0F6FC"
        background: Rectangle {
            implicitHeight: 30
            radius: card.theme ? card.theme.radiusSm : 8
            color: card.theme ? card.theme.surface2 : "#21262D"
            border.width: sizes.activeFocus || sizes.error.length > 0 || sizes.missing ? 2 : 1
            border.color: sizes.activeFocus ? (card.theme ? card.theme.strokeFocus : "#58A6FF")
                        : sizes.error.length > 0 ? (card.theme ? card.theme.danger : "#F85149")
                        : sizes.missing ? (card.theme ? card.theme.warn : "#F0883E")
                        : (card.theme ? card.theme.stroke : "#30363D")
        }
        onEditingFinished: card.page[key] = text

        HoverHandler {
            id: sizesHover
        }
        ToolTip {
            text: sizes.error
            visible: sizesHover.hovered && text.length > 0
        }
    }

    component StreetSwitch: ToggleSwitch {
        required property string modelData
        property string kind: ""
        readonly property string key: Sizing.streetProperty(card.player, modelData, kind)
        objectName: card.player + modelData + kind + "Switch"
        Layout.alignment: Qt.AlignHCenter
        theme: card.theme
        checked: card.page[key]
        onToggled: card.page[key] = checked
    }

    ColumnLayout {
        width: parent.width
        spacing: 8

        RowLayout {
            spacing: 8

            Icon {
                name: "sliders"
                size: 16
                color: card.theme ? card.theme.accent : "#3FB950"
            }
            Text {
                text: card._isOop ? qsTranslate("ProjectPage", "OOP Sizing") : qsTranslate("ProjectPage", "IP Sizing")
                font.family: card._family
                font.pixelSize: 15
                font.bold: true
                color: card.theme ? card.theme.text : "#F0F6FC"
            }
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 4
            columnSpacing: 8
            rowSpacing: 8

            Item {
                implicitWidth: 1
                implicitHeight: 1
            }
            StreetHeading {
                text: qsTranslate("ProjectPage", "Flop")
            }
            StreetHeading {
                text: qsTranslate("ProjectPage", "Turn")
            }
            StreetHeading {
                text: qsTranslate("ProjectPage", "River")
            }

            MutedText {
                text: qsTranslate("ProjectPage", "Bet sizes (%)")
            }
            Repeater {
                model: Sizing.STREETS
                delegate: SizesField {
                    kind: "Bet"
                    placeholder: "33, 75, 125"
                }
            }

            MutedText {
                text: qsTranslate("ProjectPage", "Raise sizes (%)")
            }
            Repeater {
                model: Sizing.STREETS
                delegate: SizesField {
                    kind: "Raise"
                    placeholder: "75, 125, 200"
                }
            }

            MutedText {
                text: qsTranslate("ProjectPage", "Add All-In")
            }
            Repeater {
                model: Sizing.STREETS
                delegate: StreetSwitch {
                    kind: "AddAllIn"
                }
            }

            MutedText {
                visible: card._isOop
                text: qsTranslate("ProjectPage", "Don't donk")
            }
            Repeater {
                model: card._isOop ? Sizing.STREETS : []
                delegate: StreetSwitch {
                    kind: "DontDonk"
                }
            }

            Item {
                visible: !card._isOop
                implicitWidth: 1
                implicitHeight: 1
            }
            SetupNeutralButton {
                objectName: card._isOop ? "" : "copyOopSizingButton"
                visible: !card._isOop
                theme: card.theme
                text: qsTranslate("ProjectPage", "Copy OOP settings")
                font.pixelSize: 11
                implicitHeight: 28
                Layout.columnSpan: 3
                Layout.fillWidth: true
                onClicked: card.page.copyOopSizingToIp()
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 10

            ToggleSwitch {
                objectName: card.player + "JamSwitch"
                theme: card.theme
                checked: card.page[card._jamEnabledKey]
                onToggled: card.page[card._jamEnabledKey] = checked
            }
            MutedText {
                text: qsTranslate("ProjectPage", "Add all-in if jam less than")
            }
            SetupNumberField {
                objectName: card.player + "JamThresholdField"
                Accessible.name: qsTranslate("ProjectPage", "Add all-in if jam less than")
                theme: card.theme
                Layout.preferredWidth: 65
                enabled: card.page[card._jamEnabledKey]
                placeholderText: qsTranslate("ProjectPage", "e.g. 30")
                value: card.page[card._jamPctKey]
                minimum: 0.0
                maximum: 1000.0
                decimals: 3
                fallback: 0.0
                live: true
                onValueCommitted: function (v) { card.page[card._jamPctKey] = v }
            }
            MutedText {
                text: qsTranslate("ProjectPage", "% pot")
            }
        }

        Text {
            objectName: card.player + "SizingError"
            // Wrapped to the card's width; a long message never widens it.
            Layout.fillWidth: true
            Layout.preferredWidth: 0
            visible: text.length > 0
            text: card._firstError
            wrapMode: Text.Wrap
            font.family: card._family
            font.pixelSize: 11
            color: card.theme ? card.theme.danger : "#F85149"
        }
    }
}
