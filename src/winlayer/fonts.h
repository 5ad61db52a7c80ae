#pragma once

// Fonts made on request and kept until the program ends. The same request gives the same
// object; the Windows font is realised once per device resolution.

#include <windows.h>

#include <string>

namespace winlayer {

struct FontObject {
    std::string face; // at most 31 characters
    double points;    // 0 means 8
    int style;        // FontBold | FontItalic | FontUnderline | FontStrikeout
    int charset;
};

const FontObject& createFont(const std::string& face, double points, int style, int charset);

// The Windows font of a font object for a device with this many pixels per logical inch.
HFONT realiseFont(const FontObject& font, int pixelsPerInch);

// Gives the control the font, realised for the control's device.
void setControlFont(HWND dialog, int id, const FontObject& font);

// The size of text drawn with the device context's font, measured in UTF-16: the ANSI form
// would take a font's own character set for the code page, and count a UTF-8 character's
// bytes as that many characters. False when the measurement failed.
bool textExtent(HDC dc, const std::string& text, SIZE& extent);

} // namespace winlayer
