#include "app_identity.h"
#include "data_folders.h"
#include "frame/file_names.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

// What the program brings to a desktop: where an installation finds its shipped data, how
// paths are quoted in messages, the application icon, and artwork for high-density screens.
class TestDesktopIntegration : public QObject
{
    Q_OBJECT
private slots:
    void dataFoldersBuildTreeThenInstallation()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.filePath("bin");
        const QString shared = root.filePath("share/vignetta");
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QDir().mkpath(shared + "/Help"));
        QVERIFY(QDir().mkpath(shared + "/Presets"));

        // An installation: bin/ beside share/vignetta/.
        QCOMPARE(vignetta::app::applicationDataFolder("Help", bin), shared + "/Help");
        QCOMPARE(vignetta::app::applicationDataFolder("Presets", bin + "/"), shared + "/Presets");

        // A build tree: the folder beside the executable wins. A plain file of that name is
        // not a folder and does not.
        QVERIFY(QDir().mkpath(bin + "/Help"));
        QCOMPARE(vignetta::app::applicationDataFolder("Help", bin), bin + "/Help");
        QFile file(bin + "/Presets");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(vignetta::app::applicationDataFolder("Presets", bin), shared + "/Presets");

        // Found nowhere: the usual place beside the executable, for the caller's message.
        QCOMPARE(vignetta::app::applicationDataFolder("Fonts", bin), bin + "/Fonts");
    }

    void displayPathQuotesUnprintableCharacters_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("shown");
        QTest::newRow("local file") << "file:///home/me/Game%20One/Help/index.html"
                                    << "/home/me/Game One/Help/index.html";
        QTest::newRow("folder") << "file:///home/me/Game/"
                                << "/home/me/Game/";
        QTest::newRow("line feed in a name") << "file:///tmp/a%0Ab/"
                                             << "/tmp/a\\u000ab/";
        QTest::newRow("bidi override")
            << QString("file:///tmp/x%1gpj.exe").arg(QChar(0x202E)) << "/tmp/x\\u202egpj.exe";
        QTest::newRow("not a file") << "https://example.invalid/a"
                                    << "https://example.invalid/a";
    }

    void displayPathQuotesUnprintableCharacters()
    {
        QFETCH(QString, url);
        QFETCH(QString, shown);
        QCOMPARE(vignetta::app::FileNames().displayPath(url), shown);
    }

    // The window icon offers every size a desktop asks for, each drawn at that size.
    void applicationIconHasEverySize()
    {
        const QIcon icon = vignetta::app::applicationIcon();
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QList<QSize> sizes = icon.availableSizes();
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
            const QImage image(QStringLiteral(":/icons/hicolor/%1x%1/apps/%2.png")
                                   .arg(size)
                                   .arg(vignetta::app::desktopId));
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(image.hasAlphaChannel());
        }
        QVERIFY(QFile::exists(
            QStringLiteral(VIGNETTA_SOURCE_DIR "/packaging/icons/hicolor/scalable/apps/%1.svg")
                .arg(vignetta::app::desktopId)));
    }

    // The top band's logo and the about box image have a copy drawn at twice the size, which
    // Qt Quick picks on a 2x screen; every "@2x" picture is exactly twice its plain one.
    void highDensityArtwork()
    {
        for (const char *name :
             {"logo", "logo_black", "logo_ja", "logo_black_ja", "app", "app_ja"}) {
            QVERIFY2(QFile::exists(QStringLiteral(":/qml/Images/%1@2x.png").arg(name)), name);
        }
        int pairs = 0;
        for (const char *tree : {":/qml", ":/components_fc"}) {
            QDirIterator it(tree, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (!path.endsWith("@2x.png"))
                    continue;
                const QImage doubled(path);
                const QImage plain(QString(path).replace("@2x.png", ".png"));
                QVERIFY2(!plain.isNull(), qPrintable(path));
                QCOMPARE(doubled.size(), plain.size() * 2);
                ++pairs;
            }
        }
        QVERIFY(pairs >= 6);
    }
};

QTEST_MAIN(TestDesktopIntegration)
#include "tst_desktop_integration.moc"
