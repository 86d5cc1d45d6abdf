#include "preview/project_asset.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace vignetta::preview {

QString projectAssetFile(const QString &projectUrl, const QString &folder, const QString &name,
                         const QString &extension)
{
    if (name.isEmpty() || name.contains(QChar(0)))
        return QString();
    const QString projectFolder = QUrl(projectUrl, QUrl::TolerantMode).toLocalFile();
    if (projectFolder.isEmpty())
        return QString();
    const QString base = QDir::cleanPath(projectFolder + QLatin1Char('/') + folder);
    const QString path =
        QDir::cleanPath(base + QLatin1Char('/') + name + QLatin1Char('.') + extension);
    if (!path.startsWith(base + QLatin1Char('/')))
        return QString();

    // The same test once links are resolved: a link may not lead out of the folder either.
    const QFileInfo file(path);
    const QString realBase = QFileInfo(base).canonicalFilePath();
    const QString realPath = file.canonicalFilePath();
    if (realBase.isEmpty() || realPath.isEmpty() ||
        !realPath.startsWith(realBase + QLatin1Char('/')))
        return QString();
    // Only regular files: a pipe or device would block or never end.
    const QFileInfo real(realPath);
    if (!real.isFile() || real.size() > maxAssetFileBytes)
        return QString();
    return realPath;
}

} // namespace vignetta::preview
