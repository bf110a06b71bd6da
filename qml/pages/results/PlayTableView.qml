// The play view: the table of the practice mode with its seats, board,
// prompts and drill controls, the hand log and the played hand's details.
// It shows the page's practice state and calls the page's operations.
import QtQuick

Item {
    id: view

    property var page
    property var theme
}
