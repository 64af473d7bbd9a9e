#include "platform/basic/numbers.hpp"
#include "platform/basic/random.hpp"

#include <gtest/gtest.h>

using kartino::basic::Random;

namespace {

// Compares as the runtime prints Singles: seven significant digits.
void expectSequence(Random &r, std::initializer_list<float> values) {
    for (float v : values)
        EXPECT_EQ(kartino::basic::numberText(r.Rnd()), kartino::basic::numberText(v));
}

} // namespace

TEST(Random, StartsWithTheLegacySeed) {
    Random r;
    EXPECT_EQ(r.state(), 0x50000u);
    expectSequence(r, {0.7055475f, 0.5334240f, 0.5795186f});
}

TEST(Random, RandomizeReproducesKnownSequences) {
    struct Case {
        double seed;
        std::uint32_t state;
        float first[3];
    } cases[] = {{0, 0x000000, {0.7641413f, 0.3576428f, 0.1068624f}},
                 {1, 0x3FF000, {0.7648737f, 0.1054455f, 0.6134542f}},
                 {42, 0x404500, {0.3391077f, 0.6483685f, 0.1878102f}},
                 {1976, 0xA09E00, {0.8506586f, 0.1918408f, 0.3230184f}},
                 {12345, 0x5C4800, {0.8077204f, 0.8519055f, 0.7490743f}}};
    for (const Case &c : cases) {
        Random r;
        r.Randomize(c.seed);
        EXPECT_EQ(r.state(), c.state) << c.seed;
        expectSequence(r, {c.first[0], c.first[1], c.first[2]});
    }
}

TEST(Random, NegativeArgumentReseedsAndZeroRepeats) {
    Random r;
    EXPECT_NEAR(r.Rnd(-1), 0.2240070f, 5e-8);
    EXPECT_EQ(r.state(), 0x395886u);
    EXPECT_EQ(r.Rnd(0), r.Rnd(0));
    r.Randomize(1976);
    EXPECT_EQ(r.state(), 0xA09E86u);
    Random a, b;
    EXPECT_EQ(a.Rnd(-5), b.Rnd(-5));
}

TEST(Random, NegativeSeedsStayBelowOne) {
    Random r;
    r.Randomize(-123456.75);
    EXPECT_LT(r.Rnd(0), 1.0f);
    for (int i = 0; i < 1000; ++i) {
        float v = r.Rnd();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
    }
}
