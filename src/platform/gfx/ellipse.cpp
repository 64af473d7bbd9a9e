// Ellipses by rows: each visible row of the figure is computed on its own from closed forms, so
// the cost follows the visible part and clipping is exact.
//
// In one quadrant (x, y >= 0 relative to the centre) the outline holds, for every row d, the
// pixel nearest the curve, rowX(d) = round(rx sqrt(1 - d^2/ry^2)), and, for every column x, the
// pixel colY(x) = round(ry sqrt(1 - x^2/rx^2)). On row d the column pixels are the interval of
// x with colY(x) = d, found through colLimit(d), the largest x with colY(x) >= d.
#include "platform/gfx/ellipse.hpp"

#include "platform/gfx/draw.hpp"
#include "platform/gfx/line_detail.hpp"

#include <algorithm>
#include <cmath>

namespace kartino::gfx {
namespace {

struct Quadrant {
    long long rx, ry;

    long long rowX(long long d) const {
        if (ry == 0) return rx;
        double t = static_cast<double>(d) / static_cast<double>(ry);
        return static_cast<long long>(
            std::floor(static_cast<double>(rx) * std::sqrt(std::max(0.0, 1 - t * t)) + 0.5));
    }
    long long colY(long long x) const {
        if (rx == 0) return ry;
        double t = static_cast<double>(x) / static_cast<double>(rx);
        return static_cast<long long>(
            std::floor(static_cast<double>(ry) * std::sqrt(std::max(0.0, 1 - t * t)) + 0.5));
    }
    long long colLimit(long long d) const {
        if (d <= 0) return rx;
        if (d > ry) return -1;
        double t = (static_cast<double>(d) - 0.5) / static_cast<double>(ry);
        long long x =
            static_cast<long long>(std::floor(static_cast<double>(rx) * std::sqrt(std::max(0.0, 1 - t * t))));
        x = std::clamp(x, -1LL, rx);
        while (x + 1 <= rx && colY(x + 1) >= d)
            ++x;
        while (x >= 0 && colY(x) < d)
            --x;
        return x;
    }
};

// The outline of one quadrant row as up to two intervals of x offsets, and the half-width of
// the interior (pixels with |x| < inner lie inside the outline).
struct RowShape {
    long long a0, b0, a1 = 1, b1 = 0; // [a0, b0] and [a1, b1]; the second may be empty
    long long inner;
};

RowShape rowShape(const Quadrant &q, long long d) {
    long long r = q.rowX(d);
    long long a = q.colLimit(d + 1) + 1, b = q.colLimit(d);
    if (a > b) return {r, r, 1, 0, r};
    if (a <= r + 1 && r <= b + 1) return {std::min(a, r), std::max(b, r), 1, 0, std::min(a, r)};
    return {r, r, a, b, std::min(a, r)};
}

// Which pixels an arc or pie keeps: those whose direction from the centre lies in the sector
// running counter-clockwise from `start` to `end`.
struct Sector {
    bool whole = true;
    double sx = 1, sy = 0, ex = 1, ey = 0;
    bool wide = false; // sweep above pi

