#include "controls/checker_board_item.h"

#include "ui/checkerboard.h"

#include <QPainter>

#include <cmath>

namespace vignetta::controls {

CheckerBoardItem::CheckerBoardItem(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setOpaquePainting(true);
}

void CheckerBoardItem::setChannel(double &channel, double value)
{
    if (channel == value || (std::isnan(channel) && std::isnan(value)))
        return;
    channel = value;
    emit colorChanged();
    update();
}

QColor CheckerBoardItem::lightColor() const
{
    return QColor::fromRgbF(ui::checkerLightChannel(red_), ui::checkerLightChannel(green_),
                            ui::checkerLightChannel(blue_));
}

QColor CheckerBoardItem::darkColor() const
{
    return QColor::fromRgbF(ui::checkerDarkChannel(ui::checkerLightChannel(red_)),
                            ui::checkerDarkChannel(ui::checkerLightChannel(green_)),
                            ui::checkerDarkChannel(ui::checkerLightChannel(blue_)));
}

void CheckerBoardItem::paint(QPainter *painter)
{
    const int w = static_cast<int>(std::ceil(width()));
    const int h = static_cast<int>(std::ceil(height()));
    const int s = ui::kCheckerSquare;
    painter->fillRect(0, 0, w, h, lightColor());
    const QColor dark = darkColor();
    for (int row = 0; row * s < h; ++row) {
        for (int col = row % 2; col * s < w; col += 2)
            painter->fillRect(col * s, row * s, s, s, dark);
    }
}

} // namespace vignetta::controls
