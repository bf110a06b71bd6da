import QtQuick
import QtQuick.Controls

ApplicationWindow {
    id: window
    visible: true
    width: 1280
    height: 800
    title: "Tessaval"
}
