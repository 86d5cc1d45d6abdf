#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "scene/scene_file.h"
#include "scene_test_util.h"
#include "json/js_json.h"

using namespace scene_test;
using vignetta::json::stringify;

namespace {

std::string readText(const std::filesystem::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string minimalBlock(int id, int lane, const std::string &eventData)
{
    return R"({"blockId":)" + std::to_string(id) + R"(,"laneId":)" + std::to_string(lane) +
           R"(,"eventData":)" + eventData + "}";
}

} // namespace

TEST(SceneFile, FixtureRoundTripsByteForByte)
{
    // A file written by hand: odd key orders, keys we do not know (in blocks and in event
    // data), fractional and exponent numbers, escapes, non-ASCII text.
    const auto dir = std::filesystem::path(VIGNETTA_TEST_DATA) / "scene_roundtrip";
    const std::string text = readText(dir / "scene.json");
    ASSERT_FALSE(text.empty());
    const auto doc = readSceneDocument(text);
    ASSERT_TRUE(doc.ok) << doc.error;
    EXPECT_EQ(writeSceneText(doc.document), readText(dir / "expected.json"));
    // Writing what was written gives the same text again.
    const auto again = readSceneDocument(writeSceneText(doc.document));
    ASSERT_TRUE(again.ok) << again.error;
    EXPECT_EQ(writeSceneText(again.document), writeSceneText(doc.document));
    EXPECT_EQ(again.document.unify(), doc.document.unify());
}

TEST(SceneFile, BuiltSceneWritesInUnifyOrderWithUnknownKeysKept)
{
    Document doc = Document::emptyScene();
    put(doc, 2, 0, 30);
    put(doc, 0, 0, 1, mode_comment);
    const auto read = readSceneText(
        R"([{"eventData":{"zeta":[1,{"b":2,"a":1}],"blockStart":5,"blockMode":1},"laneId":1,"x":null,"blockId":7}])");
    ASSERT_TRUE(read.ok) << read.error;
    doc.appendBlock(read.blocks[0], 1);

    const std::string text = writeSceneText(doc);
    const std::string marker =
        R"({"blockId":2,"laneId":0,"eventData":{"blockStart":0,"blockDelay":1,"blockMode":5,)";
    EXPECT_EQ(text.rfind("[" + marker, 0), 0u) << "the marker comes first: " << text.substr(0, 80);
    EXPECT_NE(
        text.find(
            R"(,{"eventData":{"zeta":[1,{"b":2,"a":1}],"blockStart":5,"blockMode":1},"laneId":1,"x":null,"blockId":7}])"),
        std::string::npos)
        << text;
    // Moving the file block writes its new lane in the file's key position.
    Block moved = *doc.getBlock(7);
    doc.deleteBlock(7, 1);
    doc.appendBlock(moved, 2);
    EXPECT_NE(writeSceneText(doc).find(R"("laneId":2,"x":null,"blockId":7})"), std::string::npos);
}

TEST(SceneFile, AcceptanceRule)
{
    EXPECT_TRUE(readSceneText("[" + minimalBlock(3, 1, "{}") + "]").ok);
    const char *refused[] = {
        "",
        "{}",
        R"({"blockId":1,"laneId":1,"eventData":{}})",
        "[]",
        "[1]",
        R"([{"blockId":0,"laneId":1,"eventData":{}}])",
        R"([{"laneId":1,"eventData":{}}])",
        "null",
        "\"text\"",
    };
    for (const char *text : refused) {
        const auto r = readSceneText(text);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_FALSE(r.error.empty()) << text;
        EXPECT_TRUE(r.blocks.empty());
    }
}

TEST(SceneFile, BadBlocksAreRefusedByName)
{
    const struct
    {
        std::string text;
        std::string message;
    } cases[] = {
        {"[" + minimalBlock(1, 1, "{}") + ",5]", "block 2 is 5, not an object"},
        {"[" + minimalBlock(1, 1, "{}") + R"(,{"blockId":"2","laneId":1,"eventData":{}}])",
         "block 2 has blockId the text \"2\""},
        {R"([{"blockId":1.5,"laneId":1,"eventData":{}}])", "blockId 1.5"},
        {R"([{"blockId":-3,"laneId":1,"eventData":{}}])", "blockId -3"},
        {R"([{"blockId":1e300,"laneId":1,"eventData":{}}])", "blockId 1e+300"},
        {R"([{"blockId":1,"laneId":null,"eventData":{}}])", "laneId null"},
        {R"([{"blockId":1,"laneId":101,"eventData":{}}])", "laneId 101"},
        {R"([{"blockId":1,"eventData":{}}])", "has no laneId"},
        {R"([{"blockId":1,"laneId":1}])", "(blockId 1) has no eventData object"},
        {R"([{"blockId":1,"laneId":1,"eventData":[]}])", "no eventData object"},
        {minimalBlock(1, 1, R"({"blockStart":2.5})"), "starts at 2.5"},
        {minimalBlock(1, 1, R"({"blockStart":-1})"), "starts at -1"},
        {minimalBlock(1, 1, R"({"blockStart":"10"})"), "starts at the text"},
        {minimalBlock(1, 1, R"({"blockStart":9990})"), "ends at frame 10050"},
        {minimalBlock(1, 1, R"({"blockDelay":0})"), "blockDelay 0"},
        {minimalBlock(1, 1, R"({"blockDelay":{"a":[1,[2]]}})"), "blockDelay an object"},
        {minimalBlock(1, 1, R"({"blockMode":9})"), "blockMode 9"},
        {minimalBlock(1, 1, R"({"imageIndex":101})"), "picture number 101"},
        {minimalBlock(1, 1, R"({"imageIndex":-1})"), "picture number -1"},
        {minimalBlock(1, 1, R"({"imageIndex":2.5})"), "picture number 2.5"},
    };
    for (const auto &c : cases) {
        std::string text = c.text[0] == '[' ? c.text : "[" + c.text + "]";
        const auto r = readSceneText(text);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_NE(r.error.find(c.message), std::string::npos) << text << " -> " << r.error;
    }
    // Picture numbers are only checked on picture blocks; other fields are read leniently.
    EXPECT_TRUE(
        readSceneText("[" + minimalBlock(1, 1, R"({"blockMode":1,"imageIndex":500})") + "]").ok);
    const auto lenient = readSceneText(
        "[" + minimalBlock(1, 1, R"({"volume":"loud","startPosition":null,"messageText":[1]})") +
        "]");
    ASSERT_TRUE(lenient.ok) << lenient.error;
    EXPECT_EQ(lenient.blocks[0].view().volume, 90);
    EXPECT_EQ(lenient.blocks[0].view().messageText, "");
    // Whole numbers written with a fraction are whole numbers.
    EXPECT_TRUE(
        readSceneText(R"([{"blockId":2.0,"laneId":1.0,"eventData":{"blockStart":3.0}}])").ok);
}

TEST(SceneFile, BlocksOverlappingOnOneLaneAreRefusedByName)
{
    const auto picture = [](int id, int lane, int start, int delay) {
        return minimalBlock(id, lane,
                            R"({"blockStart":)" + std::to_string(start) + R"(,"blockDelay":)" +
                                std::to_string(delay) + "}");
    };
    const auto overlapping =
        readSceneText("[" + picture(1, 1, 0, 50) + "," + picture(2, 2, 10, 60) + "," +
                      picture(3, 1, 40, 20) + "]");
    EXPECT_FALSE(overlapping.ok);
    EXPECT_TRUE(overlapping.blocks.empty());
    EXPECT_EQ(overlapping.error, "block 1 (blockId 1, frames 0 to 50) and block 3 (blockId 3, "
                                 "frames 40 to 60) overlap on lane 1; blocks on one lane must "
                                 "not overlap");
    // A block inside a longer one that started earlier, behind a short one between them.
    EXPECT_FALSE(readSceneText("[" + picture(1, 1, 0, 100) + "," + picture(2, 1, 10, 5) + "," +
                               picture(3, 1, 50, 10) + "]")
                     .ok);
    const auto markers = readSceneText(
        R"([{"blockId":1,"laneId":0,"eventData":{"blockMode":5,"blockStart":7,"blockDelay":1}},{"blockId":2,"laneId":0,"eventData":{"blockMode":5,"blockStart":7,"blockDelay":1}}])");
    EXPECT_NE(markers.error.find("overlap on lane 0"), std::string::npos) << markers.error;

    // Touching blocks, and blocks at the same frames on other lanes, are what the editor makes.
    EXPECT_TRUE(readSceneText("[" + picture(1, 1, 0, 50) + "," + picture(2, 1, 50, 10) + "," +
                              picture(3, 2, 0, 60) + "]")
                    .ok);
    // A pasted or preset array is held to the same rule.
    const auto parsed =
        vignetta::json::parseJson("[" + picture(1, 3, 0, 50) + "," + picture(2, 3, 49, 10) + "]");
    ASSERT_TRUE(parsed.ok);
    EXPECT_FALSE(readSceneValue(parsed.value).ok);
}

TEST(SceneFile, MalformedTextNamesThePosition)
{
    const auto r = readSceneText("[" + minimalBlock(1, 1, "{}") + ",{\"blockId\":2,]");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.hasPosition);
    EXPECT_EQ(r.position, 54u);
    EXPECT_NE(r.error.find("not valid JSON"), std::string::npos);

