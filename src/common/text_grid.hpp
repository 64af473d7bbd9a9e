#pragma once
// The text grid over the 640 x 480 design screen (rows of 16, columns of 8 design units, both
// counted from 1; row 30 ends at design y 479) and the routines that print on it, blank its two
// text areas, frame a design area smaller than the screen and print a place's value lines.
// Colours are colour numbers of the working palette; a negative number leaves that part out.
#include "common/services.hpp"
#include "platform/ui/control.hpp"
#include "platform/ui/form.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kartino::common {

// Prints `text` on grid row `row` at form pixel x: first the background box in `backcolour`,
// then the text in `forecolour`. The text never reaches below design y 478. The form's
// ForeColor is the same afterwards.
void printrow(ui::Form &form, const Shared &shared, std::string_view text, std::int16_t row, double x,
              std::int16_t forecolour, std::int16_t backcolour);

// printrow at the left edge of grid column `column`.
void printcell(ui::Form &form, const Shared &shared, std::string_view text, std::int16_t row,
               std::int16_t column, std::int16_t forecolour, std::int16_t backcolour);

// Blanks the message area in colour 0: from design y 16 x messagerow - 17 (the unit just above
// row `messagerow`) to the bottom of the design screen.
void clearmessages(ui::Form &form, const Shared &shared, std::int16_t messagerow);

// What the header above the map holds: where the map begins, whether a place list (and with it
// the place's own picture at the top left) is loaded, the task's presentation flags (bit 13: a
// small picture, bit 3: a badge at badgex/badgey) and the close box to show again afterwards.
struct HeaderArea {
    std::int16_t maptop = 0;
    bool listloaded = false;
    std::int32_t taskflags = 0;
    double badgex = 0, badgey = 0;
    ui::Control *cancel = nullptr; // the form's LabelCancel
};

// Blanks the header above the map, the place's picture and the badge, then redraws the close box.
void clearheader(ui::Form &form, const Shared &shared, const HeaderArea &area);

// The outline just around the design area, in RGB(grey, grey, grey).
void drawframe(ui::Form &form, const Shared &shared, int grey);

// Prints value line `line` (1, or else 2) of a place at grid row and column: the prefix chosen by the
// sign of `valuetext` (its first character), then the rest of `valuetext` right-aligned behind
// the widest prefix. `valuePrefixes` are the exercise's prefixes for line 1 with "-", line 1
// otherwise, line 2 with "-", line 2 otherwise. Leaves ForeColor at colour 1.
void helpvalueline(ui::Form &form, const Shared &shared, std::int16_t row, std::int16_t column, int line,
                   std::string_view valuetext, const std::array<std::string, 4> &valuePrefixes);

} // namespace kartino::common
