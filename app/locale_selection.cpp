#include "locale_selection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

namespace vignetta {

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
    QFile file(QDir(folder).filePath(QStringLiteral("Locale")));
    if (folder.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    // The line feed stays part of the line: "f\n" is two characters and counts.
    const QString line = QString::fromUtf8(file.readLine(4096));
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

} // namespace vignetta
