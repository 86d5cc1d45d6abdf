#pragma once

#include <QPointF>
#include <QString>
#include <QVariantMap>
#include <QVector>

#include "preview/picture_frame.h"

namespace vignetta::preview {

// Returned in both coordinates by transformedPoint when the block has no drawn picture.
constexpr double int32max = 2147483647.0;

// Id of the topmost drawn picture whose rectangle, grown by 8 pixels on every side, holds the
// point once the picture's current rotation is undone; -1 when there is none.
int pictureByPoint(const QVector<PictureFrame> &frames, const QPointF &point);

// The point turned back by the end rotation of the block's last drawn picture, about that
// picture's end position; (int32max, int32max) for a negative id or a block not drawn.
QPointF transformedPoint(const QVector<PictureFrame> &frames, const QPointF &point, int blockId);

// The start and end frames of one picture block from the JSON text of its event data (with its
// id under "blockId"), without painting: "blockId", "imageName", "origin", "startRect",
// "midRect", "endRect", "midRotation", "endRotation". Rectangles are moved to the upper-left
// corner for centre origin and sizes are not truncated. An empty map when the text is not a
// JSON object or has no non-negative "blockId".
QVariantMap frameOf(const QString &blockText);

} // namespace vignetta::preview
