#include "scene/editing.h"

#include <algorithm>
#include <map>
#include <unordered_set>

#include "scene/placement.h"

namespace vignetta::scene {

namespace {

void rippleLater(Document &doc, const FreeBoundingBox &box)
{
    if (box.backwardOffset > 0)
        doc.shiftBlocks(box.backwardOverlaps, box.backwardOffset);
}

} // namespace

std::vector<int> insertBlocks(Document &doc, const std::vector<Block> &blocks, int frame,
                              int targetLane)
{
    if (blocks.empty() || targetLane < 1 ||
        static_cast<long long>(doc.numBlock()) + static_cast<long long>(blocks.size()) >
            maxNumBlock)
        return {};
    const auto box = getFreeBoundingBox(doc, blocks, frame, targetLane);
    if (!box)
        return {};

    rippleLater(doc, *box);

    const int lastLane = targetLane + box->offsetedRect.height - 1;
    while (doc.getLastLaneId() < std::max(lastLane, 0))
        doc.appendLane(Lane{doc.getLastLaneId() + 1, {}});

    const int placedX = box->offsetedRect.x;
    auto placedStart = [&](const Block &b) { return b.start() - box->surplusForward + placedX; };
    std::vector<int> newIds(blocks.size(), 0);
    int nextId = doc.getLastBlockId() + 1;

    bool anyMarker = false;
    int minLane = maxLanes;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block &b = blocks[i];
        if (!b.isMarker()) {
            minLane = std::min(minLane, b.laneId);
            continue;
        }
        Block placed = b;
        placed.setStart(placedStart(b));
        placed.blockId = nextId++;
        doc.appendBlock(std::move(placed), 0);
        newIds[i] = nextId - 1;
        anyMarker = true;
    }
    if (anyMarker)
        doc.sortMarkers();

    std::map<int, std::vector<std::size_t>> groups; // lane offset -> set indices, in set order
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (!blocks[i].isMarker())
            groups[blocks[i].laneId - minLane].push_back(i);
    for (const auto &[offset, indices] : groups) {
        for (std::size_t i : indices) {
            Block placed = blocks[i];
            placed.setStart(placedStart(blocks[i]));
            placed.blockId = nextId++;
            doc.appendBlock(std::move(placed), targetLane + offset);
            newIds[i] = nextId - 1;
        }
    }
    return newIds;
}

bool moveBlocks(Document &doc, const std::vector<Block> &dragged, int startFrame, int startLane)
{
    if (dragged.empty())
        return false;
    for (const auto &b : dragged) {
        const Block *current = doc.getBlock(b.blockId);
        if (!current || !doc.getLaneByLaneId(b.laneId))
            return false;
        if (current->isMarker() != (b.laneId == 0) || b.delay() < 1 || b.start() < 0)
            return false;
    }
    std::vector<int> ignore;
    for (const auto &b : dragged)
        ignore.push_back(b.blockId);
    const auto box = getFreeBoundingBox(doc, dragged, startFrame, startLane, ignore);
    if (!box)
        return false;

    bool changed = false;
    for (const auto &b : dragged) {
        Block *current = doc.getBlock(b.blockId);
        const int newStart = b.start() + box->forwardOffset;
        if (current->laneId == b.laneId && current->start() == newStart &&
            current->delay() == b.delay())
            continue;
        changed = true;
        if (current->laneId != b.laneId) {
            Block moving = *current;
            doc.deleteBlock(moving.blockId, moving.laneId);
            doc.appendBlock(std::move(moving), b.laneId);
            current = doc.getBlock(b.blockId);
        }
        current->setStart(newStart);
        current->setDelay(b.delay());
    }
    if (changed)
        rippleLater(doc, *box);
    if (changed &&
        std::any_of(dragged.begin(), dragged.end(), [](const Block &b) { return b.laneId == 0; }))
        doc.sortMarkers();
    return changed;
}

bool moveMarker(Document &doc, int blockId, int frame)
{
    const Lane *markers = doc.getLaneByLaneId(0);
    if (!markers || markers->indexOf(blockId) < 0)
        return false;
    Block marker = *doc.getBlock(blockId);
    const int oldStart = marker.start();
    marker.setStart(frame);
    const auto box = getFreeBoundingBox(doc, {marker}, frame, 0, {blockId});
    if (!box)
        return false;
    const int newStart = frame + box->forwardOffset;
    if (newStart == oldStart)
        return false;
    doc.getBlock(blockId)->setStart(newStart);
    rippleLater(doc, *box);
    doc.sortMarkers();
    return true;
}

int deleteBlocks(Document &doc, const std::vector<int> &blockIds)
{
    int removed = 0;
    for (int id : blockIds)
        if (const Block *b = doc.getBlock(id); b && doc.deleteBlock(id, b->laneId))
            ++removed;
    return removed;
}

int newLane(Document &doc)
{
    if (static_cast<int>(doc.lanes().size()) - 1 >= maxLanes)
        return -1;
    Lane lane = Lane{doc.getLastLaneId() + 1, {}};
    const int id = lane.laneId;
    return doc.appendLane(std::move(lane)) ? id : -1;
}

} // namespace vignetta::scene
