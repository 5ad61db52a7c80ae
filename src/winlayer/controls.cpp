#include "winlayer/controls.h"

#include <vector>

#include "winlayer/wide_text.h"
#include "winlayer/window_records.h"

namespace winlayer {
namespace {

// Position and size in the dialog's units, as a pixel rectangle.
RECT pixelRect(HWND dialog, int x, int y, int width, int height) {
    RECT rect{x, y, x + width, y + height};
    const WindowRecord* record = findRecord(dialog);
    if (!record || record->units == Units::DialogUnits) {
        MapDialogRect(dialog, &rect);
    }
    return rect;
}

// Below this many items a list grows as it likes.
constexpr LRESULT firstReservedCount = 1024;

} // namespace

const ControlKindInfo& controlKindInfo(ControlKind kind) {
    static const ControlKindInfo table[] = {
        {L"BUTTON", 0x50010000, 0x50000000, 0},          // Button
        {L"BUTTON", 0x50010003, 0x50000003, 0xA7FC00CC}, // CheckBox
        {L"BUTTON", 0x50000007, 0x50000007, 0xA7FFD0F8}, // Frame
        {L"STATIC", 0x50000000, 0x50000000, 0},          // Label
        {L"BUTTON", 0x50010009, 0x50000009, 0xA7FC00C6}, // Option
        {L"EDIT", 0x50810080, 0x50000000, 0},            // TextBox
        {L"LISTBOX", 0x50A10003, 0x50000001, 0},         // ListBox
    };
    return table[static_cast<int>(kind)];
}

ControlStyles controlStyles(ControlKind kind, DWORD style, DWORD exStyle) {
    const ControlKindInfo& info = controlKindInfo(kind);
    ControlStyles result{style != 0 ? style : info.defaultStyle, exStyle};
    result.style |= info.alwaysAdded;
    result.style &= ~info.alwaysRemoved;
    if (style == 0 && (kind == ControlKind::TextBox || kind == ControlKind::ListBox)) {
        result.style &= ~static_cast<DWORD>(WS_BORDER);
        result.exStyle |= WS_EX_CLIENTEDGE;
    }
    return result;
}

HWND addControl(ControlKind kind, HWND dialog, int id, const std::string& text, int x, int y,
                int width, int height, DWORD style, DWORD exStyle) {
    const ControlStyles styles = controlStyles(kind, style, exStyle);
    const RECT rect = pixelRect(dialog, x, y, width, height);
    HWND control = CreateWindowExW(
        styles.exStyle, controlKindInfo(kind).windowClass, toWide(text).c_str(), styles.style,
        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!control) {
        return nullptr;
    }
    // Only controls from a template get the dialog's font from the system; these are made here.
    SendMessageW(control, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    WindowRecord& record = makeRecord(control);
    record.kind = kind;
    record.parent = dialog;
    record.createStyle = styles.style;
    return control;
}

HWND controlHandle(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

std::string getControlText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        return std::string();
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    return fromWide(buffer.data(), copied);
}

void setControlText(HWND window, const std::string& text) {
    SetWindowTextW(window, toWide(text).c_str());
}

void enableControl(HWND dialog, int id, bool enable) {
    EnableWindow(id == DialogItself ? dialog : GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

void focusControl(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) {
        return;
    }
    SetForegroundWindow(GetAncestor(control, GA_ROOT));
    SetFocus(control);
}

int getCheck(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0));
}

void setCheck(HWND dialog, int id, int state) {
    SendDlgItemMessageW(dialog, id, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void checkOption(HWND dialog, int firstId, int lastId, int checkId) {
    CheckRadioButton(dialog, firstId, lastId, checkId);
}

LRESULT sendToControl(HWND dialog, int id, UINT message) {
    return SendMessageA(GetDlgItem(dialog, id), message, 0, 0);
}

int listAdd(HWND dialog, int id, const std::string& text) {
    return listAppend(GetDlgItem(dialog, id), text);
}

int listAppend(HWND list, const std::string& text) {
    if (!list) {
        return 0;
    }
    const std::wstring wide = toWide(text);
    const LRESULT index =
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    if (index < 0) {
        return 0;
    }
    // A list box may grow its item array by a few items at a time, copying the whole array at
    // each step, so that appending to a long list costs more the longer it is. Reserving room
    // for as many items again whenever the count reaches a power of two keeps an append at the
    // same cost at any length.
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    if (count >= firstReservedCount && (count & (count - 1)) == 0) {
        SendMessageW(list, LB_INITSTORAGE, static_cast<WPARAM>(count), 0);
    }
    return static_cast<int>(index) + 1;
}

void listDelete(HWND dialog, int id, int position) {
    if (position >= 1) {
        SendDlgItemMessageW(dialog, id, LB_DELETESTRING, static_cast<WPARAM>(position - 1), 0);
    }
}

int listSelected(HWND dialog, int id, int from) {
    HWND list = GetDlgItem(dialog, id);
    const LRESULT index = list ? SendMessageW(list, LB_GETCURSEL, 0, 0) : LB_ERR;
    if (index == LB_ERR) {
        return 0;
    }
    const int position = static_cast<int>(index) + 1;
    return position >= from ? position : 0;
}

std::string listItemText(HWND dialog, int id, int position) {
    HWND list = GetDlgItem(dialog, id);
    const LRESULT index =
        position == 0 ? SendMessageW(list, LB_GETCURSEL, 0, 0) : static_cast<LRESULT>(position) - 1;
    if (!list || index < 0) {
        return std::string();
    }
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) {
        return std::string();
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(buffer.data()));
    return copied <= 0 ? std::string() : fromWide(buffer.data(), static_cast<int>(copied));
}

LRESULT sendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(window, message, wParam, lParam);
}

bool postMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PostMessageA(window, message, wParam, lParam) != FALSE;
}

void setControlSize(HWND dialog, int id, int width, int height) {
    const RECT rect = pixelRect(dialog, 0, 0, width, height);
    SetWindowPos(GetDlgItem(dialog, id), nullptr, 0, 0, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER);
}

void setControlColor(HWND dialog, int id, int textColor, int backColor) {
    WindowRecord* record = findRecord(GetDlgItem(dialog, id));
    if (!record) {
        return;
    }
    record->textColor = textColor < 0 ? SystemColor : (textColor & 0xFFFFFF);
    if (backColor == TransparentBackground) {
        record->backColor = TransparentBackground;
    } else {
        record->backColor = backColor < 0 ? SystemColor : (backColor & 0xFFFFFF);
    }
    record->backBrush.reset(record->backColor >= 0
                                ? CreateSolidBrush(static_cast<COLORREF>(record->backColor))
                                : nullptr);
}

} // namespace winlayer
