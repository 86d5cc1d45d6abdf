#include "audio/sound_files.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace vignetta::audio {

QString localProjectFolder(const QString &folderUrl)
{
    if (folderUrl.isEmpty())
        return QString();
    const QUrl url(folderUrl, QUrl::TolerantMode);
    QString path;
    if (url.isLocalFile())
        path = url.toLocalFile();
    else if (url.scheme().isEmpty() && QDir::isAbsolutePath(folderUrl))
        path = folderUrl;
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(path);
}

bool soundNameAllowed(const QString &projectFolder, const QString &channel, const QString &name)
{
    if (name.isEmpty())
        return true;
    if (projectFolder.isEmpty() || channel.isEmpty())
        return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QChar(0)))
        return false;

    const QString folder = projectFolder + QStringLiteral("/audio/") + channel;
    const QFileInfo file(folder + QLatin1Char('/') + name + QStringLiteral(".ogg"));
    // A dangling link is refused too: where it points may appear later.
    if (!file.exists() && !file.isSymLink())
        return true;
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    const QString realFile = file.canonicalFilePath();
    if (realFolder.isEmpty() || realFile.isEmpty())
        return false;
    return QFileInfo(realFile).path() == realFolder;
}

} // namespace vignetta::audio
