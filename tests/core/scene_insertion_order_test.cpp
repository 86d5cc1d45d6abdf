// Pasted sets that mix markers and blocks: the order in which new ids are handed out, and which
// lanes the ripple reaches.

#include <gtest/gtest.h>

#include "scene/editing.h"
#include "scene_test_util.h"

using namespace scene_test;

TEST(ReviewInsertion, MarkersTakeIdsFirstThenLaneGroupsWhateverTheSetOrder)
{
    Document doc = Document::emptyScene();
    put(doc, 0, 500, 1, mode_comment); // id 1

    // Set order: a block of the set's second lane, a marker, then two blocks of its first lane
    // and a second marker.
    const std::vector<Block> set = {
        makeBlock(mode_picture, 0, 60, 4, 50), makeBlock(mode_comment, 20, 1, 0, 51),
        makeBlock(mode_message, 10, 16, 3, 52), makeBlock(mode_picture, 30, 60, 3, 53),
        makeBlock(mode_comment, 5, 1, 0, 54)};
    const auto ids = insertBlocks(doc, set, 0, 1);

    // Markers in set order (2, 3), then lane offset 0 in set order (4, 5), then offset 1 (6).
    EXPECT_EQ(ids, (std::vector<int>{6, 2, 4, 5, 3}));
    EXPECT_EQ(doc.getBlock(6)->laneId, 2);
    EXPECT_EQ(doc.getBlock(4)->laneId, 1);
    EXPECT_EQ(doc.getBlock(2)->start(), 20);
    EXPECT_EQ(doc.getBlock(3)->start(), 5);
}

TEST(ReviewInsertion, MixedSetIsPushedByItsOwnLanesAndRipplesTheMarkerLane)
{
    Document doc = Document::emptyScene();
    put(doc, 0, 50, 1, mode_comment); // a marker after the cursor
    put(doc, 1, 40, 60);              // lane 1 is not covered by the set below
    put(doc, 2, 0, 200);              // still running at the cursor on the covered lane

    // Markers at 5 and 0 and a picture at 10..70; its lane goes to lane 2.
    const std::vector<Block> set = {makeBlock(mode_comment, 5, 1, 0, 9),
                                    makeBlock(mode_comment, 0, 1, 0, 8),
                                    makeBlock(mode_picture, 10, 60, 2, 7)};
    ASSERT_EQ(insertBlocks(doc, set, 20, 2).size(), 3u);

    // Pushed to frame 200 by lane 2's block; the set's right edge (270) pushes the later marker
    // from 50 to 270. Lane 1's block, though it starts after the cursor, stays.
    EXPECT_EQ(spans(doc, 2), (Spans{{0, 200}, {210, 270}}));
    EXPECT_EQ(spans(doc, 1), (Spans{{40, 100}}));
    EXPECT_EQ(spans(doc, 0), (Spans{{270, 271}, {205, 206}, {200, 201}}));
}
