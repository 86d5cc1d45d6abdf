#include "audio/audio_calls.h"
#include "audio/audio_player.h"
#include "ogg_test_util.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <QtWebEngine/qtwebengineglobal.h>

#include <memory>

using vignetta::audio::audioObject;
using vignetta::audio::AudioPlayer;
using vignetta::audio::playCall;

namespace {

// A window with a hidden web-engine view, as the main window holds one; `evaluate` runs a
// script in the page and reports its result.
const char kHarness[] = R"(
import QtQuick 2.15
import QtQuick.Window 2.15
import QtWebEngine 1.10
Window {
    width: 100; height: 100
    property alias view: view
    WebEngineView {
        id: view
        visible: false
        signal evaluated(int id, var result)
        signal consoleMessage(int level, string message)
        function evaluate(id, script) {
            runJavaScript(script, function(result) { view.evaluated(id, result) })
        }
        onJavaScriptConsoleMessage: view.consoleMessage(level, message)
    }
}
)";

// Reads the page's channels: per sound its state and the parameters of its audio nodes.
const char kProbe[] = R"(
window.probe = {
    sound: function (b) {
        if (!b) return null;
        var s = b._sourceNode, p = b._pannerNode;
        if (s && !s.probeId) s.probeId = ++probe.ids;
        return { url: b.url, ready: b.isReady(), playing: b.isPlaying(), error: b.isError(),
                 loopStart: b._loopStart, loopLength: b._loopLength, total: b._totalTime,
                 gain: b._gainNode ? b._gainNode.gain.value : -1,
                 rate: s ? s.playbackRate.value : -1, loop: s ? s.loop : false,
                 nodeLoopStart: s ? s.loopStart : -1, nodeLoopEnd: s ? s.loopEnd : -1,
                 x: p ? p.positionX.value : -9, z: p ? p.positionZ.value : -9,
                 position: b.seek(), node: s ? s.probeId : 0 };
    },
    state: function () {
        var m = AudioManager;
        return { bgm: this.sound(m._bgmBuffer), bgs: this.sound(m._bgsBuffer),
                 me: this.sound(m._meBuffer), se: m._seBuffers.map(this.sound),
                 currentBgm: m._currentBgm, time: WebAudio._context.currentTime };
    },
    // Checks `condition` every few milliseconds in the page (free of the test's own delays)
    // and keeps what `snapshot` returns when it first holds.
    watch: function (condition, snapshot) {
        clearInterval(probe.timer);
        probe.seen = null;
        probe.timer = setInterval(function () {
            var holds = false;
            try { holds = condition(); } catch (e) {}
            if (holds) {
                clearInterval(probe.timer);
                probe.seen = snapshot();
            }
        }, 2);
        return true;
    },
    seen: null,
    timer: 0,
    ids: 0
};
true
)";

