#pragma once
// A region as a short list of rectangles: what must be redrawn, what changed on the screen.
// A list that grows long collapses into one rectangle, so the work per added rectangle stays small.
#include "platform/gfx/surface.hpp"

#include <vector>

namespace kartino::ui {

// Screen damage: touching rectangles are merged into their union (presenting a little more
// is harmless). Returns the rectangle of the region that now holds `r` (empty for an empty one).
gfx::Rect addToRegion(std::vector<gfx::Rect> &region, gfx::Rect r);

// A region to redraw: rectangles are kept apart (their union could cover pixels that must not
// be restored); only rectangles inside one another are merged.
void addToExactRegion(std::vector<gfx::Rect> &region, const gfx::Rect &r);

// The parts of `r` outside `hole` (up to four rectangles).
std::vector<gfx::Rect> subtract(const gfx::Rect &r, const gfx::Rect &hole);

} // namespace kartino::ui
