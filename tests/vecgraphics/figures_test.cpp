// The composite figures: rotated arcs, glyphs, polygons, badges and the dot spray.
#include "vec_fixture.hpp"

#include <gmock/gmock.h>

#include <cmath>

using namespace kartino;
using testkit::Pixel;

namespace {

// Counts the lines a record draws, passing every call on to the pixel surface.
class CountingSurface : public vecgraphics::DrawingSurface {
  public:
    explicit CountingSurface(vecgraphics::DrawingSurface &inner) : inner_(inner) {}
    void line(float x1, float y1, float x2, float y2, std::uint32_t colour) override {
        ++lines;
        inner_.line(x1, y1, x2, y2, colour);
    }
    void pset(float x, float y, std::uint32_t colour) override { inner_.pset(x, y, colour); }
    void circle(float x, float y, float radius, std::uint32_t colour, std::optional<float> start,
                std::optional<float> end, std::optional<float> aspect) override {
        ++circles;
        inner_.circle(x, y, radius, colour, start, end, aspect);
    }
    void setFillStyle(int style) override { inner_.setFillStyle(style); }
    void setFillColor(std::uint32_t colour) override { inner_.setFillColor(colour); }
    bool floodFill(std::int32_t x, std::int32_t y, std::uint32_t border) override {
        ++fills;
        return inner_.floodFill(x, y, border);
    }
    double currentX() const override { return inner_.currentX(); }
    double currentY() const override { return inner_.currentY(); }
    int lines = 0, circles = 0, fills = 0;

