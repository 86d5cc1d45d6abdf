#include "ui/checkerboard.h"

#include <gtest/gtest.h>

using vignetta::ui::checkerDarkChannel;
using vignetta::ui::checkerLightChannel;

TEST(Checkerboard, DarkColourFollowsTheLightOne)
{
    // Defaults: white and 0.862 grey.
    EXPECT_DOUBLE_EQ(checkerLightChannel(255), 1.0);
    EXPECT_NEAR(checkerDarkChannel(1.0), 0.862, 1e-12);
    // At and above 0.888 the step is 0.138; below it grows by the distance, up to 0.25.
    EXPECT_NEAR(checkerDarkChannel(0.888), 0.75, 1e-12);
    EXPECT_NEAR(checkerDarkChannel(0.8), 0.8 - 0.138 - 0.088, 1e-12);
    EXPECT_NEAR(checkerDarkChannel(0.5), 0.25, 1e-12);
    EXPECT_NEAR(checkerDarkChannel(136 / 255.0), 136 / 255.0 - 0.25, 1e-12);
    // Black light colour: the dark colour clamps to black, a plain black board.
    EXPECT_DOUBLE_EQ(checkerLightChannel(0), 0.0);
    EXPECT_DOUBLE_EQ(checkerDarkChannel(0.0), 0.0);
    EXPECT_DOUBLE_EQ(checkerDarkChannel(0.2), 0.0);
    // The dark colour never rises as the light one falls.
    for (int v = 1; v <= 255; ++v)
        EXPECT_LE(checkerDarkChannel((v - 1) / 255.0), checkerDarkChannel(v / 255.0));
}

TEST(Checkerboard, OutOfRangeSettingsAreClamped)
{
    EXPECT_DOUBLE_EQ(checkerLightChannel(300), 1.0);
    EXPECT_DOUBLE_EQ(checkerLightChannel(-20), 0.0);
    EXPECT_DOUBLE_EQ(checkerDarkChannel(1.5), checkerDarkChannel(1.0));
    EXPECT_DOUBLE_EQ(checkerDarkChannel(-1), 0.0);
}
