#include <gtest/gtest.h>

#include "scene/builders.h"
#include "scene/event_data.h"
#include "scene_test_util.h"
#include "json/js_json.h"

using namespace scene_test;
using vignetta::json::stringify;

TEST(SceneBuilders, FreshDocumentAndFirstIds)
{
    Document doc = Document::emptyScene();
    ASSERT_EQ(doc.lanes().size(), 2u);
    EXPECT_EQ(doc.lanes()[0].laneId, 0);
    EXPECT_EQ(doc.lanes()[1].laneId, 1);
    EXPECT_TRUE(doc.isEmpty());
    EXPECT_EQ(doc.getLastBlockId(), 0);
    EXPECT_EQ(doc.getLastLaneId(), 1);
    EXPECT_EQ(createEmptyBlock(doc).blockId, 1);
    EXPECT_EQ(createEmptyLane(doc).laneId, 2);
    EXPECT_EQ(Document().getLastLaneId(), -1);

    const int a = put(doc, 1, 0, 10);
    const int b = put(doc, 1, 20, 10);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    // Deleting the highest id lets the next block reuse it.
    ASSERT_TRUE(doc.deleteBlock(b, 1));
    EXPECT_EQ(createEmptyBlockOfMode(doc, mode_message).blockId, 2);
}

TEST(SceneBuilders, EachKindHasItsDefaultsInFieldOrder)
{
    Document doc = Document::emptyScene();
    const Block picture = createEmptyBlockOfMode(doc, mode_picture);
    EXPECT_EQ(
        stringify(picture.toJson()),
        R"({"blockId":1,"laneId":0,"eventData":{"blockStart":0,"blockDelay":60,)"
        R"("blockMode":0,"imageName":"","imageIndex":1,"origin":0,"startPosition":{"x":0,"y":0},)"
        R"("endPosition":{"x":0,"y":0},"width":48,"height":48,)"
        R"("startScale":{"width":100,"height":100},"endScale":{"width":100,"height":100},)"
        R"("rotateSpeed":0,"startOpacity":255,"blend":0,"endOpacity":255,)"
        R"("endColor":{"R":0,"G":0,"B":0,"S":0},"messageImageName":"","messageImageIndex":"",)"
        R"("messageBackground":0,"messagePosition":2,"messageText":"","fadeType":0,)"
        R"("flashEnabled":false,"flashColor":{"R":255,"G":255,"B":255,"P":170},)"
        R"("shakeEnabled":false,"shakePower":5,"shakeSpeed":5,"audioType":"bgm",)"
        R"("audioName":"","volume":90,"pitch":100,"pan":0,"fadeoutAudioType":"bgm",)"
        R"("comment":"","scrollMode":false,"scrollSpeed":2,"scrollNoFast":false,)"
        R"("startRatio":0,"endRatio":1,"next":false,"prev":false,"reset":false}})");

    const struct
    {
        Block block;
        int mode;
        int delay;
    } kinds[] = {
        {createEmptyBlockOfMode(doc, mode_message), mode_message, 16},
        {createEmptyBlockOfMode(doc, mode_fade), mode_fade, 24},
        {createEmptyBlockOfMode(doc, mode_sound), mode_sound, 16},
        {createEmptyBlockOfMode(doc, mode_screen), mode_screen, 60},
        {createEmptyBlockOfMode(doc, mode_comment), mode_comment, 1},
        {createEmptyBlockOfMode(doc, mode_other), mode_other, 16},
        {createEmptyBlockOfMode(doc, mode_scroll), mode_scroll, 16},
        {createEmptyBlockOfMode(doc, mode_sound_fade), mode_sound_fade, 60},
    };
    for (const auto &k : kinds) {
        EXPECT_EQ(k.block.mode(), k.mode);
        EXPECT_EQ(k.block.delay(), k.delay) << "kind " << k.mode;
        EXPECT_EQ(k.block.eventData()["blockDelay"], k.delay);
        EXPECT_EQ(k.block.view().scrollMode, k.mode == mode_scroll);
        // Same keys in the same order as every other block.
        std::vector<std::string> keys;
        for (const auto &item : k.block.eventData().items())
            keys.push_back(item.key());
        EXPECT_EQ(keys, eventDataFieldNames());
        EXPECT_EQ(k.block.view().imageIndex, 0) << "only picture blocks take a number";
    }
    // An unknown kind keeps its number and the shared defaults; nothing else is made up for it.
    const Block unknown = createEmptyBlockOfMode(doc, 42);
    EXPECT_EQ(unknown.mode(), 42);
    EXPECT_EQ(unknown.eventData()["blockDelay"], createEmptyBlock(doc).eventData()["blockDelay"]);
    EXPECT_EQ(unknown.view().imageIndex, 0);
    EXPECT_FALSE(unknown.view().scrollMode);
}

