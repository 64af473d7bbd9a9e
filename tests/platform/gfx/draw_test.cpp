#include "pixels.hpp"
#include "platform/gfx/draw.hpp"

#include <gtest/gtest.h>

#include <climits>

namespace kartino::gfx {
namespace {

using test::kBlack;
using test::kRed;
using test::kWhite;
using test::picture;
using Rows = std::vector<std::string>;

TEST(PSetPoint, SetsOnePixelAndReadsMinusOneOutside) {
    Surface s(3, 2, kWhite);
    EXPECT_EQ(pset(s, 2, 1, rgb(1, 2, 3)), (Rect{2, 1, 3, 2}));
    EXPECT_EQ(point(s, 2, 1), 0x030201);
    EXPECT_EQ(point(s, 0, 0), 0xFFFFFF);
    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {INT_MIN, INT_MAX}}) {
        EXPECT_EQ(point(s, x, y), -1);
        EXPECT_TRUE(pset(s, x, y, kBlack).empty());
    }
}

// Short spans are stored four pixels at a time with the last four overlapping, long ones by the
// wide memset: every length paints exactly its pixels.
TEST(FillPixels, PaintsExactlyTheSpanAtEveryLength) {
    for (int n : {0, 1, 3, 4, 5, 7, 8, 9, 63, 64, 65, 130}) {
        std::vector<Colour> row(static_cast<std::size_t>(n) + 8, kWhite);
        fillPixels(row.data() + 4, n, kRed);
        for (int i = 0; i < n + 8; ++i)
            ASSERT_EQ(row[static_cast<std::size_t>(i)], (i >= 4 && i < 4 + n) ? kRed : kWhite)
                << n << " at " << i;
    }
}

TEST(Box, OutlineAndFillIncludeBothCornersInAnyOrder) {
    Surface s(6, 5, kWhite);
    EXPECT_EQ(box(s, 4, 3, 1, 1, kBlack), (Rect{1, 1, 5, 4}));
    EXPECT_EQ(picture(s, kBlack), (Rows{"......", ".####.", ".#..#.", ".####.", "......"}));
    Surface f(6, 5, kWhite);
    EXPECT_EQ(fillBox(f, 1, 3, 4, 1, kBlack), (Rect{1, 1, 5, 4}));
    EXPECT_EQ(picture(f, kBlack), (Rows{"......", ".####.", ".####.", ".####.", "......"}));
}

TEST(Box, DegenerateBoxesAreLinesOrPixels) {
    Surface s(4, 3, kWhite);
    box(s, 1, 1, 1, 1, kBlack);
    EXPECT_EQ(picture(s, kBlack), (Rows{"....", ".#..", "...."}));
    box(s, 0, 2, 3, 2, kRed);
    EXPECT_EQ(picture(s, kRed), (Rows{"....", "....", "####"}));
}

TEST(Box, ClipsHugeCorners) {
    Surface s(4, 3, kWhite);
    EXPECT_EQ(fillBox(s, INT_MIN, INT_MIN, INT_MAX, INT_MAX, kBlack), s.bounds());
    EXPECT_EQ(picture(s, kBlack), (Rows{"####", "####", "####"}));
    Surface o(4, 3, kWhite);
    box(o, -1000000, 1, 2000000000, 5000000, kBlack); // only the top edge is visible
    EXPECT_EQ(picture(o, kBlack), (Rows{"....", "####", "...."}));
    EXPECT_TRUE(fillBox(o, 10, 10, 20, 20, kBlack).empty());
}

Surface numbered(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.set(x, y, static_cast<Colour>(100 * y + x));
    return s;
}

TEST(BitBlt, CopiesARectangleBetweenSurfaces) {
    Surface src = numbered(5, 5);
    Surface dst(4, 4, kWhite);
    EXPECT_EQ(bitBlt(dst, 1, 1, 2, 3, src, 2, 1), (Rect{1, 1, 3, 4}));
    EXPECT_EQ(dst.at(1, 1), 102u);
    EXPECT_EQ(dst.at(2, 3), 303u);
    EXPECT_EQ(dst.at(0, 0), kWhite);
    EXPECT_EQ(dst.at(3, 1), kWhite);
}

TEST(BitBlt, HalfOffTheSourceLeavesTheDestinationUnchangedThere) {
    Surface src = numbered(4, 4);
    Surface dst(6, 6, kWhite);
    // Source rectangle (2,-1) 4x4: only source columns 2..3 and rows 0..2 exist.
    EXPECT_EQ(bitBlt(dst, 1, 1, 4, 4, src, 2, -1), (Rect{1, 2, 3, 5}));
    EXPECT_EQ(dst.at(1, 2), 2u);
    EXPECT_EQ(dst.at(2, 4), 203u);
    EXPECT_EQ(dst.at(1, 1), kWhite); // source row -1
    EXPECT_EQ(dst.at(3, 2), kWhite); // source column 4
}

TEST(BitBlt, HalfOffTheDestinationCopiesTheOverlapAtTheSameOffsets) {
    Surface src = numbered(6, 6);
    Surface dst(4, 4, kWhite);
    EXPECT_EQ(bitBlt(dst, -2, 2, 5, 5, src, 0, 0), (Rect{0, 2, 3, 4}));
    EXPECT_EQ(dst.at(0, 2), 2u);
    EXPECT_EQ(dst.at(2, 3), 104u);
    EXPECT_EQ(dst.at(3, 2), kWhite);
    EXPECT_TRUE(bitBlt(dst, INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX, src, INT_MIN, 0).empty());
    EXPECT_TRUE(bitBlt(dst, 0, 0, 0, 3, src, 0, 0).empty());
    EXPECT_TRUE(bitBlt(dst, 0, 0, -3, 3, src, 0, 0).empty());
}

TEST(BitBlt, OverlappingCopyWithinOneSurfaceReadsTheOriginalPixels) {
    for (auto [dx, dy] : {std::pair{1, 1}, {-1, -1}, {1, -1}, {-1, 1}, {0, 2}, {2, 0}}) {
        Surface s = numbered(6, 6);
        const Surface before = s;
        bitBlt(s, 1 + dx, 1 + dy, 3, 3, s, 1, 1);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                ASSERT_EQ(s.at(1 + dx + x, 1 + dy + y), before.at(1 + x, 1 + y)) << dx << "," << dy;
    }
}

TEST(RectDamage, UniteIgnoresEmptyAndIntersectClips) {
    Rect a{1, 1, 3, 3}, b{2, 0, 5, 2};
    EXPECT_EQ(a.unite(b), (Rect{1, 0, 5, 3}));
    EXPECT_EQ(a.unite(Rect{}), a);
    EXPECT_EQ(Rect{}.unite(b), b);
    EXPECT_EQ(a.intersect(b), (Rect{2, 1, 3, 2}));
    EXPECT_TRUE(a.intersect(Rect{5, 5, 6, 6}).empty());
}

} // namespace
} // namespace kartino::gfx
