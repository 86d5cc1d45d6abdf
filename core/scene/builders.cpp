#include "scene/builders.h"

#include <limits>

#include "scene/event_data.h"

namespace vignetta::scene {

Block createEmptyBlock(const Document &doc)
{
    Block b; // shares the default event data
    // Provisional: insertion hands out the final id, or refuses when none is left.
    const int last = doc.getLastBlockId();
    b.blockId = last < std::numeric_limits<int>::max() ? last + 1 : last;
    b.laneId = 0;
    return b;
}

int nextPictureIndex(const Document &doc)
{
    const long long next = static_cast<long long>(doc.getLastPictureIndex()) + 1;
    if (next >= 1 && next <= maxPictureNumber)
        return static_cast<int>(next);
    const int free = doc.getFreePictureIndex();
    return free > 0 ? free : maxPictureNumber;
}

Block createEmptyBlockOfMode(const Document &doc, int mode)
{
    Block b = createEmptyBlock(doc);
    if (!isValidBlockMode(mode)) {
        b.setField("blockMode", mode);
        return b;
    }
    // The shared defaults already describe a picture block of the usual length.
    if (mode != mode_picture || defaultBlockDelay(mode) != b.delay()) {
        b.editEventData([mode](Json &data) {
            data["blockMode"] = mode;
            data["blockDelay"] = defaultBlockDelay(mode);
        });
    }
    if (mode == mode_picture)
        b.setField("imageIndex", nextPictureIndex(doc));
    else if (mode == mode_scroll)
        b.setField("scrollMode", true);
    return b;
}

Lane createEmptyLane(const Document &doc)
{
    return Lane{doc.getLastLaneId() + 1, {}};
}

Block blockDeepCopy(const Document &doc, const Block &block)
{
    Block copy = createEmptyBlock(doc);
    const Json &from = block.eventData();
    copy.editEventData([&from](Json &data) {
        for (const auto &name : eventDataFieldNames()) {
            const auto it = from.find(name);
            if (it != from.end())
                data[name] = *it;
        }
    });
    return copy;
}

} // namespace vignetta::scene
