#pragma once

// How the found list is laid out on paper: a heading and a blank line at the top of every
// page, each found line on one or more printed lines (long lines cut at the printable width
// and continued with a three-space indent), and a page ended after the found line during which
// the page's lines reached their limit. Measuring and output are the caller's.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace results {

extern const char* const printHeading;
extern const char* const continuationIndent;

// Width of a text in the printer's device units, drawn in the printing font.
using MeasureWidth = std::function<double(const std::string& text)>;

// How many leading bytes of text fit within width, in whole characters.
int fitPrefix(const std::string& text, double width, const MeasureWidth& measure);

// The printed lines of one found line: the part that fits, then each rest after the indent.
// Every printed line takes at least one byte of the found line, however narrow the width, so
// that a line too wide for even one byte still ends (cut off at the edge).
std::vector<std::string> printedLines(const std::string& line, double width,
                                      const MeasureWidth& measure);

// Where the printing of the list goes.
struct ListOutput {
    std::function<void(const std::string& text)> text;
    std::function<void()> newLine;
    std::function<void()> newPage;
    // Called once per found line, before it is printed.
    std::function<void()> betweenLines;
    MeasureWidth measure;
};

// Prints lines under their headings. linesPerPage counts the heading and the blank line.
void printList(const std::vector<std::string>& lines, int32_t linesPerPage, double width,
               const ListOutput& output);

} // namespace results
