#include "qml_registration.h"

#include "controls/checker_board_item.h"
#include "controls/dialog_placement.h"
#include "project/data_manager.h"

#include <QQmlEngine>

namespace vignetta {

void registerQmlTypes()
{
    // Each subsystem adds its registrations here, in start-up order.

    // --- UI foundation and project data -----------------------------------------------------
    // DataManager: the open project's folder, title, database and plugin list.
    qmlRegisterSingletonType<DataManager>(
        "Vignetta.Project", 1, 0, "DataManager",
        [](QQmlEngine *engine, QJSEngine *) -> QObject * { return new DataManager(engine); });
    // DialogPlacement: the screen area and position of modal windows (ModalWindow.qml).
    qmlRegisterSingletonType<DialogPlacement>(
        "Vignetta.Controls", 1, 0, "DialogPlacement",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new DialogPlacement; });
    // CheckerBoardPainter: the checkerboard behind transparent images (CheckerBoard2.qml).
    qmlRegisterType<CheckerBoardItem>("Vignetta.Controls", 1, 0, "CheckerBoardPainter");
    // --- end of UI foundation and project data ------------------------------------------------
}

} // namespace vignetta
