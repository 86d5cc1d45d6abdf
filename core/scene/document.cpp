#include "scene/document.h"

#include <algorithm>
#include <unordered_set>

namespace vignetta::scene {

Document Document::emptyScene()
{
    Document d;
    d.clearData();
    return d;
}

int Document::getLastLaneId() const
{
    int last = -1;
    for (const auto &lane : lanes_)
        last = std::max(last, lane.laneId);
    return last;
}

int Document::getLastBlockId() const
{
    int last = 0;
    for (const auto &lane : lanes_)
        for (const auto &b : lane.blocks)
            last = std::max(last, b.blockId);
    return last;
}

int Document::getLastPictureIndex() const
{
    int last = 0;
    for (const auto &lane : lanes_)
        for (const auto &b : lane.blocks)
            last = std::max(last, b.view().imageIndex);
    return last;
}

int Document::getFreePictureIndex() const
{
    std::vector<bool> used(maxPictureNumber + 1, false);
    for (const auto &lane : lanes_)
        for (const auto &b : lane.blocks) {
            const int n = b.view().imageIndex;
            if (b.mode() == mode_picture && n >= 0 && n <= maxPictureNumber)
                used[static_cast<std::size_t>(n)] = true;
        }
    for (int n = 1; n <= maxPictureNumber; ++n)
        if (!used[static_cast<std::size_t>(n)])
            return n;
    return 0;
}

const Lane *Document::getLaneByLaneId(int laneId) const
{
    if (laneId >= 0 && laneId < static_cast<int>(lanes_.size()) &&
        lanes_[static_cast<std::size_t>(laneId)].laneId == laneId)
        return &lanes_[static_cast<std::size_t>(laneId)];
    for (const auto &lane : lanes_)
        if (lane.laneId == laneId)
            return &lane;
    return nullptr;
}

Lane *Document::getLaneByLaneId(int laneId)
{
    return const_cast<Lane *>(static_cast<const Document *>(this)->getLaneByLaneId(laneId));
}

int Document::getBlockIndex(int blockId, int laneId) const
{
    const Lane *lane = getLaneByLaneId(laneId);
    return lane ? lane->indexOf(blockId) : -1;
}

const Block *Document::getBlock(int blockId) const
{
    for (const auto &lane : lanes_)
        for (const auto &b : lane.blocks)
            if (b.blockId == blockId)
                return &b;
    return nullptr;
}

Block *Document::getBlock(int blockId)
{
    return const_cast<Block *>(static_cast<const Document *>(this)->getBlock(blockId));
}

int Document::numBlock() const
{
    std::size_t n = 0;
    for (const auto &lane : lanes_)
        n += lane.blocks.size();
    return static_cast<int>(n);
}

std::vector<Block> Document::getContainsBlocks(double timelineX, double pixelPerFrame,
                                               bool includeEnd) const
{
    std::vector<Block> result;
    for (const auto &lane : lanes_) {
        if (lane.laneId == 0)
            continue;
        for (const auto &b : lane.blocks) {
            const double left = b.start() * pixelPerFrame;
            const double right = b.end() * pixelPerFrame;
            if (left <= timelineX && (includeEnd ? right >= timelineX : right > timelineX))
                result.push_back(b);
        }
    }
    return result;
}

std::vector<std::string> Document::getPictureList() const
{
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (const auto &lane : lanes_) {
        if (lane.laneId == 0)
            continue;
        for (const auto &b : lane.blocks) {
            const auto &name = b.view().imageName;
            if (b.mode() == mode_picture && !name.empty() && seen.insert(name).second)
                names.push_back(name);
        }
    }
    return names;
}

std::vector<Block> Document::unify() const
{
    std::vector<Block> all;
    all.reserve(static_cast<std::size_t>(numBlock()));
    for (const auto &lane : lanes_)
        for (const auto &b : lane.blocks)
            all.push_back(b);
    std::stable_sort(all.begin(), all.end(), [](const Block &a, const Block &b) {
        if (a.start() != b.start())
            return a.start() < b.start();
        return a.laneId < b.laneId;
    });
    return all;
}

int Document::getLastEnd() const
{
    int last = 0;
    for (const auto &lane : lanes_)
        for (const auto &b : lane.blocks)
            last = std::max(last, b.end());
    return last;
}

std::vector<int> Document::getBlocksWithin(int startFrame, int endFrame, int firstLane,
                                           int lastLane) const
{
    std::vector<int> ids;
    for (const auto &lane : lanes_) {
        if (lane.laneId < std::max(firstLane, 1) || lane.laneId > lastLane)
            continue;
        for (const auto &b : lane.blocks)
            if (!b.isMarker() && b.start() >= startFrame && b.end() <= endFrame)
                ids.push_back(b.blockId);
    }
    return ids;
}

int Document::getNextStart(double frame) const
{
    int best = -1;
    for (const auto &lane : lanes_)
        for (const auto &b : lane.blocks)
            if (b.start() > frame && (best < 0 || b.start() < best))
                best = b.start();
    return best;
}

int Document::getPrevStart(double frame) const
{
    int best = -1;
    for (const auto &lane : lanes_)
        for (const auto &b : lane.blocks)
            if (b.start() < frame && b.start() > best)
                best = b.start();
    return best;
}

void Document::clearData()
{
    lanes_.clear();
    lanes_.push_back(Lane{0, {}});
    lanes_.push_back(Lane{1, {}});
}

bool Document::appendLane(Lane lane)
{
    if (lane.laneId != getLastLaneId() + 1)
        return false;
    std::unordered_set<int> ids;
    for (const auto &b : lane.blocks) {
        if (b.laneId != lane.laneId || b.blockId < 1 || !ids.insert(b.blockId).second ||
            getBlock(b.blockId))
            return false;
    }
    lanes_.push_back(std::move(lane));
    return true;
}

bool Document::appendBlock(Block block, int laneId)
{
    Lane *lane = getLaneByLaneId(laneId);
    if (!lane || block.blockId < 1 || getBlock(block.blockId))
        return false;
    block.laneId = laneId;
    lane->blocks.push_back(std::move(block));
    return true;
}

bool Document::deleteBlock(int blockId, int laneId)
{
    Lane *lane = getLaneByLaneId(laneId);
    if (!lane)
        return false;
    const int i = lane->indexOf(blockId);
    if (i < 0)
        return false;
    lane->blocks.erase(lane->blocks.begin() + i);
    return true;
}

void Document::shiftBlocks(const std::vector<int> &blockIds, int frames)
{
    if (blockIds.empty() || frames == 0)
        return;
    const std::unordered_set<int> ids(blockIds.begin(), blockIds.end());
    for (auto &lane : lanes_)
        for (auto &b : lane.blocks)
            if (ids.count(b.blockId))
                b.setStart(b.start() + frames);
}

void Document::sortMarkers()
{
    Lane *markers = getLaneByLaneId(0);
    if (!markers)
        return;
    std::stable_sort(markers->blocks.begin(), markers->blocks.end(),
                     [](const Block &a, const Block &b) { return a.start() > b.start(); });
}

} // namespace vignetta::scene
