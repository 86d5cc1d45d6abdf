#include "ui/image_cell_grid.h"

#include <cmath>

namespace vignetta::ui {

ImageCellGrid imageCellGrid(double imageWidth, double imageHeight, int horizontalDivision,
                            int verticalDivision, double fixedWidth, double fixedHeight,
                            int fixedMaxColumns)
{
    ImageCellGrid g;
    const int h = horizontalDivision < 1 ? 1 : horizontalDivision;
    const int v = verticalDivision < 1 ? 1 : verticalDivision;
    g.cellWidth = fixedWidth > 0 ? fixedWidth : imageWidth / h;
    g.cellHeight = fixedHeight > 0 ? fixedHeight : imageHeight / v;
    if (g.cellWidth > 0 && imageWidth > 0)
        g.columns = static_cast<int>(std::floor(imageWidth / g.cellWidth));
    if (g.cellHeight > 0 && imageHeight > 0)
        g.rows = static_cast<int>(std::floor(imageHeight / g.cellHeight));
    g.maxColumns = fixedMaxColumns > 0 ? fixedMaxColumns : g.columns;
    return g;
}

bool ImageCellGrid::contains(int index) const
{
    if (index < 0 || maxColumns <= 0)
        return false;
    return columnOf(index) < columns && rowOf(index) < rows;
}

int ImageCellGrid::indexAt(double x, double y, double scale) const
{
    if (!gridShown() || scale <= 0 || x < 0 || y < 0)
        return 0;
    const int column = static_cast<int>(std::floor(x / (cellWidth * scale)));
    const int row = static_cast<int>(std::floor(y / (cellHeight * scale)));
    if (column >= columns || row >= rows || column >= maxColumns)
        return 0;
    return row * maxColumns + column;
}

int ImageCellGrid::moved(int index, Move move) const
{
    if (!gridShown())
        return index;
    const int column = columnOf(index);
    const int row = rowOf(index);
    switch (move) {
    case Move::Left:
        return column > 0 ? index - 1 : index;
    case Move::Right: {
        const int last = (columns < maxColumns ? columns : maxColumns) - 1;
        return column < last ? index + 1 : index;
    }
    case Move::Up:
        return row > 0 ? index - maxColumns : index;
    case Move::Down:
        return row < rows - 1 ? index + maxColumns : index;
    }
    return index;
}

} // namespace vignetta::ui
