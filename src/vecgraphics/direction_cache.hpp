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
        Entry &e = entries_[(key * 0x9E3779B97F4A7C15ull) >> (64 - kBits)];
        if (e.key != key) e = {key, {std::cos(radians), std::sin(radians)}};
        return e.value;
    }

  private:
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
