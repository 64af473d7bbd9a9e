#pragma once
// Integer drawing primitives on a Surface, in device pixels (y grows downwards).
//
//   gfx::Surface s(640, 480, gfx::rgb(255, 255, 255));
//   gfx::Rect damage = gfx::line(s, 10, 10, 100, 40, gfx::rgb(255, 0, 0)); // (100,40) not drawn
//   damage = damage.unite(gfx::fillBox(s, 0, 0, 9, 9, 0));                  // both corners inside
//   std::int32_t c = gfx::point(s, 5, 5);                                   // -1 outside
//   gfx::bitBlt(save, 0, 0, 14, 14, s, x - 6, y - 6);                       // save under
//
// Every primitive clips at the surface edge: any int coordinate is accepted, nothing is written
// outside the buffer, and the work done is bounded by the visible part, not by the size of the
// figure. Each returns the rectangle of pixels it may have changed (empty when nothing was
// drawn), so callers can collect damage and present only what changed.
#include "platform/gfx/surface.hpp"

#include <cstdint>

namespace kartino::gfx {

// A line from (x0, y0) towards (x1, y1); the start pixel is drawn, the end pixel is not, so a
// line from a point to itself draws nothing. Horizontal and vertical lines are plain spans;
// others are Bresenham with the direction-dependent bias of the legacy drawing engine: where the
// ideal line passes exactly between two pixels, the one with the smaller minor coordinate is
// drawn, whatever the direction. Clipping keeps exactly the pixels of the unclipped line.
Rect line(Surface &s, int x0, int y0, int x1, int y1, Colour c);

// One pixel.
inline Rect pset(Surface &s, int x, int y, Colour c) {
    if (!s.contains(x, y)) return {};
    s.set(x, y, c);
    return {x, y, x + 1, y + 1};
}

// The colour at (x, y), or -1 outside the surface.
std::int32_t point(const Surface &s, int x, int y);

// Box outline with corners (x0, y0) and (x1, y1), both inside, in any order.
Rect box(Surface &s, int x0, int y0, int x1, int y1, Colour c);

// Filled box with corners (x0, y0) and (x1, y1), both inside, in any order.
Rect fillBox(Surface &s, int x0, int y0, int x1, int y1, Colour c);

// Source copy of the w x h pixels of `src` at (sx, sy) to `dst` at (dx, dy). The rectangle is
// clipped against both surfaces at the same offsets: destination pixels whose source lies
// outside `src` stay unchanged. `dst` and `src` may be the same surface, overlapping or not.
// Returns the destination rectangle written.
Rect bitBlt(Surface &dst, int dx, int dy, int w, int h, const Surface &src, int sx, int sy);

} // namespace kartino::gfx
