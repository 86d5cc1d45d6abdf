#include "qml_registration.h"

#include "image_cache_registry.h"
#include "preview/image_loader.h"
#include "preview/preview_body.h"
#include "preview/thumbnail.h"
#include "services/append_api.h"
#include "services/kivra_api.h"
#include "services/tutorial_manager.h"

#include <QQmlEngine>

namespace vignetta {

void registerQmlTypes()
{
    // Each subsystem adds its registrations here, in start-up order.

    // --- Native services: module "Kivra.fab" 1.0 -----------------------------------------------
    qmlRegisterSingletonType<KivraAPI>(
        "Kivra.fab", 1, 0, "KivraAPI",
        [](QQmlEngine *engine, QJSEngine *scriptEngine) -> QObject * {
            return new KivraAPI(engine, scriptEngine);
        });
    qmlRegisterSingletonType<TutorialManager>(
        "Kivra.fab", 1, 0, "TutorialManager",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new TutorialManager; });

    // --- Append services: module "Kivra.append" 1.0 --------------------------------------------
    qmlRegisterSingletonType<AppendAPI>(
        "Kivra.append", 1, 0, "AppendAPI",
        [](QQmlEngine *engine, QJSEngine *scriptEngine) -> QObject * {
            return new AppendAPI(engine, scriptEngine);
        });

    // --- Preview: painted items of "Kivra.append" 1.0 ------------------------------------------
    qmlRegisterType<preview::PreviewBody>("Kivra.append", 1, 0, "PreviewBody");
    qmlRegisterType<preview::Thumbnail>("Kivra.append", 1, 0, "Thumbnail");
    // KivraAPI.clearImageCache() empties the picture loader's decoded images.
    setImageCacheClearer(QStringLiteral("preview.imageLoader"),
                         [] { preview::ImageLoader::instance().clearImages(); });
}

} // namespace vignetta
