#include "scene/lane.h"

namespace vignetta::scene {

int Lane::indexOf(int blockId) const
{
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (blocks[i].blockId == blockId)
            return static_cast<int>(i);
    return -1;
}

} // namespace vignetta::scene
