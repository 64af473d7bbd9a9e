#include "pixels.hpp"
#include "platform/gfx/pen.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

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

TEST(PenCoordinates, RoundToNearestWithHalvesToEven) {
    EXPECT_EQ(toPixel(2.5), 2);
    EXPECT_EQ(toPixel(3.5), 4);
    EXPECT_EQ(toPixel(-0.5), 0);
    EXPECT_EQ(toPixel(-1.5), -2);
    EXPECT_EQ(toPixel(2.4999), 2);
    EXPECT_EQ(toPixel(100.0002), 100);
    EXPECT_EQ(toPixel(-7.6), -8);
    EXPECT_EQ(toPixel(1e300), 1 << 30);
    EXPECT_EQ(toPixel(-std::numeric_limits<double>::infinity()), -(1 << 30));
    EXPECT_EQ(toPixel(std::nan("")), 0);
}

// A map's chain of steps is penLine and then penPSet of the end, step by step: the same pixels,
// rectangle and current point, in every direction and with ends on and off the surface.
TEST(PenSteps, DrawWhatEachLineAndItsEndPixelDrew) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<float> coord(-4, 23);
    std::uniform_int_distribution<int> points(1, 12);
    for (int chain = 0; chain < 1000; ++chain) {
        std::vector<float> xy(2 * static_cast<std::size_t>(points(rng)));
        for (float &v : xy)
            v = coord(rng);
        Surface s(20, 17, kWhite), expected(20, 17, kWhite);
        PenState pen, expectedPen;
        Rect damage = penSteps(s, pen, xy, kBlack), expectedDamage;
        for (std::size_t i = 2; i < xy.size(); i += 2) {
            expectedDamage = expectedDamage.unite(
                penLine(expected, expectedPen, xy[i - 2], xy[i - 1], xy[i], xy[i + 1], kBlack));
            expectedDamage = expectedDamage.unite(penPSet(expected, expectedPen, xy[i], xy[i + 1], kBlack));
        }
        ASSERT_EQ(pixelsOf(s, kBlack), pixelsOf(expected, kBlack)) << "chain " << chain;
        ASSERT_EQ(damage, expectedDamage) << "chain " << chain;
        ASSERT_EQ(pen.currentX, expectedPen.currentX);
        ASSERT_EQ(pen.currentY, expectedPen.currentY);
    }
}

TEST(FormLine, UsesForeColorLeavesTheEndAndMovesCurrentPoint) {
    Surface s(6, 3, kWhite);
    PenState pen;
    pen.foreColor = kRed;
    formLine(s, pen, PenPoint{0.4, 1}, {4.6, 1});
    EXPECT_EQ(picture(s, kRed), (Rows{"......", "#####.", "......"})); // 4.6 rounds to 5
    EXPECT_EQ(pen.currentX, 4.6);
    EXPECT_EQ(pen.currentY, 1);
    // Line -(x, y) continues from CurrentX/CurrentY; Step makes both points relative.
    formLine(s, pen, std::nullopt, {5, 0}, kBlack);
    EXPECT_EQ(s.at(5, 1), kBlack);
    formLine(s, pen, PenPoint{-5, 2, true}, {3, 0, true}, kBlue);
    EXPECT_EQ(picture(s, kBlue), (Rows{"......", "......", "###..."}));
    EXPECT_EQ(pen.currentX, 3);
    EXPECT_EQ(pen.currentY, 2);
}

TEST(FormLine, BoxFillsWithFillColorOnlyWhenFillStyleIsSolid) {
    Surface s(5, 4, kWhite);
    PenState pen;
    pen.fillColor = kBlue;
    formLine(s, pen, PenPoint{0, 0}, {4, 3}, kBlack, BoxMode::Box);
    EXPECT_EQ(picture(s, kBlack, kBlue), (Rows{"#####", "#...#", "#...#", "#####"}));
    pen.fillStyle = 0;
    formLine(s, pen, PenPoint{4, 3}, {0, 0}, kBlack, BoxMode::Box);
    EXPECT_EQ(picture(s, kBlack, kBlue), (Rows{"#####", "#ooo#", "#ooo#", "#####"}));
    EXPECT_EQ(pen.currentX, 0);
    // BF fills with the line colour, whatever FillStyle and FillColor say.
    formLine(s, pen, PenPoint{1, 1}, {2, 2}, kRed, BoxMode::Filled);
    EXPECT_EQ(picture(s, kRed), (Rows{".....", ".##..", ".##..", "....."}));
}

