#pragma once

// Byte-string primitives. Positions count from 1; a search result of 0 means "not found".
// None of them fails on out-of-range positions: they answer with 0 or the empty string.

#include <cstddef>
#include <string>

#include "winlayer/lower_case.h"

namespace winlayer {

// First occurrence of t in s beginning at or after start. Start 0 gives 0; an empty t gives
// start; a start beyond the end gives 0. A negative start finds the last occurrence beginning
// at or before position length + start + 1.
int findSubstring(int start, const std::string& s, const std::string& t);

// First character of s at or after start that equals any character of set; 0 when none.
int findAnyChar(int start, const std::string& s, const std::string& set);

// Up to length characters from position start; wholeRest means "up to the end".
constexpr int wholeRest = 0x7FFFFFFF;
std::string midText(const std::string& s, int start, int length);

// Only the space character (0x20) is trimmed; tabs and other blanks stay.
std::string trimLeftSpaces(const std::string& s);
std::string trimRightSpaces(const std::string& s);

// s without every whole trailing copy of t, removed repeatedly.
std::string trimTrailing(const std::string& s, const std::string& t);

// Field n of s cut at every occurrence of the whole string d; n counts from 1, a negative n
// from the end (-1 is the last field). A field that does not exist is the empty string.
std::string fieldOf(const std::string& s, const std::string& d, int n);

// Parts of a path whose separators are "\" and ":". A path longer than maxPathText characters
// gives the empty string for every part.
enum PathPartKind : int {
    PathExtension = 0, // extension of the last name, period included
    PathWhole = 1,
    PathBaseName = 2, // last name without its extension
    PathFileName = 3, // last name with its extension
    PathFolder = 4,   // everything up to and including the last separator
};
constexpr std::size_t maxPathText = 260;
std::string pathPart(int part, const std::string& path);

// Byte-for-byte equality, and the ordering form: unsigned bytes over the shorter length, then
// the length. compareText answers <0, 0 or >0.
bool sameText(const std::string& s, const std::string& t);
int compareText(const std::string& s, const std::string& t);

int lengthOf(const std::string& s);

} // namespace winlayer
