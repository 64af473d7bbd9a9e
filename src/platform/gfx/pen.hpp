#pragma once
// The legacy form drawing methods on a Surface, with the form's pen state in one struct.
//
//   gfx::PenState pen;                                      // ForeColor black, FillStyle 1
//   gfx::formLine(s, pen, {{10, 10}}, {100, 50});           // Line (10,10)-(100,50)
//   gfx::formLine(s, pen, {}, {120, 60});                   // Line -(120,60): from CurrentX/Y
//   gfx::formLine(s, pen, {{0, 0}}, {{5, 5, true}}, gfx::rgb(255, 0, 0), gfx::BoxMode::Filled);
//                                                           // Line (0,0)-Step(5,5), &HFF, BF
//   gfx::formCircle(s, pen, {320, 240}, 50);                // Circle (320,240), 50
//   gfx::formCircle(s, pen, {320, 240}, 50, {}, -0.5, -1.0); // a pie slice
//   pen.fillStyle = 0; pen.fillColor = gfx::rgb(0, 0, 255);
//   gfx::formFloodFill(s, pen, 100, 100, 0x02000000 | border);
//
// Coordinates are doubles (the legacy Single values) in pixels. They become pixels by rounding
// to the nearest whole number with halves to even (2.5 -> 2, 3.5 -> 4, -0.5 -> 0), the rule the
// runtime uses for CInt/CLng. Values beyond +-2^30 are held at that bound; NaN counts as 0.
// Every method returns the rectangle of pixels it may have changed, like the primitives.
#include "platform/gfx/draw.hpp"
#include "platform/gfx/surface.hpp"

#include <cmath>
#include <cstdint>
#include <optional>
#include <span>

namespace kartino::gfx {

struct PenState {
    double currentX = 0, currentY = 0; // CurrentX, CurrentY
    Colour foreColor = 0;              // ForeColor: default colour of Line, PSet, Circle
    Colour fillColor = 0;              // FillColor: interior of B boxes and closed circles, flood fills
    int fillStyle = 1;                 // FillStyle: 0 solid, 1 transparent (other values: transparent)
    int drawWidth = 1;                 // DrawWidth: kept for the form; lines are drawn one pixel wide

    bool solidFill() const { return fillStyle == 0; }
};

// A point argument of a method; `step` makes it relative (the Step keyword): the first point of
// a Line to CurrentX/CurrentY, the second to the first point.
struct PenPoint {
    double x = 0, y = 0;
    bool step = false;
};

enum class BoxMode { None, Box, Filled }; // Line ..., B / Line ..., BF

// Pixel coordinate of a method argument (half to even, clamped; see above).
inline int toPixel(double v) {
    constexpr double kLimit = 1073741824.0; // 2^30: far outside any surface, safe for int arithmetic
    if (!(v > -kLimit && v < kLimit)) {     // one test for the common case; NaN fails it too
        if (std::isnan(v)) return 0;
        return v > 0 ? static_cast<int>(kLimit) : -static_cast<int>(kLimit);
    }
    // Nearest with halves to even, as the default rounding mode rounds: adding and taking away
    // 1.5 * 2^52 leaves no fraction bits for |v| < 2^51, and costs no call into the maths library.
    constexpr double kRoundShift = 6755399441055744.0;
    return static_cast<int>((v + kRoundShift) - kRoundShift);
}

// Line (x1,y1)-(x2,y2), colour and PSet (x,y), colour: formLine and formPSet with absolute
// points and a colour, in plain values, for the vector painter's thousands of steps a map.
inline Rect penLine(Surface &s, PenState &pen, double x1, double y1, double x2, double y2, Colour c) {
    pen.currentX = x2;
    pen.currentY = y2;
    return line(s, toPixel(x1), toPixel(y1), toPixel(x2), toPixel(y2), c);
}
inline Rect penPSet(Surface &s, PenState &pen, double x, double y, Colour c) {
    pen.currentX = x;
    pen.currentY = y;
    return pset(s, toPixel(x), toPixel(y), c);
}
// The straight steps of a map through the points (xy[0], xy[1]), (xy[2], xy[3]), ...: from each
// point to the next the line and then its end pixel, as penLine and penPSet of the end would
// draw them. CurrentX/CurrentY end at the last point.
Rect penSteps(Surface &s, PenState &pen, std::span<const float> xy, Colour c);

// Line [[Step](x1,y1)]-[Step](x2,y2), [colour], [B|BF]. Without a first point the line starts
// at CurrentX/CurrentY. A line leaves out its end pixel; B draws the box outline with both
// corners inside and, when FillStyle is solid, paints its interior with FillColor; BF fills the
// box with the line colour. CurrentX/CurrentY end at the second point.
Rect formLine(Surface &s, PenState &pen, std::optional<PenPoint> from, PenPoint to,
              std::optional<Colour> colour = {}, BoxMode box = BoxMode::None);

// PSet [Step](x,y), [colour]; CurrentX/CurrentY become the point.
Rect formPSet(Surface &s, PenState &pen, PenPoint p, std::optional<Colour> colour = {});

// Point(x, y): the colour there, or -1 outside the surface.
std::int32_t formPoint(const Surface &s, double x, double y);

// Circle [Step](x,y), radius, [colour], [start], [end], [aspect]. Aspect is vertical / horizontal
// radius and the radius belongs to the longer axis: aspect < 1 gives rx = r, ry = r * aspect;
// aspect >= 1 gives ry = r, rx = r / aspect. Radii round like coordinates; a non-positive
// aspect counts as 1. Start and end are radians as in ellipse.hpp (negative = radius line;
// missing = 0 and 2 pi). Whole circles and pie slices are filled with FillColor when
// FillStyle is solid. CurrentX/CurrentY become the centre.
Rect formCircle(Surface &s, PenState &pen, PenPoint centre, double radius, std::optional<Colour> colour = {},
                std::optional<double> start = {}, std::optional<double> end = {},
                std::optional<double> aspect = {});

// The FloodFill call on the form's device context: fills the region around (x, y) bounded by
// `borderColorref` with the pen's brush. The COLORREF may be palette-relative (0x02000000 set),
// which on this true-colour surface is the plain RGB value. With FillStyle solid the brush is
// FillColor; with a transparent FillStyle the brush is hollow and nothing is painted. Returns an
// empty rectangle when the fill fails (seed outside or on the border colour). Does not move
// CurrentX/CurrentY.
Rect formFloodFill(Surface &s, const PenState &pen, int x, int y, std::uint32_t borderColorref);

} // namespace kartino::gfx
