#pragma once

// A window's icons for its title bar and the taskbar, from the executable's resources.

#include <windows.h>

namespace winlayer {

// Gives the window the program's icon resource in both sizes the system draws: the small one
// for the title bar, the large one for the taskbar and task switching.
void setWindowIcon(HWND window, int iconId);

} // namespace winlayer
