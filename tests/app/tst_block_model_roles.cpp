#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

#include "bridge_test_util.h"

#include "bridge/block_list_model.h"
#include "bridge/lane_list_model.h"
#include "qml_registration.h"
#include "scene/builders.h"
#include "timeline/block_window_model.h"
#include "timeline/visible_blocks_model.h"

using namespace vignetta;
using bridge::BlockListModel;
using timeline::VisibleBlocksModel;

// The block models name the roles an edit changed, so that the views refresh only those
// bindings: a move, a resize, a field write and an undo each report what they touched, and an
// edit no role shows reports nothing.
class BlockModelRolesTest : public QObject, BridgeFixture
{
    Q_OBJECT

    int put(int mode, int frame, int lane)
    {
        while (manager->getLastLaneId() < lane)
            manager->addLane();
        const auto ids = manager->insertBlockSet(
            {scene::createEmptyBlockOfMode(manager->document(), mode)}, frame, lane);
        return ids.empty() ? -1 : ids.front();
    }

    // Drops the block at `frame` on `lane`, `delay` frames long (0: as it is).
    bool drop(int blockId, int frame, int lane, int delay = 0)
    {
        scene::Block b = *manager->document().getBlock(blockId);
        b.laneId = lane;
        b.setStart(frame);
        if (delay > 0)
            b.setDelay(delay);
        return manager->moveBlockSet({b}, frame, lane);
    }

    // The roles of every dataChanged the spy saw for `row`, sorted, duplicates removed; -1
    // stands for an emission without roles (all of them).
    static QVector<int> rolesOf(const QSignalSpy &spy, int row)
    {
        QVector<int> roles;
        for (const auto &args : spy) {
            const auto top = args.at(0).value<QModelIndex>();
            const auto bottom = args.at(1).value<QModelIndex>();
            if (row < top.row() || row > bottom.row())
                continue;
            const auto named = args.at(2).value<QVector<int>>();
            if (named.isEmpty())
                roles << -1;
            roles << named;
        }
        std::sort(roles.begin(), roles.end());
        roles.erase(std::unique(roles.begin(), roles.end()), roles.end());
        return roles;
    }

    static QVector<int> sorted(QVector<int> roles)
    {
        std::sort(roles.begin(), roles.end());
        return roles;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QVector<int>>();
        app::registerQmlTypes();
    }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void laneModelNamesTheChangedRoles()
    {
        const int a = put(scene::mode_picture, 0, 1);
        put(scene::mode_picture, 200, 1);
        BlockListModel *blocks = manager->lanes()->blocksOf(1);
        QVERIFY(blocks);
        const int row = blocks->rowOf(a);
        QSignalSpy spy(blocks, &QAbstractItemModel::dataChanged);

        QVERIFY(drop(a, 100, 1));
        QCOMPARE(rolesOf(spy, row),
                 sorted({BlockListModel::BlockStartRole, BlockListModel::BlockEndRole,
                         BlockListModel::EventDataRole}));
        QCOMPARE(blocks->data(blocks->index(row), BlockListModel::BlockEndRole).toInt(), 160);

        spy.clear();
        QVERIFY(drop(a, 100, 1, 30));
        const QVector<int> resized =
            sorted({BlockListModel::BlockDelayRole, BlockListModel::BlockEndRole,
                    BlockListModel::EventDataRole});
        QCOMPARE(rolesOf(spy, row), resized);
        // Undo and redo of the resize change what the resize changed.
        spy.clear();
        QVERIFY(manager->undo());
        QCOMPARE(rolesOf(spy, row), resized);
        spy.clear();
        QVERIFY(manager->redo());
        QCOMPARE(rolesOf(spy, row), resized);

        spy.clear();
        QVERIFY(manager->setBlockField(a, QStringLiteral("imageName"), QJSValue("Bird")));
        QCOMPARE(rolesOf(spy, row),
                 sorted({BlockListModel::ImageNameRole, BlockListModel::EventDataRole}));

        // A field no role but the event data shows.
        spy.clear();
        QVERIFY(manager->setBlockField(a, QStringLiteral("startOpacity"), QJSValue(128)));
        QCOMPARE(rolesOf(spy, row), QVector<int>{BlockListModel::EventDataRole});
    }

    void markerModelNamesTheChangedRolesAndItsWindowFollows()
    {
        const int marker = put(scene::mode_comment, 3000, 1);
        BlockListModel *markers = manager->markers();
        timeline::BlockWindowModel window;
        window.setBlocks(markers);
        window.setFirstFrame(0);
        window.setLastFrame(1000);
        QCOMPARE(window.rowCount(), 0);
        QSignalSpy spy(markers, &QAbstractItemModel::dataChanged);
        QVERIFY(manager->moveMarker(marker, 500));
        QCOMPARE(rolesOf(spy, markers->rowOf(marker)),
                 sorted({BlockListModel::BlockStartRole, BlockListModel::BlockEndRole,
                         BlockListModel::EventDataRole}));
        QCOMPARE(window.rowCount(), 1);

        spy.clear();
        QVERIFY(manager->setBlockField(marker, QStringLiteral("comment"), QJSValue("Cue")));
        QCOMPARE(rolesOf(spy, markers->rowOf(marker)),
                 sorted({BlockListModel::CommentRole, BlockListModel::EventDataRole}));
        QCOMPARE(window.rowCount(), 1);
    }

    void visibleBlocksNameOnlyTheRolesTheyShow()
    {
        const int a = put(scene::mode_picture, 0, 1);
        manager->addLane();
        VisibleBlocksModel m;
        m.setFirstFrame(0);
        m.setLastFrame(1000);
        m.setFirstLane(1);
        m.setLastLane(3);
        m.setDataManager(manager);
        const int row = m.rowOf(a);
        QVERIFY(row >= 0);
        QSignalSpy spy(&m, &QAbstractItemModel::dataChanged);

        QVERIFY(drop(a, 300, 2));
        QCOMPARE(m.rowOf(a), row);
        QCOMPARE(rolesOf(spy, row),
                 sorted({bridge::BlockListModel::LaneIdRole, bridge::BlockListModel::BlockStartRole,
                         bridge::BlockListModel::BlockEndRole}));

        spy.clear();
        QVERIFY(drop(a, 300, 2, 20));
        QCOMPARE(rolesOf(spy, row), sorted({bridge::BlockListModel::BlockDelayRole,
                                            bridge::BlockListModel::BlockEndRole}));

        spy.clear();
        QVERIFY(manager->setBlockField(a, QStringLiteral("imageName"), QJSValue("Bird")));
        QCOMPARE(rolesOf(spy, row), QVector<int>{bridge::BlockListModel::ImageNameRole});

        // The opacity is not one of this model's roles: nothing to refresh.
        spy.clear();
        QVERIFY(manager->setBlockField(a, QStringLiteral("startOpacity"), QJSValue(64)));
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_MAIN(BlockModelRolesTest)
#include "tst_block_model_roles.moc"
