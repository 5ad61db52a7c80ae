#include "win_test_support.h"

#include <shlobj.h>

#include <vector>

#include "winlayer/wide_text.h"

namespace wintest {
namespace {

SeenMessageBox* pending = nullptr;
SeenFolderBrowser* pendingBrowser = nullptr;
UINT_PTR answerTimer = 0;

BOOL CALLBACK findMessageBox(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && windowClass(window) == "#32770" &&
        GetDlgItem(window, 0xFFFF) != nullptr && GetDlgItem(window, IDOK) != nullptr) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK messageBoxTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findMessageBox, reinterpret_cast<LPARAM>(&box));
    if (!box || !pending) {
        return;
    }
    KillTimer(nullptr, timer);
    answerTimer = 0;
    pending->seen = true;
    pending->caption = windowText(box);
    pending->text = windowText(GetDlgItem(box, 0xFFFF));
    pending->hasOwner = GetWindow(box, GW_OWNER) != nullptr;
    pending = nullptr;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

BOOL CALLBACK findTreeView(HWND window, LPARAM found) {
    if (windowClass(window) == "SysTreeView32") {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK findFolderBrowser(HWND window, LPARAM found) {
    bool hasTree = false;
    if (IsWindowVisible(window) && windowClass(window) == "#32770") {
        EnumChildWindows(window, findTreeView, reinterpret_cast<LPARAM>(&hasTree));
    }
    if (hasTree) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK folderBrowserTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND browser = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findFolderBrowser, reinterpret_cast<LPARAM>(&browser));
    if (!browser || !pendingBrowser) {
        return;
    }
    KillTimer(nullptr, timer);
    answerTimer = 0;
    SeenFolderBrowser& seen = *pendingBrowser;
    pendingBrowser = nullptr;
    seen.seen = true;
    HWND owner = GetWindow(browser, GW_OWNER);
    seen.ownerDisabled = owner != nullptr && !IsWindowEnabled(owner);
    if (seen.cancel) {
        PostMessageW(browser, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (!seen.folder.empty()) {
        const std::wstring folder = winlayer::toWide(seen.folder);
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
    }
    PostMessageW(browser, WM_COMMAND, IDOK, 0);
}

} // namespace

void answerNextMessageBox(SeenMessageBox& seen) {
    pending = &seen;
    answerTimer = SetTimer(nullptr, 0, 20, messageBoxTimer);
}

void answerNextFolderBrowser(SeenFolderBrowser& browser) {
    pendingBrowser = &browser;
    answerTimer = SetTimer(nullptr, 0, 20, folderBrowserTimer);
}

void stopAnswering() {
    if (answerTimer) {
        KillTimer(nullptr, answerTimer);
        answerTimer = 0;
    }
    pending = nullptr;
    pendingBrowser = nullptr;
}

void drainMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return winlayer::fromWide(buffer.data(), copied);
}

std::string windowClass(HWND window) {
    wchar_t name[64] = {};
    const int length = GetClassNameW(window, name, 64);
    return winlayer::fromWide(name, length);
}

} // namespace wintest
