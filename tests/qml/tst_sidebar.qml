import QtQuick
import QtTest
import Tessaval

TestCase {
    id: testCase
    name: "Sidebar"
    width: 400
    height: 600
    visible: true
    when: windowShown

    Component { id: sidebarComponent; Sidebar { height: 600 } }

    function make(index) {
        const bar = createTemporaryObject(sidebarComponent, testCase, { currentIndex: index })
        tryVerify(function () { return findChild(bar, "sidebarEntry4") !== null }, 1000, "all entries made")
        return bar
    }
    function part(bar, i, name) {
        return findChild(findChild(bar, "sidebarEntry" + i), name)
    }

    function test_selection_data() {
        return [
            { tag: "first", index: 0, selected: [true, false, false, false, false] },
            { tag: "last", index: 4, selected: [false, false, false, false, true] },
            { tag: "out of range", index: 7, selected: [false, false, false, false, false] },
            { tag: "negative", index: -1, selected: [false, false, false, false, false] }
        ]
    }

    // Only the selected entry shows its subtitle and bar; a click asks for the
    // page and changes nothing itself.
    function test_selection(data) {
        const bar = make(data.index)
        const asked = []
        bar.navigate.connect(function (i) { asked.push(i) })
        for (let i = 0; i < 5; ++i) {
            compare(part(bar, i, "entrySubtitle").visible, data.selected[i], "subtitle " + i)
            compare(part(bar, i, "entryAccentBar").visible, data.selected[i], "bar " + i)
            mouseClick(findChild(bar, "sidebarEntry" + i))
        }
        compare(asked, [0, 1, 2, 3, 4])
        compare(bar.currentIndex, data.index)
    }
}
