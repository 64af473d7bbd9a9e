// The rotated elliptic arc ("I" around the pen, "i" chained on from the pen) and the dot spray
// ("X").
#include "vecgraphics/interpreter.hpp"

#include "platform/basic/integer.hpp"
#include "platform/basic/numbers.hpp"

#include <cmath>

namespace kartino::vecgraphics {

// The ellipse is turned by the current direction and drawn in 10-degree segments from the start
// angle to the end angle (the base angle is not added); a remainder below 10 degrees is left out.
void Interpreter::rotatedarc(bool chained) {
    double a = basic::Val(st_.cmdarg), b = operand(), c = operand(), d = operand();
    std::int16_t rx = basic::CInt(a * unit()), ry = basic::CInt(b * unit());
    basic::Integer a1 = basic::CInt(c), a2 = basic::CInt(d);
    if (a2 < a1) a2 = a2 + basic::Integer(360);
    double co = std::cos(st_.vecangle * st_.degtorad), si = std::sin(st_.vecangle * st_.degtorad);
    double px = rx * std::cos(a1.value() * st_.degtorad), py = -ry * std::sin(a1.value() * st_.degtorad);
    if (!chained) {
        storeslot(0, st_.penx, st_.peny); // the pen is the centre
        move(st_.penx + (px * co + py * si), st_.peny + (py * co - px * si));
    }
    for (basic::Integer ang = a1 + basic::Integer(10); ang <= a2; ang += basic::Integer(10)) {
        double qx = rx * std::cos(ang.value() * st_.degtorad),
               qy = -ry * std::sin(ang.value() * st_.degtorad);
        double dx = qx - px, dy = qy - py;
        st_.endx = st_.penx + (dx * co + dy * si);
        st_.endy = st_.peny + (dy * co - dx * si);
        drawline(st_.penx, st_.peny, st_.endx, st_.endy);
        px = qx;
        py = qy;
        move(st_.endx, st_.endy);
    }
    if (!chained) gotoslot(0);
}

// Random dots between two radii around the surface's current drawing position (where the last
// drawing call left it, not the pen), in the colour of the shared register. The whole-numbered
// angle goes to Cos and Sin as radians.
void Interpreter::dotspray() {
    std::int16_t r1 = basic::CInt(basic::Val(st_.cmdarg) * unit());
    std::int16_t r2 = basic::CInt(operand() * unit());
    std::int16_t dots = intoperand();
    std::int16_t cx = basic::CInt(surface().currentX()), cy = basic::CInt(surface().currentY());
    float spread = static_cast<float>((basic::Integer(r2) - basic::Integer(r1)).value());
    for (int k = 0; k < dots; ++k) {
        std::int16_t t = basic::CInt(rnd_.Rnd() * 360.0f);
        std::int16_t dist = basic::CInt(spread * rnd_.Rnd() + static_cast<float>(r1));
        pset(cx + dist * std::cos(static_cast<double>(t)), cy + dist * std::sin(static_cast<double>(t)),
             st_.auxvalue);
    }
}

} // namespace kartino::vecgraphics
