// The set-up page's range library: per player the Standard, Population and
// Custom trees, the shown category, selection and open folders, the
// settings category "ranges", the override maps, the tree operations and
// the rows of the panels' lists. The tree rules live in range_library.js.
import QtQuick
import Qt.labs.settings
import "range_library.js" as Library

ProjectRangeText {
    id: root

    // Shown category per player: 0 Standard, 1 Population, 2 Custom.
    property int oopRangeCategory: 2
    property int ipRangeCategory: 2
    property string oopSelectedId: ""
    property string ipSelectedId: ""
    property var oopOpenFolderIds: ({})
    property var ipOpenFolderIds: ({})
    property var oopStandardRanges: []
    property var ipStandardRanges: []
    property var oopExploitRanges: []
    property var ipExploitRanges: []
    property var oopCustomRanges: []
    property var ipCustomRanges: []
    property var oopStandardOverrides: ({})
    property var ipStandardOverrides: ({})
    property var oopExploitOverrides: ({})
    property var ipExploitOverrides: ({})
    // Weight in percent of a newly painted matrix cell; never saved.
    property real oopClickWeightPct: 100.0
    property real ipClickWeightPct: 100.0

    // The settings category "ranges".
    property alias rangeSettings: rangeStore

    onOopRangeCategoryChanged: {
        oopSelectedId = ""
        oopOpenFolderIds = {}
    }
    onIpRangeCategoryChanged: {
        ipSelectedId = ""
        ipOpenFolderIds = {}
    }
    // Custom trees are written on every assignment once the stored ones
    // have been read; before that, the initial empty lists (assigned while
    // the page is created) must not overwrite what is stored.
    property bool _customTreesLoaded: false
    onOopCustomRangesChanged: {
        if (_customTreesLoaded)
            persistCustomRanges("oop")
    }
    onIpCustomRangesChanged: {
        if (_customTreesLoaded)
            persistCustomRanges("ip")
    }

    Settings {
        id: rangeStore
        category: "ranges"
        property string oopCustomRangesJson: ""
        property string ipCustomRangesJson: ""
        property string oopStandardOverridesJson: ""
        property string ipStandardOverridesJson: ""
        property string oopExploitOverridesJson: ""
        property string ipExploitOverridesJson: ""
    }

    function _newNodeId() {
        return Library.newNodeId()
    }

    function _sanitizeCustomTree(arr) {
        return Library.sanitizeTree(arr)
    }

    function _findNodeById(nodes, id) {
        return Library.findNodeById(nodes, id)
    }

    function _findParentFolderId(nodes, targetId, parentFolderId) {
        return Library.findParentFolderId(nodes, targetId, parentFolderId)
    }

    function _findPathKeyById(nodes, targetId, pathParts) {
        return Library.findPathKeyById(nodes, targetId, pathParts)
    }

    function _countDescendants(node) {
        return Library.countDescendants(node)
    }

    function _normalizeName(name) {
        return Library.normalizeName(name)
    }

    function _uniqueRangeName(existingRanges, desiredName) {
        return Library.uniqueName(existingRanges, desiredName)
    }

    function _isOop(player) {
        return player === "oop"
    }

    function rangesFor(player, category) {
        const oop = _isOop(player)
        const cat = Number(category)
        if (cat === 0)
            return oop ? oopStandardRanges : ipStandardRanges
        if (cat === 1)
            return oop ? oopExploitRanges : ipExploitRanges
        return oop ? oopCustomRanges : ipCustomRanges
    }

    function categoryLabel(cat) {
        const c = Number(cat)
        if (c === 0)
            return qsTranslate("ProjectPage", "Standard Ranges")
        if (c === 1)
            return qsTranslate("ProjectPage", "Population Ranges")
        return qsTranslate("ProjectPage", "Custom Ranges")
    }

    // The shown name of a library node. Custom names are shown as entered;
    // the built-in libraries' layer gives their names translated.
    function rangeDisplayName(category, rawName) {
        return rawName === undefined || rawName === null ? "" : String(rawName)
    }

    function _rangeCategory(player) {
        return _isOop(player) ? oopRangeCategory : ipRangeCategory
    }

    function _openFolderIds(player) {
        return _isOop(player) ? oopOpenFolderIds : ipOpenFolderIds
    }

    function _toggleOpenFolder(player, folderId) {
        if (folderId === undefined || folderId === null || String(folderId).length === 0)
            return
        const tree = _sanitizeCustomTree(rangesFor(player, _rangeCategory(player)))
        const next = Library.toggledOpenMap(tree, _openFolderIds(player), folderId)
        if (_isOop(player))
            oopOpenFolderIds = next
        else
            ipOpenFolderIds = next
    }

    function _flattenTreeFor(player, cat) {
        const tree = _sanitizeCustomTree(rangesFor(player, cat))
        return Library.flattenTree(tree, _openFolderIds(player), function (name) {
            return root.rangeDisplayName(cat, name)
        })
    }

    // Rebuilt on a change of interface language too, for the shown names.
    function listModelFor(player) {
        const rev = _i18nRev
        return _flattenTreeFor(player, _rangeCategory(player))
    }

    // ---- Overrides -----------------------------------------------------

    function _sanitizeOverrideMap(obj) {
        return Library.sanitizeOverrideMap(obj)
    }

    function _loadPersistedStandardOverrides(player) {
        return Library.parseStoredOverrides(_isOop(player) ? rangeSettings.oopStandardOverridesJson
                                                           : rangeSettings.ipStandardOverridesJson)
    }

    function _loadPersistedExploitOverrides(player) {
        return Library.parseStoredOverrides(_isOop(player) ? rangeSettings.oopExploitOverridesJson
                                                           : rangeSettings.ipExploitOverridesJson)
    }

    // Writes one key now, not at the settings object's own pace.
    function _store(key, text) {
        rangeSettings[key] = text
        rangeSettings.setValue(key, text)
        rangeSettings.sync()
    }

    function persistStandardOverrides(player) {
        const oop = _isOop(player)
        _store(oop ? "oopStandardOverridesJson" : "ipStandardOverridesJson",
               Library.overridesJson(oop ? oopStandardOverrides : ipStandardOverrides))
    }

    function persistExploitOverrides(player) {
        const oop = _isOop(player)
        _store(oop ? "oopExploitOverridesJson" : "ipExploitOverridesJson",
               Library.overridesJson(oop ? oopExploitOverrides : ipExploitOverrides))
    }

    function _applyOverridesToTree(nodes, overrides, pathParts) {
        return Library.applyOverrides(nodes, overrides, pathParts)
    }

    function _updateRangeValueById(nodes, targetId, newValue) {
        return Library.updateRangeValueById(nodes, targetId, newValue)
    }

    // ---- Custom trees --------------------------------------------------

    function _loadPersistedCustomRanges(player) {
        return Library.parseStoredTree(_isOop(player) ? rangeSettings.oopCustomRangesJson
                                                      : rangeSettings.ipCustomRangesJson)
    }

    function persistCustomRanges(player) {
        if (player === "oop")
            _store("oopCustomRangesJson", Library.treeJson(oopCustomRanges))
        else if (player === "ip")
            _store("ipCustomRangesJson", Library.treeJson(ipCustomRanges))
    }

    // ---- Start-up steps, run in order by the page ---------------------

    // Both players' Standard override maps, then both Population maps.
    function _loadStoredOverrideMaps() {
        oopStandardOverrides = _loadPersistedStandardOverrides("oop")
        ipStandardOverrides = _loadPersistedStandardOverrides("ip")
        oopExploitOverrides = _loadPersistedExploitOverrides("oop")
        ipExploitOverrides = _loadPersistedExploitOverrides("ip")
    }

    // Each player's stored Custom tree; assigning it writes it back, so that
    // ids given to entries stored without one are kept from now on.
    function _loadStoredCustomTrees() {
        _customTreesLoaded = true
        const oop = _loadPersistedCustomRanges("oop")
        if (oop !== null)
            oopCustomRanges = oop
        const ip = _loadPersistedCustomRanges("ip")
        if (ip !== null)
            ipCustomRanges = ip
    }
}
