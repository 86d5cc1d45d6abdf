// The timeline view with a 999-block scene on 40 lanes, in a real window: rebuild after undo and
// zoom, one live drag step of 50 blocks, the drop with ripple, horizontal scrolling, inserting
// 999 blocks, and the playback clock over 600 frames. Times run until the next frame has been
// drawn unless the name says "work" (the C++ and binding work alone); the counter process_cpu_ms
// is the processor time of all the program's threads (the render thread included) over the same
// span, which a busy machine does not inflate the way it does wall time. Run under Xvfb, ideally
// on one core:
//     taskset -c 0 xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/bench_app_timeline
// Every benchmark reports the median of its repetitions.

#include <benchmark/benchmark.h>

#include <ctime>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>

#include "app_identity.h"
#include "bridge/json_qt.h"
#include "bridge/timeline_data_manager.h"
#include "qml_registration.h"
#include "scene/builders.h"
#include "scene/editing.h"
#include "scene/scene_file.h"
#include "scene/undo_buffer.h"
#include "timeline/timeline_controller.h"

using namespace vignetta;

namespace {

struct Fixture
{
    QQuickView *view = nullptr;
    QQuickItem *timeline = nullptr;
    timeline::TimelineController *controller = nullptr;
    bridge::TimelineDataManager *manager = nullptr;
};
Fixture fx;

double processCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}
// Processor time of the last untilFrame.
double lastCpuMs = 0;

// Waits until the window has drawn a frame after `work` ran; milliseconds from the start of the
// work to the swap.
double untilFrame(const std::function<void()> &work)
{
    QEventLoop loop;
    bool swapped = false;
    auto c = QObject::connect(fx.view, &QQuickWindow::frameSwapped, &loop, [&] {
        swapped = true;
        loop.quit();
    });
    QElapsedTimer t;
    const double cpu = processCpuMs();
    t.start();
    work();
    fx.view->update();
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    if (!swapped)
        loop.exec();
    QObject::disconnect(c);
    lastCpuMs = processCpuMs() - cpu;
    return t.nsecsElapsed() / 1e6;
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        untilFrame([] {});
}

// 999 blocks on 40 lanes: 25 a lane (24 on the last) every 360 frames, of every kind, each
// up to 360 frames long (the second block of lane 25 exactly 360).
std::vector<scene::Block> bigScene()
{
    const int kinds[] = {scene::mode_picture, scene::mode_message,   scene::mode_sound,
                         scene::mode_screen,  scene::mode_fade,      scene::mode_scroll,
                         scene::mode_picture, scene::mode_sound_fade};
    std::vector<scene::Block> blocks;
    scene::Document none;
    int id = 1;
    for (int lane = 1; lane <= 40; ++lane)
        for (int i = 0; i < 25 && id <= 999; ++i, ++id) {
            const bool longest = lane == 25 && i == 1;
            const int mode = longest ? scene::mode_picture : kinds[(lane + i) % 8];
            scene::Block b = scene::createEmptyBlockOfMode(none, mode);
            b.blockId = id;
            b.laneId = lane;
            b.setStart(i * 360);
            if (longest)
                b.setDelay(360);
            else if (scene::isResizable(mode))
                b.setDelay(60 + (id * 37) % 300);
            blocks.push_back(std::move(b));
        }
    return blocks;
}

void loadScene()
{
    fx.controller->clear();
    fx.manager->clearBuffer();
    fx.manager->pushBuffer();
    fx.controller->setCursorFrame(0);
    fx.controller->setCheckedLaneId(1);
    fx.manager->insertBlockSet(bigScene(), 0, 1);
    fx.controller->clearSelection();
    settle();
}

void setScroll(double x)
{
    fx.timeline->setProperty("scrollX", x);
}

// Undo and redo of the 50-block drop below (the timeline follows the restored document).
void dropFifty();
void BM_RebuildAfterUndo(benchmark::State &state)
{
    loadScene();
    dropFifty();
    for (auto _ : state) {
        state.SetIterationTime(untilFrame([] { fx.controller->undo(); }) / 1e3);
        state.counters["process_cpu_ms"] = lastCpuMs;
        untilFrame([] { fx.controller->redo(); });
    }
}

