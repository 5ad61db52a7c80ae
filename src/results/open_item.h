#pragma once

// Showing a found item in the system's file explorer (a double-click, or Enter through the
// keyboard hook), and the Escape check that closes the window in front of the list afterwards.

#include <windows.h>

namespace results {

// Set by the Enter key hook for the one list command it sends to the results window.
extern bool enterPressed;

constexpr UINT_PTR ESCAPE_TIMER_ID = 101;
constexpr UINT escapeTimerMs = 200;

// WM_COMMAND of the results list, any notification: opens the selected line on a double-click
// or Enter, then starts (or restarts) the Escape timer.
void openFoundItem(int notification);

// WM_TIMER: Escape pressed while the list does not have the focus closes the window in front
// with Alt+F4, if that window is the results window or appeared after the last open.
void escapeCheck();

} // namespace results
