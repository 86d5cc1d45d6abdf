#include "preview/image_loader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtGlobal>

#include "common/file_read.h"
#include "printable_text.h"

namespace vignetta::preview {

ImageLoader &ImageLoader::instance()
{
    static ImageLoader loader;
    return loader;
}

QImage ImageLoader::load(const QString &localPath)
{
    if (localPath.isEmpty())
        return QImage();

    const QFileInfo info(localPath);
    Stamp now;
    if (info.exists()) {
        now.modified = info.lastModified();
        now.size = info.size();
    }
    const Stamp before = fileTimes_.value(localPath);
    fileTimes_.insert(localPath, now);

    auto cached = images_.find(localPath);
    if (now == before && cached != images_.end()) {
        cached->lastUse = ++clock_;
        return cached->image;
    }
    const QImage image = decode(localPath);
    keep(localPath, image);
    return image;
}

void ImageLoader::keep(const QString &path, const QImage &image)
{
    release(path);
    const qint64 size = image.sizeInBytes();
    // An image larger than the whole bound is handed out but not kept.
    if (size > maxBytes_)
        return;
    trimTo(maxBytes_ - size, path);
    images_.insert(path, Kept{image, ++clock_});
    bytes_ += size;
}

void ImageLoader::release(const QString &path)
{
    const auto it = images_.find(path);
    if (it == images_.end())
        return;
    bytes_ -= it->image.sizeInBytes();
    images_.erase(it);
}

void ImageLoader::trimTo(qint64 bytes, const QString &spare)
{
    while (bytes_ > bytes) {
        auto oldest = images_.end();
        for (auto it = images_.begin(); it != images_.end(); ++it) {
            if (it.key() != spare && it->image.sizeInBytes() > 0 &&
                (oldest == images_.end() || it->lastUse < oldest->lastUse))
                oldest = it;
        }
        if (oldest == images_.end())
            return;
        release(oldest.key());
    }
}

void ImageLoader::setMaxBytes(qint64 bytes)
{
    maxBytes_ = qMax<qint64>(bytes, 0);
    trimTo(maxBytes_, QString());
}

void ImageLoader::clearImages()
{
    images_.clear();
    bytes_ = 0;
}

QImage ImageLoader::decode(const QString &localPath)
{
    const QString shown = app::printableText(localPath);
    const files::FileReadResult read = files::readRegularFile(
        QFile::encodeName(localPath).toStdString(), files::maxPictureFileBytes);
    if (!read) {
        // A missing file is an everyday case (a picture not chosen yet); the rest is worth a line.
        if (read.failure != files::ReadFailure::Missing)
            qWarning("Picture %s %s", qUtf8Printable(shown), read.error.c_str());
        return QImage();
    }
    QByteArray bytes = QByteArray::fromRawData(read.bytes.data(), int(read.bytes.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    auto tooLarge = [](const QSize &s) {
        return s.width() > maxPictureSide || s.height() > maxPictureSide ||
               qint64(s.width()) * s.height() > maxPicturePixels;
    };
    if (size.isValid() && tooLarge(size)) {
        qWarning("Picture too large to load (%dx%d): %s", size.width(), size.height(),
                 qUtf8Printable(shown));
        return QImage();
    }
    QImage image = reader.read();
    if (image.isNull())
        return image;
    if (tooLarge(image.size())) {
        qWarning("Picture too large to load (%dx%d): %s", image.width(), image.height(),
                 qUtf8Printable(shown));
        return QImage();
    }
    const QImage converted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (converted.isNull())
        qWarning("Not enough memory to load the picture %s", qUtf8Printable(shown));
    return converted;
}

} // namespace vignetta::preview
