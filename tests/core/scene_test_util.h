#pragma once

#include <initializer_list>
#include <ostream>
#include <vector>

#include "scene/builders.h"
#include "scene/document.h"
#include "scene/scene_file.h"
#include "json/js_json.h"

namespace vignetta::scene {
// Readable failure output: documents and blocks print as their file text.
inline void PrintTo(const Document &doc, std::ostream *os)
{
    *os << writeSceneText(doc);
}
inline void PrintTo(const Block &block, std::ostream *os)
{
    *os << json::stringify(block.toJson());
}
} // namespace vignetta::scene

namespace scene_test {

using namespace vignetta::scene;

// A block of the given kind, start and length, not yet in any document.
inline Block makeBlock(int mode, int start, int delay, int laneId = 1, int blockId = 1)
{
    Document none;
    Block b = createEmptyBlockOfMode(none, mode);
    b.blockId = blockId;
    b.laneId = laneId;
    b.setStart(start);
    b.setDelay(delay);
    return b;
}

// Appends a block straight into a lane (no placement); returns its id.
inline int put(Document &doc, int laneId, int start, int delay, int mode = mode_picture)
{
    while (doc.getLastLaneId() < laneId)
        doc.appendLane(createEmptyLane(doc));
    Block b = createEmptyBlockOfMode(doc, mode);
    b.setStart(start);
    b.setDelay(delay);
    const int id = b.blockId;
    doc.appendBlock(b, laneId);
    return id;
}

// (start, end) of each block of a lane, in lane order.
inline std::vector<std::pair<int, int>> spans(const Document &doc, int laneId)
{
    std::vector<std::pair<int, int>> out;
    if (const Lane *lane = doc.getLaneByLaneId(laneId))
        for (const auto &b : lane->blocks)
            out.emplace_back(b.start(), b.end());
    return out;
}

using Spans = std::vector<std::pair<int, int>>;

} // namespace scene_test
