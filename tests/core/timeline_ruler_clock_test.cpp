#include <cmath>

#include <gtest/gtest.h>

#include "scene/frame_pacer.h"
#include "scene/limits.h"
#include "scene/timeline_ruler.h"

using namespace vignetta::scene;

namespace {

std::vector<int> frames(const std::vector<RulerLabel> &labels)
{
    std::vector<int> out;
    for (const auto &l : labels)
        out.push_back(l.frame);
    return out;
}

} // namespace

TEST(TimelineRuler, LabelsInBothZooms)
{
    // Expanded: every 10 frames, 40 pixels apart; label 0 moved 4 pixels right.
    auto expanded = rulerLabels(0, 100, 4);
    ASSERT_GE(expanded.size(), 3u);
    EXPECT_EQ(expanded[0].frame, 0);
    EXPECT_EQ(expanded[0].x, 4);
    EXPECT_EQ(expanded[1].frame, 10);
    EXPECT_EQ(expanded[1].x, 40);
    EXPECT_EQ(expanded[2].frame, 20);

    // Shrunk: every 100 frames, 100 pixels apart.
    auto shrunk = rulerLabels(0, 250, 1);
    EXPECT_EQ(frames(shrunk), (std::vector<int>{0, 100, 200, 300}));
    EXPECT_EQ(shrunk[2].x, 200);

    // Scrolled part of a spacing: the run starts at the label left of the edge.
    auto scrolled = rulerLabels(130, 100, 1);
    EXPECT_EQ(scrolled[0].frame, 100);
    EXPECT_EQ(scrolled[0].x, -30);

    // Nothing past the end of the timeline, the end itself labelled.
    auto end = rulerLabels(maxDuration - 150, 1000, 1);
    EXPECT_EQ(end.back().frame, maxDuration);
}

TEST(TimelineRuler, TicksPerFrameOrPerTenFrames)
{
    auto expanded = rulerTicks(2, 12, 4); // pixels 2..14: frames 1, 2, 3
    EXPECT_EQ(expanded, (std::vector<double>{2.5, 6.5, 10.5}));
    auto shrunk = rulerTicks(5, 30, 1); // frames 10, 20, 30
    EXPECT_EQ(shrunk, (std::vector<double>{5.5, 15.5, 25.5}));
    EXPECT_LE(rulerTicks(maxDuration * 4 - 8, 400, 4).size(), 3u);
}

TEST(TimelineRuler, FramesUnderTheMouseStayOnTheTimeline)
{
    EXPECT_EQ(frameAtPixel(-30, 4), 0);
    EXPECT_EQ(frameAtPixel(7.9, 4), 1);
    EXPECT_EQ(frameAtPixel(1e9, 4), maxDuration - 1);
    EXPECT_EQ(frameAtPixel(maxDuration * 4.0 - 1, 4), 9999);
    EXPECT_EQ(frameAtPixel(250, 1), 250);

    EXPECT_EQ(centredScroll(1000, 601, 5000), 699);
    EXPECT_EQ(centredScroll(100, 600, 5000), 0);
    EXPECT_EQ(centredScroll(9000, 600, 5000), 5000);
}

TEST(FramePacer, TicksKeepTheScheduleWhateverTheTimerDoes)
{
    FramePacer pacer;
    pacer.start(1000);
    // A timer that rounds the wait down to whole milliseconds and fires up to 3 ms late.
    double now = 1000;
    const double late[] = {0, 3, 1, 0, 2};
    for (int i = 0; i < 600; ++i) {
        const double wait = std::floor(i == 0 ? pacer.period() : pacer.nextDue() - now);
        now += std::max(0.0, wait) + late[i % 5];
        pacer.tick(now);
    }
    // 600 ticks: the last one fired about 10 s after the start, give or take the lateness.
    EXPECT_NEAR(now - 1000, 10000, 4);
    EXPECT_EQ(pacer.ticks(), 600);
}

TEST(FramePacer, ABusyStretchIsNotCaughtUpInABurst)
{
    FramePacer pacer;
    pacer.start(0);
    EXPECT_NEAR(pacer.tick(17), 1000.0 / 60 * 2 - 17, 1e-9);
    // Slightly late: the next wait is shorter.
    EXPECT_LT(pacer.tick(40), 1000.0 / 60);
    // Half a second stalled: the schedule restarts from here.
    const double wait = pacer.tick(540);
    EXPECT_NEAR(wait, 1000.0 / 60, 1e-9);
}
