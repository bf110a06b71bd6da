// The range library beside a panel's hand matrix: the three category
// buttons, the shown category's list, and the buttons of that category
// (the built-in libraries' only in developer mode), pushed down to the
// bottom of the matrix.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

ColumnLayout {
    id: sidebar

    property var theme: null
    // The set-up page whose library state is shown and edited.
    property var page
    property string player: "oop"

    readonly property bool _isOop: player === "oop"
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"
    readonly property int category: page ? (_isOop ? page.oopRangeCategory : page.ipRangeCategory) : 2
    readonly property string selectedId: page ? (_isOop ? page.oopSelectedId : page.ipSelectedId) : ""
    readonly property var openFolderIds: page ? (_isOop ? page.oopOpenFolderIds : page.ipOpenFolderIds) : ({})
    readonly property string rangeText: page ? (_isOop ? page.oopRangeText : page.ipRangeText) : ""
    readonly property bool developerMode: !!page && page.developerMode
    readonly property var rows: page ? page.listModelFor(player) : []
    readonly property bool libraryEmpty: {
        const tree = page ? page.rangesFor(player, category) : []
        return !tree || tree.length === 0
    }
    readonly property string presetLoadError: page && page._presetLoadError ? String(page._presetLoadError) : ""

    // A row click: select it, then open or close a folder, or take a range
    // as the player's range text, whole.
    function rowClicked(entry) {
        page[_isOop ? "oopSelectedId" : "ipSelectedId"] = entry.id
        if (entry.kind === "folder")
            page._toggleOpenFolder(player, entry.id)
        else
            page[_isOop ? "oopRangeText" : "ipRangeText"] = entry.value
    }

    function setCategory(c) {
        page[_isOop ? "oopRangeCategory" : "ipRangeCategory"] = c
    }

    // The override, export and custom-range operations of the page, when
    // the page has them.
    function _call(name) {
        if (page && typeof page[name] === "function")
            return page[name](player)
        return undefined
    }

    function _open(dialogName) {
        const dialog = page ? page[dialogName] : null
        if (dialog && typeof dialog.open === "function")
            dialog.open()
    }

    function _clearOverrides(playerKey, dialogName) {
        if (page && page[playerKey] !== undefined)
            page[playerKey] = player
        _open(dialogName)
    }

    spacing: 8

    component CategoryButton: Button {
        id: categoryButton
        property int category: 0
        objectName: sidebar.player + "Category" + category
        Layout.fillWidth: true
        Layout.preferredHeight: Math.max(28, implicitHeight)
        checked: sidebar.category === category
        hoverEnabled: true
        font.family: sidebar._family
        font.pixelSize: 11
        font.weight: checked ? Font.DemiBold : Font.Normal
        contentItem: Text {
            text: categoryButton.text
            font: categoryButton.font
            color: categoryButton.checked ? (sidebar.theme ? sidebar.theme.text : "#F0F6FC")
                                          : (sidebar.theme ? sidebar.theme.textMuted : "#8B949E")
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.Wrap
            elide: Text.ElideRight
        }
        background: Rectangle {
            radius: sidebar.theme ? sidebar.theme.radiusSm : 8
            color: categoryButton.checked ? (sidebar.theme ? sidebar.theme.surface3 : "#2D333B")
                 : categoryButton.hovered ? (sidebar.theme ? sidebar.theme.surfaceHover : "#30363D")
                 : (sidebar.theme ? sidebar.theme.surface2 : "#21262D")
            border.width: 1
            border.color: categoryButton.checked ? (sidebar.theme ? sidebar.theme.strokeFocus : "#58A6FF")
                                                 : (sidebar.theme ? sidebar.theme.stroke : "#30363D")

            FocusRing {
                theme: sidebar.theme
                faceRadius: parent.radius
                shown: categoryButton.visualFocus
            }
        }
        HoverHandler {
            cursorShape: Qt.PointingHandCursor
        }
        onClicked: sidebar.setCategory(category)
    }

    component ActionButton: SetupNeutralButton {
        theme: sidebar.theme
        Layout.fillWidth: true
        Layout.preferredHeight: Math.max(28, implicitHeight)
        font.pixelSize: 11
    }

    component DangerButton: SetupDangerButton {
        theme: sidebar.theme
        Layout.fillWidth: true
        Layout.preferredHeight: Math.max(28, implicitHeight)
        font.pixelSize: 11
    }

    CategoryButton {
        category: 0
        text: qsTranslate("ProjectPage", "Standard Ranges")
    }
    CategoryButton {
        category: 1
        text: qsTranslate("ProjectPage", "Population Ranges")
    }
    CategoryButton {
        category: 2
        text: qsTranslate("ProjectPage", "Custom Ranges")
    }

    Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: 1
        color: sidebar.theme ? sidebar.theme.stroke : "#30363D"
        opacity: 0.4
    }

    ColumnLayout {
        objectName: sidebar.player + "LibraryList"
        Layout.fillWidth: true
        spacing: 6

        Text {
            objectName: "categoryCaption"
            Layout.fillWidth: true
            text: sidebar.page ? sidebar.page.categoryLabel(sidebar.category) : ""
            font.family: sidebar._family
            font.pixelSize: 11
            font.weight: Font.DemiBold
            color: sidebar.theme ? sidebar.theme.textMuted : "#8B949E"
            elide: Text.ElideRight
        }

        // Counted rows, each reading its entry: the list is rebuilt when the
        // interface language changes (for the shown names), and rows keyed by
        // the list itself would then be destroyed and recreated inside the
        // layout while it arranges them.
        Repeater {
            model: sidebar.rows.length
            delegate: RangeLibraryRow {
                required property int index
                readonly property var _row: sidebar.rows[index] || ({})
                objectName: "libraryRow_" + (_row.name || "")
                Layout.fillWidth: true
                theme: sidebar.theme
                entry: _row
                selected: sidebar.selectedId === _row.id
                open: !!sidebar.openFolderIds && !!sidebar.openFolderIds[_row.id]
                onClicked: sidebar.rowClicked(_row)
            }
        }

        WrappedText {
            objectName: "emptyLibraryText"
            visible: sidebar.libraryEmpty
            text: qsTranslate("ProjectPage", "No ranges yet.")
            font.family: sidebar._family
            font.pixelSize: 11
            color: sidebar.theme ? sidebar.theme.textFaint : "#6E7681"
        }

        Text {
            objectName: "presetLoadErrorText"
            Layout.fillWidth: true
            visible: sidebar.category === 0 && sidebar.presetLoadError.trim().length > 0
            text: sidebar.presetLoadError
            wrapMode: Text.Wrap
            font.family: sidebar._family
            font.pixelSize: 10
            color: sidebar.theme ? sidebar.theme.danger : "#F85149"
        }

        // Why the last developer export of the shown built-in library failed.
        Text {
            objectName: "exportErrorText"
            Layout.fillWidth: true
            visible: sidebar.developerMode && text.trim().length > 0
            text: !sidebar.page ? ""
                : sidebar.category === 0 && sidebar.page._exportStandardError ? String(sidebar.page._exportStandardError)
                : sidebar.category === 1 && sidebar.page._exportExploitError ? String(sidebar.page._exportExploitError)
                : ""
            wrapMode: Text.Wrap
            font.family: sidebar._family
            font.pixelSize: 10
            color: sidebar.theme ? sidebar.theme.danger : "#F85149"
        }

        // Where the last developer export went, for a moment.
        Text {
            objectName: "exportNoticeText"
            Layout.fillWidth: true
            visible: sidebar.developerMode && text.length > 0
            text: sidebar.page && sidebar.page._exportNotice ? String(sidebar.page._exportNotice) : ""
            wrapMode: Text.Wrap
            font.family: sidebar._family
            font.pixelSize: 10
            color: sidebar.theme ? sidebar.theme.accent : "#3FB950"
        }
    }

    Item {
        Layout.fillHeight: true
    }

    ActionButton {
        objectName: sidebar.player + "OverrideStandardButton"
        visible: sidebar.developerMode && sidebar.category === 0
        enabled: !!sidebar.page && typeof sidebar.page.canOverrideStandard === "function"
                 && !!sidebar.page.canOverrideStandard(sidebar.player)
        text: qsTranslate("ProjectPage", "Override")
        onClicked: sidebar._call("overrideSelectedStandardRange")
    }
    ActionButton {
        objectName: sidebar.player + "ExportStandardButton"
        visible: sidebar.developerMode && sidebar.category === 0
        text: qsTranslate("ProjectPage", "Export standard…")
        onClicked: sidebar._open("exportStandardDialog")
    }
    DangerButton {
        objectName: sidebar.player + "ClearStandardButton"
        visible: sidebar.developerMode && sidebar.category === 0
        text: qsTranslate("ProjectPage", "Clear overrides…")
        onClicked: sidebar._clearOverrides("_clearStandardPlayer", "clearStandardOverridesDialog")
    }
    ActionButton {
        objectName: sidebar.player + "OverrideExploitButton"
        visible: sidebar.developerMode && sidebar.category === 1
        enabled: !!sidebar.page && typeof sidebar.page.canOverrideExploit === "function"
                 && !!sidebar.page.canOverrideExploit(sidebar.player)
        text: qsTranslate("ProjectPage", "Override")
        onClicked: sidebar._call("overrideSelectedExploitRange")
    }
    ActionButton {
        objectName: sidebar.player + "ExportExploitButton"
        visible: sidebar.developerMode && sidebar.category === 1
        text: qsTranslate("ProjectPage", "Export population…")
        onClicked: sidebar._open("exportExploitDialog")
    }
    DangerButton {
        objectName: sidebar.player + "ClearExploitButton"
        visible: sidebar.developerMode && sidebar.category === 1
        text: qsTranslate("ProjectPage", "Clear overrides…")
        onClicked: sidebar._clearOverrides("_clearExploitPlayer", "clearExploitOverridesDialog")
    }
    ActionButton {
        objectName: sidebar.player + "SaveRangeButton"
        visible: sidebar.category === 2
        enabled: sidebar.rangeText.trim().length > 0
        text: qsTranslate("ProjectPage", "Save current range…")
        onClicked: sidebar._call("openSaveRangeDialog")
    }
    ActionButton {
        objectName: sidebar.player + "ImportRangeButton"
        visible: sidebar.category === 2
        text: qsTranslate("ProjectPage", "Import range…")
        onClicked: sidebar._call("openImportRangeDialog")
    }
    ActionButton {
        objectName: sidebar.player + "AddFolderButton"
        visible: sidebar.category === 2
        text: qsTranslate("ProjectPage", "Add folder…")
        onClicked: sidebar._call("openAddFolderDialog")
    }
    DangerButton {
        objectName: sidebar.player + "DeleteSelectedButton"
        visible: sidebar.category === 2
        outlined: true
        enabled: sidebar.selectedId.length > 0
        text: qsTranslate("ProjectPage", "Delete selected…")
        onClicked: sidebar._call("openDeleteSelectedDialog")
    }
}
