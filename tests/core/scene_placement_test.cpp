#include <gtest/gtest.h>

#include <limits>

#include "scene/editing.h"
#include "scene/placement.h"
#include "scene_test_util.h"

using namespace scene_test;

TEST(ScenePlacement, PushedPastARunningBlockWithoutRipple)
{
    Document doc = Document::emptyScene();
    put(doc, 1, 80, 60);
    put(doc, 1, 200, 60);
    const auto ids = insertBlocks(doc, {createEmptyBlockOfMode(doc, mode_picture)}, 100, 1);
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(spans(doc, 1), (Spans{{80, 140}, {200, 260}, {140, 200}}));
    EXPECT_EQ(ids[0], 3);
    EXPECT_EQ(doc.getBlock(3)->laneId, 1);
}

TEST(ScenePlacement, LaterBlocksRippleByOneCommonAmount)
{
    Document doc = Document::emptyScene();
    put(doc, 1, 80, 60);
    put(doc, 1, 150, 60);
    put(doc, 1, 300, 60);
    put(doc, 2, 150, 10); // another lane: untouched
    const auto box = getFreeBoundingBox(doc, {makeBlock(mode_picture, 0, 60)}, 100, 1);
    ASSERT_TRUE(box);
    const auto &r = box->offsetedRect;
    EXPECT_EQ((std::vector<int>{r.x, r.y, r.width, r.height}), (std::vector<int>{140, 1, 60, 1}));
    EXPECT_EQ(box->forwardOffset, 40);
    EXPECT_EQ(box->backwardOffset, 50);
    EXPECT_EQ(box->backwardOverlaps, (std::vector<int>{2, 3}));

    ASSERT_FALSE(insertBlocks(doc, {createEmptyBlockOfMode(doc, mode_picture)}, 100, 1).empty());
    EXPECT_EQ(spans(doc, 1), (Spans{{80, 140}, {200, 260}, {350, 410}, {140, 200}}));
    EXPECT_EQ(spans(doc, 2), (Spans{{150, 160}}));
}

TEST(ScenePlacement, FrameLimitRefusesWithoutChange)
{
    Document doc = Document::emptyScene();
    EXPECT_TRUE(insertBlocks(doc, {makeBlock(mode_picture, 0, 60)}, 9990, 1).empty());
    EXPECT_FALSE(insertBlocks(doc, {makeBlock(mode_picture, 0, 60)}, 9940, 1).empty());
    EXPECT_EQ(spans(doc, 1), (Spans{{9940, 10000}}));

    // The ripple would push a later block past the end.
    Document full = Document::emptyScene();
    put(full, 1, 9900, 90); // ends at 9990: a 40-frame push would end it at 10030
    const Document before = full;
    EXPECT_TRUE(insertBlocks(full, {makeBlock(mode_picture, 0, 60)}, 9880, 1).empty());
    EXPECT_EQ(full, before);
    // Pushed past a running block beyond the end.
    Document running = Document::emptyScene();
    put(running, 1, 9900, 60);
    EXPECT_TRUE(insertBlocks(running, {makeBlock(mode_picture, 0, 60)}, 9910, 1).empty());
    EXPECT_FALSE(getFreeBoundingBox(running, {makeBlock(mode_picture, 0, 1)}, -1, 1));
}

