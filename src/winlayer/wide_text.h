#pragma once

// Program text is 8-bit ANSI; the UTF-16 forms of Windows functions get it converted with the
// system's ANSI code page, and text read from windows is converted back the same way.

#include <string>

namespace winlayer {

std::wstring toWide(const std::string& text);

std::string fromWide(const std::wstring& text);
std::string fromWide(const wchar_t* text, int length);

} // namespace winlayer
