#include "scene/overlap.h"

#include <algorithm>
#include <numeric>

namespace vignetta::scene {

std::optional<std::pair<std::size_t, std::size_t>> firstOverlap(const std::vector<Block> &blocks)
{
    // By lane, then start: a block overlaps an earlier one of its lane exactly when it starts
    // before the latest end seen so far on that lane.
    std::vector<std::size_t> order(blocks.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&blocks](std::size_t a, std::size_t b) {
        if (blocks[a].laneId != blocks[b].laneId)
            return blocks[a].laneId < blocks[b].laneId;
        return blocks[a].start() < blocks[b].start();
    });
    std::optional<std::pair<std::size_t, std::size_t>> found;
    std::size_t latest = 0; // the block of the current lane that ends last so far
    for (std::size_t k = 0; k < order.size(); ++k) {
        const Block &b = blocks[order[k]];
        if (k == 0 || blocks[order[k - 1]].laneId != b.laneId) {
            latest = order[k];
            continue;
        }
        const long long latestEnd =
            static_cast<long long>(blocks[latest].start()) + blocks[latest].delay();
        if (b.start() < latestEnd) {
            // Name the pair in reading order; keep the one that comes first in the file.
            const std::pair<std::size_t, std::size_t> pair{std::min(latest, order[k]),
                                                           std::max(latest, order[k])};
            if (!found || pair < *found)
                found = pair;
        }
        if (static_cast<long long>(b.start()) + b.delay() > latestEnd)
            latest = order[k];
    }
    return found;
}

} // namespace vignetta::scene
