#include "qml_registration.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Renders the options dialog and a message box in every theme, checks that they are drawn
// with the theme's colours and at the expected sizes, and keeps the pictures in
// <build>/screens for a look.
class TestDialogScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void themedDialogs_data();
    void themedDialogs();

private:
    QImage grab(QQuickItem *item);
    QObject *open(const char *name);

    QTemporaryDir m_settings;
    QQmlEngine *m_engine = nullptr;
    QObject *m_root = nullptr;
    QString m_outDir;
};

void TestDialogScreens::initTestCase()
{
    QCoreApplication::setOrganizationName("VignettaTests");
    QCoreApplication::setApplicationName("DialogScreens");
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    vignetta::registerQmlTypes();
    m_outDir = QStringLiteral(VIGNETTA_BIN_DIR "/../screens");
    QDir().mkpath(m_outDir);

    m_engine = new QQmlEngine;
    QQmlComponent component(m_engine);
    component.setData(
        "import QtQuick 2.15\n"
        "import QtQuick.Window 2.15\n"
        "import \"qrc:/qml/Options\"\n"
        "import \"qrc:/qml/Singletons\" as Vig\n"
        "import \"qrc:/components_fc/qml/BasicControls\"\n"
        "Window {\n"
        "  width: 900; height: 700; visible: true\n"
        "  function setTheme(name) { Vig.SettingsManager.storage.themeName = name }\n"
        "  property var options: optionsDialog\n"
        "  property var message: messageBox\n"
        "  Dialog_Options { id: optionsDialog }\n"
        "  MessageBox {\n"
        "    id: messageBox; title: 'Vignetta'; iconType: 'question'; useYesNo: true\n"
        "    useCancel: true; message: 'Close application. Is it OK?' }\n"
        "}\n",
        QUrl("qrc:/tests/dialog_screens.qml"));
    m_root = component.create();
    QVERIFY2(m_root, qPrintable(component.errorString()));
}

void TestDialogScreens::cleanupTestCase()
{
    delete m_root;
    delete m_engine;
}

QImage TestDialogScreens::grab(QQuickItem *item)
{
    QSharedPointer<QQuickItemGrabResult> result = item->grabToImage();
    if (!result)
        return QImage();
    QSignalSpy ready(result.data(), &QQuickItemGrabResult::ready);
    if (!ready.wait(5000))
        return QImage();
    return result->image().convertToFormat(QImage::Format_RGB32);
}

QObject *TestDialogScreens::open(const char *name)
{
    QObject *dialog = m_root->property(name).value<QObject *>();
    if (!dialog)
        return nullptr;
    QMetaObject::invokeMethod(dialog, "open");
    auto *window = dialog->property("window").value<QQuickWindow *>();
    if (!window || !QTest::qWaitFor([&] { return qFuzzyCompare(window->opacity(), 1.0); })) {
        qWarning() << "not shown" << window << (window ? window->isVisible() : false)
                   << (window ? window->opacity() : -1.0);
        return nullptr;
    }
    return dialog;
}

void TestDialogScreens::themedDialogs_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QColor>("window1");
    QTest::addColumn<QColor>("normalBack1");
    QTest::newRow("default") << "default" << QColor("#d0dbe8").lighter(110) << QColor("#ffffff");
    QTest::newRow("dark") << "dark" << QColor("#474b4d") << QColor("#25282a");
    QTest::newRow("highContrastWhite")
        << "highContrastWhite" << QColor("#ffffff") << QColor("#ffffff");
    QTest::newRow("highContrastBlack")
        << "highContrastBlack" << QColor("#000000") << QColor("#000000");
}

void TestDialogScreens::themedDialogs()
{
    QFETCH(QString, theme);
    QFETCH(QColor, window1);
    QFETCH(QColor, normalBack1);
    QMetaObject::invokeMethod(m_root, "setTheme", Q_ARG(QVariant, theme));

    QObject *options = open("options");
    QVERIFY(options);
    auto *box = options->property("contentItem").value<QQuickItem *>();
    QVERIFY(box);
    const QImage dialogImage = grab(box);
    QVERIFY(!dialogImage.isNull());
    dialogImage.save(m_outDir + "/options_" + theme + ".png");
    // The dialog box's gradient starts with the theme's first window colour.
    QCOMPARE(QColor(dialogImage.pixel(dialogImage.width() / 2, 1)).name(), window1.name());
    // The preview's checkerboard: the top-left square dark (0.862 grey), the next one light.
    auto *board = box->findChild<QQuickItem *>("previewBoard");
    QVERIFY(board);
    const QImage boardImage = grab(board);
    QCOMPARE(QColor(boardImage.pixel(0, 0)).name(), QString("#dcdcdc"));
    QCOMPARE(QColor(boardImage.pixel(15, 15)).name(), QString("#dcdcdc"));
    QCOMPARE(QColor(boardImage.pixel(16, 0)).name(), QString("#ffffff"));
    QCOMPARE(QColor(boardImage.pixel(16, 16)).name(), QString("#dcdcdc"));
    // Both groups fit side by side with the 440-pixel theme list: the dialog is wide enough.
    QVERIFY(box->width() >= 440 + 70);
    QMetaObject::invokeMethod(options, "close");

    QObject *message = open("message");
    QVERIFY(message);
    auto *content = message->property("contentItem").value<QQuickItem *>();
    QVERIFY(content);
    const QImage messageImage = grab(content);
    messageImage.save(m_outDir + "/message_" + theme + ".png");
    QCOMPARE(QColor(messageImage.pixel(2, 2)).name(), normalBack1.name());
    QVERIFY(content->width() >= 200);
    QMetaObject::invokeMethod(message, "close");
}

QTEST_MAIN(TestDialogScreens)
#include "tst_dialog_screens.moc"
