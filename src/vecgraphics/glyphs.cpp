// The two fixed glyphs: the line glyph ("J0", "j0") in the base direction and the filled glyph
// ("J" in the base direction, "j" in a direction of its own), both built around slot 10.
#include "vecgraphics/interpreter.hpp"

#include "platform/basic/numbers.hpp"

namespace kartino::vecgraphics {

void Interpreter::lineglyph() {
    double w = base();
    st_.steplen = 4;
    st_.vecangle = w;
    stepline();
    st_.steplen = 2; // back to the middle of the first stroke
    st_.vecangle = w + 180;
    steppoint();
    move(st_.endx, st_.endy);
    storeslot(10, st_.penx, st_.peny);
    st_.steplen = 2;
    st_.vecangle = w + 90;
    stepline();
    st_.steplen = 4.6;
    st_.vecangle = w + 255;
    stepline();
    drawline(st_.penx, st_.peny, st_.vecpointx[10], st_.vecpointy[10]);
    gotoslot(10);
    st_.steplen = 2.5;
    st_.vecangle = w + 300;
    stepline();
    drawline(st_.penx, st_.peny, st_.vecpointx[10], st_.vecpointy[10]);
    gotoslot(10);
}

void Interpreter::filledglyph(double w) {
    double s = basic::Val(st_.cmdarg);
    storeslot(10, st_.penx, st_.peny);
    st_.steplen = s;
    for (double turn : {0.0, 70.0, 290.0, 0.0, 212.0, 309.0}) {
        st_.vecangle = w + turn;
        stepline();
    }
    st_.steplen = s + 1;
    for (double turn : {156.0, 204.0}) {
        st_.vecangle = w + turn;
        stepline();
    }
    st_.steplen = s;
    st_.vecangle = w + 61;
    stepline();
    drawline(st_.penx, st_.peny, st_.vecpointx[10], st_.vecpointy[10]);
    gotoslot(10);
    st_.steplen = s + 1; // a point inside the outline
    st_.vecangle = w;
    steppoint();
    move(st_.endx, st_.endy);
    vecfill(st_.veccolor, -1, true);
}

} // namespace kartino::vecgraphics
