#include "scene/block_clipboard.h"

#include <algorithm>
#include <climits>

#include "scene/scene_file.h"

namespace vignetta::scene {

std::string copyBlocksText(const Document &doc, const std::vector<int> &blockIds)
{
    std::vector<const Block *> blocks;
    int left = INT_MAX;
    for (int id : blockIds) {
        const Block *b = doc.getBlock(id);
        if (!b || b->isMarker())
            continue;
        blocks.push_back(b);
        left = std::min(left, b->start());
    }
    std::string out = "[";
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        Block copy = *blocks[i];
        copy.setStart(copy.start() - left);
        if (i > 0)
            out += ',';
        copy.writeJson(out);
    }
    out += ']';
    return out;
}

ClipboardBlocks readClipboardBlocks(std::string_view text)
{
    ClipboardBlocks result;
    SceneReadResult read = readSceneText(text);
    result.ok = read.ok;
    result.notJson = read.hasPosition;
    result.error = std::move(read.error);
    result.blocks = std::move(read.blocks);
    return result;
}

} // namespace vignetta::scene
