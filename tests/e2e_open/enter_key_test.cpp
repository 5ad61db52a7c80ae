// The Enter key pressed for real: "&Begin" in the query dialog, opening the selected line in
// the results window.
#include "open_fixture.h"

namespace e2e {
namespace {

using Lines = std::vector<std::wstring>;

class EnterKey : public OpenFixture {};

TEST_F(EnterKey, EnterInTheFindBoxBeginsAndTheBoxKeepsEveryKey) {
    ASSERT_FALSE(program().empty());
    SmallSearch small;
    ASSERT_TRUE(small.ready);
    const HWND dialog = small.session.dialog();
    setText(dialog, query::findText, L"");
    ASSERT_TRUE(clickMouse(control(dialog, query::findText)));
    ASSERT_TRUE(waitUntil([&] { return focusedId(dialog) == query::findText; }));

    // The hook acts on the presses of "p", "l" and Enter; the box gets every one of them.
    ASSERT_TRUE(pressKeys(dialog, {"p", "l", "Return"}));
    HWND window = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (window = resultsWindow(small.session.processId())); }));
    ASSERT_TRUE(waitDone(window));
    EXPECT_EQ(listItems(window, results::list), (Lines{small.lines[1], small.lines[2]}));
    EXPECT_EQ(windowText(control(dialog, query::findText)), L"pl");
    ASSERT_TRUE(exitResults(window, dialog));
    EXPECT_EQ(explorerCalls(small.session), Lines{});
}

TEST_F(EnterKey, EnterOpensTheSelectedLineWhicheverControlHasTheFocus) {
    ASSERT_FALSE(program().empty());
    SmallSearch small;
    ASSERT_TRUE(small.ready);
    HWND window = beginAndWait(small.session);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(listItems(window, results::list), small.lines);
    const HWND list = control(window, results::list);
    ASSERT_EQ(focusedId(window), results::list);
    ASSERT_EQ(listSelection(window, results::list), -1);

    // No line selected: Enter opens nothing and leaves nothing pending for the next click.
    ASSERT_TRUE(pressKeys(window, {"Return"}));
    ASSERT_TRUE(clickListItem(list, 1));
    ASSERT_TRUE(waitUntil([&] { return listSelection(window, results::list) == 1; }));

    // By size and By date are disabled: Tab goes from the list to "As found" and then to the
    // run button.
    const std::vector<int> focusOrder = {results::list, results::asFound, results::run};
    for (size_t i = 0; i < focusOrder.size(); ++i) {
        if (i > 0) {
            ASSERT_TRUE(pressKeys(window, {"Tab"}));
            ASSERT_TRUE(waitUntil([&] { return focusedId(window) == focusOrder[i]; }))
                << "step " << i << ": focus on " << focusedId(window);
        }
        ASSERT_TRUE(pressKeys(window, {"Return"}));
        ASSERT_TRUE(waitForCalls(small.session, i + 1)) << explorerCalls(small.session).size();
    }
    EXPECT_EQ(explorerCalls(small.session), Lines(3, explorerCommand(small.lines[1])));
    // The key went on to the focused push button, which the dialog manager made the default
    // one: after the line was opened, "&Exit" was pressed.
    EXPECT_TRUE(waitForClose(window));
}

} // namespace
} // namespace e2e
