#pragma once

// The Enter key: "&Begin" in the query dialog, opening the selected line in the results window.
// Neither dialog has a default push button, so a keyboard hook of the program's own thread
// catches the key; it lives as long as the query dialog.

#include <windows.h>

#include <cstdint>

namespace query {

extern HHOOK keyboardHook;

// Keyboard events seen since the hook last skipped one: 0 or 1 between calls.
extern std::int32_t hookEventCount;

// Acts on every other keyboard event of the thread; never swallows a key.
LRESULT CALLBACK EnterKeyHook(int code, WPARAM wParam, LPARAM lParam);

void installEnterKeyHook();
void removeEnterKeyHook();

} // namespace query
