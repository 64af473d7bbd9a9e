// The single commands of the vector language, pixel by pixel on a 64 x 64 surface (one vector
// unit is one pixel at scale 4; the pen starts at (32, 32)).
#include "vec_fixture.hpp"

#include <gmock/gmock.h>

using namespace kartino;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::Ge;
using ::testing::Le;
using testkit::Pixel;

namespace {

struct Bounds {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

class VecdrawTest : public testkit::VecFixture {
  protected:
    Bounds bounds(int n) const {
        Bounds b;
        for (Pixel p : pixelsOf(n)) {
            b.left = std::min(b.left, p.x);
            b.right = std::max(b.right, p.x);
            b.top = std::min(b.top, p.y);
            b.bottom = std::max(b.bottom, p.y);
        }
        return b;
    }
    void drawclean(const std::string &text, double scale = 4, std::int16_t fillflag = -1) {
        ASSERT_EQ(draw(text, scale, fillflag), std::nullopt) << text;
    }
};

TEST_F(VecdrawTest, MovesWithoutDrawingUpwardsAndStepsToTheRight) {
    drawclean("B10,90,5,0,");
    EXPECT_THAT(pixelsOf(15), ElementsAre(Pixel{32, 22}, Pixel{33, 22}, Pixel{34, 22}, Pixel{35, 22},
                                          Pixel{36, 22}, Pixel{37, 22}));
    EXPECT_NEAR(drawing.penx, 37.0002, 1e-9);
    EXPECT_NEAR(drawing.peny, 22.0002, 1e-9);
}

TEST_F(VecdrawTest, ScaleAndVerticalScaleStretchSteps) {
    vecgraphics::VecCall c{0, 10, 10, 15, 8, 0, -1, 12};
    vectors.recordtext[0] = "L5,0,L2,270,*,";
    ASSERT_EQ(vecgraphics::drawrecord(drawing, vectors, shared, rnd, surface, c), std::nullopt);
    EXPECT_NEAR(drawing.penx, 20.0002, 1e-9); // 5 units of 8 / 4 pixels
    EXPECT_NEAR(drawing.peny, 16.0002, 1e-9); // 2 units of 12 / 4 pixels, downwards
}

TEST_F(VecdrawTest, DiagonalStepEndsThreeUnitsRightAndUp) {
    drawclean("D3,45,");
    EXPECT_NEAR(drawing.penx, 35.0002, 1e-9);
    EXPECT_NEAR(drawing.peny, 29.0002, 1e-9);
    EXPECT_NEAR(drawing.steplen, 3 * std::sqrt(2.0), 1e-12);
    EXPECT_THAT(pixelsOf(15), ElementsAre(Pixel{35, 29}, Pixel{34, 30}, Pixel{33, 31}, Pixel{32, 32}));
}

TEST_F(VecdrawTest, SpokeLeavesThePenWhereItWas) {
    drawclean("N5,0,5,90,");
    for (int x = 32; x <= 37; ++x)
        EXPECT_EQ(at(x, 32), colour(15)) << x;
    for (int y = 27; y <= 32; ++y)
        EXPECT_EQ(at(32, y), colour(15)) << y;
    EXPECT_EQ(count(15), 11);
}

TEST_F(VecdrawTest, LettersWithoutVariantsAreCaseBlind) {
    drawclean("c3,l5,0,");
    EXPECT_EQ(count(3), 6);
    EXPECT_EQ(count(15), 0);
}

TEST_F(VecdrawTest, EllipsesTakeTheLongerRadiusAndTheAspect) {
    drawclean("E4,2,");
    Bounds wide = bounds(15);
    EXPECT_EQ(wide.left, 28);
    EXPECT_EQ(wide.right, 36);
    EXPECT_EQ(wide.top, 30);
    EXPECT_EQ(wide.bottom, 34);

    pixels.fill(colour(0));
    drawclean("E2,4,");
    Bounds tall = bounds(15);
    EXPECT_EQ(tall.left, 30);
    EXPECT_EQ(tall.right, 34);
    EXPECT_EQ(tall.top, 28);
    EXPECT_EQ(tall.bottom, 36);
}

TEST_F(VecdrawTest, LowerCaseEllipseIsAnArcOnly) {
    drawclean("e4,2,0,90,");
    EXPECT_GT(count(15), 0);
    EXPECT_THAT(pixelsOf(15), Each(Field(&Pixel::x, Ge(32))));
    EXPECT_THAT(pixelsOf(15), Each(Field(&Pixel::y, Le(32))));
    int arc = count(15);
    pixels.fill(colour(0));
    drawclean("E4,2,");
    EXPECT_GT(count(15), 2 * arc);
}

TEST_F(VecdrawTest, ArcAcrossZeroAndArcFromANegativeStart) {
    drawclean("k5,350,10,");
    EXPECT_GT(count(15), 0);
    EXPECT_THAT(pixelsOf(15), Each(Field(&Pixel::x, Ge(36))));
    EXPECT_THAT(pixelsOf(15), Each(Field(&Pixel::y, testing::AllOf(Ge(31), Le(33)))));

    pixels.fill(colour(0));
    drawclean("k5,-90,0,"); // 270 to 360: the lower right quarter
    EXPECT_THAT(pixelsOf(15), Each(Field(&Pixel::x, Ge(32))));
    EXPECT_THAT(pixelsOf(15), Each(Field(&Pixel::y, Ge(32))));
    EXPECT_GT(count(15), 5);
}

TEST_F(VecdrawTest, NormangleBringsAnglesIntoOneTurn) {
    using vecgraphics::Interpreter;
    EXPECT_EQ(Interpreter::normangle(-90), 270);
    EXPECT_EQ(Interpreter::normangle(360), 360);
    EXPECT_EQ(Interpreter::normangle(360.4), 0);
    EXPECT_EQ(Interpreter::normangle(730), 10);
    EXPECT_EQ(Interpreter::normangle(0.5), 0); // halves to even
    EXPECT_EQ(Interpreter::normangle(1.5), 2);
    EXPECT_EQ(Interpreter::normangle(1e300), Interpreter::normangle(std::fmod(1e300, 360.0)));
}

TEST_F(VecdrawTest, FillsWithTheBorderColourOrOnlyWhenFillsAreOn) {
    drawclean("K5,F-1,");
    EXPECT_EQ(at(32, 32), colour(15));
    EXPECT_EQ(at(35, 33), colour(15));

    pixels.fill(colour(0));
    drawclean("K5,f2,", 4, 0);
    EXPECT_EQ(at(32, 32), colour(0));

    drawclean("K5,f2,", 4, -1);
    EXPECT_EQ(at(32, 32), colour(2));
    EXPECT_EQ(at(29, 31), colour(2));
    EXPECT_EQ(at(37, 32), colour(15)); // the border stays
    EXPECT_EQ(surface.pen().fillStyle, 1);
}

TEST_F(VecdrawTest, FilledDiscAndItsReadOnlyLowerCase) {
    drawclean("C4,U3,u9,");
    EXPECT_EQ(at(32, 32), colour(4));
    EXPECT_EQ(at(34, 33), colour(4));
    EXPECT_EQ(at(32, 36), colour(0));
    EXPECT_EQ(surface.pen().fillStyle, 1);
}

TEST_F(VecdrawTest, PenRoundedToWholePixels) {
    drawclean("P,");
    EXPECT_EQ(drawing.penx, 32.0);
    EXPECT_EQ(drawing.peny, 32.0);
    EXPECT_EQ(painted(), 0);
}

TEST_F(VecdrawTest, RepeatedStepsCloseASquare) {
    drawclean("W4,10,90,");
    EXPECT_EQ(drawing.vecangle, 360);
    EXPECT_EQ(drawing.auxvalue, 4);
    EXPECT_NEAR(drawing.penx, 32.0002, 1e-9);
    EXPECT_NEAR(drawing.peny, 32.0002, 1e-9);
    Bounds b = bounds(15);
    EXPECT_EQ(b.left, 22);
    EXPECT_EQ(b.right, 32);
    EXPECT_EQ(b.top, 22);
    EXPECT_EQ(b.bottom, 32);
    EXPECT_EQ(count(15), 40);
}

TEST_F(VecdrawTest, SlotCommands) {
    drawclean("B6,0,M3,B9,90,Y3,");
    EXPECT_NEAR(drawing.penx, 34.0002, 1e-9); // 4 units left of slot 3 at (38, 32)
    EXPECT_NEAR(drawing.peny, 32.0002, 1e-9);
    EXPECT_EQ(drawing.vecangle, 180);
    EXPECT_EQ(painted(), 0);

    drawclean("B5,90,M20,B10,0,Z20,");
    EXPECT_EQ(count(15), 11);
    EXPECT_NEAR(drawing.penx, 32.0002, 1e-9);
    EXPECT_NEAR(drawing.peny, 27.0002, 1e-9);
}

TEST_F(VecdrawTest, SlotsOutliveTheCallAndTheRecord) {
    ASSERT_EQ(draw("B7,0,M7,", 4, -1, 0), std::nullopt);
    ASSERT_EQ(draw("G7,L3,90,", 4, -1, 1), std::nullopt);
    EXPECT_THAT(pixelsOf(15), ElementsAre(Pixel{39, 29}, Pixel{39, 30}, Pixel{39, 31}, Pixel{39, 32}));
}

TEST_F(VecdrawTest, UnknownLetterIsAStepOfItsOwnValue) {
    drawclean("H5,90,");
    EXPECT_THAT(pixelsOf(15), ElementsAre(Pixel{32, 32}));
    EXPECT_EQ(drawing.vecangle, 90);

    drawclean(",0,"); // an empty token is a step of length 0 too
    EXPECT_EQ(count(15), 1);
}

TEST_F(VecdrawTest, DirectionAloneDrawsNothing) {
    drawclean("A45,", 4, -1);
    EXPECT_EQ(drawing.vecangle, 45);
    EXPECT_EQ(painted(), 0);
}

TEST_F(VecdrawTest, BaseAngleTurnsEveryAngleOperand) {
    ASSERT_EQ(draw("L5,0,", 4, -1, 0, 90), std::nullopt);
    EXPECT_NEAR(drawing.penx, 32.0002, 1e-9);
    EXPECT_NEAR(drawing.peny, 27.0002, 1e-9);
}

TEST_F(VecdrawTest, RectangleRunsDownRightUpAndBack) {
    drawclean("R10,5,0,");
    Bounds b = bounds(15);
    EXPECT_EQ(b.left, 32);
    EXPECT_EQ(b.right, 37);
    EXPECT_EQ(b.top, 32);
    EXPECT_EQ(b.bottom, 42);
    EXPECT_EQ(count(15), 30);
    EXPECT_EQ(at(34, 36), colour(0));
    EXPECT_NEAR(drawing.penx, 32.0002, 1e-9);
}

TEST_F(VecdrawTest, FilledRectanglesFillOnlyWhenFillsAreOn) {
    drawclean("S10,5,0,4,");
    EXPECT_EQ(at(34, 36), colour(4));
    EXPECT_EQ(at(32, 36), colour(15));

    pixels.fill(colour(0));
    drawclean("C6,T8,6,");
    EXPECT_EQ(at(35, 35), colour(6));
    EXPECT_EQ(count(6), 9 * 7);

    pixels.fill(colour(0));
    drawclean("S10,5,0,4,", 4, 0);
    EXPECT_EQ(at(34, 36), colour(0));
    EXPECT_EQ(count(4), 0);
}

TEST_F(VecdrawTest, AnEmptyRecordDrawsNothing) {
    drawclean("");
    EXPECT_EQ(painted(), 0);
    EXPECT_EQ(drawing.veccolor, 15);
}

// Draws every step on its own: the line, then the point on its end.
class StepByStep final : public vecgraphics::DrawingSurface {
  public:
    explicit StepByStep(gfx::Surface &pixels) : inner_(pixels) {}
    void line(float x1, float y1, float x2, float y2, std::uint32_t c) override {
        inner_.line(x1, y1, x2, y2, c);
    }
    void pset(float x, float y, std::uint32_t c) override { inner_.pset(x, y, c); }
    void circle(float x, float y, float r, std::uint32_t c, std::optional<float> s, std::optional<float> e,
                std::optional<float> a) override {
        inner_.circle(x, y, r, c, s, e, a);
    }
    void setFillStyle(int style) override { inner_.setFillStyle(style); }
    void setFillColor(std::uint32_t c) override { inner_.setFillColor(c); }
    bool floodFill(std::int32_t x, std::int32_t y, std::uint32_t b) override {
        return inner_.floodFill(x, y, b);
    }
    double currentX() const override { return inner_.currentX(); }
    double currentY() const override { return inner_.currentY(); }

