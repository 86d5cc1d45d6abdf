#include "services/kivra_api.h"

#include "controls/dialog_placement.h"
#include "image_cache_registry.h"
#include "locale_selection.h"
#include "services/clipboard_wire.h"
#include "services/display_device.h"
#include "services/file_services.h"
#include "services/override_cursor.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodQueryEvent>
#include <QJSEngine>
#include <QJSValue>
#include <QMimeData>
#include <QProcess>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>

#include <cmath>

namespace vignetta::services {

namespace {

bool hasGuiApplication()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

bool hasWidgetsApplication()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
}

QRect primaryVirtualArea()
{
    QScreen *screen = hasGuiApplication() ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? screen->availableVirtualGeometry() : QRect();
}

QWindow *asWindow(QObject *object)
{
    return qobject_cast<QWindow *>(object);
}

// Where a file dialog starts: `dir` may be a plain path or a local-file URL.
QUrl dialogStart(const QString &dir)
{
    const QString path = files::localPathOfPathOrUrl(dir);
    return path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
}

} // namespace

KivraAPI::KivraAPI(QQmlEngine *engine, QJSEngine *scriptEngine, QQuickItem *parent)
    : QQuickItem(parent), engine_(engine), scriptEngine_(scriptEngine),
      mimePrefix_(clipboard::programPrefix())
{
}

// --- Application and process ------------------------------------------------------------------

QString KivraAPI::locale() const
{
    return app::interfaceLocale(app::LocaleAliases::WithSingaporeAsCn);
}

QString KivraAPI::copyright() const
{
    return QStringLiteral("Copyright (C) 2026 VignettaWorks. All rights reserved.");
}

void KivraAPI::collectGarbage()
{
    if (scriptEngine_)
        scriptEngine_->collectGarbage();
}

void KivraAPI::clearImageCache()
{
    app::clearImageCaches();
}

void KivraAPI::setWaitCursor()
{
    pushOverrideCursor(Qt::WaitCursor);
}

void KivraAPI::restoreCursor()
{
    popOverrideCursor();
}

QString KivraAPI::applicationDirPath() const
{
    return QCoreApplication::applicationDirPath();
}

QString KivraAPI::standardDocumentsLocation() const
{
    return QDir::toNativeSeparators(
        QStandardPaths::standardLocations(QStandardPaths::DocumentsLocation).value(0));
}

QString KivraAPI::standardAppsLocation() const
{
    return QDir::toNativeSeparators(qEnvironmentVariable("ProgramFiles"));
}

QString KivraAPI::standardHomeLocation() const
{
    return QDir::toNativeSeparators(
        QStandardPaths::standardLocations(QStandardPaths::HomeLocation).value(0));
}

QString KivraAPI::getTemporaryDir() const
{
    QTemporaryDir dir;
    return dir.isValid() ? dir.path() : QString();
}

void KivraAPI::launch(const QString &command)
{
    QStringList arguments = QProcess::splitCommand(command);
    if (arguments.isEmpty())
        return;
    const QString program = arguments.takeFirst();
    QProcess::startDetached(program, arguments);
}

// --- Files and folders ------------------------------------------------------------------------

QStringList KivraAPI::recursiveFileList(const QString &path) const
{
    return files::recursiveFileList(path);
}

QStringList KivraAPI::recursiveDirList(const QString &path) const
{
    return files::recursiveDirList(path);
}

QString KivraAPI::fileType(const QString &path) const
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() ? info.completeSuffix() : QString();
}

QString KivraAPI::fileName(const QString &path) const
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() ? info.fileName() : QString();
}

qint64 KivraAPI::fileSize(const QString &path) const
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isFile() ? info.size() : 0;
}

QString KivraAPI::directorySeparator() const
{
    return QString(QDir::separator());
}

QUrl KivraAPI::pathToFileName(const QString &path) const
{
    if (path.isEmpty())
        return QUrl();
    const QString normal = QDir::fromNativeSeparators(path);
    QUrl url;
    url.setPath(normal.mid(normal.lastIndexOf(QLatin1Char('/')) + 1));
    return url;
}

