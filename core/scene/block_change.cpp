#include "scene/block_change.h"

namespace vignetta::scene {

BlockChange blockChange(const Block &before, const Block &after)
{
    BlockChange change;
    change.lane = before.laneId != after.laneId;
    if (before.sharesDataWith(after) || before.eventData() == after.eventData())
        return change;
    const BlockView &a = before.view();
    const BlockView &b = after.view();
    change.eventData = true;
    change.start = a.blockStart != b.blockStart;
    change.delay = a.blockDelay != b.blockDelay;
    change.mode = a.blockMode != b.blockMode;
    change.imageName = a.imageName != b.imageName;
    change.messageText = a.messageText != b.messageText;
    change.comment = a.comment != b.comment;
    return change;
}

} // namespace vignetta::scene
