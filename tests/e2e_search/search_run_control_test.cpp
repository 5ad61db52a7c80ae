// Stopping, continuing and closing a search while it runs over a large tree.
#include "search_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <optional>
#include <string>

namespace e2e {
namespace {

using Lines = std::vector<std::wstring>;

// Many entries and few matches: the walk takes a while, while each match (a list insertion)
// stays rare. The hits of each folder are one character wider than those of the folder before,
// so that lines found later are wider.
class RunControl : public testing::Test {
protected:
    static void SetUpTestSuite() {
        tree = std::make_unique<TempFolder>();
        const std::wstring big = lowerCase(tree->makeFolder(L"Big")) + L"\\";
        expectedLog = "Tracked folders which were read\r\n";
        for (int folder = 0; folder < folderCount; ++folder) {
            std::wstring name = std::to_wstring(1000 + folder);
            name[0] = L'd';
            expectedLog += narrow(big + name) + "\\\r\n";
            for (int file = 0; file < filesPerFolder; ++file) {
                const bool hit = file % hitStride == 0;
                const std::wstring leaf =
                    hit ? L"hit" + std::to_wstring(file) +
                              std::wstring(static_cast<size_t>(folder), L'w') + L".txt"
                        : L"e" + std::to_wstring(file) + L".txt";
                tree->makeFile(L"Big\\" + name + L"\\" + leaf);
                if (hit) {
                    expectedLines.push_back(big + name + L"\\" + leaf);
                }
            }
        }
    }
    static void TearDownTestSuite() { tree.reset(); }

    static std::wstring bigFolder() { return tree->path() + L"\\Big"; }
    static std::string log(const Session& session) {
        return readFile(session.folder().path() + L"\\trackingLog.txt");
    }

    static constexpr int folderCount = 160;
    static constexpr int filesPerFolder = 100;
    static constexpr int hitStride = 25;
    static constexpr int lineCount = folderCount * (filesPerFolder / hitStride);
    static constexpr DWORD runTimeoutMs = 120000;
    static std::unique_ptr<TempFolder> tree;
    // The log of a whole tracked search of Big, and the lines of a search for "hit", in walk
    // order (the hits of a folder are in name order).
    static std::string expectedLog;
    static Lines expectedLines;

    // Starts a search of the big tree once it is the only search folder; with waitForMatch,
    // waits for its first line.
    static HWND beginBigSearch(const Session& session, bool track = false,
                               const std::wstring& findText = L"hit") {
        SearchSetup setup;
        setup.findText = findText;
        setup.folders = false;
        setup.track = track;
        if (!applySetup(session.dialog(), setup)) {
            return nullptr;
        }
        HWND window = begin(session);
        return window != nullptr && (findText != L"hit" || waitForCount(window, 1)) ? window
                                                                                    : nullptr;
    }

    static bool press(HWND window, int id) { return clickAndReturn(window, id); }
};

std::unique_ptr<TempFolder> RunControl::tree;
std::string RunControl::expectedLog;
Lines RunControl::expectedLines;

TEST_F(RunControl, StopHoldsTheRunAndContinueFinishesTheSameList) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {bigFolder()}), (Lines{bigFolder() + L"\\"}));

    HWND window = beginBigSearch(session, true);
    ASSERT_NE(window, nullptr);
    // Running: the list can't be scrolled sideways yet, and the status is red.
    EXPECT_EQ(horizontalExtent(window), 0);
    LabelInk ink = statusInk(window);
    EXPECT_GT(ink.red, 0);
    EXPECT_EQ(ink.green, 0);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        // How long the running walk takes to find a few more lines: a hold that let the walk
        // go on could not stay unnoticed for several times as long.
        const ULONGLONG start = GetTickCount64();
        ASSERT_TRUE(waitForCount(window, shownCount(window) + 3));
        const DWORD span = std::max<DWORD>(300, 4 * static_cast<DWORD>(GetTickCount64() - start));

        ASSERT_TRUE(stopWhileRunning(window)) << "the run ended before it could be stopped";
        const ResultsView held = view(window);
        EXPECT_EQ(held.status, L"Stopped");
        EXPECT_EQ(focusedId(window), results::list);
        ASSERT_FALSE(held.lines.empty());
        ASSERT_LT(held.lines.size(), expectedLines.size());
        EXPECT_EQ(held.lines,
                  Lines(expectedLines.begin(),
                        expectedLines.begin() + static_cast<std::ptrdiff_t>(held.lines.size())));
        EXPECT_EQ(held.count, L" " + std::to_wstring(held.lines.size()) + L" items found");
        EXPECT_EQ(horizontalExtent(window), extentFor(held.lines));
        ink = statusInk(window);
        EXPECT_GT(ink.red, 0);
        EXPECT_EQ(ink.green, 0);
        // The log on disk is complete up to the folder of the last line found.
        const std::string heldLog = log(session);
        EXPECT_EQ(heldLog, expectedLog.substr(0, heldLog.size()));
        const std::wstring& last = held.lines.back();
        EXPECT_NE(heldLog.find(narrow(last.substr(0, last.rfind(L'\\') + 1)) + "\r\n"),
                  std::string::npos);
        // Held: the window answers, but nothing is added to the list or the log.
        EXPECT_FALSE(waitUntil(
            [&] { return log(session) != heldLog || view(window).lines != held.lines; }, span));
        EXPECT_EQ(windowText(control(window, results::count)), held.count);

        ASSERT_TRUE(press(window, results::run));
        EXPECT_EQ(windowText(control(window, results::run)), L"&Stop");
        EXPECT_EQ(windowText(control(window, results::status)), L"Please wait");
        // Lines of later folders, wider than any before, stay cut off until the next "&Stop".
        // Reading the whole list would let the walk run to its end meanwhile: the lines come
        // from the tree, and only the extent is asked while the run goes on.
        ASSERT_TRUE(waitForCount(window, held.lines.size() + filesPerFolder / hitStride + 1));
        const int extent = horizontalExtent(window);
        const size_t grown = shownCount(window);
        ASSERT_TRUE(running(window)) << "the run ended before its extent was read";
        EXPECT_GT(extentFor(Lines(expectedLines.begin(),
                                  expectedLines.begin() + static_cast<std::ptrdiff_t>(grown))),
                  extentFor(held.lines));
        EXPECT_EQ(extent, extentFor(held.lines));
    }
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    const ResultsView interrupted = view(window);
    EXPECT_EQ(interrupted.lines, expectedLines);
    EXPECT_EQ(interrupted.status, L"Done");
    EXPECT_EQ(interrupted.count, L" " + std::to_wstring(lineCount) + L" items found");
    EXPECT_EQ(horizontalExtent(window), extentFor(interrupted.lines));
    EXPECT_EQ(log(session), expectedLog);
    ink = statusInk(window);
    EXPECT_EQ(ink.red, 0);
    EXPECT_GT(ink.green, 0);
    ASSERT_TRUE(exitResults(window, session.dialog()));

    window = beginBigSearch(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    const ResultsView uninterrupted = view(window);
    ASSERT_TRUE(exitResults(window, session.dialog()));
    EXPECT_EQ(uninterrupted.lines.size(), static_cast<size_t>(lineCount));
    EXPECT_EQ(interrupted.lines, uninterrupted.lines);
}

