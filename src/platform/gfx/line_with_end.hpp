#pragma once
// The map's step, the line and then its end pixel, with both ends on the surface: inline for the
// loop that draws a chain of them. The pixels are those of line() and then pset() of the end.
#include "platform/gfx/line_detail.hpp"
#include "platform/gfx/surface.hpp"

#include <cstddef>

namespace kartino::gfx {

// (x0, y0) and (x1, y1) must lie on the surface; `colour` is a plain 24-bit colour.
[[gnu::always_inline]] inline void lineWithEndOnSurface(Surface &s, int x0, int y0, int x1, int y1,
                                                        Colour colour) {
    const int dx = x1 - x0, dy = y1 - y0;
    if (dy == 0) { // the line's span and its end: one span from end to end
        fillPixels(s.row(y0) + (x0 < x1 ? x0 : x1), (dx < 0 ? -dx : dx) + 1, colour);
        return;
    }
    if (dx == 0) {
        for (int y = y0 < y1 ? y0 : y1, last = y0 < y1 ? y1 : y0; y <= last; ++y)
            s.row(y)[x0] = colour;
        return;
    }
    // The line's own pixels by the legacy rule, then its end pixel.
    const int adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx > ady;
    const int n = xMajor ? adx : ady, m = xMajor ? ady : adx;
    const std::ptrdiff_t pitch = s.width(), stepX = dx > 0 ? 1 : -1, stepY = dy > 0 ? pitch : -pitch;
    detail::walk(s.row(0), static_cast<std::ptrdiff_t>(y0) * pitch + x0, n, xMajor ? stepX : stepY,
                 xMajor ? stepY : stepX, 2 * m - n, m, n, detail::lineBias(dx, dy), colour);
    s.row(y1)[x1] = colour;
}

} // namespace kartino::gfx
