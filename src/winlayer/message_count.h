#pragma once

#include <windows.h>

namespace winlayer {

// Counts the messages the layer has taken from the thread's queue (in its modal loops, in the
// one-message pump and, as one each, in its message boxes) and every WM_SETCURSOR its dialogs
// receive. What the mouse pointer shows can change only while one of these is handled, so an
// unchanged count means an unchanged pointer.
unsigned long messagesTaken();
void noteMessageTaken();

// The same for a message taken from the queue, which is also told apart when it leaves the
// watched control as it was.
void noteMessageTaken(const MSG& msg);

// Of the messages taken so far, those that leave control as it was: paints of the controls
// beside it (children of its parent other than itself), which draw only their own control; the
// left button pressed or released on them and their clicks, unless the press takes the focus
// from control (what a click then does is the business of its own handling); the leave of the
// pointer from them; the system's timer ticks to any other window, by which a control follows
// the pointer over itself; and moves of the mouse with no button held, which a list box or a
// control beside it only tracks. A null control watches nothing.
void watchUndisturbed(HWND control);
unsigned long undisturbingTaken();

} // namespace winlayer
