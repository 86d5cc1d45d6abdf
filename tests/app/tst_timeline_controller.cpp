#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

#include "bridge_test_util.h"

#include "qml_registration.h"
#include "scene/builders.h"
#include "scene/scene_file.h"
#include "timeline/selected_block.h"
#include "timeline/timeline_controller.h"

using namespace vignetta;
using timeline::TimelineController;

// The timeline controller on the real document singleton: mouse sequences, the selection,
// insertion, the clipboard text, deletion, undo, zoom and the playback clock. Mouse positions
// are timeline pixels (4 per frame, 64-pixel lanes unless shrunk).
class TimelineControllerTest : public QObject, BridgeFixture
{
    Q_OBJECT

    TimelineController *tc = nullptr;

    int snapshot() const { return manager->bufferIndex(); }
    QString scene() const { return manager->sceneText(); }
    int startOf(int id) const { return manager->document().getBlock(id)->start(); }
    int laneOf(int id) const { return manager->document().getBlock(id)->laneId; }

    // Inserts a block of `mode` at `frame` on `lane` straight into the document.
    int put(int mode, int frame, int lane, int delay = 0)
    {
        while (manager->getLastLaneId() < lane)
            manager->addLane();
        auto b = scene::createEmptyBlockOfMode(manager->document(), mode);
        if (delay > 0)
            b.setDelay(delay);
        const auto ids =
            manager->insertBlockSet({b}, frame, mode == scene::mode_comment ? 1 : lane);
        return ids.empty() ? -1 : ids.front();
    }

    // Presses on the block at (x, y), moves the mouse there by steps and releases.
    void drag(int id, int grip, QPointF from, QPointF to, int modifiers = 0)
    {
        tc->pressBlock(id, grip, modifiers, TimelineController::LeftButton, from.x(), from.y());
        const int steps = 4;
        for (int i = 1; i <= steps; ++i) {
            tc->moveMouse(from.x() + (to.x() - from.x()) * i / steps,
                          from.y() + (to.y() - from.y()) * i / steps);
            QTest::qWait(20);
        }
        tc->releaseMouse();
    }

    QJSValue parsedBlocks(const char *text)
    {
        return engine->toScriptValue(manager->parseSceneText(QString::fromUtf8(text)))
            .property(QStringLiteral("blocks"));
    }

private slots:
    void initTestCase() { app::registerQmlTypes(); }
    void init()
    {
        setUp();
        tc = new TimelineController(engine);
        tc->setDataManager(manager);
    }
    void cleanup()
    {
        delete tc;
        tc = nullptr;
        QVERIFY(!QGuiApplication::overrideCursor()); // every pushed cursor was popped
        tearDown();
    }

    void pressWithoutMovementIsAClick()
    {
        const int a = put(scene::mode_picture, 10, 1);
        const int before = snapshot();
        QSignalSpy dragEnd(tc, &TimelineController::blockDragEnd);
        tc->pressBlock(a, scene::middleDrag, 0, TimelineController::LeftButton, 60, 30);
        QVERIFY(!tc->allowEdit());
        QCOMPARE(tc->ghosts()->count(), 1);
        tc->moveMouse(62, 28);
        QTest::qWait(40);
        QVERIFY(!tc->dragging());
        tc->releaseMouse();
        QVERIFY(tc->allowEdit());
        QCOMPARE(tc->ghosts()->count(), 0);
        QCOMPARE(snapshot(), before);
        QCOMPARE(dragEnd.count(), 0);
        QCOMPARE(tc->checkedIds(), QVariantList{a});
        QCOMPARE(tc->checkedLaneId(), 1);
    }

