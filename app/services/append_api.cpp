#include "services/append_api.h"

#include "locale_selection.h"
#include "services/clipboard_wire.h"
#include "services/file_services.h"
#include "services/override_cursor.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QJSEngine>
#include <QPixmap>
#include <QQmlEngine>
#include <QSaveFile>
#include <QStandardPaths>

namespace vignetta::services {

AppendAPI::AppendAPI(QQmlEngine *engine, QJSEngine *scriptEngine, QQuickItem *parent)
    : QQuickItem(parent), engine_(engine), scriptEngine_(scriptEngine),
      mimePrefix_(clipboard::hostPrefix())
{
}

QString AppendAPI::locale() const
{
    return app::interfaceLocale(app::LocaleAliases::Standard);
}

QStringList AppendAPI::recursiveJsonList(const QString &path) const
{
    return files::recursiveJsonList(path);
}

QImage AppendAPI::imageFromVariant(const QVariant &value)
{
    if (value.userType() == QMetaType::QImage)
        return value.value<QImage>();
    if (value.userType() == QMetaType::QPixmap)
        return value.value<QPixmap>().toImage();
    if (value.canConvert<QImage>())
        return value.value<QImage>();
    return QImage();
}

bool AppendAPI::writeImageFile(const QUrl &url, const QVariant &image) const
{
    const QString path = files::localPath(url);
    if (path.isEmpty() || QFileInfo(path).isDir())
        return false;
    const QImage picture = imageFromVariant(image);
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (picture.isNull() || !QImageWriter::supportedImageFormats().contains(format))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, format);
    if (!writer.write(picture)) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

void AppendAPI::setClipboardDataForFC(const QString &format, const QString &data)
{
    clipboard::setSingleEntry(mimePrefix_ + format, data);
}

QString AppendAPI::standardDataLocation() const
{
    return QDir::toNativeSeparators(
        QStandardPaths::standardLocations(QStandardPaths::AppDataLocation).value(0));
}

void AppendAPI::setOpenHandCursor()
{
    pushOverrideCursor(Qt::OpenHandCursor);
}

void AppendAPI::setSizeHorCursor()
{
    pushOverrideCursor(Qt::SizeHorCursor);
}

} // namespace vignetta::services
