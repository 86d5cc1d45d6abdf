// The image clip controls: which rectangle of a sheet a clip shows, where a project clip
// finds its file, and how the image well answers the keyboard.

#include "screen_test_util.h"
#include "qml_registration.h"

#include <QKeyEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

class ImageControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void clipShowsOneCellOfTheSheet();
    void projectClipEncodesItsName();
    void wellTriggersOnDoubleClickAndSpaceRelease();
    void disabledWellShowsNoImage();

private:
    QQuickItem *child(const char *name);

    QTemporaryDir settings_;
    QQmlEngine *engine_ = nullptr;
    QQuickWindow *window_ = nullptr;
};

void ImageControlsTest::initTestCase()
{
    screen_test::isolateSettings("ImageControls", settings_.path());
    vignetta::app::registerQmlTypes();
    engine_ = new QQmlEngine;
    QQmlComponent component(engine_);
    const QString project =
        QUrl::fromLocalFile(QStringLiteral(VIGNETTA_TEST_DATA "/property_project/")).toString();
    component.setData(
        "import QtQuick 2.15\n"
        "import QtQuick.Window 2.15\n"
        "import Vignetta.Project 1.0\n"
        "import \"components_fc/qml/BasicControls\"\n"
        "import \"qml/Controls\"\n"
        "Window {\n  id: win\n"
        "  width: 700; height: 400; visible: true\n"
        "  property int triggered: 0\n"
        "  Component.onCompleted: DataManager.projectUrl = '" + project.toUtf8() + "'\n"
        "  Row {\n"
        "    ImageClip { objectName: 'clip'\n"
        "      source: '" + project.toUtf8() + "img/faces/Face%20Sheet.png'\n"
        "      framePosition: Qt.point(1, 1); frameSize: Qt.size(144, 144) }\n"
        "    GameImageClip { objectName: 'gameClip'; subFolder: 'faces'; imageName: 'Face Sheet'\n"
        "      frameSize: Qt.size(144, 144); framePosition: Qt.point(2, 0); imageScale: 0.5 }\n"
        "    ImageBox { objectName: 'box'; width: 104; height: 104\n"
        "      source: '" + project.toUtf8() + "img/faces/Face%20Sheet.png'\n"
        "      frameSize: Qt.size(144, 144); framePosition: Qt.point(3, 1); imageScale: 2 / 3\n"
        "      onTriggered: win.triggered += 1 }\n"
        "  }\n"
        "}\n",
        QUrl::fromLocalFile(QStringLiteral(VIGNETTA_SOURCE_DIR "/image_controls_test.qml")));
    QObject *root = component.create();
    QVERIFY2(root, qPrintable(component.errorString()));
    window_ = qobject_cast<QQuickWindow *>(root);
    QVERIFY(window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void ImageControlsTest::cleanupTestCase()
{
    delete window_;
    delete engine_;
}

QQuickItem *ImageControlsTest::child(const char *name)
{
    return window_->findChild<QQuickItem *>(name);
}

// The face sheet's cell i is one colour: red 20 + 20 i, green 100, blue 200 - 20 i.
static QColor cellColour(int i)
{
    return QColor(20 + 20 * i, 100, 200 - 20 * i);
}

void ImageControlsTest::clipShowsOneCellOfTheSheet()
{
    QQuickItem *clip = child("clip");
    QVERIFY(clip);
    QTRY_COMPARE(clip->property("sourceSize").toSize(), QSize(576, 288));
    QCOMPARE(clip->property("clipRect").toRectF(), QRectF(144, 144, 144, 144));
    QCOMPARE(clip->size(), QSizeF(144, 144));
    const QImage image = screen_test::grab(clip, QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(144, 144));
    // Cell (1, 1) is cell 5 everywhere, edges included: nothing of its neighbours shows.
    for (const QPoint p : {QPoint(0, 0), QPoint(143, 0), QPoint(0, 143), QPoint(143, 143),
                           QPoint(72, 72)})
        QCOMPARE(QColor(image.pixel(p)).name(), cellColour(5).name());
}

void ImageControlsTest::projectClipEncodesItsName()
{
    QQuickItem *clip = child("gameClip");
    QVERIFY(clip);
    const QString source = clip->property("source").toUrl().toString(QUrl::FullyEncoded);
    QVERIFY2(source.endsWith("/img/faces/Face%20Sheet.png"), qPrintable(source));
    QTRY_COMPARE(clip->size(), QSizeF(72, 72)); // a 144 cell at half size
    const QImage image = screen_test::grab(clip, QImage::Format_ARGB32);
    QCOMPARE(QColor(image.pixel(36, 36)).name(), cellColour(2).name());

    // No name, no file; a name that climbs out of the folder, no file either.
    clip->setProperty("imageName", "");
    QCOMPARE(clip->property("source").toUrl(), QUrl());
    clip->setProperty("imageName", "../pictures/Door2");
    QCOMPARE(clip->property("source").toUrl(), QUrl());
    clip->setProperty("imageName", "Face Sheet");
    QVERIFY(!clip->property("source").toUrl().isEmpty());
}

void ImageControlsTest::wellTriggersOnDoubleClickAndSpaceRelease()
{
    QQuickItem *box = child("box");
    QVERIFY(box);
    const QPoint centre = box->mapToScene(QPointF(52, 52)).toPoint();
    QTest::mouseDClick(window_, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(window_->property("triggered").toInt(), 1);
    QVERIFY(box->hasActiveFocus()); // a press takes the focus

    // Space held down: the system repeats it (press and release, marked as repeats); only
    // the final release counts.
    auto send = [this](QEvent::Type type, bool autoRepeat) {
        QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, " ", autoRepeat);
        QCoreApplication::sendEvent(window_, &event);
    };
    send(QEvent::KeyPress, false);
    QCOMPARE(window_->property("triggered").toInt(), 1);
    for (int i = 0; i < 5; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    QCOMPARE(window_->property("triggered").toInt(), 1);
    send(QEvent::KeyRelease, false);
    QCOMPARE(window_->property("triggered").toInt(), 2);
    // A release without its press (the focus came while Space was down) does nothing.
    send(QEvent::KeyRelease, false);
    QCOMPARE(window_->property("triggered").toInt(), 2);

    // The well shows its cell (3, 1) at 2/3 scale, centred over the checkerboard.
    const QImage image = screen_test::grab(box, QImage::Format_ARGB32);
    QCOMPARE(QColor(image.pixel(52, 52)).name(), cellColour(7).name());
}

void ImageControlsTest::disabledWellShowsNoImage()
{
    QQuickItem *box = child("box");
    QVERIFY(box);
    box->setEnabled(false);
    const QImage image = screen_test::grab(box, QImage::Format_ARGB32);
    // Frame fill in window2 of the default theme, no image at the centre.
    QCOMPARE(QColor(image.pixel(52, 52)).name(), QColor("#d0dbe8").name());
    box->setEnabled(true);
}

QTEST_MAIN(ImageControlsTest)
#include "tst_image_controls.moc"
