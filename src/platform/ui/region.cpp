#include "platform/ui/region.hpp"

namespace kartino::ui {

namespace {
constexpr std::size_t kMaxRects = 16;

bool touches(const gfx::Rect &a, const gfx::Rect &b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}
} // namespace

gfx::Rect addToRegion(std::vector<gfx::Rect> &region, gfx::Rect r) {
    if (r.empty()) return {};
    // Most drawing calls change pixels inside what already changed: nothing to merge then.
    for (const gfx::Rect &x : region)
        if (x.contains(r)) return x;
    // Merge with every rectangle it touches, until it touches none.
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < region.size(); ++i) {
            if (touches(region[i], r)) {
                r = r.unite(region[i]);
                region.erase(region.begin() + static_cast<std::ptrdiff_t>(i));
                merged = true;
                break;
            }
        }
    }
    region.push_back(r);
    if (region.size() > kMaxRects) {
        gfx::Rect all;
        for (const gfx::Rect &x : region)
            all = all.unite(x);
        region.assign(1, all);
    }
    return region.back();
}

void addToExactRegion(std::vector<gfx::Rect> &region, const gfx::Rect &r) {
    if (r.empty()) return;
    for (const gfx::Rect &x : region)
        if (x.contains(r)) return;
    std::erase_if(region, [&](const gfx::Rect &x) { return r.intersect(x) == x; });
    region.push_back(r);
    if (region.size() > 2 * kMaxRects) {
        gfx::Rect all;
        for (const gfx::Rect &x : region)
            all = all.unite(x);
        region.assign(1, all);
    }
}

std::vector<gfx::Rect> subtract(const gfx::Rect &r, const gfx::Rect &hole) {
    gfx::Rect h = r.intersect(hole);
    if (h.empty()) return r.empty() ? std::vector<gfx::Rect>{} : std::vector<gfx::Rect>{r};
    std::vector<gfx::Rect> out;
    if (h.top > r.top) out.push_back({r.left, r.top, r.right, h.top});
    if (h.bottom < r.bottom) out.push_back({r.left, h.bottom, r.right, r.bottom});
    if (h.left > r.left) out.push_back({r.left, h.top, h.left, h.bottom});
    if (h.right < r.right) out.push_back({h.right, h.top, r.right, h.bottom});
    return out;
}

} // namespace kartino::ui
