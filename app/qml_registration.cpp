#include "qml_registration.h"

#include "frame/heavy_process_timer.h"
#include "frame/main_frame.h"

#include <QQmlEngine>

namespace vignetta {

void registerQmlTypes()
{
    // Each subsystem adds its registrations here, in start-up order.

    // --- Main window frame: deferred heavy operations, zoom steps, placement, import check --
    qmlRegisterType<app::HeavyProcessTimer>("Vignetta.Frame", 1, 0, "HeavyProcessTimer");
    qmlRegisterSingletonType<app::MainFrame>(
        "Vignetta.Frame", 1, 0, "MainFrame",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new app::MainFrame; });
}

} // namespace vignetta
