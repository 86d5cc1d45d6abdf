#pragma once

#include <QString>

namespace vignetta::app {

// How the interface language is chosen. The result names a catalogue under ":/translations/"
// ("de_DE", "zh_CN", ...) or is "en_US", for which no catalogue exists.
enum class LocaleAliases {
    Standard,          // start-up and AppendAPI.locale()
    WithSingaporeAsCn, // KivraAPI.locale(): a name starting with "zh_SG" also gives "zh_CN"
};

// Maps a locale name by its prefix (case-sensitive, first match wins).
QString catalogueNameFor(const QString &localeName,
                         LocaleAliases aliases = LocaleAliases::Standard);

// The first line of the file "Locale" in `folder`, line feed included, when it exists, can be
// read and has at least two characters; otherwise an empty string.
QString localeFileOverride(const QString &folder);

// The whole rule: the system locale name, replaced by the "Locale" file in `folder` if that
// gives one, then mapped by catalogueNameFor().
QString selectInterfaceLocale(const QString &systemLocaleName, const QString &folder,
                              LocaleAliases aliases = LocaleAliases::Standard);

// selectInterfaceLocale() for the running program: the system locale and the application folder.
QString interfaceLocale(LocaleAliases aliases = LocaleAliases::Standard);

} // namespace vignetta::app
