#include "services/clipboard_wire.h"

#include "app_identity.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vignetta::clipboard {

namespace {

QClipboard *systemClipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
               ? QGuiApplication::clipboard()
               : nullptr;
}

} // namespace

QString programPrefix()
{
    return QStringLiteral("application/") + app::applicationName.toLower() + QLatin1Char('-');
}

QString hostPrefix()
{
    return QStringLiteral("application/fable-");
}

bool setSingleEntry(const QString &mimeType, const QString &data)
{
    QClipboard *clipboard = systemClipboard();
    if (!clipboard)
        return false;
    QByteArray bytes = data.toUtf8();
    if (bytes.size() > maxEntryBytes) {
        qWarning("The clipboard takes at most %d MB; %d MB of %s were not copied",
                 maxEntryBytes >> 20, (bytes.size() + (1 << 20) - 1) >> 20,
                 qUtf8Printable(mimeType));
        return false;
    }
    auto *mime = new QMimeData;
    mime->setData(mimeType, bytes);
    clipboard->setMimeData(mime); // the clipboard takes ownership
    return true;
}

QString firstDataFormat(const QStringList &formats)
{
    static const QStringList bookkeeping = {QStringLiteral("TARGETS"), QStringLiteral("MULTIPLE"),
                                            QStringLiteral("TIMESTAMP"),
                                            QStringLiteral("SAVE_TARGETS")};
    for (const QString &format : formats) {
        if (!bookkeeping.contains(format))
            return format;
    }
    return QString();
}

QString currentFormat(const QString &prefix)
{
    QClipboard *clipboard = systemClipboard();
    const QMimeData *mime = clipboard ? clipboard->mimeData() : nullptr;
    if (!mime)
        return QString();
    const QString first = firstDataFormat(mime->formats());
    return first.startsWith(prefix) ? first.mid(prefix.size()) : QString();
}

QString data(const QString &prefix, const QString &format)
{
    if (currentFormat(prefix) != format)
        return QString();
    const QMimeData *mime = systemClipboard()->mimeData();
    if (!mime)
        return QString();
    const QByteArray bytes = mime->data(prefix + format);
    return bytes.size() <= maxEntryBytes ? QString::fromUtf8(bytes) : QString();
}

} // namespace vignetta::clipboard
