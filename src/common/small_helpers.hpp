#pragma once
// Small helpers every module uses: counting up and down, the smaller and larger of two values,
// exchanging two values and a random whole number.
#include "platform/basic/integer.hpp"
#include "platform/basic/random.hpp"

#include <cstdint>
#include <utility>

namespace kartino::common {

template <typename T> void incr(T &v, T step = T(1)) {
    v = v + step;
}
template <typename T> void decr(T &v, T step = T(1)) {
    v = v - step;
}

// On equality both return the second argument.
template <typename T> T fnmin(T a, T b) {
    return a < b ? a : b;
}
template <typename T> T fnmax(T a, T b) {
    return a > b ? a : b;
}

template <typename T> void swap(T &a, T &b) {
    std::swap(a, b);
}

// A random whole number from 1 to n: Int(n * Rnd) + 1, computed in single precision.
std::int16_t fnrandom(basic::Random &rnd, std::int16_t n);

} // namespace kartino::common
