#pragma once

#include <QImage>
#include <QQuickPaintedItem>

namespace vignetta::property {

// The colour-tone preview: a hue/lightness gradient (hue down, lightness across) with a tone
// applied to it (QML type ColorTonePreviewPainter of "Vignetta.Property" 1.0). The values are
// the stored tone values divided by 255: red, green and blue -1..1, gray 0..1. All zero shows
// the plain gradient. The math is in ui/tone_gradient.h.
class ColorTonePreviewItem : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(qreal red READ red WRITE setRed NOTIFY toneChanged)
    Q_PROPERTY(qreal green READ green WRITE setGreen NOTIFY toneChanged)
    Q_PROPERTY(qreal blue READ blue WRITE setBlue NOTIFY toneChanged)
    Q_PROPERTY(qreal gray READ gray WRITE setGray NOTIFY toneChanged)

public:
    explicit ColorTonePreviewItem(QQuickItem *parent = nullptr);

    qreal red() const { return red_; }
    qreal green() const { return green_; }
    qreal blue() const { return blue_; }
    qreal gray() const { return gray_; }
    void setRed(qreal v) { setTone(red_, v); }
    void setGreen(qreal v) { setTone(green_, v); }
    void setBlue(qreal v) { setTone(blue_, v); }
    void setGray(qreal v) { setTone(gray_, v); }

    void paint(QPainter *painter) override;

    // The picture drawn at the item's current size (for tests).
    QImage render() const;

signals:
    void toneChanged();

private:
    void setTone(qreal &field, qreal value);

    qreal red_ = 0;
    qreal green_ = 0;
    qreal blue_ = 0;
    qreal gray_ = 0;
    QImage image_;
};

} // namespace vignetta::property
