// The graticule of the world map (equator, meridian 0, ticks every 30 degrees and their labels)
// and of the regional map (a meridian, the 50th parallel and ticks at 40 and 60 degrees).
#include "common/design_screen.hpp"
#include "common/palette.hpp"
#include "common/text_grid.hpp"
#include "content/map_setup.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::content {

namespace {

using basic::CInt;
using common::maxdesignx;

constexpr std::int16_t kLineColour = 0;
constexpr std::int16_t kLabelColour = 13;
constexpr float kThirtyDegrees = 53.33f; // design units between two ticks on the world map

class Graticule {
  public:
    Graticule(session::Session &s, ui::Form &form) : s_(s), m_(s.map), form_(form) {}

    void world() {
        float x0 = m_.worldx0, y0 = m_.worldy0;
        line(0, y0, maxdesignx, y0); // the equator
        line(x0, m_.maptop, x0, m_.mapbottom);
        for (float x = x0; x <= 639; x += kThirtyDegrees)
            verticalticks(x);
        for (float x = x0; x >= 0; x -= kThirtyDegrees)
            verticalticks(x);
        for (std::int16_t y : {CInt(y0 + 57), CInt(y0 - 57), CInt(y0 - 121.5)}) {
            line(0, y, 3, y);
            line(maxdesignx - 3, y, maxdesignx, y);
        }
        std::int16_t row = CInt(m_.mapbottom / 16.0 + 2);
        label("0", row, CInt(x0 / 8.0f + 1), 0);
        label("30", row, CInt((x0 + 53.3) / 8), 0);
        label("30", row, CInt((x0 - 53.3) / 8), 0);
        label("150", row, CInt((x0 - 266.7) / 8 - 1), 0);
        label("180", row, CInt((x0 + 312) / 8 + 1), 0);
        label("30", static_cast<std::int16_t>(basic::CLng(y0 - 57 + 15) / 16), 2, 12);
        label("30", static_cast<std::int16_t>(basic::CLng(y0 + 57 + 15) / 16), 2, 12);
    }

    void regional() {
        m_.messagerow = basic::checkedInteger(m_.messagerow - 1);
        line(273, m_.maptop, 273, m_.mapbottom);
        line(m_.mapleft, 296, m_.mapright, 296);
        label("50", 19, 6, 0);
        line(m_.mapleft, 175, m_.mapleft + 3, 175);
        label("60", 12, 6, 0);
        line(m_.mapleft, 396, m_.mapleft + 3, 396);
        label("40", 25, 6, 0);
        line(186, m_.maptop, 186, m_.maptop + 3);
        line(361, m_.maptop, 361, m_.maptop + 3);
    }

  private:
    void line(double x1, double y1, double x2, double y2) {
        const common::ScreenMetrics &sc = s_.shared.screen;
        form_.Line(gfx::PenPoint{common::screenx(sc, x1), common::screeny(sc, y1)},
                   gfx::PenPoint{common::screenx(sc, x2), common::screeny(sc, y2)},
                   common::palcolor(s_.shared, kLineColour));
    }
    void verticalticks(double x) {
        line(x, m_.mapbottom - 3, x, m_.mapbottom);
        line(x, m_.maptop, x, m_.maptop + 3);
    }
    void label(const char *text, std::int16_t row, std::int16_t column, std::int16_t back) {
        common::printcell(form_, s_.shared, text, row, column, kLabelColour, back);
    }

    session::Session &s_;
    MapGeometry &m_;
    ui::Form &form_;
};

} // namespace

void drawgraticule(session::Session &s, ui::Form &form) {
    Graticule g(s, form);
    if (s.settings.mapscale == kWorldMap) g.world();
    if (s.settings.mapscale == kRegionalMap) g.regional();
}

} // namespace kartino::content
