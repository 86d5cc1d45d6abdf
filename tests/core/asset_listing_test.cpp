#include "assets/asset_listing.h"

#include <fstream>
#include <random>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace vignetta::assets;

namespace {

// A fresh folder under the system temporary folder, removed at the end of the test.
class TempFolder
{
public:
    TempFolder()
    {
        static std::mt19937_64 rng(std::random_device{}());
        path_ = fs::temp_directory_path() / ("vignetta-assets-" + std::to_string(rng()));
        fs::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    const fs::path &path() const { return path_; }
    void touch(const std::string &name) const { std::ofstream(path_ / name) << "x"; }

private:
    fs::path path_;
};

std::vector<std::string> baseNames(const AssetListing &listing)
{
    std::vector<std::string> names;
    for (const auto &e : listing.entries)
        names.push_back(e.name.baseName);
    return names;
}

const std::optional<std::vector<std::string>> png = std::vector<std::string>{"png"};

} // namespace

TEST(AssetName, SplitsIntoPrefixNameNumberAndSuffix)
{
    const AssetName a = splitAssetName("!$Door012.png");
    EXPECT_EQ(a.baseName, "!$Door012");
    EXPECT_EQ(a.suffix, "png");
    EXPECT_EQ(a.prefix, "!$");
    EXPECT_EQ(a.nodeName, "Door");
    EXPECT_EQ(a.digits, "012");
    EXPECT_EQ(a.number(), 12);

    // The last dot splits; a leading dot alone is part of the name.
    EXPECT_EQ(splitAssetName("a.b.ogg").baseName, "a.b");
    EXPECT_EQ(splitAssetName(".hidden").baseName, ".hidden");
    EXPECT_EQ(splitAssetName(".hidden").suffix, "");
    EXPECT_EQ(splitAssetName("README").baseName, "README");
    EXPECT_EQ(splitAssetName("trailing.").suffix, "");
    EXPECT_EQ(splitAssetName("trailing.").baseName, "trailing");
    // Digits only, and a prefix only.
    EXPECT_EQ(splitAssetName("42.png").nodeName, "");
    EXPECT_EQ(splitAssetName("42.png").number(), 42);
    EXPECT_EQ(splitAssetName("$$.png").prefix, "$$");
    EXPECT_EQ(splitAssetName("$$.png").nodeName, "");
    EXPECT_EQ(splitAssetName("Door.png").number(), 0);
}

TEST(AssetName, SortsNumberedSeriesAndPrefixes)
{
    std::vector<AssetName> names;
    for (const char *n : {"$Lamp.png", "Door10.png", "!Door2.png", "Door2.png", "Door.png",
                          "Door002x.png", "Chest.png", "!!Door1.png", "Door9.png"})
        names.push_back(splitAssetName(n));
    std::sort(names.begin(), names.end(), assetLess);
    std::vector<std::string> order;
    for (const auto &n : names)
        order.push_back(n.baseName);
    // Prefixes compare as text: "!" before "!!" before "$".
    EXPECT_EQ(order, (std::vector<std::string>{"Chest", "Door", "Door2", "Door9", "Door10",
                                               "Door002x", "!Door2", "!!Door1", "$Lamp"}));

    // Numbers compare as numbers at any length, leading zeros aside.
    EXPECT_LT(compareDigits("9", "10"), 0);
    EXPECT_EQ(compareDigits("007", "7"), 0);
    EXPECT_LT(compareDigits("99999999999999999999999", "100000000000000000000000"), 0);
    EXPECT_EQ(compareDigits("", "0"), 0);
    // A longer digit run is a larger number even past what a double holds exactly.
    EXPECT_TRUE(assetLess(splitAssetName("a18446744073709551616.png"),
                          splitAssetName("a18446744073709551617.png")));
}

TEST(AssetListing, ListsAllowedFilesOncePerBaseNameInOrder)
{
    TempFolder dir;
    for (const char *n : {"!Door2.png", "Door10.png", "Door2.png", "$Lamp.png", "notes.txt",
                          "Door10.webp", "bell.PNG"})
        dir.touch(n);
    fs::create_directory(dir.path() / "sub.png");

    const AssetListing listing = listAssetFolder(dir.path(), png);
    EXPECT_EQ(listing.status, FolderStatus::Listed);
    // Text compares by character code: capitals before small letters.
    EXPECT_EQ(baseNames(listing),
              (std::vector<std::string>{"Door2", "Door10", "bell", "!Door2", "$Lamp"}));
    // bell.PNG is listed with its suffix as found and marked.
    const AssetEntry &bell = listing.entries[2];
    EXPECT_EQ(bell.name.fileName, "bell.PNG");
    EXPECT_EQ(bell.targetSuffix, "png");
    EXPECT_TRUE(bell.suffixCaseMismatch());
    EXPECT_FALSE(listing.entries[0].suffixCaseMismatch());

    // Without a suffix list every file counts, and two files of one base name give one row.
    const AssetListing all = listAssetFolder(dir.path(), std::nullopt);
    EXPECT_EQ(baseNames(all), (std::vector<std::string>{"Door2", "Door10", "bell", "notes",
                                                        "!Door2", "$Lamp"}));
    for (const auto &e : all.entries)
        EXPECT_FALSE(e.suffixCaseMismatch());
}

TEST(AssetListing, CorrectlySpelledFileWinsOverACaseMismatch)
{
    // The engine on a case-sensitive host loads bell.png: that is the file the row stands for,
    // whichever comes first by name.
    TempFolder dir;
    dir.touch("bell.PNG");
    dir.touch("bell.png");
    dir.touch("gong.Ogg");
    dir.touch("gong.OGG");
    const AssetListing listing = listAssetFolder(dir.path(), png);
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].name.fileName, "bell.png");
    EXPECT_FALSE(listing.entries[0].suffixCaseMismatch());

    // Neither spelled as allowed: the first by name, marked.
    const AssetListing sounds = listAssetFolder(dir.path(), std::vector<std::string>{"ogg"});
    ASSERT_EQ(sounds.entries.size(), 1u);
    EXPECT_EQ(sounds.entries[0].name.fileName, "gong.OGG");
    EXPECT_TRUE(sounds.entries[0].suffixCaseMismatch());
}

