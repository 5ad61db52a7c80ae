// What the results window shows on the screen while the list is drawn by time: a run whose
// window is covered, minimised and moved while it goes on still ends with every line drawn,
// and a line found just before "&Stop" is drawn while the run is held.
#include "search_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace e2e {
namespace {

using Lines = std::vector<std::wstring>;

// Many entries and few matches, all of which fit on the list's first page.
class Painting : public testing::Test {
protected:
    static void SetUpTestSuite() {
        tree = std::make_unique<TempFolder>();
        for (int folder = 0; folder < folderCount; ++folder) {
            const std::wstring prefix = L"Paint\\f" + std::to_wstring(folder + 10) + L"\\";
            for (int file = 0; file < filesPerFolder; ++file) {
                tree->makeFile(prefix + L"e" + std::to_wstring(file) + L".txt");
            }
            tree->makeFile(prefix + L"mark" + std::to_wstring(folder) + L".txt");
        }
    }
    static void TearDownTestSuite() { tree.reset(); }

    static constexpr int folderCount = 16;
    static constexpr int filesPerFolder = 1500;
    static constexpr DWORD runTimeoutMs = 120000;
    static std::unique_ptr<TempFolder> tree;

    // Below the search folder itself every line is lower case.
    static Lines expectedLines(const std::wstring& searchFolder) {
        Lines lines;
        for (int folder = 0; folder < folderCount; ++folder) {
            lines.push_back(lowerCase(searchFolder) + L"f" + std::to_wstring(folder + 10) +
                            L"\\mark" + std::to_wstring(folder) + L".txt");
        }
        return lines;
    }

    static LRESULT lineCount(HWND window) {
        return SendMessageW(control(window, results::list), LB_GETCOUNT, 0, 0);
    }
    // Waits until the list holds more than count lines or the run has ended.
    static bool waitForMoreLines(HWND window, LRESULT count) {
        return waitUntil([&] { return lineCount(window) > count || !running(window); },
                         runTimeoutMs);
    }
    // Every row the list holds is drawn on the screen; the list starts at its first line.
    static bool rowsShown(HWND window, int rows) {
        const HWND list = control(window, results::list);
        return waitUntil([&] {
            for (int row = 0; row < rows; ++row) {
                if (!listRowShowsText(list, row)) {
                    return false;
                }
            }
            return true;
        });
    }

    static HWND beginPaintSearch(const Session& session) {
        SearchSetup setup;
        setup.findText = L"mark";
        setup.folders = false;
        if (useSearchFolders(session, {tree->path() + L"\\Paint"}).size() != 1 ||
            !applySetup(session.dialog(), setup)) {
            return nullptr;
        }
        return begin(session);
    }
};

std::unique_ptr<TempFolder> Painting::tree;

// A window of the test's own, above everything, over the whole of window.
class Cover {
public:
    explicit Cover(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        cover_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, rect.left,
                                 rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
        UpdateWindow(cover_);
    }
    ~Cover() { DestroyWindow(cover_); }
    Cover(const Cover&) = delete;
    Cover& operator=(const Cover&) = delete;
    bool made() const { return cover_ != nullptr; }

private:
    HWND cover_;
};

TEST_F(Painting, ARunCoveredMinimisedAndMovedStillEndsWithEveryLineDrawn) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    const HWND window = beginPaintSearch(session);
    ASSERT_NE(window, nullptr);
    const std::wstring searchFolder = listItems(session.dialog(), query::folderList).at(0);

    {
        Cover cover(window);
        ASSERT_TRUE(cover.made());
        ASSERT_TRUE(waitForMoreLines(window, lineCount(window)));
    }
    ShowWindowAsync(window, SW_MINIMIZE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(window) != FALSE; }));
    ASSERT_TRUE(waitForMoreLines(window, lineCount(window)));
    ShowWindowAsync(window, SW_RESTORE);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(window) == FALSE; }));
    RECT before{};
    GetWindowRect(window, &before);
    SetWindowPos(window, nullptr, before.left + 40, before.top + 30, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    ASSERT_TRUE(waitUntil([&] {
        RECT now{};
        GetWindowRect(window, &now);
        return now.left == before.left + 40;
    }));

    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    const ResultsView done = view(window);
    EXPECT_EQ(done.lines, expectedLines(searchFolder));
    EXPECT_EQ(done.count, L" " + std::to_wstring(folderCount) + L" items found");
    EXPECT_TRUE(rowsShown(window, folderCount));
    ASSERT_TRUE(exitResults(window, session.dialog()));
}

TEST_F(Painting, TheLineFoundJustBeforeStopIsDrawnWhileHeld) {
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    const HWND window = beginPaintSearch(session);
    ASSERT_NE(window, nullptr);

    for (int round = 0; round < 2; ++round) {
        // Stopped as soon as a new line is in the list, well within the time between shows.
        ASSERT_TRUE(waitForCount(window, static_cast<size_t>(round) + 1, runTimeoutMs));
        ASSERT_TRUE(stopWhileRunning(window)) << "the run ended before round " << round;
        const LRESULT held = lineCount(window);
        ASSERT_GT(held, 0);
        EXPECT_TRUE(rowsShown(window, static_cast<int>(held)))
            << "lines held: " << held << " in round " << round;
        ASSERT_TRUE(clickAndReturn(window, results::run));
    }
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    EXPECT_TRUE(rowsShown(window, folderCount));
    ASSERT_TRUE(exitResults(window, session.dialog()));
}

} // namespace
} // namespace e2e
