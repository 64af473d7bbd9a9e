#pragma once
// Rnd and Randomize with the legacy runtime's 24-bit linear congruential generator, so that a
// seed from the host gives the same sequence as it always did.
#include <cstdint>

namespace kartino::basic {

class Random {
  public:
    static constexpr std::uint32_t kInitialSeed = 0x50000;

    float Rnd();        // next number in [0, 1)
    float Rnd(float x); // x > 0: next; x = 0: the last number again; x < 0: reseeded from x
    void Randomize(double n);
    std::uint32_t state() const { return seed_; }

  private:
    void step();
    float current() const;
    std::uint32_t seed_ = kInitialSeed;
};

} // namespace kartino::basic
