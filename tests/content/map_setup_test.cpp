// The map set-up on a headless form: the frame by scale code, the records with their optional
// layers, the read-back colours, the map rectangle found on the drawing, the message row and
// the graticules. A 640 x 480 screen makes design units pixels; one test uses 1024 x 768.
#include "content/map_setup.hpp"
#include "map_form_test.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace kartino;
using content::mapsetup;

namespace {

class MapSetupTest : public testkit::MapFormTest {
  protected:
    void records(std::initializer_list<std::string> texts) {
        int i = 0;
        for (const std::string &t : texts)
            s.vectors.recordtext[static_cast<std::size_t>(i++)] = t + "*,";
        s.vectors.itemcount = static_cast<std::int16_t>(i - 1);
    }
};

// A land rectangle in colour 3 from (220, 196) to (420, 316) around the centre (320, 256).
const char *kLand = "C3,B100,180,B60,90,T120,200,";

TEST_F(MapSetupTest, FlatMapFindsItsRectangleOnTheDrawing) {
    s.settings.mapscale = 1;
    records({kLand});
    mapsetup(s, *form);
    const content::MapGeometry &m = s.map;
    EXPECT_EQ(m.mapcentrex, 320);
    EXPECT_EQ(m.mapcentrey, 256);
    EXPECT_EQ(m.mapleft, 220);
    EXPECT_EQ(m.mapright, 420);
    EXPECT_EQ(m.maptop, 196);
    EXPECT_EQ(m.mapbottom, 316);
    EXPECT_EQ(m.messagerow, 5);
    EXPECT_EQ(m.questionrow, 1);
    EXPECT_EQ(at(300, 196), colour(8)); // the line along the top of the map
    EXPECT_EQ(at(300, 250), colour(3));
}

TEST_F(MapSetupTest, ShiftedCentreMovesTheDrawingAndTheWalk) {
    s.settings.mapscale = 1;
    s.settings.minusvalue = 10;
    s.settings.equalvalue = -6;
    records({kLand});
    mapsetup(s, *form);
    EXPECT_EQ(s.map.mapcentrex, 310);
    EXPECT_EQ(s.map.mapcentrey, 262);
    EXPECT_EQ(s.map.mapleft, 210);
    EXPECT_EQ(s.map.mapright, 410);
    EXPECT_EQ(s.map.maptop, 202);
    EXPECT_EQ(s.map.messagerow, 5);
}

TEST_F(MapSetupTest, CentreOnTheBackgroundKeepsTheOldBounds) {
    s.settings.mapscale = 3;
    s.map.mapleft = 11, s.map.mapright = 22, s.map.maptop = 33, s.map.mapbottom = 44;
    records({"C3,B200,0,U5,"}); // land away from the centre
    mapsetup(s, *form);
    EXPECT_EQ(s.map.mapleft, 11);
    EXPECT_EQ(s.map.mapright, 22);
    EXPECT_EQ(s.map.maptop, 33);
    EXPECT_EQ(s.map.mapbottom, 44);
    EXPECT_EQ(s.map.messagerow, 2);
}

TEST_F(MapSetupTest, TargetColoursAreReadBackAndTheSamplingSwitchComesBack) {
    s.settings.mapscale = 1;
    s.settings.mapcolors = {0, 9, 7, 4, 10, 11};
    s.settings.shuffleflag = false;
    s.settings.shuffletaken = true;
    records({kLand});
    mapsetup(s, *form);
    EXPECT_EQ(s.map.targetcolour1, colour(10));
    EXPECT_EQ(s.map.targetcolour2, colour(11));
    EXPECT_EQ(s.map.screencolour0, colour(0));
    EXPECT_EQ(s.map.targetpointcolour, colour(9));
    EXPECT_EQ(at(0, 0), colour(9)); // the last probe stays
    EXPECT_TRUE(s.settings.shuffleflag);
    EXPECT_FALSE(s.settings.shuffletaken);
}

TEST_F(MapSetupTest, HeaderSwitchesAndTheOptionalLayers) {
    // Five records, each a dot of its own colour in its own place; the last three are layers.
    records(
        {"C1,B10,0,P,B0,0,L0,0,", "C2,B20,0,L0,0,", "C4,B30,0,L0,0,", "C5,B40,0,L0,0,", "C6,B50,0,L0,0,"});
    s.settings.mapscale = -3;
    s.vectors.headerline = "<1;0;0;0> /r /b /d /l";
    mapsetup(s, *form);
    EXPECT_TRUE(s.map.switchr && s.map.switchb && s.map.switchd);
    EXPECT_EQ(s.map.questionrow, 5);
    EXPECT_EQ(at(330, 256), colour(1));
    EXPECT_EQ(at(340, 256), colour(2));
    EXPECT_NE(at(350, 256), colour(4)); // n - 2, n - 1 and n all left out
    EXPECT_NE(at(360, 256), colour(5));
    EXPECT_NE(at(370, 256), colour(6));

    form->Cls();
    s.vectors.headerline = "<1;0;0;0>";
    mapsetup(s, *form);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(at(330 + 10 * k, 256), colour(std::array{1, 2, 4, 5, 6}[static_cast<std::size_t>(k)])) << k;
}

TEST_F(MapSetupTest, LayerRules) {
    content::MapGeometry m;
    session::Settings f;
    auto skipped = [&](bool r, bool b, bool d, bool a, bool b12, bool c) {
        m.switchr = r, m.switchb = b, m.switchd = d;
        f.flagbit11 = a, f.flagbit12 = b12, f.flagbit13 = c;
        std::string out;
        for (int i = 7; i <= 10; ++i)
            out += content::layerskipped(i, 10, m, f) ? 'x' : '.';
        return out; // records n - 3 .. n
    };
    EXPECT_EQ(skipped(true, true, true, false, false, false), ".xxx");
    EXPECT_EQ(skipped(false, false, false, false, false, false), "....");
    EXPECT_EQ(skipped(true, true, true, true, true, true), "....");
    EXPECT_EQ(skipped(true, false, true, false, true, true), "..x.");    // not b: n - 1 by d and r
    EXPECT_EQ(skipped(true, false, false, true, false, true), "...x");   // not b, not bit 12: n by r
    EXPECT_EQ(skipped(false, true, false, true, true, false), "...x");   // b without bit 13
    EXPECT_EQ(skipped(false, false, true, false, false, false), "...x"); // d alone
    EXPECT_EQ(skipped(true, true, false, true, false, true), "..x.");    // r and b without bit 12
}

TEST_F(MapSetupTest, WorldMapFrameTicksAndLabels) {
    form->setBackColor(colour(5)); // colour-0 lines show on it
    s.settings.mapscale = content::kWorldMap;
    s.settings.flagbit11 = true;
    s.settings.flagbit4 = true; // the top stays where the frame puts it
    records({"C7,B0,0,"});
    mapsetup(s, *form);
    const content::MapGeometry &m = s.map;
    EXPECT_EQ(m.mapcentrey, 246);
    EXPECT_EQ(m.maptop, 88);
    EXPECT_EQ(m.mapbottom, 406);
    EXPECT_EQ(m.messagerow, 5);
    EXPECT_EQ(at(100, 406), colour(10)); // the frame's lower edge
    EXPECT_EQ(at(100, 293), colour(0));  // the equator
    EXPECT_EQ(at(299, 200), colour(0));  // meridian 0
    for (float x = 298.7f + 53.33f; x <= 639; x += 53.33f) {
        EXPECT_EQ(at(static_cast<int>(std::lround(x)), 404), colour(0)) << x;
        EXPECT_EQ(at(static_cast<int>(std::lround(x)), 89), colour(0)) << x;
    }
    EXPECT_EQ(at(1, 350), colour(0)); // latitude ticks at 293 + 57
    EXPECT_EQ(at(637, 236), colour(0));
    EXPECT_TRUE(anyof(296, 415, 304, 430, 13)); // "0" below the map, row 27 column 38
    EXPECT_TRUE(anyof(608, 415, 630, 430, 13)); // "180" at column 77
    EXPECT_TRUE(anyof(8, 223, 24, 238, 12));    // "30" on its background at row 15
    EXPECT_TRUE(anyof(8, 335, 24, 350, 12));    // and at row 22
}

// World and regional maps keep their frames whatever lies at their centre: a walk up from a
// world map's centre on land stopped at the first black pixel and cut the northern half off.
TEST_F(MapSetupTest, WorldAndRegionalMapsKeepTheirFramesWithLandAtTheCentre) {
    const char *land = "C3,B100,90,B300,180,T200,600,"; // land 100 units up from the centre, 200 high
    for (std::int16_t scale : {content::kWorldMap, content::kRegionalMap}) {
        form->Cls();
        s.map = {};
        s.settings.mapscale = scale;
        records({land});
        mapsetup(s, *form);
        const bool world = scale == content::kWorldMap;
        EXPECT_EQ(s.map.maptop, world ? 88 : 82) << scale;
        EXPECT_EQ(s.map.mapbottom, world ? 406 : 450) << scale;
        EXPECT_EQ(s.map.mapleft, world ? 0 : 65) << scale;
        EXPECT_EQ(s.map.messagerow, 5) << scale;
    }
}

TEST_F(MapSetupTest, RegionalMapGraticuleTakesOneMessageRow) {
    form->setBackColor(colour(5));
    s.settings.mapscale = content::kRegionalMap;
    s.settings.flagbit11 = true;
    s.settings.flagbit4 = true;
    records({"C7,B0,0,"});
    mapsetup(s, *form);
    EXPECT_EQ(s.map.maptop, 82);
    EXPECT_EQ(s.map.messagerow, 4);
    EXPECT_EQ(at(273, 300), colour(0));
    EXPECT_EQ(at(300, 296), colour(0));
    EXPECT_EQ(at(66, 175), colour(0));
    EXPECT_EQ(at(186, 83), colour(0));
    EXPECT_NE(at(300, 82), colour(8));        // no line above a regional map
    EXPECT_TRUE(anyof(40, 287, 56, 303, 13)); // "50" at row 19, column 6
}

TEST_F(MapSetupTest, RecordsDrawFromTheCentreAtTheZoomOnALargerScreen) {
    open({1024, 768});
    s.settings.mapscale = -5;
    s.settings.flagbit4 = true; // no walk: nothing drawn over the step
    s.settings.mapzoom = std::int16_t{8};
    records({"C3,L10,0,"});
    mapsetup(s, *form);
    // The centre (320, 256) is (512, 410) on the screen; 10 units at zoom 8 are 32 pixels.
    EXPECT_EQ(at(512, 410), colour(3));
    EXPECT_EQ(at(544, 410), colour(3));
    EXPECT_NE(at(545, 410), colour(3));
}

} // namespace
