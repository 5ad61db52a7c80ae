#pragma once

// Where the characters of ANSI text begin. In the double-byte code pages (932, 936, 949, 950) a
// lead byte and the byte after it form one character, and that second byte may equal "\", "|"
// or a letter; in UTF-8 (65001) a character is one to four bytes. Every byte-level text rule
// looks for signs and cuts text only at character starts.

#include <cstddef>
#include <string>

namespace winlayer {

constexpr int utf8CodePage = 65001;

// The code page of the program's text: the process's ANSI code page unless a test chose one
// (0 goes back to the process's own).
int textCodePage();
void useTextCodePage(int codePage);

// Whether byte is a lead byte of codePage: IsDBCSLeadByteEx on Windows, leadByteInTable
// elsewhere.
bool isLeadByte(int codePage, unsigned char byte);
// The lead-byte ranges of the four double-byte code pages; false for every other code page.
bool leadByteInTable(int codePage, unsigned char byte);

// Whether codePage is one of the four double-byte code pages.
bool doubleByteCodePage(int codePage);
// Whether every byte is a character of its own in codePage.
bool singleByteCodePage(int codePage);

// Bytes of the character that begins at index at (at least 1, never past the end). A lead byte
// without its second byte, or a UTF-8 lead without its continuation bytes, is one character.
std::size_t charLengthAt(int codePage, const std::string& s, std::size_t at);

// Whether index at is a character start of s (the end of s is one), stepping from the start.
bool isCharStart(int codePage, const std::string& s, std::size_t at);

// The largest character start of s that is at most at.
std::size_t charStartAtOrBefore(int codePage, const std::string& s, std::size_t at);

} // namespace winlayer
