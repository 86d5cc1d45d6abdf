#include <gtest/gtest.h>

#include "scene/drag_step.h"
#include "scene/editing.h"
#include "scene/selection.h"
#include "scene_test_util.h"

using namespace scene_test;

namespace {

DragLimits limits(int ppf, int laneHeight, int laneCount, int mode = mode_picture)
{
    DragLimits l;
    l.pixelPerFrame = ppf;
    l.laneHeight = laneHeight;
    l.laneCount = laneCount;
    l.minWidth = resizeBounds(mode).min * ppf;
    l.maxWidth = resizeBounds(mode).max * ppf;
    return l;
}

// A session over the given blocks of `doc`, as the timeline starts one at a press.
DragSession sessionOver(const Document &doc, const std::vector<int> &ids, DragMode mode, int ppf,
                        int laneHeight)
{
    const auto box = selectionBox(doc, ids);
    const int laneCount = doc.getLastLaneId();
    const int kind = doc.getBlock(ids.front())->mode();
    return DragSession(mode, boxPixels(*box, ppf, laneHeight),
                       limits(ppf, laneHeight, laneCount, kind));
}

// Drags in steps and drops by the move rule; true when the document changed.
bool drop(Document &doc, const std::vector<int> &ids, const DragSession &s)
{
    return moveBlocks(doc, draggedBlocks(doc, ids, s), s.startFrame(), s.currentLane());
}

} // namespace

TEST(TimelineDrag, SmallMovementsStayAClickThenApplyAsOneStep)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 10, 60);
    DragSession s = sessionOver(doc, {a}, middleDrag, 4, 64);
    EXPECT_FALSE(s.step(1, 1).moved);
    EXPECT_FALSE(s.step(1, -1).moved); // 2 pixels right so far: still a click
    EXPECT_FALSE(s.isLive());
    const auto live = s.step(-4, 0); // -2: still within the threshold
    EXPECT_FALSE(live.becameLive);
    const auto first = s.step(9, 0); // 7 right in all
    EXPECT_TRUE(first.becameLive);
    EXPECT_TRUE(first.moved);
    EXPECT_EQ(s.constrained().x, 40 + 4) << "7 pixels are one whole frame at 4 pixels a frame";
    EXPECT_EQ(s.frameShift(), 1);

    // A drag that never went live drops nothing.
    DragSession click = sessionOver(doc, {a}, middleDrag, 4, 64);
    click.step(2, -2);
    EXPECT_FALSE(click.isLive());
    EXPECT_EQ(click.frameShift(), 0);
    const Document before = doc;
    EXPECT_FALSE(drop(doc, {a}, click));
    EXPECT_EQ(doc, before);
}

TEST(TimelineDrag, MovesSnapToNearestLaneAndStayWithinLanes)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 0, 60);
    put(doc, 3, 0, 10); // lanes 1..3 exist

    // 32-pixel lanes: 20 down is one lane, 10 is none.
    DragSession s = sessionOver(doc, {a}, middleDrag, 1, 32);
    s.step(0, 10);
    EXPECT_EQ(s.currentLane(), 1);
    const auto down = s.step(0, 10);
    EXPECT_TRUE(down.laneChanged);
    EXPECT_EQ(s.currentLane(), 2);
    EXPECT_EQ(s.laneShift(), 1);

    // 64-pixel lanes snap at the half lane too.
    DragSession e = sessionOver(doc, {a}, middleDrag, 4, 64);
    e.step(0, 31);
    EXPECT_EQ(e.currentLane(), 1);
    e.step(0, 2);
    EXPECT_EQ(e.currentLane(), 2);

    // Never below the last lane, never above lane 1, never before frame 0.
    DragSession far = sessionOver(doc, {a}, middleDrag, 1, 32);
    far.step(-500, 5000);
    EXPECT_EQ(far.currentLane(), 3);
    EXPECT_EQ(far.constrained().x, 0);
    far.step(0, -9000);
    EXPECT_EQ(far.currentLane(), 1);
    // Nor past the end of the timeline.
    far.step(100000, 0);
    EXPECT_EQ(far.constrained().right(), maxDuration);
}

TEST(TimelineDrag, GroupMoveKeepsItsLanesWithinTheDocument)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 0, 60);
    const int b = put(doc, 2, 100, 60);
    put(doc, 4, 500, 10);
    DragSession s = sessionOver(doc, {a, b}, middleDrag, 1, 32);
    s.step(40, 200); // would reach lanes 7 and 8
    EXPECT_EQ(s.currentLane(), 3) << "a two-lane group ends on the last lane, 4";
    ASSERT_TRUE(drop(doc, {a, b}, s));
    EXPECT_EQ(doc.getBlock(a)->laneId, 3);
    EXPECT_EQ(doc.getBlock(a)->start(), 40);
    EXPECT_EQ(doc.getBlock(b)->laneId, 4);
    EXPECT_EQ(doc.getBlock(b)->start(), 140);
    EXPECT_EQ(doc.getLastLaneId(), 4) << "a drag never creates lanes";
}

