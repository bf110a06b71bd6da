// The "Distributions" dialog: each seat's hands at the current node ranked
// by equity or EV. The header's "Distributions" button calls open().
import QtQuick

Item {
    id: dialog

    property var page
    property var theme

    function open() {
    }

    function close() {
    }
}
