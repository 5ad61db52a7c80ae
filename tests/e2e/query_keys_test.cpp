// Real key presses in the query dialog: the tab order, and the match-mode radio buttons
// following what is typed into the Find box.
#include "session.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

// Clicks into the Find box with the mouse, which also activates the dialog.
::testing::AssertionResult focusFindBox(HWND dialog) {
    if (!clickMouse(control(dialog, query::findText)) ||
        !waitUntil([&] { return focusedId(dialog) == query::findText; })) {
        return ::testing::AssertionFailure() << "could not click into the Find box";
    }
    return ::testing::AssertionSuccess();
}

// Presses one key and waits until the focus has moved off the control that had it.
int focusAfterKey(HWND dialog, const std::string& key) {
    const int before = focusedId(dialog);
    if (!pressKeys(dialog, {key})) {
        return -1;
    }
    waitUntil([&] { return focusedId(dialog) != before; });
    return focusedId(dialog);
}

// Every radio button is created with a tab stop, but checking one moves the tab stop of its
// group to it, so Tab visits only the selected radio button of each pair.
TEST(QueryDialogKeys, TabVisitsTheTabStopsInCreationOrder) {
    Session session;
    const HWND dialog = session.dialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(focusFindBox(dialog));

    std::vector<int> visited;
    for (int i = 0; i < 12; ++i) {
        visited.push_back(focusAfterKey(dialog, "Tab"));
    }
    const std::vector<int> expected = {query::partOfName, query::files,     query::folders,
                                       query::fileSizes,  query::fileDates, query::showSearch,
                                       query::add,        query::del,       query::begin,
                                       query::help,       query::track,     query::findText};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(focusAfterKey(dialog, "shift+Tab"), query::track);
}

TEST(QueryDialogKeys, OperatorInFindTextForcesPartOfNameUntilRemoved) {
    Session session;
    const HWND dialog = session.dialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(clickAndReturn(dialog, query::exactName));
    ASSERT_EQ(checkState(dialog, query::exactName), BST_CHECKED);
    ASSERT_TRUE(focusFindBox(dialog));

    ASSERT_TRUE(pressKeys(dialog, {"a", "asterisk", "b"}));
    ASSERT_TRUE(waitUntil([&] { return windowText(control(dialog, query::findText)) == L"a*b"; }))
        << windowText(control(dialog, query::findText));
    EXPECT_EQ(checkState(dialog, query::partOfName), BST_CHECKED);
    EXPECT_EQ(checkState(dialog, query::exactName), BST_UNCHECKED);
    EXPECT_FALSE(isEnabled(dialog, query::exactName));

    ASSERT_TRUE(pressKeys(dialog, {"Left", "BackSpace"}));
    ASSERT_TRUE(waitUntil([&] { return windowText(control(dialog, query::findText)) == L"ab"; }))
        << windowText(control(dialog, query::findText));
    EXPECT_TRUE(isEnabled(dialog, query::exactName));
    EXPECT_EQ(checkState(dialog, query::partOfName), BST_CHECKED);
    EXPECT_EQ(checkState(dialog, query::exactName), BST_UNCHECKED);
}

TEST(QueryDialogKeys, AccessKeysPressTheirButtonsAndEscapeIsIgnored) {
    Session session;
    const HWND dialog = session.dialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(focusFindBox(dialog));

    // Keys are handled in order: once the help box is up, Escape has been handled too.
    ASSERT_TRUE(pressKeys(dialog, {"Escape", "alt+h"}));
    const HWND help = waitForOtherDialog(session.processId(), dialog);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(windowText(help), L"Program Help");
    EXPECT_TRUE(IsWindow(dialog));
    ASSERT_TRUE(pressMessageBoxButton(help));

    ASSERT_TRUE(pressKeys(dialog, {"alt+a"}));
    const HWND browser = waitForOtherDialog(session.processId(), dialog);
    ASSERT_NE(browser, nullptr);
    bool titled = false;
    for (const Control& c : childControls(browser)) {
        titled = titled || c.text == L"Choose folder to search";
    }
    EXPECT_TRUE(titled) << "the folder browser does not show its title text";
    ASSERT_TRUE(pressMessageBoxButton(browser, IDCANCEL));
    EXPECT_EQ(listItems(dialog, query::folderList), std::vector<std::wstring>{L"C:\\"});
}

} // namespace
} // namespace e2e
