#include <gtest/gtest.h>

#include "scene/block_clipboard.h"
#include "scene/editing.h"
#include "scene/selection.h"
#include "scene_test_util.h"
#include "json/js_json.h"

using namespace scene_test;

using Ids = std::vector<int>;

TEST(TimelineSelection, ShiftClickSelectsEverythingTheClickedBlocksSpan)
{
    Document doc = Document::emptyScene();
    const int first = put(doc, 1, 0, 60);
    const int inside = put(doc, 2, 100, 50);
    const int tooLong = put(doc, 2, 200, 100); // ends at 300, past 260
    const int below = put(doc, 4, 0, 10);      // lane 4 is outside
    const int last = put(doc, 3, 200, 60);
    const int marker = put(doc, 0, 50, 1, mode_comment);

    BlockSelection s = pressBlock(doc, {}, first, false);
    EXPECT_EQ(s.selected, Ids{first});
    s = pressBlock(doc, s, last, true);
    EXPECT_EQ(s.pressed, (Ids{first, last}));
    EXPECT_EQ(s.selected, (Ids{first, inside, last}));
    EXPECT_FALSE(s.contains(tooLong));
    EXPECT_FALSE(s.contains(below));
    EXPECT_FALSE(s.contains(marker));
    EXPECT_EQ(boxPixels(*selectionBox(doc, s.pressed), 4, 64).width, 260 * 4);
    EXPECT_EQ(boxPixels(*selectionBox(doc, s.pressed), 4, 64).height, 3 * 64);
    EXPECT_EQ(commonLane(doc, s.selected), -1);

    // Clicking one block of the group keeps the group (so it can be dragged) ...
    EXPECT_EQ(pressBlock(doc, s, inside, false), s);
    // ... a click elsewhere, without Shift, starts afresh ...
    const BlockSelection alone = pressBlock(doc, s, tooLong, false);
    EXPECT_EQ(alone.selected, Ids{tooLong});
    EXPECT_EQ(commonLane(doc, alone.selected), 2);
    // ... and markers or unknown ids clear it.
    EXPECT_TRUE(pressBlock(doc, s, marker, false).empty());
    EXPECT_TRUE(pressBlock(doc, s, 999, true).empty());
}

TEST(TimelineSelection, GoneBlocksLeaveThePressedList)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 0, 60);
    const int b = put(doc, 1, 100, 60);
    BlockSelection s = pressBlock(doc, pressBlock(doc, {}, a, false), b, true);
    ASSERT_EQ(s.selected, (Ids{a, b}));
    deleteBlocks(doc, {a});
    s = selectionOf(doc, s.pressed);
    EXPECT_EQ(s.pressed, Ids{b});
    EXPECT_EQ(s.selected, Ids{b});
}

TEST(TimelineSelection, AfterInsertionOneMarkerOrTheBlocks)
{
    Document doc = Document::emptyScene();
    const auto marker = insertBlocks(doc, {makeBlock(mode_comment, 0, 1, 0)}, 30, 1);
    const auto one = selectionAfterInsertion(doc, marker);
    EXPECT_EQ(one.markerId, marker.front());
    EXPECT_TRUE(one.blocks.empty());

    // A preset with two markers and blocks on two lanes selects the blocks.
    const auto preset =
        insertBlocks(doc,
                     {makeBlock(mode_comment, 0, 1, 0, 1), makeBlock(mode_picture, 0, 60, 1, 2),
                      makeBlock(mode_comment, 40, 1, 0, 3), makeBlock(mode_sound, 20, 16, 2, 4)},
                     100, 1);
    ASSERT_EQ(preset.size(), 4u);
    const auto many = selectionAfterInsertion(doc, preset);
    EXPECT_EQ(many.markerId, 0);
    EXPECT_EQ(many.blocks.pressed, (Ids{preset[1], preset[3]}));
    EXPECT_EQ(many.blocks.selected, (Ids{preset[1], preset[3]}));
}

TEST(TimelineClipboard, CopiedBlocksStartAtZeroAndPasteBack)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 2, 120, 60);
    const int b = put(doc, 3, 200, 16, mode_sound);
    const int m = put(doc, 0, 130, 1, mode_comment);
    doc.getBlock(b)->editEventData([](Json &d) { d["pluginKey"] = "kept"; });

    const std::string text = copyBlocksText(doc, {b, m, a});
    const auto parsed = vignetta::json::parseJson(text);
    ASSERT_TRUE(parsed.ok);
    ASSERT_EQ(parsed.value.size(), 2u) << "markers are never copied";
    EXPECT_EQ(parsed.value[0]["eventData"]["blockStart"], 80) << "selection order is kept";
    EXPECT_EQ(parsed.value[0]["eventData"]["pluginKey"], "kept");
    EXPECT_EQ(parsed.value[1]["eventData"]["blockStart"], 0);
    EXPECT_EQ(parsed.value[1]["laneId"], 2);

    const auto read = readClipboardBlocks(text);
    ASSERT_TRUE(read.ok) << read.error;
    const auto ids = insertBlocks(doc, read.blocks, 500, 4);
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_EQ(doc.getBlock(ids[1])->start(), 500);
    EXPECT_EQ(doc.getBlock(ids[1])->laneId, 4);
    EXPECT_EQ(doc.getBlock(ids[0])->start(), 580);
    EXPECT_EQ(doc.getBlock(ids[0])->laneId, 5) << "lane offsets are kept";
    EXPECT_EQ(copyBlocksText(doc, {m}), "[]");
}

TEST(TimelineClipboard, BadTextIsRefusedWithItsReason)
{
    const auto notJson = readClipboardBlocks("[{\"blockId\":1,");
    EXPECT_FALSE(notJson.ok);
    EXPECT_TRUE(notJson.notJson);

    for (const char *text :
         {"null", "{\"blockId\":1}", "[]", "[1,2]",
          R"([{"blockId":1,"laneId":1,"eventData":{"blockStart":"soon"}}])",
          R"([{"blockId":1,"laneId":1,"eventData":{"blockStart":9990,"blockDelay":60}}])"}) {
        const auto read = readClipboardBlocks(text);
        EXPECT_FALSE(read.ok) << text;
        EXPECT_FALSE(read.notJson) << text;
        EXPECT_FALSE(read.error.empty()) << text;
    }

    std::string many = "[";
    for (int i = 1; i <= maxNumBlock + 1; ++i)
        many += (i > 1 ? "," : "") + std::string(R"({"blockId":)") + std::to_string(i) +
                R"(,"laneId":1,"eventData":{}})";
    many += "]";
    EXPECT_FALSE(readClipboardBlocks(many).ok);
}
