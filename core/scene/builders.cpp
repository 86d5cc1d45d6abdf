#include "scene/builders.h"

#include <limits>

#include "scene/event_data.h"

namespace vignetta::scene {

namespace {

Block build(const Document &doc, int mode)
{
    Block b = createEmptyBlock(doc);
    if (mode == mode_picture && defaultBlockDelay(mode) == b.delay())
        return b; // the defaults already describe a picture block
    b.editEventData([mode](Json &data) {
        data["blockMode"] = mode;
        data["blockDelay"] = defaultBlockDelay(mode);
    });
    return b;
}

} // namespace

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

Block createEmptyPictureBlock(const Document &doc)
{
    Block b = build(doc, mode_picture);
    b.setField("imageIndex", nextPictureIndex(doc));
    return b;
}

Block createEmptyMessageBlock(const Document &doc)
{
    return build(doc, mode_message);
}
Block createEmptyFadeBlock(const Document &doc)
{
    return build(doc, mode_fade);
}
Block createEmptySoundBlock(const Document &doc)
{
    return build(doc, mode_sound);
}
Block createEmptyScreenBlock(const Document &doc)
{
    return build(doc, mode_screen);
}
Block createEmptyCommentBlock(const Document &doc)
{
    return build(doc, mode_comment);
}
Block createEmptyOtherBlock(const Document &doc)
{
    return build(doc, mode_other);
}
Block createEmptySoundFadeBlock(const Document &doc)
{
    return build(doc, mode_sound_fade);
}

Block createEmptyScrollBlock(const Document &doc)
{
    Block b = build(doc, mode_scroll);
    b.setField("scrollMode", true);
    return b;
}

Block createEmptyBlockOfMode(const Document &doc, int mode)
{
    switch (mode) {
    case mode_picture:
        return createEmptyPictureBlock(doc);
    case mode_message:
        return createEmptyMessageBlock(doc);
    case mode_fade:
        return createEmptyFadeBlock(doc);
    case mode_sound:
        return createEmptySoundBlock(doc);
    case mode_screen:
        return createEmptyScreenBlock(doc);
    case mode_comment:
        return createEmptyCommentBlock(doc);
    case mode_other:
        return createEmptyOtherBlock(doc);
    case mode_scroll:
        return createEmptyScrollBlock(doc);
    case mode_sound_fade:
        return createEmptySoundFadeBlock(doc);
    default: {
        Block b = createEmptyBlock(doc);
        b.setField("blockMode", mode);
        return b;
    }
    }
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
