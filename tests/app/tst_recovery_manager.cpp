#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

#include "bridge/timeline_data_manager.h"
#include "recovery/recovery_manager.h"
#include "scene/recovery_file.h"
#include "scene/recovery_store.h"

using namespace vignetta;
using bridge::TimelineDataManager;
using recovery::RecoveryManager;

namespace {

// One running editor: its scene, and the recovery manager wired as the window wires it.
struct Instance
{
    TimelineDataManager scene;
    RecoveryManager recovery;

    explicit Instance(const QString &folder)
    {
        recovery.setFolder(folder);
        recovery.setScene(&scene);
    }
    // What the window does when a project opens: the old project is given up, the scene is
    // reset to an empty one with a one-step history, then the new project is taken on.
    void open(const QString &projectPath)
    {
        recovery.projectClosed();
        scene.clearData();
        scene.clearBuffer();
        scene.pushBuffer();
        recovery.projectOpened(QUrl::fromLocalFile(projectPath).toString());
    }
    void insert(int mode = scene::mode_picture) { QVERIFY(scene.insertNewBlock(mode, 0, 1) > 0); }
};

} // namespace

class RecoveryManagerTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;
    QString projectA, projectB;

    QString makeProject(const QString &name)
    {
        QDir(dir->path()).mkpath(name);
        const QString path = dir->filePath(name + "/Game.fabproject");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("{}");
        return path;
    }

    // Blocks in a project's recovery file, -1 when it cannot be read.
    static int blocksIn(const QString &file, const QString &project)
    {
        const auto read = scene::readRecoveryFile(
            file.toStdString(), QFileInfo(project).canonicalFilePath().toStdString());
        return read ? read.document.numBlock() : -1;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        folder = dir->filePath("Recovery");
        projectA = makeProject("a");
        projectB = makeProject("b");
    }

    void editsReachTheFileAtMostOnceASecondAndTheLastOneAlways()
    {
        Instance editor(folder);
        editor.open(projectA);
        QVERIFY(!editor.recovery.recoveryFile().isEmpty());
        QVERIFY2(!QFile::exists(editor.recovery.recoveryFile()), "an empty scene was written");

        QSignalSpy writes(&editor.recovery, &RecoveryManager::writeFinished);
        editor.insert();
        QTRY_COMPARE(blocksIn(editor.recovery.recoveryFile(), projectA), 1);
        writes.clear();
        for (int i = 0; i < 5; ++i)
            editor.insert();
        // The burst lands whole, in one delayed write (two if a second had passed since the
        // first write when the burst began).
        QTRY_COMPARE_WITH_TIMEOUT(blocksIn(editor.recovery.recoveryFile(), projectA), 6, 3000);
        QTest::qWait(50);
        QVERIFY2(writes.count() <= 2, qPrintable(QString::number(writes.count())));
        // Undo is a state to come back to as well.
        QVERIFY(editor.scene.undo());
        editor.recovery.flush();
        QCOMPARE(blocksIn(editor.recovery.recoveryFile(), projectA), 5);
    }

    void theSceneComesBackAsOneUndoStep()
    {
        scene::Document before;
        QString file;
        {
            Instance crashed(folder);
            crashed.open(projectA);
            crashed.insert(scene::mode_message);
            crashed.insert(scene::mode_comment);
            crashed.insert(scene::mode_screen);
            QVERIFY(crashed.scene.addLane() > 0);
            crashed.recovery.flush();
            before = crashed.scene.document();
            file = crashed.recovery.recoveryFile();
        } // ends without letting the scene go, as a crash does
        QVERIFY(QFile::exists(file));

        Instance next(folder);
        QSignalSpy offered(&next.recovery, &RecoveryManager::restoreOffered);
        QSignalSpy reset(&next.scene, &TimelineDataManager::documentReset);
        next.open(projectA);
        QCOMPARE(offered.count(), 1);
        QCOMPARE(offered.at(0).at(0).toInt(), 3);
        QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d$")
                    .match(offered.at(0).at(1).toString())
                    .hasMatch());
        QVERIFY(next.recovery.restorePending());
        QCOMPARE(next.recovery.recoveryFile(), file);

        reset.clear();
        QVERIFY(next.recovery.restore());
        QVERIFY(!next.recovery.restorePending());
        QCOMPARE(reset.count(), 1);
        QVERIFY(next.scene.document().unify() == before.unify());
        QCOMPARE(next.scene.document().getLastLaneId(), before.getLastLaneId());
        QVERIFY(next.scene.canUndo());
        QVERIFY(next.scene.undo());
        QVERIFY(next.scene.document().isEmpty());
        QVERIFY2(!next.recovery.restore(), "restored twice");
    }

    void nothingIsWrittenUntilTheQuestionIsAnsweredAndNoRemovesTheFile()
    {
        QString file;
        {
            Instance crashed(folder);
            crashed.open(projectA);
            crashed.insert();
            crashed.insert();
            crashed.recovery.flush();
            file = crashed.recovery.recoveryFile();
        }
        Instance next(folder);
        next.open(projectA);
        QVERIFY(next.recovery.restorePending());
        next.insert(); // an edit while the question is open must not replace the offered scene
        next.recovery.flush();
        QCOMPARE(blocksIn(file, projectA), 2);
        // The scene may go only when the question is answered.
        next.recovery.discard();
        QVERIFY(QFile::exists(file));

        next.recovery.decline();
        QVERIFY(!next.recovery.restorePending());
        next.recovery.flush();
        // The edit made meanwhile is written after No.
        QCOMPARE(blocksIn(file, projectA), 1);
        next.recovery.discard();
        next.recovery.flush();
        QVERIFY(!QFile::exists(file));
    }

    void discardRemovesTheFileAndTheWriteThatWaited()
    {
        Instance editor(folder);
        editor.open(projectA);
        editor.insert();
        editor.recovery.flush();
        const QString file = editor.recovery.recoveryFile();
        QVERIFY(QFile::exists(file));
        editor.insert(); // within a second of the last write: waits
        editor.recovery.discard();
        QVERIFY(!QFile::exists(file));
        QTest::qWait(1300);
        QVERIFY2(!QFile::exists(file), "the waiting write came back after the discard");
        // New Timeline: the empty scene is not worth a file; the next edit is.
        editor.scene.clearData();
        editor.scene.clearBuffer();
        editor.scene.pushBuffer();
        editor.recovery.flush();
        QVERIFY(!QFile::exists(file));
        editor.insert();
        editor.recovery.flush();
        QCOMPARE(blocksIn(file, projectA), 1);
    }

    void openingAnotherProjectKeepsTheFirstProjectsScene()
    {
        Instance editor(folder);
        editor.open(projectA);
        editor.insert();
        editor.recovery.flush();
        editor.insert(); // still waiting for its write when the project is given up
        const QString fileA = editor.recovery.recoveryFile();

        editor.open(projectB);
        QCOMPARE(blocksIn(fileA, projectA), 2);
        QVERIFY(editor.recovery.recoveryFile() != fileA);
        QVERIFY(!editor.recovery.restorePending());
        editor.insert();
        editor.recovery.flush();
        QCOMPARE(blocksIn(editor.recovery.recoveryFile(), projectB), 1);
        QCOMPARE(blocksIn(fileA, projectA), 2);

        // Coming back to the first project offers its scene.
        QSignalSpy offered(&editor.recovery, &RecoveryManager::restoreOffered);
        editor.open(projectA);
        QCOMPARE(offered.count(), 1);
        QCOMPARE(offered.at(0).at(0).toInt(), 2);
    }

    void aSecondInstanceKeepsToItsOwnFile()
    {
        Instance first(folder);
        first.open(projectA);
        for (int i = 0; i < 3; ++i)
            first.insert();
        first.recovery.flush();

        Instance second(folder);
        QSignalSpy offered(&second.recovery, &RecoveryManager::restoreOffered);
        second.open(projectA);
        QVERIFY2(offered.isEmpty(), "offered a scene that is still open elsewhere");
        QVERIFY(second.recovery.recoveryFile() != first.recovery.recoveryFile());
        second.insert();
        second.recovery.flush();
        QCOMPARE(blocksIn(second.recovery.recoveryFile(), projectA), 1);
        QCOMPARE(blocksIn(first.recovery.recoveryFile(), projectA), 3);
    }

    void aBadFileIsSetAsideAndReportedOnce()
    {
        // A data folder whose name holds an escape sequence: the message must not carry it.
        const QString oddFolder = dir->filePath(QStringLiteral("Re\x1b[2Jcovery"));
        const QString canonical = QFileInfo(projectA).canonicalFilePath();
        const QString name = QString::fromStdString(
            scene::recoverySlotName(scene::recoveryKey(canonical.toStdString()), 1));
        const QString file = QDir(oddFolder).filePath(name);
        QVERIFY(QDir().mkpath(oddFolder));
        {
            QFile bad(file);
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write("{\"format\":\"vignetta-recovery\",\"version\":1,\"projectPath\":\"/x");
        }
        Instance editor(oddFolder);
        QSignalSpy warnings(&editor.recovery, &RecoveryManager::warning);
        QSignalSpy offered(&editor.recovery, &RecoveryManager::restoreOffered);
        editor.open(projectA);
        QCOMPARE(warnings.count(), 1);
        QCOMPARE(offered.count(), 0);
        const QString message = warnings.at(0).at(0).toString();
        QVERIFY2(message.contains(name + ".bad") && message.contains("damaged"),
                 qPrintable(message));
        QVERIFY2(!message.contains(QChar(0x1b)) && message.contains("Re\\u001b[2Jcovery"),
                 qPrintable(message));
        QVERIFY(QFile::exists(file + ".bad"));
        editor.open(projectA);
        QVERIFY2(warnings.count() == 1, "the same bad file reported twice");
        editor.insert();
        editor.recovery.flush();
        QCOMPARE(blocksIn(file, projectA), 1);
        QVERIFY(QFile::exists(file + ".bad"));
    }

    void failingWritesWarnOnceAndEditingGoesOn()
    {
        Instance editor(folder);
        QSignalSpy warnings(&editor.recovery, &RecoveryManager::warning);
        QSignalSpy writes(&editor.recovery, &RecoveryManager::writeFinished);
        editor.open(projectA);
        // The data folder becomes unusable (as a read-only or full disk would be).
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        for (int i = 0; i < 4; ++i) {
            editor.insert();
            editor.recovery.flush();
        }
        QCOMPARE(editor.scene.numBlock(), 4);
        QCOMPARE(writes.count(), 4);
        QVERIFY(!writes.at(3).at(0).toBool());
        QCOMPARE(warnings.count(), 1);

        // Back to normal, then failing again: a new run of failures is worth a new warning.
        QVERIFY(QFile::remove(folder));
        editor.insert();
        editor.recovery.flush();
        QVERIFY(writes.last().at(0).toBool());
        QCOMPARE(blocksIn(editor.recovery.recoveryFile(), projectA), 5);
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        editor.insert();
        editor.recovery.flush();
        QCOMPARE(warnings.count(), 2);
    }

    void noSlotMeansOneWarningAndNoWrites()
    {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Instance editor(folder);
        QSignalSpy warnings(&editor.recovery, &RecoveryManager::warning);
        QSignalSpy writes(&editor.recovery, &RecoveryManager::writeFinished);
        editor.open(projectA);
        QCOMPARE(warnings.count(), 1);
        editor.insert();
        editor.recovery.flush();
        QCOMPARE(writes.count(), 0);
        QCOMPARE(warnings.count(), 1);
    }
};

QTEST_GUILESS_MAIN(RecoveryManagerTest)
#include "tst_recovery_manager.moc"
