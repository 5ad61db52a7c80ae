#pragma once

#include <windows.h>

namespace winlayer {

// Counts the messages the layer has taken from the thread's queue (in its modal loops, in the
// one-message pump and, as one each, in its message boxes) and every WM_SETCURSOR its dialogs
// receive. What the mouse pointer shows can change only while one of these is handled, so an
// unchanged count means an unchanged pointer.
unsigned long messagesTaken();
void noteMessageTaken();

// The same for a message taken from the queue, which is also told apart when it is a paint of
// a control beside the watched one.
void noteMessageTaken(const MSG& msg);

// The paints taken so far for controls beside control (children of its parent other than
// itself). Such a paint draws only its own control and leaves control as it was. A null control
// watches nothing.
void watchPaintsBeside(HWND control);
unsigned long paintsBesideTaken();

} // namespace winlayer
