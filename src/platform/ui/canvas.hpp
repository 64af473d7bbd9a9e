#pragma once
// Something the legacy program draws on through a device context: a form or a picture box.
// Reading (Point, the source of BitBlt) sees `pixels()`; writing goes through `paint`, which
// applies the canvas's own rules (a form's AutoRedraw layers, the clip of a Paint event).
#include "platform/gfx/surface.hpp"

#include <cstdint>
#include <memory>
#include <type_traits>

namespace kartino::ui {

// A drawing operation passed down for the length of one call: a reference to the caller's
// lambda, without the copy and heap allocation a std::function would make on every line and
// point of a map.
class DrawOp {
  public:
    template <typename F, typename = std::enable_if_t<!std::is_same_v<std::decay_t<F>, DrawOp>>>
    DrawOp(F &&f) // NOLINT: converts from any callable, like std::function
        : callable_(const_cast<void *>(static_cast<const void *>(std::addressof(f)))),
          call_([](void *c, gfx::Surface &s) { return (*static_cast<std::remove_reference_t<F> *>(c))(s); }) {
    }
    gfx::Rect operator()(gfx::Surface &s) const { return call_(callable_, s); }

  private:
    void *callable_;
    gfx::Rect (*call_)(void *, gfx::Surface &);
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual const gfx::Surface &pixels() const = 0;
    // Runs a drawing operation that returns the rectangle it may have changed.
    virtual gfx::Rect paint(const DrawOp &op) = 0;
};

// BitBlt with SRCCOPY from `src` at (sx, sy) to `dst` at (dx, dy), w x h pixels, clipped at both
// canvases; destination pixels whose source is off the source stay as they were.
void BitBlt(Canvas &dst, int dx, int dy, int w, int h, const Canvas &src, int sx, int sy);

} // namespace kartino::ui
