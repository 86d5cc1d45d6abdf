#include "preview/image_loader.h"

#include <QFileInfo>
#include <QImageReader>
#include <QtGlobal>

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

    if (now != before)
        images_.insert(localPath, decode(localPath));

    auto cached = images_.constFind(localPath);
    if (cached != images_.constEnd())
        return cached.value();
    const QImage image = decode(localPath);
    images_.insert(localPath, image);
    return image;
}

void ImageLoader::clearImages()
{
    images_.clear();
}

QImage ImageLoader::decode(const QString &localPath)
{
    QImageReader reader(localPath);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    auto tooLarge = [](const QSize &s) {
        return s.width() > maxPictureSide || s.height() > maxPictureSide ||
               qint64(s.width()) * s.height() > maxPicturePixels;
    };
    if (size.isValid() && tooLarge(size)) {
        qWarning("Picture too large to load (%dx%d): %s", size.width(), size.height(),
                 qUtf8Printable(localPath));
        return QImage();
    }
    QImage image = reader.read();
    if (!image.isNull() && tooLarge(image.size())) {
        qWarning("Picture too large to load (%dx%d): %s", image.width(), image.height(),
                 qUtf8Printable(localPath));
        return QImage();
    }
    return image;
}

} // namespace vignetta::preview
