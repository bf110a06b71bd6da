// The set-up page's Custom range libraries: saving the current range,
// adding folders, importing a range file into both players' libraries and
// deleting, with their dialogs. The tree rules live in custom_ranges.js.
import QtQuick
import QtQuick.Dialogs
import Tessaval
import "custom_ranges.js" as Custom

ProjectBuiltInRanges {
    id: root

    property string _saveRangePlayer: ""
    property string _saveRangeValue: ""
    property string _saveRangeError: ""
    property string _addFolderPlayer: ""
    property string _addFolderError: ""
    property string _deleteRangePlayer: ""
    property string _deleteRangeName: ""
    property string _deleteRangeKind: ""
    property int _deleteFolderChildCount: 0
    property string _importRangeFocusPlayer: "oop"
    property string _importRangeError: ""
    property string _importRangeRawText: ""
    property string _importRangeNormalizedText: ""

    readonly property alias saveRangeDialog: saveRangeDialogItem
    readonly property alias addFolderDialog: addFolderDialogItem
    readonly property alias importRangeNameDialog: importRangeNameDialogItem
    readonly property alias confirmDeleteDialog: confirmDeleteDialogItem
    readonly property alias importRangeFileDialog: importRangeFileDialogItem
    readonly property Item saveRangeNameField: saveRangeDialogItem.nameField
    readonly property Item addFolderNameField: addFolderDialogItem.nameField
    readonly property Item importRangeNameField: importRangeNameDialogItem.nameField

    // ---- Per-player access -------------------------------------------

    function _knownPlayer(player) {
        return player === "oop" || player === "ip"
    }

    function _selectedIdOf(player) {
        return _isOop(player) ? oopSelectedId : ipSelectedId
    }

    function _select(player, id) {
        if (_isOop(player))
            oopSelectedId = id
        else
            ipSelectedId = id
    }

    function _showCustom(player) {
        if (_isOop(player))
            oopRangeCategory = 2
        else
            ipRangeCategory = 2
    }

    function _setCustomTree(player, tree) {
        if (_isOop(player))
            oopCustomRanges = tree
        else
            ipCustomRanges = tree
    }

    function _setOpenFolders(player, map) {
        if (_isOop(player))
            oopOpenFolderIds = map
        else
            ipOpenFolderIds = map
    }

    function _setRangeText(player, text) {
        if (_isOop(player))
            oopRangeText = text
        else
            ipRangeText = text
    }

    // Inserts a node into the player's Custom tree: into the folder the
    // selection names when `useSelection`, else at the top level. Gives the
    // result of Custom.insertNode; nothing is assigned yet.
    function _insertCustom(player, node, useSelection) {
        const tree = _sanitizeCustomTree(rangesFor(player, 2))
        const target = useSelection ? Custom.targetFolderId(tree, _selectedIdOf(player)) : ""
        return Custom.insertNode(tree, target, node, _newNodeId)
    }

    // The open-folder map with the folder shown expanded (its sibling
    // folders closed, as a click on it would).
    function _openedFolders(player, tree, folderId) {
        return Custom.openedFolderMap(tree, _openFolderIds(player), folderId)
    }

    // ---- Saving the current range --------------------------------------

    function openSaveRangeDialog(player) {
        _saveRangePlayer = player
        _saveRangeError = ""
        _saveRangeValue = player === "oop" ? oopRangeText : ipRangeText
        saveRangeDialogItem.nameField.text = ""
        saveRangeDialogItem.open()
    }

    function commitSaveRange() {
        const player = _saveRangePlayer
        const name = _normalizeName(saveRangeDialogItem.nameField.text)
        const value = String(_saveRangeValue).trim()
        if (name.length === 0) {
            _saveRangeError = qsTranslate("ProjectPage", "Please enter a name.")
            return false
        }
        if (value.length === 0) {
            _saveRangeError = qsTranslate("ProjectPage", "Current range is empty.")
            return false
        }
        if (!_knownPlayer(player)) {
            _saveRangeError = qsTranslate("ProjectPage", "Unknown player.")
            return false
        }
        const placed = _insertCustom(player, Custom.makeRange(_newNodeId(), name, value),
                                     _rangeCategory(player) === 2)
        if (placed.folderId !== "")
            _setOpenFolders(player, _openedFolders(player, placed.tree, placed.folderId))
        _setCustomTree(player, placed.tree)
        _showCustom(player)
        _select(player, placed.node.id)
        return true
    }

    // ---- Adding a folder ---------------------------------------------------

    function openAddFolderDialog(player) {
        _addFolderPlayer = player
        _addFolderError = ""
        addFolderDialogItem.nameField.text = ""
        addFolderDialogItem.open()
    }

    function commitAddFolder() {
        const player = _addFolderPlayer
        const name = _normalizeName(addFolderDialogItem.nameField.text)
        if (name.length === 0) {
            _addFolderError = qsTranslate("ProjectPage", "Please enter a folder name.")
            return false
        }
        if (!_knownPlayer(player)) {
            _addFolderError = qsTranslate("ProjectPage", "Unknown player.")
            return false
        }
        const placed = _insertCustom(player, Custom.makeFolder(_newNodeId(), name), true)
        _setCustomTree(player, placed.tree)
        _showCustom(player)
        _select(player, placed.node.id)
        _setOpenFolders(player, _openedFolders(player, placed.tree, placed.node.id))
        return true
    }

    // ---- Importing a range file ------------------------------------------

    function openImportRangeDialog(focusPlayer) {
        _importRangeFocusPlayer = focusPlayer === "ip" ? "ip" : "oop"
        _importRangeError = ""
        _importRangeRawText = ""
        _importRangeNormalizedText = ""
        importRangeNameDialogItem.nameField.text = ""
        importRangeFileDialogItem.open()
    }

    // The file chooser's acceptance: reads the file and opens the name
    // dialog, with the failure shown when the file gave no range.
    function _readImportRangeFile(fileUrl) {
        _importRangeError = ""
        _importRangeRawText = ""
        _importRangeNormalizedText = ""
        const field = importRangeNameDialogItem.nameField
        const ctrl = appControllerObject
        if (!ctrl || typeof ctrl.readTextFile !== "function") {
            _importRangeError = qsTranslate("ProjectPage", "Import failed: appController.readTextFile unavailable.")
            field.text = ""
            importRangeNameDialogItem.open()
            return
        }
        let result = null
        try {
            result = ctrl.readTextFile(fileUrl)
        } catch (e) {
            result = { ok: false, error: String(e) }
        }
        if (!result || !result.ok) {
            const detail = result && result.error ? String(result.error) : qsTranslate("ProjectPage", "unknown error")
            _importRangeError = qsTranslate("ProjectPage", "Import failed: %1").arg(detail)
            field.text = ""
            importRangeNameDialogItem.open()
            return
        }
        _importRangeRawText = result.text === undefined || result.text === null ? "" : String(result.text)
        const range = readImportedRange(_importRangeRawText)
        _importRangeNormalizedText = range.text
        _importRangeError = range.error
        field.text = Custom.suggestedImportName(fileUrl)
        importRangeNameDialogItem.open()
    }

    function commitImportRange() {
        const name = _normalizeName(importRangeNameDialogItem.nameField.text)
        const value = String(_importRangeNormalizedText).trim()
        if (name.length === 0) {
            _importRangeError = qsTranslate("ProjectPage", "Please enter a name.")
            return false
        }
        if (value.length === 0) {
            _importRangeError = qsTranslate("ProjectPage", "No range content to import.")
            return false
        }
        const focus = _importRangeFocusPlayer === "ip" ? "ip" : "oop"
        const other = focus === "ip" ? "oop" : "ip"
        const first = _insertCustom(focus, Custom.makeRange(_newNodeId(), name, value),
                                    _rangeCategory(focus) === 2)
        const second = _insertCustom(other, Custom.makeRange(_newNodeId(), name, value), false)

        _setCustomTree(focus, first.tree)
        _showCustom(focus)
        if (first.folderId !== "")
            _setOpenFolders(focus, _openedFolders(focus, first.tree, first.folderId))
        _select(focus, first.node.id)
        _setCustomTree(other, second.tree)
        _showCustom(other)
        _importRangeError = ""
        return true
    }

    // ---- Deleting the selected item ------------------------------------

    function openDeleteSelectedDialog(player) {
        if (!_knownPlayer(player) || _rangeCategory(player) !== 2)
            return
        const id = _selectedIdOf(player)
        if (id.length === 0)
            return
        const node = _findNodeById(_sanitizeCustomTree(rangesFor(player, 2)), id)
        if (node === null)
            return
        const folder = node.type === "folder"
        _deleteRangePlayer = player
        _deleteRangeKind = folder ? "folder" : "range"
        _deleteRangeName = node.name
        _deleteFolderChildCount = folder ? _countDescendants(node) : 0
        confirmDeleteDialogItem.open()
    }

    function deleteSelectedItem(player) {
        if (!_knownPlayer(player) || _rangeCategory(player) !== 2)
            return
        const id = _selectedIdOf(player)
        if (id.length === 0)
            return
        const before = listModelFor(player)
        let position = -1
        for (let i = 0; i < before.length; ++i) {
            if (before[i].id === id) {
                position = i
                break
            }
        }
        const tree = Custom.removeNode(rangesFor(player, 2), id, _newNodeId)
        _setOpenFolders(player, Custom.prunedOpenMap(tree, _openFolderIds(player)))
        _setCustomTree(player, tree)

        const after = listModelFor(player)
        const index = Custom.rowAfterRemoval(after.length, position)
        if (index < 0) {
            _select(player, "")
            _setRangeText(player, "")
            return
        }
        const row = after[index]
        _select(player, row.id)
        if (row.kind === "range")
            _setRangeText(player, row.value)
    }

    // ---- Dialogs -------------------------------------------------------------

    SetupNameDialog {
        id: saveRangeDialogItem
        objectName: "saveRangeDialog"
        theme: root.theme
        width: 360
        title: root._saveRangePlayer === "ip" ? qsTranslate("ProjectPage", "Save IP range")
                                              : qsTranslate("ProjectPage", "Save OOP range")
        label: qsTranslate("ProjectPage", "Name this range:")
        placeholderText: qsTranslate("ProjectPage", "e.g., BTN vs BB (default)")
        confirmText: qsTranslate("ProjectPage", "Save")
        fieldObjectName: "saveRangeNameField"
        errorText: root._saveRangeError
        onAboutToShow: root._saveRangeError = ""
        onConfirmed: {
            if (root.commitSaveRange())
                close()
        }
    }

    SetupNameDialog {
        id: addFolderDialogItem
        objectName: "addFolderDialog"
        theme: root.theme
        width: 360
        title: root._addFolderPlayer === "ip" ? qsTranslate("ProjectPage", "Add folder (IP)")
                                              : qsTranslate("ProjectPage", "Add folder (OOP)")
        label: qsTranslate("ProjectPage", "Folder name:")
        placeholderText: qsTranslate("ProjectPage", "e.g., BTN vs BB")
        confirmText: qsTranslate("ProjectPage", "Add")
        fieldObjectName: "addFolderNameField"
        errorText: root._addFolderError
        onAboutToShow: root._addFolderError = ""
        onConfirmed: {
            if (root.commitAddFolder())
                close()
        }
    }

    SetupNameDialog {
        id: importRangeNameDialogItem
        objectName: "importRangeNameDialog"
        theme: root.theme
        width: 420
        title: qsTranslate("ProjectPage", "Import Range")
        label: qsTranslate("ProjectPage", "Name this range:")
        placeholderText: qsTranslate("ProjectPage", "e.g., BTN open (custom)")
        confirmText: qsTranslate("ProjectPage", "Import")
        confirmWidth: 110
        confirmAllowed: root._importRangeNormalizedText.trim().length > 0
        entryOffered: confirmAllowed || root._importRangeError.length === 0
        confirmDisabledOpacity: 0.55
        confirmPressedDarkerFactor: 1.12
        cancelAtLeft: true
        focusFieldOnOpen: root._importRangeError.length === 0
        fieldObjectName: "importRangeNameField"
        errorText: root._importRangeError
        onConfirmed: {
            if (root.commitImportRange())
                close()
        }
    }

    SetupConfirmDialog {
        id: confirmDeleteDialogItem
        objectName: "confirmDeleteDialog"
        theme: root.theme
        width: 380
        title: root._deleteRangeKind === "folder" ? qsTranslate("ProjectPage", "Delete folder")
                                                  : qsTranslate("ProjectPage", "Delete range")
        question: root._deleteRangeKind === "folder"
                  ? qsTranslate("ProjectPage", "Are you sure you want to delete this folder?")
                  : qsTranslate("ProjectPage", "Are you sure you want to delete this range?")
        itemName: root._deleteRangeName
        note: root._deleteRangeKind === "folder" && root._deleteFolderChildCount > 0
              ? qsTranslate("ProjectPage", "This will also delete %1 range(s). This cannot be undone.")
                .arg(root._deleteFolderChildCount)
              : qsTranslate("ProjectPage", "This cannot be undone.")
        onConfirmed: root.deleteSelectedItem(root._deleteRangePlayer)
    }

    LocalFileDialog {
        id: importRangeFileDialogItem
        objectName: "importRangeFileDialog"
        theme: root.theme
        controller: root.appControllerObject
        title: qsTranslate("ProjectPage", "Import Range")
        fileMode: FileDialog.OpenFile
        nameFilters: [qsTranslate("ProjectPage", "Range text (*.txt)"),
                      qsTranslate("ProjectPage", "All Files (*)")]
        onFileChosen: function (fileUrl) { root._readImportRangeFile(fileUrl) }
    }
}
