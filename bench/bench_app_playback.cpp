// Playback in the real main window, with the audio preview's web engine running: the demo scene
// of the sample project, and a heavy scene (20 full-screen toned pictures, a shake and a flash)
// on a copy of it. Prints numbers; it is not a test. Run under Xvfb:
//     xvfb-run -a -s "-screen 0 1600x1000x24" build/bin/bench_app_playback [SECONDS]
//
// For each scene, over SECONDS (20 by default) of playback, it reports the time from the first
// display of one scene frame to the first display of the next one (frames after a message or
// scrolling text held the cursor are left out: that wait is the reader's), its median, 99th
// percentile and the share above 33 ms, and how long 600 cursor steps took. A message holding
// the cursor is answered with the button half a second after it stopped. Then, with the heavy
// scene paused: the main view's updatePreview() alone, the preview's paint, and the time until
// the frame is on the screen. Last, the memory of the process and its web-engine helpers.

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <set>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtWebEngine/qtwebengineglobal.h>

#include <unistd.h>

#include "app_identity.h"
#include "bridge/timeline_data_manager.h"
#include "frame/scene_graph_backend.h"
#include "qml_registration.h"
#include "scene/builders.h"
#include "scene/scene_file.h"
#include "timeline/timeline_controller.h"

using namespace vignetta;

namespace {

constexpr int screenWidth = 816;
constexpr int screenHeight = 624;

QElapsedTimer sinceStart;
double nowMs()
{
    return sinceStart.nsecsElapsed() / 1e6;
}

void waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void spin(int ms)
{
    waitUntil([] { return false; }, ms);
}

// A screen-sized picture with gradients, shapes and noise.
QImage scenery(int seed)
{
    QImage image(screenWidth, screenHeight, QImage::Format_ARGB32);
    quint32 state = quint32(seed) * 2654435761u + 1;
    for (int y = 0; y < screenHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < screenWidth; ++x) {
            state = state * 1103515245u + 12345u;
            const int noise = int((state >> 16) & 15);
            line[x] = qRgba((x * 255 / screenWidth + seed * 11 + noise) & 255,
                            (y * 255 / screenHeight + noise) & 255, ((x + y) / 6 + seed * 37) & 255,
                            200 + (seed % 4) * 18);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(QColor::fromHsv((seed * 40 + i * 30) % 360, 160, 220));
        painter.drawEllipse(QPointF((i * 97 + seed * 13) % screenWidth, (i * 61) % screenHeight),
                            60 + i * 5, 40 + i * 3);
    }
    return image;
}

bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        if (!QFile::copy(path, target))
            return false;
    }
    return true;
}

// 20 full-screen pictures (layered backgrounds, partly transparent) toned towards different
// colours and fading, and a screen block that shakes and flashes over the whole scene; 1200
// frames.
std::vector<scene::Block> heavyScene()
{
    std::vector<scene::Block> blocks;
    scene::Document none;
    for (int i = 0; i < 20; ++i) {
        scene::Block b = scene::createEmptyBlockOfMode(none, scene::mode_picture);
        b.blockId = i + 1;
        b.laneId = i + 1;
        b.setStart(0);
        b.setDelay(1200);
        b.setField("imageName", QStringLiteral("heavy%1").arg(i, 2, 10, QChar('0')).toStdString());
        b.setField("imageIndex", i + 1);
        b.setField("width", screenWidth);
        b.setField("height", screenHeight);
        b.setField("startPosition", {{"x", 0}, {"y", 0}});
        b.setField("endPosition", {{"x", 0}, {"y", 0}});
        b.setField("startOpacity", 255 - i * 5);
        b.setField("endOpacity", 120 + i * 5);
        b.setField("endColor",
                   {{"R", 68 - i * 7}, {"G", i * 6 - 40}, {"B", 34}, {"S", 20 + i * 5}});
        blocks.push_back(std::move(b));
    }
    scene::Block screen = scene::createEmptyBlockOfMode(none, scene::mode_screen);
    screen.blockId = 21;
    screen.laneId = 21;
    screen.setStart(0);
    screen.setDelay(1200);
    screen.setField("flashEnabled", true);
    screen.setField("flashColor", {{"R", 255}, {"G", 221}, {"B", 119}, {"P", 170}});
    screen.setField("shakeEnabled", true);
    screen.setField("shakePower", 5);
    screen.setField("shakeSpeed", 5);
    blocks.push_back(std::move(screen));
    return blocks;
}

struct Editor
{
    QQuickWindow *window = nullptr;
    QObject *mainView = nullptr;
    timeline::TimelineController *controller = nullptr;
    bridge::TimelineDataManager *manager = nullptr;
    QObject *preview = nullptr;
};
Editor ed;

// Scene frames as the screen showed them.
std::atomic<int> cursorFrame{0};
std::atomic<int> syncedFrame{-1};
std::mutex swapsMutex;
std::vector<std::pair<double, int>> swaps; // (time, scene frame shown)
std::vector<std::pair<double, int>> steps; // (time, cursor frame) on the GUI thread
std::set<int> holdFrames;
bool recording = false;

