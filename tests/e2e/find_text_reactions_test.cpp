// What "&Begin" does with a Find text it refuses or ignores: the message boxes, and what the
// Find box holds and where the focus is afterwards. No search may start in any of these cases.
#include "session.h"

#include <gtest/gtest.h>

#include <memory>

namespace e2e {
namespace {

class FindTextReactions : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session_ = std::make_unique<Session>(); }
    static void TearDownTestSuite() { session_.reset(); }

    void SetUp() override { ASSERT_NE(dialog(), nullptr) << "the query dialog did not appear"; }
    // A box left open by a failed test must not spoil the next one.
    void TearDown() override { closeOtherWindows(session_->processId(), dialog()); }

    static HWND dialog() { return session_->dialog(); }
    static std::wstring findText() { return windowText(control(dialog(), query::findText)); }

    // Presses "&Begin" and returns the box that opens.
    static HWND pressBegin() {
        click(dialog(), query::begin);
        return waitForOtherDialog(session_->processId(), dialog());
    }
    static HWND beginWith(const std::wstring& text) {
        setText(dialog(), query::findText, text);
        return pressBegin();
    }

    static std::unique_ptr<Session> session_;
};

std::unique_ptr<Session> FindTextReactions::session_;

TEST_F(FindTextReactions, PathIsRefusedAndOnlyTheNameIsKept) {
    const HWND box = beginWith(L"C:\\Windows\\Notepad.exe");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(windowText(box), L"Filename Error");
    EXPECT_EQ(messageBoxText(box), L"Path not permitted in file to find");
    EXPECT_EQ(messageBoxButtons(box), std::vector<int>{IDOK});
    // The Find box changes only once the message has been read.
    EXPECT_EQ(findText(), L"C:\\Windows\\Notepad.exe");
    ASSERT_TRUE(pressMessageBoxButton(box));

    EXPECT_TRUE(waitUntil([] { return findText() == L"notepad.exe"; })) << findText();
    EXPECT_TRUE(waitUntil([] { return focusedId(dialog()) == query::findText; }));
    EXPECT_EQ(topLevelWindows(session_->processId()), std::vector<HWND>{dialog()});
}

TEST_F(FindTextReactions, BackslashIsAPathErrorBeforeAnyFilterError) {
    const HWND box = beginWith(L"a\\b*c");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(windowText(box), L"Filename Error");
    EXPECT_EQ(messageBoxText(box), L"Path not permitted in file to find");
    ASSERT_TRUE(pressMessageBoxButton(box));

    EXPECT_TRUE(waitUntil([] { return findText() == L"b*c"; })) << findText();
    // The replacement text is handled like typed text: it holds an operator.
    EXPECT_EQ(checkState(dialog(), query::partOfName), BST_CHECKED);
    EXPECT_FALSE(isEnabled(dialog(), query::exactName));
    EXPECT_EQ(topLevelWindows(session_->processId()), std::vector<HWND>{dialog()});
}

TEST_F(FindTextReactions, IllegalFilterSelectsTheWholeText) {
    setText(dialog(), query::findText, L"a*b*c");
    // Whatever the radio pair shows, a text with an operator searches by part of name.
    setCheck(dialog(), query::partOfName, BST_UNCHECKED);
    setCheck(dialog(), query::exactName, BST_CHECKED);
    const HWND box = pressBegin();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(windowText(box), L"Filter error");
    EXPECT_EQ(messageBoxText(box), L"Illegal filter search");
    EXPECT_EQ(messageBoxButtons(box), std::vector<int>{IDOK});
    EXPECT_EQ(checkState(dialog(), query::partOfName), BST_CHECKED);
    EXPECT_EQ(checkState(dialog(), query::exactName), BST_UNCHECKED);
    ASSERT_TRUE(pressMessageBoxButton(box));

    EXPECT_TRUE(waitUntil([] { return focusedId(dialog()) == query::findText; }));
    const Selection selection = editSelection(dialog(), query::findText);
    EXPECT_EQ(selection.start, 0);
    EXPECT_EQ(selection.end, 5);
    EXPECT_EQ(findText(), L"a*b*c");
    EXPECT_EQ(topLevelWindows(session_->processId()), std::vector<HWND>{dialog()});
}

TEST_F(FindTextReactions, EmptyTextDoesNothing) {
    setText(dialog(), query::findText, L"");
    // A click that opened any box or window would not come back.
    EXPECT_TRUE(clickAndReturn(dialog(), query::begin, 5000));
    EXPECT_EQ(topLevelWindows(session_->processId()), std::vector<HWND>{dialog()});
    EXPECT_TRUE(IsWindowEnabled(dialog()));
}

} // namespace
} // namespace e2e
