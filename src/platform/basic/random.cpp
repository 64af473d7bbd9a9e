#include "platform/basic/random.hpp"

#include <bit>
#include <cstring>

namespace kartino::basic {

void Random::step() {
    seed_ = (seed_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
}

float Random::current() const {
    return static_cast<float>(seed_ & 0xFFFFFFu) / 16777216.0f;
}

float Random::Rnd() {
    step();
    return current();
}

float Random::Rnd(float x) {
    if (x == 0) return current();
    if (x < 0) {
        std::uint32_t b = std::bit_cast<std::uint32_t>(x);
        seed_ = (b + (b >> 24)) & 0xFFFFFFu;
    }
    return Rnd();
}

void Random::Randomize(double n) {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(n);
    auto h = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits >> 32));
    auto m = static_cast<std::uint32_t>((static_cast<std::uint32_t>(h) & 0xFFFFu) ^
                                        static_cast<std::uint32_t>(h >> 16))
             << 8;
    seed_ = (seed_ & 0xFF0000FFu) | (m & 0x00FFFF00u);
}

} // namespace kartino::basic
