// Reading and pressing the controls of another process's dialog. Only messages whose
// parameters the system carries across processes are sent, and with a time limit, so that a
// program that hangs fails the test instead of stopping it.
#include "driver.h"

namespace e2e {

namespace {

constexpr UINT sendTimeoutMs = 5000;

LRESULT send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, sendTimeoutMs,
                             &result)) {
        return -1;
    }
    return static_cast<LRESULT>(result);
}

} // namespace

std::wstring windowText(HWND window) {
    const LRESULT length = send(window, WM_GETTEXTLENGTH);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

std::wstring windowClass(HWND window) {
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

Control describe(HWND window) {
    Control control;
    control.window = window;
    control.id = GetDlgCtrlID(window);
    control.className = windowClass(window);
    control.text = windowText(window);
    control.style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    control.exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    GetWindowRect(window, &control.rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&control.rect), 2);
    return control;
}

std::vector<Control> childControls(HWND dialog) {
    std::vector<Control> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(describe(child));
    }
    return controls;
}

HWND control(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

int checkState(HWND dialog, int id) {
    return static_cast<int>(send(control(dialog, id), BM_GETCHECK));
}

bool isEnabled(HWND dialog, int id) {
    return IsWindowEnabled(control(dialog, id)) != FALSE;
}

std::vector<std::wstring> listItems(HWND dialog, int id) {
    const HWND list = control(dialog, id);
    std::vector<std::wstring> items;
    const LRESULT count = send(list, LB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = send(list, LB_GETTEXTLEN, static_cast<WPARAM>(i));
        std::wstring item(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        const LRESULT copied =
            send(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item[0]));
        item.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        items.push_back(item);
    }
    return items;
}

int listSelection(HWND dialog, int id) {
    return static_cast<int>(send(control(dialog, id), LB_GETCURSEL));
}

Selection editSelection(HWND dialog, int id) {
    const auto packed = static_cast<DWORD>(send(control(dialog, id), EM_GETSEL));
    return {LOWORD(packed), HIWORD(packed)};
}

HWND focusedWindow(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

int focusedId(HWND dialog) {
    const HWND focus = focusedWindow(dialog);
    return focus && GetParent(focus) == dialog ? GetDlgCtrlID(focus) : 0;
}

void click(HWND dialog, int id) {
    PostMessageW(control(dialog, id), BM_CLICK, 0, 0);
}

bool clickAndReturn(HWND dialog, int id, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(control(dialog, id), BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs,
                               &result) != 0;
}

void setText(HWND dialog, int id, const std::wstring& text) {
    send(control(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void setCheck(HWND dialog, int id, int state) {
    send(control(dialog, id), BM_SETCHECK, static_cast<WPARAM>(state));
}

void selectListItem(HWND dialog, int id, int index) {
    send(control(dialog, id), LB_SETCURSEL, static_cast<WPARAM>(index));
}

} // namespace e2e
