// What "&Print" puts on paper once a search is done: the pages with their headings, long lines
// continued, where pages end, the page range of the print dialog, Cancel, and an empty list.
#include "print_driver.h"
#include "search_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace e2e {
namespace {

using Lines = std::vector<std::string>;
using Pages = std::vector<Lines>;

const int reserveLines = 4;

std::string numbered(int i) {
    std::string digits = std::to_string(i);
    return std::string(3 - std::min<size_t>(3, digits.size()), '0') + digits;
}

Lines narrowAll(const std::vector<std::wstring>& lines) {
    Lines result;
    for (const std::wstring& line : lines) {
        result.push_back(narrow(line));
    }
    return result;
}

// Presses "&Print", answers the print dialog, and reads back the job it made; nullopt when
// no job came out.
std::optional<PrintedDocument> printFromResults(const Session& session, HWND results, bool allPages,
                                                int* jobOut = nullptr) {
    const int before = lastPrintJob();
    click(results, e2e::results::print);
    HWND dialog = waitForPrintDialog(session.processId());
    if (dialog == nullptr || !confirmPrint(dialog, allPages)) {
        return std::nullopt;
    }
    const int job = waitPrintedJob(before);
    if (jobOut) {
        *jobOut = job;
    }
    return job == 0 ? std::nullopt : readPrintedDocument(job);
}

// A found list two pages long: the line that reaches the first page's limit is continued
// into the reserve lines, and the last line fills the second page exactly.
class PrintedList : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const auto metrics = reportPrinter({"w", "   "});
        ASSERT_TRUE(metrics.has_value());
        report = *metrics;
    }
    static PrinterReport report;
};
PrinterReport PrintedList::report;

TEST_F(PrintedList, PrinterReportsItsPageAndTheListFont) {
    EXPECT_EQ(report.printer, printQueue);
    EXPECT_GT(report.printableWidth, 0);
    EXPECT_GT(report.printableHeight, report.printableWidth);
    EXPECT_GT(report.pixelsPerInchY, 0);
    // 9 points.
    EXPECT_NEAR(report.lineHeight, 9.0 * report.pixelsPerInchY / 72, report.lineHeight / 2.0);
    EXPECT_EQ(report.linesPerPage, report.printableHeight / (report.lineHeight + report.lineGap));
    EXPECT_EQ(report.error, 0);
    std::printf("printer %s: printable %d x %d, physical %d x %d, %d dpi, line %d + %d, "
                "%d lines a page\n",
                report.printer.c_str(), report.printableWidth, report.printableHeight,
                report.physicalWidth, report.physicalHeight, report.pixelsPerInchY,
                report.lineHeight, report.lineGap, report.linesPerPage);
    // A job whose only output was a page break has nothing on it.
    ASSERT_NE(report.job, 0);
    ASSERT_NE(waitPrintedJob(report.job - 1), 0);
    const auto document = readPrintedDocument(report.job);
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(document->title, "Printer report");
    for (const Lines& page : document->pages) {
        EXPECT_TRUE(page.empty());
    }
}