void loadScene(const std::vector<scene::Block> &blocks)
{
    ed.controller->pause();
    ed.controller->clear();
    ed.manager->clearBuffer();
    ed.manager->pushBuffer();
    ed.controller->setCursorFrame(0);
    ed.controller->setCheckedLaneId(1);
    ed.manager->insertBlockSet(blocks, 0, 1);
    ed.controller->clearSelection();
    QMetaObject::invokeMethod(ed.mainView, "loadPictures");
    spin(500);
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

void playFor(const char *name, int seconds)
{
    {
        std::lock_guard<std::mutex> lock(swapsMutex);
        swaps.clear();
    }
    steps.clear();
    holdFrames.clear();
    ed.controller->setCursorFrame(0);
    spin(300);

    // The reader: half a second after a text stopped the cursor, the button.
    double heldSince = -1;
    QTimer reader;
    reader.setInterval(20);
    QObject::connect(&reader, &QTimer::timeout, [&] {
        if (!ed.mainView->property("playbackPause").toBool()) {
            heldSince = -1;
            return;
        }
        holdFrames.insert(ed.controller->cursorFrame());
        if (heldSince < 0) {
            heldSince = nowMs();
        } else if (nowMs() - heldSince > 500) {
            QMetaObject::invokeMethod(ed.mainView, "inputPressed");
            QMetaObject::invokeMethod(ed.mainView, "inputReleased");
            heldSince = nowMs();
        }
    });

    recording = true;
    const double start = nowMs();
    QMetaObject::invokeMethod(ed.window->findChild<QObject *>(QStringLiteral("timelineView")),
                              "playback");
    reader.start();
    waitUntil([&] { return nowMs() - start > seconds * 1000.0; }, seconds * 1000 + 5000);
    reader.stop();
    recording = false;
    ed.controller->pause();
    spin(200);

    std::vector<std::pair<double, int>> shown;
    {
        std::lock_guard<std::mutex> lock(swapsMutex);
        shown = swaps;
    }
    // The first display of each scene frame, in order.
    std::vector<std::pair<double, int>> firsts;
    for (const auto &s : shown) {
        if (s.second < 0)
            continue;
        if (firsts.empty() || firsts.back().second != s.second)
            firsts.push_back(s);
    }
    std::vector<double> intervals;
    for (size_t i = 1; i < firsts.size(); ++i) {
        if (holdFrames.count(firsts[i - 1].second))
            continue;
        intervals.push_back(firsts[i].first - firsts[i - 1].first);
        if (qEnvironmentVariableIsSet("BENCH_LATE") && intervals.back() > 33)
            std::printf("  late: frame %d after %d, %.1f ms\n", firsts[i].second,
                        firsts[i - 1].second, intervals.back());
    }
    const double late = double(
        std::count_if(intervals.begin(), intervals.end(), [](double v) { return v > 33.0; }));
    std::printf("%s: %zu frames shown in %d s (%zu held frames left out)\n", name,
                intervals.size() + 1, seconds, holdFrames.size());
    std::printf("  frame to frame: median %.2f ms, 99th percentile %.2f ms, max %.2f ms, "
                "later than 33 ms %.2f %%\n",
                percentile(intervals, 0.5), percentile(intervals, 0.99),
                intervals.empty() ? 0.0 : *std::max_element(intervals.begin(), intervals.end()),
                intervals.empty() ? 0.0 : 100.0 * late / double(intervals.size()));

    // 600 cursor steps without a hold in between.
    for (size_t i = 0; i + 600 < steps.size(); ++i) {
        bool held = false;
        for (size_t j = i; j < i + 600 && !held; ++j)
            held = holdFrames.count(steps[j].second) > 0;
        if (held)
            continue;
        const double ms = steps[i + 600].first - steps[i].first;
        std::printf("  600 cursor steps: %.3f s (%+.2f %% from 10 s)\n", ms / 1000,
                    (ms / 10000 - 1) * 100);
        return;
    }
    std::printf("  600 cursor steps: no run of 600 steps without a hold\n");
}

void measureUpdatePreview()
{
    ed.controller->setCursorFrame(300);
    spin(300);
    std::vector<double> call, paint, screen;
    for (int i = 0; i < 40; ++i) {
        bool swapped = false;
        auto c = QObject::connect(
            ed.window, &QQuickWindow::frameSwapped, ed.window, [&] { swapped = true; },
            Qt::QueuedConnection);
        QElapsedTimer t;
        t.start();
        QMetaObject::invokeMethod(ed.mainView, "updatePreview", Q_ARG(QVariant, QVariant()));
        call.push_back(t.nsecsElapsed() / 1e6);
        waitUntil([&] { return swapped; }, 2000);
        screen.push_back(t.nsecsElapsed() / 1e6);
        QObject::disconnect(c);
        paint.push_back(ed.preview->property("msec").toDouble());
        spin(20);
    }
    std::printf("heavy scene, frame 300, paused (medians of 40):\n");
    std::printf("  updatePreview() %.3f ms, preview paint %.1f ms, until on screen %.1f ms\n",
                percentile(call, 0.5), percentile(paint, 0.5), percentile(screen, 0.5));
}

// Resident (RSS) and proportional (PSS) memory of this process and of every process it started.
long fieldKb(const QString &file, const QByteArray &field)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLong();
    }
    return 0;
}

