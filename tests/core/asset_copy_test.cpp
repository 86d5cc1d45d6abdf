#include "project/asset_copy.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "preset_test_util.h"

using namespace vignetta::project;
using preset_test::entries;
using preset_test::readText;
using preset_test::TempFolder;
using preset_test::writeText;

namespace {

// A collection folder and a project folder side by side.
struct Folders
{
    TempFolder root;
    fs::path from = root / "Presets";
    fs::path to = root / "Project";

    Folders() { fs::create_directories(to); }
};

} // namespace

TEST(AssetCopy, CopiesIntoFoldersItCreatesAndReplacesTheOldFile)
{
    Folders f;
    writeText(f.from / "img/pictures/Bird.png", "new bird");
    writeText(f.from / "img/pictures/forest/Tree.png", "tree");
    writeText(f.to / "img/pictures/Bird.png", "old bird");

    ASSERT_TRUE(copyAsset(f.from, f.to, "/img/pictures/Bird.png"));
    EXPECT_EQ(readText(f.to / "img/pictures/Bird.png"), "new bird");
    ASSERT_TRUE(copyAsset(f.from, f.to, "/img/pictures/forest/Tree.png"));
    EXPECT_EQ(readText(f.to / "img/pictures/forest/Tree.png"), "tree");
    EXPECT_EQ(entries(f.to / "img/pictures"), (std::vector<std::string>{"Bird.png", "forest"}));

    // A destination root that does not exist yet (a first preset) is created.
    const fs::path fresh = f.root / "Data/Presets";
    ASSERT_TRUE(copyAsset(f.from, fresh, "/img/pictures/Bird.png"));
    EXPECT_EQ(readText(fresh / "img/pictures/Bird.png"), "new bird");
}

TEST(AssetCopy, AMissingSourceFailsAndNamesIt)
{
    Folders f;
    writeText(f.from / "audio/bgm/Dusk.ogg", "ogg only");
    const auto result = copyAsset(f.from, f.to, "/audio/bgm/Dusk.m4a");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.missingSource);
    EXPECT_NE(result.error.find("audio/bgm/Dusk.m4a"), std::string::npos);
    EXPECT_FALSE(fs::exists(f.to / "audio/bgm/Dusk.m4a"));
    // Also when the whole asset folder is missing.
    EXPECT_TRUE(copyAsset(f.from, f.to, "/audio/se/Bell.ogg").missingSource);
}

TEST(AssetCopy, NothingIsReadOrWrittenOutsideTheAssetFolders)
{
    Folders f;
    writeText(f.root / "secret.png", "secret");
    writeText(f.from / "img/faces/Ok.png", "face");

    // Paths that are not in-use paths of usable names.
    for (const char *path : {"/img/pictures/../../secret.png", "/../secret.png", "/data/x.json",
                             "img/faces/Ok.png", "/img/faces/a//b.png"})
        EXPECT_FALSE(copyAsset(f.from, f.to, path).ok) << path;

    // A link in the source's asset folder that points outside it.
    fs::create_directories(f.from / "img/pictures");
    fs::create_symlink(f.root / "secret.png", f.from / "img/pictures/Link.png");
    auto result = copyAsset(f.from, f.to, "/img/pictures/Link.png");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.missingSource);
    EXPECT_FALSE(fs::exists(f.to / "img/pictures/Link.png"));

    // A source asset folder that is itself a link to elsewhere.
    fs::create_directories(f.root / "elsewhere");
    writeText(f.root / "elsewhere/Bell.ogg", "bell");
    fs::create_directories(f.from / "audio");
    fs::create_symlink(f.root / "elsewhere", f.from / "audio/se");
    EXPECT_FALSE(copyAsset(f.from, f.to, "/audio/se/Bell.ogg").ok);

    // A destination folder that leads outside the project: nothing is created through it.
    fs::create_directories(f.to / "img");
    fs::create_symlink(f.root / "elsewhere", f.to / "img/faces");
    result = copyAsset(f.from, f.to, "/img/faces/Ok.png");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(fs::exists(f.root / "elsewhere/Ok.png"));
    EXPECT_EQ(entries(f.root / "elsewhere"), (std::vector<std::string>{"Bell.ogg"}));

    // A link that stays inside its asset folder is followed.
    writeText(f.from / "img/pictures/Real.png", "real");
    fs::create_symlink("Real.png", f.from / "img/pictures/Alias.png");
    ASSERT_TRUE(copyAsset(f.from, f.to, "/img/pictures/Alias.png"));
    EXPECT_EQ(readText(f.to / "img/pictures/Alias.png"), "real");
}

