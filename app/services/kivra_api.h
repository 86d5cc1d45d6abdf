#pragma once

#include <QColor>
#include <QPointer>
#include <QQuickItem>
#include <QRect>
#include <QStringList>
#include <QUrl>
#include <QVariant>

class QJSEngine;
class QQmlEngine;
class QWindow;

namespace vignetta::services {

// The native services the QML code reaches files, dialogs, the program's clipboard formats,
// screens, cursors and the input method through (QML singleton "KivraAPI" of "Kivra.fab" 1.0).
// No operation throws: each failure gives its neutral result ("", false, 0, an empty URL or list).
// "Path" parameters are plain local paths; "URL" parameters are local-file URLs (any other URL
// names no file and fails).
class KivraAPI : public QQuickItem
{
    Q_OBJECT
public:
    explicit KivraAPI(QQmlEngine *engine = nullptr, QJSEngine *scriptEngine = nullptr,
                      QQuickItem *parent = nullptr);

    // Application and process
    Q_INVOKABLE QString locale() const;
    Q_INVOKABLE QString copyright() const;
    Q_INVOKABLE void collectGarbage();
    Q_INVOKABLE void clearImageCache();
    Q_INVOKABLE void setWaitCursor();
    // Pops one override cursor (also those AppendAPI pushes); nothing when none is pushed.
    Q_INVOKABLE void restoreCursor();
    Q_INVOKABLE QString applicationDirPath() const;
    Q_INVOKABLE QString standardDocumentsLocation() const;
    Q_INVOKABLE QString standardAppsLocation() const;
    Q_INVOKABLE QString standardHomeLocation() const;
    // A fresh unique name for a temporary folder; the folder itself is removed again at once.
    Q_INVOKABLE QString getTemporaryDir() const;
    Q_INVOKABLE void launch(const QString &command);

    // Files and folders
    Q_INVOKABLE QStringList recursiveFileList(const QString &path) const;
    Q_INVOKABLE QStringList recursiveDirList(const QString &path) const;
    Q_INVOKABLE QString fileType(const QString &path) const;
    Q_INVOKABLE QString fileName(const QString &path) const;
    Q_INVOKABLE qint64 fileSize(const QString &path) const;
    Q_INVOKABLE QString directorySeparator() const;
    Q_INVOKABLE QUrl pathToFileName(const QString &path) const;
    Q_INVOKABLE QUrl pathToDirName(const QString &path) const;
    Q_INVOKABLE QUrl pathToUrl(const QString &path) const;
    Q_INVOKABLE QString urlToPath(const QUrl &url) const;
    Q_INVOKABLE QString urlToUnixPath(const QUrl &url) const;
    Q_INVOKABLE bool isDirectoryExists(const QUrl &url) const;
    Q_INVOKABLE bool isFileExists(const QUrl &url) const;
    Q_INVOKABLE bool createDirectories(const QUrl &url) const;
    Q_INVOKABLE QString readResource(const QString &path) const;
    Q_INVOKABLE QString readFile(const QUrl &url) const;
    // Replaces the file through a temporary file beside it: false when it cannot be written, and
    // then the earlier file is unchanged.
    Q_INVOKABLE bool writeFile(const QUrl &url, const QString &data) const;
    Q_INVOKABLE bool removeFile(const QUrl &url) const;
    Q_INVOKABLE bool removeDir(const QString &path) const;
    // `from` and `to` may be local-file URLs or plain paths.
    Q_INVOKABLE bool copyFile(const QString &from, const QString &to) const;
    Q_INVOKABLE QStringList search(const QStringList &list, const QVariant &fileNames) const;
    Q_INVOKABLE QString getMD5Hash(const QString &key) const;
    Q_INVOKABLE QString getFileMD5Hash(const QString &path) const;

    // Dialogs (modal, no parent window)
    Q_INVOKABLE QList<QUrl> getOpenFileUrls(const QString &caption, const QString &dir,
                                            const QString &filter) const;
    Q_INVOKABLE QUrl getOpenFileUrl(const QString &caption, const QString &dir,
                                    const QString &filter) const;
    Q_INVOKABLE QUrl getSaveFileUrl(const QString &caption, const QString &dir,
                                    const QString &filter) const;

    // Clipboard: the program's own formats, "application/vignetta-" + format
    Q_INVOKABLE void setClipboardData(const QString &format, const QString &data);
    Q_INVOKABLE void setClipboardText(const QString &text);
    Q_INVOKABLE void setClipboardRichText(const QString &text, const QString &richText);
    Q_INVOKABLE QString getClipboardData(const QString &format) const;
    Q_INVOKABLE QString getClipboardFormat() const;

    // Desktop and windows
    Q_INVOKABLE int desktopX() const;
    Q_INVOKABLE int desktopY() const;
    Q_INVOKABLE int desktopWidth() const;
    Q_INVOKABLE int desktopHeight() const;
    Q_INVOKABLE QRect desktopAvailableGeometryWithWindow(QObject *window) const;
    Q_INVOKABLE QRect desktopAvailableGeometryWithItem(QObject *item) const;
    Q_INVOKABLE QRect desktopAvailableGeometryAtCursor() const;
    Q_INVOKABLE QRect desktopAvailableGeometryAtPoint(const QPointF &pos) const;
    Q_INVOKABLE void setWindowRepresentedFilename(QObject *window, const QString &filename);
    Q_INVOKABLE bool isCursorInWindow(QObject *window) const;
    Q_INVOKABLE bool isBlackListedDisplayDevice() const;
    Q_INVOKABLE QColor alphaizeColor(const QColor &color, double ratio) const;
    Q_INVOKABLE void winCaptureIMEContext();
    Q_INVOKABLE void winRestoreIMEContext();
    Q_INVOKABLE void macSetWindowStyle(QObject *window, bool isDarkMode);
    Q_INVOKABLE int isAllowUpload() const;
    Q_INVOKABLE bool fcToolsEnabled() const;

    // "application/vignetta-": the prefix of the program's own clipboard formats.
    QString mimePrefix() const { return mimePrefix_; }

private:
    QPointer<QQmlEngine> engine_;
    QPointer<QJSEngine> scriptEngine_;
    QString mimePrefix_;
    // Linux stand-in for the saved input-method context: the first window found with an
    // input-method-enabled focus object when a context menu opened.
    QPointer<QWindow> savedImeWindow_;
};

} // namespace vignetta::services
