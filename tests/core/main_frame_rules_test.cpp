#include "frame/screen_scale.h"
#include "frame/splitter.h"
#include "frame/window_placement.h"
#include "project/event_file_check.h"
#include "project/project_url.h"

#include <gtest/gtest.h>

#include <array>

using namespace vignetta;

TEST(ScreenScale, ZoomWalksEveryStepUpAndDown)
{
    const int expected[] = {5,  6,  7,  8,  9,  10, 11, 12, 14, 16, 18, 20,
                            22, 24, 28, 32, 36, 40, 44, 48, 54, 60, 66, 72};
    // From actual size, zoom out to the bottom and back up to the top, visiting each step.
    double scale = 1.0;
    int index = 19;
    while (index > 0) {
        scale = frame::zoomedOut(scale);
        --index;
        EXPECT_DOUBLE_EQ(scale, expected[index] / 48.0) << index;
    }
    EXPECT_DOUBLE_EQ(frame::zoomedOut(scale), 5.0 / 48.0);
    while (index < 23) {
        scale = frame::zoomedIn(scale);
        ++index;
        EXPECT_DOUBLE_EQ(scale, expected[index] / 48.0) << index;
    }
    EXPECT_DOUBLE_EQ(frame::zoomedIn(scale), 72.0 / 48.0);
    EXPECT_DOUBLE_EQ(frame::minimumScreenScale(), 5.0 / 48.0);
    EXPECT_DOUBLE_EQ(frame::maximumScreenScale(), 1.5);
}

TEST(ScreenScale, ValueBetweenStepsMovesToNeighbour)
{
    EXPECT_DOUBLE_EQ(frame::zoomedIn(0.9), 44.0 / 48.0);
    EXPECT_DOUBLE_EQ(frame::zoomedOut(0.9), 40.0 / 48.0);
    EXPECT_DOUBLE_EQ(frame::zoomedIn(0.95), 1.0);
    EXPECT_DOUBLE_EQ(frame::zoomedIn(0.01), 5.0 / 48.0);
    EXPECT_DOUBLE_EQ(frame::zoomedOut(3.0), 1.5);
    // A rounding error off a step is still that step, not a point between two.
    EXPECT_DOUBLE_EQ(frame::zoomedIn(1.0 - 1e-12), 54.0 / 48.0);
    EXPECT_DOUBLE_EQ(frame::zoomedOut(1.0 + 1e-12), 44.0 / 48.0);
}

// x, y, width, height of the window rectangle after adjustment.
static std::array<int, 4> adjusted(frame::Rect window, frame::Rect desktop)
{
    const auto r = frame::adjustedWindowRect(window, desktop);
    return {r.x, r.y, r.width, r.height};
}

TEST(WindowPlacement, PullsWindowBackOntoDesktop)
{
    using A = std::array<int, 4>;
    const frame::Rect desktop{0, 0, 1600, 1000};
    EXPECT_EQ(adjusted({100, 50, 1200, 720}, desktop), (A{100, 50, 1200, 720})); // inside
    EXPECT_EQ(adjusted({900, 700, 1200, 720}, desktop), (A{400, 280, 1200, 720}));
    EXPECT_EQ(adjusted({-300, -40, 1200, 720}, desktop), (A{0, 0, 1200, 720}));
    // Larger than the desktop: shrunk to it and placed at its origin.
    EXPECT_EQ(adjusted({-10, 20, 2000, 1200}, desktop), (A{0, 0, 1600, 1000}));
    // A second screen left of the primary one gives a desktop starting at negative x.
    const frame::Rect wide{-1280, 24, 2880, 976};
    EXPECT_EQ(adjusted({-2000, 0, 1200, 720}, wide), (A{-1280, 24, 1200, 720}));
    EXPECT_EQ(adjusted({1500, 900, 1200, 720}, wide), (A{1600 - 1200, 1000 - 720, 1200, 720}));
}

TEST(Splitter, TopEdgeOnWholePixelsWithinLimits)
{
    EXPECT_EQ(frame::splitterTop(70, 649), 454); // 454.3 truncated
    EXPECT_EQ(frame::splitterTop(70, 100), 70);
    EXPECT_EQ(frame::splitterTop(95, 100), 80);
    EXPECT_EQ(frame::splitterTop(5, 100), 20);
    EXPECT_EQ(frame::splitterTop(70, 0), 0);
    EXPECT_EQ(frame::splitterTop(70, -5), 0);

    EXPECT_DOUBLE_EQ(frame::splitterPositionForTop(300, 600, 70), 50);
    EXPECT_DOUBLE_EQ(frame::splitterPositionForTop(10, 600, 70), 20);
    EXPECT_DOUBLE_EQ(frame::splitterPositionForTop(590, 600, 70), 80);
    EXPECT_DOUBLE_EQ(frame::splitterPositionForTop(300, 0, 42), 42);
}

TEST(EventFileCheck, AcceptsWhatTheSceneReaderAccepts)
{
    using V = project::EventFileVerdict;
    const std::string block = R"({"blockId":1,"laneId":1,"eventData":{}})";
    EXPECT_EQ(project::checkEventFileText("[" + block + "]"), V::Importable);
    EXPECT_EQ(project::checkEventFileText("\xEF\xBB\xBF[" + block + "]"), V::Importable);

    EXPECT_EQ(project::checkEventFileText(""), V::Empty);
    EXPECT_EQ(project::checkEventFileText("not json"), V::NotJson);
    EXPECT_EQ(project::checkEventFileText("[" + block + ","), V::NotJson);
    EXPECT_EQ(project::checkEventFileText("[]"), V::NotBlockList);
    EXPECT_EQ(project::checkEventFileText(block), V::NotBlockList);
    EXPECT_EQ(project::checkEventFileText(R"("text")"), V::NotBlockList);
    EXPECT_EQ(project::checkEventFileText("null"), V::NotBlockList);
    EXPECT_EQ(project::checkEventFileText(R"([{"blockId":0,"laneId":1,"eventData":{}}])"),
              V::NotBlockList);
    // Every element must be a usable block, not only the first; a first block that merely has
    // some blockId (a string, no lane, no event data) is refused here rather than by the
    // insertion after an import that looked fine.
    EXPECT_EQ(project::checkEventFileText("[" + block + ", 5]"), V::NotBlockList);
    EXPECT_EQ(project::checkEventFileText("[" + block + ", null]"), V::NotBlockList);
    EXPECT_EQ(project::checkEventFileText(R"([{"blockId":"7","laneId":1,"eventData":{}}])"),
              V::NotBlockList);
    EXPECT_EQ(project::checkEventFileText(R"([{"blockId":1,"laneId":1}])"), V::NotBlockList);
    // Nesting that a recursive walk of the value could not survive is not JSON to the import.
    EXPECT_EQ(project::checkEventFileText("[{\"blockId\":1,\"x\":" + std::string(100000, '[') +
                                          std::string(100000, ']') + "}]"),
              V::NotJson);
}

TEST(ProjectUrl, FolderAndFileName)
{
    EXPECT_EQ(project::projectFolderUrl("file:///home/u/Game/Game.fabproject"),
              "file:///home/u/Game/");
    EXPECT_EQ(project::urlFileName("file:///home/u/Game/Game.fabproject"), "Game.fabproject");
    EXPECT_EQ(project::projectFolderUrl("Game.fabproject"), "");
    EXPECT_EQ(project::urlFileName("Game.fabproject"), "Game.fabproject");
    EXPECT_EQ(project::urlFileName("file:///home/u/Game/"), "");
}
