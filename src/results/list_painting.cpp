#include "results/list_painting.h"

#include <windows.h>

#include <cstdint>
#include <string>

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
// of its own while its redrawing is off: all but those that leave it as it was.
unsigned long listDisturbances() {
    return winlayer::messagesTaken() - winlayer::undisturbingTaken();
}

void setRedraw(HWND control, bool on) {
    if (control) {
        winlayer::sendMessage(control, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    }
}

// While it lives, a window is invisible to drawing without being hidden, as the system's own
// handling of WM_SETREDRAW makes it: whatever is done to the window draws nothing, and the caller
// draws what changed afterwards. That handling also forgets any paint the window still owes, so
// a window that owes one stays seen and draws as it changes.
class Unseen {
public:
    explicit Unseen(HWND window)
        : window_(window && !GetUpdateRect(window, nullptr, FALSE) ? window : nullptr) {
        if (window_) {
            DefWindowProcW(window_, WM_SETREDRAW, FALSE, 0);
        }
    }
    ~Unseen() {
        if (window_) {
            DefWindowProcW(window_, WM_SETREDRAW, TRUE, 0);
        }
    }
    Unseen(const Unseen&) = delete;
    Unseen& operator=(const Unseen&) = delete;

private:
    HWND window_;
};

// Turning a list box's redrawing back on sets both its scroll bars, and each one set is drawn
// at once, changed or not; under some systems a scroll bar costs more to draw than a page of
// rows. So the list is unseen meanwhile, and the caller draws what changed, each part once.
void listRedrawOn(HWND list) {
    if (!list) {
        return;
    }
    const Unseen unseen(list);
    winlayer::sendMessage(list, WM_SETREDRAW, TRUE, 0);
}

// What one of the list's scroll bars shows: where its thumb is and whether it is enabled.
struct BarLook {
    LONG thumbTop = -1;
    LONG thumbBottom = -1;
    DWORD state = 0;
};

bool operator==(const BarLook& a, const BarLook& b) {
    return a.thumbTop == b.thumbTop && a.thumbBottom == b.thumbBottom && a.state == b.state;
}

// As the system places the thumb for the list's current scroll range; a look that matches no
// bar when it cannot be read.
BarLook barLookOf(HWND list, int bar) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!list || !GetScrollBarInfo(list, bar == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) {
        return {};
    }
    return {info.xyThumbTop, info.xyThumbBottom, info.rgstate[0]};
}

// The scroll bars as they were last drawn.
BarLook verticalShown;
BarLook horizontalShown;

// A scroll bar drawn as the list last set it, when that moved or resized its thumb or enabled
// or disabled it: a long list soon grows by many lines per pixel of the thumb.
void drawBarIfChanged(HWND list, int bar, const BarLook& shown) {
    const BarLook look = barLookOf(list, bar);
    if (look.thumbTop >= 0 && look == shown) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!GetScrollInfo(list, bar, &info)) {
        return;
    }
    if ((GetWindowLongPtrW(list, GWL_STYLE) & LBS_DISABLENOSCROLL) != 0) {
        info.fMask |= SIF_DISABLENOSCROLL;
    }
    SetScrollInfo(list, bar, &info, TRUE);
}

void drawChangedBars(HWND list) {
    drawBarIfChanged(list, SB_VERT, verticalShown);
    drawBarIfChanged(list, SB_HORZ, horizontalShown);
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
// again, and the scroll bars that changed; nothing else of the list changed.
void drawNewRows(HWND list) {
    drawChangedBars(list);
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

// A message that may have disturbed the list was handled since the last show, or a part of the
// list still owes a paint, which turning its redrawing on unseen would forget.
bool listDisturbed(HWND list) {
    return listDisturbances() != disturbancesAtShow || GetUpdateRect(list, nullptr, FALSE);
}

void noteShown() {
    pending = false;
    shownAt = winlayer::microsecondsNow();
    disturbancesAtShow = listDisturbances();
    shownLines = resultListHandle ? winlayer::sendMessage(resultListHandle, LB_GETCOUNT, 0, 0) : 0;
    verticalShown = barLookOf(resultListHandle, SB_VERT);
    horizontalShown = barLookOf(resultListHandle, SB_HORZ);
}

// While painting by time: both controls draw once, with everything added so far; the whole
// list when a message that may have disturbed it was handled since the last show (or the list
// was refilled), otherwise only its new rows.
void showOnce(bool refilled) {
    HWND list = refills == 0 ? resultListHandle : nullptr;
    HWND label = countLabelHandle;
    const bool whole = refilled || (list && listDisturbed(list));
    listRedrawOn(list);
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
    winlayer::watchUndisturbed(resultListHandle);
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
    if (refills == 0 && resultListHandle) {
        const bool whole = listDisturbed(resultListHandle);
        listRedrawOn(resultListHandle);
        if (whole) {
            drawWhole(resultListHandle);
        } else {
            // The hold may have changed the extent.
            drawNewRows(resultListHandle);
        }
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

void setListExtent(int32_t width) {
    HWND list = resultListHandle;
    if (!list) {
        return;
    }
    // Setting the extent draws the horizontal bar at once, changed or not, even while the list's
    // redrawing is off; unseen, the bar is drawn with the list's next show instead, and only if
    // it changed.
    if (winlayer::sendMessage(list, LB_GETHORIZONTALEXTENT, 0, 0) == width) {
        return;
    }
    const Unseen unseen(byTime && refills == 0 ? list : nullptr);
    winlayer::sendMessage(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width), 0);
}

void appendFoundLine(const std::string& line) {
    HWND list = resultListHandle;
    if (byTime || refills > 0 || !list) {
        winlayer::listAppend(list, line);
        return;
    }
    // Held or done, the list is drawn as it shows: adding a line sets its vertical bar, which
    // draws the bar at once, changed or not, so the line is added unseen and only what changed is
    // drawn, from what the screen shows now.
    noteShown();
    {
        const Unseen unseen(list);
        winlayer::listAppend(list, line);
    }
    drawNewRows(list);
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
    winlayer::watchUndisturbed(nullptr);
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
        listRedrawOn(resultListHandle);
        drawWhole(resultListHandle);
        noteShown();
    }
}

} // namespace results
