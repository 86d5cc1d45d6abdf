#pragma once

#include <QImage>
#include <QPointF>
#include <QQuickPaintedItem>
#include <QSize>
#include <QVariantList>
#include <QVariantMap>

#include "preview/preview_renderer.h"

namespace vignetta::preview {

// The game-screen preview item (QML type PreviewBody). It keeps the pictures, the frame to draw
// and the screen effects, and paints through PreviewRenderer; hit testing answers from what the
// last paint drew. No property has a change signal: the main view feeds the item and reads it
// on demand.
class PreviewBody : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(QString projectUrl READ projectUrl WRITE setProjectUrl)
    Q_PROPERTY(int fade READ fade WRITE setFade)
    Q_PROPERTY(double int32max READ int32max CONSTANT)
    Q_PROPERTY(int msec READ msec)

public:
    explicit PreviewBody(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;

    QString projectUrl() const { return renderer_.pictures().projectUrl; }
    void setProjectUrl(const QString &url) { renderer_.pictures().projectUrl = url; }
    int fade() const { return renderer_.fade(); }
    void setFade(int fade) { renderer_.setFade(fade); }
    double int32max() const;
    int msec() const { return renderer_.lastPaintMsec(); }

    PreviewRenderer &renderer() { return renderer_; }

signals:
    // Emitted at the end of every paint.
    void updated();

public:
    // Releases every cached picture and gray copy.
    Q_INVOKABLE void clearPictureList();
    // Empties the display list, the ratios and the picture records; no repaint.
    Q_INVOKABLE void clearDisplayList();
    // True when the picture is cached (already, or now); false when its file could not be read.
    Q_INVOKABLE bool loadPicture(const QString &name);
    // A copy of the cached picture, or a null image.
    Q_INVOKABLE QImage getPicture(const QString &name);
    // The cached picture's size, or 0 x 0.
    Q_INVOKABLE QSize getPictureSize(const QString &name);
    // Replaces the frame to draw (display-list text, brightness 0-255, current frame) and
    // requests a repaint.
    Q_INVOKABLE void updateDisplayList(const QString &listString, int fade = 255, int time = 0);
    // {"blockId": id} of the topmost drawn picture under the point, {"blockId": -1} for none.
    Q_INVOKABLE QVariantMap pictureByPoint(const QPointF &point) const;
    // The point turned back by the end rotation of the block's drawn picture, or the int32max
    // pair.
    Q_INVOKABLE QPointF transformedPoint(const QPointF &point, int blockId) const;
    // The start and end frames of one picture block, or an empty map.
    Q_INVOKABLE QVariantMap getFrame(const QString &listString) const;
    // [red, green, blue, alpha] of the flash; a list of any other length is ignored. No repaint.
    Q_INVOKABLE void setBlendColor(const QVariantList &blendColor);
    // The horizontal shake offset of the pictures; no repaint.
    Q_INVOKABLE void setShake(int shake);

private:
    PreviewRenderer renderer_;
};

} // namespace vignetta::preview
