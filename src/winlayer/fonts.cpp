#include "winlayer/fonts.h"

#include <cmath>
#include <deque>
#include <map>

#include "winlayer/dialogs.h"
#include "winlayer/handles.h"
#include "winlayer/wide_text.h"

namespace winlayer {
namespace {

struct FontEntry {
    FontObject object;
    std::map<int, FontHandle> realised; // by pixels per logical inch
};

// Font objects are never removed, so references to them stay valid until the program ends.
std::deque<FontEntry>& fontEntries() {
    static std::deque<FontEntry> entries;
    return entries;
}

} // namespace

const FontObject& createFont(const std::string& face, double points, int style, int charset) {
    const FontObject wanted{face.substr(0, 31), points == 0 ? 8 : points, style, charset};
    for (const FontEntry& entry : fontEntries()) {
        const FontObject& font = entry.object;
        if (font.face == wanted.face && font.points == wanted.points &&
            font.style == wanted.style && font.charset == wanted.charset) {
            return font;
        }
    }
    fontEntries().push_back(FontEntry{wanted, {}});
    return fontEntries().back().object;
}

HFONT realiseFont(const FontObject& font, int pixelsPerInch) {
    for (FontEntry& entry : fontEntries()) {
        if (&entry.object != &font) {
            continue;
        }
        FontHandle& handle = entry.realised[pixelsPerInch];
        if (!handle) {
            LOGFONTW description{};
            description.lfHeight =
                -static_cast<LONG>(std::lround(font.points * pixelsPerInch / 72.0));
            description.lfWeight = (font.style & FontBold) ? FW_BOLD : FW_NORMAL;
            description.lfItalic = (font.style & FontItalic) ? TRUE : FALSE;
            description.lfUnderline = (font.style & FontUnderline) ? TRUE : FALSE;
            description.lfStrikeOut = (font.style & FontStrikeout) ? TRUE : FALSE;
            description.lfCharSet = static_cast<BYTE>(font.charset);
            const std::wstring face = toWide(font.face).substr(0, LF_FACESIZE - 1);
            face.copy(description.lfFaceName, face.size());
            handle.reset(CreateFontIndirectW(&description));
        }
        return handle.get();
    }
    return nullptr;
}

void setControlFont(HWND dialog, int id, const FontObject& font) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) {
        return;
    }
    int pixelsPerInch = 96;
    {
        WindowDC dc(control);
        if (dc.get()) {
            pixelsPerInch = GetDeviceCaps(dc.get(), LOGPIXELSY);
        }
    }
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(realiseFont(font, pixelsPerInch)),
                 TRUE);
}

bool textExtent(HDC dc, const std::string& text, SIZE& extent) {
    const std::wstring wide = toWide(text);
    return GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent) != 0;
}

} // namespace winlayer
