#include "winlayer/message_count.h"

namespace winlayer {
namespace {

unsigned long takenCount = 0;
unsigned long besideCount = 0;
HWND watched = nullptr;

} // namespace

unsigned long messagesTaken() {
    return takenCount;
}

void noteMessageTaken() {
    ++takenCount;
}

void noteMessageTaken(const MSG& msg) {
    ++takenCount;
    if (msg.message == WM_PAINT && watched && msg.hwnd != watched &&
        GetParent(msg.hwnd) == GetParent(watched)) {
        ++besideCount;
    }
}

void watchPaintsBeside(HWND control) {
    watched = control;
}

unsigned long paintsBesideTaken() {
    return besideCount;
}

} // namespace winlayer
