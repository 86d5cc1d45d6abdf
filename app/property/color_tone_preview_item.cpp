#include "property/color_tone_preview_item.h"

#include <QPainter>
#include <cmath>

#include "ui/tone_gradient.h"

namespace vignetta::property {

ColorTonePreviewItem::ColorTonePreviewItem(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    connect(this, &QQuickItem::widthChanged, this, [this] {
        image_ = QImage();
        update();
    });
    connect(this, &QQuickItem::heightChanged, this, [this] {
        image_ = QImage();
        update();
    });
}

void ColorTonePreviewItem::setTone(qreal &field, qreal value)
{
    if (!std::isfinite(value) || field == value)
        return;
    field = value;
    image_ = QImage();
    emit toneChanged();
    update();
}

QImage ColorTonePreviewItem::render() const
{
    const int w = static_cast<int>(width());
    const int h = static_cast<int>(height());
    if (w <= 0 || h <= 0)
        return QImage();
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const double v = h > 1 ? double(y) / (h - 1) : 0;
        for (int x = 0; x < w; ++x) {
            const double u = w > 1 ? double(x) / (w - 1) : 0;
            const ui::Rgb c = ui::tonePreviewColour(u, v, red_, green_, blue_, gray_);
            line[x] = qRgb(int(std::lround(c.r * 255)), int(std::lround(c.g * 255)),
                           int(std::lround(c.b * 255)));
        }
    }
    return image;
}

void ColorTonePreviewItem::paint(QPainter *painter)
{
    if (image_.isNull() || image_.size() != QSize(int(width()), int(height())))
        image_ = render();
    if (!image_.isNull())
        painter->drawImage(0, 0, image_);
}

} // namespace vignetta::property
