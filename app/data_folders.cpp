#include "data_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef VIGNETTA_DATA_FROM_BIN
#define VIGNETTA_DATA_FROM_BIN "../share/vignetta"
#endif

namespace vignetta::app {

QString applicationDataFolder(const QString &name, const QString &applicationDir)
{
    const QDir bin(applicationDir);
    const QString beside = QDir::cleanPath(bin.filePath(name));
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed =
        QDir::cleanPath(bin.filePath(QStringLiteral(VIGNETTA_DATA_FROM_BIN "/") + name));
    if (QFileInfo(installed).isDir())
        return installed;
    return beside;
}

QString applicationDataFolder(const QString &name)
{
    return applicationDataFolder(name, QCoreApplication::applicationDirPath());
}

} // namespace vignetta::app
