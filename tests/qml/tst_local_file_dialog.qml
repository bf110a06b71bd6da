import QtQuick
import QtTest
import "../../qml/components/local_file_dialog.js" as Logic

// What a name typed into Qt's own file dialog stands for.
TestCase {
    name: "LocalFileDialog"

    function test_typedPath_data() {
        const project = "Tessaval Project (*.tessavalproj)"
        return [
            { tag: "a new name gets the filter's extension", typed: "river1", filter: project,
              path: "/home/u/spots/river1.tessavalproj" },
            { tag: "a name with an extension is kept", typed: "river1.json", filter: project,
              path: "/home/u/spots/river1.json" },
            { tag: "All Files adds nothing", typed: "river1", filter: "All Files (*)",
              path: "/home/u/spots/river1" },
            { tag: "a leading dot is no extension", typed: ".hidden", filter: project,
              path: "/home/u/spots/.hidden.tessavalproj" },
            { tag: "a whole path is taken as it is", typed: "/tmp/a b/r", filter: "JSON (*.json)",
              path: "/tmp/a b/r.json" },
            { tag: "a sub-folder of the folder shown", typed: "old/r.tessavalproj", filter: project,
              path: "/home/u/spots/old/r.tessavalproj" },
            { tag: "nothing typed", typed: "  ", filter: project, path: "" },
            { tag: "several patterns add nothing", typed: "r", filter: "Text (*.txt *.csv)",
              path: "/home/u/spots/r" }
        ]
    }

    function test_typedPath(data) {
        compare(Logic.typedPath("/home/u/spots/", data.typed, data.filter), data.path)
    }

    // Qt's dialog writes only the last part of a finished name back into
    // the field; a file picked from the list is another name.
    function test_typedName_data() {
        return [
            { tag: "a whole path cut to its name", field: "x1", typed: "/tmp/a b/x1", name: "/tmp/a b/x1" },
            { tag: "a sub-folder cut to its name", field: "r", typed: "old/r", name: "old/r" },
            { tag: "still as typed", field: "/tmp/x1", typed: "/tmp/x1", name: "/tmp/x1" },
            { tag: "a folder cut to nothing", field: "", typed: "/tmp/spots/", name: "/tmp/spots/" },
            { tag: "a file picked after typing", field: "river1.tessavalproj", typed: "/tmp/x1",
              name: "river1.tessavalproj" },
            { tag: "nothing typed", field: "river1.tessavalproj", typed: "", name: "river1.tessavalproj" }
        ]
    }

    function test_typedName(data) {
        compare(Logic.typedName(data.field, data.typed), data.name)
    }

    function test_selectsTyped_data() {
        return [
            { tag: "a whole path under the folder shown", selected: "/home/u//tmp/a b/x1",
              typed: "/tmp/a b/x1", is: true },
            { tag: "escaped", selected: "file:///home/u//tmp/a%20b/x1", typed: "/tmp/a b/x1", is: true },
            { tag: "a sub-folder", selected: "/home/u/old/r", typed: "old/r", is: true },
            { tag: "a file picked", selected: "file:///home/u/river1.tessavalproj", typed: "/tmp/x1",
              is: false },
            { tag: "nothing typed", selected: "file:///home/u/r", typed: "", is: false }
        ]
    }

    function test_selectsTyped(data) {
        compare(Logic.selectsTyped(data.selected, data.typed), data.is)
    }

    function test_fileNameAndFolder_data() {
        return [
            { tag: "escaped URL", url: "file:///tmp/a%20b/r.tessavalproj", name: "r.tessavalproj",
              folder: "/tmp/a b" },
            { tag: "bare path", url: "/tmp/x/river1", name: "river1", folder: "/tmp/x" },
            { tag: "malformed escape", url: "file:///tmp/100%/r", name: "r", folder: "/tmp/100%" },
            { tag: "at the root", url: "file:///r.json", name: "r.json", folder: "/" }
        ]
    }

    function test_fileNameAndFolder(data) {
        compare([Logic.fileName(data.url), Logic.folderPath(data.url)], [data.name, data.folder])
    }
}
