// "&Help" shows the program's help text in a message box of its own.
#include "session.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

const wchar_t* const helpLines[] = {
    L"Program searches for files and folders",
    L"boolean searches with '*' (AND) or '|' (OR)",
    L"... used only with part of name searches",
    L"Part of name: search for part of a file or folder name",
    L"... can include extension (with period)",
    L"... can also include a boolean search such as: 'HR' * 'Block'",
    L"Exact name: search for exact file or folder name",
    L"... the exact name may or may not include the extension",
    L"Exact word: search for file or folder with exact word in name",
    L"Files: checked to search for files",
    L"Folders: checked to search for folders",
    L"File sizes: include file sizes in Kilobytes",
    L"File dates: include last date that file was modified",
    L"Add folders to list for searching",
    L"Delete folders from searching list",
    L"Track folders searched: use when medium may be corrupted",
    L"Begin search button beins the search for all file/folder matches,",
    L"listing them as they are found on a new screen",
    L"Stop button is used to stop and Continue the search as desired.",
    L"Enter or Double clicking a found file displays it in Explorer",
    L"... another double click executes a program associated with it",
    L"... ESC or ALT+F4 closes files opened from Explorer and returns",
    L"to the found list screen where the search can be resumed.",
    L"System Exit closes the found list screen and stops bkgd searching",
};
static_assert(sizeof(helpLines) / sizeof(helpLines[0]) == 24, "the help text has 24 lines");

TEST(HelpBox, ShowsTheHelpTextWithoutBlockingTheDialog) {
    Session session;
    const HWND dialog = session.dialog();
    ASSERT_NE(dialog, nullptr);
    click(dialog, query::help);
    const HWND box = waitForOtherDialog(session.processId(), dialog);
    ASSERT_NE(box, nullptr);

    EXPECT_EQ(windowText(box), L"Program Help");
    std::wstring expected;
    for (const wchar_t* line : helpLines) {
        expected += line;
        expected += L"\r\n";
    }
    expected += L"\r\n";
    EXPECT_EQ(messageBoxText(box), expected);
    EXPECT_EQ(messageBoxButtons(box), std::vector<int>{IDOK});
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_TRUE(IsWindowEnabled(dialog));

    EXPECT_TRUE(pressMessageBoxButton(box, IDOK));
    EXPECT_TRUE(IsWindow(dialog));
}

} // namespace
} // namespace e2e
