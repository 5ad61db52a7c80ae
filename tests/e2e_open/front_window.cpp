#include "front_window.h"

namespace e2e {

namespace {

constexpr const wchar_t* className = L"SorvaneTestFrontWindow";

LRESULT CALLBACK frontProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

FrontWindow::FrontWindow() {
    made_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
    if (thread_ && made_) {
        WaitForSingleObject(made_, 10000);
    }
}

FrontWindow::~FrontWindow() {
    if (window_ && IsWindow(window_)) {
        PostMessageW(window_, WM_CLOSE, 0, 0);
    }
    if (thread_) {
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
    }
    if (made_) {
        CloseHandle(made_);
    }
}

DWORD WINAPI FrontWindow::run(void* self) {
    FrontWindow& front = *static_cast<FrontWindow*>(self);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = frontProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass); // fails harmlessly once the class exists
    front.window_ =
        CreateWindowExW(0, className, L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                        300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetEvent(front.made_);
    if (!front.window_) {
        return 1;
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

} // namespace e2e
