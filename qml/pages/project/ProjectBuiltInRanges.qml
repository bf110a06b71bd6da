// The set-up page's built-in range libraries: the Standard and Population
// trees read from the bundled files, their display names, overrides and
// exports.
import QtQuick

ProjectRangeLibrary {
    id: root
}
