#pragma once

// GoogleTest's own Notification is built on std::mutex and std::condition_variable, which
// MinGW-w64 with the win32 thread model does not have. GoogleTest lets a custom port header
// supply the class instead; this one waits on a Win32 event (notification.cpp).

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification();
    ~Notification();
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    // Lets every thread waiting on this notification go on; called by the controlling thread.
    void Notify();
    void WaitForNotification();

private:
    void* event_; // a manual-reset event handle
};

} // namespace internal
} // namespace testing
