#include "screen_test_util.h"
#include "qml_registration.h"

#include <QDir>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

// Renders every property editor and both asset selectors in every theme, checks that they
// are drawn with the theme's colours, and keeps the pictures in <build>/screens for a look.
class TestPropertyScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void editors_data();
    void editors();

private:
    QQuickItem *openSelector(QObject *selector);

    QTemporaryDir settings_;
    QQmlEngine *engine_ = nullptr;
    QObject *root_ = nullptr;
    QString outDir_;
};

void TestPropertyScreens::initTestCase()
{
    screen_test::isolateSettings("PropertyScreens", settings_.path());
    vignetta::app::registerQmlTypes();
    outDir_ = QStringLiteral(VIGNETTA_BIN_DIR "/../screens");
    QDir().mkpath(outDir_);

    engine_ = new QQmlEngine;
    QQmlComponent component(engine_, QUrl::fromLocalFile(QStringLiteral(
                                          VIGNETTA_SOURCE_DIR "/tests/qml/property/ScreensHarness.qml")));
    root_ = component.create();
    QVERIFY2(root_, qPrintable(component.errorString()));
    const QString project =
        QUrl::fromLocalFile(QStringLiteral(VIGNETTA_TEST_DATA "/property_project/")).toString();
    QMetaObject::invokeMethod(root_, "setUp", Q_ARG(QVariant, project));
}

void TestPropertyScreens::cleanupTestCase()
{
    delete root_;
    delete engine_;
}

QQuickItem *TestPropertyScreens::openSelector(QObject *selector)
{
    QMetaObject::invokeMethod(selector, "open");
    auto *window = selector->property("window").value<QQuickWindow *>();
    if (!window || !QTest::qWaitFor([&] { return qFuzzyCompare(window->opacity(), 1.0); }))
        return nullptr;
    QTest::qWait(100); // the pictures load
    return selector->property("contentItem").value<QQuickItem *>();
}

void TestPropertyScreens::editors_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QColor>("normalBack1");
    QTest::newRow("default") << "default" << QColor("#ffffff");
    QTest::newRow("dark") << "dark" << QColor("#25282a");
    QTest::newRow("highContrastWhite") << "highContrastWhite" << QColor("#ffffff");
    QTest::newRow("highContrastBlack") << "highContrastBlack" << QColor("#000000");
}

void TestPropertyScreens::editors()
{
    QFETCH(QString, theme);
    QFETCH(QColor, normalBack1);
    QMetaObject::invokeMethod(root_, "setTheme", Q_ARG(QVariant, theme));
    auto *panel = root_->property("panel").value<QQuickItem *>();
    QVERIFY(panel);

    const QStringList kinds = {"scene", "picture", "message", "fade", "sound",
                               "screen", "scroll", "soundFade", "marker"};
    for (const QString &kind : kinds) {
        QMetaObject::invokeMethod(root_, "show", Q_ARG(QVariant, kind));
        QTest::qWait(20);
        const QImage image = screen_test::grab(panel);
        QVERIFY(!image.isNull());
        image.save(outDir_ + "/property_" + kind + "_" + theme + ".png");
    }

    // The picture editor's spin boxes are filled with the theme's field colour.
    QMetaObject::invokeMethod(root_, "show", Q_ARG(QVariant, QString("picture")));
    auto *startX = panel->findChild<QQuickItem *>("startX");
    QVERIFY(startX);
    auto *spin = startX->findChild<QQuickItem *>("spinBox");
    QVERIFY(spin);
    const QImage spinImage = screen_test::grab(spin);
    QCOMPARE(QColor(spinImage.pixel(4, spinImage.height() / 2)).name(), normalBack1.name());

    // Both selectors, opened from their editors.
    auto *imageBox = panel->findChild<QObject *>("imageName");
    QVERIFY(imageBox);
    QObject *imageSelector = imageBox->property("selector").value<QObject *>();
    QQuickItem *imageContent = openSelector(imageSelector);
    QVERIFY(imageContent);
    screen_test::grab(imageContent).save(outDir_ + "/selector_image_" + theme + ".png");
    QMetaObject::invokeMethod(imageSelector, "close");

    QMetaObject::invokeMethod(root_, "show", Q_ARG(QVariant, QString("message")));
    auto *face = panel->findChild<QObject *>("face");
    QVERIFY(face);
    QObject *faceSelector = face->property("selector").value<QObject *>();
    QQuickItem *faceContent = openSelector(faceSelector);
    QVERIFY(faceContent);
    screen_test::grab(faceContent).save(outDir_ + "/selector_face_" + theme + ".png");
    QMetaObject::invokeMethod(faceSelector, "close");

    QMetaObject::invokeMethod(root_, "show", Q_ARG(QVariant, QString("sound")));
    auto *audioBox = panel->findChild<QObject *>("audioName");
    QVERIFY(audioBox);
    QObject *audioSelector = audioBox->property("selector").value<QObject *>();
    QQuickItem *audioContent = openSelector(audioSelector);
    QVERIFY(audioContent);
    const QImage audioImage = screen_test::grab(audioContent);
    audioImage.save(outDir_ + "/selector_audio_" + theme + ".png");
    QMetaObject::invokeMethod(audioSelector, "close");
}

QTEST_MAIN(TestPropertyScreens)
#include "tst_property_screens.moc"
