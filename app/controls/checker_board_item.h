#pragma once

#include <QQuickPaintedItem>

namespace vignetta::controls {

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

    double red() const { return red_; }
    double green() const { return green_; }
    double blue() const { return blue_; }
    void setRed(double v) { setChannel(red_, v); }
    void setGreen(double v) { setChannel(green_, v); }
    void setBlue(double v) { setChannel(blue_, v); }
    QColor lightColor() const;
    QColor darkColor() const;

    void paint(QPainter *painter) override;

signals:
    void colorChanged();

private:
    void setChannel(double &channel, double value);

    double red_ = 255;
    double green_ = 255;
    double blue_ = 255;
};

} // namespace vignetta::controls
