// The set-up page's range text: reading a range text into a weight per hand
// class for the hand matrices, writing a painted cell back into the text,
// and cleaning the text of an imported range file. The rules live in
// range_text.js; these functions keep the page's names.
import QtQuick
import "range_text.js" as RangeText
import "../../components/solve_gating.js" as Gating

ProjectPageState {
    id: root

    function parseRangeWeights(text) {
        return RangeText.parseRangeWeights(text)
    }

    function expandHand(token) {
        return RangeText.expandHand(token)
    }

    function toggleHand(rangeText, hand, currentWeight, addWeight) {
        return RangeText.toggleHand(rangeText, hand, currentWeight, addWeight)
    }

    function normalizeImportedRangeText(rawText) {
        return RangeText.normalizeImportedRangeText(rawText)
    }

    // {text, error}: the range a file holds, or why it holds none.
    function readImportedRange(rawText) {
        return RangeText.readImportedRange(rawText)
    }

    // Holds at least one hand, as the shell's solve gating reads it.
    function _hasAnyHand(text) {
        return Gating.hasAnyHand(text)
    }
}
