#include "preview/text_painter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "preview/glyph_cache.h"
#include "preview/text_resources.h"
#include "text/text_engine.h"

namespace vignetta::preview {

using text::DrawOp;

namespace {

void paintBackground(QPainter &painter, const QRectF &window, const TextWindowStyle &style)
{
    if (style.background == 0) {
        painter.fillRect(window, style.frameColor);
        painter.fillRect(window.adjusted(1, 1, -1, -1), style.panelColor);
    } else if (style.background == 1) {
        painter.fillRect(window, QColor::fromRgbF(0, 0, 0, 0.5));
    }
}

// Draws a character with its baseline starting at (x, y): the outline, then the fill. When the
// painter only shifts, the character is copied from a ready-drawn sprite placed to a quarter
// pixel; otherwise (a scaled painter) its outline is filled directly.
void drawCharacter(QPainter &painter, GlyphCache &glyphs, const DrawOp &op, double x, double y,
                   QRgb color, bool sprites)
{
    if (sprites) {
        const QTransform &shift = painter.combinedTransform();
        const double dx = x + shift.dx();
        const double dy = y + shift.dy();
        const int phases = GlyphCache::spritePhases;
        const double px = std::round(dx * phases);
        const double py = std::round(dy * phases);
        const double baseX = std::floor(px / phases);
        const double baseY = std::floor(py / phases);
        const GlyphCache::Sprite &sprite = glyphs.sprite(
            op.character, op.fontSize, color, int(px - baseX * phases), int(py - baseY * phases));
        if (sprite.image.isNull())
            return;
        // Placed in device pixels: the copy must not be moved by a fraction again.
        painter.drawImage(
            QPointF(baseX + sprite.offset.x() - shift.dx(), baseY + sprite.offset.y() - shift.dy()),
            sprite.image);
        return;
    }
    const GlyphCache::Glyph &glyph = glyphs.glyph(op.character, op.fontSize);
    if (glyph.empty)
        return;
    painter.translate(x, y);
    strokeAndFill(painter, glyph.fill, QColor(color));
    painter.translate(-x, -y);
}

// Top of the line an op belongs to; the ops of a page run down the page line by line.
double lineTop(const DrawOp &op)
{
    return op.kind == DrawOp::Kind::icon ? op.y - text::kIconInset : op.y;
}

// No line is higher than this (the largest font size, 100, plus the line padding).
constexpr double tallestLine = 108;

// The first op whose line may reach below `top`.
std::size_t firstVisibleOp(const std::vector<DrawOp> &ops, double top)
{
    const auto it = std::partition_point(ops.begin(), ops.end(), [top](const DrawOp &op) {
        return lineTop(op) + tallestLine < top;
    });
    return std::size_t(it - ops.begin());
}

} // namespace

void paintTextWindow(QPainter &painter, const QSizeF &windowSize, const TextWindowStyle &style,
                     const text::TextEngine &engine, const TextResources &resources,
                     const QImage &face, GlyphCache &glyphs)
{
    if (!resources.ready())
        return;
    const QRectF window(QPointF(0, 0), windowSize);
    painter.save();
    painter.setClipRect(window, Qt::IntersectClip);
    paintBackground(painter, window, style);

    const double left = style.margin;
    const double top = style.margin + engine.scrollY();
    // The text area: as wide as the text width, as high as the engine's canvas.
    const QRectF area(left, top, style.textWidth, engine.height());
    const QRectF shown = area.intersected(window);
    if (!shown.isEmpty()) {
        painter.save();
        painter.setClipRect(shown, Qt::IntersectClip);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        const bool sprites = painter.combinedTransform().type() <= QTransform::TxTranslate;
        const QImage &icons = resources.iconSheet();
        const std::vector<DrawOp> &ops = engine.ops();
        const double visibleTop = shown.top() - top;
        const double visibleBottom = shown.bottom() - top;
        long long lastColor = -1;
        QRgb fill = 0;
        for (std::size_t i = firstVisibleOp(ops, visibleTop); i < ops.size(); ++i) {
            const DrawOp &op = ops[i];
            if (lineTop(op) > visibleBottom)
                break;
            // Beyond the right edge of the text area nothing shows (a long line goes on there).
            if (op.x > style.textWidth)
                continue;
            if (op.kind == DrawOp::Kind::icon) {
                const QRect cell = TextResources::iconCell(op.number);
                if (icons.rect().intersects(cell))
                    painter.drawImage(QPointF(left + op.x, top + op.y), icons, cell);
                continue;
            }
            if (op.number != lastColor) {
                fill = resources.textColor(op.number);
                lastColor = op.number;
            }
            const double h = op.lineHeight;
            const double baseline = op.y + h - (h - op.fontSize * 0.7) / 2;
            drawCharacter(painter, glyphs, op, left + op.x, top + baseline, fill, sprites);
        }
        painter.restore();
    }

    if (!face.isNull())
        painter.drawImage(QPointF(left, top), face);
    painter.restore();
}

} // namespace vignetta::preview
