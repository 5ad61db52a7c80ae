#include <gtest/gtest.h>

#include "win_test_support.h"
#include "winlayer/dialogs.h"
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

// A window whose WM_APP changes the pointer, as a handled message may.
LRESULT CALLBACK changesPointer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The busy pointer is asked for at every entry of the walk; it must be set again whenever a
// handled message may have changed it, and also after a direct change through setPointer.
TEST(SetPointer, SetsItAgainAfterAMessageChangedIt) {
    const HCURSOR wait = LoadCursorW(nullptr, MAKEINTRESOURCEW(32514));
    const HCURSOR arrow = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = changesPointer;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"SetPointerTestWindow";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowW(windowClass.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 10, 10,
                                      nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    winlayer::setPointer(winlayer::WaitPointer);
    winlayer::setPointer(winlayer::WaitPointer);
    ASSERT_EQ(GetCursor(), wait);
    PostMessageW(window, WM_APP, 0, 0);
    for (int tries = 0; tries < 100 && GetCursor() != arrow; ++tries) {
        winlayer::pumpOneMessage(0);
    }
    ASSERT_EQ(GetCursor(), arrow);
    EXPECT_EQ(winlayer::setPointer(winlayer::WaitPointer), arrow);
    EXPECT_EQ(GetCursor(), wait);

    winlayer::setPointer(reinterpret_cast<INT_PTR>(arrow));
    winlayer::setPointer(winlayer::WaitPointer);
    EXPECT_EQ(GetCursor(), wait);
    DestroyWindow(window);
}

} // namespace