TEST(ScenePlacement, PastedSetKeepsLayoutAndCreatesLanes)
{
    // A set spanning lanes 3 to 5, earliest block at frame 100.
    const std::vector<Block> set = {makeBlock(mode_picture, 120, 30, 4, 11),
                                    makeBlock(mode_message, 100, 16, 3, 12),
                                    makeBlock(mode_picture, 150, 10, 5, 13)};
    Document doc = Document::emptyScene();
    const Document before = doc;
    EXPECT_TRUE(insertBlocks(doc, set, 0, 98).empty()) << "98 + 3 lanes > 100";
    EXPECT_EQ(doc, before);

    const auto ids = insertBlocks(doc, set, 500, 97);
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_EQ(doc.getLastLaneId(), 99);
    // Grouped by lane offset: lane 97 first, so the message gets the first id.
    EXPECT_EQ(ids, (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(spans(doc, 97), (Spans{{500, 516}}));
    EXPECT_EQ(spans(doc, 98), (Spans{{520, 550}}));
    EXPECT_EQ(spans(doc, 99), (Spans{{550, 560}}));
    EXPECT_TRUE(spans(doc, 50).empty());
}

TEST(ScenePlacement, BlockCountLimit)
{
    Document doc = Document::emptyScene();
    for (int i = 0; i < 990; ++i)
        put(doc, 1 + i % 10, (i / 10) * 100, 10);
    std::vector<Block> ten(10, makeBlock(mode_sound, 0, 16));
    const Document before = doc;
    EXPECT_TRUE(insertBlocks(doc, ten, 9800, 20).empty());
    EXPECT_EQ(doc, before);
    ten.pop_back();
    EXPECT_EQ(insertBlocks(doc, ten, 9800, 20).size(), 9u);
    EXPECT_EQ(doc.numBlock(), 999);
    EXPECT_TRUE(insertBlocks(doc, {makeBlock(mode_comment, 0, 1, 0)}, 0, 1).empty());
    EXPECT_TRUE(insertBlocks(doc, {}, 0, 1).empty());
}

TEST(ScenePlacement, MarkersGoToTheMarkerLaneAndRippleIt)
{
    Document doc = Document::emptyScene();
    put(doc, 0, 100, 1, mode_comment);
    put(doc, 0, 300, 1, mode_comment);
    put(doc, 1, 100, 50);
    put(doc, 2, 100, 50); // lane 2 is not covered by the set
    doc.sortMarkers();

    // The set: a marker at 0 and a picture at 0..40 on lane 1.
    const std::vector<Block> set = {makeBlock(mode_comment, 0, 1, 0, 1),
                                    makeBlock(mode_picture, 0, 40, 1, 2)};
    const auto box = getFreeBoundingBox(doc, set, 100, 1);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->offsetedRect.y, 0);
    EXPECT_EQ(box->backwardOffset, 40);
    const auto ids = insertBlocks(doc, set, 100, 1);
    ASSERT_EQ(ids.size(), 2u);
    // Both the marker lane and lane 1 rippled by 40; the new marker took frame 100.
    EXPECT_EQ(spans(doc, 0), (Spans{{340, 341}, {140, 141}, {100, 101}}));
    EXPECT_EQ(spans(doc, 1), (Spans{{140, 190}, {100, 140}}));
    EXPECT_EQ(spans(doc, 2), (Spans{{100, 150}}));
    EXPECT_EQ(doc.getBlock(ids[0])->laneId, 0);

    // A set of markers only, given for lane 5, lands on the marker lane and creates no lane.
    const int lanesBefore = doc.getLastLaneId();
    const auto markerOnly = insertBlocks(doc, {makeBlock(mode_comment, 7, 1, 3)}, 500, 5);
    ASSERT_EQ(markerOnly.size(), 1u);
    EXPECT_EQ(doc.getBlock(markerOnly[0])->laneId, 0);
    EXPECT_EQ(doc.getBlock(markerOnly[0])->start(), 500);
    EXPECT_EQ(doc.getLastLaneId(), lanesBefore);
}

TEST(ScenePlacement, InsertionNeedsANewIdForEveryBlock)
{
    // New ids count up from the highest id in use; past the highest int there is none.
    Document doc = Document::emptyScene();
    Block last = makeBlock(mode_picture, 0, 10, 1, std::numeric_limits<int>::max());
    ASSERT_TRUE(doc.appendBlock(last, 1));
    EXPECT_EQ(blockIdsLeft(doc), 0);
    const Document before = doc;
    EXPECT_TRUE(insertBlocks(doc, {makeBlock(mode_picture, 0, 10)}, 100, 1).empty());
    EXPECT_EQ(doc, before);

    // One id below the top: one block fits, two do not.
    Document nearly = Document::emptyScene();
    ASSERT_TRUE(nearly.appendBlock(
        makeBlock(mode_picture, 0, 10, 1, std::numeric_limits<int>::max() - 1), 1));
    const Document nearlyBefore = nearly;
    EXPECT_TRUE(
        insertBlocks(nearly, {makeBlock(mode_picture, 0, 10), makeBlock(mode_sound, 0, 10)}, 100, 1)
            .empty());
    EXPECT_EQ(nearly, nearlyBefore);
    const auto ids = insertBlocks(nearly, {makeBlock(mode_picture, 0, 10)}, 100, 1);
    ASSERT_EQ(ids, std::vector<int>{std::numeric_limits<int>::max()});
    EXPECT_EQ(nearly.numBlock(), 2);
    // The provisional id of a new block does not wrap around either.
    EXPECT_EQ(createEmptyBlock(nearly).blockId, std::numeric_limits<int>::max());
}

TEST(ScenePlacement, InsertedBlocksKeepTheirEventData)
{
    Document doc = Document::emptyScene();
    Block b = makeBlock(mode_picture, 40, 20, 2, 77);
    b.setField("imageName", "sky");
    b.editEventData([](Json &d) { d["future"] = 1; });
    const auto ids = insertBlocks(doc, {b}, 10, 1);
    ASSERT_EQ(ids.size(), 1u);
    const Block *placed = doc.getBlock(ids[0]);
    EXPECT_EQ(placed->start(), 10);
    EXPECT_EQ(placed->view().imageName, "sky");
    EXPECT_EQ(placed->eventData()["future"], 1);
    EXPECT_EQ(doc.getBlock(77), nullptr);
}