TEST(TimelineDrag, LeftEdgeKeepsTheRightEdgeAndTheKindsLengths)
{
    Document doc = Document::emptyScene();
    const int pic = put(doc, 1, 100, 60); // 100..160
    // Past the right edge: one frame long, still ending at 160.
    DragSession s = sessionOver(doc, {pic}, tipDrag, 4, 64);
    s.step(400, 0);
    EXPECT_EQ(s.startFrame(), 159);
    EXPECT_EQ(s.lengthFrames(), 1);
    // Before frame 0: starts at 0, still ending at 160.
    s.step(-2000, 0);
    EXPECT_EQ(s.startFrame(), 0);
    EXPECT_EQ(s.lengthFrames(), 160);
    // Part of a frame: the edge truncates, the length rounds up, the end stays.
    s.step(1602, 0); // raw left edge at 402 px
    EXPECT_EQ(s.startFrame(), 100);
    EXPECT_EQ(s.lengthFrames(), 60);

    // A screen block's left edge stops at 999 frames and at 60 frames.
    const int screen = put(doc, 2, 1200, 100, mode_screen); // 1200..1300
    DragSession t = sessionOver(doc, {screen}, tipDrag, 1, 32);
    t.step(-5000, 0);
    EXPECT_EQ(t.startFrame(), 1300 - 999);
    EXPECT_EQ(t.lengthFrames(), 999);
    t.step(5000 + 90, 0);
    EXPECT_EQ(t.lengthFrames(), 60);
    EXPECT_EQ(t.startFrame(), 1240);
}

TEST(TimelineDrag, RightEdgeKeepsTheKindsLengthsAndTheTimeline)
{
    Document doc = Document::emptyScene();
    const int screen = put(doc, 1, 0, 100, mode_screen);
    DragSession s = sessionOver(doc, {screen}, tailDrag, 4, 64);
    s.step(-4000, 0);
    EXPECT_EQ(s.lengthFrames(), 60) << "leftward stops at 60 frames";
    s.step(40000, 0);
    EXPECT_EQ(s.lengthFrames(), 999) << "rightward at 999";
    s.step(410 - 36400, 0); // 410 pixels are 102.5 frames: rounds up
    EXPECT_EQ(s.lengthFrames(), 103);
    ASSERT_TRUE(drop(doc, {screen}, s));
    EXPECT_EQ(doc.getBlock(screen)->delay(), 103);

    // A sound fade may be long but never passes the end of the timeline.
    const int fade = put(doc, 2, 9000, 60, mode_sound_fade);
    DragSession f = sessionOver(doc, {fade}, tailDrag, 1, 32);
    f.step(5000, 0);
    EXPECT_EQ(f.startFrame() + f.lengthFrames(), maxDuration);
    ASSERT_TRUE(drop(doc, {fade}, f));
    EXPECT_EQ(doc.getBlock(fade)->end(), maxDuration);
}

TEST(TimelineDrag, EdgesResizeOnlyOneBlockOfAResizableKind)
{
    EXPECT_EQ(dragModeFor(tipDrag, mode_picture, 1), tipDrag);
    EXPECT_EQ(dragModeFor(tailDrag, mode_sound_fade, 1), tailDrag);
    EXPECT_EQ(dragModeFor(tailDrag, mode_screen, 1), tailDrag);
    EXPECT_EQ(dragModeFor(tipDrag, mode_message, 1), middleDrag) << "show-text edges move it";
    EXPECT_EQ(dragModeFor(tailDrag, mode_sound, 1), middleDrag);
    EXPECT_EQ(dragModeFor(tipDrag, mode_picture, 2), middleDrag) << "a group always moves";
    EXPECT_EQ(dragModeFor(noDrag, mode_picture, 1), noDrag);
}

TEST(TimelineDrag, RefusedDropRestoresEverything)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 0, 60);
    put(doc, 2, 9000, 995); // 9000..9995 on lane 2
    const Document before = doc;
    DragSession s = sessionOver(doc, {a}, middleDrag, 1, 32);
    s.step(8950, 32); // onto lane 2 at 8950: the block there would end past 10000
    ASSERT_EQ(s.currentLane(), 2);
    EXPECT_FALSE(drop(doc, {a}, s));
    EXPECT_EQ(doc, before);
}

TEST(TimelineDrag, DropOnARunningBlockPushesPastItAndRipples)
{
    Document doc = Document::emptyScene();
    const int a = put(doc, 1, 0, 60);
    put(doc, 2, 100, 100);                  // running at the drop frame 150
    const int later = put(doc, 2, 220, 20); // starts after: ripples
    DragSession s = sessionOver(doc, {a}, middleDrag, 4, 64);
    s.step(600, 64);
    ASSERT_TRUE(drop(doc, {a}, s));
    EXPECT_EQ(doc.getBlock(a)->start(), 200);
    EXPECT_EQ(doc.getBlock(a)->laneId, 2);
    EXPECT_EQ(doc.getBlock(later)->start(), 260);
}
