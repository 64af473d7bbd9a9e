#include "leak_watch.hpp"

#include <algorithm>

namespace kartino::check {

void LeakWatch::begin(int record) {
    record_ = record;
    left_ = top_ = 0;
    right_ = bottom_ = -1;
}

void LeakWatch::outline(float x, float y, float radius) {
    if (right_ < left_) {
        left_ = x - radius, right_ = x + radius, top_ = y - radius, bottom_ = y + radius;
        return;
    }
    left_ = std::min(left_, x - radius);
    right_ = std::max(right_, x + radius);
    top_ = std::min(top_, y - radius);
    bottom_ = std::max(bottom_, y + radius);
}

bool LeakWatch::floodFill(std::int32_t x, std::int32_t y, std::uint32_t borderColorref) {
    const gfx::Surface before = pixels_;
    const bool filled = inner_.floodFill(x, y, borderColorref);
    FillMeasure m{record_, x, y, 0, false, false};
    const int w = pixels_.width(), h = pixels_.height();
    for (int row = 0; row < h; ++row) {
        const gfx::Colour *now = pixels_.row(row);
        const gfx::Colour *was = before.row(row);
        for (int col = 0; col < w; ++col) {
            if (now[col] == was[col]) continue;
            ++m.changed;
            if (row == 0 || col == 0 || row == h - 1 || col == w - 1) m.edge = true;
            // A pixel's distance from the outline's box beyond rounding.
            if (col < left_ - 1 || col > right_ + 1 || row < top_ - 1 || row > bottom_ + 1) m.outside = true;
        }
    }
    fills.push_back(m);
    return filled;
}

} // namespace kartino::check
