#include "results/show_order.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>

#include "results/list_painting.h"
#include "results/results_ids.h"
#include "results/results_window.h"
#include "results/run_control.h"
#include "winlayer/controls.h"

namespace results {

void refillList(const std::vector<std::string>& lines, const std::vector<std::int32_t>* positions,
                std::int32_t count) {
    const ListRefill refill;
    winlayer::sendToControl(resultsDialog, IDC_RESULT_LIST, LB_RESETCONTENT);
    const std::size_t available = positions ? positions->size() : lines.size();
    const std::size_t n = count < 0 ? 0 : std::min(static_cast<std::size_t>(count), available);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t line = positions ? static_cast<std::size_t>((*positions)[i]) - 1 : i;
        winlayer::listAppend(resultListHandle, lines[line]);
    }
}

void showOrder(ListOrder order) {
    if (runControl.held == 0 && foundCount > 0) {
        takeSnapshot();
    }
    ResultSnapshot& snapshot = resultSnapshot;
    // With nothing found the list is only emptied: the snapshot may be an earlier run's.
    const std::int32_t n = std::min(foundCount, static_cast<std::int32_t>(snapshot.lines.size()));
    switch (order) {
    case ListOrder::AsFound:
        refillList(snapshot.lines, nullptr, n);
        break;
    case ListOrder::BySize:
        refillList(snapshot.lines,
                   &builtOrder(snapshot.sizeOrder, snapshot.sizeOrderBuilt, sizeKeys, n), n);
        break;
    case ListOrder::ByDate:
        refillList(snapshot.lines,
                   &builtOrder(snapshot.dateOrder, snapshot.dateOrderBuilt, dateKeys, n), n);
        break;
    }
}

} // namespace results
