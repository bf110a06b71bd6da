.pragma library
// What a solve start does first with the field being edited: its text is
// committed by taking the focus off it (the field commits when it is left),
// unless its validator refuses the text: then the start is refused, with
// the field named. A field whose value is not part of the solve is only
// left. A focused item that is no text field is left alone.

// "" when the start may go on, else the message that names the field.
function commitFocusedField(item) {
    if (!item || item.acceptableInput === undefined || item.readOnly === true)
        return ""
    if (!item.acceptableInput && item.partOfSolve !== false) {
        const name = item.fieldName ? String(item.fieldName) : ""
        return name.length > 0
               ? qsTranslate("AppShell", "Not started: \u201C%1\u201D does not hold a value it can take.").arg(name)
               : qsTranslate("AppShell", "Not started: the field being edited does not hold a value it can take.")
    }
    item.focus = false
    return ""
}
