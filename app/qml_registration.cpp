#include "qml_registration.h"

#include <QQmlEngine>
#include <QtQml>

#include "audio/audio_player.h"
#include "bridge/block_list_model.h"
#include "bridge/constants.h"
#include "bridge/lane_list_model.h"
#include "bridge/timeline_data_manager.h"
#include "controls/checker_board_item.h"
#include "controls/dialog_placement.h"
#include "frame/file_names.h"
#include "frame/heavy_process_timer.h"
#include "frame/main_frame.h"
#include "frame/screen_zoom.h"
#include "image_cache_registry.h"
#include "mainview/main_view_controller.h"
#include "presets/file_copier.h"
#include "presets/preset_collections.h"
#include "preview/image_loader.h"
#include "preview/preview_body.h"
#include "preview/text_canvas.h"
#include "preview/text_excerpt.h"
#include "preview/thumbnail.h"
#include "project/data_manager.h"
#include "property/property_registration.h"
#include "recovery/recovery_manager.h"
#include "services/append_api.h"
#include "services/kivra_api.h"
#include "services/tutorial_manager.h"
#include "timeline/block_window_model.h"
#include "timeline/ghost_model.h"
#include "timeline/ruler_scale.h"
#include "timeline/selected_block.h"
#include "timeline/timeline_controller.h"
#include "timeline/visible_blocks_model.h"

namespace vignetta::app {

void registerQmlTypes()
{
    // Each subsystem adds its registrations here, in start-up order.

    // --- Native services: module "Kivra.fab" 1.0 -----------------------------------------------
    qmlRegisterSingletonType<services::KivraAPI>(
        "Kivra.fab", 1, 0, "KivraAPI",
        [](QQmlEngine *engine, QJSEngine *scriptEngine) -> QObject * {
            return new services::KivraAPI(engine, scriptEngine);
        });
    qmlRegisterSingletonType<services::TutorialManager>(
        "Kivra.fab", 1, 0, "TutorialManager",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new services::TutorialManager; });

    // --- Append services: module "Kivra.append" 1.0 --------------------------------------------
    qmlRegisterSingletonType<services::AppendAPI>(
        "Kivra.append", 1, 0, "AppendAPI",
        [](QQmlEngine *engine, QJSEngine *scriptEngine) -> QObject * {
            return new services::AppendAPI(engine, scriptEngine);
        });

    // --- Preview: painted items of "Kivra.append" 1.0 ------------------------------------------
    qmlRegisterType<preview::PreviewBody>("Kivra.append", 1, 0, "PreviewBody");
    qmlRegisterType<preview::Thumbnail>("Kivra.append", 1, 0, "Thumbnail");
    // KivraAPI.clearImageCache() empties the picture loader's decoded images.
    setImageCacheClearer(QStringLiteral("preview.imageLoader"),
                         [] { preview::ImageLoader::instance().clearImages(); });

    // --- Message text: the message window and scrolling text of the preview, and the excerpts
    // of text blocks. "Vignetta.Text" 1.0.
    qmlRegisterType<preview::TextCanvas>("Vignetta.Text", 1, 0, "TextCanvas");
    qmlRegisterType<preview::TextExcerpt>("Vignetta.Text", 1, 0, "TextExcerpt");

    // --- Main view: the scene sampled for the preview, and the picture frames' drag -----------
    qmlRegisterType<mainview::MainViewController>("Vignetta.MainView", 1, 0, "MainViewController");

    // --- Main window frame: deferred heavy operations, window geometry and import check, zoom
    // steps, file names and data folders -----------------------------------------------------
    qmlRegisterType<HeavyProcessTimer>("Vignetta.Frame", 1, 0, "HeavyProcessTimer");
    qmlRegisterSingletonType<MainFrame>(
        "Vignetta.Frame", 1, 0, "MainFrame",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new MainFrame; });
    qmlRegisterSingletonType<ScreenZoom>(
        "Vignetta.Frame", 1, 0, "ScreenZoom",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new ScreenZoom; });
    qmlRegisterSingletonType<FileNames>(
        "Vignetta.Frame", 1, 0, "FileNames",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new FileNames; });

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

    // --- Timeline view: "Vignetta.Timeline" 1.0 -----------------------------------------------
    {
        const char *uri = "Vignetta.Timeline";
        qmlRegisterType<timeline::TimelineController>(uri, 1, 0, "TimelineController");
        qmlRegisterType<timeline::BlockWindowModel>(uri, 1, 0, "BlockWindowModel");
        qmlRegisterType<timeline::VisibleBlocksModel>(uri, 1, 0, "VisibleBlocksModel");
        qmlRegisterType<timeline::RulerScale>(uri, 1, 0, "RulerScale");
        qmlRegisterUncreatableType<timeline::GhostModel>(uri, 1, 0, "GhostModel",
                                                         QStringLiteral("Read controller.ghosts"));
        qmlRegisterUncreatableType<timeline::SelectedBlock>(
            uri, 1, 0, "SelectedBlock", QStringLiteral("Read checkedBlocks"));
    }

    // --- UI foundation and project data -----------------------------------------------------
    // DataManager: the open project's folder, title, database and plugin list.
    qmlRegisterSingletonType<project::DataManager>(
        "Vignetta.Project", 1, 0, "DataManager", [](QQmlEngine *engine, QJSEngine *) -> QObject * {
            return new project::DataManager(engine);
        });
    // DialogPlacement: the screen area and position of modal windows (ModalWindow.qml).
    qmlRegisterSingletonType<controls::DialogPlacement>(
        "Vignetta.Controls", 1, 0, "DialogPlacement",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new controls::DialogPlacement; });
    // CheckerBoardPainter: the checkerboard behind transparent images (CheckerBoard2.qml).
    qmlRegisterType<controls::CheckerBoardItem>("Vignetta.Controls", 1, 0, "CheckerBoardPainter");
    // --- end of UI foundation and project data ------------------------------------------------

    // --- Audio preview: "Vignetta.Audio" 1.0 ---------------------------------------------------
    qmlRegisterSingletonType<audio::AudioPlayer>(
        "Vignetta.Audio", 1, 0, "AudioPlayer",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new audio::AudioPlayer; });

    // --- Crash recovery: "Vignetta.Recovery" 1.0 ----------------------------------------------
    // RecoveryManager: the recovery file of the open project and the restore question's data.
    qmlRegisterType<recovery::RecoveryManager>("Vignetta.Recovery", 1, 0, "RecoveryManager");
    // --- Property panel and asset selectors: "Vignetta.Property" 1.0 ------------------------
    property::registerPropertyTypes();
    // --- Presets: the collections and the file copier of the preset dialogs -----------------
    qmlRegisterType<presets::PresetCollections>("Vignetta.Presets", 1, 0, "PresetCollections");
    qmlRegisterType<presets::FileCopier>("Vignetta.Presets", 1, 0, "FileCopier");
}

} // namespace vignetta::app
