#pragma once

#include <QImage>
#include <QPoint>
#include <QQuickPaintedItem>
#include <QSize>
#include <QSizeF>

namespace vignetta::preview {

// Size of the canvas a picture is scaled to so that it fills a thumbnail item completely: the
// picture's shorter side becomes the item's width (a picture already of the item's size stays
// as it is).
QSize thumbnailCanvasSize(const QSizeF &itemSize, const QSize &imageSize);

// Where the canvas is drawn so that it is centred in the item (parts outside are cut off).
QPoint thumbnailCanvasOffset(const QSizeF &itemSize, const QSize &canvasSize);

// A picture shown as a small square that it fills completely (QML type Thumbnail). Blank at
// creation, after a size change and for a null image.
class Thumbnail : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit Thumbnail(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;

    const QImage &canvas() const { return canvas_; }

private slots:
    // Drops the canvas: a resized thumbnail is blank until its image is set again.
    void resize();

public:
    // Scales the image to fill the item, centred, and repaints; a null image blanks the item.
    Q_INVOKABLE void setImage(const QImage &image);
    // Makes the canvas a fully transparent w x h image (null when either is 0) and repaints.
    Q_INVOKABLE void clear(int w, int h);

private:
    QImage canvas_; // ARGB32, not premultiplied; null when empty
};

} // namespace vignetta::preview