    bool contains(long long dx, long long dyUp) const {
        if (whole) return true;
        double px = static_cast<double>(dx), py = static_cast<double>(dyUp);
        double eps = 1e-9 * (std::fabs(px) + std::fabs(py));
        double fromStart = sx * py - sy * px, toEnd = px * ey - py * ex;
        if (!wide) return fromStart >= -eps && toEnd >= -eps;
        double fromEnd = ex * py - ey * px, toStart = px * sy - py * sx;
        return !(fromEnd > eps && toStart > eps);
    }
};

Sector sectorOf(const Ellipse &e) {
    Sector s;
    if (!e.arc) return s;
    double sweep = e.end - e.start;
    if (sweep <= 0) sweep += kTwoPi;
    s.whole = sweep >= kTwoPi;
    s.sx = std::cos(e.start), s.sy = std::sin(e.start);
    s.ex = std::cos(e.end), s.ey = std::sin(e.end);
    s.wide = sweep > kTwoPi / 2;
    return s;
}

// Paints the pixels cx + sign * [a, b] of row y that the sector keeps (all when it is whole).
void rowSpan(Surface &s, long long cx, long long y, long long dyUp, long long a, long long b, int sign,
             const Sector &sec, Colour c) {
    if (a > b) return;
    long long l = sign > 0 ? cx + a : cx - b, r = sign > 0 ? cx + b : cx - a;
    l = std::max(l, 0LL);
    r = std::min(r, static_cast<long long>(s.width()) - 1);
    if (l > r) return;
    Colour *p = s.row(static_cast<int>(y));
    if (sec.whole) {
        std::fill(p + l, p + r + 1, c & 0xFFFFFF);
        return;
    }
    for (long long x = l; x <= r; ++x)
        if (sec.contains(x - cx, dyUp)) p[x] = c & 0xFFFFFF;
}

// End of a radius line: where the ray at angle a from the centre meets the outline.
void rayEnd(const Ellipse &e, double a, long long &x, long long &y) {
    double c = std::cos(a), s = std::sin(a);
    if (e.rx == 0 || e.ry == 0) { // a line-shaped ellipse: the point on it in that direction
        x = e.cx + std::llround(e.rx * c);
        y = e.cy - std::llround(e.ry * s);
        return;
    }
    double t = 1 / std::sqrt((c / e.rx) * (c / e.rx) + (s / e.ry) * (s / e.ry));
    x = e.cx + std::llround(t * c);
    y = e.cy - std::llround(t * s);
}

void radiusLine(Surface &s, const Ellipse &e, double a, Colour c) {
    long long x, y;
    rayEnd(e, a, x, y);
    detail::line64(s, e.cx, e.cy, x, y, c);
    if (x >= 0 && y >= 0 && x < s.width() && y < s.height())
        pset(s, static_cast<int>(x), static_cast<int>(y), c);
}

} // namespace

Ellipse arcFromAngles(int cx, int cy, int rx, int ry, double start, double end) {
    Ellipse e{cx, cy, std::max(rx, 0), std::max(ry, 0)};
    auto reduce = [](double a, bool &radius) {
        if (std::isnan(a)) a = 0;
        radius = std::signbit(a) && a != 0;
        a = std::fabs(a);
        if (a > kTwoPi) a = std::fmod(a, kTwoPi);
        return a;
    };
    e.start = reduce(start, e.startRadius);
    e.end = reduce(end, e.endRadius);
    double sweep = e.end - e.start;
    if (sweep <= 0) sweep += kTwoPi;
    e.arc = sweep < kTwoPi;
    return e;
}

Rect ellipse(Surface &s, const Ellipse &e, Colour outline, std::optional<Colour> fill) {
    if (s.width() == 0) return {};
    Quadrant q{std::max(e.rx, 0), std::max(e.ry, 0)};
    Sector sec = sectorOf(e);
    long long cx = e.cx, cy = e.cy;
    long long top = std::max(cy - q.ry, 0LL),
              bottom = std::min(cy + q.ry, static_cast<long long>(s.height()) - 1);
    bool paintInterior = fill && e.closed();

    for (long long y = top; y <= bottom; ++y) {
        long long dyUp = cy - y, d = dyUp < 0 ? -dyUp : dyUp;
        RowShape row = rowShape(q, d);
        if (paintInterior && row.inner > 0)
            rowSpan(s, cx, y, dyUp, -(row.inner - 1), row.inner - 1, 1, sec, *fill);
        for (int sign : {1, -1}) {
            rowSpan(s, cx, y, dyUp, row.a0, row.b0, sign, sec, outline);
            rowSpan(s, cx, y, dyUp, row.a1, row.b1, sign, sec, outline);
        }
    }
    if (e.startRadius) radiusLine(s, e, e.start, outline);
    if (e.endRadius) radiusLine(s, e, e.end, outline);

    auto clampTo = [](long long v, int hi) { return static_cast<int>(std::clamp<long long>(v, 0, hi)); };
    Rect r{clampTo(cx - q.rx, s.width()), clampTo(cy - q.ry, s.height()), clampTo(cx + q.rx + 1, s.width()),
           clampTo(cy + q.ry + 1, s.height())};
    return r.empty() ? Rect{} : r;
}

} // namespace kartino::gfx
