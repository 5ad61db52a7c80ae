#pragma once

// A monotonic clock read from the performance counter, which costs no system round trip, for
// deciding how often something expensive is done.

#include <cstdint>

namespace winlayer {

// Microseconds since an arbitrary start; only differences mean anything.
int64_t microsecondsNow();

} // namespace winlayer
