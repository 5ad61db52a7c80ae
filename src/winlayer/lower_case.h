#pragma once

// The one place where letter case is decided. On Windows lowerCase is CharLowerBuffA (the
// system's ANSI code page and locale); elsewhere it is the code-page-1252 table, which is also
// available everywhere so that the two can be compared. In a multi-byte code page a character
// is never broken: one whose lower-case form would take another number of bytes stays as it is.

#include <string>

namespace winlayer {

std::string lowerCase(const std::string& s);
// The same, in place: the walk lowers every name it reads.
void lowerCaseInPlace(std::string& s);

std::string lowerCaseCp1252(const std::string& s);

#ifdef _WIN32
// CharLowerBuffW over UTF-16 text, for path parts read from the shell.
std::wstring lowerCaseWide(const std::wstring& w);
#endif

} // namespace winlayer
