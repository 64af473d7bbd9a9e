#include "exercise/scoring.hpp"
#include "support/fake_services.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kartino;
using namespace kartino::exercise;

namespace {

constexpr float worldx0 = 298.7f, worldy0 = 293.3f;
const double quartercircle = 6370 * 8 * std::atan(1.0) / 4;

class Scoring : public ::testing::Test {
  protected:
    testkit::FakeServices f;
    session::Session s{f.services};

    // A full-screen design area of w x h pixels.
    void screen(double w, double h) {
        auto &sc = s.shared.screen;
        sc.areawidth = w;
        sc.areaheight = h;
        sc.screenwidth = static_cast<float>(w);
        sc.screenheight = static_cast<float>(h);
    }
    void target(std::int32_t x, std::int32_t y) {
        s.task.targetx = x;
        s.task.targety = y;
    }
    void click(std::int16_t x, std::int16_t y) {
        s.exerciserun.clickx = x;
        s.exerciserun.clicky = y;
    }
};

} // namespace

TEST(WorldProjection, LatitudeBandsMeetWithinHalfAUnit) {
    struct Case {
        float lat;
        int y;
    };
    const Case cases[] = {{90, 88}, {83, 88},   {80, 102},  {75, 124},  {60, 171},  {45, 208},
                          {0, 293}, {-30, 350}, {-45, 379}, {-50, 391}, {-56, 406}, {-70, 406}};
    for (const auto &c : cases)
        EXPECT_EQ(worldlat2y(c.lat, worldy0), c.y) << "latitude " << c.lat;
}

TEST(WorldProjection, DesignYBackToHalfDegreeLatitude) {
    EXPECT_FLOAT_EQ(worldy2lat(407, worldy0), -56);  // south of latitude -56
    EXPECT_FLOAT_EQ(worldy2lat(87, worldy0), 83.5f); // north of latitude 83
    EXPECT_FLOAT_EQ(worldy2lat(88, worldy0), 83.5f); // latitude 83 itself is not above its own row
    EXPECT_FLOAT_EQ(worldy2lat(89, worldy0), 83);
    EXPECT_FLOAT_EQ(worldy2lat(236, worldy0), 30.5f); // latitude 30 lies on row 236
    EXPECT_FLOAT_EQ(worldy2lat(293, worldy0), 0.5f);
}

TEST(WorldProjection, LongitudeInSinglePrecisionWrapsPast180) {
    // The Single 298.7 is 298.70001, which shows in the last digits near longitude 0.
    EXPECT_FLOAT_EQ(worldx2lon(620, worldx0), -179.268757f);
    EXPECT_FLOAT_EQ(worldx2lon(298, worldx0), -0.3937569f);
    EXPECT_FLOAT_EQ(worldx2lon(0, worldx0), -168.01875f);
    EXPECT_FLOAT_EQ(worldx2lon(618, worldx0), 179.60625f); // below 180: kept
}

TEST(RegionalProjection, LinearScales) {
    EXPECT_FLOAT_EQ(regiony2lat(450), 35.6f);
    EXPECT_FLOAT_EQ(regionx2lon(273), 0);
    EXPECT_FLOAT_EQ(regionx2lon(354), 81 / 8.1f);
}

TEST(GreatCircle, KnownDistancesAndLimits) {
    EXPECT_NEAR(greatcircle(0, 0, 0, 90), quartercircle, 0.5);
    EXPECT_NEAR(greatcircle(0, 0, 0, 90), 10006, 1);
    EXPECT_NEAR(greatcircle(0, 0, 0, 120), quartercircle * 4 / 3, 0.5); // obtuse: cosine below 0
    EXPECT_NEAR(greatcircle(0, 10, 0, -10), quartercircle * 20 / 90, 0.05);
    EXPECT_NEAR(greatcircle(0, 0, 90, 0), quartercircle, 0.5);
    EXPECT_NEAR(greatcircle(0, 0, 0, 180), quartercircle * 2, 0.5); // opposite points

    for (float lat : {0.0f, 47.5f, -33.9f, 83.5f}) {
        const float d = greatcircle(lat, 8.3f, lat, 8.3f);
        EXPECT_TRUE(std::isfinite(d));
        EXPECT_EQ(d, 0) << "latitude " << lat;
    }
}

TEST(GreatCircle, AngleFromCosineAtItsEnds) {
    EXPECT_DOUBLE_EQ(arcdegrees(0), 90);
    EXPECT_DOUBLE_EQ(arcdegrees(1), 0);
    EXPECT_DOUBLE_EQ(arcdegrees(1 + 1e-15), 0);
    EXPECT_DOUBLE_EQ(arcdegrees(-1), 180);
    EXPECT_DOUBLE_EQ(arcdegrees(-1 - 1e-15), 180);
    EXPECT_NEAR(arcdegrees(0.5), 60, 1e-12);
    EXPECT_NEAR(arcdegrees(-0.5), 120, 1e-12);
}