  private:
    vecgraphics::PixelSurface inner_;
};

// A pixel surface draws a chain of steps at once; the same records drawn step by step look the
// same: a long chain, one broken by a colour or a spoke, steps off the surface, a fill and
// figures right after steps, and a fault after steps.
TEST_F(VecdrawTest, StepsDrawnAsChainsLookAsDrawnOneByOne) {
    for (const char *text :
         {"W300,0.6,1,", "C3,W90,2,4,C5,W90,2,-4,N6,45,W20,1,18,",
          "W36,2,10,B11,95,F4,1.33,184.22,0.88,125.22,M1,W9,2,10,Z1,K3,2.5,300,",
          "L30,0,W100,2,7,B50,90,W50,1,-7,", "W20,1.5,18,F15,U2,W5,1,72,I8,4,0,180,", "W30,1,12,C17,L5,0,"}) {
        gfx::Surface expected(kSize, kSize, colour(0));
        StepByStep oneByOne(expected);
        vecgraphics::VecState state;
        vectors.recordtext[0] = std::string(text) + "*,";
        vecgraphics::VecCall c{0, kCentre, kCentre, 15, 4, 0, -1, std::nullopt};
        auto expectedFault = vecgraphics::drawrecord(state, vectors, shared, rnd, oneByOne, c);
        pixels.fill(colour(0));
        drawing = vecgraphics::VecState();
        EXPECT_EQ(draw(text).has_value(), expectedFault.has_value()) << text;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                ASSERT_EQ(at(x, y), expected.at(x, y)) << text << " at " << x << "," << y;
    }
}

} // namespace
