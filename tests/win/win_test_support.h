#pragma once

// Helpers for tests that drive real windows on the test's own thread.

#include <windows.h>

#include <string>

namespace wintest {

// Destroys the window at the end of a test when the test itself did not.
class WindowGuard {
public:
    explicit WindowGuard(HWND window) : window_(window) {}
    ~WindowGuard() {
        if (window_ && IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }
    WindowGuard(const WindowGuard&) = delete;
    WindowGuard& operator=(const WindowGuard&) = delete;

private:
    HWND window_;
};

// What a message box showed before the helper pressed its OK button.
struct SeenMessageBox {
    bool seen = false;
    std::string caption;
    std::string text;
    bool hasOwner = false;
};

// Arms a thread timer that waits for the next message box of this thread, records it and
// presses OK. Call it right before the operation that shows the box.
void answerNextMessageBox(SeenMessageBox& seen);

// Handles every message that is already waiting, without blocking.
void drainMessages();

std::string windowText(HWND window);
std::string windowClass(HWND window);

} // namespace wintest

namespace wintest {

// Arms a thread timer that waits for the next folder browser of this thread, records its
// title text, selects folder in it (when not empty) and presses OK, or Cancel when cancel is
// set.
struct SeenFolderBrowser {
    bool seen = false;
    std::string folder;
    bool cancel = false;
    bool ownerDisabled = false;
};
void answerNextFolderBrowser(SeenFolderBrowser& browser);

// Stops waiting for a message box or folder browser that was never shown.
void stopAnswering();

} // namespace wintest
