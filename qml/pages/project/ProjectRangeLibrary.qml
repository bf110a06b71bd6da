// The set-up page's range library: per player the Standard, Population and
// Custom trees, the shown category, selection and open folders, the
// settings category "ranges", the override maps, the tree operations and
// the rows of the panels' lists.
import QtQuick

ProjectRangeText {
    id: root
}
