#pragma once

#include <vector>

#include "scene/document.h"

namespace vignetta::scene {

// Structural edits of the document. Each is all-or-nothing: when it is refused it returns false
// (or an empty result) and the document is exactly as it was. None takes an undo snapshot; the
// caller pushes one after a successful edit.

// Inserts a set of blocks (from an insert command, a paste, an import or a preset) by the ripple
// rule: the set keeps its internal layout, its earliest block lands at `frame` (pushed past a
// block still running there) and its first non-marker lane on `targetLane`; later blocks of the
// covered lanes move later. Markers (comment blocks) go to the marker lane, which is re-sorted;
// missing lanes up to the last covered one are created; every inserted block gets a new id.
// Refused when the set is empty, when the document would hold more than maxNumBlock blocks,
// when targetLane < 1, when fewer new ids are left than the set holds (blockIdsLeft), or when
// placement refuses. Returns the new ids in set order.
// How many new block ids are left: new ids count up from the highest id in use, and ids are
// ints, so a document holding blockId 2147483647 has none left.
int blockIdsLeft(const Document &doc);

std::vector<int> insertBlocks(Document &doc, const std::vector<Block> &blocks, int frame,
                              int targetLane);

// Moves (or resizes) blocks by a drag. `dragged` are copies of document blocks carrying their
// new laneId, blockStart and blockDelay; `startFrame` is the new left edge's frame, `startLane`
// the lane under the new top edge. The moved blocks are pushed past blocks still running at
// startFrame and later blocks of the covered lanes ripple. Returns true when anything changed.
//
// Every dragged block must exist and its new lane must exist (lane 0 for markers, 1 and up for
// the rest), and every moved block must still end by maxDuration where it lands, without
// overlapping another block of its lane; otherwise, or when placement refuses, nothing changes.
// The move is made on a copy, so it never stops half way.
bool moveBlocks(Document &doc, const std::vector<Block> &dragged, int startFrame, int startLane);

// Moves a marker to `frame` (pushed later past a marker already there; later markers ripple by
// one common amount). True when its start changed; the marker lane is then re-sorted.
bool moveMarker(Document &doc, int blockId, int frame);

// Removes the blocks with these ids from whatever lane holds them; ids not found are skipped.
// Returns the number removed.
int deleteBlocks(Document &doc, const std::vector<int> &blockIds);

// Appends an empty lane when fewer than maxLanes lanes exist besides the marker lane. Returns
// the new lane's id, or -1 when refused.
int newLane(Document &doc);

} // namespace vignetta::scene
