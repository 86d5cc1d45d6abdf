// Message and scrolling-text playback, frame by frame.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text_test_util.h"

using namespace text_test;

namespace {

// One frame of the engine as "page:visible w<waitCount>[ P][ T]".
std::string frameOf(const TextEngine &engine)
{
    std::string s = std::to_string(engine.page()) + ":" +
                    std::to_string(engine.visibleCharacters()) + " w" +
                    std::to_string(engine.waitCount());
    if (engine.paused())
        s += " P";
    if (engine.terminated())
        s += " T";
    return s;
}

// The frame after the start, then after each of `updates` updates.
std::vector<std::string> trace(TextEngine &engine, int updates)
{
    std::vector<std::string> frames{frameOf(engine)};
    for (int i = 0; i < updates; ++i) {
        engine.update();
        frames.push_back(frameOf(engine));
    }
    return frames;
}

// `count` updates that must not change the frame.
void expectStill(TextEngine &engine, int count, const std::string &frame)
{
    for (int i = 0; i < count; ++i) {
        engine.update();
        ASSERT_EQ(frameOf(engine), frame) << "update " << i;
    }
}

} // namespace

TEST(MessagePlayback, OneCharacterPerFrameThenAPauseForInput)
{
    TextEngine engine = messageEngine();
    engine.startMessage(convert("ab"));
    EXPECT_EQ(trace(engine, 2), (std::vector<std::string>{"1:1 w0", "1:2 w10 P", "1:2 w9 P"}));
    for (int i = 0; i < 9; ++i)
        engine.update();
    EXPECT_EQ(frameOf(engine), "1:2 w0 P");
    EXPECT_TRUE(engine.waitingForInput());
    expectStill(engine, 30, "1:2 w0 P");
    engine.press();
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:2 w0 T");
    EXPECT_FALSE(engine.running());
    // A terminated text stays on its page and no longer changes.
    expectStill(engine, 3, "1:2 w0 T");
}

TEST(MessagePlayback, FiveLinesPauseAfterTheFourthAndGoOnOnANewPage)
{
    TextEngine engine = messageEngine();
    engine.startMessage(convert("1\n2\n3\n4\n5"));
    // Newlines take a frame each; the one after line 4 finds no room and pauses.
    EXPECT_EQ(trace(engine, 8),
              (std::vector<std::string>{"1:1 w0", "1:1 w0", "1:2 w0", "1:2 w0", "1:3 w0", "1:3 w0",
                                        "1:4 w0", "1:4 w10 P", "1:4 w9 P"}));
    for (int i = 0; i < 9; ++i)
        engine.update();
    expectStill(engine, 5, "1:4 w0 P");
    engine.press();
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:4 w0");
    engine.update();
    EXPECT_EQ(frameOf(engine), "2:1 w10 P");
    EXPECT_EQ(engine.ops()[0].character, U'5');
    EXPECT_EQ(engine.ops()[0].y, 0);
}

TEST(MessagePlayback, NoWaitCodeAtTheEndTerminatesWithoutInput)
{
    TextEngine engine = messageEngine();
    engine.startMessage(convert(R"(ab\^)"));
    EXPECT_EQ(trace(engine, 2), (std::vector<std::string>{"1:1 w0", "1:2 w0", "1:2 w0 T"}));

    // The no-wait code belongs to its page: a new page clears it again.
    engine.startMessage(convert("\\^a\fb"));
    for (int i = 0; i < 12; ++i)
        engine.update();
    engine.press();
    engine.update();
    engine.update();
    EXPECT_EQ(frameOf(engine), "2:1 w10 P");
}

TEST(MessagePlayback, WaitCodesHoldForTheirFrames)
{
    TextEngine engine = messageEngine();
    engine.startMessage(convert(R"(a\.b)"));
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:1 w15");
    for (int i = 0; i < 15; ++i)
        engine.update();
    EXPECT_EQ(frameOf(engine), "1:1 w0");
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:2 w10 P");

    engine.startMessage(convert(R"(\|a)"));
    EXPECT_EQ(frameOf(engine), "1:0 w60");
    for (int i = 0; i < 60; ++i)
        engine.update();
    EXPECT_EQ(frameOf(engine), "1:0 w0");
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:1 w10 P");
}

TEST(MessagePlayback, InputPauseWaitsForAPressAndPressesAreRemembered)
{
    TextEngine engine = messageEngine();
    engine.startMessage(convert(R"(a\!b)"));
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:1 w10 P");
    for (int i = 0; i < 10; ++i)
        engine.update();
    expectStill(engine, 10, "1:1 w0 P");
    engine.press();
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:1 w0");
    EXPECT_FALSE(engine.triggered());
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:2 w10 P");

    // A press while the text is drawn is kept for the next pause, which then ends at once.
    engine.startMessage(convert("abc"));
    engine.press();
    engine.update();
    engine.update();
    for (int i = 0; i < 10; ++i)
        engine.update();
    EXPECT_EQ(frameOf(engine), "1:3 w0 P");
    engine.update();
    EXPECT_TRUE(engine.terminated());

    // A press made before the message started does not count for it; a release takes back a
    // press that was not yet taken.
    engine.press();
    engine.startMessage(convert("a"));
    for (int i = 0; i < 12; ++i)
        engine.update();
    EXPECT_EQ(frameOf(engine), "1:1 w0 P");
    engine.press();
    engine.release();
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:1 w0 P");
}

