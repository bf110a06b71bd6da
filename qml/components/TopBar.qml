// The bar above every page: the page tabs on the left and the solver status
// chip on the right. A tab click only asks for a page; the shell decides.
import QtQuick
import QtQuick.Controls
import Tessaval
import "solve_progress.js" as Progress
import "progress_ring.js" as Ring

ToolBar {
    id: bar

    property var theme
    property var controller
    property bool canSolve: true
    // Why a solve cannot start, shown on the disabled Solve tab.
    property string solveBlockText: ""
    property bool projectEnabled: true
    property int maxIterations: 0
    property real targetExploitability: 0.0
    property int currentPage: 0
    // Bound by the shell; the bar does not show them.
    property string pageTitle: ""
    property string pageSubtitle: ""

    signal navigate(int index)

    readonly property bool lockOnSolve: currentPage === 2 && _running
    readonly property bool isStarting: _phase === "starting"
    readonly property bool isFinalizing: _phase === "finalizing"
    readonly property bool isInitializing: _phase === "initializing"
    readonly property int currentIteration: Progress.currentIteration({
        hasController: !!controller,
        running: _running,
        statusText: _statusText,
        lastIteration: _lastIterFromStatusText,
        progress: controller ? controller.progress : 0,
        maxIterations: maxIterations,
        resultIterations: _resultIterations
    })
    readonly property int progressWheelTotalIterations: Progress.totalIterations(maxIterations,
                                                                                 targetExploitability)
    readonly property real progressWheelValue: Progress.wheelValue(!!controller, _running, currentIteration,
                                                                   progressWheelTotalIterations,
                                                                   _resultIterations)

    // The last iteration read from a status text during the current solve:
    // the finalising texts carry none.
    property int _lastIterFromStatusText: 0

    readonly property bool _running: !!controller && !!controller.running
    readonly property string _statusText: controller && controller.statusText !== undefined
                                          && controller.statusText !== null ? String(controller.statusText) : ""
    readonly property int _resultIterations: controller && controller.resultIterations > 0
                                             ? controller.resultIterations : 0
    readonly property string _phase: Progress.phase(_running, _statusText, qsTranslate("AppController", "Starting..."))
    readonly property string _stateWord: {
        switch (_phase) {
        case "finalizing":
            return qsTr("Finalizing")
        case "starting":
            return qsTr("Starting")
        case "initializing":
            return qsTr("Initializing")
        case "solving":
            return qsTr("Solving")
        }
        return qsTr("Ready")
    }
    readonly property bool _chipLit: _running || canSolve
    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    readonly property var _tabs: [
        { title: qsTr("Home"), icon: "home" },
        { title: qsTr("Setup"), icon: "clipboard" },
        { title: qsTr("Solve"), icon: "bolt" },
        { title: qsTr("Results"), icon: "chart" },
        { title: qsTr("Settings"), icon: "gear" }
    ]

    // The page shown stays enabled; while a solve runs the others wait.
    function _tabEnabled(index) {
        if (index === currentPage)
            return true
        if (lockOnSolve)
            return false
        if (index === 1 && !projectEnabled)
            return false
        if (index === 3 && _resultIterations <= 0)
            return false
        if (index === 2 && !canSolve)
            return false
        return true
    }

    // Why a disabled tab is disabled, in the order _tabEnabled asks.
    function _tabTip(index) {
        if (_tabEnabled(index))
            return ""
        if (lockOnSolve)
            return qsTr("A solve is running: the other pages open when it ends or is cancelled")
        if (index === 1)
            return qsTr("Start a new project (or load one) from Home to enable Project")
        if (index === 3)
            return qsTr("Run a solve to enable Results")
        if (index === 2)
            return solveBlockText.length > 0 ? solveBlockText : qsTr("Fill board, ranges, and sizings to enable Solve")
        return ""
    }

    function _color(token, fallback) {
        return theme ? theme[token] : fallback
    }

    onControllerChanged: {
        if (!controller || !controller.running)
            _lastIterFromStatusText = 0
    }

    Connections {
        target: bar.controller
        ignoreUnknownSignals: true

        function onStatusTextChanged() {
            const n = Progress.iterationFromStatus(bar._statusText)
            if (n > 0)
                bar._lastIterFromStatusText = n
        }

        function onRunningChanged() {
            if (!bar.controller || !bar.controller.running)
                bar._lastIterFromStatusText = 0
        }
    }

    contentHeight: 60
    padding: 0

    background: Rectangle {
        color: bar._color("bg1", "#0D1117")

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: bar._color("stroke", "#30363D")
        }
    }

    Item {
        anchors.fill: parent

        Row {
            x: 20
            width: Math.max(0, statusArea.x - 20 - x)
            anchors.verticalCenter: parent.verticalCenter
            spacing: 24

            Row {
                spacing: 4

                Repeater {
                    model: bar._tabs

                    delegate: Item {
                        id: slot

                        required property var modelData
                        required property int index
                        readonly property bool _divided: index === 4

                        width: (_divided ? 15 : 0) + tab.width
                        height: tab.height

                        // Before Settings: sets it apart from the tabs of the
                        // solving work.
                        Rectangle {
                            visible: slot._divided
                            width: 1
                            height: 22
                            radius: 1
                            anchors.verticalCenter: parent.verticalCenter
                            color: bar._color("stroke", "#30363D")
                            opacity: 0.8
                        }

                        Item {
                            id: tabBox
                            x: slot._divided ? 15 : 0
                            width: tab.width
                            height: tab.height

                            Button {
                                id: tab
                                objectName: "tab" + slot.index

                                readonly property bool active: bar.currentPage === slot.index
                                readonly property color _contentColor: active ? bar._color("text", "#F0F6FC")
                                                                              : bar._color("textMuted", "#8B949E")

                                implicitWidth: tabContent.implicitWidth + 24
                                implicitHeight: 40
                                leftPadding: 12
                                rightPadding: 12
                                topPadding: 0
                                bottomPadding: 0
                                hoverEnabled: true
                                enabled: bar._tabEnabled(slot.index)
                                onClicked: bar.navigate(slot.index)

                                contentItem: Item {
                                    implicitWidth: tabContent.implicitWidth
                                    implicitHeight: tabContent.implicitHeight

                                    Row {
                                        id: tabContent
                                        anchors.centerIn: parent
                                        spacing: 6

                                        Icon {
                                            objectName: "tabIcon"
                                            anchors.verticalCenter: parent.verticalCenter
                                            name: slot.modelData.icon
                                            size: 16
                                            color: tab._contentColor
                                            iconOpacity: tab.active ? 1.0 : (tab.enabled ? 0.7 : 0.35)
                                        }

                                        Text {
                                            objectName: "tabTitle"
                                            anchors.verticalCenter: parent.verticalCenter
                                            text: slot.modelData.title
                                            font.family: bar._family
                                            font.pixelSize: 13
                                            font.weight: tab.active ? Font.DemiBold : Font.Normal
                                            color: tab._contentColor
                                            opacity: tab.enabled ? 1.0 : 0.6
                                        }
                                    }
                                }

                                background: Rectangle {
                                    objectName: "tabBackground"
                                    radius: 8
                                    color: tab.active ? bar._color("surface", "#1C2128")
                                         : tab.hovered && tab.enabled ? bar._color("surfaceHover", "#30363D")
                                         : "transparent"
                                    border.width: 1
                                    border.color: tab.active ? bar._color("stroke", "#30363D") : "transparent"
                                    opacity: tab.enabled ? 1.0 : 0.45

                                    Behavior on color {
                                        ColorAnimation { duration: 150 }
                                    }

                                    FocusRing {
                                        theme: bar.theme
                                        faceRadius: parent.radius
                                        shown: tab.visualFocus
                                    }
                                }
                            }

                            // A disabled button takes no pointer events: its box
                            // watches the pointer for the cursor and the tooltip.
                            HoverHandler {
                                id: tabHover
                                cursorShape: tab.enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
                            }

                            ToolTip {
                                objectName: "tabToolTip"
                                text: bar._tabTip(slot.index)
                                visible: tabHover.hovered && !tab.enabled && text !== ""
                            }
                        }
                    }
                }
            }
        }

        Item {
            id: statusArea
            objectName: "statusArea"
            width: statusRow.implicitWidth
            height: parent.height
            x: Math.floor(Math.max(0, parent.width - width - 20))

            Row {
                id: statusRow
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                spacing: 12

                Rectangle {
                    id: chip
                    objectName: "statusChip"
                    width: chipRow.implicitWidth + 20
                    height: 32
                    radius: bar._color("radiusFull", 9999)
                    border.width: 1
                    color: bar._chipLit ? (bar.theme ? bar.theme.withOpacity(bar.theme.success, 0.15) : "#1B3D2F")
                                        : bar._color("surface2", "#21262D")
                    border.color: bar._chipLit ? bar._color("success", "#3FB950") : bar._color("stroke", "#30363D")

                    Row {
                        id: chipRow
                        anchors.centerIn: parent
                        spacing: 8

                        Rectangle {
                            id: dot
                            objectName: "statusDot"
                            anchors.verticalCenter: parent.verticalCenter
                            width: 8
                            height: 8
                            radius: 4
                            color: bar._chipLit ? bar._color("success", "#3FB950")
                                                : bar._color("textFaint", "#6E7681")

                            SequentialAnimation on opacity {
                                id: pulse
                                running: bar._running
                                loops: Animation.Infinite
                                NumberAnimation { to: 0.4; duration: 500 }
                                NumberAnimation { to: 1.0; duration: 500 }
                                onRunningChanged: {
                                    if (!running)
                                        dot.opacity = 1.0
                                }
                            }
                        }

                        Text {
                            objectName: "statusWord"
                            anchors.verticalCenter: parent.verticalCenter
                            text: bar._stateWord
                            font.family: bar._family
                            font.pixelSize: 12
                            font.weight: Font.DemiBold
                            color: bar._chipLit ? bar._color("success", "#3FB950")
                                                : bar._color("textMuted", "#8B949E")
                        }

                        Text {
                            objectName: "statusPercent"
                            anchors.verticalCenter: parent.verticalCenter
                            visible: bar._running
                            // Written as the progress ring writes its percentage.
                            text: Ring.percentText(bar.progressWheelValue)
                            font.family: bar._family
                            font.pixelSize: 12
                            font.bold: true
                            color: bar._color("text", "#F0F6FC")
                        }
                    }
                }
            }
        }
    }
}
