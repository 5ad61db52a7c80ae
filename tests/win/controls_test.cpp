#include <gtest/gtest.h>

#include <string>

#include "win_test_support.h"
#include "winlayer/controls.h"
#include "winlayer/dialogs.h"

namespace {

using winlayer::ControlKind;

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog =
            winlayer::createDialog(winlayer::Units::DialogUnits, nullptr, winlayer::DefaultPosition,
                                   winlayer::DefaultPosition, 200, 150, 0, 0, "Controls");
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override { DestroyWindow(dialog); }

    DWORD style(int id) const {
        return static_cast<DWORD>(GetWindowLongPtrW(GetDlgItem(dialog, id), GWL_STYLE));
    }
    DWORD exStyle(int id) const {
        return static_cast<DWORD>(GetWindowLongPtrW(GetDlgItem(dialog, id), GWL_EXSTYLE));
    }

    HWND dialog = nullptr;
};

TEST_F(ControlsTest, CallerStyledListBoxKeepsItsBorderAndIsNeitherSortedNorATabStop) {
    ASSERT_NE(winlayer::addControl(ControlKind::ListBox, dialog, 10, "", 5, 5, 100, 50,
                                   WS_BORDER | WS_VSCROLL, WS_EX_CLIENTEDGE),
              nullptr);
    // The list box drops WS_VSCROLL itself while it has nothing to scroll.
    const DWORD s = style(10);
    EXPECT_EQ(s & (WS_CHILD | WS_VISIBLE | LBS_NOTIFY | WS_BORDER),
              static_cast<DWORD>(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | WS_BORDER));
    EXPECT_FALSE(s & LBS_SORT);
    EXPECT_FALSE(s & WS_TABSTOP);
    EXPECT_TRUE(exStyle(10) & WS_EX_CLIENTEDGE);
}

TEST_F(ControlsTest, DefaultTextBoxAndListBoxGetASunkenEdgeInsteadOfABorder) {
    winlayer::addControl(ControlKind::TextBox, dialog, 11, "", 5, 5, 100, 12, 0, 0);
    winlayer::addControl(ControlKind::ListBox, dialog, 12, "", 5, 20, 100, 50, 0, 0);
    EXPECT_FALSE(style(11) & WS_BORDER);
    EXPECT_TRUE(style(11) & WS_TABSTOP);
    EXPECT_TRUE(style(11) & ES_AUTOHSCROLL);
    EXPECT_TRUE(exStyle(11) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(style(12) & WS_BORDER);
    EXPECT_TRUE(style(12) & LBS_SORT);
    EXPECT_TRUE(exStyle(12) & WS_EX_CLIENTEDGE);
}

TEST(ControlStyles, KindBitsAreAddedAndForeignBitsRemoved) {
    // A check box asked for with push-button and border bits is still an auto check box.
    const auto check = winlayer::controlStyles(ControlKind::CheckBox,
                                               WS_BORDER | WS_TABSTOP | BS_DEFPUSHBUTTON, 0);
    EXPECT_EQ(check.style & 0x0F, static_cast<DWORD>(BS_AUTOCHECKBOX));
    EXPECT_FALSE(check.style & WS_BORDER);
    EXPECT_TRUE(check.style & WS_TABSTOP);

    const auto option = winlayer::controlStyles(ControlKind::Option, WS_GROUP | WS_TABSTOP, 0);
    EXPECT_EQ(option.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP |
                                               BS_AUTORADIOBUTTON));

    const auto frame = winlayer::controlStyles(ControlKind::Frame, WS_TABSTOP, 0);
    EXPECT_FALSE(frame.style & WS_TABSTOP);
    EXPECT_EQ(frame.style & 0x0F, static_cast<DWORD>(BS_GROUPBOX));

    const auto button = winlayer::controlStyles(ControlKind::Button, 0, 0);
    EXPECT_EQ(button.style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    EXPECT_EQ(button.exStyle, 0u);
}

TEST_F(ControlsTest, PositionAndSizeAreInDialogUnits) {
    HWND control = winlayer::addControl(ControlKind::Button, dialog, 13, "B", 20, 30, 40, 14, 0, 0);
    RECT expected{20, 30, 60, 44};
    MapDialogRect(dialog, &expected);
    RECT actual{};
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
    EXPECT_EQ(SendMessageW(control, WM_GETFONT, 0, 0), SendMessageW(dialog, WM_GETFONT, 0, 0));

    winlayer::setControlSize(dialog, 13, 80, 28);
    RECT resized{};
    GetWindowRect(control, &resized);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&resized), 2);
    RECT expectedSize{0, 0, 80, 28};
    MapDialogRect(dialog, &expectedSize);
    EXPECT_EQ(resized.left, expected.left);
    EXPECT_EQ(resized.right - resized.left, expectedSize.right);
    EXPECT_EQ(resized.bottom - resized.top, expectedSize.bottom);
}

