#include "audio/audio_calls.h"
#include "audio/audio_player.h"
#include "audio/sound_files.h"

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace vignetta::audio;
namespace json = vignetta::json;

// Stands in for the web-engine view: records the scripts and loads it is asked for, and
// reports load progress when told to.
class FakeView : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int loadProgress READ loadProgress NOTIFY loadProgressChanged)
    Q_PROPERTY(QUrl url MEMBER url)
    Q_PROPERTY(QObject *settings READ settings CONSTANT)

public:
    QStringList scripts;
    QList<QUrl> loads;
    QUrl url;
    int progress = 100;
    QObject settingsObject;

    int loadProgress() const { return progress; }
    QObject *settings() { return &settingsObject; }
    Q_INVOKABLE void runJavaScript(const QString &script) { scripts.append(script); }
    Q_INVOKABLE void loadHtml(const QString &, const QUrl &baseUrl)
    {
        loads.append(baseUrl);
        url = baseUrl;
        setProgress(0);
    }
    void setProgress(int value)
    {
        progress = value;
        emit loadProgressChanged();
    }

signals:
    void loadProgressChanged();
};

class TestAudioPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString folderUrl() const { return QUrl::fromLocalFile(dir_.path() + "/").toString(); }
    static QVariantMap theme(double volume = 90)
    {
        return {{"name", "Theme"}, {"volume", volume}, {"pitch", 100}, {"pan", 0}};
    }

