#pragma once

// The run inside the results window: walking every search folder, the run button's Stop,
// Continue and Exit, the mouse pointer over the run button, and closing the window.

#include <windows.h>

#include "search/walk_calls.h"

namespace results {

// What the run hands the walk: matches go to the results window, checkpoints to the run control.
const search::WalkCalls& runWalkCalls();

// Walks the search folders in list order and shows the outcome, unless the window is closed.
void runSearch();

// The run button: Stop, Continue or Exit, chosen by its caption.
void runButtonClicked();

// WM_SETCURSOR; pointerWindow is the window under the pointer.
void trackPointer(HWND pointerWindow);

// The close command: abandons the run and ends the window.
void closeResults();

} // namespace results
