#include "winlayer/text_width.h"

namespace winlayer {
namespace {

bool measured(HDC dc, const char* text, size_t length, int& width) {
    SIZE extent = {0, 0};
    if (!GetTextExtentPoint32A(dc, text, static_cast<int>(length), &extent)) {
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
    // GetTextExtentPoint32A adds the advance widths of such characters, without kerning and
    // without any justification (never set on a measuring context), so their sum is its answer.
    // Any other text is measured by the call itself.
    if (text.empty()) {
        return measured(widths.dc, text.data(), 0, width);
    }
    int sum = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == 0 || byte >= 0x80) {
            return measured(widths.dc, text.data(), text.size(), width);
        }
        int& known = widths.ofByte[byte];
        if (known < 0 && !measured(widths.dc, &c, 1, known)) {
            return measured(widths.dc, text.data(), text.size(), width);
        }
        sum += known;
    }
    width = sum;
    return true;
}

} // namespace winlayer