    void dragMovesResizesAndTakesOneSnapshot()
    {
        const int a = put(scene::mode_picture, 10, 1);
        manager->addLane();
        const int before = snapshot();
        QSignalSpy dragEnd(tc, &TimelineController::blockDragEnd);
        QSignalSpy stepped(tc, &TimelineController::blockDraged);

        // 40 pixels right (10 frames) and one lane down.
        drag(a, scene::middleDrag, {60, 30}, {100, 94});
        QCOMPARE(startOf(a), 20);
        QCOMPARE(laneOf(a), 2);
        QCOMPARE(snapshot(), before + 1);
        QCOMPARE(dragEnd.count(), 1);
        QVERIFY(stepped.count() >= 1);
        QCOMPARE(tc->checkedIds(), QVariantList{a});
        QCOMPARE(tc->checkedLaneId(), 2);
        auto *selected = qobject_cast<timeline::SelectedBlock *>(
            tc->checkedBlocks().value(0).value<QObject *>());
        QVERIFY(selected);
        QCOMPARE(selected->laneId(), 2);

        // The right edge of a picture: 20 frames longer.
        drag(a, scene::tailDrag, {318, 94}, {398, 94});
        QCOMPARE(manager->document().getBlock(a)->delay(), 80);
        // A message block's edge moves it instead.
        const int m = put(scene::mode_message, 400, 1);
        drag(m, scene::tipDrag, {1602, 10}, {1642, 10});
        QCOMPARE(startOf(m), 410);
        QCOMPARE(manager->document().getBlock(m)->delay(), 16);
    }

    void escapeAndRefusalsLeaveEverythingAsItWas()
    {
        const int a = put(scene::mode_picture, 0, 1);
        put(scene::mode_picture, 9000, 2, 995);
        const QString before = scene();
        const int snapshots = snapshot();

        tc->pressBlock(a, scene::middleDrag, 0, TimelineController::LeftButton, 10, 10);
        tc->moveMouse(300, 80);
        QTest::qWait(40);
        QVERIFY(tc->dragging());
        QVERIFY(QGuiApplication::overrideCursor());
        tc->cancelMouse(); // Escape, a lost grab
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(tc->ghosts()->count(), 0);
        QVERIFY(tc->allowEdit());
        tc->releaseMouse(); // a late release does nothing
        QCOMPARE(scene(), before);

        // Onto lane 2 at frame 8950: the block there would be pushed past the end.
        drag(a, scene::middleDrag, {10, 10}, {10 + 8950 * 4, 74});
        QCOMPARE(scene(), before);
        QCOMPARE(snapshot(), snapshots);
        QCOMPARE(tc->ghosts()->count(), 0);
        QCOMPARE(tc->checkedIds(), QVariantList{a});
    }

    void shiftClickSelectsTheSpannedRectangleAndAGroupDrags()
    {
        const int a = put(scene::mode_picture, 0, 1);
        const int inside = put(scene::mode_sound, 100, 2);
        const int c = put(scene::mode_picture, 200, 3);
        QSignalSpy selection(tc, &TimelineController::selectionChanged);
        tc->pressBlock(a, scene::middleDrag, 0, TimelineController::RightButton, 5, 5);
        tc->pressBlock(c, scene::middleDrag, Qt::ShiftModifier, TimelineController::RightButton,
                       805, 133);
        QCOMPARE(tc->checkedIds(), (QVariantList{a, inside, c}));
        QCOMPARE(tc->checkedLaneId(), -1);
        QCOMPARE(tc->selectionRange(), QRectF(0, 0, 260 * 4, 3 * 64));
        QVERIFY(selection.count() >= 2);

        // Pressing a member keeps the group, and the group moves together.
        drag(inside, scene::tailDrag, {420, 70}, {460, 70});
        QCOMPARE(tc->checkedIds(), (QVariantList{a, inside, c}));
        QCOMPARE(startOf(a), 10);
        QCOMPARE(startOf(inside), 110);
        QCOMPARE(startOf(c), 210);

        // The preview picks a block; an unknown id clears.
        tc->pressedByView(c);
        QCOMPARE(tc->checkedIds(), (QVariantList{a, inside, c}));
        tc->clearSelection();
        tc->pressedByView(c);
        QCOMPARE(tc->checkedIds(), QVariantList{c});
        tc->pressedByView(4242);
        QCOMPARE(tc->selectedCount(), 0);
    }

