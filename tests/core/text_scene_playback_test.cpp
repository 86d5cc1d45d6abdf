// A scene played tick by tick with its texts: holding the timeline, input schedules, traces.

#include <gtest/gtest.h>

#include "scene/block_mode.h"
#include "scene_test_util.h"
#include "text/scene_playback.h"
#include "text_test_util.h"

using namespace text_test;
using vignetta::scene::Document;

namespace {

// A text block (message or scrolling text) on its own lane.
void putText(Document &doc, int laneId, int start, int mode, const std::string &text,
             int scrollSpeed = 2)
{
    const int id = scene_test::put(doc, laneId, start, 5, mode);
    vignetta::scene::Block *block = doc.getBlock(id);
    ASSERT_NE(block, nullptr);
    block->setField("messageText", text);
    block->setField("scrollSpeed", scrollSpeed);
}

ScenePlayback play(const Document &doc, InputSchedule input = {}, bool ready = true)
{
    return ScenePlayback(doc, halfWidth, sampleNames(), 624, ready, std::move(input));
}

// Runs ticks up to and including `last`.
void runTo(ScenePlayback &playback, int last)
{
    while (playback.tickNumber() < last)
        playback.tick();
}

} // namespace

TEST(ScenePlayback, AMessageHoldsTheTimelineUntilItIsDismissed)
{
    Document doc;
    putText(doc, 1, 2, vignetta::scene::mode_message, "ab");
    ScenePlayback playback = play(doc, InputSchedule{{15}, {}, 0});
    runTo(playback, 1);
    EXPECT_EQ(playback.traceLine(), R"({"tick":1,"frame":1,"hold":false,"text":null})");
    playback.tick();
    EXPECT_EQ(playback.traceLine(),
              R"({"tick":2,"frame":2,"hold":true,"text":"message","blockId":1,"page":1,)"
              R"("visible":1,"waitCount":0,"pause":false,"terminated":false})");
    runTo(playback, 3);
    EXPECT_EQ(playback.engine().waitCount(), 10);
    runTo(playback, 14);
    EXPECT_EQ(playback.frame(), 2);
    EXPECT_TRUE(playback.engine().waitingForInput());
    playback.tick();
    EXPECT_TRUE(playback.engine().terminated());
    EXPECT_FALSE(playback.holding());
    EXPECT_EQ(playback.frame(), 2);
    // The timeline moves on at the next tick; a message counts only at its first frame.
    playback.tick();
    EXPECT_EQ(playback.traceLine(), R"({"tick":16,"frame":3,"hold":false,"text":null})");
}

TEST(ScenePlayback, AutoAdvancePressesAfterTheGivenWait)
{
    Document doc;
    putText(doc, 1, 2, vignetta::scene::mode_message, "ab");
    ScenePlayback playback = play(doc, InputSchedule{{}, {}, 3});
    // The pause's own 10-frame wait ends at tick 13; then three ticks of waiting.
    runTo(playback, 15);
    EXPECT_FALSE(playback.engine().terminated());
    playback.tick();
    EXPECT_TRUE(playback.engine().terminated());
    EXPECT_EQ(playback.tickNumber(), 16);
}

TEST(ScenePlayback, PressesReachMessagesAtTheirPauseAndReleasesOnlyTheScrollingText)
{
    Document doc;
    putText(doc, 1, 2, vignetta::scene::mode_message, "abc");
    // Pressed while "b" is drawn: the press waits for the pause after "c" (tick 4, then its
    // 10 frames), which it then ends at once.
    ScenePlayback pressed = play(doc, InputSchedule{{3}, {}, 0});
    runTo(pressed, 14);
    EXPECT_FALSE(pressed.engine().terminated());
    pressed.tick();
    EXPECT_TRUE(pressed.engine().terminated());

    // A button held from before the message starts does not count for it.
    ScenePlayback held = play(doc, InputSchedule{{}, {{0, 30}}, 0});
    runTo(held, 40);
    EXPECT_TRUE(held.holding());
    EXPECT_EQ(held.frame(), 2);
}

TEST(ScenePlayback, ScrollingTextStartsBelowTheScreenAndRunsFastWhileHeld)
{
    Document doc;
    putText(doc, 1, 1, vignetta::scene::mode_scroll, "a");
    ScenePlayback playback = play(doc, InputSchedule{{20}, {{5, 9}}, 0});
    runTo(playback, 1);
    EXPECT_EQ(playback.engine().scrollY(), 624);
    runTo(playback, 4);
    EXPECT_EQ(playback.engine().scrollY(), 621);
    runTo(playback, 9);
    EXPECT_EQ(playback.engine().scrollY(), 606);
    playback.tick();
    EXPECT_EQ(playback.engine().scrollY(), 605);
    runTo(playback, 20);
    EXPECT_EQ(playback.engine().scrollY(), 593);
    playback.tick();
    EXPECT_EQ(playback.engine().scrollY(), 592);
    EXPECT_EQ(playback.frame(), 1);
    // It ends once it is 36 pixels above the text area's top.
    while (!playback.engine().terminated() && playback.tickNumber() < 2000)
        playback.tick();
    EXPECT_EQ(playback.engine().scrollY(), -36);
    playback.tick();
    EXPECT_EQ(playback.frame(), 2);
}

TEST(ScenePlayback, TextsWithoutWindowImagesAreNotShownAndHoldNothing)
{
    Document doc;
    putText(doc, 1, 2, vignetta::scene::mode_message, "ab");
    ScenePlayback playback = play(doc, {}, false);
    runTo(playback, 5);
    EXPECT_EQ(playback.frame(), 5);
    EXPECT_EQ(playback.window().kind, vignetta::preview::TextKind::none);

    // A message that ends by itself at once holds nothing either.
    Document quick;
    putText(quick, 1, 2, vignetta::scene::mode_message, R"(\^)");
    ScenePlayback through = play(quick);
    runTo(through, 3);
    EXPECT_EQ(through.frame(), 3);
}

TEST(TextWindowPlacement, WindowsSitWhereTheMainViewPutsThem)
{
    const WindowRect top = messageWindowRect(816, 624, 0);
    EXPECT_EQ(top.x, 8);
    EXPECT_EQ(top.y, 8);
    EXPECT_EQ(top.width, 796);
    EXPECT_EQ(top.height, 160);
    EXPECT_EQ(messageWindowRect(816, 624, 1).y, 232);
    EXPECT_EQ(messageWindowRect(816, 624, 2).y, 456);
    EXPECT_EQ(messageWindowRect(816, 624, 7).y, 456);
    EXPECT_EQ(messageWindowRect(500, 301, 1).y, 70);
    const WindowRect scroll = scrollWindowRect(816, 624);
    EXPECT_EQ(scroll.y, 0);
    EXPECT_EQ(scroll.height, 624);
}
