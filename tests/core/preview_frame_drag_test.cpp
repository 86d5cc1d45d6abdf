// The picture frames of the preview: what a press grabs, how a drag moves and resizes the
// frames, the placement handed to the property panel, and the name tag.

#include <gtest/gtest.h>

#include "preview/frame_drag.h"
#include "preview/frame_geometry.h"

using namespace vignetta::preview;

namespace {

// Tags as the view draws them: at the frame's upper-left corner, 18 high.
FrameRect tagOf(const FrameRect &frame, double width = 40)
{
    return {frame.x, frame.y, width, 18};
}

FramePress pressAt(const FrameRect &start, const FrameRect &end, FramePoint screen,
                   double screenScale = 1)
{
    FramePress press;
    press.startTag = tagOf(start);
    press.startHandle = frameHandleRect(start);
    press.endTag = tagOf(end);
    press.endHandle = frameHandleRect(end);
    press.screen = screen;
    // Unturned end frame: the turned point is the press in game pixels.
    press.turned = {screen.x / screenScale, screen.y / screenScale};
    press.screenScale = screenScale;
    return press;
}

} // namespace

TEST(PreviewFramePress, TheEndFrameLiesAboveTheStartFrameAndTagsAboveHandles)
{
    const FrameRect start{100, 100, 200, 100};
    const FrameRect end{100, 100, 200, 100};
    // Both tags under the press: the end frame's wins.
    EXPECT_EQ(framePartAt(pressAt(start, end, {110, 105})), FramePart::positionEnd);
    // Both handles (centred on the lower-right corner (300, 200)).
    EXPECT_EQ(framePartAt(pressAt(start, end, {305, 205})), FramePart::scaleEnd);

    const FrameRect apart{400, 300, 100, 50};
    EXPECT_EQ(framePartAt(pressAt(start, apart, {110, 105})), FramePart::positionStart);
    EXPECT_EQ(framePartAt(pressAt(start, apart, {295, 195})), FramePart::scaleStart);
    EXPECT_EQ(framePartAt(pressAt(start, apart, {410, 310})), FramePart::positionEnd);
    // Inside a frame but on neither tag nor handle: nothing is grabbed.
    EXPECT_EQ(framePartAt(pressAt(start, apart, {200, 150})), FramePart::none);
}

TEST(PreviewFramePress, EdgesCountAndTheEndFrameIsTestedInGamePixels)
{
    const FrameRect start{100, 100, 200, 100};
    const FrameRect end{400, 300, 100, 50};
    // The tag spans 100..140 x 100..118, edges included.
    EXPECT_EQ(framePartAt(pressAt(start, end, {100, 100})), FramePart::positionStart);
    EXPECT_EQ(framePartAt(pressAt(start, end, {140, 118})), FramePart::positionStart);
    EXPECT_EQ(framePartAt(pressAt(start, end, {140.5, 118})), FramePart::none);
    // The handle spans 294..306 x 194..206.
    EXPECT_EQ(framePartAt(pressAt(start, end, {306, 206})), FramePart::scaleStart);
    EXPECT_EQ(framePartAt(pressAt(start, end, {306.5, 206})), FramePart::none);

    // At display scale 2 the frames and the screen point are in doubled pixels; the turned
    // point stays in game pixels and meets the end tag scaled down.
    const FrameRect bigEnd{800, 600, 200, 100};
    FramePress press = pressAt({0, 0, 10, 10}, bigEnd, {810, 610}, 2);
    EXPECT_EQ(press.turned.x, 405);
    EXPECT_EQ(framePartAt(press), FramePart::positionEnd);
    // The end frame turned by 90 degrees: a turned point outside the tag grabs nothing, even
    // though the screen point lies on the unturned tag.
    press.turned = {300, 300};
    EXPECT_EQ(framePartAt(press), FramePart::none);
}

TEST(PreviewFramePress, PartNamesRoundTrip)
{
    for (FramePart part : {FramePart::positionStart, FramePart::positionEnd, FramePart::scaleStart,
                           FramePart::scaleEnd}) {
        EXPECT_EQ(framePartFromName(framePartName(part)), part);
    }
    EXPECT_EQ(framePartName(FramePart::scaleEnd), "scale_end");
    EXPECT_EQ(framePartFromName("position"), FramePart::none);
    EXPECT_EQ(framePartFromName(""), FramePart::none);
}

TEST(PreviewFrameDrag, TagsMoveBothFramesOrWithAltOnlyTheOneGrabbed)
{
    const FrameRect start{10, 20, 100, 50};
    const FrameRect end{300, 200, 80, 40};
    FrameDrag drag(FramePart::positionStart, start, end);
    drag.moveBy(30, 10, false, false);
    EXPECT_EQ(drag.start(), (FrameRect{40, 30, 100, 50}));
    EXPECT_EQ(drag.end(), (FrameRect{330, 210, 80, 40}));

    // Movement is measured from the press: Alt taken mid-drag puts the other frame back.
    drag.moveBy(35, 12, false, true);
    EXPECT_EQ(drag.start(), (FrameRect{45, 32, 100, 50}));
    EXPECT_EQ(drag.end(), end);

    FrameDrag endOnly(FramePart::positionEnd, start, end);
    endOnly.moveBy(-5, 5, false, true);
    EXPECT_EQ(endOnly.start(), start);
    EXPECT_EQ(endOnly.end(), (FrameRect{295, 205, 80, 40}));
}