    void insertionGoesToTheCursorAndSelects()
    {
        tc->setCursorFrame(100);
        QSignalSpy inserted(tc, &TimelineController::blockInserted);
        QVERIFY(tc->insertBlocks(
            engine->toScriptValue(QVariantList{manager->createEmptyPictureBlock()})));
        QCOMPARE(tc->checkedLaneId(), 1);
        QVERIFY(!tc->allowEdit());
        // Ignored while the first is being shown.
        QVERIFY(!tc->insertBlocks(
            engine->toScriptValue(QVariantList{manager->createEmptyPictureBlock()})));
        QVERIFY(inserted.wait(1000));
        QVERIFY(tc->allowEdit());
        QCOMPARE(tc->selectedCount(), 1);
        QCOMPARE(manager->document().getBlock(tc->checkedIds()[0].toInt())->start(), 100);

        // One marker: the marker is selected.
        QVERIFY(tc->insertBlocks(
            engine->toScriptValue(QVariantList{manager->createEmptyCommentBlock()})));
        QVERIFY(inserted.wait(1000));
        QVERIFY(tc->checkedMarkerId() > 0);
        QCOMPARE(tc->selectedCount(), 0);

        // Two markers and blocks: the blocks.
        QVERIFY(tc->insertBlocks(parsedBlocks(
            R"([{"blockId":1,"laneId":0,"eventData":{"blockStart":0,"blockDelay":1,"blockMode":5}},)"
            R"({"blockId":2,"laneId":0,"eventData":{"blockStart":9,"blockDelay":1,"blockMode":5}},)"
            R"({"blockId":3,"laneId":2,"eventData":{"blockStart":0,"blockDelay":30,"blockMode":0}}])")));
        QVERIFY(inserted.wait(1000));
        QCOMPARE(tc->checkedMarkerId(), 0);
        QCOMPARE(tc->selectedCount(), 1);

        // Refused by placement: no change, no snapshot, no insertion pending.
        const QString before = scene();
        const int snapshots = snapshot();
        tc->setCursorFrame(9990);
        QVERIFY(!tc->insertBlocks(
            engine->toScriptValue(QVariantList{manager->createEmptyPictureBlock()})));
        QCOMPARE(scene(), before);
        QCOMPARE(snapshot(), snapshots);
        QVERIFY(tc->allowEdit());
    }

