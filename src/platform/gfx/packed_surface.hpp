#pragma once
// A surface kept as runs of equal pixels. A form out of sight holds its persistent image this
// way: a screen of flat colour, lines and text packs into a few kilobytes instead of four bytes
// a pixel. A picture that does not pack well (a photograph) is not packed at all.
#include "platform/gfx/surface.hpp"

#include <cstdint>
#include <optional>
#include <vector>

namespace kartino::gfx {

class PackedSurface {
  public:
    // The runs of `s`, or nothing when they would take more than a quarter of its pixels' memory.
    static std::optional<PackedSurface> pack(const Surface &s);
    Surface unpack() const;
    std::size_t bytes() const { return runs_.size() * sizeof(Run); }

  private:
    struct Run {
        std::uint32_t length;
        Colour colour;
    };
    int width_ = 0, height_ = 0;
    std::vector<Run> runs_;
};

} // namespace kartino::gfx
