#include "scene/placement.h"

#include <algorithm>

namespace vignetta::scene {

std::optional<FreeBoundingBox> getFreeBoundingBox(const Document &doc,
                                                  const std::vector<Block> &blocks, int startFrame,
                                                  int startLane,
                                                  const std::vector<int> &ignoreBlockIds)
{
    if (startFrame < 0 || startLane < 0)
        return std::nullopt;

    // 1. Bounding box of the set. Starts and ends are widened to 64 bits so that no file value
    // can overflow the sums below.
    bool hasMarker = false;
    long long minLane = maxLanes;
    long long minX = maxDuration - 1;
    long long maxX = 0;
    long long maxY = 0;
    for (const auto &b : blocks) {
        if (b.isMarker())
            hasMarker = true;
        else
            minLane = std::min<long long>(minLane, b.laneId);
        minX = std::min<long long>(minX, b.start());
        maxX = std::max<long long>(maxX, static_cast<long long>(b.start()) + b.delay());
        maxY = std::max<long long>(maxY, b.laneId);
    }
    const long long width = std::max(0LL, maxX - minX);
    const long long height = std::max(0LL, maxY - minLane + 1);

    // 2. Lane and frame limits.
    if (startLane + height > maxLanes || startFrame + width > maxDuration)
        return std::nullopt;

    // 3. The reserved rectangle.
    FreeBoundingBox box;
    box.surplusForward = static_cast<int>(minX);
    const int x = startFrame;
    const int y = hasMarker ? 0 : startLane;

    // 4. Obstacles in the covered lanes, split at x.
    auto ignored = [&ignoreBlockIds](int id) {
        return std::find(ignoreBlockIds.begin(), ignoreBlockIds.end(), id) != ignoreBlockIds.end();
    };
    long long forwardOffset = 0;
    std::vector<const Block *> backward;
    auto examine = [&](const Lane &lane) {
        for (const auto &b : lane.blocks) {
            if (ignored(b.blockId))
                continue;
            if (b.start() < x)
                forwardOffset =
                    std::max<long long>(forwardOffset, static_cast<long long>(b.end()) - x);
            else
                backward.push_back(&b);
        }
    };
    for (const auto &lane : doc.lanes()) {
        const bool inRange = lane.laneId >= startLane && lane.laneId < startLane + height;
        const bool markerLane = y == 0 && lane.laneId == 0;
        if (inRange || markerLane)
            examine(lane);
    }

    // 5. The set moves past the blocks still running at x.
    const long long placedX = x + forwardOffset;
    if (placedX + width > maxDuration)
        return std::nullopt;

    // 6. Later blocks move by one common amount.
    const long long rightEdge = placedX + width;
    long long backwardOffset = 0;
    for (const Block *b : backward)
        backwardOffset = std::max<long long>(backwardOffset, rightEdge - b->start());
    for (const Block *b : backward)
        if (static_cast<long long>(b->end()) + backwardOffset > maxDuration)
            return std::nullopt;

    // 7.
    box.offsetedRect =
        FrameRect{static_cast<int>(placedX), y, static_cast<int>(width), static_cast<int>(height)};
    box.forwardOffset = static_cast<int>(forwardOffset);
    box.backwardOffset = static_cast<int>(backwardOffset);
    box.backwardOverlaps.reserve(backward.size());
    for (const Block *b : backward)
        box.backwardOverlaps.push_back(b->blockId);
    return box;
}

} // namespace vignetta::scene
