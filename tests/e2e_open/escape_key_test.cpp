// The Escape check after an item was opened: which window in front it closes, and when it
// does nothing.
#include "front_window.h"
#include "open_fixture.h"

namespace e2e {
namespace {

using Lines = std::vector<std::wstring>;

class EscapeKey : public OpenFixture {};

// Focus moves from the list to "&Print", the last tab stop, with shift+Tab.
::testing::AssertionResult focusPrint(HWND window) {
    if (!pressKeys(window, {"shift+Tab"}) ||
        !waitUntil([&] { return focusedId(window) == results::print; })) {
        return ::testing::AssertionFailure() << "focus on " << focusedId(window);
    }
    return ::testing::AssertionSuccess();
}

TEST_F(EscapeKey, AfterAnOpenEscapeOffTheListClosesTheResultsWindowAndAbandonsTheRun) {
    ASSERT_FALSE(program().empty());
    ManyEntriesTree tree;
    Session session(L"", SW_SHOWNORMAL, program());
    ASSERT_NE(session.dialog(), nullptr);
    ASSERT_EQ(useSearchFolders(session, {tree.bigFolder()}).size(), 1u);
    SearchSetup setup;
    setup.findText = L"hit";
    ASSERT_TRUE(applySetup(session.dialog(), setup));
    HWND window = begin(session);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(waitForCount(window, 1));
    ASSERT_TRUE(stopWhileRunning(window)) << "the run ended before it could be stopped";
    const Lines held = listItems(window, results::list);

    // Before any open, Escape does nothing.
    ASSERT_TRUE(focusPrint(window));
    ASSERT_TRUE(pressKeys(window, {"Escape"}));
    letEscapeChecksRun();
    ASSERT_TRUE(IsWindow(window));

    ASSERT_TRUE(clickListItem(control(window, results::list), 0, 2));
    ASSERT_TRUE(waitForCalls(session, 1));
    EXPECT_EQ(explorerCalls(session), Lines{explorerCommand(held[0])});

    // With the list focused, Escape does nothing.
    ASSERT_EQ(focusedId(window), results::list);
    ASSERT_TRUE(pressKeys(window, {"Escape"}));
    letEscapeChecksRun();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(windowText(control(window, results::run)), L"&Continue");

    // With "&Print" focused, Escape closes the results window; the held run is abandoned and
    // the query dialog can be used again.
    ASSERT_TRUE(focusPrint(window));
    ASSERT_TRUE(pressKeys(window, {"Escape"}));
    ASSERT_TRUE(waitForClose(window));
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(session.dialog()) != FALSE; }));
    EXPECT_EQ(resultsWindow(session.processId()), nullptr);
}

TEST_F(EscapeKey, ClosesAWindowInFrontOnlyWhenItAppearedAfterTheOpen) {
    ASSERT_FALSE(program().empty());
    SmallSearch small;
    ASSERT_TRUE(small.ready);
    HWND window = beginAndWait(small.session);
    ASSERT_NE(window, nullptr);

    const FrontWindow before;
    ASSERT_NE(before.window(), nullptr);
    ASSERT_TRUE(clickListItem(control(window, results::list), 2, 2));
    ASSERT_TRUE(waitForCalls(small.session, 1));
    const FrontWindow after;
    ASSERT_NE(after.window(), nullptr);

    // Another program's window that was already there keeps its Escape to itself.
    ASSERT_TRUE(pressKeys(before.window(), {"Escape"}));
    letEscapeChecksRun();
    ASSERT_TRUE(IsWindow(before.window()));

    // A window that appeared after the open (as the explorer's window would) is closed.
    ASSERT_TRUE(pressKeys(after.window(), {"Escape"}));
    EXPECT_TRUE(waitForClose(after.window()));
    EXPECT_TRUE(IsWindow(before.window()));
    EXPECT_TRUE(IsWindow(window));
    ASSERT_TRUE(exitResults(window, small.session.dialog()));
}

} // namespace
} // namespace e2e
