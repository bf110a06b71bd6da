// The application window: the shell fills it; its size and place are worked
// out afresh at every start, and closing it asks before unsaved results go.
import QtQuick
import QtQuick.Controls
import QtQuick.Window
import Tessaval
import "qml/components/shell_navigation.js" as Nav

ApplicationWindow {
    id: window

    readonly property rect _avail: Qt.rect(Screen.virtualX, Screen.virtualY,
                                           _extent(Screen.desktopAvailableWidth, Screen.width),
                                           _extent(Screen.desktopAvailableHeight, Screen.height))

    // The available extent on this screen: the desktop's, within the screen's own.
    function _extent(available, whole) {
        if (!(available > 0))
            return whole
        return whole > 0 ? Math.min(available, whole) : available
    }

    function _applyStartupGeometry() {
        const g = Nav.startupGeometry(_avail, appShell.projectRecommendedWidth)
        width = g.width
        height = g.height
        x = g.x
        y = g.y
        minimumWidth = g.minimumWidth
        minimumHeight = g.minimumHeight
        visibility = Window.Windowed
    }

    width: 1200
    height: 800
    minimumWidth: Math.min(Math.max(900, appShell.projectRecommendedWidth || 0), Math.floor(0.95 * _avail.width))
    minimumHeight: Math.min(650, Math.floor(0.95 * _avail.height))
    visible: true
    title: qsTr("Tessaval")
    color: "#080B12"
    flags: Qt.Window | Qt.WindowTitleHint | Qt.WindowSystemMenuHint | Qt.WindowMinMaxButtonsHint
           | Qt.WindowCloseButtonHint

    // The user has let unsaved results go: the next close is not asked.
    property bool _closeAgreed: false

    // Closing the window throws the results away: unsaved ones are asked for.
    onClosing: function (close) {
        if (_closeAgreed) {
            _closeAgreed = false
            return
        }
        close.accepted = appShell.closeRequested(function () {
            window._closeAgreed = true
            window.close()
        })
    }

    AppShell {
        id: appShell
        objectName: "appShell"
        anchors.fill: parent
        controller: typeof appController !== "undefined" ? appController : null
    }

    Component.onCompleted: _applyStartupGeometry()
}