TEST(MessagePlayback, LineShowFastDrawsTheRestOfTheLineAtOnce)
{
    TextEngine engine = messageEngine();
    engine.startMessage(convert(R"(\>abc\<de)"));
    EXPECT_EQ(drawnText(engine), "abc");
    engine.update();
    EXPECT_EQ(drawnText(engine), "abcd");

    // A newline ends it; a wait inside it stops the frame there.
    engine.startMessage(convert("\\>ab\ncd"));
    EXPECT_EQ(drawnText(engine), "ab");
    EXPECT_FALSE(engine.lineShowFast());
    engine.update();
    EXPECT_EQ(drawnText(engine), "abc");
    engine.startMessage(convert(R"(\>a\.bc)"));
    EXPECT_EQ(frameOf(engine), "1:1 w15");
    for (int i = 0; i < 16; ++i)
        engine.update();
    EXPECT_EQ(drawnText(engine), "abc");
}

TEST(MessagePlayback, FormFeedPausesAndStartsANewPage)
{
    TextEngine engine = messageEngine();
    engine.startMessage(convert("a\f\nb"));
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:1 w10 P");
    for (int i = 0; i < 10; ++i)
        engine.update();
    engine.press();
    engine.update();
    engine.update();
    EXPECT_EQ(frameOf(engine), "2:1 w10 P");
    // The newline right after the form feed was skipped: "b" is on the first line.
    EXPECT_EQ(engine.ops()[0].y, 0);
    EXPECT_EQ(engine.ops()[0].character, U'b');
}

TEST(MessagePlayback, NewPageResetsColourAndSize)
{
    TextEngine engine = messageEngine();
    engine.setStartX(kFaceTextX);
    // Each code takes a frame of its own, like a character.
    engine.startMessage(convert("\\C[3]\\{a\fb"));
    EXPECT_EQ(engine.visibleCharacters(), 0u);
    engine.update();
    engine.update();
    ASSERT_EQ(drawnText(engine), "a");
    EXPECT_EQ(engine.ops()[0].number, 3);
    EXPECT_EQ(engine.ops()[0].fontSize, 40);
    EXPECT_EQ(engine.ops()[0].x, 168);
    for (int i = 0; i < 11; ++i)
        engine.update();
    engine.press();
    engine.update();
    engine.update();
    ASSERT_EQ(drawnText(engine), "b");
    EXPECT_EQ(engine.ops()[0].number, 0);
    EXPECT_EQ(engine.ops()[0].fontSize, 28);
    EXPECT_EQ(engine.ops()[0].x, 168);
}

TEST(MessagePlayback, EmptyMessageWaitsForInputAndTerminateEndsAtOnce)
{
    TextEngine engine = messageEngine();
    engine.startMessage(U"");
    EXPECT_EQ(frameOf(engine), "1:0 w10 P");
    engine.terminate();
    EXPECT_EQ(frameOf(engine), "1:0 w0 T");
    engine.update();
    EXPECT_EQ(frameOf(engine), "1:0 w0 T");
}

TEST(ScrollPlayback, MovesBySpeedAndFasterWhileHeldThenEnds)
{
    // Four lines of 72, 72, 72 and 84 pixels: 300 in all.
    TextEngine engine(halfWidth);
    engine.setScrollY(624);
    engine.setScrollSpeedRate(2);
    engine.startScroll(convert("\\{\\{\\{a\nb\nc\n\\{d"));
    ASSERT_EQ(engine.height(), 300);
    EXPECT_EQ(engine.visibleCharacters(), 4u);
    EXPECT_EQ(engine.scrollY(), 624);
    engine.update();
    EXPECT_EQ(engine.scrollY(), 623);
    engine.press();
    engine.update();
    engine.update();
    EXPECT_EQ(engine.scrollY(), 617);
    engine.release();
    int updates = 0;
    while (!engine.terminated() && updates < 2000) {
        engine.update();
        ++updates;
    }
    EXPECT_EQ(engine.scrollY(), -300);
    EXPECT_EQ(updates, 917);
    engine.update();
    EXPECT_EQ(engine.scrollY(), -300);
}

TEST(ScrollPlayback, NoFastIgnoresInputAndOddSpeedsMoveByHalves)
{
    TextEngine engine(halfWidth);
    engine.setScrollY(0);
    engine.setScrollSpeedRate(3);
    engine.setScrollNoFast(true);
    engine.press();
    engine.startScroll(convert("a"));
    engine.update();
    EXPECT_EQ(engine.scrollY(), -1.5);
    // A held button carries into a scrolling text started while it is held.
    engine.setScrollNoFast(false);
    engine.setScrollY(0);
    engine.startScroll(convert("a"));
    engine.update();
    EXPECT_EQ(engine.scrollY(), -4.5);
    for (int i = 0; i < 7; ++i)
        engine.update();
    EXPECT_TRUE(engine.terminated());
    EXPECT_EQ(engine.scrollY(), -36);
}
