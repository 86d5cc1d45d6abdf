// Laying out a whole text: line heights with the carried font size, faces, icons, canvases.

#include <gtest/gtest.h>

#include "text/codes.h"
#include "text_test_util.h"

using namespace text_test;

TEST(TextLayout, SizeCodesRaiseTheLineAndCarryToTheNext)
{
    TextEngine engine(halfWidth);
    engine.drawAll(convert("\\{\\{\\{A\nB"));
    const auto &ops = engine.ops();
    ASSERT_EQ(drawnText(engine), "AB");
    EXPECT_EQ(ops[0].fontSize, 64);
    EXPECT_EQ(ops[0].lineHeight, 72);
    EXPECT_EQ(ops[1].y, 72);
    EXPECT_EQ(ops[1].fontSize, 64);
    EXPECT_EQ(ops[1].lineHeight, 72);
    EXPECT_EQ(engine.height(), 144);

    // A line is as high as the largest size reached on it, even when it shrinks again.
    engine.drawAll(convert(R"(a\{b\}c)"
                           "\n"
                           "d"));
    EXPECT_EQ(engine.ops()[0].lineHeight, 48);
    EXPECT_EQ(engine.ops()[3].y, 48);
    EXPECT_EQ(engine.ops()[3].lineHeight, 36);
}

TEST(TextLayout, FontSizeStopsAtItsBounds)
{
    std::string up;
    for (int i = 0; i < 100; ++i)
        up += "\\{";
    TextEngine engine(halfWidth);
    engine.drawAll(convert(up + "x"));
    EXPECT_EQ(engine.ops()[0].fontSize, 100);
    EXPECT_EQ(engine.ops()[0].lineHeight, 108);
    engine.drawAll(convert(R"(\}\}\}\}x)"));
    EXPECT_EQ(engine.ops()[0].fontSize, 16);
    EXPECT_EQ(engine.ops()[0].lineHeight, 36); // the line started at 28

    EXPECT_EQ(lineHeight(U"", 0, kDefaultFontSize), 36);
    // All lines, a trailing newline counting as one more line.
    EXPECT_EQ(textHeight(convert("a\nb\n"), 0, kDefaultFontSize), 108);
    EXPECT_EQ(textHeight(convert("\\{a\nb"), 0, kDefaultFontSize), 96);
}

TEST(TextLayout, CharactersIconsAndFacePlaceTheLine)
{
    TextEngine engine(halfWidth);
    engine.setStartX(kFaceTextX);
    engine.drawAll(convert(R"(ab\I[5]c)"
                           "\nd"));
    const auto &ops = engine.ops();
    ASSERT_EQ(drawnText(engine), "ab#cd");
    EXPECT_EQ(ops[0].x, 168);
    EXPECT_EQ(ops[1].x, 182);
    EXPECT_EQ(ops[2].kind, DrawOp::Kind::icon);
    EXPECT_EQ(ops[2].number, 5);
    EXPECT_EQ(ops[2].x, 198);
    EXPECT_EQ(ops[2].y, 2);
    EXPECT_EQ(ops[3].x, 196 + 36);
    EXPECT_EQ(ops[4].x, 168);
    EXPECT_EQ(ops[4].y, 36);
}

TEST(TextLayout, ColoursApplyToLaterTextAndControlsTakeNoRoom)
{
    TextEngine engine(halfWidth);
    engine.drawAll(convert("a\\C[2]b\\C[0]c\t\x01"
                           "d\fe"));
    const auto &ops = engine.ops();
    ASSERT_EQ(drawnText(engine), "abc\t\x01"
                                 "de");
    EXPECT_EQ(ops[0].number, 0);
    EXPECT_EQ(ops[1].number, 2);
    EXPECT_EQ(ops[2].number, 0);
    // A tab is a space wide, other controls nothing; a form feed is skipped when drawing all.
    EXPECT_EQ(ops[4].x - ops[3].x, 14);
    EXPECT_EQ(ops[5].x, ops[4].x);
    EXPECT_EQ(ops[6].y, 0);
    // Playback codes do nothing when the text is drawn at once.
    engine.drawAll(convert(R"(a\.\|\!\>\<\^\$b)"));
    EXPECT_EQ(drawnText(engine), "ab");
    EXPECT_EQ(engine.waitCount(), 0);
    EXPECT_FALSE(engine.paused());
}

TEST(TextLayout, FixedCanvasLeavesOutLinesBelowItAndLongTextsStayLinear)
{
    TextEngine engine(halfWidth);
    engine.setCanvasHeight(144);
    engine.drawAll(convert("1\n2\n3\n4\n5\n6"));
    EXPECT_EQ(drawnText(engine), "1234");
    EXPECT_EQ(engine.height(), 144);

    // 100,000 characters in 1,000 lines: the whole height, and every character once.
    std::string line(99, 'x');
    std::string big;
    for (int i = 0; i < 1000; ++i)
        big += line + "\n";
    TextEngine scroll(halfWidth);
    scroll.drawAll(convert(big));
    EXPECT_EQ(scroll.height(), 1001 * 36);
    EXPECT_EQ(scroll.visibleCharacters(), 99000u);
    engine.drawAll(convert(big));
    EXPECT_EQ(engine.visibleCharacters(), 4u * 99);
}
