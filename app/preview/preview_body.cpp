#include "preview/preview_body.h"

#include <QPainter>
#include <QThread>

#include "preview/frame_queries.h"

namespace vignetta::preview {

PreviewBody::PreviewBody(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    // Every paint starts with an opaque black screen: nothing beneath shows through, and the
    // scene graph need neither clear the item nor blend it.
    setOpaquePainting(true);
}

void PreviewBody::paint(QPainter *painter)
{
    renderer_.paint(*painter, QSizeF(width(), height()));
    // A threaded scene graph paints on its render thread while the GUI thread waits; the
    // signal is handed over to the item's own thread, where its QML handlers may run.
    if (QThread::currentThread() == thread())
        emit updated();
    else
        QMetaObject::invokeMethod(
            this, [this] { emit updated(); }, Qt::QueuedConnection);
}

double PreviewBody::int32max() const
{
    return preview::int32max;
}

void PreviewBody::clearPictureList()
{
    renderer_.pictures().clear();
    renderer_.clearTonedPictures();
}

void PreviewBody::clearDisplayList()
{
    renderer_.clearDisplayList();
}

bool PreviewBody::loadPicture(const QString &name)
{
    return renderer_.pictures().load(name);
}

QImage PreviewBody::getPicture(const QString &name)
{
    return renderer_.pictures().pictureCopy(name);
}

QSize PreviewBody::getPictureSize(const QString &name)
{
    return renderer_.pictures().pictureSize(name);
}

void PreviewBody::updateDisplayList(const QString &listString, int fade, int time)
{
    renderer_.clearDisplayList();
    renderer_.setDisplayList(parseDisplayList(listString, time));
    renderer_.setFade(fade);
    update();
}

QVariantMap PreviewBody::pictureByPoint(const QPointF &point) const
{
    return {{QStringLiteral("blockId"), preview::pictureByPoint(renderer_.frames(), point)}};
}

QPointF PreviewBody::transformedPoint(const QPointF &point, int blockId) const
{
    return preview::transformedPoint(renderer_.frames(), point, blockId);
}

QVariantMap PreviewBody::getFrame(const QString &listString) const
{
    return frameOf(listString);
}

void PreviewBody::setBlendColor(const QVariantList &blendColor)
{
    if (blendColor.size() != 4)
        return;
    int channels[4];
    for (int i = 0; i < 4; ++i)
        channels[i] = blendColor.at(i).toInt();
    renderer_.setBlendColor(channels[0], channels[1], channels[2], channels[3]);
}

void PreviewBody::setShake(int shake)
{
    renderer_.setShake(shake);
}

} // namespace vignetta::preview
