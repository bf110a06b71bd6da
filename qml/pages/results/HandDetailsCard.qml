// The "Hand Details" card: every combo of the player to act at the current
// node with its EVs relative to folding and its strategy, narrowed by the
// search field, the class clicked in the matrix and the bucket.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "results_frame.js" as Frame

Card {
    id: card

    property var page
    readonly property real _scale: page ? page.uiScale : 1
    readonly property var _all: page ? page.currentHandCombos : []
    readonly property var _visible: page ? page.visibleHandCombos : []
    readonly property bool _loading: !!page && page._handCombosLoading

    // The combos the list's rows show: the shown combos, kept while none is
    // shown (a deal, a filter matching nothing), when the list is hidden, so
    // that its rows wait for the next combos instead of being built again.
    property var _rows: []
    function _takeRows() {
        if (_visible.length === 0)
            return
        _rows = _visible
        Frame.followRowCount(rowSlots, _visible.length)
        list.positionViewAtBeginning()
    }
    on_VisibleChanged: _takeRows()
    Component.onCompleted: _takeRows()
    ListModel { id: rowSlots }

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    clip: true

    ColumnLayout {
        anchors.fill: parent
        spacing: 10

        // The search field beside the title, or under it where the card is
        // too narrow for both on one line.
        GridLayout {
            objectName: "handDetailsHeader"
            Layout.fillWidth: true
            columns: card.availableWidth >= detailsTitle.implicitWidth + 10 + 180 ? 2 : 1
            columnSpacing: 10
            rowSpacing: 8
            Text {
                id: detailsTitle
                text: qsTranslate("ResultsPage", "Hand Details")
                color: card._tok("text", "#F0F6FC")
                font.family: card._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 14
                font.bold: true
            }
            TextField {
                id: handSearch
                objectName: "handSearch"
                Layout.fillWidth: true
                Layout.minimumWidth: 0
                Layout.preferredWidth: Frame.scaled(260, 180, card._scale)
                text: card.page ? card.page.handSearchText : ""
                placeholderText: qsTranslate("ResultsPage", "Search (JJ, 56s, JcJd, ...)")
                color: card._tok("text", "#F0F6FC")
                placeholderTextColor: card._tok("textFaint", "#6E7681")
                font.family: card._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 12
                background: Rectangle {
                    radius: card._tok("radiusSm", 8)
                    color: card._tok("surface2", "#21262D")
                    border.width: handSearch.activeFocus ? 2 : 1
                    border.color: handSearch.activeFocus ? card._tok("strokeFocus", "#58A6FF")
                                                         : card._tok("stroke", "#30363D")
                }
                onTextChanged: if (card.page && card.page.handSearchText !== text) card.page.handSearchText = text
            }
        }

        Text {
            objectName: "handCombosLoading"
            visible: card._loading
            text: qsTranslate("ResultsPage", "Loading hand combos\u2026")
            color: card._tok("textMuted", "#8B949E")
            font.family: card._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
        }
        Text {
            objectName: "noHandCombos"
            visible: !card._loading && card._all.length === 0
            text: qsTranslate("ResultsPage", "No hand combos to display for this node.")
            color: card._tok("textMuted", "#8B949E")
            font.family: card._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        RowLayout {
            objectName: "classFilterRow"
            visible: !!card.page && card.page.selectedHandClass !== ""
            Layout.fillWidth: true
            spacing: 10
            Text {
                text: qsTranslate("ResultsPage", "Filter: %1").arg(card.page ? card.page.selectedHandClass : "")
                color: card._tok("text", "#F0F6FC")
                font.family: card._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 12
            }
            Item { Layout.fillWidth: true }
            SecondaryButton {
                objectName: "clearClassFilterButton"
                theme: card.theme
                text: qsTranslate("ResultsPage", "Clear")
                Layout.preferredWidth: 80
                onClicked: card.page.selectedHandClass = ""
            }
        }
        Text {
            objectName: "noMatchingCombos"
            visible: card._all.length > 0 && card._visible.length === 0
            text: qsTranslate("ResultsPage", "No combos match the current filters.")
            color: card._tok("textMuted", "#8B949E")
            font.family: card._tok("fontFamilyResolved", "sans-serif")
            font.pixelSize: 12
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 1
            color: card._tok("stroke", "#30363D")
            opacity: 0.5
        }

        Rectangle {
            visible: card._all.length > 0
            Layout.fillWidth: true
            Layout.fillHeight: true
            radius: card._tok("radiusSm", 8)
            color: card._tok("bg0", "#080B12")
            border.width: 1
            border.color: card._tok("strokeLight", "#21262D")

            ListView {
                id: list
                objectName: "handComboList"
                anchors.fill: parent
                anchors.margins: 8
                clip: true
                spacing: 6
                boundsBehavior: Flickable.StopAtBounds
                // No highlight is drawn: its invisible stand-in would still be
                // animated after the current row, a frame at a time.
                highlightFollowsCurrentItem: false
                visible: card._visible.length > 0
                model: rowSlots
                ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
                delegate: HandComboRow {
                    required property int index
                    width: list.width
                    combo: card._rows[index] || ({})
                    page: card.page
                    theme: card.theme
                }
            }
        }
        Item {
            visible: card._all.length === 0
            Layout.fillHeight: true
        }
    }
}
