#include "platform/gfx/pen.hpp"

#include "platform/gfx/draw.hpp"
#include "platform/gfx/ellipse.hpp"
#include "platform/gfx/flood.hpp"
#include "platform/gfx/line_with_end.hpp"

#include <algorithm>
#include <cmath>

namespace kartino::gfx {
namespace {

// Radii and other extents: the same rounding, never negative.
int toExtent(double v) {
    int r = toPixel(v);
    return r < 0 ? 0 : r;
}

} // namespace

Rect penSteps(Surface &s, PenState &pen, std::span<const float> xy, Colour c) {
    if (xy.size() < 4) return {};
    c &= 0xFFFFFF;
    // Steps with both ends on the surface are drawn straight; the others go through line() and
    // pset() with clipping. Every point on the surface is drawn (the first as the start of its
    // line, the others as end pixels), so the rectangle is the box of those points and of what
    // the clipped steps drew.
    Rect clipped;
    int left = s.width(), top = s.height(), right = -1, bottom = -1;
    auto drawnAt = [&](int px, int py) {
        left = std::min(left, px), right = std::max(right, px);
        top = std::min(top, py), bottom = std::max(bottom, py);
    };
    int x = toPixel(xy[0]), y = toPixel(xy[1]);
    bool on = s.contains(x, y);
    if (on) drawnAt(x, y);
    for (std::size_t i = 2; i + 1 < xy.size(); i += 2) {
        const int nx = toPixel(xy[i]), ny = toPixel(xy[i + 1]);
        const bool nextOn = s.contains(nx, ny);
        if (on && nextOn)
            lineWithEndOnSurface(s, x, y, nx, ny, c);
        else
            clipped = clipped.unite(line(s, x, y, nx, ny, c)).unite(pset(s, nx, ny, c));
        if (nextOn) drawnAt(nx, ny);
        x = nx, y = ny, on = nextOn;
    }
    pen.currentX = xy[xy.size() - 2];
    pen.currentY = xy[xy.size() - 1];
    return right < 0 ? clipped : clipped.unite({left, top, right + 1, bottom + 1});
}

Rect formLine(Surface &s, PenState &pen, std::optional<PenPoint> from, PenPoint to,
              std::optional<Colour> colour, BoxMode box) {
    double x1 = pen.currentX, y1 = pen.currentY;
    if (from) {
        x1 = from->step ? pen.currentX + from->x : from->x;
        y1 = from->step ? pen.currentY + from->y : from->y;
    }
    double x2 = to.step ? x1 + to.x : to.x, y2 = to.step ? y1 + to.y : to.y;
    Colour c = colour.value_or(pen.foreColor);
    int px1 = toPixel(x1), py1 = toPixel(y1), px2 = toPixel(x2), py2 = toPixel(y2);
    pen.currentX = x2;
    pen.currentY = y2;
    switch (box) {
    case BoxMode::Filled:
        return fillBox(s, px1, py1, px2, py2, c);
    case BoxMode::Box: {
        Rect damage;
        if (pen.solidFill() && std::abs(px2 - px1) > 1 && std::abs(py2 - py1) > 1) {
            int l = std::min(px1, px2), r = std::max(px1, px2), t = std::min(py1, py2),
                b = std::max(py1, py2);
            damage = fillBox(s, l + 1, t + 1, r - 1, b - 1, pen.fillColor);
        }
        return damage.unite(gfx::box(s, px1, py1, px2, py2, c));
    }
    case BoxMode::None:
        break;
    }
    return line(s, px1, py1, px2, py2, c);
}

Rect formPSet(Surface &s, PenState &pen, PenPoint p, std::optional<Colour> colour) {
    double x = p.step ? pen.currentX + p.x : p.x, y = p.step ? pen.currentY + p.y : p.y;
    return penPSet(s, pen, x, y, colour.value_or(pen.foreColor));
}

std::int32_t formPoint(const Surface &s, double x, double y) {
    return point(s, toPixel(x), toPixel(y));
}

Rect formCircle(Surface &s, PenState &pen, PenPoint centre, double radius, std::optional<Colour> colour,
                std::optional<double> start, std::optional<double> end, std::optional<double> aspect) {
    double x = centre.step ? pen.currentX + centre.x : centre.x;
    double y = centre.step ? pen.currentY + centre.y : centre.y;
    pen.currentX = x;
    pen.currentY = y;
    double a = aspect.value_or(1.0);
    if (!(a > 0) || std::isinf(a)) a = 1.0;
    double r = std::fabs(radius);
    double rx = a < 1 ? r : r / a, ry = a < 1 ? r * a : r;
    Ellipse e = arcFromAngles(toPixel(x), toPixel(y), toExtent(rx), toExtent(ry), start.value_or(0.0),
                              end.value_or(kTwoPi));
    std::optional<Colour> fill;
    if (pen.solidFill()) fill = pen.fillColor;
    return ellipse(s, e, colour.value_or(pen.foreColor), fill);
}

Rect formFloodFill(Surface &s, const PenState &pen, int x, int y, std::uint32_t borderColorref) {
    if (!pen.solidFill()) return {};
    // Palette-relative COLORREFs (0x02000000 set) are the plain RGB value on a true-colour surface.
    Colour border = borderColorref & 0xFFFFFF;
    return floodFill(s, x, y, border, pen.fillColor);
}

} // namespace kartino::gfx
