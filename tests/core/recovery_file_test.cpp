// The recovery file: what it holds, that the scene comes back exactly, and every kind of file
// that must be refused rather than half read.

#include <filesystem>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "scene/recovery_file.h"
#include "recovery_test_util.h"
#include "scene_test_util.h"

using namespace scene_test;
using namespace recovery_test;
using vignetta::json::parseJson;
using vignetta::json::stringify;

namespace {

const std::string project = "/games/Héros \"1\"/Game.fabproject";

// Markers, blocks on lanes 1 and 3, an empty lane 4 after them, a block with keys this
// program does not know, text with a line feed.
Document richScene()
{
    Document doc = Document::emptyScene();
    put(doc, 0, 30, 1, mode_comment);
    put(doc, 0, 0, 1, mode_comment);
    put(doc, 1, 0, 16, mode_message);
    put(doc, 3, 10, 60);
    const auto odd = readSceneText(
        R"([{"eventData":{"zeta":[1,{"b":2}],"blockStart":100,"messageText":"a\nb","blockMode":1},"laneId":1,"x":null,"blockId":40}])");
    doc.appendBlock(odd.blocks.at(0), 1);
    doc.appendLane(Lane{4, {}});
    doc.sortMarkers();
    return doc;
}

Clock::time_point someTime()
{
    Clock::time_point t;
    EXPECT_TRUE(parseUtcTime("2024-02-29T23:59:58.125Z", &t));
    return t;
}

} // namespace

TEST(RecoveryFile, SceneComesBackExactlyAndIsStoredAsTheExportText)
{
    const Document doc = richScene();
    const std::string text = writeRecoveryText(doc, project, someTime());

    const auto read = readRecoveryText(text, project);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.document.unify(), doc.unify()) << "ids, lanes, frames or fields changed";
    EXPECT_EQ(read.document.getLastLaneId(), 4) << "the empty last lane was lost";
    EXPECT_EQ(writeSceneText(read.document), writeSceneText(doc));
    EXPECT_EQ(formatUtcTime(read.savedAt), "2024-02-29T23:59:58.125Z");

    // The scene inside is the export file, byte for byte, and the header says whose it is.
    const auto parsed = parseJson(text);
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(stringify(parsed.value["scene"]), writeSceneText(doc));
    EXPECT_EQ(parsed.value["projectPath"], project);
    EXPECT_EQ(parsed.value["version"], recoveryFormatVersion);
}

TEST(RecoveryFile, AnEmptySceneIsAFileToo)
{
    const auto read = readRecoveryText(writeRecoveryText(Document::emptyScene(), project,
                                                         Clock::now()),
                                       project);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_TRUE(read.document.isEmpty());
    EXPECT_EQ(read.document.getLastLaneId(), 1);
}

TEST(RecoveryFile, ATruncatedFileIsRefusedAtEveryLength)
{
    const std::string text = writeRecoveryText(richScene(), project, someTime());
    for (std::size_t length = 0; length < text.size(); ++length) {
        const auto read = readRecoveryText(std::string_view(text).substr(0, length), project);
        ASSERT_FALSE(read.ok) << "accepted the first " << length << " bytes";
        ASSERT_EQ(read.problem, RecoveryProblem::notJson) << length;
    }
}

