// The program's file chooser: a file dialog for local files that behaves the
// same whether the desktop offers a native dialog or Qt draws its own. The
// chosen file comes back as a file: URL. In Qt's own dialog a name typed into
// the name field counts as soon as it is typed (in an empty folder too),
// Return accepts it, a name without an extension gets the one of the filter
// shown, and a whole path typed there is taken as it is (Qt's dialog keeps
// only its last part in the field, so the typed text is kept here); an
// existing folder typed there is where the dialog goes next. In save mode an
// existing file is replaced only after the user confirms.
import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import Tessaval
import "local_file_dialog.js" as Logic

Item {
    id: chooser

    property var theme
    property var controller: typeof appController !== "undefined" ? appController : null
    property alias title: dialog.title
    property alias fileMode: dialog.fileMode
    property alias nameFilters: dialog.nameFilters
    // The folder the dialog opens in: the one set here, then the folder of
    // the file chosen last; empty for the desktop's default.
    property url currentFolder
    readonly property alias fileDialog: dialog
    readonly property alias replaceDialog: replaceConfirm
    readonly property bool saving: dialog.fileMode === FileDialog.SaveFile
    // The dialog or its question is on screen.
    readonly property bool shown: dialog.visible || replaceConfirm.visible

    // The chosen file; in save mode after a replacement was confirmed.
    signal fileChosen(url fileUrl)

    // The accept button of Qt's own dialog while it is open, and in save mode
    // its name field.
    property var _nameField: null
    property var _acceptButton: null
    // What the user typed into the name field since the dialog opened.
    property string _typed: ""
    property var _replaceStatus: null

    function open() {
        _typed = ""
        dialog.open()
        // Set once shown: Qt's own dialog starts again from its own folder.
        if (String(currentFolder).length > 0)
            dialog.currentFolder = currentFolder
    }

    function close() {
        dialog.close()
        replaceConfirm.close()
    }

    function _status(location) {
        if (!controller || typeof controller.localFileStatus !== "function")
            return null
        return controller.localFileStatus(location)
    }

    // Finds Qt's own dialog in the window's overlay (no native dialog shown):
    // its accept button, and in save mode its name field.
    function _attach() {
        _nameField = null
        _acceptButton = null
        if (!dialog.visible)
            return
        const list = Logic.findItem(chooser.Overlay.overlay, function (item) {
            return item.objectName === "fileDialogListView" && item.visible
        })
        const box = list ? Logic.findItem(list.parent, function (item) {
            return typeof item.standardButton === "function"
        }) : null
        const button = box ? box.standardButton(DialogButtonBox.Open) : null
        if (!button)
            return
        _acceptButton = button
        if (!saving)
            return
        button.text = qsTr("Save")
        _nameField = Logic.findItem(list.parent, function (item) {
            return item.objectName === "fileNameTextField"
        })
        _refreshAccept()
    }

    // The name the field stands for: what was typed, or a file picked.
    function _name() {
        return _nameField ? Logic.typedName(_nameField.text, _typed) : ""
    }

    // A typed name can be saved under, whatever the list shows.
    function _refreshAccept() {
        if (dialog.visible && _acceptButton && _nameField && _name().trim().length > 0)
            _acceptButton.enabled = true
    }

    // A file picked from the list replaces what was typed.
    function _selectionChanged() {
        if (!Logic.selectsTyped(dialog.selectedFile, _typed))
            _typed = ""
        Qt.callLater(_refreshAccept)
    }

    function _acceptTyped() {
        if (dialog.visible && _acceptButton && _acceptButton.enabled)
            _acceptButton.clicked()
    }

    function _chosen(status) {
        currentFolder = status.folderUrl
        chooser.fileChosen(status.url)
    }

    // The location a name typed in save mode stands for: a folder that
    // exists as typed, else the file, with the filter's extension when it
    // has none; "" when nothing was typed.
    function _typedLocation() {
        const folder = _status(dialog.currentFolder)
        const folderPath = folder ? folder.path : ""
        const asTyped = Logic.typedPath(folderPath, _name(), "")
        const typedFolder = asTyped.length > 0 ? _status(asTyped) : null
        if (typedFolder && typedFolder.ok && typedFolder.isDir)
            return asTyped
        return Logic.typedPath(folderPath, _name(), dialog.nameFilters[dialog.selectedNameFilter.index])
    }

    function _choose() {
        let location = dialog.selectedFile
        if (saving && _nameField) {
            const typed = _typedLocation()
            if (typed.length > 0)
                location = typed
        }
        const status = _status(location)
        if (!status || !status.ok) {
            chooser.fileChosen(location)  // the owner reports what it cannot use
            return
        }
        if (saving && status.isDir) {
            // The dialog shows the folder next, opened again once Qt's own
            // has finished closing: opened from its accept handler, it
            // would stay open in name only and never show again.
            currentFolder = status.url
            Qt.callLater(open)
            return
        }
        if (saving && status.exists) {
            _replaceStatus = status
            replaceConfirm.itemName = status.name
            replaceConfirm.open()
            return
        }
        _chosen(status)
    }

    FileDialog {
        id: dialog
        objectName: chooser.objectName.length > 0 ? chooser.objectName + "FileDialog" : ""
        // The confirmation is the chooser's own, for every kind of dialog.
        options: FileDialog.DontConfirmOverwrite
        onVisibleChanged: {
            if (visible) {
                Qt.callLater(chooser._attach)
            } else {
                chooser._acceptButton = null
                Qt.callLater(function () { chooser._nameField = null })
            }
        }
        onSelectedFileChanged: chooser._selectionChanged()
        onCurrentFolderChanged: Qt.callLater(chooser._refreshAccept)
        onAccepted: chooser._choose()
    }

    Connections {
        target: chooser._nameField
        ignoreUnknownSignals: true
        function onTextEdited() {
            chooser._typed = chooser._nameField.text
        }
        function onTextChanged() {
            chooser._refreshAccept()
        }
        function onAccepted() {
            Qt.callLater(chooser._acceptTyped)
        }
    }

    SetupConfirmDialog {
        id: replaceConfirm
        objectName: "replaceFileDialog"
        theme: chooser.theme
        width: 400
        title: qsTr("Replace file")
        question: qsTr("A file with this name already exists. Do you want to replace it?")
        note: qsTr("Its current contents will be lost.")
        confirmText: qsTr("Replace")
        onConfirmed: chooser._chosen(chooser._replaceStatus)
    }
}
