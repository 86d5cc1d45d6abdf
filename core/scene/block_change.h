#pragma once

#include "scene/block.h"

namespace vignetta::scene {

// What differs between two versions of one block, for the views that show blocks to refresh
// only what changed. `eventData` is set by any change of the event data (its key order too),
// so it accompanies every one of the fields below but `lane`.
struct BlockChange
{
    bool lane = false;        // laneId
    bool start = false;       // blockStart
    bool delay = false;       // blockDelay
    bool mode = false;        // blockMode
    bool imageName = false;   // imageName
    bool messageText = false; // messageText
    bool comment = false;     // comment
    bool eventData = false;   // any field of the event data

    bool any() const { return lane || eventData; }
};

BlockChange blockChange(const Block &before, const Block &after);

} // namespace vignetta::scene
