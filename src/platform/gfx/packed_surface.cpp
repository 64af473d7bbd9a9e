#include "platform/gfx/packed_surface.hpp"

#include <algorithm>

namespace kartino::gfx {

std::optional<PackedSurface> PackedSurface::pack(const Surface &s) {
    PackedSurface packed;
    packed.width_ = s.width();
    packed.height_ = s.height();
    if (s.width() == 0) return packed;
    const std::size_t pixels = static_cast<std::size_t>(s.width()) * s.height();
    const std::size_t limit = pixels / 8; // a run takes two pixels' memory
    const Colour *p = s.row(0);
    const Colour *end = p + pixels;
    while (p != end) {
        if (packed.runs_.size() >= limit) return std::nullopt;
        const Colour c = *p;
        const Colour *q = std::find_if(p + 1, end, [c](Colour o) { return o != c; });
        packed.runs_.push_back({static_cast<std::uint32_t>(q - p), c});
        p = q;
    }
    packed.runs_.shrink_to_fit();
    return packed;
}

Surface PackedSurface::unpack() const {
    Surface s(width_, height_);
    if (width_ == 0) return s;
    Colour *p = s.row(0);
    for (const Run &run : runs_)
        p = std::fill_n(p, run.length, run.colour);
    return s;
}

} // namespace kartino::gfx
