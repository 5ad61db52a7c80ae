// A dialog of the test's own process with the program's dialog font, to compute pixel sizes
// independently of the program.
#include "driver.h"

namespace e2e {

namespace {

INT_PTR CALLBACK inertDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

} // namespace

ReferenceDialog::ReferenceDialog() {
    std::vector<WORD> words;
    auto put16 = [&](WORD w) { words.push_back(w); };
    auto put32 = [&](DWORD d) {
        put16(LOWORD(d));
        put16(HIWORD(d));
    };
    put16(1);      // dlgVer
    put16(0xFFFF); // signature
    put32(0);      // helpID
    put32(0);      // exStyle
    put32(WS_POPUP | DS_SETFONT);
    put16(0); // no items
    put16(0); // x
    put16(0); // y
    put16(300);
    put16(245);
    put16(0);   // no menu
    put16(0);   // standard class
    put16(0);   // no title
    put16(10);  // points
    put16(400); // weight
    put16(0);   // italic (low byte) and character set (high byte)
    for (const wchar_t* c = L"arial"; *c; ++c) {
        put16(static_cast<WORD>(*c));
    }
    put16(0);
    window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                         reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), nullptr,
                                         inertDialogProc, 0);
}

ReferenceDialog::~ReferenceDialog() {
    if (window_) {
        DestroyWindow(window_);
    }
}

RECT ReferenceDialog::map(int x, int y, int width, int height) const {
    RECT rect{x, y, x + width, y + height};
    MapDialogRect(window_, &rect);
    return rect;
}

int ReferenceDialog::widestLine(const std::vector<std::wstring>& lines) const {
    const HDC dc = GetDC(window_);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::wstring& line : lines) {
        SIZE size{};
        if (GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size) &&
            size.cx > widest) {
            widest = size.cx;
        }
    }
    SelectObject(dc, previous);
    ReleaseDC(window_, dc);
    return widest;
}

} // namespace e2e
