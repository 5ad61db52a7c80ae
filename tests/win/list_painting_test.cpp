// When the results list and the count label draw what was added, read back from the pixels the
// controls have drawn: by time while a run goes on, at once when asked, normally while held or
// done, and nothing at all once the window is gone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "results/list_painting.h"
#include "results/results_ids.h"
#include "results/results_window.h"
#include "win_test_support.h"
#include "winlayer/controls.h"
#include "winlayer/dialogs.h"

namespace {

using results::IDC_COUNT;
using results::IDC_RESULT_LIST;
using winlayer::ControlKind;

// The pixels inside a rectangle of a window's client area (or, with frame, of the whole window),
// as the window has drawn them.
std::vector<COLORREF> pixelsIn(HWND window, RECT area, bool frame = false) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    std::vector<COLORREF> pixels;
    const HDC source = frame ? GetWindowDC(window) : GetDC(window);
    const HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* drawn = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        pixels.push_back(RGB(drawn[i].rgbRed, drawn[i].rgbGreen, drawn[i].rgbBlue));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return pixels;
}

// Dark pixels inside a rectangle of a window's client area.
int inkIn(HWND window, RECT area) {
    int ink = 0;
    for (const COLORREF pixel : pixelsIn(window, area)) {
        ink += GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 128 ? 1 : 0;
    }
    return ink;
}

std::vector<COLORREF> clientPixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return pixelsIn(window, client);
}

class ListPainting : public ::testing::Test {
protected:
    void SetUp() override {
        dialog =
            winlayer::createDialog(winlayer::Units::DialogUnits, nullptr, winlayer::DefaultPosition,
                                   winlayer::DefaultPosition, 400, 320, 0, 0, "Painting");
        ASSERT_NE(dialog, nullptr);
        list = winlayer::addControl(
            ControlKind::ListBox, dialog, IDC_RESULT_LIST, "", 20, 10, 360, 220,
            WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_DISABLENOSCROLL | LBS_NOTIFY,
            WS_EX_CLIENTEDGE);
        label = winlayer::addControl(ControlKind::Label, dialog, IDC_COUNT, "", 25, 270, 100, 15,
                                     SS_LEFT, 0);
        ShowWindow(dialog, SW_SHOWNORMAL);
        UpdateWindow(dialog);
        wintest::drainMessages();
        results::resultsDialog = dialog;
        results::resultListHandle = list;
        results::countLabelHandle = label;
    }
    void TearDown() override {
        results::paintNormally();
        results::forgetResultsWindow();
        results::resultsDialog = nullptr;
        results::resultListHandle = nullptr;
        results::countLabelHandle = nullptr;
        DestroyWindow(dialog);
    }

    // Row 0 is the list's top row; two pixels in, away from any focus frame.
    int rowInk(int row) const {
        const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
        RECT client{};
        GetClientRect(list, &client);
        const int top = row * static_cast<int>(height);
        return inkIn(list, {2, top + 2, client.right - 2, top + static_cast<int>(height) - 2});
    }
    int labelInk() const {
        RECT client{};
        GetClientRect(label, &client);
        return inkIn(label, client);
    }

    // What a match does to the window: one line and the count.
    void addLine(const std::string& line) {
        winlayer::listAdd(dialog, IDC_RESULT_LIST, line);
        results::countChanged(++added);
        results::foundLineAdded();
    }

    HWND dialog = nullptr;
    HWND list = nullptr;
    HWND label = nullptr;
    int added = 0;
};

TEST_F(ListPainting, WhileRunningLinesAreDrawnOnlyWhenShown) {
    results::paintByTime();
    addLine("c:\\work\\first.txt");
    addLine("c:\\work\\second.txt");
    EXPECT_EQ(rowInk(0), 0);
    EXPECT_EQ(rowInk(1), 0);
    EXPECT_EQ(labelInk(), 0);

    results::showFoundNow();
    EXPECT_GT(rowInk(0), 0);
    EXPECT_GT(rowInk(1), 0);
    EXPECT_GT(labelInk(), 0);
    // Still by time after the show: the next line waits for its turn.
    addLine("c:\\work\\third.txt");
    EXPECT_EQ(rowInk(2), 0);
    Sleep(60);
    results::showFoundIfDue();
    EXPECT_GT(rowInk(2), 0);
}

// The label's text is set only when it is read or drawn while the list is drawn by time: every
// read gives the current count, and after every show its pixels are those of a label that was
// given the same text at once.
TEST_F(ListPainting, TheCountLabelReadsAndShowsTheCurrentCountAtEveryShow) {
    RECT rect{};
    GetWindowRect(label, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    const HWND reference = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, rect.left + 200, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, dialog, nullptr, nullptr, nullptr);
    SendMessageW(reference, WM_SETFONT, SendMessageW(label, WM_GETFONT, 0, 0), FALSE);
    results::paintByTime();
    for (int shows = 0; shows < 12; ++shows) {
        for (int line = 0; line <= shows; ++line) {
            addLine("c:\\work\\file" + std::to_string(added) + ".txt");
            const std::string expected = " " + std::to_string(added) + " items found";
            // The last line of a round is not read: the show itself must bring its count.
            if (line < shows) {
                ASSERT_EQ(winlayer::getControlText(label), expected);
            }
            winlayer::setControlText(reference, expected);
        }
        results::showFoundNow();
        UpdateWindow(reference);
        EXPECT_EQ(clientPixels(label), clientPixels(reference)) << "after show " << shows;
    }
    addLine("c:\\work\\last.txt");
    results::paintNormally();
    winlayer::setControlText(reference, " " + std::to_string(added) + " items found");
    UpdateWindow(reference);
    EXPECT_EQ(clientPixels(label), clientPixels(reference)) << "held";
}

