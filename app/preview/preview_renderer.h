#pragma once

#include <QColor>
#include <QImage>
#include <QSizeF>
#include <QVector>

#include "preview/display_list.h"
#include "preview/picture_cache.h"
#include "preview/picture_frame.h"
#include "preview/toned_pictures.h"

class QPainter;

namespace vignetta::preview {

// Draws the game screen of one frame: black, the pictures of the display list with their
// tweened position, scale, opacity, rotation, blend mode and tone, the pictures shifted
// sideways by the shake, then the flash colour and the fade to black over everything. The
// editor's preview item and the command-line renderer both draw through this class.
class PreviewRenderer
{
public:
    PictureCache &pictures() { return pictures_; }
    const PictureCache &pictures() const { return pictures_; }

    // Replaces the frame to draw; the picture records of the last paint are dropped.
    void setDisplayList(DisplayList list);
    void clearDisplayList();
    const DisplayList &displayList() const { return list_; }

    // Screen brightness, 0 (black) to 255 (normal).
    int fade() const { return fade_; }
    void setFade(int fade) { fade_ = fade; }

    // Flash colour red, green, blue, alpha.
    const int *blendColor() const { return blendColor_; }
    void setBlendColor(int red, int green, int blue, int alpha);

    // Horizontal offset in pixels applied to the pictures only.
    int shake() const { return shake_; }
    void setShake(int shake) { shake_ = shake; }

    // Draws the frame into the rectangle (0, 0, size) and rebuilds the picture records.
    void paint(QPainter &painter, const QSizeF &size);

    // Renders the frame into a new opaque image of the given size.
    QImage render(const QSize &size);

    // One record per picture drawn by the last paint, in drawing order.
    const QVector<PictureFrame> &frames() const { return frames_; }

    // Forgets the toned copies of the pictures (when the pictures themselves are let go).
    void clearTonedPictures() { toned_.clear(); }

    // Milliseconds the last paint took.
    int lastPaintMsec() const { return msec_; }

    // Whether the tone pass runs for an entry at ratio r: it must move the picture away from
    // its own colours, so it runs when r > 0 and any of red, green, blue or gray is non-zero.
    static bool toneApplies(const DisplayEntry &entry, double ratio);

private:
    void paintEntry(QPainter &painter, const DisplayEntry &entry, double ratio, const QSizeF &size);

    PictureCache pictures_;
    DisplayList list_;
    QVector<PictureFrame> frames_;
    int fade_ = 255;
    int blendColor_[4] = {0, 0, 0, 0};
    int shake_ = 0;
    int msec_ = 0;
    TonedPictures toned_; // the toned copies drawn by the last paint
};

} // namespace vignetta::preview
