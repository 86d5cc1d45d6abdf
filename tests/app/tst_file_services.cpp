// File and folder services on a temporary tree.
#include "services/append_api.h"
#include "services/file_services.h"
#include "services/kivra_api.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using vignetta::services::AppendAPI;
using vignetta::services::KivraAPI;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestFileServices : public QObject
{
    Q_OBJECT

private:
    KivraAPI api;
    AppendAPI append;
    QTemporaryDir tmp;
    QString root;

    QString at(const QString &relative) const { return root + QLatin1Char('/') + relative; }
    QUrl urlAt(const QString &relative) const { return QUrl::fromLocalFile(at(relative)); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        QVERIFY(tmp.isValid());
        root = tmp.path() + QStringLiteral("/t") +
               QString::number(QRandomGenerator::global()->generate());
        QVERIFY(QDir().mkpath(root));
    }

    void listingsOrderByNameIgnoringCaseAndSkipHidden()
    {
        writeBytes(at("tree/b.txt"), "b");
        writeBytes(at("tree/A.txt"), "a");
        writeBytes(at("tree/.hidden.txt"), "h");
        writeBytes(at("tree/.secret/inner.json"), "{}");
        writeBytes(at("tree/c/Z.json"), "{}");
        writeBytes(at("tree/c/d/deep.json"), "{}");
        writeBytes(at("tree/c/d/UPPER.JSON"), "{}");
        writeBytes(at("tree/c/d/notes.json.bak"), "x");
        QDir().mkpath(at("tree/empty"));

        QCOMPARE(api.recursiveFileList(at("tree")),
                 QStringList({"A.txt", "b.txt", "c/d/deep.json", "c/d/notes.json.bak",
                              "c/d/UPPER.JSON", "c/Z.json"}));
        QCOMPARE(append.recursiveJsonList(at("tree")),
                 QStringList({at("tree/c/d/deep.json"), at("tree/c/Z.json")}));
        QCOMPARE(api.recursiveDirList(at("tree")),
                 QStringList({at("tree/c"), at("tree/c/d"), at("tree/empty")}));

        for (const QString &missing : {at("nothing"), QString(), at("tree/A.txt")}) {
            QVERIFY(api.recursiveFileList(missing).isEmpty());
            QVERIFY(api.recursiveDirList(missing).isEmpty());
            QVERIFY(append.recursiveJsonList(missing).isEmpty());
        }
        QVERIFY(api.recursiveFileList(at("tree/empty")).isEmpty());
    }

    void listingsSurviveLinkCycles()
    {
        writeBytes(at("loop/a.json"), "{}");
        QVERIFY(QFile::link(at("loop"), at("loop/again")));
        QCOMPARE(api.recursiveFileList(at("loop")), QStringList({"a.json"}));
        QCOMPARE(append.recursiveJsonList(at("loop")), QStringList({at("loop/a.json")}));
        QCOMPARE(api.recursiveDirList(at("loop")), QStringList());
    }

    void searchLooksTwoLevelsDeep()
    {
        writeBytes(at("s1/Actors.json"), "1");
        writeBytes(at("s1/data/Actors.json"), "2");
        writeBytes(at("s1/data/deeper/Actors.json"), "3");
        writeBytes(at("s1/data/Items.json"), "4");
        writeBytes(at("s2/Items.json"), "5");
        QDir().mkpath(at("s1/Actors.json.d"));

        const QStringList folders = {at("s1"), at("missing"), QString(), at("s2")};
        QCOMPARE(api.search(folders, QVariant(QStringList({"Actors.json", "Items.json"}))),
                 QStringList({at("s1/Actors.json"), at("s1/data/Actors.json"),
                              at("s1/data/Items.json"), at("s2/Items.json")}));
        // A single name is accepted, and a name listed twice finds its entry twice.
        QCOMPARE(api.search({at("s2")}, QVariant(QStringLiteral("Items.json"))),
                 QStringList({at("s2/Items.json")}));
        QCOMPARE(api.search({at("s2")}, QVariant(QStringList({"Items.json", "Items.json"}))),
                 QStringList({at("s2/Items.json"), at("s2/Items.json")}));
    }

    void removeDirDeletesDepthFirstAndNeverFollowsLinks()
    {
        writeBytes(at("victim/a/b/c.txt"), "c");
        writeBytes(at("victim/.hidden/x"), "x");
        writeBytes(at("victim/top.txt"), "t");
        writeBytes(at("keep/precious.txt"), "p");
        QVERIFY(QFile::link(at("keep"), at("victim/a/link-to-keep")));

        QVERIFY(api.removeDir(at("victim")));
        QVERIFY(!QFileInfo::exists(at("victim")));
        QCOMPARE(readBytes(at("keep/precious.txt")), QByteArray("p"));

        QVERIFY(api.removeDir(at("never-existed")));
        const QString before = QDir::currentPath();
        QVERIFY(api.removeDir(QString()));
        QVERIFY(QDir(before).exists());
    }

    void removeDirStopsAtFirstFailure()
    {
        if (::geteuid() == 0)
            QSKIP("permissions do not stop root");
        writeBytes(at("locked/inner/f.txt"), "f");
        QFile::setPermissions(at("locked/inner"), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!api.removeDir(at("locked")));
        QVERIFY(QFileInfo::exists(at("locked/inner/f.txt")));
        QFile::setPermissions(at("locked/inner"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void readAndWriteText()
    {
        const QString text = QStringLiteral("line 1\r\nzwei – drei\nあいう 🎬");
        QVERIFY(api.writeFile(urlAt("w/out.txt"), text) == false); // folder missing
        QVERIFY(!QFileInfo::exists(at("w")));
        QVERIFY(api.createDirectories(urlAt("w/deep/er")));
        QVERIFY(api.writeFile(urlAt("w/out.txt"), text));
        QCOMPARE(readBytes(at("w/out.txt")), text.toUtf8()); // no BOM, line ends kept
        QCOMPARE(api.readFile(urlAt("w/out.txt")), text);
        QCOMPARE(api.readResource(at("w/out.txt")), text);

        QVERIFY(api.writeFile(urlAt("w/out.txt"), QString()));
        QCOMPARE(readBytes(at("w/out.txt")), QByteArray());
        QCOMPARE(api.readFile(urlAt("w/out.txt")), QString());
        // Nothing is left beside the file.
        QCOMPARE(QDir(at("w")).entryList(QDir::Files | QDir::Hidden), QStringList({"out.txt"}));

        QCOMPARE(api.readFile(urlAt("w/none.txt")), QString());
        QCOMPARE(api.readFile(QUrl(QStringLiteral("http://example.invalid/a.txt"))), QString());
        QCOMPARE(api.readFile(QUrl()), QString());
        QVERIFY(!api.writeFile(QUrl(QStringLiteral("http://example.invalid/a.txt")), text));
        QVERIFY(!api.writeFile(urlAt("w/deep"), text)); // a folder is not replaced
        QVERIFY(QFileInfo(at("w/deep")).isDir());
        QVERIFY(!api.readResource(QStringLiteral(":/splash/splash.png")).isEmpty());
        QCOMPARE(api.readResource(QStringLiteral("qrc:/qml/Main/MainWindow.qml")),
                 api.readResource(QStringLiteral(":/qml/Main/MainWindow.qml")));
        QVERIFY(api.readResource(QStringLiteral(":/qml/Main/MainWindow.qml")).contains("Window"));
        QCOMPARE(api.readResource(QStringLiteral(":/no/such/resource")), QString());
    }

    void failedWriteKeepsTheEarlierFile()
    {
        // A file-size limit makes the write fail midway, for root as well.
        writeBytes(at("lim/keep.txt"), "earlier");
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool written =
            api.writeFile(urlAt("lim/keep.txt"), QString(100000, QLatin1Char('x')));
        const bool imageWritten = append.writeImageFile(
            urlAt("lim/keep.bmp"), QVariant::fromValue(QImage(400, 400, QImage::Format_RGB32)));
        setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(!written);
        QVERIFY(!imageWritten);
        QCOMPARE(readBytes(at("lim/keep.txt")), QByteArray("earlier"));
        QCOMPARE(QDir(at("lim")).entryList(QDir::Files | QDir::Hidden), QStringList({"keep.txt"}));
    }

    void oversizedAndSpecialFilesReadAsEmpty()
    {
        QFile file(at("huge.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(vignetta::files::maxTextFileBytes + 1)); // sparse, costs no disk
        file.close();
        QCOMPARE(api.readFile(urlAt("huge.bin")), QString());
        QCOMPARE(api.fileSize(at("huge.bin")), vignetta::files::maxTextFileBytes + 1);

        // A named pipe with no writer: reading it must not wait for one.
        QCOMPARE(::mkfifo(QFile::encodeName(at("pipe.json")).constData(), 0600), 0);
        QCOMPARE(api.readFile(urlAt("pipe.json")), QString());
        QCOMPARE(api.readResource(at("pipe.json")), QString());
        QCOMPARE(api.getFileMD5Hash(at("pipe.json")), QString());
        QCOMPARE(api.readResource(QStringLiteral("/dev/zero")), QString());
    }

    void copyRemoveAndExistence()
    {
        writeBytes(at("c/from.txt"), "source");
        writeBytes(at("c/to.txt"), "target");
        QVERIFY(!api.copyFile(at("c/from.txt"), at("c/to.txt")));
        QCOMPARE(readBytes(at("c/to.txt")), QByteArray("target"));
        QCOMPARE(readBytes(at("c/from.txt")), QByteArray("source"));
        QVERIFY(!api.copyFile(at("c/missing.txt"), at("c/new.txt")));
        QVERIFY(!QFileInfo::exists(at("c/new.txt")));
        QVERIFY(api.copyFile(urlAt("c/from.txt").toString(), urlAt("c/new.txt").toString()));
        QCOMPARE(readBytes(at("c/new.txt")), QByteArray("source"));
        QVERIFY(!api.copyFile(QStringLiteral("http://example.invalid/x"), at("c/x.txt")));

        QVERIFY(api.isFileExists(urlAt("c")));
        QVERIFY(api.isFileExists(urlAt("c/new.txt")));
        QVERIFY(api.isDirectoryExists(urlAt("c")));
        QVERIFY(!api.isDirectoryExists(urlAt("c/new.txt")));
        QVERIFY(!api.isFileExists(QUrl()));

        QVERIFY(api.removeFile(urlAt("c/new.txt")));
        QVERIFY(!api.removeFile(urlAt("c/new.txt")));
        QVERIFY(!api.removeFile(urlAt("c"))); // folders are removeDir's job
        QVERIFY(QFileInfo(at("c")).isDir());
    }

    void fileFacts()
    {
        writeBytes(at("f/scene.event.json"), "12345");
        QCOMPARE(api.fileType(at("f/scene.event.json")), QStringLiteral("event.json"));
        QCOMPARE(api.fileName(at("f/scene.event.json")), QStringLiteral("scene.event.json"));
        QCOMPARE(api.fileSize(at("f/scene.event.json")), qint64(5));
        QCOMPARE(api.fileSize(at("f")), qint64(0));
        QCOMPARE(api.fileType(at("f")), QString());
        QCOMPARE(api.fileName(at("f/none")), QString());
        QCOMPARE(api.getFileMD5Hash(at("f/scene.event.json")),
                 QStringLiteral("827ccb0eea8a706c4c34a16891f84e7b"));
        QCOMPARE(api.getFileMD5Hash(at("f/none")), QString());
    }

    void pathAndUrlConversions()
    {
        QCOMPARE(api.pathToUrl(QStringLiteral("/a/b c.txt")).toString(),
                 QStringLiteral("file:///a/b c.txt"));
        QCOMPARE(api.pathToUrl(QString()), QUrl());
        QCOMPARE(api.urlToPath(QUrl(QStringLiteral("file:///a/b%20c.txt"))),
                 QStringLiteral("/a/b c.txt"));
        QCOMPARE(api.urlToUnixPath(QUrl(QStringLiteral("qrc:/a.txt"))), QString());
        QCOMPARE(api.pathToFileName(QStringLiteral("/a/b/pic #1.png")).path(),
                 QStringLiteral("pic #1.png"));
        QVERIFY(api.pathToFileName(QStringLiteral("/a/b/pic.png")).isRelative());
        QCOMPARE(api.pathToFileName(QString()), QUrl());
        QCOMPARE(api.pathToDirName(QStringLiteral("file:///proj/Game.fabproject")),
                 QUrl(QStringLiteral("file:///proj")));
        QCOMPARE(api.pathToDirName(QStringLiteral("file:///Game.fabproject")),
                 QUrl(QStringLiteral("file:///")));
        QCOMPARE(api.pathToDirName(QStringLiteral("/proj/Game.fabproject")).path(),
                 QStringLiteral("/proj"));
        QCOMPARE(api.pathToDirName(QStringLiteral("Game.fabproject")).path(), QStringLiteral("."));
        QVERIFY(!api.createDirectories(QUrl()));
    }

    void dataLocationFollowsIdentity()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("VignettaWorks"));
        QCoreApplication::setApplicationName(QStringLiteral("Vignetta"));
        QVERIFY(append.standardDataLocation().endsWith(QStringLiteral("/VignettaWorks/Vignetta")));
    }
};

QTEST_MAIN(TestFileServices)
#include "tst_file_services.moc"
