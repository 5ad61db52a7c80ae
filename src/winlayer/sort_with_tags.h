#pragma once

// In-place quicksort of 32-bit keys that carries a tag array along with every exchange, so that
// tags 1..count given before the call list the starting positions in key order afterwards.
// Keys compare as unsigned numbers. The algorithm is fixed: equal keys are not kept in their
// starting order, and the order they end in is the one the user sees.

#include <cstdint>
#include <vector>

namespace winlayer {

// Sorts keys[0..count-1] together with tags[0..count-1]. A count beyond either vector's size is
// limited to the smaller size; a count below 2 changes nothing.
void sortWithTags(std::vector<std::int32_t>& keys, std::vector<std::int32_t>& tags, int count,
                  bool descending);

} // namespace winlayer
