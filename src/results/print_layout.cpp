#include "results/print_layout.h"

#include <cmath>

#include "winlayer/char_steps.h"

namespace results {

const char* const printHeading = "List of found files and folders";
const char* const continuationIndent = "   ";

namespace {

// The heading and the blank line after it.
constexpr int32_t headingLines = 2;

// The end of the character that holds byte at - 1: a cut at at never splits a character.
size_t charEndAtOrAfter(const std::string& s, size_t at) {
    const int codePage = winlayer::textCodePage();
    if (at == 0 || at >= s.size()) {
        return at;
    }
    const size_t start = winlayer::charStartAtOrBefore(codePage, s, at - 1);
    return start + winlayer::charLengthAt(codePage, s, start);
}

} // namespace

int fitPrefix(const std::string& text, double width, const MeasureWidth& measure) {
    std::string t = text;
    double w = t.empty() ? 0 : measure(t);
    // Each pass shortens the text in proportion to how much too wide it was.
    while (w > width && !t.empty()) {
        const double kept = std::floor(static_cast<double>(t.size()) * width / w);
        // Only whole characters are kept.
        t.resize(kept > 0 ? winlayer::charStartAtOrBefore(winlayer::textCodePage(), t,
                                                          static_cast<size_t>(kept))
                          : 0);
        w = t.empty() ? 0 : measure(t);
    }
    return static_cast<int>(t.size());
}

std::vector<std::string> printedLines(const std::string& line, double width,
                                      const MeasureWidth& measure) {
    std::vector<std::string> printed;
    std::string s = line;
    size_t minimum = 1;
    while (!s.empty()) {
        size_t n = static_cast<size_t>(fitPrefix(s, width, measure));
        if (n < minimum) {
            n = charEndAtOrAfter(s, minimum);
        }
        if (n >= s.size()) {
            printed.push_back(s);
            break;
        }
        printed.push_back(s.substr(0, n));
        s = continuationIndent + s.substr(n);
        minimum = std::string(continuationIndent).size() + 1;
    }
    return printed;
}

void printList(const std::vector<std::string>& lines, int32_t linesPerPage, double width,
               const ListOutput& output) {
    // Full at the start, so that the first found line starts a page with its heading.
    int32_t used = linesPerPage;
    for (const std::string& line : lines) {
        if (used >= linesPerPage) {
            output.text(printHeading);
            output.newLine();
            output.newLine();
            used = headingLines;
        }
        output.betweenLines();
        for (const std::string& piece : printedLines(line, width, output.measure)) {
            output.text(piece);
            output.newLine();
            ++used;
        }
        if (used >= linesPerPage) {
            output.newPage();
        }
    }
}

} // namespace results
