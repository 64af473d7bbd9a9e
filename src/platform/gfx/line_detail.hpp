#pragma once
// Internal to the raster layer: the line primitive with 64-bit end points, for figures whose
// construction points may lie beyond the int range (radius lines of huge ellipses), and the
// bias and walk of the legacy Bresenham rule that every line shares.
#include "platform/gfx/surface.hpp"

#include <cstddef>

namespace kartino::gfx::detail {

// Octants numbered clockwise from +x (y grows downwards); the bias is 1 in octants 3, 5, 6, 8.
inline int lineBias(long long dx, long long dy) {
    int octant;
    if (dy > 0)
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    else
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    return (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
}

// The incremental rule from pixel offset `at` of `base`: `count` pixels, the major axis stepped
// every pixel, the minor axis when err + bias > 0. Offsets rather than pointers: after the last
// pixel the offset may point past the buffer.
inline void walk(Colour *base, std::ptrdiff_t at, long long count, std::ptrdiff_t majorStep,
                 std::ptrdiff_t minorStep, long long err, long long m, long long n, int bias, Colour colour) {
    const long long up = 2 * m, down = 2 * m - 2 * n;
    for (long long i = 0; i < count; ++i) {
        base[at] = colour;
        at += majorStep;
        if (err + bias > 0) {
            at += minorStep;
            err += down;
        } else {
            err += up;
        }
    }
}

// Same pixels as gfx::line; the end points must lie within +-2^40.
Rect line64(Surface &s, long long x0, long long y0, long long x1, long long y1, Colour c);

} // namespace kartino::gfx::detail
