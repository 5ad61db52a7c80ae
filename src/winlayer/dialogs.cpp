#include "winlayer/dialogs.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "winlayer/clock.h"
#include "winlayer/message_count.h"
#include "winlayer/wide_text.h"
#include "winlayer/window_records.h"

namespace winlayer {
namespace {

struct DialogFont {
    std::string face = "MS Sans Serif";
    double points = 8;
    int style = 0;
    int charset = 0;
};

DialogFont dialogFont;
HWND currentActiveDialog = nullptr;
int openDialogCount = 0;

constexpr DWORD PlainDialogStyle = 0x80C000D4; // WS_POPUP | WS_CAPTION | DS_MODALFRAME | ...
constexpr DWORD AlwaysDialogStyle = DS_SETFONT | DS_NOFAILCREATE | DS_3DLOOK;

// How long the one-message pump trusts a look that found the queue empty.
constexpr int64_t emptyAnswerFreshUs = 1000;

// An in-memory DLGTEMPLATEEX without items, built WORD by WORD.
class DialogTemplate {
public:
    void word(WORD value) { words_.push_back(value); }
    void dword(DWORD value) {
        word(LOWORD(value));
        word(HIWORD(value));
    }
    void text(const std::wstring& value) {
        for (wchar_t c : value) {
            word(static_cast<WORD>(c));
        }
        word(0);
    }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    std::vector<WORD> words_;
};

int showCommandFor(DWORD style) {
    if (style & WS_MAXIMIZE) {
        return SW_SHOWMAXIMIZED;
    }
    if (style & WS_MINIMIZE) {
        return SW_MINIMIZE;
    }
    return SW_SHOW;
}

WPARAM sizeKindFor(int showCommand) {
    if (showCommand == SW_SHOWMAXIMIZED) {
        return SIZE_MAXIMIZED;
    }
    if (showCommand == SW_MINIMIZE) {
        return SIZE_MINIMIZED;
    }
    return SIZE_RESTORED;
}

// A pixel-unit dialog is created with its size in template units and then set in pixels.
void placeInPixels(HWND dialog, int x, int y, int width, int height) {
    if (x == DefaultPosition || y == DefaultPosition) {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        x = work.left + (work.right - work.left - width) / 2;
        y = work.top + (work.bottom - work.top - height) / 2;
    }
    SetWindowPos(dialog, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool isButtonKind(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::CheckBox ||
           kind == ControlKind::Frame || kind == ControlKind::Option;
}

// WM_CTLCOLOR* for a control with colours of its own; FALSE leaves the system's colours.
INT_PTR controlColors(HDC dc, HWND control) {
    const WindowRecord* record = findRecord(control);
    if (!record || (record->textColor == SystemColor && record->backColor == SystemColor)) {
        return FALSE;
    }
    const bool button = !record->isDialog && isButtonKind(record->kind);
    const bool field = !record->isDialog && (record->kind == ControlKind::TextBox ||
                                             record->kind == ControlKind::ListBox);
    SetTextColor(dc, record->textColor == SystemColor
                         ? GetSysColor(button ? COLOR_BTNTEXT : COLOR_WINDOWTEXT)
                         : static_cast<COLORREF>(record->textColor));
    if (record->backColor >= 0) {
        SetBkColor(dc, static_cast<COLORREF>(record->backColor));
        return reinterpret_cast<INT_PTR>(record->backBrush.get());
    }
    if (record->backColor == TransparentBackground) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    }
    const int systemBack = field ? COLOR_WINDOW : COLOR_BTNFACE;
    SetBkColor(dc, GetSysColor(systemBack));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(systemBack));
}

INT_PTR defaultHandling(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            endDialog(window, 0);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return controlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NCDESTROY:
        releaseRecords(window);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void setDialogFont(const std::string& face, double points, int style, int charset) {
    dialogFont.face = face.substr(0, 31);
    dialogFont.points = points;
    dialogFont.style = style;
    dialogFont.charset = charset;
}

HWND createDialog(Units units, HWND owner, int x, int y, int width, int height, DWORD style,
                  DWORD exStyle, const std::string& title) {
    if (style == 0) {
        style = PlainDialogStyle;
    }
    style |= AlwaysDialogStyle;
    style &= ~static_cast<DWORD>(WS_VISIBLE | DS_SYSMODAL);
    const bool defaultPosition = x == DefaultPosition || y == DefaultPosition;
    if (defaultPosition) {
        style |= DS_CENTER;
    }
    const bool inPixels = units == Units::Pixels;

    DialogTemplate dialogTemplate;
    dialogTemplate.word(1);      // version
    dialogTemplate.word(0xFFFF); // extended template
    dialogTemplate.dword(0);     // help id
    dialogTemplate.dword(exStyle);
    dialogTemplate.dword(style);
    dialogTemplate.word(0); // no items
    dialogTemplate.word(static_cast<WORD>(defaultPosition || inPixels ? 0 : x));
    dialogTemplate.word(static_cast<WORD>(defaultPosition || inPixels ? 0 : y));
    dialogTemplate.word(static_cast<WORD>(inPixels ? 0 : width));
    dialogTemplate.word(static_cast<WORD>(inPixels ? 0 : height));
    dialogTemplate.word(0); // no menu
    dialogTemplate.word(0); // the standard dialog class
    dialogTemplate.text(L" ");
    dialogTemplate.word(static_cast<WORD>(std::lround(dialogFont.points)));
    dialogTemplate.word((dialogFont.style & FontBold) ? FW_BOLD : FW_NORMAL);
    dialogTemplate.word(static_cast<WORD>(((dialogFont.style & FontItalic) ? 1 : 0) |
                                          (dialogFont.charset & 0xFF) << 8));
    dialogTemplate.text(toWide(dialogFont.face));

    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.get(), owner,
                                             sharedDialogProc, 0);
    if (!dialog) {
        return nullptr;
    }
    SetWindowTextW(dialog, toWide(title).c_str());
    if (inPixels) {
        placeInPixels(dialog, x, y, width, height);
    }
    WindowRecord& record = makeRecord(dialog);
    record.isDialog = true;
    record.units = units;
    record.owner = owner;
    record.createStyle = style;
    record.showCommand = showCommandFor(style);
    return dialog;
}

void showModal(HWND dialog, DialogCallback callback, INT_PTR* resultTarget) {
    WindowRecord* record = findRecord(dialog);
    if (!record) {
        return;
    }
    const HWND owner = record->owner;
    const int showCommand = record->showCommand;
    const bool idleMessages = !(record->createStyle & DS_NOIDLEMSG);
    record->resultTarget = resultTarget;

    SetForegroundWindow(dialog);
    if (callback) {
        callback(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(dialog), 0);
        RECT client{};
        GetClientRect(dialog, &client);
        callback(dialog, WM_SIZE, sizeKindFor(showCommand),
                 MAKELPARAM(client.right, client.bottom));
    }
    // The callback may have ended the dialog during its initialisation.
    record = findRecord(dialog);
    if (!record) {
        return;
    }
    record->callback = callback;
    if (owner) {
        SendMessageW(owner, WM_CANCELMODE, 0, 0);
        EnableWindow(owner, FALSE);
    }
    ShowWindow(dialog, showCommand);

    MSG msg;
    for (;;) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (idleMessages && owner) {
                SendMessageW(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dialog));
            }
            Sleep(1);
            continue;
        }
        noteMessageTaken(msg);
        if (!IsWindow(dialog) || !IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (!IsWindow(dialog)) {
            break;
        }
    }
    if (owner) {
        SetFocus(owner);
    }
}

