#pragma once
// The straight steps of a record, held back while each one starts where the one before it ended
// and all have one colour, then drawn with one call of the surface: an outline of a few hundred
// steps costs one call and one damage rectangle instead of one a step. Steps never read the
// surface, so drawing them a little later changes no pixel; whatever else is drawn on the
// surface or read from it first draws what is held.
#include "vecgraphics/drawing_surface.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kartino::vecgraphics {

class StepChain {
  public:
    explicit StepChain(DrawingSurface &surface) : surface_(surface) {}
    StepChain(const StepChain &) = delete;
    StepChain &operator=(const StepChain &) = delete;

    // The step from (x1, y1) to (x2, y2): added to the chain when it goes on from the chain's
    // end in the chain's colour, otherwise the chain is drawn and a new one starts with it.
    void add(float x1, float y1, float x2, float y2, std::uint32_t colour) {
        if (used_ != 0 && (colour != colour_ || x1 != xy_[used_ - 2] || y1 != xy_[used_ - 1])) flush();
        if (used_ == xy_.size()) { // full: drawn, and the chain goes on from its last point
            flush();
            put(x1, y1);
        } else if (used_ == 0) {
            colour_ = colour;
            put(x1, y1);
        }
        put(x2, y2);
    }

    // Draws what is held.
    void flush() {
        if (used_ >= 4) surface_.steps({xy_.data(), used_}, colour_);
        used_ = 0;
    }

    // The surface, for anything other than a step: what is held is drawn first.
    DrawingSurface &surface() {
        flush();
        return surface_;
    }

  private:
    void put(float x, float y) {
        xy_[used_] = x;
        xy_[used_ + 1] = y;
        used_ += 2;
    }

    DrawingSurface &surface_;
    std::array<float, 512> xy_{}; // x, y of up to 256 points
    std::size_t used_ = 0;
    std::uint32_t colour_ = 0;
};

} // namespace kartino::vecgraphics
