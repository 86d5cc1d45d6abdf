#include "common/asset_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

using vignetta::files::AssetPlace;
using vignetta::files::resolveAsset;
namespace fs = std::filesystem;

namespace {

// A project with img/pictures (a.png, sub/b.png) and a file beside the folder (secret.png),
// plus a file outside the project altogether.
class AssetFolders : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vignetta-assets-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        pictures = root / "project" / "img" / "pictures";
        fs::create_directories(pictures / "sub");
        fs::create_directories(root / "elsewhere");
        touch(pictures / "a.png");
        touch(pictures / "sub" / "b.png");
        touch(root / "project" / "img" / "secret.png");
        touch(root / "elsewhere" / "x.png");
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    static void touch(const fs::path &file) { std::ofstream(file) << "png"; }

    fs::path root;
    fs::path pictures;
};

} // namespace

TEST_F(AssetFolders, NamesInsideTheFolderResolveToRealPaths)
{
    const auto a = resolveAsset(pictures, "a", ".png");
    ASSERT_EQ(a.place, AssetPlace::Inside);
    EXPECT_EQ(a.path, fs::canonical(pictures / "a.png"));
    EXPECT_EQ(resolveAsset(pictures, "sub/b", ".png").place, AssetPlace::Inside);
    // Another spelling of the same file is the same real path.
    EXPECT_EQ(resolveAsset(pictures, "sub/../a", ".png").path, a.path);
    // A link that stays inside the folder is fine.
    fs::create_symlink(pictures / "sub" / "b.png", pictures / "alias.png");
    EXPECT_EQ(resolveAsset(pictures, "alias", ".png").path, fs::canonical(pictures / "sub/b.png"));

    const auto missing = resolveAsset(pictures, "nothing", ".png");
    EXPECT_EQ(missing.place, AssetPlace::Missing);
    EXPECT_EQ(missing.path.filename(), "nothing.png");
    EXPECT_EQ(resolveAsset(root / "no-such-folder", "a", ".png").place, AssetPlace::Missing);
}

TEST_F(AssetFolders, NoNameLeadsOutOfTheFolder)
{
    for (const char *name : {"../secret", "sub/../../secret", "../../img/pictures/../secret", ""})
        EXPECT_EQ(resolveAsset(pictures, name, ".png").place, AssetPlace::Outside) << name;
    EXPECT_EQ(resolveAsset(pictures, (root / "elsewhere" / "x").string(), ".png").place,
              AssetPlace::Outside);
    EXPECT_EQ(resolveAsset(pictures, std::string("a\0b", 3), ".png").place, AssetPlace::Outside);
}

TEST_F(AssetFolders, LinksOutOfTheFolderAreFollowedToWhereTheyLead)
{
    // A picture that is a link to a file elsewhere.
    fs::create_symlink(root / "elsewhere" / "x.png", pictures / "link.png");
    EXPECT_EQ(resolveAsset(pictures, "link", ".png").place, AssetPlace::Outside);
    // A folder link to the root of the file system, and one to a folder beside the pictures.
    fs::create_symlink("/", pictures / "root");
    const std::string throughRoot = "root" + (root / "elsewhere" / "x").string();
    EXPECT_EQ(resolveAsset(pictures, throughRoot, ".png").place, AssetPlace::Outside);
    EXPECT_EQ(resolveAsset(pictures, "root/nothing/here", ".png").place, AssetPlace::Outside);
    fs::create_symlink(root / "project" / "img", pictures / "up");
    EXPECT_EQ(resolveAsset(pictures, "up/secret", ".png").place, AssetPlace::Outside);
    // A folder that is itself a link is taken where it leads: its own files are inside.
    fs::create_symlink(pictures, root / "linked-pictures");
    EXPECT_EQ(resolveAsset(root / "linked-pictures", "a", ".png").place, AssetPlace::Inside);
    EXPECT_EQ(resolveAsset(root / "linked-pictures", "link", ".png").place, AssetPlace::Outside);
}
