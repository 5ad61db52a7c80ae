#include "results/result_order.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

#include "winlayer/sort_with_tags.h"

namespace results {

std::vector<std::int32_t> positionsByKey(const std::vector<std::int32_t>& keys,
                                         std::int32_t count) {
    const std::size_t n = count < 0 ? 0 : std::min(static_cast<std::size_t>(count), keys.size());
    std::vector<std::int32_t> sortedKeys(keys.begin(),
                                         keys.begin() + static_cast<std::ptrdiff_t>(n));
    std::vector<std::int32_t> positions(n);
    std::iota(positions.begin(), positions.end(), 1);
    winlayer::sortWithTags(sortedKeys, positions, static_cast<int>(n), false);
    return positions;
}

const std::vector<std::int32_t>& builtOrder(std::vector<std::int32_t>& order, bool& built,
                                            const std::vector<std::int32_t>& keys,
                                            std::int32_t count) {
    if (!built) {
        order = positionsByKey(keys, count);
        built = true;
    }
    return order;
}

} // namespace results
