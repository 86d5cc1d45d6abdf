#include "qml_registration.h"

#include <QQmlEngine>
#include <QtQml>

#include "bridge/block_list_model.h"
#include "bridge/constants.h"
#include "bridge/lane_list_model.h"
#include "bridge/timeline_data_manager.h"

namespace vignetta {

void registerQmlTypes()
{
    // Each subsystem adds its registrations here, in start-up order.

    // --- Scene document: "Vignetta.Scene" 1.0 -------------------------------------------------
    // Imported by the views as `import Vignetta.Scene 1.0 as Vig`.
    {
        const char *uri = "Vignetta.Scene";
        qmlRegisterSingletonType<bridge::TimelineDataManager>(
            uri, 1, 0, "TimelineDataManager",
            [](QQmlEngine *, QJSEngine *) -> QObject * { return new bridge::TimelineDataManager; });
        qmlRegisterSingletonType<bridge::Constants>(
            uri, 1, 0, "Constants",
            [](QQmlEngine *, QJSEngine *) -> QObject * { return new bridge::Constants; });
        qmlRegisterUncreatableType<bridge::LaneListModel>(
            uri, 1, 0, "LaneListModel", QStringLiteral("Read TimelineDataManager.lanes"));
        qmlRegisterUncreatableType<bridge::BlockListModel>(
            uri, 1, 0, "BlockListModel",
            QStringLiteral("Read TimelineDataManager.markers or a lane's blocks"));
    }
}

} // namespace vignetta