QVariantMap audio(const QString &name, double volume = 90, double pitch = 100, double pan = 0)
{
    return {{"name", name}, {"volume", volume}, {"pitch", pitch}, {"pan", pan}};
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

// The page script in the real web engine, driven through AudioPlayer on a copy of the sample
// project's sounds. There is no sound card: what is checked is the state of the page (which
// sounds play, their gains, rates, panners, loop regions and positions).
class TestAudioPage : public QObject
{
    Q_OBJECT

    QQmlEngine engine_;
    std::unique_ptr<QObject> window_;
    QObject *view_ = nullptr;
    AudioPlayer player_;
    QTemporaryDir project_;
    QTemporaryDir outside_;
    QMap<int, QVariant> results_;
    QStringList pageErrors_;
    int nextId_ = 0;

    QVariant eval(const QString &script)
    {
        const int id = ++nextId_;
        QMetaObject::invokeMethod(view_, "evaluate", Q_ARG(QVariant, id), Q_ARG(QVariant, script));
        QElapsedTimer timer;
        timer.start();
        while (!results_.contains(id) && timer.elapsed() < 10000)
            QTest::qWait(2);
        return results_.take(id);
    }
    QVariantMap state() { return eval("probe.state()").toMap(); }
    QVariantMap sound(const QString &channel) { return state().value(channel).toMap(); }
    // Waits until the page script expression holds.
    bool waitFor(const QString &condition, int ms = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            if (eval(condition).toBool())
                return true;
            QTest::qWait(10);
        }
        return false;
    }
    bool waitLoaded(const QString &buffer)
    {
        return waitFor(QString("!!%1 && (%1.isReady() || %1.isError())").arg(buffer));
    }
    void watch(const QString &condition, const QString &snapshot = "probe.state()")
    {
        eval(QString("probe.watch(function () { return %1; }, function () { return %2; })")
                 .arg(condition, snapshot));
    }
    // What the last watch kept; invalid when its condition did not come to hold.
    QVariant seen(int ms = 5000)
    {
        return waitFor("probe.seen !== null", ms) ? eval("probe.seen") : QVariant();
    }
    QString folderUrl() const { return QUrl::fromLocalFile(project_.path() + "/").toString(); }
    void openPage(const QString &folder)
    {
        player_.setFolder(folder);
        QTRY_VERIFY_WITH_TIMEOUT(player_.pageReady(), 20000);
        QVERIFY(eval(kProbe).toBool());
    }
    void makeProject();

public slots:
    void onEvaluated(int id, const QVariant &result) { results_.insert(id, result); }
    void onConsoleMessage(int level, const QString &message)
    {
        if (level >= 1) // warnings, errors and uncaught exceptions
            pageErrors_.append(message);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(project_.isValid());
        makeProject();
        QQmlComponent component(&engine_);
        component.setData(kHarness, QUrl());
        window_.reset(component.create());
        QVERIFY2(window_, qPrintable(component.errorString()));
        view_ = window_->property("view").value<QObject *>();
        connect(view_, SIGNAL(evaluated(int, QVariant)), this, SLOT(onEvaluated(int, QVariant)));
        connect(view_, SIGNAL(consoleMessage(int, QString)), this,
                SLOT(onConsoleMessage(int, QString)));
        player_.setWebEngine(view_);
        openPage(folderUrl());
        QVERIFY(eval("WebAudio._context.state === 'running'").toBool());
        QVERIFY2(pageErrors_.isEmpty(), qPrintable(pageErrors_.join('\n')));
    }
    void init()
    {
        eval("AudioManager.stopAll(); true");
        pageErrors_.clear();
    }
    void cleanup() { QVERIFY2(pageErrors_.isEmpty(), qPrintable(pageErrors_.join('\n'))); }

    void loopRegionsComeFromTheTags()
    {
        // The sample's generator tags Meadow_Theme with a loop from 2 s to 8 s and Wind with
        // one from 0.5 s to 4.5 s; Chime has no tags.
        player_.play("bgm", audio("Meadow_Theme"));
        player_.play("BGS", audio("Wind"));
        player_.play("se", audio("Chime"));
        QVERIFY(waitFor("AudioManager._bgmBuffer.isPlaying() && AudioManager._bgsBuffer."
                        "isPlaying() && AudioManager._seBuffers[0].isPlaying()"));
        const QVariantMap s = state();
        const QVariantMap bgm = s["bgm"].toMap(), bgs = s["bgs"].toMap();
        const QVariantMap se = s["se"].toList().value(0).toMap();
        QCOMPARE(bgm["url"].toString(), QString("audio/bgm/Meadow_Theme.ogg"));
        QCOMPARE(bgm["loopStart"].toDouble(), 2.0);
        QCOMPARE(bgm["loopLength"].toDouble(), 6.0);
        QCOMPARE(bgm["nodeLoopStart"].toDouble(), 2.0);
        QCOMPARE(bgm["nodeLoopEnd"].toDouble(), 8.0);
        QVERIFY(bgm["loop"].toBool());
        QCOMPARE(bgs["loopStart"].toDouble(), 0.5);
        QCOMPARE(bgs["loopLength"].toDouble(), 4.0);
        QCOMPARE(se["loopStart"].toDouble(), 0.0);
        QCOMPARE(se["loopLength"].toDouble(), se["total"].toDouble());
        QVERIFY(!se["loop"].toBool());
    }

    void parametersMapToTheNodes_data()
    {
        QTest::addColumn<QVariantMap>("given");
        QTest::addColumn<double>("gain");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("z");
        QTest::newRow("volume 90") << audio("Dusk_Theme", 90) << 0.9 << 1.0 << 0.0 << 1.0;
        QTest::newRow("fast, fully left")
            << audio("Dusk_Theme", 100, 150, -100) << 1.0 << 1.5 << -1.0 << 0.0;
        QTest::newRow("slow, half right")
            << audio("Dusk_Theme", 50, 50, 50) << 0.5 << 0.5 << 0.5 << 0.5;
        QTest::newRow("out of range is held")
            << audio("Dusk_Theme", 250, 10, 300) << 1.0 << 0.5 << 1.0 << 0.0;
        QTest::newRow("name only")
            << QVariantMap{{"name", "Dusk_Theme"}} << 1.0 << 1.0 << 0.0 << 1.0;
    }
    void parametersMapToTheNodes()
    {
        QFETCH(QVariantMap, given);
        QFETCH(double, gain);
        QFETCH(double, rate);
        QFETCH(double, x);
        QFETCH(double, z);
        player_.play("bgm", given);
        QVERIFY(waitFor("!!AudioManager._bgmBuffer && AudioManager._bgmBuffer.isPlaying()"));
        const QVariantMap bgm = sound("bgm");
        QCOMPARE(float(bgm["gain"].toDouble()), float(gain));
        QCOMPARE(float(bgm["rate"].toDouble()), float(rate));
        QCOMPARE(float(bgm["x"].toDouble()), float(x));
        QCOMPARE(float(bgm["z"].toDouble()), float(z));
        player_.stop("bgm");
    }

    void sameBgmKeepsPlayingUnlessThePitchChanges()
    {
        player_.play("bgm", audio("Meadow_Theme", 90));
        QVERIFY(waitFor("AudioManager._bgmBuffer.isPlaying()"));
        const QVariant node = sound("bgm")["node"];
        QVERIFY(waitFor("AudioManager._bgmBuffer.seek() > 0.3"));
        player_.play("bgm", audio("Meadow_Theme", 40));
        QVERIFY(waitFor("AudioManager._bgmBuffer._gainNode.gain.value < 0.41"));
        QVariantMap bgm = sound("bgm");
        QCOMPARE(bgm["node"], node);
        QVERIFY(bgm["position"].toDouble() > 0.3);

        player_.play("bgm", audio("Meadow_Theme", 40, 120));
        bgm = sound("bgm");
        QVERIFY(bgm["node"] != node);
        QCOMPARE(float(bgm["rate"].toDouble()), 1.2f);
        QVERIFY(bgm["position"].toDouble() < 0.2);
    }

    void aSoundStillLoadingStartsAtTheLastRequest()
    {
        eval("probe.b = new WebAudio('audio/bgm/Meadow_Theme.ogg'); probe.b.play(true, 1); "
             "probe.b.play(true, 3); true");
        watch("probe.b.isPlaying()", "probe.b.seek()");
        const double position = seen().toDouble();
        eval("probe.b.stop(); probe.b = null; true");
        QVERIFY2(position >= 3 && position < 3.5, qPrintable(QString::number(position)));
    }

    void positionWrapsInsideTheLoopRegion()
    {
        // Started 0.2 s before the loop end (8 s), it must come back at the loop start (2 s).
        watch("AudioManager._bgmBuffer.isPlaying() && AudioManager._bgmBuffer.seek() < 7",
              "AudioManager._bgmBuffer.seek()");
        eval("AudioManager.playBgm({name: 'Meadow_Theme', volume: 90, pitch: 150, pan: 0}, 7.8)");
        const double wrapped = seen().toDouble();
        QVERIFY2(wrapped >= 2.0 && wrapped < 2.5, qPrintable(QString::number(wrapped)));
    }

    void fadeOutRampsTheGainToSilence()
    {
        player_.play("bgm", audio("Meadow_Theme", 80));
        QVERIFY(waitFor("AudioManager._bgmBuffer.isPlaying()"));
        eval("probe.old = AudioManager._bgmBuffer; true");
        player_.fadeOut("bgm", 2.0);
        // Two points of the ramp: the gain falls by 0.4 a second.
        const QString point = "[WebAudio._context.currentTime, probe.old._gainNode.gain.value]";
        watch("probe.old._gainNode.gain.value < 0.7", point);
        const QVariantList first = seen().toList();
        watch("probe.old._gainNode.gain.value < 0.4 && probe.old._gainNode.gain.value > 0", point);
        const QVariantList second = seen().toList();
        QCOMPARE(second.size(), 2);
        const double slope = (second[1].toDouble() - first[1].toDouble()) /
                             (second[0].toDouble() - first[0].toDouble());
        QVERIFY2(qAbs(slope + 0.4) < 0.04, qPrintable(QString::number(slope)));
        QVERIFY(waitFor("probe.old._gainNode.gain.value === 0", 3000));
        // Silent but still running; the record is forgotten, so the same name starts anew.
        QVERIFY(sound("bgm")["playing"].toBool());
        QVERIFY(state()["currentBgm"].isNull());
        watch("AudioManager._bgmBuffer !== probe.old && AudioManager._bgmBuffer.isPlaying()");
        player_.play("bgm", audio("Meadow_Theme", 80));
        const QVariantMap bgm = seen().toMap()["bgm"].toMap();
        QVERIFY(!eval("probe.old.isPlaying()").toBool());
        QCOMPARE(float(bgm["gain"].toDouble()), 0.8f);
        QVERIFY(bgm["position"].toDouble() < 0.4);
        eval("probe.old = null; true");
    }

    void meInterruptsTheBgmWhichResumesFadingIn()
    {
        player_.play("bgm", audio("Meadow_Theme", 60));
        QVERIFY(waitFor("AudioManager._bgmBuffer.isPlaying() && AudioManager._bgmBuffer.seek() "
                        "> 0.5"));
        player_.play("me", audio("Short"));
        const QVariantMap s = state();
        QVERIFY(!s["bgm"].toMap()["playing"].toBool());
        const double held = s["currentBgm"].toMap()["pos"].toDouble();
        QVERIFY(held > 0.5);
        // "Short" lasts 0.6 s; then the BGM goes on from where it was, fading in over 0.5 s.
        watch("AudioManager._meBuffer === null && AudioManager._bgmBuffer.isPlaying()");
        const QVariantMap bgm = seen(3000).toMap()["bgm"].toMap();
        const double position = bgm["position"].toDouble();
        QVERIFY2(position > held - 1e-6 && position < held + 0.3,
                 qPrintable(QString("%1 %2").arg(position).arg(held)));
        QVERIFY(bgm["gain"].toDouble() < 0.45);
        QVERIFY(waitFor("AudioManager._bgmBuffer._gainNode.gain.value > 0.599", 2000));
    }

    void bgmStartedDuringAnMeWaitsForItsEnd()
    {
        player_.play("me", audio("Short"));
        player_.play("bgm", audio("Dusk_Theme"));
        QVERIFY(waitLoaded("AudioManager._bgmBuffer"));
        QVERIFY(!sound("bgm")["playing"].toBool());
        watch("AudioManager._bgmBuffer.isPlaying()");
        QVERIFY(seen(3000).toMap()["bgm"].toMap()["position"].toDouble() < 0.4);

        // Interrupted while still loading, it has no position yet: it starts from the beginning.
        eval("AudioManager.stopAll(); true");
        player_.play("bgm", audio("Meadow_Theme"));
        player_.play("me", audio("Short"));
        QCOMPARE(state()["currentBgm"].toMap()["pos"].toDouble(), 0.0);
        watch("AudioManager._meBuffer === null && AudioManager._bgmBuffer.isPlaying()");
        QVERIFY(seen(3000).toMap()["bgm"].toMap()["position"].toDouble() < 0.4);
    }

    void sesOverlapAndStopTogether()
    {
        // Asked for at once, both are still loading when the second comes: both must stay
        // reachable by the stop.
        player_.play("se", audio("Thud"));
        player_.play("se", audio("Thud"));
        QCOMPARE(eval("probe.kept = AudioManager._seBuffers.slice(); probe.kept.length").toInt(),
                 2);
        player_.stop("se");
        QTest::qWait(300);
        QCOMPARE(eval("probe.kept.filter(function (b) { return !b.isFinished(); }).length").toInt(),
                 0);

        player_.play("se", audio("Chime"));
        player_.play("se", audio("Bell"));
        QVERIFY(waitFor("AudioManager._seBuffers.length === 2 && AudioManager._seBuffers.every("
                        "function (b) { return b.isPlaying(); })"));
        player_.stop("se");
        QCOMPARE(state()["se"].toList().size(), 0);
        QVERIFY(eval("probe.kept = null; true").toBool());
    }

    void missingSoundIsSilentAndTheRestPlays()
    {
        player_.play("bgs", audio("Stream"));
        player_.play("bgm", audio("Meadow_Theme"));
        QVERIFY(waitFor("AudioManager._bgmBuffer.isPlaying()"));
        // An ME that cannot be read ends at once: the BGM it interrupted comes back.
        for (const QString &me : QStringList{"No_Such_Fanfare", "Cut_Headers"}) {
            player_.play("me", audio(me));
            QVERIFY(waitFor("AudioManager._meBuffer === null && "
                            "AudioManager._bgmBuffer.isPlaying()"));
        }
        player_.play("bgm", audio("No_Such_Theme"));
        QVERIFY(waitLoaded("AudioManager._bgmBuffer"));
        const QVariantMap s = state();
        QVERIFY(s["bgm"].toMap()["error"].toBool());
        QVERIFY(!s["bgm"].toMap()["playing"].toBool());
        QVERIFY(s["bgs"].toMap()["playing"].toBool());
    }

    void badFilesStaySilentOrLoopWhole_data()
    {
        // Loop start and length in seconds; -1 for the whole sound, -2 for silence.
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("loopStart");
        QTest::addColumn<double>("loopLength");
        QTest::newRow("good tags") << "Tag_Good" << 0.1 << 0.3;
        QTest::newRow("start beyond the end") << "Tag_Beyond" << -1.0 << -1.0;
        QTest::newRow("length 0") << "Tag_ZeroLength" << -1.0 << -1.0;
        QTest::newRow("end past the end") << "Tag_PastEnd" << 0.1 << -1.0;
        QTest::newRow("not digits") << "Tag_NotDigits" << -1.0 << -1.0;
        QTest::newRow("digit byte after the value") << "Tag_DigitAfter" << 0.1 << 0.3;
        QTest::newRow("split between segments") << "Tag_Split" << 0.1 << 0.3;
        QTest::newRow("10000 pages") << "Tag_ManyPages" << 0.1 << 0.3;
        QTest::newRow("truncated headers") << "Cut_Headers" << -2.0 << -2.0;
        QTest::newRow("not Ogg") << "Not_Ogg" << -2.0 << -2.0;
        QTest::newRow("empty") << "Empty" << -2.0 << -2.0;
    }
    void badFilesStaySilentOrLoopWhole()
    {
        QFETCH(QString, name);
        QFETCH(double, loopStart);
        QFETCH(double, loopLength);
        player_.play("bgm", audio(name));
        QVERIFY(waitLoaded("AudioManager._bgmBuffer"));
        if (loopStart == -2) {
            QVERIFY(waitFor("AudioManager._bgmBuffer.isError()"));
            QVERIFY(!sound("bgm")["playing"].toBool());
            return;
        }
        QVERIFY(waitFor("AudioManager._bgmBuffer.isPlaying()"));
        const QVariantMap bgm = sound("bgm");
        const double total = bgm["total"].toDouble();
        QVERIFY(total > 0.5 && total < 0.7);
        QCOMPARE(bgm["loopStart"].toDouble(), loopStart < 0 ? 0.0 : loopStart);
        QCOMPARE(bgm["loopLength"].toDouble(),
                 loopLength >= 0 ? loopLength : total - bgm["loopStart"].toDouble());
    }

    void tagReaderSurvivesEveryTruncation()
    {
        // Each prefix of a file's header pages gives the tags whole or not at all, never a
        // wrong number, and nothing is thrown.
        const QByteArray bytes = readFile(project_.path() + "/audio/bgm/Tag_DigitAfter.ogg");
        QVERIFY(bytes.size() > 600);
        const QString script = QString(R"(
            var bytes = Uint8Array.from(atob('%1'), function (c) { return c.charCodeAt(0); });
            var bad = [];
            for (var n = 0; n <= bytes.length; n++) {
                var t = WebAudio.readLoopTags(bytes.subarray(0, n));
                var whole = t.loopStart === 2205 && t.loopLength === 6615;
                var none = t.loopStart === 0 && t.loopLength === 0;
                if (!(whole || none) || (whole && t.sampleRate !== 22050)) bad.push(n);
            }
            var full = WebAudio.readLoopTags(bytes);
            bad.length === 0 && full.loopLength === 6615 ? 'ok' : 'bad at ' + bad.slice(0, 5))")
                                   .arg(QString::fromLatin1(bytes.left(8000).toBase64()));
        QCOMPARE(eval(script).toString(), QString("ok"));
    }

    void namesReachThePageOnlyAsText()
    {
        // Through the player (a name without a path separator passes the folder check) ...
        const QString name = QString::fromUtf8("a\"b'c)<script>window.hacked=1;<script>"
                                               "\u2028\u2029${window.hacked=2}`;window.hacked=3;");
        player_.play("bgm", audio(name));
        QVERIFY(waitLoaded("AudioManager._bgmBuffer"));
        QCOMPARE(eval("AudioManager._currentBgm.name").toString(), name);
        // ... and the call text itself, with what a name in a page's markup could close.
        const QString closing = name + "</script><!--";
        eval(playCall("bgm", audioObject(QVariantMap{{"name", closing}})));
        QCOMPARE(eval("AudioManager._currentBgm.name").toString(), closing);
        QCOMPARE(eval("typeof window.hacked").toString(), QString("undefined"));
    }

    void namesOutsideTheChannelFolderAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plays");
        QTest::newRow("climbs out") << "../se/Thud" << false;
        QTest::newRow("back slash") << "..\\se\\Thud" << false;
        QTest::newRow("link leaving the folder") << "Link_Out" << false;
        QTest::newRow("dangling link") << "Link_Nowhere" << false;
        QTest::newRow("link inside the folder") << "Link_In" << true;
    }
    void namesOutsideTheChannelFolderAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(bool, plays);
        player_.play("bgm", audio("Dusk_Theme"));
        QVERIFY(waitFor("AudioManager._bgmBuffer.isPlaying()"));
        player_.play("bgm", audio(name));
        if (plays) {
            QVERIFY(waitFor("AudioManager._bgmBuffer.url.indexOf('Link_In') >= 0 && "
                            "AudioManager._bgmBuffer.isPlaying()"));
        } else {
            // Sent as an empty name: the channel stops and nothing is fetched.
            QVERIFY(waitFor("AudioManager._bgmBuffer === null"));
            QCOMPARE(eval("AudioManager._currentBgm.name").toString(), QString());
        }
        QCOMPARE(player_.getLastPlayed("bgm").toMap()["name"].toString(), name);
    }

    void changingTheProjectStopsEverything()
    {
        player_.play("bgm", audio("Meadow_Theme"));
        QVERIFY(waitFor("AudioManager._bgmBuffer.isPlaying()"));
        QVERIFY(!player_.lastPlayed().isEmpty());
        player_.setFolder("");
        QVERIFY(player_.lastPlayed().isEmpty());
        QTRY_COMPARE(eval("typeof AudioManager").toString(), QString("undefined"));
        QVERIFY(!player_.pageReady());
        openPage(folderUrl());
        QVERIFY(state()["bgm"].isNull());
    }
};

