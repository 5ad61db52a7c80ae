#pragma once

// How the results list and the count label reach the screen. While the run goes on, redrawing
// the list after an insertion costs far more than the insertion itself, so the list and the
// label are drawn by time: what was added shows at most every 50 ms, sooner once a message that
// may have disturbed the list has been handled (any but a paint of another control), and at once
// whenever a caller asks. While the run is held or done, both draw themselves as any control
// does. Each entry point is harmless when no results window exists.

#include <cstdint>
#include <string>

namespace results {

// The run goes on: the list and the count label stop drawing themselves.
void paintByTime();

// The run is held or done: what was added is drawn now, and both draw themselves again.
void paintNormally();

// Everything added so far is drawn now: at "&Stop", at the end of the run, before an item is
// opened and before printing.
void showFoundNow();

// The list scrolls sideways up to width pixels; while it is drawn by time, that shows with its
// next show, or when the run is held or done.
void setListExtent(int32_t width);

// A found line joins the end of the list.
void appendFoundLine(const std::string& line);

// A line was added to the list and the count label changed.
void foundLineAdded();

// The count label is to show count. Setting a label's text can be a round trip to the window
// system, so while the list is drawn by time the label is set only when it is drawn or asked
// for its text (by any process); otherwise at once.
void countChanged(int32_t count);

// The count label reads the last count now: before the status says that the run is held or
// done, so that whoever reads the one reads the other as it is.
void updateCountLabel();

// Called at every entry of the walk: draws what was added once that is due.
void showFoundIfDue();

// The results window is gone; painting starts afresh with the next one.
void forgetResultsWindow();

// A bulk refill of the list, such as a sort choice: while it lives the list does not draw
// itself; when it ends, the list paints as it did before (by time or normally) and shows its
// lines at once. Refills may nest; the outermost one ends it.
class ListRefill {
public:
    ListRefill();
    ~ListRefill();
    ListRefill(const ListRefill&) = delete;
    ListRefill& operator=(const ListRefill&) = delete;
};

} // namespace results
