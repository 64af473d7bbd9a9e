#include "pixels.hpp"
#include "platform/gfx/ellipse.hpp"
#include "platform/gfx/flood.hpp"
#include "support/golden.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace kartino::gfx {
namespace {

using test::kBlack;
using test::kBlue;
using test::kRed;
using test::kWhite;
using test::picture;
using test::Pixels;
using test::pixelsOf;
using Rows = std::vector<std::string>;

constexpr double kDeg = kTwoPi / 360;

Rect extent(const Pixels &p) {
    Rect r{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    for (auto [x, y] : p)
        r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
    return r;
}

TEST(Ellipse, RadiusZeroIsTheCentrePixelAndRadiusOneItsFourNeighbours) {
    Surface s(5, 5, kWhite);
    EXPECT_EQ(ellipse(s, {2, 2, 0, 0}, kBlack), (Rect{2, 2, 3, 3}));
    EXPECT_EQ(pixelsOf(s, kBlack), (Pixels{{2, 2}}));
    Surface t(5, 5, kWhite);
    ellipse(t, {2, 2, 1, 1}, kBlack);
    EXPECT_EQ(picture(t, kBlack), (Rows{".....", "..#..", ".#.#.", "..#..", "....."}));
}

TEST(Ellipse, CircleOfRadiusTenIsSymmetricClosedAndOnTheCurve) {
    Surface s(23, 23, kWhite);
    EXPECT_EQ(ellipse(s, {11, 11, 10, 10}, kBlack), (Rect{1, 1, 22, 22}));
    Pixels p = pixelsOf(s, kBlack);
    for (auto [x, y] : p) {
        int dx = x - 11, dy = y - 11;
        EXPECT_TRUE(p.count({11 - dx, 11 + dy}) && p.count({11 + dx, 11 - dy}) &&
                    p.count({11 + dy, 11 + dx}));
        double r = std::hypot(dx, dy);
        EXPECT_GT(r, 9.4);
        EXPECT_LT(r, 10.6);
    }
    EXPECT_EQ(extent(p), (Rect{1, 1, 22, 22}));
    EXPECT_EQ(s.at(11, 1), kBlack);
    EXPECT_EQ(s.at(21, 11), kBlack);
    // Closed: a fill from the centre stays inside.
    floodFill(s, 11, 11, kBlack, kRed);
    EXPECT_EQ(s.at(0, 0), kWhite);
    EXPECT_EQ(s.at(1, 1), kWhite);
}

TEST(Ellipse, ArcAcrossZeroAndItsComplementMakeTheWholeCircle) {
    Surface whole(23, 23, kWhite), across(23, 23, kWhite), rest(23, 23, kWhite);
    ellipse(whole, {11, 11, 10, 10}, kBlack);
    ellipse(across, arcFromAngles(11, 11, 10, 10, 350 * kDeg, 10 * kDeg), kBlack);
    ellipse(rest, arcFromAngles(11, 11, 10, 10, 10 * kDeg, 350 * kDeg), kBlack);
    Pixels a = pixelsOf(across, kBlack), b = pixelsOf(rest, kBlack);
    EXPECT_EQ(a, (Pixels{{21, 10}, {21, 11}, {21, 12}}));
    Pixels both = a;
    both.insert(b.begin(), b.end());
    EXPECT_EQ(both, pixelsOf(whole, kBlack));
}

TEST(Ellipse, QuarterArcsRunCounterClockwiseOnTheScreen) {
    Surface s(23, 23, kWhite);
    ellipse(s, arcFromAngles(11, 11, 10, 10, 0, 90 * kDeg), kBlack); // upper right
    for (auto [x, y] : pixelsOf(s, kBlack)) {
        EXPECT_GE(x, 11);
        EXPECT_LE(y, 11);
    }
    EXPECT_EQ(s.at(21, 11), kBlack);
    EXPECT_EQ(s.at(11, 1), kBlack);
    Surface t(23, 23, kWhite);
    ellipse(t, arcFromAngles(11, 11, 10, 10, 270 * kDeg, 0), kBlack); // lower right
    for (auto [x, y] : pixelsOf(t, kBlack)) {
        EXPECT_GE(x, 11);
        EXPECT_GE(y, 11);
    }
}

TEST(Ellipse, NegativeAnglesDrawRadiusLinesAndPieSlicesFill) {
    Ellipse pie = arcFromAngles(11, 11, 10, 10, -0.0000001, -90 * kDeg);
    EXPECT_TRUE(pie.startRadius && pie.endRadius && pie.closed());
    Surface s(23, 23, kWhite);
    ellipse(s, pie, kBlack, kRed);
    for (int x = 11; x <= 21; ++x)
        EXPECT_EQ(s.at(x, 11), kBlack) << x; // radius along 0
    for (int y = 1; y <= 11; ++y)
        EXPECT_EQ(s.at(11, y), kBlack) << y; // radius along 90 degrees
    EXPECT_EQ(s.at(15, 7), kRed);
    EXPECT_EQ(s.at(7, 7), kWhite);
    EXPECT_EQ(s.at(15, 15), kWhite);

    Ellipse open = arcFromAngles(11, 11, 10, 10, -0.0000001, 90 * kDeg); // one radius: not closed
    EXPECT_FALSE(open.closed());
    Surface t(23, 23, kWhite);
    ellipse(t, open, kBlack, kRed);
    EXPECT_TRUE(pixelsOf(t, kRed).empty());
}

TEST(Ellipse, EqualStartAndEndDrawTheWholeOutline) {
    EXPECT_FALSE(arcFromAngles(0, 0, 5, 5, 1.0, 1.0).arc);
    EXPECT_FALSE(arcFromAngles(0, 0, 5, 5, 0, kTwoPi).arc);
    EXPECT_TRUE(arcFromAngles(0, 0, 5, 5, kTwoPi, 1.0).arc);
}

TEST(Ellipse, FilledCirclePaintsTheInteriorInsideTheOutline) {
    Surface s(23, 23, kWhite);
    ellipse(s, {11, 11, 10, 10}, kBlack, kBlue);
    Surface outline(23, 23, kWhite);
    ellipse(outline, {11, 11, 10, 10}, kBlack);
    EXPECT_EQ(pixelsOf(s, kBlack), pixelsOf(outline, kBlack));
    floodFill(outline, 11, 11, kBlack, kBlue); // the interior is exactly what the outline encloses
    EXPECT_EQ(pixelsOf(s, kBlue), pixelsOf(outline, kBlue));
    EXPECT_NEAR(static_cast<double>(pixelsOf(s, kBlue).size()), 3.14159 * 9.5 * 9.5, 15);
}

TEST(Ellipse, FlatAndTallEllipsesSpanTheirRadii) {
    Surface s(25, 25, kWhite);
    ellipse(s, {12, 12, 10, 5}, kBlack);
    EXPECT_EQ(extent(pixelsOf(s, kBlack)), (Rect{2, 7, 23, 18}));
    Surface t(25, 25, kWhite);
    ellipse(t, {12, 12, 5, 10}, kBlack);
    EXPECT_EQ(extent(pixelsOf(t, kBlack)), (Rect{7, 2, 18, 23}));
    Surface line(9, 3, kWhite);
    ellipse(line, {4, 1, 3, 0}, kBlack);
    EXPECT_EQ(picture(line, kBlack), (Rows{".........", ".#######.", "........."}));
}

// Stepping round a radius of 10^9 would take minutes: the CTest timeout catches that.
TEST(Ellipse, HugeRadiiAreClipped) {
    Surface s(40, 30, kWhite);
    // The top of a circle of radius 10^9 crosses the surface as a straight row.
    ellipse(s, {20, 1000000000 + 5, 1000000000, 1000000000}, kBlack, kRed);
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(s.at(x, 5), kBlack);
        EXPECT_EQ(s.at(x, 4), kWhite);
        EXPECT_EQ(s.at(x, 6), kRed);
    }
    ellipse(s, arcFromAngles(-2000000000, -2000000000, 2000000000, 5, -1, -2), kBlack, kRed);
    ellipse(s, {2000000000, 2000000000, 2000000000, 2000000000}, kBlack, kRed);
    ellipse(s, arcFromAngles(20, 15, 2000000000, 2000000000, -0.1, -6.0), kBlack, kBlue);
}

TEST(Ellipse, GoldenSceneOfCirclesArcsAndPies) {
    Surface s(96, 64, kWhite);
    ellipse(s, {16, 16, 12, 12}, kBlack);
    ellipse(s, {48, 16, 14, 7}, kBlack, rgb(255, 255, 0));
    ellipse(s, {80, 16, 6, 13}, kBlue);
    ellipse(s, arcFromAngles(16, 46, 12, 12, 300 * kDeg, 60 * kDeg), kBlack);
    ellipse(s, arcFromAngles(48, 46, 14, 10, -30 * kDeg, -300 * kDeg), kBlack, kRed);
    ellipse(s, arcFromAngles(80, 46, 12, 12, 45 * kDeg, -135 * kDeg), kBlue, kRed);
    EXPECT_TRUE(testkit::matchesGolden(s, "gfx/ellipses"));
}

} // namespace
} // namespace kartino::gfx
