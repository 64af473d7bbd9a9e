#pragma once
// Circles, ellipses, arcs and pie slices on a Surface, in device pixels.
//
//   gfx::Ellipse e{.cx = 100, .cy = 80, .rx = 20, .ry = 10};           // whole ellipse
//   gfx::ellipse(s, e, gfx::rgb(0, 0, 0), gfx::rgb(255, 255, 0));      // outline and fill
//   gfx::Ellipse a = gfx::arcFromAngles(100, 80, 20, 20, 6.1, 0.2);   // 20-degree arc across 0
//   gfx::ellipse(s, a, gfx::rgb(0, 0, 255));                           // an open arc: outline only
//
// Angles are radians, 0 pointing right, growing counter-clockwise on the screen (pi/2 is up);
// an arc always runs counter-clockwise from its start to its end, so a start above the end
// wraps through 0. A start angle passed as a negative number means its absolute value plus a
// radius line from the centre to that end of the arc (the same for the end); both radii make a
// pie slice. Points on an arc are taken along rays from the centre (a ray at angle a meets the
// outline where the arc starts).
//
// Outline pixels: on every row and every column of the ellipse's box, the pixel nearest the
// ideal curve, mirrored into all four quadrants; so radius 0 draws the single centre pixel,
// radius 1 the four neighbours of the centre, and an ellipse with ry = 0 a horizontal line of
// 2 rx + 1 pixels. The work is bounded by the rows and columns on the surface.
#include "platform/gfx/surface.hpp"

#include <optional>

namespace kartino::gfx {

inline constexpr double kTwoPi = 6.283185307179586476925286766559;

struct Ellipse {
    int cx = 0, cy = 0; // centre
    int rx = 0, ry = 0; // horizontal and vertical radius, >= 0
    // Whole figure unless `arc`: then the counter-clockwise arc from `start` to `end` (radians,
    // 0 <= start, end <= 2 pi). Radius lines from the centre to the outline at `start` and `end`
    // are drawn when asked for, also on a whole figure.
    bool arc = false;
    double start = 0, end = kTwoPi;
    bool startRadius = false, endRadius = false;

    // Closed figures take a fill: whole ellipses and pie slices (both radius lines).
    bool closed() const { return !arc || (startRadius && endRadius); }
};

// An arc from the legacy start/end arguments: a negative angle selects a radius line at |angle|.
// Angles are reduced into 0..2 pi; a start equal to the end draws the whole outline.
Ellipse arcFromAngles(int cx, int cy, int rx, int ry, double start, double end);

// Draws the outline in `outline` and, for closed figures when `fill` is given, paints the
// interior first. Returns the rectangle that may have changed.
Rect ellipse(Surface &s, const Ellipse &e, Colour outline, std::optional<Colour> fill = {});

} // namespace kartino::gfx
