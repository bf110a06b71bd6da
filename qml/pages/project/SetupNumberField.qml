// A number field of the set-up page. Unfocused it shows `value` in its
// shortest form; an edit is committed when it finishes with input the
// validator accepts (Return, or leaving the field): the number clamped into
// [minimum, maximum], or `fallback` for a text that reads as no number, is
// reported by valueCommitted and shown. Leaving with input the validator
// refuses commits nothing and shows `value` again. With `live`, every
// accepted text is reported while it is typed. Numbers are read and shown
// in the C locale whatever the interface language. Reached by Tab, the
// field selects its text, so that typing replaces it.
import QtQuick
import QtQuick.Controls
import "number_fields.js" as Numbers

TextField {
    id: field

    property var theme: null
    property real value: 0
    property real minimum: 0
    property real maximum: 0
    property int decimals: 2
    property real fallback: 0
    property bool wholeNumber: false
    property bool live: false
    // The value goes into the solve: a start waits for a text the field can take.
    property bool partOfSolve: true
    // The name a message about the field uses: its accessible name.
    readonly property string fieldName: Accessible.name

    signal valueCommitted(real value)

    // The text as the user left it and the validator's verdict on it. The
    // validators "fix up" refused input when Return is pressed or the field
    // is left ("250,5" would become 2505): such a text is never taken.
    property string _userText: ""
    property bool _userAcceptable: false

    // Shows `v` (the current value when none is given), also while focused.
    function showValue(v) {
        text = Numbers.display(v === undefined ? value : v)
    }

    function _commit(t) {
        const v = Numbers.commitValue(t, minimum, maximum, fallback, wholeNumber)
        valueCommitted(v)
        showValue(v)
    }

    function _noteUserText() {
        _userText = text
        _userAcceptable = acceptableInput
    }

    // Return with refused input does nothing (and so nothing is fixed up).
    function _onReturn(event) {
        event.accepted = !acceptableInput
    }

    validator: wholeNumber ? wholeValidator : decimalValidator
    inputMethodHints: wholeNumber ? Qt.ImhDigitsOnly : Qt.ImhFormattedNumbersOnly
    selectByMouse: true
    leftPadding: 6
    rightPadding: 6
    font.family: theme ? theme.fontFamilyResolved : "sans-serif"
    font.pixelSize: 12
    color: enabled ? (theme ? theme.text : "#F0F6FC") : (theme ? theme.textFaint : "#6E7681")
    placeholderTextColor: theme ? theme.textFaint : "#6E7681"
    selectionColor: theme ? theme.withOpacity(theme.accent, 0.35) : "#2F81F7"
    selectedTextColor: theme ? theme.text : "#F0F6FC"

    background: Rectangle {
        implicitHeight: 30
        radius: field.theme ? field.theme.radiusSm : 8
        color: field.enabled ? (field.theme ? field.theme.surface2 : "#21262D")
                             : (field.theme ? field.theme.surface3 : "#2D333B")
        border.width: field.enabled && field.activeFocus ? 2 : 1
        border.color: !field.enabled ? (field.theme ? field.theme.strokeLight : "#21262D")
                    : field.activeFocus ? (field.theme ? field.theme.strokeFocus : "#58A6FF")
                    : (field.theme ? field.theme.stroke : "#30363D")
        opacity: field.enabled ? 1.0 : 0.75
    }

    DoubleValidator {
        id: decimalValidator
        locale: "C"
        bottom: field.minimum
        top: field.maximum
        decimals: field.decimals
    }
    IntValidator {
        id: wholeValidator
        locale: "C"
        bottom: Math.round(field.minimum)
        top: Math.round(field.maximum)
    }

    Keys.onReturnPressed: function (event) { _onReturn(event) }
    Keys.onEnterPressed: function (event) { _onReturn(event) }

    // Return with accepted input; leaving the field is handled below.
    onEditingFinished: {
        if (activeFocus && acceptableInput)
            _commit(text)
    }
    onActiveFocusChanged: {
        if (activeFocus) {
            _noteUserText()
            // Reached with the keyboard, the field offers its whole text to
            // be typed over; a click places the cursor.
            if (focusReason === Qt.TabFocusReason || focusReason === Qt.BacktabFocusReason)
                selectAll()
            return
        }
        if (_userAcceptable)
            _commit(_userText)
        showValue()
    }
    // Only the user's typing counts; a fix-up while leaving happens after
    // the field lost its focus.
    onTextChanged: {
        if (!activeFocus)
            return
        _noteUserText()
        if (!live)
            return
        const v = Numbers.liveValue(text, acceptableInput, wholeNumber)
        if (v !== null)
            valueCommitted(v)
    }
    onValueChanged: {
        if (!activeFocus)
            showValue()
    }
    Component.onCompleted: showValue()
}
