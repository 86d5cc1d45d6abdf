#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRgb>
#include <QString>

class QPainter;

namespace vignetta::preview {

// Outlines and widths of single characters in the message preview's font, by character and
// pixel size, and sprites of them outlined and filled. The text engine measures through
// advance(); the painter copies sprites (or, on a scaled painter, strokes and fills the
// outlines), so that a character is shaped and drawn once, not at every paint.
class GlyphCache
{
public:
    GlyphCache();

    struct Glyph
    {
        QPainterPath fill; // the character with its baseline start at (0, 0)
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

    // A character already outlined and filled in a colour, as an image to copy onto the page.
    // It is drawn for a position whose fraction is (phaseX, phaseY) quarters of a pixel: the
    // image goes to (floor(x) + offset.x(), floor(y) + offset.y()) for a baseline start (x, y).
    struct Sprite
    {
        QImage image; // null when the character draws nothing
        QPoint offset;
    };
    static constexpr int spritePhases = 4;
    const Sprite &sprite(char32_t character, int pixelSize, QRgb color, int phaseX, int phaseY);

    void clear();

private:
    QString families_;
    QStringList familyList_;
    QHash<quint64, Glyph> glyphs_;
    QHash<quint64, Sprite> sprites_;
    struct SizedFont
    {
        QFont font;
        QFontMetricsF metrics;
    };
    QHash<int, SizedFont> fonts_;
};

// The stroke of the characters' outline, as the preview draws it, and its colour: black at half
// opacity.
constexpr double outlineWidth = 4.0;
QColor textOutlineColor();

// Draws a character's outline: first its stroke (outlineWidth, round joins, in the outline
// colour), then its fill in `color`.
void strokeAndFill(QPainter &painter, const QPainterPath &glyph, const QColor &color);

} // namespace vignetta::preview