void TestAudioPage::makeProject()
{
    // The sample's sounds, one short SE also as an ME, and files made bad on purpose.
    const QString sample = QStringLiteral(VIGNETTA_SOURCE_DIR "/sample/SampleProject/audio/");
    const QString audioDir = project_.path() + "/audio/";
    for (const QString channel : {"bgm", "bgs", "me", "se"}) {
        QVERIFY(QDir().mkpath(audioDir + channel));
        for (const QString &file : QDir(sample + channel).entryList({"*.ogg"}, QDir::Files))
            QVERIFY(QFile::copy(sample + channel + "/" + file, audioDir + channel + "/" + file));
    }
    const QByteArray thud = readFile(sample + "se/Thud.ogg");
    QVERIFY(writeFile(audioDir + "me/Short.ogg", thud));

    // Thud: 0.6 s at 22050 Hz. Loop tags in samples.
    const ogg_test::VorbisFile vorbis = ogg_test::splitVorbis(thud);
    QCOMPARE(vorbis.headers.size(), 3);
    const QByteArray start = "LOOPSTART=2205", length = "LOOPLENGTH=6615";
    auto tagged = [&](const QList<QByteArray> &comments, int segmentsPerPage = 255) {
        return ogg_test::withComments(vorbis, ogg_test::commentPacket(comments), segmentsPerPage);
    };
    const QMap<QString, QByteArray> files = {
        {"Tag_Good", tagged({start, length, "TITLE=Thud"})},
        {"Tag_Beyond", tagged({"LOOPSTART=22050000", "LOOPLENGTH=2205"})},
        {"Tag_ZeroLength", tagged({start, "LOOPLENGTH=0"})},
        {"Tag_PastEnd", tagged({start, "LOOPLENGTH=2205000"})},
        {"Tag_NotDigits", tagged({"LOOPSTART=22o5", "LOOPLENGTH=-6615", "LOOPLENGTH="})},
        // The next comment's length, 53, is the byte '5'.
        {"Tag_DigitAfter", tagged({start, QByteArray(53, 'x'), length})},
        // The comment header's first segment ends inside "LOOPSTART".
        {"Tag_Split", tagged({"X=" + QByteArray(212, 'x'), start, length})},
        {"Tag_ManyPages", tagged({"X=" + QByteArray(10000 * 255, 'x'), start, length}, 1)},
        {"Cut_Headers", tagged({start, length}).left(200)},
        {"Not_Ogg", "This is not a sound.\n"},
        {"Empty", QByteArray()},
    };
    for (auto it = files.begin(); it != files.end(); ++it)
        QVERIFY(writeFile(audioDir + "bgm/" + it.key() + ".ogg", it.value()));
    QVERIFY(writeFile(audioDir + "me/Cut_Headers.ogg", files["Cut_Headers"]));

    QVERIFY(writeFile(outside_.path() + "/Secret.ogg", thud));
    QVERIFY(QFile::link(outside_.path() + "/Secret.ogg", audioDir + "bgm/Link_Out.ogg"));
    QVERIFY(QFile::link(outside_.path() + "/Gone.ogg", audioDir + "bgm/Link_Nowhere.ogg"));
    QVERIFY(QFile::link(audioDir + "bgm/Tag_Good.ogg", audioDir + "bgm/Link_In.ogg"));
}

int main(int argc, char **argv)
{
    QtWebEngine::initialize();
    QGuiApplication app(argc, argv);
    TestAudioPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_audio_page.moc"
