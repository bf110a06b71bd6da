// The file chooser of a developer export of a built-in range library: save
// mode, JSON files first. The owner sets the title and writes the file when
// a file is accepted.
import QtQuick
import QtQuick.Dialogs

FileDialog {
    fileMode: FileDialog.SaveFile
    nameFilters: [qsTranslate("ProjectPage", "JSON (*.json)"), qsTranslate("ProjectPage", "All Files (*)")]
}