private slots:
    void callsReachThePageInOrderOnceItHasLoaded()
    {
        AudioPlayer player;
        // No view yet: nothing happens, nothing is recorded.
        player.play("bgm", theme());
        QVERIFY(player.lastPlayed().isEmpty());

        FakeView view;
        player.setWebEngine(&view);
        QCOMPARE(view.settingsObject.property("playbackRequiresUserGesture"), QVariant(false));
        QCOMPARE(view.settingsObject.property("localContentCanAccessFileUrls"), QVariant(true));
        QCOMPARE(view.settingsObject.property("localContentCanAccessRemoteUrls"), QVariant(false));
        // The blank view at 100 % is not a project page.
        view.setProgress(100);
        QVERIFY(view.scripts.isEmpty());

        player.setFolder(folderUrl());
        QCOMPARE(view.loads, QList<QUrl>{QUrl::fromLocalFile(dir_.path() + "/")});
        player.play("bgm", theme());
        QCOMPARE(player.getLastPlayed("bgm").toMap()["name"].toString(), QString("Theme"));
        view.setProgress(100);
        QVERIFY(player.pageReady());
        QCOMPARE(view.scripts.size(), 1);
        QVERIFY(view.scripts[0].startsWith("if (typeof AudioManager === \"undefined\") {"));
        QVERIFY(view.scripts[0].contains("WebAudio.initialize();"));
        QVERIFY(view.scripts[0].contains(AudioPlayer::pageLibrary()));
        QVERIFY(AudioPlayer::pageLibrary().contains("var AudioManager"));

        view.scripts.clear();
        player.play("BGM", theme(40));
        player.play("se", QVariantMap{{"name", "Bell"}, {"volume", 100}});
        player.stop("Me");
        player.fadeOut("bgs", 1.5);
        player.fadeOut("bgm", std::nan(""));
        player.stopAll();
        QTest::ignoreMessage(QtWarningMsg, "Unknown audio channel \"voice\"");
        player.play("voice", theme());
        QTest::ignoreMessage(QtWarningMsg, "Unknown audio channel \"bgm;alert(1)\"");
        player.fadeOut("bgm;alert(1)", 1);
        QCOMPARE(view.scripts,
                 QStringList(
                     {R"(AudioManager.playBgm({"name":"Theme","volume":40,"pitch":100,"pan":0}))",
                      R"(AudioManager.playSe({"name":"Bell","volume":100,"pitch":100,"pan":0}))",
                      "AudioManager.stopMe()", "AudioManager.fadeOutBgs(1.5)",
                      "AudioManager.fadeOutBgm(0)", "AudioManager.stopAll()"}));

        // lastPlayed: kept by stopAll and fades, null after a stop, gone with the project.
        QCOMPARE(player.getLastPlayed("bgm").toMap()["volume"].toDouble(), 40.0);
        QVERIFY(player.getLastPlayed("me").isNull());
        QVERIFY(player.getLastPlayed("bgs").isNull());
        QJSEngine js;
        QVERIFY(js.toScriptValue(player.lastPlayed()).property("me").isNull());
        QCOMPARE(player.lastPlayed().keys(), QStringList({"bgm", "me", "se"}));

        view.scripts.clear();
        player.setFolder("");
        QCOMPARE(view.scripts, QStringList{"AudioManager.stopAll()"});
        QVERIFY(player.lastPlayed().isEmpty());
        QVERIFY(!player.pageReady());
        QCOMPARE(view.url, QUrl("about:blank"));
        view.setProgress(100);
        player.play("bgm", theme());
        QCOMPARE(view.scripts.size(), 1);
    }

    void aLateReportOfAnotherPageInstallsNothing()
    {
        AudioPlayer player;
        FakeView view;
        player.setWebEngine(&view);
        player.setFolder(folderUrl());
        view.url = QUrl("file:///elsewhere/");
        view.setProgress(100);
        QVERIFY(view.scripts.isEmpty());
        QVERIFY(!player.pageReady());
    }

    void aViewGoneStopsTheCalls()
    {
        AudioPlayer player;
        auto view = std::make_unique<FakeView>();
        player.setFolder(folderUrl());
        // Set after the folder: the page is loaded at once.
        player.setWebEngine(view.get());
        QCOMPARE(view->loads.size(), 1);
        view->setProgress(100);
        QVERIFY(player.pageReady());
        view.reset();
        QVERIFY(!player.engine());
        QVERIFY(!player.pageReady());
        player.play("bgm", theme());
        player.stopAll();
    }

    void audioObjectsHoldTheEditorsRanges_data()
    {
        QTest::addColumn<QVariant>("given");
        QTest::addColumn<QString>("sent");
        QTest::newRow("as the editors give it")
            << QVariant(QVariantMap{{"name", "Théme 1"},
                                    {"volume", 85},
                                    {"pitch", 120},
                                    {"pan", -40},
                                    {"extra", true}})
            << R"({"name":"Théme 1","volume":85,"pitch":120,"pan":-40})";
        QTest::newRow("beyond the ranges")
            << QVariant(QVariantMap{{"name", 7}, {"volume", 101}, {"pitch", 0}, {"pan", -1e9}})
            << R"({"name":"7","volume":100,"pitch":50,"pan":-100})";
        QTest::newRow("text numbers and junk")
            << QVariant(QVariantMap{{"name", QVariantList{}}, {"volume", "30"}, {"pitch", "x"}})
            << R"({"name":"","volume":30,"pitch":100,"pan":0})";
        QTest::newRow("nothing") << QVariant() << R"({"name":"","volume":100,"pitch":100,"pan":0})";
    }
    void audioObjectsHoldTheEditorsRanges()
    {
        QFETCH(QVariant, given);
        QFETCH(QString, sent);
        QCOMPARE(scriptLiteral(audioObject(given)), sent);
    }

    void scriptTextCannotCloseAnything()
    {
        const std::string name = "\"</script><!--\xE2\x80\xA8\xE2\x80\xA9&\\\n'";
        const QString text = scriptLiteral(json::Json{{"name", name}});
        for (const QString &raw : QStringList{"<", ">", "&", "\n", "\u2028", "\u2029"})
            QVERIFY2(!text.contains(raw), qPrintable(raw));
        // Still JSON that reads back to the same name.
        const json::ParseResult back = json::parseJson(text.toStdString());
        QVERIFY(back.ok);
        QCOMPARE(QString::fromStdString(back.value["name"].get<std::string>()),
                 QString::fromStdString(name));
        QCOMPARE(channelCallName("bgs"), QString("Bgs"));
        QCOMPARE(channelName("sE"), std::optional<QString>("se"));
        QCOMPARE(channelName("se "), std::nullopt);
    }

    void soundNamesAndFolders()
    {
        QCOMPARE(localProjectFolder("file:///games/My%20Quest/"), QString("/games/My Quest"));
        QCOMPARE(localProjectFolder("/games/Quest/"), QString("/games/Quest"));
        QCOMPARE(localProjectFolder("http://example.com/Quest/"), QString());
        QCOMPARE(localProjectFolder("qrc:/Quest/"), QString());
        QCOMPARE(localProjectFolder(""), QString());

        QVERIFY(QDir().mkpath(dir_.path() + "/audio/se"));
        QFile file(dir_.path() + "/audio/se/Bell.ogg");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString project = dir_.path();
        QVERIFY(soundNameAllowed(project, "se", "Bell"));
        QVERIFY(soundNameAllowed(project, "se", ""));
        QVERIFY(soundNameAllowed(project, "se", "Not_There"));
        QVERIFY(soundNameAllowed(project, "se", ".."));
        QVERIFY(!soundNameAllowed(project, "se", "sub/Bell"));
        QVERIFY(!soundNameAllowed(project, "se", QString("Bell") + QChar(0)));
        QVERIFY(!soundNameAllowed(QString(), "se", "Bell"));
        // The channel folder itself may be a link (a shared sound library).
        QVERIFY(QFile::link(project + "/audio/se", project + "/audio/me"));
        QVERIFY(soundNameAllowed(project, "me", "Bell"));
    }
};

QTEST_MAIN(TestAudioPlayer)

#include "tst_audio_player.moc"
