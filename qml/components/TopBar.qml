// The bar above every page: the page tabs. It only asks for pages; the shell
// decides.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

Rectangle {
    id: bar

    property var theme
    property var controller
    property bool canSolve: false
    property bool projectEnabled: false
    property int currentPage: 0
    property int maxIterations: 0
    property real targetExploitability: 0
    property string pageTitle: ""
    property string pageSubtitle: ""

    signal navigate(int index)

    implicitHeight: 56
    color: theme ? theme.bg1 : "#0D1117"

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 16
        spacing: 8
        Repeater {
            model: [qsTr("Home"), qsTr("Setup"), qsTr("Solve"), qsTr("Results"), qsTr("Settings")]
            delegate: Button {
                required property string modelData
                required property int index
                text: modelData
                highlighted: bar.currentPage === index
                onClicked: bar.navigate(index)
            }
        }
        Item { Layout.fillWidth: true }
    }
}
