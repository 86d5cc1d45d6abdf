#include "qml_registration.h"

namespace vignetta {

void registerQmlTypes()
{
    // Each subsystem adds its registrations here, in start-up order.
}

} // namespace vignetta