TEST(PreviewFrameDrag, HandlesResizeWithoutLimits)
{
    const FrameRect start{10, 20, 100, 50};
    const FrameRect end{300, 200, 80, 40};
    FrameDrag drag(FramePart::scaleEnd, start, end);
    drag.moveBy(20, -10, false, false);
    EXPECT_EQ(drag.start(), (FrameRect{10, 20, 120, 40}));
    EXPECT_EQ(drag.end(), (FrameRect{300, 200, 100, 30}));

    FrameDrag alt(FramePart::scaleStart, start, end);
    alt.moveBy(-150, 0, false, true);
    EXPECT_EQ(alt.start(), (FrameRect{10, 20, -50, 50}));
    EXPECT_EQ(alt.end(), end);
    EXPECT_DOUBLE_EQ(alt.result(0, 1).startScale.x, -0.5);
}

TEST(PreviewFrameDrag, ShiftKeepsTheAxisTheMouseWentFurtherAlong)
{
    const FrameRect start{0, 0, 100, 100};
    FrameDrag drag(FramePart::positionStart, start, start);
    drag.moveBy(30, 10, true, false);
    EXPECT_EQ(drag.start(), (FrameRect{30, 0, 100, 100}));
    drag.moveBy(-4, -25, true, false);
    EXPECT_EQ(drag.start(), (FrameRect{0, -25, 100, 100}));
    // Equal movement on both axes keeps both.
    drag.moveBy(12, -12, true, false);
    EXPECT_EQ(drag.start(), (FrameRect{12, -12, 100, 100}));
}

TEST(PreviewFrameDrag, ResultGivesGamePixelPositionsAndScaleFactors)
{
    // Frames shown at display scale 2: the end frame made half as wide and 1.5 times as high.
    const FrameRect start{20, 40, 200, 100};
    const FrameRect end{400, 300, 200, 100};
    FrameDrag drag(FramePart::scaleEnd, start, end);
    drag.moveBy(-100, 50, false, true);
    FrameDragResult result = drag.result(0, 2);
    EXPECT_DOUBLE_EQ(result.endScale.x, 0.5);
    EXPECT_DOUBLE_EQ(result.endScale.y, 1.5);
    EXPECT_DOUBLE_EQ(result.startScale.x, 1);
    EXPECT_DOUBLE_EQ(result.startScale.y, 1);
    EXPECT_DOUBLE_EQ(result.startPosition.x, 10);
    EXPECT_DOUBLE_EQ(result.startPosition.y, 20);
    EXPECT_DOUBLE_EQ(result.endPosition.x, 200);
    EXPECT_DOUBLE_EQ(result.endPosition.y, 150);

    // Centre origin: the position is the corner plus half the whole-pixel size.
    FrameDrag centred(FramePart::positionStart, {11, 21, 101, 51}, {0, 0, 40, 20});
    centred.moveBy(4, 4, false, false);
    result = centred.result(1, 1);
    EXPECT_DOUBLE_EQ(result.startPosition.x, 15 + 50);
    EXPECT_DOUBLE_EQ(result.startPosition.y, 25 + 25);
    EXPECT_DOUBLE_EQ(result.endPosition.x, 4 + 20);
    EXPECT_DOUBLE_EQ(result.endPosition.y, 4 + 10);
    // Any non-zero origin is the centre, as the preview draws it.
    EXPECT_DOUBLE_EQ(centred.result(2, 1).endPosition.x, 24);
}

TEST(PreviewFrameDrag, AFrameWithoutSizeKeepsItsScale)
{
    // A picture scaled to 0 %: no factor can give it the size dragged to, so it stays.
    FrameDrag drag(FramePart::scaleStart, {0, 0, 0, 50}, {0, 0, 0, 50});
    drag.moveBy(40, 50, false, false);
    const FrameDragResult result = drag.result(0, 1);
    EXPECT_DOUBLE_EQ(result.startScale.x, 1);
    EXPECT_DOUBLE_EQ(result.startScale.y, 2);
    EXPECT_DOUBLE_EQ(result.endScale.x, 1);
}

TEST(PreviewFrameTag, LongNamesShowTheirFirstSixteenCharacters)
{
    EXPECT_EQ(frameTagText(""), "");
    EXPECT_EQ(frameTagText("Sixteen_chars_ok"), "Sixteen_chars_ok");
    EXPECT_EQ(frameTagText("Seventeen_chars_x"), "Seventeen_chars_...");
    // Characters, not bytes: sixteen kana stay whole, a seventeenth is cut.
    const std::string kana16 = "あいうえおかきくけこさしすせそた";
    EXPECT_EQ(frameTagText(kana16), kana16);
    EXPECT_EQ(frameTagText(kana16 + "ち"), kana16 + "...");
}
