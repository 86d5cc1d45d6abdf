#include <gtest/gtest.h>

#include "scene/editing.h"
#include "scene_test_util.h"

using namespace scene_test;

namespace {

Block dragged(const Document &doc, int id, int lane, int start, int delay = -1)
{
    Block b = *doc.getBlock(id);
    b.laneId = lane;
    b.setStart(start);
    if (delay > 0)
        b.setDelay(delay);
    return b;
}

} // namespace

TEST(SceneMoves, DragAcrossLanesRipplesTheTarget)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 0, 40);
    put(doc, 2, 20, 40);               // 20..60, running at the drop frame
    const int c = put(doc, 2, 70, 10); // later: ripples
    ASSERT_TRUE(moveBlocks(doc, {dragged(doc, a, 2, 30)}, 30, 2));
    // a lands after b (60), c moves to clear it: 60 + 40 - 70 = 30 later.
    EXPECT_TRUE(spans(doc, 1).empty());
    EXPECT_EQ(spans(doc, 2), (Spans{{20, 60}, {100, 110}, {60, 100}}));
    EXPECT_EQ(doc.getBlock(a)->laneId, 2);
    EXPECT_EQ(doc.getBlock(c)->start(), 100);
}

TEST(SceneMoves, EachMovedBlockMustFitWhereItLands)
{
    // The frame the caller gives for the new left edge is not the set's own: the set must still
    // neither end past the timeline nor land on a block of its lane.
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 0, 50);
    const int b = put(doc, 2, 0, 60);
    const Document before = doc;
    EXPECT_FALSE(moveBlocks(doc, {dragged(doc, b, 2, 9990)}, 100, 2)) << "ends at 10050";
    EXPECT_FALSE(moveBlocks(doc, {dragged(doc, b, 1, 10)}, 60, 1)) << "over block a";
    EXPECT_EQ(doc, before);
    // Told the truth, the same drops are placed.
    ASSERT_TRUE(moveBlocks(doc, {dragged(doc, b, 1, 10)}, 10, 1));
    EXPECT_EQ(spans(doc, 1), (Spans{{0, 50}, {50, 110}}));
    EXPECT_EQ(doc.getBlock(a)->start(), 0);
}

TEST(SceneMoves, MovingOntoItselfOrNowhereChangesNothing)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 10, 40);
    put(doc, 1, 60, 10);
    const Document before = doc;
    EXPECT_FALSE(moveBlocks(doc, {dragged(doc, a, 1, 10)}, 10, 1)) << "no change";
    EXPECT_FALSE(moveBlocks(doc, {dragged(doc, a, 7, 10)}, 10, 7)) << "no lane 7";
    EXPECT_FALSE(moveBlocks(doc, {dragged(doc, a, 0, 10)}, 10, 0)) << "not on the marker lane";
    EXPECT_FALSE(moveBlocks(doc, {dragged(doc, a, 1, 9980)}, 9980, 1)) << "past the end";
    Block ghost = dragged(doc, a, 1, 20);
    ghost.blockId = 99;
    EXPECT_FALSE(moveBlocks(doc, {dragged(doc, a, 1, 20), ghost}, 20, 1)) << "unknown block";
    EXPECT_EQ(doc, before);
}

TEST(SceneMoves, ResizeRipplesLaterBlocks)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 0, 60);
    const int b = put(doc, 1, 60, 20);
    ASSERT_TRUE(moveBlocks(doc, {dragged(doc, a, 1, 0, 100)}, 0, 1));
    EXPECT_EQ(doc.getBlock(a)->end(), 100);
    EXPECT_EQ(doc.getBlock(b)->start(), 100);
}

TEST(SceneMoves, GroupMoveKeepsSpacing)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 0, 10);
    const int b = put(doc, 2, 20, 10);
    const int other = put(doc, 3, 200, 10);
    ASSERT_TRUE(moveBlocks(doc, {dragged(doc, a, 2, 100), dragged(doc, b, 3, 120)}, 100, 2));
    EXPECT_EQ(doc.getBlock(a)->laneId, 2);
    EXPECT_EQ(doc.getBlock(a)->start(), 100);
    EXPECT_EQ(doc.getBlock(b)->laneId, 3);
    EXPECT_EQ(doc.getBlock(b)->start(), 120);
    EXPECT_EQ(doc.getBlock(other)->start(), 200) << "130 <= 200: no ripple needed";
}

TEST(SceneMoves, MarkerDroppedOnAMarkerShiftsItAndLaterOnes)
{
    Document doc = Document::emptyScene();
    const int m1 = put(doc, 0, 10, 1, mode_comment);
    const int m2 = put(doc, 0, 50, 1, mode_comment);
    put(doc, 0, 51, 1, mode_comment);
    const int m4 = put(doc, 0, 90, 1, mode_comment);
    const int pic = put(doc, 1, 50, 10);
    ASSERT_TRUE(moveMarker(doc, m1, 50));
    EXPECT_EQ(doc.getBlock(m1)->start(), 50);
    EXPECT_EQ(doc.getBlock(m2)->start(), 51);
    EXPECT_EQ(doc.getBlock(pic)->start(), 50) << "other lanes are not touched";
    EXPECT_EQ(spans(doc, 0), (Spans{{91, 92}, {52, 53}, {51, 52}, {50, 51}}));

    const Document before = doc;
    EXPECT_FALSE(moveMarker(doc, m1, 50)) << "same frame";
    EXPECT_FALSE(moveMarker(doc, pic, 10)) << "not a marker";
    EXPECT_FALSE(moveMarker(doc, m4, 10000)) << "past the end";
    EXPECT_EQ(doc, before);
    // Dropping onto a free frame moves nothing else.
    ASSERT_TRUE(moveMarker(doc, m4, 200));
    EXPECT_EQ(spans(doc, 0), (Spans{{200, 201}, {52, 53}, {51, 52}, {50, 51}}));
}

TEST(SceneMoves, DeleteAndNewLane)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 0, 10);
    const int m = put(doc, 0, 5, 1, mode_comment);
    EXPECT_EQ(deleteBlocks(doc, {a, 99, m}), 2);
    EXPECT_TRUE(doc.isEmpty());

    int created = 0;
    while (newLane(doc) > 0)
        ++created;
    EXPECT_EQ(created, 99);
    EXPECT_EQ(doc.getLastLaneId(), maxLanes);
    EXPECT_EQ(newLane(doc), -1);
}
