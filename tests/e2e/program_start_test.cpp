// Program start and end: the query dialog comes up whatever the command line and show state,
// and closing it ends the process with exit code 0.
#include "session.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

TEST(ProgramStart, ClosingTheQueryDialogEndsWithExitCodeZero) {
    Session session;
    const HWND dialog = session.dialog();
    ASSERT_NE(dialog, nullptr);
    closeWindow(dialog);
    EXPECT_TRUE(waitForClose(dialog));
    const std::optional<DWORD> code = session.program().waitExit();
    ASSERT_TRUE(code.has_value()) << "the program did not end";
    EXPECT_EQ(*code, 0u);
}

TEST(ProgramStart, ArgumentsAndShowStateAreIgnored) {
    Session session(L"/s C:\\Windows --help", SW_HIDE);
    const HWND dialog = session.dialog();
    ASSERT_NE(dialog, nullptr) << "no visible query dialog";
    EXPECT_EQ(listItems(dialog, query::folderList), std::vector<std::wstring>{L"C:\\"});
    EXPECT_EQ(windowText(control(dialog, query::findText)), L"");
    closeWindow(dialog);
    const std::optional<DWORD> code = session.program().waitExit();
    ASSERT_TRUE(code.has_value()) << "the program did not end";
    EXPECT_EQ(*code, 0u);
}

} // namespace
} // namespace e2e
