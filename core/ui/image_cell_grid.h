#pragma once

namespace vignetta::ui {

// The cells of an image sheet in the image selector: a sheet is cut into equal cells, either
// of a fixed size or by dividing it into a number of columns and rows; cells are numbered
// row by row with `maxColumns` cells to a row.
struct ImageCellGrid
{
    double cellWidth = 0;
    double cellHeight = 0;
    int columns = 0;    // whole cells across the image
    int rows = 0;       // whole cells down the image
    int maxColumns = 0; // cells per index row

    // The cell cursor is shown, and the index means something, only when the sheet holds more
    // than one cell each way.
    bool gridShown() const { return columns > 1 && rows > 1; }

    int columnOf(int index) const { return maxColumns > 0 ? index % maxColumns : 0; }
    int rowOf(int index) const { return maxColumns > 0 ? index / maxColumns : 0; }
    // Whether the index names a cell inside the image.
    bool contains(int index) const;
    // The index of the cell under a point of the image shown at `scale` (0 outside the image).
    int indexAt(double x, double y, double scale) const;

    enum class Move { Left, Right, Up, Down };
    // The index after an arrow key: one cell in that direction, or the same index at the edge.
    int moved(int index, Move move) const;
};

// Cell width = fixedWidth if non-zero, else image width / horizontal division (likewise the
// height); columns and rows are the whole cells that fit; maxColumns = fixedMaxColumns if
// non-zero, else the columns. Divisions below 1 count as 1.
ImageCellGrid imageCellGrid(double imageWidth, double imageHeight, int horizontalDivision,
                            int verticalDivision, double fixedWidth, double fixedHeight,
                            int fixedMaxColumns);

} // namespace vignetta::ui
