// Stopping, continuing and closing a search while it runs over a large tree.
#include "search_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace e2e {
namespace {

using Lines = std::vector<std::wstring>;

// Many entries and few matches: the walk takes a while, while each match (a list insertion,
// slow under Wine) stays rare.
class RunControl : public testing::Test {
protected:
    static void SetUpTestSuite() {
        tree = std::make_unique<TempFolder>();
        for (int folder = 0; folder < folderCount; ++folder) {
            const std::wstring prefix = L"Big\\d" + std::to_wstring(folder) + L"\\";
            for (int file = 0; file < filesPerFolder; ++file) {
                const bool hit = file % hitStride == 0;
                tree->makeFile(prefix + (hit ? L"hit" : L"e") + std::to_wstring(file) + L".txt");
            }
        }
    }
    static void TearDownTestSuite() { tree.reset(); }

    static std::wstring bigFolder() { return tree->path() + L"\\Big"; }

    static constexpr int folderCount = 160;
    static constexpr int filesPerFolder = 100;
    static constexpr int hitStride = 25;
    static constexpr int lineCount = folderCount * (filesPerFolder / hitStride);
    static constexpr DWORD runTimeoutMs = 120000;
    static std::unique_ptr<TempFolder> tree;

    // Starts the search of the big tree and waits for its first lines.
    static HWND beginBigSearch(const Session& session, bool track = false) {
        SearchSetup setup;
        setup.findText = L"hit";
        setup.folders = false;
        setup.track = track;
        if (!applySetup(session.dialog(), setup)) {
            return nullptr;
        }
        HWND window = begin(session);
        return window != nullptr && waitForCount(window, 1) ? window : nullptr;
    }

    static bool press(HWND window, int id) { return clickAndReturn(window, id); }
};

std::unique_ptr<TempFolder> RunControl::tree;

TEST_F(RunControl, StopHoldsTheRunAndContinueFinishesTheSameList) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {bigFolder()}).size(), 1u);

    HWND window = beginBigSearch(session);
    ASSERT_NE(window, nullptr);
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(stopWhileRunning(window)) << "the run ended before it could be stopped";
        const ResultsView held = view(window);
        EXPECT_EQ(held.status, L"Stopped");
        EXPECT_EQ(focusedId(window), results::list);
        EXPECT_FALSE(held.lines.empty());
        EXPECT_LT(held.lines.size(), static_cast<size_t>(lineCount));
        EXPECT_EQ(held.count, L" " + std::to_wstring(held.lines.size()) + L" items found");
        EXPECT_GT(SendMessageW(control(window, results::list), LB_GETHORIZONTALEXTENT, 0, 0), 10);
        // Held: the window answers, but nothing is added.
        Sleep(500);
        EXPECT_EQ(view(window).lines, held.lines);
        EXPECT_EQ(windowText(control(window, results::count)), held.count);

        ASSERT_TRUE(press(window, results::run));
        EXPECT_EQ(windowText(control(window, results::run)), L"&Stop");
        EXPECT_EQ(windowText(control(window, results::status)), L"Please wait");
        EXPECT_TRUE(waitUntil([&] {
            return listItems(window, results::list).size() > held.lines.size() ||
                   windowText(control(window, results::run)) == L"&Exit";
        }));
    }
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    const ResultsView interrupted = view(window);
    EXPECT_EQ(interrupted.status, L"Done");
    EXPECT_EQ(interrupted.count, L" " + std::to_wstring(lineCount) + L" items found");
    ASSERT_TRUE(exitResults(window, session.dialog()));

    window = begin(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    const ResultsView uninterrupted = view(window);
    ASSERT_TRUE(exitResults(window, session.dialog()));
    EXPECT_EQ(uninterrupted.lines.size(), static_cast<size_t>(lineCount));
    EXPECT_EQ(interrupted.lines, uninterrupted.lines);
}

TEST_F(RunControl, ClosingTheWindowAbandonsTheRunAndTheQueryDialogGoesOn) {
    TempFolder small;
    const std::wstring work = small.makeFolder(L"Work");
    small.makeFile(L"Work\\fig.txt");
    small.makeFolder(L"Work\\Sub");
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    const Lines entries = useSearchFolders(session, {bigFolder(), work});
    ASSERT_EQ(entries.size(), 2u);

    // Closed while it runs: the second search folder is never entered, so its subfolder
    // never reaches the tracking log.
    HWND window = beginBigSearch(session, true);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(whileRunning(window, [&] {
        closeWindow(window);
        return true;
    })) << "the run ended before the window was closed";
    ASSERT_TRUE(waitForClose(window));
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(session.dialog()) != FALSE; }));
    EXPECT_EQ(resultsWindow(session.processId()), nullptr);
    const std::string log = readFile(session.folder().path() + L"\\trackingLog.txt");
    EXPECT_EQ(log.find("Tracked folders which were read\r\n"), 0u);
    EXPECT_EQ(log.find("\\work\\sub\\"), std::string::npos);

    // Closed while held.
    window = beginBigSearch(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(stopWhileRunning(window));
    closeWindow(window);
    ASSERT_TRUE(waitForClose(window));
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(session.dialog()) != FALSE; }));

    // The query dialog kept everything, and the next search runs to its end.
    EXPECT_EQ(listItems(session.dialog(), query::folderList), entries);
    EXPECT_EQ(windowText(control(session.dialog(), query::findText)), L"hit");
    ASSERT_TRUE(showFolderList(session.dialog(), false));
    ASSERT_TRUE(deleteAllFolders(session.dialog()));
    ASSERT_FALSE(addFolder(session.processId(), session.dialog(), work).empty());
    SearchSetup setup;
    setup.findText = L"fig";
    EXPECT_EQ(search(session, setup).lines, (Lines{entries[1] + L"fig.txt"}));

    closeWindow(session.dialog());
    const std::optional<DWORD> exitCode = session.program().waitExit();
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_EQ(*exitCode, 0u);
}

} // namespace
} // namespace e2e
