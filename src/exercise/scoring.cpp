#include "exercise/scoring.hpp"

#include "common/design_screen.hpp"
#include "platform/basic/numbers.hpp"

#include <cmath>

// The projections keep the number types of the original arithmetic: a Single operand with a
// whole number stays Single, a decimal literal such as 4.5 or 11.22 is Double, and 8.1 is a
// Single constant. C++'s float/double promotions follow the same rules, so the expressions below
// are written with float and double operands exactly where those types arise.

namespace kartino::exercise {

using basic::CInt;

std::int16_t worldlat2y(float lat, float worldy0) {
    const float y0 = worldy0;
    if (lat > 83) return CInt(y0 - 205);
    if (lat > 75) return CInt(y0 - (169 + (lat - 75) * 4.5));
    if (lat > 60) return CInt(y0 - (122 + (lat - 60) * 47 / 15));
    if (lat > 45) return CInt(y0 - (86 + (lat - 45) * 36 / 15));
    if (lat > -45) return CInt(y0 - lat * 28.5 / 15);
    if (lat > -56) return CInt(y0 + 86 - (lat + 45) * 36 / 15);
    return CInt(y0 + 86 + 11 * 36 / 15.0);
}

float worldy2lat(std::int16_t y, float worldy0) {
    // Half-degree steps from -56 to 83, counted in whole steps so that each latitude is exact.
    for (int step = 0; step <= (83 + 56) * 2; ++step) {
        const float lat = -56 + static_cast<float>(step) * 0.5f;
        if (worldlat2y(lat, worldy0) - y < 0) return lat;
    }
    return 83.5f;
}

float worldx2lon(std::int16_t x, float worldx0) {
    float lon = (x - worldx0) * 360 / 640;
    if (lon > 180) lon = lon - 360;
    return lon;
}

float regionx2lon(std::int16_t x) {
    return (x - 273) / 8.1f;
}

float regiony2lat(std::int16_t y) {
    return static_cast<float>((450 - y) / 11.22 + 34.6 + 1);
}

namespace {

const double twopi = 8 * std::atan(1.0);
const double radiansperdegree = 8 * std::atan(1.0) / 360;

} // namespace

double arcdegrees(double c) {
    // The angle comes from its tangent, sqrt(1 - c^2) / c. At c = +-1 (equal or opposite points)
    // rounding can leave 1 - c^2 slightly negative, and at c = 0 the tangent is infinite: those
    // ends take their limits, 0, 180 and 90 degrees.
    if (c >= 1) return 0;
    if (c <= -1) return 180;
    if (c == 0) return 90;
    double a = std::atan(std::sqrt(1 - c * c) / c) * 360 / twopi;
    if (a < 0) a = a + 180;
    return a;
}

float greatcircle(float lat1, float lon1, float lat2, float lon2) {
    const double r = radiansperdegree;
    const double c = std::sin(lat1 * r) * std::sin(lat2 * r) +
                     std::cos(lat2 * r) * std::cos(lat1 * r) * std::cos((lon1 - lon2) * r);
    if (!std::isfinite(c)) return 0; // a position that is no number has no distance to measure
    return static_cast<float>(arcdegrees(c) * 6370 * twopi / 360);
}

namespace {

// The factor 4 / mapzoom of the plain distance. A Single zoom divides in single precision. A
// zoom of 0 does not describe a drawn map; the distance is then measured as at the standard
// zoom 4 (factor 1) rather than divided by zero.
double zoomfactor(const basic::Variant &mapzoom) {
    const double zoom = mapzoom.toDouble();
    if (zoom == 0) return 1;
    if (mapzoom.type() == basic::Variant::Type::Single) return 4 / static_cast<float>(zoom);
    return 4 / zoom;
}

} // namespace

float kilometredistance(const session::Session &s, std::int16_t clickx, std::int16_t clicky) {
    const auto &sc = s.shared.screen;
    const auto &m = s.map;
    const double dx = common::designx(sc, clickx);
    const double dy = common::designy(sc, clicky);
    const std::int32_t tx = s.task.targetx, ty = s.task.targety;
    const std::int16_t mapscale = s.settings.mapscale;

    if (mapscale == -1) {
        const std::int16_t cx = CInt(dx), cy = CInt(dy);
        return greatcircle(worldy2lat(cy, m.worldy0), worldx2lon(cx, m.worldx0),
                           worldy2lat(CInt(ty), m.worldy0), worldx2lon(CInt(tx), m.worldx0));
    }
    if (mapscale == -2) {
        const std::int16_t cx = CInt(dx), cy = CInt(dy);
        return greatcircle(regiony2lat(cy), regionx2lon(cx), regiony2lat(CInt(ty)), regionx2lon(CInt(tx)));
    }
    const double design = std::sqrt(std::pow(dx - tx, 2) + std::pow(dy - ty, 2));
    return static_cast<float>(design * zoomfactor(s.settings.mapzoom) * (mapscale / 1000.0));
}

bool judgefind(const session::Session &s, std::uint32_t clickcolour) {
    bool correct = clickcolour == s.map.targetpointcolour;
    if (s.task.pointmode && s.task.pointtarget) {
        const auto &sc = s.shared.screen;
        const double across = std::abs(s.exerciserun.clickx - common::screenx(sc, s.task.targetx));
        const double down = std::abs(s.exerciserun.clicky - common::screeny(sc, s.task.targety));
        if (across < common::scalex(sc, 5) && down < common::scaley(sc, 5)) correct = true;
    }
    return correct;
}

bool judgedistance(session::Session &s) {
    auto &exerciserun = s.exerciserun;
    const basic::Variant &unit = s.settings.exerciseparam;
    exerciserun.lastdeviation = kilometredistance(s, exerciserun.clickx, exerciserun.clicky);
    // Five tolerance units, in single precision when the unit is a Single.
    if (unit.type() == basic::Variant::Type::Single)
        exerciserun.answercorrect = exerciserun.lastdeviation <= 5 * static_cast<float>(unit.toDouble());
    else
        exerciserun.answercorrect = exerciserun.lastdeviation <= 5 * unit.toDouble();
    exerciserun.deviationsum = exerciserun.deviationsum + std::abs(exerciserun.lastdeviation);
    return exerciserun.answercorrect;
}

} // namespace kartino::exercise