TEST_F(ControlsTest, TextRoundTripsInTheAnsiCodePage) {
    HWND box =
        winlayer::addControl(ControlKind::TextBox, dialog, 14, "caf\xE9", 5, 5, 100, 12, 0, 0);
    EXPECT_EQ(winlayer::getControlText(box), "caf\xE9");
    winlayer::setControlText(box, "");
    EXPECT_EQ(winlayer::getControlText(box), "");
    winlayer::setControlText(box, "\xC4pfel & N\xFC\x73se");
    EXPECT_EQ(winlayer::getControlText(box), "\xC4pfel & N\xFC\x73se");
    EXPECT_EQ(winlayer::controlHandle(dialog, 14), box);
}

TEST_F(ControlsTest, ListPositionsCountFromOne) {
    winlayer::addControl(ControlKind::ListBox, dialog, 15, "", 5, 5, 100, 80,
                         WS_BORDER | WS_VSCROLL, 0);
    EXPECT_EQ(winlayer::listAdd(dialog, 15, "zeta"), 1);
    EXPECT_EQ(winlayer::listAdd(dialog, 15, "alpha"), 2);
    EXPECT_EQ(winlayer::listAdd(dialog, 15, "\xE9t\xE9"), 3);
    EXPECT_EQ(winlayer::listSelected(dialog, 15, 1), 0);
    EXPECT_EQ(winlayer::listItemText(dialog, 15, 0), "");

    winlayer::listDelete(dialog, 15, 1);
    EXPECT_EQ(winlayer::sendToControl(dialog, 15, LB_GETCOUNT), 2);
    EXPECT_EQ(winlayer::listItemText(dialog, 15, 1), "alpha");
    EXPECT_EQ(winlayer::listItemText(dialog, 15, 2), "\xE9t\xE9");
    EXPECT_EQ(winlayer::listItemText(dialog, 15, 3), "");

    SendDlgItemMessageW(dialog, 15, LB_SETCURSEL, 1, 0);
    EXPECT_EQ(winlayer::listSelected(dialog, 15, 1), 2);
    EXPECT_EQ(winlayer::listSelected(dialog, 15, 3), 0);
    EXPECT_EQ(winlayer::listItemText(dialog, 15, 0), "\xE9t\xE9");

    winlayer::sendToControl(dialog, 15, LB_RESETCONTENT);
    EXPECT_EQ(winlayer::sendToControl(dialog, 15, LB_GETCOUNT), 0);
}

// A long list reserves room as it grows; every line stays where it was appended, with its text,
// on both sides of each point where it does so, and a sorted list still sorts.
TEST_F(ControlsTest, LongListsKeepEveryLineInPlace) {
    HWND list = winlayer::addControl(ControlKind::ListBox, dialog, 17, "", 5, 5, 100, 80,
                                     WS_BORDER | WS_VSCROLL, 0);
    const int lines = 4100;
    for (int i = 1; i <= lines; ++i) {
        ASSERT_EQ(winlayer::listAppend(list, "line " + std::to_string(i)), i);
    }
    EXPECT_EQ(winlayer::sendToControl(dialog, 17, LB_GETCOUNT), lines);
    for (const int position : {1, 1023, 1024, 1025, 2048, 2049, 4096, 4097, lines}) {
        EXPECT_EQ(winlayer::listItemText(dialog, 17, position), "line " + std::to_string(position));
    }

    HWND sorted = winlayer::addControl(ControlKind::ListBox, dialog, 18, "", 5, 5, 100, 80, 0, 0);
    for (int i = 1; i <= 1100; ++i) {
        winlayer::listAppend(sorted, "b" + std::to_string(100000 + i));
    }
    EXPECT_EQ(winlayer::listAppend(sorted, "a"), 1);
    EXPECT_EQ(winlayer::listItemText(dialog, 18, 1101), "b101100");
    EXPECT_EQ(winlayer::listAppend(nullptr, "x"), 0);
}