  private:
    vecgraphics::DrawingSurface &inner_;
};

class FiguresTest : public testkit::VecFixture {
  protected:
    CountingSurface counting{surface};
    CountingSurface &drawcounted(const std::string &text, double scale = 4) {
        vectors.recordtext[0] = text + "*,";
        vecgraphics::VecCall c{0, kCentre, kCentre, 15, scale, 0, -1, std::nullopt};
        EXPECT_EQ(vecgraphics::drawrecord(drawing, vectors, shared, rnd, counting, c), std::nullopt) << text;
        return counting;
    }
    Pixel slotpixel(int k) const {
        return {static_cast<int>(std::lround(drawing.vecpointx[static_cast<std::size_t>(k)])),
                static_cast<int>(std::lround(drawing.vecpointy[static_cast<std::size_t>(k)]))};
    }
};

TEST_F(FiguresTest, RotatedArcDrawsWholeTenDegreeSegmentsOnly) {
    EXPECT_EQ(drawcounted("I10,5,0,95,").lines, 9);
    EXPECT_EQ(at(42, 32), colour(15)); // from 0 degrees
    EXPECT_EQ(at(32, 27), colour(15)); // to 90: no segment for the last 5
    for (int y = 0; y < kSize; ++y)
        EXPECT_NE(at(31, y), colour(15)) << y;
    EXPECT_NEAR(drawing.penx, 32.0002, 1e-9); // back at the centre
    EXPECT_NEAR(drawing.peny, 32.0002, 1e-9);
    EXPECT_EQ(slotpixel(0), (Pixel{32, 32}));
}

TEST_F(FiguresTest, RotatedArcAcrossZeroAddsATurn) {
    EXPECT_EQ(drawcounted("I10,10,350,10,").lines, 2);
    EXPECT_EQ(at(42, 32), colour(15));
    EXPECT_EQ(at(40, 30), colour(0));
}

TEST_F(FiguresTest, RotatedArcTurnsWithTheCurrentDirection) {
    drawcounted("A90,I10,5,0,0,");
    EXPECT_EQ(painted(), 0);
    drawcounted("A90,I10,5,0,90,"); // turned a quarter: starts straight up, ends to the left
    EXPECT_EQ(at(32, 22), colour(15));
    EXPECT_EQ(at(27, 32), colour(15));
}

TEST_F(FiguresTest, ChainedArcsGoOnFromThePen) {
    drawcounted("i10,10,0,90,i10,10,90,180,");
    EXPECT_NEAR(drawing.penx, 12.0002, 1e-9);
    EXPECT_NEAR(drawing.peny, 32.0002, 1e-9);
    EXPECT_EQ(at(22, 22), colour(15)); // the joint of the two quarters
    EXPECT_EQ(at(12, 32), colour(15));
}

TEST_F(FiguresTest, LineGlyphReadsNoDirection) {
    drawcounted("j0,L5,0,");
    EXPECT_EQ(counting.lines, 6 + 1);
    // After the glyph the pen is back at slot 10, the middle of the first stroke.
    EXPECT_EQ(slotpixel(10), (Pixel{34, 32}));
    EXPECT_NEAR(drawing.penx, drawing.vecpointx[10] + 5, 1e-9);
    EXPECT_EQ(at(39, 32), colour(15));
}

TEST_F(FiguresTest, FilledGlyphIsFilledInsideItsOutline) {
    CountingSurface &c = drawcounted("J6,", 8);
    EXPECT_EQ(c.lines, 10);
    EXPECT_EQ(c.fills, 1);
    EXPECT_EQ(at(static_cast<int>(std::lround(drawing.penx)), static_cast<int>(std::lround(drawing.peny))),
              colour(15));
    EXPECT_EQ(at(0, 0), colour(0)); // the fill stayed inside
    EXPECT_EQ(at(63, 63), colour(0));
}

TEST_F(FiguresTest, SquareOutlineHasHorizontalAndVerticalSides) {
    drawcounted("V4,10,0,0,");
    EXPECT_EQ(counting.lines, 4);
    Pixel topleft = slotpixel(13), bottomleft = slotpixel(14), bottomright = slotpixel(15),
          topright = slotpixel(16);
    EXPECT_EQ(topleft, (Pixel{25, 25}));
    EXPECT_EQ(bottomleft, (Pixel{25, 39}));
    EXPECT_EQ(bottomright, (Pixel{39, 39}));
    EXPECT_EQ(topright, (Pixel{39, 25}));
    for (int x = 25; x <= 39; ++x) {
        EXPECT_EQ(at(x, 25), colour(15)) << x;
        EXPECT_EQ(at(x, 39), colour(15)) << x;
    }
    EXPECT_NEAR(drawing.penx, 32.0002, 1e-9);
}

TEST_F(FiguresTest, TriangleStandsOnAHorizontalSideWithItsCornerUp) {
    drawcounted("V3,10,0,0,");
    EXPECT_EQ(slotpixel(13), (Pixel{32, 22}));
    EXPECT_EQ(slotpixel(14).y, 37);
    EXPECT_EQ(slotpixel(15).y, 37);
    for (int x = slotpixel(15).x; x <= slotpixel(14).x; ++x)
        EXPECT_EQ(at(x, 37), colour(15)) << x;
}

TEST_F(FiguresTest, RoundedCornersMoveTheSidesOutwards) {
    drawcounted("V4,8,0,2,");
    EXPECT_EQ(counting.circles, 4);
    double sharp = 8 * std::sin(M_PI / 4);                        // the sharp corners' offset from the centre
    EXPECT_NEAR(drawing.vecpointx[3], 32.0002 - sharp - 2, 1e-6); // the left side starts 2 further left
    EXPECT_NEAR(drawing.vecpointy[3], 32.0002 - sharp, 1e-6);
    EXPECT_NEAR(drawing.vecpointy[13], 32.0002 - sharp - 2, 1e-6); // the upper side ends 2 higher
    EXPECT_NEAR(drawing.vecpointy[6], drawing.vecpointy[13], 1e-6);
}

TEST_F(FiguresTest, PolygonBadgeLeavesItsFillColour) {
    CountingSurface &c = drawcounted("O6,10,0,0,5,6,K3,");
    EXPECT_EQ(c.lines, 18);
    EXPECT_EQ(c.fills, 2);
    EXPECT_EQ(drawing.veccolor, 5);
    EXPECT_EQ(drawing.auxvalue, 5);
    EXPECT_EQ(at(35, 32), colour(5)); // the circle after it
    EXPECT_EQ(at(32, 32), colour(6)); // the solid figure
    EXPECT_EQ(at(33, 43), colour(5)); // the shadow below it
    EXPECT_NEAR(drawing.penx, 32.0002, 1e-9);
    EXPECT_EQ(drawing.vecangle, 120 + 300); // the last corner of the last pass
}

TEST_F(FiguresTest, DiscBadgeWithShadowAndDirectionAfterIt) {
    drawcounted("Q5,3,9,");
    EXPECT_EQ(at(32, 32), colour(9));
    EXPECT_EQ(at(37, 32), colour(3)); // outline in the fill colour
    EXPECT_EQ(at(36, 38), colour(3)); // the shadow, down to the right
    EXPECT_EQ(drawing.vecangle, 315);
    EXPECT_EQ(drawing.steplen, 3);
    EXPECT_EQ(drawing.auxvalue, 3);
    EXPECT_EQ(surface.pen().fillStyle, 1);
}

TEST_F(FiguresTest, RingBadgeFillsTheRingOnly) {
    drawcounted("q10,5,3,9,", 4);
    EXPECT_EQ(at(32, 32), colour(0)); // the hole
    EXPECT_EQ(at(39, 32), colour(9)); // inside the ring
    EXPECT_EQ(at(42, 32), colour(3)); // outer outline in the fill colour
    EXPECT_EQ(counting.fills, 2);
}

TEST_F(FiguresTest, DotSprayAroundTheLastCircleCentre) {
    drawing.auxvalue = 9;
    drawcounted("B10,0,K5,B20,180,X0,3,40,");
    EXPECT_GT(count(9), 3);
    for (Pixel p : pixelsOf(9))
        EXPECT_LE(std::hypot(p.x - 42, p.y - 32), 3.5) << p.x << "," << p.y;
}

TEST_F(FiguresTest, DotSprayAfterRepeatedStepsUsesTheCountAsColour) {
    drawcounted("W1,5,90,X0,1,10,");
    EXPECT_GT(count(1), 0);
    for (Pixel p : pixelsOf(1))
        EXPECT_LE(std::hypot(p.x - 32, p.y - 27), 1.5);
    EXPECT_NEAR(drawing.penx, 32.0002, 1e-9); // the pen does not move
}

TEST_F(FiguresTest, DotSprayDrawsTheSameDotsForTheSameSeed) {
    drawing.auxvalue = 2;
    drawcounted("K20,X5,20,50,");
    std::vector<Pixel> first = pixelsOf(2);
    pixels.fill(colour(0));
    rnd = basic::Random();
    drawcounted("K20,X5,20,50,");
    EXPECT_EQ(pixelsOf(2), first);
}

} // namespace
