#pragma once

#include <QString>

class QCoreApplication;

namespace vignetta {

// The application's identity. The application and organisation names also place the per-user
// settings store ($XDG_CONFIG_HOME/VignettaWorks/Vignetta.conf) and the per-user data folder
// ($XDG_DATA_HOME/VignettaWorks/Vignetta).
inline const QString applicationName = QStringLiteral("Vignetta");
inline const QString applicationVersion = QStringLiteral("1.0.0");
inline const QString organizationName = QStringLiteral("VignettaWorks");
inline const QString organizationDomain = QStringLiteral("vignettaworks.example");

// Gives the running application the identity above.
void applyApplicationIdentity();

} // namespace vignetta
