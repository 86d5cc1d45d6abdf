#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scene/document.h"

namespace vignetta::scene {

// The blocks the timeline copies and pastes: a compact JSON array of block objects, laid out as
// in the scene file, whose starts are relative to the earliest copied block.

// The text for the blocks of `blockIds`, in that order: each block as the document holds it
// (every key kept), its blockStart reduced by the earliest start among them, so that the
// earliest starts at 0. Markers and unknown ids are left out; "[]" when nothing is left.
std::string copyBlocksText(const Document &doc, const std::vector<int> &blockIds);

struct ClipboardBlocks
{
    bool ok = false;
    // The text is not JSON at all (as opposed to JSON that holds no usable blocks).
    bool notJson = false;
    std::string error;
    std::vector<Block> blocks;
};

// Reads pasted text with the checks of scene files: JSON within the parser's limits, a
// non-empty array of at most maxNumBlock usable blocks.
ClipboardBlocks readClipboardBlocks(std::string_view text);

} // namespace vignetta::scene
