#pragma once

#include <QQuickPaintedItem>

namespace vignetta {

// Paints the checkerboard behind transparent images (see ui/checkerboard.h) from the light
// colour's stored 0-255 channels ("CheckerBoardPainter" of the module Vignetta.Controls).
class CheckerBoardItem : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(double red READ red WRITE setRed NOTIFY colorChanged)
    Q_PROPERTY(double green READ green WRITE setGreen NOTIFY colorChanged)
    Q_PROPERTY(double blue READ blue WRITE setBlue NOTIFY colorChanged)
    Q_PROPERTY(QColor lightColor READ lightColor NOTIFY colorChanged)
    Q_PROPERTY(QColor darkColor READ darkColor NOTIFY colorChanged)

public:
    explicit CheckerBoardItem(QQuickItem *parent = nullptr);

    double red() const { return m_red; }
    double green() const { return m_green; }
    double blue() const { return m_blue; }
    void setRed(double v) { setChannel(m_red, v); }
    void setGreen(double v) { setChannel(m_green, v); }
    void setBlue(double v) { setChannel(m_blue, v); }
    QColor lightColor() const;
    QColor darkColor() const;

    void paint(QPainter *painter) override;

signals:
    void colorChanged();

private:
    void setChannel(double &channel, double value);

    double m_red = 255;
    double m_green = 255;
    double m_blue = 255;
};

} // namespace vignetta
