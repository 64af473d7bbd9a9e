#pragma once
// A plain 24-bit pixel buffer. Colours are the legacy 0x00BBGGRR values (red in the low byte);
// each pixel is stored as one 32-bit word holding such a value. Forms' images, what a form
// shows and picture boxes are all surfaces.
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <vector>

namespace kartino::gfx {

using Colour = std::uint32_t; // 0x00BBGGRR

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Half-open rectangle: left <= x < right, top <= y < bottom.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool contains(const Rect &o) const {
        return left <= o.left && o.right <= right && top <= o.top && o.bottom <= bottom;
    }
    Rect intersect(const Rect &o) const {
        const Rect r{left > o.left ? left : o.left, top > o.top ? top : o.top,
                     right < o.right ? right : o.right, bottom < o.bottom ? bottom : o.bottom};
        return r.empty() ? Rect{} : r;
    }
    // The smallest rectangle holding both (an empty one counts as nothing).
    Rect unite(const Rect &o) const {
        if (empty()) return o.empty() ? Rect{} : o;
        if (o.empty()) return *this;
        return {left < o.left ? left : o.left, top < o.top ? top : o.top, right > o.right ? right : o.right,
                bottom > o.bottom ? bottom : o.bottom};
    }
    bool operator==(const Rect &) const = default;
};

class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, Colour fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    Rect bounds() const { return {0, 0, width_, height_}; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Colour *row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const Colour *row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    Colour at(int x, int y) const { return row(y)[x]; }            // no bounds check
    void set(int x, int y, Colour c) { row(y)[x] = c & 0xFFFFFF; } // no bounds check

    void fill(Colour c);
    void fill(const Rect &r, Colour c); // clipped
    void resize(int width, int height, Colour fill = 0);

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// Paints the n pixels from p. Long spans go through the C library's wide memset, which uses the
// widest stores the machine has (pixels and wchar_t are both 32-bit words here). Short ones,
// which a map has by the thousand in lengths that follow no pattern, take a fixed number of
// stores with no branch on the length: four pixels at a time, each store held back to end at
// the span's end at the latest, so the last ones overlap what is already painted.
inline void fillPixels(Colour *p, int n, Colour c) {
    if constexpr (sizeof(wchar_t) == sizeof(Colour)) {
        if (n >= 64) {
            std::wmemset(reinterpret_cast<wchar_t *>(p), static_cast<wchar_t>(c),
                         static_cast<std::size_t>(n));
            return;
        }
    }
    if (n <= 0) return;
    if (n < 4) { // one to three pixels: the first, the middle and the last
        p[0] = c;
        p[n / 2] = c;
        p[n - 1] = c;
        return;
    }
    typedef Colour Quad __attribute__((vector_size(16))); // four pixels
    const Quad four{c, c, c, c};
    const int last = n - 4;
    auto quad = [&](int i) { std::memcpy(p + (i < last ? i : last), &four, sizeof four); };
    for (int i = 0; i < 32; i += 4)
        quad(i);
    for (int i = 32; i < n; i += 4) // beyond 32 pixels (without the wide memset: any length)
        quad(i);
}

} // namespace kartino::gfx
