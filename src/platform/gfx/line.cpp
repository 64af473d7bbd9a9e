// Lines with the legacy engine's Bresenham bias, clipped analytically.
//
// Along the major axis the line has n = max(|dx|, |dy|) pixels (the end pixel is left out).
// Pixel i lies at major offset i and minor offset
//     k(i) = ceil((2 m i - n + bias) / (2 n)),   m = the minor length,
// which is what the incremental rule "step the minor axis when err + bias > 0" produces from
// err = 2m - n. Because k is monotone, the pixels inside the surface form one interval of i
// that can be computed directly; the incremental loop then starts at its first pixel with the
// error term it would have had there, so clipping never moves a pixel.
#include "platform/gfx/draw.hpp"
#include "platform/gfx/line_detail.hpp"

#include <algorithm>
#include <cstdint>

namespace kartino::gfx {
namespace {

__extension__ typedef __int128 Wide;

Wide floorDiv(Wide a, Wide d) {
    return a >= 0 ? a / d : -((-a + d - 1) / d);
} // d > 0
Wide ceilDiv(Wide a, Wide d) {
    return a >= 0 ? (a + d - 1) / d : -((-a) / d);
} // d > 0

struct Axis {
    long long start; // coordinate of the first pixel
    int dir;         // +1 or -1
    int size;        // surface extent along this axis
    // The interval [lo, hi) of offsets t for which start + dir * t lies inside 0..size-1.
    void visible(Wide &lo, Wide &hi) const {
        if (dir > 0) {
            lo = -static_cast<Wide>(start);
            hi = static_cast<Wide>(size) - start;
        } else {
            lo = static_cast<Wide>(start) - size + 1;
            hi = static_cast<Wide>(start) + 1;
        }
    }
};

// A horizontal or vertical span from a to b inclusive along one axis (64-bit ends).
Rect span(Surface &s, bool horizontal, long long fixed, long long a, long long b, Colour c) {
    long long lo = std::min(a, b), hi = std::max(a, b);
    long long size = horizontal ? s.width() : s.height();
    long long other = horizontal ? s.height() : s.width();
    if (fixed < 0 || fixed >= other || hi < 0 || lo >= size) return {};
    int l = static_cast<int>(std::max(lo, 0LL)), r = static_cast<int>(std::min(hi, size - 1)) + 1;
    int f = static_cast<int>(fixed);
    // Clipped already: the pixels are written straight, a row of them or a column.
    c &= 0xFFFFFF;
    if (horizontal) {
        fillPixels(s.row(f) + l, r - l, c);
        return Rect{l, f, r, f + 1};
    }
    for (int y = l; y < r; ++y)
        s.row(y)[f] = c;
    return Rect{f, l, f + 1, r};
}

} // namespace

Rect line(Surface &s, int x0, int y0, int x1, int y1, Colour c) {
    return detail::line64(s, x0, y0, x1, y1, c);
}

Rect detail::line64(Surface &s, long long x0, long long y0, long long x1, long long y1, Colour c) {
    long long dx = x1 - x0, dy = y1 - y0;
    if (dx == 0 && dy == 0) return {};
    if (dy == 0) return span(s, true, y0, x0, dx > 0 ? x1 - 1 : x1 + 1, c);
    if (dx == 0) return span(s, false, x0, y0, dy > 0 ? y1 - 1 : y1 + 1, c);

    long long adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    int bias = detail::lineBias(dx, dy);
    bool xMajor = adx > ady;
    long long n = xMajor ? adx : ady, m = xMajor ? ady : adx;
    std::ptrdiff_t pitch = s.width();
    std::ptrdiff_t majorStep = xMajor ? (dx > 0 ? 1 : -1) : (dy > 0 ? pitch : -pitch);
    std::ptrdiff_t minorStep = xMajor ? (dy > 0 ? pitch : -pitch) : (dx > 0 ? 1 : -1);
    const Colour colour = c & 0xFFFFFF;
    auto onSurface = [&](long long x, long long y) {
        return x >= 0 && y >= 0 && x < s.width() && y < s.height();
    };
    if (onSurface(x0, y0) && onSurface(x1, y1)) {
        // Both ends on the surface (the common case on a map): no clipping to work out; the
        // first pixel is the start with the error term 2m - n.
        detail::walk(s.row(0), static_cast<std::ptrdiff_t>(y0) * pitch + x0, n, majorStep, minorStep,
                     2 * m - n, m, n, bias, colour);
        return Rect{static_cast<int>(std::min(x0, x1)), static_cast<int>(std::min(y0, y1)),
                    static_cast<int>(std::max(x0, x1)) + 1, static_cast<int>(std::max(y0, y1)) + 1};
    }
    Axis major = xMajor ? Axis{x0, dx > 0 ? 1 : -1, s.width()} : Axis{y0, dy > 0 ? 1 : -1, s.height()};
    Axis minor = xMajor ? Axis{y0, dy > 0 ? 1 : -1, s.height()} : Axis{x0, dx > 0 ? 1 : -1, s.width()};

    // First pixel index whose minor offset is at least K.
    auto firstWithMinor = [&](Wide K) -> Wide {
        if (K <= 0) return 0;
        return floorDiv(2 * static_cast<Wide>(n) * (K - 1) + n - bias, 2 * static_cast<Wide>(m)) + 1;
    };
    Wide iLo, iHi, kLo, kHi;
    major.visible(iLo, iHi);
    minor.visible(kLo, kHi);
    iLo = std::max<Wide>({iLo, 0, firstWithMinor(kLo)});
    iHi = std::min<Wide>({iHi, static_cast<Wide>(n), firstWithMinor(kHi)});
    if (iHi <= iLo) return {};

    long long i0 = static_cast<long long>(iLo), count = static_cast<long long>(iHi - iLo);
    long long k0 =
        static_cast<long long>(ceilDiv(2 * static_cast<Wide>(m) * i0 - n + bias, 2 * static_cast<Wide>(n)));
    long long err =
        static_cast<long long>(2 * static_cast<Wide>(m) * (i0 + 1) - n - 2 * static_cast<Wide>(n) * k0);

    int ax = static_cast<int>(major.start + major.dir * i0),
        bx = static_cast<int>(minor.start + minor.dir * k0);
    int px = xMajor ? ax : bx, py = xMajor ? bx : ax;
    detail::walk(s.row(0), static_cast<std::ptrdiff_t>(py) * pitch + px, count, majorStep, minorStep, err, m,
                 n, bias, colour);
    // The last pixel drawn, for the damage rectangle.
    long long kLast = static_cast<long long>(
        ceilDiv(2 * static_cast<Wide>(m) * (i0 + count - 1) - n + bias, 2 * static_cast<Wide>(n)));
    int ex = static_cast<int>(major.start + major.dir * (i0 + count - 1));
    int ey = static_cast<int>(minor.start + minor.dir * kLast);
    int qx = xMajor ? ex : ey, qy = xMajor ? ey : ex;
    return Rect{std::min(px, qx), std::min(py, qy), std::max(px, qx) + 1, std::max(py, qy) + 1};
}

} // namespace kartino::gfx
