#include <gtest/gtest.h>

#include <vector>

#include "win_test_support.h"
#include "winlayer/clock.h"
#include "winlayer/controls.h"
#include "winlayer/dialogs.h"

namespace {

using winlayer::DefaultPosition;
using winlayer::Units;

HWND makeDialog(HWND owner = nullptr, const std::string& title = "Layer test") {
    return winlayer::createDialog(Units::DialogUnits, owner, DefaultPosition, DefaultPosition, 200,
                                  100, 0, 0, title);
}

TEST(DialogCreation, DefaultPositionCentresTheDialogAndShowsItsTitle) {
    HWND dialog = makeDialog(nullptr, "Centred title");
    ASSERT_NE(dialog, nullptr);
    wintest::WindowGuard guard(dialog);

    EXPECT_EQ(wintest::windowText(dialog), "Centred title");
    EXPECT_FALSE(IsWindowVisible(dialog));
    RECT window{};
    GetWindowRect(dialog, &window);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int centreX = (window.left + window.right) / 2;
    const int centreY = (window.top + window.bottom) / 2;
    EXPECT_NEAR(centreX, (work.left + work.right) / 2, 2);
    EXPECT_NEAR(centreY, (work.top + work.bottom) / 2, 2);
}

TEST(DialogCreation, StyleRules) {
    HWND plain = makeDialog();
    ASSERT_NE(plain, nullptr);
    wintest::WindowGuard plainGuard(plain);
    const LONG_PTR plainStyle = GetWindowLongPtrW(plain, GWL_STYLE);
    EXPECT_TRUE(plainStyle & WS_POPUP);
    EXPECT_EQ(plainStyle & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(plainStyle & WS_VISIBLE);

    HWND given = winlayer::createDialog(Units::DialogUnits, nullptr, 10, 20, 200, 100,
                                        WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SYSMODAL, 0, "x");
    ASSERT_NE(given, nullptr);
    wintest::WindowGuard givenGuard(given);
    EXPECT_FALSE(IsWindowVisible(given));
    EXPECT_FALSE(GetWindowLongPtrW(given, GWL_EXSTYLE) & WS_EX_TOPMOST);
    // An explicit position is that of the client area, in dialog units of the dialog's font.
    RECT units{10, 20, 0, 0};
    MapDialogRect(given, &units);
    POINT client{0, 0};
    ClientToScreen(given, &client);
    EXPECT_EQ(client.x, units.left);
    EXPECT_EQ(client.y, units.top);
}

TEST(DialogCreation, DialogUnitsFollowTheDialogFont) {
    winlayer::setDialogFont("arial", 20, 0, 0);
    HWND large = makeDialog();
    winlayer::setDialogFont("arial", 10, 0, 0);
    HWND small = makeDialog();
    ASSERT_NE(large, nullptr);
    ASSERT_NE(small, nullptr);
    wintest::WindowGuard largeGuard(large);
    wintest::WindowGuard smallGuard(small);
    RECT largeClient{}, smallClient{};
    GetClientRect(large, &largeClient);
    GetClientRect(small, &smallClient);
    EXPECT_GT(largeClient.right, smallClient.right * 3 / 2);
}

TEST(DialogCreation, PixelUnitsGiveTheSizeInPixels) {
    HWND dialog = winlayer::createDialog(Units::Pixels, nullptr, 30, 40, 321, 123, 0, 0, "Pixels");
    ASSERT_NE(dialog, nullptr);
    wintest::WindowGuard guard(dialog);
    RECT window{};
    GetWindowRect(dialog, &window);
    EXPECT_EQ(window.left, 30);
    EXPECT_EQ(window.top, 40);
    EXPECT_EQ(window.right - window.left, 321);
    EXPECT_EQ(window.bottom - window.top, 123);
}

struct SeenMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool visible;
};
std::vector<SeenMessage> seen;

INT_PTR recordAndClose(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    seen.push_back({message, wParam, lParam, IsWindowVisible(window) != FALSE});
    if (message == WM_INITDIALOG) {
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return 0;
}

TEST(ShowModal, CallbackIsInitialisedBeforeTheDialogShowsAndNeverSeesActivation) {
    seen.clear();
    HWND dialog = makeDialog();
    ASSERT_NE(dialog, nullptr);
    INT_PTR result = 99;
    winlayer::showModal(dialog, recordAndClose, &result);

    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(result, 0);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_INITDIALOG));
    EXPECT_EQ(seen[0].wParam, reinterpret_cast<WPARAM>(dialog));
    EXPECT_EQ(seen[0].lParam, 0);
    EXPECT_FALSE(seen[0].visible);
    EXPECT_EQ(seen[1].message, static_cast<UINT>(WM_SIZE));
    EXPECT_EQ(seen[1].wParam, static_cast<WPARAM>(SIZE_RESTORED));
    EXPECT_GT(LOWORD(seen[1].lParam), 0);
    EXPECT_GT(HIWORD(seen[1].lParam), 0);
    EXPECT_FALSE(seen[1].visible);
    int initCount = 0;
    bool sawClose = false;
    bool sawDestroy = false;
    for (const SeenMessage& m : seen) {
        EXPECT_NE(m.message, static_cast<UINT>(WM_ACTIVATE));
        initCount += m.message == WM_INITDIALOG;
        sawClose = sawClose || m.message == WM_CLOSE;
        sawDestroy = sawDestroy || m.message == WM_DESTROY;
    }
    EXPECT_EQ(initCount, 1);
    EXPECT_TRUE(sawClose);
    EXPECT_TRUE(sawDestroy);
    EXPECT_EQ(winlayer::openDialogs(), 0);
}

