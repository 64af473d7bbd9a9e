#include "pixels.hpp"
#include "platform/gfx/draw.hpp"
#include "platform/gfx/flood.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

namespace kartino::gfx {
namespace {

using test::kBlack;
using test::kBlue;
using test::kRed;
using test::kWhite;
using test::picture;
using test::pixelsOf;
using Rows = std::vector<std::string>;

Surface fromRows(const Rows &rows) { // '#' black border, 'r' red, anything else white
    Surface s(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), kWhite);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.set(x, y, rows[y][x] == '#' ? kBlack : rows[y][x] == 'r' ? kRed : kWhite);
    return s;
}

TEST(FloodFill, FillsTheEnclosedRegionAndLeavesTheBorder) {
    Surface s = fromRows({".......", ".#####.", ".#...#.", ".#.r.#.", ".#####.", "......."});
    EXPECT_EQ(floodFill(s, 2, 2, kBlack, kBlue), (Rect{2, 2, 5, 4}));
    // Other colours than the border do not stop the fill: the red pixel is painted too.
    EXPECT_EQ(picture(s, kBlue, kBlack),
              (Rows{".......", ".ooooo.", ".o###o.", ".o###o.", ".ooooo.", "......."}));
}

TEST(FloodFill, LeaksThroughAGapInTheBorder) {
    Surface s = fromRows({".......", ".##.##.", ".#...#.", ".#####.", "......."});
    floodFill(s, 3, 2, kBlack, kBlue);
    EXPECT_EQ(picture(s, kBlue, kBlack), (Rows{"#######", "#oo#oo#", "#o###o#", "#ooooo#", "#######"}));
}

TEST(FloodFill, NeverPassesADiagonalStepOfAOnePixelBorder) {
    Surface s = fromRows({"...#", "..#.", ".#..", "#..."});
    floodFill(s, 0, 0, kBlack, kBlue);
    EXPECT_EQ(picture(s, kBlue, kBlack), (Rows{"###o", "##o.", "#o..", "o..."}));
}

TEST(FloodFill, FailsOnTheBorderColourAndOutside) {
    Surface s = fromRows({"....", ".##.", "...."});
    const Surface before = s;
    EXPECT_TRUE(floodFill(s, 1, 1, kBlack, kBlue).empty());
    EXPECT_TRUE(floodFill(s, -1, 0, kBlack, kBlue).empty());
    EXPECT_TRUE(floodFill(s, 4, 0, kBlack, kBlue).empty());
    EXPECT_TRUE(floodFill(s, INT_MIN, INT_MAX, kBlack, kBlue).empty());
    EXPECT_TRUE(pixelsOf(s, kBlue).empty());
    EXPECT_EQ(pixelsOf(s, kBlack), pixelsOf(before, kBlack));
}

TEST(FloodFill, FillColourEqualToTheRegionOrTheBorderStillTerminates) {
    Surface same = fromRows({"#####", "#...#", "#####"});
    EXPECT_EQ(floodFill(same, 2, 1, kBlack, kWhite), (Rect{1, 1, 4, 2}));
    EXPECT_EQ(pixelsOf(same, kWhite).size(), 3u);
    Surface border = fromRows({"#####", "#...#", "#####"});
    floodFill(border, 2, 1, kBlack, kBlack);
    EXPECT_EQ(pixelsOf(border, kBlack).size(), 15u);
}

TEST(FloodFill, MatchesASimpleFourConnectedFillOnRandomPictures) {
    struct WideAgain { // the wide path is back on for the next test, however this one ends
        ~WideAgain() { allowWideFloodScan(true); }
    } wideAgain;
    std::mt19937 rng(11);
    for (int round = 0; round < 800; ++round) {
        // Every other round on the portable scan, the rest on the machine's widest.
        allowWideFloodScan(round % 2 == 0);
        // Narrow pictures with dense walls, and wide ones with sparse walls for the long runs
        // that are scanned in blocks: rows ending inside a block and exactly on a block's end.
        bool wide = round % 4 >= 2;
        int w = wide ? (round % 8 >= 6 ? 101 : 64) : 23, h = wide ? 9 : 17;
        Surface s(w, h, kWhite);
        std::bernoulli_distribution wall(wide ? 0.02 + 0.01 * (round % 5) : 0.35 + 0.1 * (round % 3));
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                if (wall(rng)) s.set(x, y, round % 3 ? kBlack : kRed);
        int sx = static_cast<int>(rng() % w), sy = static_cast<int>(rng() % h);
        // Reference: a plain stack-based 4-connected fill.
        Surface expected = s;
        if (expected.at(sx, sy) != kBlack) {
            std::vector<std::pair<int, int>> todo{{sx, sy}};
            std::vector<bool> seen(static_cast<std::size_t>(w * h));
            while (!todo.empty()) {
                auto [x, y] = todo.back();
                todo.pop_back();
                if (!expected.contains(x, y) || seen[y * w + x] || s.at(x, y) == kBlack) continue;
                seen[y * w + x] = true;
                expected.set(x, y, kBlue);
                todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
            }
        }
        Rect damage = floodFill(s, sx, sy, kBlack, kBlue);
        ASSERT_EQ(picture(s, kBlue, kBlack), picture(expected, kBlue, kBlack)) << "round " << round;
        for (auto [x, y] : pixelsOf(s, kBlue))
            ASSERT_TRUE(damage.contains(x, y));
    }
}

// Its speed against a memset of the same buffer is BM_FloodFill in bench/gfx_bench.cpp.
TEST(FloodFill, WholeScreen) {
    Surface s(1024, 768, kWhite);
    EXPECT_EQ(floodFill(s, 500, 400, kBlack, kBlue), s.bounds());
    for (int y = 0; y < s.height(); ++y)
        ASSERT_EQ(std::count(s.row(y), s.row(y) + s.width(), kBlue), s.width()) << "row " << y;
}

} // namespace
} // namespace kartino::gfx
