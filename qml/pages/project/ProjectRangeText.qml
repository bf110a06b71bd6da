// The set-up page's range text: reading a range text into a weight per hand
// class for the hand matrices, writing a painted cell back into the text,
// and cleaning the text of an imported range file.
import QtQuick

ProjectPageState {
    id: root
}