    void clipboardTextRoundTripsAndBadTextChangesNothing()
    {
        const int a = put(scene::mode_picture, 120, 1);
        const int b = put(scene::mode_sound, 150, 2);
        tc->pressBlock(a, scene::middleDrag, 0, TimelineController::RightButton, 0, 0);
        tc->pressBlock(b, scene::middleDrag, Qt::ShiftModifier, TimelineController::RightButton, 0,
                       0);
        const QString text = tc->copyText();
        QVERIFY(text.startsWith(QStringLiteral("[{\"blockId\":")));

        tc->setCheckedLaneId(2);
        tc->setCursorFrame(500);
        QSignalSpy inserted(tc, &TimelineController::blockInserted);
        QVERIFY(tc->pasteText(text));
        QVERIFY(inserted.wait(1000));
        const QVariantList pasted = tc->checkedIds();
        QCOMPARE(pasted.size(), 2);
        QCOMPARE(startOf(pasted[0].toInt()), 500);
        QCOMPARE(laneOf(pasted[0].toInt()), 2);
        QCOMPARE(startOf(pasted[1].toInt()), 530);
        QCOMPARE(laneOf(pasted[1].toInt()), 3);

        const QString before = scene();
        const int snapshots = snapshot();
        QTest::ignoreMessage(QtWarningMsg, "Clipboard data parse error");
        QVERIFY(!tc->pasteText(QStringLiteral("[{\"blockId\":")));
        const char *refused[] = {
            "null",
            "{\"blockId\":1}",
            "[1,2]",
            R"([{"blockId":1,"laneId":1,"eventData":{"blockMode":"picture"}}])",
        };
        for (const char *bad : refused) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Clipboard data refused: "));
            QVERIFY(!tc->pasteText(QString::fromUtf8(bad)));
        }
        QCOMPARE(scene(), before);
        QCOMPARE(snapshot(), snapshots);
        QVERIFY(tc->allowEdit());
    }

    void markersDragAlongTheTimelineAndRipple()
    {
        const int m1 = put(scene::mode_comment, 100, 0);
        const int m2 = put(scene::mode_comment, 200, 0);
        const int m3 = put(scene::mode_comment, 300, 0);
        const int a = put(scene::mode_picture, 0, 1);
        tc->pressBlock(a, scene::middleDrag, 0, TimelineController::RightButton, 0, 0);
        QSignalSpy checked(tc, &TimelineController::markerChecked);

        // Past the left end: frame 0; past the right end: 9999; back: follows the mouse.
        tc->pressMarker(m1, 400);
        QCOMPARE(tc->checkedMarkerId(), m1);
        QCOMPARE(tc->selectedCount(), 0); // a selected marker clears the block selection
        QCOMPARE(checked.count(), 1);
        QVERIFY(!tc->allowEdit());
        tc->moveMouse(-5000, 0);
        QTest::qWait(40);
        QCOMPARE(tc->draggedMarkerFrame(), 0);
        tc->moveMouse(1e6, 0);
        QTest::qWait(40);
        QCOMPARE(tc->draggedMarkerFrame(), 9999);
        tc->cancelMouse();
        QCOMPARE(tc->pressedMarkerId(), 0);
        QCOMPARE(startOf(m1), 100);

        // Onto its own frame: no snapshot.
        int snapshots = snapshot();
        tc->pressMarker(m1, 400);
        tc->moveMouse(401, 0);
        tc->releaseMouse();
        QCOMPARE(snapshot(), snapshots);

        // Onto the frame of the second: it and the third move one frame later.
        tc->pressMarker(m1, 400);
        tc->moveMouse(800, 0);
        tc->releaseMouse();
        QCOMPARE(startOf(m1), 200);
        QCOMPARE(startOf(m2), 201);
        QCOMPARE(startOf(m3), 301);
        QCOMPARE(snapshot(), snapshots + 1);
        QCOMPARE(tc->checkedMarkerId(), m1);

        // Dropped where the ripple would push the last marker past the end: back it goes.
        const int last = put(scene::mode_comment, 9999, 0);
        const QString before = scene();
        snapshots = snapshot();
        tc->pressMarker(m3, 301 * 4);
        tc->moveMouse(9999 * 4, 0);
        tc->releaseMouse();
        QCOMPARE(scene(), before);
        QCOMPARE(snapshot(), snapshots);
        QCOMPARE(tc->pressedMarkerId(), 0);
        QCOMPARE(startOf(last), 9999);
        QCOMPARE(manager->deleteBlocks({last}), 1);

        // Selecting a block clears the marker; deleting the marker takes one snapshot.
        tc->pressBlock(a, scene::middleDrag, 0, TimelineController::RightButton, 0, 0);
        QCOMPARE(tc->checkedMarkerId(), 0);
        tc->checkMarker(m2);
        QCOMPARE(tc->selectedCount(), 0);
        snapshots = snapshot();
        QVERIFY(tc->deleteSelection());
        QVERIFY(!manager->document().getBlock(m2));
        QCOMPARE(snapshot(), snapshots + 1);
        QCOMPARE(tc->checkedMarkerId(), 0);
    }

    void undoZoomAndClearDropTheSelection()
    {
        const int a = put(scene::mode_picture, 30, 1);
        const int m = put(scene::mode_comment, 5, 0);
        tc->pressBlock(a, scene::middleDrag, 0, TimelineController::RightButton, 0, 0);
        tc->setCursorFrame(250);

        manager->setPixelPerFrameScale(1);
        QCOMPARE(tc->selectedCount(), 0);
        QCOMPARE(tc->cursorFrame(), 250);
        tc->checkMarker(m);
        manager->setPixelPerFrameScale(0);
        QCOMPARE(tc->checkedMarkerId(), 0);
        manager->setPixelPerFrameScale(1);

        tc->pressBlock(a, scene::middleDrag, 0, TimelineController::LeftButton, 30, 10);
        QSignalSpy undone(tc, &TimelineController::undone);
        QVERIFY(!tc->undo()); // none in the middle of a drag
        tc->releaseMouse();
        QVERIFY(tc->undo());
        QCOMPARE(undone.count(), 1);
        QCOMPARE(tc->selectedCount(), 0);
        QVERIFY(tc->redo());

        QSignalSpy deleted(tc, &TimelineController::blockDeleted);
        tc->clear();
        QCOMPARE(manager->numBlock(), 0);
        QCOMPARE(deleted.count(), 1);
    }

    void propertyEditsTakeOneSnapshotEach()
    {
        const int a = put(scene::mode_message, 0, 1);
        const int m = put(scene::mode_comment, 50, 0);
        QVERIFY(!tc->acceptsPropertyChange());
        tc->pressedByView(a);
        auto *selected = qobject_cast<timeline::SelectedBlock *>(
            tc->checkedBlocks().value(0).value<QObject *>());
        QSignalSpy objectChanged(selected, &timeline::SelectedBlock::objectChanged);
        int snapshots = snapshot();

        manager->setBlockField(a, QStringLiteral("messageText"), QJSValue(QStringLiteral("Hi")));
        QCOMPARE(objectChanged.count(), 1);
        tc->recordPropertyChange(QStringLiteral("messageText"));
        QCOMPARE(snapshot(), snapshots + 1);
        tc->recordPropertyChange(QStringLiteral("messageText"));
        QCOMPARE(snapshot(), snapshots + 1); // nothing changed since
        manager->setBlockField(a, QStringLiteral("messagePosition"), QJSValue(0));
        tc->recordPropertyChange(QStringLiteral("messageLineIndex"));
        QCOMPARE(snapshot(), snapshots + 1);

        // The comment of the selected marker is recorded too, so that undo cannot lose it.
        tc->checkMarker(m);
        snapshots = snapshot();
        manager->setBlockField(m, QStringLiteral("comment"), QJSValue(QStringLiteral("note")));
        tc->recordPropertyChange(QStringLiteral("commentText"));
        QCOMPARE(snapshot(), snapshots + 1);
    }

    void playbackLoopsAtTheEndAndHoldsWhenPaused()
    {
        put(scene::mode_picture, 0, 1, 12);
        QSignalSpy frames(tc, &TimelineController::cursorFrameChanged);
        QSignalSpy started(tc, &TimelineController::playbackStart);
        QList<int> seen;
        connect(tc, &TimelineController::cursorFrameChanged, this,
                [&] { seen.append(tc->cursorFrame()); });
        tc->playback();
        QCOMPARE(started.count(), 1);
        QVERIFY(!tc->allowEdit());
        QTRY_VERIFY_WITH_TIMEOUT(seen.size() >= 14, 3000);
        tc->setPlaybackPause(true);
        const int held = tc->cursorFrame();
        const int count = seen.size();
        QTest::qWait(100);
        QVERIFY(seen.size() <= count + 1);
        QCOMPARE(tc->cursorFrame(), held);
        tc->setPlaybackPause(false);
        QTRY_VERIFY(seen.size() > count + 2);
        tc->pause();
        QVERIFY(tc->allowEdit());
        // One frame per tick, back to 0 from frame 11 (the block ends at 12).
        QCOMPARE(seen.mid(0, 13), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1}));
    }

    void frameCommands()
    {
        put(scene::mode_picture, 100, 1);
        tc->setCursorFrame(9999);
        QVERIFY(!tc->toNextFrame());
        QCOMPARE(tc->cursorFrame(), 0);
        QVERIFY(!tc->toPrevFrame());
        QCOMPARE(tc->cursorFrame(), 0);
        QVERIFY(tc->toNextEvent());
        QCOMPARE(tc->cursorFrame(), 100);
        QVERIFY(!tc->toNextEvent()); // nothing starts later
        QCOMPARE(tc->cursorFrame(), 100);
        QVERIFY(tc->toEndFrame());
        QCOMPARE(tc->cursorFrame(), 160);
        QVERIFY(tc->toPrevEvent());
        QCOMPARE(tc->cursorFrame(), 100);
        tc->pressRuler(1e9);
        QCOMPARE(tc->cursorFrame(), 9999);
        tc->moveMouse(-10, 0);
        tc->releaseMouse();
        QCOMPARE(tc->cursorFrame(), 0);
    }
};

QTEST_MAIN(TimelineControllerTest)
#include "tst_timeline_controller.moc"