TEST(SceneBuilders, PictureNumbersStayWithinTheHostRange)
{
    Document doc = Document::emptyScene();
    EXPECT_EQ(createEmptyBlockOfMode(doc, mode_picture).view().imageIndex, 1);
    const int a = put(doc, 1, 0, 10);
    const int b = put(doc, 1, 20, 10);
    doc.getBlock(a)->setField("imageIndex", 3);
    doc.getBlock(b)->setField("imageIndex", 7);
    EXPECT_EQ(createEmptyBlockOfMode(doc, mode_picture).view().imageIndex, 8);

    // Once 100 is used the lowest free number is taken; with all taken, 100.
    doc.getBlock(b)->setField("imageIndex", 100);
    EXPECT_EQ(createEmptyBlockOfMode(doc, mode_picture).view().imageIndex, 1);
    doc.getBlock(a)->setField("imageIndex", 1);
    EXPECT_EQ(createEmptyBlockOfMode(doc, mode_picture).view().imageIndex, 2);
    for (int n = 2; n < 100; ++n) {
        const int id = put(doc, 2, 0, 10);
        doc.getBlock(id)->setField("imageIndex", n);
    }
    EXPECT_EQ(createEmptyBlockOfMode(doc, mode_picture).view().imageIndex, 100);
    // A non-picture block's number counts toward the highest, not toward the used numbers.
    Document other = Document::emptyScene();
    const int msg = put(other, 1, 0, 16, mode_message);
    other.getBlock(msg)->setField("imageIndex", 250);
    EXPECT_EQ(createEmptyBlockOfMode(other, mode_picture).view().imageIndex, 1);
}

TEST(SceneBuilders, DeepCopyCarriesKnownFieldsOnly)
{
    Document doc = Document::emptyScene();
    put(doc, 1, 0, 10);
    Json data = Json::object();
    data["future"] = "kept?";
    data["messageText"] = "hello";
    data["blockMode"] = 1;
    data["startPosition"] = {{"y", 5}, {"x", 4}};
    Block fromFile(9, 3, data);

    const Block copy = blockDeepCopy(doc, fromFile);
    EXPECT_EQ(copy.blockId, 2);
    EXPECT_EQ(copy.laneId, 0);
    EXPECT_FALSE(copy.eventData().contains("future"));
    EXPECT_EQ(copy.view().messageText, "hello");
    EXPECT_EQ(copy.mode(), mode_message);
    EXPECT_EQ(copy.eventData().begin().key(), "blockStart");
    EXPECT_EQ(copy.view().startPosition.x, 4);
}

