#pragma once

// The orders the results list can be shown in, computed from the sort keys of the found items
// without any window, once per snapshot.

#include <cstdint>
#include <vector>

namespace results {

enum class ListOrder { AsFound, BySize, ByDate };

// Found positions 1..count ordered by keys[0..count-1], ascending, as the program's quicksort
// leaves them: equal keys do not keep their found order. The keys themselves are not changed.
std::vector<std::int32_t> positionsByKey(const std::vector<std::int32_t>& keys, std::int32_t count);

// The order kept in order, computed from keys first when built is false; built is set then.
const std::vector<std::int32_t>& builtOrder(std::vector<std::int32_t>& order, bool& built,
                                            const std::vector<std::int32_t>& keys,
                                            std::int32_t count);

} // namespace results
