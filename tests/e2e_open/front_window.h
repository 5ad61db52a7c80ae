// A window of another program in front of Sorvane: a top-level window of the test process
// whose own thread handles its messages, so that the keys it gets are handled while the test
// waits.
#pragma once

#include <windows.h>

namespace e2e {

class FrontWindow {
public:
    FrontWindow();
    ~FrontWindow();
    FrontWindow(const FrontWindow&) = delete;
    FrontWindow& operator=(const FrontWindow&) = delete;

    // The window, or nullptr when it could not be made.
    HWND window() const { return window_; }

private:
    static DWORD WINAPI run(void* self);
    HANDLE thread_ = nullptr;
    HANDLE made_ = nullptr;
    HWND window_ = nullptr;
};

} // namespace e2e
