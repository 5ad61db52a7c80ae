#include "winlayer/lower_case.h"

namespace winlayer {

namespace {

// Lower-case partner of one byte of code page 1252. Besides A-Z and the accented capitals
// 0xC0-0xDE (without the multiplication sign 0xD7), the page has four capitals of its own in
// the 0x80 row.
unsigned char lowerCp1252(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A: // S caron
    case 0x8C: // OE ligature
    case 0x8E: // Z caron
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Y diaeresis
        return 0xFF;
    default:
        return c;
    }
}

} // namespace

std::string lowerCaseCp1252(const std::string& s) {
    std::string lowered(s);
    for (char& c : lowered) {
        c = static_cast<char>(lowerCp1252(static_cast<unsigned char>(c)));
    }
    return lowered;
}

} // namespace winlayer
