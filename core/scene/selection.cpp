#include "scene/selection.h"

#include <algorithm>
#include <unordered_map>

namespace vignetta::scene {

bool BlockSelection::contains(int blockId) const
{
    return std::find(selected.begin(), selected.end(), blockId) != selected.end();
}

std::optional<SelectionBox> selectionBox(const Document &doc, const std::vector<int> &blockIds)
{
    std::optional<SelectionBox> box;
    for (int id : blockIds) {
        const Block *b = doc.getBlock(id);
        if (!b || b->isMarker())
            continue;
        if (!box) {
            box = SelectionBox{b->start(), b->end(), b->laneId, b->laneId};
            continue;
        }
        box->startFrame = std::min(box->startFrame, b->start());
        box->endFrame = std::max(box->endFrame, b->end());
        box->firstLane = std::min(box->firstLane, b->laneId);
        box->lastLane = std::max(box->lastLane, b->laneId);
    }
    return box;
}

PixelRect boxPixels(const SelectionBox &box, int pixelPerFrame, int laneHeight)
{
    PixelRect r;
    r.x = static_cast<double>(box.startFrame) * pixelPerFrame;
    r.width = static_cast<double>(box.endFrame - box.startFrame) * pixelPerFrame;
    r.y = static_cast<double>(box.firstLane - 1) * laneHeight;
    r.height = static_cast<double>(box.lastLane - box.firstLane + 1) * laneHeight;
    return r;
}

BlockSelection selectionOf(const Document &doc, const std::vector<int> &pressed)
{
    BlockSelection s;
    for (int id : pressed) {
        const Block *b = doc.getBlock(id);
        if (b && !b->isMarker() &&
            std::find(s.pressed.begin(), s.pressed.end(), id) == s.pressed.end())
            s.pressed.push_back(id);
    }
    if (const auto box = selectionBox(doc, s.pressed))
        s.selected =
            doc.getBlocksWithin(box->startFrame, box->endFrame, box->firstLane, box->lastLane);
    return s;
}

BlockSelection pressBlock(const Document &doc, const BlockSelection &current, int blockId,
                          bool shift)
{
    const Block *b = doc.getBlock(blockId);
    if (!b || b->isMarker())
        return {};
    if (current.contains(blockId))
        return selectionOf(doc, current.pressed.empty() ? current.selected : current.pressed);
    std::vector<int> pressed;
    if (shift)
        pressed = current.pressed;
    pressed.push_back(blockId);
    return selectionOf(doc, pressed);
}

int commonLane(const Document &doc, const std::vector<int> &selected)
{
    int lane = -1;
    for (int id : selected) {
        const Block *b = doc.getBlock(id);
        if (!b)
            continue;
        if (lane >= 0 && b->laneId != lane)
            return -1;
        lane = b->laneId;
    }
    return lane;
}

InsertionSelection selectionAfterInsertion(const Document &doc, const std::vector<int> &insertedIds)
{
    InsertionSelection result;
    std::vector<int> markers;
    std::vector<int> blocks;
    for (int id : insertedIds) {
        const Block *b = doc.getBlock(id);
        if (!b)
            continue;
        (b->isMarker() ? markers : blocks).push_back(id);
    }
    if (markers.size() == 1) {
        result.markerId = markers.front();
        return result;
    }
    result.blocks = selectionOf(doc, blocks);
    return result;
}

} // namespace vignetta::scene
