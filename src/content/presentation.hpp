#pragma once
// The state of the task presentation: where the texts of the current task went, the badge, the
// true place and what was saved under its mark, and the working flags the calling form set.
#include <cstdint>

namespace kartino::content {

struct Presentation {
    std::int16_t taskflags = 0;    // working copy of exerciseflags3, set by the calling form
    bool pointmode = false;        // bit 8 of taskflags: places are judged as points or areas
    std::int16_t rightcolumn = 52; // text column of the right-hand texts
    std::int16_t textlines = 0;    // place texts shown (bits 1 and 2)
    std::int16_t firstrow = 0, currentrow = 0;
    std::int16_t namerow = 0, savedrow = 0;
    std::int16_t badgex = 0, badgey = 0;                         // centre of the third text's badge
    std::int32_t targetx = 0, targety = 0;                       // design position of the place asked
    bool pointtarget = false;                                    // column 8 is -1: the place is a point
    std::int32_t fillx2 = 0, filly2 = 0, fillx3 = 0, filly3 = 0; // further pieces of an area
    std::int16_t targetboxleft = 0, targetboxright = 0, targetboxtop = 0, targetboxbottom = 0;
    bool marksaved = false;                  // the rectangle under the cross is in PictureSave
    std::int16_t markboxw = 0, markboxh = 0; // size of the save copies: scalex(14), scaley(14)
};

} // namespace kartino::content
