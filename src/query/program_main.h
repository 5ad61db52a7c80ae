#pragma once

// The program's life: one modal showing of the query dialog.

#include <windows.h>

namespace query {

// Ignores its arguments (the program takes no command line and always shows its dialog with
// SW_SHOW); returns the exit code, 0.
int ProgramMain(HINSTANCE instance, HINSTANCE previousInstance, const char* commandTail,
                int showState);

} // namespace query
