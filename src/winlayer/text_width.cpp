#include "winlayer/text_width.h"

#include "winlayer/fonts.h"

namespace winlayer {
namespace {

bool measured(HDC dc, const std::string& text, int& width) {
    SIZE extent = {0, 0};
    if (!textExtent(dc, text, extent)) {
        return false;
    }
    width = extent.cx;
    return true;
}

} // namespace

void measureOn(TextWidths& widths, HDC dc) {
    widths.dc = dc;
    widths.ofByte.fill(-1);
}

bool textWidth(TextWidths& widths, const std::string& text, int& width) {
    // A byte below 0x80 is one character in every code page the system may use for 8-bit text,
    // and never the second byte of a character when no byte of the text is 0x80 or above.
    // The extent of such characters is the sum of their advance widths, without kerning and
    // without any justification (never set on a measuring context), so their sum is the answer.
    // Any other text is measured whole.
    if (text.empty()) {
        return measured(widths.dc, text, width);
    }
    int sum = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0 || byte >= 0x80) {
            return measured(widths.dc, text, width);
        }
        int& known = widths.ofByte[byte];
        if (known < 0 && !measured(widths.dc, std::string(1, c), known)) {
            return measured(widths.dc, text, width);
        }
        sum += known;
    }
    width = sum;
    return true;
}

} // namespace winlayer
