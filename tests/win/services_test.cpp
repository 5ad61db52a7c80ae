#include <gtest/gtest.h>

#include "win_test_support.h"
#include "winlayer/error_text.h"
#include "winlayer/services.h"

namespace {

TEST(MessageBoxService, EmptyTitleShowsTheDefaultCaption) {
    wintest::SeenMessageBox seen;
    wintest::answerNextMessageBox(seen);
    EXPECT_EQ(winlayer::messageBox("Something happened", MB_OK, ""), IDOK);
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.caption, winlayer::defaultCaption);
    EXPECT_EQ(seen.text, "Something happened");
    EXPECT_FALSE(seen.hasOwner);
}

TEST(MessageBoxService, GivenTitleAndAnsiText) {
    wintest::SeenMessageBox seen;
    wintest::answerNextMessageBox(seen);
    winlayer::messageBox("R\xE9sum\xE9 missing", MB_OK | MB_ICONHAND, "Caption \xE9");
    ASSERT_TRUE(seen.seen);
    EXPECT_EQ(seen.caption, "Caption \xE9");
    EXPECT_EQ(seen.text, "R\xE9sum\xE9 missing");
}

TEST(StartProcess, WaitingGivesTheExitCode) {
    int error = winlayer::NoError;
    EXPECT_EQ(winlayer::startProcess("cmd.exe /c exit 7", SW_HIDE, true, &error), 7u);
    EXPECT_EQ(error, winlayer::NoError);
}

TEST(StartProcess, NotWaitingGivesTheProcessId) {
    const DWORD id = winlayer::startProcess("cmd.exe /c exit 0", SW_HIDE, false);
    EXPECT_NE(id, 0u);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (process) {
        WaitForSingleObject(process, INFINITE);
        CloseHandle(process);
    }
}

TEST(StartProcess, AMissingProgramRecordsTheErrorNumber) {
    int error = winlayer::NoError;
    EXPECT_EQ(winlayer::startProcess("no-such-program-xq7.exe", SW_HIDE, true, &error), 0u);
    EXPECT_EQ(error, winlayer::FileNotFoundError);
}

TEST(SetPointer, ReturnsThePreviousCursor) {
    winlayer::setPointer(winlayer::ArrowPointer);
    const HCURSOR arrow = GetCursor();
    EXPECT_EQ(winlayer::setPointer(winlayer::WaitPointer), arrow);
    const HCURSOR wait = GetCursor();
    EXPECT_NE(wait, arrow);
    EXPECT_EQ(wait, LoadCursorW(nullptr, MAKEINTRESOURCEW(32514)));
    EXPECT_EQ(winlayer::setPointer(reinterpret_cast<INT_PTR>(arrow)), wait);
    EXPECT_EQ(GetCursor(), arrow);
}

} // namespace
