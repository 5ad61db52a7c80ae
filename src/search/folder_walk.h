#pragma once

// The depth-first walk of one search folder: every entry is tested against the search request,
// matches go to the results window as they are met, except folders are left out, and every
// folder entered is written to the tracking log when tracking is on.

#include <string>

#include "search/walk_calls.h"

namespace search {

// Reads the tree below path (any number of trailing "\", including none) as search::searchRequest
// asks, handing matches and checkpoints to calls. Returns when the tree has been read, or at the
// first checkpoint that answers Abandon.
void walkFolder(const std::string& path, const WalkCalls& calls);

} // namespace search
