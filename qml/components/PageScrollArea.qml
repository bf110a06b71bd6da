// The scroll area of a page. Its content is as wide as the area, or as
// `requiredWidth` where the page's rows need more: the page then scrolls
// sideways, and the horizontal bar stays shown so that the cut-off right side
// is seen. Shift with the wheel moves it sideways; a control reached by Tab
// or Shift+Tab is scrolled into view.
import QtQuick
import QtQuick.Controls
import "page_scroll.js" as Scroll

Flickable {
    id: area

    // The least width of the page's rows.
    property real requiredWidth: 0

    contentWidth: Math.max(width, requiredWidth)
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    flickableDirection: Flickable.HorizontalAndVerticalFlick

    ScrollBar.vertical: ScrollBar {
        objectName: "verticalScrollBar"
        policy: ScrollBar.AsNeeded
    }
    ScrollBar.horizontal: ScrollBar {
        objectName: "horizontalScrollBar"
        readonly property bool needed: area.contentWidth > area.width + 1
        policy: needed ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
        visible: needed
    }

    // Mouse wheels and touchpads: Shift moves the page sideways; otherwise
    // it moves up and down, and inner scrollable controls still get the
    // event first.
    function _wheel(event) {
        const step = Scroll.wheelStep(event.angleDelta.x, event.angleDelta.y)
        if (event.modifiers & Qt.ShiftModifier) {
            contentX = Scroll.scrolledPosition(contentX, step, contentWidth, width)
            event.accepted = true
        } else {
            contentY = Scroll.scrolledPosition(contentY, step, contentHeight, height)
        }
    }

    // A control reached by Tab or Shift+Tab is scrolled into view: a stop
    // below or beside the visible part shows where it is. A click scrolls
    // nothing (the pressed control would move under the pointer).
    function _reveal(item) {
        if (item.focusReason !== Qt.TabFocusReason && item.focusReason !== Qt.BacktabFocusReason)
            return
        let p = item.parent
        while (p && p !== contentItem)
            p = p.parent
        if (!p)
            return
        const r = item.mapToItem(contentItem, 0, 0, item.width, item.height)
        contentX = Scroll.revealedPosition(contentX, r.x, r.width, contentWidth, width, 12)
        contentY = Scroll.revealedPosition(contentY, r.y, r.height, contentHeight, height, 12)
    }

    // Texts that change while the page is hidden (a switch of interface
    // language on another page) do not always reach its nested layouts: its
    // rows would keep the widths of the old texts. Shown after such a change,
    // the page lays its content out anew once its first frame is on screen,
    // when every layout takes the new sizes.
    property bool _relayoutWhenShown: false

    Connections {
        target: typeof languageManager !== "undefined" ? languageManager : null
        ignoreUnknownSignals: true
        function onCurrentLanguageChanged() {
            if (!area.visible)
                area._relayoutWhenShown = true
        }
    }

    Connections {
        target: area.Window.window
        enabled: area._relayoutWhenShown && area.visible
        ignoreUnknownSignals: true
        function onFrameSwapped() {
            area._relayoutWhenShown = false
            area.contentItem.visible = false
            area.contentItem.visible = true
        }
    }

    Connections {
        target: area.Window.window
        enabled: area.visible
        ignoreUnknownSignals: true
        function onActiveFocusItemChanged() {
            const item = area.Window.window.activeFocusItem
            if (item)
                area._reveal(item)
        }
    }

    // A handler only takes events with a delta in its own direction: the
    // vertical one takes every event with a vertical part, the horizontal
    // one those without.
    WheelHandler {
        acceptedDevices: PointerDevice.Mouse | PointerDevice.TouchPad
        onWheel: function (event) { area._wheel(event) }
    }
    WheelHandler {
        orientation: Qt.Horizontal
        acceptedDevices: PointerDevice.Mouse | PointerDevice.TouchPad
        onWheel: function (event) {
            if (event.angleDelta.y === 0)
                area._wheel(event)
        }
    }
}
