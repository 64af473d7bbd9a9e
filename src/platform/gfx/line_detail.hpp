#pragma once
// Internal to the raster layer: the line primitive with 64-bit end points, for figures whose
// construction points may lie beyond the int range (radius lines of huge ellipses).
#include "platform/gfx/surface.hpp"

namespace kartino::gfx::detail {

// Same pixels as gfx::line; the end points must lie within +-2^40.
Rect line64(Surface &s, long long x0, long long y0, long long x1, long long y1, Colour c);

} // namespace kartino::gfx::detail
