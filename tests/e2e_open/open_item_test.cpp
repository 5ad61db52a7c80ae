// Opening a found item with a real double-click: what the explorer is started with, and what
// opens nothing.
#include "open_fixture.h"

namespace e2e {
namespace {

using Lines = std::vector<std::wstring>;

class OpenItem : public OpenFixture {};

TEST_F(OpenItem, DoubleClickDuringTheRunStartsTheExplorerWithTheWholeLine) {
    ASSERT_FALSE(program().empty());
    ManyEntriesTree tree;
    Session session(L"", SW_SHOWNORMAL, program());
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {tree.bigFolder()}), Lines{tree.bigFolder() + L"\\"});
    SearchSetup setup;
    setup.findText = L"hit";
    setup.sizes = true;
    setup.dates = true;
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    const Lines found = tree.foundLines();

    HWND window = begin(session);
    ASSERT_NE(window, nullptr);
    const HWND list = control(window, results::list);
    ASSERT_TRUE(waitForCount(window, 3));
    POINT second{};
    POINT third{};
    ASSERT_TRUE(listItemPoint(list, 1, second) && listItemPoint(list, 2, third));
    // A single click only selects; the double-click after it opens its own line, sizes and
    // dates included.
    ASSERT_TRUE(whileRunning(window, [&] { return clickAt(second) && clickAt(third, 2); }))
        << "the run ended before the double-click";
    ASSERT_TRUE(waitForCalls(session, 1));
    EXPECT_EQ(explorerCalls(session), Lines{explorerCommand(found[2])});

    // The run went on to the same list.
    ASSERT_TRUE(waitDone(window, 120000));
    EXPECT_EQ(listItems(window, results::list), found);
    ASSERT_TRUE(exitResults(window, session.dialog()));
}

TEST_F(OpenItem, NoneFoundOpensNothing) {
    ASSERT_FALSE(program().empty());
    SmallSearch small;
    ASSERT_TRUE(small.ready);
    setText(small.session.dialog(), query::findText, L"nowhere");
    HWND window = beginAndWait(small.session);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(listItems(window, results::list), Lines{L"None found"});
    ASSERT_TRUE(clickListItem(control(window, results::list), 0, 2));
    ASSERT_TRUE(pressKeys(window, {"Return"}));
    // Input is handled in order: once "&Exit" has closed the window, the double-click and
    // Enter have been handled too.
    ASSERT_TRUE(clickMouse(control(window, results::run)));
    ASSERT_TRUE(waitForClose(window));
    EXPECT_EQ(explorerCalls(small.session), Lines{});
}

} // namespace
} // namespace e2e
