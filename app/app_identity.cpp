#include "app_identity.h"

#include <QCoreApplication>

namespace vignetta {

void applyApplicationIdentity()
{
    QCoreApplication::setApplicationName(applicationName);
    QCoreApplication::setApplicationVersion(applicationVersion);
    QCoreApplication::setOrganizationName(organizationName);
    QCoreApplication::setOrganizationDomain(organizationDomain);
}

} // namespace vignetta