TEST_F(Scoring, PlainDistanceUsesUnroundedDesignPositionsAndZoom) {
    screen(1280, 960); // two pixels a design unit
    s.settings.mapscale = 1000;
    s.settings.mapzoom = std::int16_t{4};
    target(0, 50);
    EXPECT_FLOAT_EQ(kilometredistance(s, 201, 100), 100.5f);
    EXPECT_FLOAT_EQ(kilometredistance(s, 60, 180), 50); // 30 across, 40 down
    s.settings.mapzoom = 8.0;
    EXPECT_FLOAT_EQ(kilometredistance(s, 201, 100), 50.25f);
    s.settings.mapscale = 250;
    EXPECT_FLOAT_EQ(kilometredistance(s, 201, 100), 12.5625f);
    s.settings.mapzoom = 0.0; // measured as at zoom 4
    EXPECT_FLOAT_EQ(kilometredistance(s, 201, 100), 25.125f);
}

TEST_F(Scoring, WorldDistanceReadsLatitudeFromYAndLongitudeFromX) {
    s.settings.mapscale = -1;
    s.map.worldx0 = worldx0;
    s.map.worldy0 = worldy0;
    target(299, 293);
    EXPECT_EQ(kilometredistance(s, 299, 293), 0);
    // Both at latitude 0.5, 90 degrees of longitude apart.
    const double c = std::pow(std::sin(0.5 * std::numbers::pi / 180), 2);
    EXPECT_NEAR(kilometredistance(s, 459, 293), std::acos(c) * 6370, 0.5);
    // Along the meridian from latitude 0.5 to 30.5.
    EXPECT_NEAR(kilometredistance(s, 299, 236), quartercircle * 30 / 90, 0.5);
}

TEST_F(Scoring, RegionalDistance) {
    s.settings.mapscale = -2;
    target(273, 450);
    EXPECT_EQ(kilometredistance(s, 273, 450), 0);
    EXPECT_NEAR(kilometredistance(s, 273, 338), 112 / 11.22 * quartercircle / 90, 0.2);
}

TEST_F(Scoring, PointTargetIsHitStrictlyInsideFiveDesignUnits) {
    screen(1024, 480); // scalex(5) = 8 pixels, scaley(5) = 5 pixels
    s.map.targetpointcolour = 0x00ff00;
    s.task.pointmode = true;
    s.task.pointtarget = true;
    target(100, 100); // at pixel (160, 100)
    const std::uint32_t other = 0x123456;

    click(167, 104);
    EXPECT_TRUE(judgefind(s, other));
    click(153, 96);
    EXPECT_TRUE(judgefind(s, other));
    click(168, 100); // exactly scalex(5) across
    EXPECT_FALSE(judgefind(s, other));
    click(152, 100);
    EXPECT_FALSE(judgefind(s, other));
    click(160, 105); // exactly scaley(5) down
    EXPECT_FALSE(judgefind(s, other));
    EXPECT_TRUE(judgefind(s, 0x00ff00)); // the place's colour is right anywhere

    click(161, 101);
    s.task.pointtarget = false; // an area place: only the colour counts
    EXPECT_FALSE(judgefind(s, other));
    s.task.pointtarget = true;
    s.task.pointmode = false;
    EXPECT_FALSE(judgefind(s, other));
    EXPECT_TRUE(judgefind(s, 0x00ff00));
}

TEST_F(Scoring, ToleranceIsFiveUnitsLimitIncluded) {
    s.settings.exerciseparam = std::int16_t{30};
    s.settings.mapscale = 500;
    s.settings.mapzoom = std::int16_t{4};
    target(100, 100);

    click(400, 100);
    EXPECT_TRUE(judgedistance(s));
    EXPECT_FLOAT_EQ(s.exerciserun.lastdeviation, 150);
    EXPECT_TRUE(s.exerciserun.answercorrect);

    click(401, 100);
    EXPECT_FALSE(judgedistance(s));
    EXPECT_FLOAT_EQ(s.exerciserun.lastdeviation, 150.5f);
    EXPECT_FALSE(s.exerciserun.answercorrect);
    EXPECT_FLOAT_EQ(s.exerciserun.deviationsum, 300.5f);
}

TEST_F(Scoring, DeviationSumAddsTheSizeOfANegativeError) {
    s.settings.exerciseparam = std::int16_t{30};
    s.settings.mapscale = -500; // not a projection code: a negative kilometre factor
    target(100, 100);
    click(401, 100);
    EXPECT_TRUE(judgedistance(s));
    EXPECT_FLOAT_EQ(s.exerciserun.lastdeviation, -150.5f);
    EXPECT_FLOAT_EQ(s.exerciserun.deviationsum, 150.5f);
}
