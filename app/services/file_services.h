#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>

// File and folder operations behind the native services. None of them throws; each failure has a
// neutral result (an empty string or list, false).
namespace vignetta::files {

// Text files larger than this are not read into memory; reading them gives "".
constexpr qint64 maxTextFileBytes = qint64(256) * 1024 * 1024;

// The local path of a local-file URL; "" for any other URL.
QString localPath(const QUrl &url);

// Accepts a local-file URL string ("file:///...") or a plain path; other URLs give "".
QString localPathOfPathOrUrl(const QString &pathOrUrl);

// Files and folders below `path` as relative paths joined with "/"; folder entries by name ignoring
// case, hidden and system entries skipped; a folder contributes its contents in its place.
QStringList recursiveFileList(const QString &path);

// Every folder below `path` as `path` + "/" + relative path; symbolic links and hidden folders are
// skipped.
QStringList recursiveDirList(const QString &path);

// Every file below `path`, at any depth, whose suffix after the last dot is exactly "json", as
// `path` + "/" + relative path.
QStringList recursiveJsonList(const QString &path);

// Entries named like one of `fileNames` in each folder of `folders` and one level below it.
QStringList search(const QStringList &folders, const QStringList &fileNames);

// Deletes `path` with everything in it, depth first. True when `path` is no folder; false at the
// first entry that cannot be deleted. Symbolic links are deleted, never followed.
bool removeDir(const QString &path);

// The whole file (a plain path or a resource path ":/...") decoded as UTF-8; "" when it cannot be
// opened or is larger than maxTextFileBytes.
QString readText(const QString &path);

// Replaces the file at `path` with `bytes`: writes a temporary file beside it and renames it over
// the old one, so a failure leaves the earlier file (or no file) behind. False on any failure.
bool writeFileReplacing(const QString &path, const QByteArray &bytes);

// Copies `from` to `to`; false when `to` exists, `from` is missing or on any error (a partial
// copy is removed).
bool copyFile(const QString &from, const QString &to);

// MD5 of a file's bytes as 32 lower-case hex digits, read in 8192-byte chunks; "" on failure.
QString fileMd5(const QString &path);

} // namespace vignetta::files
