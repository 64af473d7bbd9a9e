#pragma once
// Integer (16-bit) and Long (32-bit) as the legacy program holds them: arithmetic that leaves
// the type's range raises the overflow error instead of wrapping.
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

#include <compare>
#include <cstdint>

namespace kartino::basic {

template <typename Rep> class Checked {
  public:
    constexpr Checked() = default;
    constexpr Checked(Rep v) : v_(v) {} // NOLINT: implicit from its own width, like the legacy types

    constexpr Rep value() const { return v_; }
    explicit constexpr operator Rep() const { return v_; }

    friend Checked operator+(Checked a, Checked b) { return make(std::int64_t{a.v_} + b.v_); }
    friend Checked operator-(Checked a, Checked b) { return make(std::int64_t{a.v_} - b.v_); }
    friend Checked operator*(Checked a, Checked b) { return make(std::int64_t{a.v_} * b.v_); }
    friend Checked operator-(Checked a) { return make(-std::int64_t{a.v_}); }
    // Integer division (the \ operator): truncates toward zero; division by zero is error 11.
    friend Checked intdiv(Checked a, Checked b) {
        if (b.v_ == 0) raise(errDivisionByZero);
        return make(std::int64_t{a.v_} / b.v_);
    }
    friend Checked mod(Checked a, Checked b) {
        if (b.v_ == 0) raise(errDivisionByZero);
        return make(std::int64_t{a.v_} % b.v_);
    }
    Checked &operator+=(Checked o) { return *this = *this + o; }
    Checked &operator-=(Checked o) { return *this = *this - o; }
    Checked &operator*=(Checked o) { return *this = *this * o; }
    Checked &operator++() { return *this += Checked(1); }
    Checked &operator--() { return *this -= Checked(1); }

    friend constexpr auto operator<=>(Checked a, Checked b) = default;

    static Checked make(std::int64_t v);

  private:
    Rep v_ = 0;
};

template <> inline Checked<std::int16_t> Checked<std::int16_t>::make(std::int64_t v) {
    return checkedInteger(v);
}
template <> inline Checked<std::int32_t> Checked<std::int32_t>::make(std::int64_t v) {
    return checkedLong(v);
}

using Integer = Checked<std::int16_t>;
using Long = Checked<std::int32_t>;

} // namespace kartino::basic
