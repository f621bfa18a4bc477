// Rounding helpers: one place decides how every conversion rounds.
#include "puzzle/numbers.h"

#include <cmath>
#include <limits>

namespace tess {

namespace {

template <typename T> T RoundHalfEven(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value); // default rounding mode: halves to even
    if (rounded <= static_cast<double>(std::numeric_limits<T>::min())) {
        return std::numeric_limits<T>::min();
    }
    if (rounded >= static_cast<double>(std::numeric_limits<T>::max())) {
        return std::numeric_limits<T>::max();
    }
    return static_cast<T>(rounded);
}

} // namespace

Integer CInt(double value) { return RoundHalfEven<Integer>(value); }

Long CLng(double value) { return RoundHalfEven<Long>(value); }

Long Int(double value) {
    const double floored = std::floor(value);
    if (std::isnan(floored)) {
        return 0;
    }
    if (floored <= static_cast<double>(std::numeric_limits<Long>::min())) {
        return std::numeric_limits<Long>::min();
    }
    if (floored >= static_cast<double>(std::numeric_limits<Long>::max())) {
        return std::numeric_limits<Long>::max();
    }
    return static_cast<Long>(floored);
}

} // namespace tess
