#include "common/text_grid.hpp"

#include "common/design_screen.hpp"
#include "common/flags.hpp"
#include "common/palette.hpp"
#include "common/small_helpers.hpp"
#include "platform/basic/numbers.hpp"

#include <algorithm>

namespace kartino::common {

namespace {

using basic::checkedInteger;

constexpr int kSolid = 0;
constexpr int kTransparent = 1;
constexpr std::int16_t kBlank = 0; // the colour number the text areas are blanked with

// Grid arithmetic is Integer arithmetic: each step must stay within 16 bits.
std::int16_t rowtop(std::int16_t row) {
    return checkedInteger(checkedInteger(row * 16) - 17);
}
std::int16_t columnleft(std::int16_t column) {
    return checkedInteger(checkedInteger(column - 1) * 8);
}

void filledbox(ui::Form &form, double x1, double y1, double x2, double y2, std::uint32_t colour) {
    form.Line(gfx::PenPoint{x1, y1}, gfx::PenPoint{x2, y2}, colour, gfx::BoxMode::Filled);
}

} // namespace

void printrow(ui::Form &form, const Shared &shared, std::string_view text, std::int16_t row, double x,
              std::int16_t forecolour, std::int16_t backcolour) {
    const ScreenMetrics &m = shared.screen;
    const gfx::Colour previous = form.ForeColor();
    const double height = form.TextHeight(text);
    const double y = fnmin(screeny(m, 478) - height, screeny(m, rowtop(row)));
    if (backcolour >= 0)
        filledbox(form, x, y, x + form.TextWidth(text), y + height, palcolor(shared, backcolour));
    if (forecolour >= 0) {
        form.setForeColor(palcolor(shared, forecolour));
        form.setCurrentX(x);
        form.setCurrentY(y);
        form.Print(text);
    }
    form.setForeColor(previous);
}

void printcell(ui::Form &form, const Shared &shared, std::string_view text, std::int16_t row,
               std::int16_t column, std::int16_t forecolour, std::int16_t backcolour) {
    printrow(form, shared, text, row, screenx(shared.screen, columnleft(column)), forecolour, backcolour);
}

void clearmessages(ui::Form &form, const Shared &shared, std::int16_t messagerow) {
    const ScreenMetrics &m = shared.screen;
    const std::int16_t top = checkedInteger(479 - checkedInteger(checkedInteger(31 - messagerow) * 16));
    filledbox(form, screenx(m, 0), screeny(m, top), screenx(m, maxdesignx), screeny(m, maxdesigny),
              palcolor(shared, kBlank));
}

void clearheader(ui::Form &form, const Shared &shared, const HeaderArea &area) {
    const ScreenMetrics &m = shared.screen;
    const std::uint32_t blank = palcolor(shared, kBlank);
    const double abovemap = screeny(m, checkedInteger(area.maptop - 1));
    filledbox(form, screenx(m, 0), screeny(m, 0), screenx(m, maxdesignx), abovemap, blank);
    if (area.listloaded) {
        // The place's own picture at the top left: a small one, or one as tall as the header.
        if (fnbitset(area.taskflags, 13))
            filledbox(form, screenx(m, 0), screeny(m, 0), screenx(m, 104), screeny(m, 56), blank);
        else
            filledbox(form, screenx(m, 0), screeny(m, 0), screenx(m, 109), abovemap, blank);
    }
    if (fnbitset(area.taskflags, 3)) {
        form.setFillStyle(kSolid);
        form.setFillColor(blank);
        form.Circle(gfx::PenPoint{screenx(m, area.badgex), screeny(m, area.badgey)}, scalex(m, 20), blank, {},
                    {}, 0.7);
        form.setFillStyle(kTransparent);
    }
    if (area.cancel) area.cancel->Refresh();
}

void drawframe(ui::Form &form, const Shared &shared, int grey) {
    const ScreenMetrics &m = shared.screen;
    const int g = std::clamp(grey, 0, 255); // a grey level, held to what a colour component holds
    form.Line(gfx::PenPoint{screenx(m, 0) - 1, screeny(m, 0) - 1},
              gfx::PenPoint{screenx(m, 640), screeny(m, 480)}, gfx::rgb(g, g, g), gfx::BoxMode::Box);
}

void helpvalueline(ui::Form &form, const Shared &shared, std::int16_t row, std::int16_t column, int line,
                   std::string_view valuetext, const std::array<std::string, 4> &valuePrefixes) {
    const ScreenMetrics &m = shared.screen;
    const bool negative = !valuetext.empty() && valuetext.front() == '-';
    const std::size_t first = line == 1 ? 0 : 2;
    const std::string &prefix = valuePrefixes[first + (negative ? 0 : 1)];
    // The first character is the sign; it only chooses the prefix.
    const std::string_view digits = valuetext.empty() ? valuetext : valuetext.substr(1);

    double widest = 0;
    for (const std::string &p : valuePrefixes)
        widest = std::max(widest, form.TextWidth(p));
    const std::int16_t w = basic::CInt(widest + form.TextWidth("100.00"));

    const double left = screenx(m, columnleft(column));
    form.setForeColor(palcolor(shared, 1));
    form.setCurrentX(left);
    form.setCurrentY(screeny(m, checkedInteger(checkedInteger(row - 1) * 16)));
    form.Print(prefix, false);
    // The alignment measures the whole value text, sign included, as the exercise always has.
    form.setCurrentX(left + scalex(m, 5) + w - form.TextWidth(valuetext));
    form.Print(digits);
}

} // namespace kartino::common