// Held before anything was found: no snapshot is taken and the focus stays on the button.
TEST_F(RunControl, StopBeforeTheFirstMatchHoldsWithoutMovingTheFocus) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {bigFolder()}).size(), 1u);
    HWND window = beginBigSearch(session, false, L"nowhere");
    ASSERT_NE(window, nullptr);
    const HWND run = control(window, results::run);
    ASSERT_TRUE(whileRunning(window, [&] { return clickMouse(run); }))
        << "the run ended before it could be stopped";
    ASSERT_TRUE(waitUntil([&] { return !running(window); }));
    const ResultsView held = view(window);
    ASSERT_EQ(held.caption, L"&Continue");
    EXPECT_EQ(held.status, L"Stopped");
    EXPECT_TRUE(held.lines.empty());
    EXPECT_EQ(held.count, L"");
    EXPECT_EQ(focusedId(window), results::run);
    EXPECT_EQ(horizontalExtent(window), 0);
    closeWindow(window);
    ASSERT_TRUE(waitForClose(window));
}

size_t countIn(const std::wstring& text) {
    return static_cast<size_t>(std::wcstoul(text.c_str(), nullptr, 10));
}

// While lines are added, every read of the count label by a message is the list's count at
// that moment; held and done, the label reads the list's count with or without a message. (Its
// pixels after each showing are checked in-process, where a showing can be told apart.)
TEST_F(RunControl, TheCountLabelIsTheListsCountWheneverItIsRead) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {bigFolder()}).size(), 1u);
    const auto readsTheList = [](HWND window, const char* when) {
        SCOPED_TRACE(when);
        const HWND label = control(window, results::count);
        const std::wstring expected =
            L" " +
            std::to_wstring(SendMessageW(control(window, results::list), LB_GETCOUNT, 0, 0)) +
            L" items found";
        EXPECT_EQ(shownText(label), expected);
        EXPECT_EQ(windowText(label), expected);
    };

    HWND window = beginBigSearch(session);
    ASSERT_NE(window, nullptr);
    const HWND list = control(window, results::list);
    const HWND label = control(window, results::count);
    int reads = 0;
    int readsWhileGrowing = 0;
    while (running(window)) {
        const auto before = SendMessageW(list, LB_GETCOUNT, 0, 0);
        const auto read = static_cast<LRESULT>(countIn(windowText(label)));
        const auto after = SendMessageW(list, LB_GETCOUNT, 0, 0);
        EXPECT_LE(before, read);
        EXPECT_LE(read, after);
        ++reads;
        readsWhileGrowing += after > before ? 1 : 0;
        if (reads == 100) {
            ASSERT_TRUE(stopWhileRunning(window)) << "the run ended before it could be stopped";
            readsTheList(window, "held");
            ASSERT_TRUE(press(window, results::run));
        }
    }
    EXPECT_GT(readsWhileGrowing, 0) << "of " << reads << " reads";
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    readsTheList(window, "done");
    ASSERT_TRUE(exitResults(window, session.dialog()));
}

TEST_F(RunControl, AccessKeysPressTheRunButton) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {bigFolder()}).size(), 1u);
    HWND window = beginBigSearch(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(whileRunning(window, [&] { return pressKeys(window, {"alt+s"}); }))
        << "the run ended before it could be stopped";
    ASSERT_TRUE(waitUntil([&] { return !running(window); }));
    ASSERT_EQ(windowText(control(window, results::run)), L"&Continue");
    ASSERT_TRUE(pressKeys(window, {"alt+c"}));
    ASSERT_TRUE(
        waitUntil([&] { return windowText(control(window, results::status)) != L"Stopped"; }));
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    ASSERT_TRUE(pressKeys(window, {"alt+e"}));
    EXPECT_TRUE(waitForClose(window));
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(session.dialog()) != FALSE; }));
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