    const auto utf8 = readSceneText("[" + minimalBlock(1, 1, "{\"comment\":\"\xC3\x28\"}") + "]");
    EXPECT_FALSE(utf8.ok);
    EXPECT_TRUE(utf8.hasPosition);

    const auto deep =
        readSceneText("[" + minimalBlock(1, 1, "{\"x\":" + std::string(5000, '[')) + "]");
    EXPECT_FALSE(deep.ok);
    EXPECT_NE(deep.error.find("nesting"), std::string::npos);
}

TEST(SceneFile, TooManyBlocksAreRefusedBeforeParsing)
{
    std::string text = "[";
    for (int i = 1; i <= 1000000; ++i) {
        if (i > 1)
            text += ',';
        text += R"({"blockId":1,"laneId":1,"eventData":{}})";
    }
    text += ']';
    const auto r = readSceneText(text);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("more than 999 blocks"), std::string::npos) << r.error;

    std::string exact = "[";
    for (int i = 1; i <= 999; ++i)
        exact += (i > 1 ? "," : "") +
                 minimalBlock(i, 1 + i % 5,
                              "{\"blockStart\":" + std::to_string(i) + ",\"blockDelay\":1}");
    exact += "]";
    const auto ok = readSceneDocument(exact);
    ASSERT_TRUE(ok.ok) << ok.error;
    EXPECT_EQ(ok.document.numBlock(), 999);
}

