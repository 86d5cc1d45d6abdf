#include "preview/toned_pictures.h"

#include <algorithm>

namespace vignetta::preview {

namespace {

bool sameTone(const Tone &a, const Tone &b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.gray == b.gray;
}

} // namespace

const QImage &TonedPictures::toned(const QImage &picture, const QImage &gray, const Tone &tone)
{
    const qint64 pictureKey = picture.cacheKey();
    const qint64 grayKey = gray.cacheKey();
    for (Entry &entry : entries_) {
        if (entry.pictureKey == pictureKey && entry.grayKey == grayKey &&
            sameTone(entry.tone, tone)) {
            entry.used = true;
            return entry.image;
        }
    }
    const qint64 size = picture.sizeInBytes();
    if (bytes() + size > maxBytes_) {
        applyTone(picture, gray, tone, scratch_);
        return scratch_;
    }
    Entry entry;
    entry.pictureKey = pictureKey;
    entry.grayKey = grayKey;
    entry.tone = tone;
    entry.used = true;
    applyTone(picture, gray, tone, entry.image);
    entries_.push_back(std::move(entry));
    return entries_.back().image;
}

void TonedPictures::beginPaint()
{
    for (Entry &entry : entries_)
        entry.used = false;
}

void TonedPictures::endPaint()
{
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [](const Entry &entry) { return !entry.used; }),
                   entries_.end());
}

void TonedPictures::clear()
{
    entries_.clear();
    scratch_ = QImage();
}

qint64 TonedPictures::bytes() const
{
    qint64 total = 0;
    for (const Entry &entry : entries_)
        total += entry.image.sizeInBytes();
    return total;
}

} // namespace vignetta::preview