TEST(SceneBlock, FieldWritesKeepPositionAndView)
{
    Block b = createEmptyBlockOfMode(Document::emptyScene(), mode_picture);
    const Block before = b;
    EXPECT_TRUE(b.setField("startPosition.x", 12.5));
    EXPECT_TRUE(b.setField("endColor.R", -40));
    EXPECT_TRUE(b.setField("messageText", "line"));
    EXPECT_EQ(b.view().startPosition.x, 12.5);
    EXPECT_EQ(b.view().endColor.R, -40);
    EXPECT_EQ(b.field("startPosition.x"), 12.5);
    EXPECT_EQ(b.field("nothing.here"), nullptr);
    // The copy taken before is untouched (copies share data until one changes).
    EXPECT_EQ(before.view().startPosition.x, 0);
    EXPECT_EQ(before.field("messageText"), "");
    // A path through a non-object, or an empty part, is refused and changes nothing.
    const Block kept = b;
    EXPECT_FALSE(b.setField("messageText.x", 1));
    EXPECT_FALSE(b.setField("", 1));
    EXPECT_FALSE(b.setField("a..b", 1));
    EXPECT_EQ(b, kept);
    // Missing objects are created; the key goes last.
    EXPECT_TRUE(b.setField("extra.inner", 2));
    EXPECT_EQ(std::prev(b.eventData().end()).key(), "extra");
    // blockStart keeps its place when written.
    b.setStart(300);
    EXPECT_EQ(b.eventData().begin().key(), "blockStart");
    EXPECT_EQ(b.end(), 360);
}

TEST(SceneBlock, TypedViewCoercesFileValues)
{
    Json data = Json::object();
    data["blockStart"] = "30";
    data["blockDelay"] = 12.7;
    data["startPosition"] = {{"x", "7.5"}, {"y", nullptr}};
    data["startOpacity"] = Json::object();
    data["flashEnabled"] = 1;
    data["imageName"] = 5;
    data["messageImageIndex"] = Json::array();
    const Block b(1, 1, data);
    EXPECT_EQ(b.start(), 30);
    EXPECT_EQ(b.delay(), 12);
    EXPECT_EQ(b.view().startPosition.x, 7.5);
    EXPECT_EQ(b.view().startPosition.y, 0);
    EXPECT_EQ(b.view().startOpacity, 255); // unreadable: default
    EXPECT_TRUE(b.view().flashEnabled);
    EXPECT_EQ(b.view().imageName, "5");
    EXPECT_EQ(b.view().messageImageIndex, "");
    EXPECT_EQ(b.view().audioType, "bgm"); // missing: default
    EXPECT_EQ(Block(1, 1, Json::array()).eventData(), Json::object());
}

TEST(SceneQueries, ContainsBlocksAndPictureList)
{
    Document doc = Document::emptyScene();
    put(doc, 0, 10, 1, mode_comment);
    const int a = put(doc, 1, 10, 20); // frames 10..30
    const int b = put(doc, 2, 0, 10);  // frames 0..10
    const int c = put(doc, 2, 25, 5, mode_message);
    doc.getBlock(a)->setField("imageName", "hero");
    doc.getBlock(b)->setField("imageName", "sky");
    const int d = put(doc, 3, 0, 60);
    doc.getBlock(d)->setField("imageName", "hero");

    auto ids = [](const std::vector<Block> &blocks) {
        std::vector<int> out;
        for (const auto &x : blocks)
            out.push_back(x.blockId);
        return out;
    };
    // At pixel 40 with 4 pixels per frame = frame 10: the end of b, the start of a.
    EXPECT_EQ(ids(doc.getContainsBlocks(40, 4, false)), (std::vector<int>{a, d}));
    EXPECT_EQ(ids(doc.getContainsBlocks(40, 4, true)), (std::vector<int>{a, b, d}));
    EXPECT_EQ(ids(doc.getContainsBlocks(27, 1, false)), (std::vector<int>{a, c, d}));
    EXPECT_EQ(ids(doc.getContainsBlocks(70, 1, false)), std::vector<int>{});
    // Results are copies.
    auto copies = doc.getContainsBlocks(27, 1, false);
    copies[0].setField("imageName", "changed");
    EXPECT_EQ(doc.getBlock(a)->view().imageName, "hero");

    EXPECT_EQ(doc.getPictureList(), (std::vector<std::string>{"hero", "sky"}));
    EXPECT_EQ(doc.numBlock(), 5);
    EXPECT_EQ(doc.getBlockIndex(c, 2), 1);
    EXPECT_EQ(doc.getBlockIndex(c, 1), -1);
    EXPECT_EQ(doc.getBlockIndex(c, 42), -1);
    EXPECT_EQ(doc.getLaneByLaneId(42), nullptr);
}

