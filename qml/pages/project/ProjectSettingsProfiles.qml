// The set-up page's settings profiles: named snapshots of the game settings
// and the bet sizing, kept in the settings category "settings_profiles",
// with the save, load and delete dialogs. The rules live in
// settings_profiles.js.
import QtQuick
import Qt.labs.settings
import Tessaval
import "settings_profiles.js" as Profiles

ProjectCustomRanges {
    id: root

    // Oldest first, never sorted; every new list is stored.
    property var settingsProfiles: []
    property string _saveProfileError: ""
    property string _loadProfileSelectedId: ""
    property string _loadProfileError: ""
    property string _deleteProfileId: ""
    property string _deleteProfileName: ""

    readonly property alias settingsProfileStore: profileStore
    readonly property alias saveSettingsDialog: saveSettingsDialogItem
    readonly property alias loadSettingsDialog: loadSettingsDialogItem
    readonly property alias confirmDeleteProfileDialog: confirmDeleteProfileDialogItem
    readonly property Item saveSettingsNameField: saveSettingsDialogItem.nameField

    // Lists assigned before the stored one is read (while the page is
    // created) must not overwrite the store.
    property bool _settingsProfilesLoaded: false
    onSettingsProfilesChanged: {
        if (_settingsProfilesLoaded)
            persistSettingsProfiles()
    }

    Settings {
        id: profileStore
        category: "settings_profiles"
        property string profilesJson: ""
    }

    // "Load settings" under the board.
    function openLoadSettingsDialog() {
        _loadProfileError = ""
        _loadProfileSelectedId = ""
        loadSettingsDialogItem.open()
    }

    // "Save settings" under the board.
    function openSaveSettingsDialog() {
        _saveProfileError = ""
        saveSettingsDialogItem.nameField.text = ""
        saveSettingsDialogItem.open()
    }

    function currentSettingsSnapshot() {
        return Profiles.snapshot(root)
    }

    function applySettingsSnapshot(data) {
        Profiles.applySnapshot(root, data)
    }

    function _uniqueProfileName(existingProfiles, desiredName) {
        return Profiles.uniqueProfileName(existingProfiles, desiredName)
    }

    function _sanitizeSettingsProfiles(arr) {
        return Profiles.sanitizeProfiles(arr, _newNodeId)
    }

    function _loadPersistedSettingsProfiles() {
        return Profiles.parseStoredProfiles(profileStore.profilesJson, _newNodeId)
    }

    // Writes the key now, not at the settings object's own pace.
    function persistSettingsProfiles() {
        const text = Profiles.profilesJson(settingsProfiles, _newNodeId)
        profileStore.profilesJson = text
        profileStore.setValue("profilesJson", text)
        profileStore.sync()
    }

    function deleteSettingsProfileById(id) {
        const wanted = id === undefined || id === null ? "" : String(id)
        settingsProfiles = Profiles.withoutProfile(settingsProfiles, wanted)
        if (_loadProfileSelectedId === wanted)
            _loadProfileSelectedId = ""
    }

    // The save dialog's action; true when a profile was stored.
    function _saveSettingsProfile() {
        const name = _normalizeName(saveSettingsDialogItem.nameField.text)
        if (name.length === 0) {
            _saveProfileError = qsTranslate("ProjectPage", "Please enter a name.")
            return false
        }
        const list = (Array.isArray(settingsProfiles) ? settingsProfiles : []).slice()
        list.push({
            id: _newNodeId(),
            name: _uniqueProfileName(list, name),
            createdAt: new Date().toISOString(),
            data: currentSettingsSnapshot()
        })
        settingsProfiles = list
        return true
    }

    // The load dialog's "Load"; true when a profile was applied.
    function _loadSelectedSettingsProfile() {
        const index = Profiles.indexOfProfile(settingsProfiles, _loadProfileSelectedId)
        if (_loadProfileSelectedId.length === 0 || index < 0) {
            _loadProfileError = qsTranslate("ProjectPage", "Please select a profile.")
            return false
        }
        applySettingsSnapshot(settingsProfiles[index].data)
        return true
    }

    // The load dialog's "Delete": the confirmation for the selected profile.
    function _confirmDeleteSelectedProfile() {
        const index = Profiles.indexOfProfile(settingsProfiles, _loadProfileSelectedId)
        if (_loadProfileSelectedId.length === 0 || index < 0)
            return
        const profile = settingsProfiles[index]
        _deleteProfileId = String(profile.id)
        _deleteProfileName = profile.name === undefined || profile.name === null ? "" : String(profile.name)
        confirmDeleteProfileDialogItem.open()
    }

    // Start-up step: the stored profiles, cleaned and written back at once,
    // so that dropped entries leave the store and new ids are kept.
    function _loadStoredSettingsProfiles() {
        const list = _loadPersistedSettingsProfiles()
        settingsProfiles = list
        _settingsProfilesLoaded = true
        persistSettingsProfiles()
    }

    SetupNameDialog {
        id: saveSettingsDialogItem
        objectName: "saveSettingsDialog"
        theme: root.theme
        width: 380
        title: qsTranslate("ProjectPage", "Save Settings Profile")
        label: qsTranslate("ProjectPage", "Profile name:")
        placeholderText: qsTranslate("ProjectPage", "e.g., 100bb rake-free (fast)")
        confirmText: qsTranslate("ProjectPage", "Save")
        fieldObjectName: "saveSettingsNameField"
        returnAlwaysConfirms: true
        errorText: root._saveProfileError
        onAboutToShow: root._saveProfileError = ""
        onConfirmed: {
            if (root._saveSettingsProfile())
                close()
        }
    }

    LoadSettingsDialog {
        id: loadSettingsDialogItem
        objectName: "loadSettingsDialog"
        theme: root.theme
        width: 420
        profiles: root.settingsProfiles
        selectedId: root._loadProfileSelectedId
        errorText: root._loadProfileError
        onRowSelected: function (id) { root._loadProfileSelectedId = id }
        onLoadRequested: {
            if (root._loadSelectedSettingsProfile())
                close()
        }
        onDeleteRequested: root._confirmDeleteSelectedProfile()
    }

    SetupConfirmDialog {
        id: confirmDeleteProfileDialogItem
        objectName: "confirmDeleteProfileDialog"
        theme: root.theme
        width: 420
        title: qsTranslate("ProjectPage", "Delete settings profile")
        question: qsTranslate("ProjectPage", "Are you sure you want to delete this saved profile?")
        itemName: root._deleteProfileName
        note: qsTranslate("ProjectPage", "This cannot be undone.")
        onConfirmed: root.deleteSettingsProfileById(root._deleteProfileId)
    }
}
