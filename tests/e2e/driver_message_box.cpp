// Finding, reading and answering the program's message boxes.
#include "driver.h"

namespace e2e {

namespace {

// The message box's text is the static control with this identifier.
constexpr int messageTextId = 0xFFFF;

} // namespace

HWND waitForMessageBox(DWORD processId, const std::wstring& caption, DWORD timeoutMs) {
    return waitForWindow(processId, dialogClass, caption, timeoutMs);
}

HWND waitForOtherDialog(DWORD processId, HWND except, DWORD timeoutMs) {
    HWND found = nullptr;
    waitUntil(
        [&] {
            for (HWND window : topLevelWindows(processId, dialogClass)) {
                if (window != except) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

std::wstring messageBoxText(HWND box) {
    return windowText(GetDlgItem(box, messageTextId));
}

std::vector<int> messageBoxButtons(HWND box) {
    std::vector<int> ids;
    for (const Control& child : childControls(box)) {
        const DWORD kind = child.style & BS_TYPEMASK;
        if (child.className == L"Button" && (child.style & WS_VISIBLE) &&
            (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)) {
            ids.push_back(child.id);
        }
    }
    return ids;
}

bool pressMessageBoxButton(HWND box, int buttonId, DWORD timeoutMs) {
    const HWND button = GetDlgItem(box, buttonId);
    if (!button) {
        return false;
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    return waitForClose(box, timeoutMs);
}

void closeOtherWindows(DWORD processId, HWND keep) {
    for (HWND window : topLevelWindows(processId)) {
        if (window != keep) {
            closeWindow(window);
            waitForClose(window);
        }
    }
}

} // namespace e2e