TEST(FormPSetPoint, SetTheCurrentPointAndReadMinusOneOutside) {
    Surface s(4, 4, kWhite);
    PenState pen;
    pen.foreColor = kBlue;
    EXPECT_EQ(formPSet(s, pen, {1.5, 2.5}), (Rect{2, 2, 3, 3}));
    EXPECT_EQ(pen.currentX, 1.5);
    formPSet(s, pen, {1.1, -1, true}, kRed); // (2.6, 1.5) -> (3, 2)
    EXPECT_EQ(s.at(3, 2), kRed);
    EXPECT_DOUBLE_EQ(pen.currentX, 2.6);
    EXPECT_EQ(pen.currentY, 1.5);
    EXPECT_EQ(formPoint(s, 2, 2), static_cast<std::int32_t>(kBlue));
    EXPECT_EQ(formPoint(s, -0.6, 0), -1);
    EXPECT_EQ(formPoint(s, 3.6, 0), -1);
    EXPECT_EQ(formPoint(s, -0.4, 0), static_cast<std::int32_t>(kWhite));
}

TEST(FormCircle, AspectGivesTheRadiusToTheLongerAxis) {
    auto extentOf = [](double aspect) {
        Surface s(41, 41, kWhite);
        PenState pen;
        formCircle(s, pen, {20, 20}, 10, kBlack, {}, {}, aspect);
        Pixels p = pixelsOf(s, kBlack);
        int l = 99, r = -1, t = 99, b = -1;
        for (auto [x, y] : p)
            l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
        return std::pair{r - l, b - t};
    };
    EXPECT_EQ(extentOf(0.5), (std::pair{20, 10}));
    EXPECT_EQ(extentOf(2.0), (std::pair{10, 20}));
    EXPECT_EQ(extentOf(1.0), (std::pair{20, 20}));
    EXPECT_EQ(extentOf(-3.0), (std::pair{20, 20})); // a meaningless aspect counts as 1
}

TEST(FormCircle, FillsClosedFiguresWhenSolidAndMovesToTheCentre) {
    Surface s(23, 23, kWhite);
    PenState pen;
    pen.foreColor = kBlack;
    pen.fillColor = kBlue;
    formCircle(s, pen, {11, 11}, 5);
    EXPECT_TRUE(pixelsOf(s, kBlue).empty());
    pen.fillStyle = 0;
    formCircle(s, pen, {11.2, 11.4}, 5);
    EXPECT_EQ(s.at(11, 11), kBlue);
    EXPECT_EQ(pen.currentX, 11.2);
    EXPECT_EQ(pen.currentY, 11.4);
    formCircle(s, pen, {0, 0, true}, 0, kRed); // radius 0: the centre pixel, in the outline colour
    EXPECT_EQ(s.at(11, 11), kRed);
    Surface arc(23, 23, kWhite);
    formCircle(arc, pen, {11, 11}, 8, kBlack, 0.1, 3.0); // an open arc is never filled
    EXPECT_TRUE(pixelsOf(arc, kBlue).empty());
    formCircle(arc, pen, {11, 11}, 8, kBlack, -0.1, -3.0);
    EXPECT_FALSE(pixelsOf(arc, kBlue).empty());
}

TEST(FormFloodFill, PaletteRelativeBorderActsAsPlainRgbAndPaintsFillColor) {
    Surface s(5, 3, kWhite);
    s.set(2, 0, rgb(10, 20, 30));
    s.set(2, 1, rgb(10, 20, 30));
    s.set(2, 2, rgb(10, 20, 30));
    PenState pen;
    pen.fillColor = kBlue;
    pen.currentX = 7;
    // Transparent FillStyle: a hollow brush paints nothing.
    EXPECT_TRUE(formFloodFill(s, pen, 0, 0, 0x02000000 | rgb(10, 20, 30)).empty());
    pen.fillStyle = 0;
    EXPECT_EQ(formFloodFill(s, pen, 0, 0, 0x02000000 | rgb(10, 20, 30)), (Rect{0, 0, 2, 3}));
    EXPECT_EQ(picture(s, kBlue), (Rows{"##...", "##...", "##..."}));
    EXPECT_EQ(pen.currentX, 7);
    EXPECT_TRUE(formFloodFill(s, pen, 2, 1, 0x02000000 | rgb(10, 20, 30)).empty());
}

} // namespace
} // namespace kartino::gfx
