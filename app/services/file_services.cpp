#include "services/file_services.h"

#include "common/file_read.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vignetta::files {

namespace {

const QDir::Filters visibleEntries = QDir::AllEntries | QDir::NoDotAndDotDot;

QFileInfoList entriesByName(const QString &folder, QDir::Filters filters = visibleEntries)
{
    return QDir(folder).entryInfoList(filters, QDir::Name | QDir::IgnoreCase);
}

// Folder walks keep the canonical paths of the folders they are inside, so that a symbolic link
// pointing back up the tree ends the descent instead of repeating it until the path overflows.
class WalkChain
{
public:
    bool enter(const QString &folder)
    {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || chain_.contains(canonical))
            return false;
        chain_.append(canonical);
        return true;
    }
    void leave() { chain_.removeLast(); }

private:
    QStringList chain_;
};

void collectFiles(const QString &folder, const QString &prefix, bool jsonOnly, WalkChain &chain,
                  QStringList &out)
{
    if (!chain.enter(folder))
        return;
    for (const QFileInfo &entry : entriesByName(folder)) {
        const QString relative = prefix + entry.fileName();
        if (entry.isDir())
            collectFiles(entry.filePath(), relative + QLatin1Char('/'), jsonOnly, chain, out);
        else if (!jsonOnly || entry.suffix() == QLatin1String("json"))
            out.append(relative);
    }
    chain.leave();
}

void collectDirs(const QString &folder, const QString &base, QStringList &out)
{
    const auto filters = QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks;
    for (const QFileInfo &entry : entriesByName(folder, filters)) {
        const QString path = base + QLatin1Char('/') + entry.fileName();
        out.append(path);
        collectDirs(entry.filePath(), path, out);
    }
}

bool isExistingFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

// `path` with "/" separators and without a trailing "/" (except for the root itself).
QString joinBase(const QString &path)
{
    QString base = QDir::fromNativeSeparators(path);
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

} // namespace

QString localPath(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

QString localPathOfPathOrUrl(const QString &pathOrUrl)
{
    if (pathOrUrl.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return localPath(QUrl(pathOrUrl));
    const QUrl url(pathOrUrl);
    if (url.isValid() && url.scheme().size() > 1) // a "C:/..." drive letter is no scheme
        return QString();
    return pathOrUrl;
}

QStringList recursiveFileList(const QString &path)
{
    QStringList out;
    if (isExistingFolder(path)) {
        WalkChain chain;
        collectFiles(path, QString(), false, chain, out);
    }
    return out;
}

QStringList recursiveJsonList(const QString &path)
{
    QStringList out;
    if (isExistingFolder(path)) {
        WalkChain chain;
        collectFiles(path, joinBase(path) + QLatin1Char('/'), true, chain, out);
    }
    return out;
}

QStringList recursiveDirList(const QString &path)
{
    QStringList out;
    if (isExistingFolder(path))
        collectDirs(path, joinBase(path), out);
    return out;
}

QStringList search(const QStringList &folders, const QStringList &fileNames)
{
    QStringList out;
    auto appendMatches = [&](const QString &entryPath, const QString &name) {
        for (const QString &wanted : fileNames) {
            if (name == wanted)
                out.append(entryPath);
        }
    };
    for (const QString &folder : folders) {
        if (!isExistingFolder(folder))
            continue;
        for (const QFileInfo &entry : entriesByName(folder)) {
            const QString entryPath = folder + QLatin1Char('/') + entry.fileName();
            if (entry.isDir()) {
                for (const QFileInfo &inner : entriesByName(entry.filePath()))
                    appendMatches(entryPath + QLatin1Char('/') + inner.fileName(),
                                  inner.fileName());
            }
            appendMatches(entryPath, entry.fileName());
        }
    }
    return out;
}

bool removeDir(const QString &path)
{
    if (path.isEmpty())
        return true; // names no folder; never fall back to the working directory
    const QFileInfo info(path);
    if (info.isSymLink())
        return QFile::remove(path); // the link goes, what it points to stays
    if (!info.isDir())
        return true;
    const auto filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QFileInfo &entry : QDir(path).entryInfoList(filters, QDir::DirsFirst | QDir::Name)) {
        const bool removed = entry.isDir() && !entry.isSymLink() ? removeDir(entry.filePath())
                                                                 : QFile::remove(entry.filePath());
        if (!removed)
            return false;
    }
    return QDir().rmdir(path);
}

QString readText(const QString &path)
{
    if (path.isEmpty())
        return QString();
    if (path.startsWith(QLatin1Char(':'))) { // a resource, part of the program
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.size() > maxTextFileBytes)
            return QString();
        return QString::fromUtf8(file.readAll());
    }
    // Only regular files are read: opening a named pipe would block until some other process
    // writes to it, and a device may never end.
    const FileReadResult read =
        readRegularFile(QFile::encodeName(path).toStdString(), std::uintmax_t(maxTextFileBytes));
    if (!read)
        return QString();
    return QString::fromUtf8(read.bytes.data(), int(read.bytes.size()));
}

bool writeFileReplacing(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

bool copyFile(const QString &from, const QString &to)
{
    if (from.isEmpty() || to.isEmpty() || !QFileInfo(from).isFile() || QFileInfo::exists(to))
        return false;
    return QFile::copy(from, to);
}

QString fileMd5(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile()) // no pipes or devices, as in readText()
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Md5);
    QByteArray chunk(8192, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(chunk.data(), chunk.size());
        if (n < 0)
            return QString();
        if (n == 0)
            break;
        hash.addData(chunk.constData(), int(n));
    }
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace vignetta::files
