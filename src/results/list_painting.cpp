#include "results/list_painting.h"

#include <windows.h>

#include <cstdint>

#include "results/results_window.h"
#include "search/found_item.h"
#include "winlayer/clock.h"
#include "winlayer/controls.h"
#include "winlayer/message_count.h"

namespace results {
namespace {

constexpr int64_t showEveryUs = 50000;

bool byTime = false;
int refills = 0;
// Something was added that the screen does not show yet.
bool pending = false;
int64_t shownAt = 0;
unsigned long disturbancesAtShow = 0;
// Lines the list held when it was last shown.
LRESULT shownLines = 0;

// The count the label is to show, and the one its text shows (0 while it is empty).
int32_t owedCount = 0;
int32_t countInLabel = 0;
// The label whose text is brought up to date whenever it is read or drawn.
HWND watchedLabel = nullptr;
WNDPROC labelProcBefore = nullptr;

LRESULT CALLBACK countLabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC before = labelProcBefore;
    switch (message) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_PAINT:
        updateCountLabel();
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(before));
        watchedLabel = nullptr;
        break;
    default:
        break;
    }
    return CallWindowProcW(before, window, message, wParam, lParam);
}

// The label of this window has its text read and drawn through countLabelProc from now on.
void watchCountLabel() {
    if (countLabelHandle == nullptr || watchedLabel == countLabelHandle) {
        return;
    }
    labelProcBefore = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        countLabelHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countLabelProc)));
    watchedLabel = countLabelHandle;
    countInLabel = 0;
}

// Messages handled that may have uncovered, scrolled or repainted the list, which draws nothing
// of its own while its redrawing is off: all but the paints of the controls beside it.
unsigned long listDisturbances() {
    return winlayer::messagesTaken() - winlayer::paintsBesideTaken();
}

void setRedraw(HWND control, bool on) {
    if (control) {
        winlayer::sendMessage(control, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    }
}

// Redrawing was off and a message may have uncovered or scrolled the control, so nothing it
// shows can be trusted, its frame (the list's scroll bars) included.
void drawWhole(HWND control) {
    if (control) {
        RedrawWindow(control, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

// Only the rows added since the last show that fall inside the list's client area are drawn
// again; the list redraws its own scroll bars when its redrawing is turned back on.
void drawNewRows(HWND list) {
    const LRESULT count = winlayer::sendMessage(list, LB_GETCOUNT, 0, 0);
    const LRESULT top = winlayer::sendMessage(list, LB_GETTOPINDEX, 0, 0);
    const LRESULT first = shownLines > top ? shownLines : top;
    RECT client{};
    RECT row{};
    if (first < count && GetClientRect(list, &client) &&
        winlayer::sendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(first),
                              reinterpret_cast<LPARAM>(&row)) != LB_ERR &&
        row.top < client.bottom) {
        client.top = row.top > 0 ? row.top : 0;
        InvalidateRect(list, &client, FALSE);
    }
    UpdateWindow(list);
}

void noteShown() {
    pending = false;
    shownAt = winlayer::microsecondsNow();
    disturbancesAtShow = listDisturbances();
    shownLines = resultListHandle ? winlayer::sendMessage(resultListHandle, LB_GETCOUNT, 0, 0) : 0;
}

// While painting by time: both controls draw once, with everything added so far; the whole
// list when a message that may have disturbed it was handled since the last show (or the list
// was refilled), otherwise only its new rows.
void showOnce(bool refilled) {
    HWND list = refills == 0 ? resultListHandle : nullptr;
    HWND label = countLabelHandle;
    const bool whole = refilled || listDisturbances() != disturbancesAtShow;
    setRedraw(list, true);
    setRedraw(label, true);
    if (whole) {
        drawWhole(list);
    } else if (list) {
        drawNewRows(list);
    }
    drawWhole(label);
    setRedraw(list, false);
    setRedraw(label, false);
    noteShown();
}

} // namespace

void paintByTime() {
    if (byTime) {
        return;
    }
    byTime = true;
    winlayer::watchPaintsBeside(resultListHandle);
    if (refills == 0) {
        setRedraw(resultListHandle, false);
    }
    setRedraw(countLabelHandle, false);
    noteShown();
}

void paintNormally() {
    if (!byTime) {
        return;
    }
    byTime = false;
    if (refills == 0) {
        setRedraw(resultListHandle, true);
        drawWhole(resultListHandle);
    }
    setRedraw(countLabelHandle, true);
    drawWhole(countLabelHandle);
    noteShown();
}

void showFoundNow() {
    if (byTime) {
        showOnce(false);
        return;
    }
    if (refills == 0 && resultListHandle) {
        UpdateWindow(resultListHandle);
    }
    if (countLabelHandle) {
        UpdateWindow(countLabelHandle);
    }
    noteShown();
}

void foundLineAdded() {
    pending = true;
}

void countChanged(int32_t count) {
    watchCountLabel();
    owedCount = count;
    if (!byTime) {
        updateCountLabel();
    }
}

void updateCountLabel() {
    if (watchedLabel == nullptr || watchedLabel != countLabelHandle || owedCount == countInLabel) {
        return;
    }
    countInLabel = owedCount;
    winlayer::setControlText(watchedLabel, search::countText(owedCount));
}

void showFoundIfDue() {
    if (!byTime) {
        return;
    }
    if (listDisturbances() != disturbancesAtShow ||
        (pending && winlayer::microsecondsNow() - shownAt >= showEveryUs)) {
        showOnce(false);
    }
}

void forgetResultsWindow() {
    byTime = false;
    pending = false;
    owedCount = 0;
    countInLabel = 0;
    winlayer::watchPaintsBeside(nullptr);
}

ListRefill::ListRefill() {
    if (refills++ == 0) {
        setRedraw(resultListHandle, false);
    }
}

ListRefill::~ListRefill() {
    if (--refills > 0) {
        return;
    }
    if (byTime) {
        showOnce(true);
    } else {
        setRedraw(resultListHandle, true);
        drawWhole(resultListHandle);
        noteShown();
    }
}

} // namespace results
