#pragma once

#include <optional>
#include <vector>

#include "scene/document.h"

namespace vignetta::scene {

// Rectangle in frame and lane units.
struct FrameRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Outcome of the placement rule.
struct FreeBoundingBox
{
    // x: frame at which the set's earliest block will start; y: the set's first lane (0 when the
    // set holds a marker); width: the set's span in frames; height: number of lanes it covers.
    FrameRect offsetedRect;
    // Ids of the document's blocks that must move later by backwardOffset.
    std::vector<int> backwardOverlaps;
    // Earliest blockStart within the set.
    int surplusForward = 0;
    // Frames by which the set was pushed later, >= 0.
    int forwardOffset = 0;
    // Frames by which the blocks of backwardOverlaps must move later, >= 0.
    int backwardOffset = 0;
};

// The ripple placement rule. `blocks` is the set to place, with the laneIds and blockStarts it
// has now; `startFrame` the frame for its earliest block; `startLane` the lane for its first
// non-marker lane; blocks whose ids are in `ignoreBlockIds` are no obstacles (a move ignores the
// moving set).
//
// The set is pushed later past any block of the covered lanes that starts before startFrame and
// is still running there; every block of those lanes that starts at or after startFrame is
// pushed later by one common amount, just enough to clear the placed set. When the set holds a
// marker, the marker lane is covered too.
//
// Returns nothing when the set does not fit: startLane + height > maxLanes, or it or a pushed
// block would end past maxDuration (also for a negative startFrame or startLane).
std::optional<FreeBoundingBox> getFreeBoundingBox(const Document &doc,
                                                  const std::vector<Block> &blocks, int startFrame,
                                                  int startLane,
                                                  const std::vector<int> &ignoreBlockIds = {});

} // namespace vignetta::scene
