// The kilometre scale bar: its length from the map's scale code, a line with a tick at each
// end, and the kilometres as its label.
#include "common/design_screen.hpp"
#include "common/fields.hpp"
#include "common/palette.hpp"
#include "common/suite_library.hpp"
#include "common/text_grid.hpp"
#include "content/place_list.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::content {

namespace {

// Design units of the bar before the zoom, by scale code: world and regional maps have their
// own scales, a positive code is metres per design unit.
double barlength(std::int16_t mapscale, double km) {
    if (mapscale == -1) return km / 62.5;
    if (mapscale == -2) return km * 1000 / 9182;
    if (mapscale >= 1) return km * 1000 / mapscale;
    return 0;
}

} // namespace

void drawscalebar(session::Session &s, ui::Form &form) {
    const session::Settings &st = s.settings;
    if (!st.flagbit10) return;
    double km = st.scalebarkm;
    double length = barlength(st.mapscale, km) / 4 * st.mapzoom.toDouble();
    if (!(length > 0)) return;

    std::int16_t colour = st.switchu ? 9 : 8;
    const common::ScreenMetrics &sc = s.shared.screen;
    double x = st.scalebarx, y = st.scalebary, right = x + length - 1;
    auto line = [&](double x1, double y1, double x2, double y2) {
        form.Line(gfx::PenPoint{common::screenx(sc, x1), common::screeny(sc, y1)},
                  gfx::PenPoint{common::screenx(sc, x2), common::screeny(sc, y2)},
                  common::palcolor(s.shared, colour));
    };
    line(x, y, right, y);
    line(x, y - 4, x, y + 4);
    line(right, y - 4, right, y + 4);

    std::string label = common::trim(basic::Str(common::ROUNDX(km, 0))) + " km";
    common::printcell(form, s.shared, label, static_cast<std::int16_t>(st.scalebary / 16 + 2),
                      static_cast<std::int16_t>(st.scalebarx / 8 + 1), colour, -1);
}

} // namespace kartino::content
