#include "winlayer/clock.h"

#include <windows.h>

namespace winlayer {

int64_t microsecondsNow() {
    static const int64_t frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return static_cast<int64_t>(value.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const int64_t ticks = static_cast<int64_t>(now.QuadPart);
    // Whole seconds and the rest apart, so the product cannot overflow.
    return ticks / frequency * 1000000 + ticks % frequency * 1000000 / frequency;
}

} // namespace winlayer
