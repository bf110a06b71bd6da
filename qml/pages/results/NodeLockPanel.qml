// The "Node-Locking" panel under the node figures, shown in node-lock mode:
// the action (or mixed frequencies) to lock, "Reset locks" and "Re-solve"
// (which calls the page's _startNodeLockReSolve()).
import QtQuick
import QtQuick.Layouts

ColumnLayout {
    id: panel

    property var page
    property var theme

    visible: !!page && page.nodeLockMode
}