TEST_F(PrintedList, PagesHeadingsLongLinesAndThePageRange) {
    const int linesPerPage = report.linesPerPage - reserveLines;
    ASSERT_GT(linesPerPage, 5);
    // Found line linesPerPage - 2 starts one line before the limit and takes 2 or 3 lines;
    // the second page then holds linesPerPage - 2 single lines.
    const int longIndex = linesPerPage - 2;
    const int count = 2 * (linesPerPage - 2);
    TempFolder root;
    const std::wstring folder = root.makeFolder(L"Print");
    const double wWidth = report.widths.at(0);
    const size_t room = 250 - folder.size() - 20;
    const size_t ws = std::min<size_t>(
        room, static_cast<size_t>(std::ceil(2.2 * report.printableWidth / wWidth)));
    for (int i = 1; i <= count; ++i) {
        // Sizes out of found order, so that "By size" is another order.
        const DWORD size = static_cast<DWORD>(((i * 37) % 50 + 1) * 1024);
        const std::string name =
            i == longIndex ? "p" + numbered(i - 1) + std::string(ws, 'w') : "p" + numbered(i);
        root.makeFile(L"Print\\" + widen(name) + L".txt", size);
    }

    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {folder}).size(), 1u);
    SearchSetup setup;
    setup.findText = L"p";
    setup.sizes = true;
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    HWND results = begin(session);
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(waitDone(results, 60000));
    const Lines found = narrowAll(view(results).lines);
    ASSERT_EQ(found.size(), static_cast<size_t>(count));

    const auto cutReport = reportPrinter(found);
    ASSERT_TRUE(cutReport.has_value());
    ASSERT_EQ(cutReport->cuts.size(), found.size());
    // The long line is at least twice the printable width, on two or three lines whose
    // continuations start with three spaces.
    const Lines& longCut = cutReport->cuts[longIndex - 1];
    EXPECT_GE(cutReport->widths[longIndex - 1], 2.0 * report.printableWidth);
    EXPECT_GE(longCut.size(), 2u);
    EXPECT_LE(longCut.size(), 3u);
    std::string joined = longCut.front();
    for (size_t i = 1; i < longCut.size(); ++i) {
        EXPECT_EQ(longCut[i].compare(0, 3, "   "), 0) << longCut[i];
        joined += longCut[i].substr(3);
    }
    EXPECT_EQ(joined, found[longIndex - 1]);

    Pages expected = expectedPages(cutReport->cuts, linesPerPage);
    for (Lines& page : expected) {
        std::transform(page.begin(), page.end(), page.begin(), asLaidOut);
    }
    ASSERT_EQ(expected.size(), 2u);
    // The tree's own arithmetic: the first page runs into its reserve, the second is full.
    EXPECT_GT(expected[0].size(), static_cast<size_t>(linesPerPage));
    EXPECT_EQ(expected[1].size(), static_cast<size_t>(linesPerPage));

    // OK with the range left at pages 1 to 1: the first page only, in a job named "Print Job".
    int job = 0;
    auto document = printFromResults(session, results, false, &job);
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(document->title, "Print Job");
    EXPECT_EQ(document->fileName.compare(0, 9, "Print_Job"), 0) << document->fileName;
    EXPECT_EQ(document->pages, (Pages{expected[0]}));
    ASSERT_TRUE(writePagePicture(job, artifactsFolder() + "/printed-page-1.png"));
    // The continuations start three spaces' width in from the left edge of the heading.
    const std::vector<PdfWord> words = pdfWords(job);
    const auto headingWord =
        std::find_if(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "List"; });
    ASSERT_NE(headingWord, words.end());
    const double pointsPerUnit = 72.0 / report.pixelsPerInchY;
    int continuations = 0;
    for (const PdfWord& word : words) {
        if (word.text.compare(0, 3, "www") == 0) {
            ++continuations;
            EXPECT_NEAR(word.xMin - headingWord->xMin, report.widths.at(1) * pointsPerUnit,
                        report.widths.at(1) * pointsPerUnit / 6);
        }
    }
    EXPECT_EQ(continuations, static_cast<int>(longCut.size()) - 1);

    // Cancel prints nothing: the next job made is the next print's.
    const int beforeCancel = lastPrintJob();
    click(results, e2e::results::print);
    HWND dialog = waitForPrintDialog(session.processId());
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(cancelPrint(dialog));
    EXPECT_EQ(narrowAll(view(results).lines), found);

    // "All", with the list shown by size: every page, in found order, no empty page after.
    setBox(results, e2e::results::bySize, true);
    document = printFromResults(session, results, true, &job);
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(job, beforeCancel + 1);
    EXPECT_EQ(document->pages, expected);
    EXPECT_EQ(document->pageCount, 2);
    ASSERT_TRUE(exitResults(results, session.dialog()));

    // Nothing found: a document without any line, not even the heading.
    setup.findText = L"nothing-is-called-so";
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    results = begin(session);
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(waitDone(results));
    ASSERT_EQ(view(results).lines, (std::vector<std::wstring>{L"None found"}));
    document = printFromResults(session, results, true);
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(document->title, "Print Job");
    for (const Lines& page : document->pages) {
        EXPECT_TRUE(page.empty());
    }
    ASSERT_TRUE(exitResults(results, session.dialog()));
}

} // namespace
} // namespace e2e
