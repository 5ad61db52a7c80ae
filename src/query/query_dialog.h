#pragma once

// The query dialog: the program's main window, where a search is set up and started.

#include <windows.h>

namespace query {

// The query dialog while it exists; the results window is owned by it.
extern HWND queryDialog;

// Creates the dialog hidden, with all its controls, and stores it in queryDialog.
HWND BuildQueryDialog();

// The query dialog's callback; returns 0 for every message.
INT_PTR QueryDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace query
