// Acting on a search while its walk is still going, without racing it: the program's thread is
// stopped while the test reads its state and queues what the user does, so that the test knows
// the run was still going when the press came.
#pragma once

#include "session.h"

#include <functional>
#include <string>

namespace e2e {

// The thread of a window's program stopped where it is for as long as this lives: the walk
// makes no progress, and input and posted messages wait in its queue. Meanwhile only calls that
// need no answer from the program may be made: shownText, PostMessageW, real input, and
// focusForKeys (the foreground and the X focus are kept outside the program).
class FrozenProgram {
public:
    explicit FrozenProgram(HWND window);
    ~FrozenProgram();
    FrozenProgram(const FrozenProgram&) = delete;
    FrozenProgram& operator=(const FrozenProgram&) = delete;

    bool frozen() const { return frozen_; }

private:
    HANDLE thread_ = nullptr;
    bool frozen_ = false;
};

// A window's text as the system keeps it, read without a message to its program.
std::wstring shownText(HWND window);
// The number the count label reads, asked by a message (the text the system keeps without one
// may be up to one showing of the list behind); 0 before the first match. Not while frozen.
size_t shownCount(HWND resultsWindow);
// Waits until the count label shows at least count items; it looks every millisecond, so the
// walk has gone on only briefly when it returns.
bool waitForCount(HWND resultsWindow, size_t count, DWORD timeoutMs = defaultTimeoutMs);
// True while the run button reads "&Stop".
bool running(HWND resultsWindow);

// Does what the user does while the run goes on: freezes the program, checks that the run
// button reads "&Stop", calls act (which may only queue input or post messages), and lets the
// program go; it handles what act queued the next time it looks at its queue, within a
// millisecond of walking. False when the run had already ended or act failed.
bool whileRunning(HWND resultsWindow, const std::function<bool()>& act);
// Presses the button id of the results window while the run goes on.
bool pressWhileRunning(HWND resultsWindow, int id);
// "&Stop" while the run goes on; true once the run is held.
bool stopWhileRunning(HWND resultsWindow);

} // namespace e2e
