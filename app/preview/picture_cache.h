#pragma once

#include <QHash>
#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>

namespace vignetta::preview {

// The pictures a preview draws from, by name (as given, without folder or extension), each kept
// in premultiplied ARGB32 together with its gray copy for the tone pass. A name is loaded or
// not; a loaded name is not read again until clear().
//
// Pictures are kept per file, by the file's real path: names that reach one file ("a",
// "sub/../a", a link to it) share one picture. Pictures and gray copies take at most maxBytes()
// in all; when a new picture needs room, the least recently drawn are released, with a log line
// naming them, and read again when next asked for. A picture that cannot fit even alone is left
// out (not loaded), also with a log line.
class PictureCache
{
public:
    static constexpr qint64 defaultMaxBytes = qint64(1) << 30;

    QString pictureFolder = QStringLiteral("img/pictures");
    QString pictureExtension = QStringLiteral("png");
    // URL of the project folder, ending in "/".
    QString projectUrl;

    // Makes sure the picture is loaded: true when it is (already, or now), false when its file
    // could not be read, the project URL is not a local folder, the name would lead outside the
    // picture folder (symbolic links included), or the picture does not fit in maxBytes().
    bool load(const QString &name);

    // Where a picture name leads: the real path of its file, or an empty string when the project
    // URL is not a local folder, the name leads outside the picture folder or nothing is there.
    // `outside`, when given, tells the two failures apart.
    QString pictureFilePath(const QString &name, bool *outside = nullptr) const;

    // The picture and its gray copy of a loaded name (a released one is read again), or nullptr
    // when the name is not loaded.
    const QImage *picture(const QString &name);
    const QImage *grayPicture(const QString &name);

    // A copy of the loaded picture (null when not loaded) and its size (0 x 0 when not loaded).
    QImage pictureCopy(const QString &name);
    QSize pictureSize(const QString &name);

    // Releases every picture and gray copy and forgets every name.
    void clear();

    // Loads an already decoded picture under a name (converted, with its gray copy); false when
    // it does not fit.
    bool insert(const QString &name, const QImage &image);

    // Loaded names.
    int size() const { return names_.size(); }
    // Pictures held in memory now and the bytes they take with their gray copies.
    int pictureCount() const { return files_.size(); }
    qint64 bytes() const { return bytes_; }
    qint64 maxBytes() const { return maxBytes_; }
    void setMaxBytes(qint64 bytes);

private:
    struct Entry
    {
        QImage picture;
        QImage gray;
        qint64 bytes = 0;
        quint64 lastUse = 0;
    };

    // The entry of a loaded name, reading its file again when it was released.
    Entry *entryOf(const QString &name);
    // Reads the file of `key` (a real path) and keeps it; false when unreadable or too large.
    bool keepFile(const QString &key, const QString &name);
    bool keep(const QString &key, const QString &name, const QImage &image);
    void releaseOldest(qint64 needed, const QString &spare);

    QHash<QString, QString> names_; // loaded name -> key of its file
    QHash<QString, Entry> files_;   // key -> pictures held in memory
    qint64 bytes_ = 0;
    qint64 maxBytes_ = defaultMaxBytes;
    quint64 clock_ = 0;
};

} // namespace vignetta::preview
