#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

namespace vignetta::text {
class TextEngine;
}

namespace vignetta::preview {

class GlyphCache;
class TextResources;

// How a message window looks around its text.
struct TextWindowStyle
{
    // 0 a panel in panelColor with a 1-pixel frameColor border, 1 black at half opacity,
    // anything else nothing.
    int background = 0;
    QColor panelColor = QColor(0x22, 0x44, 0x88);
    QColor frameColor = QColor(0x7a, 0x81, 0x88);
    // The text area sits this far inside the window.
    int margin = 8;
    // Width of the text area (the screen width less 36); text beyond it is cut off.
    double textWidth = 780;
};

// Draws a message window of the given size at (0, 0): its background, then the text engine's
// current page (characters outlined, then filled in their skin colour, and icons from the icon
// sheet) at the margin shifted down by the engine's scroll position, then the face cell at the
// text area's upper-left corner. Everything is clipped to the window. Draws nothing at all
// while the resources are not ready.
void paintTextWindow(QPainter &painter, const QSizeF &windowSize, const TextWindowStyle &style,
                     const text::TextEngine &engine, const TextResources &resources,
                     const QImage &face, GlyphCache &glyphs);

} // namespace vignetta::preview
