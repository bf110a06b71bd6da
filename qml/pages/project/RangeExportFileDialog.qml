// The file chooser of a developer export of a built-in range library: save
// mode, JSON files first. The owner sets the title and writes the file when
// one is chosen.
import QtQuick
import QtQuick.Dialogs
import Tessaval

LocalFileDialog {
    fileMode: FileDialog.SaveFile
    nameFilters: [qsTranslate("ProjectPage", "JSON (*.json)"), qsTranslate("ProjectPage", "All Files (*)")]
}
