#include "frame_queries.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTransform>

#include <cmath>

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
    const QJsonDocument document = QJsonDocument::fromJson(blockText.toUtf8());
    if (!document.isObject())
        return {};
    const QJsonObject object = document.object();

    double blockId = -1;
    int blockDelay = 0;
    QString imageName;
    int origin = 0;
    double startX = 0, startY = 0, endX = 0, endY = 0;
    double width = 0, height = 0;
    double startScaleW = 100, startScaleH = 100, endScaleW = 100, endScaleH = 100;
    double rotateSpeed = 0;

    auto has = [&object](const char *key) { return object.contains(QLatin1String(key)); };
    auto at = [&object](const char *key) { return object.value(QLatin1String(key)); };
    auto sub = [](const QJsonValue &value, const char *key) {
        return value.toObject().value(QLatin1String(key)).toDouble();
    };
    if (has("blockId"))
        blockId = truncate(at("blockId").toDouble());
    if (has("blockDelay"))
        blockDelay = at("blockDelay").toInt();
    if (has("imageName"))
        imageName = at("imageName").toString();
    if (has("origin"))
        origin = at("origin").toInt();
    if (has("startPosition")) {
        startX = sub(at("startPosition"), "x");
        startY = sub(at("startPosition"), "y");
    }
    if (has("endPosition")) {
        endX = sub(at("endPosition"), "x");
        endY = sub(at("endPosition"), "y");
    }
    if (has("width"))
        width = at("width").toDouble();
    if (has("height"))
        height = at("height").toDouble();
    if (has("startScale")) {
        startScaleW = sub(at("startScale"), "width");
        startScaleH = sub(at("startScale"), "height");
    }
    if (has("endScale")) {
        endScaleW = sub(at("endScale"), "width");
        endScaleH = sub(at("endScale"), "height");
    }
    if (has("rotateSpeed"))
        rotateSpeed = at("rotateSpeed").toDouble();

    if (blockId < 0)
        return {};

    startScaleW /= 100;
    startScaleH /= 100;
    endScaleW /= 100;
    endScaleH /= 100;
    if (origin != 0) {
        startX -= startScaleW * width * 0.5;
        startY -= startScaleH * height * 0.5;
        endX -= endScaleW * width * 0.5;
        endY -= endScaleH * height * 0.5;
    }

    QVariantMap frame;
    frame.insert(QStringLiteral("blockId"), toInt32(blockId));
    frame.insert(QStringLiteral("imageName"), imageName);
    frame.insert(QStringLiteral("origin"), origin);
    frame.insert(QStringLiteral("startRect"),
                 QRectF(startX, startY, startScaleW * width, startScaleH * height));
    frame.insert(QStringLiteral("midRect"), QRectF(0, 0, 0, 0));
    frame.insert(QStringLiteral("endRect"),
                 QRectF(endX, endY, endScaleW * width, endScaleH * height));
    frame.insert(QStringLiteral("midRotation"), 0.0);
    frame.insert(QStringLiteral("endRotation"), (blockDelay - 1.0) * rotateSpeed * 0.5);
    return frame;
}

} // namespace vignetta::preview
