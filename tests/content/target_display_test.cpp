// The true place on the map and taking it back: the round marker in colour-hit mode, the cross
// of a point place clipped to the design screen, an area place flooded at up to three points,
// the markers of taskflags bits 9 and 10 on top, and the exact restore of what they covered.
#include "content/target_display.hpp"
#include "presentation_fixture.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using content::hidetarget;
using content::showtarget;

namespace {

class TargetDisplayTest : public testkit::PresentationFormTest {
  protected:
    // Three areas outlined in colour 8 around (320, 256), (420, 256) and (220, 256), on a map in
    // colour 3 so that nothing else is background.
    void drawareas() {
        form->Line(gfx::PenPoint{150, 200}, gfx::PenPoint{500, 320}, colour(3), gfx::BoxMode::Filled);
        for (int left : {300, 400, 200}) {
            form->Line(gfx::PenPoint{double(left), 236}, gfx::PenPoint{left + 40.0, 276}, colour(8),
                       gfx::BoxMode::Box);
            form->Line(gfx::PenPoint{left + 1.0, 237}, gfx::PenPoint{left + 39.0, 275}, colour(5),
                       gfx::BoxMode::Filled);
        }
    }
    // Interior pixels of the area whose left edge is `left` in colour n.
    int inarea(int left, int n) const { return count(left + 1, 237, left + 39, 275, n); }
    static constexpr int kArea = 39 * 39;
};

TEST_F(TargetDisplayTest, ColourHitModeMarksThePlaceAndRestoresIt) {
    form->Line(gfx::PenPoint{380, 230}, gfx::PenPoint{460, 280}, colour(3), gfx::BoxMode::Filled);
    place(4, {"1", "Bern", "", "", "", "", "100", "0", "-1"});
    s.settings.colourhitmode = true;
    const gfx::Surface before = form->shown();
    showtarget(s, *mapform);
    EXPECT_EQ(s.task.targetx, 420);
    EXPECT_EQ(s.task.targety, 256);
    EXPECT_TRUE(s.task.marksaved);
    EXPECT_TRUE(s.task.pointtarget);
    EXPECT_EQ(s.task.targetboxleft, 414);
    EXPECT_EQ(s.task.targetboxright, 426);
    EXPECT_EQ(s.task.targetboxtop, 250);
    EXPECT_EQ(s.task.targetboxbottom, 262);
    EXPECT_EQ(at(420, 256), colour(9)); // mapcolors(1)
    EXPECT_EQ(at(423, 256), colour(8)); // the rim
    EXPECT_EQ(picture->pixels().at(0, 0), before.at(413, 249));
    EXPECT_EQ(picture->pixels().at(13, 13), before.at(426, 262));
    hidetarget(s, *mapform);
    EXPECT_EQ(changed(before), 0);
}

TEST_F(TargetDisplayTest, ColourHitModeComesBeforeTheAreaFill) {
    s.task.pointmode = true;
    drawareas();
    place(4, {"1", "See", "", "", "", "", "0", "0", "0"});
    s.settings.colourhitmode = true;
    showtarget(s, *mapform);
    EXPECT_FALSE(s.task.pointtarget);
    EXPECT_EQ(at(320, 256), colour(9));
    EXPECT_LT(inarea(300, 9), 50); // only the marker
    hidetarget(s, *mapform);
    EXPECT_EQ(inarea(300, 12), kArea); // an area place is flooded in mapcolors(4) all the same
    EXPECT_EQ(inarea(400, 5), kArea);
}

TEST_F(TargetDisplayTest, PointPlaceCrossIsClippedAtTheDesignEdges) {
    s.task.pointmode = true;
    s.map.mapcentrex = 3, s.map.mapcentrey = 2;
    place(0, {"1", "Ecke", "", "", "", "", "0", "0", "-1"});
    form->Line(gfx::PenPoint{0, 0}, gfx::PenPoint{20, 20}, colour(3), gfx::BoxMode::Filled);
    gfx::Surface before = form->shown();
    showtarget(s, *mapform);
    EXPECT_TRUE(s.task.pointtarget);
    EXPECT_EQ(s.task.targetboxleft, 0);
    EXPECT_EQ(s.task.targetboxtop, 0);
    EXPECT_EQ(s.task.targetboxright, 9);
    EXPECT_EQ(s.task.targetboxbottom, 8);
    EXPECT_EQ(count(0, 2, 20, 2, 11), 9); // x 0 to 8: the line leaves out its end
    EXPECT_EQ(at(9, 2), colour(3));
    EXPECT_EQ(count(3, 0, 3, 20, 11), 9); // y 0 to 8: drawn down to the box's bottom
    EXPECT_EQ(at(3, 9), colour(3));
    EXPECT_EQ(count(0, 0, 20, 20, 11), 17);
    hidetarget(s, *mapform);
    EXPECT_EQ(changed(before), 0);

    s.map.mapcentrex = 636, s.map.mapcentrey = 477;
    form->Line(gfx::PenPoint{600, 450}, gfx::PenPoint{639, 479}, colour(3), gfx::BoxMode::Filled);
    before = form->shown();
    showtarget(s, *mapform);
    EXPECT_EQ(s.task.targetboxright, 639);
    EXPECT_EQ(s.task.targetboxbottom, 479);
    EXPECT_EQ(count(600, 477, 639, 477, 11), 9); // x 630 to 638
    EXPECT_EQ(at(638, 477), colour(11));
    EXPECT_EQ(at(639, 477), colour(3));
    EXPECT_EQ(count(636, 450, 636, 479, 11), 9); // y 471 to 479
    EXPECT_EQ(at(636, 479), colour(11));
    EXPECT_EQ(at(636, 470), colour(3));
    hidetarget(s, *mapform);
    EXPECT_EQ(changed(before), 0);
}

TEST_F(TargetDisplayTest, AreaPlaceFilledAtOneTwoAndThreePoints) {
    s.task.pointmode = true;
    drawareas();
    place(7, {"1", "See", "", "", "", "", "0", "0", "0"});
    s.task.fillx2 = 99, s.task.fillx3 = 99; // from an earlier task
    showtarget(s, *mapform);
    EXPECT_FALSE(s.task.marksaved);
    EXPECT_EQ(inarea(300, 9), kArea);
    EXPECT_EQ(inarea(400, 5), kArea);
    EXPECT_EQ(inarea(200, 5), kArea);
    EXPECT_EQ(s.task.fillx2, 0);
    EXPECT_EQ(s.task.fillx3, 0);
    hidetarget(s, *mapform);
    EXPECT_EQ(inarea(300, 12), kArea); // mapcolors(4)

    place(7, {"1", "See", "", "", "", "", "0", "0", "50;0"});
    s.settings.mswitch = true; // the further points grow with the map's zoom as the place does
    s.settings.mapzoom = std::int16_t{8};
    showtarget(s, *mapform);
    EXPECT_EQ(s.task.fillx2, 420);
    EXPECT_EQ(s.task.filly2, 256);
    EXPECT_EQ(s.task.fillx3, 0);
    EXPECT_EQ(inarea(300, 9), kArea);
    EXPECT_EQ(inarea(400, 9), kArea);
    EXPECT_EQ(inarea(200, 5), kArea);

    drawareas();
    s.settings.mswitch = false;
    place(7, {"1", "See", "", "", "", "", "0", "0", "100;0;100;180"});
    showtarget(s, *mapform);
    EXPECT_EQ(s.task.fillx3, 220);
    EXPECT_EQ(s.task.filly3, 256);
    EXPECT_EQ(inarea(300, 9), kArea);
    EXPECT_EQ(inarea(400, 9), kArea);
    EXPECT_EQ(inarea(200, 9), kArea);
    EXPECT_EQ(at(160, 256), colour(3)); // outside the areas nothing changes
    hidetarget(s, *mapform);
    EXPECT_EQ(inarea(300, 12), kArea);
    EXPECT_EQ(inarea(400, 12), kArea);
    EXPECT_EQ(inarea(200, 12), kArea);
    EXPECT_EQ(at(160, 256), colour(3));
    EXPECT_EQ(at(300, 256), colour(8));
}

TEST_F(TargetDisplayTest, ASecondDistanceOfZeroAddsNoThirdPoint) {
    s.task.pointmode = true;
    drawareas();
    place(7, {"1", "See", "", "", "", "", "0", "0", "100;0;0;180"});
    showtarget(s, *mapform);
    EXPECT_EQ(inarea(400, 9), kArea);
    EXPECT_EQ(inarea(200, 5), kArea);
    EXPECT_EQ(s.task.fillx3, 0);
    hidetarget(s, *mapform);
    EXPECT_EQ(inarea(200, 5), kArea);
}

TEST_F(TargetDisplayTest, CrossOverAnAreaIsSavedAfterTheFill) {
    s.task.pointmode = true;
    s.task.taskflags = 1 << 9;
    drawareas();
    place(7, {"1", "See", "", "", "", "", "0", "0", "0"});
    showtarget(s, *mapform);
    EXPECT_TRUE(s.task.marksaved);
    EXPECT_EQ(at(314, 256), colour(11));
    EXPECT_EQ(at(320, 262), colour(11));
    EXPECT_EQ(inarea(300, 9), kArea - 24);
    hidetarget(s, *mapform);
    EXPECT_EQ(inarea(300, 12), kArea); // the cross is gone, the whole area refilled
}

TEST_F(TargetDisplayTest, MarkersOfBitsNineAndTenSaveOnce) {
    form->Line(gfx::PenPoint{380, 230}, gfx::PenPoint{460, 280}, colour(3), gfx::BoxMode::Filled);
    place(2, {"1", "Rom", "", "", "", "", "100", "0", "-1"});
    s.task.taskflags = (1 << 9) | (1 << 10);
    const gfx::Surface before = form->shown();
    showtarget(s, *mapform);             // neither colour-hit nor point mode: only the markers
    EXPECT_EQ(at(420, 256), colour(10)); // mapcolors(2) over the cross
    EXPECT_EQ(at(415, 256), colour(11));
    EXPECT_EQ(at(420, 251), colour(11));
    hidetarget(s, *mapform);
    EXPECT_EQ(changed(before), 0); // the copy taken before the cross

    s.task.taskflags = 1 << 10;
    s.settings.colourhitmode = true;
    showtarget(s, *mapform);
    EXPECT_EQ(at(420, 256), colour(10)); // bit 10's marker over the colour-hit marker
    EXPECT_EQ(count(380, 230, 460, 280, 11), 0);
    hidetarget(s, *mapform);
    EXPECT_EQ(changed(before), 0);
}

TEST_F(TargetDisplayTest, PointPlaceInPointModeWithBitNineStillRestoresTheMap) {
    form->Line(gfx::PenPoint{380, 230}, gfx::PenPoint{460, 280}, colour(3), gfx::BoxMode::Filled);
    place(2, {"1", "Rom", "", "", "", "", "100", "0", "-1"});
    s.task.pointmode = true;
    s.task.taskflags = 1 << 9;
    const gfx::Surface before = form->shown();
    showtarget(s, *mapform);
    EXPECT_EQ(count(380, 230, 460, 280, 11), 24);
    hidetarget(s, *mapform);
    EXPECT_EQ(changed(before), 0);
}

} // namespace