TEST(SceneQueries, NextAndPreviousStartsAcceptFractionalFrames)
{
    Document doc = Document::emptyScene();
    EXPECT_EQ(doc.getNextStart(0), -1);
    EXPECT_EQ(doc.getPrevStart(100), -1);
    put(doc, 0, 50, 1, mode_comment);
    put(doc, 1, 10, 20);
    put(doc, 2, 30, 20);
    EXPECT_EQ(doc.getNextStart(10), 30);
    EXPECT_EQ(doc.getNextStart(9.75), 10);
    EXPECT_EQ(doc.getNextStart(30.5), 50); // markers count
    EXPECT_EQ(doc.getNextStart(50), -1);
    EXPECT_EQ(doc.getPrevStart(30), 10);
    EXPECT_EQ(doc.getPrevStart(30.25), 30);
    EXPECT_EQ(doc.getPrevStart(10), -1);
}

TEST(SceneQueries, RectangleSelectionAndLastEnd)
{
    Document doc = Document::emptyScene();
    EXPECT_EQ(doc.getLastEnd(), 0);
    const int a = put(doc, 1, 0, 60);
    const int b = put(doc, 3, 200, 60);
    const int inside = put(doc, 2, 100, 20);
    put(doc, 2, 250, 20);             // ends past the range
    put(doc, 4, 10, 10);              // lane outside the range
    put(doc, 0, 10, 1, mode_comment); // markers are never selected this way
    const int lastMarker = put(doc, 0, 9000, 1, mode_comment);
    EXPECT_EQ(doc.getBlocksWithin(0, 260, 1, 3), (std::vector<int>{a, inside, b}));
    EXPECT_EQ(doc.getBlocksWithin(0, 259, 0, 3), (std::vector<int>{a, inside}));
    EXPECT_EQ(doc.getLastEnd(), doc.getBlock(lastMarker)->end());
}

TEST(SceneQueries, UnifyOrdersByStartThenLane)
{
    Document doc = Document::emptyScene();
    const int pic = put(doc, 2, 0, 30);
    const int late = put(doc, 1, 40, 10);
    const int marker = put(doc, 0, 0, 1, mode_comment);
    const int early = put(doc, 1, 0, 10);
    std::vector<int> order;
    for (const auto &b : doc.unify())
        order.push_back(b.blockId);
    EXPECT_EQ(order, (std::vector<int>{marker, early, pic, late}));
}

TEST(SceneDocument, MutatorsRefuseWithoutChanging)
{
    Document doc = Document::emptyScene();
    const int id = put(doc, 1, 0, 10);
    const Document before = doc;
    EXPECT_FALSE(doc.appendBlock(makeBlock(mode_picture, 0, 10, 1, 99), 5)); // no lane 5
    EXPECT_FALSE(doc.appendBlock(makeBlock(mode_picture, 0, 10, 1, id), 1)); // id in use
    EXPECT_FALSE(doc.appendBlock(makeBlock(mode_picture, 0, 10, 1, 0), 1));  // id 0
    EXPECT_FALSE(doc.deleteBlock(id, 0));
    EXPECT_FALSE(doc.deleteBlock(99, 1));
    EXPECT_FALSE(doc.deleteBlock(id, 7));
    EXPECT_FALSE(doc.appendLane(Lane{5, {}}));
    EXPECT_EQ(doc, before);
    EXPECT_TRUE(doc.appendLane(Lane{2, {}}));
}
