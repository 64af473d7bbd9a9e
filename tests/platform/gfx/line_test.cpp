#include "pixels.hpp"
#include "platform/gfx/draw.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace kartino::gfx {
namespace {

using test::kBlack;
using test::kWhite;
using test::Pixels;
using test::pixelsOf;

// The legacy engine's line, step by step and without clipping, as its algorithm is written down.
Pixels referenceLine(long long x0, long long y0, long long x1, long long y1) {
    Pixels out;
    long long dx = x1 - x0, dy = y1 - y0;
    int octant;
    if (dy > 0)
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    else
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
    bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
    long long adx = std::llabs(dx), ady = std::llabs(dy);
    long long sx = dx > 0 ? 1 : -1, sy = dy > 0 ? 1 : -1;
    long long x = x0, y = y0;
    if (dy == 0 || dx == 0) { // spans
        long long n = adx + ady;
        for (long long i = 0; i < n; ++i)
            out.insert({int(x0 + (dx ? sx * i : 0)), int(y0 + (dy ? sy * i : 0))});
        return out;
    }
    long long major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    long long err = 2 * minor - major;
    for (long long i = 0; i < major; ++i) {
        out.insert({int(x), int(y)});
        if (err + bias > 0) {
            (xMajor ? y : x) += xMajor ? sy : sx;
            err += 2 * minor - 2 * major;
        } else {
            err += 2 * minor;
        }
        (xMajor ? x : y) += xMajor ? sx : sy;
    }
    return out;
}

Pixels drawn(int x0, int y0, int x1, int y1, int w = 8, int h = 8, int ox = 0, int oy = 0) {
    Surface s(w, h, kWhite);
    line(s, x0 + ox, y0 + oy, x1 + ox, y1 + oy, kBlack);
    Pixels out;
    for (auto [x, y] : pixelsOf(s, kBlack))
        out.insert({x - ox, y - oy});
    return out;
}

TEST(Line, FollowsTheLegacyBiasInEveryDirection) {
    // Drawn with an offset so that the negative coordinates of the vectors land on the surface.
    EXPECT_EQ(drawn(0, 0, 4, 2, 12, 12, 4, 4), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(drawn(4, 2, 0, 0, 12, 12, 4, 4), (Pixels{{4, 2}, {3, 1}, {2, 1}, {1, 0}}));
    EXPECT_EQ(drawn(0, 0, 4, -2, 12, 12, 4, 4), (Pixels{{0, 0}, {1, -1}, {2, -1}, {3, -2}}));
    EXPECT_EQ(drawn(0, 0, 2, 4, 12, 12, 4, 4), (Pixels{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(drawn(0, 0, 3, 3, 12, 12, 4, 4), (Pixels{{0, 0}, {1, 1}, {2, 2}}));
}

TEST(Line, HorizontalAndVerticalLeaveOutTheEndInEitherDirection) {
    EXPECT_EQ(drawn(0, 0, 5, 0), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
    EXPECT_EQ(drawn(5, 0, 0, 0), (Pixels{{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}));
    EXPECT_EQ(drawn(2, 1, 2, 4), (Pixels{{2, 1}, {2, 2}, {2, 3}}));
    EXPECT_EQ(drawn(2, 4, 2, 1), (Pixels{{2, 2}, {2, 3}, {2, 4}}));
}

TEST(Line, ZeroLengthDrawsNothingAndAdjacentDrawsOnePixel) {
    Surface s(4, 4, kWhite);
    EXPECT_TRUE(line(s, 1, 1, 1, 1, kBlack).empty());
    EXPECT_TRUE(pixelsOf(s, kBlack).empty());
    EXPECT_EQ(drawn(1, 1, 2, 2), (Pixels{{1, 1}}));
    EXPECT_EQ(drawn(1, 1, 0, 2), (Pixels{{1, 1}}));
}

TEST(Line, SteepAndShallowLinesMatchTheStepwiseAlgorithm) {
    for (int x1 = -6; x1 <= 6; ++x1)
        for (int y1 = -6; y1 <= 6; ++y1)
            EXPECT_EQ(drawn(0, 0, x1, y1, 16, 16, 7, 7), referenceLine(0, 0, x1, y1)) << x1 << "," << y1;
}

TEST(Line, ClippingKeepsThePixelsOfTheUnclippedLine) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> coord(-40, 60);
    for (int i = 0; i < 3000; ++i) {
        int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
        Surface s(20, 17, kWhite);
        Rect damage = line(s, x0, y0, x1, y1, kBlack);
        Pixels expected;
        for (auto p : referenceLine(x0, y0, x1, y1))
            if (s.contains(p.first, p.second)) expected.insert(p);
        ASSERT_EQ(pixelsOf(s, kBlack), expected) << x0 << "," << y0 << " -> " << x1 << "," << y1;
        for (auto [x, y] : expected)
            ASSERT_TRUE(damage.contains(x, y));
        if (expected.empty()) {
            ASSERT_TRUE(damage.empty());
        }
    }
}

// A line that stepped through its unclipped length would take seconds here: the test's CTest
// timeout catches that, not a clock inside the test.
TEST(Line, HugeAndNegativeCoordinatesStayInside) {
    Surface s(32, 24, kWhite);
    line(s, INT_MIN, INT_MIN, INT_MAX, INT_MAX, kBlack);
    line(s, INT_MAX, INT_MIN, INT_MIN, INT_MAX, kBlack);
    line(s, -2000000000, 10, 2000000000, 12, kBlack);
    line(s, 5, -2000000000, 6, 2000000000, kBlack);
    line(s, INT_MIN, 3, INT_MAX, 3, kBlack);
    line(s, -5000000, -5000000, -4000000, -3000000, kBlack); // entirely outside
    // A diagonal through the corner meets the visible rows exactly where the unclipped one does.
    Pixels diagonal;
    for (int i = 0; i < 24; ++i)
        diagonal.insert({i, i});
    for (auto p : diagonal)
        EXPECT_EQ(s.at(p.first, p.second), kBlack);
    EXPECT_EQ(s.at(5, 0), kBlack);
    EXPECT_EQ(s.at(0, 3), kBlack);
    EXPECT_EQ(s.at(31, 3), kBlack);
}

TEST(Line, LongClippedLineMatchesTheStepwiseAlgorithmAtItsVisiblePart) {
    // Long enough to have an error term far from its start value when it enters the surface.
    Surface s(50, 40, kWhite);
    line(s, -100003, -70001, 100007, 70009, kBlack);
    Pixels expected;
    for (auto p : referenceLine(-100003, -70001, 100007, 70009))
        if (s.contains(p.first, p.second)) expected.insert(p);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(pixelsOf(s, kBlack), expected);
}

} // namespace
} // namespace kartino::gfx
