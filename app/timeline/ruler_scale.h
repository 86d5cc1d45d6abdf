#pragma once

#include <QColor>
#include <QFont>
#include <QQuickPaintedItem>

namespace vignetta::timeline {

// The ruler's tick lines and frame labels for the visible width (QML type RulerScale): labels
// every 10 or 100 frames along the top, ticks per frame or per 10 frames below them from
// `tickTop` down. Positions come from scene/timeline_ruler.h.
class RulerScale : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(qreal scrollX READ scrollX WRITE setScrollX NOTIFY scrollXChanged)
    Q_PROPERTY(
        int pixelPerFrame READ pixelPerFrame WRITE setPixelPerFrame NOTIFY pixelPerFrameChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QString fontFamily READ fontFamily WRITE setFontFamily NOTIFY fontChanged)
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize NOTIFY fontChanged)
    Q_PROPERTY(qreal tickTop READ tickTop WRITE setTickTop NOTIFY tickTopChanged)

public:
    explicit RulerScale(QQuickItem *parent = nullptr);

    qreal scrollX() const { return scrollX_; }
    void setScrollX(qreal x);
    int pixelPerFrame() const { return pixelPerFrame_; }
    void setPixelPerFrame(int ppf);
    QColor color() const { return color_; }
    void setColor(const QColor &color);
    QString fontFamily() const { return font_.family(); }
    void setFontFamily(const QString &family);
    int fontPixelSize() const { return font_.pixelSize(); }
    void setFontPixelSize(int size);
    qreal tickTop() const { return tickTop_; }
    void setTickTop(qreal y);

    // The labels as drawn, for tests: [{x, frame}] within the item.
    Q_INVOKABLE QVariantList labels() const;

    void paint(QPainter *painter) override;

signals:
    void scrollXChanged();
    void pixelPerFrameChanged();
    void colorChanged();
    void fontChanged();
    void tickTopChanged();

private:
    qreal scrollX_ = 0;
    int pixelPerFrame_ = 4;
    QColor color_ = QColor(0xBB, 0xBB, 0xBB);
    QFont font_;
    qreal tickTop_ = 16.5;
};

} // namespace vignetta::timeline
