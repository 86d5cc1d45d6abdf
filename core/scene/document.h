#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scene/block.h"
#include "scene/block_mode.h"
#include "scene/block_view.h"
#include "scene/lane.h"
#include "scene/limits.h"

namespace vignetta::scene {

// The scene document: lanes of timed blocks. Lane 0 is the marker lane and holds only comment
// blocks (markers); every other kind lives on lanes 1 and up. A lane's `laneId` always equals
// its index, and `blockId`s are unique; the mutators below keep both true.
//
// Copying a document is cheap (blocks share their event data until changed), which is what
// undo snapshots rely on. The document checks no ranges of its own: limits are enforced where
// blocks are placed (placement.h, editing.h) and where fields are edited.
class Document
{
public:
    // No lanes at all; call clearData() for the usual empty scene.
    Document() = default;

    // The usual empty scene: the marker lane (0) and lane 1, no blocks.
    static Document emptyScene();

    const std::vector<Lane> &lanes() const { return lanes_; }

    // --- Queries (all scan the whole document) ---

    // Highest laneId, -1 for no lanes.
    int getLastLaneId() const;
    // Highest blockId, 0 for no blocks.
    int getLastBlockId() const;
    // Highest imageIndex over all blocks (non-picture blocks count with theirs), 0 for none.
    int getLastPictureIndex() const;
    // Lowest picture number in 1..maxPictureNumber that no picture block uses, or 0 when all are
    // taken.
    int getFreePictureIndex() const;
    const Lane *getLaneByLaneId(int laneId) const;
    Lane *getLaneByLaneId(int laneId);
    // Index of the block within that lane, or -1 (also when the lane is absent).
    int getBlockIndex(int blockId, int laneId) const;
    const Block *getBlock(int blockId) const;
    // A block may be changed through this pointer; its id and lane must stay as they are (use
    // the editing operations to move blocks). The pointer is valid until the next structural
    // change of the document.
    Block *getBlock(int blockId);
    // Number of blocks in all lanes, markers included.
    int numBlock() const;
    bool isEmpty() const { return numBlock() < 1; }
    // Copies of the blocks of lanes 1 and up that cover the pixel position timelineX:
    // start * pixelPerFrame <= x and end * pixelPerFrame > x (>= x when includeEnd); in lane
    // order, then block order. Markers are never included.
    std::vector<Block> getContainsBlocks(double timelineX, double pixelPerFrame,
                                         bool includeEnd) const;
    // Distinct non-empty imageNames of the picture blocks on lanes 1 and up, in lane then block
    // order.
    std::vector<std::string> getPictureList() const;
    // Every block of every lane, markers included, ordered by blockStart ascending, then laneId
    // ascending (blocks that tie keep lane order, then block order). This is the file order.
    std::vector<Block> unify() const;
    // Latest block end over all lanes, markers included; 0 for no blocks.
    int getLastEnd() const;
    // Ids of the blocks of lanes firstLane..lastLane (markers never) that lie wholly within the
    // frames startFrame..endFrame (start >= startFrame, end <= endFrame), in lane then block
    // order: the rectangle selection of the timeline.
    std::vector<int> getBlocksWithin(int startFrame, int endFrame, int firstLane,
                                     int lastLane) const;
    // Smallest blockStart greater than frame over all lanes, markers included; -1 if none.
    int getNextStart(double frame) const;
    // Largest blockStart smaller than frame; -1 if none.
    int getPrevStart(double frame) const;

    // --- Mutators (no snapshot taken; see undo_buffer.h) ---

    // The document becomes the two empty lanes 0 and 1.
    void clearData();
    // Appends the lane when its laneId is the next one (getLastLaneId() + 1) and its blocks carry
    // that laneId and ids not yet used; false, changing nothing, otherwise.
    bool appendLane(Lane lane);
    // Sets the block's laneId and appends it to that lane. False, changing nothing, when the lane
    // does not exist or the blockId is below 1 or already used. No overlap check.
    bool appendBlock(Block block, int laneId);
    // Removes the block from that lane; false when the lane or the block is absent.
    bool deleteBlock(int blockId, int laneId);
    // Moves the blocks with these ids `frames` later (earlier when negative); unknown ids are
    // skipped. One pass over the document.
    void shiftBlocks(const std::vector<int> &blockIds, int frames);
    // Re-sorts the marker lane by blockStart, latest first (stable).
    void sortMarkers();

    bool operator==(const Document &other) const { return lanes_ == other.lanes_; }
    bool operator!=(const Document &other) const { return !(*this == other); }

private:
    std::vector<Lane> lanes_;
};

} // namespace vignetta::scene