void BM_RebuildAfterZoom(benchmark::State &state)
{
    loadScene();
    int scale = 0;
    for (auto _ : state) {
        scale = 1 - scale;
        state.SetIterationTime(untilFrame([scale] { fx.controller->setZoom(scale); }) / 1e3);
        state.counters["process_cpu_ms"] = lastCpuMs;
    }
    fx.controller->setZoom(0);
}

// 50 blocks: the first two blocks of lanes 1 to 25 (frames 0 to 720).
void select50()
{
    const auto &lanes = fx.manager->document().lanes();
    const int first = lanes[1].blocks[0].blockId;
    const int last = lanes[25].blocks[1].blockId;
    fx.controller->pressedByView(first);
    fx.controller->pressBlock(last, scene::middleDrag, Qt::ShiftModifier,
                              timeline::TimelineController::RightButton, 0, 0);
}

void BM_DragStep50Work(benchmark::State &state)
{
    loadScene();
    select50();
    if (fx.controller->selectedCount() != 50)
        state.SkipWithError("the selection does not hold 50 blocks");
    const int id = fx.controller->selection().selected.front();
    fx.controller->pressBlock(id, scene::middleDrag, 0, timeline::TimelineController::LeftButton,
                              10, 10);
    double x = 10;
    fx.controller->moveMouse(x += 20, 10);
    fx.controller->stepMouse(); // live
    for (auto _ : state) {
        fx.controller->moveMouse(x += 4, 10);
        QElapsedTimer t;
        t.start();
        fx.controller->stepMouse();
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        untilFrame([] {});
    }
    fx.controller->cancelMouse();
}

void BM_DragStep50Frame(benchmark::State &state)
{
    loadScene();
    select50();
    const int id = fx.controller->selection().selected.front();
    fx.controller->pressBlock(id, scene::middleDrag, 0, timeline::TimelineController::LeftButton,
                              10, 10);
    double x = 10;
    fx.controller->moveMouse(x += 20, 10);
    fx.controller->stepMouse();
    for (auto _ : state) {
        fx.controller->moveMouse(x += 4, 10);
        state.SetIterationTime(untilFrame([] { fx.controller->stepMouse(); }) / 1e3);
        state.counters["process_cpu_ms"] = lastCpuMs;
    }
    fx.controller->cancelMouse();
}

// Selects the 50 blocks and drags them one lane down and 100 frames later, up to the release.
void pressAndDragFifty()
{
    select50();
    const int id = fx.controller->selection().selected.front();
    fx.controller->pressBlock(id, scene::middleDrag, 0, timeline::TimelineController::LeftButton,
                              10, 10);
    fx.controller->moveMouse(410, 74);
    fx.controller->stepMouse();
}

void dropFifty()
{
    pressAndDragFifty();
    fx.controller->releaseMouse();
    settle();
}

// Drops the 50 blocks one lane down and 100 frames later: they go past the first block of lane
// 26, and the later blocks of 25 lanes ripple.
void BM_DropWithRipple(benchmark::State &state)
{
    loadScene();
    for (auto _ : state) {
        pressAndDragFifty();
        bool dropped = false;
        auto c = QObject::connect(fx.controller, &timeline::TimelineController::blockDragEnd,
                                  [&] { dropped = true; });
        state.SetIterationTime(untilFrame([] { fx.controller->releaseMouse(); }) / 1e3);
        state.counters["process_cpu_ms"] = lastCpuMs;
        QObject::disconnect(c);
        if (!dropped)
            state.SkipWithError("the drop was refused");
        untilFrame([] { fx.controller->undo(); });
    }
}

// The drop's own work, without drawing: placement and ripple, the models and the items.
void BM_DropWithRippleWork(benchmark::State &state)
{
    loadScene();
    for (auto _ : state) {
        pressAndDragFifty();
        QElapsedTimer t;
        const double cpu = processCpuMs();
        t.start();
        fx.controller->releaseMouse();
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        state.counters["process_cpu_ms"] = processCpuMs() - cpu;
        untilFrame([] { fx.controller->undo(); });
    }
}