TEST(RecoveryFile, RefusesWhatIsNotThisProjectsRecoveryFile)
{
    const std::string good = writeRecoveryText(richScene(), project, someTime());
    auto edited = [&](const std::string &key, const vignetta::json::Json &value) {
        auto j = parseJson(good).value;
        if (value.is_discarded())
            j.erase(key);
        else
            j[key] = value;
        return stringify(j);
    };
    const vignetta::json::Json gone(vignetta::json::Json::value_t::discarded);
    const struct
    {
        std::string text;
        RecoveryProblem problem;
    } cases[] = {
        {"", RecoveryProblem::notJson},
        {"garbage", RecoveryProblem::notJson},
        {writeSceneText(richScene()), RecoveryProblem::notRecovery}, // a plain scene file
        {edited("format", "something-else"), RecoveryProblem::notRecovery},
        {edited("version", recoveryFormatVersion + 1), RecoveryProblem::newerVersion},
        {edited("version", "1"), RecoveryProblem::notRecovery},
        {edited("projectPath", "/games/other/Game.fabproject"), RecoveryProblem::otherProject},
        {edited("projectPath", gone), RecoveryProblem::notRecovery},
        {edited("savedAt", "2024-02-30T00:00:00.000Z"), RecoveryProblem::notRecovery},
        {edited("savedAt", 1714560000), RecoveryProblem::notRecovery},
        {edited("lastLaneId", 2), RecoveryProblem::badScene}, // blocks on lane 3
        {edited("lastLaneId", 101), RecoveryProblem::notRecovery},
        {edited("scene", gone), RecoveryProblem::notRecovery},
        {edited("scene", parseJson(R"([{"blockId":1,"laneId":1,"eventData":{"blockStart":-5}}])")
                             .value),
         RecoveryProblem::badScene},
        {edited("scene", parseJson(R"([{"blockId":1,"laneId":2,"eventData":{"blockMode":5}}])")
                             .value),
         RecoveryProblem::badScene}, // a marker off the marker lane
        {std::string(300, '[') + std::string(300, ']'), RecoveryProblem::notJson},
    };
    for (const auto &c : cases) {
        const auto read = readRecoveryText(c.text, project);
        EXPECT_FALSE(read.ok) << c.text.substr(0, 120);
        EXPECT_EQ(read.problem, c.problem) << c.text.substr(0, 120) << "\n" << read.error;
        EXPECT_FALSE(read.error.empty());
    }
}

TEST(RecoveryFile, OnDiskOnlyRegularFilesWithinTheCapAreRead)
{
    TempFolder dir;
    const fs::path file = dir.path() / "a.json";
    const std::string text = writeRecoveryText(richScene(), project, someTime());
    writeAll(file, text);
    EXPECT_TRUE(readRecoveryFile(file, project).ok);
    EXPECT_EQ(readRecoveryFile(file, project, text.size() - 1).problem,
              RecoveryProblem::tooLarge);
    EXPECT_EQ(readRecoveryFile(dir.path() / "none.json", project).problem,
              RecoveryProblem::missing);

    const fs::path link = dir.path() / "link.json";
    fs::create_symlink(file, link);
    EXPECT_EQ(readRecoveryFile(link, project).problem, RecoveryProblem::notRegular);
    const fs::path folder = dir.path() / "folder.json";
    fs::create_directory(folder);
    EXPECT_EQ(readRecoveryFile(folder, project).problem, RecoveryProblem::notRegular);
    // A pipe would block a plain open until someone writes to it.
    const fs::path pipe = dir.path() / "pipe.json";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(readRecoveryFile(pipe, project).problem, RecoveryProblem::notRegular);
}

TEST(RecoveryFile, TheCommandLineReadsItsSceneLikeASceneFile)
{
    TempFolder dir;
    const Document doc = richScene();
    const fs::path recovery = dir.path() / "a.json";
    const fs::path scene = dir.path() / "scene.json";
    writeAll(recovery, writeRecoveryText(doc, project, someTime()));
    writeAll(scene, writeSceneText(doc));

    const auto fromRecovery = readSceneOrRecoveryFile(recovery);
    const auto fromScene = readSceneOrRecoveryFile(scene);
    ASSERT_TRUE(fromRecovery.ok) << fromRecovery.error;
    ASSERT_TRUE(fromScene.ok) << fromScene.error;
    EXPECT_EQ(fromRecovery.blocks, fromScene.blocks);
    EXPECT_EQ(fromScene.blocks, readSceneFile(scene).blocks);

    // What is no scene keeps the scene file's own message; a later format says so.
    writeAll(scene, R"({"blockId":1})");
    EXPECT_EQ(readSceneOrRecoveryFile(scene).error, readSceneFile(scene).error);
    auto newer = parseJson(writeRecoveryText(doc, project, someTime())).value;
    newer["version"] = recoveryFormatVersion + 1;
    writeAll(recovery, stringify(newer));
    const auto refused = readSceneOrRecoveryFile(recovery);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.find("newer version"), std::string::npos) << refused.error;
}
