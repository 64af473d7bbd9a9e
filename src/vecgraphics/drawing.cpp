// The interpreter's drawing primitives: the step from the pen, the straight line with its end
// pixel (held back in the chain of steps), points, circles and flood fills, and the count of
// drawing calls that stops a runaway record.
#include "vecgraphics/interpreter.hpp"

#include "common/palette.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"

#include <cmath>

namespace kartino::vecgraphics {

namespace {

constexpr std::uint32_t kPaletteRelative = 0x2000000; // 2^25: a border colour of the palette

// The Single value a form method receives; beyond the Single range the runtime overflows.
float single(double v) {
    if (!basic::withinSingle(v) && !std::isfinite(v)) basic::raise(basic::errOverflow);
    return basic::CSng(v);
}

} // namespace

void Interpreter::steppoint() {
    const DirectionCache::CosSin d = st_.directions.of(st_.vecangle * st_.degtorad);
    st_.stepdx = st_.steplen * d.cos;
    st_.stepdy = st_.steplen * d.sin;
    st_.endx = st_.penx + st_.vecscalex * st_.stepdx * 0.25;
    st_.endy = st_.peny - st_.vecscaley * st_.stepdy * 0.25;
}

void Interpreter::stepline() {
    steppoint();
    drawline(st_.penx, st_.peny, st_.endx, st_.endy);
    move(st_.endx, st_.endy);
}

// "W": a number of steps of one length, each turned by the same angle from the one before. The
// step, its line and the chain are flattened into this loop: a closed outline is hundreds of them.
[[gnu::flatten]] void Interpreter::repeatsteps() {
    st_.auxvalue = basic::CInt(basic::Val(st_.cmdarg));
    st_.steplen = operand();
    std::int16_t turn = intoperand();
    for (int k = 0; k < st_.auxvalue; ++k) {
        st_.vecangle = st_.vecangle + turn;
        stepline();
    }
}

// Every straight segment: a line and then a point on its end, so the end pixel is always set;
// held in the chain of steps until something else is drawn.
void Interpreter::drawline(double x1, double y1, double x2, double y2) {
    count();
    float fx1 = single(x1), fy1 = single(y1), fx2 = single(x2), fy2 = single(y2);
    chain_.add(fx1, fy1, fx2, fy2, colourof(st_.veccolor));
}

void Interpreter::pset(double x, double y, std::int16_t colour) {
    count();
    float fx = single(x), fy = single(y);
    surface().pset(fx, fy, colourof(colour));
}

void Interpreter::circle(double x, double y, double radius, std::int16_t colour, std::optional<double> start,
                         std::optional<double> end, std::optional<double> aspect) {
    count();
    float fx = single(x), fy = single(y), fr = single(radius);
    std::optional<float> fs, fe, fa;
    if (start) fs = single(*start);
    if (end) fe = single(*end);
    if (aspect) fa = single(*aspect);
    surface().circle(fx, fy, fr, colourof(colour), fs, fe, fa);
}

// Flood fill at the pen, bounded by the border colour; a fill colour of -1 is the border colour.
void Interpreter::vecfill(std::int16_t border, std::int16_t fill, bool enable) {
    if (!enable) return;
    count();
    if (fill == -1) fill = border;
    surface().setFillStyle(0);
    surface().setFillColor(colourof(fill));
    std::int32_t x = basic::CLng(st_.penx), y = basic::CLng(st_.peny);
    surface().floodFill(x, y, colourof(border) + kPaletteRelative);
    surface().setFillStyle(1);
}

void Interpreter::move(double x, double y) {
    st_.penx = x;
    st_.peny = y;
}

void Interpreter::runaway() {
    throw basic::RuntimeError(basic::errInvalidCall, basic::kErrorSource, "Zu viele Zeichenschritte");
}

} // namespace kartino::vecgraphics
