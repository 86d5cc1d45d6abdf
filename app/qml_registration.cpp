#include "qml_registration.h"

#include <QtQml>

#include "preview/preview_body.h"
#include "preview/thumbnail.h"

namespace vignetta {

void registerQmlTypes()
{
    // Each subsystem adds its registrations here, in start-up order.

    // --- Preview: the painted items of module "Kivra.append" 1.0 ---
    qmlRegisterType<preview::PreviewBody>("Kivra.append", 1, 0, "PreviewBody");
    qmlRegisterType<preview::Thumbnail>("Kivra.append", 1, 0, "Thumbnail");
}

} // namespace vignetta
