// Values the services compute: colours, saved images, the display-device rule, geometry with
// missing windows, the override-cursor stack, the image-cache hook and the start-up's project URL.
#include "application.h"
#include "image_cache_registry.h"
#include "services/append_api.h"
#include "services/display_device.h"
#include "services/kivra_api.h"

#include <QFileOpenEvent>
#include <QImage>
#include <QImageReader>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using vignetta::services::AppendAPI;
using vignetta::services::KivraAPI;

class TestServiceValues : public QObject
{
    Q_OBJECT

private:
    KivraAPI api;
    AppendAPI append;

private slots:
    void alphaizeColor_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("alpha"); // -1: invalid colour
        QTest::newRow("half of opaque") << QColor(10, 20, 30) << 0.5 << 127;
        QTest::newRow("zero") << QColor(10, 20, 30) << 0.0 << 0;
        QTest::newRow("one") << QColor(10, 20, 30, 200) << 1.0 << 200;
        QTest::newRow("truncates") << QColor(10, 20, 30, 101) << 0.5 << 50;
        QTest::newRow("above range") << QColor(10, 20, 30) << 1.01 << -1;
        QTest::newRow("below range") << QColor(10, 20, 30) << -0.1 << -1;
        QTest::newRow("not a number") << QColor(10, 20, 30) << std::nan("") << -1;
        QTest::newRow("invalid colour") << QColor() << 0.5 << -1;
    }
    void alphaizeColor()
    {
        QFETCH(QColor, color);
        QFETCH(double, ratio);
        QFETCH(int, alpha);
        const QColor result = api.alphaizeColor(color, ratio);
        if (alpha < 0) {
            QVERIFY(!result.isValid());
            return;
        }
        QCOMPARE(result.alpha(), alpha);
        QCOMPARE(result.rgb() & 0xffffff, color.rgb() & 0xffffff);
    }

    void writeImageFile()
    {
        QTemporaryDir dir;
        QImage image(7, 5, QImage::Format_ARGB32);
        image.fill(QColor(200, 100, 50, 128));
        const QUrl png = QUrl::fromLocalFile(dir.filePath(QStringLiteral("shot.png")));
        QVERIFY(append.writeImageFile(png, QVariant::fromValue(image)));
        QImageReader reader(png.toLocalFile());
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage back = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(back.size(), QSize(7, 5));
        QCOMPARE(back.pixelColor(3, 2), QColor(200, 100, 50, 128));

        // Failures leave the earlier file as it was and no stray file beside it.
        const QByteArray earlier = [&] {
            QFile f(png.toLocalFile());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY(!append.writeImageFile(png, QVariant()));
        QVERIFY(!append.writeImageFile(png, QVariant::fromValue(QImage())));
        QVERIFY(!append.writeImageFile(png, QVariant(QStringLiteral("not an image"))));
        QFile f(png.toLocalFile());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), earlier);
        QVERIFY(!append.writeImageFile(
            QUrl::fromLocalFile(dir.filePath(QStringLiteral("a.unknownfmt"))),
            QVariant::fromValue(image)));
        QVERIFY(!append.writeImageFile(
            QUrl::fromLocalFile(dir.filePath(QStringLiteral("missing/a.png"))),
            QVariant::fromValue(image)));
        QVERIFY(!append.writeImageFile(QUrl(QStringLiteral("http://example.invalid/a.png")),
                                       QVariant::fromValue(image)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"shot.png"}));

        // A pixmap is converted.
        const QUrl jpg = QUrl::fromLocalFile(dir.filePath(QStringLiteral("p.JPG")));
        QVERIFY(append.writeImageFile(jpg, QVariant::fromValue(QPixmap::fromImage(image))));
        QCOMPARE(QImageReader(jpg.toLocalFile()).format(), QByteArray("jpeg"));
    }

    void displayDeviceRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("blacklisted");
        QTest::newRow("express chipset")
            << "Mobile Intel(R) 4 Series Express Chipset Family" << true;
        QTest::newRow("ends with HD Graphics") << "Intel(R) HD Graphics" << true;
        QTest::newRow("numbered HD Graphics") << "Intel(R) HD Graphics 620" << false;
        QTest::newRow("no (R)") << "Intel HD Graphics" << false;
        QTest::newRow("case differs") << "Intel(R) hd graphics" << false;
        QTest::newRow("other maker") << "Radeon Express Chipset" << false;
        QTest::newRow("empty") << "" << false;
    }
    void displayDeviceRule()
    {
        QFETCH(QString, name);
        QFETCH(bool, blacklisted);
        QCOMPARE(vignetta::services::isBlackListedAdapterName(name), blacklisted);
    }

    void missingWindowsAndItemsGiveEmptyGeometry()
    {
        QCOMPARE(api.desktopAvailableGeometryWithWindow(nullptr), QRect(0, 0, 0, 0));
        QCOMPARE(api.desktopAvailableGeometryWithItem(nullptr), QRect(0, 0, 0, 0));
        QQuickItem loose;
        QCOMPARE(api.desktopAvailableGeometryWithItem(&loose), QRect(0, 0, 0, 0));
        QVERIFY(!api.isCursorInWindow(nullptr));
        api.setWindowRepresentedFilename(nullptr, QStringLiteral("x"));
        api.macSetWindowStyle(nullptr, true);
        api.winCaptureIMEContext();
        api.winRestoreIMEContext();
        QVERIFY(!api.isBlackListedDisplayDevice()); // no OpenGL offscreen: the query fails

        QQuickWindow window;
        window.setGeometry(10, 10, 100, 80);
        auto *item = new QQuickItem(window.contentItem());
        const QRect screenArea = window.screen()->availableGeometry();
        QCOMPARE(api.desktopAvailableGeometryWithWindow(&window), screenArea);
        QCOMPARE(api.desktopAvailableGeometryWithItem(item), screenArea);
        QCOMPARE(api.desktopAvailableGeometryAtPoint(QPointF(-100000, -100000)), screenArea);
        api.setWindowRepresentedFilename(&window, QStringLiteral("/p/Game.fabproject"));
        QCOMPARE(window.filePath(), QStringLiteral("/p/Game.fabproject"));
    }

    void cursorsStayBalanced()
    {
        QVERIFY(!QGuiApplication::overrideCursor());
        api.restoreCursor(); // nothing to pop: no effect
        api.setWaitCursor();
        append.setOpenHandCursor();
        append.setSizeHorCursor();
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::SizeHorCursor);
        api.restoreCursor();
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::OpenHandCursor);
        api.restoreCursor();
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        api.restoreCursor();
        QVERIFY(!QGuiApplication::overrideCursor());
        api.restoreCursor();
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void clearImageCacheRunsRegisteredClearers()
    {
        int first = 0;
        int second = 0;
        api.clearImageCache(); // none registered yet
        vignetta::app::setImageCacheClearer(QStringLiteral("a"), [&] { ++first; });
        vignetta::app::setImageCacheClearer(QStringLiteral("b"), [&] { ++second; });
        vignetta::app::setImageCacheClearer(QStringLiteral("a"), [&] { first += 10; });
        api.clearImageCache();
        QCOMPARE(first, 10);
        QCOMPARE(second, 1);
        vignetta::app::setImageCacheClearer(QStringLiteral("a"), nullptr);
        vignetta::app::setImageCacheClearer(QStringLiteral("b"), nullptr);
        api.clearImageCache();
        QCOMPARE(second, 1);
    }

    void fileOpenEventSetsTheProject()
    {
        auto *app = qobject_cast<vignetta::app::Application *>(QCoreApplication::instance());
        QVERIFY(app);
        QFileOpenEvent open(QStringLiteral("/projects/Mine/Game.fabproject"));
        QVERIFY(QCoreApplication::sendEvent(app, &open));
        QCOMPARE(app->projectFileUrl,
                 QUrl(QStringLiteral("file:///projects/Mine/Game.fabproject")));
    }
};

int main(int argc, char **argv)
{
    vignetta::app::Application app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestServiceValues test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_service_values.moc"
