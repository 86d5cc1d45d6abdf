#pragma once

#include <QIcon>
#include <QString>

namespace vignetta::app {

// The application's identity. The application and organisation names also place the per-user
// settings store ($XDG_CONFIG_HOME/VignettaWorks/Vignetta.conf) and the per-user data folder
// ($XDG_DATA_HOME/VignettaWorks/Vignetta).
inline const QString applicationName = QStringLiteral("Vignetta");
inline const QString applicationVersion = QStringLiteral("1.0.0");
inline const QString organizationName = QStringLiteral("VignettaWorks");
inline const QString organizationDomain = QStringLiteral("vignettaworks.example");

// The id of the desktop entry, the application icon and the metadata installed for desktops
// (the maker's domain reversed, then the application name).
inline const QString desktopId = QStringLiteral("example.vignettaworks.Vignetta");

// Gives the running application the identity above.
void applyApplicationIdentity();

// The application icon at each size it is drawn in (16 to 256 pixels), from the resources.
QIcon applicationIcon();

} // namespace vignetta::app
