#pragma once

// The protocol between the folder walk and the results window, which share one thread: the
// walk reports each match, asks at every entry whether to go on, and the window's buttons hold,
// continue or abandon the run through runControl.

#include <cstdint>
#include <string>
#include <vector>

#include "search/found_item.h"
#include "search/walk_calls.h"

namespace results {

enum class Resume : int32_t { Wait = 0, Continue = 1, Abandon = -1 };

struct RunControl {
    int32_t held;  // 1 while "&Stop" holds the run, and once the run is over
    Resume resume; // what ends a hold
};

extern RunControl runControl;

using search::Checkpoint;

// Numbers the item, stores its keys and line, and updates the results window when one exists.
void reportMatch(const search::FoundItem& item);

// Waits, handling the window's messages, while the run is held; Abandon once it is closed.
Checkpoint checkpoint();

// Replaces the snapshot with the run's found lines in found order; orders become unbuilt.
void takeSnapshot();

// Set while the mouse is over the run button, so the walk leaves the arrow pointer there.
extern bool overStopButton;

// Matches of the current run; the position of a found item is the count after it was added.
extern int32_t foundCount;

// Element i belongs to found item i + 1.
extern std::vector<int32_t> sizeKeys;
extern std::vector<int32_t> dateKeys;

struct ResultSnapshot {
    std::vector<std::string> lines; // found order
    std::vector<int32_t> sizeOrder; // found positions (from 1) ordered by size
    std::vector<int32_t> dateOrder; // found positions (from 1) ordered by date
    bool sizeOrderBuilt = false;
    bool dateOrderBuilt = false;
};

extern ResultSnapshot resultSnapshot;

// The current run's lines in found order, whatever order the list shows.
const std::vector<std::string>& foundLines();

// Empties the found lines and key lists and sets foundCount to 0, for a new run.
void clearFound();

} // namespace results
