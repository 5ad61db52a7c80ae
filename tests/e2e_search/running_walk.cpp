#include "running_walk.h"

#include <cwchar>

namespace e2e {

FrozenProgram::FrozenProgram(HWND window) {
    const DWORD threadId = GetWindowThreadProcessId(window, nullptr);
    thread_ = OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, threadId);
    if (thread_ == nullptr || SuspendThread(thread_) == static_cast<DWORD>(-1)) {
        return;
    }
    // SuspendThread only asks; reading the context waits until the thread has stopped.
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    frozen_ = GetThreadContext(thread_, &context) != FALSE;
}

FrozenProgram::~FrozenProgram() {
    if (thread_ == nullptr) {
        return;
    }
    ResumeThread(thread_);
    CloseHandle(thread_);
}

std::wstring shownText(HWND window) {
    // For a window of another process GetWindowTextW sends no message.
    wchar_t text[256] = {};
    const int length =
        GetWindowTextW(window, text, static_cast<int>(sizeof(text) / sizeof(text[0])));
    return std::wstring(text, length > 0 ? static_cast<size_t>(length) : 0);
}

size_t shownCount(HWND resultsWindow) {
    const std::wstring count = windowText(control(resultsWindow, results::count));
    return static_cast<size_t>(std::wcstoul(count.c_str(), nullptr, 10));
}

bool running(HWND resultsWindow) {
    return shownText(control(resultsWindow, results::run)) == L"&Stop";
}

bool waitForCount(HWND resultsWindow, size_t count, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (shownCount(resultsWindow) < count) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

bool whileRunning(HWND resultsWindow, const std::function<bool()>& act) {
    const FrozenProgram frozen(resultsWindow);
    return frozen.frozen() && running(resultsWindow) && act();
}

bool pressWhileRunning(HWND resultsWindow, int id) {
    return whileRunning(resultsWindow, [&] {
        return PostMessageW(control(resultsWindow, id), BM_CLICK, 0, 0) != FALSE;
    });
}

bool stopWhileRunning(HWND resultsWindow) {
    return pressWhileRunning(resultsWindow, results::run) &&
           waitUntil([&] { return !running(resultsWindow); }) &&
           shownText(control(resultsWindow, results::run)) == L"&Continue";
}

} // namespace e2e
