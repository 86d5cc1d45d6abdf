#include <QAbstractItemModelTester>
#include <QQmlComponent>
#include <QSignalSpy>
#include <QtTest>

#include "bridge_test_util.h"

#include "bridge/block_list_model.h"
#include "bridge/constants.h"
#include "bridge/json_qt.h"
#include "bridge/lane_list_model.h"
#include "qml_registration.h"
#include "scene/builders.h"
#include "scene/scene_file.h"
#include "json/js_json.h"

using namespace vignetta;
using bridge::BlockListModel;
using bridge::LaneListModel;
using bridge::TimelineDataManager;

class TimelineBridgeTest : public QObject, BridgeFixture
{
    Q_OBJECT

    int lastSnapshot() const { return manager->bufferIndex(); }

private slots:
    void initTestCase() { app::registerQmlTypes(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void buildersCrossInKeyOrder()
    {
        // What QML's JSON.stringify makes of a built block is the document's own text.
        const QString text = call("JSON.stringify(tdm.createEmptyScrollBlock())").toString();
        scene::Document doc = scene::Document::emptyScene();
        const auto expected =
            json::stringify(scene::createEmptyBlockOfMode(doc, scene::mode_scroll).toJson());
        QCOMPARE(text, QString::fromStdString(expected));
        QCOMPARE(call("tdm.createEmptyPictureBlock().eventData.imageIndex").toInt(), 1);
        QCOMPARE(call("tdm.createEmptyLane().laneId").toInt(), 2);
        QCOMPARE(call("tdm.mode_sound_fade").toInt(), 8);
        QVERIFY(call("tdm.getBlock(42) === null").toBool());
    }

    void jsonCrossesBothWays()
    {
        const QJSValue obj = js(QStringLiteral(
            "({z:1,a:[true,null,2.5,'\u00e9'],m:{y:-0.5,x:1e21},f:function(){},u:undefined})"));
        const json::Json j = bridge::fromJSValue(obj);
        QCOMPARE(QString::fromStdString(json::stringify(j)),
                 QStringLiteral(R"({"z":1,"a":[true,null,2.5,"é"],"m":{"y":-0.5,"x":1e+21}})"));
        // And back: JSON.stringify in QML agrees byte for byte.
        const QJSValue back = bridge::toJSValue(*engine, j);
        QJSValue stringify = js("(function(v) { return JSON.stringify(v); })");
        QCOMPARE(stringify.call({back}).toString(), QString::fromStdString(json::stringify(j)));
        // Lists read from C++ properties reach scripts as array-like wrappers, not arrays; they
        // cross back as arrays, as JSON.stringify writes them. An object with a length stays one.
        auto *constants = new bridge::Constants(engine);
        const QJSValue wrapped =
            js("(function(c) { return [c.messageBackgroundArray, {length: 2}]; })")
                .call({engine->newQObject(constants)});
        QCOMPARE(QString::fromStdString(json::stringify(bridge::fromJSValue(wrapped))),
                 QStringLiteral(R"([["Window","Dim","Transparent"],{"length":2}])"));
        // Plain variants (unordered maps) convert too.
        QVariantMap map{{"b", 2}, {"a", QVariantList{1.5, QString("x")}}};
        QCOMPARE(QString::fromStdString(json::stringify(bridge::fromVariant(map))),
                 QStringLiteral(R"({"a":[1.5,"x"],"b":2})"));
    }

    void editsEmitRowSignals()
    {
        LaneListModel *lanes = manager->lanes();
        QAbstractItemModelTester laneTester(lanes,
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(lanes->rowCount(), 1);
        BlockListModel *lane1 = lanes->blocksOf(1);
        QVERIFY(lane1);
        QAbstractItemModelTester blockTester(
            lane1, QAbstractItemModelTester::FailureReportingMode::QtTest);

        QSignalSpy inserted(lane1, &QAbstractItemModel::rowsInserted);
        QSignalSpy insertedIds(manager, &TimelineDataManager::blocksInserted);
        QSignalSpy undoState(manager, &TimelineDataManager::undoStateChanged);
        const int a = manager->insertNewBlock(scene::mode_picture, 100, 1);
        QCOMPARE(a, 1);
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(insertedIds.count(), 1);
        QVERIFY(undoState.count() >= 1);
        QVERIFY(manager->canUndo());
        QCOMPARE(lane1->data(lane1->index(0), BlockListModel::BlockStartRole).toInt(), 100);
        QCOMPARE(lane1->data(lane1->index(0), BlockListModel::MaxDelayRole).toInt(), 999);

        // A second block pushed past the first, a third that ripples it.
        const int b = manager->insertNewBlock(scene::mode_picture, 120, 1);
        QCOMPARE(lane1->data(lane1->index(1), BlockListModel::BlockStartRole).toInt(), 160);
        QSignalSpy changed(lane1, &QAbstractItemModel::dataChanged);
        const int c = manager->insertNewBlock(scene::mode_message, 100, 1);
        QVERIFY(c > 0);
        QCOMPARE(changed.count(), 2); // both earlier blocks moved later
        QCOMPARE(manager->document().getBlock(a)->start(), 116);
        QCOMPARE(manager->document().getBlock(b)->start(), 176);

        // A new lane is a row insertion; moving a block there removes and inserts rows.
        QSignalSpy laneRows(lanes, &QAbstractItemModel::rowsInserted);
        QCOMPARE(manager->addLane(), 2);
        QCOMPARE(laneRows.count(), 1);
        BlockListModel *lane2 = lanes->blocksOf(2);
        QAbstractItemModelTester lane2Tester(
            lane2, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy removed(lane1, &QAbstractItemModel::rowsRemoved);
        QSignalSpy added(lane2, &QAbstractItemModel::rowsInserted);
        QVERIFY(call(QStringLiteral(
                         "(function() { var d = tdm.getBlock(%1); d.laneId = 2;"
                         " d.eventData.blockStart = 0; return tdm.moveBlocks([d], 0, 2); })()")
                         .arg(b))
                    .toBool());
        QCOMPARE(removed.count(), 1);
        QCOMPARE(added.count(), 1);
        QCOMPARE(lane2->blockIdAt(0), b);
        QCOMPARE(lane1->rowOf(b), -1);
        const QModelIndex lane2Row = lanes->index(1);
        QCOMPARE(lanes->data(lane2Row, LaneListModel::BlockCountRole).toInt(), 1);
        QCOMPARE(lanes->data(lane2Row, LaneListModel::LaneEndRole).toInt(), 60);

        // Delete: a row removal and one snapshot.
        const int before = lastSnapshot();
        QCOMPARE(manager->deleteBlocks({c, 999}), 1);
        QCOMPARE(lastSnapshot(), before + 1);
        QCOMPARE(lane1->count(), 1);
    }

    void fieldWritesNotifyModelsAndPreview()
    {
        const int id = manager->insertNewBlock(scene::mode_picture, 0, 1);
        BlockListModel *lane1 = manager->lanes()->blocksOf(1);
        QAbstractItemModelTester tester(lane1,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy rowChanged(lane1, &QAbstractItemModel::dataChanged);
        QSignalSpy blockChanged(manager, &TimelineDataManager::blockChanged);
        const int snapshots = lastSnapshot();

        QVERIFY(call(QStringLiteral("tdm.setBlockField(%1, 'startPosition.x', 120.5)").arg(id))
                    .toBool());
        QCOMPARE(rowChanged.count(), 1);
        QCOMPARE(blockChanged.count(), 1);
        QCOMPARE(blockChanged.at(0).at(0).toInt(), id);
        QCOMPARE(blockChanged.at(0).at(1).toString(), QStringLiteral("startPosition.x"));
        QCOMPARE(manager->document().getBlock(id)->view().startPosition.x, 120.5);
        QCOMPARE(lastSnapshot(), snapshots); // a field write takes no snapshot

        QVERIFY(call(QStringLiteral(
                         "tdm.setBlockFields(%1, {'endColor.R': -68, 'messageText': 'a\\nb'})")
                         .arg(id))
                    .toBool());
        QCOMPARE(blockChanged.count(), 3);
        QCOMPARE(lane1->data(lane1->index(0), BlockListModel::MessageTextRole).toString(),
                 QStringLiteral("a\nb"));
        QCOMPARE(call(QStringLiteral("tdm.getBlockField(%1, 'endColor.R')").arg(id)).toInt(), -68);

        // Refused writes change nothing and say nothing.
        rowChanged.clear();
        blockChanged.clear();
        const std::string before = json::stringify(manager->document().getBlock(id)->toJson());
        QVERIFY(!call(QStringLiteral("tdm.setBlockField(%1, 'blockStart', 50)").arg(id)).toBool());
        QVERIFY(!call(QStringLiteral("tdm.setBlockField(%1, 'imageIndex', 101)").arg(id)).toBool());
        QVERIFY(
            !call(QStringLiteral("tdm.setBlockField(%1, 'messageText.x', 1)").arg(id)).toBool());
        QVERIFY(
            !call(QStringLiteral("tdm.setBlockFields(%1, {'origin': 1, 'blockMode': 3})").arg(id))
                 .toBool());
        QVERIFY(!call("tdm.setBlockField(4242, 'origin', 1)").toBool());
        QVERIFY(!call(QStringLiteral("tdm.setBlockField(%1, 'messageText', undefined)").arg(id))
                     .toBool());
        QVERIFY(
            !call(QStringLiteral("tdm.setBlockFields(%1, {'origin': 1, 'imageName': undefined})")
                      .arg(id))
                 .toBool());
        QCOMPARE(json::stringify(manager->document().getBlock(id)->toJson()), before);
        QCOMPARE(rowChanged.count(), 0);
        QCOMPARE(blockChanged.count(), 0);
        // Writing the value a field already has reports nothing either.
        QVERIFY(call(QStringLiteral("tdm.setBlockField(%1, 'startPosition.x', 120.5)").arg(id))
                    .toBool());
        QCOMPARE(blockChanged.count(), 0);
    }

    void undoRedoAndZoomTouchOnlyWhatChanged()
    {
        LaneListModel *lanes = manager->lanes();
        QAbstractItemModelTester laneTester(lanes,
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
        BlockListModel *lane1 = lanes->blocksOf(1);
        QAbstractItemModelTester blockTester(lane1,
                                             QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int id = manager->insertNewBlock(scene::mode_screen, 10, 1);
        const int other = manager->insertNewBlock(scene::mode_picture, 500, 1);
        QCOMPARE(manager->addLane(), 2);
        QCOMPARE(lanes->rowCount(), 2);
        manager->setBlockField(id, "flashEnabled", QJSValue(true));
        manager->pushBuffer();

        // Undoing a field edit changes that block's row and nothing else.
        QSignalSpy laneReset(lanes, &QAbstractItemModel::modelReset);
        QSignalSpy blockReset(lane1, &QAbstractItemModel::modelReset);
        QSignalSpy rowChanged(lane1, &QAbstractItemModel::dataChanged);
        QSignalSpy documentReset(manager, &TimelineDataManager::documentReset);
        QVERIFY(manager->undo());
        QCOMPARE(laneReset.count(), 0);
        QCOMPARE(blockReset.count(), 0);
        QCOMPARE(rowChanged.count(), 1);
        QCOMPARE(rowChanged.at(0).at(0).toModelIndex().row(), lane1->rowOf(id));
        QCOMPARE(documentReset.count(), 1);
        QVERIFY(!manager->document().getBlock(id)->view().flashEnabled);
        QCOMPARE(lane1->data(lane1->index(lane1->rowOf(other)), BlockListModel::BlockStartRole)
                     .toInt(),
                 500);
        QVERIFY(manager->undo()); // the new lane: a row removal
        QCOMPARE(lanes->rowCount(), 1);
        QVERIFY(manager->undo()); // the second insertion
        QVERIFY(manager->undo()); // the first
        QCOMPARE(lane1->count(), 0);
        QVERIFY(!manager->canUndo());
        QVERIFY(!manager->undo());
        for (int i = 0; i < 4; ++i)
            QVERIFY(manager->redo());
        QVERIFY(!manager->canRedo());
        QVERIFY(manager->document().getBlock(id)->view().flashEnabled);
        QCOMPARE(lanes->rowCount(), 2);
        QCOMPARE(lanes->blocksOf(1), lane1);
        QCOMPARE(laneReset.count(), 0);

        // The models hold frames: a zoom change leaves them alone.
        QSignalSpy zoom(manager, &TimelineDataManager::pixelPerFrameScaleChanged);
        manager->setPixelPerFrameScale(1);
        QCOMPARE(zoom.count(), 1);
        QCOMPARE(laneReset.count(), 0);
        QCOMPARE(manager->pixelPerFrame(), 1);
        QCOMPARE(manager->laneHeight(), 32);
        manager->setPixelPerFrameScale(7);
        QCOMPARE(manager->pixelPerFrameScale(), 1);
        QCOMPARE(zoom.count(), 1);
    }

    void markersHaveTheirOwnModel()
    {
        BlockListModel *markers = manager->markers();
        QAbstractItemModelTester tester(markers,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int m1 = manager->insertNewBlock(scene::mode_comment, 50, 1);
        const int m2 = manager->insertNewBlock(scene::mode_comment, 10, 1);
        QCOMPARE(markers->count(), 2);
        QCOMPARE(markers->blockIdAt(0), m1); // latest first
        QCOMPARE(markers->blockIdAt(1), m2);
        QCOMPARE(manager->lanes()->blocksOf(1)->count(), 0);
        QVERIFY(manager->moveMarker(m2, 50));
        QCOMPARE(manager->document().getBlock(m1)->start(), 51);
        QVERIFY(!manager->moveMarker(m2, 50));
    }

    void queriesAndScenesFromQml()
    {
        manager->insertNewBlock(scene::mode_comment, 0, 1);
        const int pic = manager->insertNewBlock(scene::mode_picture, 0, 2);
        manager->setBlockField(pic, "imageName", QJSValue("hero"));
        QCOMPARE(manager->getPictureList(), QStringList{"hero"});
        QCOMPARE(call("tdm.getContainsBlocks(4, 4).length").toInt(), 1);
        QCOMPARE(call("tdm.getContainsBlocks(240, 4).length").toInt(), 0);
        QCOMPARE(call("tdm.getContainsBlocks(240, 4, true).length").toInt(), 1);
        QCOMPARE(call("tdm.unify()[0].eventData.blockMode").toInt(), scene::mode_comment);
        QCOMPARE(call("tdm.getNextStart(0.5)").toInt(), -1);
        QCOMPARE(
            call("tdm.getBlockIndex(" + QString::number(pic) + ", tdm.getLaneByLaneId(2))").toInt(),
            0);
        QCOMPARE(call("tdm.data.lanes.length").toInt(), 3);
        QCOMPARE(call("tdm.lastFrame").toInt(), 60);
        QCOMPARE(call("tdm.getBlocksWithin(0, 60, 1, 2)[0]").toInt(), pic);
        QCOMPARE(call("tdm.getBlocksWithin(0, 59, 1, 2).length").toInt(), 0);
        const QJSValue box =
            call("tdm.getFreeBoundingBox([tdm.createEmptyPictureBlock()], 30, 2, [])");
        QCOMPARE(box.property(0).property("x").toInt(), 60);
        QCOMPARE(box.property(3).toInt(), 30);
        QVERIFY(
            call("tdm.getFreeBoundingBox([tdm.createEmptyPictureBlock()], 9990, 2, []) === null")
                .toBool());

        // The scene text round-trips through parseSceneText and insertBlocks.
        const QString text = manager->sceneText();
        QCOMPARE(text, QString::fromStdString(scene::writeSceneText(manager->document())));
        const QJSValue parsed =
            call("tdm.parseSceneText(" + call("JSON.stringify(tdm.sceneText())").toString() + ")");
        QVERIFY(parsed.property("ok").toBool());
        const QJSValue bad = call("tdm.parseSceneText('[{\"blockId\":0}]')");
        QVERIFY(!bad.property("ok").toBool());
        QVERIFY(!bad.property("error").toString().isEmpty());
        const int count = manager->numBlock();
        QSignalSpy inserted(manager, &TimelineDataManager::blocksInserted);
        engine->globalObject().setProperty("parsed", parsed);
        QCOMPARE(call("tdm.insertBlocks(parsed.blocks, 500, 1).length").toInt(), 2);
        QCOMPARE(manager->numBlock(), count + 2);
        QCOMPARE(inserted.count(), 1);
        // Junk instead of blocks is refused without change.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("insertBlocks: refused"));
        QCOMPARE(call("tdm.insertBlocks([1, 2], 0, 1).length").toInt(), 0);
        QCOMPARE(manager->numBlock(), count + 2);
    }

    void constantsFromQml()
    {
        // The file-dialog filters and window title are texts users see; the rest shows that
        // both singletons reach QML.
        QQmlComponent component(engine);
        component.setData(R"(
            import QtQml 2.15
            import Vignetta.Scene 1.0 as Vig
            QtObject {
                property var values: [Vig.Constants.projectFilter, Vig.Constants.eventFilter,
                    Vig.Constants.windowTitle("Quest"), Vig.Constants.windowTitle(""),
                    Vig.Constants.themeIndex("dark"), Vig.Constants.themeIndex("pink"),
                    Vig.TimelineDataManager.maxLanes]
                // Indices of these lists are the values stored in blocks.
                property var lists: [Vig.Constants.fadeTypeArray, Vig.Constants.audioTypeArray,
                    Vig.Constants.fadeoutAudioTypeArray, Vig.Constants.pictureOriginTypeArray,
                    Vig.Constants.blendModeArray, Vig.Constants.messageBackgroundArray,
                    Vig.Constants.messagePositionTypeArray, Vig.Constants.themeNameArray,
                    Vig.Constants.pixelPerFrame, Vig.Constants.laneHeight].map(
                        function(list) { return list.join("|") })
            })",
                          QUrl());
        QScopedPointer<QObject> obj(component.create());
        QVERIFY2(obj, qPrintable(component.errorString()));
        QCOMPARE(obj->property("values").toStringList(),
                 QStringList({"FABLE (*.fabproject)", "event json (*.json)", "Quest - Vignetta",
                              "Vignetta", "1", "-1", "100"}));
        QCOMPARE(obj->property("lists").toStringList(),
                 QStringList({"Fade Out|Fade In", "BGM|BGS|ME|SE", "BGM|BGS", "Upper Left|Center",
                              "Normal|Additive|Multiply|Screen", "Window|Dim|Transparent",
                              "Top|Middle|Bottom",
                              "default|dark|highContrastWhite|highContrastBlack", "4|1", "64|32"}));
        QCOMPARE(bridge::Constants::projectFilterTitle(), QStringLiteral("Vignetta Project"));
    }
};

QTEST_MAIN(TimelineBridgeTest)
#include "tst_timeline_bridge.moc"
