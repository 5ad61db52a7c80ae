// Showing a finished or running search as found, by size and by date.
#include "search_driver.h"

#include <gtest/gtest.h>

#include <memory>

#include "winlayer/sort_with_tags.h"

namespace e2e {
namespace {

using Lines = std::vector<std::wstring>;

// The lines in the order that the program's quicksort gives for their keys.
Lines quicksorted(const Lines& lines, std::int32_t (*key)(const std::wstring&)) {
    std::vector<std::int32_t> keys;
    std::vector<std::int32_t> tags;
    for (const std::wstring& line : lines) {
        keys.push_back(key(line));
        tags.push_back(static_cast<std::int32_t>(tags.size()) + 1);
    }
    winlayer::sortWithTags(keys, tags, static_cast<int>(lines.size()), false);
    Lines ordered;
    for (std::int32_t tag : tags) {
        ordered.push_back(lines[static_cast<size_t>(tag) - 1]);
    }
    return ordered;
}

Lines bySize(const Lines& lines) {
    return quicksorted(lines, ManyEntriesTree::sizeKey);
}

Lines byDate(const Lines& lines) {
    return quicksorted(lines, ManyEntriesTree::dateKey);
}

class ResultOrder : public testing::Test {
protected:
    static void SetUpTestSuite() { tree = std::make_unique<ManyEntriesTree>(); }
    static void TearDownTestSuite() { tree.reset(); }

    static constexpr DWORD runTimeoutMs = 120000;
    static std::unique_ptr<ManyEntriesTree> tree;

    // A session searching the tree for "hit" with sizes and dates.
    struct Searching {
        Session session;
        Lines expected;
        bool ready = false;
        Searching() {
            if (useSearchFolders(session, {tree->bigFolder()}) !=
                Lines{tree->bigFolder() + L"\\"}) {
                return;
            }
            expected = tree->foundLines();
            SearchSetup setup;
            setup.findText = L"hit";
            setup.sizes = true;
            setup.dates = true;
            ready = applySetup(session.dialog(), setup);
        }
    };

    static HWND beginAndWaitForFirstLine(const Session& session) {
        HWND window = begin(session);
        return window != nullptr && waitForCount(window, 1) ? window : nullptr;
    }