// Each show, the hold (with a new extent, the focus moved in afterwards) and a line found while
// held draw only what changed: the new rows, and a scroll bar when its thumb moved. What they
// leave on the screen, frame included, is what a whole redraw of the list draws.
TEST_F(ListPainting, AShowLeavesTheListAsAWholeRedrawDrawsIt) {
    RECT window{};
    GetWindowRect(list, &window);
    OffsetRect(&window, -window.left, -window.top);
    // What the list shows now, against what a whole redraw then draws.
    const auto expectAsWhole = [&](const char* after) {
        const std::vector<COLORREF> drawn = pixelsIn(list, window, true);
        RedrawWindow(list, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(drawn, pixelsIn(list, window, true)) << after;
    };
    for (const int lines : {1, 3, 30, 60, 300, 600}) {
        SCOPED_TRACE(lines);
        SetFocus(nullptr);
        results::paintByTime();
        while (added < lines) {
            addLine("c:\\work\\line " + std::to_string(added) + ".txt");
        }
        results::showFoundNow();
        expectAsWhole("a show");
        results::setListExtent(lines * 4);
        results::paintNormally();
        SetFocus(list);
        expectAsWhole("the hold");
        results::appendFoundLine("c:\\work\\held " + std::to_string(added++) + ".txt");
        expectAsWhole("a line found while held");
    }
}

TEST_F(ListPainting, AHandledMessageMakesTheShowDueAtOnce) {
    results::paintByTime();
    addLine("c:\\work\\first.txt");
    // A message taken from the queue, as the pump takes one.
    PostMessageW(dialog, WM_NULL, 0, 0);
    winlayer::pumpOneMessage(0);
    results::showFoundIfDue();
    EXPECT_GT(rowInk(0), 0);
}

// Takes, with the pump, the paint that window owes; false when it never came.
bool pumpPaintOf(HWND window) {
    for (int i = 0; i < 100 && GetUpdateRect(window, nullptr, FALSE); ++i) {
        winlayer::pumpOneMessage(0);
        // The pump takes an empty answer as true for up to a millisecond.
        Sleep(2);
    }
    return !GetUpdateRect(window, nullptr, FALSE);
}

TEST_F(ListPainting, APaintOfAnotherControlLeavesTheShowToItsTimeAPaintOfTheListDoesNot) {
    const HWND button = winlayer::addControl(ControlKind::Button, dialog, 0, "Button", 150, 270, 60,
                                             15, WS_TABSTOP, 0);
    ShowWindow(button, SW_SHOW);
    wintest::drainMessages();
    results::paintByTime();
    addLine("c:\\work\\first.txt");
    results::showFoundNow();
    addLine("c:\\work\\second.txt");

    InvalidateRect(button, nullptr, TRUE);
    ASSERT_TRUE(pumpPaintOf(button));
    results::showFoundIfDue();
    EXPECT_EQ(rowInk(1), 0);

    // The list takes its paint without drawing while its redrawing is off, so the show that
    // follows draws it whole: the row shown before as well as the new one.
    InvalidateRect(list, nullptr, TRUE);
    ASSERT_TRUE(pumpPaintOf(list));
    results::showFoundIfDue();
    EXPECT_GT(rowInk(0), 0);
    EXPECT_GT(rowInk(1), 0);
}

TEST_F(ListPainting, HeldOrDoneTheListPaintsNormallyAndShowFoundNowDrawsAtOnce) {
    results::paintByTime();
    addLine("c:\\work\\first.txt");
    results::paintNormally();
    EXPECT_GT(rowInk(0), 0) << "what was added is drawn when the run is held";
    addLine("c:\\work\\second.txt");
    results::showFoundNow();
    EXPECT_GT(rowInk(1), 0);
    EXPECT_GT(labelInk(), 0);
}

TEST_F(ListPainting, ARefillDrawsOnlyAtItsEndAndRestoresPaintingByTime) {
    results::paintByTime();
    {
        results::ListRefill refill;
        {
            results::ListRefill nested;
            addLine("c:\\work\\b.txt");
        }
        addLine("c:\\work\\a.txt");
        results::showFoundNow();
        EXPECT_EQ(rowInk(0), 0) << "the list draws nothing while it is refilled";
    }
    EXPECT_GT(rowInk(0), 0);
    EXPECT_GT(rowInk(1), 0);
    addLine("c:\\work\\c.txt");
    EXPECT_EQ(rowInk(2), 0) << "back to painting by time";
}

TEST_F(ListPainting, ARefillWhileHeldDrawsAtItsEndAndTheListPaintsNormallyAgain) {
    {
        results::ListRefill refill;
        addLine("c:\\work\\a.txt");
        UpdateWindow(list);
        EXPECT_EQ(rowInk(0), 0);
    }
    EXPECT_GT(rowInk(0), 0);
    addLine("c:\\work\\b.txt");
    UpdateWindow(list);
    EXPECT_GT(rowInk(1), 0);
}

TEST_F(ListPainting, WithTheWindowGoneEveryEntryPointDoesNothing) {
    results::paintByTime();
    addLine("c:\\work\\a.txt");
    DestroyWindow(dialog);
    results::forgetResultsWindow();
    results::resultsDialog = nullptr;
    results::resultListHandle = nullptr;
    results::countLabelHandle = nullptr;
    results::showFoundNow();
    results::showFoundIfDue();
    { results::ListRefill refill; }

    // The next window starts afresh, and its run paints by time again.
    SetUp();
    results::paintByTime();
    addLine("c:\\work\\b.txt");
    UpdateWindow(list);
    EXPECT_EQ(rowInk(0), 0);
}

} // namespace
