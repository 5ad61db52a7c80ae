#pragma once

// What the folder walk needs from whoever runs it: somewhere to hand each match, a place to ask
// at every entry whether to go on, and whether to leave the mouse pointer alone. The search run
// fills it in; the walk knows nothing of the window behind it.

#include "search/found_item.h"

namespace search {

enum class Checkpoint { Go, Abandon };

struct WalkCalls {
    // Once per match, in the order the walk meets them.
    void (*reportMatch)(const FoundItem& item);
    // After each entry; Abandon makes every level of the walk return at once.
    Checkpoint (*checkpoint)();
    // True while the busy pointer must not be set (the pointer is over the run button).
    bool (*keepPointer)();
};

} // namespace search