QUrl KivraAPI::pathToDirName(const QString &path) const
{
    const QString normal = QDir::fromNativeSeparators(path);
    const int slash = normal.lastIndexOf(QLatin1Char('/'));
    QString folder;
    if (slash < 0)
        folder = QStringLiteral(".");
    else if (slash == 0 || normal.at(slash - 1) == QLatin1Char('/'))
        folder = normal.left(slash + 1); // the root: "/" or "file:///"
    else
        folder = normal.left(slash);
    return QUrl(folder, QUrl::TolerantMode);
}

QUrl KivraAPI::pathToUrl(const QString &path) const
{
    return path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
}

QString KivraAPI::urlToPath(const QUrl &url) const
{
    return QDir::toNativeSeparators(files::localPath(url));
}

QString KivraAPI::urlToUnixPath(const QUrl &url) const
{
    return QDir::fromNativeSeparators(files::localPath(url));
}

bool KivraAPI::isDirectoryExists(const QUrl &url) const
{
    const QString path = files::localPath(url);
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool KivraAPI::isFileExists(const QUrl &url) const
{
    const QString path = files::localPath(url);
    return !path.isEmpty() && QFileInfo::exists(path);
}

bool KivraAPI::createDirectories(const QUrl &url) const
{
    const QString path = files::localPath(url);
    if (path.isEmpty())
        return false;
    QDir().mkpath(path);
    return QFileInfo(path).isDir();
}

QString KivraAPI::readResource(const QString &path) const
{
    // QML code tends to spell resources as URLs; "qrc:/x" is the resource ":/x".
    if (path.startsWith(QLatin1String("qrc:"), Qt::CaseInsensitive))
        return files::readText(QLatin1Char(':') + QUrl(path).path());
    return files::readText(path);
}

QString KivraAPI::readFile(const QUrl &url) const
{
    return files::readText(files::localPath(url));
}

bool KivraAPI::writeFile(const QUrl &url, const QString &data) const
{
    return files::writeFileReplacing(files::localPath(url), data.toUtf8());
}

bool KivraAPI::removeFile(const QUrl &url) const
{
    const QString path = files::localPath(url);
    const QFileInfo info(path);
    if (path.isEmpty() || (info.isDir() && !info.isSymLink()))
        return false;
    return QFile::remove(path);
}

bool KivraAPI::removeDir(const QString &path) const
{
    return files::removeDir(path);
}

bool KivraAPI::copyFile(const QString &from, const QString &to) const
{
    return files::copyFile(files::localPathOfPathOrUrl(from), files::localPathOfPathOrUrl(to));
}

QStringList KivraAPI::search(const QStringList &list, const QVariant &fileNames) const
{
    QVariant names = fileNames;
    if (names.userType() == qMetaTypeId<QJSValue>())
        names = names.value<QJSValue>().toVariant();
    return files::search(list, names.toStringList());
}

QString KivraAPI::getMD5Hash(const QString &key) const
{
    return QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Md5).toHex());
}

QString KivraAPI::getFileMD5Hash(const QString &path) const
{
    return files::fileMd5(path);
}

// --- Dialogs ----------------------------------------------------------------------------------

QList<QUrl> KivraAPI::getOpenFileUrls(const QString &caption, const QString &dir,
                                      const QString &filter) const
{
    if (!hasWidgetsApplication())
        return {};
    return QFileDialog::getOpenFileUrls(nullptr, caption, dialogStart(dir), filter);
}

QUrl KivraAPI::getOpenFileUrl(const QString &caption, const QString &dir,
                              const QString &filter) const
{
    if (!hasWidgetsApplication())
        return QUrl();
    return QFileDialog::getOpenFileUrl(nullptr, caption, dialogStart(dir), filter);
}

QUrl KivraAPI::getSaveFileUrl(const QString &caption, const QString &dir,
                              const QString &filter) const
{
    if (!hasWidgetsApplication())
        return QUrl();
    return QFileDialog::getSaveFileUrl(nullptr, caption, dialogStart(dir), filter);
}

// --- Clipboard --------------------------------------------------------------------------------

void KivraAPI::setClipboardData(const QString &format, const QString &data)
{
    clipboard::setSingleEntry(mimePrefix_ + format, data);
}

