#pragma once

// What "&Begin" does once the Find text has been accepted: read the request from the query
// dialog, start the tracking log, and show the results window, which runs the search.

#include <windows.h>

#include "search/search_request.h"

namespace query {

// Returns when the results window has been closed.
void beginSearch(HWND queryDialog, const search::NameFilter& filter);

} // namespace query
