#pragma once

// The results window: the list of found items, the state of the run and its count, the sort
// order and the run button. The search runs inside its callback.

#include <windows.h>

#include <cstdint>
#include <string>

namespace results {

// Valid while the window exists; 0 otherwise.
extern HWND resultsDialog;
extern HWND resultListHandle;
extern HWND countLabelHandle;

// The widest list line measured in this window's run, in pixels.
extern int32_t maxLineWidth;

// The width of a list line in pixels, as textExtent measures it on a device context of the
// window with the list's font selected; false when it cannot be measured (no results window, for
// one).
bool lineWidth(const std::string& line, int32_t& width);

// Builds the window over the query dialog and shows it modally; returns when it has closed.
void BuildResultsWindow();

// The window's callback; returns 0 for every message.
INT_PTR ResultsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace results
