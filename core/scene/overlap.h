#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "scene/block.h"

namespace vignetta::scene {

// Blocks of one lane never overlap in time: placement pushes every block past the ones already
// there, and the marker lane's markers ripple the same way. A set of blocks read from elsewhere
// is held to the same rule.

// The first two blocks (as indices into `blocks`, in reading order) that share a laneId and
// overlap in time (one starts before the other ends), or nothing. Touching blocks (one ends
// where the next starts) do not overlap.
std::optional<std::pair<std::size_t, std::size_t>> firstOverlap(const std::vector<Block> &blocks);

} // namespace vignetta::scene
