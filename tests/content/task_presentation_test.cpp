// The presentation of a task above the map: the rows of the place's texts, the second text in
// the right-hand column when the rows are used up, the markers left of it, the badge, the value
// lines, the region text, the place's own picture, the regional map's labels and the close box.
#include "common/text_grid.hpp"
#include "content/map_setup.hpp"
#include "content/task_presentation.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/ui/system_colours.hpp"
#include "presentation_fixture.hpp"
#include "support/error_number.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using content::presenttask;

namespace {

constexpr int kRightColumnX = 408; // text column 52

class TaskPresentationTest : public testkit::PresentationFormTest {
  protected:
    TaskPresentationTest() {
        place(5, {"2", "Bern", "Schweiz", "A", "-12.5", "+3", "100", "0", "-1"});
        s.places.regiontexts[2] = "Nord";
    }
    void flags(std::initializer_list<int> bits) {
        int word = 0;
        for (int bit : bits)
            word |= 1 << bit;
        s.task.taskflags = static_cast<std::int16_t>(word);
    }
    // The form y at which printrow puts a text on `row`.
    static int rowtop(int row) { return row * 16 - 17; }
    int height() const { return static_cast<int>(form->TextHeight("Bern")); }
    // The pixels of colour n lie in the band of `row`, starting at form x `left` or further right.
    void expectOnRow(int n, int row) const {
        testkit::Extent e = extent(n);
        ASSERT_FALSE(e.empty()) << "colour " << n;
        EXPECT_GE(e.top, std::max(rowtop(row), 0)) << "colour " << n;
        EXPECT_LT(e.bottom, rowtop(row) + height()) << "colour " << n;
    }
    // The pixels of colour n begin within a few pixels right of form x `left`.
    void expectFrom(int n, double left) const {
        testkit::Extent e = extent(n);
        EXPECT_GE(e.left, static_cast<int>(left)) << "colour " << n;
        EXPECT_LE(e.left, static_cast<int>(left) + 3) << "colour " << n;
    }
    double centred(const std::string &text) const { return 320 - form->TextWidth(text) / 2; }
};

TEST_F(TaskPresentationTest, TwoTextsCentredInTheRowsAboveTheMap) {
    flags({1, 2});
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.textlines, 2);
    EXPECT_EQ(s.task.firstrow, 2); // (5 - 2) \ 2 + 1
    EXPECT_EQ(s.task.namerow, 3);
    EXPECT_EQ(s.task.currentrow, 3);
    expectOnRow(1, 2); // the first text in colour 1 when a second follows
    expectFrom(1, centred("Bern"));
    expectOnRow(7, 3);
    expectFrom(7, centred("Schweiz"));
}

TEST_F(TaskPresentationTest, OneTextWithoutRowsAboveTheMapGoesOnRowOne) {
    s.map.messagerow = 0;
    flags({1});
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.firstrow, 1);
    EXPECT_EQ(s.task.currentrow, 1);
    expectOnRow(7, 1);

    s.map.messagerow = 1; // a single row is not given up for the centred region text
    flags({1, 11});
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.currentrow, 1);
    expectOnRow(7, 1);

    flags({1});
    s.settings.switchu = true;  // the alternative colour set starts on row 2
    s.settings.flagbit4 = true; // and the texts kept left, at design x 160
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.firstrow, 2);
    expectOnRow(7, 2);
    expectFrom(7, 160);
}

TEST_F(TaskPresentationTest, SecondTextMovesToTheRightColumnWhenTheRowsAreUsedUp) {
    s.map.messagerow = 1;
    flags({1, 2});
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.namerow, 1);
    expectOnRow(1, 1);
    expectOnRow(7, 1);
    expectFrom(7, kRightColumnX);

    s.map.messagerow = 2; // one row lower for the centred region text uses the second row up
    flags({1, 2, 11});
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.firstrow, 1);
    EXPECT_EQ(s.task.namerow, 2);
    expectOnRow(1, 2);
    expectOnRow(7, 2);
    expectFrom(7, kRightColumnX);
}

