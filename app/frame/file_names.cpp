#include "frame/file_names.h"

#include "data_folders.h"

#include "project/project_url.h"

#include <QUrl>

namespace vignetta::app {

FileNames::FileNames(QObject *parent) : QObject(parent) {}

QString FileNames::projectFolderUrl(const QString &fileUrl) const
{
    return QString::fromStdString(project::projectFolderUrl(fileUrl.toStdString()));
}

QString FileNames::urlFileName(const QString &url) const
{
    return QString::fromStdString(project::urlFileName(url.toStdString()));
}

QString FileNames::applicationDataFolder(const QString &name) const
{
    return app::applicationDataFolder(name);
}

QString FileNames::displayPath(const QString &url) const
{
    const QUrl parsed(url);
    const QString text = parsed.isLocalFile() ? parsed.toLocalFile() : url;
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool bidiControl = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        if (c.category() == QChar::Other_Control || bidiControl)
            shown += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

} // namespace vignetta::app
