#pragma once
// The presentation of a task above the map: up to three texts of the place asked (the third in
// a badge), its value lines and region text, a marker left of the second text that shows how
// the answer is judged, the place's own picture at the top left and, on the regional map, the
// longitude labels. The exercise form runs it once per task; the demonstration for each of its
// example tasks.
#include "content/map_form.hpp"
#include "session/session.hpp"

namespace kartino::content {

// Presents the place taskindex as taskflags asks: bit 0 region text, 1 to 3 the place's texts
// (3 in a badge), 4 and 5 its value lines, 6 exercisetexts(10) behind the second text, 9 and 10
// a cross or a dot marker, 11 the region text centred, 12 the second text on the first row, 13
// the place's picture further left. Leaves the rows used in textlines, firstrow, currentrow,
// namerow and savedrow and the badge centre in badgex/badgey.
void presenttask(session::Session &s, MapForm &f);

// Blanks the header above the map, the place's picture and the last badge, and paints the close
// box again.
void clearheader(session::Session &s, MapForm &f);

} // namespace kartino::content
