#pragma once

#include <QImage>
#include <QMap>
#include <QSize>
#include <QString>

namespace vignetta::preview {

// The pictures a preview draws from, by name (as given, without folder or extension), each kept
// in premultiplied ARGB32 together with its gray copy for the tone pass. A name is in both maps
// or in neither; a cached name is not read again until clear().
class PictureCache
{
public:
    QString pictureFolder = QStringLiteral("img/pictures");
    QString pictureExtension = QStringLiteral("png");
    // URL of the project folder, ending in "/".
    QString projectUrl;

    // Makes sure the picture is cached: true when it is (already, or now), false when its file
    // could not be read, the project URL is not a local folder, or the name would lead outside
    // the picture folder.
    bool load(const QString &name);

    // The local file of a picture name, or an empty string when the project URL is not a local
    // folder or the name leads outside the picture folder ("..", an absolute path).
    QString pictureFilePath(const QString &name) const;

    // The cached picture and its gray copy, or nullptr when the name is not cached.
    const QImage *picture(const QString &name) const;
    const QImage *grayPicture(const QString &name) const;

    // A copy of the cached picture (null when not cached) and its size (0 x 0 when not cached).
    QImage pictureCopy(const QString &name) const;
    QSize pictureSize(const QString &name) const;

    // Releases every picture and gray copy.
    void clear();

    // Adds an already decoded picture under a name (converted, with its gray copy).
    void insert(const QString &name, const QImage &image);

    int size() const { return pictures_.size(); }

private:
    QMap<QString, QImage> pictures_;
    QMap<QString, QImage> grayPictures_;
};

} // namespace vignetta::preview
