#include "box_watcher.h"

namespace walktest {
namespace {

std::string windowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string classOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK findBox(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && classOf(window) == "#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The box's message is its one static control with text (a box without an icon has no other).
BOOL CALLBACK findMessage(HWND child, LPARAM text) {
    if (classOf(child) == "Static") {
        const std::string childText = windowText(child);
        if (!childText.empty()) {
            *reinterpret_cast<std::string*>(text) = childText;
            return FALSE;
        }
    }
    return TRUE;
}

} // namespace

BoxWatcher::BoxWatcher()
    : watchedThread_(GetCurrentThreadId()), stopEvent_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      thread_(CreateThread(nullptr, 0, watch, this, 0, nullptr)) {}

BoxWatcher::~BoxWatcher() {
    stop();
    CloseHandle(stopEvent_);
}

void BoxWatcher::stop() {
    if (thread_ != nullptr) {
        SetEvent(stopEvent_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
}

DWORD WINAPI BoxWatcher::watch(LPVOID self) {
    BoxWatcher& watcher = *static_cast<BoxWatcher*>(self);
    while (WaitForSingleObject(watcher.stopEvent_, 20) == WAIT_TIMEOUT) {
        HWND box = nullptr;
        EnumThreadWindows(watcher.watchedThread_, findBox, reinterpret_cast<LPARAM>(&box));
        if (box == nullptr) {
            continue;
        }
        SeenBox seen;
        seen.caption = windowText(box);
        EnumChildWindows(box, findMessage, reinterpret_cast<LPARAM>(&seen.text));
        watcher.boxes_.push_back(seen);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        while (IsWindow(box) && WaitForSingleObject(watcher.stopEvent_, 20) == WAIT_TIMEOUT) {
        }
    }
    return 0;
}

} // namespace walktest
