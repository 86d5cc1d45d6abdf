#pragma once

#include <vector>

#include "scene/block.h"

namespace vignetta::scene {

// A lane of the timeline. Its `laneId` equals its index in the document; lane 0 is the marker
// lane. Blocks are kept in insertion order (the marker lane: by start, latest first).
struct Lane
{
    int laneId = 0;
    std::vector<Block> blocks;

    // Index of the block with that id in `blocks`, or -1.
    int indexOf(int blockId) const;

    bool operator==(const Lane &other) const
    {
        return laneId == other.laneId && blocks == other.blocks;
    }
    bool operator!=(const Lane &other) const { return !(*this == other); }
};

} // namespace vignetta::scene
