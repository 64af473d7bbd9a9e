#pragma once
// Something the legacy program draws on through a device context: a form or a picture box.
// Reading (Point, the source of BitBlt) sees `pixels()`; writing goes through `paint`, which
// applies the canvas's own rules (a form's AutoRedraw layers, the clip of a Paint event).
#include "platform/gfx/surface.hpp"

#include <cstdint>
#include <functional>

namespace kartino::ui {

class Canvas {
  public:
    virtual ~Canvas() = default;
    using DrawOp = std::function<gfx::Rect(gfx::Surface &)>;

    virtual const gfx::Surface &pixels() const = 0;
    // Runs a drawing operation that returns the rectangle it may have changed.
    virtual gfx::Rect paint(const DrawOp &op) = 0;
};

// BitBlt with SRCCOPY from `src` at (sx, sy) to `dst` at (dx, dy), w x h pixels, clipped at both
// canvases; destination pixels whose source is off the source stay as they were.
void BitBlt(Canvas &dst, int dx, int dy, int w, int h, const Canvas &src, int sx, int sy);

} // namespace kartino::ui
