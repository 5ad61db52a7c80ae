#pragma once

// Number-to-text pieces and the small arithmetic helpers of list lines, dates and layout.

#include <cstdint>
#include <string>

namespace winlayer {

// Decimal text with one leading space for zero and positive values, "-" for negative ones,
// no thousands separator: 12 gives " 12".
std::string numberText(long long value);

// value in decimal with exactly as many digits as mask has "0"s, padded on the left with "0".
// A value with more digits than the mask is written in full; a negative one gets its "-".
std::string zeroPadded(int value, const std::string& mask);

// Both operands rounded to the nearest integer (ties to even), then the quotient truncated
// toward zero. A divisor that rounds to 0 gives 0.
long long integerDivide(double a, double b);

// Largest integer not above x.
long long floorOf(double x);

template <typename T> constexpr T maxOf(T a, T b) {
    return a < b ? b : a;
}

// 1 when bit n (0 = least significant) of value is set, else 0; n outside 0..63 gives 0.
int bitSet(std::uint64_t value, int n);

} // namespace winlayer
