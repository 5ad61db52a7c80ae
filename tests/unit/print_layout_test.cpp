// The printed list's arithmetic with a fake printer: every byte is 10 device units wide and
// "W" 30, so the test knows what fits.
#include "results/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using results::fitPrefix;
using results::printedLines;
using Lines = std::vector<std::string>;

int measureCalls = 0;

double fakeWidth(const std::string& text) {
    ++measureCalls;
    double width = 0;
    for (char c : text) {
        width += c == 'W' ? 30 : 10;
    }
    return width;
}

TEST(FitPrefix, KeepsWhatFitsAndCutsWhatDoesNot) {
    EXPECT_EQ(fitPrefix("abcde", 50, fakeWidth), 5);
    EXPECT_EQ(fitPrefix("abcde", 100, fakeWidth), 5);
    EXPECT_EQ(fitPrefix("abcdefghij", 50, fakeWidth), 5);
    EXPECT_EQ(fitPrefix("abcdefghij", 55, fakeWidth), 5);
    EXPECT_EQ(fitPrefix("", 50, fakeWidth), 0);
    // Proportional cuts that never grow again: 140 wide -> 10 * 50/140 = 3 bytes ("WWa", 70)
    // -> 3 * 50/70 = 2 bytes ("WW", 60) -> 2 * 50/60 = 1 byte ("W", 30), though "Waa" fits.
    EXPECT_EQ(fitPrefix("WWaaaaaaaa", 50, fakeWidth), 1);
}

TEST(FitPrefix, MeasuresTheWholeTextOnceWhenItFits) {
    measureCalls = 0;
    EXPECT_EQ(fitPrefix("abc", 30, fakeWidth), 3);
    EXPECT_EQ(measureCalls, 1);
}

TEST(FitPrefix, NothingFitsANarrowOrNegativeWidth) {
    EXPECT_EQ(fitPrefix("abc", 5, fakeWidth), 0);
    EXPECT_EQ(fitPrefix("abc", 0, fakeWidth), 0);
    EXPECT_EQ(fitPrefix("abc", -10, fakeWidth), 0);
}

TEST(PrintedLines, LongLinesContinueWithThreeSpaces) {
    EXPECT_EQ(printedLines("abcde", 50, fakeWidth), (Lines{"abcde"}));
    // 100 wide: 10 bytes a line, continuations 3 spaces and 7 bytes.
    const std::string line = "0123456789abcdefghijklmnopq";
    EXPECT_EQ(printedLines(line, 100, fakeWidth),
              (Lines{"0123456789", "   abcdefg", "   hijklmn", "   opq"}));
    // A cut before a space leaves it after the indent.
    EXPECT_EQ(printedLines("abcdefg hi", 70, fakeWidth), (Lines{"abcdefg", "    hi"}));
}

TEST(PrintedLines, ALineTwiceTheWidthTakesTwoOrThreeLines) {
    const std::string line(20, 'x');
    const Lines printed = printedLines(line, 100, fakeWidth);
    EXPECT_EQ(printed, (Lines{std::string(10, 'x'), "   " + std::string(7, 'x'),
                              "   " + std::string(3, 'x')}));
}

TEST(PrintedLines, ATooNarrowPageStillEnds) {
    // Not even one byte fits: each printed line takes one byte (past the indent) and is cut
    // at the edge, so the loop ends.
    EXPECT_EQ(printedLines("abc", 5, fakeWidth), (Lines{"a", "   b", "   c"}));
    EXPECT_EQ(printedLines("abc", 35, fakeWidth), (Lines{"abc"}));
    EXPECT_EQ(printedLines("abcd", 35, fakeWidth), (Lines{"abc", "   d"}));
}

// A fake printer that records pages; one found line starts with the marker "|" so that the
// pump calls can be checked.
struct Recorder {
    std::vector<Lines> pages{Lines{}};
    std::string current;
    bool lineOpen = false;
    int pumps = 0;
    int emptyNewPages = 0;

