#include "preview/glyph_cache.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <cmath>

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

// Sprites kept at most; past this the cache starts afresh (a page rarely needs a hundred).
constexpr int maxSprites = 8192;

} // namespace

void strokeAndFill(QPainter &painter, const QPainterPath &glyph, const QColor &color)
{
    QPen pen(textOutlineColor(), outlineWidth);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::FlatCap);
    painter.strokePath(glyph, pen);
    painter.fillPath(glyph, color);
}

QColor textOutlineColor()
{
    return QColor::fromRgbF(0, 0, 0, 0.5);
}

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
    clear();
}

void GlyphCache::clear()
{
    glyphs_.clear();
    sprites_.clear();
    fonts_.clear();
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

    auto sized = fonts_.find(pixelSize);
    if (sized == fonts_.end()) {
        const QFont f = font(pixelSize);
        sized = fonts_.insert(pixelSize, SizedFont{f, QFontMetricsF(f)});
    }
    Glyph glyph;
    const QString text = characterText(character);
    glyph.advance = sized->metrics.horizontalAdvance(text);
    if (!drawsNothing(character)) {
        glyph.fill.addText(0, 0, sized->font, text);
        glyph.fill.setFillRule(Qt::WindingFill);
        glyph.empty = glyph.fill.isEmpty();
    }
    return glyphs_.insert(key, glyph).value();
}

const GlyphCache::Sprite &GlyphCache::sprite(char32_t character, int pixelSize, QRgb color,
                                             int phaseX, int phaseY)
{
    const quint64 key = (quint64(character & 0x1FFFFF) << 36) | (quint64(pixelSize & 0xFF) << 28) |
                        (quint64(color & 0xFFFFFF) << 4) | (quint64(phaseX & 3) << 2) |
                        quint64(phaseY & 3);
    auto it = sprites_.find(key);
    if (it != sprites_.end())
        return it.value();
    if (sprites_.size() >= maxSprites)
        sprites_.clear();

    Sprite sprite;
    const Glyph &g = glyph(character, pixelSize);
    if (!g.empty) {
        const QPointF phase(double(phaseX) / spritePhases, double(phaseY) / spritePhases);
        const double reach = outlineWidth / 2 + 1;
        const QRectF bounds =
            g.fill.boundingRect().adjusted(-reach, -reach, reach, reach).translated(phase);
        const QRect area(QPoint(int(std::floor(bounds.left())), int(std::floor(bounds.top()))),
                         QPoint(int(std::ceil(bounds.right())), int(std::ceil(bounds.bottom()))));
        sprite.offset = area.topLeft();
        sprite.image = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
        sprite.image.fill(Qt::transparent);
        QPainter painter(&sprite.image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(phase - QPointF(area.topLeft()));
        strokeAndFill(painter, g.fill, QColor(color));
    }
    return sprites_.insert(key, sprite).value();
}

} // namespace vignetta::preview
