#include "preview/glyph_cache.h"

#include <QFontMetricsF>
#include <QPainterPathStroker>

namespace vignetta::preview {

namespace {

QString characterText(char32_t c)
{
    const uint ucs4 = uint(c);
    return QString::fromUcs4(&ucs4, 1);
}

bool drawsNothing(char32_t c)
{
    return c <= 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xA0 || c == 0x3000;
}

} // namespace

GlyphCache::GlyphCache()
{
    setFontFamily(QString());
}

void GlyphCache::setFontFamily(const QString &families)
{
    families_ = families;
    familyList_.clear();
    for (const QString &name : families.split(QLatin1Char(','))) {
        QString family = name.trimmed();
        if (family.size() >= 2 &&
            (family.startsWith(QLatin1Char('"')) || family.startsWith(QLatin1Char('\''))))
            family = family.mid(1, family.size() - 2);
        if (!family.isEmpty())
            familyList_.append(family);
    }
    if (familyList_.isEmpty())
        familyList_.append(QStringLiteral("monospace"));
    glyphs_.clear();
}

QFont GlyphCache::font(int pixelSize) const
{
    QFont font(familyList_.first());
    font.setFamilies(familyList_);
    font.setPixelSize(qMax(1, pixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

double GlyphCache::advance(char32_t character, int pixelSize)
{
    return glyph(character, pixelSize).advance;
}

const GlyphCache::Glyph &GlyphCache::glyph(char32_t character, int pixelSize)
{
    const quint64 key = (quint64(character) << 16) | quint64(quint16(pixelSize));
    auto it = glyphs_.find(key);
    if (it != glyphs_.end())
        return it.value();

    Glyph glyph;
    const QFont f = font(pixelSize);
    const QString text = characterText(character);
    glyph.advance = QFontMetricsF(f).horizontalAdvance(text);
    if (!drawsNothing(character)) {
        glyph.fill.addText(0, 0, f, text);
        glyph.fill.setFillRule(Qt::WindingFill);
        QPainterPathStroker stroker;
        stroker.setWidth(outlineWidth);
        stroker.setJoinStyle(Qt::RoundJoin);
        stroker.setCapStyle(Qt::FlatCap);
        glyph.outline = stroker.createStroke(glyph.fill);
        glyph.empty = glyph.fill.isEmpty();
    }
    return glyphs_.insert(key, glyph).value();
}

} // namespace vignetta::preview
