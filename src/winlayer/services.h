#pragma once

// Small services of the user-interface layer: message boxes, the folder browser, the mouse
// pointer, starting a process, and pausing.

#include <windows.h>

#include <string>

namespace winlayer {

// The caption a message box gets when its title is empty.
extern const char* const defaultCaption;

// A message box with no owner window; returns the button pressed.
int messageBox(const std::string& text, UINT style, const std::string& title);

// The system folder browser, moved to (x, y) unless they are DefaultPosition, starting at
// startFolder. Returns the chosen folder's path, or the empty string on cancel or when the
// choice is not a file-system folder.
std::string browseForFolder(HWND owner, int x, int y, const std::string& title,
                            const std::string& startFolder, UINT flags);

// Standard pointers: 1 arrow, 2 cross, 3 I-beam, 4 arrow, 5 size all, 6 size NE-SW, 7 size N-S,
// 8 size NW-SE, 9 size W-E, 10 up arrow, 11 hourglass, 12 no, 13 arrow with hourglass; 0 hides
// the pointer; a value above 13 is a cursor handle. Returns the previous cursor.
constexpr INT_PTR ArrowPointer = 1;
constexpr INT_PTR WaitPointer = 11;
HCURSOR setPointer(INT_PTR n);

// Starts commandLine with the given show command. With wait, blocks (without pumping messages)
// until the process ends and returns its exit code; without, returns its process id. When the
// process cannot be started, returns 0 and stores the error number in *errorNumber if given.
DWORD startProcess(const std::string& commandLine, int showCommand, bool wait,
                   int* errorNumber = nullptr);

void pause(DWORD ms);

} // namespace winlayer