TEST(AssetListing, MissingOrUnusableFoldersListNothing)
{
    TempFolder dir;
    EXPECT_EQ(listAssetFolder(dir.path() / "absent", png).status, FolderStatus::Missing);
    EXPECT_TRUE(listAssetFolder(dir.path() / "absent", png).entries.empty());
    dir.touch("file.png");
    EXPECT_EQ(listAssetFolder(dir.path() / "file.png", png).status, FolderStatus::NotAFolder);
    EXPECT_EQ(listAssetFolder(dir.path(), png).entries.size(), 1u);

    // A folder that cannot be read (not when running with the rights to read it anyway).
    fs::create_directory(dir.path() / "locked");
    std::ofstream(dir.path() / "locked" / "x.png") << "x";
    fs::permissions(dir.path() / "locked", fs::perms::none);
    std::error_code probe;
    fs::directory_iterator tryRead(dir.path() / "locked", probe);
    if (probe) {
        const AssetListing locked = listAssetFolder(dir.path() / "locked", png);
        EXPECT_EQ(locked.status, FolderStatus::Unreadable);
        EXPECT_TRUE(locked.entries.empty());
    }
    fs::permissions(dir.path() / "locked", fs::perms::owner_all);
}

TEST(AssetListing, OnlyFilesInsideTheFolderAreListed)
{
    TempFolder root;
    fs::create_directories(root.path() / "img" / "pictures");
    const fs::path pictures = root.path() / "img" / "pictures";
    std::ofstream(root.path() / "secret.png") << "x";
    std::ofstream(pictures / "inside.png") << "x";
    fs::create_symlink(root.path() / "secret.png", pictures / "escape.png");
    fs::create_symlink(pictures / "inside.png", pictures / "alias.png");
    fs::create_symlink(pictures / "nowhere.png", pictures / "dangling.png");
    fs::create_directory_symlink(root.path(), pictures / "up.png");

    EXPECT_EQ(baseNames(listAssetFolder(pictures, png)),
              (std::vector<std::string>{"alias", "inside"}));

    // Names with spaces, '#', '%' and non-ASCII letters are plain names.
    for (const char *n : {"a b.png", "c#d.png", "50%.png", "\xC3\xA9t\xC3\xA9.png"})
        std::ofstream(pictures / n) << "x";
    EXPECT_EQ(listAssetFolder(pictures, png).entries.size(), 6u);
    // A name that is no UTF-8 cannot be stored in a block and is left out.
    std::ofstream(pictures / "bad\xFF.png") << "x";
    EXPECT_EQ(listAssetFolder(pictures, png).entries.size(), 6u);

    // Resolving a stored name never leaves the folder.
    EXPECT_TRUE(resolveAssetFile(pictures, "inside", "png"));
    EXPECT_TRUE(resolveAssetFile(pictures, "a b", "png"));
    EXPECT_TRUE(resolveAssetFile(pictures, "alias", "png"));
    EXPECT_FALSE(resolveAssetFile(pictures, "escape", "png"));
    EXPECT_FALSE(resolveAssetFile(pictures, "../../secret", "png"));
    EXPECT_FALSE(resolveAssetFile(pictures, "..", "png"));
    EXPECT_FALSE(resolveAssetFile(pictures, "", "png"));
    EXPECT_FALSE(resolveAssetFile(pictures, (root.path() / "secret").string(), "png"));
    EXPECT_FALSE(resolveAssetFile(pictures, "dangling", "png"));
    EXPECT_FALSE(resolveAssetFile(pictures, "missing", "png"));
    EXPECT_FALSE(resolveAssetFile(pictures, std::string("inside\0x", 8), "png"));
}

TEST(AssetListing, LargeFoldersAreCapped)
{
    // (bench_asset_listing measures the time for folders of 5 000 and 10 000 pictures.)
    TempFolder dir;
    for (int i = 0; i < 2000; ++i)
        dir.touch("pic" + std::to_string(i) + ".png");
    const AssetListing listing = listAssetFolder(dir.path(), png);
    ASSERT_EQ(listing.entries.size(), 2000u);
    EXPECT_FALSE(listing.truncated);
    EXPECT_EQ(listing.entries.front().name.baseName, "pic0");
    EXPECT_EQ(listing.entries[1].name.baseName, "pic1");
    EXPECT_EQ(listing.entries.back().name.baseName, "pic1999");

    const AssetListing capped = listAssetFolder(dir.path(), png, 100);
    EXPECT_TRUE(capped.truncated);
    EXPECT_EQ(capped.entries.size(), 100u);
}

TEST(AssetListing, ValidUtf8)
{
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("\xE3\x81\x82\xF0\x9F\x98\x80"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong '/'
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xE3\x81"));         // cut short
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
}