    static Lines choose(HWND window, int id) {
        clickAndReturn(window, id);
        return listItems(window, results::list);
    }
};

std::unique_ptr<ManyEntriesTree> ResultOrder::tree;

TEST_F(ResultOrder, AfterTheRunEachChoiceRefillsTheListInItsOrder) {
    Searching searching;
    ASSERT_TRUE(searching.ready);
    HWND window = begin(searching.session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    const Lines& found = searching.expected;
    ASSERT_EQ(listItems(window, results::list), found);

    const Lines sizes = choose(window, results::bySize);
    EXPECT_EQ(sizes, bySize(found));
    // Folders first, then files from the smallest; equal sizes are not in found order.
    EXPECT_EQ(sizes.front().back(), L'\\');
    EXPECT_NE(sizes, found);
    EXPECT_EQ(checkState(window, results::bySize), BST_CHECKED);
    EXPECT_EQ(choose(window, results::byDate), byDate(found));
    EXPECT_EQ(choose(window, results::asFound), found);
    EXPECT_EQ(choose(window, results::bySize), sizes);
    EXPECT_EQ(choose(window, results::bySize), sizes);
    EXPECT_EQ(windowText(control(window, results::count)),
              L" " + std::to_wstring(found.size()) + L" items found");
    ASSERT_TRUE(exitResults(window, searching.session.dialog()));

    // With nothing found, any choice only empties the list.
    SearchSetup none;
    none.findText = L"nowhere";
    none.sizes = true;
    none.dates = true;
    ASSERT_TRUE(applySetup(searching.session.dialog(), none));
    window = begin(searching.session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    ASSERT_EQ(listItems(window, results::list), Lines{L"None found"});
    EXPECT_EQ(choose(window, results::bySize), Lines{});
    EXPECT_EQ(choose(window, results::asFound), Lines{});
    ASSERT_TRUE(exitResults(window, searching.session.dialog()));
}

TEST_F(ResultOrder, StopSortContinueAppendsAndTheNextStopSortsAllItems) {
    Searching searching;
    ASSERT_TRUE(searching.ready);
    const Lines& found = searching.expected;
    HWND window = beginAndWaitForFirstLine(searching.session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(stopWhileRunning(window)) << "the run ended before it could be stopped";
    const size_t firstStop = listItems(window, results::list).size();
    const Lines firstFound(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(firstStop));
    const Lines firstSorted = choose(window, results::bySize);
    EXPECT_EQ(firstSorted, bySize(firstFound));

    ASSERT_TRUE(clickAndReturn(window, results::run));
    ASSERT_TRUE(waitForCount(window, firstStop + 1));
    ASSERT_TRUE(stopWhileRunning(window)) << "the run ended before it could be stopped again";
    // Lines found after "&Continue" were appended in found order; the mark stayed.
    const Lines held = listItems(window, results::list);
    const Lines secondFound(found.begin(),
                            found.begin() + static_cast<std::ptrdiff_t>(held.size()));
    Lines appended = firstSorted;
    appended.insert(appended.end(), secondFound.begin() + static_cast<std::ptrdiff_t>(firstStop),
                    secondFound.end());
    EXPECT_EQ(held, appended);
    EXPECT_EQ(checkState(window, results::bySize), BST_CHECKED);

    EXPECT_EQ(choose(window, results::bySize), bySize(secondFound));
    EXPECT_EQ(choose(window, results::asFound), secondFound);
    ASSERT_TRUE(clickAndReturn(window, results::run));
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    EXPECT_EQ(listItems(window, results::list), found);
    ASSERT_TRUE(exitResults(window, searching.session.dialog()));
}

// Every entry matches, so the entry that the walk tests after taking "&Stop" is listed after
// the snapshot: a choice while held still shows it, and the run ends with every line.
TEST_F(ResultOrder, AChoiceWhileHeldKeepsTheLineFoundAsStopCame) {
    TempFolder root;
    const std::wstring every = root.makeFolder(L"Every");
    Lines found;
    for (int i = 1; i <= 2000; ++i) {
        const std::wstring name = L"m" + std::to_wstring(10000 + i) + L".txt";
        root.makeFile(L"Every\\" + name);
        found.push_back(every + L"\\" + name);
    }
    Session session;
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {every}), Lines{every + L"\\"});
    SearchSetup setup;
    setup.findText = L"m";
    setup.folders = false;
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    HWND window = beginAndWaitForFirstLine(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(stopWhileRunning(window)) << "the run ended before it could be stopped";
    const Lines held = listItems(window, results::list);
    ASSERT_LT(held.size(), found.size());
    EXPECT_EQ(held, Lines(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(held.size())));
    EXPECT_EQ(choose(window, results::asFound), held);
    EXPECT_EQ(horizontalExtent(window), extentFor(held));
    ASSERT_TRUE(clickAndReturn(window, results::run));
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    EXPECT_EQ(listItems(window, results::list), found);
    ASSERT_TRUE(exitResults(window, session.dialog()));
}

TEST_F(ResultOrder, ChoicesWhileTheRunGoesOnDropNoLine) {
    Searching searching;
    ASSERT_TRUE(searching.ready);
    const Lines& found = searching.expected;
    HWND window = beginAndWaitForFirstLine(searching.session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(pressWhileRunning(window, results::bySize))
        << "the run ended before a choice could be made during it";
    ASSERT_TRUE(waitUntil([&] { return checkState(window, results::bySize) == BST_CHECKED; }));
    const size_t shown = shownCount(window);
    ASSERT_TRUE(waitForCount(window, shown + 1));
    ASSERT_TRUE(pressWhileRunning(window, results::byDate))
        << "the run ended before the second choice";
    ASSERT_TRUE(waitDone(window, runTimeoutMs));
    // The end of the run changes no order: the lines after the last choice are appended.
    EXPECT_EQ(sorted(listItems(window, results::list)), sorted(found));
    EXPECT_EQ(choose(window, results::asFound), found);
    EXPECT_EQ(choose(window, results::byDate), byDate(found));
    ASSERT_TRUE(exitResults(window, searching.session.dialog()));
}

} // namespace
} // namespace e2e
