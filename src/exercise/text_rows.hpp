#pragma once
// The text rows the exercise form chooses itself: the row below the map for the summary line and
// the first line of the repeat offer, and the rows of the help lines. Each is chosen so that its
// text never covers the map or another text, and stays on the screen.
//
// A text printed on row r (printrow, printcell) takes the design band r x 16 - 17 to r x 16 - 1.
#include "session/session.hpp"

#include <optional>
#include <vector>

namespace kartino::exercise {

// The design band (top, bottom) of a control the help lines must keep clear of.
struct DesignBand {
    double top = 0, bottom = 0;
};

// The first row whose band lies wholly below the map and below what the map set-up and the list
// loader print beneath it (the world graticule's labels, the scale bar and its label); none when
// such a row would not end on the screen.
std::optional<std::int16_t> firstrowbelowmap(const session::Session &s);

// maptextrow: the row after the first row below the map, so that the summary line
// (maptextrow - 1) and the repeat offer's first line (from the top of that row) sit on that free
// row; 2 (the summary on the top row, in the blanked header) when the map leaves no row below it.
std::int16_t maptextrowfor(const session::Session &s);

// Where the help lines of the current task start: row and text column. In the right-hand
// column, the first run of free rows above the question row (row messagerow) that holds every
// help line the task may show, rows taken by the presentation's texts (first and second text,
// region text, value lines) and by `controls` (the task counter, the help button and the go-on
// label where they are shown, all at the right) excluded; else the first rows below the map in
// that column, clear of the controls; else the first rows below the map at the left edge
// (column 2); when none of these has room for all the lines, the first free row above the
// question in the right-hand column.
struct HelpPlace {
    std::int16_t row = 2, column = 52;
};
HelpPlace helpplacefor(const session::Session &s, const std::vector<DesignBand> &controls);

} // namespace kartino::exercise
