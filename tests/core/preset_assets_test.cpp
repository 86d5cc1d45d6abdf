#include "project/preset_assets.h"

#include <gtest/gtest.h>

#include "scene_test_util.h"

using vignetta::project::assetFolderOf;
using vignetta::project::assetNameProblem;
using vignetta::project::listAssetsInUse;
using Paths = std::vector<std::string>;

namespace {

using namespace scene_test;

int nextId = 1;

Block picture(const std::string &name)
{
    Block b = makeBlock(mode_picture, 0, 60, 1, nextId++);
    b.setField("imageName", name);
    return b;
}

Block message(const std::string &face)
{
    Block b = makeBlock(mode_message, 0, 16, 1, nextId++);
    b.setField("messageImageName", face);
    return b;
}

Block sound(const std::string &channel, const std::string &name)
{
    Block b = makeBlock(mode_sound, 0, 16, 1, nextId++);
    b.setField("audioType", channel);
    b.setField("audioName", name);
    return b;
}

} // namespace

TEST(PresetAssetList, PicturesOnceThenFacesThenSoundsByChannel)
{
    // One picture used by three blocks is listed once, before the face that comes first.
    EXPECT_EQ(listAssetsInUse({message("People1"), picture("Lena"), picture("Lena"),
                               picture("Lena")})
                  .paths,
              (Paths{"/img/pictures/Lena.png", "/img/faces/People1.png"}));

    // Channels come in the order bgm, bgs, me, se whatever the block order; each sound gives its
    // .m4a and then its .ogg.
    EXPECT_EQ(listAssetsInUse({sound("se", "Bell"), sound("bgm", "Dusk"), sound("se", "Bell")})
                  .paths,
              (Paths{"/audio/bgm/Dusk.m4a", "/audio/bgm/Dusk.ogg", "/audio/se/Bell.m4a",
                     "/audio/se/Bell.ogg"}));

    // Within a kind, the order of first use; the same name on two channels is two sounds.
    EXPECT_EQ(listAssetsInUse({picture("B"), picture("A"), picture("B"), sound("me", "A"),
                               sound("bgs", "A")})
                  .paths,
              (Paths{"/img/pictures/B.png", "/img/pictures/A.png", "/audio/bgs/A.m4a",
                     "/audio/bgs/A.ogg", "/audio/me/A.m4a", "/audio/me/A.ogg"}));
}

TEST(PresetAssetList, KindsAndNamesThatContributeNothing)
{
    Block fade = makeBlock(mode_fade, 0, 24);
    fade.setField("imageName", "Stray"); // a field of another kind is not a use
    Block scroll = makeBlock(mode_scroll, 0, 16);
    scroll.setField("messageImageName", "Stray");
    Block fadeOut = makeBlock(mode_sound_fade, 0, 60);
    fadeOut.setField("audioName", "Stray");
    const auto list = listAssetsInUse({fade, scroll, fadeOut, picture(""), message(""),
                                       sound("se", ""), sound("voice", "Hello"),
                                       sound("BGM", "Loud")});
    ASSERT_TRUE(list.ok);
    EXPECT_TRUE(list.paths.empty());
}

TEST(PresetAssetList, NamesThatWouldLeaveTheirFolderRefuseTheList)
{
    for (const std::string &name : std::vector<std::string>{"../Secret", "a/../../b", "/etc/passwd", "C:evil", "a\\..\\b", "a//b", "a/", "./a",
          "a\nb", "a\x7f"}) {
        Block bad = picture(name);
        const auto list = listAssetsInUse({picture("Fine"), bad});
        EXPECT_FALSE(list.ok) << name;
        EXPECT_TRUE(list.paths.empty()) << name;
        EXPECT_NE(list.error.find("block " + std::to_string(bad.blockId)), std::string::npos)
            << list.error;
        // The name is quoted with control characters escaped.
        EXPECT_EQ(list.error.find('\n'), std::string::npos);
    }
    EXPECT_FALSE(listAssetsInUse({sound("se", "../../x")}).ok);
    EXPECT_FALSE(listAssetsInUse({message("/abs")}).ok);

    // A name may lead into a subfolder of its asset folder; quotes and blanks are just text.
    const auto list = listAssetsInUse({picture("forest/Old Tree"), picture("\"Quoted\"")});
    ASSERT_TRUE(list.ok) << list.error;
    EXPECT_EQ(list.paths, (Paths{"/img/pictures/forest/Old Tree.png",
                                 "/img/pictures/\"Quoted\".png"}));
}

TEST(PresetAssetList, AssetFolderOfAnInUsePath)
{
    EXPECT_EQ(assetFolderOf("/img/pictures/Bird.png"), "img/pictures");
    EXPECT_EQ(assetFolderOf("/img/pictures/forest/Tree.png"), "img/pictures");
    EXPECT_EQ(assetFolderOf("/img/faces/People1.png"), "img/faces");
    EXPECT_EQ(assetFolderOf("/audio/bgm/Dusk.m4a"), "audio/bgm");
    EXPECT_EQ(assetFolderOf("/audio/se/Bell.ogg"), "audio/se");

    for (const char *path : {"/img/pictures/../../x.png", "/img/pictures/.png", "/data/System.json",
                             "/audio/voice/Hi.ogg", "/img/pictures/Bird.ogg", "img/pictures/a.png",
                             "/img/system/Window.png", "", "/audio/bgm/a/../../../x.ogg"})
        EXPECT_EQ(assetFolderOf(path), "") << path;
    EXPECT_EQ(assetNameProblem("Ok"), "");
    EXPECT_NE(assetNameProblem(""), "");
}
