// "&Print" while the search still runs: what is printed, and closing the results window while
// the print dialog is open.
#include "print_driver.h"
#include "search_driver.h"

#include <gtest/gtest.h>

#include <memory>

namespace e2e {
namespace {

using Lines = std::vector<std::string>;

// Enough matches that the run is still going when "&Print" is pressed (each costs a list
// insertion of several milliseconds under Wine).
class PrintDuringRun : public testing::Test {
protected:
    static void SetUpTestSuite() {
        tree = std::make_unique<TempFolder>();
        folder = tree->makeFolder(L"Run");
        for (int i = 1; i <= 1500; ++i) {
            tree->makeFile(L"Run\\q" + std::to_wstring(10000 + i) + L".txt");
        }
    }
    static void TearDownTestSuite() { tree.reset(); }

    // Starts the search and presses "&Print" (with the mouse, or with its access key Alt+P) once
    // a few lines are shown; returns the print dialog, with the list's lines at that moment in
    // shownAtPrint.
    HWND printWhileRunning(const Session& session, HWND& results, bool byKey = false) {
        if (useSearchFolders(session, {folder}).size() != 1) {
            return nullptr;
        }
        SearchSetup setup;
        setup.findText = L"q";
        if (!applySetup(session.dialog(), setup) || (results = begin(session)) == nullptr ||
            !waitForCount(results, 3)) {
            return nullptr;
        }
        const bool pressed =
            byKey ? whileRunning(results, [&] { return pressKeys(results, {"alt+p"}); })
                  : pressWhileRunning(results, e2e::results::print);
        if (!pressed) {
            return nullptr;
        }
        HWND dialog = waitForPrintDialog(session.processId());
        // The walk waits inside the print dialog: the list holds still from here on.
        for (const std::wstring& line : listItems(results, e2e::results::list)) {
            shownAtPrint.push_back(narrow(line));
        }
        return dialog;
    }

    static std::unique_ptr<TempFolder> tree;
    static std::wstring folder;
    Lines shownAtPrint;
};
std::unique_ptr<TempFolder> PrintDuringRun::tree;
std::wstring PrintDuringRun::folder;

// The found lines of a document, each page checked to start with the heading and a blank.
Lines foundLinesOf(const PrintedDocument& document) {
    Lines lines;
    for (const Lines& page : document.pages) {
        EXPECT_GE(page.size(), 3u);
        if (page.size() < 2) {
            continue;
        }
        EXPECT_EQ(page[0], "List of found files and folders");
        EXPECT_EQ(page[1], "");
        lines.insert(lines.end(), page.begin() + 2, page.end());
    }
    return lines;
}

TEST_F(PrintDuringRun, PrintsTheItemsFoundSoFarAndTheRunGoesOn) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    HWND results = nullptr;
    const int before = lastPrintJob();
    HWND dialog = printWhileRunning(session, results);
    ASSERT_NE(dialog, nullptr);
    ASSERT_GE(shownAtPrint.size(), 3u);
    EXPECT_EQ(windowText(control(results, e2e::results::run)), L"&Stop");
    ASSERT_TRUE(confirmPrint(dialog, true));
    const int job = waitPrintedJob(before);
    ASSERT_NE(job, 0);
    const auto document = readPrintedDocument(job);
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(foundLinesOf(*document), shownAtPrint);

    // The walk goes on where it was and finishes.
    ASSERT_TRUE(waitDone(results, 120000));
    const std::vector<std::wstring> all = listItems(results, e2e::results::list);
    ASSERT_EQ(all.size(), 1500u);
    for (size_t i = 0; i < shownAtPrint.size(); ++i) {
        EXPECT_EQ(narrow(all[i]), shownAtPrint[i]);
    }
    ASSERT_TRUE(exitResults(results, session.dialog()));
}

TEST_F(PrintDuringRun, ClosingTheWindowInThePrintDialogStillPrintsWhatWasFound) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    HWND results = nullptr;
    const int before = lastPrintJob();
    HWND dialog = printWhileRunning(session, results, true);
    ASSERT_NE(dialog, nullptr);
    closeWindow(results);
    ASSERT_TRUE(waitForClose(results));
    ASSERT_TRUE(confirmPrint(dialog, true));
    const int job = waitPrintedJob(before);
    ASSERT_NE(job, 0);
    const auto document = readPrintedDocument(job);
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(foundLinesOf(*document), shownAtPrint);

    // The run was abandoned; the program searches again and ends normally.
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(session.dialog()) != FALSE; }));
    SearchSetup none;
    none.findText = L"nothing-is-called-so";
    EXPECT_EQ(search(session, none).lines, (std::vector<std::wstring>{L"None found"}));
    closeWindow(session.dialog());
    EXPECT_EQ(session.program().waitExit(), DWORD{0});
}

} // namespace
} // namespace e2e
