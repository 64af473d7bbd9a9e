#pragma once
// Flood fill bounded by a border colour.
//
//   gfx::Rect r = gfx::floodFill(s, x, y, /*border*/ gfx::rgb(0, 0, 0), /*fill*/ gfx::rgb(0, 0, 255));
//   if (r.empty()) { /* the seed was outside or on the border colour: nothing painted */ }
//
// The region is the 4-connected set of pixels reachable from the seed that do not have the
// border colour; every other colour is fillable, so a gap in the border lets the fill leak out.
// The fill is scanline based: it continues only into pixels directly above or below a filled
// span, never through a diagonal step of a one-pixel border. Border pixels are not painted.
#include "platform/gfx/surface.hpp"

namespace kartino::gfx {

// Returns the bounding rectangle of the painted region; empty when the seed lies outside the
// surface or already has the border colour (the fill fails and paints nothing).
Rect floodFill(Surface &s, int x, int y, Colour border, Colour fill);

// Long runs are scanned and painted with 256-bit vectors where the processor has them. Tests
// switch that off to check the portable path gives the same pictures; returns whether the wide
// path is now in use.
bool allowWideFloodScan(bool allow);

} // namespace kartino::gfx
