#include "winlayer/message_count.h"

namespace winlayer {
namespace {

unsigned long takenCount = 0;
unsigned long undisturbingCount = 0;
HWND watched = nullptr;
HWND watchedParent = nullptr;

// The system's own timer message, not declared by the Windows headers. A common controls 6
// button follows the pointer with TrackMouseEvent, which Wine serves with a tick of this to the
// button every few milliseconds for as long as the pointer rests on it, even while its dialog
// is disabled. A tick draws nothing outside the window it is for.
constexpr UINT systemTimerMessage = 0x0118;

bool isBeside(HWND window) {
    // GA_PARENT, not GetParent: a window owned by the dialog is not beside the control.
    return watched && window != watched && GetAncestor(window, GA_PARENT) == watchedParent;
}

bool leavesWatchedAlone(const MSG& msg) {
    switch (msg.message) {
    case WM_PAINT:
    case WM_LBUTTONUP:
    case WM_MOUSELEAVE:
        return isBeside(msg.hwnd);
    case systemTimerMessage:
        return watched && msg.hwnd != watched;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case BM_CLICK:
        // A pressed button takes the focus, which a list that holds it would draw away.
        return isBeside(msg.hwnd) && GetFocus() != watched;
    case WM_MOUSEMOVE:
        return watched && (msg.wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0;
    default:
        return false;
    }
}

} // namespace

unsigned long messagesTaken() {
    return takenCount;
}

void noteMessageTaken() {
    ++takenCount;
}

void noteMessageTaken(const MSG& msg) {
    noteMessageTaken();
    if (leavesWatchedAlone(msg)) {
        ++undisturbingCount;
    }
}

void watchUndisturbed(HWND control) {
    watched = control;
    watchedParent = control ? GetAncestor(control, GA_PARENT) : nullptr;
}

unsigned long undisturbingTaken() {
    return undisturbingCount;
}

} // namespace winlayer
