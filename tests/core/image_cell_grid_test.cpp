#include "ui/image_cell_grid.h"
#include "ui/tone_gradient.h"

#include <gtest/gtest.h>

using namespace vignetta::ui;
using Move = ImageCellGrid::Move;

TEST(ImageCellGrid, FaceSheetOfFixedCells)
{
    // A face sheet: 576 x 288 in 144-pixel cells, four to a row.
    const ImageCellGrid g = imageCellGrid(576, 288, 1, 1, 144, 144, 4);
    EXPECT_EQ(g.columns, 4);
    EXPECT_EQ(g.rows, 2);
    EXPECT_EQ(g.maxColumns, 4);
    EXPECT_TRUE(g.gridShown());
    EXPECT_EQ(g.columnOf(5), 1);
    EXPECT_EQ(g.rowOf(5), 1);
    EXPECT_TRUE(g.contains(7));
    EXPECT_FALSE(g.contains(8));
    EXPECT_FALSE(g.contains(-1));
    // Pressing at (250, 100) of the sheet shown at 2/3 scale: cells are 96 pixels there.
    EXPECT_EQ(g.indexAt(250, 100, 2.0 / 3), 6);
    EXPECT_EQ(g.indexAt(10, 10, 2.0 / 3), 0);
    EXPECT_EQ(g.indexAt(5000, 10, 1), 0);

    // Arrow keys stop at the edges.
    EXPECT_EQ(g.moved(0, Move::Left), 0);
    EXPECT_EQ(g.moved(0, Move::Up), 0);
    EXPECT_EQ(g.moved(0, Move::Right), 1);
    EXPECT_EQ(g.moved(3, Move::Right), 3);
    EXPECT_EQ(g.moved(1, Move::Down), 5);
    EXPECT_EQ(g.moved(5, Move::Down), 5);
    EXPECT_EQ(g.moved(5, Move::Up), 1);
}

TEST(ImageCellGrid, DividedSheetsAndSingleImages)
{
    // A picture: one cell, no grid, the index means nothing and keys do nothing.
    const ImageCellGrid picture = imageCellGrid(300, 200, 1, 1, 0, 0, 0);
    EXPECT_EQ(picture.cellWidth, 300);
    EXPECT_FALSE(picture.gridShown());
    EXPECT_EQ(picture.moved(0, Move::Right), 0);
    EXPECT_EQ(picture.indexAt(100, 100, 1), 0);

    // A sheet divided 12 x 8 (a character sheet): cell size from the division.
    const ImageCellGrid chars = imageCellGrid(576, 384, 12, 8, 0, 0, 0);
    EXPECT_EQ(chars.cellWidth, 48);
    EXPECT_EQ(chars.cellHeight, 48);
    EXPECT_EQ(chars.maxColumns, 12);
    EXPECT_EQ(chars.moved(11, Move::Right), 11);
    EXPECT_EQ(chars.moved(11, Move::Down), 23);

    // An image narrower than one fixed cell has no whole cell; a zero division counts as one.
    EXPECT_EQ(imageCellGrid(100, 100, 1, 1, 144, 144, 4).columns, 0);
    EXPECT_FALSE(imageCellGrid(100, 100, 1, 1, 144, 144, 4).contains(0));
    EXPECT_EQ(imageCellGrid(100, 50, 0, -3, 0, 0, 0).cellWidth, 100);
    // Wider sheets than the index rows: right stops at the last index column.
    const ImageCellGrid wide = imageCellGrid(1152, 288, 1, 1, 144, 144, 4);
    EXPECT_EQ(wide.moved(3, Move::Right), 3);
}

TEST(TonePreview, GradientAndToneRule)
{
    // Top-left black, right edge white, pure red at mid lightness on the top row.
    const Rgb black = tonePreviewColour(0, 0, 0, 0, 0, 0);
    EXPECT_NEAR(black.r + black.g + black.b, 0, 1e-12);
    const Rgb white = tonePreviewColour(1, 0.3, 0, 0, 0, 0);
    EXPECT_NEAR(white.r, 1, 1e-12);
    EXPECT_NEAR(white.b, 1, 1e-12);
    const Rgb red = tonePreviewColour(0.5, 0, 0, 0, 0, 0);
    EXPECT_NEAR(red.r, 1, 1e-12);
    EXPECT_NEAR(red.g, 0, 1e-12);
    const Rgb green = tonePreviewColour(0.5, 1.0 / 3, 0, 0, 0, 0);
    EXPECT_NEAR(green.g, 1, 1e-12);
    EXPECT_NEAR(green.r, 0, 1e-12);

    // Full gray turns a colour into its luminance; the tone values add and clamp.
    const Rgb grey = applyTone({1, 0, 0}, 0, 0, 0, 1);
    EXPECT_NEAR(grey.r, 0.213, 1e-12);
    EXPECT_NEAR(grey.g, 0.213, 1e-12);
    EXPECT_NEAR(grey.b, 0.213, 1e-12);
    const Rgb sepia = applyTone({0.5, 0.5, 0.5}, 34 / 255.0, -34 / 255.0, -68 / 255.0, 170 / 255.0);
    EXPECT_NEAR(sepia.r, 0.5 + 34 / 255.0, 1e-9);
    EXPECT_NEAR(sepia.b, 0.5 - 68 / 255.0, 1e-9);
    const Rgb bright = applyTone({0.9, 0.1, 0.5}, 1, -1, 0, 0);
    EXPECT_EQ(bright.r, 1);
    EXPECT_EQ(bright.g, 0);
}
