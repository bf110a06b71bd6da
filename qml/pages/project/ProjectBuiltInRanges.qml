// The set-up page's built-in range libraries: the Standard and Population
// trees read from the bundled files, their shown names, and in developer
// mode the local overrides of single ranges, clearing them, and exporting
// both libraries back into the bundled files' layouts. The rules live in
// builtin_ranges.js.
import QtQuick
import Tessaval
import "builtin_ranges.js" as Builtin
import "../../components/local_file_dialog.js" as Files

ProjectRangeLibrary {
    id: root

    // The last load error, shown under the Standard lists.
    property string _presetLoadError: ""
    // The last export error of each library; empty after a success.
    property string _exportStandardError: ""
    property string _exportExploitError: ""
    // Where the last export went, shown for a moment after a success.
    property string _exportNotice: ""
    // The player whose overrides a confirmation dialog clears; set by the
    // panel's button before the dialog opens.
    property string _clearStandardPlayer: ""
    property string _clearExploitPlayer: ""

    readonly property alias clearStandardOverridesDialog: clearStandardDialog
    readonly property alias clearExploitOverridesDialog: clearExploitDialog
    readonly property alias exportStandardDialog: exportStandardFileDialog
    readonly property alias exportExploitDialog: exportExploitFileDialog

    // ---- Building --------------------------------------------------------

    function _sanitizePresetList(arr) {
        return Builtin.sanitizePresetList(arr)
    }

    function _buildStandardTree(flatRanges) {
        return Builtin.buildStandardTree(flatRanges)
    }

    function _buildStandard6MaxTree(flatRanges) {
        return Builtin.buildStandard6MaxTree(flatRanges)
    }

    function _buildStandardHeadsUpTree(flatRanges) {
        return Builtin.buildStandardHeadsUpTree(flatRanges)
    }

    function _buildExploitTree(player, standardTree) {
        return Builtin.buildExploitTree(player, standardTree)
    }

    function _stripWeightsText(text) {
        return Builtin.stripWeightsText(text)
    }

    function _cloneTreeStripWeights(nodes) {
        return Builtin.cloneTreeStripWeights(nodes)
    }

    // Rebuilds both players' Standard and Population trees from the bundled
    // files, with fresh ids and the current override maps applied. The
    // files are read through the controller only.
    function _loadBundledPresetRanges() {
        _presetLoadError = ""
        const controller = appControllerObject
        const read = controller && typeof controller.readTextResource === "function"
                     ? function (path) { return controller.readTextResource(path) } : null
        const result = Builtin.loadBundled(read, {
            oop: { standard: oopStandardOverrides, exploit: oopExploitOverrides },
            ip: { standard: ipStandardOverrides, exploit: ipExploitOverrides }
        })
        if (result.oopStandard !== undefined)
            oopStandardRanges = result.oopStandard
        if (result.ipStandard !== undefined)
            ipStandardRanges = result.ipStandard
        if (result.oopExploit !== undefined)
            oopExploitRanges = result.oopExploit
        if (result.ipExploit !== undefined)
            ipExploitRanges = result.ipExploit
        _presetLoadError = result.error
    }

    // ---- Shown names -----------------------------------------------------

    function rangeDisplayName(category, rawName) {
        return Builtin.rangeDisplayName(category, rawName)
    }

    function _trRakeFolderName(s) {
        return Builtin.trRakeFolderName(s)
    }

    function _trStdToken(tok) {
        return Builtin.trStdToken(tok)
    }

    function _trStandardLabel(s) {
        return Builtin.trStandardLabel(s)
    }

    function _trPopulationLabel(s) {
        return Builtin.trPopulationLabel(s)
    }

    // ---- Overrides (developer mode) ----------------------------------------

    function _builtInKey(player, category, suffix) {
        return (_isOop(player) ? "oop" : "ip") + (category === 0 ? "Standard" : "Exploit") + suffix
    }

    // The selected range of the shown built-in category, when the player's
    // range text can become its override.
    function _overrideTarget(player, category) {
        if (!developerMode || _rangeCategory(player) !== category)
            return null
        const id = _isOop(player) ? oopSelectedId : ipSelectedId
        const text = String(_isOop(player) ? oopRangeText : ipRangeText).trim()
        if (id.length === 0 || text.length === 0)
            return null
        const tree = _sanitizeCustomTree(rangesFor(player, category))
        const node = _findNodeById(tree, id)
        if (node === null || node.type !== "range")
            return null
        return { tree: tree, id: id, value: text, key: _findPathKeyById(tree, id, []) }
    }

    function _overrideSelected(player, category) {
        const target = _overrideTarget(player, category)
        if (target === null || target.key.length === 0)
            return false
        const mapName = _builtInKey(player, category, "Overrides")
        const map = Object.assign({}, root[mapName])
        map[target.key] = target.value
        root[mapName] = map
        if (category === 0)
            persistStandardOverrides(player)
        else
            persistExploitOverrides(player)
        root[_builtInKey(player, category, "Ranges")] = _updateRangeValueById(target.tree, target.id, target.value)
        return true
    }

    // Drops the player's overrides of one library, empties the player's
    // selection, open folders and range text, and rebuilds all built-in
    // trees (the other overrides stay in force).
    function _clearOverrides(player, category) {
        if (player !== "oop" && player !== "ip")
            return false
        root[_builtInKey(player, category, "Overrides")] = {}
        _store(_builtInKey(player, category, "OverridesJson"), "")
        root[player + "SelectedId"] = ""
        root[player + "OpenFolderIds"] = {}
        root[player + "RangeText"] = ""
        _loadBundledPresetRanges()
        return true
    }

    function canOverrideStandard(player) {
        return _overrideTarget(player, 0) !== null
    }

    function canOverrideExploit(player) {
        return _overrideTarget(player, 1) !== null
    }

    function overrideSelectedStandardRange(player) {
        return _overrideSelected(player, 0)
    }

    function overrideSelectedExploitRange(player) {
        return _overrideSelected(player, 1)
    }

    function clearStandardOverrides(player) {
        return _clearOverrides(player, 0)
    }

    function clearExploitOverrides(player) {
        return _clearOverrides(player, 1)
    }

    // ---- Export (developer mode) -------------------------------------------

    function _stripIdsForExport(nodes) {
        return Builtin.stripIdsForExport(nodes)
    }

    function _flattenStandardForExport(nodes) {
        return Builtin.flattenStandardForExport(nodes)
    }

    // Writes one library to the chosen file through the controller; the
    // error line of that library tells what went wrong.
    function _exportTo(fileUrl, category) {
        const errorName = category === 0 ? "_exportStandardError" : "_exportExploitError"
        const controller = appControllerObject
        if (!controller || typeof controller.saveTextFile !== "function") {
            root[errorName] = qsTranslate("ProjectPage", "Export failed: appController.saveTextFile unavailable.")
            return false
        }
        const text = category === 0
                ? Builtin.standardExportText(oopStandardRanges, ipStandardRanges)
                : Builtin.populationExportText(oopExploitRanges, ipExploitRanges, new Date())
        root[errorName] = Builtin.exportErrorText(controller.saveTextFile(fileUrl, text))
        const ok = root[errorName].length === 0
        _exportNotice = ok ? qsTranslate("ProjectPage", "Exported to %1.").arg(Files.fileName(fileUrl)) : ""
        if (ok)
            exportNoticeTimer.restart()
        return ok
    }

    Timer {
        id: exportNoticeTimer
        interval: 4000
        onTriggered: root._exportNotice = ""
    }

    function _exportStandardTo(fileUrl) {
        return _exportTo(fileUrl, 0)
    }

    function _exportExploitTo(fileUrl) {
        return _exportTo(fileUrl, 1)
    }

    function _seatLabel(player) {
        return player === "oop" ? qsTranslate("ProjectPage", "OOP") : qsTranslate("ProjectPage", "IP")
    }

    SetupConfirmDialog {
        id: clearStandardDialog
        objectName: "clearStandardOverridesDialog"
        theme: root.theme
        width: 420
        title: qsTranslate("ProjectPage", "Clear standard overrides")
        question: qsTranslate("ProjectPage", "Clear all locally overridden standard ranges for %1?")
                  .arg(root._seatLabel(root._clearStandardPlayer))
        confirmText: qsTranslate("ProjectPage", "OK")
        onConfirmed: root.clearStandardOverrides(root._clearStandardPlayer)
    }

    SetupConfirmDialog {
        id: clearExploitDialog
        objectName: "clearExploitOverridesDialog"
        theme: root.theme
        width: 420
        title: qsTranslate("ProjectPage", "Clear population overrides")
        question: qsTranslate("ProjectPage", "Clear all locally overridden population ranges for %1?")
                  .arg(root._seatLabel(root._clearExploitPlayer))
        confirmText: qsTranslate("ProjectPage", "OK")
        onConfirmed: root.clearExploitOverrides(root._clearExploitPlayer)
    }

    RangeExportFileDialog {
        id: exportStandardFileDialog
        objectName: "exportStandardDialog"
        theme: root.theme
        controller: root.appControllerObject
        title: qsTranslate("ProjectPage", "Export Standard Ranges")
        onFileChosen: function (fileUrl) { root._exportStandardTo(fileUrl) }
    }

    RangeExportFileDialog {
        id: exportExploitFileDialog
        objectName: "exportExploitDialog"
        theme: root.theme
        controller: root.appControllerObject
        title: qsTranslate("ProjectPage", "Export Population Ranges")
        onFileChosen: function (fileUrl) { root._exportExploitTo(fileUrl) }
    }
}
