#include "preview/thumbnail.h"

#include <QPainter>

#include <algorithm>

#include "preview/numbers.h"

namespace vignetta::preview {

namespace {

// A canvas beyond this many pixels is cut down to the part that shows in the item: a very long
// thin picture would otherwise be scaled to a canvas of hundreds of megabytes.
constexpr qint64 maxCanvasPixels = qint64(4096) * 4096;

} // namespace

QSize thumbnailCanvasSize(const QSizeF &itemSize, const QSize &imageSize)
{
    int w = json::toInt(itemSize.width(), 0);
    int h = json::toInt(itemSize.height(), 0);
    if (imageSize != QSize(w, h)) {
        const int shorter = std::min(imageSize.width(), imageSize.height());
        if (shorter <= 0)
            return QSize(0, 0);
        const double s = itemSize.width() / shorter;
        w = json::toInt(imageSize.width() * s, 0);
        h = json::toInt(imageSize.height() * s, 0);
    }
    return QSize(std::max(w, 0), std::max(h, 0));
}

QPoint thumbnailCanvasOffset(const QSizeF &itemSize, const QSize &canvasSize)
{
    return QPoint(json::toInt(itemSize.width() * 0.5 - canvasSize.width() / 2, 0),
                  json::toInt(itemSize.height() * 0.5 - canvasSize.height() / 2, 0));
}

Thumbnail::Thumbnail(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    clear(0, 0);
    connect(this, &QQuickItem::widthChanged, this, &Thumbnail::resize);
    connect(this, &QQuickItem::heightChanged, this, &Thumbnail::resize);
}

void Thumbnail::resize()
{
    canvas_ = QImage();
    clear(0, 0);
}

void Thumbnail::clear(int w, int h)
{
    if (w <= 0 || h <= 0) {
        canvas_ = QImage();
    } else {
        canvas_ = QImage(w, h, QImage::Format_ARGB32);
        if (!canvas_.isNull())
            canvas_.fill(Qt::transparent);
    }
    update();
}

void Thumbnail::setImage(const QImage &image)
{
    if (image.isNull()) {
        clear(0, 0);
        return;
    }
    const QSizeF item(width(), height());
    const QSize canvasSize = thumbnailCanvasSize(item, image.size());

    if (qint64(canvasSize.width()) * canvasSize.height() <= maxCanvasPixels) {
        clear(canvasSize.width(), canvasSize.height());
        if (canvas_.isNull())
            return;
        const QImage scaled =
            image.scaled(canvasSize, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        QPainter painter(&canvas_);
        painter.drawImage(QPointF(0, 0), scaled);
    } else {
        // Only the centre of such a canvas is ever seen: keep the part of the picture that
        // maps onto the item, scaled as the whole would be.
        const double s = double(canvasSize.width()) / image.width();
        const QSize visible(
            std::min(canvasSize.width(), std::max(json::toInt(item.width(), 0), 1)),
            std::min(canvasSize.height(), std::max(json::toInt(item.height(), 0), 1)));
        const QPoint offset = thumbnailCanvasOffset(item, canvasSize);
        const QPoint visibleOffset = thumbnailCanvasOffset(item, visible);
        // Canvas pixels [visibleOffset - offset, + visible) are the ones inside the item.
        const QRectF canvasPart(QPointF(visibleOffset - offset), QSizeF(visible));
        const QRectF sourcePart(canvasPart.x() / s, canvasPart.y() / s, canvasPart.width() / s,
                                canvasPart.height() / s);
        clear(visible.width(), visible.height());
        if (canvas_.isNull())
            return;
        QPainter painter(&canvas_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(visible)), image, sourcePart);
    }
    update();
}

void Thumbnail::paint(QPainter *painter)
{
    if (canvas_.isNull())
        return;
    painter->drawImage(thumbnailCanvasOffset(QSizeF(width(), height()), canvas_.size()), canvas_);
}

} // namespace vignetta::preview