// The same drop on the document alone (placement, ripple and the undo snapshot).
void BM_DropWithRippleDocument(benchmark::State &state)
{
    loadScene();
    for (auto _ : state) {
        scene::Document doc = fx.manager->document();
        const auto &lanes = doc.lanes();
        std::vector<int> ids;
        for (int lane = 1; lane <= 25; ++lane)
            for (int i = 0; i < 2; ++i)
                ids.push_back(lanes[static_cast<std::size_t>(lane)]
                                  .blocks[static_cast<std::size_t>(i)]
                                  .blockId);
        scene::DragLimits limits;
        limits.laneCount = 40;
        scene::DragSession s(scene::middleDrag, scene::PixelRect{0, 0, 720 * 4, 25 * 64}, limits);
        s.step(400, 64);
        QElapsedTimer t;
        t.start();
        const bool moved = scene::moveBlocks(doc, scene::draggedBlocks(doc, ids, s), s.startFrame(),
                                             s.currentLane());
        scene::UndoBuffer buffer;
        buffer.pushBuffer(doc);
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        if (!moved)
            state.SkipWithError("the drop was refused");
    }
}

void BM_HorizontalScroll(benchmark::State &state)
{
    loadScene();
    fx.controller->setZoom(static_cast<int>(state.range(0)));
    settle();
    double x = 0;
    const double maxScroll = fx.timeline->property("maxScrollX").toDouble();
    for (auto _ : state) {
        x = x + 40 > maxScroll ? 0 : x + 40;
        state.SetIterationTime(untilFrame([x] { setScroll(x); }) / 1e3);
        state.counters["process_cpu_ms"] = lastCpuMs;
    }
    setScroll(0);
    fx.controller->setZoom(0);
}

void BM_Insert999(benchmark::State &state)
{
    const json::Json array = scene::sceneToJson(bigScene());
    QQmlEngine *engine = fx.view->engine();
    for (auto _ : state) {
        fx.controller->clear();
        fx.controller->setCursorFrame(0);
        settle();
        const QJSValue blocks = bridge::toJSValue(*engine, array);
        QEventLoop loop;
        auto c = QObject::connect(fx.controller, &timeline::TimelineController::blockInserted,
                                  &loop, &QEventLoop::quit);
        const double ms = untilFrame([&] {
            if (!fx.controller->insertBlocks(blocks))
                return;
            loop.exec();
        });
        state.counters["process_cpu_ms"] = lastCpuMs;
        QObject::disconnect(c);
        if (fx.manager->numBlock() != 999)
            state.SkipWithError("the insertion was refused");
        state.SetIterationTime(ms / 1e3);
    }
}

// 600 frames of playback with the view following the cursor: the wall time, which should be
// 10 seconds.
void BM_Playback600Frames(benchmark::State &state)
{
    loadScene();
    for (auto _ : state) {
        fx.controller->setCursorFrame(0);
        QEventLoop loop;
        auto c = QObject::connect(fx.controller, &timeline::TimelineController::cursorFrameChanged,
                                  &loop, [&] {
                                      if (fx.controller->cursorFrame() >= 600)
                                          loop.quit();
                                  });
        QElapsedTimer t;
        t.start();
        fx.timeline->metaObject()->invokeMethod(fx.timeline, "playback");
        loop.exec();
        const double ms = t.nsecsElapsed() / 1e6;
        fx.controller->pause();
        QObject::disconnect(c);
        state.SetIterationTime(ms / 1e3);
        state.counters["error_percent"] = (ms - 10000.0) / 100.0;
    }
}

} // namespace

BENCHMARK(BM_RebuildAfterUndo)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_RebuildAfterZoom)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DragStep50Work)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(40)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DragStep50Frame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(40)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DropWithRipple)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DropWithRippleWork)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DropWithRippleDocument)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_HorizontalScroll)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(60)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Insert999)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_Playback600Frames)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    app::applyApplicationIdentity();
    app::registerQmlTypes();
    QQuickView view;
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(1600, 600);
    view.setSource(QUrl(QStringLiteral("qrc:/qml/Timeline/TimelineView.qml")));
    if (!view.rootObject()) {
        for (const auto &e : view.errors())
            fprintf(stderr, "%s\n", qPrintable(e.toString()));
        return 1;
    }
    view.show();
    fx.view = &view;
    fx.timeline = view.rootObject();
    fx.controller = fx.timeline->property("controller").value<timeline::TimelineController *>();
    fx.manager = fx.controller->dataManager();
    fprintf(stderr, "scene graph backend: %s\n",
            qPrintable(QQuickWindow::sceneGraphBackend().isEmpty()
                           ? QStringLiteral("default (OpenGL)")
                           : QQuickWindow::sceneGraphBackend()));
    settle();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
