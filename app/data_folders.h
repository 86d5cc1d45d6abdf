#pragma once

#include <QString>

namespace vignetta::app {

// Where the program's shipped data folders ("Help", "Presets") are. A build tree keeps them
// beside the executable; an installation keeps them in its data folder, <prefix>/share/vignetta,
// which is found relative to the executable (<prefix>/bin) so that a moved installation still
// finds them. The first of the two that exists is the answer; when neither does, the folder
// beside the executable (so a caller's "missing" message names the usual place).
QString applicationDataFolder(const QString &name);

// The same lookup for an executable living in `applicationDir`.
QString applicationDataFolder(const QString &name, const QString &applicationDir);

} // namespace vignetta::app
