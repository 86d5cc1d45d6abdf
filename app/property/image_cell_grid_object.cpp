#include "property/image_cell_grid_object.h"

namespace vignetta::property {

void ImageCellGridObject::update()
{
    grid_ = ui::imageCellGrid(imageWidth_, imageHeight_, horizontalDivision_, verticalDivision_,
                              fixedFrameWidth_, fixedFrameHeight_, fixedMaxColumns_);
    emit changed();
}

int ImageCellGridObject::moved(int index, int key) const
{
    using Move = ui::ImageCellGrid::Move;
    switch (key) {
    case Qt::Key_Left:
        return grid_.moved(index, Move::Left);
    case Qt::Key_Right:
        return grid_.moved(index, Move::Right);
    case Qt::Key_Up:
        return grid_.moved(index, Move::Up);
    case Qt::Key_Down:
        return grid_.moved(index, Move::Down);
    default:
        return index;
    }
}

} // namespace vignetta::property