void endDialog(HWND dialog, INT_PTR result) {
    WindowRecord* record = findRecord(dialog);
    if (!record || !IsWindow(dialog)) {
        return;
    }
    if (record->resultTarget) {
        *record->resultTarget = result;
    }
    const HWND owner = record->owner;
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    if (owner) {
        EnableWindow(owner, TRUE);
    }
    DestroyWindow(dialog);
}

int pumpOneMessage(DWORD sleepMs) {
    // A look at the queue can be a round trip to another process, costing many times what the
    // walk spends on an entry; an empty answer is taken as still true for a moment, so a message
    // waits at most that much longer.
    static int64_t emptyAnswerAt = 0;
    static bool emptyAnswerHeld = false;
    const int64_t now = microsecondsNow();
    if (emptyAnswerHeld && now - emptyAnswerAt < emptyAnswerFreshUs) {
        // The look that found the queue empty gave up the time slice less than a millisecond
        // ago. Giving it up again at every call is a system call per entry and, on a busy
        // machine, hands the processor to another process at every entry of the walk.
        if (sleepMs > 0) {
            Sleep(sleepMs);
        }
        return openDialogCount;
    }
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        emptyAnswerAt = now;
        emptyAnswerHeld = true;
        Sleep(sleepMs);
        return openDialogCount;
    }
    emptyAnswerHeld = false;
    noteMessageTaken(msg);
    const HWND active = currentActiveDialog;
    if (!active || !IsWindow(active) || !IsDialogMessageW(active, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return openDialogCount;
}

INT_PTR CALLBACK sharedDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        ++openDialogCount;
        return FALSE;
    case WM_ACTIVATE:
        currentActiveDialog = LOWORD(wParam) == WA_INACTIVE ? nullptr : window;
        return 0;
    case WM_DESTROY:
        --openDialogCount;
        if (currentActiveDialog == window) {
            currentActiveDialog = nullptr;
        }
        break;
    case WM_SETCURSOR:
        // Sent from inside PeekMessage even when no message is returned (the pointer moving
        // over a disabled dialog), and its default handling sets a pointer of its own.
        noteMessageTaken();
        break;
    default:
        break;
    }
    const WindowRecord* record = findRecord(window);
    if (record && record->callback) {
        const INT_PTR result = record->callback(window, message, wParam, lParam);
        if (result != 0) {
            if (IsWindow(window) && GetWindowLongPtrW(window, DWLP_MSGRESULT) == 0) {
                SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
            }
            return result;
        }
    }
    return defaultHandling(window, message, wParam, lParam);
}

HWND activeDialog() {
    return currentActiveDialog;
}

int openDialogs() {
    return openDialogCount;
}

} // namespace winlayer
