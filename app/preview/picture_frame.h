#pragma once

#include <QRectF>
#include <QSize>
#include <QString>

namespace vignetta::preview {

// What one paint drew for one picture, in drawing order; hit testing and the frame queries
// answer from these. The x and y of the three rectangles are the picture's raw position (its
// origin point), also for centre origin.
struct PictureFrame
{
    int blockId = -1;
    QString imageName;
    int origin = 0;
    QRectF startRect;       // start position, start size (truncated)
    QRectF midRect;         // current position and size (truncated)
    QRectF endRect;         // end position, end size (truncated)
    double midRotation = 0; // current angle in whole degrees
    double endRotation = 0; // angle at the block's last frame in whole degrees
    QSize size;             // the picture's own size, truncated
};

} // namespace vignetta::preview
