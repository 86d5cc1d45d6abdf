#include "preview/picture_cache.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include "common/asset_path.h"
#include "preview/image_loader.h"
#include "preview/tone.h"
#include "printable_text.h"

namespace vignetta::preview {

namespace {

// Keys of pictures handed over by insert(), which have no file; a real path never starts so.
QString insertedKey(const QString &name)
{
    return QStringLiteral("inserted:") + name;
}

} // namespace

QString PictureCache::pictureFilePath(const QString &name, bool *outside) const
{
    if (outside)
        *outside = false;
    const QString projectFolder = QUrl(projectUrl, QUrl::TolerantMode).toLocalFile();
    if (projectFolder.isEmpty())
        return QString();
    const QString folder = projectFolder + QLatin1Char('/') + pictureFolder;
    const files::AssetPath found =
        files::resolveAsset(QFile::encodeName(folder).toStdString(), name.toStdString(),
                            (QLatin1Char('.') + pictureExtension).toStdString());
    if (outside)
        *outside = found.place == files::AssetPlace::Outside;
    if (!found.inside())
        return QString();
    return QFile::decodeName(QByteArray::fromStdString(found.path.string()));
}

bool PictureCache::load(const QString &name)
{
    if (names_.contains(name))
        return entryOf(name) != nullptr;
    const QString path = pictureFilePath(name);
    if (path.isEmpty())
        return false;
    if (const auto kept = files_.find(path); kept != files_.end())
        kept->lastUse = ++clock_;
    else if (!keepFile(path, name))
        return false;
    names_.insert(name, path);
    return true;
}

bool PictureCache::keepFile(const QString &key, const QString &name)
{
    const QImage image = ImageLoader::instance().load(key);
    return !image.isNull() && keep(key, name, image);
}

bool PictureCache::keep(const QString &key, const QString &name, const QImage &image)
{
    Entry entry;
    entry.picture = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!entry.picture.isNull())
        entry.gray = makeGrayCopy(entry.picture);
    if (entry.picture.isNull() || entry.gray.isNull()) {
        qWarning("Not enough memory for the picture '%s'; it is left out",
                 qUtf8Printable(app::printableText(name)));
        return false;
    }
    entry.bytes = entry.picture.sizeInBytes() + entry.gray.sizeInBytes();
    if (entry.bytes > maxBytes_) {
        qWarning("The picture '%s' (%dx%d) needs more than the %lld MB the preview may hold; it "
                 "is left out",
                 qUtf8Printable(app::printableText(name)), image.width(), image.height(),
                 maxBytes_ >> 20);
        return false;
    }
    releaseOldest(entry.bytes, key);
    entry.lastUse = ++clock_;
    bytes_ += entry.bytes;
    files_.insert(key, std::move(entry));
    return true;
}

void PictureCache::releaseOldest(qint64 needed, const QString &spare)
{
    while (bytes_ + needed > maxBytes_) {
        auto oldest = files_.end();
        for (auto it = files_.begin(); it != files_.end(); ++it) {
            if (it.key() != spare && (oldest == files_.end() || it->lastUse < oldest->lastUse))
                oldest = it;
        }
        if (oldest == files_.end())
            return;
        QStringList released;
        for (auto it = names_.constBegin(); it != names_.constEnd(); ++it) {
            if (it.value() == oldest.key())
                released.append(QLatin1Char('\'') + app::printableText(it.key()) +
                                QLatin1Char('\''));
        }
        qWarning("The preview holds %lld MB of pictures at most: %s released until it is drawn "
                 "again",
                 maxBytes_ >> 20, qUtf8Printable(released.join(QStringLiteral(", "))));
        bytes_ -= oldest->bytes;
        // A picture handed over by insert() cannot be read again: its names go with it.
        if (oldest.key().startsWith(insertedKey(QString())))
            names_.remove(oldest.key().mid(insertedKey(QString()).size()));
        files_.erase(oldest);
    }
}

PictureCache::Entry *PictureCache::entryOf(const QString &name)
{
    const auto named = names_.constFind(name);
    if (named == names_.constEnd())
        return nullptr;
    const QString key = named.value();
    auto it = files_.find(key);
    if (it == files_.end()) {
        // Released to make room: read again. A picture handed over by insert() has no file.
        if (key == insertedKey(name) || !keepFile(key, name))
            return nullptr;
        it = files_.find(key);
    }
    it->lastUse = ++clock_;
    return &it.value();
}

const QImage *PictureCache::picture(const QString &name)
{
    Entry *entry = entryOf(name);
    return entry ? &entry->picture : nullptr;
}

const QImage *PictureCache::grayPicture(const QString &name)
{
    Entry *entry = entryOf(name);
    return entry ? &entry->gray : nullptr;
}

QImage PictureCache::pictureCopy(const QString &name)
{
    const QImage *image = picture(name);
    return image ? *image : QImage();
}

QSize PictureCache::pictureSize(const QString &name)
{
    const QImage *image = picture(name);
    return image ? image->size() : QSize(0, 0);
}

void PictureCache::clear()
{
    for (auto it = files_.begin(); it != files_.end(); ++it) {
        it->picture = QImage();
        it->gray = QImage();
    }
    files_.clear();
    names_.clear();
    bytes_ = 0;
}

bool PictureCache::insert(const QString &name, const QImage &image)
{
    const QString key = insertedKey(name);
    if (const auto old = files_.find(key); old != files_.end()) {
        bytes_ -= old->bytes;
        files_.erase(old);
    }
    names_.remove(name);
    if (image.isNull() || !keep(key, name, image))
        return false;
    names_.insert(name, key);
    return true;
}

void PictureCache::setMaxBytes(qint64 bytes)
{
    maxBytes_ = qMax<qint64>(bytes, 0);
    releaseOldest(0, QString());
}

} // namespace vignetta::preview
