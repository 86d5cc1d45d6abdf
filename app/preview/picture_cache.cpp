#include "preview/picture_cache.h"

#include <QDir>
#include <QUrl>

#include "preview/image_loader.h"
#include "preview/tone.h"

namespace vignetta::preview {

QString PictureCache::pictureFilePath(const QString &name) const
{
    if (name.isEmpty() || name.contains(QChar(0)))
        return QString();
    const QString projectFolder = QUrl(projectUrl, QUrl::TolerantMode).toLocalFile();
    if (projectFolder.isEmpty())
        return QString();
    const QString folder = QDir::cleanPath(projectFolder + QLatin1Char('/') + pictureFolder);
    const QString path =
        QDir::cleanPath(folder + QLatin1Char('/') + name + QLatin1Char('.') + pictureExtension);
    // A name may name a file in a subfolder, but never one beside or above the picture folder.
    if (!path.startsWith(folder + QLatin1Char('/')))
        return QString();
    return path;
}

bool PictureCache::load(const QString &name)
{
    if (pictures_.contains(name))
        return true;
    const QString path = pictureFilePath(name);
    if (path.isEmpty())
        return false;
    const QImage image = ImageLoader::instance().load(path);
    if (image.isNull())
        return false;
    insert(name, image);
    return true;
}

void PictureCache::insert(const QString &name, const QImage &image)
{
    const QImage converted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    pictures_.insert(name, converted);
    grayPictures_.insert(name, makeGrayCopy(converted));
}

const QImage *PictureCache::picture(const QString &name) const
{
    auto it = pictures_.constFind(name);
    return it == pictures_.constEnd() ? nullptr : &it.value();
}

const QImage *PictureCache::grayPicture(const QString &name) const
{
    auto it = grayPictures_.constFind(name);
    return it == grayPictures_.constEnd() ? nullptr : &it.value();
}

QImage PictureCache::pictureCopy(const QString &name) const
{
    return pictures_.value(name);
}

QSize PictureCache::pictureSize(const QString &name) const
{
    auto it = pictures_.constFind(name);
    return it == pictures_.constEnd() ? QSize(0, 0) : it.value().size();
}

void PictureCache::clear()
{
    for (auto it = pictures_.begin(); it != pictures_.end(); ++it)
        it.value() = QImage();
    for (auto it = grayPictures_.begin(); it != grayPictures_.end(); ++it)
        it.value() = QImage();
    pictures_.clear();
    grayPictures_.clear();
}

} // namespace vignetta::preview
