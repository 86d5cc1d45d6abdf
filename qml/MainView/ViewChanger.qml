import QtQuick 2.15

// The result of the last manipulation of a picture's frames on the preview: which part was
// dragged, the new positions in game pixels, and the factors by which the block's scale
// percentages are to be multiplied. The property panel reads it when the main view reports
// changed().
QtObject {
    // "", "position_start", "position_end", "scale_start" or "scale_end".
    property string changedProperty: ""
    property point startPosition: Qt.point(0, 0)
    property point endPosition: Qt.point(0, 0)
    property point startScale: Qt.point(1, 1)
    property point endScale: Qt.point(1, 1)

    function clear() {
        changedProperty = ""
        startPosition = Qt.point(0, 0)
        endPosition = Qt.point(0, 0)
        startScale = Qt.point(1, 1)
        endScale = Qt.point(1, 1)
    }
}
