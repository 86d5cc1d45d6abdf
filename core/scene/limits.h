#pragma once

namespace vignetta::scene {

// Frames in the timeline; the last usable frame is maxDuration - 1. 60 frames are one second.
constexpr int maxDuration = 10000;
// Lanes besides the marker lane; placement never puts a block on a lane id of maxLanes or more.
constexpr int maxLanes = 100;
// Most blocks in one document, markers included.
constexpr int maxNumBlock = 999;
// Snapshots held by the undo buffer, so numUndo - 1 steps can be undone.
constexpr int numUndo = 51;
// Host picture numbers run from 0 to maxPictureNumber; the editor hands out 1 to 100.
constexpr int maxPictureNumber = 100;
constexpr int framesPerSecond = 60;

// Game screen size in pixels unless the scene editor sets another (48 x 17 by 48 x 13 tiles).
constexpr int defaultScreenWidth = 816;
constexpr int defaultScreenHeight = 624;

} // namespace vignetta::scene
