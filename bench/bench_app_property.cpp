// Speed of the property panel in the real QML: selecting a block until its editor shows its
// values, one step of a slider drag (a field write with the document's model updates, on a
// scene of 999 blocks), and opening the image selector on a folder of 5 000 pictures until
// its list is filled and the current picture selected.
//
// Runs offscreen with the software renderer unless the caller chose a platform.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QUrl>

#include "qml_registration.h"

namespace {

QString sourceDir()
{
    return QStringLiteral(VIGNETTA_SOURCE_DIR);
}

// The screens harness of the tests: the panel over one block of each kind, with stand-ins for
// the timeline and the main view.
struct Harness
{
    QQmlEngine engine;
    QObject *root = nullptr;

    Harness()
    {
        QQmlComponent component(&engine, QUrl::fromLocalFile(
                                             sourceDir() + "/tests/qml/property/ScreensHarness.qml"));
        root = component.create();
        if (!root)
            qFatal("%s", qPrintable(component.errorString()));
        const QString project =
            QUrl::fromLocalFile(sourceDir() + "/tests/data/property_project/").toString();
        QMetaObject::invokeMethod(root, "setUp", Q_ARG(QVariant, project));
        QCoreApplication::processEvents();
    }
    ~Harness() { delete root; }

    QObject *panel() const { return root->property("panel").value<QObject *>(); }
    void show(const QString &kind)
    {
        QMetaObject::invokeMethod(root, "show", Q_ARG(QVariant, kind));
    }
};

Harness &harness()
{
    static Harness h;
    return h;
}

// Select a block (alternating a picture and a message block) and let the window lay out and
// paint it.
void BM_SelectBlockShowsEditor(benchmark::State &state)
{
    Harness &h = harness();
    QObject *picture = h.panel()->findChild<QObject *>("pictureProperty");
    int i = 0;
    for (auto _ : state) {
        const bool isPicture = (i++ % 2) == 0;
        h.show(isPicture ? "picture" : "message");
        QCoreApplication::processEvents();
        if (picture->property("visible").toBool() != isPicture)
            state.SkipWithError("the editor did not change");
    }
}

// One step of a slider drag on the colour tone of a picture block in a scene of 999 blocks:
// the control, the write through the document, the lane model update and the burst timer.
void BM_SliderStepWrites(benchmark::State &state)
{
    Harness &h = harness();
    QMetaObject::invokeMethod(h.root, "fillScene", Q_ARG(QVariant, 999));
    h.show("picture");
    QCoreApplication::processEvents();
    QObject *tone = h.panel()->findChild<QObject *>("colorTone");
    QObject *row = tone ? tone->findChild<QObject *>("row0") : nullptr;
    QObject *slider = row ? row->findChild<QObject *>("slider") : nullptr;
    if (!slider) {
        state.SkipWithError("no slider");
        return;
    }
    int v = -255;
    for (auto _ : state) {
        v = v >= 255 ? -255 : v + 17;
        slider->setProperty("value", v);
    }
    QCoreApplication::processEvents();
}

QString pictureFolder5000()
{
    static QTemporaryDir dir;
    static bool made = false;
    if (!made) {
        QDir(dir.path()).mkpath("img/pictures");
        QImage image(24, 24, QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        const QString first = dir.filePath("img/pictures/Actor0.png");
        image.save(first);
        const char *stems[] = {"Actor", "!Door", "$Lamp", "Sky", "Tree"};
        for (int i = 1; i < 5000; ++i)
            QFile::copy(first, dir.filePath(QStringLiteral("img/pictures/%1%2.png")
                                                .arg(stems[i % 5])
                                                .arg(i / 5)));
        made = true;
    }
    return QUrl::fromLocalFile(dir.path() + "/").toString();
}

void BM_OpenImageSelector5000(benchmark::State &state)
{
    const QString project = pictureFolder5000();
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQuick 2.15\n"
                      "import QtQuick.Window 2.15\n"
                      "import \"qml/Dialogs\"\n"
                      "Window {\n"
                      "  width: 300; height: 300; visible: true\n"
                      "  property alias dialog: dialog\n"
                      "  Dialog_ImageSelector { id: dialog; imageName: 'Tree999' }\n"
                      "}\n",
                      QUrl::fromLocalFile(sourceDir() + "/bench_image_selector.qml"));
    QObject *root = component.create();
    if (!root) {
        state.SkipWithError(qPrintable(component.errorString()));
        return;
    }
    QObject *dialog = root->property("dialog").value<QObject *>();
    dialog->setProperty("folder", project + "img/pictures");
    for (auto _ : state) {
        QMetaObject::invokeMethod(dialog, "open");
        QCoreApplication::processEvents();
        auto *content = dialog->property("contentItem").value<QQuickItem *>();
        QObject *list = content ? content->findChild<QObject *>("fileList") : nullptr;
        if (!list || list->property("currentBaseName").toString() != "Tree999") {
            state.SkipWithError("the list was not filled");
            break;
        }
        state.PauseTiming();
        QMetaObject::invokeMethod(dialog, "close");
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    delete root;
}

} // namespace

BENCHMARK(BM_SelectBlockShowsEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SliderStepWrites)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenImageSelector5000)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_QUICK_BACKEND", "software");
    }
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName("VignettaBench");
    QCoreApplication::setApplicationName("PropertyBench");
    vignetta::app::registerQmlTypes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