TEST_F(ControlsTest, SortedListReturnsTheSortedPosition) {
    winlayer::addControl(ControlKind::ListBox, dialog, 16, "", 5, 5, 100, 80, 0, 0);
    winlayer::listAdd(dialog, 16, "b");
    EXPECT_EQ(winlayer::listAdd(dialog, 16, "a"), 1);
}

TEST_F(ControlsTest, ChecksOptionsAndEnabling) {
    winlayer::addControl(ControlKind::CheckBox, dialog, 20, "Check", 5, 5, 60, 12, 0, 0);
    winlayer::addControl(ControlKind::Option, dialog, 21, "One", 5, 20, 60, 12,
                         WS_GROUP | WS_TABSTOP, 0);
    winlayer::addControl(ControlKind::Option, dialog, 22, "Two", 5, 35, 60, 12, 0, 0);
    EXPECT_EQ(winlayer::getCheck(dialog, 20), 0);
    winlayer::setCheck(dialog, 20, 1);
    EXPECT_EQ(winlayer::getCheck(dialog, 20), 1);

    winlayer::checkOption(dialog, 21, 22, 22);
    EXPECT_EQ(winlayer::getCheck(dialog, 21), 0);
    EXPECT_EQ(winlayer::getCheck(dialog, 22), 1);
    winlayer::checkOption(dialog, 21, 22, 21);
    EXPECT_EQ(winlayer::getCheck(dialog, 21), 1);
    EXPECT_EQ(winlayer::getCheck(dialog, 22), 0);

    winlayer::enableControl(dialog, 20, false);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 20)));
    EXPECT_EQ(winlayer::getCheck(dialog, 20), 1);
    winlayer::enableControl(dialog, 20, true);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 20)));
    winlayer::enableControl(dialog, winlayer::DialogItself, false);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    winlayer::enableControl(dialog, winlayer::DialogItself, true);
    EXPECT_TRUE(IsWindowEnabled(dialog));
}

TEST_F(ControlsTest, ControlColoursAnswerTheColourMessages) {
    winlayer::addControl(ControlKind::Label, dialog, 30, "Status", 5, 5, 60, 12, 0, 0);
    HWND label = GetDlgItem(dialog, 30);
    HDC dc = GetDC(label);

    winlayer::setControlColor(dialog, 30, 0x0000FF, winlayer::SystemColor);
    const LRESULT brush = SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(0x0000FF));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));

    winlayer::setControlColor(dialog, 30, 0x7F008000, 0x00FFFF);
    const LRESULT solid = SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(0x008000));
    EXPECT_EQ(GetBkColor(dc), static_cast<COLORREF>(0x00FFFF));
    LOGBRUSH description{};
    ASSERT_NE(solid, 0);
    GetObjectW(reinterpret_cast<HGDIOBJ>(solid), sizeof(description), &description);
    EXPECT_EQ(description.lbColor, static_cast<COLORREF>(0x00FFFF));

    winlayer::setControlColor(dialog, 30, -5, winlayer::TransparentBackground);
    const LRESULT none = SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(none, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    ReleaseDC(label, dc);
}

TEST_F(ControlsTest, OperationsOnAMissingControlDoNothing) {
    EXPECT_EQ(winlayer::controlHandle(dialog, 999), nullptr);
    EXPECT_EQ(winlayer::listAdd(dialog, 999, "x"), 0);
    EXPECT_EQ(winlayer::listSelected(dialog, 999, 1), 0);
    EXPECT_EQ(winlayer::listItemText(dialog, 999, 1), "");
    EXPECT_EQ(winlayer::getCheck(dialog, 999), 0);
    winlayer::setControlColor(dialog, 999, 0xFF, 0xFF);
    winlayer::focusControl(dialog, 999);
    EXPECT_EQ(winlayer::getControlText(nullptr), "");
}

} // namespace
