#pragma once
// The places of a run: the list loader reads them from the map file (and their texts from a
// list file beside it) or from a list file alone, splits every place into its nine columns,
// reads the region texts of the header, marks all places when the exercise asks for it and
// draws the kilometre scale bar. The exercise form and the demonstration run it once, right
// after the map set-up.
#include "platform/ui/form.hpp"
#include "session/session.hpp"

#include <cstdint>

namespace kartino::content {

struct DesignPoint {
    std::int32_t x = 0, y = 0;
};

// Loads the places of the run (see the header). A missing list file beside the map file is
// reported and ends the session; data errors (fewer than nine fields, a list file shorter than
// the places, more than 100 region texts) raise the runtime's error.
void loadplacelist(session::Session &s, ui::Form &form);

// placenumber of places 0 to itemcount from the three-character fields of recordlist.
void splitnumbers(session::Session &s);

// placecolumns of places 0 to itemcount from their recordname: nine comma-terminated fields.
void splitfields(session::Session &s);

// The design position of place `index`: distance (column 6, times mapzoom / 4 with "/m=") and
// direction (column 7, degrees counter-clockwise) from the map centre.
DesignPoint placeposition(const session::Session &s, std::int16_t index);

// The position of a place given by distance and direction from the map centre.
DesignPoint polarposition(const session::Session &s, double distance, double direction);

// The kilometre scale bar with its label, when exercise flag bit 10 asks for it.
void drawscalebar(session::Session &s, ui::Form &form);

} // namespace kartino::content
