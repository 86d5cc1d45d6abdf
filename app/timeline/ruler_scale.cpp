#include "timeline/ruler_scale.h"

#include <QFontMetricsF>
#include <QPainter>

#include "scene/timeline_ruler.h"

namespace vignetta::timeline {

RulerScale::RulerScale(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    font_.setPixelSize(10);
    setAntialiasing(false);
}

void RulerScale::setScrollX(qreal x)
{
    if (qFuzzyCompare(x + 1, scrollX_ + 1))
        return;
    scrollX_ = x;
    emit scrollXChanged();
    update();
}

void RulerScale::setPixelPerFrame(int ppf)
{
    if (ppf == pixelPerFrame_ || ppf < 1)
        return;
    pixelPerFrame_ = ppf;
    emit pixelPerFrameChanged();
    update();
}

void RulerScale::setColor(const QColor &color)
{
    if (color == color_)
        return;
    color_ = color;
    emit colorChanged();
    update();
}

void RulerScale::setFontFamily(const QString &family)
{
    if (family == font_.family())
        return;
    font_.setFamily(family);
    emit fontChanged();
    update();
}

void RulerScale::setFontPixelSize(int size)
{
    if (size == font_.pixelSize() || size < 1)
        return;
    font_.setPixelSize(size);
    emit fontChanged();
    update();
}

void RulerScale::setTickTop(qreal y)
{
    if (qFuzzyCompare(y + 1, tickTop_ + 1))
        return;
    tickTop_ = y;
    emit tickTopChanged();
    update();
}

QVariantList RulerScale::labels() const
{
    QVariantList out;
    for (const auto &l : scene::rulerLabels(scrollX_, width(), pixelPerFrame_))
        out.append(QVariantMap{{QStringLiteral("x"), l.x}, {QStringLiteral("frame"), l.frame}});
    return out;
}

void RulerScale::paint(QPainter *painter)
{
    const qreal w = width();
    const qreal h = height();
    painter->setPen(QPen(color_, 1));
    const auto ticks = scene::rulerTicks(scrollX_, w, pixelPerFrame_);
    QVector<QLineF> lines;
    lines.reserve(static_cast<int>(ticks.size()));
    for (double x : ticks)
        lines.append(QLineF(x, tickTop_, x, h));
    painter->drawLines(lines);

    painter->setFont(font_);
    const QFontMetricsF metrics(font_);
    const qreal textTop = 1;
    for (const auto &l : scene::rulerLabels(scrollX_, w, pixelPerFrame_)) {
        const QString text = QString::number(l.frame);
        const qreal tw = metrics.horizontalAdvance(text);
        // Centred on its frame; the baseline sits so that the 10-pixel text fills the band
        // above the ticks.
        painter->drawText(QPointF(l.x - tw / 2, textTop + metrics.ascent()), text);
    }
}

} // namespace vignetta::timeline
