// Sampling the scene at a frame for the preview: which pictures are drawn and in what order,
// their ratios, the fade, flash, shake, the message to show, and playback's sounds.

#include <gtest/gtest.h>

#include "preview/frame_sampling.h"
#include "preview/message_lines.h"
#include "scene/builders.h"

using namespace vignetta;
using preview::SampleMode;
using preview::TextKind;
using scene::Json;

namespace {

// A document of four lanes (0 to 3), filled block by block.
struct Scene
{
    scene::Document doc = scene::Document::emptyScene();

    Scene()
    {
        while (doc.getLastLaneId() < 3)
            doc.appendLane(scene::createEmptyLane(doc));
    }

    int add(int lane, int mode, int start, int delay, const Json &fields = Json::object())
    {
        scene::Block block = scene::createEmptyBlockOfMode(doc, mode);
        block.setStart(start);
        block.setDelay(delay);
        for (const auto &item : fields.items())
            block.setField(item.key(), item.value());
        EXPECT_TRUE(doc.appendBlock(block, lane));
        return block.blockId;
    }

    int picture(int lane, int start, int number, const std::string &name = "pic")
    {
        return add(lane, scene::mode_picture, start, 61,
                   {{"imageName", name}, {"imageIndex", number}});
    }

    preview::FrameSample edit(int frame) const
    {
        return preview::sampleFrame(doc, frame, SampleMode::editing);
    }
    preview::FrameSample play(int frame) const
    {
        return preview::sampleFrame(doc, frame, SampleMode::playback);
    }
};

std::vector<int> drawnIds(const preview::FrameSample &sample)
{
    std::vector<int> ids;
    for (const Json &entry : sample.displayList)
        ids.push_back(entry["blockId"].get<int>());
    return ids;
}

} // namespace

TEST(PreviewSampling, PicturesAreDrawnByNumberAndTheLaterOfTwoWithOneNumberWins)
{
    Scene s;
    const int three = s.picture(1, 0, 3);
    const int one = s.picture(2, 0, 1);
    const int two = s.picture(3, 0, 2);
    s.picture(1, 0, 4, ""); // no picture chosen
    EXPECT_EQ(drawnIds(s.edit(10)), (std::vector<int>{one, two, three}));

    const int replacement = s.picture(3, 0, 3, "other");
    const auto sample = s.edit(10);
    EXPECT_EQ(drawnIds(sample), (std::vector<int>{one, two, replacement}));
    EXPECT_EQ(sample.displayList[2]["imageName"], "other");
}

TEST(PreviewSampling, RatiosRunFromZeroAtTheFirstFrameToOneAtTheLast)
{
    Scene s;
    s.picture(1, 10, 1);
    s.add(2, scene::mode_picture, 10, 1, {{"imageName", "p"}, {"imageIndex", 2}});
    EXPECT_EQ(s.edit(10).tweens, (std::vector<double>{0.0, 0.0})); // one frame long: 0
    EXPECT_EQ(s.edit(40).tweens, (std::vector<double>{0.5}));
    EXPECT_EQ(s.edit(70).tweens, (std::vector<double>{1.0}));
    EXPECT_TRUE(s.edit(71).displayList.empty());

    const auto parsed = json::parseJson(s.edit(40).displayListText());
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.value["tween"], Json::array({0.5}));
    EXPECT_EQ(parsed.value["list"][0]["blockId"], 1);
    EXPECT_EQ(parsed.value["list"][0]["imageName"], "pic");
}

TEST(PreviewSampling, OnlyTheFirstFadeCounts)
{
    Scene s;
    EXPECT_EQ(s.edit(0).fade, 255);
    s.add(1, scene::mode_fade, 0, 61, {{"fadeType", 0}});
    s.add(2, scene::mode_fade, 0, 61, {{"fadeType", 1}});
    EXPECT_EQ(s.edit(30).fade, 127); // trunc(255 * 0.5)
    EXPECT_EQ(s.edit(15).fade, 191);
    EXPECT_EQ(s.edit(60).fade, 0);

    Scene in;
    in.add(1, scene::mode_fade, 0, 61, {{"fadeType", 1}});
    EXPECT_EQ(in.edit(15).fade, 63);
}

