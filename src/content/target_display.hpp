#pragma once
// The true place of a task on the map: shown after an answer (and in the demonstration), taken
// back before the next task. A point place gets a cross (or the round marker), an area place is
// flooded in the target colour at up to three points; what the cross and the markers cover is
// saved in the form's PictureSave first, so that it can be put back exactly.
#include "content/map_form.hpp"
#include "session/session.hpp"

namespace kartino::content {

// Shows the place taskindex: the round marker in colour-hit mode; in point mode a cross on a
// point place or the area flooded in mapcolors(1); then the cross (taskflags bit 9) and the
// round marker in mapcolors(2) (bit 10) on top.
void showtarget(session::Session &s, MapForm &f);

// Column 8 of the place asked is -1: the place is a point, judged by closeness rather than by
// its area's colour.
bool ispointplace(const session::Session &s);

// Takes back what showtarget drew: the saved rectangle is copied back, and an area place is
// flooded again in mapcolors(4) at each of its points.
void hidetarget(session::Session &s, MapForm &f);

// The design box of 6 units around the target, clipped to the design screen, and the copy of
// the markboxw x markboxh screen pixels from one pixel above and left of it into PictureSave.
void savemark(session::Session &s, MapForm &f);

} // namespace kartino::content
