#include <gtest/gtest.h>

#include "win_test_support.h"
#include "winlayer/controls.h"
#include "winlayer/dialogs.h"
#include "winlayer/fonts.h"

namespace {

TEST(FontObjects, TheSameRequestGivesTheSameObject) {
    const winlayer::FontObject& first = winlayer::createFont("Courier New", 12, 0, 0);
    const winlayer::FontObject& again = winlayer::createFont("Courier New", 12, 0, 0);
    const winlayer::FontObject& bold =
        winlayer::createFont("Courier New", 12, winlayer::FontBold, 0);
    EXPECT_EQ(&first, &again);
    EXPECT_NE(&first, &bold);
    EXPECT_EQ(winlayer::createFont("x", 0, 0, 0).points, 8);
    EXPECT_EQ(winlayer::createFont(std::string(40, 'f'), 9, 0, 0).face.size(), 31u);
}

TEST(FontObjects, RealisedHeightFollowsTheDeviceResolution) {
    const winlayer::FontObject& font =
        winlayer::createFont("Arial", 12, winlayer::FontBold | winlayer::FontItalic, 0);
    HFONT at96 = winlayer::realiseFont(font, 96);
    HFONT at300 = winlayer::realiseFont(font, 300);
    ASSERT_NE(at96, nullptr);
    EXPECT_EQ(winlayer::realiseFont(font, 96), at96);
    LOGFONTW description{};
    GetObjectW(at96, sizeof(description), &description);
    EXPECT_EQ(description.lfHeight, -16);
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    EXPECT_TRUE(description.lfItalic);
    EXPECT_FALSE(description.lfUnderline);
    GetObjectW(at300, sizeof(description), &description);
    EXPECT_EQ(description.lfHeight, -50);
}

TEST(SetControlFont, TheControlUsesTheRealisedFont) {
    HWND dialog =
        winlayer::createDialog(winlayer::Units::DialogUnits, nullptr, winlayer::DefaultPosition,
                               winlayer::DefaultPosition, 100, 60, 0, 0, "Fonts");
    ASSERT_NE(dialog, nullptr);
    wintest::WindowGuard guard(dialog);
    winlayer::addControl(winlayer::ControlKind::Label, dialog, 5, "Count", 5, 5, 60, 20, 0, 0);
    const winlayer::FontObject& font = winlayer::createFont("Arial", 14, winlayer::FontBold, 0);
    winlayer::setControlFont(dialog, 5, font);
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(SendDlgItemMessageW(dialog, 5, WM_GETFONT, 0, 0),
              reinterpret_cast<LRESULT>(winlayer::realiseFont(font, pixelsPerInch)));
}

} // namespace
