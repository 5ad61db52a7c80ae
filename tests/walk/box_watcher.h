#pragma once

// Message boxes shown by the thread under test are found from a helper thread, read and
// dismissed with OK, so that a test can run code that reports through modal boxes.

#include <windows.h>

#include <string>
#include <vector>

namespace walktest {

struct SeenBox {
    std::string caption;
    std::string text;
};

class BoxWatcher {
public:
    // Watches the top-level windows of the calling thread.
    BoxWatcher();
    // Stops watching; boxes() is complete afterwards.
    ~BoxWatcher();
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    // The boxes dismissed so far, in the order they appeared. Call after stop().
    const std::vector<SeenBox>& boxes() const { return boxes_; }

    void stop();

private:
    static DWORD WINAPI watch(LPVOID self);

    DWORD watchedThread_;
    HANDLE stopEvent_;
    HANDLE thread_;
    std::vector<SeenBox> boxes_;
};

} // namespace walktest
