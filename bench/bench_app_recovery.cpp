// What crash recovery costs the editing thread on a full scene (999 blocks on 10 lanes and the
// marker lane): an edit's snapshot with and without the recovery file following it, the hand-over
// of a snapshot to the writer, and, for comparison, the write itself (which runs on the writer's
// own thread: text, flush to disk, rename).

#include <random>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "bridge/timeline_data_manager.h"
#include "recovery/recovery_manager.h"
#include "scene/builders.h"
#include "scene/recovery_writer.h"

namespace {

using namespace vignetta;
using namespace vignetta::scene;

Document fullScene()
{
    std::mt19937 random(999);
    Document doc = Document::emptyScene();
    while (doc.getLastLaneId() < 10)
        doc.appendLane(createEmptyLane(doc));
    std::vector<int> laneEnd(11, 0);
    for (int i = 0; doc.numBlock() < maxNumBlock; ++i) {
        if (i % 16 == 0) {
            Block marker = createEmptyBlockOfMode(doc, mode_comment);
            marker.setStart(static_cast<int>(random() % 9900));
            marker.setField("comment", "marker " + std::to_string(i));
            doc.appendBlock(marker, 0);
            continue;
        }
        const int lane = 1 + i % 10;
        const int mode = i % 4 == 3 ? mode_message : mode_picture;
        Block b = createEmptyBlockOfMode(doc, mode);
        b.setDelay(30 + static_cast<int>(random() % 60));
        if (mode == mode_picture) {
            b.setField("imageName", "picture" + std::to_string(i % 17));
            b.setField("endPosition.x", static_cast<int>(random() % 816));
        } else {
            b.setField("messageText", "line one\nline two\nline three");
        }
        int &end = laneEnd[static_cast<std::size_t>(lane)];
        b.setStart(end + 1 + static_cast<int>(random() % 20));
        end = b.end();
        doc.appendBlock(b, lane);
    }
    doc.sortMarkers();
    return doc;
}

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_app_recovery";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// One edit's snapshot (TimelineDataManager.pushBuffer), arg 0 without and arg 1 with the
// recovery file following the scene. The difference is what recovery adds to every edit.
void BM_EditSnapshot(benchmark::State &state)
{
    application();
    const bool withRecovery = state.range(0) == 1;
    QTemporaryDir dir;
    QFile(dir.filePath("Game.fabproject")).open(QIODevice::WriteOnly);
    bridge::TimelineDataManager scene;
    recovery::RecoveryManager recovery;
    recovery.setFolder(dir.filePath("Recovery"));
    scene.replaceDocument(fullScene());
    if (withRecovery) {
        recovery.setScene(&scene);
        recovery.projectOpened(QUrl::fromLocalFile(dir.filePath("Game.fabproject")).toString());
    }
    for (auto _ : state) {
        scene.pushBuffer();
        // Let the writer's reports and the debounce timer run as they would between edits.
        QCoreApplication::processEvents();
    }
    recovery.flush();
    state.SetLabel(withRecovery ? "with recovery" : "without recovery");
}
BENCHMARK(BM_EditSnapshot)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The editing thread's part of a write that is due at once: the snapshot copy and the hand-over
// to the writer (which writes meanwhile on its own thread).
void BM_HandOverToWriter(benchmark::State &state)
{
    QTemporaryDir dir;
    const Document doc = fullScene();
    RecoveryWriter writer(nullptr);
    const std::filesystem::path file = dir.filePath("scene.json").toStdString();
    for (auto _ : state)
        writer.submit({file, "/games/demo/Game.fabproject", doc, Clock::now()});
    writer.flush();
}
BENCHMARK(BM_HandOverToWriter)->Unit(benchmark::kMicrosecond);

// The write on the writer's thread: file text, temporary file, flush to disk, rename.
void BM_BackgroundWrite(benchmark::State &state)
{
    QTemporaryDir dir;
    const RecoveryJob job{dir.filePath("scene.json").toStdString(), "/games/demo/Game.fabproject",
                          fullScene(), Clock::now()};
    for (auto _ : state) {
        const auto outcome = RecoveryWriter::write(job, FileCalls::system());
        if (!outcome.ok)
            state.SkipWithError(outcome.error.c_str());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(QFile(dir.filePath("scene.json")).size()));
}
BENCHMARK(BM_BackgroundWrite)->Unit(benchmark::kMillisecond);

} // namespace
