// Sampling the scene at a frame for the preview: which pictures are drawn and in what order,
// their ratios, the fade, flash, shake, the message to show, and playback's sounds.

#include <gtest/gtest.h>

#include "preview/frame_sampling.h"
#include "preview/message_lines.h"
#include "scene/builders.h"

using namespace vignetta;
using preview::SampleMode;
using preview::TextKind;
using scene::Block;
using scene::Document;
using scene::Json;

namespace {

// A document with `lanes` ordinary lanes, filled block by block.
class Scene
{
public:
    explicit Scene(int lanes = 3) : doc(Document::emptyScene())
    {
        while (doc.getLastLaneId() < lanes)
            doc.appendLane(scene::createEmptyLane(doc));
    }

    int add(int lane, int mode, int start, int delay, const Json &fields = Json::object())
    {
        Block block = scene::createEmptyBlockOfMode(doc, mode);
        block.setStart(start);
        block.setDelay(delay);
        for (const auto &item : fields.items())
            block.setField(item.key(), item.value());
        const int id = block.blockId;
        EXPECT_TRUE(doc.appendBlock(block, lane));
        return id;
    }

    int picture(int lane, int start, int delay, int number, const std::string &name = "pic")
    {
        return add(lane, scene::mode_picture, start, delay,
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

    Document doc;
};

std::vector<int> ids(const preview::FrameSample &sample)
{
    std::vector<int> result;
    for (const Json &entry : sample.displayList)
        result.push_back(entry["blockId"].get<int>());
    return result;
}

} // namespace

TEST(PreviewSampling, PictureNumbersDecideTheDrawingOrder)
{
    Scene s;
    const int three = s.picture(1, 0, 60, 3);
    const int one = s.picture(2, 0, 60, 1);
    const int two = s.picture(3, 0, 60, 2);
    s.picture(1, 100, 60, 0, ""); // no picture chosen: not drawn
    EXPECT_EQ(ids(s.edit(10)), (std::vector<int>{one, two, three}));
}

TEST(PreviewSampling, SamePictureNumberReplacesTheEarlierInPlace)
{
    Scene s;
    s.picture(1, 0, 60, 5);
    const int other = s.picture(1, 60, 60, 2);
    const int later = s.picture(2, 0, 60, 5, "second");
    (void)other;
    const auto sample = s.edit(30);
    ASSERT_EQ(sample.displayList.size(), 1u);
    EXPECT_EQ(sample.displayList[0]["blockId"], later);
    EXPECT_EQ(sample.displayList[0]["imageName"], "second");

    // With a third picture between them, the replacement keeps the first one's place before
    // sorting: numbers 5 (replaced), 4 sort to 4, 5.
    Scene t;
    t.picture(1, 0, 60, 5);
    const int four = t.picture(2, 0, 60, 4);
    const int replacement = t.picture(3, 0, 60, 5);
    EXPECT_EQ(ids(t.edit(0)), (std::vector<int>{four, replacement}));
}

TEST(PreviewSampling, RatiosRunFromZeroAtTheFirstFrameToOneAtTheLast)
{
    Scene s;
    s.picture(1, 10, 61, 1);
    s.picture(2, 10, 1, 2); // one frame long: its start state
    EXPECT_EQ(s.edit(10).tweens, (std::vector<double>{0.0, 0.0}));
    EXPECT_EQ(s.edit(40).tweens, (std::vector<double>{0.5}));
    EXPECT_EQ(s.edit(70).tweens, (std::vector<double>{1.0}));
    EXPECT_TRUE(s.edit(71).displayList.empty());
    EXPECT_TRUE(s.edit(9).displayList.empty());
}

TEST(PreviewSampling, DisplayListTextCarriesTheBlockDataAndItsId)
{
    Scene s;
    const int id = s.picture(1, 0, 3, 7, "hero");
    const auto sample = s.edit(1);
    const std::string text = sample.displayListText();
    const auto parsed = json::parseJson(text);
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(parsed.value["tween"], Json::array({0.5}));
    const Json &entry = parsed.value["list"][0];
    EXPECT_EQ(entry["blockId"], id);
    EXPECT_EQ(entry["imageName"], "hero");
    EXPECT_EQ(entry["imageIndex"], 7);
    EXPECT_EQ(entry["blockDelay"], 3);
    EXPECT_EQ(preview::displayListText({}, {}), R"({"list":[],"tween":[]})");
}

TEST(PreviewSampling, OnlyTheFirstFadeCounts)
{
    Scene s;
    EXPECT_EQ(s.edit(0).fade, 255);
    s.add(1, scene::mode_fade, 0, 61, {{"fadeType", 0}});
    EXPECT_EQ(s.edit(30).fade, 127); // trunc(255 * 0.5)
    EXPECT_EQ(s.edit(0).fade, 255);
    EXPECT_EQ(s.edit(60).fade, 0);
    s.add(2, scene::mode_fade, 0, 61, {{"fadeType", 1}});
    EXPECT_EQ(s.edit(15).fade, 191); // still the fade-out of lane 1: trunc(255 * 0.75)

    Scene in;
    in.add(1, scene::mode_fade, 0, 61, {{"fadeType", 1}});
    EXPECT_EQ(in.edit(15).fade, 63);
    EXPECT_EQ(in.edit(60).fade, 255);
}

TEST(PreviewSampling, ShakeSwingsBackAndForth)
{
    const double expected[][2] = {{0, 0}, {4, 10}, {5, 7.5}, {8, 0}, {12, -10}, {16, 0}, {20, 10}};
    for (const auto &e : expected)
        EXPECT_DOUBLE_EQ(preview::shakeAt(5, 5, e[0]), e[1]) << "elapse " << e[0];
    EXPECT_EQ(preview::shakeAt(0, 5, 3), 0);

    Scene s;
    s.add(1, scene::mode_screen, 100, 60,
          {{"shakeEnabled", true}, {"shakePower", 5}, {"shakeSpeed", 5}});
    EXPECT_EQ(s.edit(105).shake, 7.5);
    EXPECT_EQ(s.edit(105).shakeOffset(), 7);
    EXPECT_EQ(s.edit(113).shakeOffset(), -7); // -7.5 truncated toward zero
    EXPECT_EQ(s.edit(112).shakeOffset(), -10);
    EXPECT_EQ(s.edit(99).shake, 0);
}

TEST(PreviewSampling, FlashFadesOverTheBlockAndLaterScreenBlocksWin)
{
    Scene s;
    s.add(1, scene::mode_screen, 0, 61,
          {{"flashEnabled", true}, {"flashColor", {{"R", 10}, {"G", 20}, {"B", 30}, {"P", 170}}}});
    EXPECT_EQ(s.edit(30).flash, (std::array<int, 4>{10, 20, 30, 85}));
    EXPECT_EQ(s.edit(0).flash, (std::array<int, 4>{10, 20, 30, 170}));
    EXPECT_EQ(s.edit(60).flash[3], 0);
    EXPECT_EQ(s.edit(61).flash, (std::array<int, 4>{0, 0, 0, 0}));

    // A later block without flash leaves the flash alone but shakes; a later flash replaces it.
    s.add(2, scene::mode_screen, 0, 61, {{"shakeEnabled", true}});
    EXPECT_EQ(s.edit(30).flash[3], 85);
    EXPECT_NE(s.edit(30).shake, 0);
    s.add(3, scene::mode_screen, 0, 61,
          {{"flashEnabled", true}, {"flashColor", {{"R", 255}, {"G", 0}, {"B", 0}, {"P", 100}}}});
    EXPECT_EQ(s.edit(0).flash, (std::array<int, 4>{255, 0, 0, 100}));

    Scene one;
    one.add(1, scene::mode_screen, 5, 1, {{"flashEnabled", true}});
    EXPECT_EQ(one.edit(5).flash[3], 0);
}

TEST(PreviewSampling, TheLaterMessageOrScrollingTextWins)
{
    Scene s;
    s.add(1, scene::mode_message, 0, 16, {{"messageText", "first"}});
    const int scroll = s.add(2, scene::mode_scroll, 0, 16, {{"messageText", "second"}});
    auto sample = s.edit(3);
    EXPECT_EQ(sample.textKind, TextKind::scroll);
    EXPECT_EQ(sample.textBlockId, scroll);
    EXPECT_EQ(sample.text["messageText"], "second");
    EXPECT_EQ(sample.text["blockId"], scroll);

    const int message = s.add(3, scene::mode_message, 2, 16, {{"messageText", "third"}});
    sample = s.edit(3);
    EXPECT_EQ(sample.textKind, TextKind::message);
    EXPECT_EQ(sample.textBlockId, message);

    EXPECT_EQ(s.edit(40).textKind, TextKind::none);
    EXPECT_TRUE(s.edit(40).text.is_null());
}

TEST(PreviewSampling, PlaybackShowsMessagesOnlyAtTheirFirstFrame)
{
    Scene s;
    const int id = s.add(1, scene::mode_message, 10, 16, {{"messageText", "hello"}});
    EXPECT_EQ(s.play(10).textBlockId, id);
    EXPECT_EQ(s.play(11).textKind, TextKind::none);
    EXPECT_EQ(s.edit(11).textBlockId, id);
}

TEST(PreviewSampling, PlaybackStartsSoundsAtTheirFirstFrame)
{
    Scene s;
    s.add(
        1, scene::mode_sound, 5, 16,
        {{"audioType", "se"}, {"audioName", "bell"}, {"volume", 80}, {"pitch", 120}, {"pan", -10}});
    s.add(2, scene::mode_sound, 5, 16, {{"audioType", "bgm"}, {"audioName", "theme"}});
    s.add(3, scene::mode_sound, 5, 16, {{"audioName", ""}});

    const auto start = s.play(5);
    ASSERT_EQ(start.sounds.size(), 2u);
    EXPECT_EQ(start.sounds[0].channel, "se");
    EXPECT_EQ(json::stringify(start.sounds[0].audio),
              R"({"name":"bell","volume":80,"pitch":120,"pan":-10})");
    EXPECT_EQ(start.sounds[1].channel, "bgm");
    EXPECT_TRUE(s.play(6).sounds.empty());
    EXPECT_TRUE(s.edit(5).sounds.empty());
}

TEST(PreviewSampling, PlaybackRunsTheLastFadeOutStartingAtTheFrame)
{
    Scene s;
    s.add(1, scene::mode_sound_fade, 0, 120, {{"fadeoutAudioType", "bgm"}});
    s.add(2, scene::mode_sound_fade, 0, 90, {{"fadeoutAudioType", "bgs"}});
    s.add(3, scene::mode_sound_fade, 0, 60, {{"fadeoutAudioType", "bgm"}});
    s.add(3, scene::mode_sound_fade, 60, 60, {{"fadeoutAudioType", "bgs"}});
    const auto start = s.play(0);
    ASSERT_TRUE(start.fadeOut.has_value());
    EXPECT_EQ(start.fadeOut->channel, "bgm");
    EXPECT_DOUBLE_EQ(start.fadeOut->seconds, 1.0);
    EXPECT_FALSE(s.play(1).fadeOut.has_value());
    EXPECT_FALSE(s.edit(0).fadeOut.has_value());
    EXPECT_EQ(s.play(60).fadeOut->channel, "bgs");
}

TEST(PreviewSampling, MarkersAndOtherBlocksAreIgnored)
{
    Scene s;
    scene::Block marker = scene::createEmptyCommentBlock(s.doc);
    marker.setStart(0);
    ASSERT_TRUE(s.doc.appendBlock(marker, 0));
    s.add(1, scene::mode_other, 0, 16);
    const auto sample = s.edit(0);
    EXPECT_TRUE(sample.displayList.empty());
    EXPECT_EQ(sample.textKind, TextKind::none);
    EXPECT_EQ(sample.fade, 255);
}

TEST(PreviewMessageLines, PagesOfFourLines)
{
    const std::string text = "1\n2\n3\n4\n5\n6";
    EXPECT_EQ(preview::getMessageLines(text, 5), "5\n6\n");
    EXPECT_EQ(preview::getMessageLines(text, 0), "1\n2\n3\n4\n");
    EXPECT_EQ(preview::getMessageLines(text, 3), "1\n2\n3\n4\n");
    EXPECT_EQ(preview::getMessageLines(text, 8), "");
    EXPECT_EQ(preview::getMessageLines("", 0), "\n");
    EXPECT_EQ(preview::getMessageLines("a\n", 1), "a\n\n");
    EXPECT_EQ(preview::getMessageLines(text, -5), "");
}
