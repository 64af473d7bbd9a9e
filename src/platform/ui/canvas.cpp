#include "platform/ui/canvas.hpp"

#include "platform/gfx/draw.hpp"

namespace kartino::ui {

void BitBlt(Canvas &dst, int dx, int dy, int w, int h, const Canvas &src, int sx, int sy) {
    dst.paint([&](gfx::Surface &s) { return gfx::bitBlt(s, dx, dy, w, h, src.pixels(), sx, sy); });
}

} // namespace kartino::ui
