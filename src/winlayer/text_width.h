#pragma once

// The width of a text on a device context, exactly as textExtent measures it (in UTF-16), at a
// fraction of its cost for text of 7-bit bytes: under some systems each call is a round trip to
// another process.

#include <windows.h>

#include <array>
#include <string>

namespace winlayer {

// The widths learnt on one device context, whose font and text settings do not change while it
// is measured on.
struct TextWidths {
    HDC dc = nullptr;
    // Each byte 1 to 127 on its own, measured the first time it occurs; -1 while not yet.
    std::array<int, 128> ofByte;
};

// Forgets every width learnt, and measures on dc from now on.
void measureOn(TextWidths& widths, HDC dc);

// The text's extent in logical units; false when it cannot be measured.
bool textWidth(TextWidths& widths, const std::string& text, int& width);

} // namespace winlayer
