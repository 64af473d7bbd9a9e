#pragma once
// The map's step, the line and then its end pixel, with both ends on the surface: inline for the
// loop that draws a chain of them. The pixels are those of line() and then pset() of the end.
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
    // The walk of the line with the legacy bias, which takes the pixel of the smaller minor
    // coordinate on a tie: 1 when the minor axis runs backwards. It ends on the end pixel.
    const int adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx > ady;
    const int n = xMajor ? adx : ady, up = 2 * (xMajor ? ady : adx), down = up - 2 * n;
    const int bias = (xMajor ? dy : dx) < 0 ? 1 : 0;
    const std::ptrdiff_t pitch = s.width(), stepX = dx > 0 ? 1 : -1, stepY = dy > 0 ? pitch : -pitch;
    const std::ptrdiff_t major = xMajor ? stepX : stepY, minor = xMajor ? stepY : stepX;
    Colour *p = s.row(y0) + x0;
    for (int i = 0, err = up - n + bias; i < n; ++i) {
        *p = colour;
        p += major;
        if (err > 0) {
            p += minor;
            err += down;
        } else {
            err += up;
        }
    }
    *p = colour;
}

} // namespace kartino::gfx
