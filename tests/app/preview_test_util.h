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

// "r,g,b" of a pixel, for comparisons that print the colour found.
inline QString rgb(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return QString("%1,%2,%3").arg(qRed(p)).arg(qGreen(p)).arg(qBlue(p));
}

// A 20 x 20 picture block's event data with the fields the preview reads.
inline QJsonObject pictureEntry(int blockId, const QString &name, double x, double y)
{
    const QJsonObject full{{"width", 100}, {"height", 100}};
    return QJsonObject{{"blockId", blockId},
                       {"blockStart", 0},
                       {"blockDelay", 60},
                       {"imageName", name},
                       {"imageIndex", 1},
                       {"origin", 0},
                       {"startPosition", QJsonObject{{"x", x}, {"y", y}}},
                       {"endPosition", QJsonObject{{"x", x}, {"y", y}}},
                       {"width", 20},
                       {"height", 20},
                       {"startScale", full},
                       {"endScale", full},
                       {"rotateSpeed", 0},
                       {"startOpacity", 255},
                       {"blend", 0},
                       {"endOpacity", 255}};
}

inline QString listText(const QJsonArray &list, const QJsonArray &tween)
{
    return QJsonDocument(QJsonObject{{"list", list}, {"tween", tween}}).toJson();
}

inline QString oneEntry(const QJsonObject &entry, double ratio)
{
    return listText(QJsonArray{entry}, QJsonArray{ratio});
}

} // namespace preview_test
