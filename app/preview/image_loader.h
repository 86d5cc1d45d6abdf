#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

namespace vignetta::preview {

// Decodes picture files for the whole process and keeps the results, keyed by local file path
// (callers pass real paths, so that one file has one entry whatever name reached it), so that a
// file is decoded once per version. A version is the file's last-modified time (and size) seen
// at the previous request: when it differs, the file is decoded again. A file that could not be
// decoded is remembered as a null image until it changes or the images are cleared.
//
// Decoded images are kept in premultiplied ARGB32, the form the preview draws, so that a
// picture cache holding the same image shares its pixels. The images kept take at most
// maxBytes() in all: beyond it the least recently requested are released (and decoded again
// when asked for).
//
// Only regular files up to maxPictureFileBytes are read, and pictures larger than
// maxPictureSide pixels on a side or maxPicturePixels in all are refused (a null image, with a
// warning) before anything is decoded: one such picture would take gigabytes in its converted
// and gray copies.
class ImageLoader
{
public:
    static constexpr int maxPictureSide = 16384;
    static constexpr qint64 maxPicturePixels = qint64(8192) * 8192;
    static constexpr qint64 defaultMaxBytes = qint64(512) << 20;

    // The one loader of the process, created on first use.
    static ImageLoader &instance();

    // The decoded image of the file at the local path; null when the path is empty, the file
    // is missing, not a regular file, too large, unreadable or not an image.
    QImage load(const QString &localPath);

    // Forgets every decoded image (the file times stay), so that each file is decoded again at
    // its next load.
    void clearImages();

    int cachedImageCount() const { return images_.size(); }
    qint64 maxBytes() const { return maxBytes_; }
    // Releases images at once when they exceed the new bound.
    void setMaxBytes(qint64 bytes);

    // Reads the file (a regular file within the size cap) and decodes it with the format
    // detected from its content, refusing pictures beyond the size limits; the result is
    // premultiplied ARGB32, or null.
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
    struct Kept
    {
        QImage image;
        quint64 lastUse = 0;
    };

    ImageLoader() = default;
    void keep(const QString &path, const QImage &image);
    void release(const QString &path);
    void trimTo(qint64 bytes, const QString &spare);

    QHash<QString, Stamp> fileTimes_;
    QHash<QString, Kept> images_;
    qint64 bytes_ = 0;
    qint64 maxBytes_ = defaultMaxBytes;
    quint64 clock_ = 0;
};

} // namespace vignetta::preview
