#include "results/run_control.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>

#include "results/list_painting.h"
#include "results/results_window.h"
#include "winlayer/controls.h"
#include "winlayer/dialogs.h"

namespace results {

RunControl runControl = {0, Resume::Wait};
bool overStopButton = false;
int32_t foundCount = 0;
std::vector<int32_t> sizeKeys;
std::vector<int32_t> dateKeys;
ResultSnapshot resultSnapshot;

namespace {

// The list may show another order after a sort, so the found order is kept here.
std::vector<std::string> linesInFoundOrder;

// Leading snapshot lines known to equal the found lines: a later snapshot of the same run
// copies only the lines found since, where a copy of every line would hold up "&Stop".
size_t linesAlreadyInSnapshot = 0;

// Element position - 1 of list becomes value; the list is cut or grown to position elements,
// so a count reset by the caller never leaves stale entries behind it.
template <typename T> void storeAt(std::vector<T>& list, int32_t position, const T& value) {
    list.resize(static_cast<size_t>(position));
    list[static_cast<size_t>(position) - 1] = value;
}

// How long a held run sleeps at most between two looks at its queue.
constexpr DWORD heldPollMs = 100;

} // namespace

void reportMatch(const search::FoundItem& item) {
    ++foundCount;
    storeAt(sizeKeys, foundCount, item.sizeKey);
    storeAt(dateKeys, foundCount, item.dateKey);
    storeAt(linesInFoundOrder, foundCount, item.line);
    linesAlreadyInSnapshot = std::min(linesAlreadyInSnapshot, static_cast<size_t>(foundCount) - 1);

    if (resultsDialog == nullptr) {
        return;
    }
    // By the handles kept while the window lives: finding a control by its identifier can be a
    // round trip to the window system, costing more than the line itself.
    appendFoundLine(item.line);
    countChanged(foundCount);
    int32_t width = 0;
    if (lineWidth(item.line, width) && width > maxLineWidth) {
        maxLineWidth = width;
    }
    foundLineAdded();
}

Checkpoint checkpoint() {
    if (runControl.held == 1) {
        while (runControl.resume == Resume::Wait) {
            winlayer::pumpOneMessage(0);
            // Sleep until the next message rather than spin: a held run may wait for hours.
            if (runControl.resume == Resume::Wait) {
                MsgWaitForMultipleObjectsEx(0, nullptr, heldPollMs, QS_ALLINPUT,
                                            MWMO_INPUTAVAILABLE);
            }
        }
    }
    return runControl.resume == Resume::Abandon ? Checkpoint::Abandon : Checkpoint::Go;
}

void takeSnapshot() {
    const size_t n = static_cast<size_t>(foundCount);
    const size_t kept = std::min(n, linesInFoundOrder.size());
    std::vector<std::string>& lines = resultSnapshot.lines;
    const size_t same = std::min({linesAlreadyInSnapshot, kept, lines.size()});
    lines.resize(same);
    lines.insert(lines.end(), linesInFoundOrder.begin() + static_cast<std::ptrdiff_t>(same),
                 linesInFoundOrder.begin() + static_cast<std::ptrdiff_t>(kept));
    linesAlreadyInSnapshot = kept;
    resultSnapshot.sizeOrder.assign(n, 0);
    resultSnapshot.dateOrder.assign(n, 0);
    resultSnapshot.sizeOrderBuilt = false;
    resultSnapshot.dateOrderBuilt = false;
}

const std::vector<std::string>& foundLines() {
    return linesInFoundOrder;
}

void clearFound() {
    foundCount = 0;
    sizeKeys.clear();
    dateKeys.clear();
    linesInFoundOrder.clear();
    linesAlreadyInSnapshot = 0;
}

} // namespace results
