#include "preview/preview_renderer.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

#include "preview/numbers.h"
#include "preview/tone.h"

namespace vignetta::preview {

namespace {

QPainter::CompositionMode compositionFor(int blend)
{
    switch (blend) {
    case 1:
        return QPainter::CompositionMode_Plus;
    case 2:
        return QPainter::CompositionMode_Multiply;
    case 3:
        return QPainter::CompositionMode_Screen;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

// A scale factor that has reached 0 or gone below it draws nothing.
double scaleFactor(double start, double end, double ratio)
{
    const double factor = ((end - start) * ratio + start) / 100;
    return factor > 0 ? factor : 0;
}

bool isFinite(const QTransform &t)
{
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) &&
           std::isfinite(t.m22()) && std::isfinite(t.dx()) && std::isfinite(t.dy());
}

} // namespace

void PreviewRenderer::setDisplayList(DisplayList list)
{
    list_ = std::move(list);
    frames_.clear();
}

void PreviewRenderer::clearDisplayList()
{
    list_ = DisplayList();
    frames_.clear();
}

void PreviewRenderer::setBlendColor(int red, int green, int blue, int alpha)
{
    blendColor_[0] = red;
    blendColor_[1] = green;
    blendColor_[2] = blue;
    blendColor_[3] = alpha;
}

bool PreviewRenderer::toneApplies(const DisplayEntry &entry, double ratio)
{
    return ratio > 0 && (entry.addR != 0 || entry.addG != 0 || entry.addB != 0 || entry.gray != 0);
}

void PreviewRenderer::paint(QPainter &painter, const QSizeF &size)
{
    QElapsedTimer timer;
    timer.start();

    painter.save();
    const QRectF area(0, 0, size.width(), size.height());
    painter.setOpacity(1.0);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(area, Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);

    frames_.clear();
    toned_.beginPaint();
    const QTransform base = painter.transform();
    for (std::size_t i = 0; i < list_.entries.size(); ++i) {
        // A list longer than its ratios (never sent by the editor) draws the extra entries at
        // their start state.
        const double ratio = i < list_.tweens.size() ? list_.tweens[i] : 0.0;
        paintEntry(painter, list_.entries[i], ratio, size);
        painter.setTransform(base);
    }
    toned_.endPaint();

    painter.setOpacity(1.0);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const auto channel = [](int value) { return std::clamp(value, 0, 255); };
    painter.fillRect(area, QColor(channel(blendColor_[0]), channel(blendColor_[1]),
                                  channel(blendColor_[2]), channel(blendColor_[3])));
    painter.fillRect(area, QColor(0, 0, 0, 255 - channel(fade_)));
    painter.restore();

    msec_ = int(timer.elapsed());
}

void PreviewRenderer::paintEntry(QPainter &painter, const DisplayEntry &e, double r,
                                 const QSizeF &size)
{
    const double dx = (e.endX - e.startX) * r;
    const double dy = (e.endY - e.startY) * r;
    double opacity = ((double(e.endOpacity) - e.startOpacity) * r + e.startOpacity) / 255;
    opacity = opacity > 0 ? std::min(opacity, 1.0) : 0.0;
    const double sx = scaleFactor(e.startWidth, e.endWidth, r);
    const double sy = scaleFactor(e.startHeight, e.endHeight, r);

    const double k = e.rotateSpeed * 0.5;
    const double angle = truncate(double(e.elapse) * k);
    const double endAngle = truncate((double(e.delay) - 1) * k);

    if (e.imageName.empty() || e.imageIndex < 0)
        return;
    const QString name = QString::fromStdString(e.imageName);
    const QImage *picture = pictures_.picture(name);
    if (!picture)
        return;

    const QImage *image = picture;
    if (toneApplies(e, r)) {
        const QImage *gray = pictures_.grayPicture(name);
        image = &toned_.toned(*picture, gray ? *gray : QImage(),
                              toneAt(e.addR, e.addG, e.addB, e.gray, r));
    }

    painter.setOpacity(opacity);
    painter.setCompositionMode(compositionFor(e.blend));

    PictureFrame frame;
    frame.blockId = json::toInt(e.blockId, 0);
    frame.imageName = name;
    frame.origin = e.origin;
    frame.startRect = QRectF(e.startX, e.startY, truncate(e.startWidth / 100 * e.width),
                             truncate(e.startHeight / 100 * e.height));
    frame.midRect =
        QRectF(e.startX + dx, e.startY + dy, truncate(sx * e.width), truncate(sy * e.height));
    frame.endRect = QRectF(e.endX, e.endY, truncate(e.endWidth / 100 * e.width),
                           truncate(e.endHeight / 100 * e.height));
    frame.midRotation = angle;
    frame.endRotation = endAngle;
    frame.size = QSize(json::toInt(e.width, 0), json::toInt(e.height, 0));
    frames_.append(frame);

    // Nothing to draw for an invisible picture; the same pixels, without the work.
    if (opacity <= 0 || sx <= 0 || sy <= 0)
        return;

    QTransform local;
    local.translate(e.startX + dx + shake_, e.startY + dy);
    local.rotate(angle);
    local.scale(sx, sy);
    if (e.origin != 0)
        local.translate(-e.width * 0.5, -e.height * 0.5);
    if (!isFinite(local))
        return;
    // Pictures that land wholly outside the screen are not handed to the painter.
    const QRectF bounds = local.mapRect(QRectF(image->rect()));
    if (!bounds.intersects(QRectF(QPointF(0, 0), size)))
        return;

    painter.setTransform(local, true);
    painter.drawImage(QPointF(0, 0), *image);
}

QImage PreviewRenderer::render(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    paint(painter, QSizeF(size));
    painter.end();
    return image;
}

} // namespace vignetta::preview
