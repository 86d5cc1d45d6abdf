#include "qml_registration.h"

#include "controls/dialog_placement.h"
#include "project/data_manager.h"

#include <QQmlEngine>

namespace vignetta {

void registerQmlTypes()
{
    // Each subsystem adds its registrations here, in start-up order.

    // --- Project data and dialog placement ----------------------------------------------------
    // DataManager: the open project's folder, title, database and plugin list.
    qmlRegisterSingletonType<DataManager>("Vignetta.Project", 1, 0, "DataManager",
        [](QQmlEngine *engine, QJSEngine *) -> QObject * { return new DataManager(engine); });
    // DialogPlacement: the screen area and position of modal windows (ModalWindow.qml).
    qmlRegisterSingletonType<DialogPlacement>("Vignetta.Controls", 1, 0, "DialogPlacement",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new DialogPlacement; });
    // --- end of project data and dialog placement ---------------------------------------------
}

} // namespace vignetta
