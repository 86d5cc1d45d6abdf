#pragma once

#include <QFont>
#include <QHash>
#include <QPainterPath>
#include <QString>

namespace vignetta::preview {

// Outlines and widths of single characters in the message preview's font, by character and
// pixel size. The text engine measures through advance(); the painter fills the cached
// outlines, so that a character's shape is built once, not at every paint.
class GlyphCache
{
public:
    GlyphCache();

    struct Glyph
    {
        QPainterPath fill;    // the character with its baseline start at (0, 0)
        QPainterPath outline; // the area of its 4-pixel round-joined stroke
        double advance = 0;
        bool empty = true; // nothing to draw (a space, a control character)
    };

    // The font family list as the interface gives it: names separated by commas ("A, B").
    // Changing it empties the cache.
    void setFontFamily(const QString &families);
    const QString &fontFamily() const { return families_; }

    // The font used for a pixel size.
    QFont font(int pixelSize) const;

    double advance(char32_t character, int pixelSize);
    const Glyph &glyph(char32_t character, int pixelSize);

    void clear() { glyphs_.clear(); }
    int size() const { return glyphs_.size(); }

private:
    QString families_;
    QStringList familyList_;
    QHash<quint64, Glyph> glyphs_;
};

// The stroke of the characters' outline, as the preview draws it.
constexpr double outlineWidth = 4.0;

} // namespace vignetta::preview
