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

    function test_fileName() {
        compare(Logic.fileName("file:///tmp/a%20b/r.tessavalproj"), "r.tessavalproj")
        compare(Logic.fileName("/tmp/x/river1"), "river1")
        compare(Logic.fileName("file:///tmp/100%/r"), "r")
    }
}
