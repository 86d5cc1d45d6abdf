#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

namespace vignetta::preview {

// Decodes picture files for the whole process and keeps the results, keyed by local file path,
// so that a file is decoded once per version. A version is the file's last-modified time (and
// size) seen at the previous request: when it differs, the file is decoded again. A file that
// could not be decoded is remembered as a null image until it changes or the images are
// cleared.
//
// Pictures larger than maxPictureSide pixels on a side or maxPicturePixels in all are refused
// (a null image, with a warning) before anything is decoded: one such picture would take
// gigabytes in its converted and gray copies.
class ImageLoader
{
public:
    static constexpr int maxPictureSide = 16384;
    static constexpr qint64 maxPicturePixels = qint64(8192) * 8192;

    // The one loader of the process, created on first use.
    static ImageLoader &instance();

    // The decoded image of the file at the local path; null when the path is empty, the file
    // is missing, unreadable, not an image or too large.
    QImage load(const QString &localPath);

    // Forgets every decoded image (the file times stay), so that each file is decoded again at
    // its next load.
    void clearImages();

    int cachedImageCount() const { return images_.size(); }

    // Reads the file with the format detected from its content, refusing pictures beyond the
    // size limits.
    static QImage decode(const QString &localPath);

private:
    struct Stamp
    {
        QDateTime modified;
        qint64 size = -1;
        bool operator==(const Stamp &other) const
        {
            return modified == other.modified && size == other.size;
        }
        bool operator!=(const Stamp &other) const { return !(*this == other); }
    };

    ImageLoader() = default;

    QHash<QString, Stamp> fileTimes_;
    QHash<QString, QImage> images_;
};

} // namespace vignetta::preview
