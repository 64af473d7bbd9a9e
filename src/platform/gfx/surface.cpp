#include "platform/gfx/surface.hpp"

#include <algorithm>

namespace kartino::gfx {

Surface::Surface(int width, int height, Colour fill) {
    resize(width, height, fill);
}

void Surface::fill(Colour c) {
    for (int y = 0; y < height_; ++y)
        fillPixels(row(y), width_, c & 0xFFFFFF);
}

void Surface::fill(const Rect &r, Colour c) {
    Rect clip = r.intersect(bounds());
    for (int y = clip.top; y < clip.bottom; ++y)
        fillPixels(row(y) + clip.left, clip.width(), c & 0xFFFFFF);
}

void Surface::resize(int width, int height, Colour fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (width_ == 0 || height_ == 0) width_ = height_ = 0;
    pixels_.assign(static_cast<std::size_t>(width_) * height_, fill & 0xFFFFFF);
}

} // namespace kartino::gfx