void KivraAPI::setClipboardText(const QString &text)
{
    if (hasGuiApplication())
        QGuiApplication::clipboard()->setText(text);
}

void KivraAPI::setClipboardRichText(const QString &text, const QString &richText)
{
    if (!hasGuiApplication())
        return;
    auto *mime = new QMimeData;
    mime->setText(text);
    mime->setHtml(richText);
    QGuiApplication::clipboard()->setMimeData(mime);
}

QString KivraAPI::getClipboardData(const QString &format) const
{
    return clipboard::data(mimePrefix_, format);
}

QString KivraAPI::getClipboardFormat() const
{
    return clipboard::currentFormat(mimePrefix_);
}

// --- Desktop and windows ----------------------------------------------------------------------

int KivraAPI::desktopX() const
{
    return primaryVirtualArea().x();
}

int KivraAPI::desktopY() const
{
    return primaryVirtualArea().y();
}

int KivraAPI::desktopWidth() const
{
    return primaryVirtualArea().width();
}

int KivraAPI::desktopHeight() const
{
    return primaryVirtualArea().height();
}

QRect KivraAPI::desktopAvailableGeometryWithWindow(QObject *window) const
{
    QWindow *w = asWindow(window);
    QScreen *screen = w ? w->screen() : nullptr;
    return screen ? screen->availableGeometry() : QRect(0, 0, 0, 0);
}

QRect KivraAPI::desktopAvailableGeometryWithItem(QObject *item) const
{
    auto *quickItem = qobject_cast<QQuickItem *>(item);
    return desktopAvailableGeometryWithWindow(quickItem ? quickItem->window() : nullptr);
}

QRect KivraAPI::desktopAvailableGeometryAtCursor() const
{
    return desktopAvailableGeometryAtPoint(QCursor::pos());
}

QRect KivraAPI::desktopAvailableGeometryAtPoint(const QPointF &pos) const
{
    if (!hasGuiApplication())
        return QRect();
    return controls::availableGeometryAt(pos.toPoint());
}

void KivraAPI::setWindowRepresentedFilename(QObject *window, const QString &filename)
{
    if (QWindow *w = asWindow(window))
        w->setFilePath(filename);
}

bool KivraAPI::isCursorInWindow(QObject *window) const
{
    QWindow *w = asWindow(window);
    return w && w->geometry().contains(QCursor::pos());
}

bool KivraAPI::isBlackListedDisplayDevice() const
{
    return vignetta::services::isBlackListedDisplayDevice();
}

QColor KivraAPI::alphaizeColor(const QColor &color, double ratio) const
{
    const double alpha = color.alpha() * ratio;
    if (!color.isValid() || !std::isfinite(alpha) || alpha < 0.0 || alpha > 255.0)
        return QColor();
    QColor result = color;
    result.setAlpha(int(alpha)); // truncated toward zero
    return result;
}

// On Windows a context menu opened from a text field can leave the field's window without its
// input-method context. Qt on Linux keeps the association itself; what can go stale is the input
// method's view of the focus object, so the stand-in remembers the first window that had an
// input-method-enabled focus object and, after the menu, tells the input method to query the
// focus object afresh.
void KivraAPI::winCaptureIMEContext()
{
    if (!hasGuiApplication())
        return;
    QWindow *focus = QGuiApplication::focusWindow();
    if (!focus || savedImeWindow_)
        return;
    QObject *focusObject = QGuiApplication::focusObject();
    if (!focusObject)
        return;
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(focusObject, &query);
    if (query.value(Qt::ImEnabled).toBool())
        savedImeWindow_ = focus;
}

void KivraAPI::winRestoreIMEContext()
{
    if (!hasGuiApplication() || !savedImeWindow_ || !QGuiApplication::focusWindow())
        return;
    QGuiApplication::inputMethod()->update(Qt::ImQueryAll);
}

void KivraAPI::macSetWindowStyle(QObject *window, bool isDarkMode)
{
    // Only macOS restyles the window frame; elsewhere the frame follows the desktop.
    Q_UNUSED(window)
    Q_UNUSED(isDarkMode)
}

int KivraAPI::isAllowUpload() const
{
    return 0;
}

bool KivraAPI::fcToolsEnabled() const
{
    return false;
}

} // namespace vignetta::services
