#include "winlayer/message_count.h"

namespace winlayer {
namespace {

unsigned long takenCount = 0;
unsigned long besideCount = 0;
HWND watched = nullptr;
HWND watchedParent = nullptr;

} // namespace

unsigned long messagesTaken() {
    return takenCount;
}

void noteMessageTaken() {
    ++takenCount;
}

void noteMessageTaken(const MSG& msg) {
    noteMessageTaken();
    // GA_PARENT, not GetParent: a window owned by the dialog is not beside the control.
    if (msg.message == WM_PAINT && watched && msg.hwnd != watched &&
        GetAncestor(msg.hwnd, GA_PARENT) == watchedParent) {
        ++besideCount;
    }
}

void watchPaintsBeside(HWND control) {
    watched = control;
    watchedParent = control ? GetAncestor(control, GA_PARENT) : nullptr;
}

unsigned long paintsBesideTaken() {
    return besideCount;
}

} // namespace winlayer
