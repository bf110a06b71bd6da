// Shown while a project file is read or written: the window is dimmed and a
// turning ring with "Opening <name>…" says that work is going on. Reading and
// writing hold the window until they are done, so the work starts only once
// a frame showing the sign (and none of the page's dialogs) has been painted.
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tessaval

Popup {
    id: busy

    property var theme
    // The window whose frames tell that the sign is on screen.
    property var window: null
    // True while a dialog that has to go first is still on screen.
    property var dialogsShown: function () { return false }
    property string text: ""

    // The work waits for its frame, or runs.
    readonly property bool working: _work !== null

    property var _work: null
    property int _frames: 0
    property bool _started: false

    readonly property string _family: theme ? theme.fontFamilyResolved : "sans-serif"

    // Shows `text`, then runs `work` once the sign has been painted.
    function run(text, work) {
        busy.text = text
        _work = work
        _frames = 0
        _started = false
        open()
        if (!_draws())
            _start()
        else
            window.update()
    }

    // A hidden or minimised window paints nothing: the work need not wait.
    function _draws() {
        return !!window && window.visible && window.visibility !== Window.Minimized
               && window.visibility !== Window.Hidden
    }

    // The frame reported first may have been prepared before the sign was
    // set; the one asked for after it shows it.
    function _framePainted() {
        if (!_work || _started)
            return
        if (!busy.opened || dialogsShown())
            _frames = 0
        else
            _frames += 1
        if (_frames >= 2)
            _start()
        else
            window.update()
    }

    function _start() {
        _started = true
        Qt.callLater(_finish)
    }

    function _finish() {
        const work = _work
        _work = null
        try {
            if (work)
                work()
        } finally {
            close()
            text = ""
        }
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    modal: true
    focus: true
    closePolicy: Popup.NoAutoClose
    padding: 20

    Connections {
        target: busy.window
        enabled: busy.working
        ignoreUnknownSignals: true
        function onFrameSwapped() {
            busy._framePainted()
        }
    }

    // A window that never reports a frame (covered, on a display that paints
    // nothing) does not hold the work for ever.
    Timer {
        interval: 2000
        running: busy.working && !busy._started
        onTriggered: busy._start()
    }

    background: Rectangle {
        radius: busy.theme ? busy.theme.radiusSm : 8
        color: busy.theme ? busy.theme.surface : "#1C2128"
        border.width: 1
        border.color: busy.theme ? busy.theme.stroke : "#30363D"
    }

    contentItem: RowLayout {
        spacing: 14

        ProgressRing {
            objectName: "fileBusyRing"
            Layout.preferredWidth: 28
            Layout.preferredHeight: 28
            theme: busy.theme
            value: 0.25
            strokeWidth: 4
            showPercentage: false

            RotationAnimator on rotation {
                from: 0
                to: 360
                duration: 1000
                loops: Animation.Infinite
                running: busy.visible
            }
        }

        Text {
            objectName: "fileBusyText"
            Layout.maximumWidth: 520
            text: busy.text
            font.family: busy._family
            font.pixelSize: 14
            color: busy.theme ? busy.theme.text : "#F0F6FC"
            elide: Text.ElideMiddle
        }
    }
}
