#include "property/editor_values.h"

#include <algorithm>

#include "bridge/json_qt.h"
#include "json/js_coerce.h"
#include "scene/block_view.h"

namespace vignetta::property {

namespace {

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

QVariantMap point(const scene::Point &p)
{
    return {{QStringLiteral("x"), p.x}, {QStringLiteral("y"), p.y}};
}

QVariantMap scale(const scene::Scale &s)
{
    return {{QStringLiteral("width"), s.width}, {QStringLiteral("height"), s.height}};
}

} // namespace

QVariantMap EditorValues::read(const QJSValue &eventData) const
{
    const scene::BlockView v = scene::readBlockView(bridge::fromJSValue(eventData));
    return {
        {QStringLiteral("blockMode"), v.blockMode},
        {QStringLiteral("imageName"), text(v.imageName)},
        {QStringLiteral("imageIndex"), v.imageIndex},
        {QStringLiteral("origin"), v.origin},
        {QStringLiteral("startPosition"), point(v.startPosition)},
        {QStringLiteral("endPosition"), point(v.endPosition)},
        {QStringLiteral("width"), v.width},
        {QStringLiteral("height"), v.height},
        {QStringLiteral("startScale"), scale(v.startScale)},
        {QStringLiteral("endScale"), scale(v.endScale)},
        {QStringLiteral("rotateSpeed"), v.rotateSpeed},
        {QStringLiteral("startOpacity"), v.startOpacity},
        {QStringLiteral("blend"), v.blend},
        {QStringLiteral("endOpacity"), v.endOpacity},
        {QStringLiteral("endColor"),
         QVariantMap{{QStringLiteral("R"), v.endColor.R},
                     {QStringLiteral("G"), v.endColor.G},
                     {QStringLiteral("B"), v.endColor.B},
                     {QStringLiteral("S"), v.endColor.S}}},
        {QStringLiteral("messageImageName"), text(v.messageImageName)},
        {QStringLiteral("messageImageIndex"), json::toInt(v.messageImageIndex, 0)},
        {QStringLiteral("messageBackground"), v.messageBackground},
        {QStringLiteral("messagePosition"), v.messagePosition},
        {QStringLiteral("messageText"), text(v.messageText)},
        {QStringLiteral("fadeType"), v.fadeType},
        {QStringLiteral("flashEnabled"), v.flashEnabled},
        {QStringLiteral("flashColor"),
         QVariantMap{{QStringLiteral("R"), v.flashColor.R},
                     {QStringLiteral("G"), v.flashColor.G},
                     {QStringLiteral("B"), v.flashColor.B},
                     {QStringLiteral("P"), v.flashColor.P}}},
        {QStringLiteral("shakeEnabled"), v.shakeEnabled},
        {QStringLiteral("shakePower"), v.shakePower},
        {QStringLiteral("shakeSpeed"), v.shakeSpeed},
        {QStringLiteral("audioType"), text(v.audioType)},
        {QStringLiteral("audioName"), text(v.audioName)},
        {QStringLiteral("volume"), v.volume},
        {QStringLiteral("pitch"), v.pitch},
        {QStringLiteral("pan"), v.pan},
        {QStringLiteral("fadeoutAudioType"), text(v.fadeoutAudioType)},
        {QStringLiteral("comment"), text(v.comment)},
        {QStringLiteral("scrollSpeed"), v.scrollSpeed},
        {QStringLiteral("scrollNoFast"), v.scrollNoFast},
    };
}

int EditorValues::lineIndexAt(const QString &text, int position)
{
    const int end = qBound(0, position, text.size());
    return static_cast<int>(std::count(text.constBegin(), text.constBegin() + end, QChar('\n')));
}

} // namespace vignetta::property
