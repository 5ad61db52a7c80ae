#include "winlayer/char_steps.h"

namespace winlayer {

namespace {

bool inRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

std::size_t utf8Length(unsigned char lead) {
    if (inRange(lead, 0xC2, 0xDF)) {
        return 2;
    }
    if (inRange(lead, 0xE0, 0xEF)) {
        return 3;
    }
    if (inRange(lead, 0xF0, 0xF4)) {
        return 4;
    }
    return 1;
}

} // namespace

bool leadByteInTable(int codePage, unsigned char byte) {
    switch (codePage) {
    case 932: // Shift JIS
        return inRange(byte, 0x81, 0x9F) || inRange(byte, 0xE0, 0xFC);
    case 936: // GBK
    case 949: // Unified Hangul Code
    case 950: // Big5
        return inRange(byte, 0x81, 0xFE);
    default:
        return false;
    }
}

bool doubleByteCodePage(int codePage) {
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

bool singleByteCodePage(int codePage) {
    return codePage != utf8CodePage && !doubleByteCodePage(codePage);
}

std::size_t charLengthAt(int codePage, const std::string& s, std::size_t at) {
    const std::size_t left = s.size() - at;
    const auto lead = static_cast<unsigned char>(s[at]);
    if (lead < 0x80 || left < 2) {
        return 1;
    }
    if (codePage == utf8CodePage) {
        const std::size_t length = utf8Length(lead);
        if (length > left) {
            return 1;
        }
        for (std::size_t i = 1; i < length; ++i) {
            if (!isContinuation(static_cast<unsigned char>(s[at + i]))) {
                return 1;
            }
        }
        return length;
    }
    return isLeadByte(codePage, lead) ? 2 : 1;
}

bool isCharStart(int codePage, const std::string& s, std::size_t at) {
    // No UTF-8 character goes on over a byte that is not a continuation byte.
    if (codePage == utf8CodePage && at < s.size() &&
        !isContinuation(static_cast<unsigned char>(s[at]))) {
        return true;
    }
    return charStartAtOrBefore(codePage, s, at) == at;
}

std::size_t charStartAtOrBefore(int codePage, const std::string& s, std::size_t at) {
    if (singleByteCodePage(codePage) || at >= s.size()) {
        return at < s.size() ? at : s.size();
    }
    std::size_t start = 0;
    for (std::size_t next = 0; next <= at; next += charLengthAt(codePage, s, next)) {
        start = next;
    }
    return start;
}

} // namespace winlayer
