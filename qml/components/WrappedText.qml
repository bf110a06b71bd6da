// A text that wraps between words and fills its row. In a layout it asks
// for no more than its widest word, so that a card it sits in is not made
// wider by a long sentence, and never less, so that no word is broken.
import QtQuick
import QtQuick.Layouts

Text {
    id: label

    readonly property real widestWordWidth: {
        const words = text.split(/\s+/)
        let widest = 0
        for (let i = 0; i < words.length; ++i)
            widest = Math.max(widest, metrics.advanceWidth(words[i]))
        return Math.ceil(widest)
    }

    wrapMode: Text.WordWrap
    Layout.fillWidth: true
    Layout.minimumWidth: widestWordWidth
    Layout.preferredWidth: widestWordWidth

    FontMetrics {
        id: metrics
        font: label.font
    }
}
