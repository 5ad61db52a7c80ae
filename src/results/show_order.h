#pragma once

// The "Sort" radio buttons: the list is emptied and filled again from the snapshot in the
// chosen order; the list control itself never sorts.

#include <cstdint>
#include <string>
#include <vector>

#include "results/result_order.h"

namespace results {

// Refills the list in that order. While the run goes on, the items found so far become the
// snapshot first, so that no line is dropped; later lines are appended as they come.
void showOrder(ListOrder order);

// Empties the results list and appends lines[positions[0] - 1], lines[positions[1] - 1], ...;
// with no positions, the first count lines in their own order.
void refillList(const std::vector<std::string>& lines, const std::vector<std::int32_t>* positions,
                std::int32_t count);

} // namespace results