TEST(PreviewSampling, ShakeSwingsBackAndForth)
{
    const double expected[][2] = {{0, 0}, {4, 10}, {5, 7.5}, {8, 0}, {12, -10}, {20, 10}};
    for (const auto &e : expected)
        EXPECT_DOUBLE_EQ(preview::shakeAt(5, 5, e[0]), e[1]) << "elapse " << e[0];
    EXPECT_EQ(preview::shakeAt(0, 5, 3), 0);

    Scene s;
    s.add(1, scene::mode_screen, 100, 60, {{"shakeEnabled", true}});
    EXPECT_EQ(s.edit(105).shakeOffset(), 7);
    EXPECT_EQ(s.edit(113).shakeOffset(), -7); // -7.5 truncated toward zero
    EXPECT_EQ(s.edit(99).shake, 0);
}

TEST(PreviewSampling, FlashFadesOverItsBlockAndLaterFlashesWin)
{
    Scene s;
    s.add(1, scene::mode_screen, 0, 61,
          {{"flashEnabled", true}, {"flashColor", {{"R", 10}, {"G", 20}, {"B", 30}, {"P", 170}}}});
    EXPECT_EQ(s.edit(30).flash, (std::array<int, 4>{10, 20, 30, 85}));
    EXPECT_EQ(s.edit(60).flash[3], 0);
    s.add(2, scene::mode_screen, 0, 61, {{"shakeEnabled", true}}); // no flash: leaves it
    EXPECT_EQ(s.edit(0).flash[3], 170);
    s.add(3, scene::mode_screen, 0, 61, {{"flashEnabled", true}});
    EXPECT_EQ(s.edit(0).flash, (std::array<int, 4>{255, 255, 255, 170}));

    Scene one;
    one.add(1, scene::mode_screen, 5, 1, {{"flashEnabled", true}});
    EXPECT_EQ(one.edit(5).flash[3], 0);
}

TEST(PreviewSampling, TheLaterTextWinsAndPlaybackShowsItOnlyAtItsFirstFrame)
{
    Scene s;
    s.add(1, scene::mode_message, 0, 16, {{"messageText", "first"}});
    const int scroll = s.add(2, scene::mode_scroll, 0, 16, {{"messageText", "second"}});
    auto sample = s.edit(3);
    EXPECT_EQ(sample.textKind, TextKind::scroll);
    EXPECT_EQ(sample.textBlockId, scroll);
    EXPECT_EQ(sample.text["messageText"], "second");
    EXPECT_EQ(sample.text["blockId"], scroll);

    const int message = s.add(3, scene::mode_message, 2, 16);
    EXPECT_EQ(s.edit(3).textKind, TextKind::message);
    EXPECT_EQ(s.play(2).textBlockId, message);
    EXPECT_EQ(s.play(3).textKind, TextKind::none);
    EXPECT_TRUE(s.edit(40).text.is_null());
}

TEST(PreviewSampling, PlaybackStartsSoundsAndTheLastFadeOutAtTheirFirstFrame)
{
    Scene s;
    s.add(
        1, scene::mode_sound, 5, 16,
        {{"audioType", "se"}, {"audioName", "bell"}, {"volume", 80}, {"pitch", 120}, {"pan", -10}});
    s.add(2, scene::mode_sound, 5, 16, {{"audioName", ""}});
    s.add(2, scene::mode_sound_fade, 5, 120, {{"fadeoutAudioType", "bgs"}});
    s.add(3, scene::mode_sound_fade, 5, 90, {{"fadeoutAudioType", "bgm"}});

    const auto start = s.play(5);
    ASSERT_EQ(start.sounds.size(), 1u);
    EXPECT_EQ(start.sounds[0].channel, "se");
    EXPECT_EQ(json::stringify(start.sounds[0].audio),
              R"({"name":"bell","volume":80,"pitch":120,"pan":-10})");
    ASSERT_TRUE(start.fadeOut.has_value());
    EXPECT_EQ(start.fadeOut->channel, "bgm");
    EXPECT_DOUBLE_EQ(start.fadeOut->seconds, 1.5);

    EXPECT_TRUE(s.play(6).sounds.empty());
    EXPECT_FALSE(s.play(6).fadeOut.has_value());
    EXPECT_TRUE(s.edit(5).sounds.empty());
    EXPECT_FALSE(s.edit(5).fadeOut.has_value());
}

TEST(PreviewMessageLines, PagesOfFourLines)
{
    const std::string text = "1\n2\n3\n4\n5\n6";
    EXPECT_EQ(preview::getMessageLines(text, 5), "5\n6\n");
    EXPECT_EQ(preview::getMessageLines(text, 3), "1\n2\n3\n4\n");
    EXPECT_EQ(preview::getMessageLines(text, 8), "");
    EXPECT_EQ(preview::getMessageLines(text, -5), "");
    EXPECT_EQ(preview::getMessageLines("a\n", 1), "a\n\n");
}
