#include "scene/editing.h"

#include <algorithm>
#include <limits>
#include <map>
#include <unordered_set>

#include "scene/overlap.h"
#include "scene/placement.h"

namespace vignetta::scene {

namespace {

void rippleLater(Document &doc, const FreeBoundingBox &box)
{
    if (box.backwardOffset > 0)
        doc.shiftBlocks(box.backwardOverlaps, box.backwardOffset);
}

} // namespace

int blockIdsLeft(const Document &doc)
{
    return std::numeric_limits<int>::max() - doc.getLastBlockId();
}

std::vector<int> insertBlocks(Document &doc, const std::vector<Block> &blocks, int frame,
                              int targetLane)
{
    if (blocks.empty() || targetLane < 1 ||
        static_cast<long long>(doc.numBlock()) + static_cast<long long>(blocks.size()) >
            maxNumBlock ||
        static_cast<long long>(blocks.size()) > blockIdsLeft(doc))
        return {};
    const auto box = getFreeBoundingBox(doc, blocks, frame, targetLane);
    if (!box)
        return {};

    // The edit is made on a copy (cheap: blocks share their data) and kept only when every
    // step succeeded, so that a refusal on the way leaves the document as it was.
    Document work = doc;
    rippleLater(work, *box);

    // The lanes the set covers that do not exist yet; a set of markers only covers none.
    const int lastLane =
        box->offsetedRect.height > 0 ? targetLane + box->offsetedRect.height - 1 : 0;
    while (work.getLastLaneId() < lastLane) {
        if (!work.appendLane(Lane{work.getLastLaneId() + 1, {}}))
            return {};
    }

    const int placedX = box->offsetedRect.x;
    auto placedStart = [&](const Block &b) { return b.start() - box->surplusForward + placedX; };
    std::vector<int> newIds(blocks.size(), 0);
    int nextId = work.getLastBlockId() + 1;
    auto place = [&](std::size_t i, int laneId) {
        Block placed = blocks[i];
        placed.setStart(placedStart(blocks[i]));
        placed.blockId = nextId;
        if (!work.appendBlock(std::move(placed), laneId))
            return false;
        newIds[i] = nextId;
        // The last id handed out may be the highest int: no increment past it.
        if (nextId < std::numeric_limits<int>::max())
            ++nextId;
        return true;
    };

    bool anyMarker = false;
    int minLane = maxLanes;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (!blocks[i].isMarker()) {
            minLane = std::min(minLane, blocks[i].laneId);
            continue;
        }
        if (!place(i, 0))
            return {};
        anyMarker = true;
    }
    if (anyMarker)
        work.sortMarkers();

    std::map<int, std::vector<std::size_t>> groups; // lane offset -> set indices, in set order
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (!blocks[i].isMarker())
            groups[blocks[i].laneId - minLane].push_back(i);
    for (const auto &[offset, indices] : groups) {
        for (std::size_t i : indices) {
            if (!place(i, targetLane + offset))
                return {};
        }
    }
    doc = std::move(work);
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
    // Placement checks the set as the caller describes it (from startFrame); each block must
    // also fit where it actually lands.
    for (const auto &b : dragged) {
        const long long newStart = static_cast<long long>(b.start()) + box->forwardOffset;
        if (newStart < 0 || newStart + b.delay() > maxDuration)
            return false;
    }

    Document work = doc;
    bool changed = false;
    for (const auto &b : dragged) {
        Block *current = work.getBlock(b.blockId);
        const int newStart = b.start() + box->forwardOffset;
        if (current->laneId == b.laneId && current->start() == newStart &&
            current->delay() == b.delay())
            continue;
        changed = true;
        if (current->laneId != b.laneId) {
            Block moving = *current;
            if (!work.deleteBlock(moving.blockId, moving.laneId) ||
                !work.appendBlock(std::move(moving), b.laneId))
                return false;
            current = work.getBlock(b.blockId);
        }
        current->setStart(newStart);
        current->setDelay(b.delay());
    }
    if (!changed)
        return false;
    rippleLater(work, *box);
    // Placement keeps the lanes free of overlaps when startFrame is the set's new left edge;
    // a caller that says otherwise must not get blocks laid over each other.
    for (const auto &lane : work.lanes()) {
        if (firstOverlap(lane.blocks))
            return false;
    }
    if (std::any_of(dragged.begin(), dragged.end(), [](const Block &b) { return b.laneId == 0; }))
        work.sortMarkers();
    doc = std::move(work);
    return true;
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
