// The set-up page's settings profiles: named snapshots of the game settings
// and the bet sizing, kept in the settings category "settings_profiles",
// with the save, load and delete dialogs.
import QtQuick

ProjectCustomRanges {
    id: root

    property string _saveProfileError: ""
    property string _loadProfileSelectedId: ""
    property string _loadProfileError: ""

    // "Load settings" under the board.
    function openLoadSettingsDialog() {
        _loadProfileError = ""
        _loadProfileSelectedId = ""
    }

    // "Save settings" under the board.
    function openSaveSettingsDialog() {
        _saveProfileError = ""
    }
}
