#include "winlayer/lower_case.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "winlayer/char_steps.h"

namespace winlayer {

namespace {

// Longest character of any code page the program meets (UTF-8).
constexpr std::size_t longestChar = 4;

void lowerBytes(char* text, std::size_t length) {
    CharLowerBuffA(text, static_cast<DWORD>(length));
}

} // namespace

std::string lowerCase(const std::string& s) {
    std::string lowered(s);
    lowerCaseInPlace(lowered);
    return lowered;
}

// CharLowerBuffA follows the system's ANSI code page and locale, as every name the program
// compares comes from the ANSI file functions. It converts to UTF-16, lowers and converts back
// into the same bytes, so in a multi-byte code page a character whose lower-case form has
// another length would overwrite or leave behind bytes of its neighbours: there every
// character beyond ASCII is lowered alone, and kept when the call answers another length.
void lowerCaseInPlace(std::string& s) {
    if (s.empty()) {
        return;
    }
    const int codePage = textCodePage();
    if (singleByteCodePage(codePage)) {
        lowerBytes(&s[0], s.size());
        return;
    }
    std::size_t at = 0;
    while (at < s.size()) {
        // A byte below 0x80 at a character start is a character of its own in these code pages.
        std::size_t end = at;
        while (end < s.size() && static_cast<unsigned char>(s[end]) < 0x80) {
            ++end;
        }
        if (end > at) {
            lowerBytes(&s[at], end - at);
            at = end;
            continue;
        }
        const std::size_t length = charLengthAt(codePage, s, at);
        char piece[longestChar];
        s.copy(piece, length, at);
        if (CharLowerBuffA(piece, static_cast<DWORD>(length)) == length) {
            s.replace(at, length, piece, length);
        }
        at += length;
    }
}

std::wstring lowerCaseWide(const std::wstring& w) {
    std::wstring lowered(w);
    if (!lowered.empty()) {
        CharLowerBuffW(&lowered[0], static_cast<DWORD>(lowered.size()));
    }
    return lowered;
}

} // namespace winlayer
