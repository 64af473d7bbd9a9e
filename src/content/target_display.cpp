#include "content/target_display.hpp"

#include "common/design_screen.hpp"
#include "common/fields.hpp"
#include "common/flags.hpp"
#include "common/form_helpers.hpp"
#include "common/palette.hpp"
#include "common/small_helpers.hpp"
#include "content/place_list.hpp"
#include "content/place_marks.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

#include <string>

namespace kartino::content {

namespace {

using basic::checkedInteger;
using common::fnmax;
using common::fnmin;

constexpr std::int16_t kBorderColour = 8; // the outline of the map's areas
constexpr int kBoxHalf = 6;               // design units from the target to the edge of the save box

const std::string &targetcolumn8(const session::Session &s) {
    const std::int16_t index = s.run.taskindex;
    if (index < 0 || index >= kPlaceSlots) basic::raise(basic::errSubscript);
    return s.places.placecolumns[static_cast<std::size_t>(index)][8];
}

// The two arms of the cross over the target, each clipped to the save box.
void drawtargetcross(session::Session &s, ui::Form &form) {
    const common::ScreenMetrics &sc = s.shared.screen;
    const Presentation &t = s.task;
    const std::uint32_t colour = common::palcolor(s.shared, s.settings.mapcolors[3]);
    form.Line(gfx::PenPoint{common::screenx(sc, t.targetboxleft), common::screeny(sc, t.targety)},
              gfx::PenPoint{common::screenx(sc, t.targetboxright), common::screeny(sc, t.targety)}, colour);
    form.Line(gfx::PenPoint{common::screenx(sc, t.targetx), common::screeny(sc, t.targetboxtop)},
              gfx::PenPoint{common::screenx(sc, t.targetx),
                            common::screeny(sc, checkedInteger(t.targetboxbottom + 1))},
              colour);
}

void floodat(session::Session &s, ui::Form &form, std::int32_t x, std::int32_t y, std::int16_t colour) {
    const common::ScreenMetrics &sc = s.shared.screen;
    common::floodarea(form, s.shared, basic::CInt(common::screenx(sc, x)),
                      basic::CInt(common::screeny(sc, y)), colour, kBorderColour);
}

// An area place: flooded at its position and at the further points column 8 gives as
// distance;direction[;distance;direction] from the map centre.
void fillarea(session::Session &s, ui::Form &form) {
    Presentation &t = s.task;
    const std::int16_t fill = s.settings.mapcolors[1];
    floodat(s, form, t.targetx, t.targety, fill);
    t.fillx2 = t.fillx3 = 0;
    const std::string &column8 = targetcolumn8(s);
    if (basic::Val(column8) <= 0) return;
    std::string list = common::fnreplace(column8, ";", ",") + ",,,,";
    const double distance2 = basic::Val(common::fnnextfield(list));
    const double direction2 = basic::Val(common::fnnextfield(list));
    const DesignPoint second = polarposition(s, distance2, direction2);
    t.fillx2 = second.x, t.filly2 = second.y;
    floodat(s, form, t.fillx2, t.filly2, fill);
    const double distance3 = basic::Val(common::fnnextfield(list));
    const double direction3 = basic::Val(common::fnnextfield(list));
    if (distance3 <= 0) return;
    const DesignPoint third = polarposition(s, distance3, direction3);
    t.fillx3 = third.x, t.filly3 = third.y;
    floodat(s, form, t.fillx3, t.filly3, fill);
}

void savemarkonce(session::Session &s, MapForm &f) {
    if (!s.task.marksaved) savemark(s, f);
}

// The top-left corner of the saved rectangle on the form: one pixel above and left of the box.
int boxscreenx(const session::Session &s) {
    return basic::CLng(common::screenx(s.shared.screen, s.task.targetboxleft) - 1);
}
int boxscreeny(const session::Session &s) {
    return basic::CLng(common::screeny(s.shared.screen, s.task.targetboxtop) - 1);
}

} // namespace

bool ispointplace(const session::Session &s) {
    return basic::Val(targetcolumn8(s)) == -1;
}

void savemark(session::Session &s, MapForm &f) {
    Presentation &t = s.task;
    t.targetboxleft = checkedInteger(fnmax<std::int64_t>(std::int64_t{t.targetx} - kBoxHalf, 0));
    t.targetboxright =
        checkedInteger(fnmin<std::int64_t>(std::int64_t{t.targetx} + kBoxHalf, common::maxdesignx));
    t.targetboxtop = checkedInteger(fnmax<std::int64_t>(std::int64_t{t.targety} - kBoxHalf, 0));
    t.targetboxbottom =
        checkedInteger(fnmin<std::int64_t>(std::int64_t{t.targety} + kBoxHalf, common::maxdesigny));
    ui::BitBlt(f.PictureSave, 0, 0, t.markboxw, t.markboxh, f.form, boxscreenx(s), boxscreeny(s));
    t.marksaved = true;
}

void showtarget(session::Session &s, MapForm &f) {
    Presentation &t = s.task;
    const DesignPoint at = placeposition(s, s.run.taskindex);
    t.targetx = at.x, t.targety = at.y;
    t.marksaved = false;
    t.pointtarget = ispointplace(s);

    if (s.settings.colourhitmode) {
        savemark(s, f);
        markplace(s, f.form, t.targetx, t.targety, s.settings.mapcolors[1]);
    } else if (t.pointmode) {
        if (t.pointtarget) {
            savemark(s, f);
            drawtargetcross(s, f.form);
        } else {
            fillarea(s, f.form);
        }
    }

    if (common::fnbitset(t.taskflags, 9)) {
        savemarkonce(s, f);
        drawtargetcross(s, f.form);
    }
    if (common::fnbitset(t.taskflags, 10)) {
        savemarkonce(s, f);
        markplace(s, f.form, t.targetx, t.targety, s.settings.mapcolors[2]);
    }
}

void hidetarget(session::Session &s, MapForm &f) {
    Presentation &t = s.task;
    if (t.marksaved)
        ui::BitBlt(f.form, boxscreenx(s), boxscreeny(s), t.markboxw, t.markboxh, f.PictureSave, 0, 0);
    if (!t.pointmode || t.pointtarget) return;
    const std::int16_t fill = s.settings.mapcolors[4];
    floodat(s, f.form, t.targetx, t.targety, fill);
    if (t.fillx2 != 0) floodat(s, f.form, t.fillx2, t.filly2, fill);
    if (t.fillx3 != 0) floodat(s, f.form, t.fillx3, t.filly3, fill);
}

} // namespace kartino::content
