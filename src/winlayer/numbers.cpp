#include "winlayer/numbers.h"

#include <cmath>
#include <limits>

namespace winlayer {

namespace {

// Values outside the range of long long (and NaN) have no integer form; 0 is their answer, and
// the range is kept one step inside so that negating and dividing cannot overflow.
constexpr double integerLimit = 9.0e18;

bool hasIntegerForm(double x) {
    return std::isfinite(x) && std::fabs(x) < integerLimit;
}

} // namespace

std::string numberText(long long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string zeroPadded(int value, const std::string& mask) {
    const long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
    std::string digits = std::to_string(magnitude);
    if (digits.size() < mask.size()) {
        digits.insert(0, mask.size() - digits.size(), '0');
    }
    return value < 0 ? "-" + digits : digits;
}

long long integerDivide(double a, double b) {
    // nearbyint rounds ties to even in the default rounding mode.
    const double roundedA = std::nearbyint(a);
    const double roundedB = std::nearbyint(b);
    if (!hasIntegerForm(roundedA) || !hasIntegerForm(roundedB) || roundedB == 0.0) {
        return 0;
    }
    return static_cast<long long>(roundedA) / static_cast<long long>(roundedB);
}

long long floorOf(double x) {
    const double floored = std::floor(x);
    return hasIntegerForm(floored) ? static_cast<long long>(floored) : 0;
}

int bitSet(std::uint64_t value, int n) {
    if (n < 0 || n >= std::numeric_limits<std::uint64_t>::digits) {
        return 0;
    }
    return static_cast<int>((value >> n) & 1U);
}

} // namespace winlayer
