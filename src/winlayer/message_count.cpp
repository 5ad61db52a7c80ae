#include "winlayer/message_count.h"

namespace winlayer {
namespace {

unsigned long takenCount = 0;
unsigned long undisturbingCount = 0;
HWND watched = nullptr;
HWND watchedParent = nullptr;

bool isBeside(HWND window) {
    // GA_PARENT, not GetParent: a window owned by the dialog is not beside the control.
    return watched && window != watched && GetAncestor(window, GA_PARENT) == watchedParent;
}

bool leavesWatchedAlone(const MSG& msg) {
    switch (msg.message) {
    case WM_PAINT:
    case WM_LBUTTONUP:
        return isBeside(msg.hwnd);
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
