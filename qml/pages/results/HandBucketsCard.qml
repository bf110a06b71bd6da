// The "Buckets" card: the hand buckets of the player to act with their
// combo counts and average strategies; a click filters the matrix and the
// hand list to the bucket (a second click lifts the filter).
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval
import "results_hands.js" as Hands
import "results_frame.js" as Frame

Card {
    id: card

    property var page
    readonly property var buckets: page ? page.currentHandBuckets : []
    readonly property real _scale: page ? page.uiScale : 1

    // The buckets the list's rows show, kept while the node has none (the
    // list is hidden then), so that the rows wait for the next node's
    // buckets instead of being built again (see followRowCount).
    property var _rows: []
    function _takeRows() {
        if (buckets.length === 0)
            return
        _rows = buckets
        Frame.followRowCount(rowSlots, buckets.length)
    }
    onBucketsChanged: _takeRows()
    Component.onCompleted: _takeRows()
    ListModel { id: rowSlots }

    function _tok(name, fallback) {
        return theme ? theme[name] : fallback
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 10

        RowLayout {
            Layout.fillWidth: true
            Text {
                text: qsTranslate("ResultsPage", "Buckets")
                color: card._tok("text", "#F0F6FC")
                font.family: card._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 14
                font.bold: true
            }
            Item { Layout.fillWidth: true }
            Text {
                objectName: "bucketCount"
                text: qsTranslate("ResultsPage", "%1 shown").arg(card.buckets.length)
                color: card._tok("textMuted", "#8B949E")
                font.family: card._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 11
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            radius: card._tok("radiusSm", 8)
            color: card._tok("bg0", "#080B12")
            border.width: 1
            border.color: card._tok("strokeLight", "#21262D")

            ListView {
                id: list
                objectName: "bucketList"
                anchors.fill: parent
                anchors.margins: 8
                clip: true
                spacing: 6
                boundsBehavior: Flickable.StopAtBounds
                // No highlight is drawn: its invisible stand-in would still be
                // animated after the current row, a frame at a time.
                highlightFollowsCurrentItem: false
                visible: card.buckets.length > 0
                model: rowSlots
                ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

                delegate: Rectangle {
                    id: row
                    required property int index
                    readonly property var modelData: card._rows[index] || ({})
                    readonly property string bucketName: modelData && modelData.name !== undefined ? String(modelData.name) : ""
                    readonly property bool isSelected: card.page && card.page.selectedBucket === bucketName
                    objectName: "bucketRow_" + bucketName
                    width: list.width
                    height: rowContent.implicitHeight + 12
                    radius: card._tok("radiusXs", 4)
                    color: isSelected ? card._tok("surface3", "#2D333B") : card._tok("surface2", "#21262D")

                    // Placed by hand rather than by layouts, which each row
                    // would arrange again at every node.
                    Item {
                        id: rowContent
                        anchors.fill: parent
                        anchors.margins: 6
                        implicitHeight: Math.max(nameColumn.implicitHeight, bucketBar.height)

                        Column {
                            id: nameColumn
                            width: Frame.scaled(150, 110, card._scale)
                            anchors.verticalCenter: parent.verticalCenter
                            spacing: 2
                            Text {
                                objectName: "bucketName"
                                width: parent.width
                                text: row.modelData && row.modelData.displayName ? String(row.modelData.displayName)
                                                                                : row.bucketName
                                // A long name takes a second line (the row
                                // grows) rather than being cut.
                                wrapMode: Text.Wrap
                                color: card._tok("text", "#F0F6FC")
                                font.family: card._tok("fontFamilyResolved", "sans-serif")
                                font.pixelSize: 12
                                font.weight: Font.DemiBold
                            }
                            Text {
                                objectName: "bucketCombos"
                                readonly property string number: Hands.bucketCombosNumber(row.modelData ? row.modelData.combos : NaN)
                                text: number.length > 0 ? qsTranslate("ResultsPage", "%1 combos").arg(number) : ""
                                color: card._tok("textMuted", "#8B949E")
                                font.family: card._tok("fontFamilyResolved", "sans-serif")
                                font.pixelSize: 10
                            }
                        }
                        ActionBar {
                            id: bucketBar
                            objectName: "bucketBar"
                            x: nameColumn.width + 8
                            width: Math.max(0, rowContent.width - x)
                            height: 16
                            anchors.verticalCenter: parent.verticalCenter
                            theme: card.theme
                            showLabels: false
                            actions: card.page ? card.page._handActionsForProbs(row.modelData ? row.modelData.actionProbs : [])
                                               : []
                        }
                    }

                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: card.page.toggleBucketFilter(row.bucketName)
                    }
                }
            }

            // Hands are grouped where a player acts; a deal or the end of a
            // hand has no buckets of its own.
            Text {
                objectName: "bucketsNotHere"
                visible: !!card.page && card.buckets.length === 0 && !!card.page.currentMeta.nodeType
                         && card.page.currentMeta.nodeType !== "decision"
                anchors.fill: parent
                anchors.margins: 12
                text: qsTranslate("ResultsPage", "Buckets are shown where a player acts.")
                color: card._tok("textMuted", "#8B949E")
                font.family: card._tok("fontFamilyResolved", "sans-serif")
                font.pixelSize: 12
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }
    }
}
