#pragma once
// The cosine and sine of a step's direction, remembered for the directions met before. A map
// turns by whole degrees from a few base angles, so the same few hundred directions come back
// in every record; a hit costs a multiply and a compare instead of a sincos. The same argument
// gives the same bits, so the cache never moves a pixel.
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kartino::vecgraphics {

class DirectionCache {
  public:
    struct CosSin {
        double cos, sin;
    };

    CosSin of(double radians) {
        const auto key = std::bit_cast<std::uint64_t>(radians);
        Entry &e = entries_[slot(radians)];
        if (e.key != key) e = {key, {std::cos(radians), std::sin(radians)}};
        return e.value;
    }

  private:
    // The slot is the angle in whole degrees modulo the table size, so the whole-degree
    // directions of a map never push each other out. Adding 1.5 * 2^52 rounds the degrees to an
    // integer in the low bits of the sum; any other value (a NaN, a huge angle) still lands in
    // some slot, and the key decides a hit.
    static std::size_t slot(double radians) {
        constexpr double kDegrees = 180 / 3.14159265358979323846, kRoundShift = 6755399441055744.0;
        const auto bits = std::bit_cast<std::uint64_t>(radians * kDegrees + kRoundShift);
        return static_cast<std::size_t>(bits & ((std::uint64_t{1} << kBits) - 1));
    }
    static constexpr int kBits = 9;
    static constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    struct Entry {
        // An empty entry holds the quiet NaN, whose cosine and sine are NaN as computed.
        std::uint64_t key = std::bit_cast<std::uint64_t>(kNaN);
        CosSin value{kNaN, kNaN};
    };
    std::array<Entry, std::size_t{1} << kBits> entries_{};
};

} // namespace kartino::vecgraphics