TEST(AssetCopy, SourcesThatAreNotPlainFilesAndBlockedDestinations)
{
    Folders f;
    fs::create_directories(f.from / "audio/se");
    ASSERT_EQ(::mkfifo((f.from / "audio/se/Pipe.ogg").c_str(), 0600), 0);
    auto result = copyAsset(f.from, f.to, "/audio/se/Pipe.ogg"); // must not block
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("not a regular file"), std::string::npos);

    // A folder where the destination file belongs: the copy fails and leaves no temporary file.
    writeText(f.from / "audio/se/Bell.ogg", "bell");
    fs::create_directories(f.to / "audio/se/Bell.ogg");
    EXPECT_FALSE(copyAsset(f.from, f.to, "/audio/se/Bell.ogg").ok);
    EXPECT_EQ(entries(f.to / "audio/se"), (std::vector<std::string>{"Bell.ogg"}));

    // A file where a folder belongs.
    writeText(f.from / "audio/me/Tune.ogg", "tune");
    writeText(f.to / "audio/me", "in the way");
    EXPECT_FALSE(copyAsset(f.from, f.to, "/audio/me/Tune.ogg").ok);
    EXPECT_EQ(readText(f.to / "audio/me"), "in the way");
}

TEST(AssetCopy, AFullDiskLeavesTheOldFileAndNoPartialOne)
{
    Folders f;
    writeText(f.from / "audio/bgm/Long.ogg", std::string(200 * 1024, 'n'));
    writeText(f.to / "audio/bgm/Long.ogg", "old");
    const int status = preset_test::runWithFileSizeLimit(
        64 * 1024, [&] { return !copyAsset(f.from, f.to, "/audio/bgm/Long.ogg").ok; });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readText(f.to / "audio/bgm/Long.ogg"), "old");
    EXPECT_EQ(entries(f.to / "audio/bgm"), (std::vector<std::string>{"Long.ogg"}));
}

TEST(AssetCopy, AKillDuringTheCopyLeavesTheTargetAbsentOrWhole)
{
    Folders f;
    const std::string content(3 * 1024 * 1024, 'k');
    writeText(f.from / "audio/bgm/Big.ogg", content);
    writeText(f.from / "audio/bgm/Big.m4a", content);
    writeText(f.to / "audio/bgm/Big.ogg", "old");

    // The child copies until the first chunk is written, reports it and waits to be killed.
    auto killMidway = [&](const char *path) {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipeEnds[0]);
            copyAsset(f.from, f.to, path, [&](std::uintmax_t) {
                char c = 'x';
                (void)!::write(pipeEnds[1], &c, 1);
                ::pause();
            });
            ::_exit(0);
        }
        ::close(pipeEnds[1]);
        char c = 0;
        ASSERT_EQ(::read(pipeEnds[0], &c, 1), 1);
        ::close(pipeEnds[0]);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    };

    killMidway("/audio/bgm/Big.ogg");
    killMidway("/audio/bgm/Big.m4a");
    // The old file is whole, the new one absent; only hidden partial files are left.
    EXPECT_EQ(readText(f.to / "audio/bgm/Big.ogg"), "old");
    EXPECT_FALSE(fs::exists(f.to / "audio/bgm/Big.m4a"));
    for (const auto &name : entries(f.to / "audio/bgm")) {
        if (name != "Big.ogg") {
            EXPECT_TRUE(name.front() == '.' && name.size() > 5 &&
                        name.substr(name.size() - 5) == ".part")
                << name;
        }
    }
    // The next copy succeeds in spite of them.
    ASSERT_TRUE(copyAsset(f.from, f.to, "/audio/bgm/Big.ogg"));
    EXPECT_EQ(readText(f.to / "audio/bgm/Big.ogg"), content);
}
