#include "frame_queries.h"

#include <QTransform>

#include <cmath>

#include "preview/display_list_reader.h"
#include "preview/numbers.h"

namespace vignetta::preview {

namespace {

// The point turned about `centre` by -degrees (undoing a painter rotation of +degrees).
QPointF turnBack(const QPointF &point, const QPointF &centre, double degrees)
{
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(-degrees);
    turn.translate(-centre.x(), -centre.y());
    return turn.map(point);
}

} // namespace

int pictureByPoint(const QVector<PictureFrame> &frames, const QPointF &point)
{
    constexpr double margin = 8;
    for (int i = frames.size() - 1; i >= 0; --i) {
        const PictureFrame &frame = frames.at(i);
        const QRectF &mid = frame.midRect;
        const int centred = frame.origin != 0 ? 1 : 0;
        const double left = truncate(mid.x() - centred * mid.width() * 0.5);
        const double top = truncate(mid.y() - centred * mid.height() * 0.5);
        const QPointF turned = turnBack(point, mid.topLeft(), frame.midRotation);
        if (turned.x() >= left - margin && turned.x() <= left + mid.width() + margin &&
            turned.y() >= top - margin && turned.y() <= top + mid.height() + margin) {
            return frame.blockId;
        }
    }
    return -1;
}

QPointF transformedPoint(const QVector<PictureFrame> &frames, const QPointF &point, int blockId)
{
    if (blockId >= 0) {
        for (int i = frames.size() - 1; i >= 0; --i) {
            const PictureFrame &frame = frames.at(i);
            if (frame.blockId == blockId)
                return turnBack(point, frame.endRect.topLeft(), frame.endRotation);
        }
    }
    return QPointF(int32max, int32max);
}

QVariantMap frameOf(const QString &blockText)
{
    const QByteArray utf8 = blockText.toUtf8();
    const BlockFrame read = readBlockFrame(std::string_view(utf8.constData(), utf8.size()));
    if (!read.valid)
        return {};
    QVariantMap frame;
    frame.insert(QStringLiteral("blockId"), json::toInt(read.blockId, 0));
    frame.insert(QStringLiteral("imageName"), QString::fromStdString(read.imageName));
    frame.insert(QStringLiteral("origin"), read.origin);
    frame.insert(QStringLiteral("startRect"),
                 QRectF(read.startX, read.startY, read.startWidth, read.startHeight));
    frame.insert(QStringLiteral("midRect"), QRectF(0, 0, 0, 0));
    frame.insert(QStringLiteral("endRect"),
                 QRectF(read.endX, read.endY, read.endWidth, read.endHeight));
    frame.insert(QStringLiteral("midRotation"), 0.0);
    frame.insert(QStringLiteral("endRotation"), read.endRotation);
    return frame;
}

} // namespace vignetta::preview