TEST(SceneFile, DocumentTheSimpleWay)
{
    const auto doc = readSceneDocument(
        "[" + minimalBlock(4, 3, "{}") + "," +
        minimalBlock(2, 0, R"({"blockMode":5,"blockStart":1,"blockDelay":1})") + "," +
        minimalBlock(3, 3, R"({"blockStart":60})") + "," +
        minimalBlock(5, 0, R"({"blockMode":5,"blockStart":9,"blockDelay":1})") + "]");
    ASSERT_TRUE(doc.ok) << doc.error;
    ASSERT_EQ(doc.document.lanes().size(), 4u);
    EXPECT_TRUE(doc.document.lanes()[1].blocks.empty());
    EXPECT_EQ(doc.document.lanes()[3].blocks[0].blockId, 4);
    EXPECT_EQ(doc.document.lanes()[3].blocks[1].blockId, 3);
    EXPECT_EQ(doc.document.lanes()[0].blocks[0].blockId, 5) << "markers latest first";

    const auto lane0 = readSceneDocument("[" + minimalBlock(1, 0, "{}") + "]");
    EXPECT_FALSE(lane0.ok);
    EXPECT_NE(lane0.error.find("not a marker"), std::string::npos);
    EXPECT_NE(readSceneDocument("[" + minimalBlock(1, 2, R"({"blockMode":5})") + "]")
                  .error.find("markers belong on lane 0"),
              std::string::npos);
    EXPECT_NE(
        readSceneDocument("[" + minimalBlock(1, 1, "{}") + "," + minimalBlock(1, 2, "{}") + "]")
            .error.find("two blocks have blockId 1"),
        std::string::npos);
    const auto single = readSceneDocument("[" + minimalBlock(1, 1, "{}") + "]");
    ASSERT_TRUE(single.ok);
    EXPECT_EQ(single.document.lanes().size(), 2u);
}

TEST(SceneFile, FilesThatAreNoRegularFilesAreRefused)
{
    // Both would block or grow without end if they were opened and read the usual way.
    const auto device = readSceneFile("/dev/zero");
    EXPECT_FALSE(device.ok);
    EXPECT_EQ(device.error, "/dev/zero is not a regular file");
    EXPECT_NE(readSceneFile(VIGNETTA_TEST_DATA).error.find("is not a regular file"),
              std::string::npos);
}

TEST(SceneFile, WritingReplacesAFileWhole)
{
    const auto dir = std::filesystem::temp_directory_path() / "vignetta_scene_file_test";
    std::filesystem::create_directories(dir);
    const auto path = dir / "out.json";
    Document doc = Document::emptyScene();
    put(doc, 1, 0, 10);
    std::string error;
    ASSERT_TRUE(writeSceneFile(path, doc, &error)) << error;
    EXPECT_EQ(readText(path), writeSceneText(doc));
    const auto back = readSceneFile(path);
    ASSERT_TRUE(back.ok) << back.error;
    EXPECT_EQ(back.blocks.size(), 1u);

    EXPECT_FALSE(writeSceneFile(dir / "missing" / "out.json", doc, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1)
        << "no temporary left";
    const auto missing = readSceneFile(dir / "nope.json");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("nope.json"), std::string::npos);
    std::filesystem::remove_all(dir);
}