HWND ownerSeenDisabled = nullptr;
bool ownerWasEnabledInside = true;

INT_PTR closeWhenShown(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    if (message == WM_CLOSE && ownerSeenDisabled) {
        ownerWasEnabledInside = IsWindowEnabled(ownerSeenDisabled) != FALSE;
    }
    return 0;
}

INT_PTR openNestedDialog(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        PostMessageW(window, WM_APP, 0, 0);
    }
    if (message == WM_APP) {
        HWND nested = makeDialog(window, "Nested");
        ownerSeenDisabled = window;
        winlayer::showModal(nested, closeWhenShown);
        EXPECT_TRUE(IsWindowEnabled(window));
        winlayer::endDialog(window, 7);
    }
    return 0;
}

TEST(ShowModal, ClosingANestedDialogReEnablesItsOwner) {
    HWND dialog = makeDialog();
    ASSERT_NE(dialog, nullptr);
    INT_PTR result = 0;
    ownerWasEnabledInside = true;
    winlayer::showModal(dialog, openNestedDialog, &result);
    EXPECT_FALSE(ownerWasEnabledInside);
    EXPECT_EQ(result, 7);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(winlayer::openDialogs(), 0);
}

std::vector<UINT> pumped;

LRESULT CALLBACK countingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_APP) {
        pumped.push_back(message);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeCountingWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = countingWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PumpCounter";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, L"PumpCounter", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(PumpOneMessage, HandlesOneMessageAtATime) {
    wintest::drainMessages();
    EXPECT_EQ(winlayer::pumpOneMessage(0), 0);

    HWND target = makeCountingWindow();
    ASSERT_NE(target, nullptr);
    wintest::WindowGuard guard(target);
    pumped.clear();
    PostMessageW(target, WM_APP + 1, 0, 0);
    PostMessageW(target, WM_APP + 2, 0, 0);
    PostMessageW(target, WM_APP + 3, 0, 0);
    // Past the moment for which the empty answer above is trusted.
    Sleep(2);

    winlayer::pumpOneMessage(0);
    ASSERT_EQ(pumped.size(), 1u);
    EXPECT_EQ(pumped[0], static_cast<UINT>(WM_APP + 1));
    winlayer::pumpOneMessage(0);
    winlayer::pumpOneMessage(0);
    ASSERT_EQ(pumped.size(), 3u);
    EXPECT_EQ(pumped[2], static_cast<UINT>(WM_APP + 3));
}

TEST(PumpOneMessage, TrustsAnEmptyQueueForAMillisecondAndLooksAgainAfterIt) {
    HWND target = makeCountingWindow();
    ASSERT_NE(target, nullptr);
    wintest::WindowGuard guard(target);
    wintest::drainMessages();
    pumped.clear();
    // Any earlier empty answer has gone stale, so this call looks and finds nothing.
    Sleep(2);
    const int64_t lookedFrom = winlayer::microsecondsNow();
    winlayer::pumpOneMessage(0);
    PostMessageW(target, WM_APP + 1, 0, 0);
    winlayer::pumpOneMessage(0);
    if (winlayer::microsecondsNow() - lookedFrom < 1000) {
        EXPECT_TRUE(pumped.empty()) << "a call within the millisecond does not look";
    }
    Sleep(2);
    winlayer::pumpOneMessage(0);
    ASSERT_EQ(pumped.size(), 1u);
    // After a message the queue is looked at again at once: a burst goes one per call.
    PostMessageW(target, WM_APP + 2, 0, 0);
    PostMessageW(target, WM_APP + 3, 0, 0);
    winlayer::pumpOneMessage(0);
    winlayer::pumpOneMessage(0);
    EXPECT_EQ(pumped, (std::vector<UINT>{WM_APP + 1, WM_APP + 2, WM_APP + 3}));
}

int clicksSeen = 0;

INT_PTR countClicksFromPump(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        winlayer::addControl(winlayer::ControlKind::Button, window, 300, "&Go", 10, 10, 40, 14, 0,
                             0);
        PostMessageW(window, WM_APP, 0, 0);
    }
    if (message == WM_COMMAND && LOWORD(wParam) == 300) {
        ++clicksSeen;
    }
    if (message == WM_APP) {
        // A long operation on this thread: the click is dispatched from inside the pump.
        PostMessageW(GetDlgItem(window, 300), BM_CLICK, 0, 0);
        for (int i = 0; i < 50 && clicksSeen == 0; ++i) {
            winlayer::pumpOneMessage(1);
        }
        winlayer::endDialog(window, 0);
    }
    return 0;
}

TEST(PumpOneMessage, DeliversButtonClicksToTheCallbackDuringALongOperation) {
    clicksSeen = 0;
    HWND dialog = makeDialog();
    ASSERT_NE(dialog, nullptr);
    winlayer::showModal(dialog, countClicksFromPump);
    EXPECT_EQ(clicksSeen, 1);
}

} // namespace