void children(int pid, std::vector<int> &out)
{
    out.push_back(pid);
    QDir proc(QStringLiteral("/proc"));
    for (const QString &entry : proc.entryList(QDir::Dirs)) {
        bool ok = false;
        const int child = entry.toInt(&ok);
        if (!ok)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(child));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> parts = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (parts.size() > 1 && parts.at(1).toInt() == pid)
            children(child, out);
    }
}

void reportMemory()
{
    std::vector<int> family;
    children(int(::getpid()), family);
    long rss = 0, pss = 0;
    for (int pid : family) {
        rss += fieldKb(QStringLiteral("/proc/%1/status").arg(pid), "VmRSS");
        pss += fieldKb(QStringLiteral("/proc/%1/smaps_rollup").arg(pid), "Pss");
    }
    const QString self = QStringLiteral("/proc/self/status");
    std::printf("memory: editor RSS %ld MiB (peak %ld MiB); with %zu web-engine processes: "
                "RSS %ld MiB, PSS %ld MiB\n",
                fieldKb(self, "VmRSS") / 1024, fieldKb(self, "VmHWM") / 1024, family.size() - 1,
                rss / 1024, pss / 1024);
}

} // namespace

int main(int argc, char **argv)
{
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QTemporaryDir work;
    qputenv("XDG_CONFIG_HOME", (work.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (work.path() + "/data").toUtf8());
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QtWebEngine::initialize();
    QApplication app(argc, argv);
    // As the editor chooses: the software scene graph where OpenGL runs on the processor.
    app::chooseSceneGraphBackend();
    app::applyApplicationIdentity();
    app::registerQmlTypes();
    sinceStart.start();

    const QString project = work.path() + "/Sample";
    if (!copyFolder(QStringLiteral(VIGNETTA_SOURCE_DIR "/sample/SampleProject"), project)) {
        std::fprintf(stderr, "could not copy the sample project\n");
        return 1;
    }
    for (int i = 0; i < 20; ++i)
        scenery(i).save(
            QStringLiteral("%1/img/pictures/heavy%2.png").arg(project).arg(i, 2, 10, QChar('0')));
    {
        QSettings settings;
        settings.setValue("projectFileUrl",
                          QUrl::fromLocalFile(project + "/Sample.fabproject").toString());
        settings.setValue("windowX", 0);
        settings.setValue("windowY", 0);
        settings.setValue("windowWidth", 1600);
        settings.setValue("windowHeight", 1000);
    }

    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/qml/Main/MainWindow")));
    if (engine.rootObjects().isEmpty())
        return 1;
    ed.window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    ed.mainView = ed.window->findChild<QObject *>(QStringLiteral("mainView"));
    QObject *timelineView = ed.window->findChild<QObject *>(QStringLiteral("timelineView"));
    if (!ed.mainView || !timelineView)
        return 1;
    ed.controller = timelineView->property("controller").value<timeline::TimelineController *>();
    ed.manager = ed.controller->dataManager();
    ed.preview = ed.window->findChild<QObject *>(QStringLiteral("previewBody"));
    waitUntil([&] { return timelineView->property("previewEnabled").toBool(); }, 30000);
    if (!timelineView->property("previewEnabled").toBool()) {
        std::fprintf(stderr, "the sample project did not open\n");
        return 1;
    }
    spin(3000); // the web engine's page loads

    QObject::connect(ed.controller, &timeline::TimelineController::cursorFrameChanged, [] {
        cursorFrame = ed.controller->cursorFrame();
        if (recording)
            steps.emplace_back(nowMs(), cursorFrame.load());
    });
    QObject::connect(
        ed.window, &QQuickWindow::beforeSynchronizing, ed.window,
        [] { syncedFrame = cursorFrame.load(); }, Qt::DirectConnection);
    QObject::connect(
        ed.window, &QQuickWindow::frameSwapped, ed.window,
        [] {
            if (!recording)
                return;
            std::lock_guard<std::mutex> lock(swapsMutex);
            swaps.emplace_back(nowMs(), syncedFrame.load());
        },
        Qt::DirectConnection);

    std::printf(
        "scene graph: %s, render loop: %s\n",
        qPrintable(QQuickWindow::sceneGraphBackend().isEmpty() ? QStringLiteral("default (OpenGL)")
                                                               : QQuickWindow::sceneGraphBackend()),
        qgetenv("QSG_RENDER_LOOP").isEmpty() ? "default" : qgetenv("QSG_RENDER_LOOP").constData());

    const auto demo = scene::readSceneFile(project.toStdString() + "/scenes/demo.json");
    if (!demo.ok) {
        std::fprintf(stderr, "the demo scene could not be read\n");
        return 1;
    }
    loadScene(demo.blocks);
    playFor("demo scene", seconds);
    loadScene(heavyScene());
    playFor("heavy scene", seconds);
    measureUpdatePreview();
    reportMemory();
    return 0;
}
