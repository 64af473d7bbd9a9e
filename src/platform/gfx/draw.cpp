// Pixels, boxes and BitBlt; lines are in line.cpp.
#include "platform/gfx/draw.hpp"

#include <algorithm>
#include <cstring>

namespace kartino::gfx {

std::int32_t point(const Surface &s, int x, int y) {
    if (!s.contains(x, y)) return -1;
    return static_cast<std::int32_t>(s.at(x, y) & 0xFFFFFF);
}

namespace {

// The inclusive box (x0, y0)-(x1, y1) as a half-open rectangle clipped to the surface; the
// arithmetic is done in 64 bits so that corners at the ends of the int range do not overflow.
Rect inclusiveBox(const Surface &s, int x0, int y0, int x1, int y1) {
    auto clampTo = [](long long v, int hi) { return static_cast<int>(std::clamp<long long>(v, 0, hi)); };
    long long l = std::min(x0, x1), r = std::max(x0, x1) + 1LL;
    long long t = std::min(y0, y1), b = std::max(y0, y1) + 1LL;
    Rect out{clampTo(l, s.width()), clampTo(t, s.height()), clampTo(r, s.width()), clampTo(b, s.height())};
    return out.empty() ? Rect{} : out;
}

} // namespace

Rect fillBox(Surface &s, int x0, int y0, int x1, int y1, Colour c) {
    Rect r = inclusiveBox(s, x0, y0, x1, y1);
    s.fill(r, c);
    return r;
}

Rect box(Surface &s, int x0, int y0, int x1, int y1, Colour c) {
    int l = std::min(x0, x1), r = std::max(x0, x1), t = std::min(y0, y1), b = std::max(y0, y1);
    Rect damage = fillBox(s, l, t, r, t, c);
    damage = damage.unite(fillBox(s, l, b, r, b, c));
    damage = damage.unite(fillBox(s, l, t, l, b, c));
    return damage.unite(fillBox(s, r, t, r, b, c));
}

Rect bitBlt(Surface &dst, int dx, int dy, int w, int h, const Surface &src, int sx, int sy) {
    if (w <= 0 || h <= 0) return {};
    // Work in 64 bits: the rectangle in destination coordinates, clipped by the destination
    // and by the source surface moved onto the destination.
    long long offX = static_cast<long long>(dx) - sx, offY = static_cast<long long>(dy) - sy;
    long long l = std::max<long long>({dx, 0, offX});
    long long t = std::max<long long>({dy, 0, offY});
    long long r = std::min<long long>({static_cast<long long>(dx) + w, dst.width(), offX + src.width()});
    long long b = std::min<long long>({static_cast<long long>(dy) + h, dst.height(), offY + src.height()});
    if (r <= l || b <= t) return {};
    Rect out{static_cast<int>(l), static_cast<int>(t), static_cast<int>(r), static_cast<int>(b)};
    int srcLeft = static_cast<int>(l - offX);
    std::size_t bytes = static_cast<std::size_t>(out.width()) * sizeof(Colour);
    // Within one surface a copy downwards must run bottom-up so rows are read before they are
    // overwritten; memmove handles the overlap inside a row.
    bool upwards = &dst == &src && offY > 0;
    for (int i = 0; i < out.height(); ++i) {
        int y = upwards ? out.bottom - 1 - i : out.top + i;
        std::memmove(dst.row(y) + out.left, src.row(static_cast<int>(y - offY)) + srcLeft, bytes);
    }
    return out;
}

} // namespace kartino::gfx
