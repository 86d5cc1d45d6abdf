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
    return QStringLiteral("application/") + applicationName.toLower() + QLatin1Char('-');
}

QString hostPrefix()
{
    return QStringLiteral("application/fable-");
}

void setSingleEntry(const QString &mimeType, const QString &data)
{
    QClipboard *clipboard = systemClipboard();
    if (!clipboard)
        return;
    auto *mime = new QMimeData;
    mime->setData(mimeType, data.toUtf8());
    clipboard->setMimeData(mime); // the clipboard takes ownership
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
    return mime ? QString::fromUtf8(mime->data(prefix + format)) : QString();
}

} // namespace vignetta::clipboard
