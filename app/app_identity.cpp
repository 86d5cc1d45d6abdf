#include "app_identity.h"

#include <QGuiApplication>

namespace vignetta::app {

void applyApplicationIdentity()
{
    QCoreApplication::setApplicationName(applicationName);
    QCoreApplication::setApplicationVersion(applicationVersion);
    QCoreApplication::setOrganizationName(organizationName);
    QCoreApplication::setOrganizationDomain(organizationDomain);
    // Lets a desktop match the program's windows to its desktop entry.
    QGuiApplication::setDesktopFileName(desktopId);
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(desktopId),
                     QSize(size, size));
    }
    return icon;
}

} // namespace vignetta::app
