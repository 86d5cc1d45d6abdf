#pragma once

#include <QString>

#include <optional>

namespace vignetta::services {

// What the display adapter query reports: the adapter's name and its driver version.
struct DisplayAdapter
{
    QString name;
    QString driverVersion;
};

// Adapters whose text rendering is known to be broken by the scene graph's distance-field text:
// the name holds "Intel(R)" and either holds "Express Chipset" or ends with "HD Graphics"
// (case-sensitive). The driver version plays no part.
bool isBlackListedAdapterName(const QString &name);

// Asks the system for the display adapter. On Linux the adapter is the one the OpenGL driver
// reports (renderer string as the name, version string as the driver version); nothing when no
// OpenGL context can be made.
std::optional<DisplayAdapter> queryDisplayAdapter();

// queryDisplayAdapter() followed by the name rule; false when the query fails.
bool isBlackListedDisplayDevice();

} // namespace vignetta::services
