#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "bridge_test_util.h"

#include "qml_registration.h"
#include "scene/builders.h"
#include "bridge/block_list_model.h"
#include "timeline/block_window_model.h"
#include "timeline/ghost_model.h"
#include "timeline/visible_blocks_model.h"

using namespace vignetta;
using timeline::VisibleBlocksModel;

// The view models of the timeline over the real document: the window of blocks that get items,
// the markers' window and the drag ghosts. Each runs under QAbstractItemModelTester, which fails
// the test on any inconsistent row signal.
class TimelineModelsTest : public QObject, BridgeFixture
{
    Q_OBJECT

    int put(int mode, int frame, int lane, int delay = 0)
    {
        while (manager->getLastLaneId() < lane)
            manager->addLane();
        auto b = scene::createEmptyBlockOfMode(manager->document(), mode);
        if (delay > 0)
            b.setDelay(delay);
        const auto ids = manager->insertBlockSet({b}, frame, lane);
        return ids.empty() ? -1 : ids.front();
    }

    QList<int> idsIn(const VisibleBlocksModel &m) const
    {
        QList<int> ids;
        for (int r = 0; r < m.rowCount(); ++r)
            ids.append(m.data(m.index(r), bridge::BlockListModel::BlockIdRole).toInt());
        std::sort(ids.begin(), ids.end());
        return ids;
    }

private slots:
    void initTestCase() { app::registerQmlTypes(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void visibleBlocksFollowTheDocumentWithinTheWindow()
    {
        const int a = put(scene::mode_picture, 0, 1);   // 0..60
        const int b = put(scene::mode_picture, 500, 1); // outside the frames
        const int c = put(scene::mode_sound, 100, 3);   // outside the lanes
        const int d = put(scene::mode_screen, 150, 2);  // 150..210
        put(scene::mode_comment, 10, 0);                // markers never
        VisibleBlocksModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.setFirstFrame(0);
        m.setLastFrame(400);
        m.setFirstLane(1);
        m.setLastLane(2);
        m.setDataManager(manager);
        QCOMPARE(idsIn(m), (QList<int>{a, d}));

        // A block dragged to another lane and later keeps its row (its item survives).
        const int rowOfA = m.rowOf(a);
        QSignalSpy removed(&m, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
        scene::Block moved = *manager->document().getBlock(a);
        moved.laneId = 2;
        moved.setStart(300);
        QVERIFY(manager->moveBlockSet({moved}, 300, 2));
        QCOMPARE(removed.count(), 0);
        QCOMPARE(m.rowOf(a), rowOfA);
        QVERIFY(changed.count() >= 1);
        QCOMPARE(m.data(m.index(rowOfA), bridge::BlockListModel::LaneIdRole).toInt(), 2);
        QCOMPARE(m.data(m.index(rowOfA), bridge::BlockListModel::BlockStartRole).toInt(), 300);

        // Scrolling the window brings blocks in and takes others out; deletion and undo follow.
        m.setFirstFrame(250);
        m.setLastFrame(700);
        m.setLastLane(3);
        QCOMPARE(idsIn(m), (QList<int>{a, b}));
        QCOMPARE(manager->deleteBlocks({b}), 1);
        QCOMPARE(idsIn(m), QList<int>{a});
        QVERIFY(manager->undo());
        QCOMPARE(idsIn(m), (QList<int>{a, b}));
        m.setFirstFrame(0);
        QCOMPARE(idsIn(m), (QList<int>{a, b, c, d}));
        manager->clearData();
        QCOMPARE(m.rowCount(), 0);
    }

    void markerWindowFollowsItsFrames()
    {
        const int early = put(scene::mode_comment, 10, 1);
        const int late = put(scene::mode_comment, 3000, 1);
        timeline::BlockWindowModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.setBlocks(manager->markers());
        m.setFirstFrame(0);
        m.setLastFrame(1000);
        QCOMPARE(m.rowCount(), 1);
        QVERIFY(manager->moveMarker(late, 500));
        QCOMPARE(m.rowCount(), 2);
        m.setActive(false);
        QCOMPARE(m.rowCount(), 0);
        m.setActive(true);
        QCOMPARE(manager->deleteBlocks({early}), 1);
        QCOMPARE(m.rowCount(), 1);
    }

    void ghostsFollowTheConstrainedRectangle()
    {
        const int a = put(scene::mode_picture, 10, 1);
        const int b = put(scene::mode_picture, 100, 2);
        manager->addLane();
        timeline::GhostModel ghosts;
        QAbstractItemModelTester tester(&ghosts,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        ghosts.build(manager->document(), {a, b}, 4);
        QCOMPARE(ghosts.count(), 2);
        scene::DragLimits limits;
        limits.laneCount = 3;
        scene::DragSession move(scene::middleDrag, scene::PixelRect{40, 0, 600, 128}, limits);
        move.step(43, 70); // 10 frames right, one lane down
        ghosts.follow(move);
        QCOMPARE(ghosts.data(ghosts.index(0), timeline::GhostModel::XRole).toDouble(), 80.0);
        QCOMPARE(ghosts.data(ghosts.index(0), timeline::GhostModel::LaneIdRole).toInt(), 2);
        QCOMPARE(ghosts.data(ghosts.index(1), timeline::GhostModel::XRole).toDouble(), 440.0);
        QCOMPARE(ghosts.data(ghosts.index(1), timeline::GhostModel::LaneIdRole).toInt(), 3);

        // A resize: the ghost is the constrained rectangle.
        ghosts.build(manager->document(), {a}, 4);
        limits.minWidth = 4;
        limits.maxWidth = 999 * 4;
        scene::DragSession tail(scene::tailDrag, scene::PixelRect{40, 0, 240, 64}, limits);
        tail.step(-1000, 0);
        ghosts.follow(tail);
        QCOMPARE(ghosts.data(ghosts.index(0), timeline::GhostModel::WidthRole).toDouble(), 4.0);
        ghosts.clear();
        QCOMPARE(ghosts.count(), 0);
    }
};

QTEST_MAIN(TimelineModelsTest)
#include "tst_timeline_models.moc"
