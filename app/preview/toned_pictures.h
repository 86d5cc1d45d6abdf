#pragma once

#include <QImage>

#include <vector>

#include "preview/tone.h"

namespace vignetta::preview {

// The toned copies of the pictures that the last paint drew. Tones are whole numbers that a
// block moves through slowly (a tone of 68 over 120 frames changes every other frame at most),
// so most frames of a played scene draw a picture in the tone it had one frame before: that
// copy is then drawn again instead of being toned anew. Copies that a paint did not draw are
// dropped when it ends, and no more than `maxBytes` are kept (beyond that, pictures are toned
// in a scratch buffer every time).
class TonedPictures
{
public:
    explicit TonedPictures(qint64 maxBytes = qint64(128) * 1024 * 1024) : maxBytes_(maxBytes) {}

    // The picture toned by `tone` (with its gray copy), valid until the next call.
    const QImage &toned(const QImage &picture, const QImage &gray, const Tone &tone);

    // Brackets a paint: copies not asked for between the two calls are dropped at its end.
    void beginPaint();
    void endPaint();

    void clear();
    int count() const { return int(entries_.size()); }
    qint64 bytes() const;

private:
    struct Entry
    {
        qint64 pictureKey = 0;
        qint64 grayKey = 0;
        Tone tone;
        QImage image;
        bool used = false;
    };

    std::vector<Entry> entries_;
    QImage scratch_;
    qint64 maxBytes_;
};

} // namespace vignetta::preview
