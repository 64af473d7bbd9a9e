#include "content/map_setup.hpp"

#include "common/design_screen.hpp"
#include "common/palette.hpp"
#include "platform/basic/numbers.hpp"
#include "vecgraphics/vecdraw.hpp"

#include <array>
#include <utility>

namespace kartino::content {

namespace {

using common::maxdesignx;
using common::maxdesigny;

// Frame: the centre and rectangle each scale code brings (the world map also draws its box);
// other maps find their rectangle on the drawing.
void setframe(session::Session &s, ui::Form &form) {
    MapGeometry &m = s.map;
    m.mapcentrex = kMapCentreX;
    m.mapcentrey = framecentrey(s.settings.mapscale);
    switch (s.settings.mapscale) {
    case kRegionalMap:
        m.mapleft = 65, m.mapright = 575, m.maptop = 82, m.mapbottom = 450;
        break;
    case kWorldMap: {
        m.worldx0 = 298.7f;
        m.worldy0 = 293.3f;
        m.mapleft = 0, m.mapright = maxdesignx, m.maptop = 88;
        m.mapbottom = basic::checkedInteger(m.mapcentrey + 160);
        const common::ScreenMetrics &sc = s.shared.screen;
        form.Line(gfx::PenPoint{common::screenx(sc, m.mapleft), common::screeny(sc, m.maptop)},
                  gfx::PenPoint{common::screenx(sc, m.mapright), common::screeny(sc, m.mapbottom)},
                  common::palcolor(s.shared, 10), gfx::BoxMode::Box);
        break;
    }
    default:
        break;
    }
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Records: every loaded record drawn from the map centre, the optional layers as the switches
// say.
void drawrecords(session::Session &s, ui::Form &form) {
    const common::ScreenMetrics &sc = s.shared.screen;
    std::int16_t x = basic::CInt(common::screenx(sc, s.map.mapcentrex));
    std::int16_t y = basic::CInt(common::screeny(sc, s.map.mapcentrey));
    double zoom = s.settings.mapzoom.toDouble();
    for (int i = 0; i <= s.vectors.itemcount; ++i) {
        if (layerskipped(i, s.vectors.itemcount, s.map, s.settings)) continue;
        vecgraphics::vecdraw(s.services, s.shared, s.vectors, s.drawing, form,
                             {.record = static_cast<std::int16_t>(i),
                              .x = x,
                              .y = y,
                              .scalex = common::scalex(sc, zoom),
                              .scaley = common::scaley(sc, zoom)});
    }
}

// Colour probes: the screen colours of the target colours, as the form really shows them; the
// last probe stays on pixel (0, 0). Then shuffleflag and shuffletaken change places.
void readbackcolours(session::Session &s, ui::Form &form) {
    auto probe = [&](int colour) {
        form.PSet(gfx::PenPoint{0, 0}, common::palcolor(s.shared, colour));
        return static_cast<std::uint32_t>(form.Point(0, 0));
    };
    const auto &colours = s.settings.mapcolors;
    s.map.targetcolour1 = probe(colours[4]);
    s.map.targetcolour2 = probe(colours[5]);
    s.map.screencolour0 = probe(0);
    s.map.targetpointcolour = probe(colours[1]);
    std::swap(s.settings.shuffleflag, s.settings.shuffletaken);
}

// One bound of the map rectangle: the last design position walked from `from` towards `to`
// before a pixel of colour 0; unchanged when the first step already meets it.
template <typename PixelAt>
void walk(std::int16_t &bound, std::int16_t from, std::int16_t to, const PixelAt &isbackground) {
    int step = to >= from ? 1 : -1;
    for (int v = from; step > 0 ? v <= to : v >= to; v += step) {
        if (isbackground(v)) return;
        bound = static_cast<std::int16_t>(v);
    }
}

// Rectangle: the map rectangle found on the drawing, along the centre row and column, on maps
// that bring no frame of their own. World and regional maps keep the fixed rectangle of their
// frame: with land at their centre a walk would stop at the first black pixel of the land above
// it and cut off the map's northern part for the header, the messages and the clicks.
void findrectangle(session::Session &s, ui::Form &form) {
    if (s.settings.mapscale <= 0) return;
    MapGeometry &m = s.map;
    const common::ScreenMetrics &sc = s.shared.screen;
    std::int16_t cx = basic::CInt(m.mapcentrex), cy = basic::CInt(m.mapcentrey);
    auto background = [&](double x, double y) {
        return static_cast<std::uint32_t>(form.Point(common::screenx(sc, x), common::screeny(sc, y))) ==
               m.screencolour0;
    };
    walk(m.mapright, cx, maxdesignx, [&](int x) { return background(x, cy); });
    walk(m.mapleft, cx, 0, [&](int x) { return background(x, cy); });
    walk(m.mapbottom, cy, maxdesigny, [&](int y) { return background(cx, y); });
    walk(m.maptop, cy, 0, [&](int y) { return background(cx, y); });
}

} // namespace

std::int32_t framecentrey(std::int16_t mapscale) {
    if (mapscale == kRegionalMap) return 240;
    if (mapscale == kWorldMap) return 246;
    return 256;
}

bool layerskipped(int record, int last, const MapGeometry &map, const session::Settings &settings) {
    const bool a = settings.flagbit11, b12 = settings.flagbit12, c = settings.flagbit13;
    const bool r = map.switchr, b = map.switchb, d = map.switchd;
    if (record == last - 2) return !a && d && r && b;
    if (record == last - 1) return (!a && !b && d && r) || (!a && !r && d && b) || (!b12 && r && b);
    if (record == last) return (b && !c) || (!b && !b12 && r) || (!b && !r && !a && d);
    return false;
}

void mapsetup(session::Session &s, ui::Form &form) {
    MapGeometry &m = s.map;
    setframe(s, form);
    // Centre shift: the header's "/-" and "/=" move the centre left and up.
    m.mapcentrex = basic::checkedLong(std::int64_t{m.mapcentrex} - s.settings.minusvalue);
    m.mapcentrey = basic::checkedLong(std::int64_t{m.mapcentrey} - s.settings.equalvalue);

    // Header switches: the optional layers' "/r", "/b", "/d", and "/l" for the question row.
    const std::string &header = s.vectors.headerline;
    m.switchr = contains(header, "/r");
    m.switchb = contains(header, "/b");
    m.switchd = contains(header, "/d");
    m.questionrow = contains(header, "/l") ? 5 : 1;

    drawrecords(s, form);
    readbackcolours(s, form);
    findrectangle(s, form);

    // Top line: the map's upper edge, except on the regional map.
    const common::ScreenMetrics &sc = s.shared.screen;
    if (s.settings.mapscale != kRegionalMap)
        form.Line(gfx::PenPoint{common::screenx(sc, m.mapleft), common::screeny(sc, m.maptop)},
                  gfx::PenPoint{common::screenx(sc, m.mapright), common::screeny(sc, m.maptop)},
                  common::palcolor(s.shared, 8));

    // Message row: how many of the header rows (tops 14 to 78) begin at or above the map's top;
    // the last of them takes the messages.
    m.messagerow = 0;
    for (int rowtop : {14, 30, 46, 62, 78})
        if (rowtop <= m.maptop) ++m.messagerow;

    // Graticule.
    if (s.settings.flagbit11) drawgraticule(s, form);
}

} // namespace kartino::content
