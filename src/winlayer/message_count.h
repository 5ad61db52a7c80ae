#pragma once

namespace winlayer {

// Counts the messages the layer has taken from the thread's queue (in its modal loops, in the
// one-message pump and, as one each, in its message boxes) and every WM_SETCURSOR its dialogs
// receive. What the mouse pointer shows can change only while one of these is handled, so an
// unchanged count means an unchanged pointer.
unsigned long messagesTaken();
void noteMessageTaken();

} // namespace winlayer
