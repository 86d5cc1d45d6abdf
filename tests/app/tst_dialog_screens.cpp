#include "screen_test_util.h"
#include "qml_registration.h"

#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

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
    QObject *open(const char *name);
    static QQuickItem *itemWithText(QQuickItem *root, const QString &text);
    static QRgb commonest(const QImage &image);
    static double contrast(const QImage &image, QRgb *background = nullptr);

    QTemporaryDir settings_;
    QQmlEngine *engine_ = nullptr;
    QObject *root_ = nullptr;
    QString outDir_;
};

void TestDialogScreens::initTestCase()
{
    screen_test::isolateSettings("DialogScreens", settings_.path());
    vignetta::app::registerQmlTypes();
    outDir_ = QStringLiteral(VIGNETTA_BIN_DIR "/../screens");
    QDir().mkpath(outDir_);

    engine_ = new QQmlEngine;
    QQmlComponent component(engine_);
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
    root_ = component.create();
    QVERIFY2(root_, qPrintable(component.errorString()));
}

void TestDialogScreens::cleanupTestCase()
{
    delete root_;
    delete engine_;
}

QQuickItem *TestDialogScreens::itemWithText(QQuickItem *root, const QString &text)
{
    if (root->property("text").toString() == text)
        return root;
    for (QQuickItem *child : root->childItems()) {
        if (QQuickItem *found = itemWithText(child, text))
            return found;
    }
    return nullptr;
}

// The colour most pixels of the picture have: the background of a control.
QRgb TestDialogScreens::commonest(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) & 0xffffff];
    }
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    }
    return best;
}

// The contrast ratio (1 to 21, by relative luminance) between a picture's background and the
// pixel that stands out most from it, which is where the text is drawn.
double TestDialogScreens::contrast(const QImage &image, QRgb *background)
{
    auto luminance = [](QRgb c) {
        auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const QRgb back = commonest(image);
    if (background)
        *background = back;
    const double lb = luminance(back);
    double best = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double l = luminance(image.pixel(x, y));
            best = std::max(best, (std::max(l, lb) + 0.05) / (std::min(l, lb) + 0.05));
        }
    }
    return best;
}

QObject *TestDialogScreens::open(const char *name)
{
    QObject *dialog = root_->property(name).value<QObject *>();
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
    QMetaObject::invokeMethod(root_, "setTheme", Q_ARG(QVariant, theme));

    QObject *options = open("options");
    QVERIFY(options);
    auto *box = options->property("contentItem").value<QQuickItem *>();
    QVERIFY(box);
    const QImage dialogImage = screen_test::grab(box);
    QVERIFY(!dialogImage.isNull());
    dialogImage.save(outDir_ + "/options_" + theme + ".png");
    // The dialog box's gradient starts with the theme's first window colour.
    QCOMPARE(QColor(dialogImage.pixel(dialogImage.width() / 2, 1)).name(), window1.name());
    // The preview's checkerboard: the top-left square dark (0.862 grey), the next one light.
    auto *board = box->findChild<QQuickItem *>("previewBoard");
    QVERIFY(board);
    const QImage boardImage = screen_test::grab(board);
    QCOMPARE(QColor(boardImage.pixel(0, 0)).name(), QString("#dcdcdc"));
    QCOMPARE(QColor(boardImage.pixel(15, 15)).name(), QString("#dcdcdc"));
    QCOMPARE(QColor(boardImage.pixel(16, 0)).name(), QString("#ffffff"));
    QCOMPARE(QColor(boardImage.pixel(16, 16)).name(), QString("#dcdcdc"));
    // Both groups fit side by side with the 440-pixel theme list: the dialog is wide enough.
    QVERIFY(box->width() >= 440 + 70);

    // The disabled Apply button stays readable: its text stands out from what is behind it.
    QQuickItem *apply = itemWithText(box, "Apply");
    QVERIFY(apply && !apply->isEnabled());
    const QRectF applyRect =
        apply->mapRectToItem(box, QRectF(3, 3, apply->width() - 6, apply->height() - 6));
    const double applyContrast = contrast(dialogImage.copy(applyRect.toRect()));
    QVERIFY2(applyContrast >= 2.5, qPrintable(QString::number(applyContrast)));

    // The theme list drops down in the theme's colours, its names readable.
    QObject *combo = box->findChild<QObject *>("comboBox");
    QVERIFY(combo);
    QObject *popup = combo->property("__popup").value<QObject *>();
    QVERIFY(popup);
    QMetaObject::invokeMethod(popup, "toggleShow");
    auto *list = popup->property("__contentItem").value<QQuickItem *>();
    QVERIFY(list);
    QVERIFY(QTest::qWaitFor(
        [&] { return list->window() && list->window()->isVisible() && list->height() > 20; }));
    QImage listImage = screen_test::grab(list);
    QMetaObject::invokeMethod(popup, "toggleShow");
    QVERIFY(!listImage.isNull());
    listImage.save(outDir_ + "/theme_list_" + theme + ".png");
    QRgb listBackground = 0;
    const double listContrast = contrast(
        listImage.copy(2, 2, listImage.width() - 4, listImage.height() - 4), &listBackground);
    QCOMPARE(QColor(listBackground).name(), normalBack1.name());
    QVERIFY2(listContrast >= 4.5, qPrintable(QString::number(listContrast)));
    QMetaObject::invokeMethod(options, "close");

    QObject *message = open("message");
    QVERIFY(message);
    auto *content = message->property("contentItem").value<QQuickItem *>();
    QVERIFY(content);
    const QImage messageImage = screen_test::grab(content);
    messageImage.save(outDir_ + "/message_" + theme + ".png");
    QCOMPARE(QColor(messageImage.pixel(2, 2)).name(), normalBack1.name());
    QVERIFY(content->width() >= 200);
    QMetaObject::invokeMethod(message, "close");
}

QTEST_MAIN(TestDialogScreens)
#include "tst_dialog_screens.moc"
