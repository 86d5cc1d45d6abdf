import QtQuick 2.15

// The face of a message: a 104 x 104 well showing one 144 x 144 cell of a face sheet of
// "img/faces" at 2/3 scale, four cells to a row. The selector shows the sheet at the same scale
// so that the user picks the sheet and the face together.
ObjImageBox {
    subFolder: "faces"
    cellSize: Qt.size(144, 144)
    columns: 4
    cellScale: 2 / 3
    boxWidth: 104
    boxHeight: 104
}