    results::ListOutput output() {
        results::ListOutput out;
        out.text = [this](const std::string& text) {
            current += text;
            lineOpen = true;
        };
        out.newLine = [this] {
            pages.back().push_back(current);
            current.clear();
            lineOpen = false;
        };
        out.newPage = [this] {
            if (pages.back().empty()) {
                ++emptyNewPages;
            }
            pages.push_back({});
        };
        out.betweenLines = [this] { ++pumps; };
        out.measure = fakeWidth;
        return out;
    }
    // The pages that came out, the printer's last unused page dropped.
    std::vector<Lines> printed() const {
        std::vector<Lines> result = pages;
        if (!result.empty() && result.back().empty()) {
            result.pop_back();
        }
        return result;
    }
};

Lines items(int count) {
    Lines lines;
    for (int i = 1; i <= count; ++i) {
        lines.push_back("item" + std::to_string(i));
    }
    return lines;
}

Lines page(const Lines& body) {
    Lines lines{"List of found files and folders", ""};
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}

TEST(PrintList, NothingFoundPrintsNothingNotEvenTheHeading) {
    Recorder recorder;
    results::printList({}, 10, 1000, recorder.output());
    EXPECT_TRUE(recorder.printed().empty());
    EXPECT_EQ(recorder.pumps, 0);
}

TEST(PrintList, EveryPageStartsWithTheHeadingAndABlankLine) {
    Recorder recorder;
    // 10 lines a page: the heading, the blank line and 8 found lines.
    results::printList(items(20), 10, 1000, recorder.output());
    const Lines all = items(20);
    EXPECT_EQ(recorder.printed(),
              (std::vector<Lines>{page(Lines(all.begin(), all.begin() + 8)),
                                  page(Lines(all.begin() + 8, all.begin() + 16)),
                                  page(Lines(all.begin() + 16, all.end()))}));
    EXPECT_EQ(recorder.pumps, 20);
    EXPECT_EQ(recorder.emptyNewPages, 0);
}

TEST(PrintList, ExactlyAPageFullEndsThePageAndNoEmptyPageFollows) {
    Recorder recorder;
    results::printList(items(8), 10, 1000, recorder.output());
    EXPECT_EQ(recorder.printed(), (std::vector<Lines>{page(items(8))}));
    // The page was ended after its last line; the document adds nothing after it.
    EXPECT_EQ(recorder.pages.size(), 2u);
    EXPECT_TRUE(recorder.pages.back().empty());

    Recorder oneMore;
    results::printList(items(9), 10, 1000, oneMore.output());
    EXPECT_EQ(oneMore.printed(), (std::vector<Lines>{page(items(8)), page({"item9"})}));
}

TEST(PrintList, ALineContinuedPastTheLimitIsFinishedOnItsPage) {
    Recorder recorder;
    // 100 wide: the 7th found line takes four printed lines, 9 to 12 of a 10-line page.
    Lines lines = items(6);
    const std::string longLine = "0123456789abcdefghijklmnopq";
    lines.push_back(longLine);
    lines.push_back("next");
    results::printList(lines, 10, 100, recorder.output());
    Lines first = items(6);
    first.insert(first.end(), {"0123456789", "   abcdefg", "   hijklmn", "   opq"});
    EXPECT_EQ(recorder.printed(), (std::vector<Lines>{page(first), page({"next"})}));
    EXPECT_EQ(recorder.pumps, 8);
}

TEST(PrintList, APageEndsOnlyAfterTheFoundLineThatReachedTheLimit) {
    Recorder recorder;
    // The 7th found line takes lines 9 and 10: the limit is reached inside it.
    Lines lines = items(6);
    lines.push_back("0123456789abc");
    lines.push_back("next");
    results::printList(lines, 10, 100, recorder.output());
    Lines first = items(6);
    first.insert(first.end(), {"0123456789", "   abc"});
    EXPECT_EQ(recorder.printed(), (std::vector<Lines>{page(first), page({"next"})}));
}

} // namespace
