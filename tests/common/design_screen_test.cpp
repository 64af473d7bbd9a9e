#include "common/design_screen.hpp"

#include <gtest/gtest.h>

using namespace kartino::common;

namespace {

ScreenMetrics screen(double aw, double ah, float sw, float shared, int dpi = 96) {
    ScreenMetrics s;
    s.areawidth = aw;
    s.areaheight = ah;
    s.screenwidth = sw;
    s.screenheight = shared;
    s.dpix = s.dpiy = dpi;
    return s;
}

} // namespace

TEST(DesignScreen, FullScreenPositionsEqualExtents) {
    ScreenMetrics s = screen(1024, 768, 1024, 768);
    EXPECT_EQ(screenx(s, 320), 512);
    EXPECT_EQ(screeny(s, 480), 768);
    for (double v : {0.0, 1.5, 100.0, 639.0})
        EXPECT_EQ(screenx(s, v), scalex(s, v));
}

TEST(DesignScreen, SmallerAreaIsCentred) {
    ScreenMetrics s = screen(800, 600, 1024, 768);
    EXPECT_EQ(screenx(s, 0), 112);
    EXPECT_EQ(screeny(s, 0), 84);
    EXPECT_EQ(screenx(s, 640), 912);
    EXPECT_EQ(ctlscreenx(s, 0), 112);
    EXPECT_EQ(ctlscreeny(s, 480), 684);
}

TEST(DesignScreen, ControlsAreCorrectedForDensity) {
    ScreenMetrics s = screen(1024, 768, 1024, 768, 120);
    EXPECT_DOUBLE_EQ(ctlscalex(s, 640), 1024 * 0.8);
    EXPECT_DOUBLE_EQ(ctlscaley(s, 480), 768 * 0.8);
}

TEST(DesignScreen, DesignIsTheInverseOfScreen) {
    for (ScreenMetrics s :
         {screen(800, 600, 1024, 768), screen(1024, 768, 1024, 768), screen(1280, 720, 1920, 1080)})
        for (double v = -10; v <= 650; v += 7.25) {
            EXPECT_NEAR(designx(s, screenx(s, v)), v, 1e-9);
            EXPECT_NEAR(designy(s, screeny(s, v)), v, 1e-9);
        }
}

TEST(DesignScreen, AreaIsClampedToTheScreen) {
    ScreenMetrics s = screen(-1, 2000, 1024, 768);
    clamparea(s);
    EXPECT_EQ(s.areawidth, 1024);
    EXPECT_EQ(s.areaheight, 768);
    ScreenMetrics t = screen(800, 600, 1024, 768);
    clamparea(t);
    EXPECT_EQ(t.areawidth, 800);
}
