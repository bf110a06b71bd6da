// The set-up page's Custom range libraries: saving the current range,
// adding folders, importing a range file and deleting, with their dialogs.
import QtQuick

ProjectBuiltInRanges {
    id: root

    // Starts a range import, the given player's panel in front ("oop" or
    // "ip").
    function openImportRangeDialog(player) {
    }
}
