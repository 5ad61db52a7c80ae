#include "winlayer/lower_case.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace winlayer {

// CharLowerBuffA follows the system's ANSI code page and locale, as every name the program
// compares comes from the ANSI file functions.
std::string lowerCase(const std::string& s) {
    std::string lowered(s);
    if (!lowered.empty()) {
        CharLowerBuffA(&lowered[0], static_cast<DWORD>(lowered.size()));
    }
    return lowered;
}

std::wstring lowerCaseWide(const std::wstring& w) {
    std::wstring lowered(w);
    if (!lowered.empty()) {
        CharLowerBuffW(&lowered[0], static_cast<DWORD>(lowered.size()));
    }
    return lowered;
}

} // namespace winlayer