TEST_F(TaskPresentationTest, SecondTextOnTheFirstRowAndTheRegionTextOnItsRow) {
    flags({0, 2, 11, 12});
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.firstrow, 3);
    EXPECT_EQ(s.task.savedrow, 4);
    EXPECT_EQ(s.task.namerow, 3);
    expectOnRow(7, 3);
    expectOnRow(1, 4); // the region text, centred
    expectFrom(1, centred("Nord"));

    s.settings.flagbit4 = true; // the region text on row 2 whatever else
    presenttask(s, *mapform);
    expectOnRow(1, 2);
}

TEST_F(TaskPresentationTest, SecondTextWithTheExerciseSuffixInTheMapColour) {
    s.settings.exercisetexts[session::kSecondTextExtra] = " (Land)";
    s.settings.flagbit6 = true;
    flags({2, 6});
    presenttask(s, *mapform);
    EXPECT_EQ(count(0, 0, 639, 81, 7), 0);
    expectOnRow(9, 3); // mapcolors(1)
    expectFrom(9, centred("Schweiz (Land)"));
}

TEST_F(TaskPresentationTest, RegionTextInTheRightColumnOnTheFirstRow) {
    flags({0});
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.firstrow, 3); // (5 - 0) \ 2 + 1
    expectOnRow(1, 3);
    expectFrom(1, kRightColumnX);

    place(5, {"101", "Bern", "", "", "", "", "0", "0", "-1"});
    EXPECT_EQ(testkit::errorOf([&] { presenttask(s, *mapform); }), basic::errSubscript)
        << "region code beyond the region texts";
}

class NameMarkerTest : public TaskPresentationTest {
  protected:
    // The second text in the right column of row 1: the marker's corner is design (387, 0).
    void presentright(std::initializer_list<int> bits) {
        s.map.messagerow = 1;
        flags(bits);
        presenttask(s, *mapform);
    }
};

TEST_F(NameMarkerTest, CrossLeftOfTheSecondText) {
    presentright({1, 2, 9});
    const testkit::Extent e = extent(11); // mapcolors(3)
    EXPECT_EQ(e.left, 387);
    EXPECT_EQ(e.right, 397);
    EXPECT_EQ(e.top, 2);
    EXPECT_EQ(e.bottom, 12);
    EXPECT_EQ(count(387, 7, 397, 7, 11), 11);
    EXPECT_EQ(count(392, 2, 392, 12, 11), 11);
    EXPECT_EQ(count(380, 0, 400, 20, 11), 21);
}

TEST_F(NameMarkerTest, DotBeforeCrossAndColourHitBeforeBoth) {
    presentright({1, 2, 9, 10});
    EXPECT_EQ(at(392, 6), colour(10)); // mapcolors(2) at (mx + 5, my + 6)
    EXPECT_EQ(at(395, 6), colour(8));
    EXPECT_EQ(count(0, 0, 639, 81, 11), 0);

    s.settings.colourhitmode = true;
    presentright({1, 2, 9, 10});
    EXPECT_EQ(at(387, 0), colour(9)); // mapcolors(1) at (mx, my)
    EXPECT_EQ(at(387, 3), colour(8));
    EXPECT_EQ(count(0, 0, 639, 81, 10), 0);
    EXPECT_EQ(count(0, 0, 639, 81, 11), 0);
}

TEST_F(NameMarkerTest, CrossLeftOfACentredText) {
    flags({2, 9});
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.namerow, 3);
    const testkit::Extent e = extent(11);
    EXPECT_EQ(e.left, basic::CInt(centred("Schweiz") - 21));
    EXPECT_EQ(e.top, 34);
}

TEST_F(TaskPresentationTest, BadgeOfTheThirdText) {
    form->setForeColor(colour(2));
    flags({3});
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.badgex, 23);
    EXPECT_EQ(s.task.badgey, 23);
    EXPECT_EQ(at(23, 11), colour(13));
    EXPECT_EQ(at(5, 23), colour(13));
    EXPECT_TRUE(anyof(41, 21, 44, 25, 8)); // the rim, 20 across
    EXPECT_TRUE(anyof(21, 7, 25, 10, 8));  // and 14 up
    const testkit::Extent text = extent(2);
    ASSERT_FALSE(text.empty());
    EXPECT_GE(text.top, 16);
    EXPECT_LE(std::abs((text.left + text.right) / 2 - 23), 2);
}

