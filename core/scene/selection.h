#pragma once

#include <optional>
#include <vector>

#include "scene/document.h"
#include "scene/drag_step.h"

namespace vignetta::scene {

// The frames and lanes spanned by a set of blocks.
struct SelectionBox
{
    int startFrame = 0;
    int endFrame = 0;
    int firstLane = 0;
    int lastLane = 0;

    bool operator==(const SelectionBox &o) const
    {
        return startFrame == o.startFrame && endFrame == o.endFrame && firstLane == o.firstLane &&
               lastLane == o.lastLane;
    }
};

// The timeline's block selection: the blocks the user clicked (`pressed`) and every block they
// enclose (`selected`, in lane then block order). Markers are never part of it.
struct BlockSelection
{
    std::vector<int> pressed;
    std::vector<int> selected;

    bool empty() const { return selected.empty(); }
    bool contains(int blockId) const;
    bool operator==(const BlockSelection &o) const
    {
        return pressed == o.pressed && selected == o.selected;
    }
};

// The box spanning the blocks of `blockIds`, markers and unknown ids skipped; nothing when none
// is left.
std::optional<SelectionBox> selectionBox(const Document &doc, const std::vector<int> &blockIds);

// The box in timeline pixels (y from the top of lane 1).
PixelRect boxPixels(const SelectionBox &box, int pixelPerFrame, int laneHeight);

// The selection that a list of pressed blocks makes: every block, on the lanes the pressed
// blocks span, lying wholly within the frames they span. Pressed ids that are gone or that name
// markers are dropped.
BlockSelection selectionOf(const Document &doc, const std::vector<int> &pressed);

// A press on a block. A block already selected keeps the selection as it is, so that a group
// can be dragged. Otherwise the block becomes the only pressed one, or with Shift is added to
// the pressed ones, and the selection is what they enclose. A press on a marker or an unknown
// id clears the selection.
BlockSelection pressBlock(const Document &doc, const BlockSelection &current, int blockId,
                          bool shift);

// The lane holding every selected block, or -1 when they lie on several lanes or none is
// selected.
int commonLane(const Document &doc, const std::vector<int> &selected);

// What is selected once a set of blocks has been inserted: when exactly one marker came in, that
// marker alone; otherwise the inserted blocks (markers aside) as pressed blocks and what they
// enclose.
struct InsertionSelection
{
    // The inserted marker to select, 0 when the blocks are selected instead.
    int markerId = 0;
    BlockSelection blocks;
};
InsertionSelection selectionAfterInsertion(const Document &doc,
                                           const std::vector<int> &insertedIds);

} // namespace vignetta::scene
