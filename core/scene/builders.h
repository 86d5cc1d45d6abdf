#pragma once

#include "scene/document.h"

namespace vignetta::scene {

// Builders of new blocks. Each starts from createEmptyBlock: blockId = the document's highest id
// + 1 (1 in an empty document; provisional, insertion assigns the final id), laneId 0 and the
// default event data in the standard field order, then sets the kind, its default length and
// its own fields.
Block createEmptyBlock(const Document &doc);
// The builder of a kind: picture blocks take the next picture number (nextPictureIndex) and
// scrolling texts start with scrolling on; every known kind gets its default length. An
// unknown kind is createEmptyBlock with that blockMode.
Block createEmptyBlockOfMode(const Document &doc, int mode);

// Picture number for a new picture block: the highest number in use + 1 while that stays within
// 1..maxPictureNumber; after that the lowest number no picture block uses; when every number
// is taken, maxPictureNumber. A built block therefore always carries a number the host can show.
int nextPictureIndex(const Document &doc);

// A new lane (laneId = highest + 1, no blocks), not yet part of the document.
Lane createEmptyLane(const Document &doc);

// A field-by-field copy: a fresh block from createEmptyBlock(doc) (so a new provisional id and
// lane 0) into which every known event-data field of `block` is copied; keys this program does
// not know are not carried, and the copy has the standard field order.
Block blockDeepCopy(const Document &doc, const Block &block);

} // namespace vignetta::scene