TEST_F(TaskPresentationTest, BadgeLowerWithAPlaceListAndInTheMiddleOnAWorldMap) {
    s.places.listloaded = true;
    s.vectors.recordtext[5] = "*,";
    flags({3});
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.badgex, 23);
    EXPECT_EQ(s.task.badgey, 87);
    EXPECT_EQ(at(23, 97), colour(13)); // below the top of the map

    s.settings.mapscale = content::kWorldMap;
    presenttask(s, *mapform);
    EXPECT_EQ(s.task.badgex, 167);
    EXPECT_EQ(s.task.badgey, 71);
    EXPECT_EQ(at(167, 59), colour(13));
    EXPECT_EQ(count(0, 82, 60, 110, 13), 0); // the last badge was blanked
}

TEST_F(TaskPresentationTest, ValueLinesOfColumnsFourAndFiveOnRowsThreeAndFour) {
    auto &texts = s.settings.exercisetexts;
    texts[11] = "S ", texts[12] = "N ", texts[13] = "W ", texts[14] = "E ";
    flags({4, 5});
    presenttask(s, *mapform);

    ui::Form reference(app(), "Reference");
    reference.setAutoRedraw(true);
    reference.setBackColor(colour(0));
    reference.Show();
    const std::array<std::string, 4> prefixes{"S ", "N ", "W ", "E "};
    common::helpvalueline(reference, s.shared, 3, 52, 1, "-12.5", prefixes);
    common::helpvalueline(reference, s.shared, 4, 52, 2, "+3", prefixes);
    int differing = 0;
    for (int y = 0; y < 82; ++y)
        for (int x = 0; x < 640; ++x)
            if (at(x, y) != static_cast<std::uint32_t>(reference.Point(x, y))) ++differing;
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(anyof(kRightColumnX, 32, 639, 47, 1));
    EXPECT_TRUE(anyof(kRightColumnX, 48, 639, 63, 1));

    flags({5});
    presenttask(s, *mapform);
    EXPECT_FALSE(anyof(0, 0, 639, 45, 1));
    EXPECT_TRUE(anyof(kRightColumnX, 48, 639, 63, 1));
}

TEST_F(TaskPresentationTest, ThePlacesOwnPictureAtTheTopLeft) {
    s.vectors.recordtext[5] = "U1,*,";
    presenttask(s, *mapform); // without a place list there is none
    EXPECT_EQ(count(0, 0, 120, 81, 15), 0);

    s.places.listloaded = true;
    presenttask(s, *mapform);
    EXPECT_EQ(at(57, 33), colour(15));
    EXPECT_NE(at(52, 33), colour(15));

    flags({13});
    presenttask(s, *mapform);
    EXPECT_EQ(at(52, 33), colour(15));
    EXPECT_NE(at(57, 33), colour(15));
}

TEST_F(TaskPresentationTest, LongitudeLabelsOnTheRegionalMap) {
    s.settings.mapscale = content::kRegionalMap;
    presenttask(s, *mapform);
    EXPECT_EQ(count(0, 0, 639, 81, 13), 0); // only with the graticule

    s.settings.flagbit11 = true;
    presenttask(s, *mapform);
    const testkit::Extent e = extent(13);
    ASSERT_FALSE(e.empty());
    EXPECT_GE(e.left, 176); // "10" at column 23
    EXPECT_LT(e.left, 180);
    EXPECT_GE(e.top, 63);                                // row 5
    EXPECT_TRUE(anyof(272, 63, 281, 63 + height(), 13)); // "0" at column 35
    EXPECT_TRUE(anyof(352, 63, 367, 63 + height(), 13)); // "10" at column 45
    EXPECT_LT(e.right, 368);
}

TEST_F(TaskPresentationTest, HeaderBlankedAndTheCloseBoxPaintedAgain) {
    form->Line(gfx::PenPoint{0, 0}, gfx::PenPoint{639, 479}, colour(3), gfx::BoxMode::Filled);
    cancel->Move(610, 4, 24, 20);
    presenttask(s, *mapform);
    EXPECT_EQ(at(620, 14), colour(0)); // hidden: only blanked
    EXPECT_EQ(at(300, 81), colour(0));
    EXPECT_EQ(at(300, 82), colour(3));

    cancel->setVisible(true);
    presenttask(s, *mapform);
    EXPECT_EQ(at(620, 6), ui::systemColour(ui::SystemColour::ButtonFace));
}

} // namespace
