#pragma once

// Helpers shared by the preview tests: pictures made in memory and display-list text.

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace preview_test {

inline QImage solid(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

// A picture block's event data with the fields the preview reads.
inline QJsonObject pictureEntry(int blockId, const QString &name, double x, double y)
{
    return QJsonObject{
        {"blockId", blockId},
        {"blockStart", 0},
        {"blockDelay", 60},
        {"imageName", name},
        {"imageIndex", 1},
        {"origin", 0},
        {"startPosition", QJsonObject{{"x", x}, {"y", y}}},
        {"endPosition", QJsonObject{{"x", x}, {"y", y}}},
        {"width", 20},
        {"height", 20},
        {"startScale", QJsonObject{{"width", 100}, {"height", 100}}},
        {"endScale", QJsonObject{{"width", 100}, {"height", 100}}},
        {"rotateSpeed", 0},
        {"startOpacity", 255},
        {"blend", 0},
        {"endOpacity", 255},
        {"endColor", QJsonObject{{"R", 0}, {"G", 0}, {"B", 0}, {"S", 0}}},
    };
}

inline QString listText(const QJsonArray &list, const QJsonArray &tween)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{"list", list}, {"tween", tween}})
                                 .toJson(QJsonDocument::Compact));
}

inline QString oneEntry(const QJsonObject &entry, double ratio)
{
    return listText(QJsonArray{entry}, QJsonArray{ratio});
}

} // namespace preview_test
