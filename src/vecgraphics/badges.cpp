// Regular polygons with optionally rounded corners, as a shadowed badge ("O") or a plain
// outline ("V"), and the disc and ring badges with a shadow ("Q", "q"). The shadow lies 3 units
// away in direction 315 (down to the right), without the base angle.
#include "vecgraphics/interpreter.hpp"

#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::vecgraphics {

namespace {

constexpr int kBadgeSlotOffset = 14;   // "O": corners in slots 15 and up
constexpr int kOutlineSlotOffset = 12; // "V": corners in slots 13 and up
constexpr int kBadgeMaxSides = 12;     // beyond these the figure's two slot ranges overlap
constexpr int kOutlineMaxSides = 10;

// No sides divides the half angle by zero; more sides than the figure has slots for would
// overwrite its own corners; fewer than none draws nothing a record could mean.
void checksides(std::int16_t sides, int limit) {
    if (sides == 0) basic::raise(basic::errDivisionByZero);
    if (sides < 0 || sides > limit) basic::raise(basic::errInvalidCall);
}

} // namespace

// One pass around the pen: corners at `distance` from the centre, the first one straight up for
// an odd number of sides, so that direction 0 stands on a horizontal lower edge. With a corner
// radius each side moves outwards by it and each corner becomes an arc around the sharp corner,
// 20 degrees longer at both ends.
void Interpreter::polygonpass(std::int16_t sides, double distance, double direction, double radius,
                              int slotoffset) {
    storeslot(0, st_.penx, st_.peny);
    bool rounded = radius != 0;
    float half = 180.0f / static_cast<float>(sides);
    float dir = (sides % 2 != 0) ? 90.0f : 90.0f + half;
    double arcradius = radius * st_.vecscalex * 0.25;
    for (int i = 1; i <= sides; ++i) {
        st_.vecangle = direction + base() + dir;
        gotoslot(0);
        st_.steplen = distance;
        steppoint();
        storeslot(i + slotoffset, st_.endx, st_.endy);
        if (rounded) {
            gotoslot(i + slotoffset);
            circle(st_.penx, st_.peny, arcradius, st_.veccolor,
                   normangle(st_.vecangle - half - 20) * st_.degtorad,
                   normangle(st_.vecangle + half + 20) * st_.degtorad);
            st_.steplen = radius;
            st_.vecangle = st_.vecangle + half;
            steppoint();
            storeslot(i + 2, st_.endx, st_.endy);
            st_.vecangle = st_.vecangle - 2 * half;
            gotoslot(i + slotoffset);
            steppoint();
            storeslot(i + slotoffset, st_.endx, st_.endy);
        } else {
            storeslot(i + 2, st_.endx, st_.endy);
        }
        dir = dir + 360.0f / static_cast<float>(sides);
    }
    for (int j = 1; j <= sides; ++j) {
        auto from = static_cast<std::size_t>(j + 2);
        auto to = static_cast<std::size_t>(j == sides ? slotoffset + 1 : j + slotoffset + 1);
        drawline(st_.vecpointx[from], st_.vecpointy[from], st_.vecpointx[to], st_.vecpointy[to]);
    }
    gotoslot(0);
}

void Interpreter::polygonbadge() {
    std::int16_t sides = basic::CInt(basic::Val(st_.cmdarg));
    double distance = operand(), direction = operand(), radius = operand();
    std::int16_t fill = intoperand(), linecolour = intoperand();
    checksides(sides, kBadgeMaxSides);

    double centrex = st_.penx, centrey = st_.peny;
    st_.auxvalue = fill;
    storeslot(0, st_.penx, st_.peny);
    st_.vecangle = 315;
    st_.steplen = 3;
    steppoint();
    move(st_.endx, st_.endy);
    st_.veccolor = fill; // the shadow, filled
    polygonpass(sides, distance, direction, radius, kBadgeSlotOffset);
    vecfill(fill, fill, true);
    move(centrex, centrey); // the figure, solid in the line colour
    st_.veccolor = linecolour;
    polygonpass(sides, distance, direction, radius, kBadgeSlotOffset);
    vecfill(linecolour, linecolour, true);
    st_.veccolor = fill; // its outline in the fill colour
    polygonpass(sides, distance, direction, radius, kBadgeSlotOffset);
    move(centrex, centrey);
}

void Interpreter::polygonoutline() {
    std::int16_t sides = basic::CInt(basic::Val(st_.cmdarg));
    double distance = operand(), direction = operand(), radius = operand();
    checksides(sides, kOutlineMaxSides);
    polygonpass(sides, distance, direction, radius, kOutlineSlotOffset);
}

void Interpreter::discbadge() {
    double r = basic::Val(st_.cmdarg) * unit();
    std::int16_t fill = intoperand(), linecolour = intoperand();
    st_.auxvalue = fill;
    storeslot(0, st_.penx, st_.peny);
    st_.vecangle = 315;
    st_.steplen = 3;
    steppoint(); // the shadow centre; the pen stays
    surface().setFillStyle(0);
    surface().setFillColor(colourof(fill));
    circle(st_.endx, st_.endy, r, fill);
    surface().setFillColor(colourof(linecolour));
    circle(st_.penx, st_.peny, r, linecolour);
    surface().setFillStyle(1);
    circle(st_.penx, st_.peny, r, fill);
    gotoslot(0);
}

void Interpreter::ringbadge() {
    double a = basic::Val(st_.cmdarg);
    double r = a * unit(), r2 = operand() * unit();
    // Fills between the two circles from a point 2 units inside the outer one, down to the right.
    auto fillring = [&](std::int16_t colour) {
        st_.steplen = a - 2;
        steppoint();
        move(st_.endx, st_.endy);
        vecfill(colour, colour, true);
    };
    std::int16_t fill = intoperand(), linecolour = intoperand();
    st_.auxvalue = fill;
    storeslot(0, st_.penx, st_.peny);
    st_.vecangle = 315;
    st_.steplen = 3;
    steppoint(); // the shadow ring
    circle(st_.endx, st_.endy, r, fill);
    circle(st_.endx, st_.endy, r2, fill);
    fillring(fill);
    gotoslot(0); // the ring
    circle(st_.penx, st_.peny, r, linecolour);
    circle(st_.penx, st_.peny, r2, linecolour);
    fillring(linecolour);
    gotoslot(0);
    circle(st_.penx, st_.peny, r, fill);
    gotoslot(0);
}

} // namespace kartino::vecgraphics
