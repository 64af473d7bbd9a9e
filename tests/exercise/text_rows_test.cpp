// The rows the exercise form chooses for its own lines: the row below the map (the summary and
// the repeat offer) and the first help row. Each case is a map and a presentation that once put
// a line over the map or over another text.
#include "exercise/text_rows.hpp"
#include "support/fake_services.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using namespace kartino::exercise;

namespace {

enum Controls {
    kNone,
    kCounter,
    kButtons
}; // at the top right; the help button and go-on label at the bottom right

struct RowCase {
    const char *what;
    std::int16_t mapscale, maptop, mapbottom, messagerow;
    bool graticule, scalebar;
    std::int16_t taskflags, firstrow, namerow; // the presentation's texts
    std::int16_t helpoptions;
    Controls controls;
    std::int16_t maptextrow, helprow, helpcolumn;
};

// The world map ends at 406 with its labels on row 27; the regional map ends at 450.
const RowCase kCases[] = {
    {"world, labels below it, two texts: help below the map", -1, 88, 406, 5, true, false, 0b110, 2, 3, 0b11,
     kNone, 29, 28, 52},
    {"world, texts on rows 2 to 4, buttons at the bottom right: help at the left", -1, 88, 406, 5, true,
     false, 0b110110, 2, 3, 0b11, kButtons, 29, 28, 2},
    {"world without graticule, one help line", -1, 88, 406, 5, false, false, 0, 2, 3, 0b1, kNone, 28, 2, 52},
    {"regional: only the bottom row is left, three lines do not fit", -2, 82, 450, 5, false, false, 0b110, 2,
     3, 0b111, kNone, 31, 4, 52},
    {"a map down to the bottom: the summary on the top row", 1000, 90, 479, 5, false, false, 0b110, 2, 3, 0b1,
     kNone, 2, 4, 52},
    {"a scale bar with its label below the map", 1000, 90, 380, 5, false, true, 0, 2, 3, 0b1, kNone, 31, 2,
     52},
    {"the task counter covers rows 1 and 2", 1000, 90, 380, 5, false, false, 0, 2, 3, 0b1, kCounter, 26, 3,
     52},
    {"both value lines: two rows for one step", -1, 88, 406, 5, false, false, 0b10000, 2, 3, 0b10010000,
     kNone, 28, 27, 52},
};

TEST(TextRows, NeverOverTheMapOrAnotherText) {
    for (const RowCase &c : kCases) {
        SCOPED_TRACE(c.what);
        testkit::FakeServices f;
        session::Session s{f.services};
        s.settings.mapscale = c.mapscale;
        s.map.maptop = c.maptop, s.map.mapbottom = c.mapbottom, s.map.messagerow = c.messagerow;
        s.settings.flagbit11 = c.graticule;
        s.settings.flagbit10 = c.scalebar;
        s.settings.scalebarkm = 100, s.settings.scalebary = 440; // label on row 29
        s.task.taskflags = c.taskflags, s.task.firstrow = c.firstrow, s.task.namerow = c.namerow;
        s.settings.helpoptions = c.helpoptions;
        s.settings.helpcount = static_cast<std::int16_t>(__builtin_popcount(c.helpoptions & 0b111111));
        std::vector<DesignBand> controls;
        if (c.controls == kCounter) controls = {{4, 24}};
        if (c.controls == kButtons) controls = {{454, 479}, {454, 479}};
        EXPECT_EQ(maptextrowfor(s), c.maptextrow);
        const HelpPlace help = helpplacefor(s, controls);
        EXPECT_EQ(help.row, c.helprow);
        EXPECT_EQ(help.column, c.helpcolumn);
    }
}

} // namespace
