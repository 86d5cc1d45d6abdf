#include "display_list.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace vignetta::preview {

namespace {

void readPoint(const QJsonValue &value, const char *xKey, const char *yKey, double &x, double &y)
{
    const QJsonObject object = value.toObject();
    x = object.value(QLatin1String(xKey)).toDouble();
    y = object.value(QLatin1String(yKey)).toDouble();
}

DisplayEntry readEntry(const QJsonObject &object, int time)
{
    DisplayEntry entry;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        const QString &key = it.key();
        const QJsonValue value = it.value();
        if (key == QLatin1String("blockId")) {
            entry.blockId = value.toDouble();
        } else if (key == QLatin1String("blockStart")) {
            entry.elapse = qint64(time) - value.toInt();
        } else if (key == QLatin1String("blockDelay")) {
            entry.delay = value.toInt();
        } else if (key == QLatin1String("imageName")) {
            entry.imageName = value.toString();
        } else if (key == QLatin1String("imageIndex")) {
            entry.imageIndex = value.toDouble();
        } else if (key == QLatin1String("origin")) {
            entry.origin = value.toInt();
        } else if (key == QLatin1String("startPosition")) {
            readPoint(value, "x", "y", entry.startX, entry.startY);
        } else if (key == QLatin1String("endPosition")) {
            readPoint(value, "x", "y", entry.endX, entry.endY);
        } else if (key == QLatin1String("width")) {
            entry.width = value.toDouble();
        } else if (key == QLatin1String("height")) {
            entry.height = value.toDouble();
        } else if (key == QLatin1String("startScale")) {
            readPoint(value, "width", "height", entry.startWidth, entry.startHeight);
        } else if (key == QLatin1String("endScale")) {
            readPoint(value, "width", "height", entry.endWidth, entry.endHeight);
        } else if (key == QLatin1String("rotateSpeed")) {
            entry.rotateSpeed = value.toDouble();
        } else if (key == QLatin1String("startOpacity")) {
            entry.startOpacity = value.toInt();
        } else if (key == QLatin1String("blend")) {
            entry.blend = value.toInt();
        } else if (key == QLatin1String("endOpacity")) {
            entry.endOpacity = value.toInt();
        } else if (key == QLatin1String("endColor")) {
            const QJsonObject color = value.toObject();
            entry.addR = color.value(QLatin1String("R")).toInt();
            entry.addG = color.value(QLatin1String("G")).toInt();
            entry.addB = color.value(QLatin1String("B")).toInt();
            entry.gray = color.value(QLatin1String("S")).toInt();
        }
    }
    return entry;
}

} // namespace

DisplayList parseDisplayList(const QString &text, int time)
{
    DisplayList list;
    const QJsonObject root = QJsonDocument::fromJson(text.toUtf8()).object();
    const QJsonArray entries = root.value(QLatin1String("list")).toArray();
    const QJsonArray tweens = root.value(QLatin1String("tween")).toArray();
    if (entries.size() != tweens.size()) {
        qDebug() << "List count mismatch! displayList:" << entries.size()
                 << " tweenList:" << tweens.size();
    }
    list.entries.reserve(entries.size());
    for (const QJsonValue &value : entries)
        list.entries.append(readEntry(value.toObject(), time));
    list.tweens.reserve(tweens.size());
    for (const QJsonValue &value : tweens)
        list.tweens.append(value.toDouble());
    return list;
}

} // namespace vignetta::preview
