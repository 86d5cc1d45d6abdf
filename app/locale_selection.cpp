#include "locale_selection.h"

#include "common/file_read.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace vignetta::app {

QString catalogueNameFor(const QString &name, LocaleAliases aliases)
{
    struct Rule
    {
        const char *prefix;
        const char *catalogue;
    };
    static const Rule head[] = {{"zh_TW", "zh_TW"}, {"zh_CN", "zh_CN"}};
    static const Rule tail[] = {{"ko", "ko_KR"}, {"ar", "ar"},    {"fr", "fr_FR"}, {"de", "de_DE"},
                                {"es", "es_ES"}, {"it", "it_IT"}, {"pt", "pt_BR"}, {"ru", "ru_RU"}};
    for (const Rule &rule : head) {
        if (name.startsWith(QLatin1String(rule.prefix)))
            return QString::fromLatin1(rule.catalogue);
    }
    if (aliases == LocaleAliases::WithSingaporeAsCn && name.startsWith(QLatin1String("zh_SG")))
        return QStringLiteral("zh_CN");
    for (const Rule &rule : tail) {
        if (name.startsWith(QLatin1String(rule.prefix)))
            return QString::fromLatin1(rule.catalogue);
    }
    return QStringLiteral("en_US");
}

QString localeFileOverride(const QString &folder)
{
    if (folder.isEmpty())
        return QString();
    // A regular file only: a pipe named Locale would hold the start-up in open().
    const files::FileReadResult read = files::readRegularFile(
        QFile::encodeName(QDir(folder).filePath(QStringLiteral("Locale"))).toStdString(),
        files::maxSettingsFileBytes);
    if (!read)
        return QString();
    // The first line, as a text-mode read of at most 4095 bytes gives it: CR LF read as LF, and
    // the line feed stays part of the line ("f\n" is two characters and counts).
    QByteArray bytes = QByteArray::fromStdString(read.bytes.substr(0, 8192));
    bytes.replace("\r\n", "\n");
    const int feed = bytes.indexOf('\n');
    const QString line =
        QString::fromUtf8(bytes.left(qMin(feed < 0 ? bytes.size() : feed + 1, 4095)));
    return line.size() >= 2 ? line : QString();
}

QString selectInterfaceLocale(const QString &systemLocaleName, const QString &folder,
                              LocaleAliases aliases)
{
    const QString override = localeFileOverride(folder);
    return catalogueNameFor(override.isEmpty() ? systemLocaleName : override, aliases);
}

QString interfaceLocale(LocaleAliases aliases)
{
    const QString folder =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return selectInterfaceLocale(QLocale::system().name(), folder, aliases);
}

} // namespace vignetta::app
